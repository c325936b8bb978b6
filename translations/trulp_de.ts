<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>PrintPage</name>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="34"/>
        <source>TRULP puzzle</source>
        <translation>TRULP-Puzzle</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="35"/>
        <source>start position</source>
        <translation>Ausgangsstellung</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="36"/>
        <source>final position</source>
        <translation>Endstellung</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="37"/>
        <source>moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="99"/>
        <source>TRULP puzzle: %1</source>
        <extracomment>The printed page&apos;s title for a puzzle other than the classic.</extracomment>
        <translation>TRULP-Puzzle: %1</translation>
    </message>
</context>
<context>
    <name>Puzzles</name>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="32"/>
        <location filename="../src/words/words.cpp" line="69"/>
        <source>moves</source>
        <translation>Zugzahl</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="46"/>
        <source>classic</source>
        <translation>klassisch</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="46"/>
        <source>nearly</source>
        <translation>beinahe</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="47"/>
        <source>corners</source>
        <translation>Ecken</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="47"/>
        <source>lid</source>
        <translation>Deckel</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="48"/>
        <source>sidestep</source>
        <translation>Ausweichen</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="48"/>
        <source>drift</source>
        <translation>Abdrift</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="49"/>
        <source>nudge</source>
        <translation>Schubs</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="49"/>
        <source>fence</source>
        <translation>Zaun</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="50"/>
        <source>pillars</source>
        <translation>Säulen</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="50"/>
        <source>stakes</source>
        <translation>Pfähle</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="51"/>
        <source>arch</source>
        <translation>Bogen</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="51"/>
        <source>cradle</source>
        <translation>Wiege</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="52"/>
        <source>throne</source>
        <translation>Thron</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="52"/>
        <source>tower</source>
        <translation>Turm</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="53"/>
        <source>palisade</source>
        <translation>Palisade</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="53"/>
        <source>keep</source>
        <translation>Bergfried</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="54"/>
        <source>detour</source>
        <translation>Umweg</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="54"/>
        <source>crooked</source>
        <translation>krumm</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="55"/>
        <source>leaning</source>
        <translation>schief</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="55"/>
        <source>tangle</source>
        <translation>Gewirr</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="56"/>
        <source>attic</source>
        <translation>Dachboden</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="56"/>
        <source>lopsided</source>
        <translation>Schlagseite</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="57"/>
        <source>colonnade</source>
        <translation>Säulengang</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="57"/>
        <source>sentries</source>
        <translation>Posten</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="58"/>
        <source>guards</source>
        <translation>Wachen</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="58"/>
        <source>ladder</source>
        <translation>Leiter</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="59"/>
        <source>shelf</source>
        <translation>Regal</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="59"/>
        <source>gate</source>
        <translation>Tor</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="60"/>
        <source>lantern</source>
        <translation>Laterne</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="60"/>
        <source>fallen</source>
        <translation>gefallen</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="61"/>
        <source>crown</source>
        <translation>Krone</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="61"/>
        <source>hourglass</source>
        <translation>Sanduhr</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="62"/>
        <source>fortress</source>
        <translation>Festung</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="62"/>
        <source>citadel</source>
        <translation>Zitadelle</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="63"/>
        <source>twin</source>
        <translation>Zwilling</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="63"/>
        <source>soldiers</source>
        <translation>Soldaten</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="64"/>
        <source>barracks</source>
        <translation>Kaserne</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="64"/>
        <source>garrison</source>
        <translation>Garnison</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="65"/>
        <source>labyrinth</source>
        <translation>Labyrinth</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="65"/>
        <source>summit</source>
        <translation>Gipfel</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="66"/>
        <source>nadir</source>
        <translation>Nadir</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="66"/>
        <source>zenith</source>
        <translation>Zenit</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="67"/>
        <source>your own</source>
        <translation>eigenes</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="67"/>
        <source>easy</source>
        <translation>leicht</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="68"/>
        <source>medium</source>
        <translation>mittel</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="68"/>
        <source>hard</source>
        <translation>schwer</translation>
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
        <translation>Anzahl Züge</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="22"/>
        <source>time (secs.)</source>
        <translation>Zeit (Sek.)</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="23"/>
        <source>trial moves</source>
        <translation>Probezüge</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="24"/>
        <source>Forward history buffer length</source>
        <translation>Länge des Vorwärtspuffers</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="25"/>
        <source>Backward buffer hits</source>
        <translation>Treffer im Rückwärtspuffer</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="26"/>
        <source>Forward buffer hits</source>
        <translation>Treffer im Vorwärtspuffer</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="36"/>
        <source>TRULP statistics</source>
        <translation>TRULP-Statistik</translation>
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
        <translation>&apos;%1&apos; ist keine Zugdatei: %2 Bytes statt 250</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="49"/>
        <source>&apos;%1&apos; is not a moves file: the start it holds cannot be played</source>
        <translation>&apos;%1&apos; ist keine Zugdatei: die darin gespeicherte Ausgangsstellung ist nicht spielbar</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="50"/>
        <source>&apos;%1&apos; is not a moves file: its name does not begin with TRULP_ or TRULP+</source>
        <translation>&apos;%1&apos; ist keine Zugdatei: ihr Name beginnt nicht mit TRULP_ oder TRULP+</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="56"/>
        <source>&apos;%1&apos; is not a valid moves file: bad name length, move count or move</source>
        <translation>&apos;%1&apos; ist keine gültige Zugdatei: falsche Namenslänge, Zuganzahl oder falscher Zug</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="93"/>
        <source>no puzzle is named &apos;%1&apos; (see --puzzles)</source>
        <translation>es gibt kein Puzzle namens &apos;%1&apos; (siehe --puzzles)</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="98"/>
        <source>--start &apos;%1&apos;: %2</source>
        <translation>--start &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="135"/>
        <source>cannot write the list</source>
        <translation>die Liste kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="159"/>
        <source>&apos;%1&apos;: move %2 cannot be made from the start position</source>
        <translation>&apos;%1&apos;: Zug %2 ist von der Ausgangsstellung aus nicht möglich</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="160"/>
        <source>&apos;%1&apos;: move %2 cannot be made from the start of its puzzle</source>
        <translation>&apos;%1&apos;: Zug %2 ist vom Start seines Puzzles aus nicht möglich</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="185"/>
        <source>cannot save: the line from the start would have %1 moves, and a moves file holds at most 200</source>
        <translation>Speichern nicht möglich: der Weg ab dem Start hätte %1 Züge, eine Zugdatei fasst höchstens 200</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="199"/>
        <source>cannot write the report</source>
        <translation>der Bericht kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="28"/>
        <source>unexpected argument &apos;%1&apos; (see --help)</source>
        <translation>unerwartetes Argument &apos;%1&apos; (siehe --help)</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="32"/>
        <source>%1 is given twice</source>
        <translation>%1 ist doppelt angegeben</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="41"/>
        <source>unknown option &apos;%1&apos; (see --help)</source>
        <translation>unbekannte Option &apos;%1&apos; (siehe --help)</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="46"/>
        <source>%1 takes no value</source>
        <translation>%1 nimmt keinen Wert</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="63"/>
        <location filename="../src/cli/options.cpp" line="67"/>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="74"/>
        <source>--max-move must be a whole number from 100 to 200, not &apos;%1&apos;</source>
        <translation>--max-move muss eine ganze Zahl von 100 bis 200 sein, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="82"/>
        <source>--slice must be a whole number from 1 to 2147483647, not &apos;%1&apos;</source>
        <translation>--slice muss eine ganze Zahl von 1 bis 2147483647 sein, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="91"/>
        <source>--save needs a file name, not a directory: &apos;%1&apos;</source>
        <translation>--save braucht einen Dateinamen, kein Verzeichnis: &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="107"/>
        <source>--puzzles goes with --json alone</source>
        <translation>--puzzles geht nur zusammen mit --json</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="109"/>
        <source>--puzzle and --start do not go together</source>
        <translation>--puzzle und --start gehen nicht zusammen</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="111"/>
        <source>--from carries its own puzzle: not with --puzzle or --start</source>
        <translation>--from bringt sein eigenes Puzzle mit: nicht mit --puzzle oder --start</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="113"/>
        <source>--max-move does not go with --optimal</source>
        <translation>--max-move geht nicht mit --optimal</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="115"/>
        <source>--slice does not go with --optimal</source>
        <translation>--slice geht nicht mit --optimal</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="117"/>
        <source>--from only goes with --optimal</source>
        <translation>--from geht nur mit --optimal</translation>
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
        <translation>Aufruf:
  trulp-solve [--puzzle NAME | --start POSITION] [--max-move N] [--slice N]
              [--save FILE] [--json]
  trulp-solve --optimal [--puzzle NAME | --start POSITION | --from FILE]
              [--save FILE] [--json]
  trulp-solve --puzzles [--json]
  trulp-solve --help | --version

Löst das Schiebepuzzle ab einer Ausgangsstellung: der klassischen oder
einer anderen aus der Sammlung oder Block für Block angegebenen.

  --max-move N  Zuglimit der Tiefensuche, 100 bis 200 (Vorgabe 150)
  --slice N     pro Suchschritt erfasste Züge, mindestens 1 (Vorgabe 10000);
                das Ergebnis hängt nicht davon ab
  --optimal     kürzester Weg per Breitensuche über alle Stellungen
  --puzzle NAME der Start dieses Puzzles der Sammlung (siehe --puzzles)
  --start POSITION
                Buchstabe jedes Blocks und das Feld (0-19, zeilenweise) seines
                linken oberen Quadrats, in der Reihenfolge A X B C D E F G H I,
                als ein Argument: &quot;A0 X1 B3 C8 D9 E11 F13 G14 H16 I19&quot; ist
                das klassische
  --from FILE   mit --optimal: Start nach den Zügen dieser Zugdatei, ab dem
                Start ihres eigenen Puzzles
  --save FILE   schreibt den Weg als Zugdatei namens &quot;TRULP_ &quot; + Name von FILE
                in das Verzeichnis von FILE; mit --from kommen die Züge der
                Datei zuerst; ein anderes Puzzle als das klassische wird in
                der Datei festgehalten
  --puzzles     listet die Sammlung: Name, kürzester Weg und Start
  --json        gibt ein JSON-Objekt statt des Berichts aus
  --help        zeigt diese Hilfe
  --version     zeigt die Version

Exit-Status: 0 gelöst, 1 keine Lösung, 2 falscher Aufruf oder falsche Eingabe.
</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="42"/>
        <source>the start position</source>
        <translation>der Ausgangsstellung</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="44"/>
        <source>the start of puzzle &apos;%1&apos;</source>
        <translation>dem Start des Puzzles &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="45"/>
        <source>the start %1</source>
        <translation>der Ausgangsstellung %1</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="79"/>
        <source>depth-first search from %1, move limit %2</source>
        <translation>Tiefensuche ab %1, Zuglimit %2</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="81"/>
        <source>shortest line from %1</source>
        <translation>kürzester Weg ab %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/report.cpp" line="84"/>
        <source>shortest line from the position after the %n moves of &apos;%1&apos;</source>
        <translation>
            <numerusform>kürzester Weg ab der Stellung nach %n Zug aus &apos;%1&apos;</numerusform>
            <numerusform>kürzester Weg ab der Stellung nach den %n Zügen aus &apos;%1&apos;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/report.cpp" line="87"/>
        <source>shortest line from the position after the %n moves of &apos;%1&apos; from %2</source>
        <translation>
            <numerusform>kürzester Weg ab der Stellung nach %n Zug aus &apos;%1&apos;, gespielt ab %2</numerusform>
            <numerusform>kürzester Weg ab der Stellung nach den %n Zügen aus &apos;%1&apos;, gespielt ab %2</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="92"/>
        <source>result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="93"/>
        <source>solved</source>
        <translation>gelöst</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="93"/>
        <source>no solution</source>
        <translation>keine Lösung</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="94"/>
        <source>number of moves</source>
        <translation>Anzahl Züge</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="96"/>
        <source>positions reachable</source>
        <translation>erreichbare Stellungen</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="98"/>
        <source>trial moves</source>
        <translation>Probezüge</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="99"/>
        <source>forward history buffer length</source>
        <translation>Länge des Vorwärtspuffers</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="100"/>
        <source>forward buffer hits</source>
        <translation>Treffer im Vorwärtspuffer</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="101"/>
        <source>backward buffer hits</source>
        <translation>Treffer im Rückwärtspuffer</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="106"/>
        <source>time</source>
        <extracomment>Seconds, as &quot;0.123 s&quot;.</extracomment>
        <translation>Zeit</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="106"/>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="121"/>
        <source>saved as: %1</source>
        <translation>gespeichert als: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="123"/>
        <source>nothing saved: no line was found</source>
        <translation>nichts gespeichert: kein Weg gefunden</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <location filename="../src/words/words.cpp" line="21"/>
        <source>right</source>
        <extracomment>A direction in a hint and in the moves list read aloud: &quot;hint: H right&quot;.</extracomment>
        <translation>nach rechts</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="23"/>
        <source>up</source>
        <translation>nach oben</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="25"/>
        <source>left</source>
        <translation>nach links</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="27"/>
        <source>down</source>
        <translation>nach unten</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="96"/>
        <source>STOP</source>
        <extracomment>GO&apos;s caption during a run: stops it. At most 6 letters.</extracomment>
        <translation>STOPP</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="99"/>
        <source>STEP</source>
        <extracomment>GO&apos;s caption in step mode: one move per press. At most 6 letters.</extracomment>
        <translation>ZUG</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="102"/>
        <source>GO</source>
        <extracomment>The button that starts a search or a replay. At most 6 letters.</extracomment>
        <translation>LOS</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="113"/>
        <source>welcome at the TRULP puzzle. Select &quot;play&quot; or &quot;search&quot;...</source>
        <translation>Willkommen beim TRULP-Puzzle. Wähle „spielen“ oder „suchen“ ...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="115"/>
        <source>search for solution...</source>
        <translation>Suche die Lösung ...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="117"/>
        <source>show moves</source>
        <translation>Züge zeigen</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="119"/>
        <source>click GO to start search</source>
        <translation>Klicke auf LOS, um die Suche zu starten</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="121"/>
        <source>find solutions...</source>
        <translation>Finde Lösungen ...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="123"/>
        <source>find solution...</source>
        <translation>Finde die Lösung ...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="125"/>
        <source>list is full</source>
        <translation>Liste ist voll</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="127"/>
        <source>moves list is full</source>
        <translation>Zugliste ist voll</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="129"/>
        <source>SOLUTION FOUND ...congratulations !</source>
        <translation>LÖSUNG GEFUNDEN ... Glückwunsch!</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="131"/>
        <source>solution reached</source>
        <translation>Lösung erreicht</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="134"/>
        <source>move %1</source>
        <extracomment>Replay and take-back: the number of the move shown.</extracomment>
        <translation>Zug %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="136"/>
        <source>end of list</source>
        <translation>Ende der Liste</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="139"/>
        <source>hint: %1 %2 (%n to go)</source>
        <extracomment>%1 a block&apos;s letter, %2 a direction, %n the moves to the goal.</extracomment>
        <translation>
            <numerusform>Tipp: %1 %2 (noch %n)</numerusform>
            <numerusform>Tipp: %1 %2 (noch %n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="141"/>
        <source>%n to go</source>
        <translation>
            <numerusform>noch %n</numerusform>
            <numerusform>noch %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="143"/>
        <source>solving... %n to go</source>
        <translation>
            <numerusform>löse ... noch %n</numerusform>
            <numerusform>löse ... noch %n</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="145"/>
        <source>pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="148"/>
        <source>pause: GO goes on</source>
        <extracomment>The coach&apos;s solve was stopped; GO, Space or Return let it go on.</extracomment>
        <translation>Pause: LOS macht weiter</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="151"/>
        <source>computer searching...move: %1</source>
        <extracomment>%1 the trial moves of the search so far.</extracomment>
        <translation>Computer sucht ... Zug: %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="153"/>
        <source>puzzle solved.  (see statistics)</source>
        <translation>Puzzle gelöst. (siehe Statistik)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="155"/>
        <source>no solution found</source>
        <translation>keine Lösung gefunden</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="158"/>
        <source>puzzle saved as: %1</source>
        <extracomment>%1 the name the moves file was saved as.</extracomment>
        <translation>Puzzle gespeichert als: %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="161"/>
        <source>puzzle %1 opened</source>
        <extracomment>%1 the name stored in the moves file.</extracomment>
        <translation>Puzzle %1 geöffnet</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="163"/>
        <source>read error</source>
        <translation>Lesefehler</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="165"/>
        <source>wrong file</source>
        <translation>falsche Datei</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="168"/>
        <source>puzzle send to printer</source>
        <translation>Puzzle an den Drucker gesendet</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="170"/>
        <source>page written to %1</source>
        <extracomment>%1 the PDF file the page was written to.</extracomment>
        <translation>Seite gespeichert in %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="173"/>
        <source>puzzle %1: shortest solution %n moves</source>
        <extracomment>%1 the puzzle&apos;s name, %n the moves of its shortest solution.</extracomment>
        <translation>
            <numerusform>Puzzle %1: kürzeste Lösung %n Zug</numerusform>
            <numerusform>Puzzle %1: kürzeste Lösung %n Züge</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="175"/>
        <source>drag the blocks where you want them</source>
        <translation>Zieh die Blöcke dorthin, wo du sie haben willst</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="177"/>
        <source>no way to the goal</source>
        <translation>kein Weg zum Ziel</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="179"/>
        <source>block X is on the goal already</source>
        <translation>Block X steht schon am Ziel</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="181"/>
        <source>no room there</source>
        <translation>dort ist kein Platz</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="184"/>
        <source>new record: %n moves (shortest %1)</source>
        <extracomment>%n the moves of the new record, %1 the shortest solution&apos;s.</extracomment>
        <translation>
            <numerusform>neuer Rekord: %n Zug (kürzester Weg %1)</numerusform>
            <numerusform>neuer Rekord: %n Züge (kürzester Weg %1)</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="186"/>
        <source>block %1 does not have its own shape</source>
        <translation>Block %1 hat nicht seine eigene Form</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="188"/>
        <source>block %1 on field %2 does not fit on the board</source>
        <translation>Block %1 auf Feld %2 passt nicht aufs Brett</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="190"/>
        <source>blocks %1 on field %2 and %3 on field %4 overlap</source>
        <translation>Die Blöcke %1 auf Feld %2 und %3 auf Feld %4 überlappen sich</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="196"/>
        <source>a start names ten blocks in the order A X B C D E F G H I, each with its field, not %n tokens</source>
        <translation>
            <numerusform>Eine Startstellung nennt zehn Blöcke in der Reihenfolge A X B C D E F G H I, jeden mit seinem Feld, nicht %n Angabe</numerusform>
            <numerusform>Eine Startstellung nennt zehn Blöcke in der Reihenfolge A X B C D E F G H I, jeden mit seinem Feld, nicht %n Angaben</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="200"/>
        <source>block %1 of the start must be %2 (order A X B C D E F G H I), not &apos;%3&apos;</source>
        <translation>Block Nr. %1 der Startstellung muss %2 sein (Reihenfolge A X B C D E F G H I), nicht &apos;%3&apos;</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="205"/>
        <source>moves cleared: Ctrl+Z brings them back</source>
        <extracomment>Beside the message, when a reset, a mode, a puzzle or a file threw the moves list away.</extracomment>
        <translation>Züge gelöscht: Strg+Z holt sie zurück</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="208"/>
        <source>next: %1 (Ctrl+N)</source>
        <extracomment>After the goal, beside the message: the next puzzle without a record.</extracomment>
        <translation>nächstes: %1 (Strg+N)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="210"/>
        <source>&apos;%1&apos;: the field must be a number from 0 to 19</source>
        <translation>&apos;%1&apos;: Das Feld muss eine Zahl von 0 bis 19 sein</translation>
    </message>
</context>
<context>
    <name>trulp::BoardView</name>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="28"/>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="29"/>
        <source>columns %1 to %2</source>
        <translation>Spalten %1 bis %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="32"/>
        <source>row %1</source>
        <translation>Reihe %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="33"/>
        <source>rows %1 to %2</source>
        <translation>Reihen %1 bis %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="39"/>
        <source>board</source>
        <translation>Brett</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="128"/>
        <source>%1: %2, %3</source>
        <extracomment>A block and where it stands, read aloud: &quot;A: column 1, rows 1 to 2&quot;.</extracomment>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="132"/>
        <source>; </source>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>trulp::GameChart</name>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="82"/>
        <source>%n moves, %1 to go, shortest possible %2, your best %3</source>
        <extracomment>%n moves made, %1 to go, %2 the shortest solution, %3 the player&apos;s record.</extracomment>
        <translation>
            <numerusform>%n Zug, noch %1, kürzestmöglich %2, dein Rekord %3</numerusform>
            <numerusform>%n Züge, noch %1, kürzestmöglich %2, dein Rekord %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="87"/>
        <source>%n moves, %1 to go, shortest possible %2</source>
        <translation>
            <numerusform>%n Zug, noch %1, kürzestmöglich %2</numerusform>
            <numerusform>%n Züge, noch %1, kürzestmöglich %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="91"/>
        <source>%n moves, shortest possible %1, your best %2</source>
        <translation>
            <numerusform>%n Zug, kürzestmöglich %1, dein Rekord %2</numerusform>
            <numerusform>%n Züge, kürzestmöglich %1, dein Rekord %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="94"/>
        <source>%n moves, shortest possible %1</source>
        <translation>
            <numerusform>%n Zug, kürzestmöglich %1</numerusform>
            <numerusform>%n Züge, kürzestmöglich %1</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="133"/>
        <source>moves</source>
        <extracomment>The chart&apos;s axes: the moves made, and the moves still to go after each.</extracomment>
        <translation>Züge</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="133"/>
        <source>moves to go</source>
        <translation>Züge bis zum Ziel</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="161"/>
        <source>your moves</source>
        <translation>deine Züge</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="162"/>
        <source>away from goal</source>
        <translation>vom Ziel weg</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="163"/>
        <source>hint or solve</source>
        <translation>Tipp oder lösen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="164"/>
        <source>shortest pace</source>
        <translation>Ideallinie</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="165"/>
        <source>board now</source>
        <translation>Brett jetzt</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="201"/>
        <source>TRULP game chart</source>
        <translation>TRULP-Spielverlauf</translation>
    </message>
</context>
<context>
    <name>trulp::MovesPanel</name>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="51"/>
        <source>moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="64"/>
        <source>move %1 of %2</source>
        <translation>Zug %1 von %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="70"/>
        <source>move %1 of %2: %3 %4</source>
        <extracomment>The last move read aloud: &quot;move 3 of 5: H right&quot;.</extracomment>
        <translation>Zug %1 von %2: %3 %4</translation>
    </message>
</context>
<context>
    <name>trulp::PuzzlesDialog</name>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="45"/>
        <source>%1
shortest %2</source>
        <translation>%1
kürzester Weg %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="48"/>
        <source>%1
your best %2 · shortest %3</source>
        <extracomment>%1 the puzzle, %2 the player&apos;s record, %3 the shortest solution.</extracomment>
        <translation>%1
dein Rekord %2 · kürzester Weg %3</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="62"/>
        <source>TRULP puzzles</source>
        <translation>TRULP-Puzzles</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="68"/>
        <source>puzzles</source>
        <translation>Puzzles</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="82"/>
        <source>play</source>
        <translation>spielen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="88"/>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="106"/>
        <source>new puzzle</source>
        <translation>neues Puzzle</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="93"/>
        <source>difficulty</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="95"/>
        <source>moves to the goal</source>
        <translation>Züge bis zum Ziel</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="102"/>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="112"/>
        <source>seed</source>
        <translation>Startwert</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="116"/>
        <source>set up your own</source>
        <translation>selbst aufstellen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="122"/>
        <source>close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>trulp::TForm1</name>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="184"/>
        <source>TRULP puzzel</source>
        <extracomment>The main window&apos;s title.</extracomment>
        <translation>TRULP-Puzzle</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="198"/>
        <source>TRULP moves (TRULP_* TRULP+*)</source>
        <translation>TRULP-Züge (TRULP_* TRULP+*)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="198"/>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="205"/>
        <source>TRULP: save moves</source>
        <translation>TRULP: Züge speichern</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="206"/>
        <source>TRULP: open moves file</source>
        <translation>TRULP: Zugdatei öffnen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="215"/>
        <source>Print to PDF file</source>
        <translation>In PDF-Datei drucken</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="215"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="304"/>
        <location filename="../src/mainwindow/form1.cpp" line="516"/>
        <source>help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="306"/>
        <source>moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="312"/>
        <source>shift until</source>
        <translation>schieb, bis</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="313"/>
        <source>block X</source>
        <translation>Block X</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="314"/>
        <source>is here</source>
        <translation>hier steht</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="316"/>
        <source>max.move</source>
        <extracomment>The move limit of the search, above its number. Short: about 9 letters.</extracomment>
        <translation>max. Züge</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="323"/>
        <source>raise the move limit</source>
        <translation>Zuggrenze erhöhen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="324"/>
        <source>lower the move limit</source>
        <translation>Zuggrenze senken</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="334"/>
        <source>step</source>
        <extracomment>The check box for one move at a time. Short: about 6 letters.</extracomment>
        <translation>Schritt</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="342"/>
        <location filename="../src/mainwindow/form1.cpp" line="529"/>
        <source>play</source>
        <translation>spielen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="343"/>
        <source>find solutions yourself</source>
        <translation>Lösungen selbst finden</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="345"/>
        <location filename="../src/mainwindow/form1.cpp" line="530"/>
        <source>replay</source>
        <translation>abspielen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="346"/>
        <source>replay moves</source>
        <translation>Züge abspielen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="348"/>
        <location filename="../src/mainwindow/form1.cpp" line="531"/>
        <source>search</source>
        <translation>suchen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="349"/>
        <source>let computer search for solutions</source>
        <translation>den Computer Lösungen suchen lassen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="365"/>
        <location filename="../src/mainwindow/form1.cpp" line="532"/>
        <source>reset</source>
        <translation>von vorn</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="368"/>
        <source>back</source>
        <translation>zurück</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="369"/>
        <source>take the last move back (Backspace)</source>
        <translation>den letzten Zug zurücknehmen (Rücktaste)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="374"/>
        <location filename="../src/mainwindow/form1.cpp" line="542"/>
        <source>statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="378"/>
        <source>to go</source>
        <translation>noch</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="380"/>
        <source>moves to go</source>
        <translation>Züge bis zum Ziel</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="382"/>
        <location filename="../src/mainwindow/form1.cpp" line="534"/>
        <source>hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="383"/>
        <source>show the best next move</source>
        <translation>den besten nächsten Zug zeigen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="386"/>
        <location filename="../src/mainwindow/form1.cpp" line="538"/>
        <source>solve</source>
        <translation>lösen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="387"/>
        <source>play the shortest way to the goal</source>
        <translation>den kürzesten Weg zum Ziel spielen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="393"/>
        <location filename="../src/mainwindow/form1.cpp" line="395"/>
        <source>puzzle</source>
        <translation>Puzzle</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="399"/>
        <source>play it</source>
        <translation>fertig</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="400"/>
        <source>play the position set up</source>
        <translation>die aufgestellte Stellung spielen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="401"/>
        <source>cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="517"/>
        <source>undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="523"/>
        <source>redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="546"/>
        <source>next puzzle without a record</source>
        <translation>Nächstes Puzzle ohne Rekord</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="552"/>
        <source>full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="554"/>
        <source>quit</source>
        <translation>Beenden</translation>
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
        <translation>Der Druckauftrag konnte auf %1 nicht gestartet werden.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="932"/>
        <source>Printer setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
</context>
<context>
    <name>trulp::TargetView</name>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="15"/>
        <source>target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="16"/>
        <source>block X must stand on the two centre fields of the two bottom rows</source>
        <translation>Block X muss auf den beiden mittleren Feldern der beiden unteren Reihen stehen</translation>
    </message>
</context>
<context>
    <name>trulp::Thelpform</name>
    <message>
        <location filename="../src/help/helpform.cpp" line="49"/>
        <source>TRULP help</source>
        <translation>TRULP-Hilfe</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="72"/>
        <source>page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="73"/>
        <source>UP</source>
        <translation>AUF</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="74"/>
        <source>DOWN</source>
        <translation>AB</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="75"/>
        <source>&lt;ECS&gt; close page</source>
        <translation>&lt;Esc&gt; schließen</translation>
    </message>
</context>
<context>
    <name>trulp::ToolBar</name>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="19"/>
        <source>open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="19"/>
        <source>open moves file</source>
        <translation>Zugdatei öffnen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="20"/>
        <source>save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="20"/>
        <source>save moves</source>
        <translation>Züge speichern</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="21"/>
        <source>print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="22"/>
        <source>printer setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="23"/>
        <source>game chart</source>
        <translation>Spielverlauf</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="24"/>
        <source>puzzles</source>
        <translation>Puzzles</translation>
    </message>
</context>
</TS>
