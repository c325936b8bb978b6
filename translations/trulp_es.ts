<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>PrintPage</name>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="34"/>
        <source>TRULP puzzle</source>
        <translation>TRULP – rompecabezas</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="35"/>
        <source>start position</source>
        <translation>posición inicial</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="36"/>
        <source>final position</source>
        <translation>posición final</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="37"/>
        <source>moves</source>
        <translation>movimientos</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="124"/>
        <source>TRULP puzzle: %1</source>
        <extracomment>The printed page&apos;s title for a puzzle other than the classic.</extracomment>
        <translation>TRULP – rompecabezas: %1</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="28"/>
        <source>TRULP puzzle</source>
        <extracomment>The name a printed page goes by in the printer&apos;s queue.</extracomment>
        <translation>TRULP – rompecabezas</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="38"/>
        <source>TRULP puzzle.pdf</source>
        <extracomment>The file a page is printed to when there is no printer; keep &quot;.pdf&quot;.</extracomment>
        <translation>rompecabezas TRULP.pdf</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="55"/>
        <source>The print job could not be started on %1.</source>
        <extracomment>%1 the printer or the file.</extracomment>
        <translation>No se ha podido iniciar la impresión en %1.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="83"/>
        <source>Printer setup</source>
        <translation>Configurar impresora</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="87"/>
        <source>a PDF file</source>
        <extracomment>In the printer setup: the page goes to a PDF file, asked for at printing.</extracomment>
        <translation>un archivo PDF</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="93"/>
        <source>page...</source>
        <translation>página...</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="100"/>
        <source>choose</source>
        <extracomment>The printer setup&apos;s button: it chooses the printer, it does not print.</extracomment>
        <translation>elegir</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="105"/>
        <source>print to</source>
        <extracomment>In the printer setup: where a printed page goes.</extracomment>
        <translation>imprimir en</translation>
    </message>
</context>
<context>
    <name>Puzzles</name>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="36"/>
        <location filename="../src/words/words.cpp" line="70"/>
        <source>moves</source>
        <translation>nº de movimientos</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="40"/>
        <source>the ten blocks</source>
        <extracomment>A pack of puzzles: the ten blocks of the classic from other starts.</extracomment>
        <translation>los diez bloques</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="42"/>
        <source>the classics</source>
        <extracomment>A pack of puzzles: the famous ones of the puzzle literature.</extracomment>
        <translation>los clásicos</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="44"/>
        <source>the large ones</source>
        <extracomment>A pack of puzzles: larger boards and long solutions.</extracomment>
        <translation>los grandes</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="47"/>
        <source>classic</source>
        <translation>clásico</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="47"/>
        <source>nearly</source>
        <translation>casi</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="48"/>
        <source>corners</source>
        <translation>esquinas</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="48"/>
        <source>lid</source>
        <translation>tapa</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="49"/>
        <source>sidestep</source>
        <translation>quiebro</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="49"/>
        <source>drift</source>
        <translation>deriva</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="50"/>
        <source>nudge</source>
        <translation>empujón</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="50"/>
        <source>fence</source>
        <translation>valla</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="51"/>
        <source>pillars</source>
        <translation>pilares</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="51"/>
        <source>stakes</source>
        <translation>estacas</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="52"/>
        <source>arch</source>
        <translation>arco</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="52"/>
        <source>cradle</source>
        <translation>cuna</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="53"/>
        <source>throne</source>
        <translation>trono</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="53"/>
        <source>tower</source>
        <translation>torre</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="54"/>
        <source>palisade</source>
        <translation>empalizada</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="54"/>
        <source>keep</source>
        <translation>torreón</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="55"/>
        <source>detour</source>
        <translation>desvío</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="55"/>
        <source>crooked</source>
        <translation>torcido</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="56"/>
        <source>leaning</source>
        <translation>inclinado</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="56"/>
        <source>tangle</source>
        <translation>maraña</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="57"/>
        <source>attic</source>
        <translation>desván</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="57"/>
        <source>lopsided</source>
        <translation>ladeado</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="58"/>
        <source>colonnade</source>
        <translation>columnata</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="58"/>
        <source>sentries</source>
        <translation>centinelas</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="59"/>
        <source>guards</source>
        <translation>guardias</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="59"/>
        <source>ladder</source>
        <translation>escalera</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="60"/>
        <source>shelf</source>
        <translation>estante</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="60"/>
        <source>gate</source>
        <translation>portón</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="61"/>
        <source>lantern</source>
        <translation>farol</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="61"/>
        <source>fallen</source>
        <translation>caído</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="62"/>
        <source>crown</source>
        <translation>corona</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="62"/>
        <source>hourglass</source>
        <translation>reloj de arena</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="63"/>
        <source>fortress</source>
        <translation>fortaleza</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="63"/>
        <source>citadel</source>
        <translation>ciudadela</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="64"/>
        <source>twin</source>
        <translation>gemelo</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="64"/>
        <source>soldiers</source>
        <translation>soldados</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="65"/>
        <source>barracks</source>
        <translation>cuartel</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="65"/>
        <source>garrison</source>
        <translation>guarnición</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="66"/>
        <source>labyrinth</source>
        <translation>laberinto</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="66"/>
        <source>summit</source>
        <translation>cumbre</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="67"/>
        <source>nadir</source>
        <translation>nadir</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="67"/>
        <source>zenith</source>
        <translation>cenit</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="68"/>
        <source>your own</source>
        <translation>el tuyo</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="68"/>
        <source>easy</source>
        <translation>fácil</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="69"/>
        <source>medium</source>
        <translation>medio</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="69"/>
        <source>hard</source>
        <translation>difícil</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="76"/>
        <source>The Angelica Puzzle</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>El rompecabezas Angelica</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="78"/>
        <source>1931, eight counters into the order ANGELICA, here A to H. Shortest solution 30 moves.</source>
        <extracomment>The note of the puzzle The Angelica Puzzle: keep the numbers and the kind of count.</extracomment>
        <translation>1931, ocho fichas que hay que ordenar como ANGELICA, aquí de la A a la H. Solución más corta: 30 movimientos.</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="81"/>
        <source>Bandaged Fifteen</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Quince vendado</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="83"/>
        <source>2011, a fifteen-puzzle tray with pieces glued together. Shortest solution 131 piece moves (179 moves).</source>
        <extracomment>The note of the puzzle Bandaged Fifteen: keep the numbers and the kind of count.</extracomment>
        <translation>2011, una caja del juego del 15 con piezas pegadas entre sí. Solución más corta: 131 movimientos de pieza (179 movimientos).</translation>
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
        <translation>1975, mostrado en Winning Ways con el bloque central desplazado media casilla fuera de la cuadrícula, aquí colocado sobre ella. Solución más corta: 99 movimientos de pieza (131 movimientos).</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="91"/>
        <source>Dad&apos;s Puzzle</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>El rompecabezas de papá</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="93"/>
        <source>1909, the Pennant Puzzle, sold from 1926 as Dad&apos;s Puzzler. Big square from the upper left to the lower left corner. Shortest solution 59 piece moves (83 moves).</source>
        <extracomment>The note of the puzzle Dad&apos;s Puzzle: keep the numbers and the kind of count.</extracomment>
        <translation>1909, el Pennant Puzzle, vendido desde 1926 como Dad&apos;s Puzzler. El cuadrado grande, de la esquina superior izquierda a la inferior izquierda. Solución más corta: 59 movimientos de pieza (83 movimientos).</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="96"/>
        <source>The Eight Engines</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Las ocho locomotoras</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="98"/>
        <source>1917, Amusements in Mathematics no. 221, engines 1 to 8 round a yard, drawn as the equivalent 3x3 tray. Shortest solution 17 moves.</source>
        <extracomment>The note of the puzzle The Eight Engines: keep the numbers and the kind of count.</extracomment>
        <translation>1917, Amusements in Mathematics n.º 221, locomotoras del 1 al 8 alrededor de un patio de maniobras, dibujado como la caja de 3x3 equivalente. Solución más corta: 17 movimientos.</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="101"/>
        <source>Eight Puzzle</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>El juego del 8</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="103"/>
        <source>Tiles A to H stand for 1 to 8, in one of the two starts farthest from order. Shortest solution 31 moves.</source>
        <extracomment>The note of the puzzle Eight Puzzle: keep the numbers and the kind of count.</extracomment>
        <translation>Las fichas de la A a la H valen del 1 al 8, en uno de los dos inicios más alejados del orden. Solución más corta: 31 movimientos.</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="106"/>
        <source>The Flanders Wheel</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>La rueda de Flandes</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="108"/>
        <source>1931, FLANDERS round a wheel, drawn as the equivalent 3x3 tray. Shortest solution 28 moves.</source>
        <extracomment>The note of the puzzle The Flanders Wheel: keep the numbers and the kind of count.</extracomment>
        <translation>1931, FLANDERS alrededor de una rueda, dibujada como la caja de 3x3 equivalente. Solución más corta: 28 movimientos.</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="111"/>
        <source>The Four Frogs</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Las cuatro ranas</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="113"/>
        <source>1917, Amusements in Mathematics no. 341, Guarini&apos;s knight swap of 1512 drawn as Dudeney&apos;s ring of toadstools. Shortest solution 7 piece moves (16 moves).</source>
        <extracomment>The note of the puzzle The Four Frogs: keep the numbers and the kind of count.</extracomment>
        <translation>1917, Amusements in Mathematics n.º 341, el intercambio de caballos de Guarini de 1512, dibujado como el corro de setas de Dudeney. Solución más corta: 7 movimientos de pieza (16 movimientos).</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="116"/>
        <source>The Letter Block Puzzle</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Los bloques con letras</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="118"/>
        <source>1917, Amusements in Mathematics no. 219. Put the blocks in order, A to H. Shortest solution 23 moves.</source>
        <extracomment>The note of the puzzle The Letter Block Puzzle: keep the numbers and the kind of count.</extracomment>
        <translation>1917, Amusements in Mathematics n.º 219. Ordena los bloques de la A a la H. Solución más corta: 23 movimientos.</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="121"/>
        <source>A Lodging-House Difficulty</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Un apuro en la pensión</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="123"/>
        <source>1917, Amusements in Mathematics no. 220. Swap the piano X and the bookcase Y, one piece to a room. Shortest solution 17 moves.</source>
        <extracomment>The note of the puzzle A Lodging-House Difficulty: keep the numbers and the kind of count.</extracomment>
        <translation>1917, Amusements in Mathematics n.º 220. Intercambia el piano X y la librería Y, una pieza por habitación. Solución más corta: 17 movimientos.</translation>
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
        <translation>2004, las piezas de Quzzle reordenadas. El cuadrado grande a la esquina superior derecha. Solución más corta: 90 movimientos de pieza (121 movimientos).</translation>
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
        <translation>2004, diseñado por ordenador. El cuadrado grande a la esquina superior derecha. Solución más corta: 84 movimientos de pieza (115 movimientos).</translation>
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
        <translation>2004, las piezas de Century. Solución más corta: 138 movimientos de pieza (179 movimientos).</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="141"/>
        <source>Ma&apos;s Puzzle, Wide</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>El rompecabezas de mamá, ancho</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="143"/>
        <source>1986, join the two L&apos;s into a lying block in the top right corner. Shortest solution 37 piece moves (60 moves).</source>
        <extracomment>The note of the puzzle Ma&apos;s Puzzle, Wide: keep the numbers and the kind of count.</extracomment>
        <translation>1986, une las dos L en un bloque tumbado en la esquina superior derecha. Solución más corta: 37 movimientos de pieza (60 movimientos).</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="146"/>
        <source>Ma&apos;s Puzzle</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>El rompecabezas de mamá</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="148"/>
        <source>1927, join the two L&apos;s into an upright block in the top right corner. Shortest solution 23 piece moves (36 moves).</source>
        <extracomment>The note of the puzzle Ma&apos;s Puzzle: keep the numbers and the kind of count.</extracomment>
        <translation>1927, une las dos L en un bloque vertical en la esquina superior derecha. Solución más corta: 23 movimientos de pieza (36 movimientos).</translation>
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
        <translation>número de movimientos</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="411"/>
        <source>time (secs.)</source>
        <translation>tiempo (s)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="412"/>
        <source>trial moves</source>
        <translation>movimientos de prueba</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="413"/>
        <source>Forward history buffer length</source>
        <translation>Tamaño del búfer «adelante»</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="414"/>
        <source>Backward buffer hits</source>
        <translation>Coincidencias en el búfer «atrás»</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="415"/>
        <source>Forward buffer hits</source>
        <translation>Coincidencias en el búfer «adelante»</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="416"/>
        <source>piece moves</source>
        <comment>a game&apos;s moves, a piece&apos;s moves one after another counted once</comment>
        <translation>movimientos de pieza</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="417"/>
        <source>moves by the coach</source>
        <comment>of the game&apos;s moves, those a hint or a solve made</comment>
        <translation>movimientos del entrenador</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="418"/>
        <source>time played</source>
        <comment>the game&apos;s time, without the time hidden or solving</comment>
        <translation>tiempo de juego</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="419"/>
        <source>to the goal</source>
        <comment>moves / piece moves still to go from the board</comment>
        <translation>hasta la meta</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="420"/>
        <source>your best</source>
        <comment>the fewest moves / piece moves of a solve without help</comment>
        <translation>tu récord</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="40"/>
        <source>TRULP statistics</source>
        <translation>TRULP – estadísticas</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="70"/>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>ningún rompecabezas se llama &apos;%1&apos; (ver --puzzles)</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="87"/>
        <source>--start &apos;%1&apos;: %2</source>
        <translation>--start &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="101"/>
        <source>standard input</source>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="108"/>
        <location filename="../src/cli/options.cpp" line="77"/>
        <source>--max-move must be a whole number from %1 to %2, not &apos;%3&apos;</source>
        <translation>--max-move debe ser un número entero de %1 a %2, no &apos;%3&apos;</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="151"/>
        <source>cannot write the list</source>
        <translation>no se puede escribir la lista</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="212"/>
        <source>cannot save: the line from the start would have %1 moves, and a moves file holds at most %2</source>
        <translation>no se puede guardar: la secuencia desde el inicio tendría %1 movimientos, y un archivo de movimientos admite como máximo %2</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="227"/>
        <source>cannot write the report</source>
        <translation>no se puede escribir el informe</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="28"/>
        <source>unexpected argument &apos;%1&apos; (see --help)</source>
        <translation>argumento inesperado &apos;%1&apos; (ver --help)</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="32"/>
        <source>%1 is given twice</source>
        <translation>%1 aparece dos veces</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="42"/>
        <source>unknown option &apos;%1&apos; (see --help)</source>
        <translation>opción desconocida &apos;%1&apos; (ver --help)</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="47"/>
        <source>%1 takes no value</source>
        <translation>%1 no admite ningún valor</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="65"/>
        <location filename="../src/cli/options.cpp" line="69"/>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="116"/>
        <source>--puzzle, --start and --puzzle-file do not go together</source>
        <translation>--puzzle, --start y --puzzle-file no van juntos</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="119"/>
        <source>--from carries its own puzzle: not with --puzzle, --start or --puzzle-file</source>
        <translation>--from trae su propio rompecabezas: no va con --puzzle, --start ni --puzzle-file</translation>
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
        <translation>Uso:
  trulp-solve [--puzzle NAME | --start POSITION | --puzzle-file FILE]
              [--max-move N] [--slice N] [--save FILE] [--json]
  trulp-solve --optimal [--puzzle NAME | --start POSITION | --puzzle-file FILE |
              --from FILE] [--save FILE] [--json]
  trulp-solve --puzzles [--json]
  trulp-solve --help | --version

Resuelve un rompecabezas de bloques deslizantes desde su inicio: el clásico,
otro de la colección, uno dado bloque a bloque o un archivo de rompecabezas.

  --max-move N  límite de movimientos de la búsqueda en profundidad, desde 100
                (por defecto 150); como máximo 200 para los diez bloques
                del clásico
  --slice N     movimientos registrados por paso de búsqueda, al menos 1
                (por defecto 10000); el resultado no depende de ello
  --optimal     secuencia más corta por búsqueda en anchura sobre todas las
                posiciones; también el mínimo de movimientos de pieza (seguir
                moviendo la misma pieza cuenta una sola vez)
  --puzzle NAME ese rompecabezas de la colección, por su nombre o su id
                (ver --puzzles)
  --puzzle-file FILE
                el rompecabezas de un archivo de rompecabezas; - lo lee de la
                entrada estándar
  --start POSITION
                la letra de cada bloque y la casilla (0-19, fila a fila) de su
                cuadro superior izquierdo, en el orden A X B C D E F G H I, como
                un solo argumento: &quot;A0 X1 B3 C8 D9 E11 F13 G14 H16 I19&quot; es el
                clásico
  --from FILE   con --optimal: empieza tras los movimientos de este archivo de
                movimientos, desde el inicio de su propio rompecabezas
  --save FILE   escribe la secuencia como archivo de movimientos llamado
                &quot;TRULP_ &quot; + el nombre de FILE, en el directorio de FILE; con
                --from, los movimientos del archivo van primero; un rompecabezas
                que no sea el clásico se guarda en el archivo
  --puzzles     lista la colección: nombre, tablero y secuencias más cortas en
                movimientos y en movimientos de pieza
  --json        escribe un único objeto JSON en lugar del informe
  --help        muestra esta ayuda
  --version     muestra la versión

Estado de salida: 0 resuelto, 1 sin solución, 2 uso o entrada incorrectos.
</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="87"/>
        <source>--slice must be a whole number from 1 to 2147483647, not &apos;%1&apos;</source>
        <translation>--slice debe ser un número entero de 1 a 2147483647, no &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="96"/>
        <source>--save needs a file name, not a directory: &apos;%1&apos;</source>
        <translation>--save necesita un nombre de archivo, no un directorio: &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="114"/>
        <source>--puzzles goes with --json alone</source>
        <translation>--puzzles solo va con --json</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="121"/>
        <source>--max-move does not go with --optimal</source>
        <translation>--max-move no va con --optimal</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="123"/>
        <source>--slice does not go with --optimal</source>
        <translation>--slice no va con --optimal</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="125"/>
        <source>--from only goes with --optimal</source>
        <translation>--from solo va con --optimal</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/report.cpp" line="63"/>
        <source>shortest line from the position after the %n moves of &apos;%1&apos;</source>
        <translation>
            <numerusform>secuencia más corta desde la posición tras el %n movimiento de &apos;%1&apos;</numerusform>
            <numerusform>secuencia más corta desde la posición tras los %n movimientos de &apos;%1&apos;</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="106"/>
        <source>result</source>
        <translation>resultado</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="107"/>
        <source>solved</source>
        <translation>resuelto</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="107"/>
        <source>no solution</source>
        <translation>sin solución</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="111"/>
        <source>positions reachable</source>
        <translation>posiciones alcanzables</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="45"/>
        <source>depth-first search from the start position, move limit %1</source>
        <translation>búsqueda en profundidad desde la posición inicial, límite de movimientos %1</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="47"/>
        <source>depth-first search from the start of puzzle &apos;%1&apos;, move limit %2</source>
        <translation>búsqueda en profundidad desde el inicio del rompecabezas &apos;%1&apos;, límite de movimientos %2</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="50"/>
        <source>depth-first search from the start %1, move limit %2</source>
        <translation>búsqueda en profundidad desde la posición inicial %1, límite de movimientos %2</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="56"/>
        <source>shortest line from the start position</source>
        <translation>secuencia más corta desde la posición inicial</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="58"/>
        <source>shortest line from the start of puzzle &apos;%1&apos;</source>
        <translation>secuencia más corta desde el inicio del rompecabezas &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="59"/>
        <source>shortest line from the start %1</source>
        <translation>secuencia más corta desde la posición inicial %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/report.cpp" line="67"/>
        <source>shortest line from the position after the %n moves of &apos;%1&apos; in puzzle &apos;%2&apos;</source>
        <translation>
            <numerusform>secuencia más corta desde la posición tras el %n movimiento de &apos;%1&apos; en el rompecabezas &apos;%2&apos;</numerusform>
            <numerusform>secuencia más corta desde la posición tras los %n movimientos de &apos;%1&apos; en el rompecabezas &apos;%2&apos;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/report.cpp" line="70"/>
        <source>shortest line from the position after the %n moves of &apos;%1&apos; from the start %2</source>
        <translation>
            <numerusform>secuencia más corta desde la posición tras el %n movimiento de &apos;%1&apos; desde la posición inicial %2</numerusform>
            <numerusform>secuencia más corta desde la posición tras los %n movimientos de &apos;%1&apos; desde la posición inicial %2</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="110"/>
        <source>fewest piece moves</source>
        <translation>mínimo de movimientos de pieza</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="125"/>
        <source>time</source>
        <extracomment>Seconds, as &quot;0.123 s&quot;.</extracomment>
        <translation>tiempo</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="125"/>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="140"/>
        <source>saved as: %1</source>
        <translation>guardado como: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="142"/>
        <source>nothing saved: no line was found</source>
        <translation>no se ha guardado nada: no se encontró ninguna secuencia</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="174"/>
        <source>id|name|board|moves|piece moves</source>
        <extracomment>The header of the collection&apos;s table: the columns are the id, the name, the board, shortest moves and piece moves.</extracomment>
        <translation>id|nombre|tamaño|movim.|mov. pieza</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <location filename="../src/words/words.cpp" line="22"/>
        <source>right</source>
        <extracomment>A direction in a hint and in the moves list read aloud: &quot;hint: H right&quot;.</extracomment>
        <translation>a la derecha</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="24"/>
        <source>up</source>
        <translation>hacia arriba</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="26"/>
        <source>left</source>
        <translation>a la izquierda</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="28"/>
        <source>down</source>
        <translation>hacia abajo</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="161"/>
        <source>by %1</source>
        <extracomment>Who made a puzzle, in its tool tip: a name as the puzzle file gives it.</extracomment>
        <translation>de %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="186"/>
        <source>STOP</source>
        <extracomment>GO&apos;s caption during a run: stops it. At most 6 letters.</extracomment>
        <translation>PARAR</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="189"/>
        <source>STEP</source>
        <extracomment>GO&apos;s caption in step mode: one move per press. At most 6 letters.</extracomment>
        <translation>PASO</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="192"/>
        <source>GO</source>
        <extracomment>The button that starts a search or a replay. At most 6 letters.</extracomment>
        <translation>VAMOS</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="203"/>
        <source>welcome at the TRULP puzzle. Select &quot;play&quot; or &quot;search&quot;...</source>
        <translation>bienvenido al rompecabezas TRULP. Elige «jugar» o «buscar»...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="205"/>
        <source>search for solution...</source>
        <translation>busca la solución...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="207"/>
        <source>show moves</source>
        <translation>mostrando los movimientos</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="209"/>
        <source>click GO to start search</source>
        <translation>haz clic en VAMOS para empezar la búsqueda</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="211"/>
        <source>find solutions...</source>
        <translation>encuentra soluciones...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="213"/>
        <source>find solution...</source>
        <translation>encuentra la solución...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="215"/>
        <source>list is full</source>
        <translation>la lista está llena</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="217"/>
        <source>moves list is full</source>
        <translation>la lista de movimientos está llena</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="219"/>
        <source>SOLUTION FOUND ...congratulations !</source>
        <translation>SOLUCIÓN ENCONTRADA ...¡enhorabuena!</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="221"/>
        <source>solution reached</source>
        <translation>solución alcanzada</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="224"/>
        <source>move %1</source>
        <extracomment>Replay and take-back: the number of the move shown.</extracomment>
        <translation>movimiento %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="226"/>
        <source>end of list</source>
        <translation>fin de la lista</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="229"/>
        <source>hint: %1 %2 (%n to go)</source>
        <extracomment>%1 a block&apos;s letter, %2 a direction, %n the moves to the goal.</extracomment>
        <translation>
            <numerusform>pista: %1 %2 (falta %n)</numerusform>
            <numerusform>pista: %1 %2 (faltan %n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="232"/>
        <source>%n to go</source>
        <translation>
            <numerusform>falta %n</numerusform>
            <numerusform>faltan %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="234"/>
        <source>solving... %n to go</source>
        <translation>
            <numerusform>resolviendo... falta %n</numerusform>
            <numerusform>resolviendo... faltan %n</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="236"/>
        <source>pause</source>
        <translation>pausa</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="239"/>
        <source>pause: GO goes on</source>
        <extracomment>The coach&apos;s solve was stopped; GO, Space or Return let it go on.</extracomment>
        <translation>pausa: VAMOS para continuar</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="242"/>
        <source>computer searching...move: %1</source>
        <extracomment>%1 the trial moves of the search so far.</extracomment>
        <translation>el ordenador está buscando... movimiento: %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="244"/>
        <source>puzzle solved.  (see statistics)</source>
        <translation>rompecabezas resuelto. (ver estadísticas)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="246"/>
        <source>no solution found</source>
        <translation>no se ha encontrado ninguna solución</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="249"/>
        <source>puzzle saved as: %1</source>
        <extracomment>%1 the name the moves file was saved as.</extracomment>
        <translation>rompecabezas guardado como: %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="252"/>
        <source>puzzle %1 opened</source>
        <extracomment>%1 the name stored in the moves file.</extracomment>
        <translation>rompecabezas %1 abierto</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="254"/>
        <source>read error</source>
        <translation>error de lectura</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="256"/>
        <source>wrong file</source>
        <translation>archivo incorrecto</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="259"/>
        <source>puzzle send to printer</source>
        <translation>rompecabezas enviado a la impresora</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="261"/>
        <source>page written to %1</source>
        <extracomment>%1 the PDF file the page was written to.</extracomment>
        <translation>página guardada en %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="264"/>
        <source>puzzle %1: shortest solution %n moves</source>
        <extracomment>%1 the puzzle&apos;s name, %n the moves of its shortest solution.</extracomment>
        <translation>
            <numerusform>rompecabezas %1: solución más corta de %n movimiento</numerusform>
            <numerusform>rompecabezas %1: solución más corta de %n movimientos</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="266"/>
        <source>drag the blocks where you want them</source>
        <translation>arrastra los bloques adonde quieras</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="268"/>
        <source>no way to the goal</source>
        <translation>no hay camino a la meta</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="270"/>
        <source>block X is on the goal already</source>
        <translation>el bloque X ya está en la meta</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="272"/>
        <source>no room there</source>
        <translation>ahí no hay sitio</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="275"/>
        <source>new record: %n moves (shortest %1)</source>
        <extracomment>%n the moves of the new record, %1 the shortest solution&apos;s.</extracomment>
        <translation>
            <numerusform>nuevo récord: %n movimiento (mínimo %1)</numerusform>
            <numerusform>nuevo récord: %n movimientos (mínimo %1)</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="298"/>
        <source>moves cleared: %1 brings them back</source>
        <extracomment>Beside the message, when a reset, a mode, a puzzle or a file threw the moves list away. %1 the undo key, as the desktop writes it.</extracomment>
        <translation>movimientos borrados: %1 los recupera</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="301"/>
        <source>next: %1 (%2)</source>
        <extracomment>After the goal, beside the message: the next puzzle without a record. %2 its key.</extracomment>
        <translation>siguiente: %1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="306"/>
        <source>the search is running: STOP first</source>
        <extracomment>Beside the message: an input refused while the search runs.</extracomment>
        <translation>la búsqueda está en marcha: primero pulsa PARAR</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="308"/>
        <source>the replay is running: STOP first</source>
        <translation>la repetición está en marcha: primero pulsa PARAR</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="311"/>
        <source>the coach is solving: GO stops it first</source>
        <extracomment>GO stops the coach&apos;s solve.</extracomment>
        <translation>el entrenador está resolviendo: primero páralo con VAMOS</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="314"/>
        <source>puzzle %1 copied as text</source>
        <extracomment>%1 the puzzle&apos;s name.</extracomment>
        <translation>rompecabezas %1 copiado como texto</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="319"/>
        <source>puzzle %1</source>
        <extracomment>A puzzle chosen whose shortest solution the coach is still working out.</extracomment>
        <translation>rompecabezas %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="322"/>
        <source>your game of %1 is back</source>
        <extracomment>At start, when the game of the last run is back on the board.</extracomment>
        <translation>se ha recuperado tu partida de %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="324"/>
        <source>not a puzzle: the file is not a text</source>
        <translation>no es un rompecabezas: el archivo no es de texto</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="326"/>
        <source>not a puzzle: a puzzle text has at most %n bytes</source>
        <translation>
            <numerusform>no es un rompecabezas: un texto de rompecabezas tiene como máximo %n byte</numerusform>
            <numerusform>no es un rompecabezas: un texto de rompecabezas tiene como máximo %n bytes</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="329"/>
        <source>line 1: a puzzle text begins with the line &apos;%1&apos;</source>
        <extracomment>%1 the line a puzzle text must begin with.</extracomment>
        <translation>línea 1: un texto de rompecabezas empieza con la línea «%1»</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="331"/>
        <source>line %1: unknown key &apos;%2&apos; (name, by and note are known)</source>
        <translation>línea %1: clave desconocida «%2» (se conocen name, by y note)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="333"/>
        <source>the puzzle has no &apos;name:&apos; line</source>
        <translation>el rompecabezas no tiene línea «name:»</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="335"/>
        <source>the puzzle has no &apos;start:&apos; map</source>
        <translation>el rompecabezas no tiene mapa «start:»</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="337"/>
        <source>the puzzle has no &apos;goal:&apos; map</source>
        <translation>el rompecabezas no tiene mapa «goal:»</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="339"/>
        <source>line %1: not a key line and not in a map</source>
        <translation>línea %1: no es una línea de clave ni está en un mapa</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="342"/>
        <source>line %1: a row of %2 fields, the first row has %3</source>
        <extracomment>%2 the fields of this row, %3 those of the first row.</extracomment>
        <translation>línea %1: una fila de %2 casillas; la primera fila tiene %3</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="344"/>
        <source>the goal map has %1 rows, the start map %2</source>
        <translation>el mapa de la meta tiene %1 filas y el de inicio, %2</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="346"/>
        <source>a board of %1 by %2 fields: each side must be 2 to 10 fields</source>
        <translation>un tablero de %1 por %2 casillas: cada lado debe tener de 2 a 10 casillas</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="349"/>
        <source>line %1: &apos;%2&apos; is no field (. free, # wall, A to Z a piece)</source>
        <extracomment>%2 a character that means nothing in a start map.</extracomment>
        <translation>línea %1: «%2» no es una casilla (. libre, # pared, A a Z una pieza)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="351"/>
        <source>line %1: one space at most between two fields</source>
        <translation>línea %1: como máximo un espacio entre dos casillas</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="353"/>
        <source>line %1: piece %2 is in two parts</source>
        <translation>línea %1: la pieza %2 está partida en dos</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="355"/>
        <source>line %1: piece %2 has %3 fields, at most 9 are allowed</source>
        <translation>línea %1: la pieza %2 tiene %3 casillas; se permiten 9 como máximo</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="360"/>
        <source>the start has no free field</source>
        <translation>el inicio no tiene ninguna casilla libre</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="362"/>
        <source>line %1: the goal of piece %2 does not have its shape</source>
        <translation>línea %1: la meta de la pieza %2 no tiene su forma</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="366"/>
        <source>line %1: the goal of piece %2 is on a wall</source>
        <translation>línea %1: la meta de la pieza %2 está sobre una pared</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="368"/>
        <source>line %1: the goal names piece %2, which the start does not have</source>
        <translation>línea %1: la meta nombra la pieza %2, que no está en el inicio</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="372"/>
        <source>the goal names no piece</source>
        <translation>la meta no nombra ninguna pieza</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="374"/>
        <source>the goal is met at the start already</source>
        <translation>la meta ya se cumple en el inicio</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="377"/>
        <source>line %1: &apos;%2&apos; is no move (a piece&apos;s letter and R, U, L or D)</source>
        <extracomment>A moves list of a game file: %2 what stands there instead of a letter and R, U, L or D.</extracomment>
        <translation>línea %1: «%2» no es un movimiento (letra de una pieza y R, U, L o D)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="379"/>
        <source>move %1 cannot be made from the start</source>
        <translation>el movimiento %1 no se puede hacer desde el inicio</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="381"/>
        <source>more moves than a list holds (%1)</source>
        <translation>más movimientos de los que caben en una lista (%1)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="384"/>
        <source>cannot open &apos;%1&apos;: %2</source>
        <extracomment>%1 a file, %2 the system&apos;s reason.</extracomment>
        <translation>no se puede abrir «%1»: %2</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="386"/>
        <source>&apos;%1&apos; is not a file that can be opened</source>
        <translation>«%1» no es un archivo que se pueda abrir</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="388"/>
        <source>cannot read &apos;%1&apos;: %2</source>
        <translation>no se puede leer «%1»: %2</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="390"/>
        <source>cannot write in &apos;%1&apos;: %2</source>
        <translation>no se puede escribir en «%1»: %2</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="392"/>
        <source>cannot save &apos;%1&apos;: %2</source>
        <translation>no se puede guardar «%1»: %2</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="394"/>
        <source>&apos;%1&apos; is not a moves file: %n bytes instead of 250</source>
        <translation>
            <numerusform>«%1» no es un archivo de movimientos: %n byte en lugar de 250</numerusform>
            <numerusform>«%1» no es un archivo de movimientos: %n bytes en lugar de 250</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="397"/>
        <source>your records could not be read: the file is kept as %1</source>
        <extracomment>%1 where the damaged records file was put.</extracomment>
        <translation>no se han podido leer tus récords: el archivo se conserva como %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="399"/>
        <source>the game kept last time could not be read: it is kept as %1</source>
        <translation>no se ha podido leer la partida guardada la última vez: se conserva como %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="441"/>
        <source>the coach cannot know this puzzle: it has too many positions</source>
        <extracomment>The coach&apos;s tool tip and words for a puzzle it has no table for.</extracomment>
        <translation>el entrenador no puede conocer este rompecabezas: tiene demasiadas posiciones</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="277"/>
        <source>block %1 on field %2 does not fit on the board</source>
        <translation>el bloque %1 en la casilla %2 no cabe en el tablero</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="280"/>
        <source>block %1 on field %2 stands on a wall</source>
        <extracomment>A piece placed where the board has a wall.</extracomment>
        <translation>el bloque %1 en la casilla %2 está sobre una pared</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="282"/>
        <source>blocks %1 on field %2 and %3 on field %4 overlap</source>
        <translation>los bloques %1 en la casilla %2 y %3 en la casilla %4 se solapan</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="288"/>
        <source>a start names ten blocks in the order A X B C D E F G H I, each with its field, not %n tokens</source>
        <translation>
            <numerusform>una posición inicial indica diez bloques en el orden A X B C D E F G H I, cada uno con su casilla, no %n elemento</numerusform>
            <numerusform>una posición inicial indica diez bloques en el orden A X B C D E F G H I, cada uno con su casilla, no %n elementos</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="292"/>
        <source>block %1 of the start must be %2 (order A X B C D E F G H I), not &apos;%3&apos;</source>
        <translation>el bloque n.º %1 de la posición inicial debe ser %2 (orden A X B C D E F G H I), no «%3»</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="303"/>
        <source>&apos;%1&apos;: the field must be a number from 0 to 19</source>
        <translation>«%1»: la casilla debe ser un número del 0 al 19</translation>
    </message>
</context>
<context>
    <name>trulp::BoardView</name>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="20"/>
        <source>column %1</source>
        <translation>columna %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="21"/>
        <source>columns %1 to %2</source>
        <translation>columnas %1 a %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="24"/>
        <source>row %1</source>
        <translation>fila %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="25"/>
        <source>rows %1 to %2</source>
        <translation>filas %1 a %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="31"/>
        <source>board</source>
        <translation>tablero</translation>
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
        <translation>ayuda</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="29"/>
        <source>shift until</source>
        <extracomment>Beside the target, the first of three lines read together: &quot;shift until&quot; / &quot;block X&quot; / &quot;is here&quot;.</extracomment>
        <translation>lleva el</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="32"/>
        <location filename="../src/mainwindow/controlbar.cpp" line="187"/>
        <source>block X</source>
        <extracomment>The second of the three lines beside the target: &quot;shift until&quot; / &quot;block X&quot; / &quot;is here&quot;.</extracomment>
        <translation>bloque X</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="35"/>
        <location filename="../src/mainwindow/controlbar.cpp" line="203"/>
        <source>is here</source>
        <extracomment>The third of the three lines beside the target: &quot;shift until&quot; / &quot;block X&quot; / &quot;is here&quot;.</extracomment>
        <translation>aquí</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="38"/>
        <source>max.move</source>
        <extracomment>The move limit of the search, above its number. Short: about 9 letters.</extracomment>
        <translation>mov. máx.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="45"/>
        <source>raise the move limit</source>
        <translation>aumentar el límite de movimientos</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="46"/>
        <source>lower the move limit</source>
        <translation>reducir el límite de movimientos</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="56"/>
        <source>step</source>
        <extracomment>The check box for one move at a time. Short: about 6 letters.</extracomment>
        <translation>paso</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="64"/>
        <source>play</source>
        <extracomment>Mode button: the player moves the blocks. Short: about 8 letters.</extracomment>
        <translation>jugar</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="66"/>
        <source>find solutions yourself</source>
        <translation>encontrar soluciones por ti mismo</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="68"/>
        <source>replay</source>
        <extracomment>Mode button: the moves list played again. Short: about 8 letters.</extracomment>
        <translation>repetir</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="70"/>
        <source>replay moves</source>
        <translation>repetir los movimientos</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="72"/>
        <source>search</source>
        <extracomment>Mode button: the computer searches. Short: about 8 letters.</extracomment>
        <translation>buscar</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="74"/>
        <source>let computer search for solutions</source>
        <translation>dejar que el ordenador busque soluciones</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="82"/>
        <source>reset</source>
        <extracomment>Puts the blocks back at the start. Short: about 8 letters.</extracomment>
        <translation>reiniciar</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="85"/>
        <source>back</source>
        <extracomment>Takes the last move back. Short: about 7 letters.</extracomment>
        <translation>atrás</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="87"/>
        <source>take the last move back (Backspace)</source>
        <translation>deshacer el último movimiento (Retroceso)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="91"/>
        <source>statistics</source>
        <extracomment>Opens the search&apos;s statistics. Short: about 10 letters.</extracomment>
        <translation>estadísticas</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="97"/>
        <source>to go</source>
        <extracomment>Above the number of moves still needed to reach the goal.</extracomment>
        <translation>faltan</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="100"/>
        <source>moves to go</source>
        <translation>movimientos que faltan</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="102"/>
        <source>hint</source>
        <extracomment>The coach&apos;s hint. Short: about 8 letters.</extracomment>
        <translation>pista</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="105"/>
        <source>solve</source>
        <extracomment>The coach plays the rest of the way. Short: about 8 letters.</extracomment>
        <translation>resolver</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="111"/>
        <location filename="../src/mainwindow/controlbar.cpp" line="114"/>
        <source>puzzle</source>
        <extracomment>Above the name of the puzzle being played.</extracomment>
        <translation>rompecabezas</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="117"/>
        <source>play it</source>
        <extracomment>Ends setting up a puzzle and plays it. Short: about 8 letters.</extracomment>
        <translation>jugarlo</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="120"/>
        <source>play the position set up</source>
        <translation>jugar la posición preparada</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="122"/>
        <source>cancel</source>
        <extracomment>Gives up setting up a puzzle. Short: about 8 letters.</extracomment>
        <translation>cancelar</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="166"/>
        <source>show the best next move</source>
        <translation>mostrar el mejor movimiento siguiente</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="167"/>
        <source>play the shortest way to the goal</source>
        <translation>jugar el camino más corto hasta la meta</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="194"/>
        <source>block %1</source>
        <extracomment>Beside the target, the second line, for a puzzle whose goal names one piece: its letter.</extracomment>
        <translation>bloque %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="197"/>
        <source>blocks %1</source>
        <extracomment>The same for a goal of two pieces: &quot;X, Y&quot;.</extracomment>
        <translation>par %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="200"/>
        <source>the red blocks</source>
        <extracomment>The same for a goal of three pieces or more: they are drawn red.</extracomment>
        <translation>grupo rojo</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="203"/>
        <source>are here</source>
        <extracomment>The third line beside the target after &quot;blocks X, Y&quot; or &quot;the red blocks&quot;: &quot;shift until&quot; / &quot;blocks X, Y&quot; / &quot;are here&quot;.</extracomment>
        <translation>aquí</translation>
    </message>
</context>
<context>
    <name>trulp::GameChart</name>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="70"/>
        <source>%n moves, %1 to go, shortest possible %2, your best %3</source>
        <extracomment>%n moves made, %1 to go, %2 the shortest solution, %3 the player&apos;s record.</extracomment>
        <translation>
            <numerusform>%n movimiento, faltan %1, mínimo posible %2, tu récord %3</numerusform>
            <numerusform>%n movimientos, faltan %1, mínimo posible %2, tu récord %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="75"/>
        <source>%n moves, %1 to go, shortest possible %2</source>
        <translation>
            <numerusform>%n movimiento, faltan %1, mínimo posible %2</numerusform>
            <numerusform>%n movimientos, faltan %1, mínimo posible %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="79"/>
        <source>%n moves, shortest possible %1, your best %2</source>
        <translation>
            <numerusform>%n movimiento, mínimo posible %1, tu récord %2</numerusform>
            <numerusform>%n movimientos, mínimo posible %1, tu récord %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="82"/>
        <source>%n moves, shortest possible %1</source>
        <translation>
            <numerusform>%n movimiento, mínimo posible %1</numerusform>
            <numerusform>%n movimientos, mínimo posible %1</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="123"/>
        <location filename="../src/mainwindow/chart.cpp" line="157"/>
        <source>moves</source>
        <extracomment>The chart&apos;s axes: the moves made, and the moves still to go after each.
----------
The chart&apos;s line of the moves list, whoever made them.</extracomment>
        <translation>movimientos</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="123"/>
        <source>moves to go</source>
        <translation>movimientos restantes</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="158"/>
        <source>away from goal</source>
        <translation>alejándose de la meta</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="159"/>
        <source>hint or solve</source>
        <translation>pista o resolver</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="161"/>
        <source>piece moves</source>
        <extracomment>The chart&apos;s line of the piece moves still to go.</extracomment>
        <translation>movimientos de pieza</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="162"/>
        <source>shortest pace</source>
        <translation>ritmo ideal</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="163"/>
        <source>board now</source>
        <translation>posición actual</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="206"/>
        <source>TRULP game chart</source>
        <translation>TRULP – gráfico de la partida</translation>
    </message>
</context>
<context>
    <name>trulp::MovesPanel</name>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="50"/>
        <source>moves</source>
        <translation>movimientos</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="64"/>
        <source>move %1 of %2</source>
        <translation>movimiento %1 de %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="69"/>
        <source>move %1 of %2: %3 %4</source>
        <extracomment>The last move read aloud: &quot;move 3 of 5: H right&quot;.</extracomment>
        <translation>movimiento %1 de %2: %3 %4</translation>
    </message>
</context>
<context>
    <name>trulp::PuzzlesDialog</name>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="67"/>
        <source>shortest %1</source>
        <extracomment>The shortest lines of a puzzle: %1 as moves / piece moves.</extracomment>
        <translation>mínimo %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="70"/>
        <source>%1
not solved yet · %2</source>
        <extracomment>A puzzle not solved yet: its name, and its shortest lines.</extracomment>
        <translation>%1
aún sin resolver · %2</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="73"/>
        <source>✓ %1
solved %n times, with help · %2</source>
        <extracomment>A puzzle solved only with the coach&apos;s help: %n times.</extracomment>
        <translation>
            <numerusform>✓ %1
resuelto %n vez, con ayuda · %2</numerusform>
            <numerusform>✓ %1
resuelto %n veces, con ayuda · %2</numerusform>
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
tu récord %2 / %3 · %4
mejor tiempo %5 · resuelto %n vez</numerusform>
            <numerusform>%1
tu récord %2 / %3 · %4
mejor tiempo %5 · resuelto %n veces</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="89"/>
        <source>%1: %2 of %3 solved, %4 in the fewest moves</source>
        <extracomment>A pack&apos;s heading: %1 its name, %2 solved of %3, %4 of them in the fewest moves.</extracomment>
        <translation>%1: %2 de %3 resueltos, %4 con el mínimo de movimientos</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="104"/>
        <source>TRULP puzzles</source>
        <translation>TRULP – rompecabezas</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="111"/>
        <source>puzzles</source>
        <translation>rompecabezas</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="116"/>
        <source>unsolved first</source>
        <extracomment>Sorts each pack with the puzzles not solved yet at its top.</extracomment>
        <translation>primero los no resueltos</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="119"/>
        <source>play</source>
        <translation>jugar</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="129"/>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="146"/>
        <source>new puzzle</source>
        <translation>nuevo rompecabezas</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="134"/>
        <source>difficulty</source>
        <translation>dificultad</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="136"/>
        <source>moves to the goal</source>
        <translation>movimientos hasta la meta</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="143"/>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="152"/>
        <source>seed</source>
        <translation>semilla</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="156"/>
        <source>set up your own</source>
        <translation>crea el tuyo</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="162"/>
        <source>close</source>
        <translation>cerrar</translation>
    </message>
</context>
<context>
    <name>trulp::TForm1</name>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="76"/>
        <source>TRULP puzzel</source>
        <extracomment>The main window&apos;s title.</extracomment>
        <translation>TRULP – rompecabezas</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/desktop.cpp" line="24"/>
        <source>TRULP moves and puzzles (TRULP_* TRULP+* *.trulp)</source>
        <translation>Movimientos y rompecabezas de TRULP (TRULP_* TRULP+* *.trulp)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/desktop.cpp" line="26"/>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/desktop.cpp" line="31"/>
        <source>TRULP: save moves</source>
        <translation>TRULP – guardar movimientos</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/desktop.cpp" line="34"/>
        <source>TRULP: open moves file</source>
        <translation>TRULP – abrir archivo de movimientos</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/desktop.cpp" line="45"/>
        <source>Print to PDF file</source>
        <translation>Imprimir en archivo PDF</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/desktop.cpp" line="46"/>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="191"/>
        <source>help</source>
        <translation>ayuda</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="140"/>
        <source>moves</source>
        <extracomment>Above the moves list.</extracomment>
        <translation>movim.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="194"/>
        <source>play</source>
        <translation>jugar</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="195"/>
        <source>replay</source>
        <translation>repetir</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="196"/>
        <source>search</source>
        <translation>buscar</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="197"/>
        <source>reset</source>
        <translation>reiniciar</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="200"/>
        <source>statistics</source>
        <translation>estadísticas</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="198"/>
        <source>hint</source>
        <translation>pista</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="199"/>
        <source>solve</source>
        <translation>resolver</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="101"/>
        <source>the coach is counting the positions: %1</source>
        <extracomment>The coach works out every position of the puzzle; %1 so far.</extracomment>
        <translation>el entrenador está contando las posiciones: %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="192"/>
        <source>undo</source>
        <translation>deshacer</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="193"/>
        <source>redo</source>
        <translation>rehacer</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="201"/>
        <source>next puzzle without a record</source>
        <translation>siguiente rompecabezas sin récord</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="202"/>
        <source>copy the puzzle as text</source>
        <translation>copiar el rompecabezas como texto</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="203"/>
        <source>paste a puzzle text</source>
        <translation>pegar un texto de rompecabezas</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="237"/>
        <source>full screen</source>
        <translation>pantalla completa</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="239"/>
        <source>quit</source>
        <translation>salir</translation>
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
        <translation>objetivo</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="25"/>
        <source>block X must stand on the two centre fields of the two bottom rows</source>
        <translation>el bloque X debe ocupar las dos casillas centrales de las dos filas inferiores</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="31"/>
        <source>%1 in column %2, row %3</source>
        <extracomment>Where a piece must stand, read aloud: &quot;X in column 2, row 4&quot;.</extracomment>
        <translation>%1 en la columna %2, fila %3</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="37"/>
        <source>the goal: %1</source>
        <extracomment>The goal, read aloud: &quot;the goal: X in column 2, row 4&quot;.</extracomment>
        <translation>la meta: %1</translation>
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
        <translation>TRULP – ayuda</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="72"/>
        <source>page</source>
        <translation>página</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="73"/>
        <source>UP</source>
        <translation>ARRIBA</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="74"/>
        <source>DOWN</source>
        <translation>ABAJO</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="75"/>
        <source>&lt;ECS&gt; close page</source>
        <translation>&lt;Esc&gt; cerrar</translation>
    </message>
</context>
<context>
    <name>trulp::ToolBar</name>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="19"/>
        <source>open</source>
        <translation>abrir</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="19"/>
        <source>open moves file</source>
        <translation>abrir archivo de movimientos</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="20"/>
        <source>save</source>
        <translation>guardar</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="20"/>
        <source>save moves</source>
        <translation>guardar movimientos</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="21"/>
        <source>print</source>
        <translation>imprimir</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="22"/>
        <source>printer setup</source>
        <translation>configurar impresora</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="23"/>
        <source>game chart</source>
        <translation>gráfico de la partida</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="24"/>
        <source>puzzles</source>
        <translation>rompecabezas</translation>
    </message>
</context>
</TS>
