<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>PrintPage</name>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="34"/>
        <source>TRULP puzzle</source>
        <translation>TRULP 谜题</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="35"/>
        <source>start position</source>
        <translation>起始布局</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="36"/>
        <source>final position</source>
        <translation>最终布局</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="37"/>
        <source>moves</source>
        <translation>走法</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="124"/>
        <source>TRULP puzzle: %1</source>
        <extracomment>The printed page&apos;s title for a puzzle other than the classic.</extracomment>
        <translation>TRULP 谜题：%1</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="28"/>
        <source>TRULP puzzle</source>
        <extracomment>The name a printed page goes by in the printer&apos;s queue.</extracomment>
        <translation>TRULP 谜题</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="38"/>
        <source>TRULP puzzle.pdf</source>
        <extracomment>The file a page is printed to when there is no printer; keep &quot;.pdf&quot;.</extracomment>
        <translation>TRULP 谜题.pdf</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="55"/>
        <source>The print job could not be started on %1.</source>
        <extracomment>%1 the printer or the file.</extracomment>
        <translation>无法在 %1 上启动打印作业。</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="83"/>
        <source>Printer setup</source>
        <translation>打印机设置</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="87"/>
        <source>a PDF file</source>
        <extracomment>In the printer setup: the page goes to a PDF file, asked for at printing.</extracomment>
        <translation>PDF 文件</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="93"/>
        <source>page...</source>
        <translation>页面设置...</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="100"/>
        <source>choose</source>
        <extracomment>The printer setup&apos;s button: it chooses the printer, it does not print.</extracomment>
        <translation>选择</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/printing.cpp" line="105"/>
        <source>print to</source>
        <extracomment>In the printer setup: where a printed page goes.</extracomment>
        <translation>打印到</translation>
    </message>
</context>
<context>
    <name>Puzzles</name>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="36"/>
        <location filename="../src/words/words.cpp" line="70"/>
        <source>moves</source>
        <translation>指定步数</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="40"/>
        <source>the ten blocks</source>
        <extracomment>A pack of puzzles: the ten blocks of the classic from other starts.</extracomment>
        <translation>十方块</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="42"/>
        <source>the classics</source>
        <extracomment>A pack of puzzles: the famous ones of the puzzle literature.</extracomment>
        <translation>经典名题</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="44"/>
        <source>the large ones</source>
        <extracomment>A pack of puzzles: larger boards and long solutions.</extracomment>
        <translation>大型谜题</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="47"/>
        <source>classic</source>
        <translation>经典谜题</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="47"/>
        <source>nearly</source>
        <translation>差一点</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="48"/>
        <source>corners</source>
        <translation>四角</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="48"/>
        <source>lid</source>
        <translation>盖子</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="49"/>
        <source>sidestep</source>
        <translation>闪身</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="49"/>
        <source>drift</source>
        <translation>漂移</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="50"/>
        <source>nudge</source>
        <translation>轻推</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="50"/>
        <source>fence</source>
        <translation>篱笆</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="51"/>
        <source>pillars</source>
        <translation>立柱</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="51"/>
        <source>stakes</source>
        <translation>木桩</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="52"/>
        <source>arch</source>
        <translation>拱门</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="52"/>
        <source>cradle</source>
        <translation>摇篮</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="53"/>
        <source>throne</source>
        <translation>王座</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="53"/>
        <source>tower</source>
        <translation>高塔</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="54"/>
        <source>palisade</source>
        <translation>木栅</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="54"/>
        <source>keep</source>
        <translation>内堡</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="55"/>
        <source>detour</source>
        <translation>绕道</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="55"/>
        <source>crooked</source>
        <translation>歪扭</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="56"/>
        <source>leaning</source>
        <translation>倾斜</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="56"/>
        <source>tangle</source>
        <translation>乱麻</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="57"/>
        <source>attic</source>
        <translation>阁楼</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="57"/>
        <source>lopsided</source>
        <translation>失衡</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="58"/>
        <source>colonnade</source>
        <translation>柱廊</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="58"/>
        <source>sentries</source>
        <translation>哨兵</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="59"/>
        <source>guards</source>
        <translation>卫兵</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="59"/>
        <source>ladder</source>
        <translation>梯子</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="60"/>
        <source>shelf</source>
        <translation>搁板</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="60"/>
        <source>gate</source>
        <translation>大门</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="61"/>
        <source>lantern</source>
        <translation>灯笼</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="61"/>
        <source>fallen</source>
        <translation>陨落</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="62"/>
        <source>crown</source>
        <translation>王冠</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="62"/>
        <source>hourglass</source>
        <translation>沙漏</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="63"/>
        <source>fortress</source>
        <translation>要塞</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="63"/>
        <source>citadel</source>
        <translation>卫城</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="64"/>
        <source>twin</source>
        <translation>双子</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="64"/>
        <source>soldiers</source>
        <translation>士兵</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="65"/>
        <source>barracks</source>
        <translation>兵营</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="65"/>
        <source>garrison</source>
        <translation>驻军</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="66"/>
        <source>labyrinth</source>
        <translation>迷宫</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="66"/>
        <source>summit</source>
        <translation>顶峰</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="67"/>
        <source>nadir</source>
        <translation>天底</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="67"/>
        <source>zenith</source>
        <translation>天顶</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="68"/>
        <source>your own</source>
        <translation>自定义</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="68"/>
        <source>easy</source>
        <translation>简单</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="69"/>
        <source>medium</source>
        <translation>中等</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="69"/>
        <source>hard</source>
        <translation>困难</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="76"/>
        <source>The Angelica Puzzle</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>安吉莉卡谜题</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="78"/>
        <source>1931, eight counters into the order ANGELICA, here A to H. Shortest solution 30 moves.</source>
        <extracomment>The note of the puzzle The Angelica Puzzle: keep the numbers and the kind of count.</extracomment>
        <translation>1931 年，把八枚棋子排成 ANGELICA 的顺序，此处为 A 到 H。最短解 30 步。</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="81"/>
        <source>Bandaged Fifteen</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>捆绑十五</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="83"/>
        <source>2011, a fifteen-puzzle tray with pieces glued together. Shortest solution 131 piece moves (179 moves).</source>
        <extracomment>The note of the puzzle Bandaged Fifteen: keep the numbers and the kind of count.</extracomment>
        <translation>2011 年，部分棋子粘连在一起的十五数码盘。最短解：棋子步数 131（179 步）。</translation>
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
        <translation>1975 年，《Winning Ways》书中的中间方块偏离网格半格，此处将其放在网格上。最短解：棋子步数 99（131 步）。</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="91"/>
        <source>Dad&apos;s Puzzle</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>爸爸的谜题</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="93"/>
        <source>1909, the Pennant Puzzle, sold from 1926 as Dad&apos;s Puzzler. Big square from the upper left to the lower left corner. Shortest solution 59 piece moves (83 moves).</source>
        <extracomment>The note of the puzzle Dad&apos;s Puzzle: keep the numbers and the kind of count.</extracomment>
        <translation>1909 年的 Pennant Puzzle，1926 年起以 Dad&apos;s Puzzler 之名出售。大正方形从左上角移到左下角。最短解：棋子步数 59（83 步）。</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="96"/>
        <source>The Eight Engines</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>八辆机车</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="98"/>
        <source>1917, Amusements in Mathematics no. 221, engines 1 to 8 round a yard, drawn as the equivalent 3x3 tray. Shortest solution 17 moves.</source>
        <extracomment>The note of the puzzle The Eight Engines: keep the numbers and the kind of count.</extracomment>
        <translation>1917 年，《Amusements in Mathematics》第 221 题，机车 1 到 8 环绕调车场，这里画成等价的 3x3 盘。最短解 17 步。</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="101"/>
        <source>Eight Puzzle</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>八数码</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="103"/>
        <source>Tiles A to H stand for 1 to 8, in one of the two starts farthest from order. Shortest solution 31 moves.</source>
        <extracomment>The note of the puzzle Eight Puzzle: keep the numbers and the kind of count.</extracomment>
        <translation>棋子 A 到 H 代表 1 到 8，起始局面是离有序状态最远的两个局面之一。最短解 31 步。</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="106"/>
        <source>The Flanders Wheel</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>佛兰德斯轮</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="108"/>
        <source>1931, FLANDERS round a wheel, drawn as the equivalent 3x3 tray. Shortest solution 28 moves.</source>
        <extracomment>The note of the puzzle The Flanders Wheel: keep the numbers and the kind of count.</extracomment>
        <translation>1931 年，FLANDERS 排在轮子上，这里画成等价的 3x3 盘。最短解 28 步。</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="111"/>
        <source>The Four Frogs</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>四只青蛙</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="113"/>
        <source>1917, Amusements in Mathematics no. 341, Guarini&apos;s knight swap of 1512 drawn as Dudeney&apos;s ring of toadstools. Shortest solution 7 piece moves (16 moves).</source>
        <extracomment>The note of the puzzle The Four Frogs: keep the numbers and the kind of count.</extracomment>
        <translation>1917 年，《Amusements in Mathematics》第 341 题，瓜里尼 1512 年的马互换问题，画成杜德尼的蘑菇圈。最短解：棋子步数 7（16 步）。</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="116"/>
        <source>The Letter Block Puzzle</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>字母方块谜题</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="118"/>
        <source>1917, Amusements in Mathematics no. 219. Put the blocks in order, A to H. Shortest solution 23 moves.</source>
        <extracomment>The note of the puzzle The Letter Block Puzzle: keep the numbers and the kind of count.</extracomment>
        <translation>1917 年，《Amusements in Mathematics》第 219 题。把方块按 A 到 H 排好。最短解 23 步。</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="121"/>
        <source>A Lodging-House Difficulty</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>公寓难题</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="123"/>
        <source>1917, Amusements in Mathematics no. 220. Swap the piano X and the bookcase Y, one piece to a room. Shortest solution 17 moves.</source>
        <extracomment>The note of the puzzle A Lodging-House Difficulty: keep the numbers and the kind of count.</extracomment>
        <translation>1917 年，《Amusements in Mathematics》第 220 题。交换钢琴 X 和书柜 Y，每个房间只放一件家具。最短解 17 步。</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="126"/>
        <source>Quzzle Killer</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>Quzzle 杀手</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="128"/>
        <source>2004, the Quzzle pieces rearranged. Big square to the upper right corner. Shortest solution 90 piece moves (121 moves).</source>
        <extracomment>The note of the puzzle Quzzle Killer: keep the numbers and the kind of count.</extracomment>
        <translation>2004 年，Quzzle 的棋子重新排列。大正方形移到右上角。最短解：棋子步数 90（121 步）。</translation>
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
        <translation>2004 年，由电脑设计。大正方形移到右上角。最短解：棋子步数 84（115 步）。</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="136"/>
        <source>Super Century</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>超级 Century</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="138"/>
        <source>2004, the pieces of Century. Shortest solution 138 piece moves (179 moves).</source>
        <extracomment>The note of the puzzle Super Century: keep the numbers and the kind of count.</extracomment>
        <translation>2004 年，使用 Century 的棋子。最短解：棋子步数 138（179 步）。</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="141"/>
        <source>Ma&apos;s Puzzle, Wide</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>妈妈的谜题（宽版）</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="143"/>
        <source>1986, join the two L&apos;s into a lying block in the top right corner. Shortest solution 37 piece moves (60 moves).</source>
        <extracomment>The note of the puzzle Ma&apos;s Puzzle, Wide: keep the numbers and the kind of count.</extracomment>
        <translation>1986 年，把两个 L 形棋子在右上角拼成一个横放的方块。最短解：棋子步数 37（60 步）。</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="146"/>
        <source>Ma&apos;s Puzzle</source>
        <extracomment>A puzzle&apos;s name, as the literature gives it.</extracomment>
        <translation>妈妈的谜题</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="148"/>
        <source>1927, join the two L&apos;s into an upright block in the top right corner. Shortest solution 23 piece moves (36 moves).</source>
        <extracomment>The note of the puzzle Ma&apos;s Puzzle: keep the numbers and the kind of count.</extracomment>
        <translation>1927 年，把两个 L 形棋子在右上角拼成一个竖立的方块。最短解：棋子步数 23（36 步）。</translation>
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
        <translation>步数</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="411"/>
        <source>time (secs.)</source>
        <translation>时间（秒）</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="412"/>
        <source>trial moves</source>
        <translation>试探步数</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="413"/>
        <source>Forward history buffer length</source>
        <translation>前向历史缓冲区长度</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="414"/>
        <source>Backward buffer hits</source>
        <translation>后向缓冲区命中次数</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="415"/>
        <source>Forward buffer hits</source>
        <translation>前向缓冲区命中次数</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="416"/>
        <source>piece moves</source>
        <comment>a game&apos;s moves, a piece&apos;s moves one after another counted once</comment>
        <translation>棋子步数</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="417"/>
        <source>moves by the coach</source>
        <comment>of the game&apos;s moves, those a hint or a solve made</comment>
        <translation>教练走的步数</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="418"/>
        <source>time played</source>
        <comment>the game&apos;s time, without the time hidden or solving</comment>
        <translation>游玩时间</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="419"/>
        <source>to the goal</source>
        <comment>moves / piece moves still to go from the board</comment>
        <translation>到目标</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="420"/>
        <source>your best</source>
        <comment>the fewest moves / piece moves of a solve without help</comment>
        <translation>个人最佳</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="40"/>
        <source>TRULP statistics</source>
        <translation>TRULP 统计</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="70"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TrulpSolve</name>
    <message>
        <location filename="../src/cli/main.cpp" line="40"/>
        <source>&apos;%1&apos;: %2</source>
        <translation>“%1”：%2</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="82"/>
        <source>no puzzle is named &apos;%1&apos; (see --puzzles)</source>
        <translation>没有名为“%1”的谜题（见 --puzzles）</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="87"/>
        <source>--start &apos;%1&apos;: %2</source>
        <translation>--start “%1”：%2</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="101"/>
        <source>standard input</source>
        <translation>标准输入</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="108"/>
        <location filename="../src/cli/options.cpp" line="77"/>
        <source>--max-move must be a whole number from %1 to %2, not &apos;%3&apos;</source>
        <translation>--max-move 必须是 %1 到 %2 之间的整数，而不是“%3”</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="151"/>
        <source>cannot write the list</source>
        <translation>无法写出列表</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="212"/>
        <source>cannot save: the line from the start would have %1 moves, and a moves file holds at most %2</source>
        <translation>无法保存：从起始局面起的路线将有 %1 步，而走法文件最多只能容纳 %2 步</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="227"/>
        <source>cannot write the report</source>
        <translation>无法写出报告</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="28"/>
        <source>unexpected argument &apos;%1&apos; (see --help)</source>
        <translation>意外的参数“%1”（见 --help）</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="32"/>
        <source>%1 is given twice</source>
        <translation>%1 被指定了两次</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="42"/>
        <source>unknown option &apos;%1&apos; (see --help)</source>
        <translation>未知选项“%1”（见 --help）</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="47"/>
        <source>%1 takes no value</source>
        <translation>%1 不接受值</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="65"/>
        <location filename="../src/cli/options.cpp" line="69"/>
        <source>%1 needs a value</source>
        <translation>%1 需要一个值</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="116"/>
        <source>--puzzle, --start and --puzzle-file do not go together</source>
        <translation>--puzzle、--start 和 --puzzle-file 不能同时使用</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="119"/>
        <source>--from carries its own puzzle: not with --puzzle, --start or --puzzle-file</source>
        <translation>--from 自带谜题：不能与 --puzzle、--start 或 --puzzle-file 同用</translation>
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
        <translation>用法：
  trulp-solve [--puzzle NAME | --start POSITION | --puzzle-file FILE]
              [--max-move N] [--slice N] [--save FILE] [--json]
  trulp-solve --optimal [--puzzle NAME | --start POSITION | --puzzle-file FILE |
              --from FILE] [--save FILE] [--json]
  trulp-solve --puzzles [--json]
  trulp-solve --help | --version

从起始局面求解滑块谜题：经典谜题、合集中的其他谜题、
逐个方块给出的布局，或谜题文件中的谜题。

  --max-move N  深度优先搜索的步数上限，至少 100（默认 150）；
                经典谜题的十个方块最多 200
  --slice N     每个搜索步骤记录的步数，至少 1（默认 10000）；
                不影响结果
  --optimal     对所有局面做广度优先搜索，得出最短路线；
                同时求出最少棋子步数（同一棋子连续移动只算一次）
  --puzzle NAME 合集中的该谜题，按名称或 id 指定（见 --puzzles）
  --puzzle-file FILE
                谜题文件中的谜题；- 表示从标准输入读取
  --start POSITION
                每个方块的字母及其左上格的格号（0-19，逐行编号），
                按 A X B C D E F G H I 的顺序作为一个参数给出：
                &quot;A0 X1 B3 C8 D9 E11 F13 G14 H16 I19&quot; 即经典谜题
  --from FILE   与 --optimal 同用：从该走法文件自身谜题的起始局面出发，
                走完文件中的走法后再开始
  --save FILE   把路线写成走法文件，文件名为 &quot;TRULP_ &quot; + FILE 的名称，
                位于 FILE 所在目录；与 --from 同用时，文件中的走法在前；
                经典谜题以外的谜题会保存在文件中
  --puzzles     列出合集：名称、棋盘、以步数和棋子步数计的最短路线
  --json        输出一个 JSON 对象，而不是报告
  --help        显示本帮助
  --version     显示版本

退出状态：0 已解开，1 无解，2 用法错误或输入错误。
</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="87"/>
        <source>--slice must be a whole number from 1 to 2147483647, not &apos;%1&apos;</source>
        <translation>--slice 必须是 1 到 2147483647 之间的整数，而不是“%1”</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="96"/>
        <source>--save needs a file name, not a directory: &apos;%1&apos;</source>
        <translation>--save 需要文件名，而不是目录：“%1”</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="114"/>
        <source>--puzzles goes with --json alone</source>
        <translation>--puzzles 只能与 --json 一起使用</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="121"/>
        <source>--max-move does not go with --optimal</source>
        <translation>--max-move 不能与 --optimal 同用</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="123"/>
        <source>--slice does not go with --optimal</source>
        <translation>--slice 不能与 --optimal 同用</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="125"/>
        <source>--from only goes with --optimal</source>
        <translation>--from 只能与 --optimal 同用</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/report.cpp" line="63"/>
        <source>shortest line from the position after the %n moves of &apos;%1&apos;</source>
        <translation>
            <numerusform>从走完“%1”的 %n 步后的盘面出发的最短路线</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="106"/>
        <source>result</source>
        <translation>结果</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="107"/>
        <source>solved</source>
        <translation>已解开</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="107"/>
        <source>no solution</source>
        <translation>无解</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="111"/>
        <source>positions reachable</source>
        <translation>可到达的盘面数</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="45"/>
        <source>depth-first search from the start position, move limit %1</source>
        <translation>从起始局面进行深度优先搜索，步数上限 %1</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="47"/>
        <source>depth-first search from the start of puzzle &apos;%1&apos;, move limit %2</source>
        <translation>从谜题“%1”的起始局面进行深度优先搜索，步数上限 %2</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="50"/>
        <source>depth-first search from the start %1, move limit %2</source>
        <translation>从起始布局 %1 进行深度优先搜索，步数上限 %2</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="56"/>
        <source>shortest line from the start position</source>
        <translation>从起始局面出发的最短路线</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="58"/>
        <source>shortest line from the start of puzzle &apos;%1&apos;</source>
        <translation>从谜题“%1”的起始局面出发的最短路线</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="59"/>
        <source>shortest line from the start %1</source>
        <translation>从起始布局 %1 出发的最短路线</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/report.cpp" line="67"/>
        <source>shortest line from the position after the %n moves of &apos;%1&apos; in puzzle &apos;%2&apos;</source>
        <translation>
            <numerusform>在谜题“%2”中，从走完“%1”的 %n 步后的盘面出发的最短路线</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/report.cpp" line="70"/>
        <source>shortest line from the position after the %n moves of &apos;%1&apos; from the start %2</source>
        <translation>
            <numerusform>从起始布局 %2 走完“%1”的 %n 步后，从该盘面出发的最短路线</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="110"/>
        <source>fewest piece moves</source>
        <translation>最少棋子步数</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="125"/>
        <source>time</source>
        <extracomment>Seconds, as &quot;0.123 s&quot;.</extracomment>
        <translation>时间</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="125"/>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="140"/>
        <source>saved as: %1</source>
        <translation>已保存为：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="142"/>
        <source>nothing saved: no line was found</source>
        <translation>未保存：没有找到路线</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="174"/>
        <source>id|name|board|moves|piece moves</source>
        <extracomment>The header of the collection&apos;s table: the columns are the id, the name, the board, shortest moves and piece moves.</extracomment>
        <translation>id|名称|棋盘|步数|棋子步数</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <location filename="../src/words/words.cpp" line="22"/>
        <source>right</source>
        <extracomment>A direction in a hint and in the moves list read aloud: &quot;hint: H right&quot;.</extracomment>
        <translation>向右</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="24"/>
        <source>up</source>
        <translation>向上</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="26"/>
        <source>left</source>
        <translation>向左</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="28"/>
        <source>down</source>
        <translation>向下</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="161"/>
        <source>by %1</source>
        <extracomment>Who made a puzzle, in its tool tip: a name as the puzzle file gives it.</extracomment>
        <translation>作者：%1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="186"/>
        <source>STOP</source>
        <extracomment>GO&apos;s caption during a run: stops it. At most 6 letters.</extracomment>
        <translation>停止</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="189"/>
        <source>STEP</source>
        <extracomment>GO&apos;s caption in step mode: one move per press. At most 6 letters.</extracomment>
        <translation>单步</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="192"/>
        <source>GO</source>
        <extracomment>The button that starts a search or a replay. At most 6 letters.</extracomment>
        <translation>开始</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="203"/>
        <source>welcome at the TRULP puzzle. Select &quot;play&quot; or &quot;search&quot;...</source>
        <translation>欢迎来到 TRULP 谜题！请选择“游玩”或“搜索”……</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="205"/>
        <source>search for solution...</source>
        <translation>寻找解法……</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="207"/>
        <source>show moves</source>
        <translation>显示走法</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="209"/>
        <source>click GO to start search</source>
        <translation>点击“开始”启动搜索</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="211"/>
        <source>find solutions...</source>
        <translation>继续寻找解法……</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="213"/>
        <source>find solution...</source>
        <translation>找出解法……</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="215"/>
        <source>list is full</source>
        <translation>列表已满</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="217"/>
        <source>moves list is full</source>
        <translation>走法列表已满</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="219"/>
        <source>SOLUTION FOUND ...congratulations !</source>
        <translation>找到解法了……恭喜！</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="221"/>
        <source>solution reached</source>
        <translation>已到达目标</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="224"/>
        <source>move %1</source>
        <extracomment>Replay and take-back: the number of the move shown.</extracomment>
        <translation>第 %1 步</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="226"/>
        <source>end of list</source>
        <translation>已到列表末尾</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="229"/>
        <source>hint: %1 %2 (%n to go)</source>
        <extracomment>%1 a block&apos;s letter, %2 a direction, %n the moves to the goal.</extracomment>
        <translation>
            <numerusform>提示：%1 %2（剩余 %n 步）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="232"/>
        <source>%n to go</source>
        <translation>
            <numerusform>剩余 %n 步</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="234"/>
        <source>solving... %n to go</source>
        <translation>
            <numerusform>求解中……剩余 %n 步</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="236"/>
        <source>pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="239"/>
        <source>pause: GO goes on</source>
        <extracomment>The coach&apos;s solve was stopped; GO, Space or Return let it go on.</extracomment>
        <translation>暂停：按“开始”继续</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="242"/>
        <source>computer searching...move: %1</source>
        <extracomment>%1 the trial moves of the search so far.</extracomment>
        <translation>电脑搜索中……试探步数：%1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="244"/>
        <source>puzzle solved.  (see statistics)</source>
        <translation>谜题已解开。（详见“统计”）</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="246"/>
        <source>no solution found</source>
        <translation>未找到解法</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="249"/>
        <source>puzzle saved as: %1</source>
        <extracomment>%1 the name the moves file was saved as.</extracomment>
        <translation>谜题已保存为：%1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="252"/>
        <source>puzzle %1 opened</source>
        <extracomment>%1 the name stored in the moves file.</extracomment>
        <translation>已打开谜题 %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="254"/>
        <source>read error</source>
        <translation>读取错误</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="256"/>
        <source>wrong file</source>
        <translation>文件不正确</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="259"/>
        <source>puzzle send to printer</source>
        <translation>谜题已发送到打印机</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="261"/>
        <source>page written to %1</source>
        <extracomment>%1 the PDF file the page was written to.</extracomment>
        <translation>页面已写入 %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="264"/>
        <source>puzzle %1: shortest solution %n moves</source>
        <extracomment>%1 the puzzle&apos;s name, %n the moves of its shortest solution.</extracomment>
        <translation>
            <numerusform>谜题 %1：最短解法 %n 步</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="266"/>
        <source>drag the blocks where you want them</source>
        <translation>把方块拖到你想要的位置</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="268"/>
        <source>no way to the goal</source>
        <translation>无法到达目标</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="270"/>
        <source>block X is on the goal already</source>
        <translation>方块 X 已经在目标位置了</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="272"/>
        <source>no room there</source>
        <translation>那里放不下</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="275"/>
        <source>new record: %n moves (shortest %1)</source>
        <extracomment>%n the moves of the new record, %1 the shortest solution&apos;s.</extracomment>
        <translation>
            <numerusform>新纪录：%n 步（最短 %1 步）</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="298"/>
        <source>moves cleared: %1 brings them back</source>
        <extracomment>Beside the message, when a reset, a mode, a puzzle or a file threw the moves list away. %1 the undo key, as the desktop writes it.</extracomment>
        <translation>走法已清除：按 %1 可恢复</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="301"/>
        <source>next: %1 (%2)</source>
        <extracomment>After the goal, beside the message: the next puzzle without a record. %2 its key.</extracomment>
        <translation>下一道：%1（%2）</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="306"/>
        <source>the search is running: STOP first</source>
        <extracomment>Beside the message: an input refused while the search runs.</extracomment>
        <translation>正在搜索：请先按“停止”</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="308"/>
        <source>the replay is running: STOP first</source>
        <translation>正在回放：请先按“停止”</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="311"/>
        <source>the coach is solving: GO stops it first</source>
        <extracomment>GO stops the coach&apos;s solve.</extracomment>
        <translation>教练正在求解：请先按“开始”让它停下</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="314"/>
        <source>puzzle %1 copied as text</source>
        <extracomment>%1 the puzzle&apos;s name.</extracomment>
        <translation>已将谜题 %1 复制为文本</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="319"/>
        <source>puzzle %1</source>
        <extracomment>A puzzle chosen whose shortest solution the coach is still working out.</extracomment>
        <translation>谜题 %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="322"/>
        <source>your game of %1 is back</source>
        <extracomment>At start, when the game of the last run is back on the board.</extracomment>
        <translation>已恢复你上次玩 %1 的对局</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="324"/>
        <source>not a puzzle: the file is not a text</source>
        <translation>不是谜题：该文件不是文本</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="326"/>
        <source>not a puzzle: a puzzle text has at most %n bytes</source>
        <translation>
            <numerusform>不是谜题：谜题文本最多 %n 字节</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="329"/>
        <source>line 1: a puzzle text begins with the line &apos;%1&apos;</source>
        <extracomment>%1 the line a puzzle text must begin with.</extracomment>
        <translation>第 1 行：谜题文本必须以“%1”这一行开头</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="331"/>
        <source>line %1: unknown key &apos;%2&apos; (name, by and note are known)</source>
        <translation>第 %1 行：未知的键“%2”（可用的键为 name、by 和 note）</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="333"/>
        <source>the puzzle has no &apos;name:&apos; line</source>
        <translation>谜题缺少“name:”行</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="335"/>
        <source>the puzzle has no &apos;start:&apos; map</source>
        <translation>谜题缺少“start:”图</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="337"/>
        <source>the puzzle has no &apos;goal:&apos; map</source>
        <translation>谜题缺少“goal:”图</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="339"/>
        <source>line %1: not a key line and not in a map</source>
        <translation>第 %1 行：既不是键行，也不在图中</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="342"/>
        <source>line %1: a row of %2 fields, the first row has %3</source>
        <extracomment>%2 the fields of this row, %3 those of the first row.</extracomment>
        <translation>第 %1 行：这一排有 %2 格，第一排有 %3 格</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="344"/>
        <source>the goal map has %1 rows, the start map %2</source>
        <translation>目标图有 %1 排，起始图有 %2 排</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="346"/>
        <source>a board of %1 by %2 fields: each side must be 2 to 10 fields</source>
        <translation>%1 × %2 格的棋盘：每边必须为 2 到 10 格</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="349"/>
        <source>line %1: &apos;%2&apos; is no field (. free, # wall, A to Z a piece)</source>
        <extracomment>%2 a character that means nothing in a start map.</extracomment>
        <translation>第 %1 行：“%2”不是格子（. 空位，# 墙，A 到 Z 棋子）</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="351"/>
        <source>line %1: one space at most between two fields</source>
        <translation>第 %1 行：两格之间最多只能有一个空格</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="353"/>
        <source>line %1: piece %2 is in two parts</source>
        <translation>第 %1 行：棋子 %2 分成了两部分</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="355"/>
        <source>line %1: piece %2 has %3 fields, at most 9 are allowed</source>
        <translation>第 %1 行：棋子 %2 占 %3 格，最多允许 9 格</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="360"/>
        <source>the start has no free field</source>
        <translation>起始局面没有空位</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="362"/>
        <source>line %1: the goal of piece %2 does not have its shape</source>
        <translation>第 %1 行：棋子 %2 的目标与其形状不符</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="366"/>
        <source>line %1: the goal of piece %2 is on a wall</source>
        <translation>第 %1 行：棋子 %2 的目标位于墙上</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="368"/>
        <source>line %1: the goal names piece %2, which the start does not have</source>
        <translation>第 %1 行：目标中有棋子 %2，但起始局面中没有</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="372"/>
        <source>the goal names no piece</source>
        <translation>目标中没有指定任何棋子</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="374"/>
        <source>the goal is met at the start already</source>
        <translation>起始局面已经满足目标</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="377"/>
        <source>line %1: &apos;%2&apos; is no move (a piece&apos;s letter and R, U, L or D)</source>
        <extracomment>A moves list of a game file: %2 what stands there instead of a letter and R, U, L or D.</extracomment>
        <translation>第 %1 行：“%2”不是走法（应为棋子字母加 R、U、L 或 D）</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="379"/>
        <source>move %1 cannot be made from the start</source>
        <translation>第 %1 步无法从起始局面走出</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="381"/>
        <source>more moves than a list holds (%1)</source>
        <translation>步数超过了列表的容量（%1）</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="384"/>
        <source>cannot open &apos;%1&apos;: %2</source>
        <extracomment>%1 a file, %2 the system&apos;s reason.</extracomment>
        <translation>无法打开“%1”：%2</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="386"/>
        <source>&apos;%1&apos; is not a file that can be opened</source>
        <translation>“%1”不是可以打开的文件</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="388"/>
        <source>cannot read &apos;%1&apos;: %2</source>
        <translation>无法读取“%1”：%2</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="390"/>
        <source>cannot write in &apos;%1&apos;: %2</source>
        <translation>无法写入“%1”：%2</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="392"/>
        <source>cannot save &apos;%1&apos;: %2</source>
        <translation>无法保存“%1”：%2</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="394"/>
        <source>&apos;%1&apos; is not a moves file: %n bytes instead of 250</source>
        <translation>
            <numerusform>“%1”不是走法文件：%n 字节，而不是 250 字节</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="397"/>
        <source>your records could not be read: the file is kept as %1</source>
        <extracomment>%1 where the damaged records file was put.</extracomment>
        <translation>无法读取你的纪录：该文件已另存为 %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="399"/>
        <source>the game kept last time could not be read: it is kept as %1</source>
        <translation>无法读取上次保存的对局：已另存为 %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="441"/>
        <source>the coach cannot know this puzzle: it has too many positions</source>
        <extracomment>The coach&apos;s tool tip and words for a puzzle it has no table for.</extracomment>
        <translation>教练无法掌握这道谜题：局面太多</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="277"/>
        <source>block %1 on field %2 does not fit on the board</source>
        <translation>格 %2 上的方块 %1 超出了棋盘</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="280"/>
        <source>block %1 on field %2 stands on a wall</source>
        <extracomment>A piece placed where the board has a wall.</extracomment>
        <translation>格 %2 上的方块 %1 位于墙上</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="282"/>
        <source>blocks %1 on field %2 and %3 on field %4 overlap</source>
        <translation>格 %2 上的方块 %1 与格 %4 上的方块 %3 重叠</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="288"/>
        <source>a start names ten blocks in the order A X B C D E F G H I, each with its field, not %n tokens</source>
        <translation>
            <numerusform>起始布局应按 A X B C D E F G H I 的顺序列出十个方块及各自所在的格，而不是 %n 项</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="292"/>
        <source>block %1 of the start must be %2 (order A X B C D E F G H I), not &apos;%3&apos;</source>
        <translation>起始布局的第 %1 个方块应为 %2（顺序为 A X B C D E F G H I），而不是“%3”</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="303"/>
        <source>&apos;%1&apos;: the field must be a number from 0 to 19</source>
        <translation>“%1”：格必须是 0 到 19 之间的数字</translation>
    </message>
</context>
<context>
    <name>trulp::BoardView</name>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="20"/>
        <source>column %1</source>
        <translation>第 %1 列</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="21"/>
        <source>columns %1 to %2</source>
        <translation>第 %1 至 %2 列</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="24"/>
        <source>row %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="25"/>
        <source>rows %1 to %2</source>
        <translation>第 %1 至 %2 行</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="31"/>
        <source>board</source>
        <translation>棋盘</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="133"/>
        <source>%1: %2, %3</source>
        <extracomment>A piece and where it stands, read aloud: &quot;A: column 1, rows 1 to 2&quot;.</extracomment>
        <translation>%1：%2，%3</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="137"/>
        <source>; </source>
        <translation>；</translation>
    </message>
</context>
<context>
    <name>trulp::ControlBar</name>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="26"/>
        <source>help</source>
        <extracomment>The button that opens the help window.</extracomment>
        <translation>帮助</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="29"/>
        <source>shift until</source>
        <extracomment>Beside the target, the first of three lines read together: &quot;shift until&quot; / &quot;block X&quot; / &quot;is here&quot;.</extracomment>
        <translation>移动直到</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="32"/>
        <location filename="../src/mainwindow/controlbar.cpp" line="187"/>
        <source>block X</source>
        <extracomment>The second of the three lines beside the target: &quot;shift until&quot; / &quot;block X&quot; / &quot;is here&quot;.</extracomment>
        <translation>方块 X</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="35"/>
        <location filename="../src/mainwindow/controlbar.cpp" line="203"/>
        <source>is here</source>
        <extracomment>The third of the three lines beside the target: &quot;shift until&quot; / &quot;block X&quot; / &quot;is here&quot;.</extracomment>
        <translation>到这里</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="38"/>
        <source>max.move</source>
        <extracomment>The move limit of the search, above its number. Short: about 9 letters.</extracomment>
        <translation>步数上限</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="45"/>
        <source>raise the move limit</source>
        <translation>提高步数上限</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="46"/>
        <source>lower the move limit</source>
        <translation>降低步数上限</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="56"/>
        <source>step</source>
        <extracomment>The check box for one move at a time. Short: about 6 letters.</extracomment>
        <translation>单步</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="64"/>
        <source>play</source>
        <extracomment>Mode button: the player moves the blocks. Short: about 8 letters.</extracomment>
        <translation>游玩</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="66"/>
        <source>find solutions yourself</source>
        <translation>自己寻找解法</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="68"/>
        <source>replay</source>
        <extracomment>Mode button: the moves list played again. Short: about 8 letters.</extracomment>
        <translation>回放</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="70"/>
        <source>replay moves</source>
        <translation>回放走法</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="72"/>
        <source>search</source>
        <extracomment>Mode button: the computer searches. Short: about 8 letters.</extracomment>
        <translation>搜索</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="74"/>
        <source>let computer search for solutions</source>
        <translation>让电脑搜索解法</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="82"/>
        <source>reset</source>
        <extracomment>Puts the blocks back at the start. Short: about 8 letters.</extracomment>
        <translation>重置</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="85"/>
        <source>back</source>
        <extracomment>Takes the last move back. Short: about 7 letters.</extracomment>
        <translation>后退</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="87"/>
        <source>take the last move back (Backspace)</source>
        <translation>撤销上一步（退格键）</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="91"/>
        <source>statistics</source>
        <extracomment>Opens the search&apos;s statistics. Short: about 10 letters.</extracomment>
        <translation>统计</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="97"/>
        <source>to go</source>
        <extracomment>Above the number of moves still needed to reach the goal.</extracomment>
        <translation>剩余</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="100"/>
        <source>moves to go</source>
        <translation>剩余步数</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="102"/>
        <source>hint</source>
        <extracomment>The coach&apos;s hint. Short: about 8 letters.</extracomment>
        <translation>提示</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="105"/>
        <source>solve</source>
        <extracomment>The coach plays the rest of the way. Short: about 8 letters.</extracomment>
        <translation>求解</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="111"/>
        <location filename="../src/mainwindow/controlbar.cpp" line="114"/>
        <source>puzzle</source>
        <extracomment>Above the name of the puzzle being played.</extracomment>
        <translation>谜题</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="117"/>
        <source>play it</source>
        <extracomment>Ends setting up a puzzle and plays it. Short: about 8 letters.</extracomment>
        <translation>开始玩</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="120"/>
        <source>play the position set up</source>
        <translation>用摆好的布局开始玩</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="122"/>
        <source>cancel</source>
        <extracomment>Gives up setting up a puzzle. Short: about 8 letters.</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="166"/>
        <source>show the best next move</source>
        <translation>显示最佳的下一步</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="167"/>
        <source>play the shortest way to the goal</source>
        <translation>沿最短路线走到目标</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="194"/>
        <source>block %1</source>
        <extracomment>Beside the target, the second line, for a puzzle whose goal names one piece: its letter.</extracomment>
        <translation>方块 %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="197"/>
        <source>blocks %1</source>
        <extracomment>The same for a goal of two pieces: &quot;X, Y&quot;.</extracomment>
        <translation>方块 %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="200"/>
        <source>the red blocks</source>
        <extracomment>The same for a goal of three pieces or more: they are drawn red.</extracomment>
        <translation>红色方块</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/controlbar.cpp" line="203"/>
        <source>are here</source>
        <extracomment>The third line beside the target after &quot;blocks X, Y&quot; or &quot;the red blocks&quot;: &quot;shift until&quot; / &quot;blocks X, Y&quot; / &quot;are here&quot;.</extracomment>
        <translation>到这里</translation>
    </message>
</context>
<context>
    <name>trulp::GameChart</name>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="70"/>
        <source>%n moves, %1 to go, shortest possible %2, your best %3</source>
        <extracomment>%n moves made, %1 to go, %2 the shortest solution, %3 the player&apos;s record.</extracomment>
        <translation>
            <numerusform>已走 %n 步，剩余 %1 步，最短 %2 步，个人最佳 %3 步</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="75"/>
        <source>%n moves, %1 to go, shortest possible %2</source>
        <translation>
            <numerusform>已走 %n 步，剩余 %1 步，最短 %2 步</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="79"/>
        <source>%n moves, shortest possible %1, your best %2</source>
        <translation>
            <numerusform>已走 %n 步，最短 %1 步，个人最佳 %2 步</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="82"/>
        <source>%n moves, shortest possible %1</source>
        <translation>
            <numerusform>已走 %n 步，最短 %1 步</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="123"/>
        <location filename="../src/mainwindow/chart.cpp" line="157"/>
        <source>moves</source>
        <extracomment>The chart&apos;s axes: the moves made, and the moves still to go after each.
----------
The chart&apos;s line of the moves list, whoever made them.</extracomment>
        <translation>步数</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="123"/>
        <source>moves to go</source>
        <translation>剩余步数</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="158"/>
        <source>away from goal</source>
        <translation>远离目标</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="159"/>
        <source>hint or solve</source>
        <translation>提示或求解</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="161"/>
        <source>piece moves</source>
        <extracomment>The chart&apos;s line of the piece moves still to go.</extracomment>
        <translation>棋子步数</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="162"/>
        <source>shortest pace</source>
        <translation>最短进度</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="163"/>
        <source>board now</source>
        <translation>当前盘面</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="206"/>
        <source>TRULP game chart</source>
        <translation>TRULP 走势图</translation>
    </message>
</context>
<context>
    <name>trulp::MovesPanel</name>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="50"/>
        <source>moves</source>
        <translation>走法</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="64"/>
        <source>move %1 of %2</source>
        <translation>第 %1 步，共 %2 步</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="69"/>
        <source>move %1 of %2: %3 %4</source>
        <extracomment>The last move read aloud: &quot;move 3 of 5: H right&quot;.</extracomment>
        <translation>第 %1 步，共 %2 步：%3 %4</translation>
    </message>
</context>
<context>
    <name>trulp::PuzzlesDialog</name>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="67"/>
        <source>shortest %1</source>
        <extracomment>The shortest lines of a puzzle: %1 as moves / piece moves.</extracomment>
        <translation>最短 %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="70"/>
        <source>%1
not solved yet · %2</source>
        <extracomment>A puzzle not solved yet: its name, and its shortest lines.</extracomment>
        <translation>%1
尚未解开 · %2</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="73"/>
        <source>✓ %1
solved %n times, with help · %2</source>
        <extracomment>A puzzle solved only with the coach&apos;s help: %n times.</extracomment>
        <translation>
            <numerusform>✓ %1
借助帮助解开 %n 次 · %2</numerusform>
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
个人最佳 %2 / %3 · %4
最佳用时 %5 · 已解开 %n 次</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="89"/>
        <source>%1: %2 of %3 solved, %4 in the fewest moves</source>
        <extracomment>A pack&apos;s heading: %1 its name, %2 solved of %3, %4 of them in the fewest moves.</extracomment>
        <translation>%1：%3 道中已解开 %2 道，其中 %4 道用了最少步数</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="104"/>
        <source>TRULP puzzles</source>
        <translation>TRULP 谜题集</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="111"/>
        <source>puzzles</source>
        <translation>谜题集</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="116"/>
        <source>unsolved first</source>
        <extracomment>Sorts each pack with the puzzles not solved yet at its top.</extracomment>
        <translation>未解开的优先</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="119"/>
        <source>play</source>
        <translation>游玩</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="129"/>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="146"/>
        <source>new puzzle</source>
        <translation>新谜题</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="134"/>
        <source>difficulty</source>
        <translation>难度</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="136"/>
        <source>moves to the goal</source>
        <translation>到目标的步数</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="143"/>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="152"/>
        <source>seed</source>
        <translation>种子</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="156"/>
        <source>set up your own</source>
        <translation>自定义布局</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="162"/>
        <source>close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>trulp::TForm1</name>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="76"/>
        <source>TRULP puzzel</source>
        <extracomment>The main window&apos;s title.</extracomment>
        <translation>TRULP 谜题</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/desktop.cpp" line="24"/>
        <source>TRULP moves and puzzles (TRULP_* TRULP+* *.trulp)</source>
        <translation>TRULP 走法和谜题 (TRULP_* TRULP+* *.trulp)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/desktop.cpp" line="26"/>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/desktop.cpp" line="31"/>
        <source>TRULP: save moves</source>
        <translation>TRULP 保存走法</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/desktop.cpp" line="34"/>
        <source>TRULP: open moves file</source>
        <translation>TRULP 打开走法文件</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/desktop.cpp" line="45"/>
        <source>Print to PDF file</source>
        <translation>打印到 PDF 文件</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/desktop.cpp" line="46"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="191"/>
        <source>help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="140"/>
        <source>moves</source>
        <extracomment>Above the moves list.</extracomment>
        <translation>走法</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="194"/>
        <source>play</source>
        <translation>游玩</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="195"/>
        <source>replay</source>
        <translation>回放</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="196"/>
        <source>search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="197"/>
        <source>reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="200"/>
        <source>statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="198"/>
        <source>hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="199"/>
        <source>solve</source>
        <translation>求解</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="101"/>
        <source>the coach is counting the positions: %1</source>
        <extracomment>The coach works out every position of the puzzle; %1 so far.</extracomment>
        <translation>教练正在统计局面：%1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="192"/>
        <source>undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="193"/>
        <source>redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="201"/>
        <source>next puzzle without a record</source>
        <translation>下一个无纪录的谜题</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="202"/>
        <source>copy the puzzle as text</source>
        <translation>将谜题复制为文本</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="203"/>
        <source>paste a puzzle text</source>
        <translation>粘贴谜题文本</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="237"/>
        <source>full screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="239"/>
        <source>quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="225"/>
        <source>%1 (%2)</source>
        <extracomment>A tool tip with its key: &quot;save moves (Ctrl+S)&quot;.</extracomment>
        <translation>%1（%2）</translation>
    </message>
</context>
<context>
    <name>trulp::TargetView</name>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="16"/>
        <source>target</source>
        <translation>目标</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="25"/>
        <source>block X must stand on the two centre fields of the two bottom rows</source>
        <translation>方块 X 必须停在最下面两行中间的两格上</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="31"/>
        <source>%1 in column %2, row %3</source>
        <extracomment>Where a piece must stand, read aloud: &quot;X in column 2, row 4&quot;.</extracomment>
        <translation>%1 在第 %2 列、第 %3 行</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="37"/>
        <source>the goal: %1</source>
        <extracomment>The goal, read aloud: &quot;the goal: X in column 2, row 4&quot;.</extracomment>
        <translation>目标：%1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="37"/>
        <source>; </source>
        <translation>；</translation>
    </message>
</context>
<context>
    <name>trulp::Thelpform</name>
    <message>
        <location filename="../src/help/helpform.cpp" line="49"/>
        <source>TRULP help</source>
        <translation>TRULP 帮助</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="72"/>
        <source>page</source>
        <translation>页</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="73"/>
        <source>UP</source>
        <translation>上</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="74"/>
        <source>DOWN</source>
        <translation>下</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="75"/>
        <source>&lt;ECS&gt; close page</source>
        <translation>&lt;Esc&gt; 关闭页面</translation>
    </message>
</context>
<context>
    <name>trulp::ToolBar</name>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="19"/>
        <source>open</source>
        <translation>打开</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="19"/>
        <source>open moves file</source>
        <translation>打开走法文件</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="20"/>
        <source>save</source>
        <translation>保存</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="20"/>
        <source>save moves</source>
        <translation>保存走法</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="21"/>
        <source>print</source>
        <translation>打印</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="22"/>
        <source>printer setup</source>
        <translation>打印机设置</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="23"/>
        <source>game chart</source>
        <translation>走势图</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="24"/>
        <source>puzzles</source>
        <translation>谜题集</translation>
    </message>
</context>
</TS>
