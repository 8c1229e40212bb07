<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>D&apos;Alembert (+1 na perda / -1 na vitória)</translation>
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
        <translation>Unidades de queda</translation>
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
        <translation>MULTIPLICAR aposta por:</translation>
    </message>
    <message>
        <source>DIVIDE bet by:</source>
        <translation>DIVIDIR aposta por:</translation>
    </message>
    <message>
        <source>SET bet to:</source>
        <translation>DEFINIR aposta em:</translation>
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
        <translation>Unidades de lucro</translation>
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
        <translation>Falta</translation>
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
        <translation>Passa</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTAR</translation>
    </message>
    <message>
        <source>IMPORT (%1)</source>
        <translation>IMPORTAR (%1)</translation>
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
        <translation>BANCA DE TESTE:</translation>
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
        <translation>REINICIAR:</translation>
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
</context>
</TS>
