<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
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
        <translation>EIGEN</translation>
    </message>
    <message>
        <source>Martingale (x2 on loss)</source>
        <translation>Martingale (x2 bij verlies)</translation>
    </message>
    <message>
        <source>Parlay (x2 on win)</source>
        <translation>Paroli (x2 bij winst)</translation>
    </message>
    <message>
        <source>Donald (+1 on loss / -1 on win)</source>
        <translation>D&apos;Alembert (+1 bij verlies / -1 bij winst)</translation>
    </message>
    <message>
        <source>Chernyshov (x3 on loss)</source>
        <translation>Chernyshov (x3 bij verlies)</translation>
    </message>
    <message>
        <source>Blind (+1 each spin)</source>
        <translation>Blind (+1 per spin)</translation>
    </message>
    <message>
        <source>Up-trender (+1 on win)</source>
        <translation>Opwaarts (+1 bij winst)</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Verliezen</translation>
    </message>
    <message>
        <source>Losses In A Row</source>
        <translation>Verliezen op rij</translation>
    </message>
    <message>
        <source>Units drawdown</source>
        <translation>Eenheden terugval</translation>
    </message>
    <message>
        <source>ADD to bet:</source>
        <translation>BIJ inzet OPTELLEN:</translation>
    </message>
    <message>
        <source>SUBTRACT:</source>
        <translation>AFTREKKEN:</translation>
    </message>
    <message>
        <source>MULTIPLY bet by:</source>
        <translation>Inzet VERMENIGVULDIGEN met:</translation>
    </message>
    <message>
        <source>DIVIDE bet by:</source>
        <translation>Inzet DELEN door:</translation>
    </message>
    <message>
        <source>SET bet to:</source>
        <translation>Inzet ZETTEN op:</translation>
    </message>
    <message>
        <source>Check WINS</source>
        <translation>Zie WINST</translation>
    </message>
    <message>
        <source>DO NOTHING</source>
        <translation>NIETS DOEN</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Winsten</translation>
    </message>
    <message>
        <source>Wins In A Row</source>
        <translation>Winsten op rij</translation>
    </message>
    <message>
        <source>Units of profit</source>
        <translation>Eenheden winst</translation>
    </message>
    <message>
        <source>UPTREND</source>
        <translation>STIJGEND</translation>
    </message>
    <message>
        <source>DOWNTREND</source>
        <translation>DALEND</translation>
    </message>
    <message>
        <source>Less</source>
        <translation>Manque</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Even</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Oneven</translation>
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
        <translation>&apos;%1&apos; is geen geldig decimaal getal</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is geen geldig geheel getal</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid amount: the largest is %2</source>
        <translation>&apos;%1&apos; is geen geldig bedrag: het hoogste is %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid amount: the smallest is %2</source>
        <translation>&apos;%1&apos; is geen geldig bedrag: het laagste is %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a roulette number (0 to 36)</source>
        <translation>&apos;%1&apos; is geen roulettegetal (0 tot 36)</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Regel %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Kan bestand &quot;%1&quot; niet openen. %2</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Kan bestand &quot;%1&quot; niet lezen. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Kan bestand &quot;%1&quot; niet aanmaken. %2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Kan bestand &quot;%1&quot; niet schrijven. %2</translation>
    </message>
    <message>
        <source>The page cannot be read: %1.</source>
        <translation>De pagina kan niet gelezen worden: %1.</translation>
    </message>
    <message>
        <source>The page cannot be read: it holds %1 bytes, more than the limit of %2 MB (%3 bytes).</source>
        <translation>De pagina kan niet gelezen worden: ze bevat %1 bytes, meer dan de grens van %2 MB (%3 bytes).</translation>
    </message>
    <message>
        <source>%1 The file &quot;%2&quot; is left as it is.</source>
        <translation>%1 Het bestand &quot;%2&quot; blijft zoals het is.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>The pasted page holds no roulette numbers: nothing to import.</source>
        <translation>De geplakte pagina bevat geen roulettegetallen: niets te importeren.</translation>
    </message>
    <message>
        <source>Start a new game? The history of %1 numbers is cleared; the bankroll stays.</source>
        <translation>Een nieuw spel beginnen? De geschiedenis van %1 getallen wordt gewist; het kapitaal blijft.</translation>
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
        <translation>TESTKAPITAAL:</translation>
    </message>
    <message>
        <source>UNDO</source>
        <translation>HERSTEL</translation>
    </message>
    <message>
        <source>STATS</source>
        <translation>STATISTIEK</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>OVERSLAAN</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation>INSTELLINGEN</translation>
    </message>
    <message>
        <source>LOAD</source>
        <translation>LADEN</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>OPSLAAN</translation>
    </message>
    <message>
        <source>PASTE FROM EVOLUTION</source>
        <translation>PLAKKEN UIT EVOLUTION</translation>
    </message>
    <message>
        <source>LOAD FROM FILE</source>
        <translation>LADEN UIT BESTAND</translation>
    </message>
    <message>
        <source>Import %1 numbers? They replace the history of %2 numbers; the bankroll stays.</source>
        <translation>%1 getallen importeren? Ze vervangen de geschiedenis van %2 getallen; het kapitaal blijft.</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>SLUITEN</translation>
    </message>
    <message>
        <source>INITIAL BET:</source>
        <translation>BEGININZET:</translation>
    </message>
    <message>
        <source>GAME MODE:</source>
        <translation>SPELMODUS:</translation>
    </message>
    <message>
        <source>BETTING SYSTEM:</source>
        <translation>INZETSYSTEEM:</translation>
    </message>
    <message>
        <source>AFTER</source>
        <translation>NA</translation>
    </message>
    <message>
        <source>GET MINIMAL PROFIT</source>
        <translation>MINIMALE WINST</translation>
    </message>
    <message>
        <source>BET AUTOMATIC RESET</source>
        <translation>AUTOMATISCH HERSTARTEN</translation>
    </message>
    <message>
        <source>SAFE LEVEL:</source>
        <translation>VEILIGHEID:</translation>
    </message>
    <message>
        <source>BUILD MATRIX</source>
        <translation>MATRIX MAKEN</translation>
    </message>
    <message>
        <source>RM</source>
        <translation>RM</translation>
    </message>
    <message>
        <source>DIRECTION:</source>
        <translation>RICHTING:</translation>
    </message>
    <message>
        <source>PLAY BETS:</source>
        <translation>INZETTEN:</translation>
    </message>
    <message>
        <source>FIXED NUMBER</source>
        <translation>VAST AANTAL</translation>
    </message>
    <message>
        <source>REBUILD MATRIX ON PROFIT (Units):</source>
        <translation>MATRIX OPNIEUW BIJ WINST (Eenheden):</translation>
    </message>
    <message>
        <source>USE PHASE CORRECTION WITH STEP:</source>
        <translation>FASECORRECTIE MET STAP:</translation>
    </message>
    <message>
        <source>RESET:</source>
        <translation>HERSTART:</translation>
    </message>
    <message>
        <source>BETS</source>
        <translation>INZETTEN</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>APP</translation>
    </message>
    <message>
        <source>QUICK PROPOSALS</source>
        <translation>SNELLE VOORSTELLEN</translation>
    </message>
    <message>
        <source>Show Bet</source>
        <translation>Inzet tonen</translation>
    </message>
    <message>
        <source>LOSS LIMIT REACHED</source>
        <translation>VERLIESLIMIET BEREIKT</translation>
    </message>
    <message>
        <source>PROFIT GOAL REACHED</source>
        <translation>WINSTDOEL BEREIKT</translation>
    </message>
    <message>
        <source>TIME LIMIT REACHED</source>
        <translation>TIJDLIMIET BEREIKT</translation>
    </message>
    <message>
        <source>SPIN LIMIT REACHED</source>
        <translation>SPINLIMIET BEREIKT</translation>
    </message>
    <message>
        <source>REALITY CHECK</source>
        <translation>REALITEITSCHECK</translation>
    </message>
    <message>
        <source>LA PARTAGE</source>
        <translation>LA PARTAGE</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>UIT</translation>
    </message>
    <message>
        <source>LOSS:</source>
        <translation>VERLIES:</translation>
    </message>
    <message>
        <source>PROFIT:</source>
        <translation>WINST:</translation>
    </message>
    <message>
        <source>MIN:</source>
        <translation>MIN:</translation>
    </message>
    <message>
        <source>SPINS:</source>
        <translation>SPINS:</translation>
    </message>
    <message>
        <source>CHECK:</source>
        <translation>CHECK:</translation>
    </message>
    <message>
        <source>GO ON</source>
        <translation>DOORGAAN</translation>
    </message>
    <message>
        <source>NEW GAME</source>
        <translation>NIEUW SPEL</translation>
    </message>
    <message>
        <source>Time played %1</source>
        <translation>Speeltijd %1</translation>
    </message>
    <message>
        <source>%1 spins</source>
        <translation>%1 spins</translation>
    </message>
    <message>
        <source>Net result %1</source>
        <translation>Nettoresultaat %1</translation>
    </message>
    <message>
        <source>STAKING RULES</source>
        <translation>INZETREGELS</translation>
    </message>
    <message>
        <source>SAFETY</source>
        <translation>VEILIGHEID</translation>
    </message>
    <message>
        <source>MATRIX</source>
        <translation>MATRIX</translation>
    </message>
    <message>
        <source>PHASE AND RESET</source>
        <translation>FASE EN HERSTART</translation>
    </message>
    <message>
        <source>Language of the window, from the next start</source>
        <translation>Taal van het venster, vanaf de volgende start</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
</context>
</TS>
