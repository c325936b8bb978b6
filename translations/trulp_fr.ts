<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Wording</name>
    <message>
        <location filename="../src/words/words.cpp" line="17"/>
        <source>right</source>
        <extracomment>A direction in a hint and in the moves list read aloud: &quot;hint: H right&quot;.</extracomment>
        <translation>à droite</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="19"/>
        <source>up</source>
        <translation>en haut</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="21"/>
        <source>left</source>
        <translation>à gauche</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="23"/>
        <source>down</source>
        <translation>en bas</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="48"/>
        <source>STOP</source>
        <extracomment>GO&apos;s caption during a run: stops it. At most 6 letters.</extracomment>
        <translation>STOP</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="51"/>
        <source>STEP</source>
        <extracomment>GO&apos;s caption in step mode: one move per press. At most 6 letters.</extracomment>
        <translation>ÉTAPE</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="54"/>
        <source>GO</source>
        <extracomment>The button that starts a search or a replay. At most 6 letters.</extracomment>
        <translation>LANCER</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="65"/>
        <source>welcome at the TRULP puzzle. Select &quot;play&quot; or &quot;search&quot;...</source>
        <translation>bienvenue dans le casse-tête TRULP. Choisissez « jouer » ou « chercher »...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="67"/>
        <source>search for solution...</source>
        <translation>cherchez la solution...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="69"/>
        <source>show moves</source>
        <translation>affichage des coups</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="71"/>
        <source>click GO to start search</source>
        <translation>cliquez sur LANCER pour démarrer la recherche</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="73"/>
        <source>find solutions...</source>
        <translation>trouvez des solutions...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="75"/>
        <source>find solution...</source>
        <translation>trouvez la solution...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="77"/>
        <source>list is full</source>
        <translation>la liste est pleine</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="79"/>
        <source>moves list is full</source>
        <translation>la liste des coups est pleine</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="81"/>
        <source>SOLUTION FOUND ...congratulations !</source>
        <translation>SOLUTION TROUVÉE ...félicitations !</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="83"/>
        <source>solution reached</source>
        <translation>solution atteinte</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="86"/>
        <source>move %1</source>
        <extracomment>Replay and take-back: the number of the move shown.</extracomment>
        <translation>coup %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="88"/>
        <source>end of list</source>
        <translation>fin de la liste</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="91"/>
        <source>hint: %1 %2 (%n to go)</source>
        <extracomment>%1 a block&apos;s letter, %2 a direction, %n the moves to the goal.</extracomment>
        <translation>
            <numerusform>indice : %1 %2 (encore %n)</numerusform>
            <numerusform>indice : %1 %2 (encore %n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="93"/>
        <source>%n to go</source>
        <translation>
            <numerusform>encore %n</numerusform>
            <numerusform>encore %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="95"/>
        <source>solving... %n to go</source>
        <translation>
            <numerusform>résolution... encore %n</numerusform>
            <numerusform>résolution... encore %n</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="97"/>
        <source>pause</source>
        <translation>pause</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="100"/>
        <source>computer searching...move: %1</source>
        <extracomment>%1 the trial moves of the search so far.</extracomment>
        <translation>l'ordinateur cherche... coup : %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="102"/>
        <source>puzzle solved.  (see statistics)</source>
        <translation>casse-tête résolu. (voir les statistiques)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="104"/>
        <source>no solution found</source>
        <translation>aucune solution trouvée</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="107"/>
        <source>puzzle saved as: %1</source>
        <extracomment>%1 the name the moves file was saved as.</extracomment>
        <translation>casse-tête enregistré sous : %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="110"/>
        <source>puzzle %1 opened</source>
        <extracomment>%1 the name stored in the moves file.</extracomment>
        <translation>casse-tête %1 ouvert</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="112"/>
        <source>read error</source>
        <translation>erreur de lecture</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="114"/>
        <source>wrong file</source>
        <translation>fichier incorrect</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="117"/>
        <source>puzzle send to printer</source>
        <translation>casse-tête envoyé à l'imprimante</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="119"/>
        <source>page written to %1</source>
        <extracomment>%1 the PDF file the page was written to.</extracomment>
        <translation>page écrite dans %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="122"/>
        <source>puzzle %1: shortest solution %n moves</source>
        <extracomment>%1 the puzzle&apos;s name, %n the moves of its shortest solution.</extracomment>
        <translation>
            <numerusform>casse-tête %1 : solution la plus courte en %n coup</numerusform>
            <numerusform>casse-tête %1 : solution la plus courte en %n coups</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="124"/>
        <source>drag the blocks where you want them</source>
        <translation>faites glisser les blocs où vous voulez</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="126"/>
        <source>no way to the goal</source>
        <translation>aucun chemin vers le but</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="128"/>
        <source>block X is on the goal already</source>
        <translation>le bloc X est déjà sur le but</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="130"/>
        <source>no room there</source>
        <translation>pas de place ici</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="133"/>
        <source>new record: %n moves (shortest %1)</source>
        <extracomment>%n the moves of the new record, %1 the shortest solution&apos;s.</extracomment>
        <translation>
            <numerusform>nouveau record : %n coup (minimum %1)</numerusform>
            <numerusform>nouveau record : %n coups (minimum %1)</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="135"/>
        <source>block %1 does not have its own shape</source>
        <translation>le bloc %1 n'a pas sa propre forme</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="137"/>
        <source>block %1 on field %2 does not fit on the board</source>
        <translation>le bloc %1 sur la case %2 ne tient pas sur le plateau</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="139"/>
        <source>blocks %1 on field %2 and %3 on field %4 overlap</source>
        <translation>les blocs %1 sur la case %2 et %3 sur la case %4 se chevauchent</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="145"/>
        <source>a start names ten blocks in the order A X B C D E F G H I, each with its field, not %n tokens</source>
        <translation>
            <numerusform>une position de départ nomme dix blocs dans l'ordre A X B C D E F G H I, chacun avec sa case, et non %n élément</numerusform>
            <numerusform>une position de départ nomme dix blocs dans l'ordre A X B C D E F G H I, chacun avec sa case, et non %n éléments</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="149"/>
        <source>block %1 of the start must be %2 (order A X B C D E F G H I), not &apos;%3&apos;</source>
        <translation>le bloc n° %1 de la position de départ doit être %2 (ordre A X B C D E F G H I), et non « %3 »</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="153"/>
        <source>&apos;%1&apos;: the field must be a number from 0 to 19</source>
        <translation>« %1 » : la case doit être un nombre de 0 à 19</translation>
    </message>
</context>
<context>
    <name>trulp::BoardView</name>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="26"/>
        <source>column %1</source>
        <translation>colonne %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="27"/>
        <source>columns %1 to %2</source>
        <translation>colonnes %1 à %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="30"/>
        <source>row %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="31"/>
        <source>rows %1 to %2</source>
        <translation>lignes %1 à %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="37"/>
        <source>board</source>
        <translation>plateau</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="126"/>
        <source>%1: %2, %3</source>
        <extracomment>A block and where it stands, read aloud: &quot;A: column 1, rows 1 to 2&quot;.</extracomment>
        <translation>%1 : %2, %3</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="130"/>
        <source>; </source>
        <translation> ; </translation>
    </message>
</context>
<context>
    <name>trulp::MovesPanel</name>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="51"/>
        <source>moves</source>
        <translation>coups</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="64"/>
        <source>move %1 of %2</source>
        <translation>coup %1 sur %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="70"/>
        <source>move %1 of %2: %3 %4</source>
        <extracomment>The last move read aloud: &quot;move 3 of 5: H right&quot;.</extracomment>
        <translation>coup %1 sur %2 : %3 %4</translation>
    </message>
</context>
<context>
    <name>trulp::TForm1</name>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="180"/>
        <source>TRULP puzzel</source>
        <extracomment>The main window&apos;s title.</extracomment>
        <translation>TRULP – casse-tête</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="194"/>
        <source>Print to PDF file</source>
        <translation>Imprimer dans un fichier PDF</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="194"/>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="278"/>
        <source>help</source>
        <translation>aide</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="280"/>
        <source>moves</source>
        <translation>coups</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="286"/>
        <source>shift until</source>
        <translation>poussez le</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="287"/>
        <source>block X</source>
        <translation>bloc X</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="288"/>
        <source>is here</source>
        <translation>ici</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="290"/>
        <source>max.move</source>
        <extracomment>The move limit of the search, above its number. Short: about 9 letters.</extracomment>
        <translation>coups max</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="297"/>
        <source>raise the move limit</source>
        <translation>augmenter la limite de coups</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="298"/>
        <source>lower the move limit</source>
        <translation>baisser la limite de coups</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="308"/>
        <source>step</source>
        <extracomment>The check box for one move at a time. Short: about 6 letters.</extracomment>
        <translation>étape</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="316"/>
        <source>play</source>
        <translation>jouer</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="317"/>
        <source>find solutions yourself</source>
        <translation>trouver soi-même des solutions</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="319"/>
        <source>replay</source>
        <translation>revoir</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="320"/>
        <source>replay moves</source>
        <translation>revoir les coups</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="322"/>
        <source>search</source>
        <translation>chercher</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="323"/>
        <source>let computer search for solutions</source>
        <translation>laisser l'ordinateur chercher des solutions</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="339"/>
        <source>reset</source>
        <translation>réinit.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="342"/>
        <source>back</source>
        <translation>retour</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="347"/>
        <source>statistics</source>
        <translation>statistiques</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="351"/>
        <source>to go</source>
        <translation>reste</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="353"/>
        <source>moves to go</source>
        <translation>coups restants</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="355"/>
        <source>hint</source>
        <translation>indice</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="356"/>
        <source>show the best next move</source>
        <translation>montrer le meilleur coup suivant</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="359"/>
        <source>solve</source>
        <translation>résoudre</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="360"/>
        <source>play the shortest way to the goal</source>
        <translation>jouer le chemin le plus court vers le but</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="366"/>
        <location filename="../src/mainwindow/form1.cpp" line="368"/>
        <source>puzzle</source>
        <translation>casse-tête</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="372"/>
        <source>play it</source>
        <translation>y jouer</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="373"/>
        <source>play the position set up</source>
        <translation>jouer la position préparée</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="374"/>
        <source>cancel</source>
        <translation>annuler</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="716"/>
        <source>The print job could not be started on %1.</source>
        <translation>L'impression n'a pas pu démarrer sur %1.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="739"/>
        <source>Printer setup</source>
        <translation>Configuration de l'imprimante</translation>
    </message>
</context>
<context>
    <name>trulp::TargetView</name>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="15"/>
        <source>target</source>
        <translation>cible</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="16"/>
        <source>block X must stand on the two centre fields of the two bottom rows</source>
        <translation>le bloc X doit occuper les deux cases centrales des deux rangées du bas</translation>
    </message>
</context>
<context>
    <name>trulp::ToolBar</name>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="19"/>
        <source>open</source>
        <translation>ouvrir</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="19"/>
        <source>open moves file</source>
        <translation>ouvrir un fichier de coups</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="20"/>
        <source>save</source>
        <translation>enregistrer</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="20"/>
        <source>save moves</source>
        <translation>enregistrer les coups</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="21"/>
        <source>print</source>
        <translation>imprimer</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="22"/>
        <source>printer setup</source>
        <translation>configuration de l'imprimante</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="23"/>
        <source>game chart</source>
        <translation>graphique de la partie</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="24"/>
        <source>puzzles</source>
        <translation>casse-têtes</translation>
    </message>
</context>
</TS>
