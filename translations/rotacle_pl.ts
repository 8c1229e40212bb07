<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
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
        <translation>Martingale (x2 po przegranej)</translation>
    </message>
    <message>
        <source>Parlay (x2 on win)</source>
        <translation>Paroli (x2 po wygranej)</translation>
    </message>
    <message>
        <source>Donald (+1 on loss / -1 on win)</source>
        <translation>D&apos;Alembert (+1 po przegranej / -1 po wygranej)</translation>
    </message>
    <message>
        <source>Chernyshov (x3 on loss)</source>
        <translation>Czernyszow (x3 po przegranej)</translation>
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
        <translation>Przegrane z rzędu</translation>
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
        <translation>POMNÓŻ stawkę przez:</translation>
    </message>
    <message>
        <source>DIVIDE bet by:</source>
        <translation>PODZIEL stawkę przez:</translation>
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
        <translation>Niskie</translation>
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
        <translation>Wysokie</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORT</translation>
    </message>
    <message>
        <source>IMPORT (%1)</source>
        <translation>IMPORT (%1)</translation>
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
        <translation>BANK TESTOWY:</translation>
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
        <translation>STAWKA POCZĄTKOWA:</translation>
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
        <translation>KONTROLA:</translation>
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
</context>
</TS>
