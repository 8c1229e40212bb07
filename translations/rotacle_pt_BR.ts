<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Accessible</name>
    <message>
        <source>%1, green</source>
        <translation>%1, verde</translation>
    </message>
    <message>
        <source>%1, red</source>
        <translation>%1, vermelho</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, preto</translation>
    </message>
    <message>
        <source>proposal: stake %1 on %2</source>
        <translation>proposta: aposta %1 em %2</translation>
    </message>
    <message>
        <source>won: stake %1 on %2, bankroll %3</source>
        <translation>ganhou: aposta %1 em %2, banca %3</translation>
    </message>
    <message>
        <source>lost: stake %1 on %2, bankroll %3</source>
        <translation>perdeu: aposta %1 em %2, banca %3</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>erro: %1</translation>
    </message>
    <message>
        <source>trend: %1</source>
        <translation>tendência: %1</translation>
    </message>
    <message>
        <source>%1 field, lit</source>
        <translation>casa %1, iluminada</translation>
    </message>
    <message>
        <source>chip on %1</source>
        <translation>ficha em %1</translation>
    </message>
    <message>
        <source>stake %1 on %2</source>
        <translation>aposta %1 em %2</translation>
    </message>
    <message>
        <source>safe level lamp: off (red)</source>
        <translation>luz do nível de segurança: apagada (vermelha)</translation>
    </message>
    <message>
        <source>safe level lamp: on (green)</source>
        <translation>luz do nível de segurança: acesa (verde)</translation>
    </message>
    <message>
        <source>minimise</source>
        <translation>minimizar</translation>
    </message>
    <message>
        <source>close</source>
        <translation>fechar</translation>
    </message>
    <message>
        <source>help</source>
        <translation>ajuda</translation>
    </message>
    <message>
        <source>%1, not available</source>
        <translation>%1, indisponível</translation>
    </message>
    <message>
        <source>import panel</source>
        <translation>painel de importação</translation>
    </message>
    <message>
        <source>bankroll %1</source>
        <translation>banca %1</translation>
    </message>
    <message>
        <source>bets played %1</source>
        <translation>apostas jogadas %1</translation>
    </message>
    <message>
        <source>flat index %1</source>
        <translation>índice plano %1</translation>
    </message>
    <message>
        <source>numbers in game %1</source>
        <translation>números em jogo %1</translation>
    </message>
    <message>
        <source>run progress</source>
        <translation>progresso do cálculo</translation>
    </message>
    <message>
        <source>import progress</source>
        <translation>progresso da importação</translation>
    </message>
    <message>
        <source>history</source>
        <translation>histórico</translation>
    </message>
    <message>
        <source>losses before the action</source>
        <translation>perdas antes da ação</translation>
    </message>
    <message>
        <source>kind of loss</source>
        <translation>tipo de perda</translation>
    </message>
    <message>
        <source>action after losses</source>
        <translation>ação após perdas</translation>
    </message>
    <message>
        <source>value of the action after losses</source>
        <translation>valor da ação após perdas</translation>
    </message>
    <message>
        <source>wins before the action</source>
        <translation>vitórias antes da ação</translation>
    </message>
    <message>
        <source>kind of win</source>
        <translation>tipo de vitória</translation>
    </message>
    <message>
        <source>action after wins</source>
        <translation>ação após vitórias</translation>
    </message>
    <message>
        <source>value of the action after wins</source>
        <translation>valor da ação após vitórias</translation>
    </message>
    <message>
        <source>language</source>
        <translation>idioma</translation>
    </message>
    <message>
        <source>matrix build progress</source>
        <translation>progresso da matriz</translation>
    </message>
    <message>
        <source>safe level %1</source>
        <translation>nível de segurança %1</translation>
    </message>
    <message>
        <source>bet won</source>
        <translation>aposta ganha</translation>
    </message>
    <message>
        <source>bet lost</source>
        <translation>aposta perdida</translation>
    </message>
    <message>
        <source>session resumed: %1 numbers</source>
        <translation>sessão retomada: %1 números</translation>
    </message>
    <message>
        <source>proposal: stake %1 on %2, more than the money held (%3)</source>
        <translation>proposta: aposta %1 em %2, mais que o dinheiro em mãos (%3)</translation>
    </message>
    <message>
        <source>no bet</source>
        <translation>sem aposta</translation>
    </message>
    <message>
        <source>not taken</source>
        <translation>não aceito</translation>
    </message>
    <message>
        <source>waiting: %1</source>
        <translation>em espera: %1</translation>
    </message>
    <message>
        <source>import panel open</source>
        <translation>painel de importação aberto</translation>
    </message>
    <message>
        <source>import panel open: %1</source>
        <translation>painel de importação aberto: %1</translation>
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
        <translation>Números no jogo:</translation>
    </message>
    <message>
        <source>Bets played:</source>
        <translation>Apostas:</translation>
    </message>
    <message>
        <source>Flat index:</source>
        <translation>Índice flat:</translation>
    </message>
    <message>
        <source>EVEN CHANCE ASSISTANT</source>
        <translation>ASSISTENTE CHANCES SIMPLES</translation>
    </message>
    <message>
        <source>IMPORT NUMBERS</source>
        <translation>IMPORTAR NÚMEROS</translation>
    </message>
    <message>
        <source>From a saved Evolution history page or a text file</source>
        <translation>De uma página Evolution salva ou de um arquivo de texto</translation>
    </message>
    <message>
        <source>The numbers replace the history, oldest first.</source>
        <translation>Os números substituem o histórico, do mais antigo.</translation>
    </message>
    <message>
        <source>No bet is settled and no game mode runs.</source>
        <translation>Nenhuma aposta é liquidada e nenhum modo de jogo roda.</translation>
    </message>
    <message>
        <source>TREND</source>
        <translation>TENDÊNCIA</translation>
    </message>
    <message>
        <source>1-18</source>
        <translation>1-18</translation>
    </message>
    <message>
        <source>EVEN</source>
        <translation>PAR</translation>
    </message>
    <message>
        <source>ODD</source>
        <translation>ÍMPAR</translation>
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
&lt;p&gt;O Rotacle acompanha uma mesa de roleta europeia (um zero) e propõe uma das seis chances
simples &amp;mdash; 1-18, 19-36, Par, Ímpar, Vermelho, Preto &amp;mdash; com a aposta que
suas regras de aposta dão.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Entering numbers&lt;/h3&gt;
&lt;p&gt;Click the cell of the number the wheel produced, or type its digits and press Enter or
Space. Backspace takes back a typed digit, Esc drops the typed digits. A number clicked or typed
while the board is busy waits (&amp;ldquo;waiting: 5 36&amp;rdquo; under the history) and is entered after
the run; meanwhile UNDO only takes back a waiting number.&lt;/p&gt;
&lt;p&gt;Keys: &lt;b&gt;Ctrl+Z&lt;/b&gt; undo (a number still waiting is taken back first), &lt;b&gt;Ctrl+Q&lt;/b&gt; quit, &lt;b&gt;F1&lt;/b&gt; this help, &lt;b&gt;S&lt;/b&gt; the statistics window, &lt;b&gt;Esc&lt;/b&gt; closes the
import panel or the settings area.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Inserindo números&lt;/h3&gt;
&lt;p&gt;Clique na casa do número sorteado, ou digite seus algarismos e pressione Enter ou Espaço.
Backspace apaga um algarismo digitado, Esc descarta os algarismos digitados. Um número clicado ou
digitado enquanto a mesa está ocupada espera (&amp;ldquo;em espera: 5 36&amp;rdquo; sob o histórico) e é
inserido depois da corrida; enquanto isso DESFAZER só retira um número em espera.&lt;/p&gt;
&lt;p&gt;Teclas: &lt;b&gt;Ctrl+Z&lt;/b&gt; desfazer (um número ainda em espera é retirado primeiro), &lt;b&gt;Ctrl+Q&lt;/b&gt;
sair, &lt;b&gt;F1&lt;/b&gt; esta ajuda, &lt;b&gt;S&lt;/b&gt; a janela de estatísticas, &lt;b&gt;Esc&lt;/b&gt; fecha o painel de
importação ou a área de ajustes.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The chip and the stake&lt;/h3&gt;
&lt;p&gt;The chip marks the field to bet on next; the tag beside it is the stake. The stake is already
taken from the bankroll: a win brings it back with as much again, a loss keeps it.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;A ficha e a aposta&lt;/h3&gt;
&lt;p&gt;A ficha marca a chance a apostar em seguida; a etiqueta ao lado é a aposta. A aposta já foi
descontada da banca: uma vitória a devolve em dobro, uma perda fica com ela.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The first numbers&lt;/h3&gt;
&lt;p&gt;The first four numbers are only recorded. From the fifth a proposal is shown; from the sixth
each number first settles the previous proposal.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Os primeiros números&lt;/h3&gt;
&lt;p&gt;Os quatro primeiros números são apenas registrados. A partir do quinto uma proposta é mostrada;
a partir do sexto cada número liquida primeiro a proposta anterior.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Undo and skip&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;UNDO&lt;/b&gt; takes back the last number entered: the bankroll and the bet return to what they
were before it. It is offered again once two more numbers are entered. &lt;b&gt;SKIP&lt;/b&gt; withdraws the shown bet: its stake goes
back to the bankroll and nothing is settled on it.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Desfazer e pular&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;DESFAZER&lt;/b&gt; retira o último número inserido: a banca e a aposta voltam ao que eram antes.
Volta a ficar disponível após mais dois números. &lt;b&gt;PULAR&lt;/b&gt; retira a aposta mostrada: o valor
volta para a banca e nada é liquidado sobre ela.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;Regras de aposta&lt;/h3&gt;
&lt;p&gt;Um ciclo começa na &lt;b&gt;aposta inicial&lt;/b&gt;. A regra de perda (&amp;ldquo;APÓS n perdas
&amp;hellip;&amp;rdquo;) e a regra de vitória (&amp;ldquo;APÓS n vitórias &amp;hellip;&amp;rdquo;) somam, subtraem,
multiplicam, dividem ou definem a aposta pelo seu valor. O &lt;b&gt;reinício automático&lt;/b&gt; volta a aposta
à inicial quando a banca atinge a meta do ciclo; o &lt;b&gt;lucro mínimo&lt;/b&gt; reduz a aposta para que uma
vitória atinja exatamente essa meta. A &lt;b&gt;correção de fase&lt;/b&gt; recalcula os valores das regras
quando a aposta atinge o passo vezes a aposta inicial.&lt;/p&gt;
&lt;p&gt;Alguns controles são fixos nesta versão: o modo de jogo (joga SMART 2025), a lista de sistemas
e as listas de regras voltam atrás quando você escolhe outro item, e os números APÓS e os valores
das regras vêm da aposta inicial ou de um arquivo de ajustes (CARREGAR). As dicas deles dizem isso.
Enter ou Esc encerra uma edição, e os próximos algarismos vão de novo para a mesa.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Import and export&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;IMPORT&lt;/b&gt; opens a panel: paste a live-casino history page from the clipboard, or load a
text file of numbers, then IMPORT replaces the history with them without settling any bet
(it asks first when the history holds numbers).
&lt;b&gt;EXPORT&lt;/b&gt; saves the history as a text file, one number per line.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Importar e exportar&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;IMPORTAR&lt;/b&gt; abre um painel: cole da área de transferência uma página de histórico de um
cassino ao vivo, ou carregue um arquivo de texto com números; IMPORTAR então substitui o histórico
por eles sem liquidar nenhuma aposta (pergunta antes quando o histórico tem números).
&lt;b&gt;EXPORTAR&lt;/b&gt; salva o histórico como arquivo de texto, um número por linha.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The expected loss&lt;/h3&gt;
&lt;p&gt;With one zero the house edge is 1/37: every stake on an even chance loses 1/37 of its amount
on average. No staking rule changes that: over many bets the expected result is 1/37 of the
total staked, lost.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;A perda esperada&lt;/h3&gt;
&lt;p&gt;Com um zero a vantagem da casa é 1/37: toda aposta numa chance simples perde em média 1/37 do
seu valor. Nenhuma regra de aposta muda isso: em muitas apostas o resultado esperado é 1/37 do
total apostado, perdido.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;Luzes e botões de tendência&lt;/h3&gt;
&lt;table cellspacing=&quot;6&quot;&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:lamp-far&quot; width=&quot;20&quot; height=&quot;20&quot;&gt;&lt;/td&gt;
&lt;td&gt;Nível de segurança ainda a mais de uma proposta perdida. Com SEGURANÇA n, uma proposta só é
mostrada depois de n propostas perdidas seguidas.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:lamp-near&quot; width=&quot;20&quot; height=&quot;20&quot;&gt;&lt;/td&gt;
&lt;td&gt;Nível de segurança atingido, ou a uma proposta perdida.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:trend-0&quot; width=&quot;62&quot; height=&quot;18&quot;&gt;&lt;/td&gt;
&lt;td&gt;Um botão de tendência em repouso, acima da sua chance.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:trend-1&quot; width=&quot;62&quot; height=&quot;18&quot;&gt;&lt;/td&gt;
&lt;td&gt;Sob o ponteiro: um clique prefere este lado do seu par.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src=&quot;rotacle:trend-2&quot; width=&quot;62&quot; height=&quot;18&quot;&gt;&lt;/td&gt;
&lt;td&gt;Este lado é o preferido: uma proposta do outro lado do par vira para ele. Um
clique remove a preferência.&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;</translation>
    </message>
    <message>
        <source>Rotacle 8.0 &amp;mdash; version %1&lt;br&gt;
All rights reserved. No warranty: roulette has a house edge.</source>
        <translation>Rotacle 8.0 &amp;mdash; versão %1&lt;br&gt;
Todos os direitos reservados. Sem garantia: a roleta tem vantagem da casa.</translation>
    </message>
    <message>
        <source>Rotacle 8.0 — Help</source>
        <translation>Rotacle 8.0 — Ajuda</translation>
    </message>
    <message>
        <source>  Previous sessions</source>
        <translation>  Sessões anteriores</translation>
    </message>
    <message>
        <source>Sessions kept beside this one, newest first</source>
        <translation>Sessões guardadas ao lado desta, a mais recente primeiro</translation>
    </message>
    <message>
        <source>RESUME</source>
        <translation>RETOMAR</translation>
    </message>
    <message>
        <source>Resume the chosen session; this one is kept beside it</source>
        <translation>Retoma a sessão escolhida; esta fica guardada ao lado</translation>
    </message>
    <message>
        <source>  —  %1 numbers, bankroll %2</source>
        <translation>  —  %1 números, banca %2</translation>
    </message>
    <message>
        <source>  —  cannot be resumed</source>
        <translation>  —  não pode ser retomada</translation>
    </message>
    <message>
        <source>&lt;h3&gt;La partage&lt;/h3&gt;
&lt;p&gt;With &lt;b&gt;LA PARTAGE&lt;/b&gt; ticked in the settings area, a bet lost to the zero gives half of its
stake back; the staking rules still count it as lost. The house edge on the even chances is then
1/74 instead of 1/37, and the statistics window&apos;s expected result counts 1/74 of what was staked
under it.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;La partage&lt;/h3&gt;
&lt;p&gt;Com &lt;b&gt;LA PARTAGE&lt;/b&gt; marcada na área de ajustes, uma aposta perdida no zero devolve metade do
valor apostado; as regras de aposta ainda a contam como perdida. A vantagem da casa nas chances
simples passa a ser 1/74 em vez de 1/37, e o resultado esperado da janela de estatísticas conta
1/74 do que foi apostado sob ela.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Session limits and the reality check&lt;/h3&gt;
&lt;p&gt;The limits in the settings area stop play when one is reached: &lt;b&gt;LOSS&lt;/b&gt; and
&lt;b&gt;PROFIT&lt;/b&gt; count the money held (the bankroll and the stake on the table) from the moment the
limit was set, &lt;b&gt;MIN&lt;/b&gt; the minutes played and &lt;b&gt;SPINS&lt;/b&gt; the numbers entered. Play then
stands still until you go on (that limit counts again from there) or start a new game. An
optional limit stops play when a stake would be larger than the money held. &lt;b&gt;CHECK&lt;/b&gt; is the
reality check: every so many minutes play pauses to show the time played and the result.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Limites de sessão e alerta de realidade&lt;/h3&gt;
&lt;p&gt;Os limites na área de ajustes param o jogo quando um é atingido: &lt;b&gt;PERDA&lt;/b&gt; e &lt;b&gt;LUCRO&lt;/b&gt;
contam o dinheiro em mãos (a banca e a aposta na mesa) desde o momento em que o limite foi
definido, &lt;b&gt;MIN&lt;/b&gt; os minutos jogados e &lt;b&gt;GIROS&lt;/b&gt; os números digitados. O jogo fica parado até
você continuar (esse limite volta a contar dali) ou começar um novo jogo. Um limite opcional para o
jogo quando uma aposta seria maior que o dinheiro em mãos. &lt;b&gt;ALERTA&lt;/b&gt; é o alerta de realidade: a
cada tantos minutos o jogo pausa para mostrar o tempo jogado e o resultado.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The Risk tab&lt;/h3&gt;
&lt;p&gt;The statistics window&apos;s &lt;b&gt;Risk&lt;/b&gt; tab plays many whole sessions from the table&apos;s bankroll on
a random wheel, each until it reaches the target, is ruined or has played the most spins, and
shows how often each happened, the spread of the results and the expected loss. It plays the
table&apos;s settings, or flat or martingale staking, with the table&apos;s zero rule or another; the same
seed plays the same sessions, as &lt;code&gt;rotacle-sim risk&lt;/code&gt; does.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;A aba Risco&lt;/h3&gt;
&lt;p&gt;A aba &lt;b&gt;Risco&lt;/b&gt; da janela de estatísticas joga muitas sessões inteiras a partir da banca da
mesa numa roleta aleatória, cada uma até atingir a meta, quebrar ou jogar o máximo de giros, e
mostra com que frequência cada coisa aconteceu, a dispersão dos resultados e a perda esperada.
Joga os ajustes da mesa, ou apostas fixas ou martingale, com a regra do zero da mesa ou outra; a
mesma semente joga as mesmas sessões, como &lt;code&gt;rotacle-sim risk&lt;/code&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Staking dialog&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;STAKING&amp;hellip;&lt;/b&gt; in the settings area sets the staking rules in one place, from presets
(the defaults, flat, martingale, d&apos;Alembert) with a preview of the first stakes after losses and
wins.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Janela de apostas&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;SISTEMAS&amp;hellip;&lt;/b&gt; na área de ajustes define as regras de aposta num só lugar, a partir de
modelos (os padrões, fixa, martingale, d&apos;Alembert) com uma prévia das primeiras apostas após perdas
e ganhos.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;A linha de estatísticas&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;Números no jogo&lt;/b&gt; conta os números do histórico. &lt;b&gt;Apostas&lt;/b&gt; conta as propostas mostradas
como apostas neste jogo (desde APP; uma importação continua contando), a cada número inserido: uma
aposta retirada com PULAR é descontada de novo, uma retirada com DESFAZER continua contada até o
próximo número. A janela de estatísticas conta só as apostas do histórico. O &lt;b&gt;índice flat&lt;/b&gt;
mostra como foram as apostas, quaisquer que sejam seus valores: soma 18 para cada aposta ganha e
tira 18 para cada aposta perdida (18 números ganham numa chance simples), então vale 18 vezes as
apostas ganhas menos as perdidas; um número sem aposta na mesa não o altera.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source> This session is not journaled.</source>
        <translation> Esta sessão não é registrada.</translation>
    </message>
    <message>
        <source>The session journal cannot be written (%1). Play goes on; the journal catches up as soon as there is room again.</source>
        <translation>Não é possível gravar o diário da sessão (%1). O jogo continua; o diário se atualiza assim que houver espaço de novo.</translation>
    </message>
    <message>
        <source>Every session journal is open in another Rotacle window. This session is not journaled.</source>
        <translation>Todos os diários de sessão estão abertos em outra janela do Rotacle. Esta sessão não é registrada.</translation>
    </message>
    <message>
        <source>The last session is open in another Rotacle window. This window starts a session of its own.</source>
        <translation>A última sessão está aberta em outra janela do Rotacle. Esta janela começa uma sessão própria.</translation>
    </message>
    <message>
        <source>The journal holds an action this version does not know; the session is resumed up to it.</source>
        <translation>O diário contém uma ação que esta versão não conhece; a sessão é retomada até ela.</translation>
    </message>
    <message>
        <source> It is kept as %1; a new session starts.</source>
        <translation> Ela fica guardada como %1; uma nova sessão começa.</translation>
    </message>
    <message>
        <source>This window keeps no session journal: the kept session cannot be resumed here.</source>
        <translation>Esta janela não mantém diário de sessão: a sessão guardada não pode ser retomada aqui.</translation>
    </message>
    <message>
        <source>Resume the session kept as %1? This session is kept beside it, and Rotacle starts again.</source>
        <translation>Retomar a sessão guardada como %1? Esta sessão fica guardada ao lado, e o Rotacle reinicia.</translation>
    </message>
    <message>
        <source>Record %1 of the journal enters a number while play stood still at a session limit; the session is resumed up to it.</source>
        <translation>O registro %1 do diário insere um número enquanto o jogo estava parado num limite de sessão; a sessão é retomada até ele.</translation>
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
        <translation>Martingale (x2 na perda)</translation>
    </message>
    <message>
        <source>Parlay (x2 on win)</source>
        <translation>Paroli (x2 na vitória)</translation>
    </message>
    <message>
        <source>Donald (+1 on loss / -1 on win)</source>
        <translation>D&apos;Alembert (+1 / -1)</translation>
    </message>
    <message>
        <source>Chernyshov (x3 on loss)</source>
        <translation>Chernyshov (x3 na perda)</translation>
    </message>
    <message>
        <source>Blind (+1 each spin)</source>
        <translation>Às cegas (+1 a cada giro)</translation>
    </message>
    <message>
        <source>Up-trender (+1 on win)</source>
        <translation>Em alta (+1 na vitória)</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Perdas</translation>
    </message>
    <message>
        <source>Losses In A Row</source>
        <translation>Perdas seguidas</translation>
    </message>
    <message>
        <source>Units drawdown</source>
        <translation>Unid. de queda</translation>
    </message>
    <message>
        <source>ADD to bet:</source>
        <translation>SOMAR à aposta:</translation>
    </message>
    <message>
        <source>SUBTRACT:</source>
        <translation>SUBTRAIR:</translation>
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
        <translation>DEFINIR em:</translation>
    </message>
    <message>
        <source>Check WINS</source>
        <translation>Ver VITÓRIAS</translation>
    </message>
    <message>
        <source>DO NOTHING</source>
        <translation>NÃO FAZER NADA</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Vitórias</translation>
    </message>
    <message>
        <source>Wins In A Row</source>
        <translation>Vitórias seguidas</translation>
    </message>
    <message>
        <source>Units of profit</source>
        <translation>Unid. de lucro</translation>
    </message>
    <message>
        <source>UPTREND</source>
        <translation>ALTA</translation>
    </message>
    <message>
        <source>DOWNTREND</source>
        <translation>BAIXA</translation>
    </message>
    <message>
        <source>Less</source>
        <translation>1-18</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Ímpar</translation>
    </message>
    <message>
        <source>More</source>
        <translation>19-36</translation>
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
        <translation>Arquivo de texto</translation>
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
        <translation>&apos;%1&apos; não é um número decimal válido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; não é um número inteiro válido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid amount: the largest is %2</source>
        <translation>&apos;%1&apos; não é um valor válido: o máximo é %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid amount: the smallest is %2</source>
        <translation>&apos;%1&apos; não é um valor válido: o mínimo é %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a roulette number (0 to 36)</source>
        <translation>&apos;%1&apos; não é um número da roleta (0 a 36)</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Linha %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Não é possível abrir o arquivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Não é possível ler o arquivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Não é possível criar o arquivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Não é possível gravar o arquivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>The page cannot be read: %1.</source>
        <translation>Não é possível ler a página: %1.</translation>
    </message>
    <message>
        <source>The page cannot be read: it holds %1 bytes, more than the limit of %2 MB (%3 bytes).</source>
        <translation>Não é possível ler a página: ela tem %1 bytes, mais que o limite de %2 MB (%3 bytes).</translation>
    </message>
    <message>
        <source>%1 The file &quot;%2&quot; is left as it is.</source>
        <translation>%1 O arquivo &quot;%2&quot; fica como está.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
    <message>
        <source>The page cannot be read: the page reader is not installed (looked for %1). Install the package rotacle-page-reader to paste pages.</source>
        <translation>Não é possível ler a página: o leitor de páginas não está instalado (procurado %1). Instale o pacote rotacle-page-reader para colar páginas.</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>cannot be reached</source>
        <translation>não pode ser acessado</translation>
    </message>
    <message>
        <source>is a link to nothing</source>
        <translation>é um link para nada</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>The options file %1 %2: the options start at their defaults and are not kept.</source>
        <translation>O arquivo de opções %1 %2: as opções começam nos valores padrão e não são guardadas.</translation>
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
        <translation>Quantas sessões inteiras jogar.</translation>
    </message>
    <message>
        <source>The profit at which a session stops.</source>
        <translation>O lucro em que uma sessão para.</translation>
    </message>
    <message>
        <source>The most spins a session plays.</source>
        <translation>O máximo de giros de uma sessão.</translation>
    </message>
    <message>
        <source>Every session starts from the table&apos;s bankroll with its settings.</source>
        <translation>Cada sessão começa com a banca da mesa e seus ajustes.</translation>
    </message>
    <message>
        <source>RUN</source>
        <translation>EXECUTAR</translation>
    </message>
    <message>
        <source>Plays the sessions on worker threads.</source>
        <translation>Joga as sessões em threads de trabalho.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stops the run; the figures show the sessions played.</source>
        <translation>Para a execução; os números mostram as sessões jogadas.</translation>
    </message>
    <message>
        <source>Results of the sessions</source>
        <translation>Resultados das sessões</translation>
    </message>
    <message>
        <source>Sessions</source>
        <translation>Sessões</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Sessions:</source>
        <translation>Sessões:</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Meta:</translation>
    </message>
    <message>
        <source>Max spins:</source>
        <translation>Giros máx.:</translation>
    </message>
    <message>
        <source>Saves the histogram as a PNG picture.</source>
        <translation>Salva o histograma como imagem PNG.</translation>
    </message>
    <message>
        <source>Saves the histogram as an SVG drawing.</source>
        <translation>Salva o histograma como desenho SVG.</translation>
    </message>
    <message>
        <source>Saves every session&apos;s outcome as a CSV file.</source>
        <translation>Salva o desfecho de cada sessão em um arquivo CSV.</translation>
    </message>
    <message>
        <source>Sessions must be a whole number from 1 to 1000000.</source>
        <translation>As sessões devem ser um número inteiro de 1 a 1000000.</translation>
    </message>
    <message>
        <source>The target must be an amount above 0.</source>
        <translation>A meta deve ser um valor acima de 0.</translation>
    </message>
    <message>
        <source>Max spins must be a whole number above 0.</source>
        <translation>Os giros máx. devem ser um número inteiro acima de 0.</translation>
    </message>
    <message>
        <source>Playing %1 sessions...</source>
        <translation>Jogando %1 sessões...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
    </message>
    <message>
        <source>The run failed.</source>
        <translation>A execução falhou.</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 sessions.</source>
        <translation>Cancelado após %1 de %2 sessões.</translation>
    </message>
    <message>
        <source>%1 sessions played.</source>
        <translation>%1 sessões jogadas.</translation>
    </message>
    <message>
        <source>From the table: bankroll %1, its settings%2</source>
        <translation>Da mesa: banca %1, seus ajustes%2</translation>
    </message>
    <message>
        <source>, la partage</source>
        <translation>, la partage</translation>
    </message>
    <message>
        <source>No sessions played yet.</source>
        <translation>Nenhuma sessão jogada ainda.</translation>
    </message>
    <message>
        <source>Sessions: %1</source>
        <translation>Sessões: %1</translation>
    </message>
    <message>
        <source>Reached the target: </source>
        <translation>Meta atingida: </translation>
    </message>
    <message>
        <source>Ruined: </source>
        <translation>Quebradas: </translation>
    </message>
    <message>
        <source>Still playing: </source>
        <translation>Ainda jogando: </translation>
    </message>
    <message>
        <source>Result: mean %1, sd %2</source>
        <translation>Resultado: média %1, dp %2</translation>
    </message>
    <message>
        <source>5/25/50/75/95 %: %1 / %2 / %3 / %4 / %5</source>
        <translation>5/25/50/75/95 %: %1 / %2 / %3 / %4 / %5</translation>
    </message>
    <message>
        <source>Mean staked: </source>
        <translation>Apostado médio: </translation>
    </message>
    <message>
        <source>House edge: expected %1, z %2</source>
        <translation>Vantagem da casa: esperado %1, z %2</translation>
    </message>
    <message>
        <source>Drawdown: mean %1, largest %2</source>
        <translation>Queda: média %1, maior %2</translation>
    </message>
    <message>
        <source>Longest losing run: %1</source>
        <translation>Maior sequência de perdas: %1</translation>
    </message>
    <message>
        <source>Largest stake: </source>
        <translation>Maior aposta: </translation>
    </message>
    <message>
        <source>Mean spins: </source>
        <translation>Giros médios: </translation>
    </message>
    <message>
        <source>table&apos;s settings</source>
        <translation>ajustes da mesa</translation>
    </message>
    <message>
        <source>flat</source>
        <translation>fixa</translation>
    </message>
    <message>
        <source>martingale</source>
        <translation>martingale</translation>
    </message>
    <message>
        <source>The staking the sessions play: the table&apos;s settings, a flat stake (always the initial bet), or martingale (the stake doubles after each lost bet and goes back to the initial bet after a win).</source>
        <translation>As apostas das sessões: os ajustes da mesa, uma aposta fixa (sempre a aposta inicial) ou martingale (a aposta dobra após cada aposta perdida e volta à inicial após um ganho).</translation>
    </message>
    <message>
        <source>as the table</source>
        <translation>como a mesa</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>la partage</source>
        <translation>la partage</translation>
    </message>
    <message>
        <source>The zero rule of the sessions: the table&apos;s, none, or la partage (half of a stake lost on zero comes back).</source>
        <translation>A regra do zero das sessões: a da mesa, nenhuma ou la partage (volta metade de uma aposta perdida no zero).</translation>
    </message>
    <message>
        <source>Each session&apos;s wheel is seeded from this seed and the session&apos;s number: the same seed plays the same sessions, here and in rotacle-sim risk --seed.</source>
        <translation>A roleta de cada sessão é semeada com esta semente e o número da sessão: a mesma semente joga as mesmas sessões, aqui e em rotacle-sim risk --seed.</translation>
    </message>
    <message>
        <source>System:</source>
        <translation>Sistema:</translation>
    </message>
    <message>
        <source>Zero rule:</source>
        <translation>Regra do zero:</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Semente:</translation>
    </message>
    <message>
        <source>The seed must be a whole number from 0 to 18446744073709551615.</source>
        <translation>A semente deve ser um número inteiro de 0 a 18446744073709551615.</translation>
    </message>
    <message>
        <source>Played from bankroll %1: %2, zero rule %3, seed %4</source>
        <translation>Jogado a partir da banca %1: %2, regra do zero %3, semente %4</translation>
    </message>
</context>
<context>
    <name>SpinResult</name>
    <message>
        <source>Won</source>
        <translation>Ganha</translation>
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
        <translation>Padrões: uma aposta inicial a mais após cada aposta</translation>
    </message>
    <message>
        <source>Flat: always the initial bet</source>
        <translation>Fixa: sempre a aposta inicial</translation>
    </message>
    <message>
        <source>Martingale: double the stake after a loss</source>
        <translation>Martingale: dobrar a aposta após uma perda</translation>
    </message>
    <message>
        <source>d&apos;Alembert: one initial bet more after a loss, one less after a win</source>
        <translation>d&apos;Alembert: uma aposta inicial a mais após uma perda, uma a menos após uma vitória</translation>
    </message>
    <message>
        <source>Staking</source>
        <translation>Apostas</translation>
    </message>
    <message>
        <source>Applying writes the staking rules, minimal profit and phase correction of the settings as a loaded settings file does; the initial bet stays.</source>
        <translation>Aplicar grava as regras de aposta, o lucro mínimo e a correção de fase nos ajustes como faz um arquivo de ajustes carregado; a aposta inicial permanece.</translation>
    </message>
    <message>
        <source>System:</source>
        <translation>Sistema:</translation>
    </message>
    <message>
        <source>Stakes:</source>
        <translation>Apostas:</translation>
    </message>
    <message>
        <source>Losing every bet: %1</source>
        <translation>Perdendo todas as apostas: %1</translation>
    </message>
    <message>
        <source>Winning every bet: %1</source>
        <translation>Ganhando todas as apostas: %1</translation>
    </message>
    <message>
        <source>Three lost, then won: %1</source>
        <translation>Três perdidas, depois ganha: %1</translation>
    </message>
    <message>
        <source>No preview: %1</source>
        <translation>Sem prévia: %1</translation>
    </message>
</context>
<context>
    <name>StatsWindow</name>
    <message>
        <source>Bankroll after every spin</source>
        <translation>Banca após cada giro</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Giro</translation>
    </message>
    <message>
        <source>Bankroll</source>
        <translation>Banca</translation>
    </message>
    <message>
        <source>Initial bankroll</source>
        <translation>Banca inicial</translation>
    </message>
    <message>
        <source>Bet won</source>
        <translation>Aposta ganha</translation>
    </message>
    <message>
        <source>Bet lost</source>
        <translation>Aposta perdida</translation>
    </message>
    <message>
        <source>The bankroll after every spin; green and red marks are the placed bets won and lost, the dashed line the bankroll the session started with.</source>
        <translation>A banca após cada giro; as marcas verdes e vermelhas são as apostas ganhas e perdidas, a linha tracejada a banca do início da sessão.</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Saídas</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Proporção</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Esperado</translation>
    </message>
    <message>
        <source>Absence</source>
        <translation>Ausência</translation>
    </message>
    <message>
        <source>Longest absence</source>
        <translation>Maior ausência</translation>
    </message>
    <message>
        <source>Hits per chance</source>
        <translation>Saídas por chance</translation>
    </message>
    <message>
        <source>Expected (18/37)</source>
        <translation>Esperado (18/37)</translation>
    </message>
    <message>
        <source>Hits of each even chance against 18/37 of the spins.</source>
        <translation>Saídas de cada chance simples contra 18/37 dos giros.</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Hits, their share of the spins beside the share chance alone gives, the spins since the last hit (absence) and the longest absence so far. Click a column&apos;s header to sort by it.</source>
        <translation>Saídas, sua proporção dos giros ao lado da do puro acaso, os giros desde a última saída (ausência) e a maior ausência até agora. Clique no cabeçalho de uma coluna para ordenar.</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Aposta</translation>
    </message>
    <message>
        <source>Stake</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Every spin of the session: the bet it settled, its stake and result, and the bankroll after it. Numbers that came with an import were not played.</source>
        <translation>Cada giro da sessão: a aposta liquidada, seu valor e resultado, e a banca depois. Números importados não foram jogados.</translation>
    </message>
    <message>
        <source>Rotacle statistics</source>
        <translation>Estatísticas do Rotacle</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sessão</translation>
    </message>
    <message>
        <source>Spins</source>
        <translation>Giros</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganhas</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdidas</translation>
    </message>
    <message>
        <source>Longest losing run</source>
        <translation>Maior sequência de perdas</translation>
    </message>
    <message>
        <source>Total staked</source>
        <translation>Total apostado</translation>
    </message>
    <message>
        <source>Net result</source>
        <translation>Resultado líquido</translation>
    </message>
    <message>
        <source>Expected result (house edge 1/37)</source>
        <translation>Resultado esperado (vantagem da casa 1/37)</translation>
    </message>
    <message>
        <source>Numbers in the history.</source>
        <translation>Números do histórico.</translation>
    </message>
    <message>
        <source>Settled bets that won.</source>
        <translation>Apostas liquidadas ganhas.</translation>
    </message>
    <message>
        <source>Settled bets that lost.</source>
        <translation>Apostas liquidadas perdidas.</translation>
    </message>
    <message>
        <source>The most settled bets lost one after the other.</source>
        <translation>O máximo de apostas liquidadas perdidas em seguida.</translation>
    </message>
    <message>
        <source>The stakes of all settled bets.</source>
        <translation>Os valores de todas as apostas liquidadas.</translation>
    </message>
    <message>
        <source>The won stakes less the lost ones.</source>
        <translation>Os valores ganhos menos os perdidos.</translation>
    </message>
    <message>
        <source>Chances</source>
        <translation>Chances</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Risk</source>
        <translation>Risco</translation>
    </message>
    <message>
        <source>Hits, share and absences of the even chances and of every number; every spin of the session.</source>
        <translation>Saídas, proporção e ausências das chances simples e de cada número; cada giro da sessão.</translation>
    </message>
    <message>
        <source>Chart as PNG...</source>
        <translation>Gráfico como PNG...</translation>
    </message>
    <message>
        <source>Saves the bankroll chart as a PNG picture.</source>
        <translation>Salva o gráfico da banca como imagem PNG.</translation>
    </message>
    <message>
        <source>Chart as SVG...</source>
        <translation>Gráfico como SVG...</translation>
    </message>
    <message>
        <source>Saves the bankroll chart as an SVG drawing.</source>
        <translation>Salva o gráfico da banca como desenho SVG.</translation>
    </message>
    <message>
        <source>Tables as CSV...</source>
        <translation>Tabelas como CSV...</translation>
    </message>
    <message>
        <source>Saves the hits and absences of the chances and numbers as a CSV file.</source>
        <translation>Salva saídas e ausências das chances e números em um arquivo CSV.</translation>
    </message>
    <message>
        <source>Spins as CSV...</source>
        <translation>Giros como CSV...</translation>
    </message>
    <message>
        <source>Saves every spin with its bet, stake, result and bankroll as a CSV file.</source>
        <translation>Salva cada giro com aposta, valor, resultado e banca em um arquivo CSV.</translation>
    </message>
    <message>
        <source>The chart could not be drawn as a PNG picture.</source>
        <translation>Não foi possível desenhar o gráfico como imagem PNG.</translation>
    </message>
    <message>
        <source>The chart could not be drawn as an SVG drawing.</source>
        <translation>Não foi possível desenhar o gráfico como desenho SVG.</translation>
    </message>
    <message>
        <source>What the house edge takes on average: 1/37 of the total staked, lost; 1/74 of what was staked under la partage, which gives half of a stake back on zero.</source>
        <translation>O que a vantagem da casa leva em média: 1/37 do total apostado, perdido; 1/74 do que foi apostado com la partage, que devolve metade de uma aposta no zero.</translation>
    </message>
    <message>
        <source>Expected result (la partage, house edge 1/74)</source>
        <translation>Resultado esperado (la partage, vantagem da casa 1/74)</translation>
    </message>
    <message>
        <source>Expected result (house edge 1/37, 1/74 under la partage)</source>
        <translation>Resultado esperado (vantagem da casa 1/37, 1/74 com la partage)</translation>
    </message>
    <message>
        <source>Bets placed in this history</source>
        <translation>Apostas feitas neste histórico</translation>
    </message>
    <message>
        <source>Bets settled in this history</source>
        <translation>Apostas liquidadas neste histórico</translation>
    </message>
    <message>
        <source>Bets whose stake went on the table since the history began (APP or an import): those settled and the one open now.</source>
        <translation>Apostas cujo valor foi para a mesa desde que o histórico começou (APP ou uma importação): as liquidadas e a aberta agora.</translation>
    </message>
    <message>
        <source>Placed bets that a number has settled since the history began; UNDO takes one back. Bets played in the main window counts the whole game, imports included.</source>
        <translation>Apostas feitas que um número liquidou desde que o histórico começou; DESFAZER retira uma. Apostas na janela principal conta o jogo todo, importações incluídas.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>A página colada não contém números da roleta: nada a importar.</translation>
    </message>
    <message>
        <source>Start a new game? The history of %1 numbers is cleared; the bankroll stays.</source>
        <translation>Começar um novo jogo? O histórico de %1 números é apagado; a banca fica.</translation>
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
        <translation>TESTE:</translation>
    </message>
    <message>
        <source>UNDO</source>
        <translation>DESFAZER</translation>
    </message>
    <message>
        <source>STATS</source>
        <translation>ESTATÍST.</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>PULAR</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation>AJUSTES</translation>
    </message>
    <message>
        <source>LOAD</source>
        <translation>CARREGAR</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SALVAR</translation>
    </message>
    <message>
        <source>PASTE FROM EVOLUTION</source>
        <translation>COLAR DO EVOLUTION</translation>
    </message>
    <message>
        <source>LOAD FROM FILE</source>
        <translation>CARREGAR DE ARQUIVO</translation>
    </message>
    <message>
        <source>Import %1 numbers? They replace the history of %2 numbers; the bankroll stays.</source>
        <translation>Importar %1 números? Eles substituem o histórico de %2 números; a banca fica.</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>FECHAR</translation>
    </message>
    <message>
        <source>INITIAL BET:</source>
        <translation>APOSTA INICIAL:</translation>
    </message>
    <message>
        <source>GAME MODE:</source>
        <translation>MODO DE JOGO:</translation>
    </message>
    <message>
        <source>BETTING SYSTEM:</source>
        <translation>SISTEMA DE APOSTAS:</translation>
    </message>
    <message>
        <source>AFTER</source>
        <translation>APÓS</translation>
    </message>
    <message>
        <source>GET MINIMAL PROFIT</source>
        <translation>LUCRO MÍNIMO</translation>
    </message>
    <message>
        <source>BET AUTOMATIC RESET</source>
        <translation>REINÍCIO AUTOMÁTICO</translation>
    </message>
    <message>
        <source>SAFE LEVEL:</source>
        <translation>SEGURANÇA:</translation>
    </message>
    <message>
        <source>BUILD MATRIX</source>
        <translation>CRIAR MATRIZ</translation>
    </message>
    <message>
        <source>RM</source>
        <translation>RM</translation>
    </message>
    <message>
        <source>DIRECTION:</source>
        <translation>DIREÇÃO:</translation>
    </message>
    <message>
        <source>PLAY BETS:</source>
        <translation>APOSTAS:</translation>
    </message>
    <message>
        <source>FIXED NUMBER</source>
        <translation>NÚMERO FIXO</translation>
    </message>
    <message>
        <source>REBUILD MATRIX ON PROFIT (Units):</source>
        <translation>RECRIAR MATRIZ COM LUCRO (Unid.):</translation>
    </message>
    <message>
        <source>USE PHASE CORRECTION WITH STEP:</source>
        <translation>CORREÇÃO DE FASE COM PASSO:</translation>
    </message>
    <message>
        <source>RESET:</source>
        <translation>REINIC.:</translation>
    </message>
    <message>
        <source>BETS</source>
        <translation>APOSTAS</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>APP</translation>
    </message>
    <message>
        <source>QUICK PROPOSALS</source>
        <translation>PROPOSTAS RÁPIDAS</translation>
    </message>
    <message>
        <source>Show Bet</source>
        <translation>Ver aposta</translation>
    </message>
    <message>
        <source>LOSS LIMIT REACHED</source>
        <translation>LIMITE DE PERDA ATINGIDO</translation>
    </message>
    <message>
        <source>PROFIT GOAL REACHED</source>
        <translation>META DE LUCRO ATINGIDA</translation>
    </message>
    <message>
        <source>TIME LIMIT REACHED</source>
        <translation>LIMITE DE TEMPO ATINGIDO</translation>
    </message>
    <message>
        <source>SPIN LIMIT REACHED</source>
        <translation>LIMITE DE GIROS ATINGIDO</translation>
    </message>
    <message>
        <source>REALITY CHECK</source>
        <translation>VERIFICAÇÃO DE REALIDADE</translation>
    </message>
    <message>
        <source>LA PARTAGE</source>
        <translation>LA PARTAGE</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NÃO</translation>
    </message>
    <message>
        <source>LOSS:</source>
        <translation>PERDA:</translation>
    </message>
    <message>
        <source>PROFIT:</source>
        <translation>LUCRO:</translation>
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
        <translation>ALERTA:</translation>
    </message>
    <message>
        <source>GO ON</source>
        <translation>CONTINUAR</translation>
    </message>
    <message>
        <source>NEW GAME</source>
        <translation>NOVO JOGO</translation>
    </message>
    <message>
        <source>Time played %1</source>
        <translation>Tempo de jogo %1</translation>
    </message>
    <message>
        <source>%1 spins</source>
        <translation>%1 giros</translation>
    </message>
    <message>
        <source>Net result %1</source>
        <translation>Resultado líquido %1</translation>
    </message>
    <message>
        <source>STAKING RULES</source>
        <translation>REGRAS DE APOSTA</translation>
    </message>
    <message>
        <source>SAFETY</source>
        <translation>SEGURANÇA</translation>
    </message>
    <message>
        <source>MATRIX</source>
        <translation>MATRIZ</translation>
    </message>
    <message>
        <source>PHASE AND RESET</source>
        <translation>FASE E REINÍCIO</translation>
    </message>
    <message>
        <source>Language of the window, from the next start</source>
        <translation>Idioma da janela, a partir do próximo início</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>not taken</source>
        <translation>não aceito</translation>
    </message>
    <message>
        <source>stake %1</source>
        <translation>aposta %1</translation>
    </message>
    <message>
        <source>waiting:</source>
        <translation>em espera:</translation>
    </message>
    <message>
        <source>Net result:</source>
        <translation>Resultado líquido:</translation>
    </message>
    <message>
        <source>The session&apos;s net result: the won stakes less the lost ones, as the statistics window counts them.</source>
        <translation>O resultado líquido da sessão: as apostas ganhas menos as perdidas, contadas como na janela de estatísticas.</translation>
    </message>
    <message>
        <source>STAKING…</source>
        <translation>SISTEMAS…</translation>
    </message>
    <message>
        <source>STAKE ABOVE THE BANKROLL</source>
        <translation>APOSTA ACIMA DA BANCA</translation>
    </message>
    <message>
        <source>INITIAL BET</source>
        <translation>APOSTA INICIAL</translation>
    </message>
    <message>
        <source>TEST BANK</source>
        <translation>TESTE</translation>
    </message>
    <message>
        <source>amount of the loss rule</source>
        <translation>valor da regra de perda</translation>
    </message>
    <message>
        <source>amount of the win rule</source>
        <translation>valor da regra de vitória</translation>
    </message>
    <message>
        <source>%1: %2 is no stake; the smallest is 0.01</source>
        <translation>%1: %2 não é uma aposta; a menor é 0.01</translation>
    </message>
    <message>
        <source>%1: an amount has one decimal point; the key is not taken</source>
        <translation>%1: um valor tem um só ponto decimal; a tecla não é aceita</translation>
    </message>
    <message>
        <source>%1: amounts are typed without a sign; &quot;%2&quot; is not taken</source>
        <translation>%1: os valores são digitados sem sinal; &quot;%2&quot; não é aceito</translation>
    </message>
    <message>
        <source>%1: only digits and a decimal point are typed here; &quot;%2&quot; is not taken</source>
        <translation>%1: aqui só se digitam algarismos e um ponto decimal; &quot;%2&quot; não é aceito</translation>
    </message>
</context>
<context>
    <name>Tooltip</name>
    <message>
        <source>Opens the import panel to bring in a series of past numbers.</source>
        <translation>Abre o painel de importação para trazer uma série de números passados.</translation>
    </message>
    <message>
        <source>Saves the history as a text file, one number per line.</source>
        <translation>Salva o histórico como arquivo de texto, um número por linha.</translation>
    </message>
    <message>
        <source>Minimises the window.</source>
        <translation>Minimiza a janela.</translation>
    </message>
    <message>
        <source>Closes Rotacle.</source>
        <translation>Fecha o Rotacle.</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>Ajuda (F1)</translation>
    </message>
    <message>
        <source>The bankroll; the stake of the shown bet is already taken from it.</source>
        <translation>A banca; a aposta mostrada já foi descontada dela.</translation>
    </message>
    <message>
        <source>Takes back the last number entered.</source>
        <translation>Desfaz o último número digitado.</translation>
    </message>
    <message>
        <source>Undo is offered again once two more numbers are entered.</source>
        <translation>Desfazer volta a ficar disponível após mais dois números.</translation>
    </message>
    <message>
        <source>Red lamp: the safety level is more than one lost proposal away.</source>
        <translation>Luz vermelha: o nível de segurança está a mais de uma proposta perdida.</translation>
    </message>
    <message>
        <source>Green lamp: the safety level is reached or one lost proposal away.</source>
        <translation>Luz verde: o nível de segurança foi atingido ou está a uma proposta perdida.</translation>
    </message>
    <message>
        <source>Withdraws the shown bet; its stake goes back to the bankroll.</source>
        <translation>Retira a aposta mostrada; o valor volta para a banca.</translation>
    </message>
    <message>
        <source>No bet is shown that could be withdrawn.</source>
        <translation>Não há aposta a retirar.</translation>
    </message>
    <message>
        <source>Opens the settings area with the betting settings.</source>
        <translation>Abre a área de ajustes de aposta.</translation>
    </message>
    <message>
        <source>Closes the settings area.</source>
        <translation>Fecha a área de ajustes.</translation>
    </message>
    <message>
        <source>Opens the statistics window: the bankroll chart, hits and absences of the chances and numbers, the session summary (S).</source>
        <translation>Abre a janela de estatísticas: gráfico da banca, saídas e ausências das chances e números, resumo da sessão (S).</translation>
    </message>
    <message>
        <source>Loads the betting settings from a .rtk file.</source>
        <translation>Carrega os ajustes de aposta de um arquivo .rtk.</translation>
    </message>
    <message>
        <source>Saves the betting settings to a .rtk file.</source>
        <translation>Salva os ajustes de aposta em um arquivo .rtk.</translation>
    </message>
    <message>
        <source>Reads the numbers of a live-casino history page copied to the clipboard.</source>
        <translation>Lê os números de uma página de histórico de cassino ao vivo copiada para a área de transferência.</translation>
    </message>
    <message>
        <source>A pasted page is being read.</source>
        <translation>Uma página colada está sendo lida.</translation>
    </message>
    <message>
        <source>Reads the numbers of a text file.</source>
        <translation>Lê os números de um arquivo de texto.</translation>
    </message>
    <message>
        <source>Replaces the history with the numbers read; no bet is settled.</source>
        <translation>Substitui o histórico pelos números lidos; nenhuma aposta é liquidada.</translation>
    </message>
    <message>
        <source>Closes the import panel; the history stays as it is.</source>
        <translation>Fecha o painel de importação; o histórico fica como está.</translation>
    </message>
    <message>
        <source>The initial bet: the stake every staking cycle starts from.</source>
        <translation>A aposta inicial: o valor com que cada ciclo começa.</translation>
    </message>
    <message>
        <source>The game mode that proposes the field to bet on. Fixed in this version: SMART 2025 plays, and a choice snaps back to it.</source>
        <translation>O modo de jogo que propõe a chance a apostar. Fixo nesta versão: joga SMART 2025, e uma escolha volta a ele.</translation>
    </message>
    <message>
        <source>The name of the betting system that the staking rules below stand for; the stake always follows those rules. Fixed in this version: a choice snaps back, a settings file may show another name.</source>
        <translation>O nome do sistema de apostas que as regras abaixo representam; a aposta sempre segue essas regras. Fixo nesta versão: uma escolha volta atrás, um arquivo de ajustes pode mostrar outro nome.</translation>
    </message>
    <message>
        <source>Shows the bankroll and lets you set the test bank.</source>
        <translation>Mostra a banca e permite definir a banca de teste.</translation>
    </message>
    <message>
        <source>The starting bankroll.</source>
        <translation>A banca inicial.</translation>
    </message>
    <message>
        <source>After how many of the counted losses the loss rule changes the stake. Fixed in this version: only a settings file changes it.</source>
        <translation>Após quantas perdas contadas a regra de perda muda a aposta. Fixo nesta versão: só um arquivo de ajustes o muda.</translation>
    </message>
    <message>
        <source>What the loss rule counts: losses, losses in a row or units of drawdown. Fixed in this version: a choice snaps back; a settings file may set it.</source>
        <translation>O que a regra de perda conta: perdas, perdas seguidas ou unidades de queda. Fixo nesta versão: uma escolha volta atrás; um arquivo de ajustes pode defini-lo.</translation>
    </message>
    <message>
        <source>What the loss rule does to the stake. Fixed in this version at ADD to bet: a choice snaps back.</source>
        <translation>O que a regra de perda faz com a aposta. Fixo nesta versão em SOMAR à aposta: uma escolha volta atrás.</translation>
    </message>
    <message>
        <source>The amount by which the loss rule changes the stake: the initial bet. Fixed in this version: it follows the initial bet, or a settings file.</source>
        <translation>O valor com que a regra de perda muda a aposta: a aposta inicial. Fixo nesta versão: segue a aposta inicial ou um arquivo de ajustes.</translation>
    </message>
    <message>
        <source>After how many of the counted wins the win rule changes the stake. Fixed in this version: only a settings file changes it.</source>
        <translation>Após quantas vitórias contadas a regra de vitória muda a aposta. Fixo nesta versão: só um arquivo de ajustes o muda.</translation>
    </message>
    <message>
        <source>What the win rule counts: wins, wins in a row or units of profit. Fixed in this version: a choice snaps back; a settings file may set it.</source>
        <translation>O que a regra de vitória conta: vitórias, vitórias seguidas ou unidades de lucro. Fixo nesta versão: uma escolha volta atrás; um arquivo de ajustes pode defini-lo.</translation>
    </message>
    <message>
        <source>What the win rule does to the stake. Fixed in this version at ADD to bet: a choice snaps back.</source>
        <translation>O que a regra de vitória faz com a aposta. Fixo nesta versão em SOMAR à aposta: uma escolha volta atrás.</translation>
    </message>
    <message>
        <source>The amount by which the win rule changes the stake: the initial bet. Fixed in this version: it follows the initial bet, or a settings file.</source>
        <translation>O valor com que a regra de vitória muda a aposta: a aposta inicial. Fixo nesta versão: segue a aposta inicial ou um arquivo de ajustes.</translation>
    </message>
    <message>
        <source>Trims the stake so that a win just reaches the cycle target.</source>
        <translation>Reduz a aposta para que uma vitória atinja exatamente a meta do ciclo.</translation>
    </message>
    <message>
        <source>Returns the stake to the initial bet when the bankroll reaches the cycle target.</source>
        <translation>Volta a aposta à inicial quando a banca atinge a meta do ciclo.</translation>
    </message>
    <message>
        <source>Shows a proposal only after this many proposals in a row have lost (0: always).</source>
        <translation>Mostra uma proposta só depois de tantas propostas perdidas seguidas (0: sempre).</translation>
    </message>
    <message>
        <source>Builds the matrix from the recent spins.</source>
        <translation>Cria a matriz a partir dos giros recentes.</translation>
    </message>
    <message>
        <source>Clears the matrix.</source>
        <translation>Limpa a matriz.</translation>
    </message>
    <message>
        <source>The direction in which the matrix looks for its pattern.</source>
        <translation>A direção em que a matriz procura seu padrão.</translation>
    </message>
    <message>
        <source>How many bets are played before the matrix is rebuilt.</source>
        <translation>Quantas apostas são jogadas antes de recriar a matriz.</translation>
    </message>
    <message>
        <source>Keeps the number of replayed spins instead of following the history.</source>
        <translation>Mantém o número de giros repetidos em vez de seguir o histórico.</translation>
    </message>
    <message>
        <source>How many recent spins the matrix replays.</source>
        <translation>Quantos giros recentes a matriz repete.</translation>
    </message>
    <message>
        <source>Rebuilds the matrix once the profit reaches the units set beside it.</source>
        <translation>Recria a matriz quando o lucro atinge as unidades definidas ao lado.</translation>
    </message>
    <message>
        <source>The profit, in initial bets, that rebuilds the matrix.</source>
        <translation>O lucro, em apostas iniciais, que recria a matriz.</translation>
    </message>
    <message>
        <source>Re-bases the rule amounts when the stake reaches the step times the initial bet.</source>
        <translation>Recalcula os valores das regras quando a aposta atinge o passo vezes a aposta inicial.</translation>
    </message>
    <message>
        <source>The step: the multiple of the initial bet that starts a phase correction.</source>
        <translation>O passo: o múltiplo da aposta inicial que inicia uma correção de fase.</translation>
    </message>
    <message>
        <source>Flat index: +18 for every won bet, -18 for every lost one, whatever the stakes: wins against losses.</source>
        <translation>Índice plano: +18 por aposta ganha, -18 por aposta perdida, qualquer que seja o valor: vitórias contra perdas.</translation>
    </message>
    <message>
        <source>Numbers in game: the numbers in the history.</source>
        <translation>Números em jogo: os números do histórico.</translation>
    </message>
    <message>
        <source>Starts a new staking cycle at the initial bet.</source>
        <translation>Inicia um novo ciclo com a aposta inicial.</translation>
    </message>
    <message>
        <source>Starts a new game: the history is cleared, the bankroll kept.</source>
        <translation>Inicia um novo jogo: o histórico é apagado, a banca é mantida.</translation>
    </message>
    <message>
        <source>Shows the stake beside the chip.</source>
        <translation>Mostra a aposta ao lado da ficha.</translation>
    </message>
    <message>
        <source>Shows each proposal at once, without the run across the board.</source>
        <translation>Mostra cada proposta de imediato, sem a corrida pela mesa.</translation>
    </message>
    <message>
        <source>La partage: a zero gives half of the stake back; the bet still counts as lost.</source>
        <translation>La partage: um zero devolve metade da aposta; a aposta ainda conta como perdida.</translation>
    </message>
    <message>
        <source>Loss limit: play stops when the session has lost this much (OFF: no limit).</source>
        <translation>Limite de perda: o jogo para quando a sessão perdeu isso (NÃO: sem limite).</translation>
    </message>
    <message>
        <source>Profit goal: play stops when the session has won this much (OFF: no goal).</source>
        <translation>Meta de lucro: o jogo para quando a sessão ganhou isso (NÃO: sem meta).</translation>
    </message>
    <message>
        <source>Time limit: play stops after this many minutes (OFF: no limit).</source>
        <translation>Limite de tempo: o jogo para após tantos minutos (NÃO: sem limite).</translation>
    </message>
    <message>
        <source>Spin limit: play stops after this many spins (OFF: no limit).</source>
        <translation>Limite de giros: o jogo para após tantos giros (NÃO: sem limite).</translation>
    </message>
    <message>
        <source>Plays on; the limit that stopped play counts again from here.</source>
        <translation>Continua jogando; o limite que parou o jogo volta a contar daqui.</translation>
    </message>
    <message>
        <source>Starts a new game: the history is cleared, the session counts from now.</source>
        <translation>Inicia um novo jogo: o histórico é apagado, a sessão conta a partir de agora.</translation>
    </message>
    <message>
        <source>Reality check: every this many minutes, play pauses to show the time and result.</source>
        <translation>Verificação de realidade: a cada tantos minutos o jogo pausa para mostrar tempo e resultado.</translation>
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
        <translation>Par</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Ímpar</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>Enter %1 as the number the wheel produced.</source>
        <translation>Insere %1 como o número sorteado.</translation>
    </message>
    <message>
        <source>Prefer %1: a proposal of %2 is turned to %1.</source>
        <translation>Preferir %1: uma proposta de %2 vira %1.</translation>
    </message>
    <message>
        <source>Drops the preference for %1.</source>
        <translation>Remove a preferência por %1.</translation>
    </message>
    <message>
        <source>Reset: BETS starts a new staking cycle, APP starts a new game.</source>
        <translation>Reiniciar: APOSTAS inicia um novo ciclo de apostas, APP um novo jogo.</translation>
    </message>
    <message>
        <source>Bets played in this game (since APP; an import goes on counting), counted as each number is entered: SKIP takes a bet off, UNDO keeps it until the next number.</source>
        <translation>Apostas jogadas neste jogo (desde APP; uma importação continua contando), contadas a cada número inserido: PULAR retira uma aposta, DESFAZER a mantém até o próximo número.</translation>
    </message>
    <message>
        <source>Staking systems to choose from, with the first stakes each puts on the table.</source>
        <translation>Sistemas de aposta para escolher, com as primeiras apostas que cada um põe na mesa.</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>A new version of Rotacle is ready. It starts the next time you open Rotacle.</source>
        <translation>Uma nova versão do Rotacle está pronta. Ela começa na próxima vez que você abrir o Rotacle.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>roulette table</source>
        <translation>mesa de roleta</translation>
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
        <translation>chances simples</translation>
    </message>
    <message>
        <source>Press Ctrl+V (⌘V on a Mac) to paste the page.</source>
        <translation>Pressione Ctrl+V (⌘V no Mac) para colar a página.</translation>
    </message>
    <message>
        <source>This browser keeps no data for pages (IndexedDB).</source>
        <translation>Este navegador não guarda dados para páginas (IndexedDB).</translation>
    </message>
</context>
</TS>
