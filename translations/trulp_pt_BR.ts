<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Wording</name>
    <message>
        <location filename="../src/words/words.cpp" line="17"/>
        <source>right</source>
        <extracomment>A direction in a hint and in the moves list read aloud: &quot;hint: H right&quot;.</extracomment>
        <translation>para a direita</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="19"/>
        <source>up</source>
        <translation>para cima</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="21"/>
        <source>left</source>
        <translation>para a esquerda</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="23"/>
        <source>down</source>
        <translation>para baixo</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="48"/>
        <source>STOP</source>
        <extracomment>GO&apos;s caption during a run: stops it. At most 6 letters.</extracomment>
        <translation>PARAR</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="51"/>
        <source>STEP</source>
        <extracomment>GO&apos;s caption in step mode: one move per press. At most 6 letters.</extracomment>
        <translation>PASSO</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="54"/>
        <source>GO</source>
        <extracomment>The button that starts a search or a replay. At most 6 letters.</extracomment>
        <translation>RODAR</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="65"/>
        <source>welcome at the TRULP puzzle. Select &quot;play&quot; or &quot;search&quot;...</source>
        <translation>bem-vindo ao quebra-cabeça TRULP. Escolha "jogar" ou "buscar"...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="67"/>
        <source>search for solution...</source>
        <translation>procure a solução...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="69"/>
        <source>show moves</source>
        <translation>mostrar os movimentos</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="71"/>
        <source>click GO to start search</source>
        <translation>clique em RODAR para iniciar a busca</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="73"/>
        <source>find solutions...</source>
        <translation>procure soluções...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="75"/>
        <source>find solution...</source>
        <translation>procure a solução...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="77"/>
        <source>list is full</source>
        <translation>lista cheia</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="79"/>
        <source>moves list is full</source>
        <translation>lista de movimentos cheia</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="81"/>
        <source>SOLUTION FOUND ...congratulations !</source>
        <translation>SOLUÇÃO ENCONTRADA... parabéns!</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="83"/>
        <source>solution reached</source>
        <translation>solução alcançada</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="86"/>
        <source>move %1</source>
        <extracomment>Replay and take-back: the number of the move shown.</extracomment>
        <translation>movimento %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="88"/>
        <source>end of list</source>
        <translation>fim da lista</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="91"/>
        <source>hint: %1 %2 (%n to go)</source>
        <extracomment>%1 a block&apos;s letter, %2 a direction, %n the moves to the goal.</extracomment>
        <translation>
            <numerusform>dica: %1 %2 (falta %n)</numerusform>
            <numerusform>dica: %1 %2 (faltam %n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="93"/>
        <source>%n to go</source>
        <translation>
            <numerusform>falta %n</numerusform>
            <numerusform>faltam %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="95"/>
        <source>solving... %n to go</source>
        <translation>
            <numerusform>resolvendo... falta %n</numerusform>
            <numerusform>resolvendo... faltam %n</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="97"/>
        <source>pause</source>
        <translation>pausa</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="100"/>
        <source>computer searching...move: %1</source>
        <extracomment>%1 the trial moves of the search so far.</extracomment>
        <translation>computador buscando... movimento: %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="102"/>
        <source>puzzle solved.  (see statistics)</source>
        <translation>quebra-cabeça resolvido. (veja as estatísticas)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="104"/>
        <source>no solution found</source>
        <translation>nenhuma solução encontrada</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="107"/>
        <source>puzzle saved as: %1</source>
        <extracomment>%1 the name the moves file was saved as.</extracomment>
        <translation>quebra-cabeça salvo como: %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="110"/>
        <source>puzzle %1 opened</source>
        <extracomment>%1 the name stored in the moves file.</extracomment>
        <translation>quebra-cabeça %1 aberto</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="112"/>
        <source>read error</source>
        <translation>erro de leitura</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="114"/>
        <source>wrong file</source>
        <translation>arquivo inválido</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="117"/>
        <source>puzzle send to printer</source>
        <translation>quebra-cabeça enviado para a impressora</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="119"/>
        <source>page written to %1</source>
        <extracomment>%1 the PDF file the page was written to.</extracomment>
        <translation>página gravada em %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="122"/>
        <source>puzzle %1: shortest solution %n moves</source>
        <extracomment>%1 the puzzle&apos;s name, %n the moves of its shortest solution.</extracomment>
        <translation>
            <numerusform>quebra-cabeça %1: solução mais curta com %n movimento</numerusform>
            <numerusform>quebra-cabeça %1: solução mais curta com %n movimentos</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="124"/>
        <source>drag the blocks where you want them</source>
        <translation>arraste os blocos para onde quiser</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="126"/>
        <source>no way to the goal</source>
        <translation>sem caminho até o objetivo</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="128"/>
        <source>block X is on the goal already</source>
        <translation>o bloco X já está no objetivo</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="130"/>
        <source>no room there</source>
        <translation>não há espaço ali</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="133"/>
        <source>new record: %n moves (shortest %1)</source>
        <extracomment>%n the moves of the new record, %1 the shortest solution&apos;s.</extracomment>
        <translation>
            <numerusform>novo recorde: %n movimento (mínimo %1)</numerusform>
            <numerusform>novo recorde: %n movimentos (mínimo %1)</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="135"/>
        <source>block %1 does not have its own shape</source>
        <translation>o bloco %1 está com a forma errada</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="137"/>
        <source>block %1 on field %2 does not fit on the board</source>
        <translation>o bloco %1 na casa %2 não cabe no tabuleiro</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="139"/>
        <source>blocks %1 on field %2 and %3 on field %4 overlap</source>
        <translation>os blocos %1 na casa %2 e %3 na casa %4 se sobrepõem</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="145"/>
        <source>a start names ten blocks in the order A X B C D E F G H I, each with its field, not %n tokens</source>
        <translation>
            <numerusform>uma posição inicial deve listar dez blocos na ordem A X B C D E F G H I, cada um com sua casa, e não %n item</numerusform>
            <numerusform>uma posição inicial deve listar dez blocos na ordem A X B C D E F G H I, cada um com sua casa, e não %n itens</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="149"/>
        <source>block %1 of the start must be %2 (order A X B C D E F G H I), not &apos;%3&apos;</source>
        <translation>o bloco %1 da posição inicial deve ser %2 (ordem A X B C D E F G H I), e não '%3'</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="153"/>
        <source>&apos;%1&apos;: the field must be a number from 0 to 19</source>
        <translation>'%1': a casa deve ser um número de 0 a 19</translation>
    </message>
</context>
<context>
    <name>trulp::BoardView</name>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="26"/>
        <source>column %1</source>
        <translation>coluna %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="27"/>
        <source>columns %1 to %2</source>
        <translation>colunas %1 a %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="30"/>
        <source>row %1</source>
        <translation>linha %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="31"/>
        <source>rows %1 to %2</source>
        <translation>linhas %1 a %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="37"/>
        <source>board</source>
        <translation>tabuleiro</translation>
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
        <translation>movimentos</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="64"/>
        <source>move %1 of %2</source>
        <translation>movimento %1 de %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/movespanel.cpp" line="70"/>
        <source>move %1 of %2: %3 %4</source>
        <extracomment>The last move read aloud: &quot;move 3 of 5: H right&quot;.</extracomment>
        <translation>movimento %1 de %2: %3 %4</translation>
    </message>
</context>
<context>
    <name>trulp::TForm1</name>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="180"/>
        <source>TRULP puzzel</source>
        <extracomment>The main window&apos;s title.</extracomment>
        <translation>TRULP — quebra-cabeça</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="194"/>
        <source>Print to PDF file</source>
        <translation>Imprimir em arquivo PDF</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="194"/>
        <source>PDF files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="278"/>
        <source>help</source>
        <translation>ajuda</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="280"/>
        <source>moves</source>
        <translation>mov.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="286"/>
        <source>shift until</source>
        <translation>leve o</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="287"/>
        <source>block X</source>
        <translation>bloco X</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="288"/>
        <source>is here</source>
        <translation>até aqui</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="290"/>
        <source>max.move</source>
        <extracomment>The move limit of the search, above its number. Short: about 9 letters.</extracomment>
        <translation>máx.mov.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="297"/>
        <source>raise the move limit</source>
        <translation>aumentar o limite de movimentos</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="298"/>
        <source>lower the move limit</source>
        <translation>diminuir o limite de movimentos</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="308"/>
        <source>step</source>
        <extracomment>The check box for one move at a time. Short: about 6 letters.</extracomment>
        <translation>passo</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="316"/>
        <source>play</source>
        <translation>jogar</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="317"/>
        <source>find solutions yourself</source>
        <translation>procure as soluções você mesmo</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="319"/>
        <source>replay</source>
        <translation>rever</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="320"/>
        <source>replay moves</source>
        <translation>rever os movimentos</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="322"/>
        <source>search</source>
        <translation>buscar</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="323"/>
        <source>let computer search for solutions</source>
        <translation>deixar o computador buscar soluções</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="339"/>
        <source>reset</source>
        <translation>reiniciar</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="342"/>
        <source>back</source>
        <translation>voltar</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="347"/>
        <source>statistics</source>
        <translation>estatísticas</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="351"/>
        <source>to go</source>
        <translation>faltam</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="353"/>
        <source>moves to go</source>
        <translation>movimentos restantes</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="355"/>
        <source>hint</source>
        <translation>dica</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="356"/>
        <source>show the best next move</source>
        <translation>mostrar o melhor próximo movimento</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="359"/>
        <source>solve</source>
        <translation>resolver</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="360"/>
        <source>play the shortest way to the goal</source>
        <translation>jogar o caminho mais curto até o objetivo</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="366"/>
        <location filename="../src/mainwindow/form1.cpp" line="368"/>
        <source>puzzle</source>
        <translation>quebra-cabeça</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="372"/>
        <source>play it</source>
        <translation>começar</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="373"/>
        <source>play the position set up</source>
        <translation>jogar a posição montada</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="374"/>
        <source>cancel</source>
        <translation>cancelar</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="716"/>
        <source>The print job could not be started on %1.</source>
        <translation>Não foi possível iniciar a impressão em %1.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="739"/>
        <source>Printer setup</source>
        <translation>Configurar impressora</translation>
    </message>
</context>
<context>
    <name>trulp::TargetView</name>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="15"/>
        <source>target</source>
        <translation>objetivo</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/targetview.cpp" line="16"/>
        <source>block X must stand on the two centre fields of the two bottom rows</source>
        <translation>o bloco X deve ficar nas duas casas centrais das duas linhas de baixo</translation>
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
        <translation>abrir arquivo de movimentos</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="20"/>
        <source>save</source>
        <translation>salvar</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="20"/>
        <source>save moves</source>
        <translation>salvar movimentos</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="21"/>
        <source>print</source>
        <translation>imprimir</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="22"/>
        <source>printer setup</source>
        <translation>configurar impressora</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="23"/>
        <source>game chart</source>
        <translation>gráfico do jogo</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/toolbar.cpp" line="24"/>
        <source>puzzles</source>
        <translation>quebra-cabeças</translation>
    </message>
</context>
</TS>
