<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <translation>D&apos;Alembert (+1 al perder / -1 al ganar)</translation>
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
        <translation>Pérdidas seguidas</translation>
    </message>
    <message>
        <source>Units drawdown</source>
        <translation>Unidades de caída</translation>
    </message>
    <message>
        <source>ADD to bet:</source>
        <translation>SUMAR a la apuesta:</translation>
    </message>
    <message>
        <source>SUBTRACT:</source>
        <translation>RESTAR:</translation>
    </message>
    <message>
        <source>MULTIPLY bet by:</source>
        <translation>MULTIPLICAR apuesta por:</translation>
    </message>
    <message>
        <source>DIVIDE bet by:</source>
        <translation>DIVIDIR apuesta por:</translation>
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
        <translation>Ganancias seguidas</translation>
    </message>
    <message>
        <source>Units of profit</source>
        <translation>Unidades de beneficio</translation>
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
        <translation>BANCA DE PRUEBA:</translation>
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
        <translation>APUESTA INICIAL:</translation>
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
        <translation>REINICIAR:</translation>
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
        <translation>PÉRDIDA:</translation>
    </message>
    <message>
        <source>PROFIT:</source>
        <translation>BENEFICIO:</translation>
    </message>
    <message>
        <source>MIN:</source>
        <translation>MIN:</translation>
    </message>
    <message>
        <source>SPINS:</source>
        <translation>TIRADAS:</translation>
    </message>
    <message>
        <source>CHECK:</source>
        <translation>CONTROL:</translation>
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
</context>
</TS>
