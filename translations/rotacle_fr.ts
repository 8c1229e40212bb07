<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Accessible</name>
    <message>
        <source>%1, green</source>
        <translation>%1, vert</translation>
    </message>
    <message>
        <source>%1, red</source>
        <translation>%1, rouge</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, noir</translation>
    </message>
    <message>
        <source>proposal: stake %1 on %2</source>
        <translation>proposition : mise %1 sur %2</translation>
    </message>
    <message>
        <source>won: stake %1 on %2, bankroll %3</source>
        <translation>gagné : mise %1 sur %2, bankroll %3</translation>
    </message>
    <message>
        <source>lost: stake %1 on %2, bankroll %3</source>
        <translation>perdu : mise %1 sur %2, bankroll %3</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>erreur : %1</translation>
    </message>
    <message>
        <source>trend: %1</source>
        <translation>tendance : %1</translation>
    </message>
    <message>
        <source>%1 field, lit</source>
        <translation>case %1, éclairée</translation>
    </message>
    <message>
        <source>chip on %1</source>
        <translation>jeton sur %1</translation>
    </message>
    <message>
        <source>stake %1 on %2</source>
        <translation>mise %1 sur %2</translation>
    </message>
    <message>
        <source>safe level lamp: off (red)</source>
        <translation>voyant du niveau de sécurité : éteint (rouge)</translation>
    </message>
    <message>
        <source>safe level lamp: on (green)</source>
        <translation>voyant du niveau de sécurité : allumé (vert)</translation>
    </message>
    <message>
        <source>minimise</source>
        <translation>réduire</translation>
    </message>
    <message>
        <source>close</source>
        <translation>fermer</translation>
    </message>
    <message>
        <source>help</source>
        <translation>aide</translation>
    </message>
    <message>
        <source>%1, not available</source>
        <translation>%1, indisponible</translation>
    </message>
    <message>
        <source>import panel</source>
        <translation>panneau d&apos;import</translation>
    </message>
    <message>
        <source>bankroll %1</source>
        <translation>bankroll %1</translation>
    </message>
    <message>
        <source>bets played %1</source>
        <translation>paris joués %1</translation>
    </message>
    <message>
        <source>flat index %1</source>
        <translation>indice à plat %1</translation>
    </message>
    <message>
        <source>numbers in game %1</source>
        <translation>numéros en jeu %1</translation>
    </message>
    <message>
        <source>run progress</source>
        <translation>progression du calcul</translation>
    </message>
    <message>
        <source>import progress</source>
        <translation>progression de l&apos;import</translation>
    </message>
    <message>
        <source>history</source>
        <translation>historique</translation>
    </message>
    <message>
        <source>losses before the action</source>
        <translation>pertes avant l&apos;action</translation>
    </message>
    <message>
        <source>kind of loss</source>
        <translation>type de perte</translation>
    </message>
    <message>
        <source>action after losses</source>
        <translation>action après les pertes</translation>
    </message>
    <message>
        <source>value of the action after losses</source>
        <translation>valeur de l&apos;action après les pertes</translation>
    </message>
    <message>
        <source>wins before the action</source>
        <translation>gains avant l&apos;action</translation>
    </message>
    <message>
        <source>kind of win</source>
        <translation>type de gain</translation>
    </message>
    <message>
        <source>action after wins</source>
        <translation>action après les gains</translation>
    </message>
    <message>
        <source>value of the action after wins</source>
        <translation>valeur de l&apos;action après les gains</translation>
    </message>
    <message>
        <source>language</source>
        <translation>langue</translation>
    </message>
    <message>
        <source>matrix build progress</source>
        <translation>progression de la matrice</translation>
    </message>
    <message>
        <source>safe level %1</source>
        <translation>niveau de sécurité %1</translation>
    </message>
    <message>
        <source>bet won</source>
        <translation>pari gagné</translation>
    </message>
    <message>
        <source>bet lost</source>
        <translation>pari perdu</translation>
    </message>
    <message>
        <source>session resumed: %1 numbers</source>
        <translation>session reprise : %1 numéros</translation>
    </message>
    <message>
        <source>proposal: stake %1 on %2, more than the money held (%3)</source>
        <translation>proposition : mise %1 sur %2, plus que l&apos;argent détenu (%3)</translation>
    </message>
    <message>
        <source>no bet</source>
        <translation>pas de pari</translation>
    </message>
    <message>
        <source>not taken</source>
        <translation>non pris</translation>
    </message>
    <message>
        <source>waiting: %1</source>
        <translation>en attente : %1</translation>
    </message>
    <message>
        <source>import panel open</source>
        <translation>panneau d&apos;import ouvert</translation>
    </message>
    <message>
        <source>import panel open: %1</source>
        <translation>panneau d&apos;import ouvert : %1</translation>
    </message>
    <message>
        <source>last %1</source>
        <translation>dernier %1</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Numbers in game:</source>
        <translation>Numéros en jeu :</translation>
    </message>
    <message>
        <source>Bets played:</source>
        <translation>Mises jouées :</translation>
    </message>
    <message>
        <source>Flat index:</source>
        <translation>Indice flat :</translation>
    </message>
    <message>
        <source>EVEN CHANCE ASSISTANT</source>
        <translation>ASSISTANT CHANCES SIMPLES</translation>
    </message>
    <message>
        <source>IMPORT NUMBERS</source>
        <translation>IMPORTER DES NUMÉROS</translation>
    </message>
    <message>
        <source>From a saved Evolution history page or a text file</source>
        <translation>D&apos;une page Evolution enregistrée ou d&apos;un fichier texte</translation>
    </message>
    <message>
        <source>The numbers replace the history, oldest first.</source>
        <translation>Les numéros remplacent l&apos;historique, le plus ancien d&apos;abord.</translation>
    </message>
    <message>
        <source>No bet is settled and no game mode runs.</source>
        <translation>Aucune mise n&apos;est réglée et aucun mode de jeu ne tourne.</translation>
    </message>
    <message>
        <source>TREND</source>
        <translation>TENDANCE</translation>
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
&lt;p&gt;Rotacle suit une table de roulette européenne (un zéro) et propose l&apos;une des six chances
simples &amp;mdash; Manque (1-18), Passe (19-36), Pair, Impair, Rouge, Noir &amp;mdash; avec la mise que
donnent vos règles de mise.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Entering numbers&lt;/h3&gt;
&lt;p&gt;Click the cell of the number the wheel produced, or type its digits and press Enter or
Space. Backspace takes back a typed digit, Esc drops the typed digits. A number clicked or typed
while the board is busy waits (&amp;ldquo;waiting: 5 36&amp;rdquo; under the history) and is entered after
the run; meanwhile UNDO only takes back a waiting number.&lt;/p&gt;
&lt;p&gt;Keys: &lt;b&gt;Ctrl+Z&lt;/b&gt; undo (a number still waiting is taken back first), &lt;b&gt;Ctrl+Q&lt;/b&gt; quit, &lt;b&gt;F1&lt;/b&gt; this help, &lt;b&gt;S&lt;/b&gt; the statistics window, &lt;b&gt;Esc&lt;/b&gt; closes the
import panel or the settings area.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Saisir les numéros&lt;/h3&gt;
&lt;p&gt;Cliquez sur la case du numéro sorti, ou tapez ses chiffres et appuyez sur Entrée ou Espace.
Retour arrière reprend un chiffre tapé, Échap efface les chiffres tapés. Un numéro cliqué ou tapé
pendant que le tapis est occupé attend (&amp;ldquo;en attente : 5 36&amp;rdquo; sous l&apos;historique) et est saisi
après la course ; entre-temps ANNULER ne reprend qu&apos;un numéro en attente.&lt;/p&gt;
&lt;p&gt;Touches : &lt;b&gt;Ctrl+Z&lt;/b&gt; annuler (un numéro encore en attente est repris d&apos;abord), &lt;b&gt;Ctrl+Q&lt;/b&gt;
quitter, &lt;b&gt;F1&lt;/b&gt; cette aide, &lt;b&gt;S&lt;/b&gt; la fenêtre des statistiques, &lt;b&gt;Échap&lt;/b&gt; ferme le panneau
d&apos;importation ou la zone des réglages.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The chip and the stake&lt;/h3&gt;
&lt;p&gt;The chip marks the field to bet on next; the tag beside it is the stake. The stake is already
taken from the bankroll: a win brings it back with as much again, a loss keeps it.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Le jeton et la mise&lt;/h3&gt;
&lt;p&gt;Le jeton marque la chance à jouer ensuite ; l&apos;étiquette à côté est la mise. La mise est déjà
retirée de la bankroll : un gain la rend avec autant en plus, une perte la garde.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The first numbers&lt;/h3&gt;
&lt;p&gt;The first four numbers are only recorded. From the fifth a proposal is shown; from the sixth
each number first settles the previous proposal.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Les premiers numéros&lt;/h3&gt;
&lt;p&gt;Les quatre premiers numéros sont seulement notés. À partir du cinquième une proposition est
affichée ; à partir du sixième chaque numéro règle d&apos;abord la proposition précédente.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Undo and skip&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;UNDO&lt;/b&gt; takes back the last number entered: the bankroll and the bet return to what they
were before it. It is offered again once two more numbers are entered. &lt;b&gt;SKIP&lt;/b&gt; withdraws the shown bet: its stake goes
back to the bankroll and nothing is settled on it.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Annuler et passer&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;ANNULER&lt;/b&gt; reprend le dernier numéro saisi : la bankroll et le pari reviennent à ce qu&apos;ils
étaient avant. L&apos;annulation revient après deux numéros de plus. &lt;b&gt;PASSER&lt;/b&gt; retire le pari
affiché : sa mise retourne à la bankroll et rien n&apos;est réglé dessus.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;Règles de mise&lt;/h3&gt;
&lt;p&gt;Un cycle commence à la &lt;b&gt;mise initiale&lt;/b&gt;. La règle de perte (&amp;ldquo;APRÈS n pertes
&amp;hellip;&amp;rdquo;) et la règle de gain (&amp;ldquo;APRÈS n gains &amp;hellip;&amp;rdquo;) ajoutent, soustraient,
multiplient, divisent ou fixent la mise selon leur montant. La &lt;b&gt;remise à zéro auto&lt;/b&gt; ramène la
mise à la mise initiale quand la bankroll atteint l&apos;objectif du cycle ; le &lt;b&gt;gain minimal&lt;/b&gt; réduit
la mise pour qu&apos;un gain atteigne juste cet objectif. La &lt;b&gt;correction de phase&lt;/b&gt; recale les montants
des règles quand la mise atteint le pas fois la mise initiale.&lt;/p&gt;
&lt;p&gt;Certains réglages sont fixes dans cette version : le mode de jeu (SMART 2025 joue), la liste des
systèmes et les listes des règles reviennent quand vous choisissez autre chose, et les nombres APRÈS
et les montants des règles prennent leurs valeurs de la mise initiale ou d&apos;un fichier de réglages
(CHARGER). Leurs infobulles le disent. Entrée ou Échap termine une saisie, et les chiffres suivants
vont de nouveau à la table.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Import and export&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;IMPORT&lt;/b&gt; opens a panel: paste a live-casino history page from the clipboard, or load a
text file of numbers, then IMPORT replaces the history with them without settling any bet
(it asks first when the history holds numbers).
&lt;b&gt;EXPORT&lt;/b&gt; saves the history as a text file, one number per line.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Importer et exporter&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;IMPORTER&lt;/b&gt; ouvre un panneau : collez une page d&apos;historique de casino en direct depuis le
presse-papiers, ou chargez un fichier texte de numéros ; IMPORTER remplace alors l&apos;historique par
eux sans régler aucun pari (il demande d&apos;abord quand l&apos;historique contient des numéros).
&lt;b&gt;EXPORTER&lt;/b&gt; enregistre l&apos;historique dans un fichier texte, un numéro par ligne.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The expected loss&lt;/h3&gt;
&lt;p&gt;With one zero the house edge is 1/37: every stake on an even chance loses 1/37 of its amount
on average. No staking rule changes that: over many bets the expected result is 1/37 of the
total staked, lost.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;La perte attendue&lt;/h3&gt;
&lt;p&gt;Avec un zéro l&apos;avantage de la maison est de 1/37 : toute mise sur une chance simple perd en
moyenne 1/37 de son montant. Aucune règle de mise n&apos;y change rien : sur de nombreux paris le
résultat attendu est 1/37 du total misé, perdu.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;Voyants et boutons de tendance&lt;/h3&gt;
&lt;table cellspacing=&quot;6&quot;&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:lamp-far&quot; width=&quot;20&quot; height=&quot;20&quot;&gt;&lt;/td&gt;
&lt;td&gt;Niveau de sécurité encore à plus d&apos;une proposition perdue. Avec SÉCURITÉ n, une proposition
n&apos;est affichée qu&apos;après n propositions perdues d&apos;affilée.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:lamp-near&quot; width=&quot;20&quot; height=&quot;20&quot;&gt;&lt;/td&gt;
&lt;td&gt;Niveau de sécurité atteint, ou à une proposition perdue.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:trend-0&quot; width=&quot;62&quot; height=&quot;18&quot;&gt;&lt;/td&gt;
&lt;td&gt;Un bouton de tendance au repos, au-dessus de sa chance.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:trend-1&quot; width=&quot;62&quot; height=&quot;18&quot;&gt;&lt;/td&gt;
&lt;td&gt;Sous le pointeur : un clic préfère ce côté de sa paire.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:trend-2&quot; width=&quot;62&quot; height=&quot;18&quot;&gt;&lt;/td&gt;
&lt;td&gt;Ce côté est préféré : une proposition de l&apos;autre côté de la paire est tournée vers lui. Un
clic abandonne la préférence.&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;</translation>
    </message>
    <message>
        <source>Rotacle 8.0 &amp;mdash; version %1&lt;br&gt;
All rights reserved. No warranty: roulette has a house edge.</source>
        <translation>Rotacle 8.0 &amp;mdash; version %1&lt;br&gt;
Tous droits réservés. Aucune garantie : la roulette a un avantage maison.</translation>
    </message>
    <message>
        <source>Rotacle 8.0 — Help</source>
        <translation>Rotacle 8.0 — Aide</translation>
    </message>
    <message>
        <source>  Previous sessions</source>
        <translation>  Sessions précédentes</translation>
    </message>
    <message>
        <source>Sessions kept beside this one, newest first</source>
        <translation>Sessions gardées à côté de celle-ci, la plus récente d&apos;abord</translation>
    </message>
    <message>
        <source>RESUME</source>
        <translation>REPRENDRE</translation>
    </message>
    <message>
        <source>Resume the chosen session; this one is kept beside it</source>
        <translation>Reprend la session choisie ; celle-ci est gardée à côté</translation>
    </message>
    <message>
        <source>  —  %1 numbers, bankroll %2</source>
        <translation>  —  %1 numéros, bankroll %2</translation>
    </message>
    <message>
        <source>  —  cannot be resumed</source>
        <translation>  —  ne peut être reprise</translation>
    </message>
    <message>
        <source>&lt;h3&gt;La partage&lt;/h3&gt;
&lt;p&gt;With &lt;b&gt;LA PARTAGE&lt;/b&gt; ticked in the settings area, a bet lost to the zero gives half of its
stake back; the staking rules still count it as lost. The house edge on the even chances is then
1/74 instead of 1/37, and the statistics window&apos;s expected result counts 1/74 of what was staked
under it.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;La partage&lt;/h3&gt;
&lt;p&gt;Avec &lt;b&gt;LA PARTAGE&lt;/b&gt; cochée dans la zone des réglages, un pari perdu sur le zéro rend la
moitié de sa mise ; les règles de mise le comptent quand même comme perdu. L&apos;avantage de la maison
sur les chances simples est alors de 1/74 au lieu de 1/37, et le résultat attendu de la fenêtre des
statistiques compte 1/74 de ce qui a été misé sous cette règle.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Session limits and the reality check&lt;/h3&gt;
&lt;p&gt;The limits in the settings area stop play when one is reached: &lt;b&gt;LOSS&lt;/b&gt; and
&lt;b&gt;PROFIT&lt;/b&gt; count the money held (the bankroll and the stake on the table) from the moment the
limit was set, &lt;b&gt;MIN&lt;/b&gt; the minutes played and &lt;b&gt;SPINS&lt;/b&gt; the numbers entered. Play then
stands still until you go on (that limit counts again from there) or start a new game. An
optional limit stops play when a stake would be larger than the money held. &lt;b&gt;CHECK&lt;/b&gt; is the
reality check: every so many minutes play pauses to show the time played and the result.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Limites de session et rappel de réalité&lt;/h3&gt;
&lt;p&gt;Les limites de la zone des réglages arrêtent le jeu dès que l&apos;une est atteinte : &lt;b&gt;PERTE&lt;/b&gt; et
&lt;b&gt;GAIN&lt;/b&gt; comptent l&apos;argent détenu (la bankroll et la mise sur la table) depuis le moment où la
limite a été fixée, &lt;b&gt;MIN&lt;/b&gt; les minutes jouées et &lt;b&gt;COUPS&lt;/b&gt; les numéros saisis. Le jeu reste
alors arrêté jusqu&apos;à ce que vous continuiez (cette limite compte de nouveau à partir de là) ou
commenciez une nouvelle partie. Une limite facultative arrête le jeu quand une mise dépasserait
l&apos;argent détenu. &lt;b&gt;RAPPEL&lt;/b&gt; est le rappel de réalité : toutes les tant de minutes, le jeu
s&apos;interrompt pour montrer le temps joué et le résultat.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The Risk tab&lt;/h3&gt;
&lt;p&gt;The statistics window&apos;s &lt;b&gt;Risk&lt;/b&gt; tab plays many whole sessions from the table&apos;s bankroll on
a random wheel, each until it reaches the target, is ruined or has played the most spins, and
shows how often each happened, the spread of the results and the expected loss. It plays the
table&apos;s settings, or flat or martingale staking, with the table&apos;s zero rule or another; the same
seed plays the same sessions, as &lt;code&gt;rotacle-sim risk&lt;/code&gt; does.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;L&apos;onglet Risque&lt;/h3&gt;
&lt;p&gt;L&apos;onglet &lt;b&gt;Risque&lt;/b&gt; de la fenêtre des statistiques joue de nombreuses sessions entières depuis
la bankroll de la table sur une roue aléatoire, chacune jusqu&apos;à ce qu&apos;elle atteigne l&apos;objectif,
soit ruinée ou ait joué le maximum de coups, et montre la fréquence de chaque issue, la dispersion
des résultats et la perte attendue. Il joue les réglages de la table, ou une mise plate ou la
martingale, avec la règle du zéro de la table ou une autre ; la même graine joue les mêmes sessions,
comme &lt;code&gt;rotacle-sim risk&lt;/code&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Staking dialog&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;STAKING&amp;hellip;&lt;/b&gt; in the settings area sets the staking rules in one place, from presets
(the defaults, flat, martingale, d&apos;Alembert) with a preview of the first stakes after losses and
wins.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Dialogue des mises&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;SYSTÈMES&amp;hellip;&lt;/b&gt; dans la zone des réglages fixe les règles de mise en un seul endroit, à
partir de modèles (les valeurs par défaut, plate, martingale, d&apos;Alembert) avec un aperçu des
premières mises après des pertes et des gains.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;La ligne des statistiques&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;Numéros en jeu&lt;/b&gt; compte les numéros de l&apos;historique. &lt;b&gt;Mises jouées&lt;/b&gt; compte les
propositions affichées comme paris dans cette partie (depuis APPLI ; une importation continue le
compte), à chaque numéro saisi : un pari retiré avec PASSER est de nouveau décompté, un pari repris
avec ANNULER reste compté jusqu&apos;au numéro suivant. La fenêtre des statistiques ne compte que les
paris de l&apos;historique. L&apos;&lt;b&gt;indice flat&lt;/b&gt; montre comment les paris se sont passés quelles que soient
leurs mises : il ajoute 18 pour chaque pari gagné et retire 18 pour chaque pari perdu (18 numéros
gagnent sur une chance simple), il vaut donc 18 fois les paris gagnés moins les perdus ; un numéro
sans pari sur la table le laisse tel quel.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source> This session is not journaled.</source>
        <translation> Cette session n&apos;est pas journalisée.</translation>
    </message>
    <message>
        <source>The session journal cannot be written (%1). Play goes on; the journal catches up as soon as there is room again.</source>
        <translation>Le journal de session ne peut pas être écrit (%1). Le jeu continue ; le journal rattrape son retard dès qu&apos;il y a de nouveau de la place.</translation>
    </message>
    <message>
        <source>Every session journal is open in another Rotacle window. This session is not journaled.</source>
        <translation>Chaque journal de session est ouvert dans une autre fenêtre de Rotacle. Cette session n&apos;est pas journalisée.</translation>
    </message>
    <message>
        <source>The last session is open in another Rotacle window. This window starts a session of its own.</source>
        <translation>La dernière session est ouverte dans une autre fenêtre de Rotacle. Cette fenêtre commence sa propre session.</translation>
    </message>
    <message>
        <source>The journal holds an action this version does not know; the session is resumed up to it.</source>
        <translation>Le journal contient une action que cette version ne connaît pas ; la session est reprise jusqu&apos;à elle.</translation>
    </message>
    <message>
        <source> It is kept as %1; a new session starts.</source>
        <translation> Elle est gardée sous %1 ; une nouvelle session commence.</translation>
    </message>
    <message>
        <source>This window keeps no session journal: the kept session cannot be resumed here.</source>
        <translation>Cette fenêtre ne tient pas de journal de session : la session gardée ne peut pas être reprise ici.</translation>
    </message>
    <message>
        <source>Resume the session kept as %1? This session is kept beside it, and Rotacle starts again.</source>
        <translation>Reprendre la session gardée sous %1 ? Cette session est gardée à côté, et Rotacle redémarre.</translation>
    </message>
    <message>
        <source>Record %1 of the journal enters a number while play stood still at a session limit; the session is resumed up to it.</source>
        <translation>L&apos;entrée %1 du journal saisit un numéro alors que le jeu était arrêté à une limite de session ; la session est reprise jusqu&apos;à elle.</translation>
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
        <translation>PERSONNALISÉ</translation>
    </message>
    <message>
        <source>Martingale (x2 on loss)</source>
        <translation>Martingale (x2 si perte)</translation>
    </message>
    <message>
        <source>Parlay (x2 on win)</source>
        <translation>Paroli (x2 si gain)</translation>
    </message>
    <message>
        <source>Donald (+1 on loss / -1 on win)</source>
        <translation>D&apos;Alembert (+1 / -1)</translation>
    </message>
    <message>
        <source>Chernyshov (x3 on loss)</source>
        <translation>Chernyshov (x3 si perte)</translation>
    </message>
    <message>
        <source>Blind (+1 each spin)</source>
        <translation>Aveugle (+1 par coup)</translation>
    </message>
    <message>
        <source>Up-trender (+1 on win)</source>
        <translation>Montante (+1 si gain)</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Pertes</translation>
    </message>
    <message>
        <source>Losses In A Row</source>
        <translation>Pertes d&apos;affilée</translation>
    </message>
    <message>
        <source>Units drawdown</source>
        <translation>Unités de baisse</translation>
    </message>
    <message>
        <source>ADD to bet:</source>
        <translation>AJOUTER :</translation>
    </message>
    <message>
        <source>SUBTRACT:</source>
        <translation>SOUSTRAIRE :</translation>
    </message>
    <message>
        <source>MULTIPLY bet by:</source>
        <translation>MULTIPLIER par :</translation>
    </message>
    <message>
        <source>DIVIDE bet by:</source>
        <translation>DIVISER par :</translation>
    </message>
    <message>
        <source>SET bet to:</source>
        <translation>FIXER la mise à :</translation>
    </message>
    <message>
        <source>Check WINS</source>
        <translation>Voir GAINS</translation>
    </message>
    <message>
        <source>DO NOTHING</source>
        <translation>NE RIEN FAIRE</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Gains</translation>
    </message>
    <message>
        <source>Wins In A Row</source>
        <translation>Gains d&apos;affilée</translation>
    </message>
    <message>
        <source>Units of profit</source>
        <translation>Unités de profit</translation>
    </message>
    <message>
        <source>UPTREND</source>
        <translation>HAUSSE</translation>
    </message>
    <message>
        <source>DOWNTREND</source>
        <translation>BAISSE</translation>
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
        <translation>IMPORTER</translation>
    </message>
    <message>
        <source>IMPORT (%1)</source>
        <translation>IMPORTER (%1)</translation>
    </message>
    <message>
        <source>Text File</source>
        <translation>Fichier texte</translation>
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
        <translation>&apos;%1&apos; n&apos;est pas un nombre décimal valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid amount: the largest is %2</source>
        <translation>&apos;%1&apos; n&apos;est pas un montant valide : le maximum est %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid amount: the smallest is %2</source>
        <translation>&apos;%1&apos; n&apos;est pas un montant valide : le minimum est %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a roulette number (0 to 36)</source>
        <translation>&apos;%1&apos; n&apos;est pas un numéro de roulette (0 à 36)</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;ouvrir le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Impossible de lire le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossible de créer le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;écrire le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>The page cannot be read: %1.</source>
        <translation>Impossible de lire la page : %1.</translation>
    </message>
    <message>
        <source>The page cannot be read: it holds %1 bytes, more than the limit of %2 MB (%3 bytes).</source>
        <translation>Impossible de lire la page : elle contient %1 octets, plus que la limite de %2 Mo (%3 octets).</translation>
    </message>
    <message>
        <source>%1 The file &quot;%2&quot; is left as it is.</source>
        <translation>%1 Le fichier « %2 » reste tel quel.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>The page cannot be read: the page reader is not installed (looked for %1). Install the package rotacle-page-reader to paste pages.</source>
        <translation>Impossible de lire la page : le lecteur de pages n&apos;est pas installé (cherché : %1). Installez le paquet rotacle-page-reader pour coller des pages.</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>cannot be reached</source>
        <translation>est inaccessible</translation>
    </message>
    <message>
        <source>is a link to nothing</source>
        <translation>est un lien vers rien</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>est un dossier</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The options file %1 %2: the options start at their defaults and are not kept.</source>
        <translation>Le fichier d&apos;options %1 %2 : les options partent de leurs valeurs par défaut et ne sont pas gardées.</translation>
    </message>
</context>
<context>
    <name>RiskTab</name>
    <message>
        <source> to </source>
        <translation> à </translation>
    </message>
    <message>
        <source>How many whole sessions to play.</source>
        <translation>Combien de sessions entières jouer.</translation>
    </message>
    <message>
        <source>The profit at which a session stops.</source>
        <translation>Le gain auquel une session s&apos;arrête.</translation>
    </message>
    <message>
        <source>The most spins a session plays.</source>
        <translation>Le plus de coups qu&apos;une session joue.</translation>
    </message>
    <message>
        <source>Every session starts from the table&apos;s bankroll with its settings.</source>
        <translation>Chaque session part de la bankroll de la table avec ses réglages.</translation>
    </message>
    <message>
        <source>RUN</source>
        <translation>LANCER</translation>
    </message>
    <message>
        <source>Plays the sessions on worker threads.</source>
        <translation>Joue les sessions sur des fils de travail.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Stops the run; the figures show the sessions played.</source>
        <translation>Arrête le calcul ; les chiffres montrent les sessions jouées.</translation>
    </message>
    <message>
        <source>Results of the sessions</source>
        <translation>Résultats des sessions</translation>
    </message>
    <message>
        <source>Sessions</source>
        <translation>Sessions</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Sessions:</source>
        <translation>Sessions :</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Objectif :</translation>
    </message>
    <message>
        <source>Max spins:</source>
        <translation>Coups max :</translation>
    </message>
    <message>
        <source>Saves the histogram as a PNG picture.</source>
        <translation>Enregistre l&apos;histogramme en image PNG.</translation>
    </message>
    <message>
        <source>Saves the histogram as an SVG drawing.</source>
        <translation>Enregistre l&apos;histogramme en dessin SVG.</translation>
    </message>
    <message>
        <source>Saves every session&apos;s outcome as a CSV file.</source>
        <translation>Enregistre l&apos;issue de chaque session dans un fichier CSV.</translation>
    </message>
    <message>
        <source>Sessions must be a whole number from 1 to 1000000.</source>
        <translation>Les sessions doivent être un nombre entier de 1 à 1000000.</translation>
    </message>
    <message>
        <source>The target must be an amount above 0.</source>
        <translation>L&apos;objectif doit être un montant supérieur à 0.</translation>
    </message>
    <message>
        <source>Max spins must be a whole number above 0.</source>
        <translation>Les coups max doivent être un nombre entier supérieur à 0.</translation>
    </message>
    <message>
        <source>Playing %1 sessions...</source>
        <translation>%1 sessions en cours...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annulation...</translation>
    </message>
    <message>
        <source>The run failed.</source>
        <translation>Le calcul a échoué.</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 sessions.</source>
        <translation>Annulé après %1 sessions sur %2.</translation>
    </message>
    <message>
        <source>%1 sessions played.</source>
        <translation>%1 sessions jouées.</translation>
    </message>
    <message>
        <source>From the table: bankroll %1, its settings%2</source>
        <translation>De la table : bankroll %1, ses réglages%2</translation>
    </message>
    <message>
        <source>, la partage</source>
        <translation>, la partage</translation>
    </message>
    <message>
        <source>No sessions played yet.</source>
        <translation>Aucune session jouée pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Sessions: %1</source>
        <translation>Sessions : %1</translation>
    </message>
    <message>
        <source>Reached the target: </source>
        <translation>Objectif atteint : </translation>
    </message>
    <message>
        <source>Ruined: </source>
        <translation>Ruinées : </translation>
    </message>
    <message>
        <source>Still playing: </source>
        <translation>Encore en jeu : </translation>
    </message>
    <message>
        <source>Result: mean %1, sd %2</source>
        <translation>Résultat : moyenne %1, écart type %2</translation>
    </message>
    <message>
        <source>5/25/50/75/95 %: %1 / %2 / %3 / %4 / %5</source>
        <translation>5/25/50/75/95 %: %1 / %2 / %3 / %4 / %5</translation>
    </message>
    <message>
        <source>Mean staked: </source>
        <translation>Mise moyenne : </translation>
    </message>
    <message>
        <source>House edge: expected %1, z %2</source>
        <translation>Avantage maison : attendu %1, z %2</translation>
    </message>
    <message>
        <source>Drawdown: mean %1, largest %2</source>
        <translation>Baisse : moyenne %1, plus forte %2</translation>
    </message>
    <message>
        <source>Longest losing run: %1</source>
        <translation>Plus longue série perdante : %1</translation>
    </message>
    <message>
        <source>Largest stake: </source>
        <translation>Plus forte mise : </translation>
    </message>
    <message>
        <source>Mean spins: </source>
        <translation>Coups moyens : </translation>
    </message>
    <message>
        <source>table&apos;s settings</source>
        <translation>réglages de la table</translation>
    </message>
    <message>
        <source>flat</source>
        <translation>plate</translation>
    </message>
    <message>
        <source>martingale</source>
        <translation>martingale</translation>
    </message>
    <message>
        <source>The staking the sessions play: the table&apos;s settings, a flat stake (always the initial bet), or martingale (the stake doubles after each lost bet and goes back to the initial bet after a win).</source>
        <translation>La mise des sessions : les réglages de la table, une mise plate (toujours la mise initiale) ou la martingale (la mise double après chaque pari perdu et revient à la mise initiale après un gain).</translation>
    </message>
    <message>
        <source>as the table</source>
        <translation>comme la table</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>la partage</source>
        <translation>la partage</translation>
    </message>
    <message>
        <source>The zero rule of the sessions: the table&apos;s, none, or la partage (half of a stake lost on zero comes back).</source>
        <translation>La règle du zéro des sessions : celle de la table, aucune ou la partage (la moitié d&apos;une mise perdue sur le zéro revient).</translation>
    </message>
    <message>
        <source>Each session&apos;s wheel is seeded from this seed and the session&apos;s number: the same seed plays the same sessions, here and in rotacle-sim risk --seed.</source>
        <translation>La roue de chaque session est initialisée avec cette graine et le numéro de la session : la même graine joue les mêmes sessions, ici et dans rotacle-sim risk --seed.</translation>
    </message>
    <message>
        <source>System:</source>
        <translation>Système :</translation>
    </message>
    <message>
        <source>Zero rule:</source>
        <translation>Règle du zéro :</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Graine :</translation>
    </message>
    <message>
        <source>The seed must be a whole number from 0 to 18446744073709551615.</source>
        <translation>La graine doit être un nombre entier de 0 à 18446744073709551615.</translation>
    </message>
    <message>
        <source>Played from bankroll %1: %2, zero rule %3, seed %4</source>
        <translation>Joué depuis une bankroll de %1 : %2, règle du zéro %3, graine %4</translation>
    </message>
</context>
<context>
    <name>SpinResult</name>
    <message>
        <source>Won</source>
        <translation>Gagné</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdu</translation>
    </message>
</context>
<context>
    <name>StakingDialog</name>
    <message>
        <source>Defaults: one initial bet more after every bet</source>
        <translation>Par défaut : une mise initiale de plus après chaque pari</translation>
    </message>
    <message>
        <source>Flat: always the initial bet</source>
        <translation>Plate : toujours la mise initiale</translation>
    </message>
    <message>
        <source>Martingale: double the stake after a loss</source>
        <translation>Martingale : doubler la mise après une perte</translation>
    </message>
    <message>
        <source>d&apos;Alembert: one initial bet more after a loss, one less after a win</source>
        <translation>d&apos;Alembert : une mise initiale de plus après une perte, une de moins après un gain</translation>
    </message>
    <message>
        <source>Staking</source>
        <translation>Mises</translation>
    </message>
    <message>
        <source>Applying writes the staking rules, minimal profit and phase correction of the settings as a loaded settings file does; the initial bet stays.</source>
        <translation>Appliquer écrit les règles de mise, le gain minimal et la correction de phase dans les réglages comme le fait un fichier de réglages chargé ; la mise initiale reste.</translation>
    </message>
    <message>
        <source>System:</source>
        <translation>Système :</translation>
    </message>
    <message>
        <source>Stakes:</source>
        <translation>Mises :</translation>
    </message>
    <message>
        <source>Losing every bet: %1</source>
        <translation>En perdant chaque pari : %1</translation>
    </message>
    <message>
        <source>Winning every bet: %1</source>
        <translation>En gagnant chaque pari : %1</translation>
    </message>
    <message>
        <source>Three lost, then won: %1</source>
        <translation>Trois perdus, puis gagné : %1</translation>
    </message>
    <message>
        <source>No preview: %1</source>
        <translation>Pas d&apos;aperçu : %1</translation>
    </message>
</context>
<context>
    <name>StatsWindow</name>
    <message>
        <source>Bankroll after every spin</source>
        <translation>Bankroll après chaque coup</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Coup</translation>
    </message>
    <message>
        <source>Bankroll</source>
        <translation>Bankroll</translation>
    </message>
    <message>
        <source>Initial bankroll</source>
        <translation>Bankroll de départ</translation>
    </message>
    <message>
        <source>Bet won</source>
        <translation>Pari gagné</translation>
    </message>
    <message>
        <source>Bet lost</source>
        <translation>Pari perdu</translation>
    </message>
    <message>
        <source>The bankroll after every spin; green and red marks are the placed bets won and lost, the dashed line the bankroll the session started with.</source>
        <translation>La bankroll après chaque coup ; les marques vertes et rouges sont les paris gagnés et perdus, la ligne pointillée la bankroll du début de session.</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Attendu</translation>
    </message>
    <message>
        <source>Absence</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Longest absence</source>
        <translation>Plus long écart</translation>
    </message>
    <message>
        <source>Hits per chance</source>
        <translation>Sorties par chance</translation>
    </message>
    <message>
        <source>Expected (18/37)</source>
        <translation>Attendu (18/37)</translation>
    </message>
    <message>
        <source>Hits of each even chance against 18/37 of the spins.</source>
        <translation>Sorties de chaque chance simple face à 18/37 des coups.</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Hits, their share of the spins beside the share chance alone gives, the spins since the last hit (absence) and the longest absence so far. Click a column&apos;s header to sort by it.</source>
        <translation>Sorties, leur part des coups à côté de celle du seul hasard, les coups depuis la dernière sortie (écart) et le plus long écart jusqu&apos;ici. Cliquez sur l&apos;en-tête d&apos;une colonne pour trier.</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Pari</translation>
    </message>
    <message>
        <source>Stake</source>
        <translation>Mise</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Every spin of the session: the bet it settled, its stake and result, and the bankroll after it. Numbers that came with an import were not played.</source>
        <translation>Chaque coup de la session : le pari réglé, sa mise et son résultat, et la bankroll après. Les numéros importés n&apos;ont pas été joués.</translation>
    </message>
    <message>
        <source>Rotacle statistics</source>
        <translation>Statistiques de Rotacle</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Session</translation>
    </message>
    <message>
        <source>Spins</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagnés</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdus</translation>
    </message>
    <message>
        <source>Longest losing run</source>
        <translation>Plus longue série perdante</translation>
    </message>
    <message>
        <source>Total staked</source>
        <translation>Total misé</translation>
    </message>
    <message>
        <source>Net result</source>
        <translation>Résultat net</translation>
    </message>
    <message>
        <source>Expected result (house edge 1/37)</source>
        <translation>Résultat attendu (avantage maison 1/37)</translation>
    </message>
    <message>
        <source>Numbers in the history.</source>
        <translation>Numéros de l&apos;historique.</translation>
    </message>
    <message>
        <source>Settled bets that won.</source>
        <translation>Paris réglés gagnés.</translation>
    </message>
    <message>
        <source>Settled bets that lost.</source>
        <translation>Paris réglés perdus.</translation>
    </message>
    <message>
        <source>The most settled bets lost one after the other.</source>
        <translation>Le plus de paris réglés perdus à la suite.</translation>
    </message>
    <message>
        <source>The stakes of all settled bets.</source>
        <translation>Les mises de tous les paris réglés.</translation>
    </message>
    <message>
        <source>The won stakes less the lost ones.</source>
        <translation>Les mises gagnées moins les perdues.</translation>
    </message>
    <message>
        <source>Chances</source>
        <translation>Chances</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Numéros</translation>
    </message>
    <message>
        <source>Risk</source>
        <translation>Risque</translation>
    </message>
    <message>
        <source>Hits, share and absences of the even chances and of every number; every spin of the session.</source>
        <translation>Sorties, part et écarts des chances simples et de chaque numéro ; chaque coup de la session.</translation>
    </message>
    <message>
        <source>Chart as PNG...</source>
        <translation>Graphique en PNG...</translation>
    </message>
    <message>
        <source>Saves the bankroll chart as a PNG picture.</source>
        <translation>Enregistre la courbe de la bankroll en image PNG.</translation>
    </message>
    <message>
        <source>Chart as SVG...</source>
        <translation>Graphique en SVG...</translation>
    </message>
    <message>
        <source>Saves the bankroll chart as an SVG drawing.</source>
        <translation>Enregistre la courbe de la bankroll en dessin SVG.</translation>
    </message>
    <message>
        <source>Tables as CSV...</source>
        <translation>Tableaux en CSV...</translation>
    </message>
    <message>
        <source>Saves the hits and absences of the chances and numbers as a CSV file.</source>
        <translation>Enregistre les sorties et écarts des chances et numéros dans un fichier CSV.</translation>
    </message>
    <message>
        <source>Spins as CSV...</source>
        <translation>Coups en CSV...</translation>
    </message>
    <message>
        <source>Saves every spin with its bet, stake, result and bankroll as a CSV file.</source>
        <translation>Enregistre chaque coup avec son pari, sa mise, son résultat et la bankroll dans un fichier CSV.</translation>
    </message>
    <message>
        <source>The chart could not be drawn as a PNG picture.</source>
        <translation>Impossible de dessiner le graphique en image PNG.</translation>
    </message>
    <message>
        <source>The chart could not be drawn as an SVG drawing.</source>
        <translation>Impossible de dessiner le graphique en dessin SVG.</translation>
    </message>
    <message>
        <source>What the house edge takes on average: 1/37 of the total staked, lost; 1/74 of what was staked under la partage, which gives half of a stake back on zero.</source>
        <translation>Ce que l&apos;avantage de la maison prend en moyenne : 1/37 du total misé, perdu ; 1/74 de ce qui a été misé sous la partage, qui rend la moitié d&apos;une mise sur le zéro.</translation>
    </message>
    <message>
        <source>Expected result (la partage, house edge 1/74)</source>
        <translation>Résultat attendu (la partage, avantage maison 1/74)</translation>
    </message>
    <message>
        <source>Expected result (house edge 1/37, 1/74 under la partage)</source>
        <translation>Résultat attendu (avantage maison 1/37, 1/74 sous la partage)</translation>
    </message>
    <message>
        <source>Bets placed in this history</source>
        <translation>Paris placés dans cet historique</translation>
    </message>
    <message>
        <source>Bets settled in this history</source>
        <translation>Paris réglés dans cet historique</translation>
    </message>
    <message>
        <source>Bets whose stake went on the table since the history began (APP or an import): those settled and the one open now.</source>
        <translation>Paris dont la mise est allée sur la table depuis le début de l&apos;historique (APPLI ou une importation) : ceux réglés et celui ouvert maintenant.</translation>
    </message>
    <message>
        <source>Placed bets that a number has settled since the history began; UNDO takes one back. Bets played in the main window counts the whole game, imports included.</source>
        <translation>Paris placés qu&apos;un numéro a réglés depuis le début de l&apos;historique ; ANNULER en reprend un. Mises jouées dans la fenêtre principale compte toute la partie, importations comprises.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
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
        <translation>La page collée ne contient aucun numéro de roulette : rien à importer.</translation>
    </message>
    <message>
        <source>Start a new game? The history of %1 numbers is cleared; the bankroll stays.</source>
        <translation>Commencer une nouvelle partie ? L&apos;historique de %1 numéros est effacé ; la bankroll reste.</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTER</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORTER</translation>
    </message>
    <message>
        <source>TEST BANK:</source>
        <translation>ESSAI :</translation>
    </message>
    <message>
        <source>UNDO</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>STATS</source>
        <translation>STATS</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>PASSER</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation>RÉGLAGES</translation>
    </message>
    <message>
        <source>LOAD</source>
        <translation>CHARGER</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SAUVER</translation>
    </message>
    <message>
        <source>PASTE FROM EVOLUTION</source>
        <translation>COLLER DEPUIS EVOLUTION</translation>
    </message>
    <message>
        <source>LOAD FROM FILE</source>
        <translation>CHARGER UN FICHIER</translation>
    </message>
    <message>
        <source>Import %1 numbers? They replace the history of %2 numbers; the bankroll stays.</source>
        <translation>Importer %1 numéros ? Ils remplacent l&apos;historique de %2 numéros ; la bankroll reste.</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>FERMER</translation>
    </message>
    <message>
        <source>INITIAL BET:</source>
        <translation>MISE INITIALE :</translation>
    </message>
    <message>
        <source>GAME MODE:</source>
        <translation>MODE DE JEU :</translation>
    </message>
    <message>
        <source>BETTING SYSTEM:</source>
        <translation>SYSTÈME DE MISE :</translation>
    </message>
    <message>
        <source>AFTER</source>
        <translation>APRÈS</translation>
    </message>
    <message>
        <source>GET MINIMAL PROFIT</source>
        <translation>GAIN MINIMAL</translation>
    </message>
    <message>
        <source>BET AUTOMATIC RESET</source>
        <translation>REMISE À ZÉRO AUTO</translation>
    </message>
    <message>
        <source>SAFE LEVEL:</source>
        <translation>SÉCURITÉ :</translation>
    </message>
    <message>
        <source>BUILD MATRIX</source>
        <translation>CRÉER MATRICE</translation>
    </message>
    <message>
        <source>RM</source>
        <translation>RM</translation>
    </message>
    <message>
        <source>DIRECTION:</source>
        <translation>SENS :</translation>
    </message>
    <message>
        <source>PLAY BETS:</source>
        <translation>MISES :</translation>
    </message>
    <message>
        <source>FIXED NUMBER</source>
        <translation>NOMBRE FIXE</translation>
    </message>
    <message>
        <source>REBUILD MATRIX ON PROFIT (Units):</source>
        <translation>RECRÉER MATRICE SUR GAIN (Unités) :</translation>
    </message>
    <message>
        <source>USE PHASE CORRECTION WITH STEP:</source>
        <translation>CORRECTION DE PHASE AVEC PAS :</translation>
    </message>
    <message>
        <source>RESET:</source>
        <translation>RÉINIT. :</translation>
    </message>
    <message>
        <source>BETS</source>
        <translation>MISES</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>APPLI</translation>
    </message>
    <message>
        <source>QUICK PROPOSALS</source>
        <translation>PROPOS. RAPIDES</translation>
    </message>
    <message>
        <source>Show Bet</source>
        <translation>Voir la mise</translation>
    </message>
    <message>
        <source>LOSS LIMIT REACHED</source>
        <translation>LIMITE DE PERTE ATTEINTE</translation>
    </message>
    <message>
        <source>PROFIT GOAL REACHED</source>
        <translation>OBJECTIF DE GAIN ATTEINT</translation>
    </message>
    <message>
        <source>TIME LIMIT REACHED</source>
        <translation>LIMITE DE TEMPS ATTEINTE</translation>
    </message>
    <message>
        <source>SPIN LIMIT REACHED</source>
        <translation>LIMITE DE COUPS ATTEINTE</translation>
    </message>
    <message>
        <source>REALITY CHECK</source>
        <translation>RAPPEL DE RÉALITÉ</translation>
    </message>
    <message>
        <source>LA PARTAGE</source>
        <translation>LA PARTAGE</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NON</translation>
    </message>
    <message>
        <source>LOSS:</source>
        <translation>PERTE :</translation>
    </message>
    <message>
        <source>PROFIT:</source>
        <translation>GAIN :</translation>
    </message>
    <message>
        <source>MIN:</source>
        <translation>MIN :</translation>
    </message>
    <message>
        <source>SPINS:</source>
        <translation>COUPS :</translation>
    </message>
    <message>
        <source>CHECK:</source>
        <translation>RAPPEL :</translation>
    </message>
    <message>
        <source>GO ON</source>
        <translation>CONTINUER</translation>
    </message>
    <message>
        <source>NEW GAME</source>
        <translation>NOUVELLE PARTIE</translation>
    </message>
    <message>
        <source>Time played %1</source>
        <translation>Temps de jeu %1</translation>
    </message>
    <message>
        <source>%1 spins</source>
        <translation>%1 coups</translation>
    </message>
    <message>
        <source>Net result %1</source>
        <translation>Résultat net %1</translation>
    </message>
    <message>
        <source>STAKING RULES</source>
        <translation>RÈGLES DE MISE</translation>
    </message>
    <message>
        <source>SAFETY</source>
        <translation>SÉCURITÉ</translation>
    </message>
    <message>
        <source>MATRIX</source>
        <translation>MATRICE</translation>
    </message>
    <message>
        <source>PHASE AND RESET</source>
        <translation>PHASE ET RÉINIT.</translation>
    </message>
    <message>
        <source>Language of the window, from the next start</source>
        <translation>Langue de la fenêtre, au prochain démarrage</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>not taken</source>
        <translation>non pris</translation>
    </message>
    <message>
        <source>stake %1</source>
        <translation>mise %1</translation>
    </message>
    <message>
        <source>waiting:</source>
        <translation>en attente :</translation>
    </message>
    <message>
        <source>Net result:</source>
        <translation>Résultat net :</translation>
    </message>
    <message>
        <source>The session&apos;s net result: the won stakes less the lost ones, as the statistics window counts them.</source>
        <translation>Le résultat net de la session : les mises gagnées moins les perdues, comptées comme dans la fenêtre des statistiques.</translation>
    </message>
    <message>
        <source>STAKING…</source>
        <translation>SYSTÈMES…</translation>
    </message>
    <message>
        <source>STAKE ABOVE THE BANKROLL</source>
        <translation>MISE &gt; BANKROLL</translation>
    </message>
    <message>
        <source>INITIAL BET</source>
        <translation>MISE INITIALE</translation>
    </message>
    <message>
        <source>TEST BANK</source>
        <translation>ESSAI</translation>
    </message>
    <message>
        <source>amount of the loss rule</source>
        <translation>montant de la règle de perte</translation>
    </message>
    <message>
        <source>amount of the win rule</source>
        <translation>montant de la règle de gain</translation>
    </message>
    <message>
        <source>%1: %2 is no stake; the smallest is 0.01</source>
        <translation>%1 : %2 n&apos;est pas une mise ; la plus petite est 0.01</translation>
    </message>
    <message>
        <source>%1: an amount has one decimal point; the key is not taken</source>
        <translation>%1 : un montant a un seul point décimal ; la touche n&apos;est pas prise</translation>
    </message>
    <message>
        <source>%1: amounts are typed without a sign; &quot;%2&quot; is not taken</source>
        <translation>%1 : les montants se tapent sans signe ; &quot;%2&quot; n&apos;est pas pris</translation>
    </message>
    <message>
        <source>%1: only digits and a decimal point are typed here; &quot;%2&quot; is not taken</source>
        <translation>%1 : seuls des chiffres et un point décimal se tapent ici ; &quot;%2&quot; n&apos;est pas pris</translation>
    </message>
</context>
<context>
    <name>Tooltip</name>
    <message>
        <source>Opens the import panel to bring in a series of past numbers.</source>
        <translation>Ouvre le panneau d&apos;importation pour reprendre une série de numéros passés.</translation>
    </message>
    <message>
        <source>Saves the history as a text file, one number per line.</source>
        <translation>Enregistre l&apos;historique dans un fichier texte, un numéro par ligne.</translation>
    </message>
    <message>
        <source>Minimises the window.</source>
        <translation>Réduit la fenêtre.</translation>
    </message>
    <message>
        <source>Closes Rotacle.</source>
        <translation>Ferme Rotacle.</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>Aide (F1)</translation>
    </message>
    <message>
        <source>The bankroll; the stake of the shown bet is already taken from it.</source>
        <translation>La bankroll ; la mise du pari affiché en est déjà retirée.</translation>
    </message>
    <message>
        <source>Takes back the last number entered.</source>
        <translation>Reprend le dernier numéro saisi.</translation>
    </message>
    <message>
        <source>Undo is offered again once two more numbers are entered.</source>
        <translation>L&apos;annulation revient après deux numéros de plus.</translation>
    </message>
    <message>
        <source>Red lamp: the safety level is more than one lost proposal away.</source>
        <translation>Voyant rouge : le niveau de sécurité est à plus d&apos;une proposition perdue.</translation>
    </message>
    <message>
        <source>Green lamp: the safety level is reached or one lost proposal away.</source>
        <translation>Voyant vert : le niveau de sécurité est atteint ou à une proposition perdue.</translation>
    </message>
    <message>
        <source>Withdraws the shown bet; its stake goes back to the bankroll.</source>
        <translation>Retire le pari affiché ; sa mise retourne à la bankroll.</translation>
    </message>
    <message>
        <source>No bet is shown that could be withdrawn.</source>
        <translation>Aucun pari affiché à retirer.</translation>
    </message>
    <message>
        <source>Opens the settings area with the betting settings.</source>
        <translation>Ouvre la zone des réglages de mise.</translation>
    </message>
    <message>
        <source>Closes the settings area.</source>
        <translation>Ferme la zone des réglages.</translation>
    </message>
    <message>
        <source>Opens the statistics window: the bankroll chart, hits and absences of the chances and numbers, the session summary (S).</source>
        <translation>Ouvre la fenêtre des statistiques : courbe de la bankroll, sorties et écarts des chances et des numéros, résumé de la session (S).</translation>
    </message>
    <message>
        <source>Loads the betting settings from a .rtk file.</source>
        <translation>Charge les réglages de mise d&apos;un fichier .rtk.</translation>
    </message>
    <message>
        <source>Saves the betting settings to a .rtk file.</source>
        <translation>Enregistre les réglages de mise dans un fichier .rtk.</translation>
    </message>
    <message>
        <source>Reads the numbers of a live-casino history page copied to the clipboard.</source>
        <translation>Lit les numéros d&apos;une page d&apos;historique de casino en direct copiée dans le presse-papiers.</translation>
    </message>
    <message>
        <source>A pasted page is being read.</source>
        <translation>Une page collée est en cours de lecture.</translation>
    </message>
    <message>
        <source>Reads the numbers of a text file.</source>
        <translation>Lit les numéros d&apos;un fichier texte.</translation>
    </message>
    <message>
        <source>Replaces the history with the numbers read; no bet is settled.</source>
        <translation>Remplace l&apos;historique par les numéros lus ; aucun pari n&apos;est réglé.</translation>
    </message>
    <message>
        <source>Closes the import panel; the history stays as it is.</source>
        <translation>Ferme le panneau d&apos;importation ; l&apos;historique reste tel quel.</translation>
    </message>
    <message>
        <source>The initial bet: the stake every staking cycle starts from.</source>
        <translation>La mise initiale : la mise de départ de chaque cycle.</translation>
    </message>
    <message>
        <source>The game mode that proposes the field to bet on. Fixed in this version: SMART 2025 plays, and a choice snaps back to it.</source>
        <translation>Le mode de jeu qui propose la chance à jouer. Fixe dans cette version : SMART 2025 joue, un autre choix y revient.</translation>
    </message>
    <message>
        <source>The name of the betting system that the staking rules below stand for; the stake always follows those rules. Fixed in this version: a choice snaps back, a settings file may show another name.</source>
        <translation>Le nom du système de mise que représentent les règles ci-dessous ; la mise suit toujours ces règles. Fixe dans cette version : un choix revient, un fichier de réglages peut afficher un autre nom.</translation>
    </message>
    <message>
        <source>Shows the bankroll and lets you set the test bank.</source>
        <translation>Affiche la bankroll et permet de fixer la bank d&apos;essai.</translation>
    </message>
    <message>
        <source>The starting bankroll.</source>
        <translation>La bankroll de départ.</translation>
    </message>
    <message>
        <source>After how many of the counted losses the loss rule changes the stake. Fixed in this version: only a settings file changes it.</source>
        <translation>Après combien de pertes comptées la règle de perte change la mise. Fixe dans cette version : seul un fichier de réglages le change.</translation>
    </message>
    <message>
        <source>What the loss rule counts: losses, losses in a row or units of drawdown. Fixed in this version: a choice snaps back; a settings file may set it.</source>
        <translation>Ce que compte la règle de perte : pertes, pertes d&apos;affilée ou unités de baisse. Fixe dans cette version : un choix revient ; un fichier de réglages peut le fixer.</translation>
    </message>
    <message>
        <source>What the loss rule does to the stake. Fixed in this version at ADD to bet: a choice snaps back.</source>
        <translation>Ce que fait la règle de perte à la mise. Fixe dans cette version à AJOUTER à la mise : un choix revient.</translation>
    </message>
    <message>
        <source>The amount by which the loss rule changes the stake: the initial bet. Fixed in this version: it follows the initial bet, or a settings file.</source>
        <translation>Le montant dont la règle de perte change la mise : la mise initiale. Fixe dans cette version : il suit la mise initiale, ou un fichier de réglages.</translation>
    </message>
    <message>
        <source>After how many of the counted wins the win rule changes the stake. Fixed in this version: only a settings file changes it.</source>
        <translation>Après combien de gains comptés la règle de gain change la mise. Fixe dans cette version : seul un fichier de réglages le change.</translation>
    </message>
    <message>
        <source>What the win rule counts: wins, wins in a row or units of profit. Fixed in this version: a choice snaps back; a settings file may set it.</source>
        <translation>Ce que compte la règle de gain : gains, gains d&apos;affilée ou unités de profit. Fixe dans cette version : un choix revient ; un fichier de réglages peut le fixer.</translation>
    </message>
    <message>
        <source>What the win rule does to the stake. Fixed in this version at ADD to bet: a choice snaps back.</source>
        <translation>Ce que fait la règle de gain à la mise. Fixe dans cette version à AJOUTER à la mise : un choix revient.</translation>
    </message>
    <message>
        <source>The amount by which the win rule changes the stake: the initial bet. Fixed in this version: it follows the initial bet, or a settings file.</source>
        <translation>Le montant dont la règle de gain change la mise : la mise initiale. Fixe dans cette version : il suit la mise initiale, ou un fichier de réglages.</translation>
    </message>
    <message>
        <source>Trims the stake so that a win just reaches the cycle target.</source>
        <translation>Réduit la mise pour qu&apos;un gain atteigne juste l&apos;objectif du cycle.</translation>
    </message>
    <message>
        <source>Returns the stake to the initial bet when the bankroll reaches the cycle target.</source>
        <translation>Ramène la mise à la mise initiale quand la bankroll atteint l&apos;objectif du cycle.</translation>
    </message>
    <message>
        <source>Shows a proposal only after this many proposals in a row have lost (0: always).</source>
        <translation>N&apos;affiche une proposition qu&apos;après autant de propositions perdues d&apos;affilée (0 : toujours).</translation>
    </message>
    <message>
        <source>Builds the matrix from the recent spins.</source>
        <translation>Construit la matrice à partir des derniers coups.</translation>
    </message>
    <message>
        <source>Clears the matrix.</source>
        <translation>Vide la matrice.</translation>
    </message>
    <message>
        <source>The direction in which the matrix looks for its pattern.</source>
        <translation>Le sens dans lequel la matrice cherche son motif.</translation>
    </message>
    <message>
        <source>How many bets are played before the matrix is rebuilt.</source>
        <translation>Combien de mises sont jouées avant de reconstruire la matrice.</translation>
    </message>
    <message>
        <source>Keeps the number of replayed spins instead of following the history.</source>
        <translation>Garde le nombre de coups rejoués au lieu de suivre l&apos;historique.</translation>
    </message>
    <message>
        <source>How many recent spins the matrix replays.</source>
        <translation>Combien de coups récents la matrice rejoue.</translation>
    </message>
    <message>
        <source>Rebuilds the matrix once the profit reaches the units set beside it.</source>
        <translation>Reconstruit la matrice dès que le gain atteint les unités indiquées à côté.</translation>
    </message>
    <message>
        <source>The profit, in initial bets, that rebuilds the matrix.</source>
        <translation>Le gain, en mises initiales, qui reconstruit la matrice.</translation>
    </message>
    <message>
        <source>Re-bases the rule amounts when the stake reaches the step times the initial bet.</source>
        <translation>Recale les montants des règles quand la mise atteint le pas fois la mise initiale.</translation>
    </message>
    <message>
        <source>The step: the multiple of the initial bet that starts a phase correction.</source>
        <translation>Le pas : le multiple de la mise initiale qui déclenche une correction de phase.</translation>
    </message>
    <message>
        <source>Flat index: +18 for every won bet, -18 for every lost one, whatever the stakes: wins against losses.</source>
        <translation>Indice à plat : +18 par pari gagné, -18 par pari perdu, quelles que soient les mises : gains contre pertes.</translation>
    </message>
    <message>
        <source>Numbers in game: the numbers in the history.</source>
        <translation>Numéros en jeu : les numéros de l&apos;historique.</translation>
    </message>
    <message>
        <source>Starts a new staking cycle at the initial bet.</source>
        <translation>Commence un nouveau cycle à la mise initiale.</translation>
    </message>
    <message>
        <source>Starts a new game: the history is cleared, the bankroll kept.</source>
        <translation>Commence une nouvelle partie : l&apos;historique est effacé, la bankroll gardée.</translation>
    </message>
    <message>
        <source>Shows the stake beside the chip.</source>
        <translation>Affiche la mise à côté du jeton.</translation>
    </message>
    <message>
        <source>Shows each proposal at once, without the run across the board.</source>
        <translation>Affiche chaque proposition aussitôt, sans la course sur le tapis.</translation>
    </message>
    <message>
        <source>La partage: a zero gives half of the stake back; the bet still counts as lost.</source>
        <translation>La partage : un zéro rend la moitié de la mise ; le pari compte tout de même comme perdu.</translation>
    </message>
    <message>
        <source>Loss limit: play stops when the session has lost this much (OFF: no limit).</source>
        <translation>Limite de perte : le jeu s&apos;arrête quand la session a perdu autant (NON : pas de limite).</translation>
    </message>
    <message>
        <source>Profit goal: play stops when the session has won this much (OFF: no goal).</source>
        <translation>Objectif de gain : le jeu s&apos;arrête quand la session a gagné autant (NON : pas d&apos;objectif).</translation>
    </message>
    <message>
        <source>Time limit: play stops after this many minutes (OFF: no limit).</source>
        <translation>Limite de temps : le jeu s&apos;arrête après autant de minutes (NON : pas de limite).</translation>
    </message>
    <message>
        <source>Spin limit: play stops after this many spins (OFF: no limit).</source>
        <translation>Limite de coups : le jeu s&apos;arrête après autant de coups (NON : pas de limite).</translation>
    </message>
    <message>
        <source>Plays on; the limit that stopped play counts again from here.</source>
        <translation>Continue à jouer ; la limite qui a arrêté le jeu recompte à partir d&apos;ici.</translation>
    </message>
    <message>
        <source>Starts a new game: the history is cleared, the session counts from now.</source>
        <translation>Commence une nouvelle partie : l&apos;historique est effacé, la session compte à partir de maintenant.</translation>
    </message>
    <message>
        <source>Reality check: every this many minutes, play pauses to show the time and result.</source>
        <translation>Rappel de réalité : toutes les tant de minutes, le jeu s&apos;interrompt pour montrer le temps et le résultat.</translation>
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
        <translation>Saisit %1 comme numéro sorti.</translation>
    </message>
    <message>
        <source>Prefer %1: a proposal of %2 is turned to %1.</source>
        <translation>Préférer %1 : une proposition de %2 devient %1.</translation>
    </message>
    <message>
        <source>Drops the preference for %1.</source>
        <translation>Abandonne la préférence pour %1.</translation>
    </message>
    <message>
        <source>Reset: BETS starts a new staking cycle, APP starts a new game.</source>
        <translation>Réinitialiser : MISES lance un nouveau cycle de mises, APPLI une nouvelle partie.</translation>
    </message>
    <message>
        <source>Bets played in this game (since APP; an import goes on counting), counted as each number is entered: SKIP takes a bet off, UNDO keeps it until the next number.</source>
        <translation>Paris joués dans cette partie (depuis APPLI ; une importation continue le compte), comptés à chaque numéro saisi : PASSER retire un pari, ANNULER le garde jusqu&apos;au numéro suivant.</translation>
    </message>
    <message>
        <source>Staking systems to choose from, with the first stakes each puts on the table.</source>
        <translation>Systèmes de mise au choix, avec les premières mises que chacun met sur la table.</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>A new version of Rotacle is ready. It starts the next time you open Rotacle.</source>
        <translation>Une nouvelle version de Rotacle est prête. Elle démarre la prochaine fois que vous ouvrez Rotacle.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>roulette table</source>
        <translation>table de roulette</translation>
    </message>
    <message>
        <source>table</source>
        <translation>table</translation>
    </message>
    <message>
        <source>commands</source>
        <translation>commandes</translation>
    </message>
    <message>
        <source>numbers</source>
        <translation>numéros</translation>
    </message>
    <message>
        <source>even chances</source>
        <translation>chances simples</translation>
    </message>
    <message>
        <source>Press Ctrl+V (⌘V on a Mac) to paste the page.</source>
        <translation>Appuyez sur Ctrl+V (⌘V sur un Mac) pour coller la page.</translation>
    </message>
    <message>
        <source>This browser keeps no data for pages (IndexedDB).</source>
        <translation>Ce navigateur ne conserve aucune donnée pour les pages (IndexedDB).</translation>
    </message>
</context>
</TS>
