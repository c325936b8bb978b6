<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>PrintPage</name>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="34"/>
        <source>TRULP puzzle</source>
        <translation>TRULP — головоломка</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="35"/>
        <source>start position</source>
        <translation>початкова позиція</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="36"/>
        <source>final position</source>
        <translation>кінцева позиція</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="37"/>
        <source>moves</source>
        <translation>ходи</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="124"/>
        <source>TRULP puzzle: %1</source>
        <extracomment>The printed page&apos;s title for a puzzle other than the classic.</extracomment>
        <translation>TRULP — головоломка «%1»</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="28"/>
        <source>TRULP puzzle</source>
        <extracomment>The name a printed page goes by in the printer&apos;s queue.</extracomment>
        <translation>TRULP — головоломка</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="38"/>
        <source>TRULP puzzle.pdf</source>
        <extracomment>The file a page is printed to when there is no printer; keep &quot;.pdf&quot;.</extracomment>
        <translation>Головоломка TRULP.pdf</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="55"/>
        <source>The print job could not be started on %1.</source>
        <extracomment>%1 the printer or the file.</extracomment>
        <translation>Не вдалося почати друк на %1.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="83"/>
        <source>Printer setup</source>
        <translation>Налаштування принтера</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="87"/>
        <source>a PDF file</source>
        <extracomment>In the printer setup: the page goes to a PDF file, asked for at printing.</extracomment>
        <translation>файл PDF</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="93"/>
        <source>page...</source>
        <translation>сторінка...</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="100"/>
        <source>choose</source>
        <extracomment>The printer setup&apos;s button: it chooses the printer, it does not print.</extracomment>
        <translation>вибрати</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="105"/>
        <source>print to</source>
        <extracomment>In the printer setup: where a printed page goes.</extracomment>
        <translation>куди друкувати</translation>
    </message>
</context>
<context>
    <name>Puzzles</name>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="36"/>
        <location filename="../src/words/words.cpp" line="70"/>
        <source>moves</source>
        <translation>за кількістю ходів</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="40"/>
        <source>the ten blocks</source>
        <extracomment>A pack of puzzles: the ten blocks of the classic from other starts.</extracomment>
        <translation>десять блоків</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="42"/>
        <source>the classics</source>
        <extracomment>A pack of puzzles: the famous ones of the puzzle literature.</extracomment>
        <translation>класичні</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="44"/>
        <source>the large ones</source>
        <extracomment>A pack of puzzles: larger boards and long solutions.</extracomment>
        <translation>великі</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="47"/>
        <source>classic</source>
        <translation>класика</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="47"/>
        <source>nearly</source>
        <translation>майже</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="48"/>
        <source>corners</source>
        <translation>кути</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="48"/>
        <source>lid</source>
        <translation>кришка</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="49"/>
        <source>sidestep</source>
        <translation>фінт</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="49"/>
        <source>drift</source>
        <translation>дрейф</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="50"/>
        <source>nudge</source>
        <translation>поштовх</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="50"/>
        <source>fence</source>
        <translation>паркан</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="51"/>
        <source>pillars</source>
        <translation>стовпи</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="51"/>
        <source>stakes</source>
        <translation>кілки</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="52"/>
        <source>arch</source>
        <translation>арка</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="52"/>
        <source>cradle</source>
        <translation>колиска</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="53"/>
        <source>throne</source>
        <translation>трон</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="53"/>
        <source>tower</source>
        <translation>вежа</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="54"/>
        <source>palisade</source>
        <translation>частокіл</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="54"/>
        <source>keep</source>
        <translation>донжон</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="55"/>
        <source>detour</source>
        <translation>обхід</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="55"/>
        <source>crooked</source>
        <translation>крива</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="56"/>
        <source>leaning</source>
        <translation>похила</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="56"/>
        <source>tangle</source>
        <translation>плутанина</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="57"/>
        <source>attic</source>
        <translation>горище</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="57"/>
        <source>lopsided</source>
        <translation>кособока</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="58"/>
        <source>colonnade</source>
        <translation>колонада</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="58"/>
        <source>sentries</source>
        <translation>вартові</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="59"/>
        <source>guards</source>
        <translation>варта</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="59"/>
        <source>ladder</source>
        <translation>драбина</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="60"/>
        <source>shelf</source>
        <translation>полиця</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="60"/>
        <source>gate</source>
        <translation>брама</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="61"/>
        <source>lantern</source>
        <translation>ліхтар</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="61"/>
        <source>fallen</source>
        <translation>повалена</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="62"/>
        <source>crown</source>
        <translation>корона</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="62"/>
        <source>hourglass</source>
        <translation>пісочний годинник</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="63"/>
        <source>fortress</source>
        <translation>фортеця</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="63"/>
        <source>citadel</source>
        <translation>цитадель</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="64"/>
        <source>twin</source>
        <translation>близнюк</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="64"/>
        <source>soldiers</source>
        <translation>солдати</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="65"/>
        <source>barracks</source>
        <translation>казарма</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="65"/>
        <source>garrison</source>
        <translation>гарнізон</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="66"/>
        <source>labyrinth</source>
        <translation>лабіринт</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="66"/>
        <source>summit</source>
        <translation>вершина</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="67"/>
        <source>nadir</source>
        <translation>надир</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="67"/>
        <source>zenith</source>
        <translation>зеніт</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="68"/>
        <source>your own</source>
        <translation>своя</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="68"/>
        <source>easy</source>
        <translation>легка</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="69"/>
        <source>medium</source>
        <translation>середня</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="69"/>
        <source>hard</source>
        <translation>складна</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="76"/>
        <source>The Angelica Puzzle</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Анжеліка</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="78"/>
        <source>1931, eight counters into the order ANGELICA, here A to H. Shortest solution 30 moves.</source>
        <extracomment>The note of the puzzle The Angelica Puzzle: keep the numbers and the kind of count.</extracomment>
        <translation>1931 р., вісім фішок треба розставити в порядку ANGELICA, тут від A до H. Найкоротший розв’язок — 30 ходів.</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="81"/>
        <source>Bandaged Fifteen</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Склеєні п’ятнашки</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="83"/>
        <source>2011, a fifteen-puzzle tray with pieces glued together. Shortest solution 131 piece moves (179 moves).</source>
        <extracomment>The note of the puzzle Bandaged Fifteen: keep the numbers and the kind of count.</extracomment>
        <translation>2011 р., коробка п’ятнашок, де фішки склеєно між собою. Найкоротший розв’язок — 131 хід деталей (179 ходів).</translation>
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
        <translation>1975 р., у Winning Ways середній блок зсунуто на півклітинки з сітки; тут він стоїть на сітці. Найкоротший розв’язок — 99 ходів деталей (131 хід).</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="91"/>
        <source>Dad&apos;s Puzzle</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Татова головоломка</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="93"/>
        <source>1909, the Pennant Puzzle, sold from 1926 as Dad&apos;s Puzzler. Big square from the upper left to the lower left corner. Shortest solution 59 piece moves (83 moves).</source>
        <extracomment>The note of the puzzle Dad&apos;s Puzzle: keep the numbers and the kind of count.</extracomment>
        <translation>1909 р., Pennant Puzzle, з 1926 р. продавалася як Dad’s Puzzler. Великий квадрат — з лівого верхнього в лівий нижній кут. Найкоротший розв’язок — 59 ходів деталей (83 ходи).</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="96"/>
        <source>The Eight Engines</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Вісім паротягів</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="98"/>
        <source>1917, Amusements in Mathematics no. 221, engines 1 to 8 round a yard, drawn as the equivalent 3x3 tray. Shortest solution 17 moves.</source>
        <extracomment>The note of the puzzle The Eight Engines: keep the numbers and the kind of count.</extracomment>
        <translation>1917 р., Amusements in Mathematics, № 221, паротяги від 1 до 8 навколо станції, зображені як рівносильна коробка 3x3. Найкоротший розв’язок — 17 ходів.</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="101"/>
        <source>Eight Puzzle</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Вісімки</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="103"/>
        <source>Tiles A to H stand for 1 to 8, in one of the two starts farthest from order. Shortest solution 31 moves.</source>
        <extracomment>The note of the puzzle Eight Puzzle: keep the numbers and the kind of count.</extracomment>
        <translation>Фішки від A до H означають числа від 1 до 8, в одній із двох позицій, найдальших від порядку. Найкоротший розв’язок — 31 хід.</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="106"/>
        <source>The Flanders Wheel</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Фландрське колесо</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="108"/>
        <source>1931, FLANDERS round a wheel, drawn as the equivalent 3x3 tray. Shortest solution 28 moves.</source>
        <extracomment>The note of the puzzle The Flanders Wheel: keep the numbers and the kind of count.</extracomment>
        <translation>1931 р., FLANDERS по колу колеса, зображеного як рівносильна коробка 3x3. Найкоротший розв’язок — 28 ходів.</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="111"/>
        <source>The Four Frogs</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Чотири жаби</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="113"/>
        <source>1917, Amusements in Mathematics no. 341, Guarini&apos;s knight swap of 1512 drawn as Dudeney&apos;s ring of toadstools. Shortest solution 7 piece moves (16 moves).</source>
        <extracomment>The note of the puzzle The Four Frogs: keep the numbers and the kind of count.</extracomment>
        <translation>1917 р., Amusements in Mathematics, № 341, задача Гуаріні 1512 р. про обмін коней, у Дьюдені — коло з поганок. Найкоротший розв’язок — 7 ходів деталей (16 ходів).</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="116"/>
        <source>The Letter Block Puzzle</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Блоки з літерами</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="118"/>
        <source>1917, Amusements in Mathematics no. 219. Put the blocks in order, A to H. Shortest solution 23 moves.</source>
        <extracomment>The note of the puzzle The Letter Block Puzzle: keep the numbers and the kind of count.</extracomment>
        <translation>1917 р., Amusements in Mathematics, № 219. Розставте блоки по порядку, від A до H. Найкоротший розв’язок — 23 ходи.</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="121"/>
        <source>A Lodging-House Difficulty</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Клопіт у пансіоні</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="123"/>
        <source>1917, Amusements in Mathematics no. 220. Swap the piano X and the bookcase Y, one piece to a room. Shortest solution 17 moves.</source>
        <extracomment>The note of the puzzle A Lodging-House Difficulty: keep the numbers and the kind of count.</extracomment>
        <translation>1917 р., Amusements in Mathematics, № 220. Поміняйте місцями піаніно X і книжкову шафу Y, по одному предмету в кімнаті. Найкоротший розв’язок — 17 ходів.</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="126"/>
        <source>Quzzle Killer</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Убивця Quzzle</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="128"/>
        <source>2004, the Quzzle pieces rearranged. Big square to the upper right corner. Shortest solution 90 piece moves (121 moves).</source>
        <extracomment>The note of the puzzle Quzzle Killer: keep the numbers and the kind of count.</extracomment>
        <translation>2004 р., деталі Quzzle, розставлені інакше. Великий квадрат — у правий верхній кут. Найкоротший розв’язок — 90 ходів деталей (121 хід).</translation>
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
        <translation>2004 р., створено комп’ютером. Великий квадрат — у правий верхній кут. Найкоротший розв’язок — 84 ходи деталей (115 ходів).</translation>
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
        <translation>2004 р., деталі Century. Найкоротший розв’язок — 138 ходів деталей (179 ходів).</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="141"/>
        <source>Ma&apos;s Puzzle, Wide</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Мамина головоломка, широка</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="143"/>
        <source>1986, join the two L&apos;s into a lying block in the top right corner. Shortest solution 37 piece moves (60 moves).</source>
        <extracomment>The note of the puzzle Ma&apos;s Puzzle, Wide: keep the numbers and the kind of count.</extracomment>
        <translation>1986 р., з’єднайте дві L-подібні деталі в лежачий блок у правому верхньому куті. Найкоротший розв’язок — 37 ходів деталей (60 ходів).</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="146"/>
        <source>Ma&apos;s Puzzle</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Мамина головоломка</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="148"/>
        <source>1927, join the two L&apos;s into an upright block in the top right corner. Shortest solution 23 piece moves (36 moves).</source>
        <extracomment>The note of the puzzle Ma&apos;s Puzzle: keep the numbers and the kind of count.</extracomment>
        <translation>1927 р., з’єднайте дві L-подібні деталі в стоячий блок у правому верхньому куті. Найкоротший розв’язок — 23 ходи деталей (36 ходів).</translation>
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
        <translation>кількість ходів</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="411"/>
        <source>time (secs.)</source>
        <translation>час (с)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="412"/>
        <source>trial moves</source>
        <translation>пробні ходи</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="413"/>
        <source>Forward history buffer length</source>
        <translation>довжина буфера «вперед»</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="414"/>
        <source>Backward buffer hits</source>
        <translation>влучання в буфер «назад»</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="415"/>
        <source>Forward buffer hits</source>
        <translation>влучання в буфер «вперед»</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="416"/>
        <source>piece moves</source>
        <comment>a game&apos;s moves, a piece&apos;s moves one after another counted once</comment>
        <translation>ходи деталей</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="417"/>
        <source>moves by the coach</source>
        <comment>of the game&apos;s moves, those a hint or a solve made</comment>
        <translation>ходи тренера</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="418"/>
        <source>time played</source>
        <comment>the game&apos;s time, without the time hidden or solving</comment>
        <translation>час гри</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="419"/>
        <source>to the goal</source>
        <comment>moves / piece moves still to go from the board</comment>
        <translation>до мети</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="420"/>
        <source>your best</source>
        <comment>the fewest moves / piece moves of a solve without help</comment>
        <translation>ваш рекорд</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="40"/>
        <source>TRULP statistics</source>
        <translation>TRULP — статистика</translation>
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
        <translation>«%1»: %2</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="82"/>
        <source>no puzzle is named &apos;%1&apos; (see --puzzles)</source>
        <translation>головоломки з назвою «%1» немає (див. --puzzles)</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="87"/>
        <source>--start &apos;%1&apos;: %2</source>
        <translation>--start «%1»: %2</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="101"/>
        <source>standard input</source>
        <translation>стандартний ввід</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="108"/>
        <location filename="../src/cli/options.cpp" line="77"/>
        <source>--max-move must be a whole number from %1 to %2, not &apos;%3&apos;</source>
        <translation>--max-move має бути цілим числом від %1 до %2, а не «%3»</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="151"/>
        <source>cannot write the list</source>
        <translation>не вдалося вивести список</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="212"/>
        <source>cannot save: the line from the start would have %1 moves, and a moves file holds at most %2</source>
        <translation>не вдалося зберегти: у шляху від початку було б ходів: %1, а файл ходів вміщує щонайбільше %2</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="227"/>
        <source>cannot write the report</source>
        <translation>не вдалося вивести звіт</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="28"/>
        <source>unexpected argument &apos;%1&apos; (see --help)</source>
        <translation>зайвий аргумент «%1» (див. --help)</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="32"/>
        <source>%1 is given twice</source>
        <translation>%1 вказано двічі</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="42"/>
        <source>unknown option &apos;%1&apos; (see --help)</source>
        <translation>невідомий параметр «%1» (див. --help)</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="47"/>
        <source>%1 takes no value</source>
        <translation>%1 не приймає значення</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="65"/>
        <location filename="../src/cli/options.cpp" line="69"/>
        <source>%1 needs a value</source>
        <translation>%1 потребує значення</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="116"/>
        <source>--puzzle, --start and --puzzle-file do not go together</source>
        <translation>--puzzle, --start і --puzzle-file несумісні між собою</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="119"/>
        <source>--from carries its own puzzle: not with --puzzle, --start or --puzzle-file</source>
        <translation>--from містить власну головоломку: не разом із --puzzle, --start чи --puzzle-file</translation>
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
        <translation>Використання:
  trulp-solve [--puzzle NAME | --start POSITION | --puzzle-file FILE]
              [--max-move N] [--slice N] [--save FILE] [--json]
  trulp-solve --optimal [--puzzle NAME | --start POSITION | --puzzle-file FILE |
              --from FILE] [--save FILE] [--json]
  trulp-solve --puzzles [--json]
  trulp-solve --help | --version

Розв’язує головоломку з пересуванням блоків від її початку: класичну,
іншу з колекції, задану блок за блоком або з файлу головоломки.

  --max-move N  ліміт ходів пошуку в глибину, від 100 (типово 150);
                не більше 200 для десяти блоків класичної головоломки
  --slice N     ходів, що записуються за крок пошуку, щонайменше 1
                (типово 10000); на результат не впливає
  --optimal     найкоротший шлях пошуком у ширину по всіх позиціях;
                також найменше ходів деталей (деталь, що рухається далі,
                рахується один раз)
  --puzzle NAME ця головоломка з колекції, за назвою або id (див. --puzzles)
  --puzzle-file FILE
                головоломка з файлу головоломки; - читає її зі стандартного вводу
  --start POSITION
                літера кожного блока й клітинка (0-19, рядок за рядком) його
                лівого верхнього квадрата, у порядку A X B C D E F G H I, одним
                аргументом: &quot;A0 X1 B3 C8 D9 E11 F13 G14 H16 I19&quot; — це класика
  --from FILE   з --optimal: почати після ходів цього файлу ходів,
                від початку його власної головоломки
  --save FILE   записати шлях як файл ходів з назвою &quot;TRULP_ &quot; + назва FILE
                у теці FILE; з --from спершу йдуть ходи з файлу;
                головоломка, відмінна від класичної, зберігається у файлі
  --puzzles     список колекції: назва, дошка, найкоротші шляхи в ходах
                і в ходах деталей
  --json        вивести один об’єкт JSON замість звіту
  --help        показати цю довідку
  --version     показати версію

Код виходу: 0 — розв’язано, 1 — розв’язку немає, 2 — неправильний виклик
або неправильні вхідні дані.
</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="87"/>
        <source>--slice must be a whole number from 1 to 2147483647, not &apos;%1&apos;</source>
        <translation>--slice має бути цілим числом від 1 до 2147483647, а не «%1»</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="96"/>
        <source>--save needs a file name, not a directory: &apos;%1&apos;</source>
        <translation>--save потребує назви файлу, а не теки: «%1»</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="114"/>
        <source>--puzzles goes with --json alone</source>
        <translation>--puzzles поєднується лише з --json</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="121"/>
        <source>--max-move does not go with --optimal</source>
        <translation>--max-move несумісний з --optimal</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="123"/>
        <source>--slice does not go with --optimal</source>
        <translation>--slice несумісний з --optimal</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="125"/>
        <source>--from only goes with --optimal</source>
        <translation>--from використовується лише з --optimal</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/report.cpp" line="63"/>
        <source>shortest line from the position after the %n moves of &apos;%1&apos;</source>
        <translation>
            <numerusform>найкоротший шлях від позиції після %n ходу з «%1»</numerusform>
            <numerusform>найкоротший шлях від позиції після %n ходів з «%1»</numerusform>
            <numerusform>найкоротший шлях від позиції після %n ходів з «%1»</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="106"/>
        <source>result</source>
        <translation>результат</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="107"/>
        <source>solved</source>
        <translation>розв’язано</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="107"/>
        <source>no solution</source>
        <translation>розв’язку немає</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="111"/>
        <source>positions reachable</source>
        <translation>досяжних позицій</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="45"/>
        <source>depth-first search from the start position, move limit %1</source>
        <translation>пошук у глибину від початкової позиції, ліміт ходів %1</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="47"/>
        <source>depth-first search from the start of puzzle &apos;%1&apos;, move limit %2</source>
        <translation>пошук у глибину від початку головоломки «%1», ліміт ходів %2</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="50"/>
        <source>depth-first search from the start %1, move limit %2</source>
        <translation>пошук у глибину від початкової позиції %1, ліміт ходів %2</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="56"/>
        <source>shortest line from the start position</source>
        <translation>найкоротший шлях від початкової позиції</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="58"/>
        <source>shortest line from the start of puzzle &apos;%1&apos;</source>
        <translation>найкоротший шлях від початку головоломки «%1»</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="59"/>
        <source>shortest line from the start %1</source>
        <translation>найкоротший шлях від початкової позиції %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/report.cpp" line="67"/>
        <source>shortest line from the position after the %n moves of &apos;%1&apos; in puzzle &apos;%2&apos;</source>
        <translation>
            <numerusform>найкоротший шлях від позиції після %n ходу з «%1» у головоломці «%2»</numerusform>
            <numerusform>найкоротший шлях від позиції після %n ходів з «%1» у головоломці «%2»</numerusform>
            <numerusform>найкоротший шлях від позиції після %n ходів з «%1» у головоломці «%2»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/report.cpp" line="70"/>
        <source>shortest line from the position after the %n moves of &apos;%1&apos; from the start %2</source>
        <translation>
            <numerusform>найкоротший шлях від позиції після %n ходу з «%1» від початкової позиції %2</numerusform>
            <numerusform>найкоротший шлях від позиції після %n ходів з «%1» від початкової позиції %2</numerusform>
            <numerusform>найкоротший шлях від позиції після %n ходів з «%1» від початкової позиції %2</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="110"/>
        <source>fewest piece moves</source>
        <translation>найменше ходів деталей</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="125"/>
        <source>time</source>
        <extracomment>Seconds, as &quot;0.123 s&quot;.</extracomment>
        <translation>час</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="125"/>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="140"/>
        <source>saved as: %1</source>
        <translation>збережено як: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="142"/>
        <source>nothing saved: no line was found</source>
        <translation>нічого не збережено: шлях не знайдено</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="174"/>
        <source>id|name|board|moves|piece moves</source>
        <extracomment>The header of the collection&apos;s table: the columns are the id, the name, the board, shortest moves and piece moves.</extracomment>
        <translation>id|назва|дошка|ходи|ходи деталей</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <location filename="../src/words/words.cpp" line="22"/>
        <source>right</source>
        <extracomment>A direction in a hint and in the moves list read aloud: &quot;hint: H right&quot;.</extracomment>
        <translation>праворуч</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="24"/>
        <source>up</source>
        <translation>вгору</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="26"/>
        <source>left</source>
        <translation>ліворуч</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="28"/>
        <source>down</source>
        <translation>вниз</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="161"/>
        <source>by %1</source>
        <extracomment>Who made a puzzle, in its tool tip: a name as the puzzle file gives it.</extracomment>
        <translation>автор: %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="186"/>
        <source>STOP</source>
        <extracomment>GO&apos;s caption during a run: stops it. At most 6 letters.</extracomment>
        <translation>СТОП</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="189"/>
        <source>STEP</source>
        <extracomment>GO&apos;s caption in step mode: one move per press. At most 6 letters.</extracomment>
        <translation>КРОК</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="192"/>
        <source>GO</source>
        <extracomment>The button that starts a search or a replay. At most 6 letters.</extracomment>
        <translation>ПУСК</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="203"/>
        <source>welcome at the TRULP puzzle. Select &quot;play&quot; or &quot;search&quot;...</source>
        <translation>ласкаво просимо до головоломки TRULP. Виберіть «грати» або «пошук»...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="205"/>
        <source>search for solution...</source>
        <translation>шукайте розв’язок...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="207"/>
        <source>show moves</source>
        <translation>показ ходів</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="209"/>
        <source>click GO to start search</source>
        <translation>натисніть ПУСК, щоб почати пошук</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="211"/>
        <source>find solutions...</source>
        <translation>шукайте розв’язки...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="213"/>
        <source>find solution...</source>
        <translation>шукайте розв’язок...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="215"/>
        <source>list is full</source>
        <translation>список заповнено</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="217"/>
        <source>moves list is full</source>
        <translation>список ходів заповнено</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="219"/>
        <source>SOLUTION FOUND ...congratulations !</source>
        <translation>РОЗВ’ЯЗОК ЗНАЙДЕНО... вітаємо!</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="221"/>
        <source>solution reached</source>
        <translation>мети досягнуто</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="224"/>
        <source>move %1</source>
        <extracomment>Replay and take-back: the number of the move shown.</extracomment>
        <translation>хід %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="226"/>
        <source>end of list</source>
        <translation>кінець списку</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="229"/>
        <source>hint: %1 %2 (%n to go)</source>
        <extracomment>%1 a block&apos;s letter, %2 a direction, %n the moves to the goal.</extracomment>
        <translation>
            <numerusform>підказка: %1 %2 (до мети %n)</numerusform>
            <numerusform>підказка: %1 %2 (до мети %n)</numerusform>
            <numerusform>підказка: %1 %2 (до мети %n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="232"/>
        <source>%n to go</source>
        <translation>
            <numerusform>до мети %n</numerusform>
            <numerusform>до мети %n</numerusform>
            <numerusform>до мети %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="234"/>
        <source>solving... %n to go</source>
        <translation>
            <numerusform>розв’язую... до мети %n</numerusform>
            <numerusform>розв’язую... до мети %n</numerusform>
            <numerusform>розв’язую... до мети %n</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="236"/>
        <source>pause</source>
        <translation>пауза</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="239"/>
        <source>pause: GO goes on</source>
        <extracomment>The coach&apos;s solve was stopped; GO, Space or Return let it go on.</extracomment>
        <translation>пауза: ПУСК — продовжити</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="242"/>
        <source>computer searching...move: %1</source>
        <extracomment>%1 the trial moves of the search so far.</extracomment>
        <translation>комп’ютер шукає... хід: %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="244"/>
        <source>puzzle solved.  (see statistics)</source>
        <translation>головоломку розв’язано. (див. статистику)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="246"/>
        <source>no solution found</source>
        <translation>розв’язку не знайдено</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="249"/>
        <source>puzzle saved as: %1</source>
        <extracomment>%1 the name the moves file was saved as.</extracomment>
        <translation>головоломку збережено як: %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="252"/>
        <source>puzzle %1 opened</source>
        <extracomment>%1 the name stored in the moves file.</extracomment>
        <translation>головоломку %1 відкрито</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="254"/>
        <source>read error</source>
        <translation>помилка читання</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="256"/>
        <source>wrong file</source>
        <translation>неправильний файл</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="259"/>
        <source>puzzle send to printer</source>
        <translation>головоломку надіслано на принтер</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="261"/>
        <source>page written to %1</source>
        <extracomment>%1 the PDF file the page was written to.</extracomment>
        <translation>сторінку записано у %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="264"/>
        <source>puzzle %1: shortest solution %n moves</source>
        <extracomment>%1 the puzzle&apos;s name, %n the moves of its shortest solution.</extracomment>
        <translation>
            <numerusform>головоломка %1: найкоротший розв’язок — %n хід</numerusform>
            <numerusform>головоломка %1: найкоротший розв’язок — %n ходи</numerusform>
            <numerusform>головоломка %1: найкоротший розв’язок — %n ходів</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="266"/>
        <source>drag the blocks where you want them</source>
        <translation>перетягніть блоки, куди хочете</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="268"/>
        <source>no way to the goal</source>
        <translation>до мети немає шляху</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="270"/>
        <source>block X is on the goal already</source>
        <translation>блок X уже досяг мети</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="272"/>
        <source>no room there</source>
        <translation>там немає місця</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="275"/>
        <source>new record: %n moves (shortest %1)</source>
        <extracomment>%n the moves of the new record, %1 the shortest solution&apos;s.</extracomment>
        <translation>
            <numerusform>новий рекорд — ходів: %n (мінімум %1)</numerusform>
            <numerusform>новий рекорд — ходів: %n (мінімум %1)</numerusform>
            <numerusform>новий рекорд — ходів: %n (мінімум %1)</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="298"/>
        <source>moves cleared: %1 brings them back</source>
        <extracomment>Beside the message, when a reset, a mode, a puzzle or a file threw the moves list away. %1 the undo key, as the desktop writes it.</extracomment>
        <translation>ходи стерто: %1 поверне їх</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="301"/>
        <source>next: %1 (%2)</source>
        <extracomment>After the goal, beside the message: the next puzzle without a record. %2 its key.</extracomment>
        <translation>далі: %1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="306"/>
        <source>the search is running: STOP first</source>
        <extracomment>Beside the message: an input refused while the search runs.</extracomment>
        <translation>триває пошук: спершу СТОП</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="308"/>
        <source>the replay is running: STOP first</source>
        <translation>триває повтор: спершу СТОП</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="311"/>
        <source>the coach is solving: GO stops it first</source>
        <extracomment>GO stops the coach&apos;s solve.</extracomment>
        <translation>тренер розв’язує: спершу зупиніть його кнопкою ПУСК</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="314"/>
        <source>puzzle %1 copied as text</source>
        <extracomment>%1 the puzzle&apos;s name.</extracomment>
        <translation>головоломку %1 скопійовано як текст</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="319"/>
        <source>puzzle %1</source>
        <extracomment>A puzzle chosen whose shortest solution the coach is still working out.</extracomment>
        <translation>головоломка %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="322"/>
        <source>your game of %1 is back</source>
        <extracomment>At start, when the game of the last run is back on the board.</extracomment>
        <translation>вашу гру «%1» відновлено</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="324"/>
        <source>not a puzzle: the file is not a text</source>
        <translation>не головоломка: файл не текстовий</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="326"/>
        <source>not a puzzle: a puzzle text has at most %n bytes</source>
        <translation>
            <numerusform>не головоломка: текст головоломки — щонайбільше %n байт</numerusform>
            <numerusform>не головоломка: текст головоломки — щонайбільше %n байти</numerusform>
            <numerusform>не головоломка: текст головоломки — щонайбільше %n байтів</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="329"/>
        <source>line 1: a puzzle text begins with the line &apos;%1&apos;</source>
        <extracomment>%1 the line a puzzle text must begin with.</extracomment>
        <translation>рядок 1: текст головоломки починається рядком «%1»</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="331"/>
        <source>line %1: unknown key &apos;%2&apos; (name, by and note are known)</source>
        <translation>рядок %1: невідомий ключ «%2» (відомі name, by і note)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="333"/>
        <source>the puzzle has no &apos;name:&apos; line</source>
        <translation>у головоломці немає рядка «name:»</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="335"/>
        <source>the puzzle has no &apos;start:&apos; map</source>
        <translation>у головоломці немає схеми «start:»</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="337"/>
        <source>the puzzle has no &apos;goal:&apos; map</source>
        <translation>у головоломці немає схеми «goal:»</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="339"/>
        <source>line %1: not a key line and not in a map</source>
        <translation>рядок %1: це не рядок ключа і не частина схеми</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="342"/>
        <source>line %1: a row of %2 fields, the first row has %3</source>
        <extracomment>%2 the fields of this row, %3 those of the first row.</extracomment>
        <translation>рядок %1: клітинок у ряду: %2, а в першому ряду: %3</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="344"/>
        <source>the goal map has %1 rows, the start map %2</source>
        <translation>рядів у схемі мети: %1, а в схемі початку: %2</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="346"/>
        <source>a board of %1 by %2 fields: each side must be 2 to 10 fields</source>
        <translation>дошка %1 × %2 клітинок: кожна сторона має бути від 2 до 10 клітинок</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="349"/>
        <source>line %1: &apos;%2&apos; is no field (. free, # wall, A to Z a piece)</source>
        <extracomment>%2 a character that means nothing in a start map.</extracomment>
        <translation>рядок %1: «%2» — не клітинка (. вільна, # стіна, від A до Z деталь)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="351"/>
        <source>line %1: one space at most between two fields</source>
        <translation>рядок %1: між двома клітинками щонайбільше один пробіл</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="353"/>
        <source>line %1: piece %2 is in two parts</source>
        <translation>рядок %1: деталь %2 розпадається на дві частини</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="355"/>
        <source>line %1: piece %2 has %3 fields, at most 9 are allowed</source>
        <translation>рядок %1: деталь %2 займає клітинок: %3, а дозволено щонайбільше 9</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="360"/>
        <source>the start has no free field</source>
        <translation>на початку немає вільної клітинки</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="362"/>
        <source>line %1: the goal of piece %2 does not have its shape</source>
        <translation>рядок %1: мета деталі %2 не має її форми</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="366"/>
        <source>line %1: the goal of piece %2 is on a wall</source>
        <translation>рядок %1: мета деталі %2 на стіні</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="368"/>
        <source>line %1: the goal names piece %2, which the start does not have</source>
        <translation>рядок %1: мета називає деталь %2, якої немає на початку</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="372"/>
        <source>the goal names no piece</source>
        <translation>мета не називає жодної деталі</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="374"/>
        <source>the goal is met at the start already</source>
        <translation>мети досягнуто вже на початку</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="377"/>
        <source>line %1: &apos;%2&apos; is no move (a piece&apos;s letter and R, U, L or D)</source>
        <extracomment>A moves list of a game file: %2 what stands there instead of a letter and R, U, L or D.</extracomment>
        <translation>рядок %1: «%2» — не хід (потрібні літера деталі й R, U, L або D)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="379"/>
        <source>move %1 cannot be made from the start</source>
        <translation>хід %1 неможливо зробити від початку</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="381"/>
        <source>more moves than a list holds (%1)</source>
        <translation>ходів більше, ніж вміщує список (%1)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="384"/>
        <source>cannot open &apos;%1&apos;: %2</source>
        <extracomment>%1 a file, %2 the system&apos;s reason.</extracomment>
        <translation>не вдалося відкрити «%1»: %2</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="386"/>
        <source>&apos;%1&apos; is not a file that can be opened</source>
        <translation>«%1» — не файл, який можна відкрити</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="388"/>
        <source>cannot read &apos;%1&apos;: %2</source>
        <translation>не вдалося прочитати «%1»: %2</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="390"/>
        <source>cannot write in &apos;%1&apos;: %2</source>
        <translation>не вдалося записати в «%1»: %2</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="392"/>
        <source>cannot save &apos;%1&apos;: %2</source>
        <translation>не вдалося зберегти «%1»: %2</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="394"/>
        <source>&apos;%1&apos; is not a moves file: %n bytes instead of 250</source>
        <translation>
            <numerusform>«%1» — не файл ходів: %n байт замість 250</numerusform>
            <numerusform>«%1» — не файл ходів: %n байти замість 250</numerusform>
            <numerusform>«%1» — не файл ходів: %n байтів замість 250</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="397"/>
        <source>your records could not be read: the file is kept as %1</source>
        <extracomment>%1 where the damaged records file was put.</extracomment>
        <translation>не вдалося прочитати ваші рекорди: файл збережено як %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="399"/>
        <source>the game kept last time could not be read: it is kept as %1</source>
        <translation>не вдалося прочитати гру, збережену минулого разу: її збережено як %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="441"/>
        <source>the coach cannot know this puzzle: it has too many positions</source>
        <extracomment>The coach&apos;s tool tip and words for a puzzle it has no table for.</extracomment>
        <translation>тренер не може знати цю головоломку: у ній забагато позицій</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="277"/>
        <source>block %1 on field %2 does not fit on the board</source>
        <translation>блок %1 на клітинці %2 не вміщується на дошці</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="280"/>
        <source>block %1 on field %2 stands on a wall</source>
        <extracomment>A piece placed where the board has a wall.</extracomment>
        <translation>блок %1 на клітинці %2 стоїть на стіні</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="282"/>
        <source>blocks %1 on field %2 and %3 on field %4 overlap</source>
        <translation>блоки %1 на клітинці %2 і %3 на клітинці %4 накладаються</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="288"/>
        <source>a start names ten blocks in the order A X B C D E F G H I, each with its field, not %n tokens</source>
        <translation>
            <numerusform>початкова позиція має називати десять блоків у порядку A X B C D E F G H I, кожен зі своєю клітинкою, а не %n елемент</numerusform>
            <numerusform>початкова позиція має називати десять блоків у порядку A X B C D E F G H I, кожен зі своєю клітинкою, а не %n елементи</numerusform>
            <numerusform>початкова позиція має називати десять блоків у порядку A X B C D E F G H I, кожен зі своєю клітинкою, а не %n елементів</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="292"/>
        <source>block %1 of the start must be %2 (order A X B C D E F G H I), not &apos;%3&apos;</source>
        <translation>блок %1 початкової позиції має бути %2 (порядок A X B C D E F G H I), а не «%3»</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="303"/>
        <source>&apos;%1&apos;: the field must be a number from 0 to 19</source>
        <translation>«%1»: клітинка має бути числом від 0 до 19</translation>
    </message>
</context>
<context>
    <name>trulp::BoardView</name>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="20"/>
        <source>column %1</source>
        <translation>стовпець %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="21"/>
        <source>columns %1 to %2</source>
        <translation>стовпці з %1 по %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="24"/>
        <source>row %1</source>
        <translation>рядок %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="25"/>
        <source>rows %1 to %2</source>
        <translation>рядки з %1 по %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="31"/>
        <source>board</source>
        <translation>дошка</translation>
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
        <translation>довідка</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="29"/>
        <source>shift until</source>
        <extracomment>Beside the target, the first of three lines read together: &quot;shift until&quot; / &quot;block X&quot; / &quot;is here&quot;.</extracomment>
        <translation>ведіть</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="32"/>
        <location filename="../src/mainwindow/controlbar.cpp" line="187"/>
        <source>block X</source>
        <extracomment>The second of the three lines beside the target: &quot;shift until&quot; / &quot;block X&quot; / &quot;is here&quot;.</extracomment>
        <translation>блок X</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="35"/>
        <location filename="../src/mainwindow/controlbar.cpp" line="203"/>
        <source>is here</source>
        <extracomment>The third of the three lines beside the target: &quot;shift until&quot; / &quot;block X&quot; / &quot;is here&quot;.</extracomment>
        <translation>сюди</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="38"/>
        <source>max.move</source>
        <extracomment>The move limit of the search, above its number. Short: about 9 letters.</extracomment>
        <translation>макс.хід</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="45"/>
        <source>raise the move limit</source>
        <translation>збільшити ліміт ходів</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="46"/>
        <source>lower the move limit</source>
        <translation>зменшити ліміт ходів</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="56"/>
        <source>step</source>
        <extracomment>The check box for one move at a time. Short: about 6 letters.</extracomment>
        <translation>крок</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="64"/>
        <source>play</source>
        <extracomment>Mode button: the player moves the blocks. Short: about 8 letters.</extracomment>
        <translation>грати</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="66"/>
        <source>find solutions yourself</source>
        <translation>шукайте розв’язок самі</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="68"/>
        <source>replay</source>
        <extracomment>Mode button: the moves list played again. Short: about 8 letters.</extracomment>
        <translation>повтор</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="70"/>
        <source>replay moves</source>
        <translation>повтор ходів</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="72"/>
        <source>search</source>
        <extracomment>Mode button: the computer searches. Short: about 8 letters.</extracomment>
        <translation>пошук</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="74"/>
        <source>let computer search for solutions</source>
        <translation>доручити пошук розв’язків комп’ютеру</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="82"/>
        <source>reset</source>
        <extracomment>Puts the blocks back at the start. Short: about 8 letters.</extracomment>
        <translation>скинути</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="85"/>
        <source>back</source>
        <extracomment>Takes the last move back. Short: about 7 letters.</extracomment>
        <translation>назад</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="87"/>
        <source>take the last move back (Backspace)</source>
        <translation>скасувати останній хід (Backspace)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="91"/>
        <source>statistics</source>
        <extracomment>Opens the search&apos;s statistics. Short: about 10 letters.</extracomment>
        <translation>статистика</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="97"/>
        <source>to go</source>
        <extracomment>Above the number of moves still needed to reach the goal.</extracomment>
        <translation>до мети</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="100"/>
        <source>moves to go</source>
        <translation>ходів до мети</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="102"/>
        <source>hint</source>
        <extracomment>The coach&apos;s hint. Short: about 8 letters.</extracomment>
        <translation>підказка</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="105"/>
        <source>solve</source>
        <extracomment>The coach plays the rest of the way. Short: about 8 letters.</extracomment>
        <translation>розв’язати</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="111"/>
        <location filename="../src/mainwindow/controlbar.cpp" line="114"/>
        <source>puzzle</source>
        <extracomment>Above the name of the puzzle being played.</extracomment>
        <translation>головоломка</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="117"/>
        <source>play it</source>
        <extracomment>Ends setting up a puzzle and plays it. Short: about 8 letters.</extracomment>
        <translation>почати</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="120"/>
        <source>play the position set up</source>
        <translation>грати з цією розстановкою</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="122"/>
        <source>cancel</source>
        <extracomment>Gives up setting up a puzzle. Short: about 8 letters.</extracomment>
        <translation>скасувати</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="166"/>
        <source>show the best next move</source>
        <translation>показати найкращий наступний хід</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="167"/>
        <source>play the shortest way to the goal</source>
        <translation>дограти найкоротшим шляхом до мети</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="194"/>
        <source>block %1</source>
        <extracomment>Beside the target, the second line, for a puzzle whose goal names one piece: its letter.</extracomment>
        <translation>блок %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="197"/>
        <source>blocks %1</source>
        <extracomment>The same for a goal of two pieces: &quot;X, Y&quot;.</extracomment>
        <translation>блоки %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="200"/>
        <source>the red blocks</source>
        <extracomment>The same for a goal of three pieces or more: they are drawn red.</extracomment>
        <translation>червоні блоки</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="203"/>
        <source>are here</source>
        <extracomment>The third line beside the target after &quot;blocks X, Y&quot; or &quot;the red blocks&quot;: &quot;shift until&quot; / &quot;blocks X, Y&quot; / &quot;are here&quot;.</extracomment>
        <translation>сюди</translation>
    </message>
</context>
<context>
    <name>trulp::GameChart</name>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="70"/>
        <source>%n moves, %1 to go, shortest possible %2, your best %3</source>
        <extracomment>%n moves made, %1 to go, %2 the shortest solution, %3 the player&apos;s record.</extracomment>
        <translation>
            <numerusform>ходів: %n, до мети %1, мінімум %2, ваш рекорд %3</numerusform>
            <numerusform>ходів: %n, до мети %1, мінімум %2, ваш рекорд %3</numerusform>
            <numerusform>ходів: %n, до мети %1, мінімум %2, ваш рекорд %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="75"/>
        <source>%n moves, %1 to go, shortest possible %2</source>
        <translation>
            <numerusform>ходів: %n, до мети %1, мінімум %2</numerusform>
            <numerusform>ходів: %n, до мети %1, мінімум %2</numerusform>
            <numerusform>ходів: %n, до мети %1, мінімум %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="79"/>
        <source>%n moves, shortest possible %1, your best %2</source>
        <translation>
            <numerusform>ходів: %n, мінімум %1, ваш рекорд %2</numerusform>
            <numerusform>ходів: %n, мінімум %1, ваш рекорд %2</numerusform>
            <numerusform>ходів: %n, мінімум %1, ваш рекорд %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="82"/>
        <source>%n moves, shortest possible %1</source>
        <translation>
            <numerusform>ходів: %n, мінімум %1</numerusform>
            <numerusform>ходів: %n, мінімум %1</numerusform>
            <numerusform>ходів: %n, мінімум %1</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="123"/>
        <location filename="../src/mainwindow/chart.cpp" line="157"/>
        <source>moves</source>
        <extracomment>The chart&apos;s axes: the moves made, and the moves still to go after each.
----------
The chart&apos;s line of the moves list, whoever made them.</extracomment>
        <translation>ходи</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="123"/>
        <source>moves to go</source>
        <translation>ходів до мети</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="158"/>
        <source>away from goal</source>
        <translation>від мети</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="159"/>
        <source>hint or solve</source>
        <translation>підказка або розв’язок</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="161"/>
        <source>piece moves</source>
        <extracomment>The chart&apos;s line of the piece moves still to go.</extracomment>
        <translation>ходи деталей</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="162"/>
        <source>shortest pace</source>
        <translation>темп найкоротшого шляху</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="163"/>
        <source>board now</source>
        <translation>зараз на дошці</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="206"/>
        <source>TRULP game chart</source>
        <translation>TRULP — графік гри</translation>
    </message>
</context>
<context>
    <name>trulp::MovesPanel</name>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="50"/>
        <source>moves</source>
        <translation>ходи</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="64"/>
        <source>move %1 of %2</source>
        <translation>хід %1 з %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="69"/>
        <source>move %1 of %2: %3 %4</source>
        <extracomment>The last move read aloud: &quot;move 3 of 5: H right&quot;.</extracomment>
        <translation>хід %1 з %2: %3 %4</translation>
    </message>
</context>
<context>
    <name>trulp::PuzzlesDialog</name>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="67"/>
        <source>shortest %1</source>
        <extracomment>The shortest lines of a puzzle: %1 as moves / piece moves.</extracomment>
        <translation>мінімум %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="70"/>
        <source>%1
not solved yet · %2</source>
        <extracomment>A puzzle not solved yet: its name, and its shortest lines.</extracomment>
        <translation>%1
ще не розв’язано · %2</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="73"/>
        <source>✓ %1
solved %n times, with help · %2</source>
        <extracomment>A puzzle solved only with the coach&apos;s help: %n times.</extracomment>
        <translation>
            <numerusform>✓ %1
розв’язано %n раз, з допомогою · %2</numerusform>
            <numerusform>✓ %1
розв’язано %n рази, з допомогою · %2</numerusform>
            <numerusform>✓ %1
розв’язано %n разів, з допомогою · %2</numerusform>
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
ваш рекорд %2 / %3 · %4
найкращий час %5 · розв’язано %n раз</numerusform>
            <numerusform>%1
ваш рекорд %2 / %3 · %4
найкращий час %5 · розв’язано %n рази</numerusform>
            <numerusform>%1
ваш рекорд %2 / %3 · %4
найкращий час %5 · розв’язано %n разів</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="89"/>
        <source>%1: %2 of %3 solved, %4 in the fewest moves</source>
        <extracomment>A pack&apos;s heading: %1 its name, %2 solved of %3, %4 of them in the fewest moves.</extracomment>
        <translation>%1: розв’язано %2 з %3, %4 — найменшою кількістю ходів</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="104"/>
        <source>TRULP puzzles</source>
        <translation>TRULP — головоломки</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="111"/>
        <source>puzzles</source>
        <translation>головоломки</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="116"/>
        <source>unsolved first</source>
        <extracomment>Sorts each pack with the puzzles not solved yet at its top.</extracomment>
        <translation>спершу нерозв’язані</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="119"/>
        <source>play</source>
        <translation>грати</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="129"/>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="146"/>
        <source>new puzzle</source>
        <translation>нова головоломка</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="134"/>
        <source>difficulty</source>
        <translation>складність</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="136"/>
        <source>moves to the goal</source>
        <translation>ходів до мети</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="143"/>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="152"/>
        <source>seed</source>
        <translation>зерно</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="156"/>
        <source>set up your own</source>
        <translation>розставити самому</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="162"/>
        <source>close</source>
        <translation>закрити</translation>
    </message>
</context>
<context>
    <name>trulp::TForm1</name>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="76"/>
        <source>TRULP puzzel</source>
        <extracomment>The main window&apos;s title.</extracomment>
        <translation>TRULP — головоломка</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/desktop.cpp" line="24"/>
        <source>TRULP moves and puzzles (TRULP_* TRULP+* *.trulp)</source>
        <translation>Ходи й головоломки TRULP (TRULP_* TRULP+* *.trulp)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/desktop.cpp" line="26"/>
        <source>All files (*)</source>
        <translation>Усі файли (*)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/desktop.cpp" line="31"/>
        <source>TRULP: save moves</source>
        <translation>TRULP — збереження ходів</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/desktop.cpp" line="34"/>
        <source>TRULP: open moves file</source>
        <translation>TRULP — відкриття файлу ходів</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/desktop.cpp" line="45"/>
        <source>Print to PDF file</source>
        <translation>Друк у файл PDF</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/desktop.cpp" line="46"/>
        <source>PDF files (*.pdf)</source>
        <translation>Файли PDF (*.pdf)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="191"/>
        <source>help</source>
        <translation>довідка</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="140"/>
        <source>moves</source>
        <extracomment>Above the moves list.</extracomment>
        <translation>ходи</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="194"/>
        <source>play</source>
        <translation>грати</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="195"/>
        <source>replay</source>
        <translation>повтор</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="196"/>
        <source>search</source>
        <translation>пошук</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="197"/>
        <source>reset</source>
        <translation>скинути</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="200"/>
        <source>statistics</source>
        <translation>статистика</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="198"/>
        <source>hint</source>
        <translation>підказка</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="199"/>
        <source>solve</source>
        <translation>розв’язати</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="101"/>
        <source>the coach is counting the positions: %1</source>
        <extracomment>The coach works out every position of the puzzle; %1 so far.</extracomment>
        <translation>тренер рахує позиції: %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="192"/>
        <source>undo</source>
        <translation>повернути</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="193"/>
        <source>redo</source>
        <translation>повторити</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="201"/>
        <source>next puzzle without a record</source>
        <translation>наступна головоломка без рекорду</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="202"/>
        <source>copy the puzzle as text</source>
        <translation>копіювати головоломку як текст</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="203"/>
        <source>paste a puzzle text</source>
        <translation>вставити текст головоломки</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="237"/>
        <source>full screen</source>
        <translation>повноекранний режим</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="239"/>
        <source>quit</source>
        <translation>вийти</translation>
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
        <translation>мета</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="25"/>
        <source>block X must stand on the two centre fields of the two bottom rows</source>
        <translation>блок X має стати на дві середні клітинки двох нижніх рядів</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="31"/>
        <source>%1 in column %2, row %3</source>
        <extracomment>Where a piece must stand, read aloud: &quot;X in column 2, row 4&quot;.</extracomment>
        <translation>%1 у стовпці %2, рядку %3</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="37"/>
        <source>the goal: %1</source>
        <extracomment>The goal, read aloud: &quot;the goal: X in column 2, row 4&quot;.</extracomment>
        <translation>мета: %1</translation>
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
        <translation>TRULP — довідка</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="72"/>
        <source>page</source>
        <translation>стор.</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="73"/>
        <source>UP</source>
        <translation>ВГОРУ</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="74"/>
        <source>DOWN</source>
        <translation>ВНИЗ</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="75"/>
        <source>&lt;ECS&gt; close page</source>
        <translation>&lt;Esc&gt; закрити</translation>
    </message>
</context>
<context>
    <name>trulp::ToolBar</name>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="19"/>
        <source>open</source>
        <translation>відкрити</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="19"/>
        <source>open moves file</source>
        <translation>відкрити файл ходів</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="20"/>
        <source>save</source>
        <translation>зберегти</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="20"/>
        <source>save moves</source>
        <translation>зберегти ходи</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="21"/>
        <source>print</source>
        <translation>друк</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="22"/>
        <source>printer setup</source>
        <translation>налаштування принтера</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="23"/>
        <source>game chart</source>
        <translation>графік гри</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="24"/>
        <source>puzzles</source>
        <translation>головоломки</translation>
    </message>
</context>
</TS>
