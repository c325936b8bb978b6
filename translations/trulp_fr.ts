<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>PrintPage</name>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="34"/>
        <source>TRULP puzzle</source>
        <translation>TRULP – casse-tête</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="35"/>
        <source>start position</source>
        <translation>position de départ</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="36"/>
        <source>final position</source>
        <translation>position finale</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="37"/>
        <source>moves</source>
        <translation>coups</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="99"/>
        <source>TRULP puzzle: %1</source>
        <extracomment>The printed page&apos;s title for a puzzle other than the classic.</extracomment>
        <translation>TRULP – casse-tête : %1</translation>
    </message>
</context>
<context>
    <name>Puzzles</name>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="32"/>
        <location filename="../src/words/words.cpp" line="69"/>
        <source>moves</source>
        <translation>nombre de coups</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="46"/>
        <source>classic</source>
        <translation>classique</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="46"/>
        <source>nearly</source>
        <translation>presque</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="47"/>
        <source>corners</source>
        <translation>coins</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="47"/>
        <source>lid</source>
        <translation>couvercle</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="48"/>
        <source>sidestep</source>
        <translation>écart</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="48"/>
        <source>drift</source>
        <translation>dérive</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="49"/>
        <source>nudge</source>
        <translation>poussée</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="49"/>
        <source>fence</source>
        <translation>clôture</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="50"/>
        <source>pillars</source>
        <translation>piliers</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="50"/>
        <source>stakes</source>
        <translation>pieux</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="51"/>
        <source>arch</source>
        <translation>arche</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="51"/>
        <source>cradle</source>
        <translation>berceau</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="52"/>
        <source>throne</source>
        <translation>trône</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="52"/>
        <source>tower</source>
        <translation>tour</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="53"/>
        <source>palisade</source>
        <translation>palissade</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="53"/>
        <source>keep</source>
        <translation>donjon</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="54"/>
        <source>detour</source>
        <translation>détour</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="54"/>
        <source>crooked</source>
        <translation>tordu</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="55"/>
        <source>leaning</source>
        <translation>penché</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="55"/>
        <source>tangle</source>
        <translation>fouillis</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="56"/>
        <source>attic</source>
        <translation>grenier</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="56"/>
        <source>lopsided</source>
        <translation>bancal</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="57"/>
        <source>colonnade</source>
        <translation>colonnade</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="57"/>
        <source>sentries</source>
        <translation>sentinelles</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="58"/>
        <source>guards</source>
        <translation>gardes</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="58"/>
        <source>ladder</source>
        <translation>échelle</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="59"/>
        <source>shelf</source>
        <translation>étagère</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="59"/>
        <source>gate</source>
        <translation>portail</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="60"/>
        <source>lantern</source>
        <translation>lanterne</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="60"/>
        <source>fallen</source>
        <translation>tombé</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="61"/>
        <source>crown</source>
        <translation>couronne</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="61"/>
        <source>hourglass</source>
        <translation>sablier</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="62"/>
        <source>fortress</source>
        <translation>forteresse</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="62"/>
        <source>citadel</source>
        <translation>citadelle</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="63"/>
        <source>twin</source>
        <translation>jumeau</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="63"/>
        <source>soldiers</source>
        <translation>soldats</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="64"/>
        <source>barracks</source>
        <translation>caserne</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="64"/>
        <source>garrison</source>
        <translation>garnison</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="65"/>
        <source>labyrinth</source>
        <translation>labyrinthe</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="65"/>
        <source>summit</source>
        <translation>sommet</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="66"/>
        <source>nadir</source>
        <translation>nadir</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="66"/>
        <source>zenith</source>
        <translation>zénith</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="67"/>
        <source>your own</source>
        <translation>le vôtre</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="67"/>
        <source>easy</source>
        <translation>facile</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="68"/>
        <source>medium</source>
        <translation>moyen</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="68"/>
        <source>hard</source>
        <translation>difficile</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <location filename="../src/words/words.cpp" line="42"/>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>TStatForm</name>
    <message>
        <location filename="../src/stats/statform.cpp" line="21"/>
        <source>number of moves</source>
        <translation>nombre de coups</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="22"/>
        <source>time (secs.)</source>
        <translation>durée (s)</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="23"/>
        <source>trial moves</source>
        <translation>coups d&apos;essai</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="24"/>
        <source>Forward history buffer length</source>
        <translation>Taille du tampon « avant »</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="25"/>
        <source>Backward buffer hits</source>
        <translation>Rejets par le tampon « arrière »</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="26"/>
        <source>Forward buffer hits</source>
        <translation>Rejets par le tampon « avant »</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="36"/>
        <source>TRULP statistics</source>
        <translation>TRULP – statistiques</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="65"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TrulpSolve</name>
    <message>
        <location filename="../src/cli/main.cpp" line="41"/>
        <source>&apos;%1&apos; is not a moves file: %2 bytes instead of 250</source>
        <translation>&apos;%1&apos; n&apos;est pas un fichier de coups : %2 octets au lieu de 250</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="49"/>
        <source>&apos;%1&apos; is not a moves file: the start it holds cannot be played</source>
        <translation>&apos;%1&apos; n&apos;est pas un fichier de coups : le départ qu&apos;il contient ne peut pas être joué</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="50"/>
        <source>&apos;%1&apos; is not a moves file: its name does not begin with TRULP_ or TRULP+</source>
        <translation>&apos;%1&apos; n&apos;est pas un fichier de coups : son nom ne commence pas par TRULP_ ou TRULP+</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="56"/>
        <source>&apos;%1&apos; is not a valid moves file: bad name length, move count or move</source>
        <translation>&apos;%1&apos; n&apos;est pas un fichier de coups valide : longueur de nom, nombre de coups ou coup incorrect</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="93"/>
        <source>no puzzle is named &apos;%1&apos; (see --puzzles)</source>
        <translation>aucun casse-tête ne s&apos;appelle &apos;%1&apos; (voir --puzzles)</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="98"/>
        <source>--start &apos;%1&apos;: %2</source>
        <translation>--start &apos;%1&apos; : %2</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="135"/>
        <source>cannot write the list</source>
        <translation>impossible d&apos;écrire la liste</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="159"/>
        <source>&apos;%1&apos;: move %2 cannot be made from the start position</source>
        <translation>&apos;%1&apos; : le coup %2 ne peut pas être joué depuis la position de départ</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="160"/>
        <source>&apos;%1&apos;: move %2 cannot be made from the start of its puzzle</source>
        <translation>&apos;%1&apos; : le coup %2 ne peut pas être joué depuis le départ de son casse-tête</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="185"/>
        <source>cannot save: the line from the start would have %1 moves, and a moves file holds at most 200</source>
        <translation>enregistrement impossible : la suite depuis le départ aurait %1 coups, et un fichier de coups en contient au plus 200</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="199"/>
        <source>cannot write the report</source>
        <translation>impossible d&apos;écrire le rapport</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="28"/>
        <source>unexpected argument &apos;%1&apos; (see --help)</source>
        <translation>argument inattendu &apos;%1&apos; (voir --help)</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="32"/>
        <source>%1 is given twice</source>
        <translation>%1 est donné deux fois</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="41"/>
        <source>unknown option &apos;%1&apos; (see --help)</source>
        <translation>option inconnue &apos;%1&apos; (voir --help)</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="46"/>
        <source>%1 takes no value</source>
        <translation>%1 n&apos;accepte pas de valeur</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="63"/>
        <location filename="../src/cli/options.cpp" line="67"/>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="74"/>
        <source>--max-move must be a whole number from 100 to 200, not &apos;%1&apos;</source>
        <translation>--max-move doit être un nombre entier de 100 à 200, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="82"/>
        <source>--slice must be a whole number from 1 to 2147483647, not &apos;%1&apos;</source>
        <translation>--slice doit être un nombre entier de 1 à 2147483647, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="91"/>
        <source>--save needs a file name, not a directory: &apos;%1&apos;</source>
        <translation>--save demande un nom de fichier, pas un dossier : &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="107"/>
        <source>--puzzles goes with --json alone</source>
        <translation>--puzzles ne va qu&apos;avec --json</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="109"/>
        <source>--puzzle and --start do not go together</source>
        <translation>--puzzle et --start ne vont pas ensemble</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="111"/>
        <source>--from carries its own puzzle: not with --puzzle or --start</source>
        <translation>--from apporte son propre casse-tête : pas avec --puzzle ni --start</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="113"/>
        <source>--max-move does not go with --optimal</source>
        <translation>--max-move ne va pas avec --optimal</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="115"/>
        <source>--slice does not go with --optimal</source>
        <translation>--slice ne va pas avec --optimal</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="117"/>
        <source>--from only goes with --optimal</source>
        <translation>--from ne va qu&apos;avec --optimal</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="124"/>
        <source>Usage:
  trulp-solve [--puzzle NAME | --start POSITION] [--max-move N] [--slice N]
              [--save FILE] [--json]
  trulp-solve --optimal [--puzzle NAME | --start POSITION | --from FILE]
              [--save FILE] [--json]
  trulp-solve --puzzles [--json]
  trulp-solve --help | --version

Solves the sliding-block puzzle from a start position: the classic one,
or another from the collection or given block by block.

  --max-move N  move limit of the depth-first search, 100 to 200 (default 150)
  --slice N     moves recorded per search step, at least 1 (default 10000);
                the result does not depend on it
  --optimal     shortest line by breadth-first search over all positions
  --puzzle NAME the start of that puzzle of the collection (see --puzzles)
  --start POSITION
                each block&apos;s letter and the field (0-19, row by row) of its
                top-left square, in the order A X B C D E F G H I, as one
                argument: &quot;A0 X1 B3 C8 D9 E11 F13 G14 H16 I19&quot; is the classic
  --from FILE   with --optimal: start after the moves of this moves file,
                from the start of its own puzzle
  --save FILE   write the line as a moves file named &quot;TRULP_ &quot; + FILE&apos;s name
                in FILE&apos;s directory; with --from, the file&apos;s moves come first;
                a puzzle other than the classic is kept in the file
  --puzzles     list the collection: name, shortest line and start
  --json        print one JSON object instead of the report
  --help        show this help
  --version     show the version

Exit status: 0 solved, 1 no solution, 2 bad usage or bad input.
</source>
        <extracomment>The help of trulp-solve: translate the explanations, keep the options and their values.</extracomment>
        <translation>Utilisation :
  trulp-solve [--puzzle NAME | --start POSITION] [--max-move N] [--slice N]
              [--save FILE] [--json]
  trulp-solve --optimal [--puzzle NAME | --start POSITION | --from FILE]
              [--save FILE] [--json]
  trulp-solve --puzzles [--json]
  trulp-solve --help | --version

Résout le casse-tête de blocs coulissants depuis une position de départ : le
classique, un autre de la collection ou un départ donné bloc par bloc.

  --max-move N  limite de coups de la recherche en profondeur, de 100 à 200
                (150 par défaut)
  --slice N     coups enregistrés par étape de recherche, au moins 1
                (10000 par défaut) ; le résultat n&apos;en dépend pas
  --optimal     suite la plus courte, par recherche en largeur sur toutes
                les positions
  --puzzle NAME le départ de ce casse-tête de la collection (voir --puzzles)
  --start POSITION
                la lettre de chaque bloc et la case (0-19, ligne par ligne) de
                son carré en haut à gauche, dans l&apos;ordre A X B C D E F G H I,
                en un seul argument : &quot;A0 X1 B3 C8 D9 E11 F13 G14 H16 I19&quot;
                est le classique
  --from FILE   avec --optimal : partir après les coups de ce fichier de
                coups, depuis le départ de son propre casse-tête
  --save FILE   écrire la suite dans un fichier de coups nommé &quot;TRULP_ &quot; + le
                nom de FILE, dans le dossier de FILE ; avec --from, les coups
                du fichier viennent d&apos;abord ; un casse-tête autre que le
                classique est conservé dans le fichier
  --puzzles     lister la collection : nom, suite la plus courte et départ
  --json        afficher un seul objet JSON au lieu du rapport
  --help        afficher cette aide
  --version     afficher la version

Code de sortie : 0 résolu, 1 pas de solution, 2 usage ou entrée incorrects.
</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="42"/>
        <source>the start position</source>
        <translation>la position de départ</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="44"/>
        <source>the start of puzzle &apos;%1&apos;</source>
        <translation>le départ du casse-tête &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="45"/>
        <source>the start %1</source>
        <translation>le départ %1</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="79"/>
        <source>depth-first search from %1, move limit %2</source>
        <translation>recherche en profondeur depuis %1, limite de coups %2</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="81"/>
        <source>shortest line from %1</source>
        <translation>suite la plus courte depuis %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/report.cpp" line="84"/>
        <source>shortest line from the position after the %n moves of &apos;%1&apos;</source>
        <translation>
            <numerusform>suite la plus courte depuis la position après le %n coup de &apos;%1&apos;</numerusform>
            <numerusform>suite la plus courte depuis la position après les %n coups de &apos;%1&apos;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/report.cpp" line="87"/>
        <source>shortest line from the position after the %n moves of &apos;%1&apos; from %2</source>
        <translation>
            <numerusform>suite la plus courte depuis la position après le %n coup de &apos;%1&apos; depuis %2</numerusform>
            <numerusform>suite la plus courte depuis la position après les %n coups de &apos;%1&apos; depuis %2</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="92"/>
        <source>result</source>
        <translation>résultat</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="93"/>
        <source>solved</source>
        <translation>résolu</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="93"/>
        <source>no solution</source>
        <translation>pas de solution</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="94"/>
        <source>number of moves</source>
        <translation>nombre de coups</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="96"/>
        <source>positions reachable</source>
        <translation>positions accessibles</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="98"/>
        <source>trial moves</source>
        <translation>coups d&apos;essai</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="99"/>
        <source>forward history buffer length</source>
        <translation>taille du tampon « avant »</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="100"/>
        <source>forward buffer hits</source>
        <translation>rejets par le tampon « avant »</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="101"/>
        <source>backward buffer hits</source>
        <translation>rejets par le tampon « arrière »</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="106"/>
        <source>time</source>
        <extracomment>Seconds, as &quot;0.123 s&quot;.</extracomment>
        <translation>durée</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="106"/>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="121"/>
        <source>saved as: %1</source>
        <translation>enregistré sous : %1</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="123"/>
        <source>nothing saved: no line was found</source>
        <translation>rien enregistré : aucune suite trouvée</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <location filename="../src/words/words.cpp" line="21"/>
        <source>right</source>
        <extracomment>A direction in a hint and in the moves list read aloud: &quot;hint: H right&quot;.</extracomment>
        <translation>à droite</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="23"/>
        <source>up</source>
        <translation>en haut</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="25"/>
        <source>left</source>
        <translation>à gauche</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="27"/>
        <source>down</source>
        <translation>en bas</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="96"/>
        <source>STOP</source>
        <extracomment>GO&apos;s caption during a run: stops it. At most 6 letters.</extracomment>
        <translation>STOP</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="99"/>
        <source>STEP</source>
        <extracomment>GO&apos;s caption in step mode: one move per press. At most 6 letters.</extracomment>
        <translation>ÉTAPE</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="102"/>
        <source>GO</source>
        <extracomment>The button that starts a search or a replay. At most 6 letters.</extracomment>
        <translation>LANCER</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="113"/>
        <source>welcome at the TRULP puzzle. Select &quot;play&quot; or &quot;search&quot;...</source>
        <translation>bienvenue dans le casse-tête TRULP. Choisissez « jouer » ou « chercher »...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="115"/>
        <source>search for solution...</source>
        <translation>cherchez la solution...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="117"/>
        <source>show moves</source>
        <translation>affichage des coups</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="119"/>
        <source>click GO to start search</source>
        <translation>cliquez sur LANCER pour démarrer la recherche</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="121"/>
        <source>find solutions...</source>
        <translation>trouvez des solutions...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="123"/>
        <source>find solution...</source>
        <translation>trouvez la solution...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="125"/>
        <source>list is full</source>
        <translation>la liste est pleine</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="127"/>
        <source>moves list is full</source>
        <translation>la liste des coups est pleine</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="129"/>
        <source>SOLUTION FOUND ...congratulations !</source>
        <translation>SOLUTION TROUVÉE ...félicitations !</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="131"/>
        <source>solution reached</source>
        <translation>solution atteinte</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="134"/>
        <source>move %1</source>
        <extracomment>Replay and take-back: the number of the move shown.</extracomment>
        <translation>coup %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="136"/>
        <source>end of list</source>
        <translation>fin de la liste</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="139"/>
        <source>hint: %1 %2 (%n to go)</source>
        <extracomment>%1 a block&apos;s letter, %2 a direction, %n the moves to the goal.</extracomment>
        <translation>
            <numerusform>indice : %1 %2 (encore %n)</numerusform>
            <numerusform>indice : %1 %2 (encore %n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="141"/>
        <source>%n to go</source>
        <translation>
            <numerusform>encore %n</numerusform>
            <numerusform>encore %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="143"/>
        <source>solving... %n to go</source>
        <translation>
            <numerusform>résolution... encore %n</numerusform>
            <numerusform>résolution... encore %n</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="145"/>
        <source>pause</source>
        <translation>pause</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="148"/>
        <source>pause: GO goes on</source>
        <extracomment>The coach&apos;s solve was stopped; GO, Space or Return let it go on.</extracomment>
        <translation>pause : LANCER pour reprendre</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="151"/>
        <source>computer searching...move: %1</source>
        <extracomment>%1 the trial moves of the search so far.</extracomment>
        <translation>l&apos;ordinateur cherche... coup : %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="153"/>
        <source>puzzle solved.  (see statistics)</source>
        <translation>casse-tête résolu. (voir les statistiques)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="155"/>
        <source>no solution found</source>
        <translation>aucune solution trouvée</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="158"/>
        <source>puzzle saved as: %1</source>
        <extracomment>%1 the name the moves file was saved as.</extracomment>
        <translation>casse-tête enregistré sous : %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="161"/>
        <source>puzzle %1 opened</source>
        <extracomment>%1 the name stored in the moves file.</extracomment>
        <translation>casse-tête %1 ouvert</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="163"/>
        <source>read error</source>
        <translation>erreur de lecture</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="165"/>
        <source>wrong file</source>
        <translation>fichier incorrect</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="168"/>
        <source>puzzle send to printer</source>
        <translation>casse-tête envoyé à l&apos;imprimante</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="170"/>
        <source>page written to %1</source>
        <extracomment>%1 the PDF file the page was written to.</extracomment>
        <translation>page écrite dans %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="173"/>
        <source>puzzle %1: shortest solution %n moves</source>
        <extracomment>%1 the puzzle&apos;s name, %n the moves of its shortest solution.</extracomment>
        <translation>
            <numerusform>casse-tête %1 : solution la plus courte en %n coup</numerusform>
            <numerusform>casse-tête %1 : solution la plus courte en %n coups</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="175"/>
        <source>drag the blocks where you want them</source>
        <translation>faites glisser les blocs où vous voulez</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="177"/>
        <source>no way to the goal</source>
        <translation>aucun chemin vers le but</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="179"/>
        <source>block X is on the goal already</source>
        <translation>le bloc X est déjà sur le but</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="181"/>
        <source>no room there</source>
        <translation>pas de place ici</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="184"/>
        <source>new record: %n moves (shortest %1)</source>
        <extracomment>%n the moves of the new record, %1 the shortest solution&apos;s.</extracomment>
        <translation>
            <numerusform>nouveau record : %n coup (minimum %1)</numerusform>
            <numerusform>nouveau record : %n coups (minimum %1)</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="186"/>
        <source>block %1 does not have its own shape</source>
        <translation>le bloc %1 n&apos;a pas sa propre forme</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="188"/>
        <source>block %1 on field %2 does not fit on the board</source>
        <translation>le bloc %1 sur la case %2 ne tient pas sur le plateau</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="190"/>
        <source>blocks %1 on field %2 and %3 on field %4 overlap</source>
        <translation>les blocs %1 sur la case %2 et %3 sur la case %4 se chevauchent</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="196"/>
        <source>a start names ten blocks in the order A X B C D E F G H I, each with its field, not %n tokens</source>
        <translation>
            <numerusform>une position de départ nomme dix blocs dans l&apos;ordre A X B C D E F G H I, chacun avec sa case, et non %n élément</numerusform>
            <numerusform>une position de départ nomme dix blocs dans l&apos;ordre A X B C D E F G H I, chacun avec sa case, et non %n éléments</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="200"/>
        <source>block %1 of the start must be %2 (order A X B C D E F G H I), not &apos;%3&apos;</source>
        <translation>le bloc n° %1 de la position de départ doit être %2 (ordre A X B C D E F G H I), et non « %3 »</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="205"/>
        <source>moves cleared: Ctrl+Z brings them back</source>
        <extracomment>Beside the message, when a reset, a mode, a puzzle or a file threw the moves list away.</extracomment>
        <translation>coups effacés : Ctrl+Z les rétablit</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="208"/>
        <source>next: %1 (Ctrl+N)</source>
        <extracomment>After the goal, beside the message: the next puzzle without a record.</extracomment>
        <translation>suivant : %1 (Ctrl+N)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="210"/>
        <source>&apos;%1&apos;: the field must be a number from 0 to 19</source>
        <translation>« %1 » : la case doit être un nombre de 0 à 19</translation>
    </message>
</context>
<context>
    <name>trulp::BoardView</name>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="28"/>
        <source>column %1</source>
        <translation>colonne %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="29"/>
        <source>columns %1 to %2</source>
        <translation>colonnes %1 à %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="32"/>
        <source>row %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="33"/>
        <source>rows %1 to %2</source>
        <translation>lignes %1 à %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="39"/>
        <source>board</source>
        <translation>plateau</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="128"/>
        <source>%1: %2, %3</source>
        <extracomment>A block and where it stands, read aloud: &quot;A: column 1, rows 1 to 2&quot;.</extracomment>
        <translation>%1 : %2, %3</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="132"/>
        <source>; </source>
        <translation> ; </translation>
    </message>
</context>
<context>
    <name>trulp::GameChart</name>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="82"/>
        <source>%n moves, %1 to go, shortest possible %2, your best %3</source>
        <extracomment>%n moves made, %1 to go, %2 the shortest solution, %3 the player&apos;s record.</extracomment>
        <translation>
            <numerusform>%n coup, encore %1, minimum possible %2, votre record %3</numerusform>
            <numerusform>%n coups, encore %1, minimum possible %2, votre record %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="87"/>
        <source>%n moves, %1 to go, shortest possible %2</source>
        <translation>
            <numerusform>%n coup, encore %1, minimum possible %2</numerusform>
            <numerusform>%n coups, encore %1, minimum possible %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="91"/>
        <source>%n moves, shortest possible %1, your best %2</source>
        <translation>
            <numerusform>%n coup, minimum possible %1, votre record %2</numerusform>
            <numerusform>%n coups, minimum possible %1, votre record %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="94"/>
        <source>%n moves, shortest possible %1</source>
        <translation>
            <numerusform>%n coup, minimum possible %1</numerusform>
            <numerusform>%n coups, minimum possible %1</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="133"/>
        <source>moves</source>
        <extracomment>The chart&apos;s axes: the moves made, and the moves still to go after each.</extracomment>
        <translation>coups</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="133"/>
        <source>moves to go</source>
        <translation>coups restants</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="161"/>
        <source>your moves</source>
        <translation>vos coups</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="162"/>
        <source>away from goal</source>
        <translation>s&apos;éloignant du but</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="163"/>
        <source>hint or solve</source>
        <translation>indice ou résoudre</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="164"/>
        <source>shortest pace</source>
        <translation>rythme idéal</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="165"/>
        <source>board now</source>
        <translation>position actuelle</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="201"/>
        <source>TRULP game chart</source>
        <translation>TRULP – graphique de la partie</translation>
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
    <name>trulp::PuzzlesDialog</name>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="45"/>
        <source>%1
shortest %2</source>
        <translation>%1
minimum %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="48"/>
        <source>%1
your best %2 · shortest %3</source>
        <extracomment>%1 the puzzle, %2 the player&apos;s record, %3 the shortest solution.</extracomment>
        <translation>%1
votre record %2 · minimum %3</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="62"/>
        <source>TRULP puzzles</source>
        <translation>TRULP – casse-têtes</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="68"/>
        <source>puzzles</source>
        <translation>casse-têtes</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="82"/>
        <source>play</source>
        <translation>jouer</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="88"/>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="106"/>
        <source>new puzzle</source>
        <translation>nouveau casse-tête</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="93"/>
        <source>difficulty</source>
        <translation>difficulté</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="95"/>
        <source>moves to the goal</source>
        <translation>coups jusqu&apos;au but</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="102"/>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="112"/>
        <source>seed</source>
        <translation>graine</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="116"/>
        <source>set up your own</source>
        <translation>créer le vôtre</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="122"/>
        <source>close</source>
        <translation>fermer</translation>
    </message>
</context>
<context>
    <name>trulp::TForm1</name>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="184"/>
        <source>TRULP puzzel</source>
        <extracomment>The main window&apos;s title.</extracomment>
        <translation>TRULP – casse-tête</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="198"/>
        <source>TRULP moves (TRULP_* TRULP+*)</source>
        <translation>Coups TRULP (TRULP_* TRULP+*)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="198"/>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="205"/>
        <source>TRULP: save moves</source>
        <translation>TRULP – enregistrer les coups</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="206"/>
        <source>TRULP: open moves file</source>
        <translation>TRULP – ouvrir un fichier de coups</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="215"/>
        <source>Print to PDF file</source>
        <translation>Imprimer dans un fichier PDF</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="215"/>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="304"/>
        <location filename="../src/mainwindow/form1.cpp" line="516"/>
        <source>help</source>
        <translation>aide</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="306"/>
        <source>moves</source>
        <translation>coups</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="312"/>
        <source>shift until</source>
        <translation>poussez le</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="313"/>
        <source>block X</source>
        <translation>bloc X</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="314"/>
        <source>is here</source>
        <translation>ici</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="316"/>
        <source>max.move</source>
        <extracomment>The move limit of the search, above its number. Short: about 9 letters.</extracomment>
        <translation>coups max</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="323"/>
        <source>raise the move limit</source>
        <translation>augmenter la limite de coups</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="324"/>
        <source>lower the move limit</source>
        <translation>baisser la limite de coups</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="334"/>
        <source>step</source>
        <extracomment>The check box for one move at a time. Short: about 6 letters.</extracomment>
        <translation>étape</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="342"/>
        <location filename="../src/mainwindow/form1.cpp" line="529"/>
        <source>play</source>
        <translation>jouer</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="343"/>
        <source>find solutions yourself</source>
        <translation>trouver soi-même des solutions</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="345"/>
        <location filename="../src/mainwindow/form1.cpp" line="530"/>
        <source>replay</source>
        <translation>revoir</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="346"/>
        <source>replay moves</source>
        <translation>revoir les coups</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="348"/>
        <location filename="../src/mainwindow/form1.cpp" line="531"/>
        <source>search</source>
        <translation>chercher</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="349"/>
        <source>let computer search for solutions</source>
        <translation>laisser l&apos;ordinateur chercher des solutions</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="365"/>
        <location filename="../src/mainwindow/form1.cpp" line="532"/>
        <source>reset</source>
        <translation>réinit.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="368"/>
        <source>back</source>
        <translation>retour</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="369"/>
        <source>take the last move back (Backspace)</source>
        <translation>annuler le dernier coup (Retour arrière)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="374"/>
        <location filename="../src/mainwindow/form1.cpp" line="542"/>
        <source>statistics</source>
        <translation>statistiques</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="378"/>
        <source>to go</source>
        <translation>reste</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="380"/>
        <source>moves to go</source>
        <translation>coups restants</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="382"/>
        <location filename="../src/mainwindow/form1.cpp" line="534"/>
        <source>hint</source>
        <translation>indice</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="383"/>
        <source>show the best next move</source>
        <translation>montrer le meilleur coup suivant</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="386"/>
        <location filename="../src/mainwindow/form1.cpp" line="538"/>
        <source>solve</source>
        <translation>résoudre</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="387"/>
        <source>play the shortest way to the goal</source>
        <translation>jouer le chemin le plus court vers le but</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="393"/>
        <location filename="../src/mainwindow/form1.cpp" line="395"/>
        <source>puzzle</source>
        <translation>casse-tête</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="399"/>
        <source>play it</source>
        <translation>y jouer</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="400"/>
        <source>play the position set up</source>
        <translation>jouer la position préparée</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="401"/>
        <source>cancel</source>
        <translation>annuler</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="517"/>
        <source>undo</source>
        <translation>défaire</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="523"/>
        <source>redo</source>
        <translation>rétablir</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="546"/>
        <source>next puzzle without a record</source>
        <translation>casse-tête suivant sans record</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="552"/>
        <source>full screen</source>
        <translation>plein écran</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="554"/>
        <source>quit</source>
        <translation>quitter</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="565"/>
        <source>%1 (%2)</source>
        <extracomment>A tool tip with its key: &quot;save moves (Ctrl+S)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="909"/>
        <source>The print job could not be started on %1.</source>
        <translation>L&apos;impression n&apos;a pas pu démarrer sur %1.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="932"/>
        <source>Printer setup</source>
        <translation>Configuration de l&apos;imprimante</translation>
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
    <name>trulp::Thelpform</name>
    <message>
        <location filename="../src/help/helpform.cpp" line="49"/>
        <source>TRULP help</source>
        <translation>TRULP – aide</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="72"/>
        <source>page</source>
        <translation>page</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="73"/>
        <source>UP</source>
        <translation>HAUT</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="74"/>
        <source>DOWN</source>
        <translation>BAS</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="75"/>
        <source>&lt;ECS&gt; close page</source>
        <translation>&lt;Échap&gt; fermer</translation>
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
        <translation>configuration de l&apos;imprimante</translation>
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
