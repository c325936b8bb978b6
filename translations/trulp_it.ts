<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>PrintPage</name>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="34"/>
        <source>TRULP puzzle</source>
        <translation>TRULP – rompicapo</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="35"/>
        <source>start position</source>
        <translation>posizione di partenza</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="36"/>
        <source>final position</source>
        <translation>posizione finale</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="37"/>
        <source>moves</source>
        <translation>mosse</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="124"/>
        <source>TRULP puzzle: %1</source>
        <extracomment>The printed page&apos;s title for a puzzle other than the classic.</extracomment>
        <translation>TRULP – rompicapo: %1</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="28"/>
        <source>TRULP puzzle</source>
        <extracomment>The name a printed page goes by in the printer&apos;s queue.</extracomment>
        <translation>TRULP – rompicapo</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="38"/>
        <source>TRULP puzzle.pdf</source>
        <extracomment>The file a page is printed to when there is no printer; keep &quot;.pdf&quot;.</extracomment>
        <translation>Rompicapo TRULP.pdf</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="55"/>
        <source>The print job could not be started on %1.</source>
        <extracomment>%1 the printer or the file.</extracomment>
        <translation>Impossibile avviare la stampa su %1.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="83"/>
        <source>Printer setup</source>
        <translation>Impostazioni stampante</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="87"/>
        <source>a PDF file</source>
        <extracomment>In the printer setup: the page goes to a PDF file, asked for at printing.</extracomment>
        <translation>un file PDF</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="93"/>
        <source>page...</source>
        <translation>imposta pagina...</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="100"/>
        <source>choose</source>
        <extracomment>The printer setup&apos;s button: it chooses the printer, it does not print.</extracomment>
        <translation>scegli</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="105"/>
        <source>print to</source>
        <extracomment>In the printer setup: where a printed page goes.</extracomment>
        <translation>stampa su</translation>
    </message>
</context>
<context>
    <name>Puzzles</name>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="36"/>
        <location filename="../src/words/words.cpp" line="70"/>
        <source>moves</source>
        <translation>numero di mosse</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="40"/>
        <source>the ten blocks</source>
        <extracomment>A pack of puzzles: the ten blocks of the classic from other starts.</extracomment>
        <translation>i dieci blocchi</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="42"/>
        <source>the classics</source>
        <extracomment>A pack of puzzles: the famous ones of the puzzle literature.</extracomment>
        <translation>i classici</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="44"/>
        <source>the large ones</source>
        <extracomment>A pack of puzzles: larger boards and long solutions.</extracomment>
        <translation>i grandi</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="47"/>
        <source>classic</source>
        <translation>classico</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="47"/>
        <source>nearly</source>
        <translation>quasi</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="48"/>
        <source>corners</source>
        <translation>angoli</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="48"/>
        <source>lid</source>
        <translation>coperchio</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="49"/>
        <source>sidestep</source>
        <translation>scarto</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="49"/>
        <source>drift</source>
        <translation>deriva</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="50"/>
        <source>nudge</source>
        <translation>spinta</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="50"/>
        <source>fence</source>
        <translation>steccato</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="51"/>
        <source>pillars</source>
        <translation>pilastri</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="51"/>
        <source>stakes</source>
        <translation>paletti</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="52"/>
        <source>arch</source>
        <translation>arco</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="52"/>
        <source>cradle</source>
        <translation>culla</translation>
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
        <translation>palizzata</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="54"/>
        <source>keep</source>
        <translation>mastio</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="55"/>
        <source>detour</source>
        <translation>deviazione</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="55"/>
        <source>crooked</source>
        <translation>storto</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="56"/>
        <source>leaning</source>
        <translation>pendente</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="56"/>
        <source>tangle</source>
        <translation>groviglio</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="57"/>
        <source>attic</source>
        <translation>soffitta</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="57"/>
        <source>lopsided</source>
        <translation>sbilenco</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="58"/>
        <source>colonnade</source>
        <translation>colonnato</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="58"/>
        <source>sentries</source>
        <translation>sentinelle</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="59"/>
        <source>guards</source>
        <translation>guardie</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="59"/>
        <source>ladder</source>
        <translation>scala</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="60"/>
        <source>shelf</source>
        <translation>mensola</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="60"/>
        <source>gate</source>
        <translation>cancello</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="61"/>
        <source>lantern</source>
        <translation>lanterna</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="61"/>
        <source>fallen</source>
        <translation>caduto</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="62"/>
        <source>crown</source>
        <translation>corona</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="62"/>
        <source>hourglass</source>
        <translation>clessidra</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="63"/>
        <source>fortress</source>
        <translation>fortezza</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="63"/>
        <source>citadel</source>
        <translation>cittadella</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="64"/>
        <source>twin</source>
        <translation>gemello</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="64"/>
        <source>soldiers</source>
        <translation>soldati</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="65"/>
        <source>barracks</source>
        <translation>caserma</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="65"/>
        <source>garrison</source>
        <translation>guarnigione</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="66"/>
        <source>labyrinth</source>
        <translation>labirinto</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="66"/>
        <source>summit</source>
        <translation>vetta</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="67"/>
        <source>nadir</source>
        <translation>nadir</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="67"/>
        <source>zenith</source>
        <translation>zenit</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="68"/>
        <source>your own</source>
        <translation>il tuo</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="68"/>
        <source>easy</source>
        <translation>facile</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="69"/>
        <source>medium</source>
        <translation>medio</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="69"/>
        <source>hard</source>
        <translation>difficile</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="76"/>
        <source>The Angelica Puzzle</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Il rompicapo Angelica</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="78"/>
        <source>1931, eight counters into the order ANGELICA, here A to H. Shortest solution 30 moves.</source>
        <extracomment>The note of the puzzle The Angelica Puzzle: keep the numbers and the kind of count.</extracomment>
        <translation>1931, otto pedine da mettere nell&apos;ordine ANGELICA, qui da A a H. Soluzione più breve: 30 mosse.</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="81"/>
        <source>Bandaged Fifteen</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Quindici incollato</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="83"/>
        <source>2011, a fifteen-puzzle tray with pieces glued together. Shortest solution 131 piece moves (179 moves).</source>
        <extracomment>The note of the puzzle Bandaged Fifteen: keep the numbers and the kind of count.</extracomment>
        <translation>2011, un telaio del gioco del quindici con pezzi incollati tra loro. Soluzione più breve: 131 movimenti (179 mosse).</translation>
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
        <translation>1975, mostrato in Winning Ways con il blocco centrale spostato di mezza casella fuori dalla griglia, qui posato su di essa. Soluzione più breve: 99 movimenti (131 mosse).</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="91"/>
        <source>Dad&apos;s Puzzle</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Rompicapo di papà</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="93"/>
        <source>1909, the Pennant Puzzle, sold from 1926 as Dad&apos;s Puzzler. Big square from the upper left to the lower left corner. Shortest solution 59 piece moves (83 moves).</source>
        <extracomment>The note of the puzzle Dad&apos;s Puzzle: keep the numbers and the kind of count.</extracomment>
        <translation>1909, il Pennant Puzzle, venduto dal 1926 come Dad&apos;s Puzzler. Quadrato grande dall&apos;angolo in alto a sinistra a quello in basso a sinistra. Soluzione più breve: 59 movimenti (83 mosse).</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="96"/>
        <source>The Eight Engines</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Le otto locomotive</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="98"/>
        <source>1917, Amusements in Mathematics no. 221, engines 1 to 8 round a yard, drawn as the equivalent 3x3 tray. Shortest solution 17 moves.</source>
        <extracomment>The note of the puzzle The Eight Engines: keep the numbers and the kind of count.</extracomment>
        <translation>1917, Amusements in Mathematics n. 221, locomotive da 1 a 8 attorno a uno scalo ferroviario, disegnato come il telaio 3x3 equivalente. Soluzione più breve: 17 mosse.</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="101"/>
        <source>Eight Puzzle</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Gioco dell&apos;otto</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="103"/>
        <source>Tiles A to H stand for 1 to 8, in one of the two starts farthest from order. Shortest solution 31 moves.</source>
        <extracomment>The note of the puzzle Eight Puzzle: keep the numbers and the kind of count.</extracomment>
        <translation>Le tessere da A a H valgono da 1 a 8, in una delle due partenze più lontane dall&apos;ordine. Soluzione più breve: 31 mosse.</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="106"/>
        <source>The Flanders Wheel</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>La ruota Flanders</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="108"/>
        <source>1931, FLANDERS round a wheel, drawn as the equivalent 3x3 tray. Shortest solution 28 moves.</source>
        <extracomment>The note of the puzzle The Flanders Wheel: keep the numbers and the kind of count.</extracomment>
        <translation>1931, FLANDERS attorno a una ruota, disegnata come il telaio 3x3 equivalente. Soluzione più breve: 28 mosse.</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="111"/>
        <source>The Four Frogs</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Le quattro rane</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="113"/>
        <source>1917, Amusements in Mathematics no. 341, Guarini&apos;s knight swap of 1512 drawn as Dudeney&apos;s ring of toadstools. Shortest solution 7 piece moves (16 moves).</source>
        <extracomment>The note of the puzzle The Four Frogs: keep the numbers and the kind of count.</extracomment>
        <translation>1917, Amusements in Mathematics n. 341, lo scambio dei cavalli di Guarini del 1512, disegnato come il cerchio di funghi di Dudeney. Soluzione più breve: 7 movimenti (16 mosse).</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="116"/>
        <source>The Letter Block Puzzle</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>I blocchi con le lettere</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="118"/>
        <source>1917, Amusements in Mathematics no. 219. Put the blocks in order, A to H. Shortest solution 23 moves.</source>
        <extracomment>The note of the puzzle The Letter Block Puzzle: keep the numbers and the kind of count.</extracomment>
        <translation>1917, Amusements in Mathematics n. 219. Metti i blocchi in ordine, da A a H. Soluzione più breve: 23 mosse.</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="121"/>
        <source>A Lodging-House Difficulty</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Un problema alla pensione</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="123"/>
        <source>1917, Amusements in Mathematics no. 220. Swap the piano X and the bookcase Y, one piece to a room. Shortest solution 17 moves.</source>
        <extracomment>The note of the puzzle A Lodging-House Difficulty: keep the numbers and the kind of count.</extracomment>
        <translation>1917, Amusements in Mathematics n. 220. Scambia il pianoforte X e la libreria Y, un mobile per stanza. Soluzione più breve: 17 mosse.</translation>
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
        <translation>2004, i blocchi del Quzzle ridisposti. Quadrato grande nell&apos;angolo in alto a destra. Soluzione più breve: 90 movimenti (121 mosse).</translation>
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
        <translation>2004, progettato al computer. Quadrato grande nell&apos;angolo in alto a destra. Soluzione più breve: 84 movimenti (115 mosse).</translation>
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
        <translation>2004, i blocchi di Century. Soluzione più breve: 138 movimenti (179 mosse).</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="141"/>
        <source>Ma&apos;s Puzzle, Wide</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Rompicapo di mamma, largo</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="143"/>
        <source>1986, join the two L&apos;s into a lying block in the top right corner. Shortest solution 37 piece moves (60 moves).</source>
        <extracomment>The note of the puzzle Ma&apos;s Puzzle, Wide: keep the numbers and the kind of count.</extracomment>
        <translation>1986, unisci le due L in un blocco orizzontale nell&apos;angolo in alto a destra. Soluzione più breve: 37 movimenti (60 mosse).</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="146"/>
        <source>Ma&apos;s Puzzle</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Rompicapo di mamma</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="148"/>
        <source>1927, join the two L&apos;s into an upright block in the top right corner. Shortest solution 23 piece moves (36 moves).</source>
        <extracomment>The note of the puzzle Ma&apos;s Puzzle: keep the numbers and the kind of count.</extracomment>
        <translation>1927, unisci le due L in un blocco verticale nell&apos;angolo in alto a destra. Soluzione più breve: 23 movimenti (36 mosse).</translation>
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
        <translation>numero di mosse</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="411"/>
        <source>time (secs.)</source>
        <translation>tempo (s)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="412"/>
        <source>trial moves</source>
        <translation>mosse di prova</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="413"/>
        <source>Forward history buffer length</source>
        <translation>Dimensione del buffer «avanti»</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="414"/>
        <source>Backward buffer hits</source>
        <translation>Riscontri nel buffer «indietro»</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="415"/>
        <source>Forward buffer hits</source>
        <translation>Riscontri nel buffer «avanti»</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="416"/>
        <source>piece moves</source>
        <comment>a game&apos;s moves, a piece&apos;s moves one after another counted once</comment>
        <translation>movimenti</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="417"/>
        <source>moves by the coach</source>
        <comment>of the game&apos;s moves, those a hint or a solve made</comment>
        <translation>mosse dell&apos;allenatore</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="418"/>
        <source>time played</source>
        <comment>the game&apos;s time, without the time hidden or solving</comment>
        <translation>tempo di gioco</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="419"/>
        <source>to the goal</source>
        <comment>moves / piece moves still to go from the board</comment>
        <translation>fino all&apos;obiettivo</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="420"/>
        <source>your best</source>
        <comment>the fewest moves / piece moves of a solve without help</comment>
        <translation>il tuo record</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="40"/>
        <source>TRULP statistics</source>
        <translation>TRULP – statistiche</translation>
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
        <translation>nessun rompicapo si chiama &apos;%1&apos; (vedi --puzzles)</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="87"/>
        <source>--start &apos;%1&apos;: %2</source>
        <translation>--start &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="101"/>
        <source>standard input</source>
        <translation>standard input</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="108"/>
        <location filename="../src/cli/options.cpp" line="77"/>
        <source>--max-move must be a whole number from %1 to %2, not &apos;%3&apos;</source>
        <translation>--max-move deve essere un numero intero da %1 a %2, non &apos;%3&apos;</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="151"/>
        <source>cannot write the list</source>
        <translation>impossibile scrivere l&apos;elenco</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="212"/>
        <source>cannot save: the line from the start would have %1 moves, and a moves file holds at most %2</source>
        <translation>impossibile salvare: la sequenza dalla partenza avrebbe %1 mosse, e un file di mosse ne contiene al massimo %2</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="227"/>
        <source>cannot write the report</source>
        <translation>impossibile scrivere il resoconto</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="28"/>
        <source>unexpected argument &apos;%1&apos; (see --help)</source>
        <translation>argomento inatteso &apos;%1&apos; (vedi --help)</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="32"/>
        <source>%1 is given twice</source>
        <translation>%1 è indicato due volte</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="42"/>
        <source>unknown option &apos;%1&apos; (see --help)</source>
        <translation>opzione sconosciuta &apos;%1&apos; (vedi --help)</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="47"/>
        <source>%1 takes no value</source>
        <translation>%1 non accetta valori</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="65"/>
        <location filename="../src/cli/options.cpp" line="69"/>
        <source>%1 needs a value</source>
        <translation>%1 richiede un valore</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="116"/>
        <source>--puzzle, --start and --puzzle-file do not go together</source>
        <translation>--puzzle, --start e --puzzle-file non vanno insieme</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="119"/>
        <source>--from carries its own puzzle: not with --puzzle, --start or --puzzle-file</source>
        <translation>--from porta il suo rompicapo: non con --puzzle, --start o --puzzle-file</translation>
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

Risolve un rompicapo a blocchi scorrevoli dalla sua partenza: il classico,
un altro della raccolta, uno dato blocco per blocco o un file di rompicapo.

  --max-move N  limite di mosse della ricerca in profondità, da 100
                (predefinito 150); al massimo 200 per i dieci blocchi del
                classico
  --slice N     mosse registrate per passo di ricerca, almeno 1
                (predefinito 10000); il risultato non ne dipende
  --optimal     sequenza più breve, con ricerca in ampiezza su tutte le
                posizioni; anche il minimo di movimenti (un blocco spostato
                più volte di seguito conta una volta)
  --puzzle NAME quel rompicapo della raccolta, per nome o id (vedi --puzzles)
  --puzzle-file FILE
                il rompicapo di un file di rompicapo; - lo legge dallo
                standard input
  --start POSITION
                la lettera di ogni blocco e la casella (0-19, riga per riga)
                del suo quadrato in alto a sinistra, nell&apos;ordine
                A X B C D E F G H I, come un solo argomento:
                &quot;A0 X1 B3 C8 D9 E11 F13 G14 H16 I19&quot; è il classico
  --from FILE   con --optimal: parte dopo le mosse di questo file di mosse,
                dalla partenza del suo rompicapo
  --save FILE   scrive la sequenza come file di mosse chiamato &quot;TRULP_ &quot; + il
                nome di FILE, nella cartella di FILE; con --from, le mosse del
                file vengono prima; un rompicapo diverso dal classico viene
                conservato nel file
  --puzzles     elenca la raccolta: nome, plancia, sequenze più brevi in mosse
                e in movimenti
  --json        stampa un solo oggetto JSON invece del resoconto
  --help        mostra questo aiuto
  --version     mostra la versione

Stato di uscita: 0 risolto, 1 nessuna soluzione, 2 uso o input errati.
</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="87"/>
        <source>--slice must be a whole number from 1 to 2147483647, not &apos;%1&apos;</source>
        <translation>--slice deve essere un numero intero da 1 a 2147483647, non &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="96"/>
        <source>--save needs a file name, not a directory: &apos;%1&apos;</source>
        <translation>--save richiede un nome di file, non una cartella: &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="114"/>
        <source>--puzzles goes with --json alone</source>
        <translation>--puzzles va solo con --json</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="121"/>
        <source>--max-move does not go with --optimal</source>
        <translation>--max-move non va con --optimal</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="123"/>
        <source>--slice does not go with --optimal</source>
        <translation>--slice non va con --optimal</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="125"/>
        <source>--from only goes with --optimal</source>
        <translation>--from va solo con --optimal</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/report.cpp" line="63"/>
        <source>shortest line from the position after the %n moves of &apos;%1&apos;</source>
        <translation>
            <numerusform>sequenza più breve dalla posizione dopo la %n mossa di &apos;%1&apos;</numerusform>
            <numerusform>sequenza più breve dalla posizione dopo le %n mosse di &apos;%1&apos;</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="106"/>
        <source>result</source>
        <translation>risultato</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="107"/>
        <source>solved</source>
        <translation>risolto</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="107"/>
        <source>no solution</source>
        <translation>nessuna soluzione</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="111"/>
        <source>positions reachable</source>
        <translation>posizioni raggiungibili</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="45"/>
        <source>depth-first search from the start position, move limit %1</source>
        <translation>ricerca in profondità dalla posizione di partenza, limite di mosse %1</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="47"/>
        <source>depth-first search from the start of puzzle &apos;%1&apos;, move limit %2</source>
        <translation>ricerca in profondità dalla partenza del rompicapo &apos;%1&apos;, limite di mosse %2</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="50"/>
        <source>depth-first search from the start %1, move limit %2</source>
        <translation>ricerca in profondità dalla partenza %1, limite di mosse %2</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="56"/>
        <source>shortest line from the start position</source>
        <translation>sequenza più breve dalla posizione di partenza</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="58"/>
        <source>shortest line from the start of puzzle &apos;%1&apos;</source>
        <translation>sequenza più breve dalla partenza del rompicapo &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="59"/>
        <source>shortest line from the start %1</source>
        <translation>sequenza più breve dalla partenza %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/report.cpp" line="67"/>
        <source>shortest line from the position after the %n moves of &apos;%1&apos; in puzzle &apos;%2&apos;</source>
        <translation>
            <numerusform>sequenza più breve dalla posizione dopo la %n mossa di &apos;%1&apos; nel rompicapo &apos;%2&apos;</numerusform>
            <numerusform>sequenza più breve dalla posizione dopo le %n mosse di &apos;%1&apos; nel rompicapo &apos;%2&apos;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/report.cpp" line="70"/>
        <source>shortest line from the position after the %n moves of &apos;%1&apos; from the start %2</source>
        <translation>
            <numerusform>sequenza più breve dalla posizione dopo la %n mossa di &apos;%1&apos; giocata dalla partenza %2</numerusform>
            <numerusform>sequenza più breve dalla posizione dopo le %n mosse di &apos;%1&apos; giocate dalla partenza %2</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="110"/>
        <source>fewest piece moves</source>
        <translation>minimo di movimenti</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="125"/>
        <source>time</source>
        <extracomment>Seconds, as &quot;0.123 s&quot;.</extracomment>
        <translation>tempo</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="125"/>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="140"/>
        <source>saved as: %1</source>
        <translation>salvato come: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="142"/>
        <source>nothing saved: no line was found</source>
        <translation>nulla salvato: nessuna sequenza trovata</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="174"/>
        <source>id|name|board|moves|piece moves</source>
        <extracomment>The header of the collection&apos;s table: the columns are the id, the name, the board, shortest moves and piece moves.</extracomment>
        <translation>id|nome|misura|mosse|movimenti</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <location filename="../src/words/words.cpp" line="22"/>
        <source>right</source>
        <extracomment>A direction in a hint and in the moves list read aloud: &quot;hint: H right&quot;.</extracomment>
        <translation>a destra</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="24"/>
        <source>up</source>
        <translation>in alto</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="26"/>
        <source>left</source>
        <translation>a sinistra</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="28"/>
        <source>down</source>
        <translation>in basso</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="161"/>
        <source>by %1</source>
        <extracomment>Who made a puzzle, in its tool tip: a name as the puzzle file gives it.</extracomment>
        <translation>di %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="186"/>
        <source>STOP</source>
        <extracomment>GO&apos;s caption during a run: stops it. At most 6 letters.</extracomment>
        <translation>STOP</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="189"/>
        <source>STEP</source>
        <extracomment>GO&apos;s caption in step mode: one move per press. At most 6 letters.</extracomment>
        <translation>PASSO</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="192"/>
        <source>GO</source>
        <extracomment>The button that starts a search or a replay. At most 6 letters.</extracomment>
        <translation>VIA</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="203"/>
        <source>welcome at the TRULP puzzle. Select &quot;play&quot; or &quot;search&quot;...</source>
        <translation>benvenuto nel rompicapo TRULP. Scegli «gioca» o «cerca»...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="205"/>
        <source>search for solution...</source>
        <translation>cerca la soluzione...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="207"/>
        <source>show moves</source>
        <translation>mostra le mosse</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="209"/>
        <source>click GO to start search</source>
        <translation>fai clic su VIA per avviare la ricerca</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="211"/>
        <source>find solutions...</source>
        <translation>trova soluzioni...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="213"/>
        <source>find solution...</source>
        <translation>trova la soluzione...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="215"/>
        <source>list is full</source>
        <translation>l&apos;elenco è pieno</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="217"/>
        <source>moves list is full</source>
        <translation>l&apos;elenco delle mosse è pieno</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="219"/>
        <source>SOLUTION FOUND ...congratulations !</source>
        <translation>SOLUZIONE TROVATA ...congratulazioni!</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="221"/>
        <source>solution reached</source>
        <translation>soluzione raggiunta</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="224"/>
        <source>move %1</source>
        <extracomment>Replay and take-back: the number of the move shown.</extracomment>
        <translation>mossa %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="226"/>
        <source>end of list</source>
        <translation>fine dell&apos;elenco</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="229"/>
        <source>hint: %1 %2 (%n to go)</source>
        <extracomment>%1 a block&apos;s letter, %2 a direction, %n the moves to the goal.</extracomment>
        <translation>
            <numerusform>indizio: %1 %2 (resta %n)</numerusform>
            <numerusform>indizio: %1 %2 (restano %n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="232"/>
        <source>%n to go</source>
        <translation>
            <numerusform>resta %n</numerusform>
            <numerusform>restano %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="234"/>
        <source>solving... %n to go</source>
        <translation>
            <numerusform>risoluzione... resta %n</numerusform>
            <numerusform>risoluzione... restano %n</numerusform>
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
        <translation>pausa: VIA per riprendere</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="242"/>
        <source>computer searching...move: %1</source>
        <extracomment>%1 the trial moves of the search so far.</extracomment>
        <translation>il computer sta cercando... mossa: %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="244"/>
        <source>puzzle solved.  (see statistics)</source>
        <translation>rompicapo risolto. (vedi statistiche)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="246"/>
        <source>no solution found</source>
        <translation>nessuna soluzione trovata</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="249"/>
        <source>puzzle saved as: %1</source>
        <extracomment>%1 the name the moves file was saved as.</extracomment>
        <translation>rompicapo salvato come: %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="252"/>
        <source>puzzle %1 opened</source>
        <extracomment>%1 the name stored in the moves file.</extracomment>
        <translation>rompicapo %1 aperto</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="254"/>
        <source>read error</source>
        <translation>errore di lettura</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="256"/>
        <source>wrong file</source>
        <translation>file errato</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="259"/>
        <source>puzzle send to printer</source>
        <translation>rompicapo inviato alla stampante</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="261"/>
        <source>page written to %1</source>
        <extracomment>%1 the PDF file the page was written to.</extracomment>
        <translation>pagina scritta in %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="264"/>
        <source>puzzle %1: shortest solution %n moves</source>
        <extracomment>%1 the puzzle&apos;s name, %n the moves of its shortest solution.</extracomment>
        <translation>
            <numerusform>rompicapo %1: soluzione più breve di %n mossa</numerusform>
            <numerusform>rompicapo %1: soluzione più breve di %n mosse</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="266"/>
        <source>drag the blocks where you want them</source>
        <translation>trascina i blocchi dove vuoi</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="268"/>
        <source>no way to the goal</source>
        <translation>nessuna via verso l&apos;obiettivo</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="270"/>
        <source>block X is on the goal already</source>
        <translation>il blocco X è già sull&apos;obiettivo</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="272"/>
        <source>no room there</source>
        <translation>lì non c&apos;è spazio</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="275"/>
        <source>new record: %n moves (shortest %1)</source>
        <extracomment>%n the moves of the new record, %1 the shortest solution&apos;s.</extracomment>
        <translation>
            <numerusform>nuovo record: %n mossa (minimo %1)</numerusform>
            <numerusform>nuovo record: %n mosse (minimo %1)</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="298"/>
        <source>moves cleared: %1 brings them back</source>
        <extracomment>Beside the message, when a reset, a mode, a puzzle or a file threw the moves list away. %1 the undo key, as the desktop writes it.</extracomment>
        <translation>mosse cancellate: %1 le ripristina</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="301"/>
        <source>next: %1 (%2)</source>
        <extracomment>After the goal, beside the message: the next puzzle without a record. %2 its key.</extracomment>
        <translation>prossimo: %1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="306"/>
        <source>the search is running: STOP first</source>
        <extracomment>Beside the message: an input refused while the search runs.</extracomment>
        <translation>la ricerca è in corso: prima STOP</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="308"/>
        <source>the replay is running: STOP first</source>
        <translation>la riproduzione è in corso: prima STOP</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="311"/>
        <source>the coach is solving: GO stops it first</source>
        <extracomment>GO stops the coach&apos;s solve.</extracomment>
        <translation>l&apos;allenatore sta risolvendo: prima VIA per fermarlo</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="314"/>
        <source>puzzle %1 copied as text</source>
        <extracomment>%1 the puzzle&apos;s name.</extracomment>
        <translation>rompicapo %1 copiato come testo</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="319"/>
        <source>puzzle %1</source>
        <extracomment>A puzzle chosen whose shortest solution the coach is still working out.</extracomment>
        <translation>rompicapo %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="322"/>
        <source>your game of %1 is back</source>
        <extracomment>At start, when the game of the last run is back on the board.</extracomment>
        <translation>la tua partita a %1 è tornata</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="324"/>
        <source>not a puzzle: the file is not a text</source>
        <translation>non è un rompicapo: il file non è un testo</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="326"/>
        <source>not a puzzle: a puzzle text has at most %n bytes</source>
        <translation>
            <numerusform>non è un rompicapo: un testo di rompicapo ha al massimo %n byte</numerusform>
            <numerusform>non è un rompicapo: un testo di rompicapo ha al massimo %n byte</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="329"/>
        <source>line 1: a puzzle text begins with the line &apos;%1&apos;</source>
        <extracomment>%1 the line a puzzle text must begin with.</extracomment>
        <translation>riga 1: un testo di rompicapo inizia con la riga &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="331"/>
        <source>line %1: unknown key &apos;%2&apos; (name, by and note are known)</source>
        <translation>riga %1: chiave sconosciuta &apos;%2&apos; (sono note name, by e note)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="333"/>
        <source>the puzzle has no &apos;name:&apos; line</source>
        <translation>il rompicapo non ha la riga &apos;name:&apos;</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="335"/>
        <source>the puzzle has no &apos;start:&apos; map</source>
        <translation>il rompicapo non ha la griglia &apos;start:&apos;</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="337"/>
        <source>the puzzle has no &apos;goal:&apos; map</source>
        <translation>il rompicapo non ha la griglia &apos;goal:&apos;</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="339"/>
        <source>line %1: not a key line and not in a map</source>
        <translation>riga %1: né una riga di chiave né dentro una griglia</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="342"/>
        <source>line %1: a row of %2 fields, the first row has %3</source>
        <extracomment>%2 the fields of this row, %3 those of the first row.</extracomment>
        <translation>riga %1: una fila di %2 caselle, la prima fila ne ha %3</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="344"/>
        <source>the goal map has %1 rows, the start map %2</source>
        <translation>la griglia dell&apos;obiettivo ha %1 file, quella di partenza %2</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="346"/>
        <source>a board of %1 by %2 fields: each side must be 2 to 10 fields</source>
        <translation>una plancia di %1 per %2 caselle: ogni lato deve avere da 2 a 10 caselle</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="349"/>
        <source>line %1: &apos;%2&apos; is no field (. free, # wall, A to Z a piece)</source>
        <extracomment>%2 a character that means nothing in a start map.</extracomment>
        <translation>riga %1: &apos;%2&apos; non è una casella (. libera, # muro, da A a Z un blocco)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="351"/>
        <source>line %1: one space at most between two fields</source>
        <translation>riga %1: al massimo uno spazio tra due caselle</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="353"/>
        <source>line %1: piece %2 is in two parts</source>
        <translation>riga %1: il blocco %2 è diviso in due parti</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="355"/>
        <source>line %1: piece %2 has %3 fields, at most 9 are allowed</source>
        <translation>riga %1: il blocco %2 ha %3 caselle, ne sono ammesse al massimo 9</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="360"/>
        <source>the start has no free field</source>
        <translation>la partenza non ha caselle libere</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="362"/>
        <source>line %1: the goal of piece %2 does not have its shape</source>
        <translation>riga %1: l&apos;obiettivo del blocco %2 non ha la sua forma</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="366"/>
        <source>line %1: the goal of piece %2 is on a wall</source>
        <translation>riga %1: l&apos;obiettivo del blocco %2 è su un muro</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="368"/>
        <source>line %1: the goal names piece %2, which the start does not have</source>
        <translation>riga %1: l&apos;obiettivo nomina il blocco %2, che la partenza non ha</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="372"/>
        <source>the goal names no piece</source>
        <translation>l&apos;obiettivo non nomina alcun blocco</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="374"/>
        <source>the goal is met at the start already</source>
        <translation>l&apos;obiettivo è già raggiunto alla partenza</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="377"/>
        <source>line %1: &apos;%2&apos; is no move (a piece&apos;s letter and R, U, L or D)</source>
        <extracomment>A moves list of a game file: %2 what stands there instead of a letter and R, U, L or D.</extracomment>
        <translation>riga %1: &apos;%2&apos; non è una mossa (la lettera di un blocco e R, U, L o D)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="379"/>
        <source>move %1 cannot be made from the start</source>
        <translation>la mossa %1 non si può fare dalla partenza</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="381"/>
        <source>more moves than a list holds (%1)</source>
        <translation>più mosse di quante ne contenga un elenco (%1)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="384"/>
        <source>cannot open &apos;%1&apos;: %2</source>
        <extracomment>%1 a file, %2 the system&apos;s reason.</extracomment>
        <translation>impossibile aprire &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="386"/>
        <source>&apos;%1&apos; is not a file that can be opened</source>
        <translation>&apos;%1&apos; non è un file che si possa aprire</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="388"/>
        <source>cannot read &apos;%1&apos;: %2</source>
        <translation>impossibile leggere &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="390"/>
        <source>cannot write in &apos;%1&apos;: %2</source>
        <translation>impossibile scrivere in &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="392"/>
        <source>cannot save &apos;%1&apos;: %2</source>
        <translation>impossibile salvare &apos;%1&apos;: %2</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="394"/>
        <source>&apos;%1&apos; is not a moves file: %n bytes instead of 250</source>
        <translation>
            <numerusform>&apos;%1&apos; non è un file di mosse: %n byte invece di 250</numerusform>
            <numerusform>&apos;%1&apos; non è un file di mosse: %n byte invece di 250</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="397"/>
        <source>your records could not be read: the file is kept as %1</source>
        <extracomment>%1 where the damaged records file was put.</extracomment>
        <translation>impossibile leggere i tuoi record: il file è conservato come %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="399"/>
        <source>the game kept last time could not be read: it is kept as %1</source>
        <translation>impossibile leggere la partita conservata l&apos;ultima volta: è conservata come %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="441"/>
        <source>the coach cannot know this puzzle: it has too many positions</source>
        <extracomment>The coach&apos;s tool tip and words for a puzzle it has no table for.</extracomment>
        <translation>l&apos;allenatore non può conoscere questo rompicapo: ha troppe posizioni</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="277"/>
        <source>block %1 on field %2 does not fit on the board</source>
        <translation>il blocco %1 sulla casella %2 non entra nella plancia</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="280"/>
        <source>block %1 on field %2 stands on a wall</source>
        <extracomment>A piece placed where the board has a wall.</extracomment>
        <translation>il blocco %1 sulla casella %2 è su un muro</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="282"/>
        <source>blocks %1 on field %2 and %3 on field %4 overlap</source>
        <translation>i blocchi %1 sulla casella %2 e %3 sulla casella %4 si sovrappongono</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="288"/>
        <source>a start names ten blocks in the order A X B C D E F G H I, each with its field, not %n tokens</source>
        <translation>
            <numerusform>una posizione iniziale indica dieci blocchi nell&apos;ordine A X B C D E F G H I, ciascuno con la sua casella, non %n elemento</numerusform>
            <numerusform>una posizione iniziale indica dieci blocchi nell&apos;ordine A X B C D E F G H I, ciascuno con la sua casella, non %n elementi</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="292"/>
        <source>block %1 of the start must be %2 (order A X B C D E F G H I), not &apos;%3&apos;</source>
        <translation>il blocco n. %1 della posizione iniziale deve essere %2 (ordine A X B C D E F G H I), non «%3»</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="303"/>
        <source>&apos;%1&apos;: the field must be a number from 0 to 19</source>
        <translation>«%1»: la casella deve essere un numero da 0 a 19</translation>
    </message>
</context>
<context>
    <name>trulp::BoardView</name>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="20"/>
        <source>column %1</source>
        <translation>colonna %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="21"/>
        <source>columns %1 to %2</source>
        <translation>colonne da %1 a %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="24"/>
        <source>row %1</source>
        <translation>riga %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="25"/>
        <source>rows %1 to %2</source>
        <translation>righe da %1 a %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="31"/>
        <source>board</source>
        <translation>plancia</translation>
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
        <translation>aiuto</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="29"/>
        <source>shift until</source>
        <extracomment>Beside the target, the first of three lines read together: &quot;shift until&quot; / &quot;block X&quot; / &quot;is here&quot;.</extracomment>
        <translation>sposta il</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="32"/>
        <location filename="../src/mainwindow/controlbar.cpp" line="187"/>
        <source>block X</source>
        <extracomment>The second of the three lines beside the target: &quot;shift until&quot; / &quot;block X&quot; / &quot;is here&quot;.</extracomment>
        <translation>blocco X</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="35"/>
        <location filename="../src/mainwindow/controlbar.cpp" line="203"/>
        <source>is here</source>
        <extracomment>The third of the three lines beside the target: &quot;shift until&quot; / &quot;block X&quot; / &quot;is here&quot;.</extracomment>
        <translation>fin qui</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="38"/>
        <source>max.move</source>
        <extracomment>The move limit of the search, above its number. Short: about 9 letters.</extracomment>
        <translation>mosse max</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="45"/>
        <source>raise the move limit</source>
        <translation>aumentare il limite di mosse</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="46"/>
        <source>lower the move limit</source>
        <translation>ridurre il limite di mosse</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="56"/>
        <source>step</source>
        <extracomment>The check box for one move at a time. Short: about 6 letters.</extracomment>
        <translation>passo</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="64"/>
        <source>play</source>
        <extracomment>Mode button: the player moves the blocks. Short: about 8 letters.</extracomment>
        <translation>gioca</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="66"/>
        <source>find solutions yourself</source>
        <translation>trovare da sé le soluzioni</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="68"/>
        <source>replay</source>
        <extracomment>Mode button: the moves list played again. Short: about 8 letters.</extracomment>
        <translation>rivedi</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="70"/>
        <source>replay moves</source>
        <translation>rivedere le mosse</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="72"/>
        <source>search</source>
        <extracomment>Mode button: the computer searches. Short: about 8 letters.</extracomment>
        <translation>cerca</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="74"/>
        <source>let computer search for solutions</source>
        <translation>lasciare che il computer cerchi le soluzioni</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="82"/>
        <source>reset</source>
        <extracomment>Puts the blocks back at the start. Short: about 8 letters.</extracomment>
        <translation>azzera</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="85"/>
        <source>back</source>
        <extracomment>Takes the last move back. Short: about 7 letters.</extracomment>
        <translation>indietro</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="87"/>
        <source>take the last move back (Backspace)</source>
        <translation>annullare l&apos;ultima mossa (Backspace)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="91"/>
        <source>statistics</source>
        <extracomment>Opens the search&apos;s statistics. Short: about 10 letters.</extracomment>
        <translation>statistiche</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="97"/>
        <source>to go</source>
        <extracomment>Above the number of moves still needed to reach the goal.</extracomment>
        <translation>restano</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="100"/>
        <source>moves to go</source>
        <translation>mosse rimanenti</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="102"/>
        <source>hint</source>
        <extracomment>The coach&apos;s hint. Short: about 8 letters.</extracomment>
        <translation>indizio</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="105"/>
        <source>solve</source>
        <extracomment>The coach plays the rest of the way. Short: about 8 letters.</extracomment>
        <translation>risolvi</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="111"/>
        <location filename="../src/mainwindow/controlbar.cpp" line="114"/>
        <source>puzzle</source>
        <extracomment>Above the name of the puzzle being played.</extracomment>
        <translation>rompicapo</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="117"/>
        <source>play it</source>
        <extracomment>Ends setting up a puzzle and plays it. Short: about 8 letters.</extracomment>
        <translation>giocalo</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="120"/>
        <source>play the position set up</source>
        <translation>giocare la posizione preparata</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="122"/>
        <source>cancel</source>
        <extracomment>Gives up setting up a puzzle. Short: about 8 letters.</extracomment>
        <translation>annulla</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="166"/>
        <source>show the best next move</source>
        <translation>mostrare la prossima mossa migliore</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="167"/>
        <source>play the shortest way to the goal</source>
        <translation>giocare la via più breve verso l&apos;obiettivo</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="194"/>
        <source>block %1</source>
        <extracomment>Beside the target, the second line, for a puzzle whose goal names one piece: its letter.</extracomment>
        <translation>blocco %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="197"/>
        <source>blocks %1</source>
        <extracomment>The same for a goal of two pieces: &quot;X, Y&quot;.</extracomment>
        <translation>gruppo %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="200"/>
        <source>the red blocks</source>
        <extracomment>The same for a goal of three pieces or more: they are drawn red.</extracomment>
        <translation>gruppo rosso</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="203"/>
        <source>are here</source>
        <extracomment>The third line beside the target after &quot;blocks X, Y&quot; or &quot;the red blocks&quot;: &quot;shift until&quot; / &quot;blocks X, Y&quot; / &quot;are here&quot;.</extracomment>
        <translation>fin qui</translation>
    </message>
</context>
<context>
    <name>trulp::GameChart</name>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="70"/>
        <source>%n moves, %1 to go, shortest possible %2, your best %3</source>
        <extracomment>%n moves made, %1 to go, %2 the shortest solution, %3 the player&apos;s record.</extracomment>
        <translation>
            <numerusform>%n mossa, restano %1, minimo possibile %2, il tuo record %3</numerusform>
            <numerusform>%n mosse, restano %1, minimo possibile %2, il tuo record %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="75"/>
        <source>%n moves, %1 to go, shortest possible %2</source>
        <translation>
            <numerusform>%n mossa, restano %1, minimo possibile %2</numerusform>
            <numerusform>%n mosse, restano %1, minimo possibile %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="79"/>
        <source>%n moves, shortest possible %1, your best %2</source>
        <translation>
            <numerusform>%n mossa, minimo possibile %1, il tuo record %2</numerusform>
            <numerusform>%n mosse, minimo possibile %1, il tuo record %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="82"/>
        <source>%n moves, shortest possible %1</source>
        <translation>
            <numerusform>%n mossa, minimo possibile %1</numerusform>
            <numerusform>%n mosse, minimo possibile %1</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="123"/>
        <location filename="../src/mainwindow/chart.cpp" line="157"/>
        <source>moves</source>
        <extracomment>The chart&apos;s axes: the moves made, and the moves still to go after each.
----------
The chart&apos;s line of the moves list, whoever made them.</extracomment>
        <translation>mosse</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="123"/>
        <source>moves to go</source>
        <translation>mosse restanti</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="158"/>
        <source>away from goal</source>
        <translation>allontanandosi dall&apos;obiettivo</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="159"/>
        <source>hint or solve</source>
        <translation>indizio o risolvi</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="161"/>
        <source>piece moves</source>
        <extracomment>The chart&apos;s line of the piece moves still to go.</extracomment>
        <translation>movimenti</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="162"/>
        <source>shortest pace</source>
        <translation>ritmo ideale</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="163"/>
        <source>board now</source>
        <translation>posizione attuale</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="206"/>
        <source>TRULP game chart</source>
        <translation>TRULP – grafico della partita</translation>
    </message>
</context>
<context>
    <name>trulp::MovesPanel</name>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="50"/>
        <source>moves</source>
        <translation>mosse</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="64"/>
        <source>move %1 of %2</source>
        <translation>mossa %1 di %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="69"/>
        <source>move %1 of %2: %3 %4</source>
        <extracomment>The last move read aloud: &quot;move 3 of 5: H right&quot;.</extracomment>
        <translation>mossa %1 di %2: %3 %4</translation>
    </message>
</context>
<context>
    <name>trulp::PuzzlesDialog</name>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="67"/>
        <source>shortest %1</source>
        <extracomment>The shortest lines of a puzzle: %1 as moves / piece moves.</extracomment>
        <translation>minimo %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="70"/>
        <source>%1
not solved yet · %2</source>
        <extracomment>A puzzle not solved yet: its name, and its shortest lines.</extracomment>
        <translation>%1
non ancora risolto · %2</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="73"/>
        <source>✓ %1
solved %n times, with help · %2</source>
        <extracomment>A puzzle solved only with the coach&apos;s help: %n times.</extracomment>
        <translation>
            <numerusform>✓ %1
risolto una volta, con aiuto · %2</numerusform>
            <numerusform>✓ %1
risolto %n volte, con aiuto · %2</numerusform>
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
il tuo record %2 / %3 · %4
tempo migliore %5 · risolto una volta</numerusform>
            <numerusform>%1
il tuo record %2 / %3 · %4
tempo migliore %5 · risolto %n volte</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="89"/>
        <source>%1: %2 of %3 solved, %4 in the fewest moves</source>
        <extracomment>A pack&apos;s heading: %1 its name, %2 solved of %3, %4 of them in the fewest moves.</extracomment>
        <translation>%1: %2 di %3 risolti, %4 con il minimo di mosse</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="104"/>
        <source>TRULP puzzles</source>
        <translation>TRULP – rompicapi</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="111"/>
        <source>puzzles</source>
        <translation>rompicapi</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="116"/>
        <source>unsolved first</source>
        <extracomment>Sorts each pack with the puzzles not solved yet at its top.</extracomment>
        <translation>prima i non risolti</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="119"/>
        <source>play</source>
        <translation>gioca</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="129"/>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="146"/>
        <source>new puzzle</source>
        <translation>nuovo rompicapo</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="134"/>
        <source>difficulty</source>
        <translation>difficoltà</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="136"/>
        <source>moves to the goal</source>
        <translation>mosse all&apos;obiettivo</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="143"/>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="152"/>
        <source>seed</source>
        <translation>seme</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="156"/>
        <source>set up your own</source>
        <translation>crea il tuo</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="162"/>
        <source>close</source>
        <translation>chiudi</translation>
    </message>
</context>
<context>
    <name>trulp::TForm1</name>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="76"/>
        <source>TRULP puzzel</source>
        <extracomment>The main window&apos;s title.</extracomment>
        <translation>TRULP – rompicapo</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/desktop.cpp" line="24"/>
        <source>TRULP moves and puzzles (TRULP_* TRULP+* *.trulp)</source>
        <translation>Mosse e rompicapi TRULP (TRULP_* TRULP+* *.trulp)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/desktop.cpp" line="26"/>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/desktop.cpp" line="31"/>
        <source>TRULP: save moves</source>
        <translation>TRULP – salva le mosse</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/desktop.cpp" line="34"/>
        <source>TRULP: open moves file</source>
        <translation>TRULP – apri un file di mosse</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/desktop.cpp" line="45"/>
        <source>Print to PDF file</source>
        <translation>Stampa su file PDF</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/desktop.cpp" line="46"/>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="191"/>
        <source>help</source>
        <translation>aiuto</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="140"/>
        <source>moves</source>
        <extracomment>Above the moves list.</extracomment>
        <translation>mosse</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="194"/>
        <source>play</source>
        <translation>gioca</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="195"/>
        <source>replay</source>
        <translation>rivedi</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="196"/>
        <source>search</source>
        <translation>cerca</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="197"/>
        <source>reset</source>
        <translation>azzera</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="200"/>
        <source>statistics</source>
        <translation>statistiche</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="198"/>
        <source>hint</source>
        <translation>indizio</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="199"/>
        <source>solve</source>
        <translation>risolvi</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="101"/>
        <source>the coach is counting the positions: %1</source>
        <extracomment>The coach works out every position of the puzzle; %1 so far.</extracomment>
        <translation>l&apos;allenatore sta contando le posizioni: %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="192"/>
        <source>undo</source>
        <translation>disfa</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="193"/>
        <source>redo</source>
        <translation>ripeti</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="201"/>
        <source>next puzzle without a record</source>
        <translation>prossimo rompicapo senza record</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="202"/>
        <source>copy the puzzle as text</source>
        <translation>copia il rompicapo come testo</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="203"/>
        <source>paste a puzzle text</source>
        <translation>incolla un testo di rompicapo</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="237"/>
        <source>full screen</source>
        <translation>schermo intero</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="239"/>
        <source>quit</source>
        <translation>esci</translation>
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
        <translation>obiettivo</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="25"/>
        <source>block X must stand on the two centre fields of the two bottom rows</source>
        <translation>il blocco X deve stare sulle due caselle centrali delle due righe in basso</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="31"/>
        <source>%1 in column %2, row %3</source>
        <extracomment>Where a piece must stand, read aloud: &quot;X in column 2, row 4&quot;.</extracomment>
        <translation>%1 nella colonna %2, riga %3</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="37"/>
        <source>the goal: %1</source>
        <extracomment>The goal, read aloud: &quot;the goal: X in column 2, row 4&quot;.</extracomment>
        <translation>l&apos;obiettivo: %1</translation>
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
        <translation>TRULP – aiuto</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="72"/>
        <source>page</source>
        <translation>pagina</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="73"/>
        <source>UP</source>
        <translation>SU</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="74"/>
        <source>DOWN</source>
        <translation>GIÙ</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="75"/>
        <source>&lt;ECS&gt; close page</source>
        <translation>&lt;Esc&gt; chiudi</translation>
    </message>
</context>
<context>
    <name>trulp::ToolBar</name>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="19"/>
        <source>open</source>
        <translation>apri</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="19"/>
        <source>open moves file</source>
        <translation>apri un file di mosse</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="20"/>
        <source>save</source>
        <translation>salva</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="20"/>
        <source>save moves</source>
        <translation>salva le mosse</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="21"/>
        <source>print</source>
        <translation>stampa</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="22"/>
        <source>printer setup</source>
        <translation>impostazioni stampante</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="23"/>
        <source>game chart</source>
        <translation>grafico della partita</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="24"/>
        <source>puzzles</source>
        <translation>rompicapi</translation>
    </message>
</context>
</TS>
