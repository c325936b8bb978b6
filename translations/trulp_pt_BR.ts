<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>PrintPage</name>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="34"/>
        <source>TRULP puzzle</source>
        <translation>TRULP — quebra-cabeça</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="35"/>
        <source>start position</source>
        <translation>posição inicial</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="36"/>
        <source>final position</source>
        <translation>posição final</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="37"/>
        <source>moves</source>
        <translation>movimentos</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/print_page.cpp" line="99"/>
        <source>TRULP puzzle: %1</source>
        <extracomment>The printed page&apos;s title for a puzzle other than the classic.</extracomment>
        <translation>TRULP — quebra-cabeça: %1</translation>
    </message>
</context>
<context>
    <name>Puzzles</name>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="32"/>
        <location filename="../src/words/words.cpp" line="69"/>
        <source>moves</source>
        <translation>por movimentos</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="46"/>
        <source>classic</source>
        <translation>clássico</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="46"/>
        <source>nearly</source>
        <translation>quase</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="47"/>
        <source>corners</source>
        <translation>cantos</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="47"/>
        <source>lid</source>
        <translation>tampa</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="48"/>
        <source>sidestep</source>
        <translation>esquiva</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="48"/>
        <source>drift</source>
        <translation>deriva</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="49"/>
        <source>nudge</source>
        <translation>empurrão</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="49"/>
        <source>fence</source>
        <translation>cerca</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="50"/>
        <source>pillars</source>
        <translation>pilares</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="50"/>
        <source>stakes</source>
        <translation>estacas</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="51"/>
        <source>arch</source>
        <translation>arco</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="51"/>
        <source>cradle</source>
        <translation>berço</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="52"/>
        <source>throne</source>
        <translation>trono</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="52"/>
        <source>tower</source>
        <translation>torre</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="53"/>
        <source>palisade</source>
        <translation>paliçada</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="53"/>
        <source>keep</source>
        <translation>torreão</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="54"/>
        <source>detour</source>
        <translation>desvio</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="54"/>
        <source>crooked</source>
        <translation>torto</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="55"/>
        <source>leaning</source>
        <translation>inclinado</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="55"/>
        <source>tangle</source>
        <translation>emaranhado</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="56"/>
        <source>attic</source>
        <translation>sótão</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="56"/>
        <source>lopsided</source>
        <translation>capenga</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="57"/>
        <source>colonnade</source>
        <translation>colunata</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="57"/>
        <source>sentries</source>
        <translation>sentinelas</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="58"/>
        <source>guards</source>
        <translation>guardas</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="58"/>
        <source>ladder</source>
        <translation>escada</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="59"/>
        <source>shelf</source>
        <translation>prateleira</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="59"/>
        <source>gate</source>
        <translation>portão</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="60"/>
        <source>lantern</source>
        <translation>lanterna</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="60"/>
        <source>fallen</source>
        <translation>caído</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="61"/>
        <source>crown</source>
        <translation>coroa</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="61"/>
        <source>hourglass</source>
        <translation>ampulheta</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="62"/>
        <source>fortress</source>
        <translation>fortaleza</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="62"/>
        <source>citadel</source>
        <translation>cidadela</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="63"/>
        <source>twin</source>
        <translation>gêmeo</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="63"/>
        <source>soldiers</source>
        <translation>soldados</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="64"/>
        <source>barracks</source>
        <translation>quartel</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="64"/>
        <source>garrison</source>
        <translation>guarnição</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="65"/>
        <source>labyrinth</source>
        <translation>labirinto</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="65"/>
        <source>summit</source>
        <translation>cume</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="66"/>
        <source>nadir</source>
        <translation>nadir</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="66"/>
        <source>zenith</source>
        <translation>zênite</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="67"/>
        <source>your own</source>
        <translation>personalizado</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="67"/>
        <source>easy</source>
        <translation>fácil</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="68"/>
        <source>medium</source>
        <translation>médio</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="68"/>
        <source>hard</source>
        <translation>difícil</translation>
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
        <translation>número de movimentos</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="22"/>
        <source>time (secs.)</source>
        <translation>tempo (s)</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="23"/>
        <source>trial moves</source>
        <translation>movimentos de teste</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="24"/>
        <source>Forward history buffer length</source>
        <translation>tamanho do buffer de avanço</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="25"/>
        <source>Backward buffer hits</source>
        <translation>acertos no buffer de recuo</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="26"/>
        <source>Forward buffer hits</source>
        <translation>acertos no buffer de avanço</translation>
    </message>
    <message>
        <location filename="../src/stats/statform.cpp" line="36"/>
        <source>TRULP statistics</source>
        <translation>TRULP — estatísticas</translation>
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
        <translation>&apos;%1&apos; não é um arquivo de movimentos: %2 bytes em vez de 250</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="49"/>
        <source>&apos;%1&apos; is not a moves file: the start it holds cannot be played</source>
        <translation>&apos;%1&apos; não é um arquivo de movimentos: o início que ele contém não pode ser jogado</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="50"/>
        <source>&apos;%1&apos; is not a moves file: its name does not begin with TRULP_ or TRULP+</source>
        <translation>&apos;%1&apos; não é um arquivo de movimentos: o nome não começa com TRULP_ nem TRULP+</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="56"/>
        <source>&apos;%1&apos; is not a valid moves file: bad name length, move count or move</source>
        <translation>&apos;%1&apos; não é um arquivo de movimentos válido: tamanho do nome, número de movimentos ou movimento inválido</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="93"/>
        <source>no puzzle is named &apos;%1&apos; (see --puzzles)</source>
        <translation>nenhum quebra-cabeça se chama &apos;%1&apos; (veja --puzzles)</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="98"/>
        <source>--start &apos;%1&apos;: %2</source>
        <translation>--start &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="135"/>
        <source>cannot write the list</source>
        <translation>não foi possível escrever a lista</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="159"/>
        <source>&apos;%1&apos;: move %2 cannot be made from the start position</source>
        <translation>&apos;%1&apos;: o movimento %2 não pode ser feito a partir da posição inicial</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="160"/>
        <source>&apos;%1&apos;: move %2 cannot be made from the start of its puzzle</source>
        <translation>&apos;%1&apos;: o movimento %2 não pode ser feito a partir do início do seu quebra-cabeça</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="185"/>
        <source>cannot save: the line from the start would have %1 moves, and a moves file holds at most 200</source>
        <translation>não foi possível salvar: o caminho desde o início teria %1 movimentos, e um arquivo de movimentos comporta no máximo 200</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="199"/>
        <source>cannot write the report</source>
        <translation>não foi possível escrever o relatório</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="28"/>
        <source>unexpected argument &apos;%1&apos; (see --help)</source>
        <translation>argumento inesperado &apos;%1&apos; (veja --help)</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="32"/>
        <source>%1 is given twice</source>
        <translation>%1 foi informado duas vezes</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="41"/>
        <source>unknown option &apos;%1&apos; (see --help)</source>
        <translation>opção desconhecida &apos;%1&apos; (veja --help)</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="46"/>
        <source>%1 takes no value</source>
        <translation>%1 não aceita valor</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="63"/>
        <location filename="../src/cli/options.cpp" line="67"/>
        <source>%1 needs a value</source>
        <translation>%1 precisa de um valor</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="74"/>
        <source>--max-move must be a whole number from 100 to 200, not &apos;%1&apos;</source>
        <translation>--max-move deve ser um número inteiro de 100 a 200, não &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="82"/>
        <source>--slice must be a whole number from 1 to 2147483647, not &apos;%1&apos;</source>
        <translation>--slice deve ser um número inteiro de 1 a 2147483647, não &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="91"/>
        <source>--save needs a file name, not a directory: &apos;%1&apos;</source>
        <translation>--save precisa de um nome de arquivo, não de um diretório: &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="107"/>
        <source>--puzzles goes with --json alone</source>
        <translation>--puzzles só pode ser usado com --json</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="109"/>
        <source>--puzzle and --start do not go together</source>
        <translation>--puzzle e --start não podem ser usados juntos</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="111"/>
        <source>--from carries its own puzzle: not with --puzzle or --start</source>
        <translation>--from traz o seu próprio quebra-cabeça: não use com --puzzle nem --start</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="113"/>
        <source>--max-move does not go with --optimal</source>
        <translation>--max-move não pode ser usado com --optimal</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="115"/>
        <source>--slice does not go with --optimal</source>
        <translation>--slice não pode ser usado com --optimal</translation>
    </message>
    <message>
        <location filename="../src/cli/options.cpp" line="117"/>
        <source>--from only goes with --optimal</source>
        <translation>--from só pode ser usado com --optimal</translation>
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
        <translation>Uso:
  trulp-solve [--puzzle NAME | --start POSITION] [--max-move N] [--slice N]
              [--save FILE] [--json]
  trulp-solve --optimal [--puzzle NAME | --start POSITION | --from FILE]
              [--save FILE] [--json]
  trulp-solve --puzzles [--json]
  trulp-solve --help | --version

Resolve o quebra-cabeça de blocos deslizantes a partir de uma posição inicial:
a clássica, ou outra da coleção ou dada bloco a bloco.

  --max-move N  limite de movimentos da busca em profundidade, de 100 a 200
                (padrão 150)
  --slice N     movimentos registrados por passo da busca, no mínimo 1
                (padrão 10000); o resultado não depende dele
  --optimal     caminho mais curto por busca em largura em todas as posições
  --puzzle NAME o início desse quebra-cabeça da coleção (veja --puzzles)
  --start POSITION
                a letra de cada bloco e a casa (0-19, linha por linha) do seu
                quadrado superior esquerdo, na ordem A X B C D E F G H I, como
                um só argumento; o clássico é
                &quot;A0 X1 B3 C8 D9 E11 F13 G14 H16 I19&quot;
  --from FILE   com --optimal: começar após os movimentos deste arquivo de
                movimentos, a partir do início do seu próprio quebra-cabeça
  --save FILE   gravar o caminho como arquivo de movimentos chamado
                &quot;TRULP_ &quot; + o nome de FILE, no diretório de FILE; com --from,
                os movimentos do arquivo vêm primeiro; um quebra-cabeça que
                não seja o clássico é guardado no arquivo
  --puzzles     listar a coleção: nome, caminho mais curto e início
  --json        imprimir um único objeto JSON em vez do relatório
  --help        mostrar esta ajuda
  --version     mostrar a versão

Código de saída: 0 resolvido, 1 sem solução, 2 uso ou entrada inválidos.
</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="42"/>
        <source>the start position</source>
        <translation>posição inicial</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="44"/>
        <source>the start of puzzle &apos;%1&apos;</source>
        <translation>início do quebra-cabeça &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="45"/>
        <source>the start %1</source>
        <translation>posição %1</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="79"/>
        <source>depth-first search from %1, move limit %2</source>
        <translation>busca em profundidade, início: %1, limite de movimentos: %2</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="81"/>
        <source>shortest line from %1</source>
        <translation>caminho mais curto, início: %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/report.cpp" line="84"/>
        <source>shortest line from the position after the %n moves of &apos;%1&apos;</source>
        <translation>
            <numerusform>caminho mais curto a partir da posição após o %n movimento de &apos;%1&apos;</numerusform>
            <numerusform>caminho mais curto a partir da posição após os %n movimentos de &apos;%1&apos;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/report.cpp" line="87"/>
        <source>shortest line from the position after the %n moves of &apos;%1&apos; from %2</source>
        <translation>
            <numerusform>caminho mais curto a partir da posição após o %n movimento de &apos;%1&apos;, início: %2</numerusform>
            <numerusform>caminho mais curto a partir da posição após os %n movimentos de &apos;%1&apos;, início: %2</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="92"/>
        <source>result</source>
        <translation>resultado</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="93"/>
        <source>solved</source>
        <translation>resolvido</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="93"/>
        <source>no solution</source>
        <translation>sem solução</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="94"/>
        <source>number of moves</source>
        <translation>número de movimentos</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="96"/>
        <source>positions reachable</source>
        <translation>posições alcançáveis</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="98"/>
        <source>trial moves</source>
        <translation>movimentos de teste</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="99"/>
        <source>forward history buffer length</source>
        <translation>tamanho do buffer de avanço</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="100"/>
        <source>forward buffer hits</source>
        <translation>acertos no buffer de avanço</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="101"/>
        <source>backward buffer hits</source>
        <translation>acertos no buffer de recuo</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="106"/>
        <source>time</source>
        <extracomment>Seconds, as &quot;0.123 s&quot;.</extracomment>
        <translation>tempo</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="106"/>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="121"/>
        <source>saved as: %1</source>
        <translation>salvo como: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/report.cpp" line="123"/>
        <source>nothing saved: no line was found</source>
        <translation>nada foi salvo: nenhum caminho encontrado</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <location filename="../src/words/words.cpp" line="21"/>
        <source>right</source>
        <extracomment>A direction in a hint and in the moves list read aloud: &quot;hint: H right&quot;.</extracomment>
        <translation>para a direita</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="23"/>
        <source>up</source>
        <translation>para cima</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="25"/>
        <source>left</source>
        <translation>para a esquerda</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="27"/>
        <source>down</source>
        <translation>para baixo</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="96"/>
        <source>STOP</source>
        <extracomment>GO&apos;s caption during a run: stops it. At most 6 letters.</extracomment>
        <translation>PARAR</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="99"/>
        <source>STEP</source>
        <extracomment>GO&apos;s caption in step mode: one move per press. At most 6 letters.</extracomment>
        <translation>PASSO</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="102"/>
        <source>GO</source>
        <extracomment>The button that starts a search or a replay. At most 6 letters.</extracomment>
        <translation>RODAR</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="113"/>
        <source>welcome at the TRULP puzzle. Select &quot;play&quot; or &quot;search&quot;...</source>
        <translation>bem-vindo ao quebra-cabeça TRULP. Escolha &quot;jogar&quot; ou &quot;buscar&quot;...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="115"/>
        <source>search for solution...</source>
        <translation>procure a solução...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="117"/>
        <source>show moves</source>
        <translation>mostrar os movimentos</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="119"/>
        <source>click GO to start search</source>
        <translation>clique em RODAR para iniciar a busca</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="121"/>
        <source>find solutions...</source>
        <translation>procure soluções...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="123"/>
        <source>find solution...</source>
        <translation>procure a solução...</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="125"/>
        <source>list is full</source>
        <translation>lista cheia</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="127"/>
        <source>moves list is full</source>
        <translation>lista de movimentos cheia</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="129"/>
        <source>SOLUTION FOUND ...congratulations !</source>
        <translation>SOLUÇÃO ENCONTRADA... parabéns!</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="131"/>
        <source>solution reached</source>
        <translation>solução alcançada</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="134"/>
        <source>move %1</source>
        <extracomment>Replay and take-back: the number of the move shown.</extracomment>
        <translation>movimento %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="136"/>
        <source>end of list</source>
        <translation>fim da lista</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="139"/>
        <source>hint: %1 %2 (%n to go)</source>
        <extracomment>%1 a block&apos;s letter, %2 a direction, %n the moves to the goal.</extracomment>
        <translation>
            <numerusform>dica: %1 %2 (falta %n)</numerusform>
            <numerusform>dica: %1 %2 (faltam %n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="141"/>
        <source>%n to go</source>
        <translation>
            <numerusform>falta %n</numerusform>
            <numerusform>faltam %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="143"/>
        <source>solving... %n to go</source>
        <translation>
            <numerusform>resolvendo... falta %n</numerusform>
            <numerusform>resolvendo... faltam %n</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="145"/>
        <source>pause</source>
        <translation>pausa</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="148"/>
        <source>pause: GO goes on</source>
        <extracomment>The coach&apos;s solve was stopped; GO, Space or Return let it go on.</extracomment>
        <translation>pausa: RODAR para continuar</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="151"/>
        <source>computer searching...move: %1</source>
        <extracomment>%1 the trial moves of the search so far.</extracomment>
        <translation>computador buscando... movimento: %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="153"/>
        <source>puzzle solved.  (see statistics)</source>
        <translation>quebra-cabeça resolvido. (veja as estatísticas)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="155"/>
        <source>no solution found</source>
        <translation>nenhuma solução encontrada</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="158"/>
        <source>puzzle saved as: %1</source>
        <extracomment>%1 the name the moves file was saved as.</extracomment>
        <translation>quebra-cabeça salvo como: %1</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="161"/>
        <source>puzzle %1 opened</source>
        <extracomment>%1 the name stored in the moves file.</extracomment>
        <translation>quebra-cabeça %1 aberto</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="163"/>
        <source>read error</source>
        <translation>erro de leitura</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="165"/>
        <source>wrong file</source>
        <translation>arquivo inválido</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="168"/>
        <source>puzzle send to printer</source>
        <translation>quebra-cabeça enviado para a impressora</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="170"/>
        <source>page written to %1</source>
        <extracomment>%1 the PDF file the page was written to.</extracomment>
        <translation>página gravada em %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="173"/>
        <source>puzzle %1: shortest solution %n moves</source>
        <extracomment>%1 the puzzle&apos;s name, %n the moves of its shortest solution.</extracomment>
        <translation>
            <numerusform>quebra-cabeça %1: solução mais curta com %n movimento</numerusform>
            <numerusform>quebra-cabeça %1: solução mais curta com %n movimentos</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="175"/>
        <source>drag the blocks where you want them</source>
        <translation>arraste os blocos para onde quiser</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="177"/>
        <source>no way to the goal</source>
        <translation>sem caminho até o objetivo</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="179"/>
        <source>block X is on the goal already</source>
        <translation>o bloco X já está no objetivo</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="181"/>
        <source>no room there</source>
        <translation>não há espaço ali</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="184"/>
        <source>new record: %n moves (shortest %1)</source>
        <extracomment>%n the moves of the new record, %1 the shortest solution&apos;s.</extracomment>
        <translation>
            <numerusform>novo recorde: %n movimento (mínimo %1)</numerusform>
            <numerusform>novo recorde: %n movimentos (mínimo %1)</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="186"/>
        <source>block %1 does not have its own shape</source>
        <translation>o bloco %1 está com a forma errada</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="188"/>
        <source>block %1 on field %2 does not fit on the board</source>
        <translation>o bloco %1 na casa %2 não cabe no tabuleiro</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="190"/>
        <source>blocks %1 on field %2 and %3 on field %4 overlap</source>
        <translation>os blocos %1 na casa %2 e %3 na casa %4 se sobrepõem</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/words/words.cpp" line="196"/>
        <source>a start names ten blocks in the order A X B C D E F G H I, each with its field, not %n tokens</source>
        <translation>
            <numerusform>uma posição inicial deve listar dez blocos na ordem A X B C D E F G H I, cada um com sua casa, e não %n item</numerusform>
            <numerusform>uma posição inicial deve listar dez blocos na ordem A X B C D E F G H I, cada um com sua casa, e não %n itens</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="200"/>
        <source>block %1 of the start must be %2 (order A X B C D E F G H I), not &apos;%3&apos;</source>
        <translation>o bloco %1 da posição inicial deve ser %2 (ordem A X B C D E F G H I), e não &apos;%3&apos;</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="205"/>
        <source>moves cleared: Ctrl+Z brings them back</source>
        <extracomment>Beside the message, when a reset, a mode, a puzzle or a file threw the moves list away.</extracomment>
        <translation>movimentos apagados: Ctrl+Z os traz de volta</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="208"/>
        <source>next: %1 (Ctrl+N)</source>
        <extracomment>After the goal, beside the message: the next puzzle without a record.</extracomment>
        <translation>próximo: %1 (Ctrl+N)</translation>
    </message>
    <message>
        <location filename="../src/words/words.cpp" line="210"/>
        <source>&apos;%1&apos;: the field must be a number from 0 to 19</source>
        <translation>&apos;%1&apos;: a casa deve ser um número de 0 a 19</translation>
    </message>
</context>
<context>
    <name>trulp::BoardView</name>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="28"/>
        <source>column %1</source>
        <translation>coluna %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="29"/>
        <source>columns %1 to %2</source>
        <translation>colunas %1 a %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="32"/>
        <source>row %1</source>
        <translation>linha %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="33"/>
        <source>rows %1 to %2</source>
        <translation>linhas %1 a %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/boardview.cpp" line="39"/>
        <source>board</source>
        <translation>tabuleiro</translation>
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
            <numerusform>%n movimento, faltam %1, mínimo possível %2, seu recorde %3</numerusform>
            <numerusform>%n movimentos, faltam %1, mínimo possível %2, seu recorde %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="87"/>
        <source>%n moves, %1 to go, shortest possible %2</source>
        <translation>
            <numerusform>%n movimento, faltam %1, mínimo possível %2</numerusform>
            <numerusform>%n movimentos, faltam %1, mínimo possível %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="91"/>
        <source>%n moves, shortest possible %1, your best %2</source>
        <translation>
            <numerusform>%n movimento, mínimo possível %1, seu recorde %2</numerusform>
            <numerusform>%n movimentos, mínimo possível %1, seu recorde %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/mainwindow/chart.cpp" line="94"/>
        <source>%n moves, shortest possible %1</source>
        <translation>
            <numerusform>%n movimento, mínimo possível %1</numerusform>
            <numerusform>%n movimentos, mínimo possível %1</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="133"/>
        <source>moves</source>
        <extracomment>The chart&apos;s axes: the moves made, and the moves still to go after each.</extracomment>
        <translation>movimentos</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="133"/>
        <source>moves to go</source>
        <translation>movimentos restantes</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="161"/>
        <source>your moves</source>
        <translation>seus movimentos</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="162"/>
        <source>away from goal</source>
        <translation>se afastando do objetivo</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="163"/>
        <source>hint or solve</source>
        <translation>dica ou resolver</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="164"/>
        <source>shortest pace</source>
        <translation>ritmo ideal</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="165"/>
        <source>board now</source>
        <translation>tabuleiro agora</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/chart.cpp" line="201"/>
        <source>TRULP game chart</source>
        <translation>TRULP — gráfico do jogo</translation>
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
    <name>trulp::PuzzlesDialog</name>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="45"/>
        <source>%1
shortest %2</source>
        <translation>%1
mínimo %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="48"/>
        <source>%1
your best %2 · shortest %3</source>
        <extracomment>%1 the puzzle, %2 the player&apos;s record, %3 the shortest solution.</extracomment>
        <translation>%1
seu recorde %2 · mínimo %3</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="62"/>
        <source>TRULP puzzles</source>
        <translation>TRULP — quebra-cabeças</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="68"/>
        <source>puzzles</source>
        <translation>quebra-cabeças</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="82"/>
        <source>play</source>
        <translation>jogar</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="88"/>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="106"/>
        <source>new puzzle</source>
        <translation>novo quebra-cabeça</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="93"/>
        <source>difficulty</source>
        <translation>dificuldade</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="95"/>
        <source>moves to the goal</source>
        <translation>movimentos até o objetivo</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="102"/>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="112"/>
        <source>seed</source>
        <translation>semente</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="116"/>
        <source>set up your own</source>
        <translation>montar o seu</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/puzzlesdialog.cpp" line="122"/>
        <source>close</source>
        <translation>fechar</translation>
    </message>
</context>
<context>
    <name>trulp::TForm1</name>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="184"/>
        <source>TRULP puzzel</source>
        <extracomment>The main window&apos;s title.</extracomment>
        <translation>TRULP — quebra-cabeça</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="198"/>
        <source>TRULP moves (TRULP_* TRULP+*)</source>
        <translation>Movimentos do TRULP (TRULP_* TRULP+*)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="198"/>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="205"/>
        <source>TRULP: save moves</source>
        <translation>TRULP — salvar movimentos</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="206"/>
        <source>TRULP: open moves file</source>
        <translation>TRULP — abrir arquivo de movimentos</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="215"/>
        <source>Print to PDF file</source>
        <translation>Imprimir em arquivo PDF</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="215"/>
        <source>PDF files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="304"/>
        <location filename="../src/mainwindow/form1.cpp" line="516"/>
        <source>help</source>
        <translation>ajuda</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="306"/>
        <source>moves</source>
        <translation>mov.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="312"/>
        <source>shift until</source>
        <translation>leve o</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="313"/>
        <source>block X</source>
        <translation>bloco X</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="314"/>
        <source>is here</source>
        <translation>até aqui</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="316"/>
        <source>max.move</source>
        <extracomment>The move limit of the search, above its number. Short: about 9 letters.</extracomment>
        <translation>máx.mov.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="323"/>
        <source>raise the move limit</source>
        <translation>aumentar o limite de movimentos</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="324"/>
        <source>lower the move limit</source>
        <translation>diminuir o limite de movimentos</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="334"/>
        <source>step</source>
        <extracomment>The check box for one move at a time. Short: about 6 letters.</extracomment>
        <translation>passo</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="342"/>
        <location filename="../src/mainwindow/form1.cpp" line="529"/>
        <source>play</source>
        <translation>jogar</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="343"/>
        <source>find solutions yourself</source>
        <translation>procure as soluções você mesmo</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="345"/>
        <location filename="../src/mainwindow/form1.cpp" line="530"/>
        <source>replay</source>
        <translation>rever</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="346"/>
        <source>replay moves</source>
        <translation>rever os movimentos</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="348"/>
        <location filename="../src/mainwindow/form1.cpp" line="531"/>
        <source>search</source>
        <translation>buscar</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="349"/>
        <source>let computer search for solutions</source>
        <translation>deixar o computador buscar soluções</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="365"/>
        <location filename="../src/mainwindow/form1.cpp" line="532"/>
        <source>reset</source>
        <translation>reiniciar</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="368"/>
        <source>back</source>
        <translation>voltar</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="369"/>
        <source>take the last move back (Backspace)</source>
        <translation>desfazer o último movimento (Backspace)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="374"/>
        <location filename="../src/mainwindow/form1.cpp" line="542"/>
        <source>statistics</source>
        <translation>estatísticas</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="378"/>
        <source>to go</source>
        <translation>faltam</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="380"/>
        <source>moves to go</source>
        <translation>movimentos restantes</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="382"/>
        <location filename="../src/mainwindow/form1.cpp" line="534"/>
        <source>hint</source>
        <translation>dica</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="383"/>
        <source>show the best next move</source>
        <translation>mostrar o melhor próximo movimento</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="386"/>
        <location filename="../src/mainwindow/form1.cpp" line="538"/>
        <source>solve</source>
        <translation>resolver</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="387"/>
        <source>play the shortest way to the goal</source>
        <translation>jogar o caminho mais curto até o objetivo</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="393"/>
        <location filename="../src/mainwindow/form1.cpp" line="395"/>
        <source>puzzle</source>
        <translation>quebra-cabeça</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="399"/>
        <source>play it</source>
        <translation>começar</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="400"/>
        <source>play the position set up</source>
        <translation>jogar a posição montada</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="401"/>
        <source>cancel</source>
        <translation>cancelar</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="517"/>
        <source>undo</source>
        <translation>desfazer</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="523"/>
        <source>redo</source>
        <translation>refazer</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="546"/>
        <source>next puzzle without a record</source>
        <translation>próximo quebra-cabeça sem recorde</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="552"/>
        <source>full screen</source>
        <translation>tela cheia</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="554"/>
        <source>quit</source>
        <translation>sair</translation>
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
        <translation>Não foi possível iniciar a impressão em %1.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/form1.cpp" line="932"/>
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
    <name>trulp::Thelpform</name>
    <message>
        <location filename="../src/help/helpform.cpp" line="49"/>
        <source>TRULP help</source>
        <translation>TRULP — ajuda</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="72"/>
        <source>page</source>
        <translation>página</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="73"/>
        <source>UP</source>
        <translation>CIMA</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="74"/>
        <source>DOWN</source>
        <translation>BAIXO</translation>
    </message>
    <message>
        <location filename="../src/help/helpform.cpp" line="75"/>
        <source>&lt;ECS&gt; close page</source>
        <translation>&lt;Esc&gt; fechar</translation>
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
