<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>List</name>
    <message>
        <source>DEEP SCAN 8.0</source>
        <translation>DEEP SCAN 8.0</translation>
    </message>
    <message>
        <source>SMART 2025</source>
        <translation>SMART 2025</translation>
    </message>
    <message>
        <source>ADAPTIVE PRO 8.0</source>
        <translation>ADAPTIVE PRO 8.0</translation>
    </message>
    <message>
        <source>CUSTOM</source>
        <translation>EIGENES</translation>
    </message>
    <message>
        <source>Martingale (x2 on loss)</source>
        <translation>Martingale (x2 bei Verlust)</translation>
    </message>
    <message>
        <source>Parlay (x2 on win)</source>
        <translation>Paroli (x2 bei Gewinn)</translation>
    </message>
    <message>
        <source>Donald (+1 on loss / -1 on win)</source>
        <translation>D&apos;Alembert (+1 bei Verlust / -1 bei Gewinn)</translation>
    </message>
    <message>
        <source>Chernyshov (x3 on loss)</source>
        <translation>Chernyshov (x3 bei Verlust)</translation>
    </message>
    <message>
        <source>Blind (+1 each spin)</source>
        <translation>Blind (+1 je Coup)</translation>
    </message>
    <message>
        <source>Up-trender (+1 on win)</source>
        <translation>Aufwärts (+1 bei Gewinn)</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Verluste</translation>
    </message>
    <message>
        <source>Losses In A Row</source>
        <translation>Verluste in Folge</translation>
    </message>
    <message>
        <source>Units drawdown</source>
        <translation>Einheiten Rückgang</translation>
    </message>
    <message>
        <source>ADD to bet:</source>
        <translation>ZUM Einsatz ADDIEREN:</translation>
    </message>
    <message>
        <source>SUBTRACT:</source>
        <translation>ABZIEHEN:</translation>
    </message>
    <message>
        <source>MULTIPLY bet by:</source>
        <translation>Einsatz MULTIPLIZIEREN mit:</translation>
    </message>
    <message>
        <source>DIVIDE bet by:</source>
        <translation>Einsatz TEILEN durch:</translation>
    </message>
    <message>
        <source>SET bet to:</source>
        <translation>Einsatz SETZEN auf:</translation>
    </message>
    <message>
        <source>Check WINS</source>
        <translation>GEWINNE prüfen</translation>
    </message>
    <message>
        <source>DO NOTHING</source>
        <translation>NICHTS TUN</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Gewinne</translation>
    </message>
    <message>
        <source>Wins In A Row</source>
        <translation>Gewinne in Folge</translation>
    </message>
    <message>
        <source>Units of profit</source>
        <translation>Einheiten Gewinn</translation>
    </message>
    <message>
        <source>UPTREND</source>
        <translation>AUFWÄRTS</translation>
    </message>
    <message>
        <source>DOWNTREND</source>
        <translation>ABWÄRTS</translation>
    </message>
    <message>
        <source>Less</source>
        <translation>Manque</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Pair</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Impair</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Passe</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORT</translation>
    </message>
    <message>
        <source>IMPORT (%1)</source>
        <translation>IMPORT (%1)</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; ist keine gültige Dezimalzahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid amount: the largest is %2</source>
        <translation>&apos;%1&apos; ist kein gültiger Betrag: höchstens %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid amount: the smallest is %2</source>
        <translation>&apos;%1&apos; ist kein gültiger Betrag: mindestens %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a roulette number (0 to 36)</source>
        <translation>&apos;%1&apos; ist keine Roulettezahl (0 bis 36)</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei &quot;%1&quot; kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Die Datei &quot;%1&quot; kann nicht gelesen werden. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Die Datei &quot;%1&quot; kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Die Datei &quot;%1&quot; kann nicht geschrieben werden. %2</translation>
    </message>
    <message>
        <source>The page cannot be read: %1.</source>
        <translation>Die Seite kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>The page cannot be read: it holds %1 bytes, more than the limit of %2 MB (%3 bytes).</source>
        <translation>Die Seite kann nicht gelesen werden: sie hat %1 Byte, mehr als die Grenze von %2 MB (%3 Byte).</translation>
    </message>
    <message>
        <source>%1 The file &quot;%2&quot; is left as it is.</source>
        <translation>%1 Die Datei &quot;%2&quot; bleibt unverändert.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>The pasted page holds no roulette numbers: nothing to import.</source>
        <translation>Die eingefügte Seite enthält keine Roulettezahlen: nichts zu importieren.</translation>
    </message>
    <message>
        <source>Start a new game? The history of %1 numbers is cleared; the bankroll stays.</source>
        <translation>Ein neues Spiel beginnen? Der Verlauf von %1 Zahlen wird gelöscht; das Kapital bleibt.</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORT</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORT</translation>
    </message>
    <message>
        <source>TEST BANK:</source>
        <translation>TESTKAPITAL:</translation>
    </message>
    <message>
        <source>UNDO</source>
        <translation>RÜCKGÄNGIG</translation>
    </message>
    <message>
        <source>STATS</source>
        <translation>STATISTIK</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>AUSLASSEN</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation>EINSTELLUNGEN</translation>
    </message>
    <message>
        <source>LOAD</source>
        <translation>LADEN</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SPEICHERN</translation>
    </message>
    <message>
        <source>PASTE FROM EVOLUTION</source>
        <translation>AUS EVOLUTION EINFÜGEN</translation>
    </message>
    <message>
        <source>LOAD FROM FILE</source>
        <translation>AUS DATEI LADEN</translation>
    </message>
    <message>
        <source>Import %1 numbers? They replace the history of %2 numbers; the bankroll stays.</source>
        <translation>%1 Zahlen importieren? Sie ersetzen den Verlauf von %2 Zahlen; das Kapital bleibt.</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>SCHLIESSEN</translation>
    </message>
    <message>
        <source>INITIAL BET:</source>
        <translation>STARTEINSATZ:</translation>
    </message>
    <message>
        <source>GAME MODE:</source>
        <translation>SPIELMODUS:</translation>
    </message>
    <message>
        <source>BETTING SYSTEM:</source>
        <translation>SPIELSYSTEM:</translation>
    </message>
    <message>
        <source>AFTER</source>
        <translation>NACH</translation>
    </message>
    <message>
        <source>GET MINIMAL PROFIT</source>
        <translation>MINDESTGEWINN SICHERN</translation>
    </message>
    <message>
        <source>BET AUTOMATIC RESET</source>
        <translation>AUTOMATISCHER NEUSTART</translation>
    </message>
    <message>
        <source>SAFE LEVEL:</source>
        <translation>SICHERHEIT:</translation>
    </message>
    <message>
        <source>BUILD MATRIX</source>
        <translation>MATRIX BAUEN</translation>
    </message>
    <message>
        <source>RM</source>
        <translation>RM</translation>
    </message>
    <message>
        <source>DIRECTION:</source>
        <translation>RICHTUNG:</translation>
    </message>
    <message>
        <source>PLAY BETS:</source>
        <translation>EINSÄTZE:</translation>
    </message>
    <message>
        <source>FIXED NUMBER</source>
        <translation>FESTE ANZAHL</translation>
    </message>
    <message>
        <source>REBUILD MATRIX ON PROFIT (Units):</source>
        <translation>MATRIX NEU BEI GEWINN (Einheiten):</translation>
    </message>
    <message>
        <source>USE PHASE CORRECTION WITH STEP:</source>
        <translation>PHASENKORREKTUR MIT SCHRITT:</translation>
    </message>
    <message>
        <source>RESET:</source>
        <translation>NEUSTART:</translation>
    </message>
    <message>
        <source>BETS</source>
        <translation>EINSÄTZE</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>APP</translation>
    </message>
    <message>
        <source>QUICK PROPOSALS</source>
        <translation>SCHNELLE VORSCHLÄGE</translation>
    </message>
    <message>
        <source>Show Bet</source>
        <translation>Einsatz zeigen</translation>
    </message>
    <message>
        <source>LOSS LIMIT REACHED</source>
        <translation>VERLUSTGRENZE ERREICHT</translation>
    </message>
    <message>
        <source>PROFIT GOAL REACHED</source>
        <translation>GEWINNZIEL ERREICHT</translation>
    </message>
    <message>
        <source>TIME LIMIT REACHED</source>
        <translation>ZEITGRENZE ERREICHT</translation>
    </message>
    <message>
        <source>SPIN LIMIT REACHED</source>
        <translation>COUP-GRENZE ERREICHT</translation>
    </message>
    <message>
        <source>REALITY CHECK</source>
        <translation>REALITÄTSCHECK</translation>
    </message>
    <message>
        <source>LA PARTAGE</source>
        <translation>LA PARTAGE</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>LOSS:</source>
        <translation>VERLUST:</translation>
    </message>
    <message>
        <source>PROFIT:</source>
        <translation>GEWINN:</translation>
    </message>
    <message>
        <source>MIN:</source>
        <translation>MIN:</translation>
    </message>
    <message>
        <source>SPINS:</source>
        <translation>COUPS:</translation>
    </message>
    <message>
        <source>CHECK:</source>
        <translation>CHECK:</translation>
    </message>
    <message>
        <source>GO ON</source>
        <translation>WEITER</translation>
    </message>
    <message>
        <source>NEW GAME</source>
        <translation>NEUES SPIEL</translation>
    </message>
    <message>
        <source>Time played %1</source>
        <translation>Spielzeit %1</translation>
    </message>
    <message>
        <source>%1 spins</source>
        <translation>%1 Coups</translation>
    </message>
    <message>
        <source>Net result %1</source>
        <translation>Nettoergebnis %1</translation>
    </message>
    <message>
        <source>STAKING RULES</source>
        <translation>EINSATZREGELN</translation>
    </message>
    <message>
        <source>SAFETY</source>
        <translation>SICHERHEIT</translation>
    </message>
    <message>
        <source>MATRIX</source>
        <translation>MATRIX</translation>
    </message>
    <message>
        <source>PHASE AND RESET</source>
        <translation>PHASE/NEUSTART</translation>
    </message>
    <message>
        <source>Language of the window, from the next start</source>
        <translation>Sprache des Fensters, ab dem nächsten Start</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
</context>
</TS>
