<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>PrintPage</name>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="34"/>
        <source>TRULP puzzle</source>
        <translation>TRULP – חידת הזזה</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="35"/>
        <source>start position</source>
        <translation>מצב הפתיחה</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="36"/>
        <source>final position</source>
        <translation>המצב הסופי</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="37"/>
        <source>moves</source>
        <translation>מהלכים</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="99"/>
        <source>TRULP puzzle: %1</source>
        <extracomment>The printed page&apos;s title for a puzzle other than the classic.</extracomment>
        <translation>TRULP – חידה: %1</translation>
    </message>
</context>
<context>
    <name>Puzzles</name>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="32"/>
        <location filename="../src/words/words.cpp" line="69"/>
        <source>moves</source>
        <translation>מספר מהלכים</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="46"/>
        <source>classic</source>
        <translation>הקלאסית</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="46"/>
        <source>nearly</source>
        <translation>כמעט</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="47"/>
        <source>corners</source>
        <translation>פינות</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="47"/>
        <source>lid</source>
        <translation>מכסה</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="48"/>
        <source>sidestep</source>
        <translation>התחמקות</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="48"/>
        <source>drift</source>
        <translation>סחף</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="49"/>
        <source>nudge</source>
        <translation>דחיפה</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="49"/>
        <source>fence</source>
        <translation>גדר</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="50"/>
        <source>pillars</source>
        <translation>עמודים</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="50"/>
        <source>stakes</source>
        <translation>יתדות</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="51"/>
        <source>arch</source>
        <translation>קשת</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="51"/>
        <source>cradle</source>
        <translation>עריסה</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="52"/>
        <source>throne</source>
        <translation>כס</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="52"/>
        <source>tower</source>
        <translation>מגדל</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="53"/>
        <source>palisade</source>
        <translation>חומת עץ</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="53"/>
        <source>keep</source>
        <translation>מעוז</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="54"/>
        <source>detour</source>
        <translation>עיקוף</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="54"/>
        <source>crooked</source>
        <translation>עקום</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="55"/>
        <source>leaning</source>
        <translation>נטוי</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="55"/>
        <source>tangle</source>
        <translation>סבך</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="56"/>
        <source>attic</source>
        <translation>עליית גג</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="56"/>
        <source>lopsided</source>
        <translation>לא מאוזן</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="57"/>
        <source>colonnade</source>
        <translation>סטיו</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="57"/>
        <source>sentries</source>
        <translation>זקיפים</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="58"/>
        <source>guards</source>
        <translation>שומרים</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="58"/>
        <source>ladder</source>
        <translation>סולם</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="59"/>
        <source>shelf</source>
        <translation>מדף</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="59"/>
        <source>gate</source>
        <translation>שער</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="60"/>
        <source>lantern</source>
        <translation>פנס</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="60"/>
        <source>fallen</source>
        <translation>נפילה</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="61"/>
        <source>crown</source>
        <translation>כתר</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="61"/>
        <source>hourglass</source>
        <translation>שעון חול</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="62"/>
        <source>fortress</source>
        <translation>מבצר</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="62"/>
        <source>citadel</source>
        <translation>מצודה</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="63"/>
        <source>twin</source>
        <translation>תאום</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="63"/>
        <source>soldiers</source>
        <translation>חיילים</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="64"/>
        <source>barracks</source>
        <translation>קסרקטין</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="64"/>
        <source>garrison</source>
        <translation>חיל מצב</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="65"/>
        <source>labyrinth</source>
        <translation>מבוך</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="65"/>
        <source>summit</source>
        <translation>פסגה</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="66"/>
        <source>nadir</source>
        <translation>שפל</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="66"/>
        <source>zenith</source>
        <translation>זנית</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="67"/>
        <source>your own</source>
        <translation>חידה משלכם</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="67"/>
        <source>easy</source>
        <translation>קלה</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="68"/>
        <source>medium</source>
        <translation>בינונית</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="68"/>
        <source>hard</source>
        <translation>קשה</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <location filename="../src/words/words.cpp" line="42"/>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>TStatForm</name>
    <message>
        <location filename="../src/stats/statform.cpp" line="21"/>
        <source>number of moves</source>
        <translation>מספר המהלכים</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="22"/>
        <source>time (secs.)</source>
        <translation>זמן (שניות)</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="23"/>
        <source>trial moves</source>
        <translation>מהלכי ניסיון</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="24"/>
        <source>Forward history buffer length</source>
        <translation>אורך מאגר ההיסטוריה הקדמי</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="25"/>
        <source>Backward buffer hits</source>
        <translation>פגיעות במאגר האחורי</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="26"/>
        <source>Forward buffer hits</source>
        <translation>פגיעות במאגר הקדמי</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="36"/>
        <source>TRULP statistics</source>
        <translation>TRULP – סטטיסטיקה</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="65"/>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
</context>
<context>
    <name>TrulpSolve</name>
    <message>
        <location filename="../src/cli/main.cpp" line="41"/>
        <source>&apos;%1&apos; is not a moves file: %2 bytes instead of 250</source>
        <translation>&apos;%1&apos; אינו קובץ מהלכים: %2 בתים במקום 250</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="49"/>
        <source>&apos;%1&apos; is not a moves file: the start it holds cannot be played</source>
        <translation>&apos;%1&apos; אינו קובץ מהלכים: אי אפשר לשחק במצב הפתיחה שבו</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="50"/>
        <source>&apos;%1&apos; is not a moves file: its name does not begin with TRULP_ or TRULP+</source>
        <translation>&apos;%1&apos; אינו קובץ מהלכים: שמו אינו מתחיל ב-TRULP_ או ב-TRULP+</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="56"/>
        <source>&apos;%1&apos; is not a valid moves file: bad name length, move count or move</source>
        <translation>&apos;%1&apos; אינו קובץ מהלכים תקין: אורך השם, מספר המהלכים או מהלך שגויים</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="93"/>
        <source>no puzzle is named &apos;%1&apos; (see --puzzles)</source>
        <translation>אין חידה בשם &apos;%1&apos; (ראו --puzzles)</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="98"/>
        <source>--start &apos;%1&apos;: %2</source>
        <translation>--start &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="135"/>
        <source>cannot write the list</source>
        <translation>לא ניתן לכתוב את הרשימה</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="159"/>
        <source>&apos;%1&apos;: move %2 cannot be made from the start position</source>
        <translation>&apos;%1&apos;: לא ניתן לבצע את מהלך %2 ממצב הפתיחה</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="160"/>
        <source>&apos;%1&apos;: move %2 cannot be made from the start of its puzzle</source>
        <translation>&apos;%1&apos;: לא ניתן לבצע את מהלך %2 ממצב הפתיחה של החידה שלו</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="185"/>
        <source>cannot save: the line from the start would have %1 moves, and a moves file holds at most 200</source>
        <translation>לא ניתן לשמור: הדרך ממצב הפתיחה תכלול %1 מהלכים, וקובץ מהלכים מכיל לכל היותר 200</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="199"/>
        <source>cannot write the report</source>
        <translation>לא ניתן לכתוב את הדוח</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="28"/>
        <source>unexpected argument &apos;%1&apos; (see --help)</source>
        <translation>ארגומנט לא צפוי &apos;%1&apos; (ראו --help)</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="32"/>
        <source>%1 is given twice</source>
        <translation>%1 ניתן פעמיים</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="41"/>
        <source>unknown option &apos;%1&apos; (see --help)</source>
        <translation>אפשרות לא מוכרת &apos;%1&apos; (ראו --help)</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="46"/>
        <source>%1 takes no value</source>
        <translation>%1 אינה מקבלת ערך</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="63"/>
        <location filename="../src/cli/options.cpp" line="67"/>
        <source>%1 needs a value</source>
        <translation>%1 דורשת ערך</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="74"/>
        <source>--max-move must be a whole number from 100 to 200, not &apos;%1&apos;</source>
        <translation>--max-move חייב להיות מספר שלם בין 100 ל-200, ולא &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="82"/>
        <source>--slice must be a whole number from 1 to 2147483647, not &apos;%1&apos;</source>
        <translation>--slice חייב להיות מספר שלם בין 1 ל-2147483647, ולא &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="91"/>
        <source>--save needs a file name, not a directory: &apos;%1&apos;</source>
        <translation>--save דורש שם קובץ, לא תיקייה: &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="107"/>
        <source>--puzzles goes with --json alone</source>
        <translation>עם --puzzles אפשר לצרף רק את --json</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="109"/>
        <source>--puzzle and --start do not go together</source>
        <translation>אי אפשר לשלב את --puzzle עם --start</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="111"/>
        <source>--from carries its own puzzle: not with --puzzle or --start</source>
        <translation>--from מביא את החידה שלו: לא עם --puzzle או --start</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="113"/>
        <source>--max-move does not go with --optimal</source>
        <translation>אי אפשר לשלב את --max-move עם --optimal</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="115"/>
        <source>--slice does not go with --optimal</source>
        <translation>אי אפשר לשלב את --slice עם --optimal</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="117"/>
        <source>--from only goes with --optimal</source>
        <translation>--from משמש רק עם --optimal</translation>
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
        <translation>שימוש:
  trulp-solve [--puzzle NAME | --start POSITION] [--max-move N] [--slice N]
              [--save FILE] [--json]
  trulp-solve --optimal [--puzzle NAME | --start POSITION | --from FILE]
              [--save FILE] [--json]
  trulp-solve --puzzles [--json]
  trulp-solve --help | --version

פותר את חידת ההזזה ממצב פתיחה: הקלאסית, או חידה אחרת מהאוסף,
או מצב שניתן בלוק אחר בלוק.

  --max-move N  מגבלת המהלכים של החיפוש לעומק, 100 עד 200 (ברירת מחדל 150)
  --slice N     מהלכים שנרשמים בכל צעד חיפוש, לפחות 1 (ברירת מחדל 10000);
                התוצאה אינה תלויה בו
  --optimal     הדרך הקצרה ביותר, בחיפוש לרוחב על פני כל המצבים
  --puzzle NAME מצב הפתיחה של החידה הזו מהאוסף (ראו --puzzles)
  --start POSITION
                האות של כל בלוק והמשבצת (0-19, שורה אחר שורה) של הריבוע
                השמאלי העליון שלו, בסדר A X B C D E F G H I, כארגומנט אחד:
                &quot;A0 X1 B3 C8 D9 E11 F13 G14 H16 I19&quot; הוא הקלאסית
  --from FILE   עם --optimal: התחלה אחרי המהלכים של קובץ המהלכים הזה,
                ממצב הפתיחה של החידה שלו
  --save FILE   כתיבת הדרך כקובץ מהלכים בשם &quot;TRULP_ &quot; + שם הקובץ FILE
                בתיקייה של FILE; עם --from, המהלכים של הקובץ באים קודם;
                חידה שאינה הקלאסית נשמרת בקובץ
  --puzzles     הצגת האוסף: שם, הדרך הקצרה ביותר ומצב הפתיחה
  --json        הדפסת אובייקט JSON אחד במקום הדוח
  --help        הצגת העזרה הזו
  --version     הצגת הגרסה

מצב יציאה: 0 נפתרה, 1 אין פתרון, 2 שימוש שגוי או קלט שגוי.
</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="42"/>
        <source>the start position</source>
        <translation>מצב הפתיחה</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="44"/>
        <source>the start of puzzle &apos;%1&apos;</source>
        <translation>מצב הפתיחה של החידה &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="45"/>
        <source>the start %1</source>
        <translation>מצב הפתיחה %1</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="79"/>
        <source>depth-first search from %1, move limit %2</source>
        <translation>חיפוש לעומק החל מ%1, מגבלת המהלכים %2</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="81"/>
        <source>shortest line from %1</source>
        <translation>הדרך הקצרה ביותר החל מ%1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/report.cpp" line="84"/>
        <source>shortest line from the position after the %n moves of &apos;%1&apos;</source>
        <translation>
            <numerusform>הדרך הקצרה ביותר מהמצב שאחרי מהלך %n של &apos;%1&apos;</numerusform>
            <numerusform>הדרך הקצרה ביותר מהמצב שאחרי %n המהלכים של &apos;%1&apos;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/report.cpp" line="87"/>
        <source>shortest line from the position after the %n moves of &apos;%1&apos; from %2</source>
        <translation>
            <numerusform>הדרך הקצרה ביותר מהמצב שאחרי מהלך %n של &apos;%1&apos; החל מ%2</numerusform>
            <numerusform>הדרך הקצרה ביותר מהמצב שאחרי %n המהלכים של &apos;%1&apos; החל מ%2</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="92"/>
        <source>result</source>
        <translation>תוצאה</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="93"/>
        <source>solved</source>
        <translation>נפתרה</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="93"/>
        <source>no solution</source>
        <translation>אין פתרון</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="94"/>
        <source>number of moves</source>
        <translation>מספר המהלכים</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="96"/>
        <source>positions reachable</source>
        <translation>מצבים ברי השגה</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="98"/>
        <source>trial moves</source>
        <translation>מהלכי ניסיון</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="99"/>
        <source>forward history buffer length</source>
        <translation>אורך מאגר ההיסטוריה הקדמי</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="100"/>
        <source>forward buffer hits</source>
        <translation>פגיעות במאגר הקדמי</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="101"/>
        <source>backward buffer hits</source>
        <translation>פגיעות במאגר האחורי</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="106"/>
        <source>time</source>
        <extracomment>Seconds, as &quot;0.123 s&quot;.</extracomment>
        <translation>זמן</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="106"/>
        <source>%1 s</source>
        <translation>%1 שניות</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="121"/>
        <source>saved as: %1</source>
        <translation>נשמר בשם: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="123"/>
        <source>nothing saved: no line was found</source>
        <translation>לא נשמר דבר: לא נמצאה דרך</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <location filename="../src/words/words.cpp" line="21"/>
        <source>right</source>
        <extracomment>A direction in a hint and in the moves list read aloud: &quot;hint: H right&quot;.</extracomment>
        <translation>ימינה</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="23"/>
        <source>up</source>
        <translation>למעלה</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="25"/>
        <source>left</source>
        <translation>שמאלה</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="27"/>
        <source>down</source>
        <translation>למטה</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="96"/>
        <source>STOP</source>
        <extracomment>GO&apos;s caption during a run: stops it. At most 6 letters.</extracomment>
        <translation>עצירה</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="99"/>
        <source>STEP</source>
        <extracomment>GO&apos;s caption in step mode: one move per press. At most 6 letters.</extracomment>
        <translation>צעד</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="102"/>
        <source>GO</source>
        <extracomment>The button that starts a search or a replay. At most 6 letters.</extracomment>
        <translation>הפעלה</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="113"/>
        <source>welcome at the TRULP puzzle. Select &quot;play&quot; or &quot;search&quot;...</source>
        <translation>ברוכים הבאים לחידת TRULP. בחרו &quot;משחק&quot; או &quot;חיפוש&quot;...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="115"/>
        <source>search for solution...</source>
        <translation>חפשו פתרון...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="117"/>
        <source>show moves</source>
        <translation>הצגת המהלכים</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="119"/>
        <source>click GO to start search</source>
        <translation>לחצו &quot;הפעלה&quot; כדי להתחיל בחיפוש</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="121"/>
        <source>find solutions...</source>
        <translation>מצאו פתרונות...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="123"/>
        <source>find solution...</source>
        <translation>מצאו פתרון...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="125"/>
        <source>list is full</source>
        <translation>הרשימה מלאה</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="127"/>
        <source>moves list is full</source>
        <translation>רשימת המהלכים מלאה</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="129"/>
        <source>SOLUTION FOUND ...congratulations !</source>
        <translation>נמצא פתרון... כל הכבוד!</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="131"/>
        <source>solution reached</source>
        <translation>הפתרון הושג</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="134"/>
        <source>move %1</source>
        <extracomment>Replay and take-back: the number of the move shown.</extracomment>
        <translation>מהלך %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="136"/>
        <source>end of list</source>
        <translation>סוף הרשימה</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="139"/>
        <source>hint: %1 %2 (%n to go)</source>
        <extracomment>%1 a block&apos;s letter, %2 a direction, %n the moves to the goal.</extracomment>
        <translation>
            <numerusform>רמז: %1 %2 (נותר %n)</numerusform>
            <numerusform>רמז: %1 %2 (נותרו %n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="141"/>
        <source>%n to go</source>
        <translation>
            <numerusform>נותר %n</numerusform>
            <numerusform>נותרו %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="143"/>
        <source>solving... %n to go</source>
        <translation>
            <numerusform>פותר... נותר %n</numerusform>
            <numerusform>פותר... נותרו %n</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="145"/>
        <source>pause</source>
        <translation>השהיה</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="148"/>
        <source>pause: GO goes on</source>
        <extracomment>The coach&apos;s solve was stopped; GO, Space or Return let it go on.</extracomment>
        <translation>השהיה: לחצו &quot;הפעלה&quot; כדי להמשיך</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="151"/>
        <source>computer searching...move: %1</source>
        <extracomment>%1 the trial moves of the search so far.</extracomment>
        <translation>המחשב מחפש... מהלכי ניסיון: %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="153"/>
        <source>puzzle solved.  (see statistics)</source>
        <translation>החידה נפתרה. (ראו &quot;סטטיסטיקה&quot;)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="155"/>
        <source>no solution found</source>
        <translation>לא נמצא פתרון</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="158"/>
        <source>puzzle saved as: %1</source>
        <extracomment>%1 the name the moves file was saved as.</extracomment>
        <translation>החידה נשמרה בשם: %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="161"/>
        <source>puzzle %1 opened</source>
        <extracomment>%1 the name stored in the moves file.</extracomment>
        <translation>החידה %1 נפתחה</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="163"/>
        <source>read error</source>
        <translation>שגיאת קריאה</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="165"/>
        <source>wrong file</source>
        <translation>קובץ שגוי</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="168"/>
        <source>puzzle send to printer</source>
        <translation>החידה נשלחה למדפסת</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="170"/>
        <source>page written to %1</source>
        <extracomment>%1 the PDF file the page was written to.</extracomment>
        <translation>העמוד נכתב אל %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="173"/>
        <source>puzzle %1: shortest solution %n moves</source>
        <extracomment>%1 the puzzle&apos;s name, %n the moves of its shortest solution.</extracomment>
        <translation>
            <numerusform>החידה %1: הפתרון הקצר ביותר – %n מהלך</numerusform>
            <numerusform>החידה %1: הפתרון הקצר ביותר – %n מהלכים</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="175"/>
        <source>drag the blocks where you want them</source>
        <translation>גררו את הבלוקים למקום הרצוי</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="177"/>
        <source>no way to the goal</source>
        <translation>אין דרך אל המטרה</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="179"/>
        <source>block X is on the goal already</source>
        <translation>הבלוק X כבר נמצא במטרה</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="181"/>
        <source>no room there</source>
        <translation>אין שם מקום</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="184"/>
        <source>new record: %n moves (shortest %1)</source>
        <extracomment>%n the moves of the new record, %1 the shortest solution&apos;s.</extracomment>
        <translation>
            <numerusform>שיא חדש: %n מהלך (הקצר ביותר %1)</numerusform>
            <numerusform>שיא חדש: %n מהלכים (הקצר ביותר %1)</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="186"/>
        <source>block %1 does not have its own shape</source>
        <translation>לבלוק %1 אין את הצורה שלו</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="188"/>
        <source>block %1 on field %2 does not fit on the board</source>
        <translation>הבלוק %1 במשבצת %2 חורג מהלוח</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="190"/>
        <source>blocks %1 on field %2 and %3 on field %4 overlap</source>
        <translation>הבלוק %1 במשבצת %2 והבלוק %3 במשבצת %4 חופפים</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="196"/>
        <source>a start names ten blocks in the order A X B C D E F G H I, each with its field, not %n tokens</source>
        <translation>
            <numerusform>מצב פתיחה מונה עשרה בלוקים בסדר A X B C D E F G H I, כל אחד עם המשבצת שלו, ולא %n פריט</numerusform>
            <numerusform>מצב פתיחה מונה עשרה בלוקים בסדר A X B C D E F G H I, כל אחד עם המשבצת שלו, ולא %n פריטים</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="200"/>
        <source>block %1 of the start must be %2 (order A X B C D E F G H I), not &apos;%3&apos;</source>
        <translation>הבלוק ה-%1 במצב הפתיחה חייב להיות %2 (בסדר A X B C D E F G H I), ולא &apos;%3&apos;</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="205"/>
        <source>moves cleared: Ctrl+Z brings them back</source>
        <extracomment>Beside the message, when a reset, a mode, a puzzle or a file threw the moves list away.</extracomment>
        <translation>המהלכים נמחקו: Ctrl+Z מחזיר אותם</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="208"/>
        <source>next: %1 (Ctrl+N)</source>
        <extracomment>After the goal, beside the message: the next puzzle without a record.</extracomment>
        <translation>הבאה: %1 (Ctrl+N)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="210"/>
        <source>&apos;%1&apos;: the field must be a number from 0 to 19</source>
        <translation>&apos;%1&apos;: המשבצת חייבת להיות מספר בין 0 ל-19</translation>
    </message>
</context>
<context>
    <name>trulp::BoardView</name>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="28"/>
        <source>column %1</source>
        <translation>עמודה %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="29"/>
        <source>columns %1 to %2</source>
        <translation>עמודות %1 עד %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="32"/>
        <source>row %1</source>
        <translation>שורה %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="33"/>
        <source>rows %1 to %2</source>
        <translation>שורות %1 עד %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="39"/>
        <source>board</source>
        <translation>לוח</translation>
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
            <numerusform>מהלך %n, נותרו %1, הקצר ביותר האפשרי %2, שיא אישי %3</numerusform>
            <numerusform>%n מהלכים, נותרו %1, הקצר ביותר האפשרי %2, שיא אישי %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="87"/>
        <source>%n moves, %1 to go, shortest possible %2</source>
        <translation>
            <numerusform>מהלך %n, נותרו %1, הקצר ביותר האפשרי %2</numerusform>
            <numerusform>%n מהלכים, נותרו %1, הקצר ביותר האפשרי %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="91"/>
        <source>%n moves, shortest possible %1, your best %2</source>
        <translation>
            <numerusform>מהלך %n, הקצר ביותר האפשרי %1, שיא אישי %2</numerusform>
            <numerusform>%n מהלכים, הקצר ביותר האפשרי %1, שיא אישי %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="94"/>
        <source>%n moves, shortest possible %1</source>
        <translation>
            <numerusform>מהלך %n, הקצר ביותר האפשרי %1</numerusform>
            <numerusform>%n מהלכים, הקצר ביותר האפשרי %1</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="133"/>
        <source>moves</source>
        <extracomment>The chart&apos;s axes: the moves made, and the moves still to go after each.</extracomment>
        <translation>מהלכים</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="133"/>
        <source>moves to go</source>
        <translation>מהלכים שנותרו</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="161"/>
        <source>your moves</source>
        <translation>המהלכים שלכם</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="162"/>
        <source>away from goal</source>
        <translation>התרחקות מהמטרה</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="163"/>
        <source>hint or solve</source>
        <translation>רמז או פתרון</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="164"/>
        <source>shortest pace</source>
        <translation>קצב אופטימלי</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="165"/>
        <source>board now</source>
        <translation>הלוח כעת</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="201"/>
        <source>TRULP game chart</source>
        <translation>TRULP – גרף המשחק</translation>
    </message>
</context>
<context>
    <name>trulp::MovesPanel</name>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="51"/>
        <source>moves</source>
        <translation>מהלכים</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="64"/>
        <source>move %1 of %2</source>
        <translation>מהלך %1 מתוך %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="70"/>
        <source>move %1 of %2: %3 %4</source>
        <extracomment>The last move read aloud: &quot;move 3 of 5: H right&quot;.</extracomment>
        <translation>מהלך %1 מתוך %2: %3 %4</translation>
    </message>
</context>
<context>
    <name>trulp::PuzzlesDialog</name>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="45"/>
        <source>%1
shortest %2</source>
        <translation>%1
הקצר ביותר %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="48"/>
        <source>%1
your best %2 · shortest %3</source>
        <extracomment>%1 the puzzle, %2 the player&apos;s record, %3 the shortest solution.</extracomment>
        <translation>%1
שיא אישי %2 · הקצר ביותר %3</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="62"/>
        <source>TRULP puzzles</source>
        <translation>TRULP – חידות</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="68"/>
        <source>puzzles</source>
        <translation>חידות</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="82"/>
        <source>play</source>
        <translation>משחק</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="88"/>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="106"/>
        <source>new puzzle</source>
        <translation>חידה חדשה</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="93"/>
        <source>difficulty</source>
        <translation>רמת קושי</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="95"/>
        <source>moves to the goal</source>
        <translation>מהלכים עד המטרה</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="102"/>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="112"/>
        <source>seed</source>
        <translation>זרע</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="116"/>
        <source>set up your own</source>
        <translation>סידור חופשי</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="122"/>
        <source>close</source>
        <translation>סגירה</translation>
    </message>
</context>
<context>
    <name>trulp::TForm1</name>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="184"/>
        <source>TRULP puzzel</source>
        <extracomment>The main window&apos;s title.</extracomment>
        <translation>TRULP – חידת הזזה</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="198"/>
        <source>TRULP moves (TRULP_* TRULP+*)</source>
        <translation>מהלכי TRULP (TRULP_* TRULP+*)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="198"/>
        <source>All files (*)</source>
        <translation>כל הקבצים (*)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="205"/>
        <source>TRULP: save moves</source>
        <translation>TRULP – שמירת מהלכים</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="206"/>
        <source>TRULP: open moves file</source>
        <translation>TRULP – פתיחת קובץ מהלכים</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="215"/>
        <source>Print to PDF file</source>
        <translation>הדפסה לקובץ PDF</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="215"/>
        <source>PDF files (*.pdf)</source>
        <translation>קובצי PDF (*.pdf)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="304"/>
        <location filename="../src/mainwindow/form1.cpp" line="516"/>
        <source>help</source>
        <translation>עזרה</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="306"/>
        <source>moves</source>
        <translation>מהלכים</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="312"/>
        <source>shift until</source>
        <translation>הזיזו עד</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="313"/>
        <source>block X</source>
        <translation>שהבלוק X</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="314"/>
        <source>is here</source>
        <translation>יגיע לכאן</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="316"/>
        <source>max.move</source>
        <extracomment>The move limit of the search, above its number. Short: about 9 letters.</extracomment>
        <translation>מהלך מרבי</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="323"/>
        <source>raise the move limit</source>
        <translation>הגדלת מגבלת המהלכים</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="324"/>
        <source>lower the move limit</source>
        <translation>הקטנת מגבלת המהלכים</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="334"/>
        <source>step</source>
        <extracomment>The check box for one move at a time. Short: about 6 letters.</extracomment>
        <translation>צעד</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="342"/>
        <location filename="../src/mainwindow/form1.cpp" line="529"/>
        <source>play</source>
        <translation>משחק</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="343"/>
        <source>find solutions yourself</source>
        <translation>מצאו פתרונות בעצמכם</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="345"/>
        <location filename="../src/mainwindow/form1.cpp" line="530"/>
        <source>replay</source>
        <translation>הצגה חוזרת</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="346"/>
        <source>replay moves</source>
        <translation>הצגה חוזרת של המהלכים</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="348"/>
        <location filename="../src/mainwindow/form1.cpp" line="531"/>
        <source>search</source>
        <translation>חיפוש</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="349"/>
        <source>let computer search for solutions</source>
        <translation>תנו למחשב לחפש פתרונות</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="365"/>
        <location filename="../src/mainwindow/form1.cpp" line="532"/>
        <source>reset</source>
        <translation>איפוס</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="368"/>
        <source>back</source>
        <translation>אחורה</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="369"/>
        <source>take the last move back (Backspace)</source>
        <translation>ביטול המהלך האחרון (Backspace)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="374"/>
        <location filename="../src/mainwindow/form1.cpp" line="542"/>
        <source>statistics</source>
        <translation>סטטיסטיקה</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="378"/>
        <source>to go</source>
        <translation>נותרו</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="380"/>
        <source>moves to go</source>
        <translation>מהלכים שנותרו</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="382"/>
        <location filename="../src/mainwindow/form1.cpp" line="534"/>
        <source>hint</source>
        <translation>רמז</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="383"/>
        <source>show the best next move</source>
        <translation>הצגת המהלך הבא הטוב ביותר</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="386"/>
        <location filename="../src/mainwindow/form1.cpp" line="538"/>
        <source>solve</source>
        <translation>פתרון</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="387"/>
        <source>play the shortest way to the goal</source>
        <translation>המאמן ישחק את הדרך הקצרה ביותר אל המטרה</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="393"/>
        <location filename="../src/mainwindow/form1.cpp" line="395"/>
        <source>puzzle</source>
        <translation>חידה</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="399"/>
        <source>play it</source>
        <translation>התחלה</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="400"/>
        <source>play the position set up</source>
        <translation>שחקו בעמדה שסידרתם</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="401"/>
        <source>cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="517"/>
        <source>undo</source>
        <translation>ביטול פעולה</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="523"/>
        <source>redo</source>
        <translation>ביצוע מחדש</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="546"/>
        <source>next puzzle without a record</source>
        <translation>החידה הבאה ללא שיא</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="552"/>
        <source>full screen</source>
        <translation>מסך מלא</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="554"/>
        <source>quit</source>
        <translation>יציאה</translation>
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
        <translation>לא ניתן היה להתחיל את עבודת ההדפסה במדפסת %1.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="932"/>
        <source>Printer setup</source>
        <translation>הגדרות מדפסת</translation>
    </message>
</context>
<context>
    <name>trulp::TargetView</name>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="15"/>
        <source>target</source>
        <translation>מטרה</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="16"/>
        <source>block X must stand on the two centre fields of the two bottom rows</source>
        <translation>הבלוק X צריך לעמוד על שתי המשבצות האמצעיות של שתי השורות התחתונות</translation>
    </message>
</context>
<context>
    <name>trulp::Thelpform</name>
    <message>
        <location filename="../src/help/helpform.cpp" line="49"/>
        <source>TRULP help</source>
        <translation>TRULP – עזרה</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="72"/>
        <source>page</source>
        <translation>עמוד</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="73"/>
        <source>UP</source>
        <translation>למעלה</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="74"/>
        <source>DOWN</source>
        <translation>למטה</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="75"/>
        <source>&lt;ECS&gt; close page</source>
        <translation>&lt;Esc&gt; סגירה</translation>
    </message>
</context>
<context>
    <name>trulp::ToolBar</name>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="19"/>
        <source>open</source>
        <translation>פתיחה</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="19"/>
        <source>open moves file</source>
        <translation>פתיחת קובץ מהלכים</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="20"/>
        <source>save</source>
        <translation>שמירה</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="20"/>
        <source>save moves</source>
        <translation>שמירת מהלכים</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="21"/>
        <source>print</source>
        <translation>הדפסה</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="22"/>
        <source>printer setup</source>
        <translation>הגדרות מדפסת</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="23"/>
        <source>game chart</source>
        <translation>גרף המשחק</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="24"/>
        <source>puzzles</source>
        <translation>חידות</translation>
    </message>
</context>
</TS>
