<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Accessible</name>
    <message>
        <source>%1, green</source>
        <translation>%1, zielone</translation>
    </message>
    <message>
        <source>%1, red</source>
        <translation>%1, czerwone</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, czarne</translation>
    </message>
    <message>
        <source>proposal: stake %1 on %2</source>
        <translation>propozycja: stawka %1 na %2</translation>
    </message>
    <message>
        <source>won: stake %1 on %2, bankroll %3</source>
        <translation>wygrana: stawka %1 na %2, kapitał %3</translation>
    </message>
    <message>
        <source>lost: stake %1 on %2, bankroll %3</source>
        <translation>przegrana: stawka %1 na %2, kapitał %3</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>błąd: %1</translation>
    </message>
    <message>
        <source>trend: %1</source>
        <translation>trend: %1</translation>
    </message>
    <message>
        <source>%1 field, lit</source>
        <translation>pole %1, podświetlone</translation>
    </message>
    <message>
        <source>chip on %1</source>
        <translation>żeton na %1</translation>
    </message>
    <message>
        <source>stake %1 on %2</source>
        <translation>stawka %1 na %2</translation>
    </message>
    <message>
        <source>safe level lamp: off (red)</source>
        <translation>lampka poziomu bezpieczeństwa: zgaszona (czerwona)</translation>
    </message>
    <message>
        <source>safe level lamp: on (green)</source>
        <translation>lampka poziomu bezpieczeństwa: zapalona (zielona)</translation>
    </message>
    <message>
        <source>minimise</source>
        <translation>minimalizuj</translation>
    </message>
    <message>
        <source>close</source>
        <translation>zamknij</translation>
    </message>
    <message>
        <source>help</source>
        <translation>pomoc</translation>
    </message>
    <message>
        <source>%1, not available</source>
        <translation>%1, niedostępne</translation>
    </message>
    <message>
        <source>import panel</source>
        <translation>panel importu</translation>
    </message>
    <message>
        <source>bankroll %1</source>
        <translation>kapitał %1</translation>
    </message>
    <message>
        <source>bets played %1</source>
        <translation>rozegrane zakłady %1</translation>
    </message>
    <message>
        <source>flat index %1</source>
        <translation>indeks płaski %1</translation>
    </message>
    <message>
        <source>numbers in game %1</source>
        <translation>liczby w grze %1</translation>
    </message>
    <message>
        <source>run progress</source>
        <translation>postęp obliczeń</translation>
    </message>
    <message>
        <source>import progress</source>
        <translation>postęp importu</translation>
    </message>
    <message>
        <source>history</source>
        <translation>historia</translation>
    </message>
    <message>
        <source>losses before the action</source>
        <translation>przegrane przed akcją</translation>
    </message>
    <message>
        <source>kind of loss</source>
        <translation>rodzaj przegranej</translation>
    </message>
    <message>
        <source>action after losses</source>
        <translation>akcja po przegranych</translation>
    </message>
    <message>
        <source>value of the action after losses</source>
        <translation>wartość akcji po przegranych</translation>
    </message>
    <message>
        <source>wins before the action</source>
        <translation>wygrane przed akcją</translation>
    </message>
    <message>
        <source>kind of win</source>
        <translation>rodzaj wygranej</translation>
    </message>
    <message>
        <source>action after wins</source>
        <translation>akcja po wygranych</translation>
    </message>
    <message>
        <source>value of the action after wins</source>
        <translation>wartość akcji po wygranych</translation>
    </message>
    <message>
        <source>language</source>
        <translation>język</translation>
    </message>
    <message>
        <source>matrix build progress</source>
        <translation>postęp budowy macierzy</translation>
    </message>
    <message>
        <source>safe level %1</source>
        <translation>poziom bezpieczeństwa %1</translation>
    </message>
    <message>
        <source>bet won</source>
        <translation>zakład wygrany</translation>
    </message>
    <message>
        <source>bet lost</source>
        <translation>zakład przegrany</translation>
    </message>
    <message>
        <source>session resumed: %1 numbers</source>
        <translation>sesja wznowiona: %1 liczb</translation>
    </message>
    <message>
        <source>proposal: stake %1 on %2, more than the money held (%3)</source>
        <translation>propozycja: stawka %1 na %2, więcej niż posiadane pieniądze (%3)</translation>
    </message>
    <message>
        <source>no bet</source>
        <translation>brak zakładu</translation>
    </message>
    <message>
        <source>not taken</source>
        <translation>nie przyjęto</translation>
    </message>
    <message>
        <source>waiting: %1</source>
        <translation>czeka: %1</translation>
    </message>
    <message>
        <source>import panel open</source>
        <translation>panel importu otwarty</translation>
    </message>
    <message>
        <source>import panel open: %1</source>
        <translation>panel importu otwarty: %1</translation>
    </message>
    <message>
        <source>last %1</source>
        <translation>ostatnia %1</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Numbers in game:</source>
        <translation>Liczby w grze:</translation>
    </message>
    <message>
        <source>Bets played:</source>
        <translation>Zakłady:</translation>
    </message>
    <message>
        <source>Flat index:</source>
        <translation>Indeks flat:</translation>
    </message>
    <message>
        <source>EVEN CHANCE ASSISTANT</source>
        <translation>ASYSTENT SZANS PROSTYCH</translation>
    </message>
    <message>
        <source>IMPORT NUMBERS</source>
        <translation>IMPORT LICZB</translation>
    </message>
    <message>
        <source>From a saved Evolution history page or a text file</source>
        <translation>Z zapisanej strony Evolution lub z pliku tekstowego</translation>
    </message>
    <message>
        <source>The numbers replace the history, oldest first.</source>
        <translation>Liczby zastępują historię, od najstarszej.</translation>
    </message>
    <message>
        <source>No bet is settled and no game mode runs.</source>
        <translation>Żaden zakład nie jest rozliczany i żaden tryb gry nie działa.</translation>
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
        <translation>PARZYSTE</translation>
    </message>
    <message>
        <source>ODD</source>
        <translation>NIEPARZYSTE</translation>
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
&lt;p&gt;Rotacle śledzi stół ruletki europejskiej (jedno zero) i proponuje jedną z sześciu prostych
szans &amp;mdash; 1-18, 19-36, Parzyste, Nieparzyste, Czerwone, Czarne &amp;mdash; ze
stawką wynikającą z Twoich zasad stawek.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Entering numbers&lt;/h3&gt;
&lt;p&gt;Click the cell of the number the wheel produced, or type its digits and press Enter or
Space. Backspace takes back a typed digit, Esc drops the typed digits. A number clicked or typed
while the board is busy waits (&amp;ldquo;waiting: 5 36&amp;rdquo; under the history) and is entered after
the run; meanwhile UNDO only takes back a waiting number.&lt;/p&gt;
&lt;p&gt;Keys: &lt;b&gt;Ctrl+Z&lt;/b&gt; undo (a number still waiting is taken back first), &lt;b&gt;Ctrl+Q&lt;/b&gt; quit, &lt;b&gt;F1&lt;/b&gt; this help, &lt;b&gt;S&lt;/b&gt; the statistics window, &lt;b&gt;Esc&lt;/b&gt; closes the
import panel or the settings area.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Wprowadzanie liczb&lt;/h3&gt;
&lt;p&gt;Kliknij pole wylosowanej liczby albo wpisz jej cyfry i naciśnij Enter lub Spację. Backspace
cofa wpisaną cyfrę, Esc odrzuca wpisane cyfry. Liczba kliknięta lub wpisana, gdy stół jest zajęty,
czeka (&amp;ldquo;czeka: 5 36&amp;rdquo; pod historią) i zostaje wprowadzona po przebiegu; w tym czasie
COFNIJ cofa tylko czekającą liczbę.&lt;/p&gt;
&lt;p&gt;Klawisze: &lt;b&gt;Ctrl+Z&lt;/b&gt; cofnij (najpierw cofana jest liczba, która jeszcze czeka),
&lt;b&gt;Ctrl+Q&lt;/b&gt; wyjście, &lt;b&gt;F1&lt;/b&gt; ta pomoc, &lt;b&gt;S&lt;/b&gt; okno statystyk, &lt;b&gt;Esc&lt;/b&gt; zamyka panel importu
lub obszar ustawień.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The chip and the stake&lt;/h3&gt;
&lt;p&gt;The chip marks the field to bet on next; the tag beside it is the stake. The stake is already
taken from the bankroll: a win brings it back with as much again, a loss keeps it.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Żeton i stawka&lt;/h3&gt;
&lt;p&gt;Żeton oznacza szansę do obstawienia jako następną; etykieta obok to stawka. Stawka jest już
pobrana z kapitału: wygrana zwraca ją podwojoną, przegrana ją zatrzymuje.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The first numbers&lt;/h3&gt;
&lt;p&gt;The first four numbers are only recorded. From the fifth a proposal is shown; from the sixth
each number first settles the previous proposal.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Pierwsze liczby&lt;/h3&gt;
&lt;p&gt;Pierwsze cztery liczby są tylko zapisywane. Od piątej pokazywana jest propozycja; od szóstej
każda liczba najpierw rozlicza poprzednią propozycję.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Undo and skip&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;UNDO&lt;/b&gt; takes back the last number entered: the bankroll and the bet return to what they
were before it. It is offered again once two more numbers are entered. &lt;b&gt;SKIP&lt;/b&gt; withdraws the shown bet: its stake goes
back to the bankroll and nothing is settled on it.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Cofanie i pomijanie&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;COFNIJ&lt;/b&gt; cofa ostatnio wprowadzoną liczbę: kapitał i zakład wracają do stanu sprzed niej.
Jest znów dostępne po dwóch kolejnych liczbach. &lt;b&gt;POMIŃ&lt;/b&gt; wycofuje pokazany zakład: stawka wraca
do kapitału i nic nie jest na nim rozliczane.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;Zasady stawek&lt;/h3&gt;
&lt;p&gt;Cykl zaczyna się od &lt;b&gt;stawki początkowej&lt;/b&gt;. Zasada strat (&amp;ldquo;PO n przegranych
&amp;hellip;&amp;rdquo;) i zasada wygranych (&amp;ldquo;PO n wygranych &amp;hellip;&amp;rdquo;) dodają, odejmują,
mnożą, dzielą lub ustawiają stawkę o swoją kwotę. &lt;b&gt;Automatyczny reset&lt;/b&gt; przywraca stawkę
początkową, gdy kapitał osiągnie cel cyklu; &lt;b&gt;minimalny zysk&lt;/b&gt; przycina stawkę, by wygrana
akurat osiągnęła ten cel. &lt;b&gt;Korekta fazy&lt;/b&gt; przelicza kwoty zasad, gdy stawka osiągnie krok razy
stawkę początkową.&lt;/p&gt;
&lt;p&gt;Niektóre elementy są stałe w tej wersji: tryb gry (gra SMART 2025), lista systemów i listy zasad
wracają, gdy wybierzesz inną pozycję, a liczby PO i kwoty zasad biorą wartości ze stawki
początkowej lub z pliku ustawień (WCZYTAJ). Mówią o tym ich podpowiedzi. Enter lub Esc kończy
edycję, a kolejne cyfry znów trafiają na stół.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Import and export&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;IMPORT&lt;/b&gt; opens a panel: paste a live-casino history page from the clipboard, or load a
text file of numbers, then IMPORT replaces the history with them without settling any bet
(it asks first when the history holds numbers).
&lt;b&gt;EXPORT&lt;/b&gt; saves the history as a text file, one number per line.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Import i eksport&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;IMPORT&lt;/b&gt; otwiera panel: wklej ze schowka stronę historii kasyna na żywo albo wczytaj plik
tekstowy z liczbami; IMPORT zastępuje wtedy nimi historię, nie rozliczając żadnego zakładu (pyta
najpierw, gdy historia zawiera liczby).
&lt;b&gt;EKSPORT&lt;/b&gt; zapisuje historię jako plik tekstowy, jedna liczba w wierszu.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The expected loss&lt;/h3&gt;
&lt;p&gt;With one zero the house edge is 1/37: every stake on an even chance loses 1/37 of its amount
on average. No staking rule changes that: over many bets the expected result is 1/37 of the
total staked, lost.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Oczekiwana strata&lt;/h3&gt;
&lt;p&gt;Przy jednym zerze przewaga kasyna wynosi 1/37: każda stawka na prostą szansę traci średnio 1/37
swojej kwoty. Żadna zasada stawek tego nie zmienia: przy wielu zakładach oczekiwany wynik to 1/37
łącznej stawki, przegrane.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;Lampki i przyciski trendu&lt;/h3&gt;
&lt;table cellspacing=&quot;6&quot;&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:lamp-far&quot; width=&quot;20&quot; height=&quot;20&quot;&gt;&lt;/td&gt;
&lt;td&gt;Poziom bezpieczeństwa wciąż dalej niż jedna przegrana propozycja. Przy POZIOM BEZP. n propozycja
jest pokazywana dopiero po n przegranych propozycjach z rzędu.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:lamp-near&quot; width=&quot;20&quot; height=&quot;20&quot;&gt;&lt;/td&gt;
&lt;td&gt;Poziom bezpieczeństwa osiągnięty lub o jedną przegraną propozycję.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:trend-0&quot; width=&quot;62&quot; height=&quot;18&quot;&gt;&lt;/td&gt;
&lt;td&gt;Przycisk trendu w spoczynku, nad swoją szansą.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:trend-1&quot; width=&quot;62&quot; height=&quot;18&quot;&gt;&lt;/td&gt;
&lt;td&gt;Pod wskaźnikiem: kliknięcie preferuje tę stronę pary.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:trend-2&quot; width=&quot;62&quot; height=&quot;18&quot;&gt;&lt;/td&gt;
&lt;td&gt;Ta strona jest preferowana: propozycja drugiej strony pary jest na nią zmieniana.
Kliknięcie usuwa preferencję.&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;</translation>
    </message>
    <message>
        <source>Rotacle 8.0 &amp;mdash; version %1&lt;br&gt;
All rights reserved. No warranty: roulette has a house edge.</source>
        <translation>Rotacle 8.0 &amp;mdash; wersja %1&lt;br&gt;
Wszelkie prawa zastrzeżone. Bez gwarancji: ruletka ma przewagę kasyna.</translation>
    </message>
    <message>
        <source>Rotacle 8.0 — Help</source>
        <translation>Rotacle 8.0 — Pomoc</translation>
    </message>
    <message>
        <source>  Previous sessions</source>
        <translation>  Poprzednie sesje</translation>
    </message>
    <message>
        <source>Sessions kept beside this one, newest first</source>
        <translation>Sesje zachowane obok tej, najnowsze najpierw</translation>
    </message>
    <message>
        <source>RESUME</source>
        <translation>WZNÓW</translation>
    </message>
    <message>
        <source>Resume the chosen session; this one is kept beside it</source>
        <translation>Wznawia wybraną sesję; ta zostaje zachowana obok</translation>
    </message>
    <message>
        <source>  —  %1 numbers, bankroll %2</source>
        <translation>  —  %1 liczb, kapitał %2</translation>
    </message>
    <message>
        <source>  —  cannot be resumed</source>
        <translation>  —  nie można wznowić</translation>
    </message>
    <message>
        <source>&lt;h3&gt;La partage&lt;/h3&gt;
&lt;p&gt;With &lt;b&gt;LA PARTAGE&lt;/b&gt; ticked in the settings area, a bet lost to the zero gives half of its
stake back; the staking rules still count it as lost. The house edge on the even chances is then
1/74 instead of 1/37, and the statistics window&apos;s expected result counts 1/74 of what was staked
under it.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;La partage&lt;/h3&gt;
&lt;p&gt;Gdy w obszarze ustawień zaznaczono &lt;b&gt;LA PARTAGE&lt;/b&gt;, zakład przegrany na zerze zwraca połowę
stawki; reguły stawek nadal liczą go jako przegrany. Przewaga kasyna na szansach prostych wynosi
wtedy 1/74 zamiast 1/37, a oczekiwany wynik w oknie statystyk liczy 1/74 tego, co postawiono przy
tej regule.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Session limits and the reality check&lt;/h3&gt;
&lt;p&gt;The limits in the settings area stop play when one is reached: &lt;b&gt;LOSS&lt;/b&gt; and
&lt;b&gt;PROFIT&lt;/b&gt; count the money held (the bankroll and the stake on the table) from the moment the
limit was set, &lt;b&gt;MIN&lt;/b&gt; the minutes played and &lt;b&gt;SPINS&lt;/b&gt; the numbers entered. Play then
stands still until you go on (that limit counts again from there) or start a new game. An
optional limit stops play when a stake would be larger than the money held. &lt;b&gt;CHECK&lt;/b&gt; is the
reality check: every so many minutes play pauses to show the time played and the result.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Limity sesji i alert&lt;/h3&gt;
&lt;p&gt;Limity w obszarze ustawień zatrzymują grę, gdy któryś zostanie osiągnięty: &lt;b&gt;STRATA&lt;/b&gt; i
&lt;b&gt;ZYSK&lt;/b&gt; liczą posiadane pieniądze (kapitał i stawkę na stole) od chwili ustawienia limitu,
&lt;b&gt;MIN&lt;/b&gt; rozegrane minuty, a &lt;b&gt;SPINY&lt;/b&gt; wprowadzone liczby. Gra stoi wtedy, dopóki nie zagrasz
dalej (ten limit liczy od nowa od tego miejsca) albo nie zaczniesz nowej gry. Opcjonalny limit
zatrzymuje grę, gdy stawka byłaby większa niż posiadane pieniądze. &lt;b&gt;ALERT&lt;/b&gt; to sprawdzenie
rzeczywistości: co tyle minut gra się zatrzymuje, by pokazać czas gry i wynik.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The Risk tab&lt;/h3&gt;
&lt;p&gt;The statistics window&apos;s &lt;b&gt;Risk&lt;/b&gt; tab plays many whole sessions from the table&apos;s bankroll on
a random wheel, each until it reaches the target, is ruined or has played the most spins, and
shows how often each happened, the spread of the results and the expected loss. It plays the
table&apos;s settings, or flat or martingale staking, with the table&apos;s zero rule or another; the same
seed plays the same sessions, as &lt;code&gt;rotacle-sim risk&lt;/code&gt; does.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Karta Ryzyko&lt;/h3&gt;
&lt;p&gt;Karta &lt;b&gt;Ryzyko&lt;/b&gt; okna statystyk rozgrywa wiele całych sesji od kapitału stołu na losowym
kole, każdą aż osiągnie cel, zbankrutuje lub rozegra najwięcej spinów, i pokazuje, jak często
zdarzyło się każde z nich, rozrzut wyników i oczekiwaną stratę. Gra ustawieniami stołu albo stawką
płaską lub martingale, z regułą zera stołu lub inną; ten sam seed rozgrywa te same sesje, jak
&lt;code&gt;rotacle-sim risk&lt;/code&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Staking dialog&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;STAKING&amp;hellip;&lt;/b&gt; in the settings area sets the staking rules in one place, from presets
(the defaults, flat, martingale, d&apos;Alembert) with a preview of the first stakes after losses and
wins.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Okno stawek&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;SYSTEMY&amp;hellip;&lt;/b&gt; w obszarze ustawień ustawia reguły stawek w jednym miejscu, z gotowych
wzorów (ustawienia domyślne, płaska, martingale, d&apos;Alembert) z podglądem pierwszych stawek po
przegranych i wygranych.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;Wiersz statystyk&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;Liczby w grze&lt;/b&gt; liczy liczby w historii. &lt;b&gt;Zakłady&lt;/b&gt; liczy propozycje pokazane jako
zakłady w tej grze (od APLIK.; import liczy dalej), przy każdej wprowadzonej liczbie: zakład
wycofany przez POMIŃ jest znów odejmowany, zakład cofnięty przez COFNIJ pozostaje policzony do
następnej liczby. Okno statystyk liczy tylko zakłady z historii. &lt;b&gt;Indeks flat&lt;/b&gt; pokazuje, jak
poszły zakłady bez względu na stawki: dodaje 18 za każdy wygrany zakład i odejmuje 18 za każdy
przegrany (na szansie prostej wygrywa 18 liczb), więc wynosi 18 razy wygrane zakłady minus
przegrane; liczba bez zakładu na stole go nie zmienia.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source> This session is not journaled.</source>
        <translation> Ta sesja nie jest zapisywana w dzienniku.</translation>
    </message>
    <message>
        <source>The session journal cannot be written (%1). Play goes on; the journal catches up as soon as there is room again.</source>
        <translation>Nie można zapisać dziennika sesji (%1). Gra trwa; dziennik nadrobi zaległości, gdy znów będzie miejsce.</translation>
    </message>
    <message>
        <source>Every session journal is open in another Rotacle window. This session is not journaled.</source>
        <translation>Każdy dziennik sesji jest otwarty w innym oknie Rotacle. Ta sesja nie jest zapisywana w dzienniku.</translation>
    </message>
    <message>
        <source>The last session is open in another Rotacle window. This window starts a session of its own.</source>
        <translation>Ostatnia sesja jest otwarta w innym oknie Rotacle. To okno zaczyna własną sesję.</translation>
    </message>
    <message>
        <source>The journal holds an action this version does not know; the session is resumed up to it.</source>
        <translation>Dziennik zawiera działanie nieznane tej wersji; sesja jest wznowiona do tego miejsca.</translation>
    </message>
    <message>
        <source> It is kept as %1; a new session starts.</source>
        <translation> Jest zachowana jako %1; zaczyna się nowa sesja.</translation>
    </message>
    <message>
        <source>This window keeps no session journal: the kept session cannot be resumed here.</source>
        <translation>To okno nie prowadzi dziennika sesji: zachowanej sesji nie można tu wznowić.</translation>
    </message>
    <message>
        <source>Resume the session kept as %1? This session is kept beside it, and Rotacle starts again.</source>
        <translation>Wznowić sesję zachowaną jako %1? Ta sesja zostanie zachowana obok, a Rotacle uruchomi się ponownie.</translation>
    </message>
    <message>
        <source>Record %1 of the journal enters a number while play stood still at a session limit; the session is resumed up to it.</source>
        <translation>Wpis %1 dziennika wprowadza liczbę, gdy gra stała na limicie sesji; sesja jest wznowiona do tego miejsca.</translation>
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
        <translation>WŁASNY</translation>
    </message>
    <message>
        <source>Martingale (x2 on loss)</source>
        <translation>Martingale (x2 po przegr.)</translation>
    </message>
    <message>
        <source>Parlay (x2 on win)</source>
        <translation>Paroli (x2 po wygranej)</translation>
    </message>
    <message>
        <source>Donald (+1 on loss / -1 on win)</source>
        <translation>D&apos;Alembert (+1 / -1)</translation>
    </message>
    <message>
        <source>Chernyshov (x3 on loss)</source>
        <translation>Czernyszow (x3 przegr.)</translation>
    </message>
    <message>
        <source>Blind (+1 each spin)</source>
        <translation>Na ślepo (+1 co spin)</translation>
    </message>
    <message>
        <source>Up-trender (+1 on win)</source>
        <translation>W górę (+1 po wygranej)</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Przegrane</translation>
    </message>
    <message>
        <source>Losses In A Row</source>
        <translation>Przegr. z rzędu</translation>
    </message>
    <message>
        <source>Units drawdown</source>
        <translation>Jednostki spadku</translation>
    </message>
    <message>
        <source>ADD to bet:</source>
        <translation>DODAJ do stawki:</translation>
    </message>
    <message>
        <source>SUBTRACT:</source>
        <translation>ODEJMIJ:</translation>
    </message>
    <message>
        <source>MULTIPLY bet by:</source>
        <translation>POMNÓŻ przez:</translation>
    </message>
    <message>
        <source>DIVIDE bet by:</source>
        <translation>PODZIEL przez:</translation>
    </message>
    <message>
        <source>SET bet to:</source>
        <translation>USTAW stawkę na:</translation>
    </message>
    <message>
        <source>Check WINS</source>
        <translation>Sprawdź WYGRANE</translation>
    </message>
    <message>
        <source>DO NOTHING</source>
        <translation>NIC NIE RÓB</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Wygrane</translation>
    </message>
    <message>
        <source>Wins In A Row</source>
        <translation>Wygrane z rzędu</translation>
    </message>
    <message>
        <source>Units of profit</source>
        <translation>Jednostki zysku</translation>
    </message>
    <message>
        <source>UPTREND</source>
        <translation>WZROST</translation>
    </message>
    <message>
        <source>DOWNTREND</source>
        <translation>SPADEK</translation>
    </message>
    <message>
        <source>Less</source>
        <translation>1-18</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Parzyste</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwone</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Czarne</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Nieparzyste</translation>
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
        <translation>Plik tekstowy</translation>
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
        <translation>&apos;%1&apos; nie jest poprawną liczbą dziesiętną</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; nie jest poprawną liczbą całkowitą</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid amount: the largest is %2</source>
        <translation>&apos;%1&apos; nie jest poprawną kwotą: najwyżej %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid amount: the smallest is %2</source>
        <translation>&apos;%1&apos; nie jest poprawną kwotą: najmniej %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a roulette number (0 to 36)</source>
        <translation>&apos;%1&apos; nie jest liczbą ruletki (0 do 36)</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Wiersz %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Nie można otworzyć pliku &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Nie można odczytać pliku &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Nie można utworzyć pliku &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Nie można zapisać pliku &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>The page cannot be read: %1.</source>
        <translation>Nie można odczytać strony: %1.</translation>
    </message>
    <message>
        <source>The page cannot be read: it holds %1 bytes, more than the limit of %2 MB (%3 bytes).</source>
        <translation>Nie można odczytać strony: ma %1 bajtów, więcej niż limit %2 MB (%3 bajtów).</translation>
    </message>
    <message>
        <source>%1 The file &quot;%2&quot; is left as it is.</source>
        <translation>%1 Plik &quot;%2&quot; pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
    <message>
        <source>The page cannot be read: the page reader is not installed (looked for %1). Install the package rotacle-page-reader to paste pages.</source>
        <translation>Nie można odczytać strony: czytnik stron nie jest zainstalowany (szukano %1). Zainstaluj pakiet rotacle-page-reader, aby wklejać strony.</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>cannot be reached</source>
        <translation>jest nieosiągalny</translation>
    </message>
    <message>
        <source>is a link to nothing</source>
        <translation>jest dowiązaniem do niczego</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>jest folderem</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>The options file %1 %2: the options start at their defaults and are not kept.</source>
        <translation>Plik opcji %1 %2: opcje zaczynają od wartości domyślnych i nie są zapisywane.</translation>
    </message>
</context>
<context>
    <name>RiskTab</name>
    <message>
        <source> to </source>
        <translation> do </translation>
    </message>
    <message>
        <source>How many whole sessions to play.</source>
        <translation>Ile pełnych sesji rozegrać.</translation>
    </message>
    <message>
        <source>The profit at which a session stops.</source>
        <translation>Zysk, przy którym sesja się kończy.</translation>
    </message>
    <message>
        <source>The most spins a session plays.</source>
        <translation>Najwięcej spinów w sesji.</translation>
    </message>
    <message>
        <source>Every session starts from the table&apos;s bankroll with its settings.</source>
        <translation>Każda sesja zaczyna się od kapitału stołu z jego ustawieniami.</translation>
    </message>
    <message>
        <source>RUN</source>
        <translation>URUCHOM</translation>
    </message>
    <message>
        <source>Plays the sessions on worker threads.</source>
        <translation>Rozgrywa sesje w wątkach roboczych.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Stops the run; the figures show the sessions played.</source>
        <translation>Zatrzymuje przebieg; dane pokazują rozegrane sesje.</translation>
    </message>
    <message>
        <source>Results of the sessions</source>
        <translation>Wyniki sesji</translation>
    </message>
    <message>
        <source>Sessions</source>
        <translation>Sesje</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Sessions:</source>
        <translation>Sesje:</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Cel:</translation>
    </message>
    <message>
        <source>Max spins:</source>
        <translation>Maks. spinów:</translation>
    </message>
    <message>
        <source>Saves the histogram as a PNG picture.</source>
        <translation>Zapisuje histogram jako obraz PNG.</translation>
    </message>
    <message>
        <source>Saves the histogram as an SVG drawing.</source>
        <translation>Zapisuje histogram jako rysunek SVG.</translation>
    </message>
    <message>
        <source>Saves every session&apos;s outcome as a CSV file.</source>
        <translation>Zapisuje wynik każdej sesji do pliku CSV.</translation>
    </message>
    <message>
        <source>Sessions must be a whole number from 1 to 1000000.</source>
        <translation>Sesje muszą być liczbą całkowitą od 1 do 1000000.</translation>
    </message>
    <message>
        <source>The target must be an amount above 0.</source>
        <translation>Cel musi być kwotą powyżej 0.</translation>
    </message>
    <message>
        <source>Max spins must be a whole number above 0.</source>
        <translation>Maks. spinów musi być liczbą całkowitą powyżej 0.</translation>
    </message>
    <message>
        <source>Playing %1 sessions...</source>
        <translation>Rozgrywanie %1 sesji...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Anulowanie...</translation>
    </message>
    <message>
        <source>The run failed.</source>
        <translation>Przebieg się nie powiódł.</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 sessions.</source>
        <translation>Anulowano po %1 z %2 sesji.</translation>
    </message>
    <message>
        <source>%1 sessions played.</source>
        <translation>Rozegrano %1 sesji.</translation>
    </message>
    <message>
        <source>From the table: bankroll %1, its settings%2</source>
        <translation>Ze stołu: kapitał %1, jego ustawienia%2</translation>
    </message>
    <message>
        <source>, la partage</source>
        <translation>, la partage</translation>
    </message>
    <message>
        <source>No sessions played yet.</source>
        <translation>Nie rozegrano jeszcze sesji.</translation>
    </message>
    <message>
        <source>Sessions: %1</source>
        <translation>Sesje: %1</translation>
    </message>
    <message>
        <source>Reached the target: </source>
        <translation>Osiągnięto cel: </translation>
    </message>
    <message>
        <source>Ruined: </source>
        <translation>Bankructwo: </translation>
    </message>
    <message>
        <source>Still playing: </source>
        <translation>Wciąż w grze: </translation>
    </message>
    <message>
        <source>Result: mean %1, sd %2</source>
        <translation>Wynik: średnia %1, odch. std. %2</translation>
    </message>
    <message>
        <source>5/25/50/75/95 %: %1 / %2 / %3 / %4 / %5</source>
        <translation>5/25/50/75/95 %: %1 / %2 / %3 / %4 / %5</translation>
    </message>
    <message>
        <source>Mean staked: </source>
        <translation>Średnio postawiono: </translation>
    </message>
    <message>
        <source>House edge: expected %1, z %2</source>
        <translation>Przewaga kasyna: oczekiwane %1, z %2</translation>
    </message>
    <message>
        <source>Drawdown: mean %1, largest %2</source>
        <translation>Spadek: średni %1, największy %2</translation>
    </message>
    <message>
        <source>Longest losing run: %1</source>
        <translation>Najdłuższa seria przegranych: %1</translation>
    </message>
    <message>
        <source>Largest stake: </source>
        <translation>Największa stawka: </translation>
    </message>
    <message>
        <source>Mean spins: </source>
        <translation>Średnio spinów: </translation>
    </message>
    <message>
        <source>table&apos;s settings</source>
        <translation>ustawienia stołu</translation>
    </message>
    <message>
        <source>flat</source>
        <translation>płaska</translation>
    </message>
    <message>
        <source>martingale</source>
        <translation>martingale</translation>
    </message>
    <message>
        <source>The staking the sessions play: the table&apos;s settings, a flat stake (always the initial bet), or martingale (the stake doubles after each lost bet and goes back to the initial bet after a win).</source>
        <translation>Stawki sesji: ustawienia stołu, stawka płaska (zawsze stawka początkowa) lub martingale (stawka podwaja się po każdym przegranym zakładzie i wraca do początkowej po wygranej).</translation>
    </message>
    <message>
        <source>as the table</source>
        <translation>jak stół</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>la partage</source>
        <translation>la partage</translation>
    </message>
    <message>
        <source>The zero rule of the sessions: the table&apos;s, none, or la partage (half of a stake lost on zero comes back).</source>
        <translation>Reguła zera sesji: ta ze stołu, brak lub la partage (wraca połowa stawki przegranej na zerze).</translation>
    </message>
    <message>
        <source>Each session&apos;s wheel is seeded from this seed and the session&apos;s number: the same seed plays the same sessions, here and in rotacle-sim risk --seed.</source>
        <translation>Koło każdej sesji jest inicjowane tym seedem i numerem sesji: ten sam seed rozgrywa te same sesje, tutaj i w rotacle-sim risk --seed.</translation>
    </message>
    <message>
        <source>System:</source>
        <translation>System:</translation>
    </message>
    <message>
        <source>Zero rule:</source>
        <translation>Reguła zera:</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Seed:</translation>
    </message>
    <message>
        <source>The seed must be a whole number from 0 to 18446744073709551615.</source>
        <translation>Seed musi być liczbą całkowitą od 0 do 18446744073709551615.</translation>
    </message>
    <message>
        <source>Played from bankroll %1: %2, zero rule %3, seed %4</source>
        <translation>Rozegrano od kapitału %1: %2, reguła zera %3, seed %4</translation>
    </message>
</context>
<context>
    <name>SpinResult</name>
    <message>
        <source>Won</source>
        <translation>Wygrany</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Przegrany</translation>
    </message>
</context>
<context>
    <name>StakingDialog</name>
    <message>
        <source>Defaults: one initial bet more after every bet</source>
        <translation>Domyślne: jedna stawka początkowa więcej po każdym zakładzie</translation>
    </message>
    <message>
        <source>Flat: always the initial bet</source>
        <translation>Płaska: zawsze stawka początkowa</translation>
    </message>
    <message>
        <source>Martingale: double the stake after a loss</source>
        <translation>Martingale: podwój stawkę po przegranej</translation>
    </message>
    <message>
        <source>d&apos;Alembert: one initial bet more after a loss, one less after a win</source>
        <translation>d&apos;Alembert: jedna stawka początkowa więcej po przegranej, jedna mniej po wygranej</translation>
    </message>
    <message>
        <source>Staking</source>
        <translation>Stawki</translation>
    </message>
    <message>
        <source>Applying writes the staking rules, minimal profit and phase correction of the settings as a loaded settings file does; the initial bet stays.</source>
        <translation>Zastosowanie zapisuje zasady stawek, minimalny zysk i korektę fazy w ustawieniach tak jak wczytany plik ustawień; stawka początkowa zostaje.</translation>
    </message>
    <message>
        <source>System:</source>
        <translation>System:</translation>
    </message>
    <message>
        <source>Stakes:</source>
        <translation>Stawki:</translation>
    </message>
    <message>
        <source>Losing every bet: %1</source>
        <translation>Każdy zakład przegrany: %1</translation>
    </message>
    <message>
        <source>Winning every bet: %1</source>
        <translation>Każdy zakład wygrany: %1</translation>
    </message>
    <message>
        <source>Three lost, then won: %1</source>
        <translation>Trzy przegrane, potem wygrana: %1</translation>
    </message>
    <message>
        <source>No preview: %1</source>
        <translation>Brak podglądu: %1</translation>
    </message>
</context>
<context>
    <name>StatsWindow</name>
    <message>
        <source>Bankroll after every spin</source>
        <translation>Kapitał po każdym spinie</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Spin</translation>
    </message>
    <message>
        <source>Bankroll</source>
        <translation>Kapitał</translation>
    </message>
    <message>
        <source>Initial bankroll</source>
        <translation>Kapitał początkowy</translation>
    </message>
    <message>
        <source>Bet won</source>
        <translation>Zakład wygrany</translation>
    </message>
    <message>
        <source>Bet lost</source>
        <translation>Zakład przegrany</translation>
    </message>
    <message>
        <source>The bankroll after every spin; green and red marks are the placed bets won and lost, the dashed line the bankroll the session started with.</source>
        <translation>Kapitał po każdym spinie; zielone i czerwone znaczniki to wygrane i przegrane zakłady, linia przerywana to kapitał z początku sesji.</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Trafienia</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Udział</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Oczekiwane</translation>
    </message>
    <message>
        <source>Absence</source>
        <translation>Nieobecność</translation>
    </message>
    <message>
        <source>Longest absence</source>
        <translation>Najdłuższa nieobecność</translation>
    </message>
    <message>
        <source>Hits per chance</source>
        <translation>Trafienia na szansę</translation>
    </message>
    <message>
        <source>Expected (18/37)</source>
        <translation>Oczekiwane (18/37)</translation>
    </message>
    <message>
        <source>Hits of each even chance against 18/37 of the spins.</source>
        <translation>Trafienia każdej prostej szansy wobec 18/37 spinów.</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Szansa</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Liczba</translation>
    </message>
    <message>
        <source>Hits, their share of the spins beside the share chance alone gives, the spins since the last hit (absence) and the longest absence so far. Click a column&apos;s header to sort by it.</source>
        <translation>Trafienia, ich udział w spinach obok udziału czystego przypadku, spiny od ostatniego trafienia (nieobecność) i najdłuższa dotąd nieobecność. Kliknij nagłówek kolumny, by sortować.</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Zakład</translation>
    </message>
    <message>
        <source>Stake</source>
        <translation>Stawka</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Every spin of the session: the bet it settled, its stake and result, and the bankroll after it. Numbers that came with an import were not played.</source>
        <translation>Każdy spin sesji: rozliczony zakład, jego stawka i wynik oraz kapitał po nim. Zaimportowane liczby nie były grane.</translation>
    </message>
    <message>
        <source>Rotacle statistics</source>
        <translation>Statystyki Rotacle</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesja</translation>
    </message>
    <message>
        <source>Spins</source>
        <translation>Spiny</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Wygrane</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Przegrane</translation>
    </message>
    <message>
        <source>Longest losing run</source>
        <translation>Najdłuższa seria przegranych</translation>
    </message>
    <message>
        <source>Total staked</source>
        <translation>Łącznie postawiono</translation>
    </message>
    <message>
        <source>Net result</source>
        <translation>Wynik netto</translation>
    </message>
    <message>
        <source>Expected result (house edge 1/37)</source>
        <translation>Oczekiwany wynik (przewaga kasyna 1/37)</translation>
    </message>
    <message>
        <source>Numbers in the history.</source>
        <translation>Liczby w historii.</translation>
    </message>
    <message>
        <source>Settled bets that won.</source>
        <translation>Rozliczone zakłady wygrane.</translation>
    </message>
    <message>
        <source>Settled bets that lost.</source>
        <translation>Rozliczone zakłady przegrane.</translation>
    </message>
    <message>
        <source>The most settled bets lost one after the other.</source>
        <translation>Najwięcej rozliczonych zakładów przegranych jeden po drugim.</translation>
    </message>
    <message>
        <source>The stakes of all settled bets.</source>
        <translation>Stawki wszystkich rozliczonych zakładów.</translation>
    </message>
    <message>
        <source>The won stakes less the lost ones.</source>
        <translation>Wygrane stawki minus przegrane.</translation>
    </message>
    <message>
        <source>Chances</source>
        <translation>Szanse</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Liczby</translation>
    </message>
    <message>
        <source>Risk</source>
        <translation>Ryzyko</translation>
    </message>
    <message>
        <source>Hits, share and absences of the even chances and of every number; every spin of the session.</source>
        <translation>Trafienia, udział i nieobecności prostych szans i każdej liczby; każdy spin sesji.</translation>
    </message>
    <message>
        <source>Chart as PNG...</source>
        <translation>Wykres jako PNG...</translation>
    </message>
    <message>
        <source>Saves the bankroll chart as a PNG picture.</source>
        <translation>Zapisuje wykres kapitału jako obraz PNG.</translation>
    </message>
    <message>
        <source>Chart as SVG...</source>
        <translation>Wykres jako SVG...</translation>
    </message>
    <message>
        <source>Saves the bankroll chart as an SVG drawing.</source>
        <translation>Zapisuje wykres kapitału jako rysunek SVG.</translation>
    </message>
    <message>
        <source>Tables as CSV...</source>
        <translation>Tabele jako CSV...</translation>
    </message>
    <message>
        <source>Saves the hits and absences of the chances and numbers as a CSV file.</source>
        <translation>Zapisuje trafienia i nieobecności szans i liczb do pliku CSV.</translation>
    </message>
    <message>
        <source>Spins as CSV...</source>
        <translation>Spiny jako CSV...</translation>
    </message>
    <message>
        <source>Saves every spin with its bet, stake, result and bankroll as a CSV file.</source>
        <translation>Zapisuje każdy spin z zakładem, stawką, wynikiem i kapitałem do pliku CSV.</translation>
    </message>
    <message>
        <source>The chart could not be drawn as a PNG picture.</source>
        <translation>Nie udało się narysować wykresu jako obrazu PNG.</translation>
    </message>
    <message>
        <source>The chart could not be drawn as an SVG drawing.</source>
        <translation>Nie udało się narysować wykresu jako rysunku SVG.</translation>
    </message>
    <message>
        <source>What the house edge takes on average: 1/37 of the total staked, lost; 1/74 of what was staked under la partage, which gives half of a stake back on zero.</source>
        <translation>Ile przewaga kasyna zabiera średnio: 1/37 łącznej stawki, przegrane; 1/74 tego, co postawiono przy la partage, która zwraca połowę stawki na zerze.</translation>
    </message>
    <message>
        <source>Expected result (la partage, house edge 1/74)</source>
        <translation>Oczekiwany wynik (la partage, przewaga kasyna 1/74)</translation>
    </message>
    <message>
        <source>Expected result (house edge 1/37, 1/74 under la partage)</source>
        <translation>Oczekiwany wynik (przewaga kasyna 1/37, 1/74 przy la partage)</translation>
    </message>
    <message>
        <source>Bets placed in this history</source>
        <translation>Zakłady postawione w tej historii</translation>
    </message>
    <message>
        <source>Bets settled in this history</source>
        <translation>Zakłady rozliczone w tej historii</translation>
    </message>
    <message>
        <source>Bets whose stake went on the table since the history began (APP or an import): those settled and the one open now.</source>
        <translation>Zakłady, których stawka trafiła na stół od początku historii (APLIK. lub import): rozliczone i ten otwarty teraz.</translation>
    </message>
    <message>
        <source>Placed bets that a number has settled since the history began; UNDO takes one back. Bets played in the main window counts the whole game, imports included.</source>
        <translation>Postawione zakłady, które liczba rozliczyła od początku historii; COFNIJ cofa jeden. Zakłady w oknie głównym liczą całą grę, łącznie z importami.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
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
        <translation>Wklejona strona nie zawiera liczb ruletki: nie ma czego importować.</translation>
    </message>
    <message>
        <source>Start a new game? The history of %1 numbers is cleared; the bankroll stays.</source>
        <translation>Zacząć nową grę? Historia %1 liczb zostanie wyczyszczona; kapitał zostaje.</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORT</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EKSPORT</translation>
    </message>
    <message>
        <source>TEST BANK:</source>
        <translation>BANK TEST.:</translation>
    </message>
    <message>
        <source>UNDO</source>
        <translation>COFNIJ</translation>
    </message>
    <message>
        <source>STATS</source>
        <translation>STATYSTYKI</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>POMIŃ</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation>USTAWIENIA</translation>
    </message>
    <message>
        <source>LOAD</source>
        <translation>WCZYTAJ</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>ZAPISZ</translation>
    </message>
    <message>
        <source>PASTE FROM EVOLUTION</source>
        <translation>WKLEJ Z EVOLUTION</translation>
    </message>
    <message>
        <source>LOAD FROM FILE</source>
        <translation>WCZYTAJ Z PLIKU</translation>
    </message>
    <message>
        <source>Import %1 numbers? They replace the history of %2 numbers; the bankroll stays.</source>
        <translation>Zaimportować %1 liczb? Zastąpią historię %2 liczb; kapitał zostaje.</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>ZAMKNIJ</translation>
    </message>
    <message>
        <source>INITIAL BET:</source>
        <translation>STAWKA POCZ.:</translation>
    </message>
    <message>
        <source>GAME MODE:</source>
        <translation>TRYB GRY:</translation>
    </message>
    <message>
        <source>BETTING SYSTEM:</source>
        <translation>SYSTEM OBSTAWIANIA:</translation>
    </message>
    <message>
        <source>AFTER</source>
        <translation>PO</translation>
    </message>
    <message>
        <source>GET MINIMAL PROFIT</source>
        <translation>MINIMALNY ZYSK</translation>
    </message>
    <message>
        <source>BET AUTOMATIC RESET</source>
        <translation>AUTOMATYCZNY RESET</translation>
    </message>
    <message>
        <source>SAFE LEVEL:</source>
        <translation>POZIOM BEZP.:</translation>
    </message>
    <message>
        <source>BUILD MATRIX</source>
        <translation>UTWÓRZ MACIERZ</translation>
    </message>
    <message>
        <source>RM</source>
        <translation>RM</translation>
    </message>
    <message>
        <source>DIRECTION:</source>
        <translation>KIERUNEK:</translation>
    </message>
    <message>
        <source>PLAY BETS:</source>
        <translation>ZAKŁADY:</translation>
    </message>
    <message>
        <source>FIXED NUMBER</source>
        <translation>STAŁA LICZBA</translation>
    </message>
    <message>
        <source>REBUILD MATRIX ON PROFIT (Units):</source>
        <translation>NOWA MACIERZ PRZY ZYSKU (Jedn.):</translation>
    </message>
    <message>
        <source>USE PHASE CORRECTION WITH STEP:</source>
        <translation>KOREKTA FAZY Z KROKIEM:</translation>
    </message>
    <message>
        <source>RESET:</source>
        <translation>RESET:</translation>
    </message>
    <message>
        <source>BETS</source>
        <translation>STAWKI</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>APLIK.</translation>
    </message>
    <message>
        <source>QUICK PROPOSALS</source>
        <translation>SZYBKIE PROPOZYCJE</translation>
    </message>
    <message>
        <source>Show Bet</source>
        <translation>Pokaż stawkę</translation>
    </message>
    <message>
        <source>LOSS LIMIT REACHED</source>
        <translation>OSIĄGNIĘTO LIMIT STRAT</translation>
    </message>
    <message>
        <source>PROFIT GOAL REACHED</source>
        <translation>OSIĄGNIĘTO CEL ZYSKU</translation>
    </message>
    <message>
        <source>TIME LIMIT REACHED</source>
        <translation>OSIĄGNIĘTO LIMIT CZASU</translation>
    </message>
    <message>
        <source>SPIN LIMIT REACHED</source>
        <translation>OSIĄGNIĘTO LIMIT SPINÓW</translation>
    </message>
    <message>
        <source>REALITY CHECK</source>
        <translation>SPRAWDZENIE RZECZYWISTOŚCI</translation>
    </message>
    <message>
        <source>LA PARTAGE</source>
        <translation>LA PARTAGE</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>WYŁ.</translation>
    </message>
    <message>
        <source>LOSS:</source>
        <translation>STRATA:</translation>
    </message>
    <message>
        <source>PROFIT:</source>
        <translation>ZYSK:</translation>
    </message>
    <message>
        <source>MIN:</source>
        <translation>MIN:</translation>
    </message>
    <message>
        <source>SPINS:</source>
        <translation>SPINY:</translation>
    </message>
    <message>
        <source>CHECK:</source>
        <translation>ALERT:</translation>
    </message>
    <message>
        <source>GO ON</source>
        <translation>DALEJ</translation>
    </message>
    <message>
        <source>NEW GAME</source>
        <translation>NOWA GRA</translation>
    </message>
    <message>
        <source>Time played %1</source>
        <translation>Czas gry %1</translation>
    </message>
    <message>
        <source>%1 spins</source>
        <translation>%1 spinów</translation>
    </message>
    <message>
        <source>Net result %1</source>
        <translation>Wynik netto %1</translation>
    </message>
    <message>
        <source>STAKING RULES</source>
        <translation>ZASADY STAWEK</translation>
    </message>
    <message>
        <source>SAFETY</source>
        <translation>BEZPIECZEŃSTWO</translation>
    </message>
    <message>
        <source>MATRIX</source>
        <translation>MACIERZ</translation>
    </message>
    <message>
        <source>PHASE AND RESET</source>
        <translation>FAZA I RESET</translation>
    </message>
    <message>
        <source>Language of the window, from the next start</source>
        <translation>Język okna, od następnego uruchomienia</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>not taken</source>
        <translation>nie przyjęto</translation>
    </message>
    <message>
        <source>stake %1</source>
        <translation>stawka %1</translation>
    </message>
    <message>
        <source>waiting:</source>
        <translation>czeka:</translation>
    </message>
    <message>
        <source>Net result:</source>
        <translation>Wynik netto:</translation>
    </message>
    <message>
        <source>The session&apos;s net result: the won stakes less the lost ones, as the statistics window counts them.</source>
        <translation>Wynik netto sesji: wygrane stawki minus przegrane, liczone jak w oknie statystyk.</translation>
    </message>
    <message>
        <source>STAKING…</source>
        <translation>SYSTEMY…</translation>
    </message>
    <message>
        <source>STAKE ABOVE THE BANKROLL</source>
        <translation>STAWKA PONAD KAPITAŁ</translation>
    </message>
    <message>
        <source>INITIAL BET</source>
        <translation>STAWKA POCZ.</translation>
    </message>
    <message>
        <source>TEST BANK</source>
        <translation>BANK TEST.</translation>
    </message>
    <message>
        <source>amount of the loss rule</source>
        <translation>kwota zasady strat</translation>
    </message>
    <message>
        <source>amount of the win rule</source>
        <translation>kwota zasady wygranych</translation>
    </message>
    <message>
        <source>%1: %2 is no stake; the smallest is 0.01</source>
        <translation>%1: %2 to nie stawka; najmniejsza to 0.01</translation>
    </message>
    <message>
        <source>%1: an amount has one decimal point; the key is not taken</source>
        <translation>%1: kwota ma jedną kropkę dziesiętną; klawisz nie jest przyjęty</translation>
    </message>
    <message>
        <source>%1: amounts are typed without a sign; &quot;%2&quot; is not taken</source>
        <translation>%1: kwoty wpisuje się bez znaku; &quot;%2&quot; nie jest przyjęty</translation>
    </message>
    <message>
        <source>%1: only digits and a decimal point are typed here; &quot;%2&quot; is not taken</source>
        <translation>%1: tu wpisuje się tylko cyfry i kropkę dziesiętną; &quot;%2&quot; nie jest przyjęty</translation>
    </message>
</context>
<context>
    <name>Tooltip</name>
    <message>
        <source>Opens the import panel to bring in a series of past numbers.</source>
        <translation>Otwiera panel importu, by wczytać serię dawnych liczb.</translation>
    </message>
    <message>
        <source>Saves the history as a text file, one number per line.</source>
        <translation>Zapisuje historię jako plik tekstowy, jedna liczba w wierszu.</translation>
    </message>
    <message>
        <source>Minimises the window.</source>
        <translation>Minimalizuje okno.</translation>
    </message>
    <message>
        <source>Closes Rotacle.</source>
        <translation>Zamyka Rotacle.</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>Pomoc (F1)</translation>
    </message>
    <message>
        <source>The bankroll; the stake of the shown bet is already taken from it.</source>
        <translation>Kapitał; stawka pokazanego zakładu jest już z niego pobrana.</translation>
    </message>
    <message>
        <source>Takes back the last number entered.</source>
        <translation>Cofa ostatnią wprowadzoną liczbę.</translation>
    </message>
    <message>
        <source>Undo is offered again once two more numbers are entered.</source>
        <translation>Cofanie będzie znów możliwe po dwóch kolejnych liczbach.</translation>
    </message>
    <message>
        <source>Red lamp: the safety level is more than one lost proposal away.</source>
        <translation>Czerwona lampka: poziom bezpieczeństwa jest dalej niż jedna przegrana propozycja.</translation>
    </message>
    <message>
        <source>Green lamp: the safety level is reached or one lost proposal away.</source>
        <translation>Zielona lampka: poziom bezpieczeństwa osiągnięty lub o jedną przegraną propozycję.</translation>
    </message>
    <message>
        <source>Withdraws the shown bet; its stake goes back to the bankroll.</source>
        <translation>Wycofuje pokazany zakład; stawka wraca do kapitału.</translation>
    </message>
    <message>
        <source>No bet is shown that could be withdrawn.</source>
        <translation>Brak zakładu do wycofania.</translation>
    </message>
    <message>
        <source>Opens the settings area with the betting settings.</source>
        <translation>Otwiera obszar ustawień obstawiania.</translation>
    </message>
    <message>
        <source>Closes the settings area.</source>
        <translation>Zamyka obszar ustawień.</translation>
    </message>
    <message>
        <source>Opens the statistics window: the bankroll chart, hits and absences of the chances and numbers, the session summary (S).</source>
        <translation>Otwiera okno statystyk: wykres kapitału, trafienia i nieobecności szans i liczb, podsumowanie sesji (S).</translation>
    </message>
    <message>
        <source>Loads the betting settings from a .rtk file.</source>
        <translation>Wczytuje ustawienia obstawiania z pliku .rtk.</translation>
    </message>
    <message>
        <source>Saves the betting settings to a .rtk file.</source>
        <translation>Zapisuje ustawienia obstawiania do pliku .rtk.</translation>
    </message>
    <message>
        <source>Reads the numbers of a live-casino history page copied to the clipboard.</source>
        <translation>Odczytuje liczby ze strony historii kasyna na żywo skopiowanej do schowka.</translation>
    </message>
    <message>
        <source>A pasted page is being read.</source>
        <translation>Trwa odczyt wklejonej strony.</translation>
    </message>
    <message>
        <source>Reads the numbers of a text file.</source>
        <translation>Odczytuje liczby z pliku tekstowego.</translation>
    </message>
    <message>
        <source>Replaces the history with the numbers read; no bet is settled.</source>
        <translation>Zastępuje historię odczytanymi liczbami; żaden zakład nie jest rozliczany.</translation>
    </message>
    <message>
        <source>Closes the import panel; the history stays as it is.</source>
        <translation>Zamyka panel importu; historia pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>The initial bet: the stake every staking cycle starts from.</source>
        <translation>Stawka początkowa: stawka, od której zaczyna się każdy cykl.</translation>
    </message>
    <message>
        <source>The game mode that proposes the field to bet on. Fixed in this version: SMART 2025 plays, and a choice snaps back to it.</source>
        <translation>Tryb gry, który proponuje szansę do obstawienia. Stały w tej wersji: gra SMART 2025, wybór wraca do niego.</translation>
    </message>
    <message>
        <source>The name of the betting system that the staking rules below stand for; the stake always follows those rules. Fixed in this version: a choice snaps back, a settings file may show another name.</source>
        <translation>Nazwa systemu obstawiania, który oznaczają zasady stawek poniżej; stawka zawsze podąża za nimi. Stała w tej wersji: wybór wraca, plik ustawień może pokazać inną nazwę.</translation>
    </message>
    <message>
        <source>Shows the bankroll and lets you set the test bank.</source>
        <translation>Pokazuje kapitał i pozwala ustawić bank testowy.</translation>
    </message>
    <message>
        <source>The starting bankroll.</source>
        <translation>Kapitał początkowy.</translation>
    </message>
    <message>
        <source>After how many of the counted losses the loss rule changes the stake. Fixed in this version: only a settings file changes it.</source>
        <translation>Po ilu liczonych przegranych zasada strat zmienia stawkę. Stałe w tej wersji: zmienia je tylko plik ustawień.</translation>
    </message>
    <message>
        <source>What the loss rule counts: losses, losses in a row or units of drawdown. Fixed in this version: a choice snaps back; a settings file may set it.</source>
        <translation>Co liczy zasada strat: przegrane, przegrane z rzędu lub jednostki spadku. Stałe w tej wersji: wybór wraca; plik ustawień może to ustawić.</translation>
    </message>
    <message>
        <source>What the loss rule does to the stake. Fixed in this version at ADD to bet: a choice snaps back.</source>
        <translation>Co zasada strat robi ze stawką. Stałe w tej wersji na DODAJ do stawki: wybór wraca.</translation>
    </message>
    <message>
        <source>The amount by which the loss rule changes the stake: the initial bet. Fixed in this version: it follows the initial bet, or a settings file.</source>
        <translation>Kwota, o jaką zasada strat zmienia stawkę: stawka początkowa. Stała w tej wersji: podąża za stawką początkową lub plikiem ustawień.</translation>
    </message>
    <message>
        <source>After how many of the counted wins the win rule changes the stake. Fixed in this version: only a settings file changes it.</source>
        <translation>Po ilu liczonych wygranych zasada wygranych zmienia stawkę. Stałe w tej wersji: zmienia je tylko plik ustawień.</translation>
    </message>
    <message>
        <source>What the win rule counts: wins, wins in a row or units of profit. Fixed in this version: a choice snaps back; a settings file may set it.</source>
        <translation>Co liczy zasada wygranych: wygrane, wygrane z rzędu lub jednostki zysku. Stałe w tej wersji: wybór wraca; plik ustawień może to ustawić.</translation>
    </message>
    <message>
        <source>What the win rule does to the stake. Fixed in this version at ADD to bet: a choice snaps back.</source>
        <translation>Co zasada wygranych robi ze stawką. Stałe w tej wersji na DODAJ do stawki: wybór wraca.</translation>
    </message>
    <message>
        <source>The amount by which the win rule changes the stake: the initial bet. Fixed in this version: it follows the initial bet, or a settings file.</source>
        <translation>Kwota, o jaką zasada wygranych zmienia stawkę: stawka początkowa. Stała w tej wersji: podąża za stawką początkową lub plikiem ustawień.</translation>
    </message>
    <message>
        <source>Trims the stake so that a win just reaches the cycle target.</source>
        <translation>Przycina stawkę, by wygrana akurat osiągnęła cel cyklu.</translation>
    </message>
    <message>
        <source>Returns the stake to the initial bet when the bankroll reaches the cycle target.</source>
        <translation>Przywraca stawkę początkową, gdy kapitał osiągnie cel cyklu.</translation>
    </message>
    <message>
        <source>Shows a proposal only after this many proposals in a row have lost (0: always).</source>
        <translation>Pokazuje propozycję dopiero po tylu przegranych propozycjach z rzędu (0: zawsze).</translation>
    </message>
    <message>
        <source>Builds the matrix from the recent spins.</source>
        <translation>Tworzy macierz z ostatnich spinów.</translation>
    </message>
    <message>
        <source>Clears the matrix.</source>
        <translation>Czyści macierz.</translation>
    </message>
    <message>
        <source>The direction in which the matrix looks for its pattern.</source>
        <translation>Kierunek, w którym macierz szuka wzoru.</translation>
    </message>
    <message>
        <source>How many bets are played before the matrix is rebuilt.</source>
        <translation>Ile zakładów gra się przed odbudową macierzy.</translation>
    </message>
    <message>
        <source>Keeps the number of replayed spins instead of following the history.</source>
        <translation>Zachowuje liczbę powtarzanych spinów zamiast podążać za historią.</translation>
    </message>
    <message>
        <source>How many recent spins the matrix replays.</source>
        <translation>Ile ostatnich spinów powtarza macierz.</translation>
    </message>
    <message>
        <source>Rebuilds the matrix once the profit reaches the units set beside it.</source>
        <translation>Odbudowuje macierz, gdy zysk osiągnie ustawione obok jednostki.</translation>
    </message>
    <message>
        <source>The profit, in initial bets, that rebuilds the matrix.</source>
        <translation>Zysk w stawkach początkowych, który odbudowuje macierz.</translation>
    </message>
    <message>
        <source>Re-bases the rule amounts when the stake reaches the step times the initial bet.</source>
        <translation>Przelicza kwoty zasad, gdy stawka osiągnie krok razy stawkę początkową.</translation>
    </message>
    <message>
        <source>The step: the multiple of the initial bet that starts a phase correction.</source>
        <translation>Krok: wielokrotność stawki początkowej, która uruchamia korektę fazy.</translation>
    </message>
    <message>
        <source>Flat index: +18 for every won bet, -18 for every lost one, whatever the stakes: wins against losses.</source>
        <translation>Indeks płaski: +18 za każdą wygraną, -18 za każdą przegraną, bez względu na stawki: wygrane przeciw przegranym.</translation>
    </message>
    <message>
        <source>Numbers in game: the numbers in the history.</source>
        <translation>Liczby w grze: liczby w historii.</translation>
    </message>
    <message>
        <source>Starts a new staking cycle at the initial bet.</source>
        <translation>Zaczyna nowy cykl od stawki początkowej.</translation>
    </message>
    <message>
        <source>Starts a new game: the history is cleared, the bankroll kept.</source>
        <translation>Zaczyna nową grę: historia jest czyszczona, kapitał zostaje.</translation>
    </message>
    <message>
        <source>Shows the stake beside the chip.</source>
        <translation>Pokazuje stawkę obok żetonu.</translation>
    </message>
    <message>
        <source>Shows each proposal at once, without the run across the board.</source>
        <translation>Pokazuje każdą propozycję od razu, bez przebiegu po stole.</translation>
    </message>
    <message>
        <source>La partage: a zero gives half of the stake back; the bet still counts as lost.</source>
        <translation>La partage: zero zwraca połowę stawki; zakład i tak liczy się jako przegrany.</translation>
    </message>
    <message>
        <source>Loss limit: play stops when the session has lost this much (OFF: no limit).</source>
        <translation>Limit strat: gra staje, gdy sesja straci tyle (WYŁ.: bez limitu).</translation>
    </message>
    <message>
        <source>Profit goal: play stops when the session has won this much (OFF: no goal).</source>
        <translation>Cel zysku: gra staje, gdy sesja wygra tyle (WYŁ.: bez celu).</translation>
    </message>
    <message>
        <source>Time limit: play stops after this many minutes (OFF: no limit).</source>
        <translation>Limit czasu: gra staje po tylu minutach (WYŁ.: bez limitu).</translation>
    </message>
    <message>
        <source>Spin limit: play stops after this many spins (OFF: no limit).</source>
        <translation>Limit spinów: gra staje po tylu spinach (WYŁ.: bez limitu).</translation>
    </message>
    <message>
        <source>Plays on; the limit that stopped play counts again from here.</source>
        <translation>Gra dalej; limit, który zatrzymał grę, liczy się od nowa.</translation>
    </message>
    <message>
        <source>Starts a new game: the history is cleared, the session counts from now.</source>
        <translation>Zaczyna nową grę: historia jest czyszczona, sesja liczy się od teraz.</translation>
    </message>
    <message>
        <source>Reality check: every this many minutes, play pauses to show the time and result.</source>
        <translation>Sprawdzenie rzeczywistości: co tyle minut gra się zatrzymuje, by pokazać czas i wynik.</translation>
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
        <translation>Parzyste</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Nieparzyste</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwone</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Czarne</translation>
    </message>
    <message>
        <source>Enter %1 as the number the wheel produced.</source>
        <translation>Wprowadza %1 jako wylosowaną liczbę.</translation>
    </message>
    <message>
        <source>Prefer %1: a proposal of %2 is turned to %1.</source>
        <translation>Preferuj %1: propozycja %2 zmienia się w %1.</translation>
    </message>
    <message>
        <source>Drops the preference for %1.</source>
        <translation>Usuwa preferencję dla %1.</translation>
    </message>
    <message>
        <source>Reset: BETS starts a new staking cycle, APP starts a new game.</source>
        <translation>Reset: STAWKI zaczyna nowy cykl stawek, APLIK. nową grę.</translation>
    </message>
    <message>
        <source>Bets played in this game (since APP; an import goes on counting), counted as each number is entered: SKIP takes a bet off, UNDO keeps it until the next number.</source>
        <translation>Zakłady rozegrane w tej grze (od APLIK.; import liczy dalej), liczone przy każdej wprowadzonej liczbie: POMIŃ odejmuje zakład, COFNIJ zachowuje go do następnej liczby.</translation>
    </message>
    <message>
        <source>Staking systems to choose from, with the first stakes each puts on the table.</source>
        <translation>Systemy stawek do wyboru, z pierwszymi stawkami, które każdy kładzie na stół.</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>A new version of Rotacle is ready. It starts the next time you open Rotacle.</source>
        <translation>Nowa wersja Rotacle jest gotowa. Uruchomi się przy następnym otwarciu Rotacle.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>roulette table</source>
        <translation>stół do ruletki</translation>
    </message>
    <message>
        <source>table</source>
        <translation>stół</translation>
    </message>
    <message>
        <source>commands</source>
        <translation>polecenia</translation>
    </message>
    <message>
        <source>numbers</source>
        <translation>liczby</translation>
    </message>
    <message>
        <source>even chances</source>
        <translation>szanse proste</translation>
    </message>
    <message>
        <source>Press Ctrl+V (⌘V on a Mac) to paste the page.</source>
        <translation>Naciśnij Ctrl+V (⌘V na Macu), aby wkleić stronę.</translation>
    </message>
    <message>
        <source>This browser keeps no data for pages (IndexedDB).</source>
        <translation>Ta przeglądarka nie przechowuje danych dla stron (IndexedDB).</translation>
    </message>
</context>
</TS>
