<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
        <translation>D&apos;Alembert (+1 se perde / -1 se vince)</translation>
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
        <translation>AGGIUNGI alla puntata:</translation>
    </message>
    <message>
        <source>SUBTRACT:</source>
        <translation>SOTTRAI:</translation>
    </message>
    <message>
        <source>MULTIPLY bet by:</source>
        <translation>MOLTIPLICA puntata per:</translation>
    </message>
    <message>
        <source>DIVIDE bet by:</source>
        <translation>DIVIDI puntata per:</translation>
    </message>
    <message>
        <source>SET bet to:</source>
        <translation>IMPOSTA puntata a:</translation>
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
        <translation>CAPITALE PROVA:</translation>
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
        <translation>PUNTATA INIZIALE:</translation>
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
        <translation>LIVELLO SICUREZZA:</translation>
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
        <translation>Mostra puntata</translation>
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
        <translation>PERDITA:</translation>
    </message>
    <message>
        <source>PROFIT:</source>
        <translation>PROFITTO:</translation>
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
        <translation>VERIFICA:</translation>
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
</context>
</TS>
