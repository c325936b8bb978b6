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
        <location filename="../src/mainwindow/print_page.cpp" line="124"/>
        <source>TRULP puzzle: %1</source>
        <extracomment>The printed page&apos;s title for a puzzle other than the classic.</extracomment>
        <translation>TRULP-Puzzle: %1</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="28"/>
        <source>TRULP puzzle</source>
        <extracomment>The name a printed page goes by in the printer&apos;s queue.</extracomment>
        <translation>TRULP-Puzzle</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="38"/>
        <source>TRULP puzzle.pdf</source>
        <extracomment>The file a page is printed to when there is no printer; keep &quot;.pdf&quot;.</extracomment>
        <translation>TRULP-Puzzle.pdf</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="55"/>
        <source>The print job could not be started on %1.</source>
        <extracomment>%1 the printer or the file.</extracomment>
        <translation>Der Druckauftrag konnte auf %1 nicht gestartet werden.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="83"/>
        <source>Printer setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="87"/>
        <source>a PDF file</source>
        <extracomment>In the printer setup: the page goes to a PDF file, asked for at printing.</extracomment>
        <translation>eine PDF-Datei</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="93"/>
        <source>page...</source>
        <translation>Seite einrichten ...</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="100"/>
        <source>choose</source>
        <extracomment>The printer setup&apos;s button: it chooses the printer, it does not print.</extracomment>
        <translation>Auswählen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="105"/>
        <source>print to</source>
        <extracomment>In the printer setup: where a printed page goes.</extracomment>
        <translation>Ausgabe an</translation>
    </message>
</context>
<context>
    <name>Puzzles</name>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="36"/>
        <location filename="../src/words/words.cpp" line="70"/>
        <source>moves</source>
        <translation>Zugzahl</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="40"/>
        <source>the ten blocks</source>
        <extracomment>A pack of puzzles: the ten blocks of the classic from other starts.</extracomment>
        <translation>die zehn Blöcke</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="42"/>
        <source>the classics</source>
        <extracomment>A pack of puzzles: the famous ones of the puzzle literature.</extracomment>
        <translation>die Klassiker</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="44"/>
        <source>the large ones</source>
        <extracomment>A pack of puzzles: larger boards and long solutions.</extracomment>
        <translation>die Großen</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="47"/>
        <source>classic</source>
        <translation>klassisch</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="47"/>
        <source>nearly</source>
        <translation>beinahe</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="48"/>
        <source>corners</source>
        <translation>Ecken</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="48"/>
        <source>lid</source>
        <translation>Deckel</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="49"/>
        <source>sidestep</source>
        <translation>Ausweichen</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="49"/>
        <source>drift</source>
        <translation>Abdrift</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="50"/>
        <source>nudge</source>
        <translation>Schubs</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="50"/>
        <source>fence</source>
        <translation>Zaun</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="51"/>
        <source>pillars</source>
        <translation>Säulen</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="51"/>
        <source>stakes</source>
        <translation>Pfähle</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="52"/>
        <source>arch</source>
        <translation>Bogen</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="52"/>
        <source>cradle</source>
        <translation>Wiege</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="53"/>
        <source>throne</source>
        <translation>Thron</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="53"/>
        <source>tower</source>
        <translation>Turm</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="54"/>
        <source>palisade</source>
        <translation>Palisade</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="54"/>
        <source>keep</source>
        <translation>Bergfried</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="55"/>
        <source>detour</source>
        <translation>Umweg</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="55"/>
        <source>crooked</source>
        <translation>krumm</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="56"/>
        <source>leaning</source>
        <translation>schief</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="56"/>
        <source>tangle</source>
        <translation>Gewirr</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="57"/>
        <source>attic</source>
        <translation>Dachboden</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="57"/>
        <source>lopsided</source>
        <translation>Schlagseite</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="58"/>
        <source>colonnade</source>
        <translation>Säulengang</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="58"/>
        <source>sentries</source>
        <translation>Posten</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="59"/>
        <source>guards</source>
        <translation>Wachen</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="59"/>
        <source>ladder</source>
        <translation>Leiter</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="60"/>
        <source>shelf</source>
        <translation>Regal</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="60"/>
        <source>gate</source>
        <translation>Tor</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="61"/>
        <source>lantern</source>
        <translation>Laterne</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="61"/>
        <source>fallen</source>
        <translation>gefallen</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="62"/>
        <source>crown</source>
        <translation>Krone</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="62"/>
        <source>hourglass</source>
        <translation>Sanduhr</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="63"/>
        <source>fortress</source>
        <translation>Festung</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="63"/>
        <source>citadel</source>
        <translation>Zitadelle</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="64"/>
        <source>twin</source>
        <translation>Zwilling</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="64"/>
        <source>soldiers</source>
        <translation>Soldaten</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="65"/>
        <source>barracks</source>
        <translation>Kaserne</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="65"/>
        <source>garrison</source>
        <translation>Garnison</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="66"/>
        <source>labyrinth</source>
        <translation>Labyrinth</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="66"/>
        <source>summit</source>
        <translation>Gipfel</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="67"/>
        <source>nadir</source>
        <translation>Nadir</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="67"/>
        <source>zenith</source>
        <translation>Zenit</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="68"/>
        <source>your own</source>
        <translation>eigenes</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="68"/>
        <source>easy</source>
        <translation>leicht</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="69"/>
        <source>medium</source>
        <translation>mittel</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="69"/>
        <source>hard</source>
        <translation>schwer</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="76"/>
        <source>The Angelica Puzzle</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Das Angelica-Puzzle</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="78"/>
        <source>1931, eight counters into the order ANGELICA, here A to H. Shortest solution 30 moves.</source>
        <extracomment>The note of the puzzle The Angelica Puzzle: keep the numbers and the kind of count.</extracomment>
        <translation>1931, acht Spielsteine in die Reihenfolge ANGELICA bringen, hier A bis H. Kürzeste Lösung 30 Züge.</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="81"/>
        <source>Bandaged Fifteen</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Verklebtes 15-Puzzle</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="83"/>
        <source>2011, a fifteen-puzzle tray with pieces glued together. Shortest solution 131 piece moves (179 moves).</source>
        <extracomment>The note of the puzzle Bandaged Fifteen: keep the numbers and the kind of count.</extracomment>
        <translation>2011, ein 15-Puzzle-Rahmen mit zusammengeklebten Steinen. Kürzeste Lösung 131 Blockzüge (179 Züge).</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="86"/>
        <source>Century</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Century</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="88"/>
        <source>1975, shown in Winning Ways with the middle block half a field off the grid, here set on it. Shortest solution 99 piece moves (131 moves).</source>
        <extracomment>The note of the puzzle Century: keep the numbers and the kind of count.</extracomment>
        <translation>1975, in Winning Ways mit dem mittleren Block um ein halbes Feld gegen das Raster versetzt gezeigt, hier aufs Raster gesetzt. Kürzeste Lösung 99 Blockzüge (131 Züge).</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="91"/>
        <source>Dad&apos;s Puzzle</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Papas Puzzle</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="93"/>
        <source>1909, the Pennant Puzzle, sold from 1926 as Dad&apos;s Puzzler. Big square from the upper left to the lower left corner. Shortest solution 59 piece moves (83 moves).</source>
        <extracomment>The note of the puzzle Dad&apos;s Puzzle: keep the numbers and the kind of count.</extracomment>
        <translation>1909, das Pennant Puzzle, ab 1926 als Dad&apos;s Puzzler verkauft. Großes Quadrat von der linken oberen in die linke untere Ecke. Kürzeste Lösung 59 Blockzüge (83 Züge).</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="96"/>
        <source>The Eight Engines</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Die acht Lokomotiven</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="98"/>
        <source>1917, Amusements in Mathematics no. 221, engines 1 to 8 round a yard, drawn as the equivalent 3x3 tray. Shortest solution 17 moves.</source>
        <extracomment>The note of the puzzle The Eight Engines: keep the numbers and the kind of count.</extracomment>
        <translation>1917, Amusements in Mathematics Nr. 221, Lokomotiven 1 bis 8 rund um einen Rangierbahnhof, gezeichnet als gleichwertiger 3x3-Rahmen. Kürzeste Lösung 17 Züge.</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="101"/>
        <source>Eight Puzzle</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>8-Puzzle</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="103"/>
        <source>Tiles A to H stand for 1 to 8, in one of the two starts farthest from order. Shortest solution 31 moves.</source>
        <extracomment>The note of the puzzle Eight Puzzle: keep the numbers and the kind of count.</extracomment>
        <translation>Die Steine A bis H stehen für 1 bis 8, in einer der beiden Startstellungen, die am weitesten von der Ordnung entfernt sind. Kürzeste Lösung 31 Züge.</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="106"/>
        <source>The Flanders Wheel</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Das Flanders-Rad</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="108"/>
        <source>1931, FLANDERS round a wheel, drawn as the equivalent 3x3 tray. Shortest solution 28 moves.</source>
        <extracomment>The note of the puzzle The Flanders Wheel: keep the numbers and the kind of count.</extracomment>
        <translation>1931, FLANDERS rund um ein Rad, gezeichnet als gleichwertiger 3x3-Rahmen. Kürzeste Lösung 28 Züge.</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="111"/>
        <source>The Four Frogs</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Die vier Frösche</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="113"/>
        <source>1917, Amusements in Mathematics no. 341, Guarini&apos;s knight swap of 1512 drawn as Dudeney&apos;s ring of toadstools. Shortest solution 7 piece moves (16 moves).</source>
        <extracomment>The note of the puzzle The Four Frogs: keep the numbers and the kind of count.</extracomment>
        <translation>1917, Amusements in Mathematics Nr. 341, Guarinis Springertausch von 1512, gezeichnet als Dudeneys Ring aus Pilzen. Kürzeste Lösung 7 Blockzüge (16 Züge).</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="116"/>
        <source>The Letter Block Puzzle</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Das Buchstabenblock-Puzzle</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="118"/>
        <source>1917, Amusements in Mathematics no. 219. Put the blocks in order, A to H. Shortest solution 23 moves.</source>
        <extracomment>The note of the puzzle The Letter Block Puzzle: keep the numbers and the kind of count.</extracomment>
        <translation>1917, Amusements in Mathematics Nr. 219. Bring die Blöcke in die Reihenfolge A bis H. Kürzeste Lösung 23 Züge.</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="121"/>
        <source>A Lodging-House Difficulty</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Ärger in der Pension</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="123"/>
        <source>1917, Amusements in Mathematics no. 220. Swap the piano X and the bookcase Y, one piece to a room. Shortest solution 17 moves.</source>
        <extracomment>The note of the puzzle A Lodging-House Difficulty: keep the numbers and the kind of count.</extracomment>
        <translation>1917, Amusements in Mathematics Nr. 220. Tausche das Klavier X und den Bücherschrank Y, ein Möbelstück pro Zimmer. Kürzeste Lösung 17 Züge.</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="126"/>
        <source>Quzzle Killer</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Quzzle Killer</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="128"/>
        <source>2004, the Quzzle pieces rearranged. Big square to the upper right corner. Shortest solution 90 piece moves (121 moves).</source>
        <extracomment>The note of the puzzle Quzzle Killer: keep the numbers and the kind of count.</extracomment>
        <translation>2004, die Blöcke des Quzzle neu angeordnet. Großes Quadrat in die rechte obere Ecke. Kürzeste Lösung 90 Blockzüge (121 Züge).</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="131"/>
        <source>Quzzle</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Quzzle</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="133"/>
        <source>2004, designed by computer. Big square to the upper right corner. Shortest solution 84 piece moves (115 moves).</source>
        <extracomment>The note of the puzzle Quzzle: keep the numbers and the kind of count.</extracomment>
        <translation>2004, vom Computer entworfen. Großes Quadrat in die rechte obere Ecke. Kürzeste Lösung 84 Blockzüge (115 Züge).</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="136"/>
        <source>Super Century</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Super Century</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="138"/>
        <source>2004, the pieces of Century. Shortest solution 138 piece moves (179 moves).</source>
        <extracomment>The note of the puzzle Super Century: keep the numbers and the kind of count.</extracomment>
        <translation>2004, die Blöcke von Century. Kürzeste Lösung 138 Blockzüge (179 Züge).</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="141"/>
        <source>Ma&apos;s Puzzle, Wide</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Mamas Puzzle, breit</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="143"/>
        <source>1986, join the two L&apos;s into a lying block in the top right corner. Shortest solution 37 piece moves (60 moves).</source>
        <extracomment>The note of the puzzle Ma&apos;s Puzzle, Wide: keep the numbers and the kind of count.</extracomment>
        <translation>1986, füge die beiden L zu einem liegenden Block in der rechten oberen Ecke zusammen. Kürzeste Lösung 37 Blockzüge (60 Züge).</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="146"/>
        <source>Ma&apos;s Puzzle</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Mamas Puzzle</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="148"/>
        <source>1927, join the two L&apos;s into an upright block in the top right corner. Shortest solution 23 piece moves (36 moves).</source>
        <extracomment>The note of the puzzle Ma&apos;s Puzzle: keep the numbers and the kind of count.</extracomment>
        <translation>1927, füge die beiden L zu einem stehenden Block in der rechten oberen Ecke zusammen. Kürzeste Lösung 23 Blockzüge (36 Züge).</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <location filename="../src/words/words.cpp" line="43"/>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>TStatForm</name>
    <message>
        <location filename="../src/words/words.cpp" line="410"/>
        <source>number of moves</source>
        <translation>Anzahl Züge</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="411"/>
        <source>time (secs.)</source>
        <translation>Zeit (Sek.)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="412"/>
        <source>trial moves</source>
        <translation>Probezüge</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="413"/>
        <source>Forward history buffer length</source>
        <translation>Länge des Vorwärtspuffers</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="414"/>
        <source>Backward buffer hits</source>
        <translation>Treffer im Rückwärtspuffer</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="415"/>
        <source>Forward buffer hits</source>
        <translation>Treffer im Vorwärtspuffer</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="416"/>
        <source>piece moves</source>
        <comment>a game&apos;s moves, a piece&apos;s moves one after another counted once</comment>
        <translation>Blockzüge</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="417"/>
        <source>moves by the coach</source>
        <comment>of the game&apos;s moves, those a hint or a solve made</comment>
        <translation>Züge des Trainers</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="418"/>
        <source>time played</source>
        <comment>the game&apos;s time, without the time hidden or solving</comment>
        <translation>Spielzeit</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="419"/>
        <source>to the goal</source>
        <comment>moves / piece moves still to go from the board</comment>
        <translation>Bis zum Ziel</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="420"/>
        <source>your best</source>
        <comment>the fewest moves / piece moves of a solve without help</comment>
        <translation>Dein Rekord</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="40"/>
        <source>TRULP statistics</source>
        <translation>TRULP-Statistik</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="70"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TrulpSolve</name>
    <message>
        <location filename="../src/cli/main.cpp" line="40"/>
        <source>&apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos;: %2</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="82"/>
        <source>no puzzle is named &apos;%1&apos; (see --puzzles)</source>
        <translation>es gibt kein Puzzle namens &apos;%1&apos; (siehe --puzzles)</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="87"/>
        <source>--start &apos;%1&apos;: %2</source>
        <translation>--start &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="101"/>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="108"/>
        <location filename="../src/cli/options.cpp" line="77"/>
        <source>--max-move must be a whole number from %1 to %2, not &apos;%3&apos;</source>
        <translation>--max-move muss eine ganze Zahl von %1 bis %2 sein, nicht &apos;%3&apos;</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="151"/>
        <source>cannot write the list</source>
        <translation>die Liste kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="212"/>
        <source>cannot save: the line from the start would have %1 moves, and a moves file holds at most %2</source>
        <translation>Speichern nicht möglich: der Weg ab dem Start hätte %1 Züge, eine Zugdatei fasst höchstens %2</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="227"/>
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
        <location filename="../src/cli/options.cpp" line="42"/>
        <source>unknown option &apos;%1&apos; (see --help)</source>
        <translation>unbekannte Option &apos;%1&apos; (siehe --help)</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="47"/>
        <source>%1 takes no value</source>
        <translation>%1 nimmt keinen Wert</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="65"/>
        <location filename="../src/cli/options.cpp" line="69"/>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="116"/>
        <source>--puzzle, --start and --puzzle-file do not go together</source>
        <translation>--puzzle, --start und --puzzle-file gehen nicht zusammen</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="119"/>
        <source>--from carries its own puzzle: not with --puzzle, --start or --puzzle-file</source>
        <translation>--from bringt sein eigenes Puzzle mit: nicht mit --puzzle, --start oder --puzzle-file</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="132"/>
        <source>Usage:
  trulp-solve [--puzzle NAME | --start POSITION | --puzzle-file FILE]
              [--max-move N] [--slice N] [--save FILE] [--json]
  trulp-solve --optimal [--puzzle NAME | --start POSITION | --puzzle-file FILE |
              --from FILE] [--save FILE] [--json]
  trulp-solve --puzzles [--json]
  trulp-solve --help | --version

Solves a sliding-block puzzle from its start: the classic one, another
from the collection, one given block by block or a puzzle file.

  --max-move N  move limit of the depth-first search, from 100 (default 150);
                at most 200 for the ten blocks of the classic
  --slice N     moves recorded per search step, at least 1 (default 10000);
                the result does not depend on it
  --optimal     shortest line by breadth-first search over all positions;
                also the fewest piece moves (a piece moved on counts once)
  --puzzle NAME that puzzle of the collection, by its name or id (see --puzzles)
  --puzzle-file FILE
                the puzzle of a puzzle file; - reads it from standard input
  --start POSITION
                each block&apos;s letter and the field (0-19, row by row) of its
                top-left square, in the order A X B C D E F G H I, as one
                argument: &quot;A0 X1 B3 C8 D9 E11 F13 G14 H16 I19&quot; is the classic
  --from FILE   with --optimal: start after the moves of this moves file,
                from the start of its own puzzle
  --save FILE   write the line as a moves file named &quot;TRULP_ &quot; + FILE&apos;s name
                in FILE&apos;s directory; with --from, the file&apos;s moves come first;
                a puzzle other than the classic is kept in the file
  --puzzles     list the collection: name, board, shortest lines in moves and
                in piece moves
  --json        print one JSON object instead of the report
  --help        show this help
  --version     show the version

Exit status: 0 solved, 1 no solution, 2 bad usage or bad input.
</source>
        <extracomment>The help of trulp-solve: translate the explanations, keep the options and their values.</extracomment>
        <translation>Aufruf:
  trulp-solve [--puzzle NAME | --start POSITION | --puzzle-file FILE]
              [--max-move N] [--slice N] [--save FILE] [--json]
  trulp-solve --optimal [--puzzle NAME | --start POSITION | --puzzle-file FILE |
              --from FILE] [--save FILE] [--json]
  trulp-solve --puzzles [--json]
  trulp-solve --help | --version

Löst ein Schiebepuzzle ab seinem Start: das klassische, ein anderes aus der
Sammlung, ein Block für Block angegebenes oder das einer Puzzledatei.

  --max-move N  Zuglimit der Tiefensuche, ab 100 (Vorgabe 150); höchstens 200
                für die zehn Blöcke des klassischen
  --slice N     pro Suchschritt erfasste Züge, mindestens 1 (Vorgabe 10000);
                das Ergebnis hängt nicht davon ab
  --optimal     kürzester Weg per Breitensuche über alle Stellungen; auch die
                wenigsten Blockzüge (ein weitergezogener Block zählt einmal)
  --puzzle NAME dieses Puzzle der Sammlung, nach Name oder ID (siehe --puzzles)
  --puzzle-file FILE
                das Puzzle einer Puzzledatei; - liest es von der Standardeingabe
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
  --puzzles     listet die Sammlung: Name, Brett, kürzeste Wege in Zügen und
                in Blockzügen
  --json        gibt ein JSON-Objekt statt des Berichts aus
  --help        zeigt diese Hilfe
  --version     zeigt die Version

Exit-Status: 0 gelöst, 1 keine Lösung, 2 falscher Aufruf oder falsche Eingabe.
</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="87"/>
        <source>--slice must be a whole number from 1 to 2147483647, not &apos;%1&apos;</source>
        <translation>--slice muss eine ganze Zahl von 1 bis 2147483647 sein, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="96"/>
        <source>--save needs a file name, not a directory: &apos;%1&apos;</source>
        <translation>--save braucht einen Dateinamen, kein Verzeichnis: &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="114"/>
        <source>--puzzles goes with --json alone</source>
        <translation>--puzzles geht nur zusammen mit --json</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="121"/>
        <source>--max-move does not go with --optimal</source>
        <translation>--max-move geht nicht mit --optimal</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="123"/>
        <source>--slice does not go with --optimal</source>
        <translation>--slice geht nicht mit --optimal</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="125"/>
        <source>--from only goes with --optimal</source>
        <translation>--from geht nur mit --optimal</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/report.cpp" line="63"/>
        <source>shortest line from the position after the %n moves of &apos;%1&apos;</source>
        <translation>
            <numerusform>kürzester Weg ab der Stellung nach %n Zug aus &apos;%1&apos;</numerusform>
            <numerusform>kürzester Weg ab der Stellung nach den %n Zügen aus &apos;%1&apos;</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="106"/>
        <source>result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="107"/>
        <source>solved</source>
        <translation>gelöst</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="107"/>
        <source>no solution</source>
        <translation>keine Lösung</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="111"/>
        <source>positions reachable</source>
        <translation>erreichbare Stellungen</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="45"/>
        <source>depth-first search from the start position, move limit %1</source>
        <translation>Tiefensuche ab der Ausgangsstellung, Zuglimit %1</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="47"/>
        <source>depth-first search from the start of puzzle &apos;%1&apos;, move limit %2</source>
        <translation>Tiefensuche ab dem Start des Puzzles &apos;%1&apos;, Zuglimit %2</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="50"/>
        <source>depth-first search from the start %1, move limit %2</source>
        <translation>Tiefensuche ab der Ausgangsstellung %1, Zuglimit %2</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="56"/>
        <source>shortest line from the start position</source>
        <translation>kürzester Weg ab der Ausgangsstellung</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="58"/>
        <source>shortest line from the start of puzzle &apos;%1&apos;</source>
        <translation>kürzester Weg ab dem Start des Puzzles &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="59"/>
        <source>shortest line from the start %1</source>
        <translation>kürzester Weg ab der Ausgangsstellung %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/report.cpp" line="67"/>
        <source>shortest line from the position after the %n moves of &apos;%1&apos; in puzzle &apos;%2&apos;</source>
        <translation>
            <numerusform>kürzester Weg ab der Stellung nach %n Zug aus &apos;%1&apos; im Puzzle &apos;%2&apos;</numerusform>
            <numerusform>kürzester Weg ab der Stellung nach den %n Zügen aus &apos;%1&apos; im Puzzle &apos;%2&apos;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/report.cpp" line="70"/>
        <source>shortest line from the position after the %n moves of &apos;%1&apos; from the start %2</source>
        <translation>
            <numerusform>kürzester Weg ab der Stellung nach %n Zug aus &apos;%1&apos;, gespielt ab der Ausgangsstellung %2</numerusform>
            <numerusform>kürzester Weg ab der Stellung nach den %n Zügen aus &apos;%1&apos;, gespielt ab der Ausgangsstellung %2</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="110"/>
        <source>fewest piece moves</source>
        <translation>wenigste Blockzüge</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="125"/>
        <source>time</source>
        <extracomment>Seconds, as &quot;0.123 s&quot;.</extracomment>
        <translation>Zeit</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="125"/>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="140"/>
        <source>saved as: %1</source>
        <translation>gespeichert als: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="142"/>
        <source>nothing saved: no line was found</source>
        <translation>nichts gespeichert: kein Weg gefunden</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="174"/>
        <source>id|name|board|moves|piece moves</source>
        <extracomment>The header of the collection&apos;s table: the columns are the id, the name, the board, shortest moves and piece moves.</extracomment>
        <translation>ID|Name|Brett|Züge|Blockzüge</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <location filename="../src/words/words.cpp" line="22"/>
        <source>right</source>
        <extracomment>A direction in a hint and in the moves list read aloud: &quot;hint: H right&quot;.</extracomment>
        <translation>nach rechts</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="24"/>
        <source>up</source>
        <translation>nach oben</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="26"/>
        <source>left</source>
        <translation>nach links</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="28"/>
        <source>down</source>
        <translation>nach unten</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="161"/>
        <source>by %1</source>
        <extracomment>Who made a puzzle, in its tool tip: a name as the puzzle file gives it.</extracomment>
        <translation>von %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="186"/>
        <source>STOP</source>
        <extracomment>GO&apos;s caption during a run: stops it. At most 6 letters.</extracomment>
        <translation>STOPP</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="189"/>
        <source>STEP</source>
        <extracomment>GO&apos;s caption in step mode: one move per press. At most 6 letters.</extracomment>
        <translation>ZUG</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="192"/>
        <source>GO</source>
        <extracomment>The button that starts a search or a replay. At most 6 letters.</extracomment>
        <translation>LOS</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="203"/>
        <source>welcome at the TRULP puzzle. Select &quot;play&quot; or &quot;search&quot;...</source>
        <translation>Willkommen beim TRULP-Puzzle. Wähle „spielen“ oder „suchen“ ...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="205"/>
        <source>search for solution...</source>
        <translation>Suche die Lösung ...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="207"/>
        <source>show moves</source>
        <translation>Züge zeigen</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="209"/>
        <source>click GO to start search</source>
        <translation>Klicke auf LOS, um die Suche zu starten</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="211"/>
        <source>find solutions...</source>
        <translation>Finde Lösungen ...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="213"/>
        <source>find solution...</source>
        <translation>Finde die Lösung ...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="215"/>
        <source>list is full</source>
        <translation>Liste ist voll</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="217"/>
        <source>moves list is full</source>
        <translation>Zugliste ist voll</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="219"/>
        <source>SOLUTION FOUND ...congratulations !</source>
        <translation>LÖSUNG GEFUNDEN ... Glückwunsch!</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="221"/>
        <source>solution reached</source>
        <translation>Lösung erreicht</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="224"/>
        <source>move %1</source>
        <extracomment>Replay and take-back: the number of the move shown.</extracomment>
        <translation>Zug %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="226"/>
        <source>end of list</source>
        <translation>Ende der Liste</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="229"/>
        <source>hint: %1 %2 (%n to go)</source>
        <extracomment>%1 a block&apos;s letter, %2 a direction, %n the moves to the goal.</extracomment>
        <translation>
            <numerusform>Tipp: %1 %2 (noch %n)</numerusform>
            <numerusform>Tipp: %1 %2 (noch %n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="232"/>
        <source>%n to go</source>
        <translation>
            <numerusform>noch %n</numerusform>
            <numerusform>noch %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="234"/>
        <source>solving... %n to go</source>
        <translation>
            <numerusform>löse ... noch %n</numerusform>
            <numerusform>löse ... noch %n</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="236"/>
        <source>pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="239"/>
        <source>pause: GO goes on</source>
        <extracomment>The coach&apos;s solve was stopped; GO, Space or Return let it go on.</extracomment>
        <translation>Pause: LOS macht weiter</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="242"/>
        <source>computer searching...move: %1</source>
        <extracomment>%1 the trial moves of the search so far.</extracomment>
        <translation>Computer sucht ... Zug: %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="244"/>
        <source>puzzle solved.  (see statistics)</source>
        <translation>Puzzle gelöst. (siehe Statistik)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="246"/>
        <source>no solution found</source>
        <translation>keine Lösung gefunden</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="249"/>
        <source>puzzle saved as: %1</source>
        <extracomment>%1 the name the moves file was saved as.</extracomment>
        <translation>Puzzle gespeichert als: %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="252"/>
        <source>puzzle %1 opened</source>
        <extracomment>%1 the name stored in the moves file.</extracomment>
        <translation>Puzzle %1 geöffnet</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="254"/>
        <source>read error</source>
        <translation>Lesefehler</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="256"/>
        <source>wrong file</source>
        <translation>falsche Datei</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="259"/>
        <source>puzzle send to printer</source>
        <translation>Puzzle an den Drucker gesendet</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="261"/>
        <source>page written to %1</source>
        <extracomment>%1 the PDF file the page was written to.</extracomment>
        <translation>Seite gespeichert in %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="264"/>
        <source>puzzle %1: shortest solution %n moves</source>
        <extracomment>%1 the puzzle&apos;s name, %n the moves of its shortest solution.</extracomment>
        <translation>
            <numerusform>Puzzle %1: kürzeste Lösung %n Zug</numerusform>
            <numerusform>Puzzle %1: kürzeste Lösung %n Züge</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="266"/>
        <source>drag the blocks where you want them</source>
        <translation>Zieh die Blöcke dorthin, wo du sie haben willst</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="268"/>
        <source>no way to the goal</source>
        <translation>kein Weg zum Ziel</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="270"/>
        <source>block X is on the goal already</source>
        <translation>Block X steht schon am Ziel</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="272"/>
        <source>no room there</source>
        <translation>dort ist kein Platz</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="275"/>
        <source>new record: %n moves (shortest %1)</source>
        <extracomment>%n the moves of the new record, %1 the shortest solution&apos;s.</extracomment>
        <translation>
            <numerusform>neuer Rekord: %n Zug (kürzester Weg %1)</numerusform>
            <numerusform>neuer Rekord: %n Züge (kürzester Weg %1)</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="298"/>
        <source>moves cleared: %1 brings them back</source>
        <extracomment>Beside the message, when a reset, a mode, a puzzle or a file threw the moves list away. %1 the undo key, as the desktop writes it.</extracomment>
        <translation>Züge gelöscht: %1 holt sie zurück</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="301"/>
        <source>next: %1 (%2)</source>
        <extracomment>After the goal, beside the message: the next puzzle without a record. %2 its key.</extracomment>
        <translation>nächstes: %1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="306"/>
        <source>the search is running: STOP first</source>
        <extracomment>Beside the message: an input refused while the search runs.</extracomment>
        <translation>die Suche läuft: erst STOPP</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="308"/>
        <source>the replay is running: STOP first</source>
        <translation>das Abspielen läuft: erst STOPP</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="311"/>
        <source>the coach is solving: GO stops it first</source>
        <extracomment>GO stops the coach&apos;s solve.</extracomment>
        <translation>der Trainer löst gerade: erst mit LOS anhalten</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="314"/>
        <source>puzzle %1 copied as text</source>
        <extracomment>%1 the puzzle&apos;s name.</extracomment>
        <translation>Puzzle %1 als Text kopiert</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="319"/>
        <source>puzzle %1</source>
        <extracomment>A puzzle chosen whose shortest solution the coach is still working out.</extracomment>
        <translation>Puzzle %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="322"/>
        <source>your game of %1 is back</source>
        <extracomment>At start, when the game of the last run is back on the board.</extracomment>
        <translation>dein Spiel mit %1 ist wieder da</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="324"/>
        <source>not a puzzle: the file is not a text</source>
        <translation>kein Puzzle: die Datei ist kein Text</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="326"/>
        <source>not a puzzle: a puzzle text has at most %n bytes</source>
        <translation>
            <numerusform>kein Puzzle: ein Puzzletext hat höchstens %n Byte</numerusform>
            <numerusform>kein Puzzle: ein Puzzletext hat höchstens %n Bytes</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="329"/>
        <source>line 1: a puzzle text begins with the line &apos;%1&apos;</source>
        <extracomment>%1 the line a puzzle text must begin with.</extracomment>
        <translation>Zeile 1: ein Puzzletext beginnt mit der Zeile &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="331"/>
        <source>line %1: unknown key &apos;%2&apos; (name, by and note are known)</source>
        <translation>Zeile %1: unbekannter Schlüssel &apos;%2&apos; (bekannt sind name, by und note)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="333"/>
        <source>the puzzle has no &apos;name:&apos; line</source>
        <translation>dem Puzzle fehlt die Zeile &apos;name:&apos;</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="335"/>
        <source>the puzzle has no &apos;start:&apos; map</source>
        <translation>dem Puzzle fehlt das Raster &apos;start:&apos;</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="337"/>
        <source>the puzzle has no &apos;goal:&apos; map</source>
        <translation>dem Puzzle fehlt das Raster &apos;goal:&apos;</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="339"/>
        <source>line %1: not a key line and not in a map</source>
        <translation>Zeile %1: weder eine Schlüsselzeile noch in einem Raster</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="342"/>
        <source>line %1: a row of %2 fields, the first row has %3</source>
        <extracomment>%2 the fields of this row, %3 those of the first row.</extracomment>
        <translation>Zeile %1: eine Reihe mit %2 Feldern, die erste Reihe hat %3</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="344"/>
        <source>the goal map has %1 rows, the start map %2</source>
        <translation>das Ziel-Raster hat %1 Reihen, das Start-Raster %2</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="346"/>
        <source>a board of %1 by %2 fields: each side must be 2 to 10 fields</source>
        <translation>ein Brett mit %1 mal %2 Feldern: jede Seite muss 2 bis 10 Felder haben</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="349"/>
        <source>line %1: &apos;%2&apos; is no field (. free, # wall, A to Z a piece)</source>
        <extracomment>%2 a character that means nothing in a start map.</extracomment>
        <translation>Zeile %1: &apos;%2&apos; ist kein Feld (. frei, # Wand, A bis Z ein Block)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="351"/>
        <source>line %1: one space at most between two fields</source>
        <translation>Zeile %1: höchstens ein Leerzeichen zwischen zwei Feldern</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="353"/>
        <source>line %1: piece %2 is in two parts</source>
        <translation>Zeile %1: Block %2 besteht aus zwei Teilen</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="355"/>
        <source>line %1: piece %2 has %3 fields, at most 9 are allowed</source>
        <translation>Zeile %1: Block %2 hat %3 Felder, erlaubt sind höchstens 9</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="360"/>
        <source>the start has no free field</source>
        <translation>die Startstellung hat kein freies Feld</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="362"/>
        <source>line %1: the goal of piece %2 does not have its shape</source>
        <translation>Zeile %1: das Ziel von Block %2 hat nicht seine Form</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="366"/>
        <source>line %1: the goal of piece %2 is on a wall</source>
        <translation>Zeile %1: das Ziel von Block %2 liegt auf einer Wand</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="368"/>
        <source>line %1: the goal names piece %2, which the start does not have</source>
        <translation>Zeile %1: das Ziel nennt Block %2, den es in der Startstellung nicht gibt</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="372"/>
        <source>the goal names no piece</source>
        <translation>das Ziel nennt keinen Block</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="374"/>
        <source>the goal is met at the start already</source>
        <translation>das Ziel ist schon in der Startstellung erreicht</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="377"/>
        <source>line %1: &apos;%2&apos; is no move (a piece&apos;s letter and R, U, L or D)</source>
        <extracomment>A moves list of a game file: %2 what stands there instead of a letter and R, U, L or D.</extracomment>
        <translation>Zeile %1: &apos;%2&apos; ist kein Zug (Buchstabe eines Blocks und R, U, L oder D)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="379"/>
        <source>move %1 cannot be made from the start</source>
        <translation>Zug %1 ist von der Startstellung aus nicht möglich</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="381"/>
        <source>more moves than a list holds (%1)</source>
        <translation>mehr Züge, als eine Liste fasst (%1)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="384"/>
        <source>cannot open &apos;%1&apos;: %2</source>
        <extracomment>%1 a file, %2 the system&apos;s reason.</extracomment>
        <translation>&apos;%1&apos; kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="386"/>
        <source>&apos;%1&apos; is not a file that can be opened</source>
        <translation>&apos;%1&apos; ist keine Datei, die sich öffnen lässt</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="388"/>
        <source>cannot read &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="390"/>
        <source>cannot write in &apos;%1&apos;: %2</source>
        <translation>in &apos;%1&apos; kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="392"/>
        <source>cannot save &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; kann nicht gespeichert werden: %2</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="394"/>
        <source>&apos;%1&apos; is not a moves file: %n bytes instead of 250</source>
        <translation>
            <numerusform>&apos;%1&apos; ist keine Zugdatei: %n Byte statt 250</numerusform>
            <numerusform>&apos;%1&apos; ist keine Zugdatei: %n Bytes statt 250</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="397"/>
        <source>your records could not be read: the file is kept as %1</source>
        <extracomment>%1 where the damaged records file was put.</extracomment>
        <translation>deine Rekorde waren nicht lesbar: die Datei liegt jetzt unter %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="399"/>
        <source>the game kept last time could not be read: it is kept as %1</source>
        <translation>das zuletzt aufbewahrte Spiel war nicht lesbar: es liegt jetzt unter %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="441"/>
        <source>the coach cannot know this puzzle: it has too many positions</source>
        <extracomment>The coach&apos;s tool tip and words for a puzzle it has no table for.</extracomment>
        <translation>der Trainer kann dieses Puzzle nicht kennen: es hat zu viele Stellungen</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="277"/>
        <source>block %1 on field %2 does not fit on the board</source>
        <translation>Block %1 auf Feld %2 passt nicht aufs Brett</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="280"/>
        <source>block %1 on field %2 stands on a wall</source>
        <extracomment>A piece placed where the board has a wall.</extracomment>
        <translation>Block %1 auf Feld %2 steht auf einer Wand</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="282"/>
        <source>blocks %1 on field %2 and %3 on field %4 overlap</source>
        <translation>Die Blöcke %1 auf Feld %2 und %3 auf Feld %4 überlappen sich</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="288"/>
        <source>a start names ten blocks in the order A X B C D E F G H I, each with its field, not %n tokens</source>
        <translation>
            <numerusform>Eine Startstellung nennt zehn Blöcke in der Reihenfolge A X B C D E F G H I, jeden mit seinem Feld, nicht %n Angabe</numerusform>
            <numerusform>Eine Startstellung nennt zehn Blöcke in der Reihenfolge A X B C D E F G H I, jeden mit seinem Feld, nicht %n Angaben</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="292"/>
        <source>block %1 of the start must be %2 (order A X B C D E F G H I), not &apos;%3&apos;</source>
        <translation>Block Nr. %1 der Startstellung muss %2 sein (Reihenfolge A X B C D E F G H I), nicht &apos;%3&apos;</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="303"/>
        <source>&apos;%1&apos;: the field must be a number from 0 to 19</source>
        <translation>&apos;%1&apos;: Das Feld muss eine Zahl von 0 bis 19 sein</translation>
    </message>
</context>
<context>
    <name>trulp::BoardView</name>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="20"/>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="21"/>
        <source>columns %1 to %2</source>
        <translation>Spalten %1 bis %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="24"/>
        <source>row %1</source>
        <translation>Reihe %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="25"/>
        <source>rows %1 to %2</source>
        <translation>Reihen %1 bis %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="31"/>
        <source>board</source>
        <translation>Brett</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="133"/>
        <source>%1: %2, %3</source>
        <extracomment>A piece and where it stands, read aloud: &quot;A: column 1, rows 1 to 2&quot;.</extracomment>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="137"/>
        <source>; </source>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>trulp::ControlBar</name>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="26"/>
        <source>help</source>
        <extracomment>The button that opens the help window.</extracomment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="29"/>
        <source>shift until</source>
        <extracomment>Beside the target, the first of three lines read together: &quot;shift until&quot; / &quot;block X&quot; / &quot;is here&quot;.</extracomment>
        <translation>schieb, bis</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="32"/>
        <location filename="../src/mainwindow/controlbar.cpp" line="187"/>
        <source>block X</source>
        <extracomment>The second of the three lines beside the target: &quot;shift until&quot; / &quot;block X&quot; / &quot;is here&quot;.</extracomment>
        <translation>Block X</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="35"/>
        <location filename="../src/mainwindow/controlbar.cpp" line="203"/>
        <source>is here</source>
        <extracomment>The third of the three lines beside the target: &quot;shift until&quot; / &quot;block X&quot; / &quot;is here&quot;.</extracomment>
        <translation>hier steht</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="38"/>
        <source>max.move</source>
        <extracomment>The move limit of the search, above its number. Short: about 9 letters.</extracomment>
        <translation>max. Züge</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="45"/>
        <source>raise the move limit</source>
        <translation>Zuggrenze erhöhen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="46"/>
        <source>lower the move limit</source>
        <translation>Zuggrenze senken</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="56"/>
        <source>step</source>
        <extracomment>The check box for one move at a time. Short: about 6 letters.</extracomment>
        <translation>Schritt</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="64"/>
        <source>play</source>
        <extracomment>Mode button: the player moves the blocks. Short: about 8 letters.</extracomment>
        <translation>spielen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="66"/>
        <source>find solutions yourself</source>
        <translation>Lösungen selbst finden</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="68"/>
        <source>replay</source>
        <extracomment>Mode button: the moves list played again. Short: about 8 letters.</extracomment>
        <translation>abspielen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="70"/>
        <source>replay moves</source>
        <translation>Züge abspielen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="72"/>
        <source>search</source>
        <extracomment>Mode button: the computer searches. Short: about 8 letters.</extracomment>
        <translation>suchen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="74"/>
        <source>let computer search for solutions</source>
        <translation>den Computer Lösungen suchen lassen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="82"/>
        <source>reset</source>
        <extracomment>Puts the blocks back at the start. Short: about 8 letters.</extracomment>
        <translation>von vorn</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="85"/>
        <source>back</source>
        <extracomment>Takes the last move back. Short: about 7 letters.</extracomment>
        <translation>zurück</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="87"/>
        <source>take the last move back (Backspace)</source>
        <translation>den letzten Zug zurücknehmen (Rücktaste)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="91"/>
        <source>statistics</source>
        <extracomment>Opens the search&apos;s statistics. Short: about 10 letters.</extracomment>
        <translation>Statistik</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="97"/>
        <source>to go</source>
        <extracomment>Above the number of moves still needed to reach the goal.</extracomment>
        <translation>noch</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="100"/>
        <source>moves to go</source>
        <translation>Züge bis zum Ziel</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="102"/>
        <source>hint</source>
        <extracomment>The coach&apos;s hint. Short: about 8 letters.</extracomment>
        <translation>Tipp</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="105"/>
        <source>solve</source>
        <extracomment>The coach plays the rest of the way. Short: about 8 letters.</extracomment>
        <translation>lösen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="111"/>
        <location filename="../src/mainwindow/controlbar.cpp" line="114"/>
        <source>puzzle</source>
        <extracomment>Above the name of the puzzle being played.</extracomment>
        <translation>Puzzle</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="117"/>
        <source>play it</source>
        <extracomment>Ends setting up a puzzle and plays it. Short: about 8 letters.</extracomment>
        <translation>fertig</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="120"/>
        <source>play the position set up</source>
        <translation>die aufgestellte Stellung spielen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="122"/>
        <source>cancel</source>
        <extracomment>Gives up setting up a puzzle. Short: about 8 letters.</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="166"/>
        <source>show the best next move</source>
        <translation>den besten nächsten Zug zeigen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="167"/>
        <source>play the shortest way to the goal</source>
        <translation>den kürzesten Weg zum Ziel spielen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="194"/>
        <source>block %1</source>
        <extracomment>Beside the target, the second line, for a puzzle whose goal names one piece: its letter.</extracomment>
        <translation>Block %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="197"/>
        <source>blocks %1</source>
        <extracomment>The same for a goal of two pieces: &quot;X, Y&quot;.</extracomment>
        <translation>Gruppe %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="200"/>
        <source>the red blocks</source>
        <extracomment>The same for a goal of three pieces or more: they are drawn red.</extracomment>
        <translation>alles Rote</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="203"/>
        <source>are here</source>
        <extracomment>The third line beside the target after &quot;blocks X, Y&quot; or &quot;the red blocks&quot;: &quot;shift until&quot; / &quot;blocks X, Y&quot; / &quot;are here&quot;.</extracomment>
        <translation>hier steht</translation>
    </message>
</context>
<context>
    <name>trulp::GameChart</name>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="70"/>
        <source>%n moves, %1 to go, shortest possible %2, your best %3</source>
        <extracomment>%n moves made, %1 to go, %2 the shortest solution, %3 the player&apos;s record.</extracomment>
        <translation>
            <numerusform>%n Zug, noch %1, kürzestmöglich %2, dein Rekord %3</numerusform>
            <numerusform>%n Züge, noch %1, kürzestmöglich %2, dein Rekord %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="75"/>
        <source>%n moves, %1 to go, shortest possible %2</source>
        <translation>
            <numerusform>%n Zug, noch %1, kürzestmöglich %2</numerusform>
            <numerusform>%n Züge, noch %1, kürzestmöglich %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="79"/>
        <source>%n moves, shortest possible %1, your best %2</source>
        <translation>
            <numerusform>%n Zug, kürzestmöglich %1, dein Rekord %2</numerusform>
            <numerusform>%n Züge, kürzestmöglich %1, dein Rekord %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="82"/>
        <source>%n moves, shortest possible %1</source>
        <translation>
            <numerusform>%n Zug, kürzestmöglich %1</numerusform>
            <numerusform>%n Züge, kürzestmöglich %1</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="123"/>
        <location filename="../src/mainwindow/chart.cpp" line="157"/>
        <source>moves</source>
        <extracomment>The chart&apos;s axes: the moves made, and the moves still to go after each.
----------
The chart&apos;s line of the moves list, whoever made them.</extracomment>
        <translation>Züge</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="123"/>
        <source>moves to go</source>
        <translation>Züge bis zum Ziel</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="158"/>
        <source>away from goal</source>
        <translation>vom Ziel weg</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="159"/>
        <source>hint or solve</source>
        <translation>Tipp oder lösen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="161"/>
        <source>piece moves</source>
        <extracomment>The chart&apos;s line of the piece moves still to go.</extracomment>
        <translation>Blockzüge</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="162"/>
        <source>shortest pace</source>
        <translation>Ideallinie</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="163"/>
        <source>board now</source>
        <translation>Brett jetzt</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="206"/>
        <source>TRULP game chart</source>
        <translation>TRULP-Spielverlauf</translation>
    </message>
</context>
<context>
    <name>trulp::MovesPanel</name>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="50"/>
        <source>moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="64"/>
        <source>move %1 of %2</source>
        <translation>Zug %1 von %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="69"/>
        <source>move %1 of %2: %3 %4</source>
        <extracomment>The last move read aloud: &quot;move 3 of 5: H right&quot;.</extracomment>
        <translation>Zug %1 von %2: %3 %4</translation>
    </message>
</context>
<context>
    <name>trulp::PuzzlesDialog</name>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="67"/>
        <source>shortest %1</source>
        <extracomment>The shortest lines of a puzzle: %1 as moves / piece moves.</extracomment>
        <translation>kürzester Weg %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="70"/>
        <source>%1
not solved yet · %2</source>
        <extracomment>A puzzle not solved yet: its name, and its shortest lines.</extracomment>
        <translation>%1
noch nicht gelöst · %2</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="73"/>
        <source>✓ %1
solved %n times, with help · %2</source>
        <extracomment>A puzzle solved only with the coach&apos;s help: %n times.</extracomment>
        <translation>
            <numerusform>✓ %1
einmal gelöst, mit Hilfe · %2</numerusform>
            <numerusform>✓ %1
%n-mal gelöst, mit Hilfe · %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="79"/>
        <source>%1
your best %2 / %3 · %4
best time %5 · solved %n times</source>
        <extracomment>%1 the puzzle; the player&apos;s best: %2 moves, %3 piece moves; %4 the shortest lines; %5 best time; solved %n times.</extracomment>
        <translation>
            <numerusform>%1
dein Rekord %2 / %3 · %4
beste Zeit %5 · einmal gelöst</numerusform>
            <numerusform>%1
dein Rekord %2 / %3 · %4
beste Zeit %5 · %n-mal gelöst</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="89"/>
        <source>%1: %2 of %3 solved, %4 in the fewest moves</source>
        <extracomment>A pack&apos;s heading: %1 its name, %2 solved of %3, %4 of them in the fewest moves.</extracomment>
        <translation>%1: %2 von %3 gelöst, %4 mit den wenigsten Zügen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="104"/>
        <source>TRULP puzzles</source>
        <translation>TRULP-Puzzles</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="111"/>
        <source>puzzles</source>
        <translation>Puzzles</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="116"/>
        <source>unsolved first</source>
        <extracomment>Sorts each pack with the puzzles not solved yet at its top.</extracomment>
        <translation>Ungelöste zuerst</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="119"/>
        <source>play</source>
        <translation>spielen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="129"/>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="146"/>
        <source>new puzzle</source>
        <translation>neues Puzzle</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="134"/>
        <source>difficulty</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="136"/>
        <source>moves to the goal</source>
        <translation>Züge bis zum Ziel</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="143"/>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="152"/>
        <source>seed</source>
        <translation>Startwert</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="156"/>
        <source>set up your own</source>
        <translation>selbst aufstellen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="162"/>
        <source>close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>trulp::TForm1</name>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="76"/>
        <source>TRULP puzzel</source>
        <extracomment>The main window&apos;s title.</extracomment>
        <translation>TRULP-Puzzle</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/desktop.cpp" line="24"/>
        <source>TRULP moves and puzzles (TRULP_* TRULP+* *.trulp)</source>
        <translation>TRULP-Züge und -Puzzles (TRULP_* TRULP+* *.trulp)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/desktop.cpp" line="26"/>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/desktop.cpp" line="31"/>
        <source>TRULP: save moves</source>
        <translation>TRULP: Züge speichern</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/desktop.cpp" line="34"/>
        <source>TRULP: open moves file</source>
        <translation>TRULP: Zugdatei öffnen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/desktop.cpp" line="45"/>
        <source>Print to PDF file</source>
        <translation>In PDF-Datei drucken</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/desktop.cpp" line="46"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="191"/>
        <source>help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="140"/>
        <source>moves</source>
        <extracomment>Above the moves list.</extracomment>
        <translation>Züge</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="194"/>
        <source>play</source>
        <translation>spielen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="195"/>
        <source>replay</source>
        <translation>abspielen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="196"/>
        <source>search</source>
        <translation>suchen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="197"/>
        <source>reset</source>
        <translation>von vorn</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="200"/>
        <source>statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="198"/>
        <source>hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="199"/>
        <source>solve</source>
        <translation>lösen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="101"/>
        <source>the coach is counting the positions: %1</source>
        <extracomment>The coach works out every position of the puzzle; %1 so far.</extracomment>
        <translation>der Trainer zählt die Stellungen: %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="192"/>
        <source>undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="193"/>
        <source>redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="201"/>
        <source>next puzzle without a record</source>
        <translation>Nächstes Puzzle ohne Rekord</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="202"/>
        <source>copy the puzzle as text</source>
        <translation>Puzzle als Text kopieren</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="203"/>
        <source>paste a puzzle text</source>
        <translation>Puzzletext einfügen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="237"/>
        <source>full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="239"/>
        <source>quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="225"/>
        <source>%1 (%2)</source>
        <extracomment>A tool tip with its key: &quot;save moves (Ctrl+S)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>trulp::TargetView</name>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="16"/>
        <source>target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="25"/>
        <source>block X must stand on the two centre fields of the two bottom rows</source>
        <translation>Block X muss auf den beiden mittleren Feldern der beiden unteren Reihen stehen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="31"/>
        <source>%1 in column %2, row %3</source>
        <extracomment>Where a piece must stand, read aloud: &quot;X in column 2, row 4&quot;.</extracomment>
        <translation>%1 in Spalte %2, Reihe %3</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="37"/>
        <source>the goal: %1</source>
        <extracomment>The goal, read aloud: &quot;the goal: X in column 2, row 4&quot;.</extracomment>
        <translation>Ziel: %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="37"/>
        <source>; </source>
        <translation>; </translation>
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
