<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Accessible</name>
    <message>
        <source>%1, green</source>
        <translation>%1, groen</translation>
    </message>
    <message>
        <source>%1, red</source>
        <translation>%1, rood</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, zwart</translation>
    </message>
    <message>
        <source>proposal: stake %1 on %2</source>
        <translation>voorstel: inzet %1 op %2</translation>
    </message>
    <message>
        <source>won: stake %1 on %2, bankroll %3</source>
        <translation>gewonnen: inzet %1 op %2, kapitaal %3</translation>
    </message>
    <message>
        <source>lost: stake %1 on %2, bankroll %3</source>
        <translation>verloren: inzet %1 op %2, kapitaal %3</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>fout: %1</translation>
    </message>
    <message>
        <source>trend: %1</source>
        <translation>trend: %1</translation>
    </message>
    <message>
        <source>%1 field, lit</source>
        <translation>vak %1, verlicht</translation>
    </message>
    <message>
        <source>chip on %1</source>
        <translation>fiche op %1</translation>
    </message>
    <message>
        <source>stake %1 on %2</source>
        <translation>inzet %1 op %2</translation>
    </message>
    <message>
        <source>safe level lamp: off (red)</source>
        <translation>lamp van het veiligheidsniveau: uit (rood)</translation>
    </message>
    <message>
        <source>safe level lamp: on (green)</source>
        <translation>lamp van het veiligheidsniveau: aan (groen)</translation>
    </message>
    <message>
        <source>minimise</source>
        <translation>minimaliseren</translation>
    </message>
    <message>
        <source>close</source>
        <translation>sluiten</translation>
    </message>
    <message>
        <source>help</source>
        <translation>help</translation>
    </message>
    <message>
        <source>%1, not available</source>
        <translation>%1, niet beschikbaar</translation>
    </message>
    <message>
        <source>import panel</source>
        <translation>importpaneel</translation>
    </message>
    <message>
        <source>bankroll %1</source>
        <translation>kapitaal %1</translation>
    </message>
    <message>
        <source>bets played %1</source>
        <translation>gespeelde inzetten %1</translation>
    </message>
    <message>
        <source>flat index %1</source>
        <translation>vlakke index %1</translation>
    </message>
    <message>
        <source>numbers in game %1</source>
        <translation>getallen in het spel %1</translation>
    </message>
    <message>
        <source>run progress</source>
        <translation>voortgang van de berekening</translation>
    </message>
    <message>
        <source>import progress</source>
        <translation>voortgang van de import</translation>
    </message>
    <message>
        <source>history</source>
        <translation>geschiedenis</translation>
    </message>
    <message>
        <source>losses before the action</source>
        <translation>verliezen vóór de actie</translation>
    </message>
    <message>
        <source>kind of loss</source>
        <translation>soort verlies</translation>
    </message>
    <message>
        <source>action after losses</source>
        <translation>actie na verliezen</translation>
    </message>
    <message>
        <source>value of the action after losses</source>
        <translation>waarde van de actie na verliezen</translation>
    </message>
    <message>
        <source>wins before the action</source>
        <translation>winsten vóór de actie</translation>
    </message>
    <message>
        <source>kind of win</source>
        <translation>soort winst</translation>
    </message>
    <message>
        <source>action after wins</source>
        <translation>actie na winsten</translation>
    </message>
    <message>
        <source>value of the action after wins</source>
        <translation>waarde van de actie na winsten</translation>
    </message>
    <message>
        <source>language</source>
        <translation>taal</translation>
    </message>
    <message>
        <source>matrix build progress</source>
        <translation>voortgang van de matrix</translation>
    </message>
    <message>
        <source>safe level %1</source>
        <translation>veiligheidsniveau %1</translation>
    </message>
    <message>
        <source>bet won</source>
        <translation>inzet gewonnen</translation>
    </message>
    <message>
        <source>bet lost</source>
        <translation>inzet verloren</translation>
    </message>
    <message>
        <source>session resumed: %1 numbers</source>
        <translation>sessie hervat: %1 getallen</translation>
    </message>
    <message>
        <source>proposal: stake %1 on %2, more than the money held (%3)</source>
        <translation>voorstel: inzet %1 op %2, meer dan het aanwezige geld (%3)</translation>
    </message>
    <message>
        <source>no bet</source>
        <translation>geen inzet</translation>
    </message>
    <message>
        <source>not taken</source>
        <translation>niet aangenomen</translation>
    </message>
    <message>
        <source>waiting: %1</source>
        <translation>wachtend: %1</translation>
    </message>
    <message>
        <source>import panel open</source>
        <translation>importpaneel open</translation>
    </message>
    <message>
        <source>import panel open: %1</source>
        <translation>importpaneel open: %1</translation>
    </message>
    <message>
        <source>last %1</source>
        <translation>laatste %1</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Numbers in game:</source>
        <translation>Getallen in spel:</translation>
    </message>
    <message>
        <source>Bets played:</source>
        <translation>Inzetten:</translation>
    </message>
    <message>
        <source>Flat index:</source>
        <translation>Flat-index:</translation>
    </message>
    <message>
        <source>EVEN CHANCE ASSISTANT</source>
        <translation>ASSISTENT EENVOUDIGE KANSEN</translation>
    </message>
    <message>
        <source>IMPORT NUMBERS</source>
        <translation>GETALLEN IMPORTEREN</translation>
    </message>
    <message>
        <source>From a saved Evolution history page or a text file</source>
        <translation>Uit een opgeslagen Evolution-pagina of een tekstbestand</translation>
    </message>
    <message>
        <source>The numbers replace the history, oldest first.</source>
        <translation>De getallen vervangen de geschiedenis, oudste eerst.</translation>
    </message>
    <message>
        <source>No bet is settled and no game mode runs.</source>
        <translation>Er wordt geen inzet afgerekend en geen spelmodus draait.</translation>
    </message>
    <message>
        <source>TREND</source>
        <translation>TREND</translation>
    </message>
    <message>
        <source>1-18</source>
        <translation>1-18</translation>
    </message>
    <message>
        <source>EVEN</source>
        <translation>EVEN</translation>
    </message>
    <message>
        <source>ODD</source>
        <translation>ONEVEN</translation>
    </message>
    <message>
        <source>19-36</source>
        <translation>19-36</translation>
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
&lt;p&gt;Rotacle volgt een Europese roulettetafel (één nul) en stelt een van de zes enkele kansen voor
&amp;mdash; 1-18, 19-36, Even, Oneven, Rood, Zwart &amp;mdash; met de inzet die uw
inzetregels geven.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Entering numbers&lt;/h3&gt;
&lt;p&gt;Click the cell of the number the wheel produced, or type its digits and press Enter or
Space. Backspace takes back a typed digit, Esc drops the typed digits. A number clicked or typed
while the board is busy waits (&amp;ldquo;waiting: 5 36&amp;rdquo; under the history) and is entered after
the run; meanwhile UNDO only takes back a waiting number.&lt;/p&gt;
&lt;p&gt;Keys: &lt;b&gt;Ctrl+Z&lt;/b&gt; undo (a number still waiting is taken back first), &lt;b&gt;Ctrl+Q&lt;/b&gt; quit, &lt;b&gt;F1&lt;/b&gt; this help, &lt;b&gt;S&lt;/b&gt; the statistics window, &lt;b&gt;Esc&lt;/b&gt; closes the
import panel or the settings area.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Getallen invoeren&lt;/h3&gt;
&lt;p&gt;Klik op het vak van het gevallen getal, of typ de cijfers en druk op Enter of Spatie. Backspace
neemt een getypt cijfer terug, Esc laat de getypte cijfers vallen. Een getal dat geklikt of getypt
wordt terwijl het bord bezig is, wacht (&amp;ldquo;wachtend: 5 36&amp;rdquo; onder de geschiedenis) en wordt
na de loop ingevoerd; intussen neemt HERSTEL alleen een wachtend getal terug.&lt;/p&gt;
&lt;p&gt;Toetsen: &lt;b&gt;Ctrl+Z&lt;/b&gt; herstellen (een nog wachtend getal wordt eerst teruggenomen),
&lt;b&gt;Ctrl+Q&lt;/b&gt; afsluiten, &lt;b&gt;F1&lt;/b&gt; deze help, &lt;b&gt;S&lt;/b&gt; het statistiekvenster, &lt;b&gt;Esc&lt;/b&gt; sluit het
importpaneel of het instellingengebied.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The chip and the stake&lt;/h3&gt;
&lt;p&gt;The chip marks the field to bet on next; the tag beside it is the stake. The stake is already
taken from the bankroll: a win brings it back with as much again, a loss keeps it.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;De fiche en de inzet&lt;/h3&gt;
&lt;p&gt;De fiche markeert de kans waarop als volgende wordt ingezet; het label ernaast is de inzet. De
inzet is al van het kapitaal afgehaald: een winst brengt hem dubbel terug, een verlies houdt hem.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The first numbers&lt;/h3&gt;
&lt;p&gt;The first four numbers are only recorded. From the fifth a proposal is shown; from the sixth
each number first settles the previous proposal.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;De eerste getallen&lt;/h3&gt;
&lt;p&gt;De eerste vier getallen worden alleen genoteerd. Vanaf het vijfde wordt een voorstel getoond;
vanaf het zesde rekent elk getal eerst het vorige voorstel af.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Undo and skip&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;UNDO&lt;/b&gt; takes back the last number entered: the bankroll and the bet return to what they
were before it. It is offered again once two more numbers are entered. &lt;b&gt;SKIP&lt;/b&gt; withdraws the shown bet: its stake goes
back to the bankroll and nothing is settled on it.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Herstellen en overslaan&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;HERSTEL&lt;/b&gt; neemt het laatst ingevoerde getal terug: kapitaal en inzet keren terug naar hoe
ze ervoor waren. Het kan weer na nog twee getallen. &lt;b&gt;OVERSLAAN&lt;/b&gt; trekt de getoonde inzet in: het
bedrag gaat terug naar het kapitaal en er wordt niets op afgerekend.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;Inzetregels&lt;/h3&gt;
&lt;p&gt;Een cyclus begint bij de &lt;b&gt;begininzet&lt;/b&gt;. De verliesregel (&amp;ldquo;NA n verliezen
&amp;hellip;&amp;rdquo;) en de winstregel (&amp;ldquo;NA n winsten &amp;hellip;&amp;rdquo;) tellen op, trekken af,
vermenigvuldigen, delen of zetten de inzet met hun bedrag. &lt;b&gt;Automatisch herstarten&lt;/b&gt; zet de
inzet terug op de begininzet als het kapitaal het cyclusdoel bereikt; &lt;b&gt;minimale winst&lt;/b&gt; verlaagt
de inzet zodat een winst dat doel net haalt. &lt;b&gt;Fasecorrectie&lt;/b&gt; herberekent de regelbedragen als
de inzet de stap maal de begininzet bereikt.&lt;/p&gt;
&lt;p&gt;Sommige elementen liggen vast in deze versie: de spelmodus (SMART 2025 speelt), de lijst met
systemen en de regellijsten springen terug als u iets anders kiest, en de NA-aantallen en
regelbedragen nemen hun waarden van de begininzet of uit een instellingenbestand (LADEN). Hun
tooltips zeggen het. Enter of Esc beëindigt een bewerking, en de volgende cijfers gaan weer naar de
tafel.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Import and export&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;IMPORT&lt;/b&gt; opens a panel: paste a live-casino history page from the clipboard, or load a
text file of numbers, then IMPORT replaces the history with them without settling any bet
(it asks first when the history holds numbers).
&lt;b&gt;EXPORT&lt;/b&gt; saves the history as a text file, one number per line.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Importeren en exporteren&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;IMPORT&lt;/b&gt; opent een paneel: plak een geschiedenispagina van een livecasino vanaf het
klembord, of laad een tekstbestand met getallen; IMPORT vervangt dan de geschiedenis door die
getallen zonder een inzet af te rekenen (het vraagt eerst als de geschiedenis getallen bevat).
&lt;b&gt;EXPORT&lt;/b&gt; slaat de geschiedenis op als tekstbestand, één getal per regel.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The expected loss&lt;/h3&gt;
&lt;p&gt;With one zero the house edge is 1/37: every stake on an even chance loses 1/37 of its amount
on average. No staking rule changes that: over many bets the expected result is 1/37 of the
total staked, lost.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Het verwachte verlies&lt;/h3&gt;
&lt;p&gt;Met één nul is het huisvoordeel 1/37: elke inzet op een enkele kans verliest gemiddeld 1/37 van
zijn bedrag. Geen inzetregel verandert dat: over veel inzetten is het verwachte resultaat 1/37 van
het totaal ingezette, verloren.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;Lampen en trendknoppen&lt;/h3&gt;
&lt;table cellspacing=&quot;6&quot;&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:lamp-far&quot; width=&quot;20&quot; height=&quot;20&quot;&gt;&lt;/td&gt;
&lt;td&gt;Veiligheidsniveau nog meer dan één verloren voorstel weg. Met VEILIGHEID n wordt een voorstel
pas getoond nadat n voorstellen op rij verloren zijn.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:lamp-near&quot; width=&quot;20&quot; height=&quot;20&quot;&gt;&lt;/td&gt;
&lt;td&gt;Veiligheidsniveau bereikt, of één verloren voorstel weg.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:trend-0&quot; width=&quot;62&quot; height=&quot;18&quot;&gt;&lt;/td&gt;
&lt;td&gt;Een trendknop in rust, boven zijn kans.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:trend-1&quot; width=&quot;62&quot; height=&quot;18&quot;&gt;&lt;/td&gt;
&lt;td&gt;Onder de aanwijzer: een klik geeft de voorkeur aan deze kant van het paar.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:trend-2&quot; width=&quot;62&quot; height=&quot;18&quot;&gt;&lt;/td&gt;
&lt;td&gt;Deze kant heeft de voorkeur: een voorstel van de andere kant van het paar wordt naar deze gedraaid.
Een klik laat de voorkeur vallen.&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;</translation>
    </message>
    <message>
        <source>Rotacle 8.0 &amp;mdash; version %1&lt;br&gt;
All rights reserved. No warranty: roulette has a house edge.</source>
        <translation>Rotacle 8.0 &amp;mdash; versie %1&lt;br&gt;
Alle rechten voorbehouden. Geen garantie: roulette heeft een huisvoordeel.</translation>
    </message>
    <message>
        <source>Rotacle 8.0 — Help</source>
        <translation>Rotacle 8.0 — Help</translation>
    </message>
    <message>
        <source>  Previous sessions</source>
        <translation>  Eerdere sessies</translation>
    </message>
    <message>
        <source>Sessions kept beside this one, newest first</source>
        <translation>Naast deze bewaarde sessies, nieuwste eerst</translation>
    </message>
    <message>
        <source>RESUME</source>
        <translation>HERVATTEN</translation>
    </message>
    <message>
        <source>Resume the chosen session; this one is kept beside it</source>
        <translation>Hervat de gekozen sessie; deze wordt ernaast bewaard</translation>
    </message>
    <message>
        <source>  —  %1 numbers, bankroll %2</source>
        <translation>  —  %1 getallen, kapitaal %2</translation>
    </message>
    <message>
        <source>  —  cannot be resumed</source>
        <translation>  —  kan niet hervat worden</translation>
    </message>
    <message>
        <source>&lt;h3&gt;La partage&lt;/h3&gt;
&lt;p&gt;With &lt;b&gt;LA PARTAGE&lt;/b&gt; ticked in the settings area, a bet lost to the zero gives half of its
stake back; the staking rules still count it as lost. The house edge on the even chances is then
1/74 instead of 1/37, and the statistics window&apos;s expected result counts 1/74 of what was staked
under it.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;La partage&lt;/h3&gt;
&lt;p&gt;Met &lt;b&gt;LA PARTAGE&lt;/b&gt; aangevinkt in het instellingengebied geeft een inzet die op de nul
verliest de helft terug; de inzetregels tellen hem toch als verloren. Het huisvoordeel op de
enkele kansen is dan 1/74 in plaats van 1/37, en het verwachte resultaat in het statistiekvenster
telt 1/74 van wat eronder is ingezet.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Session limits and the reality check&lt;/h3&gt;
&lt;p&gt;The limits in the settings area stop play when one is reached: &lt;b&gt;LOSS&lt;/b&gt; and
&lt;b&gt;PROFIT&lt;/b&gt; count the money held (the bankroll and the stake on the table) from the moment the
limit was set, &lt;b&gt;MIN&lt;/b&gt; the minutes played and &lt;b&gt;SPINS&lt;/b&gt; the numbers entered. Play then
stands still until you go on (that limit counts again from there) or start a new game. An
optional limit stops play when a stake would be larger than the money held. &lt;b&gt;CHECK&lt;/b&gt; is the
reality check: every so many minutes play pauses to show the time played and the result.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Sessielimieten en realiteitscheck&lt;/h3&gt;
&lt;p&gt;De limieten in het instellingengebied stoppen het spel zodra er één bereikt is: &lt;b&gt;VERL.&lt;/b&gt; en
&lt;b&gt;WINST&lt;/b&gt; tellen het aanwezige geld (het kapitaal en de inzet op tafel) vanaf het moment dat de
limiet werd ingesteld, &lt;b&gt;MIN&lt;/b&gt; de gespeelde minuten en &lt;b&gt;SPINS&lt;/b&gt; de ingevoerde getallen. Het
spel staat dan stil tot u doorspeelt (die limiet telt vanaf daar opnieuw) of een nieuw spel
begint. Een optionele limiet stopt het spel wanneer een inzet groter zou zijn dan het aanwezige
geld. &lt;b&gt;PAUZE&lt;/b&gt; is de realiteitscheck: om de zoveel minuten pauzeert het spel om de gespeelde
tijd en het resultaat te tonen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The Risk tab&lt;/h3&gt;
&lt;p&gt;The statistics window&apos;s &lt;b&gt;Risk&lt;/b&gt; tab plays many whole sessions from the table&apos;s bankroll on
a random wheel, each until it reaches the target, is ruined or has played the most spins, and
shows how often each happened, the spread of the results and the expected loss. It plays the
table&apos;s settings, or flat or martingale staking, with the table&apos;s zero rule or another; the same
seed plays the same sessions, as &lt;code&gt;rotacle-sim risk&lt;/code&gt; does.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Het tabblad Risico&lt;/h3&gt;
&lt;p&gt;Het tabblad &lt;b&gt;Risico&lt;/b&gt; van het statistiekvenster speelt vele hele sessies vanaf het kapitaal
van de tafel op een willekeurig wiel, elk tot het doel bereikt is, het kapitaal op is of het
hoogste aantal spins gespeeld is, en toont hoe vaak elk gebeurde, de spreiding van de resultaten
en het verwachte verlies. Het speelt de instellingen van de tafel, of vlakke of martingale-inzetten,
met de nulregel van de tafel of een andere; dezelfde seed speelt dezelfde sessies, zoals
&lt;code&gt;rotacle-sim risk&lt;/code&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Staking dialog&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;STAKING&amp;hellip;&lt;/b&gt; in the settings area sets the staking rules in one place, from presets
(the defaults, flat, martingale, d&apos;Alembert) with a preview of the first stakes after losses and
wins.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Inzetvenster&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;SYSTEMEN&amp;hellip;&lt;/b&gt; in het instellingengebied stelt de inzetregels op één plek in, vanuit
sjablonen (de standaardwaarden, vlak, martingale, d&apos;Alembert) met een voorbeeld van de eerste
inzetten na verliezen en winsten.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;De statistiekregel&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;Getallen in spel&lt;/b&gt; telt de getallen in de geschiedenis. &lt;b&gt;Inzetten&lt;/b&gt; telt de voorstellen
die in dit spel als inzet getoond zijn (sinds APP; een import telt door), bij elk ingevoerd getal:
een inzet die met OVERSLAAN is ingetrokken gaat er weer af, een die met HERSTEL is teruggenomen
blijft geteld tot het volgende getal. Het statistiekvenster telt alleen de inzetten van de
geschiedenis. De &lt;b&gt;flat-index&lt;/b&gt; laat zien hoe de inzetten gingen, los van hun bedragen: hij telt
18 op voor elke gewonnen inzet en trekt 18 af voor elke verloren inzet (18 getallen winnen op een
enkele kans), dus is hij 18 maal de gewonnen inzetten min de verloren; een getal zonder inzet op
tafel laat hem ongemoeid.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source> This session is not journaled.</source>
        <translation> Deze sessie wordt niet bijgehouden.</translation>
    </message>
    <message>
        <source>The session journal cannot be written (%1). Play goes on; the journal catches up as soon as there is room again.</source>
        <translation>Het sessiejournaal kan niet geschreven worden (%1). Het spel gaat door; het journaal haalt in zodra er weer ruimte is.</translation>
    </message>
    <message>
        <source>Every session journal is open in another Rotacle window. This session is not journaled.</source>
        <translation>Elk sessiejournaal is open in een ander Rotacle-venster. Deze sessie wordt niet bijgehouden.</translation>
    </message>
    <message>
        <source>The last session is open in another Rotacle window. This window starts a session of its own.</source>
        <translation>De laatste sessie is open in een ander Rotacle-venster. Dit venster begint een eigen sessie.</translation>
    </message>
    <message>
        <source>The journal holds an action this version does not know; the session is resumed up to it.</source>
        <translation>Het journaal bevat een actie die deze versie niet kent; de sessie wordt tot daar hervat.</translation>
    </message>
    <message>
        <source> It is kept as %1; a new session starts.</source>
        <translation> Ze wordt bewaard als %1; een nieuwe sessie begint.</translation>
    </message>
    <message>
        <source>This window keeps no session journal: the kept session cannot be resumed here.</source>
        <translation>Dit venster houdt geen sessiejournaal bij: de bewaarde sessie kan hier niet hervat worden.</translation>
    </message>
    <message>
        <source>Resume the session kept as %1? This session is kept beside it, and Rotacle starts again.</source>
        <translation>De als %1 bewaarde sessie hervatten? Deze sessie wordt ernaast bewaard en Rotacle start opnieuw.</translation>
    </message>
    <message>
        <source>Record %1 of the journal enters a number while play stood still at a session limit; the session is resumed up to it.</source>
        <translation>Regel %1 van het journaal voert een getal in terwijl het spel stilstond op een sessielimiet; de sessie wordt tot daar hervat.</translation>
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
        <translation>D&apos;Alembert (+1 / -1)</translation>
    </message>
    <message>
        <source>Chernyshov (x3 on loss)</source>
        <translation>Chernyshov (x3 bij verl.)</translation>
    </message>
    <message>
        <source>Blind (+1 each spin)</source>
        <translation>Gestaag (+1 per spin)</translation>
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
        <translation>Eenh. terugval</translation>
    </message>
    <message>
        <source>ADD to bet:</source>
        <translation>OPTELLEN:</translation>
    </message>
    <message>
        <source>SUBTRACT:</source>
        <translation>AFTREKKEN:</translation>
    </message>
    <message>
        <source>MULTIPLY bet by:</source>
        <translation>VERMENIGV. met:</translation>
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
        <translation>1-18</translation>
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
        <translation>19-36</translation>
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
        <translation>Tekstbestand</translation>
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
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
    </message>
    <message>
        <source>The page cannot be read: the page reader is not installed (looked for %1). Install the package rotacle-page-reader to paste pages.</source>
        <translation>De pagina kan niet gelezen worden: de paginalezer is niet geïnstalleerd (gezocht naar %1). Installeer het pakket rotacle-page-reader om pagina&apos;s te plakken.</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>cannot be reached</source>
        <translation>is niet bereikbaar</translation>
    </message>
    <message>
        <source>is a link to nothing</source>
        <translation>is een koppeling naar niets</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>is een map</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>is geen gewoon bestand</translation>
    </message>
    <message>
        <source>The options file %1 %2: the options start at their defaults and are not kept.</source>
        <translation>Het optiebestand %1 %2: de opties beginnen bij hun standaardwaarden en worden niet bewaard.</translation>
    </message>
</context>
<context>
    <name>RiskTab</name>
    <message>
        <source> to </source>
        <translation> tot </translation>
    </message>
    <message>
        <source>How many whole sessions to play.</source>
        <translation>Hoeveel hele sessies er gespeeld worden.</translation>
    </message>
    <message>
        <source>The profit at which a session stops.</source>
        <translation>De winst waarbij een sessie stopt.</translation>
    </message>
    <message>
        <source>The most spins a session plays.</source>
        <translation>Het hoogste aantal spins van een sessie.</translation>
    </message>
    <message>
        <source>Every session starts from the table&apos;s bankroll with its settings.</source>
        <translation>Elke sessie begint met het kapitaal van de tafel en haar instellingen.</translation>
    </message>
    <message>
        <source>RUN</source>
        <translation>START</translation>
    </message>
    <message>
        <source>Plays the sessions on worker threads.</source>
        <translation>Speelt de sessies op werkthreads.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Stops the run; the figures show the sessions played.</source>
        <translation>Stopt de run; de cijfers tonen de gespeelde sessies.</translation>
    </message>
    <message>
        <source>Results of the sessions</source>
        <translation>Resultaten van de sessies</translation>
    </message>
    <message>
        <source>Sessions</source>
        <translation>Sessies</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultaat</translation>
    </message>
    <message>
        <source>Sessions:</source>
        <translation>Sessies:</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Doel:</translation>
    </message>
    <message>
        <source>Max spins:</source>
        <translation>Max. spins:</translation>
    </message>
    <message>
        <source>Saves the histogram as a PNG picture.</source>
        <translation>Slaat het histogram op als PNG-afbeelding.</translation>
    </message>
    <message>
        <source>Saves the histogram as an SVG drawing.</source>
        <translation>Slaat het histogram op als SVG-tekening.</translation>
    </message>
    <message>
        <source>Saves every session&apos;s outcome as a CSV file.</source>
        <translation>Slaat de uitkomst van elke sessie op als CSV-bestand.</translation>
    </message>
    <message>
        <source>Sessions must be a whole number from 1 to 1000000.</source>
        <translation>Sessies moet een geheel getal van 1 tot 1000000 zijn.</translation>
    </message>
    <message>
        <source>The target must be an amount above 0.</source>
        <translation>Het doel moet een bedrag boven 0 zijn.</translation>
    </message>
    <message>
        <source>Max spins must be a whole number above 0.</source>
        <translation>Max. spins moet een geheel getal boven 0 zijn.</translation>
    </message>
    <message>
        <source>Playing %1 sessions...</source>
        <translation>%1 sessies worden gespeeld...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annuleren...</translation>
    </message>
    <message>
        <source>The run failed.</source>
        <translation>De run is mislukt.</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 sessions.</source>
        <translation>Geannuleerd na %1 van %2 sessies.</translation>
    </message>
    <message>
        <source>%1 sessions played.</source>
        <translation>%1 sessies gespeeld.</translation>
    </message>
    <message>
        <source>From the table: bankroll %1, its settings%2</source>
        <translation>Van de tafel: kapitaal %1, haar instellingen%2</translation>
    </message>
    <message>
        <source>, la partage</source>
        <translation>, la partage</translation>
    </message>
    <message>
        <source>No sessions played yet.</source>
        <translation>Nog geen sessies gespeeld.</translation>
    </message>
    <message>
        <source>Sessions: %1</source>
        <translation>Sessies: %1</translation>
    </message>
    <message>
        <source>Reached the target: </source>
        <translation>Doel bereikt: </translation>
    </message>
    <message>
        <source>Ruined: </source>
        <translation>Geruïneerd: </translation>
    </message>
    <message>
        <source>Still playing: </source>
        <translation>Nog bezig: </translation>
    </message>
    <message>
        <source>Result: mean %1, sd %2</source>
        <translation>Resultaat: gemiddeld %1, sd %2</translation>
    </message>
    <message>
        <source>5/25/50/75/95 %: %1 / %2 / %3 / %4 / %5</source>
        <translation>5/25/50/75/95 %: %1 / %2 / %3 / %4 / %5</translation>
    </message>
    <message>
        <source>Mean staked: </source>
        <translation>Gemiddeld ingezet: </translation>
    </message>
    <message>
        <source>House edge: expected %1, z %2</source>
        <translation>Huisvoordeel: verwacht %1, z %2</translation>
    </message>
    <message>
        <source>Drawdown: mean %1, largest %2</source>
        <translation>Terugval: gemiddeld %1, grootste %2</translation>
    </message>
    <message>
        <source>Longest losing run: %1</source>
        <translation>Langste verliesreeks: %1</translation>
    </message>
    <message>
        <source>Largest stake: </source>
        <translation>Grootste inzet: </translation>
    </message>
    <message>
        <source>Mean spins: </source>
        <translation>Gemiddelde spins: </translation>
    </message>
    <message>
        <source>table&apos;s settings</source>
        <translation>instellingen van de tafel</translation>
    </message>
    <message>
        <source>flat</source>
        <translation>vlak</translation>
    </message>
    <message>
        <source>martingale</source>
        <translation>martingale</translation>
    </message>
    <message>
        <source>The staking the sessions play: the table&apos;s settings, a flat stake (always the initial bet), or martingale (the stake doubles after each lost bet and goes back to the initial bet after a win).</source>
        <translation>De inzetten van de sessies: de instellingen van de tafel, een vlakke inzet (altijd de startinzet) of martingale (de inzet verdubbelt na elke verloren inzet en gaat na een winst terug naar de startinzet).</translation>
    </message>
    <message>
        <source>as the table</source>
        <translation>als de tafel</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>la partage</source>
        <translation>la partage</translation>
    </message>
    <message>
        <source>The zero rule of the sessions: the table&apos;s, none, or la partage (half of a stake lost on zero comes back).</source>
        <translation>De nulregel van de sessies: die van de tafel, geen of la partage (de helft van een op nul verloren inzet komt terug).</translation>
    </message>
    <message>
        <source>Each session&apos;s wheel is seeded from this seed and the session&apos;s number: the same seed plays the same sessions, here and in rotacle-sim risk --seed.</source>
        <translation>Het wiel van elke sessie krijgt zijn startwaarde uit deze seed en het nummer van de sessie: dezelfde seed speelt dezelfde sessies, hier en in rotacle-sim risk --seed.</translation>
    </message>
    <message>
        <source>System:</source>
        <translation>Systeem:</translation>
    </message>
    <message>
        <source>Zero rule:</source>
        <translation>Nulregel:</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Seed:</translation>
    </message>
    <message>
        <source>The seed must be a whole number from 0 to 18446744073709551615.</source>
        <translation>De seed moet een geheel getal van 0 tot 18446744073709551615 zijn.</translation>
    </message>
    <message>
        <source>Played from bankroll %1: %2, zero rule %3, seed %4</source>
        <translation>Gespeeld vanaf kapitaal %1: %2, nulregel %3, seed %4</translation>
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
        <translation>Standaard: één begininzet meer na elke inzet</translation>
    </message>
    <message>
        <source>Flat: always the initial bet</source>
        <translation>Vlak: altijd de begininzet</translation>
    </message>
    <message>
        <source>Martingale: double the stake after a loss</source>
        <translation>Martingale: de inzet verdubbelen na een verlies</translation>
    </message>
    <message>
        <source>d&apos;Alembert: one initial bet more after a loss, one less after a win</source>
        <translation>d&apos;Alembert: één begininzet meer na een verlies, één minder na een winst</translation>
    </message>
    <message>
        <source>Staking</source>
        <translation>Inzetten</translation>
    </message>
    <message>
        <source>Applying writes the staking rules, minimal profit and phase correction of the settings as a loaded settings file does; the initial bet stays.</source>
        <translation>Toepassen schrijft de inzetregels, de minimale winst en de fasecorrectie in de instellingen zoals een geladen instellingenbestand dat doet; de begininzet blijft.</translation>
    </message>
    <message>
        <source>System:</source>
        <translation>Systeem:</translation>
    </message>
    <message>
        <source>Stakes:</source>
        <translation>Inzetten:</translation>
    </message>
    <message>
        <source>Losing every bet: %1</source>
        <translation>Elke inzet verloren: %1</translation>
    </message>
    <message>
        <source>Winning every bet: %1</source>
        <translation>Elke inzet gewonnen: %1</translation>
    </message>
    <message>
        <source>Three lost, then won: %1</source>
        <translation>Drie verloren, dan gewonnen: %1</translation>
    </message>
    <message>
        <source>No preview: %1</source>
        <translation>Geen voorbeeld: %1</translation>
    </message>
</context>
<context>
    <name>StatsWindow</name>
    <message>
        <source>Bankroll after every spin</source>
        <translation>Kapitaal na elke spin</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Spin</translation>
    </message>
    <message>
        <source>Bankroll</source>
        <translation>Kapitaal</translation>
    </message>
    <message>
        <source>Initial bankroll</source>
        <translation>Startkapitaal</translation>
    </message>
    <message>
        <source>Bet won</source>
        <translation>Inzet gewonnen</translation>
    </message>
    <message>
        <source>Bet lost</source>
        <translation>Inzet verloren</translation>
    </message>
    <message>
        <source>The bankroll after every spin; green and red marks are the placed bets won and lost, the dashed line the bankroll the session started with.</source>
        <translation>Het kapitaal na elke spin; groene en rode tekens zijn gewonnen en verloren inzetten, de stippellijn het startkapitaal van de sessie.</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Treffers</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Aandeel</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Verwacht</translation>
    </message>
    <message>
        <source>Absence</source>
        <translation>Uitblijven</translation>
    </message>
    <message>
        <source>Longest absence</source>
        <translation>Langste uitblijven</translation>
    </message>
    <message>
        <source>Hits per chance</source>
        <translation>Treffers per kans</translation>
    </message>
    <message>
        <source>Expected (18/37)</source>
        <translation>Verwacht (18/37)</translation>
    </message>
    <message>
        <source>Hits of each even chance against 18/37 of the spins.</source>
        <translation>Treffers van elke enkele kans tegen 18/37 van de spins.</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Kans</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Getal</translation>
    </message>
    <message>
        <source>Hits, their share of the spins beside the share chance alone gives, the spins since the last hit (absence) and the longest absence so far. Click a column&apos;s header to sort by it.</source>
        <translation>Treffers, hun aandeel in de spins naast dat van puur toeval, de spins sinds de laatste treffer (uitblijven) en het langste uitblijven tot nu. Klik op een kolomkop om te sorteren.</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Inzet</translation>
    </message>
    <message>
        <source>Stake</source>
        <translation>Bedrag</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultaat</translation>
    </message>
    <message>
        <source>Every spin of the session: the bet it settled, its stake and result, and the bankroll after it. Numbers that came with an import were not played.</source>
        <translation>Elke spin van de sessie: de afgerekende inzet, het bedrag en resultaat, en het kapitaal erna. Geïmporteerde getallen zijn niet gespeeld.</translation>
    </message>
    <message>
        <source>Rotacle statistics</source>
        <translation>Rotacle-statistieken</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sessie</translation>
    </message>
    <message>
        <source>Spins</source>
        <translation>Spins</translation>
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
        <translation>Langste verliesreeks</translation>
    </message>
    <message>
        <source>Total staked</source>
        <translation>Totaal ingezet</translation>
    </message>
    <message>
        <source>Net result</source>
        <translation>Nettoresultaat</translation>
    </message>
    <message>
        <source>Expected result (house edge 1/37)</source>
        <translation>Verwacht resultaat (huisvoordeel 1/37)</translation>
    </message>
    <message>
        <source>Numbers in the history.</source>
        <translation>Getallen in de geschiedenis.</translation>
    </message>
    <message>
        <source>Settled bets that won.</source>
        <translation>Afgerekende inzetten die wonnen.</translation>
    </message>
    <message>
        <source>Settled bets that lost.</source>
        <translation>Afgerekende inzetten die verloren.</translation>
    </message>
    <message>
        <source>The most settled bets lost one after the other.</source>
        <translation>De meeste afgerekende inzetten die na elkaar verloren.</translation>
    </message>
    <message>
        <source>The stakes of all settled bets.</source>
        <translation>De bedragen van alle afgerekende inzetten.</translation>
    </message>
    <message>
        <source>The won stakes less the lost ones.</source>
        <translation>De gewonnen bedragen min de verloren.</translation>
    </message>
    <message>
        <source>Chances</source>
        <translation>Kansen</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Getallen</translation>
    </message>
    <message>
        <source>Risk</source>
        <translation>Risico</translation>
    </message>
    <message>
        <source>Hits, share and absences of the even chances and of every number; every spin of the session.</source>
        <translation>Treffers, aandeel en uitblijven van de enkele kansen en van elk getal; elke spin van de sessie.</translation>
    </message>
    <message>
        <source>Chart as PNG...</source>
        <translation>Grafiek als PNG...</translation>
    </message>
    <message>
        <source>Saves the bankroll chart as a PNG picture.</source>
        <translation>Slaat de kapitaalgrafiek op als PNG-afbeelding.</translation>
    </message>
    <message>
        <source>Chart as SVG...</source>
        <translation>Grafiek als SVG...</translation>
    </message>
    <message>
        <source>Saves the bankroll chart as an SVG drawing.</source>
        <translation>Slaat de kapitaalgrafiek op als SVG-tekening.</translation>
    </message>
    <message>
        <source>Tables as CSV...</source>
        <translation>Tabellen als CSV...</translation>
    </message>
    <message>
        <source>Saves the hits and absences of the chances and numbers as a CSV file.</source>
        <translation>Slaat treffers en uitblijven van kansen en getallen op als CSV-bestand.</translation>
    </message>
    <message>
        <source>Spins as CSV...</source>
        <translation>Spins als CSV...</translation>
    </message>
    <message>
        <source>Saves every spin with its bet, stake, result and bankroll as a CSV file.</source>
        <translation>Slaat elke spin met inzet, bedrag, resultaat en kapitaal op als CSV-bestand.</translation>
    </message>
    <message>
        <source>The chart could not be drawn as a PNG picture.</source>
        <translation>De grafiek kon niet als PNG-afbeelding getekend worden.</translation>
    </message>
    <message>
        <source>The chart could not be drawn as an SVG drawing.</source>
        <translation>De grafiek kon niet als SVG-tekening getekend worden.</translation>
    </message>
    <message>
        <source>What the house edge takes on average: 1/37 of the total staked, lost; 1/74 of what was staked under la partage, which gives half of a stake back on zero.</source>
        <translation>Wat het huisvoordeel gemiddeld neemt: 1/37 van het totaal ingezette, verloren; 1/74 van wat onder la partage is ingezet, die bij nul de helft van een inzet teruggeeft.</translation>
    </message>
    <message>
        <source>Expected result (la partage, house edge 1/74)</source>
        <translation>Verwacht resultaat (la partage, huisvoordeel 1/74)</translation>
    </message>
    <message>
        <source>Expected result (house edge 1/37, 1/74 under la partage)</source>
        <translation>Verwacht resultaat (huisvoordeel 1/37, 1/74 onder la partage)</translation>
    </message>
    <message>
        <source>Bets placed in this history</source>
        <translation>Geplaatste inzetten in deze geschiedenis</translation>
    </message>
    <message>
        <source>Bets settled in this history</source>
        <translation>Afgerekende inzetten in deze geschiedenis</translation>
    </message>
    <message>
        <source>Bets whose stake went on the table since the history began (APP or an import): those settled and the one open now.</source>
        <translation>Inzetten waarvan het bedrag op tafel ging sinds de geschiedenis begon (APP of een import): de afgerekende en de nu open inzet.</translation>
    </message>
    <message>
        <source>Placed bets that a number has settled since the history began; UNDO takes one back. Bets played in the main window counts the whole game, imports included.</source>
        <translation>Geplaatste inzetten die een getal heeft afgerekend sinds de geschiedenis begon; HERSTEL neemt er een terug. Inzetten in het hoofdvenster telt het hele spel, imports inbegrepen.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
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
        <translation>TESTBANK:</translation>
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
        <translation>RESET:</translation>
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
        <translation>SNELLE TIPS</translation>
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
        <translation>VERL.:</translation>
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
        <translation>PAUZE:</translation>
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
    <message>
        <source>not taken</source>
        <translation>niet aangenomen</translation>
    </message>
    <message>
        <source>stake %1</source>
        <translation>inzet %1</translation>
    </message>
    <message>
        <source>waiting:</source>
        <translation>wachtend:</translation>
    </message>
    <message>
        <source>Net result:</source>
        <translation>Nettoresultaat:</translation>
    </message>
    <message>
        <source>The session&apos;s net result: the won stakes less the lost ones, as the statistics window counts them.</source>
        <translation>Het nettoresultaat van de sessie: de gewonnen inzetten min de verloren, zoals het statistiekvenster ze telt.</translation>
    </message>
    <message>
        <source>STAKING…</source>
        <translation>SYSTEMEN…</translation>
    </message>
    <message>
        <source>STAKE ABOVE THE BANKROLL</source>
        <translation>INZET BOVEN KAPITAAL</translation>
    </message>
    <message>
        <source>INITIAL BET</source>
        <translation>BEGININZET</translation>
    </message>
    <message>
        <source>TEST BANK</source>
        <translation>TESTBANK</translation>
    </message>
    <message>
        <source>amount of the loss rule</source>
        <translation>bedrag van de verliesregel</translation>
    </message>
    <message>
        <source>amount of the win rule</source>
        <translation>bedrag van de winstregel</translation>
    </message>
    <message>
        <source>%1: %2 is no stake; the smallest is 0.01</source>
        <translation>%1: %2 is geen inzet; de kleinste is 0.01</translation>
    </message>
    <message>
        <source>%1: an amount has one decimal point; the key is not taken</source>
        <translation>%1: een bedrag heeft één decimale punt; de toets wordt niet aangenomen</translation>
    </message>
    <message>
        <source>%1: amounts are typed without a sign; &quot;%2&quot; is not taken</source>
        <translation>%1: bedragen worden zonder teken getypt; &quot;%2&quot; wordt niet aangenomen</translation>
    </message>
    <message>
        <source>%1: only digits and a decimal point are typed here; &quot;%2&quot; is not taken</source>
        <translation>%1: hier worden alleen cijfers en een decimale punt getypt; &quot;%2&quot; wordt niet aangenomen</translation>
    </message>
</context>
<context>
    <name>Tooltip</name>
    <message>
        <source>Opens the import panel to bring in a series of past numbers.</source>
        <translation>Opent het importpaneel om een reeks eerdere getallen in te lezen.</translation>
    </message>
    <message>
        <source>Saves the history as a text file, one number per line.</source>
        <translation>Slaat de geschiedenis op als tekstbestand, één getal per regel.</translation>
    </message>
    <message>
        <source>Minimises the window.</source>
        <translation>Minimaliseert het venster.</translation>
    </message>
    <message>
        <source>Closes Rotacle.</source>
        <translation>Sluit Rotacle.</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>Help (F1)</translation>
    </message>
    <message>
        <source>The bankroll; the stake of the shown bet is already taken from it.</source>
        <translation>Het kapitaal; de inzet van de getoonde inzet is er al af.</translation>
    </message>
    <message>
        <source>Takes back the last number entered.</source>
        <translation>Neemt het laatst ingevoerde getal terug.</translation>
    </message>
    <message>
        <source>Undo is offered again once two more numbers are entered.</source>
        <translation>Herstellen kan weer na nog twee getallen.</translation>
    </message>
    <message>
        <source>Red lamp: the safety level is more than one lost proposal away.</source>
        <translation>Rode lamp: het veiligheidsniveau is meer dan één verloren voorstel weg.</translation>
    </message>
    <message>
        <source>Green lamp: the safety level is reached or one lost proposal away.</source>
        <translation>Groene lamp: het veiligheidsniveau is bereikt of één verloren voorstel weg.</translation>
    </message>
    <message>
        <source>Withdraws the shown bet; its stake goes back to the bankroll.</source>
        <translation>Trekt de getoonde inzet in; het bedrag gaat terug naar het kapitaal.</translation>
    </message>
    <message>
        <source>No bet is shown that could be withdrawn.</source>
        <translation>Er is geen inzet om in te trekken.</translation>
    </message>
    <message>
        <source>Opens the settings area with the betting settings.</source>
        <translation>Opent het gebied met de inzetinstellingen.</translation>
    </message>
    <message>
        <source>Closes the settings area.</source>
        <translation>Sluit het instellingengebied.</translation>
    </message>
    <message>
        <source>Opens the statistics window: the bankroll chart, hits and absences of the chances and numbers, the session summary (S).</source>
        <translation>Opent het statistiekvenster: kapitaalgrafiek, treffers en uitblijvers van kansen en getallen, sessieoverzicht (S).</translation>
    </message>
    <message>
        <source>Loads the betting settings from a .rtk file.</source>
        <translation>Laadt de inzetinstellingen uit een .rtk-bestand.</translation>
    </message>
    <message>
        <source>Saves the betting settings to a .rtk file.</source>
        <translation>Slaat de inzetinstellingen op in een .rtk-bestand.</translation>
    </message>
    <message>
        <source>Reads the numbers of a live-casino history page copied to the clipboard.</source>
        <translation>Leest de getallen van een naar het klembord gekopieerde geschiedenispagina van een livecasino.</translation>
    </message>
    <message>
        <source>A pasted page is being read.</source>
        <translation>Een geplakte pagina wordt gelezen.</translation>
    </message>
    <message>
        <source>Reads the numbers of a text file.</source>
        <translation>Leest de getallen van een tekstbestand.</translation>
    </message>
    <message>
        <source>Replaces the history with the numbers read; no bet is settled.</source>
        <translation>Vervangt de geschiedenis door de gelezen getallen; er wordt geen inzet afgerekend.</translation>
    </message>
    <message>
        <source>Closes the import panel; the history stays as it is.</source>
        <translation>Sluit het importpaneel; de geschiedenis blijft zoals ze is.</translation>
    </message>
    <message>
        <source>The initial bet: the stake every staking cycle starts from.</source>
        <translation>De begininzet: de inzet waarmee elke cyclus begint.</translation>
    </message>
    <message>
        <source>The game mode that proposes the field to bet on. Fixed in this version: SMART 2025 plays, and a choice snaps back to it.</source>
        <translation>De spelmodus die de kans voorstelt om op in te zetten. Vast in deze versie: SMART 2025 speelt, een keuze springt terug.</translation>
    </message>
    <message>
        <source>The name of the betting system that the staking rules below stand for; the stake always follows those rules. Fixed in this version: a choice snaps back, a settings file may show another name.</source>
        <translation>De naam van het inzetsysteem waar de inzetregels hieronder voor staan; de inzet volgt altijd die regels. Vast in deze versie: een keuze springt terug, een instellingenbestand kan een andere naam tonen.</translation>
    </message>
    <message>
        <source>Shows the bankroll and lets you set the test bank.</source>
        <translation>Toont het kapitaal en laat het testkapitaal instellen.</translation>
    </message>
    <message>
        <source>The starting bankroll.</source>
        <translation>Het startkapitaal.</translation>
    </message>
    <message>
        <source>After how many of the counted losses the loss rule changes the stake. Fixed in this version: only a settings file changes it.</source>
        <translation>Na hoeveel getelde verliezen de verliesregel de inzet wijzigt. Vast in deze versie: alleen een instellingenbestand wijzigt het.</translation>
    </message>
    <message>
        <source>What the loss rule counts: losses, losses in a row or units of drawdown. Fixed in this version: a choice snaps back; a settings file may set it.</source>
        <translation>Wat de verliesregel telt: verliezen, verliezen op rij of eenheden terugval. Vast in deze versie: een keuze springt terug; een instellingenbestand kan het zetten.</translation>
    </message>
    <message>
        <source>What the loss rule does to the stake. Fixed in this version at ADD to bet: a choice snaps back.</source>
        <translation>Wat de verliesregel met de inzet doet. Vast in deze versie op BIJ inzet OPTELLEN: een keuze springt terug.</translation>
    </message>
    <message>
        <source>The amount by which the loss rule changes the stake: the initial bet. Fixed in this version: it follows the initial bet, or a settings file.</source>
        <translation>Het bedrag waarmee de verliesregel de inzet wijzigt: de begininzet. Vast in deze versie: het volgt de begininzet of een instellingenbestand.</translation>
    </message>
    <message>
        <source>After how many of the counted wins the win rule changes the stake. Fixed in this version: only a settings file changes it.</source>
        <translation>Na hoeveel getelde winsten de winstregel de inzet wijzigt. Vast in deze versie: alleen een instellingenbestand wijzigt het.</translation>
    </message>
    <message>
        <source>What the win rule counts: wins, wins in a row or units of profit. Fixed in this version: a choice snaps back; a settings file may set it.</source>
        <translation>Wat de winstregel telt: winsten, winsten op rij of eenheden winst. Vast in deze versie: een keuze springt terug; een instellingenbestand kan het zetten.</translation>
    </message>
    <message>
        <source>What the win rule does to the stake. Fixed in this version at ADD to bet: a choice snaps back.</source>
        <translation>Wat de winstregel met de inzet doet. Vast in deze versie op BIJ inzet OPTELLEN: een keuze springt terug.</translation>
    </message>
    <message>
        <source>The amount by which the win rule changes the stake: the initial bet. Fixed in this version: it follows the initial bet, or a settings file.</source>
        <translation>Het bedrag waarmee de winstregel de inzet wijzigt: de begininzet. Vast in deze versie: het volgt de begininzet of een instellingenbestand.</translation>
    </message>
    <message>
        <source>Trims the stake so that a win just reaches the cycle target.</source>
        <translation>Verlaagt de inzet zodat een winst net het cyclusdoel haalt.</translation>
    </message>
    <message>
        <source>Returns the stake to the initial bet when the bankroll reaches the cycle target.</source>
        <translation>Zet de inzet terug op de begininzet als het kapitaal het cyclusdoel bereikt.</translation>
    </message>
    <message>
        <source>Shows a proposal only after this many proposals in a row have lost (0: always).</source>
        <translation>Toont een voorstel pas nadat zoveel voorstellen op rij verloren zijn (0: altijd).</translation>
    </message>
    <message>
        <source>Builds the matrix from the recent spins.</source>
        <translation>Bouwt de matrix uit de recente spins.</translation>
    </message>
    <message>
        <source>Clears the matrix.</source>
        <translation>Wist de matrix.</translation>
    </message>
    <message>
        <source>The direction in which the matrix looks for its pattern.</source>
        <translation>De richting waarin de matrix zijn patroon zoekt.</translation>
    </message>
    <message>
        <source>How many bets are played before the matrix is rebuilt.</source>
        <translation>Hoeveel inzetten worden gespeeld voor de matrix opnieuw wordt gebouwd.</translation>
    </message>
    <message>
        <source>Keeps the number of replayed spins instead of following the history.</source>
        <translation>Houdt het aantal herspeelde spins vast in plaats van de geschiedenis te volgen.</translation>
    </message>
    <message>
        <source>How many recent spins the matrix replays.</source>
        <translation>Hoeveel recente spins de matrix herspeelt.</translation>
    </message>
    <message>
        <source>Rebuilds the matrix once the profit reaches the units set beside it.</source>
        <translation>Bouwt de matrix opnieuw zodra de winst de ernaast ingestelde eenheden haalt.</translation>
    </message>
    <message>
        <source>The profit, in initial bets, that rebuilds the matrix.</source>
        <translation>De winst, in begininzetten, die de matrix opnieuw bouwt.</translation>
    </message>
    <message>
        <source>Re-bases the rule amounts when the stake reaches the step times the initial bet.</source>
        <translation>Herberekent de regelbedragen als de inzet de stap maal de begininzet bereikt.</translation>
    </message>
    <message>
        <source>The step: the multiple of the initial bet that starts a phase correction.</source>
        <translation>De stap: het veelvoud van de begininzet dat een fasecorrectie start.</translation>
    </message>
    <message>
        <source>Flat index: +18 for every won bet, -18 for every lost one, whatever the stakes: wins against losses.</source>
        <translation>Vlakke index: +18 per gewonnen inzet, -18 per verloren, ongeacht het bedrag: winsten tegen verliezen.</translation>
    </message>
    <message>
        <source>Numbers in game: the numbers in the history.</source>
        <translation>Getallen in het spel: de getallen in de geschiedenis.</translation>
    </message>
    <message>
        <source>Starts a new staking cycle at the initial bet.</source>
        <translation>Start een nieuwe cyclus bij de begininzet.</translation>
    </message>
    <message>
        <source>Starts a new game: the history is cleared, the bankroll kept.</source>
        <translation>Start een nieuw spel: de geschiedenis wordt gewist, het kapitaal blijft.</translation>
    </message>
    <message>
        <source>Shows the stake beside the chip.</source>
        <translation>Toont de inzet naast de fiche.</translation>
    </message>
    <message>
        <source>Shows each proposal at once, without the run across the board.</source>
        <translation>Toont elk voorstel meteen, zonder de loop over het bord.</translation>
    </message>
    <message>
        <source>La partage: a zero gives half of the stake back; the bet still counts as lost.</source>
        <translation>La partage: een nul geeft de helft van de inzet terug; de inzet telt toch als verloren.</translation>
    </message>
    <message>
        <source>Loss limit: play stops when the session has lost this much (OFF: no limit).</source>
        <translation>Verlieslimiet: het spel stopt als de sessie zoveel verloren heeft (UIT: geen limiet).</translation>
    </message>
    <message>
        <source>Profit goal: play stops when the session has won this much (OFF: no goal).</source>
        <translation>Winstdoel: het spel stopt als de sessie zoveel gewonnen heeft (UIT: geen doel).</translation>
    </message>
    <message>
        <source>Time limit: play stops after this many minutes (OFF: no limit).</source>
        <translation>Tijdlimiet: het spel stopt na zoveel minuten (UIT: geen limiet).</translation>
    </message>
    <message>
        <source>Spin limit: play stops after this many spins (OFF: no limit).</source>
        <translation>Spinlimiet: het spel stopt na zoveel spins (UIT: geen limiet).</translation>
    </message>
    <message>
        <source>Plays on; the limit that stopped play counts again from here.</source>
        <translation>Speelt door; de limiet die het spel stopte telt vanaf hier opnieuw.</translation>
    </message>
    <message>
        <source>Starts a new game: the history is cleared, the session counts from now.</source>
        <translation>Start een nieuw spel: de geschiedenis wordt gewist, de sessie telt vanaf nu.</translation>
    </message>
    <message>
        <source>Reality check: every this many minutes, play pauses to show the time and result.</source>
        <translation>Realiteitscheck: elke zoveel minuten pauzeert het spel om tijd en resultaat te tonen.</translation>
    </message>
    <message>
        <source>Less (1-18)</source>
        <translation>1-18</translation>
    </message>
    <message>
        <source>More (19-36)</source>
        <translation>19-36</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Even</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Oneven</translation>
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
        <source>Enter %1 as the number the wheel produced.</source>
        <translation>Voert %1 in als gevallen getal.</translation>
    </message>
    <message>
        <source>Prefer %1: a proposal of %2 is turned to %1.</source>
        <translation>Voorkeur voor %1: een voorstel voor %2 wordt %1.</translation>
    </message>
    <message>
        <source>Drops the preference for %1.</source>
        <translation>Laat de voorkeur voor %1 vallen.</translation>
    </message>
    <message>
        <source>Reset: BETS starts a new staking cycle, APP starts a new game.</source>
        <translation>Herstart: INZETTEN begint een nieuwe inzetcyclus, APP een nieuw spel.</translation>
    </message>
    <message>
        <source>Bets played in this game (since APP; an import goes on counting), counted as each number is entered: SKIP takes a bet off, UNDO keeps it until the next number.</source>
        <translation>Gespeelde inzetten in dit spel (sinds APP; een import telt door), geteld bij elk ingevoerd getal: OVERSLAAN haalt een inzet weg, HERSTEL houdt hem tot het volgende getal.</translation>
    </message>
    <message>
        <source>Staking systems to choose from, with the first stakes each puts on the table.</source>
        <translation>Inzetsystemen om uit te kiezen, met de eerste inzetten die elk op tafel legt.</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>A new version of Rotacle is ready. It starts the next time you open Rotacle.</source>
        <translation>Een nieuwe versie van Rotacle staat klaar. Die start de volgende keer dat je Rotacle opent.</translation>
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
        <translation>Nee</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>roulette table</source>
        <translation>roulettetafel</translation>
    </message>
    <message>
        <source>table</source>
        <translation>tafel</translation>
    </message>
    <message>
        <source>commands</source>
        <translation>opdrachten</translation>
    </message>
    <message>
        <source>numbers</source>
        <translation>getallen</translation>
    </message>
    <message>
        <source>even chances</source>
        <translation>eenvoudige kansen</translation>
    </message>
    <message>
        <source>Press Ctrl+V (⌘V on a Mac) to paste the page.</source>
        <translation>Druk op Ctrl+V (⌘V op een Mac) om de pagina te plakken.</translation>
    </message>
    <message>
        <source>This browser keeps no data for pages (IndexedDB).</source>
        <translation>Deze browser bewaart geen gegevens voor pagina&apos;s (IndexedDB).</translation>
    </message>
</context>
</TS>
