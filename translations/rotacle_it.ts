<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Accessible</name>
    <message>
        <source>%1, green</source>
        <translation>%1, verde</translation>
    </message>
    <message>
        <source>%1, red</source>
        <translation>%1, rosso</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, nero</translation>
    </message>
    <message>
        <source>proposal: stake %1 on %2</source>
        <translation>proposta: posta %1 su %2</translation>
    </message>
    <message>
        <source>won: stake %1 on %2, bankroll %3</source>
        <translation>vinto: posta %1 su %2, capitale %3</translation>
    </message>
    <message>
        <source>lost: stake %1 on %2, bankroll %3</source>
        <translation>perso: posta %1 su %2, capitale %3</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>errore: %1</translation>
    </message>
    <message>
        <source>trend: %1</source>
        <translation>tendenza: %1</translation>
    </message>
    <message>
        <source>%1 field, lit</source>
        <translation>campo %1, illuminato</translation>
    </message>
    <message>
        <source>chip on %1</source>
        <translation>fiche su %1</translation>
    </message>
    <message>
        <source>stake %1 on %2</source>
        <translation>posta %1 su %2</translation>
    </message>
    <message>
        <source>safe level lamp: off (red)</source>
        <translation>spia del livello di sicurezza: spenta (rossa)</translation>
    </message>
    <message>
        <source>safe level lamp: on (green)</source>
        <translation>spia del livello di sicurezza: accesa (verde)</translation>
    </message>
    <message>
        <source>minimise</source>
        <translation>riduci a icona</translation>
    </message>
    <message>
        <source>close</source>
        <translation>chiudi</translation>
    </message>
    <message>
        <source>help</source>
        <translation>aiuto</translation>
    </message>
    <message>
        <source>%1, not available</source>
        <translation>%1, non disponibile</translation>
    </message>
    <message>
        <source>import panel</source>
        <translation>pannello di importazione</translation>
    </message>
    <message>
        <source>bankroll %1</source>
        <translation>capitale %1</translation>
    </message>
    <message>
        <source>bets played %1</source>
        <translation>puntate giocate %1</translation>
    </message>
    <message>
        <source>flat index %1</source>
        <translation>indice piatto %1</translation>
    </message>
    <message>
        <source>numbers in game %1</source>
        <translation>numeri in gioco %1</translation>
    </message>
    <message>
        <source>run progress</source>
        <translation>avanzamento del calcolo</translation>
    </message>
    <message>
        <source>import progress</source>
        <translation>avanzamento dell&apos;importazione</translation>
    </message>
    <message>
        <source>history</source>
        <translation>cronologia</translation>
    </message>
    <message>
        <source>losses before the action</source>
        <translation>perdite prima dell&apos;azione</translation>
    </message>
    <message>
        <source>kind of loss</source>
        <translation>tipo di perdita</translation>
    </message>
    <message>
        <source>action after losses</source>
        <translation>azione dopo le perdite</translation>
    </message>
    <message>
        <source>value of the action after losses</source>
        <translation>valore dell&apos;azione dopo le perdite</translation>
    </message>
    <message>
        <source>wins before the action</source>
        <translation>vincite prima dell&apos;azione</translation>
    </message>
    <message>
        <source>kind of win</source>
        <translation>tipo di vincita</translation>
    </message>
    <message>
        <source>action after wins</source>
        <translation>azione dopo le vincite</translation>
    </message>
    <message>
        <source>value of the action after wins</source>
        <translation>valore dell&apos;azione dopo le vincite</translation>
    </message>
    <message>
        <source>language</source>
        <translation>lingua</translation>
    </message>
    <message>
        <source>matrix build progress</source>
        <translation>avanzamento della matrice</translation>
    </message>
    <message>
        <source>safe level %1</source>
        <translation>livello di sicurezza %1</translation>
    </message>
    <message>
        <source>bet won</source>
        <translation>puntata vinta</translation>
    </message>
    <message>
        <source>bet lost</source>
        <translation>puntata persa</translation>
    </message>
    <message>
        <source>session resumed: %1 numbers</source>
        <translation>sessione ripresa: %1 numeri</translation>
    </message>
    <message>
        <source>proposal: stake %1 on %2, more than the money held (%3)</source>
        <translation>proposta: posta %1 su %2, più del denaro in mano (%3)</translation>
    </message>
    <message>
        <source>no bet</source>
        <translation>nessuna puntata</translation>
    </message>
    <message>
        <source>not taken</source>
        <translation>non accettato</translation>
    </message>
    <message>
        <source>waiting: %1</source>
        <translation>in attesa: %1</translation>
    </message>
    <message>
        <source>import panel open</source>
        <translation>pannello di importazione aperto</translation>
    </message>
    <message>
        <source>import panel open: %1</source>
        <translation>pannello di importazione aperto: %1</translation>
    </message>
    <message>
        <source>last %1</source>
        <translation>ultimo %1</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Numbers in game:</source>
        <translation>Numeri in gioco:</translation>
    </message>
    <message>
        <source>Bets played:</source>
        <translation>Puntate:</translation>
    </message>
    <message>
        <source>Flat index:</source>
        <translation>Indice flat:</translation>
    </message>
    <message>
        <source>EVEN CHANCE ASSISTANT</source>
        <translation>ASSISTENTE CHANCE SEMPLICI</translation>
    </message>
    <message>
        <source>IMPORT NUMBERS</source>
        <translation>IMPORTA NUMERI</translation>
    </message>
    <message>
        <source>From a saved Evolution history page or a text file</source>
        <translation>Da una pagina Evolution salvata o da un file di testo</translation>
    </message>
    <message>
        <source>The numbers replace the history, oldest first.</source>
        <translation>I numeri sostituiscono la cronologia, dal più vecchio.</translation>
    </message>
    <message>
        <source>No bet is settled and no game mode runs.</source>
        <translation>Nessuna puntata è regolata e nessun modo di gioco parte.</translation>
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
        <translation>PARI</translation>
    </message>
    <message>
        <source>ODD</source>
        <translation>DISPARI</translation>
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
&lt;p&gt;Rotacle segue un tavolo di roulette europea (uno zero) e propone una delle sei chance
semplici &amp;mdash; Manque (1-18), Passe (19-36), Pari, Dispari, Rosso, Nero &amp;mdash; con la posta che
danno le tue regole di puntata.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Entering numbers&lt;/h3&gt;
&lt;p&gt;Click the cell of the number the wheel produced, or type its digits and press Enter or
Space. Backspace takes back a typed digit, Esc drops the typed digits. A number clicked or typed
while the board is busy waits (&amp;ldquo;waiting: 5 36&amp;rdquo; under the history) and is entered after
the run; meanwhile UNDO only takes back a waiting number.&lt;/p&gt;
&lt;p&gt;Keys: &lt;b&gt;Ctrl+Z&lt;/b&gt; undo (a number still waiting is taken back first), &lt;b&gt;Ctrl+Q&lt;/b&gt; quit, &lt;b&gt;F1&lt;/b&gt; this help, &lt;b&gt;S&lt;/b&gt; the statistics window, &lt;b&gt;Esc&lt;/b&gt; closes the
import panel or the settings area.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Inserire i numeri&lt;/h3&gt;
&lt;p&gt;Fai clic sulla casella del numero uscito, oppure digita le sue cifre e premi Invio o Spazio.
Backspace toglie una cifra digitata, Esc cancella le cifre digitate. Un numero cliccato o digitato
mentre il tavolo è occupato attende (&amp;ldquo;in attesa: 5 36&amp;rdquo; sotto la cronologia) e viene
inserito dopo la corsa; nel frattempo ANNULLA toglie solo un numero in attesa.&lt;/p&gt;
&lt;p&gt;Tasti: &lt;b&gt;Ctrl+Z&lt;/b&gt; annulla (un numero ancora in attesa viene tolto per primo), &lt;b&gt;Ctrl+Q&lt;/b&gt;
esci, &lt;b&gt;F1&lt;/b&gt; questo aiuto, &lt;b&gt;S&lt;/b&gt; la finestra delle statistiche, &lt;b&gt;Esc&lt;/b&gt; chiude il pannello
di importazione o l&apos;area delle impostazioni.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The chip and the stake&lt;/h3&gt;
&lt;p&gt;The chip marks the field to bet on next; the tag beside it is the stake. The stake is already
taken from the bankroll: a win brings it back with as much again, a loss keeps it.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;La fiche e la posta&lt;/h3&gt;
&lt;p&gt;La fiche segna la chance su cui puntare dopo; l&apos;etichetta accanto è la posta. La posta è già
tolta dal capitale: una vincita la restituisce raddoppiata, una perdita la trattiene.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The first numbers&lt;/h3&gt;
&lt;p&gt;The first four numbers are only recorded. From the fifth a proposal is shown; from the sixth
each number first settles the previous proposal.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;I primi numeri&lt;/h3&gt;
&lt;p&gt;I primi quattro numeri vengono solo registrati. Dal quinto viene mostrata una proposta; dal
sesto ogni numero regola prima la proposta precedente.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Undo and skip&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;UNDO&lt;/b&gt; takes back the last number entered: the bankroll and the bet return to what they
were before it. It is offered again once two more numbers are entered. &lt;b&gt;SKIP&lt;/b&gt; withdraws the shown bet: its stake goes
back to the bankroll and nothing is settled on it.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Annulla e salta&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;ANNULLA&lt;/b&gt; toglie l&apos;ultimo numero inserito: capitale e puntata tornano com&apos;erano prima.
Torna disponibile dopo altri due numeri. &lt;b&gt;SALTA&lt;/b&gt; ritira la puntata mostrata: la posta torna al
capitale e nulla viene regolato su di essa.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;Regole di puntata&lt;/h3&gt;
&lt;p&gt;Un ciclo parte dalla &lt;b&gt;puntata iniziale&lt;/b&gt;. La regola di perdita (&amp;ldquo;DOPO n perdite
&amp;hellip;&amp;rdquo;) e la regola di vincita (&amp;ldquo;DOPO n vincite &amp;hellip;&amp;rdquo;) aggiungono,
sottraggono, moltiplicano, dividono o impostano la posta del loro importo. L&apos;&lt;b&gt;azzeramento
automatico&lt;/b&gt; riporta la posta alla puntata iniziale quando il capitale raggiunge l&apos;obiettivo del
ciclo; il &lt;b&gt;profitto minimo&lt;/b&gt; riduce la posta perché una vincita raggiunga appena quell&apos;obiettivo.
La &lt;b&gt;correzione di fase&lt;/b&gt; ricalcola gli importi delle regole quando la posta raggiunge il passo
per la puntata iniziale.&lt;/p&gt;
&lt;p&gt;Alcuni controlli sono fissi in questa versione: la modalità (gioca SMART 2025), la lista dei
sistemi e le liste delle regole tornano indietro quando scegli un&apos;altra voce, e i numeri DOPO e gli
importi delle regole prendono i valori dalla puntata iniziale o da un file di impostazioni
(CARICA). I loro suggerimenti lo dicono. Invio o Esc chiude una modifica, e le cifre seguenti vanno
di nuovo al tavolo.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Import and export&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;IMPORT&lt;/b&gt; opens a panel: paste a live-casino history page from the clipboard, or load a
text file of numbers, then IMPORT replaces the history with them without settling any bet
(it asks first when the history holds numbers).
&lt;b&gt;EXPORT&lt;/b&gt; saves the history as a text file, one number per line.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Importare ed esportare&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;IMPORTA&lt;/b&gt; apre un pannello: incolla dagli appunti una pagina di cronologia di un casinò
live, o carica un file di testo di numeri; IMPORTA sostituisce poi la cronologia con essi senza
regolare alcuna puntata (chiede prima se la cronologia contiene numeri).
&lt;b&gt;ESPORTA&lt;/b&gt; salva la cronologia in un file di testo, un numero per riga.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The expected loss&lt;/h3&gt;
&lt;p&gt;With one zero the house edge is 1/37: every stake on an even chance loses 1/37 of its amount
on average. No staking rule changes that: over many bets the expected result is 1/37 of the
total staked, lost.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;La perdita attesa&lt;/h3&gt;
&lt;p&gt;Con uno zero il vantaggio del banco è 1/37: ogni posta su una chance semplice perde in media
1/37 del suo importo. Nessuna regola di puntata lo cambia: su molte puntate il risultato atteso è
1/37 del totale puntato, perso.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;Spie e pulsanti di tendenza&lt;/h3&gt;
&lt;table cellspacing=&quot;6&quot;&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:lamp-far&quot; width=&quot;20&quot; height=&quot;20&quot;&gt;&lt;/td&gt;
&lt;td&gt;Livello di sicurezza ancora a più di una proposta persa. Con LIVELLO SICUREZZA n, una proposta
viene mostrata solo dopo n proposte perse di fila.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:lamp-near&quot; width=&quot;20&quot; height=&quot;20&quot;&gt;&lt;/td&gt;
&lt;td&gt;Livello di sicurezza raggiunto, o a una proposta persa.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:trend-0&quot; width=&quot;62&quot; height=&quot;18&quot;&gt;&lt;/td&gt;
&lt;td&gt;Un pulsante di tendenza a riposo, sopra la sua chance.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:trend-1&quot; width=&quot;62&quot; height=&quot;18&quot;&gt;&lt;/td&gt;
&lt;td&gt;Sotto il puntatore: un clic preferisce questo lato della coppia.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:trend-2&quot; width=&quot;62&quot; height=&quot;18&quot;&gt;&lt;/td&gt;
&lt;td&gt;Questo lato è preferito: una proposta dell&apos;altro lato della coppia viene girata su di esso. Un
clic toglie la preferenza.&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;</translation>
    </message>
    <message>
        <source>Rotacle 8.0 &amp;mdash; version %1&lt;br&gt;
All rights reserved. No warranty: roulette has a house edge.</source>
        <translation>Rotacle 8.0 &amp;mdash; versione %1&lt;br&gt;
Tutti i diritti riservati. Nessuna garanzia: la roulette ha un vantaggio del banco.</translation>
    </message>
    <message>
        <source>Rotacle 8.0 — Help</source>
        <translation>Rotacle 8.0 — Aiuto</translation>
    </message>
    <message>
        <source>  Previous sessions</source>
        <translation>  Sessioni precedenti</translation>
    </message>
    <message>
        <source>Sessions kept beside this one, newest first</source>
        <translation>Sessioni conservate accanto a questa, la più recente prima</translation>
    </message>
    <message>
        <source>RESUME</source>
        <translation>RIPRENDI</translation>
    </message>
    <message>
        <source>Resume the chosen session; this one is kept beside it</source>
        <translation>Riprende la sessione scelta; questa viene conservata accanto</translation>
    </message>
    <message>
        <source>  —  %1 numbers, bankroll %2</source>
        <translation>  —  %1 numeri, capitale %2</translation>
    </message>
    <message>
        <source>  —  cannot be resumed</source>
        <translation>  —  non riprendibile</translation>
    </message>
    <message>
        <source>&lt;h3&gt;La partage&lt;/h3&gt;
&lt;p&gt;With &lt;b&gt;LA PARTAGE&lt;/b&gt; ticked in the settings area, a bet lost to the zero gives half of its
stake back; the staking rules still count it as lost. The house edge on the even chances is then
1/74 instead of 1/37, and the statistics window&apos;s expected result counts 1/74 of what was staked
under it.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;La partage&lt;/h3&gt;
&lt;p&gt;Con &lt;b&gt;LA PARTAGE&lt;/b&gt; spuntata nell&apos;area delle impostazioni, una puntata persa sullo zero
restituisce metà della posta; le regole di puntata la contano comunque come persa. Il vantaggio del
banco sulle chance semplici è allora 1/74 invece di 1/37, e il risultato atteso della finestra
delle statistiche conta 1/74 di quanto puntato con questa regola.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Session limits and the reality check&lt;/h3&gt;
&lt;p&gt;The limits in the settings area stop play when one is reached: &lt;b&gt;LOSS&lt;/b&gt; and
&lt;b&gt;PROFIT&lt;/b&gt; count the money held (the bankroll and the stake on the table) from the moment the
limit was set, &lt;b&gt;MIN&lt;/b&gt; the minutes played and &lt;b&gt;SPINS&lt;/b&gt; the numbers entered. Play then
stands still until you go on (that limit counts again from there) or start a new game. An
optional limit stops play when a stake would be larger than the money held. &lt;b&gt;CHECK&lt;/b&gt; is the
reality check: every so many minutes play pauses to show the time played and the result.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Limiti di sessione e verifica di realtà&lt;/h3&gt;
&lt;p&gt;I limiti nell&apos;area delle impostazioni fermano il gioco quando uno viene raggiunto: &lt;b&gt;PERD.&lt;/b&gt; e
&lt;b&gt;PROF.&lt;/b&gt; contano il denaro in mano (il capitale e la posta sul tavolo) dal momento in cui il
limite è stato fissato, &lt;b&gt;MIN&lt;/b&gt; i minuti giocati e &lt;b&gt;GIRI&lt;/b&gt; i numeri inseriti. Il gioco resta
fermo finché non si continua (quel limite riparte da lì) o si inizia una nuova partita. Un limite
facoltativo ferma il gioco quando una posta supererebbe il denaro in mano. &lt;b&gt;AVVISO&lt;/b&gt; è la
verifica di realtà: ogni tanti minuti il gioco si ferma per mostrare il tempo giocato e il
risultato.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The Risk tab&lt;/h3&gt;
&lt;p&gt;The statistics window&apos;s &lt;b&gt;Risk&lt;/b&gt; tab plays many whole sessions from the table&apos;s bankroll on
a random wheel, each until it reaches the target, is ruined or has played the most spins, and
shows how often each happened, the spread of the results and the expected loss. It plays the
table&apos;s settings, or flat or martingale staking, with the table&apos;s zero rule or another; the same
seed plays the same sessions, as &lt;code&gt;rotacle-sim risk&lt;/code&gt; does.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;La scheda Rischio&lt;/h3&gt;
&lt;p&gt;La scheda &lt;b&gt;Rischio&lt;/b&gt; della finestra delle statistiche gioca molte sessioni intere dal capitale
del tavolo su una ruota casuale, ciascuna finché raggiunge l&apos;obiettivo, va in rovina o ha giocato il
massimo dei giri, e mostra quanto spesso è successo ciascun esito, la dispersione dei risultati e la
perdita attesa. Gioca le impostazioni del tavolo, oppure poste piatte o la martingala, con la regola
dello zero del tavolo o un&apos;altra; lo stesso seme gioca le stesse sessioni, come
&lt;code&gt;rotacle-sim risk&lt;/code&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Staking dialog&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;STAKING&amp;hellip;&lt;/b&gt; in the settings area sets the staking rules in one place, from presets
(the defaults, flat, martingale, d&apos;Alembert) with a preview of the first stakes after losses and
wins.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Finestra delle puntate&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;SISTEMI&amp;hellip;&lt;/b&gt; nell&apos;area delle impostazioni fissa le regole di puntata in un solo punto,
da modelli (i valori predefiniti, piatta, martingala, d&apos;Alembert) con un&apos;anteprima delle prime poste
dopo perdite e vincite.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;La riga delle statistiche&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;Numeri in gioco&lt;/b&gt; conta i numeri nella cronologia. &lt;b&gt;Puntate&lt;/b&gt; conta le proposte mostrate
come puntate in questa partita (da APP; un&apos;importazione continua a contare), a ogni numero
inserito: una puntata ritirata con SALTA viene tolta di nuovo, una tolta con ANNULLA resta contata
fino al numero seguente. La finestra delle statistiche conta solo le puntate della cronologia.
L&apos;&lt;b&gt;indice flat&lt;/b&gt; dice come sono andate le puntate qualunque sia la loro posta: aggiunge 18 per
ogni puntata vinta e toglie 18 per ogni puntata persa (18 numeri vincono su una chance semplice),
quindi vale 18 volte le puntate vinte meno quelle perse; un numero senza puntata sul tavolo lo lascia
invariato.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source> This session is not journaled.</source>
        <translation> Questa sessione non ha giornale.</translation>
    </message>
    <message>
        <source>The session journal cannot be written (%1). Play goes on; the journal catches up as soon as there is room again.</source>
        <translation>Impossibile scrivere il giornale della sessione (%1). Il gioco continua; il giornale si rimette in pari appena c&apos;è di nuovo spazio.</translation>
    </message>
    <message>
        <source>Every session journal is open in another Rotacle window. This session is not journaled.</source>
        <translation>Ogni giornale di sessione è aperto in un&apos;altra finestra di Rotacle. Questa sessione non ha giornale.</translation>
    </message>
    <message>
        <source>The last session is open in another Rotacle window. This window starts a session of its own.</source>
        <translation>L&apos;ultima sessione è aperta in un&apos;altra finestra di Rotacle. Questa finestra avvia una sessione propria.</translation>
    </message>
    <message>
        <source>The journal holds an action this version does not know; the session is resumed up to it.</source>
        <translation>Il giornale contiene un&apos;azione che questa versione non conosce; la sessione è ripresa fino a essa.</translation>
    </message>
    <message>
        <source> It is kept as %1; a new session starts.</source>
        <translation> È conservata come %1; inizia una nuova sessione.</translation>
    </message>
    <message>
        <source>This window keeps no session journal: the kept session cannot be resumed here.</source>
        <translation>Questa finestra non tiene un giornale di sessione: la sessione conservata non può essere ripresa qui.</translation>
    </message>
    <message>
        <source>Resume the session kept as %1? This session is kept beside it, and Rotacle starts again.</source>
        <translation>Riprendere la sessione conservata come %1? Questa sessione viene conservata accanto e Rotacle riparte.</translation>
    </message>
    <message>
        <source>Record %1 of the journal enters a number while play stood still at a session limit; the session is resumed up to it.</source>
        <translation>La voce %1 del giornale inserisce un numero mentre il gioco era fermo a un limite di sessione; la sessione è ripresa fino a essa.</translation>
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
        <translation>PERSONALIZZATO</translation>
    </message>
    <message>
        <source>Martingale (x2 on loss)</source>
        <translation>Martingala (x2 se perde)</translation>
    </message>
    <message>
        <source>Parlay (x2 on win)</source>
        <translation>Paroli (x2 se vince)</translation>
    </message>
    <message>
        <source>Donald (+1 on loss / -1 on win)</source>
        <translation>D&apos;Alembert (+1 / -1)</translation>
    </message>
    <message>
        <source>Chernyshov (x3 on loss)</source>
        <translation>Chernyshov (x3 se perde)</translation>
    </message>
    <message>
        <source>Blind (+1 each spin)</source>
        <translation>Cieco (+1 a ogni giro)</translation>
    </message>
    <message>
        <source>Up-trender (+1 on win)</source>
        <translation>Al rialzo (+1 se vince)</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Perdite</translation>
    </message>
    <message>
        <source>Losses In A Row</source>
        <translation>Perdite di fila</translation>
    </message>
    <message>
        <source>Units drawdown</source>
        <translation>Unità di calo</translation>
    </message>
    <message>
        <source>ADD to bet:</source>
        <translation>AGGIUNGI:</translation>
    </message>
    <message>
        <source>SUBTRACT:</source>
        <translation>SOTTRAI:</translation>
    </message>
    <message>
        <source>MULTIPLY bet by:</source>
        <translation>MOLTIPLICA per:</translation>
    </message>
    <message>
        <source>DIVIDE bet by:</source>
        <translation>DIVIDI puntata per:</translation>
    </message>
    <message>
        <source>SET bet to:</source>
        <translation>IMPOSTA a:</translation>
    </message>
    <message>
        <source>Check WINS</source>
        <translation>Vedi VINCITE</translation>
    </message>
    <message>
        <source>DO NOTHING</source>
        <translation>NIENTE</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Vincite</translation>
    </message>
    <message>
        <source>Wins In A Row</source>
        <translation>Vincite di fila</translation>
    </message>
    <message>
        <source>Units of profit</source>
        <translation>Unità di profitto</translation>
    </message>
    <message>
        <source>UPTREND</source>
        <translation>RIALZO</translation>
    </message>
    <message>
        <source>DOWNTREND</source>
        <translation>RIBASSO</translation>
    </message>
    <message>
        <source>Less</source>
        <translation>Manque</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Pari</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Dispari</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Passe</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTA</translation>
    </message>
    <message>
        <source>IMPORT (%1)</source>
        <translation>IMPORTA (%1)</translation>
    </message>
    <message>
        <source>Text File</source>
        <translation>File di testo</translation>
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
        <translation>&apos;%1&apos; non è un numero decimale valido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; non è un numero intero valido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid amount: the largest is %2</source>
        <translation>&apos;%1&apos; non è un importo valido: il massimo è %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid amount: the smallest is %2</source>
        <translation>&apos;%1&apos; non è un importo valido: il minimo è %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a roulette number (0 to 36)</source>
        <translation>&apos;%1&apos; non è un numero della roulette (da 0 a 36)</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Riga %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossibile aprire il file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Impossibile leggere il file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossibile creare il file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Impossibile scrivere il file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>The page cannot be read: %1.</source>
        <translation>Impossibile leggere la pagina: %1.</translation>
    </message>
    <message>
        <source>The page cannot be read: it holds %1 bytes, more than the limit of %2 MB (%3 bytes).</source>
        <translation>Impossibile leggere la pagina: contiene %1 byte, oltre il limite di %2 MB (%3 byte).</translation>
    </message>
    <message>
        <source>%1 The file &quot;%2&quot; is left as it is.</source>
        <translation>%1 Il file &quot;%2&quot; resta com&apos;è.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <source>The page cannot be read: the page reader is not installed (looked for %1). Install the package rotacle-page-reader to paste pages.</source>
        <translation>Impossibile leggere la pagina: il lettore di pagine non è installato (cercato %1). Installa il pacchetto rotacle-page-reader per incollare le pagine.</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>cannot be reached</source>
        <translation>non è raggiungibile</translation>
    </message>
    <message>
        <source>is a link to nothing</source>
        <translation>è un collegamento a nulla</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>The options file %1 %2: the options start at their defaults and are not kept.</source>
        <translation>Il file delle opzioni %1 %2: le opzioni partono dai valori predefiniti e non vengono conservate.</translation>
    </message>
</context>
<context>
    <name>RiskTab</name>
    <message>
        <source> to </source>
        <translation> a </translation>
    </message>
    <message>
        <source>How many whole sessions to play.</source>
        <translation>Quante sessioni intere giocare.</translation>
    </message>
    <message>
        <source>The profit at which a session stops.</source>
        <translation>Il profitto a cui una sessione si ferma.</translation>
    </message>
    <message>
        <source>The most spins a session plays.</source>
        <translation>Il massimo di giri di una sessione.</translation>
    </message>
    <message>
        <source>Every session starts from the table&apos;s bankroll with its settings.</source>
        <translation>Ogni sessione parte dal capitale del tavolo con le sue impostazioni.</translation>
    </message>
    <message>
        <source>RUN</source>
        <translation>AVVIA</translation>
    </message>
    <message>
        <source>Plays the sessions on worker threads.</source>
        <translation>Gioca le sessioni su thread di lavoro.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Stops the run; the figures show the sessions played.</source>
        <translation>Ferma l&apos;esecuzione; i dati mostrano le sessioni giocate.</translation>
    </message>
    <message>
        <source>Results of the sessions</source>
        <translation>Risultati delle sessioni</translation>
    </message>
    <message>
        <source>Sessions</source>
        <translation>Sessioni</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Sessions:</source>
        <translation>Sessioni:</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Obiettivo:</translation>
    </message>
    <message>
        <source>Max spins:</source>
        <translation>Giri max:</translation>
    </message>
    <message>
        <source>Saves the histogram as a PNG picture.</source>
        <translation>Salva l&apos;istogramma come immagine PNG.</translation>
    </message>
    <message>
        <source>Saves the histogram as an SVG drawing.</source>
        <translation>Salva l&apos;istogramma come disegno SVG.</translation>
    </message>
    <message>
        <source>Saves every session&apos;s outcome as a CSV file.</source>
        <translation>Salva l&apos;esito di ogni sessione in un file CSV.</translation>
    </message>
    <message>
        <source>Sessions must be a whole number from 1 to 1000000.</source>
        <translation>Le sessioni devono essere un numero intero da 1 a 1000000.</translation>
    </message>
    <message>
        <source>The target must be an amount above 0.</source>
        <translation>L&apos;obiettivo deve essere un importo sopra 0.</translation>
    </message>
    <message>
        <source>Max spins must be a whole number above 0.</source>
        <translation>I giri max devono essere un numero intero sopra 0.</translation>
    </message>
    <message>
        <source>Playing %1 sessions...</source>
        <translation>Gioco di %1 sessioni...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annullamento...</translation>
    </message>
    <message>
        <source>The run failed.</source>
        <translation>L&apos;esecuzione non è riuscita.</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 sessions.</source>
        <translation>Annullato dopo %1 di %2 sessioni.</translation>
    </message>
    <message>
        <source>%1 sessions played.</source>
        <translation>%1 sessioni giocate.</translation>
    </message>
    <message>
        <source>From the table: bankroll %1, its settings%2</source>
        <translation>Dal tavolo: capitale %1, le sue impostazioni%2</translation>
    </message>
    <message>
        <source>, la partage</source>
        <translation>, la partage</translation>
    </message>
    <message>
        <source>No sessions played yet.</source>
        <translation>Nessuna sessione ancora giocata.</translation>
    </message>
    <message>
        <source>Sessions: %1</source>
        <translation>Sessioni: %1</translation>
    </message>
    <message>
        <source>Reached the target: </source>
        <translation>Obiettivo raggiunto: </translation>
    </message>
    <message>
        <source>Ruined: </source>
        <translation>In rovina: </translation>
    </message>
    <message>
        <source>Still playing: </source>
        <translation>Ancora in gioco: </translation>
    </message>
    <message>
        <source>Result: mean %1, sd %2</source>
        <translation>Risultato: media %1, dev. std. %2</translation>
    </message>
    <message>
        <source>5/25/50/75/95 %: %1 / %2 / %3 / %4 / %5</source>
        <translation>5/25/50/75/95 %: %1 / %2 / %3 / %4 / %5</translation>
    </message>
    <message>
        <source>Mean staked: </source>
        <translation>Puntato medio: </translation>
    </message>
    <message>
        <source>House edge: expected %1, z %2</source>
        <translation>Vantaggio del banco: atteso %1, z %2</translation>
    </message>
    <message>
        <source>Drawdown: mean %1, largest %2</source>
        <translation>Calo: medio %1, massimo %2</translation>
    </message>
    <message>
        <source>Longest losing run: %1</source>
        <translation>Serie perdente più lunga: %1</translation>
    </message>
    <message>
        <source>Largest stake: </source>
        <translation>Posta massima: </translation>
    </message>
    <message>
        <source>Mean spins: </source>
        <translation>Giri medi: </translation>
    </message>
    <message>
        <source>table&apos;s settings</source>
        <translation>impostazioni del tavolo</translation>
    </message>
    <message>
        <source>flat</source>
        <translation>piatta</translation>
    </message>
    <message>
        <source>martingale</source>
        <translation>martingala</translation>
    </message>
    <message>
        <source>The staking the sessions play: the table&apos;s settings, a flat stake (always the initial bet), or martingale (the stake doubles after each lost bet and goes back to the initial bet after a win).</source>
        <translation>Le puntate delle sessioni: le impostazioni del tavolo, una posta piatta (sempre la puntata iniziale) o la martingala (la posta raddoppia dopo ogni puntata persa e torna alla puntata iniziale dopo una vincita).</translation>
    </message>
    <message>
        <source>as the table</source>
        <translation>come il tavolo</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>la partage</source>
        <translation>la partage</translation>
    </message>
    <message>
        <source>The zero rule of the sessions: the table&apos;s, none, or la partage (half of a stake lost on zero comes back).</source>
        <translation>La regola dello zero delle sessioni: quella del tavolo, nessuna o la partage (torna metà di una posta persa sullo zero).</translation>
    </message>
    <message>
        <source>Each session&apos;s wheel is seeded from this seed and the session&apos;s number: the same seed plays the same sessions, here and in rotacle-sim risk --seed.</source>
        <translation>La ruota di ogni sessione è inizializzata da questo seme e dal numero della sessione: lo stesso seme gioca le stesse sessioni, qui e in rotacle-sim risk --seed.</translation>
    </message>
    <message>
        <source>System:</source>
        <translation>Sistema:</translation>
    </message>
    <message>
        <source>Zero rule:</source>
        <translation>Regola dello zero:</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Seme:</translation>
    </message>
    <message>
        <source>The seed must be a whole number from 0 to 18446744073709551615.</source>
        <translation>Il seme deve essere un numero intero da 0 a 18446744073709551615.</translation>
    </message>
    <message>
        <source>Played from bankroll %1: %2, zero rule %3, seed %4</source>
        <translation>Giocato dal capitale %1: %2, regola dello zero %3, seme %4</translation>
    </message>
</context>
<context>
    <name>SpinResult</name>
    <message>
        <source>Won</source>
        <translation>Vinta</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Persa</translation>
    </message>
</context>
<context>
    <name>StakingDialog</name>
    <message>
        <source>Defaults: one initial bet more after every bet</source>
        <translation>Predefiniti: una puntata iniziale in più dopo ogni puntata</translation>
    </message>
    <message>
        <source>Flat: always the initial bet</source>
        <translation>Piatta: sempre la puntata iniziale</translation>
    </message>
    <message>
        <source>Martingale: double the stake after a loss</source>
        <translation>Martingala: raddoppia la posta dopo una perdita</translation>
    </message>
    <message>
        <source>d&apos;Alembert: one initial bet more after a loss, one less after a win</source>
        <translation>d&apos;Alembert: una puntata iniziale in più dopo una perdita, una in meno dopo una vincita</translation>
    </message>
    <message>
        <source>Staking</source>
        <translation>Puntate</translation>
    </message>
    <message>
        <source>Applying writes the staking rules, minimal profit and phase correction of the settings as a loaded settings file does; the initial bet stays.</source>
        <translation>Applicare scrive le regole di puntata, il profitto minimo e la correzione di fase nelle impostazioni come fa un file di impostazioni caricato; la puntata iniziale resta.</translation>
    </message>
    <message>
        <source>System:</source>
        <translation>Sistema:</translation>
    </message>
    <message>
        <source>Stakes:</source>
        <translation>Poste:</translation>
    </message>
    <message>
        <source>Losing every bet: %1</source>
        <translation>Perdendo ogni puntata: %1</translation>
    </message>
    <message>
        <source>Winning every bet: %1</source>
        <translation>Vincendo ogni puntata: %1</translation>
    </message>
    <message>
        <source>Three lost, then won: %1</source>
        <translation>Tre perse, poi vinta: %1</translation>
    </message>
    <message>
        <source>No preview: %1</source>
        <translation>Nessuna anteprima: %1</translation>
    </message>
</context>
<context>
    <name>StatsWindow</name>
    <message>
        <source>Bankroll after every spin</source>
        <translation>Capitale dopo ogni giro</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Giro</translation>
    </message>
    <message>
        <source>Bankroll</source>
        <translation>Capitale</translation>
    </message>
    <message>
        <source>Initial bankroll</source>
        <translation>Capitale iniziale</translation>
    </message>
    <message>
        <source>Bet won</source>
        <translation>Puntata vinta</translation>
    </message>
    <message>
        <source>Bet lost</source>
        <translation>Puntata persa</translation>
    </message>
    <message>
        <source>The bankroll after every spin; green and red marks are the placed bets won and lost, the dashed line the bankroll the session started with.</source>
        <translation>Il capitale dopo ogni giro; i segni verdi e rossi sono le puntate vinte e perse, la linea tratteggiata il capitale d&apos;inizio sessione.</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Uscite</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Quota</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Attesa</translation>
    </message>
    <message>
        <source>Absence</source>
        <translation>Ritardo</translation>
    </message>
    <message>
        <source>Longest absence</source>
        <translation>Ritardo massimo</translation>
    </message>
    <message>
        <source>Hits per chance</source>
        <translation>Uscite per chance</translation>
    </message>
    <message>
        <source>Expected (18/37)</source>
        <translation>Attese (18/37)</translation>
    </message>
    <message>
        <source>Hits of each even chance against 18/37 of the spins.</source>
        <translation>Uscite di ogni chance semplice contro 18/37 dei giri.</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Hits, their share of the spins beside the share chance alone gives, the spins since the last hit (absence) and the longest absence so far. Click a column&apos;s header to sort by it.</source>
        <translation>Uscite, la loro quota dei giri accanto a quella del puro caso, i giri dall&apos;ultima uscita (ritardo) e il ritardo massimo finora. Clic sull&apos;intestazione di una colonna per ordinare.</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Puntata</translation>
    </message>
    <message>
        <source>Stake</source>
        <translation>Posta</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Esito</translation>
    </message>
    <message>
        <source>Every spin of the session: the bet it settled, its stake and result, and the bankroll after it. Numbers that came with an import were not played.</source>
        <translation>Ogni giro della sessione: la puntata regolata, la sua posta ed esito, e il capitale dopo. I numeri importati non sono stati giocati.</translation>
    </message>
    <message>
        <source>Rotacle statistics</source>
        <translation>Statistiche di Rotacle</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sessione</translation>
    </message>
    <message>
        <source>Spins</source>
        <translation>Giri</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Vinte</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perse</translation>
    </message>
    <message>
        <source>Longest losing run</source>
        <translation>Serie perdente più lunga</translation>
    </message>
    <message>
        <source>Total staked</source>
        <translation>Totale puntato</translation>
    </message>
    <message>
        <source>Net result</source>
        <translation>Risultato netto</translation>
    </message>
    <message>
        <source>Expected result (house edge 1/37)</source>
        <translation>Risultato atteso (vantaggio banco 1/37)</translation>
    </message>
    <message>
        <source>Numbers in the history.</source>
        <translation>Numeri nella cronologia.</translation>
    </message>
    <message>
        <source>Settled bets that won.</source>
        <translation>Puntate regolate vinte.</translation>
    </message>
    <message>
        <source>Settled bets that lost.</source>
        <translation>Puntate regolate perse.</translation>
    </message>
    <message>
        <source>The most settled bets lost one after the other.</source>
        <translation>Il massimo di puntate regolate perse una dopo l&apos;altra.</translation>
    </message>
    <message>
        <source>The stakes of all settled bets.</source>
        <translation>Le poste di tutte le puntate regolate.</translation>
    </message>
    <message>
        <source>The won stakes less the lost ones.</source>
        <translation>Le poste vinte meno quelle perse.</translation>
    </message>
    <message>
        <source>Chances</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Numeri</translation>
    </message>
    <message>
        <source>Risk</source>
        <translation>Rischio</translation>
    </message>
    <message>
        <source>Hits, share and absences of the even chances and of every number; every spin of the session.</source>
        <translation>Uscite, quota e ritardi delle chance semplici e di ogni numero; ogni giro della sessione.</translation>
    </message>
    <message>
        <source>Chart as PNG...</source>
        <translation>Grafico in PNG...</translation>
    </message>
    <message>
        <source>Saves the bankroll chart as a PNG picture.</source>
        <translation>Salva il grafico del capitale come immagine PNG.</translation>
    </message>
    <message>
        <source>Chart as SVG...</source>
        <translation>Grafico in SVG...</translation>
    </message>
    <message>
        <source>Saves the bankroll chart as an SVG drawing.</source>
        <translation>Salva il grafico del capitale come disegno SVG.</translation>
    </message>
    <message>
        <source>Tables as CSV...</source>
        <translation>Tabelle in CSV...</translation>
    </message>
    <message>
        <source>Saves the hits and absences of the chances and numbers as a CSV file.</source>
        <translation>Salva uscite e ritardi di chance e numeri in un file CSV.</translation>
    </message>
    <message>
        <source>Spins as CSV...</source>
        <translation>Giri in CSV...</translation>
    </message>
    <message>
        <source>Saves every spin with its bet, stake, result and bankroll as a CSV file.</source>
        <translation>Salva ogni giro con puntata, posta, esito e capitale in un file CSV.</translation>
    </message>
    <message>
        <source>The chart could not be drawn as a PNG picture.</source>
        <translation>Impossibile disegnare il grafico come immagine PNG.</translation>
    </message>
    <message>
        <source>The chart could not be drawn as an SVG drawing.</source>
        <translation>Impossibile disegnare il grafico come disegno SVG.</translation>
    </message>
    <message>
        <source>What the house edge takes on average: 1/37 of the total staked, lost; 1/74 of what was staked under la partage, which gives half of a stake back on zero.</source>
        <translation>Quanto il vantaggio del banco prende in media: 1/37 del totale puntato, perso; 1/74 di quanto puntato con la partage, che restituisce metà della posta sullo zero.</translation>
    </message>
    <message>
        <source>Expected result (la partage, house edge 1/74)</source>
        <translation>Risultato atteso (la partage, vantaggio banco 1/74)</translation>
    </message>
    <message>
        <source>Expected result (house edge 1/37, 1/74 under la partage)</source>
        <translation>Risultato atteso (vantaggio banco 1/37, 1/74 con la partage)</translation>
    </message>
    <message>
        <source>Bets placed in this history</source>
        <translation>Puntate piazzate in questa cronologia</translation>
    </message>
    <message>
        <source>Bets settled in this history</source>
        <translation>Puntate regolate in questa cronologia</translation>
    </message>
    <message>
        <source>Bets whose stake went on the table since the history began (APP or an import): those settled and the one open now.</source>
        <translation>Puntate la cui posta è andata sul tavolo da quando è iniziata la cronologia (APP o un&apos;importazione): quelle regolate e quella aperta ora.</translation>
    </message>
    <message>
        <source>Placed bets that a number has settled since the history began; UNDO takes one back. Bets played in the main window counts the whole game, imports included.</source>
        <translation>Puntate piazzate che un numero ha regolato da quando è iniziata la cronologia; ANNULLA ne toglie una. Puntate nella finestra principale conta tutta la partita, importazioni incluse.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
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
        <translation>La pagina incollata non contiene numeri della roulette: niente da importare.</translation>
    </message>
    <message>
        <source>Start a new game? The history of %1 numbers is cleared; the bankroll stays.</source>
        <translation>Iniziare una nuova partita? La cronologia di %1 numeri viene cancellata; il capitale resta.</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTA</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>ESPORTA</translation>
    </message>
    <message>
        <source>TEST BANK:</source>
        <translation>PROVA:</translation>
    </message>
    <message>
        <source>UNDO</source>
        <translation>ANNULLA</translation>
    </message>
    <message>
        <source>STATS</source>
        <translation>STATISTICHE</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>SALTA</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation>IMPOSTAZIONI</translation>
    </message>
    <message>
        <source>LOAD</source>
        <translation>CARICA</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SALVA</translation>
    </message>
    <message>
        <source>PASTE FROM EVOLUTION</source>
        <translation>INCOLLA DA EVOLUTION</translation>
    </message>
    <message>
        <source>LOAD FROM FILE</source>
        <translation>CARICA DA FILE</translation>
    </message>
    <message>
        <source>Import %1 numbers? They replace the history of %2 numbers; the bankroll stays.</source>
        <translation>Importare %1 numeri? Sostituiscono la cronologia di %2 numeri; il capitale resta.</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>CHIUDI</translation>
    </message>
    <message>
        <source>INITIAL BET:</source>
        <translation>PUNTATA INIZ.:</translation>
    </message>
    <message>
        <source>GAME MODE:</source>
        <translation>MODALITÀ:</translation>
    </message>
    <message>
        <source>BETTING SYSTEM:</source>
        <translation>SISTEMA DI GIOCO:</translation>
    </message>
    <message>
        <source>AFTER</source>
        <translation>DOPO</translation>
    </message>
    <message>
        <source>GET MINIMAL PROFIT</source>
        <translation>PROFITTO MINIMO</translation>
    </message>
    <message>
        <source>BET AUTOMATIC RESET</source>
        <translation>AZZERAMENTO AUTOMATICO</translation>
    </message>
    <message>
        <source>SAFE LEVEL:</source>
        <translation>SICUREZZA:</translation>
    </message>
    <message>
        <source>BUILD MATRIX</source>
        <translation>CREA MATRICE</translation>
    </message>
    <message>
        <source>RM</source>
        <translation>RM</translation>
    </message>
    <message>
        <source>DIRECTION:</source>
        <translation>DIREZIONE:</translation>
    </message>
    <message>
        <source>PLAY BETS:</source>
        <translation>PUNTATE:</translation>
    </message>
    <message>
        <source>FIXED NUMBER</source>
        <translation>NUMERO FISSO</translation>
    </message>
    <message>
        <source>REBUILD MATRIX ON PROFIT (Units):</source>
        <translation>RICREA MATRICE CON PROFITTO (Unità):</translation>
    </message>
    <message>
        <source>USE PHASE CORRECTION WITH STEP:</source>
        <translation>CORREZIONE DI FASE CON PASSO:</translation>
    </message>
    <message>
        <source>RESET:</source>
        <translation>AZZERA:</translation>
    </message>
    <message>
        <source>BETS</source>
        <translation>PUNTATE</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>APP</translation>
    </message>
    <message>
        <source>QUICK PROPOSALS</source>
        <translation>PROPOSTE RAPIDE</translation>
    </message>
    <message>
        <source>Show Bet</source>
        <translation>Puntata</translation>
    </message>
    <message>
        <source>LOSS LIMIT REACHED</source>
        <translation>LIMITE DI PERDITA RAGGIUNTO</translation>
    </message>
    <message>
        <source>PROFIT GOAL REACHED</source>
        <translation>OBIETTIVO DI PROFITTO RAGGIUNTO</translation>
    </message>
    <message>
        <source>TIME LIMIT REACHED</source>
        <translation>LIMITE DI TEMPO RAGGIUNTO</translation>
    </message>
    <message>
        <source>SPIN LIMIT REACHED</source>
        <translation>LIMITE DI GIRI RAGGIUNTO</translation>
    </message>
    <message>
        <source>REALITY CHECK</source>
        <translation>VERIFICA DI REALTÀ</translation>
    </message>
    <message>
        <source>LA PARTAGE</source>
        <translation>LA PARTAGE</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>LOSS:</source>
        <translation>PERD.:</translation>
    </message>
    <message>
        <source>PROFIT:</source>
        <translation>PROF.:</translation>
    </message>
    <message>
        <source>MIN:</source>
        <translation>MIN:</translation>
    </message>
    <message>
        <source>SPINS:</source>
        <translation>GIRI:</translation>
    </message>
    <message>
        <source>CHECK:</source>
        <translation>AVVISO:</translation>
    </message>
    <message>
        <source>GO ON</source>
        <translation>CONTINUA</translation>
    </message>
    <message>
        <source>NEW GAME</source>
        <translation>NUOVA PARTITA</translation>
    </message>
    <message>
        <source>Time played %1</source>
        <translation>Tempo di gioco %1</translation>
    </message>
    <message>
        <source>%1 spins</source>
        <translation>%1 giri</translation>
    </message>
    <message>
        <source>Net result %1</source>
        <translation>Risultato netto %1</translation>
    </message>
    <message>
        <source>STAKING RULES</source>
        <translation>REGOLE DI PUNTATA</translation>
    </message>
    <message>
        <source>SAFETY</source>
        <translation>SICUREZZA</translation>
    </message>
    <message>
        <source>MATRIX</source>
        <translation>MATRICE</translation>
    </message>
    <message>
        <source>PHASE AND RESET</source>
        <translation>FASE E AZZERA</translation>
    </message>
    <message>
        <source>Language of the window, from the next start</source>
        <translation>Lingua della finestra, dal prossimo avvio</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>not taken</source>
        <translation>non accettato</translation>
    </message>
    <message>
        <source>stake %1</source>
        <translation>posta %1</translation>
    </message>
    <message>
        <source>waiting:</source>
        <translation>in attesa:</translation>
    </message>
    <message>
        <source>Net result:</source>
        <translation>Risultato netto:</translation>
    </message>
    <message>
        <source>The session&apos;s net result: the won stakes less the lost ones, as the statistics window counts them.</source>
        <translation>Il risultato netto della sessione: le poste vinte meno quelle perse, contate come nella finestra delle statistiche.</translation>
    </message>
    <message>
        <source>STAKING…</source>
        <translation>SISTEMI…</translation>
    </message>
    <message>
        <source>STAKE ABOVE THE BANKROLL</source>
        <translation>POSTA OLTRE CAPITALE</translation>
    </message>
    <message>
        <source>INITIAL BET</source>
        <translation>PUNTATA INIZ.</translation>
    </message>
    <message>
        <source>TEST BANK</source>
        <translation>PROVA</translation>
    </message>
    <message>
        <source>amount of the loss rule</source>
        <translation>importo della regola di perdita</translation>
    </message>
    <message>
        <source>amount of the win rule</source>
        <translation>importo della regola di vincita</translation>
    </message>
    <message>
        <source>%1: %2 is no stake; the smallest is 0.01</source>
        <translation>%1: %2 non è una posta; la minima è 0.01</translation>
    </message>
    <message>
        <source>%1: an amount has one decimal point; the key is not taken</source>
        <translation>%1: un importo ha un solo punto decimale; il tasto non è accettato</translation>
    </message>
    <message>
        <source>%1: amounts are typed without a sign; &quot;%2&quot; is not taken</source>
        <translation>%1: gli importi si digitano senza segno; &quot;%2&quot; non è accettato</translation>
    </message>
    <message>
        <source>%1: only digits and a decimal point are typed here; &quot;%2&quot; is not taken</source>
        <translation>%1: qui si digitano solo cifre e un punto decimale; &quot;%2&quot; non è accettato</translation>
    </message>
</context>
<context>
    <name>Tooltip</name>
    <message>
        <source>Opens the import panel to bring in a series of past numbers.</source>
        <translation>Apre il pannello di importazione per caricare una serie di numeri passati.</translation>
    </message>
    <message>
        <source>Saves the history as a text file, one number per line.</source>
        <translation>Salva la cronologia come file di testo, un numero per riga.</translation>
    </message>
    <message>
        <source>Minimises the window.</source>
        <translation>Riduce a icona la finestra.</translation>
    </message>
    <message>
        <source>Closes Rotacle.</source>
        <translation>Chiude Rotacle.</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>Aiuto (F1)</translation>
    </message>
    <message>
        <source>The bankroll; the stake of the shown bet is already taken from it.</source>
        <translation>Il capitale; la posta della puntata mostrata è già stata detratta.</translation>
    </message>
    <message>
        <source>Takes back the last number entered.</source>
        <translation>Annulla l&apos;ultimo numero inserito.</translation>
    </message>
    <message>
        <source>Undo is offered again once two more numbers are entered.</source>
        <translation>L&apos;annullamento torna disponibile dopo altri due numeri.</translation>
    </message>
    <message>
        <source>Red lamp: the safety level is more than one lost proposal away.</source>
        <translation>Spia rossa: il livello di sicurezza è a più di una proposta persa.</translation>
    </message>
    <message>
        <source>Green lamp: the safety level is reached or one lost proposal away.</source>
        <translation>Spia verde: il livello di sicurezza è raggiunto o a una proposta persa.</translation>
    </message>
    <message>
        <source>Withdraws the shown bet; its stake goes back to the bankroll.</source>
        <translation>Ritira la puntata mostrata; la posta torna al capitale.</translation>
    </message>
    <message>
        <source>No bet is shown that could be withdrawn.</source>
        <translation>Nessuna puntata da ritirare.</translation>
    </message>
    <message>
        <source>Opens the settings area with the betting settings.</source>
        <translation>Apre l&apos;area delle impostazioni di gioco.</translation>
    </message>
    <message>
        <source>Closes the settings area.</source>
        <translation>Chiude l&apos;area delle impostazioni.</translation>
    </message>
    <message>
        <source>Opens the statistics window: the bankroll chart, hits and absences of the chances and numbers, the session summary (S).</source>
        <translation>Apre la finestra delle statistiche: grafico del capitale, uscite e ritardi di chance e numeri, riepilogo della sessione (S).</translation>
    </message>
    <message>
        <source>Loads the betting settings from a .rtk file.</source>
        <translation>Carica le impostazioni di gioco da un file .rtk.</translation>
    </message>
    <message>
        <source>Saves the betting settings to a .rtk file.</source>
        <translation>Salva le impostazioni di gioco in un file .rtk.</translation>
    </message>
    <message>
        <source>Reads the numbers of a live-casino history page copied to the clipboard.</source>
        <translation>Legge i numeri di una pagina di cronologia del casinò live copiata negli appunti.</translation>
    </message>
    <message>
        <source>A pasted page is being read.</source>
        <translation>Lettura della pagina incollata in corso.</translation>
    </message>
    <message>
        <source>Reads the numbers of a text file.</source>
        <translation>Legge i numeri di un file di testo.</translation>
    </message>
    <message>
        <source>Replaces the history with the numbers read; no bet is settled.</source>
        <translation>Sostituisce la cronologia con i numeri letti; nessuna puntata viene regolata.</translation>
    </message>
    <message>
        <source>Closes the import panel; the history stays as it is.</source>
        <translation>Chiude il pannello di importazione; la cronologia resta com&apos;è.</translation>
    </message>
    <message>
        <source>The initial bet: the stake every staking cycle starts from.</source>
        <translation>La puntata iniziale: la posta da cui parte ogni ciclo.</translation>
    </message>
    <message>
        <source>The game mode that proposes the field to bet on. Fixed in this version: SMART 2025 plays, and a choice snaps back to it.</source>
        <translation>La modalità che propone la chance su cui puntare. Fissa in questa versione: gioca SMART 2025 e ogni scelta torna a essa.</translation>
    </message>
    <message>
        <source>The name of the betting system that the staking rules below stand for; the stake always follows those rules. Fixed in this version: a choice snaps back, a settings file may show another name.</source>
        <translation>Il nome del sistema che le regole di puntata sottostanti rappresentano; la posta segue sempre quelle regole. Fisso in questa versione: una scelta torna indietro, un file di impostazioni può mostrare un altro nome.</translation>
    </message>
    <message>
        <source>Shows the bankroll and lets you set the test bank.</source>
        <translation>Mostra il capitale e permette di impostare il capitale di prova.</translation>
    </message>
    <message>
        <source>The starting bankroll.</source>
        <translation>Il capitale iniziale.</translation>
    </message>
    <message>
        <source>After how many of the counted losses the loss rule changes the stake. Fixed in this version: only a settings file changes it.</source>
        <translation>Dopo quante perdite contate la regola di perdita cambia la posta. Fisso in questa versione: solo un file di impostazioni lo cambia.</translation>
    </message>
    <message>
        <source>What the loss rule counts: losses, losses in a row or units of drawdown. Fixed in this version: a choice snaps back; a settings file may set it.</source>
        <translation>Cosa conta la regola di perdita: perdite, perdite di fila o unità di calo. Fisso in questa versione: una scelta torna indietro; un file di impostazioni può impostarlo.</translation>
    </message>
    <message>
        <source>What the loss rule does to the stake. Fixed in this version at ADD to bet: a choice snaps back.</source>
        <translation>Cosa fa la regola di perdita alla posta. Fisso in questa versione su AGGIUNGI alla puntata: una scelta torna indietro.</translation>
    </message>
    <message>
        <source>The amount by which the loss rule changes the stake: the initial bet. Fixed in this version: it follows the initial bet, or a settings file.</source>
        <translation>L&apos;importo con cui la regola di perdita cambia la posta: la puntata iniziale. Fisso in questa versione: segue la puntata iniziale o un file di impostazioni.</translation>
    </message>
    <message>
        <source>After how many of the counted wins the win rule changes the stake. Fixed in this version: only a settings file changes it.</source>
        <translation>Dopo quante vincite contate la regola di vincita cambia la posta. Fisso in questa versione: solo un file di impostazioni lo cambia.</translation>
    </message>
    <message>
        <source>What the win rule counts: wins, wins in a row or units of profit. Fixed in this version: a choice snaps back; a settings file may set it.</source>
        <translation>Cosa conta la regola di vincita: vincite, vincite di fila o unità di profitto. Fisso in questa versione: una scelta torna indietro; un file di impostazioni può impostarlo.</translation>
    </message>
    <message>
        <source>What the win rule does to the stake. Fixed in this version at ADD to bet: a choice snaps back.</source>
        <translation>Cosa fa la regola di vincita alla posta. Fisso in questa versione su AGGIUNGI alla puntata: una scelta torna indietro.</translation>
    </message>
    <message>
        <source>The amount by which the win rule changes the stake: the initial bet. Fixed in this version: it follows the initial bet, or a settings file.</source>
        <translation>L&apos;importo con cui la regola di vincita cambia la posta: la puntata iniziale. Fisso in questa versione: segue la puntata iniziale o un file di impostazioni.</translation>
    </message>
    <message>
        <source>Trims the stake so that a win just reaches the cycle target.</source>
        <translation>Riduce la posta perché una vincita raggiunga appena l&apos;obiettivo del ciclo.</translation>
    </message>
    <message>
        <source>Returns the stake to the initial bet when the bankroll reaches the cycle target.</source>
        <translation>Riporta la posta alla puntata iniziale quando il capitale raggiunge l&apos;obiettivo del ciclo.</translation>
    </message>
    <message>
        <source>Shows a proposal only after this many proposals in a row have lost (0: always).</source>
        <translation>Mostra una proposta solo dopo questo numero di proposte perse di fila (0: sempre).</translation>
    </message>
    <message>
        <source>Builds the matrix from the recent spins.</source>
        <translation>Crea la matrice dai giri recenti.</translation>
    </message>
    <message>
        <source>Clears the matrix.</source>
        <translation>Azzera la matrice.</translation>
    </message>
    <message>
        <source>The direction in which the matrix looks for its pattern.</source>
        <translation>La direzione in cui la matrice cerca il suo schema.</translation>
    </message>
    <message>
        <source>How many bets are played before the matrix is rebuilt.</source>
        <translation>Quante puntate si giocano prima di ricreare la matrice.</translation>
    </message>
    <message>
        <source>Keeps the number of replayed spins instead of following the history.</source>
        <translation>Mantiene fisso il numero di giri rigiocati invece di seguire la cronologia.</translation>
    </message>
    <message>
        <source>How many recent spins the matrix replays.</source>
        <translation>Quanti giri recenti la matrice rigioca.</translation>
    </message>
    <message>
        <source>Rebuilds the matrix once the profit reaches the units set beside it.</source>
        <translation>Ricrea la matrice quando il profitto raggiunge le unità indicate accanto.</translation>
    </message>
    <message>
        <source>The profit, in initial bets, that rebuilds the matrix.</source>
        <translation>Il profitto, in puntate iniziali, che ricrea la matrice.</translation>
    </message>
    <message>
        <source>Re-bases the rule amounts when the stake reaches the step times the initial bet.</source>
        <translation>Ricalcola gli importi delle regole quando la posta raggiunge il passo per la puntata iniziale.</translation>
    </message>
    <message>
        <source>The step: the multiple of the initial bet that starts a phase correction.</source>
        <translation>Il passo: il multiplo della puntata iniziale che avvia una correzione di fase.</translation>
    </message>
    <message>
        <source>Flat index: +18 for every won bet, -18 for every lost one, whatever the stakes: wins against losses.</source>
        <translation>Indice piatto: +18 per ogni puntata vinta, -18 per ogni persa, qualunque sia la posta: vincite contro perdite.</translation>
    </message>
    <message>
        <source>Numbers in game: the numbers in the history.</source>
        <translation>Numeri in gioco: i numeri della cronologia.</translation>
    </message>
    <message>
        <source>Starts a new staking cycle at the initial bet.</source>
        <translation>Avvia un nuovo ciclo dalla puntata iniziale.</translation>
    </message>
    <message>
        <source>Starts a new game: the history is cleared, the bankroll kept.</source>
        <translation>Avvia una nuova partita: la cronologia viene cancellata, il capitale resta.</translation>
    </message>
    <message>
        <source>Shows the stake beside the chip.</source>
        <translation>Mostra la posta accanto alla fiche.</translation>
    </message>
    <message>
        <source>Shows each proposal at once, without the run across the board.</source>
        <translation>Mostra subito ogni proposta, senza la corsa sul tavolo.</translation>
    </message>
    <message>
        <source>La partage: a zero gives half of the stake back; the bet still counts as lost.</source>
        <translation>La partage: uno zero restituisce metà della posta; la puntata conta comunque come persa.</translation>
    </message>
    <message>
        <source>Loss limit: play stops when the session has lost this much (OFF: no limit).</source>
        <translation>Limite di perdita: il gioco si ferma quando la sessione ha perso tanto (NO: nessun limite).</translation>
    </message>
    <message>
        <source>Profit goal: play stops when the session has won this much (OFF: no goal).</source>
        <translation>Obiettivo di profitto: il gioco si ferma quando la sessione ha vinto tanto (NO: nessun obiettivo).</translation>
    </message>
    <message>
        <source>Time limit: play stops after this many minutes (OFF: no limit).</source>
        <translation>Limite di tempo: il gioco si ferma dopo questi minuti (NO: nessun limite).</translation>
    </message>
    <message>
        <source>Spin limit: play stops after this many spins (OFF: no limit).</source>
        <translation>Limite di giri: il gioco si ferma dopo questi giri (NO: nessun limite).</translation>
    </message>
    <message>
        <source>Plays on; the limit that stopped play counts again from here.</source>
        <translation>Continua a giocare; il limite che ha fermato il gioco riparte da qui.</translation>
    </message>
    <message>
        <source>Starts a new game: the history is cleared, the session counts from now.</source>
        <translation>Avvia una nuova partita: la cronologia viene cancellata, la sessione conta da ora.</translation>
    </message>
    <message>
        <source>Reality check: every this many minutes, play pauses to show the time and result.</source>
        <translation>Verifica di realtà: ogni tanti minuti il gioco si ferma per mostrare tempo e risultato.</translation>
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
        <translation>Pari</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Dispari</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Enter %1 as the number the wheel produced.</source>
        <translation>Inserisce %1 come numero uscito.</translation>
    </message>
    <message>
        <source>Prefer %1: a proposal of %2 is turned to %1.</source>
        <translation>Preferisci %1: una proposta di %2 diventa %1.</translation>
    </message>
    <message>
        <source>Drops the preference for %1.</source>
        <translation>Toglie la preferenza per %1.</translation>
    </message>
    <message>
        <source>Reset: BETS starts a new staking cycle, APP starts a new game.</source>
        <translation>Azzera: PUNTATE avvia un nuovo ciclo di puntate, APP una nuova partita.</translation>
    </message>
    <message>
        <source>Bets played in this game (since APP; an import goes on counting), counted as each number is entered: SKIP takes a bet off, UNDO keeps it until the next number.</source>
        <translation>Puntate giocate in questa partita (da APP; un&apos;importazione continua a contare), contate a ogni numero inserito: SALTA toglie una puntata, ANNULLA la tiene fino al numero seguente.</translation>
    </message>
    <message>
        <source>Staking systems to choose from, with the first stakes each puts on the table.</source>
        <translation>Sistemi di puntata tra cui scegliere, con le prime poste che ciascuno mette sul tavolo.</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>A new version of Rotacle is ready. It starts the next time you open Rotacle.</source>
        <translation>Una nuova versione di Rotacle è pronta. Si avvia la prossima volta che apri Rotacle.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>roulette table</source>
        <translation>tavolo della roulette</translation>
    </message>
    <message>
        <source>table</source>
        <translation>tavolo</translation>
    </message>
    <message>
        <source>commands</source>
        <translation>comandi</translation>
    </message>
    <message>
        <source>numbers</source>
        <translation>numeri</translation>
    </message>
    <message>
        <source>even chances</source>
        <translation>chance semplici</translation>
    </message>
    <message>
        <source>Press Ctrl+V (⌘V on a Mac) to paste the page.</source>
        <translation>Premi Ctrl+V (⌘V su un Mac) per incollare la pagina.</translation>
    </message>
    <message>
        <source>This browser keeps no data for pages (IndexedDB).</source>
        <translation>Questo browser non conserva dati per le pagine (IndexedDB).</translation>
    </message>
</context>
</TS>
