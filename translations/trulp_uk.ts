<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>Wording</name>
    <message>
        <location filename="../src/words/words.cpp" line="17"/>
        <source>right</source>
        <extracomment>A direction in a hint and in the moves list read aloud: &quot;hint: H right&quot;.</extracomment>
        <translation>праворуч</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="19"/>
        <source>up</source>
        <translation>вгору</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="21"/>
        <source>left</source>
        <translation>ліворуч</translation>
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
        <translation>КРОК</translation>
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
        <translation>ласкаво просимо до головоломки TRULP. Виберіть «грати» або «пошук»...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="67"/>
        <source>search for solution...</source>
        <translation>шукайте розв’язок...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="69"/>
        <source>show moves</source>
        <translation>показ ходів</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="71"/>
        <source>click GO to start search</source>
        <translation>натисніть ПУСК, щоб почати пошук</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="73"/>
        <source>find solutions...</source>
        <translation>шукайте розв’язки...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="75"/>
        <source>find solution...</source>
        <translation>шукайте розв’язок...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="77"/>
        <source>list is full</source>
        <translation>список заповнено</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="79"/>
        <source>moves list is full</source>
        <translation>список ходів заповнено</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="81"/>
        <source>SOLUTION FOUND ...congratulations !</source>
        <translation>РОЗВ’ЯЗОК ЗНАЙДЕНО... вітаємо!</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="83"/>
        <source>solution reached</source>
        <translation>мети досягнуто</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="86"/>
        <source>move %1</source>
        <extracomment>Replay and take-back: the number of the move shown.</extracomment>
        <translation>хід %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="88"/>
        <source>end of list</source>
        <translation>кінець списку</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="91"/>
        <source>hint: %1 %2 (%n to go)</source>
        <extracomment>%1 a block&apos;s letter, %2 a direction, %n the moves to the goal.</extracomment>
        <translation>
            <numerusform>підказка: %1 %2 (до мети %n)</numerusform>
            <numerusform>підказка: %1 %2 (до мети %n)</numerusform>
            <numerusform>підказка: %1 %2 (до мети %n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="93"/>
        <source>%n to go</source>
        <translation>
            <numerusform>до мети %n</numerusform>
            <numerusform>до мети %n</numerusform>
            <numerusform>до мети %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="95"/>
        <source>solving... %n to go</source>
        <translation>
            <numerusform>розв’язую... до мети %n</numerusform>
            <numerusform>розв’язую... до мети %n</numerusform>
            <numerusform>розв’язую... до мети %n</numerusform>
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
        <translation>комп’ютер шукає... хід: %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="102"/>
        <source>puzzle solved.  (see statistics)</source>
        <translation>головоломку розв’язано. (див. статистику)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="104"/>
        <source>no solution found</source>
        <translation>розв’язку не знайдено</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="107"/>
        <source>puzzle saved as: %1</source>
        <extracomment>%1 the name the moves file was saved as.</extracomment>
        <translation>головоломку збережено як: %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="110"/>
        <source>puzzle %1 opened</source>
        <extracomment>%1 the name stored in the moves file.</extracomment>
        <translation>головоломку %1 відкрито</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="112"/>
        <source>read error</source>
        <translation>помилка читання</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="114"/>
        <source>wrong file</source>
        <translation>неправильний файл</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="117"/>
        <source>puzzle send to printer</source>
        <translation>головоломку надіслано на принтер</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="119"/>
        <source>page written to %1</source>
        <extracomment>%1 the PDF file the page was written to.</extracomment>
        <translation>сторінку записано у %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="122"/>
        <source>puzzle %1: shortest solution %n moves</source>
        <extracomment>%1 the puzzle&apos;s name, %n the moves of its shortest solution.</extracomment>
        <translation>
            <numerusform>головоломка %1: найкоротший розв’язок — %n хід</numerusform>
            <numerusform>головоломка %1: найкоротший розв’язок — %n ходи</numerusform>
            <numerusform>головоломка %1: найкоротший розв’язок — %n ходів</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="124"/>
        <source>drag the blocks where you want them</source>
        <translation>перетягніть блоки, куди хочете</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="126"/>
        <source>no way to the goal</source>
        <translation>до мети немає шляху</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="128"/>
        <source>block X is on the goal already</source>
        <translation>блок X уже досяг мети</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="130"/>
        <source>no room there</source>
        <translation>там немає місця</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="133"/>
        <source>new record: %n moves (shortest %1)</source>
        <extracomment>%n the moves of the new record, %1 the shortest solution&apos;s.</extracomment>
        <translation>
            <numerusform>новий рекорд — ходів: %n (мінімум %1)</numerusform>
            <numerusform>новий рекорд — ходів: %n (мінімум %1)</numerusform>
            <numerusform>новий рекорд — ходів: %n (мінімум %1)</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="135"/>
        <source>block %1 does not have its own shape</source>
        <translation>блок %1 має чужу форму</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="137"/>
        <source>block %1 on field %2 does not fit on the board</source>
        <translation>блок %1 на клітинці %2 не вміщується на дошці</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="139"/>
        <source>blocks %1 on field %2 and %3 on field %4 overlap</source>
        <translation>блоки %1 на клітинці %2 і %3 на клітинці %4 накладаються</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="145"/>
        <source>a start names ten blocks in the order A X B C D E F G H I, each with its field, not %n tokens</source>
        <translation>
            <numerusform>початкова позиція має називати десять блоків у порядку A X B C D E F G H I, кожен зі своєю клітинкою, а не %n елемент</numerusform>
            <numerusform>початкова позиція має називати десять блоків у порядку A X B C D E F G H I, кожен зі своєю клітинкою, а не %n елементи</numerusform>
            <numerusform>початкова позиція має називати десять блоків у порядку A X B C D E F G H I, кожен зі своєю клітинкою, а не %n елементів</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="149"/>
        <source>block %1 of the start must be %2 (order A X B C D E F G H I), not &apos;%3&apos;</source>
        <translation>блок %1 початкової позиції має бути %2 (порядок A X B C D E F G H I), а не «%3»</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="153"/>
        <source>&apos;%1&apos;: the field must be a number from 0 to 19</source>
        <translation>«%1»: клітинка має бути числом від 0 до 19</translation>
    </message>
</context>
<context>
    <name>trulp::BoardView</name>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="26"/>
        <source>column %1</source>
        <translation>стовпець %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="27"/>
        <source>columns %1 to %2</source>
        <translation>стовпці з %1 по %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="30"/>
        <source>row %1</source>
        <translation>рядок %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="31"/>
        <source>rows %1 to %2</source>
        <translation>рядки з %1 по %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="37"/>
        <source>board</source>
        <translation>дошка</translation>
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
        <translation>ходи</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="64"/>
        <source>move %1 of %2</source>
        <translation>хід %1 з %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="70"/>
        <source>move %1 of %2: %3 %4</source>
        <extracomment>The last move read aloud: &quot;move 3 of 5: H right&quot;.</extracomment>
        <translation>хід %1 з %2: %3 %4</translation>
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
        <translation>Друк у файл PDF</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="194"/>
        <source>PDF files (*.pdf)</source>
        <translation>Файли PDF (*.pdf)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="278"/>
        <source>help</source>
        <translation>довідка</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="280"/>
        <source>moves</source>
        <translation>ходи</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="286"/>
        <source>shift until</source>
        <translation>ведіть</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="287"/>
        <source>block X</source>
        <translation>блок X</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="288"/>
        <source>is here</source>
        <translation>сюди</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="290"/>
        <source>max.move</source>
        <extracomment>The move limit of the search, above its number. Short: about 9 letters.</extracomment>
        <translation>макс.хід</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="297"/>
        <source>raise the move limit</source>
        <translation>збільшити ліміт ходів</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="298"/>
        <source>lower the move limit</source>
        <translation>зменшити ліміт ходів</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="308"/>
        <source>step</source>
        <extracomment>The check box for one move at a time. Short: about 6 letters.</extracomment>
        <translation>крок</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="316"/>
        <source>play</source>
        <translation>грати</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="317"/>
        <source>find solutions yourself</source>
        <translation>шукайте розв’язок самі</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="319"/>
        <source>replay</source>
        <translation>повтор</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="320"/>
        <source>replay moves</source>
        <translation>повтор ходів</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="322"/>
        <source>search</source>
        <translation>пошук</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="323"/>
        <source>let computer search for solutions</source>
        <translation>доручити пошук розв’язків комп’ютеру</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="339"/>
        <source>reset</source>
        <translation>скинути</translation>
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
        <translation>до мети</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="353"/>
        <source>moves to go</source>
        <translation>ходів до мети</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="355"/>
        <source>hint</source>
        <translation>підказка</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="356"/>
        <source>show the best next move</source>
        <translation>показати найкращий наступний хід</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="359"/>
        <source>solve</source>
        <translation>рішення</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="360"/>
        <source>play the shortest way to the goal</source>
        <translation>дограти найкоротшим шляхом до мети</translation>
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
        <translation>почати</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="373"/>
        <source>play the position set up</source>
        <translation>грати з цією розстановкою</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="374"/>
        <source>cancel</source>
        <translation>скасувати</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="716"/>
        <source>The print job could not be started on %1.</source>
        <translation>Не вдалося почати друк на %1.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="739"/>
        <source>Printer setup</source>
        <translation>Налаштування принтера</translation>
    </message>
</context>
<context>
    <name>trulp::TargetView</name>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="15"/>
        <source>target</source>
        <translation>мета</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="16"/>
        <source>block X must stand on the two centre fields of the two bottom rows</source>
        <translation>блок X має стати на дві середні клітинки двох нижніх рядів</translation>
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
