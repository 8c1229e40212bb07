<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>D&apos;Alembert (+1 si perte / -1 si gain)</translation>
    </message>
    <message>
        <source>Chernyshov (x3 on loss)</source>
        <translation>Chernyshov (x3 si perte)</translation>
    </message>
    <message>
        <source>Blind (+1 each spin)</source>
        <translation>Aveugle (+1 à chaque coup)</translation>
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
        <translation>AJOUTER à la mise :</translation>
    </message>
    <message>
        <source>SUBTRACT:</source>
        <translation>SOUSTRAIRE :</translation>
    </message>
    <message>
        <source>MULTIPLY bet by:</source>
        <translation>MULTIPLIER la mise par :</translation>
    </message>
    <message>
        <source>DIVIDE bet by:</source>
        <translation>DIVISER la mise par :</translation>
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
        <translation>BANK D&apos;ESSAI :</translation>
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
        <translation>ENREGISTRER</translation>
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
        <translation>PROPOSITIONS RAPIDES</translation>
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
</context>
</TS>
