<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Accessible</name>
    <message>
        <source>%1, green</source>
        <translation>%1, verde</translation>
    </message>
    <message>
        <source>%1, red</source>
        <translation>%1, rojo</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, negro</translation>
    </message>
    <message>
        <source>proposal: stake %1 on %2</source>
        <translation>propuesta: apuesta %1 a %2</translation>
    </message>
    <message>
        <source>won: stake %1 on %2, bankroll %3</source>
        <translation>ganada: apuesta %1 a %2, capital %3</translation>
    </message>
    <message>
        <source>lost: stake %1 on %2, bankroll %3</source>
        <translation>perdida: apuesta %1 a %2, capital %3</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>error: %1</translation>
    </message>
    <message>
        <source>trend: %1</source>
        <translation>tendencia: %1</translation>
    </message>
    <message>
        <source>%1 field, lit</source>
        <translation>casilla %1, iluminada</translation>
    </message>
    <message>
        <source>chip on %1</source>
        <translation>ficha en %1</translation>
    </message>
    <message>
        <source>stake %1 on %2</source>
        <translation>apuesta %1 a %2</translation>
    </message>
    <message>
        <source>safe level lamp: off (red)</source>
        <translation>luz del nivel de seguridad: apagada (roja)</translation>
    </message>
    <message>
        <source>safe level lamp: on (green)</source>
        <translation>luz del nivel de seguridad: encendida (verde)</translation>
    </message>
    <message>
        <source>minimise</source>
        <translation>minimizar</translation>
    </message>
    <message>
        <source>close</source>
        <translation>cerrar</translation>
    </message>
    <message>
        <source>help</source>
        <translation>ayuda</translation>
    </message>
    <message>
        <source>%1, not available</source>
        <translation>%1, no disponible</translation>
    </message>
    <message>
        <source>import panel</source>
        <translation>panel de importación</translation>
    </message>
    <message>
        <source>bankroll %1</source>
        <translation>capital %1</translation>
    </message>
    <message>
        <source>bets played %1</source>
        <translation>apuestas jugadas %1</translation>
    </message>
    <message>
        <source>flat index %1</source>
        <translation>índice plano %1</translation>
    </message>
    <message>
        <source>numbers in game %1</source>
        <translation>números en juego %1</translation>
    </message>
    <message>
        <source>run progress</source>
        <translation>progreso del cálculo</translation>
    </message>
    <message>
        <source>import progress</source>
        <translation>progreso de la importación</translation>
    </message>
    <message>
        <source>history</source>
        <translation>historial</translation>
    </message>
    <message>
        <source>losses before the action</source>
        <translation>pérdidas antes de la acción</translation>
    </message>
    <message>
        <source>kind of loss</source>
        <translation>tipo de pérdida</translation>
    </message>
    <message>
        <source>action after losses</source>
        <translation>acción tras pérdidas</translation>
    </message>
    <message>
        <source>value of the action after losses</source>
        <translation>valor de la acción tras pérdidas</translation>
    </message>
    <message>
        <source>wins before the action</source>
        <translation>ganancias antes de la acción</translation>
    </message>
    <message>
        <source>kind of win</source>
        <translation>tipo de ganancia</translation>
    </message>
    <message>
        <source>action after wins</source>
        <translation>acción tras ganancias</translation>
    </message>
    <message>
        <source>value of the action after wins</source>
        <translation>valor de la acción tras ganancias</translation>
    </message>
    <message>
        <source>language</source>
        <translation>idioma</translation>
    </message>
    <message>
        <source>matrix build progress</source>
        <translation>progreso de la matriz</translation>
    </message>
    <message>
        <source>safe level %1</source>
        <translation>nivel de seguridad %1</translation>
    </message>
    <message>
        <source>bet won</source>
        <translation>apuesta ganada</translation>
    </message>
    <message>
        <source>bet lost</source>
        <translation>apuesta perdida</translation>
    </message>
    <message>
        <source>session resumed: %1 numbers</source>
        <translation>sesión reanudada: %1 números</translation>
    </message>
    <message>
        <source>proposal: stake %1 on %2, more than the money held (%3)</source>
        <translation>propuesta: apuesta %1 a %2, más que el dinero en juego (%3)</translation>
    </message>
    <message>
        <source>no bet</source>
        <translation>sin apuesta</translation>
    </message>
    <message>
        <source>not taken</source>
        <translation>no aceptado</translation>
    </message>
    <message>
        <source>waiting: %1</source>
        <translation>en espera: %1</translation>
    </message>
    <message>
        <source>import panel open</source>
        <translation>panel de importación abierto</translation>
    </message>
    <message>
        <source>import panel open: %1</source>
        <translation>panel de importación abierto: %1</translation>
    </message>
    <message>
        <source>last %1</source>
        <translation>último %1</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Numbers in game:</source>
        <translation>Números en juego:</translation>
    </message>
    <message>
        <source>Bets played:</source>
        <translation>Apuestas:</translation>
    </message>
    <message>
        <source>Flat index:</source>
        <translation>Índice flat:</translation>
    </message>
    <message>
        <source>EVEN CHANCE ASSISTANT</source>
        <translation>ASISTENTE SUERTES SENCILLAS</translation>
    </message>
    <message>
        <source>IMPORT NUMBERS</source>
        <translation>IMPORTAR NÚMEROS</translation>
    </message>
    <message>
        <source>From a saved Evolution history page or a text file</source>
        <translation>De una página de Evolution guardada o de un archivo de texto</translation>
    </message>
    <message>
        <source>The numbers replace the history, oldest first.</source>
        <translation>Los números sustituyen el historial, el más antiguo primero.</translation>
    </message>
    <message>
        <source>No bet is settled and no game mode runs.</source>
        <translation>No se liquida ninguna apuesta ni corre ningún modo de juego.</translation>
    </message>
    <message>
        <source>TREND</source>
        <translation>TENDENCIA</translation>
    </message>
    <message>
        <source>1-18</source>
        <translation>FALTA</translation>
    </message>
    <message>
        <source>EVEN</source>
        <translation>PAR</translation>
    </message>
    <message>
        <source>ODD</source>
        <translation>IMPAR</translation>
    </message>
    <message>
        <source>19-36</source>
        <translation>PASA</translation>
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
&lt;p&gt;Rotacle sigue una mesa de ruleta europea (un cero) y propone una de las seis suertes
sencillas &amp;mdash; Falta (1-18), Pasa (19-36), Par, Impar, Rojo, Negro &amp;mdash; con la apuesta que
dan sus reglas de apuesta.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Entering numbers&lt;/h3&gt;
&lt;p&gt;Click the cell of the number the wheel produced, or type its digits and press Enter or
Space. Backspace takes back a typed digit, Esc drops the typed digits. A number clicked or typed
while the board is busy waits (&amp;ldquo;waiting: 5 36&amp;rdquo; under the history) and is entered after
the run; meanwhile UNDO only takes back a waiting number.&lt;/p&gt;
&lt;p&gt;Keys: &lt;b&gt;Ctrl+Z&lt;/b&gt; undo (a number still waiting is taken back first), &lt;b&gt;Ctrl+Q&lt;/b&gt; quit, &lt;b&gt;F1&lt;/b&gt; this help, &lt;b&gt;S&lt;/b&gt; the statistics window, &lt;b&gt;Esc&lt;/b&gt; closes the
import panel or the settings area.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Introducir números&lt;/h3&gt;
&lt;p&gt;Pulse la casilla del número salido, o escriba sus cifras y pulse Intro o Espacio. Retroceso
quita una cifra escrita, Esc borra las cifras escritas. Un número pulsado o escrito mientras el
tapete está ocupado espera (&amp;ldquo;en espera: 5 36&amp;rdquo; bajo el historial) y se introduce tras el
recorrido; mientras tanto DESHACER solo quita un número en espera.&lt;/p&gt;
&lt;p&gt;Teclas: &lt;b&gt;Ctrl+Z&lt;/b&gt; deshacer (un número aún en espera se quita primero), &lt;b&gt;Ctrl+Q&lt;/b&gt; salir,
&lt;b&gt;F1&lt;/b&gt; esta ayuda, &lt;b&gt;S&lt;/b&gt; la ventana de estadísticas, &lt;b&gt;Esc&lt;/b&gt; cierra el panel de importación
o el área de ajustes.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The chip and the stake&lt;/h3&gt;
&lt;p&gt;The chip marks the field to bet on next; the tag beside it is the stake. The stake is already
taken from the bankroll: a win brings it back with as much again, a loss keeps it.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;La ficha y la apuesta&lt;/h3&gt;
&lt;p&gt;La ficha marca la suerte a apostar a continuación; la etiqueta a su lado es la apuesta. La
apuesta ya está descontada del capital: una ganancia la devuelve con otro tanto, una pérdida se la
queda.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The first numbers&lt;/h3&gt;
&lt;p&gt;The first four numbers are only recorded. From the fifth a proposal is shown; from the sixth
each number first settles the previous proposal.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Los primeros números&lt;/h3&gt;
&lt;p&gt;Los cuatro primeros números solo se anotan. Desde el quinto se muestra una propuesta; desde el
sexto cada número liquida primero la propuesta anterior.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Undo and skip&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;UNDO&lt;/b&gt; takes back the last number entered: the bankroll and the bet return to what they
were before it. It is offered again once two more numbers are entered. &lt;b&gt;SKIP&lt;/b&gt; withdraws the shown bet: its stake goes
back to the bankroll and nothing is settled on it.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Deshacer y saltar&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;DESHACER&lt;/b&gt; quita el último número introducido: el capital y la apuesta vuelven a como
estaban antes. Vuelve a estar disponible tras dos números más. &lt;b&gt;SALTAR&lt;/b&gt; retira la apuesta
mostrada: su importe vuelve al capital y no se liquida nada sobre ella.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;Reglas de apuesta&lt;/h3&gt;
&lt;p&gt;Un ciclo empieza con la &lt;b&gt;apuesta inicial&lt;/b&gt;. La regla de pérdida (&amp;ldquo;TRAS n pérdidas
&amp;hellip;&amp;rdquo;) y la regla de ganancia (&amp;ldquo;TRAS n ganancias &amp;hellip;&amp;rdquo;) suman, restan,
multiplican, dividen o fijan la apuesta en su importe. El &lt;b&gt;reinicio automático&lt;/b&gt; devuelve la
apuesta a la inicial cuando el capital alcanza el objetivo del ciclo; el &lt;b&gt;beneficio mínimo&lt;/b&gt;
recorta la apuesta para que una ganancia alcance justo ese objetivo. La &lt;b&gt;corrección de fase&lt;/b&gt;
recalcula los importes de las reglas cuando la apuesta alcanza el paso por la apuesta inicial.&lt;/p&gt;
&lt;p&gt;Algunos controles son fijos en esta versión: el modo de juego (juega SMART 2025), la lista de
sistemas y las listas de reglas vuelven atrás al elegir otro elemento, y los números TRAS y los
importes de las reglas toman sus valores de la apuesta inicial o de un archivo de ajustes
(CARGAR). Sus descripciones lo indican. Intro o Esc termina una edición, y las cifras siguientes
vuelven a la mesa.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Import and export&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;IMPORT&lt;/b&gt; opens a panel: paste a live-casino history page from the clipboard, or load a
text file of numbers, then IMPORT replaces the history with them without settling any bet
(it asks first when the history holds numbers).
&lt;b&gt;EXPORT&lt;/b&gt; saves the history as a text file, one number per line.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Importar y exportar&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;IMPORTAR&lt;/b&gt; abre un panel: pegue desde el portapapeles una página de historial de un casino
en vivo, o cargue un archivo de texto con números; IMPORTAR sustituye entonces el historial por
ellos sin liquidar ninguna apuesta (pregunta antes si el historial tiene números).
&lt;b&gt;EXPORTAR&lt;/b&gt; guarda el historial como archivo de texto, un número por línea.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The expected loss&lt;/h3&gt;
&lt;p&gt;With one zero the house edge is 1/37: every stake on an even chance loses 1/37 of its amount
on average. No staking rule changes that: over many bets the expected result is 1/37 of the
total staked, lost.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;La pérdida esperada&lt;/h3&gt;
&lt;p&gt;Con un cero la ventaja de la casa es 1/37: toda apuesta en una suerte sencilla pierde de media
1/37 de su importe. Ninguna regla de apuesta lo cambia: en muchas apuestas el resultado esperado
es 1/37 del total apostado, perdido.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;Luces y botones de tendencia&lt;/h3&gt;
&lt;table cellspacing=&quot;6&quot;&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:lamp-far&quot; width=&quot;20&quot; height=&quot;20&quot;&gt;&lt;/td&gt;
&lt;td&gt;Nivel de seguridad aún a más de una propuesta perdida. Con SEGURIDAD n, una propuesta se
muestra solo tras n propuestas perdidas seguidas.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:lamp-near&quot; width=&quot;20&quot; height=&quot;20&quot;&gt;&lt;/td&gt;
&lt;td&gt;Nivel de seguridad alcanzado, o a una propuesta perdida.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:trend-0&quot; width=&quot;62&quot; height=&quot;18&quot;&gt;&lt;/td&gt;
&lt;td&gt;Un botón de tendencia en reposo, sobre su suerte.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:trend-1&quot; width=&quot;62&quot; height=&quot;18&quot;&gt;&lt;/td&gt;
&lt;td&gt;Bajo el puntero: un clic prefiere este lado de su par.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:trend-2&quot; width=&quot;62&quot; height=&quot;18&quot;&gt;&lt;/td&gt;
&lt;td&gt;Este lado es el preferido: una propuesta del otro lado del par se cambia a él. Un
clic quita la preferencia.&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;</translation>
    </message>
    <message>
        <source>Rotacle 8.0 &amp;mdash; version %1&lt;br&gt;
All rights reserved. No warranty: roulette has a house edge.</source>
        <translation>Rotacle 8.0 &amp;mdash; versión %1&lt;br&gt;
Todos los derechos reservados. Sin garantía: la ruleta tiene ventaja de la casa.</translation>
    </message>
    <message>
        <source>Rotacle 8.0 — Help</source>
        <translation>Rotacle 8.0 — Ayuda</translation>
    </message>
    <message>
        <source>  Previous sessions</source>
        <translation>  Sesiones anteriores</translation>
    </message>
    <message>
        <source>Sessions kept beside this one, newest first</source>
        <translation>Sesiones guardadas junto a esta, la más reciente primero</translation>
    </message>
    <message>
        <source>RESUME</source>
        <translation>REANUDAR</translation>
    </message>
    <message>
        <source>Resume the chosen session; this one is kept beside it</source>
        <translation>Reanuda la sesión elegida; esta se guarda junto a ella</translation>
    </message>
    <message>
        <source>  —  %1 numbers, bankroll %2</source>
        <translation>  —  %1 números, capital %2</translation>
    </message>
    <message>
        <source>  —  cannot be resumed</source>
        <translation>  —  no se puede reanudar</translation>
    </message>
    <message>
        <source>&lt;h3&gt;La partage&lt;/h3&gt;
&lt;p&gt;With &lt;b&gt;LA PARTAGE&lt;/b&gt; ticked in the settings area, a bet lost to the zero gives half of its
stake back; the staking rules still count it as lost. The house edge on the even chances is then
1/74 instead of 1/37, and the statistics window&apos;s expected result counts 1/74 of what was staked
under it.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;La partage&lt;/h3&gt;
&lt;p&gt;Con &lt;b&gt;LA PARTAGE&lt;/b&gt; marcada en el área de ajustes, una apuesta perdida con el cero devuelve
la mitad de lo apostado; las reglas de apuesta la siguen contando como perdida. La ventaja de la
casa en las suertes sencillas es entonces 1/74 en lugar de 1/37, y el resultado esperado de la
ventana de estadísticas cuenta 1/74 de lo apostado con ella.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Session limits and the reality check&lt;/h3&gt;
&lt;p&gt;The limits in the settings area stop play when one is reached: &lt;b&gt;LOSS&lt;/b&gt; and
&lt;b&gt;PROFIT&lt;/b&gt; count the money held (the bankroll and the stake on the table) from the moment the
limit was set, &lt;b&gt;MIN&lt;/b&gt; the minutes played and &lt;b&gt;SPINS&lt;/b&gt; the numbers entered. Play then
stands still until you go on (that limit counts again from there) or start a new game. An
optional limit stops play when a stake would be larger than the money held. &lt;b&gt;CHECK&lt;/b&gt; is the
reality check: every so many minutes play pauses to show the time played and the result.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Límites de sesión y aviso de realidad&lt;/h3&gt;
&lt;p&gt;Los límites del área de ajustes detienen el juego cuando se alcanza uno: &lt;b&gt;PÉRD.&lt;/b&gt; y
&lt;b&gt;GANANC.&lt;/b&gt; cuentan el dinero en juego (el capital y la apuesta en la mesa) desde el momento en
que se fijó el límite, &lt;b&gt;MIN&lt;/b&gt; los minutos jugados y &lt;b&gt;GIROS&lt;/b&gt; los números introducidos. El
juego queda parado hasta que siga jugando (ese límite vuelve a contar desde ahí) o empiece una
partida nueva. Un límite opcional detiene el juego cuando una apuesta superaría el dinero en juego.
&lt;b&gt;AVISO&lt;/b&gt; es el control de realidad: cada tantos minutos el juego se detiene para mostrar el
tiempo jugado y el resultado.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The Risk tab&lt;/h3&gt;
&lt;p&gt;The statistics window&apos;s &lt;b&gt;Risk&lt;/b&gt; tab plays many whole sessions from the table&apos;s bankroll on
a random wheel, each until it reaches the target, is ruined or has played the most spins, and
shows how often each happened, the spread of the results and the expected loss. It plays the
table&apos;s settings, or flat or martingale staking, with the table&apos;s zero rule or another; the same
seed plays the same sessions, as &lt;code&gt;rotacle-sim risk&lt;/code&gt; does.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;La pestaña Riesgo&lt;/h3&gt;
&lt;p&gt;La pestaña &lt;b&gt;Riesgo&lt;/b&gt; de la ventana de estadísticas juega muchas sesiones completas desde el
capital de la mesa en una rueda aleatoria, cada una hasta que alcanza el objetivo, se arruina o ha
jugado el máximo de tiradas, y muestra con qué frecuencia ocurrió cada cosa, la dispersión de los
resultados y la pérdida esperada. Juega los ajustes de la mesa, o apuestas planas o martingala, con
la regla del cero de la mesa u otra; la misma semilla juega las mismas sesiones, como
&lt;code&gt;rotacle-sim risk&lt;/code&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Staking dialog&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;STAKING&amp;hellip;&lt;/b&gt; in the settings area sets the staking rules in one place, from presets
(the defaults, flat, martingale, d&apos;Alembert) with a preview of the first stakes after losses and
wins.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Diálogo de apuestas&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;SISTEMAS&amp;hellip;&lt;/b&gt; en el área de ajustes fija las reglas de apuesta en un solo lugar, a partir
de modelos (los valores por defecto, plana, martingala, d&apos;Alembert) con una vista previa de las
primeras apuestas tras pérdidas y ganancias.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;La fila de estadísticas&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;Números en juego&lt;/b&gt; cuenta los números del historial. &lt;b&gt;Apuestas&lt;/b&gt; cuenta las propuestas
mostradas como apuestas en esta partida (desde APP; una importación sigue contando), al introducir
cada número: una apuesta retirada con SALTAR se vuelve a quitar, una quitada con DESHACER sigue
contada hasta el número siguiente. La ventana de estadísticas cuenta solo las apuestas del
historial. El &lt;b&gt;índice flat&lt;/b&gt; indica cómo fueron las apuestas sin importar sus importes: suma 18
por cada apuesta ganada y resta 18 por cada perdida (18 números ganan en una suerte sencilla), así
que es 18 veces las apuestas ganadas menos las perdidas; un número sin apuesta en la mesa no lo
cambia.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source> This session is not journaled.</source>
        <translation> Esta sesión no se registra.</translation>
    </message>
    <message>
        <source>The session journal cannot be written (%1). Play goes on; the journal catches up as soon as there is room again.</source>
        <translation>No se puede escribir el diario de la sesión (%1). El juego sigue; el diario se pone al día en cuanto vuelva a haber espacio.</translation>
    </message>
    <message>
        <source>Every session journal is open in another Rotacle window. This session is not journaled.</source>
        <translation>Todos los diarios de sesión están abiertos en otra ventana de Rotacle. Esta sesión no se registra.</translation>
    </message>
    <message>
        <source>The last session is open in another Rotacle window. This window starts a session of its own.</source>
        <translation>La última sesión está abierta en otra ventana de Rotacle. Esta ventana empieza una sesión propia.</translation>
    </message>
    <message>
        <source>The journal holds an action this version does not know; the session is resumed up to it.</source>
        <translation>El diario contiene una acción que esta versión no conoce; la sesión se reanuda hasta ella.</translation>
    </message>
    <message>
        <source> It is kept as %1; a new session starts.</source>
        <translation> Se guarda como %1; empieza una sesión nueva.</translation>
    </message>
    <message>
        <source>This window keeps no session journal: the kept session cannot be resumed here.</source>
        <translation>Esta ventana no lleva diario de sesión: la sesión guardada no se puede reanudar aquí.</translation>
    </message>
    <message>
        <source>Resume the session kept as %1? This session is kept beside it, and Rotacle starts again.</source>
        <translation>¿Reanudar la sesión guardada como %1? Esta sesión se guarda junto a ella y Rotacle se reinicia.</translation>
    </message>
    <message>
        <source>Record %1 of the journal enters a number while play stood still at a session limit; the session is resumed up to it.</source>
        <translation>El registro %1 del diario introduce un número mientras el juego estaba parado en un límite de sesión; la sesión se reanuda hasta él.</translation>
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
        <translation>PERSONALIZADO</translation>
    </message>
    <message>
        <source>Martingale (x2 on loss)</source>
        <translation>Martingala (x2 al perder)</translation>
    </message>
    <message>
        <source>Parlay (x2 on win)</source>
        <translation>Paroli (x2 al ganar)</translation>
    </message>
    <message>
        <source>Donald (+1 on loss / -1 on win)</source>
        <translation>D&apos;Alembert (+1 / -1)</translation>
    </message>
    <message>
        <source>Chernyshov (x3 on loss)</source>
        <translation>Chernyshov (x3 al perder)</translation>
    </message>
    <message>
        <source>Blind (+1 each spin)</source>
        <translation>A ciegas (+1 cada tirada)</translation>
    </message>
    <message>
        <source>Up-trender (+1 on win)</source>
        <translation>Al alza (+1 al ganar)</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Pérdidas</translation>
    </message>
    <message>
        <source>Losses In A Row</source>
        <translation>Pérdidas seg.</translation>
    </message>
    <message>
        <source>Units drawdown</source>
        <translation>Unid. caída</translation>
    </message>
    <message>
        <source>ADD to bet:</source>
        <translation>SUMAR:</translation>
    </message>
    <message>
        <source>SUBTRACT:</source>
        <translation>RESTAR:</translation>
    </message>
    <message>
        <source>MULTIPLY bet by:</source>
        <translation>MULTIPLICAR por:</translation>
    </message>
    <message>
        <source>DIVIDE bet by:</source>
        <translation>DIVIDIR por:</translation>
    </message>
    <message>
        <source>SET bet to:</source>
        <translation>FIJAR apuesta en:</translation>
    </message>
    <message>
        <source>Check WINS</source>
        <translation>Ver GANANCIAS</translation>
    </message>
    <message>
        <source>DO NOTHING</source>
        <translation>NO HACER NADA</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Ganancias</translation>
    </message>
    <message>
        <source>Wins In A Row</source>
        <translation>Ganancias seg.</translation>
    </message>
    <message>
        <source>Units of profit</source>
        <translation>Unid. beneficio</translation>
    </message>
    <message>
        <source>UPTREND</source>
        <translation>ALZA</translation>
    </message>
    <message>
        <source>DOWNTREND</source>
        <translation>BAJA</translation>
    </message>
    <message>
        <source>Less</source>
        <translation>Falta</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Impar</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Pasa</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTAR</translation>
    </message>
    <message>
        <source>IMPORT (%1)</source>
        <translation>IMPORTAR (%1)</translation>
    </message>
    <message>
        <source>Text File</source>
        <translation>Archivo de texto</translation>
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
        <translation>&apos;%1&apos; no es un número decimal válido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; no es un número entero válido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid amount: the largest is %2</source>
        <translation>&apos;%1&apos; no es un importe válido: el máximo es %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid amount: the smallest is %2</source>
        <translation>&apos;%1&apos; no es un importe válido: el mínimo es %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a roulette number (0 to 36)</source>
        <translation>&apos;%1&apos; no es un número de ruleta (0 a 36)</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>No se puede abrir el archivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>No se puede leer el archivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>No se puede crear el archivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>No se puede escribir el archivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>The page cannot be read: %1.</source>
        <translation>No se puede leer la página: %1.</translation>
    </message>
    <message>
        <source>The page cannot be read: it holds %1 bytes, more than the limit of %2 MB (%3 bytes).</source>
        <translation>No se puede leer la página: tiene %1 bytes, más que el límite de %2 MB (%3 bytes).</translation>
    </message>
    <message>
        <source>%1 The file &quot;%2&quot; is left as it is.</source>
        <translation>%1 El archivo &quot;%2&quot; queda como está.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>The page cannot be read: the page reader is not installed (looked for %1). Install the package rotacle-page-reader to paste pages.</source>
        <translation>No se puede leer la página: el lector de páginas no está instalado (se buscó %1). Instale el paquete rotacle-page-reader para pegar páginas.</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>cannot be reached</source>
        <translation>no es accesible</translation>
    </message>
    <message>
        <source>is a link to nothing</source>
        <translation>es un enlace a nada</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>The options file %1 %2: the options start at their defaults and are not kept.</source>
        <translation>El archivo de opciones %1 %2: las opciones empiezan con sus valores por defecto y no se guardan.</translation>
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
        <translation>Cuántas sesiones completas jugar.</translation>
    </message>
    <message>
        <source>The profit at which a session stops.</source>
        <translation>El beneficio con el que se detiene una sesión.</translation>
    </message>
    <message>
        <source>The most spins a session plays.</source>
        <translation>El máximo de tiradas de una sesión.</translation>
    </message>
    <message>
        <source>Every session starts from the table&apos;s bankroll with its settings.</source>
        <translation>Cada sesión empieza con el capital de la mesa y sus ajustes.</translation>
    </message>
    <message>
        <source>RUN</source>
        <translation>EJECUTAR</translation>
    </message>
    <message>
        <source>Plays the sessions on worker threads.</source>
        <translation>Juega las sesiones en hilos de trabajo.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stops the run; the figures show the sessions played.</source>
        <translation>Detiene la ejecución; las cifras muestran las sesiones jugadas.</translation>
    </message>
    <message>
        <source>Results of the sessions</source>
        <translation>Resultados de las sesiones</translation>
    </message>
    <message>
        <source>Sessions</source>
        <translation>Sesiones</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Sessions:</source>
        <translation>Sesiones:</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Objetivo:</translation>
    </message>
    <message>
        <source>Max spins:</source>
        <translation>Tiradas máx.:</translation>
    </message>
    <message>
        <source>Saves the histogram as a PNG picture.</source>
        <translation>Guarda el histograma como imagen PNG.</translation>
    </message>
    <message>
        <source>Saves the histogram as an SVG drawing.</source>
        <translation>Guarda el histograma como dibujo SVG.</translation>
    </message>
    <message>
        <source>Saves every session&apos;s outcome as a CSV file.</source>
        <translation>Guarda el desenlace de cada sesión en un archivo CSV.</translation>
    </message>
    <message>
        <source>Sessions must be a whole number from 1 to 1000000.</source>
        <translation>Las sesiones deben ser un número entero de 1 a 1000000.</translation>
    </message>
    <message>
        <source>The target must be an amount above 0.</source>
        <translation>El objetivo debe ser un importe mayor que 0.</translation>
    </message>
    <message>
        <source>Max spins must be a whole number above 0.</source>
        <translation>Las tiradas máx. deben ser un número entero mayor que 0.</translation>
    </message>
    <message>
        <source>Playing %1 sessions...</source>
        <translation>Jugando %1 sesiones...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
    </message>
    <message>
        <source>The run failed.</source>
        <translation>La ejecución ha fallado.</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 sessions.</source>
        <translation>Cancelado tras %1 de %2 sesiones.</translation>
    </message>
    <message>
        <source>%1 sessions played.</source>
        <translation>%1 sesiones jugadas.</translation>
    </message>
    <message>
        <source>From the table: bankroll %1, its settings%2</source>
        <translation>De la mesa: capital %1, sus ajustes%2</translation>
    </message>
    <message>
        <source>, la partage</source>
        <translation>, la partage</translation>
    </message>
    <message>
        <source>No sessions played yet.</source>
        <translation>Aún no se ha jugado ninguna sesión.</translation>
    </message>
    <message>
        <source>Sessions: %1</source>
        <translation>Sesiones: %1</translation>
    </message>
    <message>
        <source>Reached the target: </source>
        <translation>Objetivo alcanzado: </translation>
    </message>
    <message>
        <source>Ruined: </source>
        <translation>Arruinadas: </translation>
    </message>
    <message>
        <source>Still playing: </source>
        <translation>Aún jugando: </translation>
    </message>
    <message>
        <source>Result: mean %1, sd %2</source>
        <translation>Resultado: media %1, desv. típ. %2</translation>
    </message>
    <message>
        <source>5/25/50/75/95 %: %1 / %2 / %3 / %4 / %5</source>
        <translation>5/25/50/75/95 %: %1 / %2 / %3 / %4 / %5</translation>
    </message>
    <message>
        <source>Mean staked: </source>
        <translation>Apostado medio: </translation>
    </message>
    <message>
        <source>House edge: expected %1, z %2</source>
        <translation>Ventaja de la casa: esperado %1, z %2</translation>
    </message>
    <message>
        <source>Drawdown: mean %1, largest %2</source>
        <translation>Caída: media %1, mayor %2</translation>
    </message>
    <message>
        <source>Longest losing run: %1</source>
        <translation>Racha perdedora más larga: %1</translation>
    </message>
    <message>
        <source>Largest stake: </source>
        <translation>Mayor apuesta: </translation>
    </message>
    <message>
        <source>Mean spins: </source>
        <translation>Tiradas medias: </translation>
    </message>
    <message>
        <source>table&apos;s settings</source>
        <translation>ajustes de la mesa</translation>
    </message>
    <message>
        <source>flat</source>
        <translation>plana</translation>
    </message>
    <message>
        <source>martingale</source>
        <translation>martingala</translation>
    </message>
    <message>
        <source>The staking the sessions play: the table&apos;s settings, a flat stake (always the initial bet), or martingale (the stake doubles after each lost bet and goes back to the initial bet after a win).</source>
        <translation>Las apuestas de las sesiones: los ajustes de la mesa, una apuesta plana (siempre la apuesta inicial) o martingala (la apuesta se dobla tras cada apuesta perdida y vuelve a la inicial tras una ganada).</translation>
    </message>
    <message>
        <source>as the table</source>
        <translation>como la mesa</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>la partage</source>
        <translation>la partage</translation>
    </message>
    <message>
        <source>The zero rule of the sessions: the table&apos;s, none, or la partage (half of a stake lost on zero comes back).</source>
        <translation>La regla del cero de las sesiones: la de la mesa, ninguna o la partage (vuelve la mitad de una apuesta perdida con el cero).</translation>
    </message>
    <message>
        <source>Each session&apos;s wheel is seeded from this seed and the session&apos;s number: the same seed plays the same sessions, here and in rotacle-sim risk --seed.</source>
        <translation>La rueda de cada sesión se siembra con esta semilla y el número de la sesión: la misma semilla juega las mismas sesiones, aquí y en rotacle-sim risk --seed.</translation>
    </message>
    <message>
        <source>System:</source>
        <translation>Sistema:</translation>
    </message>
    <message>
        <source>Zero rule:</source>
        <translation>Regla del cero:</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Semilla:</translation>
    </message>
    <message>
        <source>The seed must be a whole number from 0 to 18446744073709551615.</source>
        <translation>La semilla debe ser un número entero de 0 a 18446744073709551615.</translation>
    </message>
    <message>
        <source>Played from bankroll %1: %2, zero rule %3, seed %4</source>
        <translation>Jugado desde el capital %1: %2, regla del cero %3, semilla %4</translation>
    </message>
</context>
<context>
    <name>SpinResult</name>
    <message>
        <source>Won</source>
        <translation>Ganada</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdida</translation>
    </message>
</context>
<context>
    <name>StakingDialog</name>
    <message>
        <source>Defaults: one initial bet more after every bet</source>
        <translation>Por defecto: una apuesta inicial más tras cada apuesta</translation>
    </message>
    <message>
        <source>Flat: always the initial bet</source>
        <translation>Plana: siempre la apuesta inicial</translation>
    </message>
    <message>
        <source>Martingale: double the stake after a loss</source>
        <translation>Martingala: doblar la apuesta tras una pérdida</translation>
    </message>
    <message>
        <source>d&apos;Alembert: one initial bet more after a loss, one less after a win</source>
        <translation>d&apos;Alembert: una apuesta inicial más tras una pérdida, una menos tras una ganancia</translation>
    </message>
    <message>
        <source>Staking</source>
        <translation>Apuestas</translation>
    </message>
    <message>
        <source>Applying writes the staking rules, minimal profit and phase correction of the settings as a loaded settings file does; the initial bet stays.</source>
        <translation>Aplicar escribe las reglas de apuesta, el beneficio mínimo y la corrección de fase en los ajustes como lo hace un archivo de ajustes cargado; la apuesta inicial se mantiene.</translation>
    </message>
    <message>
        <source>System:</source>
        <translation>Sistema:</translation>
    </message>
    <message>
        <source>Stakes:</source>
        <translation>Apuestas:</translation>
    </message>
    <message>
        <source>Losing every bet: %1</source>
        <translation>Perdiendo todas las apuestas: %1</translation>
    </message>
    <message>
        <source>Winning every bet: %1</source>
        <translation>Ganando todas las apuestas: %1</translation>
    </message>
    <message>
        <source>Three lost, then won: %1</source>
        <translation>Tres perdidas, luego ganada: %1</translation>
    </message>
    <message>
        <source>No preview: %1</source>
        <translation>Sin vista previa: %1</translation>
    </message>
</context>
<context>
    <name>StatsWindow</name>
    <message>
        <source>Bankroll after every spin</source>
        <translation>Capital tras cada tirada</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Tirada</translation>
    </message>
    <message>
        <source>Bankroll</source>
        <translation>Capital</translation>
    </message>
    <message>
        <source>Initial bankroll</source>
        <translation>Capital inicial</translation>
    </message>
    <message>
        <source>Bet won</source>
        <translation>Apuesta ganada</translation>
    </message>
    <message>
        <source>Bet lost</source>
        <translation>Apuesta perdida</translation>
    </message>
    <message>
        <source>The bankroll after every spin; green and red marks are the placed bets won and lost, the dashed line the bankroll the session started with.</source>
        <translation>El capital tras cada tirada; las marcas verdes y rojas son las apuestas ganadas y perdidas, la línea discontinua el capital inicial de la sesión.</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Salidas</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Proporción</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Esperado</translation>
    </message>
    <message>
        <source>Absence</source>
        <translation>Ausencia</translation>
    </message>
    <message>
        <source>Longest absence</source>
        <translation>Mayor ausencia</translation>
    </message>
    <message>
        <source>Hits per chance</source>
        <translation>Salidas por suerte</translation>
    </message>
    <message>
        <source>Expected (18/37)</source>
        <translation>Esperado (18/37)</translation>
    </message>
    <message>
        <source>Hits of each even chance against 18/37 of the spins.</source>
        <translation>Salidas de cada suerte sencilla frente a 18/37 de las tiradas.</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Suerte</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Hits, their share of the spins beside the share chance alone gives, the spins since the last hit (absence) and the longest absence so far. Click a column&apos;s header to sort by it.</source>
        <translation>Salidas, su proporción de las tiradas junto a la del puro azar, las tiradas desde la última salida (ausencia) y la mayor ausencia hasta ahora. Pulse el encabezado de una columna para ordenar.</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Apuesta</translation>
    </message>
    <message>
        <source>Stake</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Every spin of the session: the bet it settled, its stake and result, and the bankroll after it. Numbers that came with an import were not played.</source>
        <translation>Cada tirada de la sesión: la apuesta liquidada, su importe y resultado, y el capital después. Los números importados no se jugaron.</translation>
    </message>
    <message>
        <source>Rotacle statistics</source>
        <translation>Estadísticas de Rotacle</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>Spins</source>
        <translation>Tiradas</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganadas</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdidas</translation>
    </message>
    <message>
        <source>Longest losing run</source>
        <translation>Racha perdedora más larga</translation>
    </message>
    <message>
        <source>Total staked</source>
        <translation>Total apostado</translation>
    </message>
    <message>
        <source>Net result</source>
        <translation>Resultado neto</translation>
    </message>
    <message>
        <source>Expected result (house edge 1/37)</source>
        <translation>Resultado esperado (ventaja casa 1/37)</translation>
    </message>
    <message>
        <source>Numbers in the history.</source>
        <translation>Números del historial.</translation>
    </message>
    <message>
        <source>Settled bets that won.</source>
        <translation>Apuestas liquidadas ganadas.</translation>
    </message>
    <message>
        <source>Settled bets that lost.</source>
        <translation>Apuestas liquidadas perdidas.</translation>
    </message>
    <message>
        <source>The most settled bets lost one after the other.</source>
        <translation>El máximo de apuestas liquidadas perdidas seguidas.</translation>
    </message>
    <message>
        <source>The stakes of all settled bets.</source>
        <translation>Los importes de todas las apuestas liquidadas.</translation>
    </message>
    <message>
        <source>The won stakes less the lost ones.</source>
        <translation>Los importes ganados menos los perdidos.</translation>
    </message>
    <message>
        <source>Chances</source>
        <translation>Suertes</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Risk</source>
        <translation>Riesgo</translation>
    </message>
    <message>
        <source>Hits, share and absences of the even chances and of every number; every spin of the session.</source>
        <translation>Salidas, proporción y ausencias de las suertes sencillas y de cada número; cada tirada de la sesión.</translation>
    </message>
    <message>
        <source>Chart as PNG...</source>
        <translation>Gráfico como PNG...</translation>
    </message>
    <message>
        <source>Saves the bankroll chart as a PNG picture.</source>
        <translation>Guarda el gráfico del capital como imagen PNG.</translation>
    </message>
    <message>
        <source>Chart as SVG...</source>
        <translation>Gráfico como SVG...</translation>
    </message>
    <message>
        <source>Saves the bankroll chart as an SVG drawing.</source>
        <translation>Guarda el gráfico del capital como dibujo SVG.</translation>
    </message>
    <message>
        <source>Tables as CSV...</source>
        <translation>Tablas como CSV...</translation>
    </message>
    <message>
        <source>Saves the hits and absences of the chances and numbers as a CSV file.</source>
        <translation>Guarda salidas y ausencias de suertes y números en un archivo CSV.</translation>
    </message>
    <message>
        <source>Spins as CSV...</source>
        <translation>Tiradas como CSV...</translation>
    </message>
    <message>
        <source>Saves every spin with its bet, stake, result and bankroll as a CSV file.</source>
        <translation>Guarda cada tirada con su apuesta, importe, resultado y capital en un archivo CSV.</translation>
    </message>
    <message>
        <source>The chart could not be drawn as a PNG picture.</source>
        <translation>No se pudo dibujar el gráfico como imagen PNG.</translation>
    </message>
    <message>
        <source>The chart could not be drawn as an SVG drawing.</source>
        <translation>No se pudo dibujar el gráfico como dibujo SVG.</translation>
    </message>
    <message>
        <source>What the house edge takes on average: 1/37 of the total staked, lost; 1/74 of what was staked under la partage, which gives half of a stake back on zero.</source>
        <translation>Lo que la ventaja de la casa se lleva de media: 1/37 del total apostado, perdido; 1/74 de lo apostado con la partage, que devuelve la mitad de una apuesta con el cero.</translation>
    </message>
    <message>
        <source>Expected result (la partage, house edge 1/74)</source>
        <translation>Resultado esperado (la partage, ventaja casa 1/74)</translation>
    </message>
    <message>
        <source>Expected result (house edge 1/37, 1/74 under la partage)</source>
        <translation>Resultado esperado (ventaja casa 1/37, 1/74 con la partage)</translation>
    </message>
    <message>
        <source>Bets placed in this history</source>
        <translation>Apuestas hechas en este historial</translation>
    </message>
    <message>
        <source>Bets settled in this history</source>
        <translation>Apuestas liquidadas en este historial</translation>
    </message>
    <message>
        <source>Bets whose stake went on the table since the history began (APP or an import): those settled and the one open now.</source>
        <translation>Apuestas cuyo importe fue a la mesa desde que empezó el historial (APP o una importación): las liquidadas y la abierta ahora.</translation>
    </message>
    <message>
        <source>Placed bets that a number has settled since the history began; UNDO takes one back. Bets played in the main window counts the whole game, imports included.</source>
        <translation>Apuestas hechas que un número ha liquidado desde que empezó el historial; DESHACER quita una. Apuestas en la ventana principal cuenta toda la partida, importaciones incluidas.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>The pasted page holds no roulette numbers: nothing to import.</source>
        <translation>La página pegada no contiene números de ruleta: nada que importar.</translation>
    </message>
    <message>
        <source>Start a new game? The history of %1 numbers is cleared; the bankroll stays.</source>
        <translation>¿Empezar una partida nueva? Se borra el historial de %1 números; el capital se mantiene.</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTAR</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORTAR</translation>
    </message>
    <message>
        <source>TEST BANK:</source>
        <translation>B. PRUEBA:</translation>
    </message>
    <message>
        <source>UNDO</source>
        <translation>DESHACER</translation>
    </message>
    <message>
        <source>STATS</source>
        <translation>ESTADÍST.</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>SALTAR</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation>AJUSTES</translation>
    </message>
    <message>
        <source>LOAD</source>
        <translation>CARGAR</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>GUARDAR</translation>
    </message>
    <message>
        <source>PASTE FROM EVOLUTION</source>
        <translation>PEGAR DE EVOLUTION</translation>
    </message>
    <message>
        <source>LOAD FROM FILE</source>
        <translation>CARGAR DE ARCHIVO</translation>
    </message>
    <message>
        <source>Import %1 numbers? They replace the history of %2 numbers; the bankroll stays.</source>
        <translation>¿Importar %1 números? Sustituyen el historial de %2 números; el capital se mantiene.</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>CERRAR</translation>
    </message>
    <message>
        <source>INITIAL BET:</source>
        <translation>APUESTA BASE:</translation>
    </message>
    <message>
        <source>GAME MODE:</source>
        <translation>MODO DE JUEGO:</translation>
    </message>
    <message>
        <source>BETTING SYSTEM:</source>
        <translation>SISTEMA DE APUESTA:</translation>
    </message>
    <message>
        <source>AFTER</source>
        <translation>TRAS</translation>
    </message>
    <message>
        <source>GET MINIMAL PROFIT</source>
        <translation>BENEFICIO MÍNIMO</translation>
    </message>
    <message>
        <source>BET AUTOMATIC RESET</source>
        <translation>REINICIO AUTOMÁTICO</translation>
    </message>
    <message>
        <source>SAFE LEVEL:</source>
        <translation>SEGURIDAD:</translation>
    </message>
    <message>
        <source>BUILD MATRIX</source>
        <translation>CREAR MATRIZ</translation>
    </message>
    <message>
        <source>RM</source>
        <translation>RM</translation>
    </message>
    <message>
        <source>DIRECTION:</source>
        <translation>DIRECCIÓN:</translation>
    </message>
    <message>
        <source>PLAY BETS:</source>
        <translation>APUESTAS:</translation>
    </message>
    <message>
        <source>FIXED NUMBER</source>
        <translation>NÚMERO FIJO</translation>
    </message>
    <message>
        <source>REBUILD MATRIX ON PROFIT (Units):</source>
        <translation>RECREAR MATRIZ CON BENEFICIO (Unid.):</translation>
    </message>
    <message>
        <source>USE PHASE CORRECTION WITH STEP:</source>
        <translation>CORRECCIÓN DE FASE CON PASO:</translation>
    </message>
    <message>
        <source>RESET:</source>
        <translation>REINIC.:</translation>
    </message>
    <message>
        <source>BETS</source>
        <translation>APUESTAS</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>APP</translation>
    </message>
    <message>
        <source>QUICK PROPOSALS</source>
        <translation>PROPUESTAS RÁPIDAS</translation>
    </message>
    <message>
        <source>Show Bet</source>
        <translation>Ver apuesta</translation>
    </message>
    <message>
        <source>LOSS LIMIT REACHED</source>
        <translation>LÍMITE DE PÉRDIDA ALCANZADO</translation>
    </message>
    <message>
        <source>PROFIT GOAL REACHED</source>
        <translation>OBJETIVO DE BENEFICIO ALCANZADO</translation>
    </message>
    <message>
        <source>TIME LIMIT REACHED</source>
        <translation>LÍMITE DE TIEMPO ALCANZADO</translation>
    </message>
    <message>
        <source>SPIN LIMIT REACHED</source>
        <translation>LÍMITE DE TIRADAS ALCANZADO</translation>
    </message>
    <message>
        <source>REALITY CHECK</source>
        <translation>CONTROL DE REALIDAD</translation>
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
        <translation>PÉRD.:</translation>
    </message>
    <message>
        <source>PROFIT:</source>
        <translation>GANANC.:</translation>
    </message>
    <message>
        <source>MIN:</source>
        <translation>MIN:</translation>
    </message>
    <message>
        <source>SPINS:</source>
        <translation>GIROS:</translation>
    </message>
    <message>
        <source>CHECK:</source>
        <translation>AVISO:</translation>
    </message>
    <message>
        <source>GO ON</source>
        <translation>SEGUIR</translation>
    </message>
    <message>
        <source>NEW GAME</source>
        <translation>PARTIDA NUEVA</translation>
    </message>
    <message>
        <source>Time played %1</source>
        <translation>Tiempo de juego %1</translation>
    </message>
    <message>
        <source>%1 spins</source>
        <translation>%1 tiradas</translation>
    </message>
    <message>
        <source>Net result %1</source>
        <translation>Resultado neto %1</translation>
    </message>
    <message>
        <source>STAKING RULES</source>
        <translation>REGLAS DE APUESTA</translation>
    </message>
    <message>
        <source>SAFETY</source>
        <translation>SEGURIDAD</translation>
    </message>
    <message>
        <source>MATRIX</source>
        <translation>MATRIZ</translation>
    </message>
    <message>
        <source>PHASE AND RESET</source>
        <translation>FASE Y REINICIO</translation>
    </message>
    <message>
        <source>Language of the window, from the next start</source>
        <translation>Idioma de la ventana, desde el próximo inicio</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>not taken</source>
        <translation>no aceptado</translation>
    </message>
    <message>
        <source>stake %1</source>
        <translation>apuesta %1</translation>
    </message>
    <message>
        <source>waiting:</source>
        <translation>en espera:</translation>
    </message>
    <message>
        <source>Net result:</source>
        <translation>Resultado neto:</translation>
    </message>
    <message>
        <source>The session&apos;s net result: the won stakes less the lost ones, as the statistics window counts them.</source>
        <translation>El resultado neto de la sesión: las apuestas ganadas menos las perdidas, como las cuenta la ventana de estadísticas.</translation>
    </message>
    <message>
        <source>STAKING…</source>
        <translation>SISTEMAS…</translation>
    </message>
    <message>
        <source>STAKE ABOVE THE BANKROLL</source>
        <translation>APUESTA SOBRE CAPITAL</translation>
    </message>
    <message>
        <source>INITIAL BET</source>
        <translation>APUESTA BASE</translation>
    </message>
    <message>
        <source>TEST BANK</source>
        <translation>B. PRUEBA</translation>
    </message>
    <message>
        <source>amount of the loss rule</source>
        <translation>importe de la regla de pérdida</translation>
    </message>
    <message>
        <source>amount of the win rule</source>
        <translation>importe de la regla de ganancia</translation>
    </message>
    <message>
        <source>%1: %2 is no stake; the smallest is 0.01</source>
        <translation>%1: %2 no es una apuesta; la mínima es 0.01</translation>
    </message>
    <message>
        <source>%1: an amount has one decimal point; the key is not taken</source>
        <translation>%1: un importe tiene un solo punto decimal; la tecla no se acepta</translation>
    </message>
    <message>
        <source>%1: amounts are typed without a sign; &quot;%2&quot; is not taken</source>
        <translation>%1: los importes se escriben sin signo; &quot;%2&quot; no se acepta</translation>
    </message>
    <message>
        <source>%1: only digits and a decimal point are typed here; &quot;%2&quot; is not taken</source>
        <translation>%1: aquí solo se escriben cifras y un punto decimal; &quot;%2&quot; no se acepta</translation>
    </message>
</context>
<context>
    <name>Tooltip</name>
    <message>
        <source>Opens the import panel to bring in a series of past numbers.</source>
        <translation>Abre el panel de importación para traer una serie de números pasados.</translation>
    </message>
    <message>
        <source>Saves the history as a text file, one number per line.</source>
        <translation>Guarda el historial como archivo de texto, un número por línea.</translation>
    </message>
    <message>
        <source>Minimises the window.</source>
        <translation>Minimiza la ventana.</translation>
    </message>
    <message>
        <source>Closes Rotacle.</source>
        <translation>Cierra Rotacle.</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>Ayuda (F1)</translation>
    </message>
    <message>
        <source>The bankroll; the stake of the shown bet is already taken from it.</source>
        <translation>El capital; la apuesta mostrada ya está descontada.</translation>
    </message>
    <message>
        <source>Takes back the last number entered.</source>
        <translation>Deshace el último número introducido.</translation>
    </message>
    <message>
        <source>Undo is offered again once two more numbers are entered.</source>
        <translation>Deshacer vuelve a estar disponible tras dos números más.</translation>
    </message>
    <message>
        <source>Red lamp: the safety level is more than one lost proposal away.</source>
        <translation>Luz roja: el nivel de seguridad está a más de una propuesta perdida.</translation>
    </message>
    <message>
        <source>Green lamp: the safety level is reached or one lost proposal away.</source>
        <translation>Luz verde: el nivel de seguridad está alcanzado o a una propuesta perdida.</translation>
    </message>
    <message>
        <source>Withdraws the shown bet; its stake goes back to the bankroll.</source>
        <translation>Retira la apuesta mostrada; su importe vuelve al capital.</translation>
    </message>
    <message>
        <source>No bet is shown that could be withdrawn.</source>
        <translation>No hay ninguna apuesta que retirar.</translation>
    </message>
    <message>
        <source>Opens the settings area with the betting settings.</source>
        <translation>Abre el área de ajustes de apuesta.</translation>
    </message>
    <message>
        <source>Closes the settings area.</source>
        <translation>Cierra el área de ajustes.</translation>
    </message>
    <message>
        <source>Opens the statistics window: the bankroll chart, hits and absences of the chances and numbers, the session summary (S).</source>
        <translation>Abre la ventana de estadísticas: gráfico del capital, salidas y ausencias de suertes y números, resumen de la sesión (S).</translation>
    </message>
    <message>
        <source>Loads the betting settings from a .rtk file.</source>
        <translation>Carga los ajustes de apuesta de un archivo .rtk.</translation>
    </message>
    <message>
        <source>Saves the betting settings to a .rtk file.</source>
        <translation>Guarda los ajustes de apuesta en un archivo .rtk.</translation>
    </message>
    <message>
        <source>Reads the numbers of a live-casino history page copied to the clipboard.</source>
        <translation>Lee los números de una página de historial de casino en vivo copiada al portapapeles.</translation>
    </message>
    <message>
        <source>A pasted page is being read.</source>
        <translation>Se está leyendo una página pegada.</translation>
    </message>
    <message>
        <source>Reads the numbers of a text file.</source>
        <translation>Lee los números de un archivo de texto.</translation>
    </message>
    <message>
        <source>Replaces the history with the numbers read; no bet is settled.</source>
        <translation>Sustituye el historial por los números leídos; no se liquida ninguna apuesta.</translation>
    </message>
    <message>
        <source>Closes the import panel; the history stays as it is.</source>
        <translation>Cierra el panel de importación; el historial queda como está.</translation>
    </message>
    <message>
        <source>The initial bet: the stake every staking cycle starts from.</source>
        <translation>La apuesta inicial: la apuesta con la que empieza cada ciclo.</translation>
    </message>
    <message>
        <source>The game mode that proposes the field to bet on. Fixed in this version: SMART 2025 plays, and a choice snaps back to it.</source>
        <translation>El modo de juego que propone la suerte a apostar. Fijo en esta versión: juega SMART 2025 y una elección vuelve a él.</translation>
    </message>
    <message>
        <source>The name of the betting system that the staking rules below stand for; the stake always follows those rules. Fixed in this version: a choice snaps back, a settings file may show another name.</source>
        <translation>El nombre del sistema de apuesta que representan las reglas de abajo; la apuesta siempre sigue esas reglas. Fijo en esta versión: una elección vuelve atrás, un archivo de ajustes puede mostrar otro nombre.</translation>
    </message>
    <message>
        <source>Shows the bankroll and lets you set the test bank.</source>
        <translation>Muestra el capital y permite fijar la banca de prueba.</translation>
    </message>
    <message>
        <source>The starting bankroll.</source>
        <translation>El capital inicial.</translation>
    </message>
    <message>
        <source>After how many of the counted losses the loss rule changes the stake. Fixed in this version: only a settings file changes it.</source>
        <translation>Tras cuántas pérdidas contadas la regla de pérdida cambia la apuesta. Fijo en esta versión: solo un archivo de ajustes lo cambia.</translation>
    </message>
    <message>
        <source>What the loss rule counts: losses, losses in a row or units of drawdown. Fixed in this version: a choice snaps back; a settings file may set it.</source>
        <translation>Lo que cuenta la regla de pérdida: pérdidas, pérdidas seguidas o unidades de caída. Fijo en esta versión: una elección vuelve atrás; un archivo de ajustes puede fijarlo.</translation>
    </message>
    <message>
        <source>What the loss rule does to the stake. Fixed in this version at ADD to bet: a choice snaps back.</source>
        <translation>Lo que hace la regla de pérdida con la apuesta. Fijo en esta versión en SUMAR a la apuesta: una elección vuelve atrás.</translation>
    </message>
    <message>
        <source>The amount by which the loss rule changes the stake: the initial bet. Fixed in this version: it follows the initial bet, or a settings file.</source>
        <translation>El importe con que la regla de pérdida cambia la apuesta: la apuesta inicial. Fijo en esta versión: sigue la apuesta inicial o un archivo de ajustes.</translation>
    </message>
    <message>
        <source>After how many of the counted wins the win rule changes the stake. Fixed in this version: only a settings file changes it.</source>
        <translation>Tras cuántas ganancias contadas la regla de ganancia cambia la apuesta. Fijo en esta versión: solo un archivo de ajustes lo cambia.</translation>
    </message>
    <message>
        <source>What the win rule counts: wins, wins in a row or units of profit. Fixed in this version: a choice snaps back; a settings file may set it.</source>
        <translation>Lo que cuenta la regla de ganancia: ganancias, ganancias seguidas o unidades de beneficio. Fijo en esta versión: una elección vuelve atrás; un archivo de ajustes puede fijarlo.</translation>
    </message>
    <message>
        <source>What the win rule does to the stake. Fixed in this version at ADD to bet: a choice snaps back.</source>
        <translation>Lo que hace la regla de ganancia con la apuesta. Fijo en esta versión en SUMAR a la apuesta: una elección vuelve atrás.</translation>
    </message>
    <message>
        <source>The amount by which the win rule changes the stake: the initial bet. Fixed in this version: it follows the initial bet, or a settings file.</source>
        <translation>El importe con que la regla de ganancia cambia la apuesta: la apuesta inicial. Fijo en esta versión: sigue la apuesta inicial o un archivo de ajustes.</translation>
    </message>
    <message>
        <source>Trims the stake so that a win just reaches the cycle target.</source>
        <translation>Recorta la apuesta para que una ganancia alcance justo el objetivo del ciclo.</translation>
    </message>
    <message>
        <source>Returns the stake to the initial bet when the bankroll reaches the cycle target.</source>
        <translation>Devuelve la apuesta a la inicial cuando el capital alcanza el objetivo del ciclo.</translation>
    </message>
    <message>
        <source>Shows a proposal only after this many proposals in a row have lost (0: always).</source>
        <translation>Muestra una propuesta solo tras este número de propuestas perdidas seguidas (0: siempre).</translation>
    </message>
    <message>
        <source>Builds the matrix from the recent spins.</source>
        <translation>Crea la matriz con las tiradas recientes.</translation>
    </message>
    <message>
        <source>Clears the matrix.</source>
        <translation>Borra la matriz.</translation>
    </message>
    <message>
        <source>The direction in which the matrix looks for its pattern.</source>
        <translation>La dirección en que la matriz busca su patrón.</translation>
    </message>
    <message>
        <source>How many bets are played before the matrix is rebuilt.</source>
        <translation>Cuántas apuestas se juegan antes de recrear la matriz.</translation>
    </message>
    <message>
        <source>Keeps the number of replayed spins instead of following the history.</source>
        <translation>Mantiene el número de tiradas repetidas en lugar de seguir el historial.</translation>
    </message>
    <message>
        <source>How many recent spins the matrix replays.</source>
        <translation>Cuántas tiradas recientes repite la matriz.</translation>
    </message>
    <message>
        <source>Rebuilds the matrix once the profit reaches the units set beside it.</source>
        <translation>Recrea la matriz cuando el beneficio alcanza las unidades indicadas al lado.</translation>
    </message>
    <message>
        <source>The profit, in initial bets, that rebuilds the matrix.</source>
        <translation>El beneficio, en apuestas iniciales, que recrea la matriz.</translation>
    </message>
    <message>
        <source>Re-bases the rule amounts when the stake reaches the step times the initial bet.</source>
        <translation>Recalcula los importes de las reglas cuando la apuesta alcanza el paso por la apuesta inicial.</translation>
    </message>
    <message>
        <source>The step: the multiple of the initial bet that starts a phase correction.</source>
        <translation>El paso: el múltiplo de la apuesta inicial que inicia una corrección de fase.</translation>
    </message>
    <message>
        <source>Flat index: +18 for every won bet, -18 for every lost one, whatever the stakes: wins against losses.</source>
        <translation>Índice plano: +18 por cada apuesta ganada, -18 por cada perdida, sea cual sea el importe: ganancias contra pérdidas.</translation>
    </message>
    <message>
        <source>Numbers in game: the numbers in the history.</source>
        <translation>Números en juego: los números del historial.</translation>
    </message>
    <message>
        <source>Starts a new staking cycle at the initial bet.</source>
        <translation>Empieza un nuevo ciclo con la apuesta inicial.</translation>
    </message>
    <message>
        <source>Starts a new game: the history is cleared, the bankroll kept.</source>
        <translation>Empieza una partida nueva: se borra el historial, se mantiene el capital.</translation>
    </message>
    <message>
        <source>Shows the stake beside the chip.</source>
        <translation>Muestra la apuesta junto a la ficha.</translation>
    </message>
    <message>
        <source>Shows each proposal at once, without the run across the board.</source>
        <translation>Muestra cada propuesta al instante, sin el recorrido por el tapete.</translation>
    </message>
    <message>
        <source>La partage: a zero gives half of the stake back; the bet still counts as lost.</source>
        <translation>La partage: un cero devuelve la mitad de la apuesta; la apuesta cuenta igual como perdida.</translation>
    </message>
    <message>
        <source>Loss limit: play stops when the session has lost this much (OFF: no limit).</source>
        <translation>Límite de pérdida: el juego se detiene cuando la sesión ha perdido esto (NO: sin límite).</translation>
    </message>
    <message>
        <source>Profit goal: play stops when the session has won this much (OFF: no goal).</source>
        <translation>Objetivo de beneficio: el juego se detiene cuando la sesión ha ganado esto (NO: sin objetivo).</translation>
    </message>
    <message>
        <source>Time limit: play stops after this many minutes (OFF: no limit).</source>
        <translation>Límite de tiempo: el juego se detiene tras estos minutos (NO: sin límite).</translation>
    </message>
    <message>
        <source>Spin limit: play stops after this many spins (OFF: no limit).</source>
        <translation>Límite de tiradas: el juego se detiene tras estas tiradas (NO: sin límite).</translation>
    </message>
    <message>
        <source>Plays on; the limit that stopped play counts again from here.</source>
        <translation>Sigue jugando; el límite que detuvo el juego vuelve a contar desde aquí.</translation>
    </message>
    <message>
        <source>Starts a new game: the history is cleared, the session counts from now.</source>
        <translation>Empieza una partida nueva: se borra el historial, la sesión cuenta desde ahora.</translation>
    </message>
    <message>
        <source>Reality check: every this many minutes, play pauses to show the time and result.</source>
        <translation>Control de realidad: cada tantos minutos el juego se pausa para mostrar tiempo y resultado.</translation>
    </message>
    <message>
        <source>Less (1-18)</source>
        <translation>Falta (1-18)</translation>
    </message>
    <message>
        <source>More (19-36)</source>
        <translation>Pasa (19-36)</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Impar</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Enter %1 as the number the wheel produced.</source>
        <translation>Introduce %1 como número salido.</translation>
    </message>
    <message>
        <source>Prefer %1: a proposal of %2 is turned to %1.</source>
        <translation>Preferir %1: una propuesta de %2 se cambia a %1.</translation>
    </message>
    <message>
        <source>Drops the preference for %1.</source>
        <translation>Quita la preferencia por %1.</translation>
    </message>
    <message>
        <source>Reset: BETS starts a new staking cycle, APP starts a new game.</source>
        <translation>Reiniciar: APUESTAS empieza un nuevo ciclo de apuestas, APP una nueva partida.</translation>
    </message>
    <message>
        <source>Bets played in this game (since APP; an import goes on counting), counted as each number is entered: SKIP takes a bet off, UNDO keeps it until the next number.</source>
        <translation>Apuestas jugadas en esta partida (desde APP; una importación sigue contando), contadas al introducir cada número: SALTAR quita una apuesta, DESHACER la mantiene hasta el número siguiente.</translation>
    </message>
    <message>
        <source>Staking systems to choose from, with the first stakes each puts on the table.</source>
        <translation>Sistemas de apuesta para elegir, con las primeras apuestas que cada uno pone en la mesa.</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>A new version of Rotacle is ready. It starts the next time you open Rotacle.</source>
        <translation>Hay una nueva versión de Rotacle lista. Se iniciará la próxima vez que abra Rotacle.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>roulette table</source>
        <translation>mesa de ruleta</translation>
    </message>
    <message>
        <source>table</source>
        <translation>mesa</translation>
    </message>
    <message>
        <source>commands</source>
        <translation>comandos</translation>
    </message>
    <message>
        <source>numbers</source>
        <translation>números</translation>
    </message>
    <message>
        <source>even chances</source>
        <translation>suertes sencillas</translation>
    </message>
    <message>
        <source>Press Ctrl+V (⌘V on a Mac) to paste the page.</source>
        <translation>Pulse Ctrl+V (⌘V en un Mac) para pegar la página.</translation>
    </message>
    <message>
        <source>This browser keeps no data for pages (IndexedDB).</source>
        <translation>Este navegador no guarda datos para las páginas (IndexedDB).</translation>
    </message>
</context>
</TS>
