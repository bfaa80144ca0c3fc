<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>white piece</source>
        <translation>peça branca</translation>
    </message>
    <message>
        <source>yellow piece</source>
        <translation>peça amarela</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazia</translation>
    </message>
    <message>
        <source>Row %1, column %2: %3</source>
        <translation>Linha %1, coluna %2: %3</translation>
    </message>
    <message>
        <source>%1: %2-%3 to %4-%5, %6, %7 captured. %8 to move.</source>
        <extracomment>%1 the mover&apos;s colour, %2-%3 and %4-%5 the cells, %6 clone or jump, %7 a count, %8 the next colour.</extracomment>
        <translation>%1: %2-%3 para %4-%5, %6, %7 capturadas. Vez do %8.</translation>
    </message>
    <message>
        <source>clone</source>
        <translation>clonagem</translation>
    </message>
    <message>
        <source>jump</source>
        <translation>salto</translation>
    </message>
    <message>
        <source>%1: 1 piece</source>
        <translation>%1: 1 peça</translation>
    </message>
    <message>
        <source>%1: %2 pieces</source>
        <translation>%1: %2 peças</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
</context>
<context>
    <name>GamePlay</name>
    <message>
        <source>Results:</source>
        <translation>Resultado:</translation>
    </message>
</context>
<context>
    <name>HowToPlay</name>
    <message>
        <source>&lt;h3&gt;The game&lt;/h3&gt;
&lt;p&gt;Two players share a hexagonal board of 58 cells. Player 1 plays white and moves first,
player 2 plays yellow. On a turn you move one of your pieces to an empty cell:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Clone&lt;/b&gt;: to a neighbouring cell (lit &lt;span style=&quot;color:#d00000&quot;&gt;red&lt;/span&gt;). The piece is
copied; your piece on the starting cell stays.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Jump&lt;/b&gt;: to a cell two steps away (lit &lt;span style=&quot;color:#b0a000&quot;&gt;yellow&lt;/span&gt;). The piece
moves; its starting cell becomes empty.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;&lt;b&gt;Conversion&lt;/b&gt;: every opponent piece next to the cell you land on becomes yours.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;The end&lt;/b&gt;: a player who cannot move ends the game. The other player receives every
empty cell; the player with more pieces wins. The score beside each marker at the top left is
that player&apos;s number of pieces.&lt;/p&gt;
</source>
        <translation>&lt;h3&gt;O jogo&lt;/h3&gt;
&lt;p&gt;Dois jogadores dividem um tabuleiro hexagonal de 58 casas. O jogador 1 joga com as brancas e começa,
o jogador 2 joga com as amarelas. Na sua vez, você move uma das suas peças para uma casa vazia:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Clonagem&lt;/b&gt;: para uma casa vizinha (acesa em &lt;span style=&quot;color:#d00000&quot;&gt;vermelho&lt;/span&gt;). A peça é
copiada; a sua peça na casa de partida fica.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Salto&lt;/b&gt;: para uma casa a dois passos (acesa em &lt;span style=&quot;color:#b0a000&quot;&gt;amarelo&lt;/span&gt;). A peça
se move; a casa de partida fica vazia.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;&lt;b&gt;Conversão&lt;/b&gt;: toda peça adversária ao lado da casa de chegada passa a ser sua.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;O fim&lt;/b&gt;: um jogador que não pode mover encerra a partida. O outro jogador recebe todas as
casas vazias; vence quem tiver mais peças. O placar ao lado de cada marcador no canto superior esquerdo é
o número de peças daquele jogador.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Playing&lt;/h3&gt;
&lt;p&gt;Choose Game &amp;gt; Start. Click one of your pieces, move the pointer over an empty cell
until it lights red or yellow, and click. Click the piece again to choose another.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;With the keyboard&lt;/b&gt;: the board has the keyboard focus when a game starts (Tab or a click
gives it back) and shows a cursor, a dashed white outline. The arrow keys move it: Up and Down
along the column of cells on screen, Left and Right to the next column, keeping level. Space
or Return on your piece selects it, on a lit cell plays the move; Escape drops the selection.
Or type the move&apos;s four digits, from row and column to row and column, as in 3 7 3 6. A
screen reader names each cell (Row 3, column 7: white piece) and says every move.&lt;/p&gt;
</source>
        <translation>&lt;h3&gt;Jogando&lt;/h3&gt;
&lt;p&gt;Escolha Jogo &amp;gt; Iniciar. Clique em uma das suas peças, passe o ponteiro sobre uma casa vazia
até ela acender em vermelho ou amarelo, e clique. Clique de novo na peça para escolher outra.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Pelo teclado&lt;/b&gt;: o tabuleiro tem o foco do teclado quando uma partida começa (Tab ou um clique
o devolve) e mostra um cursor, um contorno branco tracejado. As setas o movem: Cima e Baixo
ao longo da coluna de casas na tela, Esquerda e Direita para a coluna seguinte, na mesma altura. Espaço
ou Enter sobre a sua peça a seleciona, sobre uma casa acesa faz a jogada; Esc desfaz a seleção.
Ou digite os quatro algarismos da jogada, de linha e coluna para linha e coluna, como em 3 7 3 6. Um
leitor de tela diz o nome de cada casa (Linha 3, coluna 7: peça branca) e anuncia cada jogada.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Players and levels&lt;/h3&gt;
&lt;p&gt;Options &amp;gt; Players makes each side a person or the computer. The computer searches with one
of four algorithms (Complete, Branch and Bound, Alpha-Beta, or the selective Home Made, which keeps
only its best few moves per position) and a level of 0 to 8: each level looks one move further
ahead and takes longer. Options &amp;gt; Board chooses the starting layout of the next game.&lt;/p&gt;
</source>
        <translation>&lt;h3&gt;Jogadores e níveis&lt;/h3&gt;
&lt;p&gt;Opções &amp;gt; Jogadores faz de cada lado uma pessoa ou o computador. O computador busca com um
de quatro algoritmos (Completo, Branch and Bound, Alfa-Beta ou o seletivo Caseiro, que guarda
só as suas poucas melhores jogadas por posição) e um nível de 0 a 8: cada nível olha uma jogada mais
à frente e demora mais. Opções &amp;gt; Tabuleiro escolhe a disposição inicial da próxima partida.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Network play&lt;/h3&gt;
&lt;p&gt;One player makes player 1 Network (this copy waits on the given port), the other makes player 2
Network (this copy connects to the given host and port); both choose Game &amp;gt; Start. Game &amp;gt;
Send Message sends a line of text, Game &amp;gt; Disconnect ends the game.&lt;/p&gt;
</source>
        <translation>&lt;h3&gt;Jogo em rede&lt;/h3&gt;
&lt;p&gt;Um jogador põe o jogador 1 em Rede (esta cópia espera na porta indicada), o outro põe o jogador 2
em Rede (esta cópia se conecta ao host e à porta indicados); os dois escolhem Jogo &amp;gt; Iniciar. Jogo &amp;gt;
Enviar mensagem envia uma linha de texto, Jogo &amp;gt; Desconectar encerra a partida.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The Moves menu&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Undo&lt;/b&gt; (Ctrl+Z) and &lt;b&gt;Redo&lt;/b&gt; (Ctrl+Shift+Z or Ctrl+Y) step through the game. Against
the computer, Undo takes back your move together with its reply. After the result, Undo takes
back the last move and the game goes on.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Move List&lt;/b&gt; shows the moves; click a line to go to that position. Its graph reviews
the game with the Complete search at the review level chosen below it: the value for white after
each move (white above the axis, yellow below), and marks on the moves that lost 2 or more
against the best move: &lt;span style=&quot;color:#286ef0&quot;&gt;?!&lt;/span&gt; 2 or more,
&lt;span style=&quot;color:#f08200&quot;&gt;?&lt;/span&gt; 4 or more, &lt;span style=&quot;color:#dc0000&quot;&gt;??&lt;/span&gt; 8 or more.
Point at a move to read it, click it to go there. Replay plays the game again from its start at
the pace chosen beside it; Pause holds a replay or a game of two computers.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Hint&lt;/b&gt; (H) lights the best move for the side to move.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Show Last Move&lt;/b&gt; outlines the last move&apos;s two cells in green.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Save Game&lt;/b&gt; (Ctrl+S) and &lt;b&gt;Open Game&lt;/b&gt; (Ctrl+O) keep a game in a small text file;
&lt;b&gt;Resume Last Game&lt;/b&gt; brings back the local game left unfinished at the last close, kept
as lastgame.tgame beside the settings file (~/.config/Tessaron/ unless XDG_CONFIG_HOME says
otherwise).&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Keys: Alt+G, Alt+O, Alt+M and Alt+H open the menus; F1 or Help &amp;gt; Help Topics opens this
window. Only the Moves menu&apos;s items have keys of their own: no stray key starts a new game or
closes the program.&lt;/p&gt;
</source>
        <translation>&lt;h3&gt;O menu Jogadas&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Desfazer&lt;/b&gt; (Ctrl+Z) e &lt;b&gt;Refazer&lt;/b&gt; (Ctrl+Shift+Z ou Ctrl+Y) percorrem a partida. Contra
o computador, Desfazer volta a sua jogada junto com a resposta dele. Depois do resultado, Desfazer volta
a última jogada e a partida continua.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Lista de jogadas&lt;/b&gt; mostra as jogadas; clique em uma linha para ir àquela posição. O gráfico dela analisa
a partida com a busca Completo no nível de análise escolhido abaixo: o valor para as brancas depois de
cada jogada (brancas acima do eixo, amarelas abaixo), e marcas nas jogadas que perderam 2 ou mais
em relação à melhor jogada: &lt;span style=&quot;color:#286ef0&quot;&gt;?!&lt;/span&gt; 2 ou mais,
&lt;span style=&quot;color:#f08200&quot;&gt;?&lt;/span&gt; 4 ou mais, &lt;span style=&quot;color:#dc0000&quot;&gt;??&lt;/span&gt; 8 ou mais.
Aponte uma jogada para lê-la, clique nela para ir até lá. Rever joga a partida de novo desde o início no
ritmo escolhido ao lado; Pausar para uma revisão ou uma partida entre dois computadores.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Dica&lt;/b&gt; (H) acende a melhor jogada para o lado da vez.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Mostrar última jogada&lt;/b&gt; contorna em verde as duas casas da última jogada.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Salvar partida&lt;/b&gt; (Ctrl+S) e &lt;b&gt;Abrir partida&lt;/b&gt; (Ctrl+O) guardam uma partida em um pequeno arquivo de texto;
&lt;b&gt;Retomar última partida&lt;/b&gt; traz de volta a partida local deixada sem terminar no último fechamento, guardada
como lastgame.tgame ao lado do arquivo de configurações (~/.config/Tessaron/ a menos que XDG_CONFIG_HOME diga
outra coisa).&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Teclas: Alt+J, Alt+O, Alt+G e Alt+A abrem os menus; F1 ou Ajuda &amp;gt; Tópicos de ajuda abre esta
janela. Só os itens do menu Jogadas têm teclas próprias: nenhuma tecla perdida começa uma partida nova ou
fecha o programa.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clone&lt;/b&gt;: white copies itself to the red cell; the yellow piece beside it turns white.</source>
        <translation>&lt;b&gt;Clonagem&lt;/b&gt;: a branca se copia para a casa vermelha; a peça amarela ao lado fica branca.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Jump&lt;/b&gt;: white jumps to the yellow cell two steps away; the cell it left is empty.</source>
        <translation>&lt;b&gt;Salto&lt;/b&gt;: a branca salta para a casa amarela a dois passos; a casa que ela deixou fica vazia.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Send Message</source>
        <translation>Enviar mensagem</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>American</source>
        <translation>Americano</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Sueco</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Tópicos de ajuda</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Informações do sistema</translation>
    </message>
    <message>
        <source>About Tessaron</source>
        <translation>Sobre o Tessaron</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>What&apos;s your Message ?</source>
        <translation>Qual é a sua mensagem?</translation>
    </message>
</context>
<context>
    <name>MoveList</name>
    <message>
        <source>%1: average loss %2, %3 ?!, %4 ?, %5 ??</source>
        <translation>%1: perda média %2, %3 ?!, %4 ?, %5 ??</translation>
    </message>
    <message>
        <source>Move List</source>
        <translation>Lista de jogadas</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Rever</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Seconds a move</source>
        <translation>Segundos por jogada</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Review level</source>
        <translation>Nível de análise</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>%1. Player %2 (%3): %4</source>
        <extracomment>%1 the move&apos;s number, %2 the player, %3 its colour, %4 the move as in 5-3-6-4-1.</extracomment>
        <translation>%1. Jogador %2 (%3): %4</translation>
    </message>
    <message>
        <source>white</source>
        <translation>brancas</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarelas</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Continuar</translation>
    </message>
</context>
<context>
    <name>MovesMenu</name>
    <message>
        <source>Tessaron games (*.tgame);;All files (*)</source>
        <translation>Partidas de Tessaron (*.tgame);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>&amp;Moves</source>
        <translation>Jo&amp;gadas</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Move List</source>
        <translation>Lista de jogadas</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Show Last Move</source>
        <translation>Mostrar última jogada</translation>
    </message>
    <message>
        <source>Save Game…</source>
        <translation>Salvar partida…</translation>
    </message>
    <message>
        <source>Open Game…</source>
        <translation>Abrir partida…</translation>
    </message>
    <message>
        <source>Resume Last Game</source>
        <translation>Retomar última partida</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Salvar partida</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Abrir partida</translation>
    </message>
    <message>
        <source>%1 is not a game this program can open.
%2</source>
        <translation>%1 não é uma partida que este programa consiga abrir.
%2</translation>
    </message>
    <message>
        <source>The unfinished game could not be kept for Resume Last Game.
</source>
        <translation>Não foi possível guardar a partida inacabada para Retomar última partida.
</translation>
    </message>
    <message>
        <source>The kept game cannot be resumed.
%1</source>
        <translation>A partida guardada não pode ser retomada.
%1</translation>
    </message>
</context>
<context>
    <name>NetworkGame</name>
    <message>
        <source>(1 earlier message was not shown: it came too fast)</source>
        <translation>(1 mensagem anterior não foi mostrada: chegou rápido demais)</translation>
    </message>
    <message>
        <source>(%1 earlier messages were not shown: they came too fast)</source>
        <translation>(%1 mensagens anteriores não foram mostradas: chegaram rápido demais)</translation>
    </message>
    <message>
        <source>[%1 more characters not shown]</source>
        <translation>[mais %1 caracteres não mostrados]</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Não foi possível abrir o arquivo %1</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>Choose your partner !</source>
        <translation>Escolha seu adversário!</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completo</translation>
    </message>
    <message>
        <source>Branch and Bound</source>
        <translation>Branch and Bound</translation>
    </message>
    <message>
        <source>Alpha-Beta</source>
        <translation>Alfa-Beta</translation>
    </message>
    <message>
        <source>Home Made</source>
        <translation>Caseiro</translation>
    </message>
    <message>
        <source>Branch:</source>
        <translation>Ramos:</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Humano</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computador</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rede</translation>
    </message>
    <message>
        <source>Level :</source>
        <translation>Nível:</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Address IP of your opponent</source>
        <translation>Endereço IP do seu adversário</translation>
    </message>
    <message>
        <source>Port of your opponent</source>
        <translation>Porta do seu adversário</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Host :</source>
        <translation>Host:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>ReviewGraph</name>
    <message>
        <source>Review graph</source>
        <translation>Gráfico de análise</translation>
    </message>
    <message>
        <source>%1. not reviewed yet</source>
        <translation>%1. ainda não analisada</translation>
    </message>
    <message>
        <source>%1. %2 %3: value %4
best %5: %6, loss %7%8</source>
        <translation>%1. %2 %3: valor %4
melhor %5: %6, perda %7%8</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
</context>
<context>
    <name>ShownText</name>
    <message>
        <source>Player 1 won the game</source>
        <translation>O jogador 1 venceu a partida</translation>
    </message>
    <message>
        <source>Player 2 won the game</source>
        <translation>O jogador 2 venceu a partida</translation>
    </message>
    <message>
        <source>Congratulation ! You win !</source>
        <translation>Parabéns! Você venceu!</translation>
    </message>
    <message>
        <source>Game Lost, maybe next time...</source>
        <translation>Partida perdida, quem sabe na próxima…</translation>
    </message>
    <message>
        <source>Congratulation ! You did it !</source>
        <translation>Parabéns! Você conseguiu!</translation>
    </message>
    <message>
        <source>Maybe next time...You&apos;ll beat him.</source>
        <translation>Quem sabe na próxima… você ganha dele.</translation>
    </message>
    <message>
        <source>It is a draw !</source>
        <translation>Empate!</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is the line&apos;s number, %2 the reason (one of the texts below).</extracomment>
        <translation>Linha %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than any game can be</source>
        <translation>o arquivo é maior do que qualquer partida pode ser</translation>
    </message>
    <message>
        <source>the file ends here: it is cut short (its last line must be &quot;end&quot;)</source>
        <translation>o arquivo termina aqui: está cortado (a última linha deve ser &quot;end&quot;)</translation>
    </message>
    <message>
        <source>the file is empty, it is not a Tessaron game</source>
        <translation>o arquivo está vazio, não é uma partida de Tessaron</translation>
    </message>
    <message>
        <source>this is not a Tessaron game (the first line must be &quot;Tessaron game %1&quot;)</source>
        <translation>não é uma partida de Tessaron (a primeira linha deve ser &quot;Tessaron game %1&quot;)</translation>
    </message>
    <message>
        <source>the version must be a number, as in &quot;Tessaron game 1&quot;</source>
        <translation>a versão deve ser um número, como em &quot;Tessaron game 1&quot;</translation>
    </message>
    <message>
        <source>version %1 of the game file is unknown (this program reads version %2)</source>
        <translation>a versão %1 do arquivo de partida é desconhecida (este programa lê a versão %2)</translation>
    </message>
    <message>
        <source>expected the layout: &quot;layout Standard&quot;, &quot;layout American&quot; or &quot;layout Swedish&quot;</source>
        <translation>esperava-se a disposição: &quot;layout Standard&quot;, &quot;layout American&quot; ou &quot;layout Swedish&quot;</translation>
    </message>
    <message>
        <source>expected &quot;player %1 KIND level L branch B algorithm NAME&quot; with KIND Human or Computer, L 0 to 8, B 3 to 30 and NAME Complete, Branch and Bound, Alpha-Beta or Home Made</source>
        <translation>esperava-se &quot;player %1 KIND level L branch B algorithm NAME&quot; com KIND Human ou Computer, L de 0 a 8, B de 3 a 30 e NAME Complete, Branch and Bound, Alpha-Beta ou Home Made</translation>
    </message>
    <message>
        <source>expected the line &quot;moves&quot;</source>
        <translation>esperava-se a linha &quot;moves&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a move (five numbers joined by &quot;-&quot;, as in 5-3-6-4-1)</source>
        <translation>&quot;%1&quot; não é uma jogada (cinco números unidos por &quot;-&quot;, como em 5-3-6-4-1)</translation>
    </message>
    <message>
        <source>the move %1 is not legal for player %2 in this position</source>
        <translation>a jogada %1 não é válida para o jogador %2 nesta posição</translation>
    </message>
    <message>
        <source>nothing may follow the line &quot;end&quot;</source>
        <translation>nada pode vir depois da linha &quot;end&quot;</translation>
    </message>
    <message>
        <source>this is not a plain file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>o arquivo não pode ser lido: %1</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Não foi possível ler os dados de &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo de dado inválido para &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Não foi possível gravar os dados de &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Trying to connect to %1 at port %2</source>
        <translation>Conectando a %1 na porta %2</translation>
    </message>
    <message>
        <source>%1 Listening on port: %2</source>
        <translation>%1 escutando na porta: %2</translation>
    </message>
    <message>
        <source>Connected on local port %1</source>
        <translation>Conectado na porta local %1</translation>
    </message>
    <message>
        <source>Connection accepted for %1 on port %2</source>
        <translation>Conexão aceita de %1 na porta %2</translation>
    </message>
    <message>
        <source>Connection closed by Player 1 </source>
        <translation>Conexão encerrada pelo jogador 1 </translation>
    </message>
    <message>
        <source>Connection closed by Player 2 </source>
        <translation>Conexão encerrada pelo jogador 2 </translation>
    </message>
    <message>
        <source>Message from Player %1</source>
        <translation>Mensagem do jogador %1</translation>
    </message>
    <message>
        <source>Messages from Player %1 came too fast: %2 not shown</source>
        <translation>Mensagens do jogador %1 rápidas demais: %2 não mostradas</translation>
    </message>
    <message>
        <source>Refused move &quot;%1&quot;: %2</source>
        <extracomment>%1 is the received line as it came, %2 the reason (one of the texts below).</extracomment>
        <translation>Jogada recusada &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>its fields are not numbers</source>
        <translation>os campos não são números</translation>
    </message>
    <message>
        <source>a cell is off the board</source>
        <translation>uma casa está fora do tabuleiro</translation>
    </message>
    <message>
        <source>a clone goes one cell and a jump two</source>
        <translation>uma clonagem anda uma casa e um salto, duas</translation>
    </message>
    <message>
        <source>no game is running</source>
        <translation>nenhuma partida em andamento</translation>
    </message>
    <message>
        <source>it is not Player %1&apos;s turn</source>
        <translation>não é a vez do jogador %1</translation>
    </message>
    <message>
        <source>not a legal move of Player %1</source>
        <translation>jogada inválida do jogador %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; não é um número inteiro válido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid port number</source>
        <translation>&apos;%1&apos; não é um número de porta válido</translation>
    </message>
    <message>
        <source>%1 TCP/IP sockets (IPv4 and IPv6 stream, non-blocking)</source>
        <translation>Sockets TCP/IP do %1 (fluxo IPv4 e IPv6, sem bloqueio)</translation>
    </message>
    <message>
        <source>Running, no interface is up</source>
        <translation>Em execução, nenhuma interface ativa</translation>
    </message>
    <message>
        <source>Running on %1</source>
        <translation>Em execução em %1</translation>
    </message>
    <message>
        <source>Interrupted system call</source>
        <translation>Chamada de sistema interrompida</translation>
    </message>
    <message>
        <source>Bad file number</source>
        <translation>Número de arquivo inválido</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permissão negada</translation>
    </message>
    <message>
        <source>Bad address</source>
        <translation>Endereço inválido</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argumento inválido</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Arquivos abertos demais</translation>
    </message>
    <message>
        <source>Operation would block</source>
        <translation>A operação bloquearia</translation>
    </message>
    <message>
        <source>Operation now in progress</source>
        <translation>Operação em andamento</translation>
    </message>
    <message>
        <source>Operation already in progress</source>
        <translation>Operação já em andamento</translation>
    </message>
    <message>
        <source>Socket operation on nonsocket</source>
        <translation>Operação de socket em algo que não é socket</translation>
    </message>
    <message>
        <source>Destination address required</source>
        <translation>Endereço de destino obrigatório</translation>
    </message>
    <message>
        <source>Message too long</source>
        <translation>Mensagem longa demais</translation>
    </message>
    <message>
        <source>Protocol wrong type for socket</source>
        <translation>Tipo de protocolo errado para o socket</translation>
    </message>
    <message>
        <source>Protocol not available</source>
        <translation>Protocolo indisponível</translation>
    </message>
    <message>
        <source>Protocol not supported</source>
        <translation>Protocolo não suportado</translation>
    </message>
    <message>
        <source>Socket not supported</source>
        <translation>Socket não suportado</translation>
    </message>
    <message>
        <source>Operation not supported on socket</source>
        <translation>Operação não suportada no socket</translation>
    </message>
    <message>
        <source>Protocol family not supported</source>
        <translation>Família de protocolos não suportada</translation>
    </message>
    <message>
        <source>Address family not supported</source>
        <translation>Família de endereços não suportada</translation>
    </message>
    <message>
        <source>Address already in use</source>
        <translation>Endereço já em uso</translation>
    </message>
    <message>
        <source>Can&apos;t assign requested address</source>
        <translation>Não foi possível atribuir o endereço pedido</translation>
    </message>
    <message>
        <source>Network is down</source>
        <translation>A rede está fora do ar</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>A rede está inacessível</translation>
    </message>
    <message>
        <source>Network dropped connection on reset</source>
        <translation>A rede derrubou a conexão ao reiniciar</translation>
    </message>
    <message>
        <source>Software caused connection abort</source>
        <translation>Conexão interrompida pelo software</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>Conexão reiniciada pelo outro lado</translation>
    </message>
    <message>
        <source>No buffer space available</source>
        <translation>Sem espaço de buffer disponível</translation>
    </message>
    <message>
        <source>Socket is already connected</source>
        <translation>O socket já está conectado</translation>
    </message>
    <message>
        <source>Socket is not connected</source>
        <translation>O socket não está conectado</translation>
    </message>
    <message>
        <source>Can&apos;t send after socket shutdown</source>
        <translation>Não é possível enviar após o fechamento do socket</translation>
    </message>
    <message>
        <source>Too many references:can&apos;t splice</source>
        <translation>Referências demais: não é possível unir</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Tempo de conexão esgotado</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Conexão recusada</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Níveis demais de links simbólicos</translation>
    </message>
    <message>
        <source>File name is too long</source>
        <translation>Nome de arquivo longo demais</translation>
    </message>
    <message>
        <source>Host is down</source>
        <translation>O host está fora do ar</translation>
    </message>
    <message>
        <source>No route to host</source>
        <translation>Sem rota para o host</translation>
    </message>
    <message>
        <source>Directory is not empty</source>
        <translation>A pasta não está vazia</translation>
    </message>
    <message>
        <source>Too many processes</source>
        <translation>Processos demais</translation>
    </message>
    <message>
        <source>Too many users</source>
        <translation>Usuários demais</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Cota de disco excedida</translation>
    </message>
    <message>
        <source>Stale NFS file handle</source>
        <translation>Identificador de arquivo NFS obsoleto</translation>
    </message>
    <message>
        <source>Too many levels of remote in path</source>
        <translation>Níveis remotos demais no caminho</translation>
    </message>
    <message>
        <source>Network subsystem is unusable</source>
        <translation>O subsistema de rede está inutilizável</translation>
    </message>
    <message>
        <source>Winsock DLL cannot support this application</source>
        <translation>A DLL do Winsock não suporta este aplicativo</translation>
    </message>
    <message>
        <source>Winsock not initialized</source>
        <translation>Winsock não inicializado</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>Host não encontrado</translation>
    </message>
    <message>
        <source>Non authoritative - host not found</source>
        <translation>Resposta não autoritativa: host não encontrado</translation>
    </message>
    <message>
        <source>Non recoverable error</source>
        <translation>Erro irrecuperável</translation>
    </message>
    <message>
        <source>Valid name, no data record of requested type</source>
        <translation>Nome válido, sem registro do tipo pedido</translation>
    </message>
    <message>
        <source>Not a Winsock error</source>
        <translation>Não é um erro do Winsock</translation>
    </message>
</context>
<context>
    <name>StrengthTable</name>
    <message>
        <source>under 0.001 s</source>
        <translation>menos de 0,001 s</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1, level %2, branch %3</source>
        <translation>%1, nível %2, %3 ramos</translation>
    </message>
    <message>
        <source>%1, level %2</source>
        <translation>%1, nível %2</translation>
    </message>
    <message>
        <source>%1: rated about %2, %3 a move</source>
        <translation>%1: pontuação de cerca de %2, %3 por lance</translation>
    </message>
    <message>
        <source>at branch %1 rated about %2, %3 a move</source>
        <translation>com %1 ramos, pontuação de cerca de %2, %3 por lance</translation>
    </message>
    <message>
        <source>%1: not measured</source>
        <translation>%1: não medido</translation>
    </message>
    <message>
        <source>%1: not measured; %2</source>
        <translation>%1: não medido; %2</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>%1 (branch %2)</source>
        <translation>%1 (%2 ramos)</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>Computer player</source>
        <translation>Jogador computador</translation>
    </message>
    <message>
        <source>Time a move</source>
        <translation>Tempo por lance</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>How strong the computer plays</source>
        <translation>A força do computador</translation>
    </message>
    <message>
        <source>Each setting of the computer was rated in games against its neighbours, on one scale on which Alpha-Beta at level 0 stands at 1000. A player rated 200 higher wins about three games in four; the ± gives the 95% interval of the measurement. The time is the median time a move on a two-core computer.</source>
        <translation>Cada ajuste do computador foi avaliado em partidas contra seus vizinhos, numa só escala em que Alfa-Beta no nível 0 vale 1000. Um jogador avaliado 200 pontos acima vence cerca de três partidas em quatro; o ± dá o intervalo de 95% da medida. O tempo é a mediana do tempo por lance num computador de dois núcleos.</translation>
    </message>
</context>
<context>
    <name>SystemInformation</name>
    <message>
        <source>System Information</source>
        <translation>Informações do sistema</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Description: </source>
        <translation>Descrição: </translation>
    </message>
    <message>
        <source>SystemStatus: </source>
        <translation>Status do sistema: </translation>
    </message>
    <message>
        <source>Local Host Name: </source>
        <translation>Nome do host local: </translation>
    </message>
    <message>
        <source>It will not work in Network mode</source>
        <translation>O modo Rede não vai funcionar</translation>
    </message>
    <message>
        <source>because you don&apos;t have an IP Address !</source>
        <translation>porque você não tem endereço IP!</translation>
    </message>
    <message>
        <source>Local Host Address: </source>
        <translation>Endereço do host local: </translation>
    </message>
</context>
</TS>
