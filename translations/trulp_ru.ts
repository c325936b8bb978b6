<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
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
        <translation>начальная позиция</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="36"/>
        <source>final position</source>
        <translation>конечная позиция</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="37"/>
        <source>moves</source>
        <translation>ходы</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="99"/>
        <source>TRULP puzzle: %1</source>
        <extracomment>The printed page&apos;s title for a puzzle other than the classic.</extracomment>
        <translation>TRULP — головоломка «%1»</translation>
    </message>
</context>
<context>
    <name>Puzzles</name>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="32"/>
        <location filename="../src/words/words.cpp" line="69"/>
        <source>moves</source>
        <translation>по числу ходов</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="46"/>
        <source>classic</source>
        <translation>классика</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="46"/>
        <source>nearly</source>
        <translation>почти</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="47"/>
        <source>corners</source>
        <translation>углы</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="47"/>
        <source>lid</source>
        <translation>крышка</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="48"/>
        <source>sidestep</source>
        <translation>финт</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="48"/>
        <source>drift</source>
        <translation>дрейф</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="49"/>
        <source>nudge</source>
        <translation>толчок</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="49"/>
        <source>fence</source>
        <translation>ограда</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="50"/>
        <source>pillars</source>
        <translation>столпы</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="50"/>
        <source>stakes</source>
        <translation>колья</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="51"/>
        <source>arch</source>
        <translation>арка</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="51"/>
        <source>cradle</source>
        <translation>колыбель</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="52"/>
        <source>throne</source>
        <translation>трон</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="52"/>
        <source>tower</source>
        <translation>башня</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="53"/>
        <source>palisade</source>
        <translation>частокол</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="53"/>
        <source>keep</source>
        <translation>донжон</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="54"/>
        <source>detour</source>
        <translation>обход</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="54"/>
        <source>crooked</source>
        <translation>кривая</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="55"/>
        <source>leaning</source>
        <translation>наклонная</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="55"/>
        <source>tangle</source>
        <translation>путаница</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="56"/>
        <source>attic</source>
        <translation>чердак</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="56"/>
        <source>lopsided</source>
        <translation>кособокая</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="57"/>
        <source>colonnade</source>
        <translation>колоннада</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="57"/>
        <source>sentries</source>
        <translation>часовые</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="58"/>
        <source>guards</source>
        <translation>стража</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="58"/>
        <source>ladder</source>
        <translation>лестница</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="59"/>
        <source>shelf</source>
        <translation>полка</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="59"/>
        <source>gate</source>
        <translation>ворота</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="60"/>
        <source>lantern</source>
        <translation>фонарь</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="60"/>
        <source>fallen</source>
        <translation>упавшая</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="61"/>
        <source>crown</source>
        <translation>корона</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="61"/>
        <source>hourglass</source>
        <translation>песочные часы</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="62"/>
        <source>fortress</source>
        <translation>крепость</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="62"/>
        <source>citadel</source>
        <translation>цитадель</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="63"/>
        <source>twin</source>
        <translation>близнец</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="63"/>
        <source>soldiers</source>
        <translation>солдаты</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="64"/>
        <source>barracks</source>
        <translation>казарма</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="64"/>
        <source>garrison</source>
        <translation>гарнизон</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="65"/>
        <source>labyrinth</source>
        <translation>лабиринт</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="65"/>
        <source>summit</source>
        <translation>вершина</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="66"/>
        <source>nadir</source>
        <translation>надир</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="66"/>
        <source>zenith</source>
        <translation>зенит</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="67"/>
        <source>your own</source>
        <translation>своя</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="67"/>
        <source>easy</source>
        <translation>лёгкая</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="68"/>
        <source>medium</source>
        <translation>средняя</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="68"/>
        <source>hard</source>
        <translation>сложная</translation>
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
        <translation>число ходов</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="22"/>
        <source>time (secs.)</source>
        <translation>время (с)</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="23"/>
        <source>trial moves</source>
        <translation>пробные ходы</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="24"/>
        <source>Forward history buffer length</source>
        <translation>длина буфера «вперёд»</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="25"/>
        <source>Backward buffer hits</source>
        <translation>попадания в буфер «назад»</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="26"/>
        <source>Forward buffer hits</source>
        <translation>попадания в буфер «вперёд»</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="36"/>
        <source>TRULP statistics</source>
        <translation>TRULP — статистика</translation>
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
        <translation>«%1» — не файл ходов: %2 байт вместо 250</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="49"/>
        <source>&apos;%1&apos; is not a moves file: the start it holds cannot be played</source>
        <translation>«%1» — не файл ходов: записанную в нём начальную позицию нельзя сыграть</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="50"/>
        <source>&apos;%1&apos; is not a moves file: its name does not begin with TRULP_ or TRULP+</source>
        <translation>«%1» — не файл ходов: его имя не начинается с TRULP_ или TRULP+</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="56"/>
        <source>&apos;%1&apos; is not a valid moves file: bad name length, move count or move</source>
        <translation>«%1» — повреждённый файл ходов: неверная длина имени, число ходов или ход</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="93"/>
        <source>no puzzle is named &apos;%1&apos; (see --puzzles)</source>
        <translation>головоломки с именем «%1» нет (см. --puzzles)</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="98"/>
        <source>--start &apos;%1&apos;: %2</source>
        <translation>--start «%1»: %2</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="135"/>
        <source>cannot write the list</source>
        <translation>не удалось вывести список</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="159"/>
        <source>&apos;%1&apos;: move %2 cannot be made from the start position</source>
        <translation>«%1»: ход %2 невозможен из начальной позиции</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="160"/>
        <source>&apos;%1&apos;: move %2 cannot be made from the start of its puzzle</source>
        <translation>«%1»: ход %2 невозможен от начала его головоломки</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="185"/>
        <source>cannot save: the line from the start would have %1 moves, and a moves file holds at most 200</source>
        <translation>сохранить нельзя: путь от начала занял бы ходов: %1, а файл ходов вмещает не больше 200</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="199"/>
        <source>cannot write the report</source>
        <translation>не удалось вывести отчёт</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="28"/>
        <source>unexpected argument &apos;%1&apos; (see --help)</source>
        <translation>лишний аргумент «%1» (см. --help)</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="32"/>
        <source>%1 is given twice</source>
        <translation>%1 указан дважды</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="41"/>
        <source>unknown option &apos;%1&apos; (see --help)</source>
        <translation>неизвестный параметр «%1» (см. --help)</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="46"/>
        <source>%1 takes no value</source>
        <translation>%1 не принимает значения</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="63"/>
        <location filename="../src/cli/options.cpp" line="67"/>
        <source>%1 needs a value</source>
        <translation>%1 требует значения</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="74"/>
        <source>--max-move must be a whole number from 100 to 200, not &apos;%1&apos;</source>
        <translation>--max-move должен быть целым числом от 100 до 200, а не «%1»</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="82"/>
        <source>--slice must be a whole number from 1 to 2147483647, not &apos;%1&apos;</source>
        <translation>--slice должен быть целым числом от 1 до 2147483647, а не «%1»</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="91"/>
        <source>--save needs a file name, not a directory: &apos;%1&apos;</source>
        <translation>--save требует имя файла, а не папки: «%1»</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="107"/>
        <source>--puzzles goes with --json alone</source>
        <translation>--puzzles сочетается только с --json</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="109"/>
        <source>--puzzle and --start do not go together</source>
        <translation>--puzzle и --start несовместимы</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="111"/>
        <source>--from carries its own puzzle: not with --puzzle or --start</source>
        <translation>у --from своя головоломка: его нельзя сочетать с --puzzle или --start</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="113"/>
        <source>--max-move does not go with --optimal</source>
        <translation>--max-move несовместим с --optimal</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="115"/>
        <source>--slice does not go with --optimal</source>
        <translation>--slice несовместим с --optimal</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="117"/>
        <source>--from only goes with --optimal</source>
        <translation>--from используется только с --optimal</translation>
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
        <translation>Использование:
  trulp-solve [--puzzle NAME | --start POSITION] [--max-move N] [--slice N]
              [--save FILE] [--json]
  trulp-solve --optimal [--puzzle NAME | --start POSITION | --from FILE]
              [--save FILE] [--json]
  trulp-solve --puzzles [--json]
  trulp-solve --help | --version

Решает головоломку со скользящими блоками от начальной позиции: классической
или другой — из коллекции либо заданной блок за блоком.

  --max-move N  предел ходов поиска в глубину, от 100 до 200 (по умолч. 150)
  --slice N     ходов, записываемых за шаг поиска, не меньше 1 (по умолчанию
                10000); результат от него не зависит
  --optimal     кратчайший путь поиском в ширину по всем позициям
  --puzzle NAME начало этой головоломки из коллекции (см. --puzzles)
  --start POSITION
                буква каждого блока и номер клетки (0-19, по строкам) его
                левого верхнего угла, в порядке A X B C D E F G H I, одним
                аргументом: &quot;A0 X1 B3 C8 D9 E11 F13 G14 H16 I19&quot; — классика
  --from FILE   с --optimal: начать после ходов этого файла ходов,
                от начала его собственной головоломки
  --save FILE   записать путь как файл ходов с именем &quot;TRULP_ &quot; + имя FILE
                в папке FILE; с --from сначала идут ходы этого файла;
                головоломка, отличная от классической, сохраняется в файле
  --puzzles     список коллекции: имя, кратчайший путь и начало
  --json        вывести один объект JSON вместо отчёта
  --help        показать эту справку
  --version     показать версию

Код выхода: 0 решено, 1 решения нет, 2 неверный вызов или неверные данные.
</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="42"/>
        <source>the start position</source>
        <translation>начальной позиции</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="44"/>
        <source>the start of puzzle &apos;%1&apos;</source>
        <translation>начала головоломки «%1»</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="45"/>
        <source>the start %1</source>
        <translation>позиции %1</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="79"/>
        <source>depth-first search from %1, move limit %2</source>
        <translation>поиск в глубину от %1, предел ходов %2</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="81"/>
        <source>shortest line from %1</source>
        <translation>кратчайший путь от %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/report.cpp" line="84"/>
        <source>shortest line from the position after the %n moves of &apos;%1&apos;</source>
        <translation>
            <numerusform>кратчайший путь от позиции после %n хода из «%1»</numerusform>
            <numerusform>кратчайший путь от позиции после %n ходов из «%1»</numerusform>
            <numerusform>кратчайший путь от позиции после %n ходов из «%1»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/report.cpp" line="87"/>
        <source>shortest line from the position after the %n moves of &apos;%1&apos; from %2</source>
        <translation>
            <numerusform>кратчайший путь от позиции после %n хода из «%1» от %2</numerusform>
            <numerusform>кратчайший путь от позиции после %n ходов из «%1» от %2</numerusform>
            <numerusform>кратчайший путь от позиции после %n ходов из «%1» от %2</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="92"/>
        <source>result</source>
        <translation>результат</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="93"/>
        <source>solved</source>
        <translation>решено</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="93"/>
        <source>no solution</source>
        <translation>решения нет</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="94"/>
        <source>number of moves</source>
        <translation>число ходов</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="96"/>
        <source>positions reachable</source>
        <translation>достижимых позиций</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="98"/>
        <source>trial moves</source>
        <translation>пробные ходы</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="99"/>
        <source>forward history buffer length</source>
        <translation>длина буфера «вперёд»</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="100"/>
        <source>forward buffer hits</source>
        <translation>попадания в буфер «вперёд»</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="101"/>
        <source>backward buffer hits</source>
        <translation>попадания в буфер «назад»</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="106"/>
        <source>time</source>
        <extracomment>Seconds, as &quot;0.123 s&quot;.</extracomment>
        <translation>время</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="106"/>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="121"/>
        <source>saved as: %1</source>
        <translation>сохранено как: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="123"/>
        <source>nothing saved: no line was found</source>
        <translation>ничего не сохранено: путь не найден</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <location filename="../src/words/words.cpp" line="21"/>
        <source>right</source>
        <extracomment>A direction in a hint and in the moves list read aloud: &quot;hint: H right&quot;.</extracomment>
        <translation>вправо</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="23"/>
        <source>up</source>
        <translation>вверх</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="25"/>
        <source>left</source>
        <translation>влево</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="27"/>
        <source>down</source>
        <translation>вниз</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="96"/>
        <source>STOP</source>
        <extracomment>GO&apos;s caption during a run: stops it. At most 6 letters.</extracomment>
        <translation>СТОП</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="99"/>
        <source>STEP</source>
        <extracomment>GO&apos;s caption in step mode: one move per press. At most 6 letters.</extracomment>
        <translation>ШАГ</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="102"/>
        <source>GO</source>
        <extracomment>The button that starts a search or a replay. At most 6 letters.</extracomment>
        <translation>ПУСК</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="113"/>
        <source>welcome at the TRULP puzzle. Select &quot;play&quot; or &quot;search&quot;...</source>
        <translation>добро пожаловать в головоломку TRULP. Выберите «играть» или «поиск»...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="115"/>
        <source>search for solution...</source>
        <translation>ищите решение...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="117"/>
        <source>show moves</source>
        <translation>показ ходов</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="119"/>
        <source>click GO to start search</source>
        <translation>нажмите ПУСК, чтобы начать поиск</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="121"/>
        <source>find solutions...</source>
        <translation>ищите решения...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="123"/>
        <source>find solution...</source>
        <translation>ищите решение...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="125"/>
        <source>list is full</source>
        <translation>список заполнен</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="127"/>
        <source>moves list is full</source>
        <translation>список ходов заполнен</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="129"/>
        <source>SOLUTION FOUND ...congratulations !</source>
        <translation>РЕШЕНИЕ НАЙДЕНО... поздравляем!</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="131"/>
        <source>solution reached</source>
        <translation>цель достигнута</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="134"/>
        <source>move %1</source>
        <extracomment>Replay and take-back: the number of the move shown.</extracomment>
        <translation>ход %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="136"/>
        <source>end of list</source>
        <translation>конец списка</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="139"/>
        <source>hint: %1 %2 (%n to go)</source>
        <extracomment>%1 a block&apos;s letter, %2 a direction, %n the moves to the goal.</extracomment>
        <translation>
            <numerusform>совет: %1 %2 (до цели %n)</numerusform>
            <numerusform>совет: %1 %2 (до цели %n)</numerusform>
            <numerusform>совет: %1 %2 (до цели %n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="141"/>
        <source>%n to go</source>
        <translation>
            <numerusform>до цели %n</numerusform>
            <numerusform>до цели %n</numerusform>
            <numerusform>до цели %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="143"/>
        <source>solving... %n to go</source>
        <translation>
            <numerusform>решаю... до цели %n</numerusform>
            <numerusform>решаю... до цели %n</numerusform>
            <numerusform>решаю... до цели %n</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="145"/>
        <source>pause</source>
        <translation>пауза</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="148"/>
        <source>pause: GO goes on</source>
        <extracomment>The coach&apos;s solve was stopped; GO, Space or Return let it go on.</extracomment>
        <translation>пауза: ПУСК — продолжить</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="151"/>
        <source>computer searching...move: %1</source>
        <extracomment>%1 the trial moves of the search so far.</extracomment>
        <translation>компьютер ищет... ход: %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="153"/>
        <source>puzzle solved.  (see statistics)</source>
        <translation>головоломка решена. (см. статистику)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="155"/>
        <source>no solution found</source>
        <translation>решение не найдено</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="158"/>
        <source>puzzle saved as: %1</source>
        <extracomment>%1 the name the moves file was saved as.</extracomment>
        <translation>головоломка сохранена как: %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="161"/>
        <source>puzzle %1 opened</source>
        <extracomment>%1 the name stored in the moves file.</extracomment>
        <translation>головоломка %1 открыта</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="163"/>
        <source>read error</source>
        <translation>ошибка чтения</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="165"/>
        <source>wrong file</source>
        <translation>неверный файл</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="168"/>
        <source>puzzle send to printer</source>
        <translation>головоломка отправлена на принтер</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="170"/>
        <source>page written to %1</source>
        <extracomment>%1 the PDF file the page was written to.</extracomment>
        <translation>страница записана в %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="173"/>
        <source>puzzle %1: shortest solution %n moves</source>
        <extracomment>%1 the puzzle&apos;s name, %n the moves of its shortest solution.</extracomment>
        <translation>
            <numerusform>головоломка %1: кратчайшее решение — %n ход</numerusform>
            <numerusform>головоломка %1: кратчайшее решение — %n хода</numerusform>
            <numerusform>головоломка %1: кратчайшее решение — %n ходов</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="175"/>
        <source>drag the blocks where you want them</source>
        <translation>перетащите блоки, куда хотите</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="177"/>
        <source>no way to the goal</source>
        <translation>к цели нет пути</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="179"/>
        <source>block X is on the goal already</source>
        <translation>блок X уже достиг цели</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="181"/>
        <source>no room there</source>
        <translation>там нет места</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="184"/>
        <source>new record: %n moves (shortest %1)</source>
        <extracomment>%n the moves of the new record, %1 the shortest solution&apos;s.</extracomment>
        <translation>
            <numerusform>новый рекорд — ходов: %n (минимум %1)</numerusform>
            <numerusform>новый рекорд — ходов: %n (минимум %1)</numerusform>
            <numerusform>новый рекорд — ходов: %n (минимум %1)</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="186"/>
        <source>block %1 does not have its own shape</source>
        <translation>у блока %1 чужая форма</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="188"/>
        <source>block %1 on field %2 does not fit on the board</source>
        <translation>блок %1 на клетке %2 не помещается на доске</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="190"/>
        <source>blocks %1 on field %2 and %3 on field %4 overlap</source>
        <translation>блоки %1 на клетке %2 и %3 на клетке %4 перекрываются</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="196"/>
        <source>a start names ten blocks in the order A X B C D E F G H I, each with its field, not %n tokens</source>
        <translation>
            <numerusform>начальная позиция должна называть десять блоков в порядке A X B C D E F G H I, каждый со своей клеткой, а не %n элемент</numerusform>
            <numerusform>начальная позиция должна называть десять блоков в порядке A X B C D E F G H I, каждый со своей клеткой, а не %n элемента</numerusform>
            <numerusform>начальная позиция должна называть десять блоков в порядке A X B C D E F G H I, каждый со своей клеткой, а не %n элементов</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="200"/>
        <source>block %1 of the start must be %2 (order A X B C D E F G H I), not &apos;%3&apos;</source>
        <translation>блок %1 начальной позиции должен быть %2 (порядок A X B C D E F G H I), а не «%3»</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="205"/>
        <source>moves cleared: Ctrl+Z brings them back</source>
        <extracomment>Beside the message, when a reset, a mode, a puzzle or a file threw the moves list away.</extracomment>
        <translation>ходы удалены: Ctrl+Z вернёт их</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="208"/>
        <source>next: %1 (Ctrl+N)</source>
        <extracomment>After the goal, beside the message: the next puzzle without a record.</extracomment>
        <translation>следующая: %1 (Ctrl+N)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="210"/>
        <source>&apos;%1&apos;: the field must be a number from 0 to 19</source>
        <translation>«%1»: клетка должна быть числом от 0 до 19</translation>
    </message>
</context>
<context>
    <name>trulp::BoardView</name>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="28"/>
        <source>column %1</source>
        <translation>столбец %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="29"/>
        <source>columns %1 to %2</source>
        <translation>столбцы с %1 по %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="32"/>
        <source>row %1</source>
        <translation>строка %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="33"/>
        <source>rows %1 to %2</source>
        <translation>строки с %1 по %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="39"/>
        <source>board</source>
        <translation>доска</translation>
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
            <numerusform>ходов: %n, до цели %1, минимум %2, ваш рекорд %3</numerusform>
            <numerusform>ходов: %n, до цели %1, минимум %2, ваш рекорд %3</numerusform>
            <numerusform>ходов: %n, до цели %1, минимум %2, ваш рекорд %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="87"/>
        <source>%n moves, %1 to go, shortest possible %2</source>
        <translation>
            <numerusform>ходов: %n, до цели %1, минимум %2</numerusform>
            <numerusform>ходов: %n, до цели %1, минимум %2</numerusform>
            <numerusform>ходов: %n, до цели %1, минимум %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="91"/>
        <source>%n moves, shortest possible %1, your best %2</source>
        <translation>
            <numerusform>ходов: %n, минимум %1, ваш рекорд %2</numerusform>
            <numerusform>ходов: %n, минимум %1, ваш рекорд %2</numerusform>
            <numerusform>ходов: %n, минимум %1, ваш рекорд %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="94"/>
        <source>%n moves, shortest possible %1</source>
        <translation>
            <numerusform>ходов: %n, минимум %1</numerusform>
            <numerusform>ходов: %n, минимум %1</numerusform>
            <numerusform>ходов: %n, минимум %1</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="133"/>
        <source>moves</source>
        <extracomment>The chart&apos;s axes: the moves made, and the moves still to go after each.</extracomment>
        <translation>ходы</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="133"/>
        <source>moves to go</source>
        <translation>ходов до цели</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="161"/>
        <source>your moves</source>
        <translation>ваши ходы</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="162"/>
        <source>away from goal</source>
        <translation>от цели</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="163"/>
        <source>hint or solve</source>
        <translation>совет или «решить»</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="164"/>
        <source>shortest pace</source>
        <translation>темп кратчайшего пути</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="165"/>
        <source>board now</source>
        <translation>сейчас на доске</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="201"/>
        <source>TRULP game chart</source>
        <translation>TRULP — график игры</translation>
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
    <name>trulp::PuzzlesDialog</name>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="45"/>
        <source>%1
shortest %2</source>
        <translation>%1
минимум %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="48"/>
        <source>%1
your best %2 · shortest %3</source>
        <extracomment>%1 the puzzle, %2 the player&apos;s record, %3 the shortest solution.</extracomment>
        <translation>%1
ваш рекорд %2 · минимум %3</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="62"/>
        <source>TRULP puzzles</source>
        <translation>TRULP — головоломки</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="68"/>
        <source>puzzles</source>
        <translation>головоломки</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="82"/>
        <source>play</source>
        <translation>играть</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="88"/>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="106"/>
        <source>new puzzle</source>
        <translation>новая головоломка</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="93"/>
        <source>difficulty</source>
        <translation>сложность</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="95"/>
        <source>moves to the goal</source>
        <translation>ходов до цели</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="102"/>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="112"/>
        <source>seed</source>
        <translation>зерно</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="116"/>
        <source>set up your own</source>
        <translation>расставить самому</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="122"/>
        <source>close</source>
        <translation>закрыть</translation>
    </message>
</context>
<context>
    <name>trulp::TForm1</name>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="184"/>
        <source>TRULP puzzel</source>
        <extracomment>The main window&apos;s title.</extracomment>
        <translation>TRULP — головоломка</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="198"/>
        <source>TRULP moves (TRULP_* TRULP+*)</source>
        <translation>Ходы TRULP (TRULP_* TRULP+*)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="198"/>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="205"/>
        <source>TRULP: save moves</source>
        <translation>TRULP — сохранение ходов</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="206"/>
        <source>TRULP: open moves file</source>
        <translation>TRULP — открытие файла ходов</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="215"/>
        <source>Print to PDF file</source>
        <translation>Печать в файл PDF</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="215"/>
        <source>PDF files (*.pdf)</source>
        <translation>Файлы PDF (*.pdf)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="304"/>
        <location filename="../src/mainwindow/form1.cpp" line="516"/>
        <source>help</source>
        <translation>справка</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="306"/>
        <source>moves</source>
        <translation>ходы</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="312"/>
        <source>shift until</source>
        <translation>ведите</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="313"/>
        <source>block X</source>
        <translation>блок X</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="314"/>
        <source>is here</source>
        <translation>сюда</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="316"/>
        <source>max.move</source>
        <extracomment>The move limit of the search, above its number. Short: about 9 letters.</extracomment>
        <translation>макс.ход</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="323"/>
        <source>raise the move limit</source>
        <translation>увеличить лимит ходов</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="324"/>
        <source>lower the move limit</source>
        <translation>уменьшить лимит ходов</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="334"/>
        <source>step</source>
        <extracomment>The check box for one move at a time. Short: about 6 letters.</extracomment>
        <translation>шаг</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="342"/>
        <location filename="../src/mainwindow/form1.cpp" line="529"/>
        <source>play</source>
        <translation>играть</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="343"/>
        <source>find solutions yourself</source>
        <translation>ищите решение сами</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="345"/>
        <location filename="../src/mainwindow/form1.cpp" line="530"/>
        <source>replay</source>
        <translation>повтор</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="346"/>
        <source>replay moves</source>
        <translation>повтор ходов</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="348"/>
        <location filename="../src/mainwindow/form1.cpp" line="531"/>
        <source>search</source>
        <translation>поиск</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="349"/>
        <source>let computer search for solutions</source>
        <translation>поручить поиск решений компьютеру</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="365"/>
        <location filename="../src/mainwindow/form1.cpp" line="532"/>
        <source>reset</source>
        <translation>сброс</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="368"/>
        <source>back</source>
        <translation>назад</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="369"/>
        <source>take the last move back (Backspace)</source>
        <translation>отменить последний ход (Backspace)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="374"/>
        <location filename="../src/mainwindow/form1.cpp" line="542"/>
        <source>statistics</source>
        <translation>статистика</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="378"/>
        <source>to go</source>
        <translation>до цели</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="380"/>
        <source>moves to go</source>
        <translation>ходов до цели</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="382"/>
        <location filename="../src/mainwindow/form1.cpp" line="534"/>
        <source>hint</source>
        <translation>совет</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="383"/>
        <source>show the best next move</source>
        <translation>показать лучший следующий ход</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="386"/>
        <location filename="../src/mainwindow/form1.cpp" line="538"/>
        <source>solve</source>
        <translation>решить</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="387"/>
        <source>play the shortest way to the goal</source>
        <translation>доиграть кратчайшим путём до цели</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="393"/>
        <location filename="../src/mainwindow/form1.cpp" line="395"/>
        <source>puzzle</source>
        <translation>головоломка</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="399"/>
        <source>play it</source>
        <translation>начать</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="400"/>
        <source>play the position set up</source>
        <translation>играть с этой расстановкой</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="401"/>
        <source>cancel</source>
        <translation>отмена</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="517"/>
        <source>undo</source>
        <translation>отменить</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="523"/>
        <source>redo</source>
        <translation>повторить</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="546"/>
        <source>next puzzle without a record</source>
        <translation>следующая головоломка без рекорда</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="552"/>
        <source>full screen</source>
        <translation>полноэкранный режим</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="554"/>
        <source>quit</source>
        <translation>выйти</translation>
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
        <translation>Не удалось начать печать на %1.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="932"/>
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
    <name>trulp::Thelpform</name>
    <message>
        <location filename="../src/help/helpform.cpp" line="49"/>
        <source>TRULP help</source>
        <translation>TRULP — справка</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="72"/>
        <source>page</source>
        <translation>стр.</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="73"/>
        <source>UP</source>
        <translation>ВВЕРХ</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="74"/>
        <source>DOWN</source>
        <translation>ВНИЗ</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="75"/>
        <source>&lt;ECS&gt; close page</source>
        <translation>&lt;Esc&gt; закрыть</translation>
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
