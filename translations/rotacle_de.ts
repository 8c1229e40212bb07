<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Accessible</name>
    <message>
        <source>%1, green</source>
        <translation>%1, grün</translation>
    </message>
    <message>
        <source>%1, red</source>
        <translation>%1, rot</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, schwarz</translation>
    </message>
    <message>
        <source>proposal: stake %1 on %2</source>
        <translation>Vorschlag: Einsatz %1 auf %2</translation>
    </message>
    <message>
        <source>won: stake %1 on %2, bankroll %3</source>
        <translation>gewonnen: Einsatz %1 auf %2, Kapital %3</translation>
    </message>
    <message>
        <source>lost: stake %1 on %2, bankroll %3</source>
        <translation>verloren: Einsatz %1 auf %2, Kapital %3</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>trend: %1</source>
        <translation>Trend: %1</translation>
    </message>
    <message>
        <source>%1 field, lit</source>
        <translation>Feld %1, hervorgehoben</translation>
    </message>
    <message>
        <source>chip on %1</source>
        <translation>Jeton auf %1</translation>
    </message>
    <message>
        <source>stake %1 on %2</source>
        <translation>Einsatz %1 auf %2</translation>
    </message>
    <message>
        <source>safe level lamp: off (red)</source>
        <translation>Lampe der Sicherheitsstufe: aus (rot)</translation>
    </message>
    <message>
        <source>safe level lamp: on (green)</source>
        <translation>Lampe der Sicherheitsstufe: an (grün)</translation>
    </message>
    <message>
        <source>minimise</source>
        <translation>minimieren</translation>
    </message>
    <message>
        <source>close</source>
        <translation>schließen</translation>
    </message>
    <message>
        <source>help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>%1, not available</source>
        <translation>%1, nicht verfügbar</translation>
    </message>
    <message>
        <source>import panel</source>
        <translation>Importbereich</translation>
    </message>
    <message>
        <source>bankroll %1</source>
        <translation>Kapital %1</translation>
    </message>
    <message>
        <source>bets played %1</source>
        <translation>gespielte Wetten %1</translation>
    </message>
    <message>
        <source>flat index %1</source>
        <translation>flacher Index %1</translation>
    </message>
    <message>
        <source>numbers in game %1</source>
        <translation>Zahlen im Spiel %1</translation>
    </message>
    <message>
        <source>run progress</source>
        <translation>Fortschritt des Laufs</translation>
    </message>
    <message>
        <source>import progress</source>
        <translation>Fortschritt des Imports</translation>
    </message>
    <message>
        <source>history</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>losses before the action</source>
        <translation>Verluste vor der Aktion</translation>
    </message>
    <message>
        <source>kind of loss</source>
        <translation>Art des Verlusts</translation>
    </message>
    <message>
        <source>action after losses</source>
        <translation>Aktion nach Verlusten</translation>
    </message>
    <message>
        <source>value of the action after losses</source>
        <translation>Wert der Aktion nach Verlusten</translation>
    </message>
    <message>
        <source>wins before the action</source>
        <translation>Gewinne vor der Aktion</translation>
    </message>
    <message>
        <source>kind of win</source>
        <translation>Art des Gewinns</translation>
    </message>
    <message>
        <source>action after wins</source>
        <translation>Aktion nach Gewinnen</translation>
    </message>
    <message>
        <source>value of the action after wins</source>
        <translation>Wert der Aktion nach Gewinnen</translation>
    </message>
    <message>
        <source>language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>matrix build progress</source>
        <translation>Fortschritt des Matrixaufbaus</translation>
    </message>
    <message>
        <source>safe level %1</source>
        <translation>Sicherheitsstufe %1</translation>
    </message>
    <message>
        <source>bet won</source>
        <translation>Wette gewonnen</translation>
    </message>
    <message>
        <source>bet lost</source>
        <translation>Wette verloren</translation>
    </message>
    <message>
        <source>session resumed: %1 numbers</source>
        <translation>Sitzung fortgesetzt: %1 Zahlen</translation>
    </message>
    <message>
        <source>proposal: stake %1 on %2, more than the money held (%3)</source>
        <translation>Vorschlag: Einsatz %1 auf %2, mehr als das gehaltene Geld (%3)</translation>
    </message>
    <message>
        <source>no bet</source>
        <translation>keine Wette</translation>
    </message>
    <message>
        <source>not taken</source>
        <translation>nicht angenommen</translation>
    </message>
    <message>
        <source>waiting: %1</source>
        <translation>wartend: %1</translation>
    </message>
    <message>
        <source>import panel open</source>
        <translation>Importbereich offen</translation>
    </message>
    <message>
        <source>import panel open: %1</source>
        <translation>Importbereich offen: %1</translation>
    </message>
    <message>
        <source>last %1</source>
        <translation>zuletzt %1</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Numbers in game:</source>
        <translation>Zahlen im Spiel:</translation>
    </message>
    <message>
        <source>Bets played:</source>
        <translation>Gesetzt:</translation>
    </message>
    <message>
        <source>Flat index:</source>
        <translation>Flat-Index:</translation>
    </message>
    <message>
        <source>EVEN CHANCE ASSISTANT</source>
        <translation>ASSISTENT EINFACHE CHANCEN</translation>
    </message>
    <message>
        <source>IMPORT NUMBERS</source>
        <translation>ZAHLEN IMPORTIEREN</translation>
    </message>
    <message>
        <source>From a saved Evolution history page or a text file</source>
        <translation>Aus einer gespeicherten Evolution-Seite oder einer Textdatei</translation>
    </message>
    <message>
        <source>The numbers replace the history, oldest first.</source>
        <translation>Die Zahlen ersetzen den Verlauf, die älteste zuerst.</translation>
    </message>
    <message>
        <source>No bet is settled and no game mode runs.</source>
        <translation>Keine Wette wird abgerechnet, kein Spielmodus läuft.</translation>
    </message>
    <message>
        <source>TREND</source>
        <translation>TREND</translation>
    </message>
    <message>
        <source>1-18</source>
        <translation>MANQUE</translation>
    </message>
    <message>
        <source>EVEN</source>
        <translation>PAIR</translation>
    </message>
    <message>
        <source>ODD</source>
        <translation>IMPAIR</translation>
    </message>
    <message>
        <source>19-36</source>
        <translation>PASSE</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>&lt;h2&gt;Rotacle 8.0&lt;/h2&gt;
&lt;p&gt;Rotacle follows a European roulette table (one zero) and proposes one of the six even
chances &amp;mdash; Less (1-18), More (19-36), Even, Odd, Red, Black &amp;mdash; with the stake your
staking rules give.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Rotacle 8.0&lt;/h2&gt;
&lt;p&gt;Rotacle verfolgt einen Tisch des europäischen Roulettes (eine Null) und schlägt eine der sechs
einfachen Chancen vor &amp;mdash; Manque (1-18), Passe (19-36), Pair, Impair, Rouge, Noir &amp;mdash; mit dem
Einsatz, den Ihre Einsatzregeln ergeben.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Entering numbers&lt;/h3&gt;
&lt;p&gt;Click the cell of the number the wheel produced, or type its digits and press Enter or
Space. Backspace takes back a typed digit, Esc drops the typed digits. A number clicked or typed
while the board is busy waits (&amp;ldquo;waiting: 5 36&amp;rdquo; under the history) and is entered after
the run; meanwhile UNDO only takes back a waiting number.&lt;/p&gt;
&lt;p&gt;Keys: &lt;b&gt;Ctrl+Z&lt;/b&gt; undo (a number still waiting is taken back first), &lt;b&gt;Ctrl+Q&lt;/b&gt; quit, &lt;b&gt;F1&lt;/b&gt; this help, &lt;b&gt;S&lt;/b&gt; the statistics window, &lt;b&gt;Esc&lt;/b&gt; closes the
import panel or the settings area.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Zahlen eingeben&lt;/h3&gt;
&lt;p&gt;Klicken Sie auf das Feld der gefallenen Zahl, oder tippen Sie ihre Ziffern und drücken Sie Enter
oder die Leertaste. Rücktaste nimmt eine getippte Ziffer zurück, Esc verwirft die getippten Ziffern.
Eine Zahl, die geklickt oder getippt wird, während das Tableau beschäftigt ist, wartet
(&amp;ldquo;wartend: 5 36&amp;rdquo; unter dem Verlauf) und wird nach dem Lauf eingegeben; solange nimmt
RÜCKGÄNGIG nur eine wartende Zahl zurück.&lt;/p&gt;
&lt;p&gt;Tasten: &lt;b&gt;Strg+Z&lt;/b&gt; rückgängig (eine noch wartende Zahl wird zuerst zurückgenommen),
&lt;b&gt;Strg+Q&lt;/b&gt; beenden, &lt;b&gt;F1&lt;/b&gt; diese Hilfe, &lt;b&gt;S&lt;/b&gt; das Statistikfenster, &lt;b&gt;Esc&lt;/b&gt; schließt das
Importfeld oder den Einstellungsbereich.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The chip and the stake&lt;/h3&gt;
&lt;p&gt;The chip marks the field to bet on next; the tag beside it is the stake. The stake is already
taken from the bankroll: a win brings it back with as much again, a loss keeps it.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Jeton und Einsatz&lt;/h3&gt;
&lt;p&gt;Der Jeton markiert die Chance, auf die als Nächstes gesetzt wird; das Schild daneben ist der
Einsatz. Der Einsatz ist schon vom Kapital abgezogen: ein Gewinn bringt ihn doppelt zurück, ein
Verlust behält ihn.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The first numbers&lt;/h3&gt;
&lt;p&gt;The first four numbers are only recorded. From the fifth a proposal is shown; from the sixth
each number first settles the previous proposal.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Die ersten Zahlen&lt;/h3&gt;
&lt;p&gt;Die ersten vier Zahlen werden nur notiert. Ab der fünften wird ein Vorschlag gezeigt; ab der
sechsten rechnet jede Zahl zuerst den vorigen Vorschlag ab.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Undo and skip&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;UNDO&lt;/b&gt; takes back the last number entered: the bankroll and the bet return to what they
were before it. It is offered again once two more numbers are entered. &lt;b&gt;SKIP&lt;/b&gt; withdraws the shown bet: its stake goes
back to the bankroll and nothing is settled on it.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Rückgängig und Auslassen&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;RÜCKGÄNGIG&lt;/b&gt; nimmt die zuletzt eingegebene Zahl zurück: Kapital und Wette kehren zu ihrem
Stand davor zurück. Es wird wieder angeboten, sobald zwei weitere Zahlen eingegeben sind.
&lt;b&gt;AUSLASSEN&lt;/b&gt; zieht die gezeigte Wette zurück: ihr Einsatz geht ins Kapital zurück, und nichts
wird auf ihr abgerechnet.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Staking rules&lt;/h3&gt;
&lt;p&gt;A staking cycle starts at the &lt;b&gt;initial bet&lt;/b&gt;. The loss rule (&amp;ldquo;AFTER n losses
&amp;hellip;&amp;rdquo;) and the win rule (&amp;ldquo;AFTER n wins &amp;hellip;&amp;rdquo;) add to, subtract from,
multiply, divide or set the stake by their amount. &lt;b&gt;Bet automatic reset&lt;/b&gt; returns the stake
to the initial bet when the bankroll reaches the cycle target; &lt;b&gt;get minimal profit&lt;/b&gt; trims
the stake so that a win just reaches that target. &lt;b&gt;Phase correction&lt;/b&gt; re-bases the rule
amounts when the stake reaches the step times the initial bet.&lt;/p&gt;
&lt;p&gt;Some controls are fixed in this version: the game mode (SMART 2025 plays), the betting
system list and the rule lists snap back when you choose another item, and the AFTER counts and
rule amounts take their values from the initial bet or from a settings file (LOAD). Their
tooltips say so. Enter or Esc ends an edit, and the next digits go to the table again.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Einsatzregeln&lt;/h3&gt;
&lt;p&gt;Ein Zyklus beginnt beim &lt;b&gt;Starteinsatz&lt;/b&gt;. Die Verlustregel (&amp;ldquo;NACH n Verlusten
&amp;hellip;&amp;rdquo;) und die Gewinnregel (&amp;ldquo;NACH n Gewinnen &amp;hellip;&amp;rdquo;) addieren, subtrahieren,
multiplizieren, teilen oder setzen den Einsatz um ihren Betrag. &lt;b&gt;Automatischer Neustart&lt;/b&gt; setzt
den Einsatz auf den Starteinsatz zurück, wenn das Kapital das Zyklusziel erreicht;
&lt;b&gt;Mindestgewinn sichern&lt;/b&gt; kürzt den Einsatz, sodass ein Gewinn dieses Ziel gerade erreicht.
&lt;b&gt;Phasenkorrektur&lt;/b&gt; setzt die Regelbeträge neu an, wenn der Einsatz das Schrittfache des
Starteinsatzes erreicht.&lt;/p&gt;
&lt;p&gt;Einige Elemente sind in dieser Version fest: der Spielmodus (SMART 2025 spielt), die Liste der
Spielsysteme und die Regellisten springen zurück, wenn Sie etwas anderes wählen, und die
NACH-Zahlen und Regelbeträge nehmen ihre Werte vom Starteinsatz oder aus einer Einstellungsdatei
(LADEN). Ihre Tooltips sagen es. Enter oder Esc beendet eine Eingabe, und die nächsten Ziffern gehen
wieder an den Tisch.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Import and export&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;IMPORT&lt;/b&gt; opens a panel: paste a live-casino history page from the clipboard, or load a
text file of numbers, then IMPORT replaces the history with them without settling any bet
(it asks first when the history holds numbers).
&lt;b&gt;EXPORT&lt;/b&gt; saves the history as a text file, one number per line.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Import und Export&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;IMPORT&lt;/b&gt; öffnet ein Feld: fügen Sie eine Verlaufsseite eines Live-Casinos aus der
Zwischenablage ein oder laden Sie eine Textdatei mit Zahlen; IMPORT ersetzt dann den Verlauf durch
sie, ohne eine Wette abzurechnen (es fragt zuvor, wenn der Verlauf Zahlen enthält).
&lt;b&gt;EXPORT&lt;/b&gt; speichert den Verlauf als Textdatei, eine Zahl je Zeile.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The expected loss&lt;/h3&gt;
&lt;p&gt;With one zero the house edge is 1/37: every stake on an even chance loses 1/37 of its amount
on average. No staking rule changes that: over many bets the expected result is 1/37 of the
total staked, lost.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Der erwartete Verlust&lt;/h3&gt;
&lt;p&gt;Mit einer Null beträgt der Bankvorteil 1/37: jeder Einsatz auf eine einfache Chance verliert im
Mittel 1/37 seines Betrags. Keine Einsatzregel ändert das: über viele Wetten ist das erwartete
Ergebnis 1/37 des Gesamteinsatzes, verloren.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Lamps and trend buttons&lt;/h3&gt;
&lt;table cellspacing=&quot;6&quot;&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:lamp-far&quot; width=&quot;20&quot; height=&quot;20&quot;&gt;&lt;/td&gt;
&lt;td&gt;Safety level still more than one lost proposal away. With SAFE LEVEL n, a proposal is
shown only after n proposals in a row have lost.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:lamp-near&quot; width=&quot;20&quot; height=&quot;20&quot;&gt;&lt;/td&gt;
&lt;td&gt;Safety level reached, or one lost proposal away.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:trend-0&quot; width=&quot;62&quot; height=&quot;18&quot;&gt;&lt;/td&gt;
&lt;td&gt;A trend button at rest, above its field.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:trend-1&quot; width=&quot;62&quot; height=&quot;18&quot;&gt;&lt;/td&gt;
&lt;td&gt;Pointed at: a click prefers this side of its pair.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:trend-2&quot; width=&quot;62&quot; height=&quot;18&quot;&gt;&lt;/td&gt;
&lt;td&gt;This side is preferred: a proposal of the other side of the pair is turned to it. A
click drops the preference.&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;</source>
        <translation>&lt;h3&gt;Lampen und Trendknöpfe&lt;/h3&gt;
&lt;table cellspacing=&quot;6&quot;&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:lamp-far&quot; width=&quot;20&quot; height=&quot;20&quot;&gt;&lt;/td&gt;
&lt;td&gt;Die Sicherheitsstufe ist noch mehr als einen verlorenen Vorschlag entfernt. Mit SICHERHEIT n wird
ein Vorschlag erst gezeigt, nachdem n Vorschläge in Folge verloren haben.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:lamp-near&quot; width=&quot;20&quot; height=&quot;20&quot;&gt;&lt;/td&gt;
&lt;td&gt;Sicherheitsstufe erreicht oder einen verlorenen Vorschlag entfernt.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:trend-0&quot; width=&quot;62&quot; height=&quot;18&quot;&gt;&lt;/td&gt;
&lt;td&gt;Ein Trendknopf in Ruhe, über seiner Chance.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:trend-1&quot; width=&quot;62&quot; height=&quot;18&quot;&gt;&lt;/td&gt;
&lt;td&gt;Mit dem Zeiger darauf: ein Klick bevorzugt diese Seite ihres Paars.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:trend-2&quot; width=&quot;62&quot; height=&quot;18&quot;&gt;&lt;/td&gt;
&lt;td&gt;Diese Seite wird bevorzugt: ein Vorschlag der anderen Seite des Paars wird zu ihr gewendet. Ein
Klick hebt die Bevorzugung auf.&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;</translation>
    </message>
    <message>
        <source>Rotacle 8.0 &amp;mdash; version %1&lt;br&gt;
All rights reserved. No warranty: roulette has a house edge.</source>
        <translation>Rotacle 8.0 &amp;mdash; Version %1&lt;br&gt;
Alle Rechte vorbehalten. Keine Gewähr: Roulette hat einen Bankvorteil.</translation>
    </message>
    <message>
        <source>Rotacle 8.0 — Help</source>
        <translation>Rotacle 8.0 — Hilfe</translation>
    </message>
    <message>
        <source>  Previous sessions</source>
        <translation>  Frühere Sitzungen</translation>
    </message>
    <message>
        <source>Sessions kept beside this one, newest first</source>
        <translation>Neben dieser aufbewahrte Sitzungen, neueste zuerst</translation>
    </message>
    <message>
        <source>RESUME</source>
        <translation>FORTSETZEN</translation>
    </message>
    <message>
        <source>Resume the chosen session; this one is kept beside it</source>
        <translation>Setzt die gewählte Sitzung fort; diese wird daneben aufbewahrt</translation>
    </message>
    <message>
        <source>  —  %1 numbers, bankroll %2</source>
        <translation>  —  %1 Zahlen, Kapital %2</translation>
    </message>
    <message>
        <source>  —  cannot be resumed</source>
        <translation>  —  nicht fortsetzbar</translation>
    </message>
    <message>
        <source>&lt;h3&gt;La partage&lt;/h3&gt;
&lt;p&gt;With &lt;b&gt;LA PARTAGE&lt;/b&gt; ticked in the settings area, a bet lost to the zero gives half of its
stake back; the staking rules still count it as lost. The house edge on the even chances is then
1/74 instead of 1/37, and the statistics window&apos;s expected result counts 1/74 of what was staked
under it.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;La partage&lt;/h3&gt;
&lt;p&gt;Ist &lt;b&gt;LA PARTAGE&lt;/b&gt; im Einstellungsbereich angekreuzt, gibt eine an die Null verlorene
Wette die Hälfte ihres Einsatzes zurück; die Einsatzregeln zählen sie dennoch als verloren. Der
Bankvorteil auf den einfachen Chancen beträgt dann 1/74 statt 1/37, und das erwartete Ergebnis im
Statistikfenster zählt 1/74 dessen, was darunter gesetzt wurde.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Session limits and the reality check&lt;/h3&gt;
&lt;p&gt;The limits in the settings area stop play when one is reached: &lt;b&gt;LOSS&lt;/b&gt; and
&lt;b&gt;PROFIT&lt;/b&gt; count the money held (the bankroll and the stake on the table) from the moment the
limit was set, &lt;b&gt;MIN&lt;/b&gt; the minutes played and &lt;b&gt;SPINS&lt;/b&gt; the numbers entered. Play then
stands still until you go on (that limit counts again from there) or start a new game. An
optional limit stops play when a stake would be larger than the money held. &lt;b&gt;CHECK&lt;/b&gt; is the
reality check: every so many minutes play pauses to show the time played and the result.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Sitzungslimits und Realitätscheck&lt;/h3&gt;
&lt;p&gt;Die Limits im Einstellungsbereich halten das Spiel an, sobald eines erreicht ist: &lt;b&gt;VERL.&lt;/b&gt;
und &lt;b&gt;GEWINN&lt;/b&gt; zählen das gehaltene Geld (Kapital und Einsatz auf dem Tisch) ab dem Moment, in
dem das Limit gesetzt wurde, &lt;b&gt;MIN&lt;/b&gt; die gespielten Minuten und &lt;b&gt;COUPS&lt;/b&gt; die eingegebenen
Zahlen. Das Spiel steht dann still, bis Sie weiterspielen (dieses Limit zählt von dort neu) oder
ein neues Spiel beginnen. Ein wahlweises Limit hält das Spiel an, wenn ein Einsatz größer wäre als
das gehaltene Geld. &lt;b&gt;PAUSE&lt;/b&gt; ist der Realitätscheck: alle so viele Minuten hält das Spiel an
und zeigt die gespielte Zeit und das Ergebnis.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The Risk tab&lt;/h3&gt;
&lt;p&gt;The statistics window&apos;s &lt;b&gt;Risk&lt;/b&gt; tab plays many whole sessions from the table&apos;s bankroll on
a random wheel, each until it reaches the target, is ruined or has played the most spins, and
shows how often each happened, the spread of the results and the expected loss. It plays the
table&apos;s settings, or flat or martingale staking, with the table&apos;s zero rule or another; the same
seed plays the same sessions, as &lt;code&gt;rotacle-sim risk&lt;/code&gt; does.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Der Reiter Risiko&lt;/h3&gt;
&lt;p&gt;Der Reiter &lt;b&gt;Risiko&lt;/b&gt; des Statistikfensters spielt viele ganze Sitzungen vom Kapital des
Tisches auf einem Zufallskessel, jede bis sie das Ziel erreicht, ruiniert ist oder die meisten
Coups gespielt hat, und zeigt, wie oft jedes davon eintrat, die Streuung der Ergebnisse und den
erwarteten Verlust. Er spielt die Einstellungen des Tisches oder flache oder Martingale-Einsätze,
mit der Nullregel des Tisches oder einer anderen; derselbe Seed spielt dieselben Sitzungen, wie
&lt;code&gt;rotacle-sim risk&lt;/code&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Staking dialog&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;STAKING&amp;hellip;&lt;/b&gt; in the settings area sets the staking rules in one place, from presets
(the defaults, flat, martingale, d&apos;Alembert) with a preview of the first stakes after losses and
wins.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Einsatzdialog&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;SYSTEME&amp;hellip;&lt;/b&gt; im Einstellungsbereich stellt die Einsatzregeln an einer Stelle ein, aus
Vorlagen (die Voreinstellungen, flach, Martingale, d&apos;Alembert) mit einer Vorschau der ersten
Einsätze nach Verlusten und Gewinnen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The stats row&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;Numbers in game&lt;/b&gt; counts the numbers in the history. &lt;b&gt;Bets played&lt;/b&gt; counts the
proposals shown as bets in this game (since APP; an import goes on counting), as each number is
entered: a bet withdrawn with SKIP is taken off again, one taken back with UNDO stays counted
until the next number. The statistics window counts the bets of the history alone. The &lt;b&gt;flat index&lt;/b&gt;
tells how the bets went whatever their stakes: it adds 18 for every won bet and takes 18 off for
every lost one (18 numbers win on an even chance), so it is 18 times the won bets less the lost
ones; a number with no bet on the table leaves it alone.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Die Statistikzeile&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;Zahlen im Spiel&lt;/b&gt; zählt die Zahlen im Verlauf. &lt;b&gt;Gesetzt&lt;/b&gt; zählt die Vorschläge, die in
diesem Spiel als Wetten gezeigt wurden (seit APP; ein Import zählt weiter), bei jeder eingegebenen
Zahl: eine mit AUSLASSEN zurückgezogene Wette wird wieder abgezogen, eine mit RÜCKGÄNGIG
zurückgenommene bleibt bis zur nächsten Zahl gezählt. Das Statistikfenster zählt nur die Wetten des
Verlaufs. Der &lt;b&gt;Flat-Index&lt;/b&gt; zeigt, wie die Wetten unabhängig von ihren Einsätzen liefen: er
addiert 18 für jede gewonnene Wette und zieht 18 für jede verlorene ab (18 Zahlen gewinnen auf einer
einfachen Chance), ist also 18 mal die gewonnenen Wetten minus die verlorenen; eine Zahl ohne Wette
auf dem Tisch lässt ihn unverändert.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source> This session is not journaled.</source>
        <translation> Diese Sitzung wird nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>The session journal cannot be written (%1). Play goes on; the journal catches up as soon as there is room again.</source>
        <translation>Das Sitzungsjournal kann nicht geschrieben werden (%1). Das Spiel geht weiter; das Journal holt auf, sobald wieder Platz ist.</translation>
    </message>
    <message>
        <source>Every session journal is open in another Rotacle window. This session is not journaled.</source>
        <translation>Jedes Sitzungsjournal ist in einem anderen Rotacle-Fenster geöffnet. Diese Sitzung wird nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>The last session is open in another Rotacle window. This window starts a session of its own.</source>
        <translation>Die letzte Sitzung ist in einem anderen Rotacle-Fenster geöffnet. Dieses Fenster beginnt eine eigene Sitzung.</translation>
    </message>
    <message>
        <source>The journal holds an action this version does not know; the session is resumed up to it.</source>
        <translation>Das Journal enthält eine Aktion, die diese Version nicht kennt; die Sitzung wird bis dorthin fortgesetzt.</translation>
    </message>
    <message>
        <source> It is kept as %1; a new session starts.</source>
        <translation> Sie wird als %1 aufbewahrt; eine neue Sitzung beginnt.</translation>
    </message>
    <message>
        <source>This window keeps no session journal: the kept session cannot be resumed here.</source>
        <translation>Dieses Fenster führt kein Sitzungsjournal: die aufbewahrte Sitzung kann hier nicht fortgesetzt werden.</translation>
    </message>
    <message>
        <source>Resume the session kept as %1? This session is kept beside it, and Rotacle starts again.</source>
        <translation>Die als %1 aufbewahrte Sitzung fortsetzen? Diese Sitzung wird daneben aufbewahrt, und Rotacle startet neu.</translation>
    </message>
    <message>
        <source>Record %1 of the journal enters a number while play stood still at a session limit; the session is resumed up to it.</source>
        <translation>Eintrag %1 des Journals gibt eine Zahl ein, während das Spiel an einem Sitzungslimit stillstand; die Sitzung wird bis dorthin fortgesetzt.</translation>
    </message>
</context>
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
        <translation>D&apos;Alembert (+1 / -1)</translation>
    </message>
    <message>
        <source>Chernyshov (x3 on loss)</source>
        <translation>Chernyshov (x3 bei Verl.)</translation>
    </message>
    <message>
        <source>Blind (+1 each spin)</source>
        <translation>Stetig (+1 je Coup)</translation>
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
        <translation>Einh. Rückgang</translation>
    </message>
    <message>
        <source>ADD to bet:</source>
        <translation>ADDIEREN:</translation>
    </message>
    <message>
        <source>SUBTRACT:</source>
        <translation>ABZIEHEN:</translation>
    </message>
    <message>
        <source>MULTIPLY bet by:</source>
        <translation>MULTIPLIZ. mit:</translation>
    </message>
    <message>
        <source>DIVIDE bet by:</source>
        <translation>TEILEN durch:</translation>
    </message>
    <message>
        <source>SET bet to:</source>
        <translation>SETZEN auf:</translation>
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
        <translation>Einh. Gewinn</translation>
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
    <message>
        <source>Text File</source>
        <translation>Textdatei</translation>
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
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>The page cannot be read: the page reader is not installed (looked for %1). Install the package rotacle-page-reader to paste pages.</source>
        <translation>Die Seite kann nicht gelesen werden: der Seitenleser ist nicht installiert (gesucht: %1). Installieren Sie das Paket rotacle-page-reader, um Seiten einzufügen.</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>cannot be reached</source>
        <translation>ist nicht erreichbar</translation>
    </message>
    <message>
        <source>is a link to nothing</source>
        <translation>ist ein Link ins Leere</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>ist ein Ordner</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>The options file %1 %2: the options start at their defaults and are not kept.</source>
        <translation>Die Optionsdatei %1 %2: die Optionen beginnen mit ihren Voreinstellungen und werden nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>RiskTab</name>
    <message>
        <source> to </source>
        <translation> bis </translation>
    </message>
    <message>
        <source>How many whole sessions to play.</source>
        <translation>Wie viele ganze Sitzungen gespielt werden.</translation>
    </message>
    <message>
        <source>The profit at which a session stops.</source>
        <translation>Der Gewinn, bei dem eine Sitzung endet.</translation>
    </message>
    <message>
        <source>The most spins a session plays.</source>
        <translation>Die meisten Coups, die eine Sitzung spielt.</translation>
    </message>
    <message>
        <source>Every session starts from the table&apos;s bankroll with its settings.</source>
        <translation>Jede Sitzung beginnt mit dem Kapital des Tisches und seinen Einstellungen.</translation>
    </message>
    <message>
        <source>RUN</source>
        <translation>START</translation>
    </message>
    <message>
        <source>Plays the sessions on worker threads.</source>
        <translation>Spielt die Sitzungen in Arbeitsthreads.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stops the run; the figures show the sessions played.</source>
        <translation>Hält den Lauf an; die Zahlen zeigen die gespielten Sitzungen.</translation>
    </message>
    <message>
        <source>Results of the sessions</source>
        <translation>Ergebnisse der Sitzungen</translation>
    </message>
    <message>
        <source>Sessions</source>
        <translation>Sitzungen</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Sessions:</source>
        <translation>Sitzungen:</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Ziel:</translation>
    </message>
    <message>
        <source>Max spins:</source>
        <translation>Max. Coups:</translation>
    </message>
    <message>
        <source>Saves the histogram as a PNG picture.</source>
        <translation>Speichert das Histogramm als PNG-Bild.</translation>
    </message>
    <message>
        <source>Saves the histogram as an SVG drawing.</source>
        <translation>Speichert das Histogramm als SVG-Zeichnung.</translation>
    </message>
    <message>
        <source>Saves every session&apos;s outcome as a CSV file.</source>
        <translation>Speichert den Ausgang jeder Sitzung als CSV-Datei.</translation>
    </message>
    <message>
        <source>Sessions must be a whole number from 1 to 1000000.</source>
        <translation>Sitzungen muss eine ganze Zahl von 1 bis 1000000 sein.</translation>
    </message>
    <message>
        <source>The target must be an amount above 0.</source>
        <translation>Das Ziel muss ein Betrag über 0 sein.</translation>
    </message>
    <message>
        <source>Max spins must be a whole number above 0.</source>
        <translation>Max. Coups muss eine ganze Zahl über 0 sein.</translation>
    </message>
    <message>
        <source>Playing %1 sessions...</source>
        <translation>%1 Sitzungen werden gespielt...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
    <message>
        <source>The run failed.</source>
        <translation>Der Lauf ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 sessions.</source>
        <translation>Abgebrochen nach %1 von %2 Sitzungen.</translation>
    </message>
    <message>
        <source>%1 sessions played.</source>
        <translation>%1 Sitzungen gespielt.</translation>
    </message>
    <message>
        <source>From the table: bankroll %1, its settings%2</source>
        <translation>Vom Tisch: Kapital %1, seine Einstellungen%2</translation>
    </message>
    <message>
        <source>, la partage</source>
        <translation>, la partage</translation>
    </message>
    <message>
        <source>No sessions played yet.</source>
        <translation>Noch keine Sitzungen gespielt.</translation>
    </message>
    <message>
        <source>Sessions: %1</source>
        <translation>Sitzungen: %1</translation>
    </message>
    <message>
        <source>Reached the target: </source>
        <translation>Ziel erreicht: </translation>
    </message>
    <message>
        <source>Ruined: </source>
        <translation>Ruiniert: </translation>
    </message>
    <message>
        <source>Still playing: </source>
        <translation>Noch im Spiel: </translation>
    </message>
    <message>
        <source>Result: mean %1, sd %2</source>
        <translation>Ergebnis: Mittel %1, Std.-Abw. %2</translation>
    </message>
    <message>
        <source>5/25/50/75/95 %: %1 / %2 / %3 / %4 / %5</source>
        <translation>5/25/50/75/95 %: %1 / %2 / %3 / %4 / %5</translation>
    </message>
    <message>
        <source>Mean staked: </source>
        <translation>Mittlerer Einsatz: </translation>
    </message>
    <message>
        <source>House edge: expected %1, z %2</source>
        <translation>Bankvorteil: erwartet %1, z %2</translation>
    </message>
    <message>
        <source>Drawdown: mean %1, largest %2</source>
        <translation>Rückgang: Mittel %1, größter %2</translation>
    </message>
    <message>
        <source>Longest losing run: %1</source>
        <translation>Längste Verlustserie: %1</translation>
    </message>
    <message>
        <source>Largest stake: </source>
        <translation>Größter Einsatz: </translation>
    </message>
    <message>
        <source>Mean spins: </source>
        <translation>Mittlere Coups: </translation>
    </message>
    <message>
        <source>table&apos;s settings</source>
        <translation>Einstellungen des Tisches</translation>
    </message>
    <message>
        <source>flat</source>
        <translation>flach</translation>
    </message>
    <message>
        <source>martingale</source>
        <translation>Martingale</translation>
    </message>
    <message>
        <source>The staking the sessions play: the table&apos;s settings, a flat stake (always the initial bet), or martingale (the stake doubles after each lost bet and goes back to the initial bet after a win).</source>
        <translation>Die Einsätze der Sitzungen: die Einstellungen des Tisches, ein flacher Einsatz (immer der Anfangseinsatz) oder Martingale (der Einsatz verdoppelt sich nach jeder verlorenen Wette und kehrt nach einem Gewinn zum Anfangseinsatz zurück).</translation>
    </message>
    <message>
        <source>as the table</source>
        <translation>wie der Tisch</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>la partage</source>
        <translation>la partage</translation>
    </message>
    <message>
        <source>The zero rule of the sessions: the table&apos;s, none, or la partage (half of a stake lost on zero comes back).</source>
        <translation>Die Nullregel der Sitzungen: die des Tisches, keine oder la partage (die Hälfte eines an die Null verlorenen Einsatzes kommt zurück).</translation>
    </message>
    <message>
        <source>Each session&apos;s wheel is seeded from this seed and the session&apos;s number: the same seed plays the same sessions, here and in rotacle-sim risk --seed.</source>
        <translation>Der Kessel jeder Sitzung wird aus diesem Seed und der Nummer der Sitzung gesetzt: derselbe Seed spielt dieselben Sitzungen, hier und in rotacle-sim risk --seed.</translation>
    </message>
    <message>
        <source>System:</source>
        <translation>System:</translation>
    </message>
    <message>
        <source>Zero rule:</source>
        <translation>Nullregel:</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Seed:</translation>
    </message>
    <message>
        <source>The seed must be a whole number from 0 to 18446744073709551615.</source>
        <translation>Der Seed muss eine ganze Zahl von 0 bis 18446744073709551615 sein.</translation>
    </message>
    <message>
        <source>Played from bankroll %1: %2, zero rule %3, seed %4</source>
        <translation>Gespielt ab Kapital %1: %2, Nullregel %3, Seed %4</translation>
    </message>
</context>
<context>
    <name>SpinResult</name>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
</context>
<context>
    <name>StakingDialog</name>
    <message>
        <source>Defaults: one initial bet more after every bet</source>
        <translation>Voreinstellungen: ein Starteinsatz mehr nach jeder Wette</translation>
    </message>
    <message>
        <source>Flat: always the initial bet</source>
        <translation>Flach: immer der Starteinsatz</translation>
    </message>
    <message>
        <source>Martingale: double the stake after a loss</source>
        <translation>Martingale: Einsatz nach einem Verlust verdoppeln</translation>
    </message>
    <message>
        <source>d&apos;Alembert: one initial bet more after a loss, one less after a win</source>
        <translation>d&apos;Alembert: ein Starteinsatz mehr nach einem Verlust, einer weniger nach einem Gewinn</translation>
    </message>
    <message>
        <source>Staking</source>
        <translation>Einsätze</translation>
    </message>
    <message>
        <source>Applying writes the staking rules, minimal profit and phase correction of the settings as a loaded settings file does; the initial bet stays.</source>
        <translation>Übernehmen schreibt die Einsatzregeln, den Mindestgewinn und die Phasenkorrektur in die Einstellungen, wie es eine geladene Einstellungsdatei tut; der Starteinsatz bleibt.</translation>
    </message>
    <message>
        <source>System:</source>
        <translation>System:</translation>
    </message>
    <message>
        <source>Stakes:</source>
        <translation>Einsätze:</translation>
    </message>
    <message>
        <source>Losing every bet: %1</source>
        <translation>Jede Wette verloren: %1</translation>
    </message>
    <message>
        <source>Winning every bet: %1</source>
        <translation>Jede Wette gewonnen: %1</translation>
    </message>
    <message>
        <source>Three lost, then won: %1</source>
        <translation>Drei verloren, dann gewonnen: %1</translation>
    </message>
    <message>
        <source>No preview: %1</source>
        <translation>Keine Vorschau: %1</translation>
    </message>
</context>
<context>
    <name>StatsWindow</name>
    <message>
        <source>Bankroll after every spin</source>
        <translation>Kapital nach jedem Coup</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Coup</translation>
    </message>
    <message>
        <source>Bankroll</source>
        <translation>Kapital</translation>
    </message>
    <message>
        <source>Initial bankroll</source>
        <translation>Startkapital</translation>
    </message>
    <message>
        <source>Bet won</source>
        <translation>Wette gewonnen</translation>
    </message>
    <message>
        <source>Bet lost</source>
        <translation>Wette verloren</translation>
    </message>
    <message>
        <source>The bankroll after every spin; green and red marks are the placed bets won and lost, the dashed line the bankroll the session started with.</source>
        <translation>Das Kapital nach jedem Coup; grüne und rote Marken sind gewonnene und verlorene Wetten, die gestrichelte Linie das Startkapital der Sitzung.</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Erwartet</translation>
    </message>
    <message>
        <source>Absence</source>
        <translation>Ausbleiben</translation>
    </message>
    <message>
        <source>Longest absence</source>
        <translation>Längstes Ausbleiben</translation>
    </message>
    <message>
        <source>Hits per chance</source>
        <translation>Treffer je Chance</translation>
    </message>
    <message>
        <source>Expected (18/37)</source>
        <translation>Erwartet (18/37)</translation>
    </message>
    <message>
        <source>Hits of each even chance against 18/37 of the spins.</source>
        <translation>Treffer jeder einfachen Chance gegen 18/37 der Coups.</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>Hits, their share of the spins beside the share chance alone gives, the spins since the last hit (absence) and the longest absence so far. Click a column&apos;s header to sort by it.</source>
        <translation>Treffer, ihr Anteil an den Coups neben dem Anteil des reinen Zufalls, die Coups seit dem letzten Treffer (Ausbleiben) und das längste Ausbleiben bisher. Ein Klick auf einen Spaltenkopf sortiert danach.</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Wette</translation>
    </message>
    <message>
        <source>Stake</source>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Every spin of the session: the bet it settled, its stake and result, and the bankroll after it. Numbers that came with an import were not played.</source>
        <translation>Jeder Coup der Sitzung: die abgerechnete Wette, ihr Einsatz und Ergebnis und das Kapital danach. Importierte Zahlen wurden nicht gespielt.</translation>
    </message>
    <message>
        <source>Rotacle statistics</source>
        <translation>Rotacle-Statistik</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>Spins</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Longest losing run</source>
        <translation>Längste Verlustserie</translation>
    </message>
    <message>
        <source>Total staked</source>
        <translation>Gesamteinsatz</translation>
    </message>
    <message>
        <source>Net result</source>
        <translation>Nettoergebnis</translation>
    </message>
    <message>
        <source>Expected result (house edge 1/37)</source>
        <translation>Erwartetes Ergebnis (Bankvorteil 1/37)</translation>
    </message>
    <message>
        <source>Numbers in the history.</source>
        <translation>Zahlen im Verlauf.</translation>
    </message>
    <message>
        <source>Settled bets that won.</source>
        <translation>Abgerechnete Wetten, die gewonnen haben.</translation>
    </message>
    <message>
        <source>Settled bets that lost.</source>
        <translation>Abgerechnete Wetten, die verloren haben.</translation>
    </message>
    <message>
        <source>The most settled bets lost one after the other.</source>
        <translation>Die meisten abgerechneten Wetten, die nacheinander verloren haben.</translation>
    </message>
    <message>
        <source>The stakes of all settled bets.</source>
        <translation>Die Einsätze aller abgerechneten Wetten.</translation>
    </message>
    <message>
        <source>The won stakes less the lost ones.</source>
        <translation>Die gewonnenen Einsätze minus die verlorenen.</translation>
    </message>
    <message>
        <source>Chances</source>
        <translation>Chancen</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Risk</source>
        <translation>Risiko</translation>
    </message>
    <message>
        <source>Hits, share and absences of the even chances and of every number; every spin of the session.</source>
        <translation>Treffer, Anteil und Ausbleiben der einfachen Chancen und jeder Zahl; jeder Coup der Sitzung.</translation>
    </message>
    <message>
        <source>Chart as PNG...</source>
        <translation>Diagramm als PNG...</translation>
    </message>
    <message>
        <source>Saves the bankroll chart as a PNG picture.</source>
        <translation>Speichert den Kapitalverlauf als PNG-Bild.</translation>
    </message>
    <message>
        <source>Chart as SVG...</source>
        <translation>Diagramm als SVG...</translation>
    </message>
    <message>
        <source>Saves the bankroll chart as an SVG drawing.</source>
        <translation>Speichert den Kapitalverlauf als SVG-Zeichnung.</translation>
    </message>
    <message>
        <source>Tables as CSV...</source>
        <translation>Tabellen als CSV...</translation>
    </message>
    <message>
        <source>Saves the hits and absences of the chances and numbers as a CSV file.</source>
        <translation>Speichert Treffer und Ausbleiben der Chancen und Zahlen als CSV-Datei.</translation>
    </message>
    <message>
        <source>Spins as CSV...</source>
        <translation>Coups als CSV...</translation>
    </message>
    <message>
        <source>Saves every spin with its bet, stake, result and bankroll as a CSV file.</source>
        <translation>Speichert jeden Coup mit Wette, Einsatz, Ergebnis und Kapital als CSV-Datei.</translation>
    </message>
    <message>
        <source>The chart could not be drawn as a PNG picture.</source>
        <translation>Das Diagramm konnte nicht als PNG-Bild gezeichnet werden.</translation>
    </message>
    <message>
        <source>The chart could not be drawn as an SVG drawing.</source>
        <translation>Das Diagramm konnte nicht als SVG-Zeichnung gezeichnet werden.</translation>
    </message>
    <message>
        <source>What the house edge takes on average: 1/37 of the total staked, lost; 1/74 of what was staked under la partage, which gives half of a stake back on zero.</source>
        <translation>Was der Bankvorteil im Mittel nimmt: 1/37 des Gesamteinsatzes, verloren; 1/74 dessen, was unter la partage gesetzt wurde, die bei Null die Hälfte eines Einsatzes zurückgibt.</translation>
    </message>
    <message>
        <source>Expected result (la partage, house edge 1/74)</source>
        <translation>Erwartetes Ergebnis (la partage, Bankvorteil 1/74)</translation>
    </message>
    <message>
        <source>Expected result (house edge 1/37, 1/74 under la partage)</source>
        <translation>Erwartetes Ergebnis (Bankvorteil 1/37, 1/74 unter la partage)</translation>
    </message>
    <message>
        <source>Bets placed in this history</source>
        <translation>Gesetzte Wetten in diesem Verlauf</translation>
    </message>
    <message>
        <source>Bets settled in this history</source>
        <translation>Abgerechnete Wetten in diesem Verlauf</translation>
    </message>
    <message>
        <source>Bets whose stake went on the table since the history began (APP or an import): those settled and the one open now.</source>
        <translation>Wetten, deren Einsatz seit Beginn des Verlaufs (APP oder ein Import) auf den Tisch ging: die abgerechneten und die jetzt offene.</translation>
    </message>
    <message>
        <source>Placed bets that a number has settled since the history began; UNDO takes one back. Bets played in the main window counts the whole game, imports included.</source>
        <translation>Gesetzte Wetten, die eine Zahl seit Beginn des Verlaufs abgerechnet hat; RÜCKGÄNGIG nimmt eine zurück. Gesetzt im Hauptfenster zählt das ganze Spiel, Importe eingeschlossen.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>TESTBANK:</translation>
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
        <translation>RESET:</translation>
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
        <translation>SCHNELLE TIPPS</translation>
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
        <translation>VERL.:</translation>
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
        <translation>PAUSE:</translation>
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
    <message>
        <source>not taken</source>
        <translation>nicht angenommen</translation>
    </message>
    <message>
        <source>stake %1</source>
        <translation>Einsatz %1</translation>
    </message>
    <message>
        <source>waiting:</source>
        <translation>wartend:</translation>
    </message>
    <message>
        <source>Net result:</source>
        <translation>Nettoergebnis:</translation>
    </message>
    <message>
        <source>The session&apos;s net result: the won stakes less the lost ones, as the statistics window counts them.</source>
        <translation>Das Nettoergebnis der Sitzung: die gewonnenen Einsätze weniger die verlorenen, wie das Statistikfenster sie zählt.</translation>
    </message>
    <message>
        <source>STAKING…</source>
        <translation>SYSTEME…</translation>
    </message>
    <message>
        <source>STAKE ABOVE THE BANKROLL</source>
        <translation>EINSATZ ÜBER KAPITAL</translation>
    </message>
    <message>
        <source>INITIAL BET</source>
        <translation>STARTEINSATZ</translation>
    </message>
    <message>
        <source>TEST BANK</source>
        <translation>TESTBANK</translation>
    </message>
    <message>
        <source>amount of the loss rule</source>
        <translation>Betrag der Verlustregel</translation>
    </message>
    <message>
        <source>amount of the win rule</source>
        <translation>Betrag der Gewinnregel</translation>
    </message>
    <message>
        <source>%1: %2 is no stake; the smallest is 0.01</source>
        <translation>%1: %2 ist kein Einsatz; der kleinste ist 0.01</translation>
    </message>
    <message>
        <source>%1: an amount has one decimal point; the key is not taken</source>
        <translation>%1: ein Betrag hat einen Dezimalpunkt; die Taste wird nicht angenommen</translation>
    </message>
    <message>
        <source>%1: amounts are typed without a sign; &quot;%2&quot; is not taken</source>
        <translation>%1: Beträge werden ohne Vorzeichen getippt; &quot;%2&quot; wird nicht angenommen</translation>
    </message>
    <message>
        <source>%1: only digits and a decimal point are typed here; &quot;%2&quot; is not taken</source>
        <translation>%1: hier werden nur Ziffern und ein Dezimalpunkt getippt; &quot;%2&quot; wird nicht angenommen</translation>
    </message>
</context>
<context>
    <name>Tooltip</name>
    <message>
        <source>Opens the import panel to bring in a series of past numbers.</source>
        <translation>Öffnet das Importfeld, um eine Reihe früherer Zahlen zu übernehmen.</translation>
    </message>
    <message>
        <source>Saves the history as a text file, one number per line.</source>
        <translation>Speichert den Verlauf als Textdatei, eine Zahl je Zeile.</translation>
    </message>
    <message>
        <source>Minimises the window.</source>
        <translation>Minimiert das Fenster.</translation>
    </message>
    <message>
        <source>Closes Rotacle.</source>
        <translation>Beendet Rotacle.</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>Hilfe (F1)</translation>
    </message>
    <message>
        <source>The bankroll; the stake of the shown bet is already taken from it.</source>
        <translation>Das Kapital; der Einsatz der gezeigten Wette ist schon abgezogen.</translation>
    </message>
    <message>
        <source>Takes back the last number entered.</source>
        <translation>Nimmt die zuletzt eingegebene Zahl zurück.</translation>
    </message>
    <message>
        <source>Undo is offered again once two more numbers are entered.</source>
        <translation>Rückgängig ist wieder möglich, sobald zwei weitere Zahlen eingegeben sind.</translation>
    </message>
    <message>
        <source>Red lamp: the safety level is more than one lost proposal away.</source>
        <translation>Rote Lampe: die Sicherheitsstufe ist mehr als einen verlorenen Vorschlag entfernt.</translation>
    </message>
    <message>
        <source>Green lamp: the safety level is reached or one lost proposal away.</source>
        <translation>Grüne Lampe: die Sicherheitsstufe ist erreicht oder einen verlorenen Vorschlag entfernt.</translation>
    </message>
    <message>
        <source>Withdraws the shown bet; its stake goes back to the bankroll.</source>
        <translation>Zieht die gezeigte Wette zurück; ihr Einsatz geht zurück ins Kapital.</translation>
    </message>
    <message>
        <source>No bet is shown that could be withdrawn.</source>
        <translation>Keine Wette gezeigt, die zurückgezogen werden könnte.</translation>
    </message>
    <message>
        <source>Opens the settings area with the betting settings.</source>
        <translation>Öffnet den Bereich mit den Spieleinstellungen.</translation>
    </message>
    <message>
        <source>Closes the settings area.</source>
        <translation>Schließt den Einstellungsbereich.</translation>
    </message>
    <message>
        <source>Opens the statistics window: the bankroll chart, hits and absences of the chances and numbers, the session summary (S).</source>
        <translation>Öffnet das Statistikfenster: Kapitalverlauf, Treffer und Ausbleiber der Chancen und Zahlen, Sitzungsübersicht (S).</translation>
    </message>
    <message>
        <source>Loads the betting settings from a .rtk file.</source>
        <translation>Lädt die Spieleinstellungen aus einer .rtk-Datei.</translation>
    </message>
    <message>
        <source>Saves the betting settings to a .rtk file.</source>
        <translation>Speichert die Spieleinstellungen in einer .rtk-Datei.</translation>
    </message>
    <message>
        <source>Reads the numbers of a live-casino history page copied to the clipboard.</source>
        <translation>Liest die Zahlen einer in die Zwischenablage kopierten Verlaufsseite eines Live-Casinos.</translation>
    </message>
    <message>
        <source>A pasted page is being read.</source>
        <translation>Eine eingefügte Seite wird gelesen.</translation>
    </message>
    <message>
        <source>Reads the numbers of a text file.</source>
        <translation>Liest die Zahlen einer Textdatei.</translation>
    </message>
    <message>
        <source>Replaces the history with the numbers read; no bet is settled.</source>
        <translation>Ersetzt den Verlauf durch die gelesenen Zahlen; keine Wette wird abgerechnet.</translation>
    </message>
    <message>
        <source>Closes the import panel; the history stays as it is.</source>
        <translation>Schließt das Importfeld; der Verlauf bleibt, wie er ist.</translation>
    </message>
    <message>
        <source>The initial bet: the stake every staking cycle starts from.</source>
        <translation>Der Starteinsatz: der Einsatz, mit dem jeder Zyklus beginnt.</translation>
    </message>
    <message>
        <source>The game mode that proposes the field to bet on. Fixed in this version: SMART 2025 plays, and a choice snaps back to it.</source>
        <translation>Der Spielmodus, der die Chance zum Setzen vorschlägt. In dieser Version fest: SMART 2025 spielt, eine Auswahl springt zurück.</translation>
    </message>
    <message>
        <source>The name of the betting system that the staking rules below stand for; the stake always follows those rules. Fixed in this version: a choice snaps back, a settings file may show another name.</source>
        <translation>Der Name des Spielsystems, für das die Einsatzregeln unten stehen; der Einsatz folgt immer diesen Regeln. In dieser Version fest: eine Auswahl springt zurück, eine Einstellungsdatei kann einen anderen Namen zeigen.</translation>
    </message>
    <message>
        <source>Shows the bankroll and lets you set the test bank.</source>
        <translation>Zeigt das Kapital und lässt das Testkapital einstellen.</translation>
    </message>
    <message>
        <source>The starting bankroll.</source>
        <translation>Das Startkapital.</translation>
    </message>
    <message>
        <source>After how many of the counted losses the loss rule changes the stake. Fixed in this version: only a settings file changes it.</source>
        <translation>Nach wie vielen gezählten Verlusten die Verlustregel den Einsatz ändert. In dieser Version fest: nur eine Einstellungsdatei ändert es.</translation>
    </message>
    <message>
        <source>What the loss rule counts: losses, losses in a row or units of drawdown. Fixed in this version: a choice snaps back; a settings file may set it.</source>
        <translation>Was die Verlustregel zählt: Verluste, Verluste in Folge oder Einheiten Rückgang. In dieser Version fest: eine Auswahl springt zurück; eine Einstellungsdatei kann es setzen.</translation>
    </message>
    <message>
        <source>What the loss rule does to the stake. Fixed in this version at ADD to bet: a choice snaps back.</source>
        <translation>Was die Verlustregel mit dem Einsatz tut. In dieser Version fest auf ZUM Einsatz ADDIEREN: eine Auswahl springt zurück.</translation>
    </message>
    <message>
        <source>The amount by which the loss rule changes the stake: the initial bet. Fixed in this version: it follows the initial bet, or a settings file.</source>
        <translation>Der Betrag, um den die Verlustregel den Einsatz ändert: der Starteinsatz. In dieser Version fest: er folgt dem Starteinsatz oder einer Einstellungsdatei.</translation>
    </message>
    <message>
        <source>After how many of the counted wins the win rule changes the stake. Fixed in this version: only a settings file changes it.</source>
        <translation>Nach wie vielen gezählten Gewinnen die Gewinnregel den Einsatz ändert. In dieser Version fest: nur eine Einstellungsdatei ändert es.</translation>
    </message>
    <message>
        <source>What the win rule counts: wins, wins in a row or units of profit. Fixed in this version: a choice snaps back; a settings file may set it.</source>
        <translation>Was die Gewinnregel zählt: Gewinne, Gewinne in Folge oder Einheiten Gewinn. In dieser Version fest: eine Auswahl springt zurück; eine Einstellungsdatei kann es setzen.</translation>
    </message>
    <message>
        <source>What the win rule does to the stake. Fixed in this version at ADD to bet: a choice snaps back.</source>
        <translation>Was die Gewinnregel mit dem Einsatz tut. In dieser Version fest auf ZUM Einsatz ADDIEREN: eine Auswahl springt zurück.</translation>
    </message>
    <message>
        <source>The amount by which the win rule changes the stake: the initial bet. Fixed in this version: it follows the initial bet, or a settings file.</source>
        <translation>Der Betrag, um den die Gewinnregel den Einsatz ändert: der Starteinsatz. In dieser Version fest: er folgt dem Starteinsatz oder einer Einstellungsdatei.</translation>
    </message>
    <message>
        <source>Trims the stake so that a win just reaches the cycle target.</source>
        <translation>Kürzt den Einsatz, sodass ein Gewinn das Zyklusziel gerade erreicht.</translation>
    </message>
    <message>
        <source>Returns the stake to the initial bet when the bankroll reaches the cycle target.</source>
        <translation>Setzt den Einsatz auf den Starteinsatz zurück, wenn das Kapital das Zyklusziel erreicht.</translation>
    </message>
    <message>
        <source>Shows a proposal only after this many proposals in a row have lost (0: always).</source>
        <translation>Zeigt einen Vorschlag erst, nachdem so viele Vorschläge in Folge verloren haben (0: immer).</translation>
    </message>
    <message>
        <source>Builds the matrix from the recent spins.</source>
        <translation>Baut die Matrix aus den letzten Coups.</translation>
    </message>
    <message>
        <source>Clears the matrix.</source>
        <translation>Leert die Matrix.</translation>
    </message>
    <message>
        <source>The direction in which the matrix looks for its pattern.</source>
        <translation>Die Richtung, in der die Matrix ihr Muster sucht.</translation>
    </message>
    <message>
        <source>How many bets are played before the matrix is rebuilt.</source>
        <translation>Wie viele Einsätze gespielt werden, bevor die Matrix neu gebaut wird.</translation>
    </message>
    <message>
        <source>Keeps the number of replayed spins instead of following the history.</source>
        <translation>Behält die Zahl der nachgespielten Coups, statt dem Verlauf zu folgen.</translation>
    </message>
    <message>
        <source>How many recent spins the matrix replays.</source>
        <translation>Wie viele letzte Coups die Matrix nachspielt.</translation>
    </message>
    <message>
        <source>Rebuilds the matrix once the profit reaches the units set beside it.</source>
        <translation>Baut die Matrix neu, sobald der Gewinn die daneben gesetzten Einheiten erreicht.</translation>
    </message>
    <message>
        <source>The profit, in initial bets, that rebuilds the matrix.</source>
        <translation>Der Gewinn in Starteinsätzen, der die Matrix neu baut.</translation>
    </message>
    <message>
        <source>Re-bases the rule amounts when the stake reaches the step times the initial bet.</source>
        <translation>Setzt die Regelbeträge neu an, wenn der Einsatz das Schrittfache des Starteinsatzes erreicht.</translation>
    </message>
    <message>
        <source>The step: the multiple of the initial bet that starts a phase correction.</source>
        <translation>Der Schritt: das Vielfache des Starteinsatzes, das eine Phasenkorrektur auslöst.</translation>
    </message>
    <message>
        <source>Flat index: +18 for every won bet, -18 for every lost one, whatever the stakes: wins against losses.</source>
        <translation>Flacher Index: +18 je gewonnene Wette, -18 je verlorene, egal welcher Einsatz: Gewinne gegen Verluste.</translation>
    </message>
    <message>
        <source>Numbers in game: the numbers in the history.</source>
        <translation>Zahlen im Spiel: die Zahlen im Verlauf.</translation>
    </message>
    <message>
        <source>Starts a new staking cycle at the initial bet.</source>
        <translation>Beginnt einen neuen Zyklus beim Starteinsatz.</translation>
    </message>
    <message>
        <source>Starts a new game: the history is cleared, the bankroll kept.</source>
        <translation>Beginnt ein neues Spiel: der Verlauf wird gelöscht, das Kapital bleibt.</translation>
    </message>
    <message>
        <source>Shows the stake beside the chip.</source>
        <translation>Zeigt den Einsatz neben dem Jeton.</translation>
    </message>
    <message>
        <source>Shows each proposal at once, without the run across the board.</source>
        <translation>Zeigt jeden Vorschlag sofort, ohne den Lauf über das Tableau.</translation>
    </message>
    <message>
        <source>La partage: a zero gives half of the stake back; the bet still counts as lost.</source>
        <translation>La partage: eine Null gibt den halben Einsatz zurück; die Wette zählt trotzdem als verloren.</translation>
    </message>
    <message>
        <source>Loss limit: play stops when the session has lost this much (OFF: no limit).</source>
        <translation>Verlustgrenze: das Spiel hält an, wenn die Sitzung so viel verloren hat (AUS: keine Grenze).</translation>
    </message>
    <message>
        <source>Profit goal: play stops when the session has won this much (OFF: no goal).</source>
        <translation>Gewinnziel: das Spiel hält an, wenn die Sitzung so viel gewonnen hat (AUS: kein Ziel).</translation>
    </message>
    <message>
        <source>Time limit: play stops after this many minutes (OFF: no limit).</source>
        <translation>Zeitgrenze: das Spiel hält nach so vielen Minuten an (AUS: keine Grenze).</translation>
    </message>
    <message>
        <source>Spin limit: play stops after this many spins (OFF: no limit).</source>
        <translation>Coup-Grenze: das Spiel hält nach so vielen Coups an (AUS: keine Grenze).</translation>
    </message>
    <message>
        <source>Plays on; the limit that stopped play counts again from here.</source>
        <translation>Spielt weiter; die Grenze, die das Spiel anhielt, zählt ab hier neu.</translation>
    </message>
    <message>
        <source>Starts a new game: the history is cleared, the session counts from now.</source>
        <translation>Beginnt ein neues Spiel: der Verlauf wird gelöscht, die Sitzung zählt ab jetzt.</translation>
    </message>
    <message>
        <source>Reality check: every this many minutes, play pauses to show the time and result.</source>
        <translation>Realitätscheck: alle so vielen Minuten hält das Spiel an und zeigt Zeit und Ergebnis.</translation>
    </message>
    <message>
        <source>Less (1-18)</source>
        <translation>Manque (1-18)</translation>
    </message>
    <message>
        <source>More (19-36)</source>
        <translation>Passe (19-36)</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Pair</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Impair</translation>
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
        <source>Enter %1 as the number the wheel produced.</source>
        <translation>Gibt %1 als gefallene Zahl ein.</translation>
    </message>
    <message>
        <source>Prefer %1: a proposal of %2 is turned to %1.</source>
        <translation>%1 bevorzugen: ein Vorschlag für %2 wird zu %1.</translation>
    </message>
    <message>
        <source>Drops the preference for %1.</source>
        <translation>Hebt die Bevorzugung von %1 auf.</translation>
    </message>
    <message>
        <source>Reset: BETS starts a new staking cycle, APP starts a new game.</source>
        <translation>Reset: EINSÄTZE startet einen neuen Einsatzzyklus, APP ein neues Spiel.</translation>
    </message>
    <message>
        <source>Bets played in this game (since APP; an import goes on counting), counted as each number is entered: SKIP takes a bet off, UNDO keeps it until the next number.</source>
        <translation>Gespielte Wetten in diesem Spiel (seit APP; ein Import zählt weiter), gezählt bei jeder eingegebenen Zahl: AUSLASSEN nimmt eine Wette weg, RÜCKGÄNGIG behält sie bis zur nächsten Zahl.</translation>
    </message>
    <message>
        <source>Staking systems to choose from, with the first stakes each puts on the table.</source>
        <translation>Einsatzsysteme zur Auswahl, mit den ersten Einsätzen, die jedes auf den Tisch bringt.</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>A new version of Rotacle is ready. It starts the next time you open Rotacle.</source>
        <translation>Eine neue Version von Rotacle ist bereit. Sie startet, wenn Sie Rotacle das nächste Mal öffnen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>roulette table</source>
        <translation>Roulettetisch</translation>
    </message>
    <message>
        <source>table</source>
        <translation>Tisch</translation>
    </message>
    <message>
        <source>commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>numbers</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>even chances</source>
        <translation>einfache Chancen</translation>
    </message>
    <message>
        <source>Press Ctrl+V (⌘V on a Mac) to paste the page.</source>
        <translation>Drücken Sie Strg+V (⌘V auf einem Mac), um die Seite einzufügen.</translation>
    </message>
    <message>
        <source>This browser keeps no data for pages (IndexedDB).</source>
        <translation>Dieser Browser speichert keine Daten für Seiten (IndexedDB).</translation>
    </message>
</context>
</TS>
