<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Wording</name>
    <message>
        <location filename="../src/words/words.cpp" line="17"/>
        <source>right</source>
        <extracomment>A direction in a hint and in the moves list read aloud: &quot;hint: H right&quot;.</extracomment>
        <translation>вправо</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="19"/>
        <source>up</source>
        <translation>вверх</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="21"/>
        <source>left</source>
        <translation>влево</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="23"/>
        <source>down</source>
        <translation>вниз</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="48"/>
        <source>STOP</source>
        <extracomment>GO&apos;s caption during a run: stops it. At most 6 letters.</extracomment>
        <translation>СТОП</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="51"/>
        <source>STEP</source>
        <extracomment>GO&apos;s caption in step mode: one move per press. At most 6 letters.</extracomment>
        <translation>ШАГ</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="54"/>
        <source>GO</source>
        <extracomment>The button that starts a search or a replay. At most 6 letters.</extracomment>
        <translation>ПУСК</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="65"/>
        <source>welcome at the TRULP puzzle. Select &quot;play&quot; or &quot;search&quot;...</source>
        <translation>добро пожаловать в головоломку TRULP. Выберите «играть» или «поиск»...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="67"/>
        <source>search for solution...</source>
        <translation>ищите решение...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="69"/>
        <source>show moves</source>
        <translation>показ ходов</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="71"/>
        <source>click GO to start search</source>
        <translation>нажмите ПУСК, чтобы начать поиск</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="73"/>
        <source>find solutions...</source>
        <translation>ищите решения...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="75"/>
        <source>find solution...</source>
        <translation>ищите решение...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="77"/>
        <source>list is full</source>
        <translation>список заполнен</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="79"/>
        <source>moves list is full</source>
        <translation>список ходов заполнен</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="81"/>
        <source>SOLUTION FOUND ...congratulations !</source>
        <translation>РЕШЕНИЕ НАЙДЕНО... поздравляем!</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="83"/>
        <source>solution reached</source>
        <translation>цель достигнута</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="86"/>
        <source>move %1</source>
        <extracomment>Replay and take-back: the number of the move shown.</extracomment>
        <translation>ход %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="88"/>
        <source>end of list</source>
        <translation>конец списка</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="91"/>
        <source>hint: %1 %2 (%n to go)</source>
        <extracomment>%1 a block&apos;s letter, %2 a direction, %n the moves to the goal.</extracomment>
        <translation>
            <numerusform>совет: %1 %2 (до цели %n)</numerusform>
            <numerusform>совет: %1 %2 (до цели %n)</numerusform>
            <numerusform>совет: %1 %2 (до цели %n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="93"/>
        <source>%n to go</source>
        <translation>
            <numerusform>до цели %n</numerusform>
            <numerusform>до цели %n</numerusform>
            <numerusform>до цели %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="95"/>
        <source>solving... %n to go</source>
        <translation>
            <numerusform>решаю... до цели %n</numerusform>
            <numerusform>решаю... до цели %n</numerusform>
            <numerusform>решаю... до цели %n</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="97"/>
        <source>pause</source>
        <translation>пауза</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="100"/>
        <source>computer searching...move: %1</source>
        <extracomment>%1 the trial moves of the search so far.</extracomment>
        <translation>компьютер ищет... ход: %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="102"/>
        <source>puzzle solved.  (see statistics)</source>
        <translation>головоломка решена. (см. статистику)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="104"/>
        <source>no solution found</source>
        <translation>решение не найдено</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="107"/>
        <source>puzzle saved as: %1</source>
        <extracomment>%1 the name the moves file was saved as.</extracomment>
        <translation>головоломка сохранена как: %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="110"/>
        <source>puzzle %1 opened</source>
        <extracomment>%1 the name stored in the moves file.</extracomment>
        <translation>головоломка %1 открыта</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="112"/>
        <source>read error</source>
        <translation>ошибка чтения</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="114"/>
        <source>wrong file</source>
        <translation>неверный файл</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="117"/>
        <source>puzzle send to printer</source>
        <translation>головоломка отправлена на принтер</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="119"/>
        <source>page written to %1</source>
        <extracomment>%1 the PDF file the page was written to.</extracomment>
        <translation>страница записана в %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="122"/>
        <source>puzzle %1: shortest solution %n moves</source>
        <extracomment>%1 the puzzle&apos;s name, %n the moves of its shortest solution.</extracomment>
        <translation>
            <numerusform>головоломка %1: кратчайшее решение — %n ход</numerusform>
            <numerusform>головоломка %1: кратчайшее решение — %n хода</numerusform>
            <numerusform>головоломка %1: кратчайшее решение — %n ходов</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="124"/>
        <source>drag the blocks where you want them</source>
        <translation>перетащите блоки, куда хотите</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="126"/>
        <source>no way to the goal</source>
        <translation>к цели нет пути</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="128"/>
        <source>block X is on the goal already</source>
        <translation>блок X уже достиг цели</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="130"/>
        <source>no room there</source>
        <translation>там нет места</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="133"/>
        <source>new record: %n moves (shortest %1)</source>
        <extracomment>%n the moves of the new record, %1 the shortest solution&apos;s.</extracomment>
        <translation>
            <numerusform>новый рекорд — ходов: %n (минимум %1)</numerusform>
            <numerusform>новый рекорд — ходов: %n (минимум %1)</numerusform>
            <numerusform>новый рекорд — ходов: %n (минимум %1)</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="135"/>
        <source>block %1 does not have its own shape</source>
        <translation>у блока %1 чужая форма</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="137"/>
        <source>block %1 on field %2 does not fit on the board</source>
        <translation>блок %1 на клетке %2 не помещается на доске</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="139"/>
        <source>blocks %1 on field %2 and %3 on field %4 overlap</source>
        <translation>блоки %1 на клетке %2 и %3 на клетке %4 перекрываются</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="145"/>
        <source>a start names ten blocks in the order A X B C D E F G H I, each with its field, not %n tokens</source>
        <translation>
            <numerusform>начальная позиция должна называть десять блоков в порядке A X B C D E F G H I, каждый со своей клеткой, а не %n элемент</numerusform>
            <numerusform>начальная позиция должна называть десять блоков в порядке A X B C D E F G H I, каждый со своей клеткой, а не %n элемента</numerusform>
            <numerusform>начальная позиция должна называть десять блоков в порядке A X B C D E F G H I, каждый со своей клеткой, а не %n элементов</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="149"/>
        <source>block %1 of the start must be %2 (order A X B C D E F G H I), not &apos;%3&apos;</source>
        <translation>блок %1 начальной позиции должен быть %2 (порядок A X B C D E F G H I), а не «%3»</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="153"/>
        <source>&apos;%1&apos;: the field must be a number from 0 to 19</source>
        <translation>«%1»: клетка должна быть числом от 0 до 19</translation>
    </message>
</context>
<context>
    <name>trulp::BoardView</name>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="26"/>
        <source>column %1</source>
        <translation>столбец %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="27"/>
        <source>columns %1 to %2</source>
        <translation>столбцы с %1 по %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="30"/>
        <source>row %1</source>
        <translation>строка %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="31"/>
        <source>rows %1 to %2</source>
        <translation>строки с %1 по %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="37"/>
        <source>board</source>
        <translation>доска</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="126"/>
        <source>%1: %2, %3</source>
        <extracomment>A block and where it stands, read aloud: &quot;A: column 1, rows 1 to 2&quot;.</extracomment>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="130"/>
        <source>; </source>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>trulp::MovesPanel</name>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="51"/>
        <source>moves</source>
        <translation>ходы</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="64"/>
        <source>move %1 of %2</source>
        <translation>ход %1 из %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="70"/>
        <source>move %1 of %2: %3 %4</source>
        <extracomment>The last move read aloud: &quot;move 3 of 5: H right&quot;.</extracomment>
        <translation>ход %1 из %2: %3 %4</translation>
    </message>
</context>
<context>
    <name>trulp::TForm1</name>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="180"/>
        <source>TRULP puzzel</source>
        <extracomment>The main window&apos;s title.</extracomment>
        <translation>TRULP — головоломка</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="194"/>
        <source>Print to PDF file</source>
        <translation>Печать в файл PDF</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="194"/>
        <source>PDF files (*.pdf)</source>
        <translation>Файлы PDF (*.pdf)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="278"/>
        <source>help</source>
        <translation>справка</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="280"/>
        <source>moves</source>
        <translation>ходы</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="286"/>
        <source>shift until</source>
        <translation>ведите</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="287"/>
        <source>block X</source>
        <translation>блок X</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="288"/>
        <source>is here</source>
        <translation>сюда</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="290"/>
        <source>max.move</source>
        <extracomment>The move limit of the search, above its number. Short: about 9 letters.</extracomment>
        <translation>макс.ход</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="297"/>
        <source>raise the move limit</source>
        <translation>увеличить лимит ходов</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="298"/>
        <source>lower the move limit</source>
        <translation>уменьшить лимит ходов</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="308"/>
        <source>step</source>
        <extracomment>The check box for one move at a time. Short: about 6 letters.</extracomment>
        <translation>шаг</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="316"/>
        <source>play</source>
        <translation>играть</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="317"/>
        <source>find solutions yourself</source>
        <translation>ищите решение сами</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="319"/>
        <source>replay</source>
        <translation>повтор</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="320"/>
        <source>replay moves</source>
        <translation>повтор ходов</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="322"/>
        <source>search</source>
        <translation>поиск</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="323"/>
        <source>let computer search for solutions</source>
        <translation>поручить поиск решений компьютеру</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="339"/>
        <source>reset</source>
        <translation>сброс</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="342"/>
        <source>back</source>
        <translation>назад</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="347"/>
        <source>statistics</source>
        <translation>статистика</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="351"/>
        <source>to go</source>
        <translation>до цели</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="353"/>
        <source>moves to go</source>
        <translation>ходов до цели</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="355"/>
        <source>hint</source>
        <translation>совет</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="356"/>
        <source>show the best next move</source>
        <translation>показать лучший следующий ход</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="359"/>
        <source>solve</source>
        <translation>решить</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="360"/>
        <source>play the shortest way to the goal</source>
        <translation>доиграть кратчайшим путём до цели</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="366"/>
        <location filename="../src/mainwindow/form1.cpp" line="368"/>
        <source>puzzle</source>
        <translation>головоломка</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="372"/>
        <source>play it</source>
        <translation>начать</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="373"/>
        <source>play the position set up</source>
        <translation>играть с этой расстановкой</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="374"/>
        <source>cancel</source>
        <translation>отмена</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="716"/>
        <source>The print job could not be started on %1.</source>
        <translation>Не удалось начать печать на %1.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="739"/>
        <source>Printer setup</source>
        <translation>Настройка принтера</translation>
    </message>
</context>
<context>
    <name>trulp::TargetView</name>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="15"/>
        <source>target</source>
        <translation>цель</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="16"/>
        <source>block X must stand on the two centre fields of the two bottom rows</source>
        <translation>блок X должен встать на две средние клетки двух нижних рядов</translation>
    </message>
</context>
<context>
    <name>trulp::ToolBar</name>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="19"/>
        <source>open</source>
        <translation>открыть</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="19"/>
        <source>open moves file</source>
        <translation>открыть файл ходов</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="20"/>
        <source>save</source>
        <translation>сохранить</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="20"/>
        <source>save moves</source>
        <translation>сохранить ходы</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="21"/>
        <source>print</source>
        <translation>печать</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="22"/>
        <source>printer setup</source>
        <translation>настройка принтера</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="23"/>
        <source>game chart</source>
        <translation>график игры</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="24"/>
        <source>puzzles</source>
        <translation>головоломки</translation>
    </message>
</context>
</TS>
