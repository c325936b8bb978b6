<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Wording</name>
    <message>
        <location filename="../src/words/words.cpp" line="17"/>
        <source>right</source>
        <extracomment>A direction in a hint and in the moves list read aloud: &quot;hint: H right&quot;.</extracomment>
        <translation>naar rechts</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="19"/>
        <source>up</source>
        <translation>omhoog</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="21"/>
        <source>left</source>
        <translation>naar links</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="23"/>
        <source>down</source>
        <translation>omlaag</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="48"/>
        <source>STOP</source>
        <extracomment>GO&apos;s caption during a run: stops it. At most 6 letters.</extracomment>
        <translation>STOP</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="51"/>
        <source>STEP</source>
        <extracomment>GO&apos;s caption in step mode: one move per press. At most 6 letters.</extracomment>
        <translation>STAP</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="54"/>
        <source>GO</source>
        <extracomment>The button that starts a search or a replay. At most 6 letters.</extracomment>
        <translation>START</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="65"/>
        <source>welcome at the TRULP puzzle. Select &quot;play&quot; or &quot;search&quot;...</source>
        <translation>welkom bij de TRULP-puzzel. Kies 'spelen' of 'zoeken'...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="67"/>
        <source>search for solution...</source>
        <translation>zoek de oplossing...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="69"/>
        <source>show moves</source>
        <translation>zetten tonen</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="71"/>
        <source>click GO to start search</source>
        <translation>klik op START om het zoeken te beginnen</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="73"/>
        <source>find solutions...</source>
        <translation>vind oplossingen...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="75"/>
        <source>find solution...</source>
        <translation>vind de oplossing...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="77"/>
        <source>list is full</source>
        <translation>lijst is vol</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="79"/>
        <source>moves list is full</source>
        <translation>zettenlijst is vol</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="81"/>
        <source>SOLUTION FOUND ...congratulations !</source>
        <translation>OPLOSSING GEVONDEN ... gefeliciteerd!</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="83"/>
        <source>solution reached</source>
        <translation>oplossing bereikt</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="86"/>
        <source>move %1</source>
        <extracomment>Replay and take-back: the number of the move shown.</extracomment>
        <translation>zet %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="88"/>
        <source>end of list</source>
        <translation>einde van de lijst</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="91"/>
        <source>hint: %1 %2 (%n to go)</source>
        <extracomment>%1 a block&apos;s letter, %2 a direction, %n the moves to the goal.</extracomment>
        <translation>
            <numerusform>tip: %1 %2 (nog %n)</numerusform>
            <numerusform>tip: %1 %2 (nog %n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="93"/>
        <source>%n to go</source>
        <translation>
            <numerusform>nog %n te gaan</numerusform>
            <numerusform>nog %n te gaan</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="95"/>
        <source>solving... %n to go</source>
        <translation>
            <numerusform>oplossen... nog %n te gaan</numerusform>
            <numerusform>oplossen... nog %n te gaan</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="97"/>
        <source>pause</source>
        <translation>pauze</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="100"/>
        <source>computer searching...move: %1</source>
        <extracomment>%1 the trial moves of the search so far.</extracomment>
        <translation>computer zoekt... zet: %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="102"/>
        <source>puzzle solved.  (see statistics)</source>
        <translation>puzzel opgelost. (zie statistiek)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="104"/>
        <source>no solution found</source>
        <translation>geen oplossing gevonden</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="107"/>
        <source>puzzle saved as: %1</source>
        <extracomment>%1 the name the moves file was saved as.</extracomment>
        <translation>puzzel opgeslagen als: %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="110"/>
        <source>puzzle %1 opened</source>
        <extracomment>%1 the name stored in the moves file.</extracomment>
        <translation>puzzel %1 geopend</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="112"/>
        <source>read error</source>
        <translation>leesfout</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="114"/>
        <source>wrong file</source>
        <translation>verkeerd bestand</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="117"/>
        <source>puzzle send to printer</source>
        <translation>puzzel naar de printer gestuurd</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="119"/>
        <source>page written to %1</source>
        <extracomment>%1 the PDF file the page was written to.</extracomment>
        <translation>pagina opgeslagen in %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="122"/>
        <source>puzzle %1: shortest solution %n moves</source>
        <extracomment>%1 the puzzle&apos;s name, %n the moves of its shortest solution.</extracomment>
        <translation>
            <numerusform>puzzel %1: kortste oplossing %n zet</numerusform>
            <numerusform>puzzel %1: kortste oplossing %n zetten</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="124"/>
        <source>drag the blocks where you want them</source>
        <translation>sleep de blokken naar de plek waar je ze wilt hebben</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="126"/>
        <source>no way to the goal</source>
        <translation>geen weg naar het doel</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="128"/>
        <source>block X is on the goal already</source>
        <translation>blok X staat al op het doel</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="130"/>
        <source>no room there</source>
        <translation>daar is geen ruimte</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="133"/>
        <source>new record: %n moves (shortest %1)</source>
        <extracomment>%n the moves of the new record, %1 the shortest solution&apos;s.</extracomment>
        <translation>
            <numerusform>nieuw record: %n zet (kortste %1)</numerusform>
            <numerusform>nieuw record: %n zetten (kortste %1)</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="135"/>
        <source>block %1 does not have its own shape</source>
        <translation>blok %1 heeft niet zijn eigen vorm</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="137"/>
        <source>block %1 on field %2 does not fit on the board</source>
        <translation>blok %1 op veld %2 past niet op het bord</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="139"/>
        <source>blocks %1 on field %2 and %3 on field %4 overlap</source>
        <translation>blokken %1 op veld %2 en %3 op veld %4 overlappen elkaar</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="145"/>
        <source>a start names ten blocks in the order A X B C D E F G H I, each with its field, not %n tokens</source>
        <translation>
            <numerusform>een beginstand noemt tien blokken in de volgorde A X B C D E F G H I, elk met zijn veld, niet %n element</numerusform>
            <numerusform>een beginstand noemt tien blokken in de volgorde A X B C D E F G H I, elk met zijn veld, niet %n elementen</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="149"/>
        <source>block %1 of the start must be %2 (order A X B C D E F G H I), not &apos;%3&apos;</source>
        <translation>blok nr. %1 van de beginstand moet %2 zijn (volgorde A X B C D E F G H I), niet '%3'</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="153"/>
        <source>&apos;%1&apos;: the field must be a number from 0 to 19</source>
        <translation>'%1': het veld moet een getal van 0 tot en met 19 zijn</translation>
    </message>
</context>
<context>
    <name>trulp::BoardView</name>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="26"/>
        <source>column %1</source>
        <translation>kolom %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="27"/>
        <source>columns %1 to %2</source>
        <translation>kolommen %1 tot en met %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="30"/>
        <source>row %1</source>
        <translation>rij %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="31"/>
        <source>rows %1 to %2</source>
        <translation>rijen %1 tot en met %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="37"/>
        <source>board</source>
        <translation>bord</translation>
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
        <translation>zetten</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="64"/>
        <source>move %1 of %2</source>
        <translation>zet %1 van %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="70"/>
        <source>move %1 of %2: %3 %4</source>
        <extracomment>The last move read aloud: &quot;move 3 of 5: H right&quot;.</extracomment>
        <translation>zet %1 van %2: %3 %4</translation>
    </message>
</context>
<context>
    <name>trulp::TForm1</name>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="180"/>
        <source>TRULP puzzel</source>
        <extracomment>The main window&apos;s title.</extracomment>
        <translation>TRULP-puzzel</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="194"/>
        <source>Print to PDF file</source>
        <translation>Afdrukken naar pdf-bestand</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="194"/>
        <source>PDF files (*.pdf)</source>
        <translation>Pdf-bestanden (*.pdf)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="278"/>
        <source>help</source>
        <translation>help</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="280"/>
        <source>moves</source>
        <translation>zetten</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="286"/>
        <source>shift until</source>
        <translation>schuif tot</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="287"/>
        <source>block X</source>
        <translation>blok X</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="288"/>
        <source>is here</source>
        <translation>hier staat</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="290"/>
        <source>max.move</source>
        <extracomment>The move limit of the search, above its number. Short: about 9 letters.</extracomment>
        <translation>max.zet</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="297"/>
        <source>raise the move limit</source>
        <translation>zettenlimiet verhogen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="298"/>
        <source>lower the move limit</source>
        <translation>zettenlimiet verlagen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="308"/>
        <source>step</source>
        <extracomment>The check box for one move at a time. Short: about 6 letters.</extracomment>
        <translation>stap</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="316"/>
        <source>play</source>
        <translation>spelen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="317"/>
        <source>find solutions yourself</source>
        <translation>zelf oplossingen vinden</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="319"/>
        <source>replay</source>
        <translation>naspelen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="320"/>
        <source>replay moves</source>
        <translation>zetten naspelen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="322"/>
        <source>search</source>
        <translation>zoeken</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="323"/>
        <source>let computer search for solutions</source>
        <translation>de computer oplossingen laten zoeken</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="339"/>
        <source>reset</source>
        <translation>opnieuw</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="342"/>
        <source>back</source>
        <translation>terug</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="347"/>
        <source>statistics</source>
        <translation>statistiek</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="351"/>
        <source>to go</source>
        <translation>te gaan</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="353"/>
        <source>moves to go</source>
        <translation>zetten te gaan</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="355"/>
        <source>hint</source>
        <translation>tip</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="356"/>
        <source>show the best next move</source>
        <translation>de beste volgende zet tonen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="359"/>
        <source>solve</source>
        <translation>oplossen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="360"/>
        <source>play the shortest way to the goal</source>
        <translation>de kortste weg naar het doel spelen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="366"/>
        <location filename="../src/mainwindow/form1.cpp" line="368"/>
        <source>puzzle</source>
        <translation>puzzel</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="372"/>
        <source>play it</source>
        <translation>klaar</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="373"/>
        <source>play the position set up</source>
        <translation>de opgezette stand spelen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="374"/>
        <source>cancel</source>
        <translation>annuleren</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="716"/>
        <source>The print job could not be started on %1.</source>
        <translation>De afdruktaak kon niet worden gestart op %1.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="739"/>
        <source>Printer setup</source>
        <translation>Printerinstellingen</translation>
    </message>
</context>
<context>
    <name>trulp::TargetView</name>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="15"/>
        <source>target</source>
        <translation>doel</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="16"/>
        <source>block X must stand on the two centre fields of the two bottom rows</source>
        <translation>blok X moet op de twee middelste velden van de twee onderste rijen staan</translation>
    </message>
</context>
<context>
    <name>trulp::ToolBar</name>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="19"/>
        <source>open</source>
        <translation>openen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="19"/>
        <source>open moves file</source>
        <translation>zettenbestand openen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="20"/>
        <source>save</source>
        <translation>opslaan</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="20"/>
        <source>save moves</source>
        <translation>zetten opslaan</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="21"/>
        <source>print</source>
        <translation>afdrukken</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="22"/>
        <source>printer setup</source>
        <translation>printerinstellingen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="23"/>
        <source>game chart</source>
        <translation>spelverloop</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="24"/>
        <source>puzzles</source>
        <translation>puzzels</translation>
    </message>
</context>
</TS>
