<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>white piece</source>
        <translation>ficha blanca</translation>
    </message>
    <message>
        <source>yellow piece</source>
        <translation>ficha amarilla</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>Row %1, column %2: %3</source>
        <translation>Fila %1, columna %2: %3</translation>
    </message>
    <message>
        <source>%1: %2-%3 to %4-%5, %6, %7 captured. %8 to move.</source>
        <extracomment>%1 the mover&apos;s colour, %2-%3 and %4-%5 the cells, %6 clone or jump, %7 a count, %8 the next colour.</extracomment>
        <translation>%1: %2-%3 a %4-%5, %6, %7 capturadas. Juega %8.</translation>
    </message>
    <message>
        <source>clone</source>
        <translation>clonación</translation>
    </message>
    <message>
        <source>jump</source>
        <translation>salto</translation>
    </message>
    <message>
        <source>%1: 1 piece</source>
        <translation>%1: 1 ficha</translation>
    </message>
    <message>
        <source>%1: %2 pieces</source>
        <translation>%1: %2 fichas</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
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
        <translation>&lt;h3&gt;El juego&lt;/h3&gt;
&lt;p&gt;Dos jugadores comparten un tablero hexagonal de 58 casillas. El jugador 1 lleva las blancas y sale primero,
el jugador 2 lleva las amarillas. En tu turno mueves una de tus fichas a una casilla vacía:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Clonación&lt;/b&gt;: a una casilla vecina (iluminada en &lt;span style=&quot;color:#d00000&quot;&gt;rojo&lt;/span&gt;). La ficha se
copia; tu ficha en la casilla de salida se queda.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Salto&lt;/b&gt;: a una casilla a dos pasos (iluminada en &lt;span style=&quot;color:#b0a000&quot;&gt;amarillo&lt;/span&gt;). La ficha
se mueve; su casilla de salida queda vacía.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;&lt;b&gt;Conversión&lt;/b&gt;: toda ficha rival junto a la casilla de llegada pasa a ser tuya.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;El final&lt;/b&gt;: un jugador que no puede mover termina la partida. El otro jugador recibe todas
las casillas vacías; gana quien tenga más fichas. La cifra junto a cada marca arriba a la izquierda es
el número de fichas de ese jugador.&lt;/p&gt;
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
        <translation>&lt;h3&gt;Cómo jugar&lt;/h3&gt;
&lt;p&gt;Elige Partida &amp;gt; Empezar. Haz clic en una de tus fichas, pasa el puntero sobre una casilla vacía
hasta que se ilumine en rojo o amarillo, y haz clic. Haz clic otra vez en la ficha para elegir otra.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Con el teclado&lt;/b&gt;: al empezar una partida el tablero tiene el foco del teclado (Tab o un clic
se lo devuelve) y muestra un cursor, un contorno blanco discontinuo. Las flechas lo mueven: Arriba y Abajo
a lo largo de la columna de casillas en pantalla, Izquierda y Derecha a la columna siguiente, a la misma altura. Espacio
o Intro sobre tu ficha la selecciona, sobre una casilla iluminada juega la jugada; Escape quita la selección.
O teclea las cuatro cifras de la jugada, de fila y columna a fila y columna, como en 3 7 3 6. Un
lector de pantalla nombra cada casilla (Fila 3, columna 7: ficha blanca) y anuncia cada jugada.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Players and levels&lt;/h3&gt;
&lt;p&gt;Options &amp;gt; Players makes each side a person or the computer. The computer searches with one
of four algorithms (Complete, Branch and Bound, Alpha-Beta, or the selective Home Made, which keeps
only its best few moves per position) and a level of 0 to 8: each level looks one move further
ahead and takes longer. Options &amp;gt; Board chooses the starting layout of the next game.&lt;/p&gt;
</source>
        <translation>&lt;h3&gt;Jugadores y niveles&lt;/h3&gt;
&lt;p&gt;Opciones &amp;gt; Jugadores hace de cada bando una persona o el ordenador. El ordenador busca con uno
de cuatro algoritmos (Completo, Branch and Bound, Alfa-Beta o el selectivo Casero, que solo conserva
sus pocas mejores jugadas por posición) y un nivel de 0 a 8: cada nivel mira una jugada más
allá y tarda más. Opciones &amp;gt; Tablero elige la disposición inicial de la próxima partida.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Network play&lt;/h3&gt;
&lt;p&gt;One player makes player 1 Network (this copy waits on the given port), the other makes player 2
Network (this copy connects to the given host and port); both choose Game &amp;gt; Start. Game &amp;gt;
Send Message sends a line of text, Game &amp;gt; Disconnect ends the game.&lt;/p&gt;
</source>
        <translation>&lt;h3&gt;Juego en red&lt;/h3&gt;
&lt;p&gt;Un jugador pone al jugador 1 en Red (esta copia espera en el puerto indicado), el otro pone al jugador 2
en Red (esta copia se conecta al equipo y puerto indicados); ambos eligen Partida &amp;gt; Empezar. Partida &amp;gt;
Enviar mensaje envía una línea de texto, Partida &amp;gt; Desconectar termina la partida.&lt;/p&gt;
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
        <translation>&lt;h3&gt;El menú Jugadas&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Deshacer&lt;/b&gt; (Ctrl+Z) y &lt;b&gt;Rehacer&lt;/b&gt; (Ctrl+Mayús+Z o Ctrl+Y) recorren la partida. Contra
el ordenador, Deshacer retira tu jugada junto con su respuesta. Tras el resultado, Deshacer retira
la última jugada y la partida sigue.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Lista de jugadas&lt;/b&gt; muestra las jugadas; haz clic en una línea para ir a esa posición. Su gráfico analiza
la partida con la búsqueda Completo al nivel de análisis elegido debajo: el valor para las blancas tras
cada jugada (blancas sobre el eje, amarillas debajo), y marcas en las jugadas que perdieron 2 o más
frente a la mejor jugada: &lt;span style=&quot;color:#286ef0&quot;&gt;?!&lt;/span&gt; 2 o más,
&lt;span style=&quot;color:#f08200&quot;&gt;?&lt;/span&gt; 4 o más, &lt;span style=&quot;color:#dc0000&quot;&gt;??&lt;/span&gt; 8 o más.
Señala una jugada para leerla, haz clic en ella para ir allí. Repetir vuelve a jugar la partida desde el principio al
ritmo elegido al lado; Pausa detiene una repetición o una partida entre dos ordenadores.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Pista&lt;/b&gt; (H) ilumina la mejor jugada para el bando al que le toca.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Mostrar última jugada&lt;/b&gt; marca en verde las dos casillas de la última jugada.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Guardar partida&lt;/b&gt; (Ctrl+S) y &lt;b&gt;Abrir partida&lt;/b&gt; (Ctrl+O) guardan una partida en un pequeño archivo de texto;
&lt;b&gt;Reanudar última partida&lt;/b&gt; recupera la partida local que quedó sin terminar al último cierre, guardada
como lastgame.tgame junto al archivo de ajustes (~/.config/Tessaron/ salvo que XDG_CONFIG_HOME diga
otra cosa).&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Teclas: Alt+P, Alt+O, Alt+J y Alt+A abren los menús; F1 o Ayuda &amp;gt; Temas de ayuda abre esta
ventana. Solo las entradas del menú Jugadas tienen teclas propias: ninguna tecla perdida empieza una partida nueva ni
cierra el programa.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clone&lt;/b&gt;: white copies itself to the red cell; the yellow piece beside it turns white.</source>
        <translation>&lt;b&gt;Clonación&lt;/b&gt;: la blanca se copia en la casilla roja; la ficha amarilla de al lado se vuelve blanca.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Jump&lt;/b&gt;: white jumps to the yellow cell two steps away; the cell it left is empty.</source>
        <translation>&lt;b&gt;Salto&lt;/b&gt;: la blanca salta a la casilla amarilla a dos pasos; la casilla que deja queda vacía.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Send Message</source>
        <translation>Enviar mensaje</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
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
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Temas de ayuda</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Información del sistema</translation>
    </message>
    <message>
        <source>About Tessaron</source>
        <translation>Acerca de Tessaron</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>What&apos;s your Message ?</source>
        <translation>¿Cuál es tu mensaje?</translation>
    </message>
</context>
<context>
    <name>MoveList</name>
    <message>
        <source>%1: average loss %2, %3 ?!, %4 ?, %5 ??</source>
        <translation>%1: pérdida media %2, %3 ?!, %4 ?, %5 ??</translation>
    </message>
    <message>
        <source>Move List</source>
        <translation>Lista de jugadas</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Seconds a move</source>
        <translation>Segundos por jugada</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Review level</source>
        <translation>Nivel de análisis</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>%1. Player %2 (%3): %4</source>
        <extracomment>%1 the move&apos;s number, %2 the player, %3 its colour, %4 the move as in 5-3-6-4-1.</extracomment>
        <translation>%1. Jugador %2 (%3): %4</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blancas</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillas</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Seguir</translation>
    </message>
</context>
<context>
    <name>MovesMenu</name>
    <message>
        <source>Tessaron games (*.tgame);;All files (*)</source>
        <translation>Partidas de Tessaron (*.tgame);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>&amp;Moves</source>
        <translation>&amp;Jugadas</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Move List</source>
        <translation>Lista de jugadas</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Show Last Move</source>
        <translation>Mostrar última jugada</translation>
    </message>
    <message>
        <source>Save Game…</source>
        <translation>Guardar partida…</translation>
    </message>
    <message>
        <source>Open Game…</source>
        <translation>Abrir partida…</translation>
    </message>
    <message>
        <source>Resume Last Game</source>
        <translation>Reanudar última partida</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Guardar partida</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Abrir partida</translation>
    </message>
    <message>
        <source>%1 is not a game this program can open.
%2</source>
        <translation>%1 no es una partida que este programa pueda abrir.
%2</translation>
    </message>
    <message>
        <source>The unfinished game could not be kept for Resume Last Game.
</source>
        <translation>No se pudo guardar la partida sin terminar para Reanudar última partida.
</translation>
    </message>
    <message>
        <source>The kept game cannot be resumed.
%1</source>
        <translation>La partida guardada no se puede reanudar.
%1</translation>
    </message>
</context>
<context>
    <name>NetworkGame</name>
    <message>
        <source>(1 earlier message was not shown: it came too fast)</source>
        <translation>(1 mensaje anterior no se mostró: llegó demasiado rápido)</translation>
    </message>
    <message>
        <source>(%1 earlier messages were not shown: they came too fast)</source>
        <translation>(%1 mensajes anteriores no se mostraron: llegaron demasiado rápido)</translation>
    </message>
    <message>
        <source>[%1 more characters not shown]</source>
        <translation>[%1 caracteres más sin mostrar]</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>Choose your partner !</source>
        <translation>¡Elige a tu rival!</translation>
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
        <translation>Casero</translation>
    </message>
    <message>
        <source>Branch:</source>
        <translation>Ramas:</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Humano</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Level :</source>
        <translation>Nivel:</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Address IP of your opponent</source>
        <translation>Dirección IP de tu rival</translation>
    </message>
    <message>
        <source>Port of your opponent</source>
        <translation>Puerto de tu rival</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Host :</source>
        <translation>Equipo:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
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
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
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
        <translation>Gráfico de análisis</translation>
    </message>
    <message>
        <source>%1. not reviewed yet</source>
        <translation>%1. aún sin analizar</translation>
    </message>
    <message>
        <source>%1. %2 %3: value %4
best %5: %6, loss %7%8</source>
        <translation>%1. %2 %3: valor %4
mejor %5: %6, pérdida %7%8</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
</context>
<context>
    <name>ShownText</name>
    <message>
        <source>Player 1 won the game</source>
        <translation>El jugador 1 ha ganado la partida</translation>
    </message>
    <message>
        <source>Player 2 won the game</source>
        <translation>El jugador 2 ha ganado la partida</translation>
    </message>
    <message>
        <source>Congratulation ! You win !</source>
        <translation>¡Enhorabuena! ¡Has ganado!</translation>
    </message>
    <message>
        <source>Game Lost, maybe next time...</source>
        <translation>Partida perdida, quizá la próxima vez…</translation>
    </message>
    <message>
        <source>Congratulation ! You did it !</source>
        <translation>¡Enhorabuena! ¡Lo has conseguido!</translation>
    </message>
    <message>
        <source>Maybe next time...You&apos;ll beat him.</source>
        <translation>Quizá la próxima vez… le ganarás.</translation>
    </message>
    <message>
        <source>It is a draw !</source>
        <translation>¡Empate!</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is the line&apos;s number, %2 the reason (one of the texts below).</extracomment>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than any game can be</source>
        <translation>el archivo es más grande de lo que puede ser una partida</translation>
    </message>
    <message>
        <source>the file ends here: it is cut short (its last line must be &quot;end&quot;)</source>
        <translation>el archivo termina aquí: está cortado (su última línea debe ser «end»)</translation>
    </message>
    <message>
        <source>the file is empty, it is not a Tessaron game</source>
        <translation>el archivo está vacío, no es una partida de Tessaron</translation>
    </message>
    <message>
        <source>this is not a Tessaron game (the first line must be &quot;Tessaron game %1&quot;)</source>
        <translation>no es una partida de Tessaron (la primera línea debe ser «Tessaron game %1»)</translation>
    </message>
    <message>
        <source>the version must be a number, as in &quot;Tessaron game 1&quot;</source>
        <translation>la versión debe ser un número, como en «Tessaron game 1»</translation>
    </message>
    <message>
        <source>version %1 of the game file is unknown (this program reads version %2)</source>
        <translation>la versión %1 del archivo de partida es desconocida (este programa lee la versión %2)</translation>
    </message>
    <message>
        <source>expected the layout: &quot;layout Standard&quot;, &quot;layout American&quot; or &quot;layout Swedish&quot;</source>
        <translation>se esperaba la disposición: «layout Standard», «layout American» o «layout Swedish»</translation>
    </message>
    <message>
        <source>expected &quot;player %1 KIND level L branch B algorithm NAME&quot; with KIND Human or Computer, L 0 to 8, B 3 to 30 and NAME Complete, Branch and Bound, Alpha-Beta or Home Made</source>
        <translation>se esperaba «player %1 KIND level L branch B algorithm NAME» con KIND Human o Computer, L de 0 a 8, B de 3 a 30 y NAME Complete, Branch and Bound, Alpha-Beta o Home Made</translation>
    </message>
    <message>
        <source>expected the line &quot;moves&quot;</source>
        <translation>se esperaba la línea «moves»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a move (five numbers joined by &quot;-&quot;, as in 5-3-6-4-1)</source>
        <translation>«%1» no es una jugada (cinco números unidos por «-», como en 5-3-6-4-1)</translation>
    </message>
    <message>
        <source>the move %1 is not legal for player %2 in this position</source>
        <translation>la jugada %1 no es válida para el jugador %2 en esta posición</translation>
    </message>
    <message>
        <source>nothing may follow the line &quot;end&quot;</source>
        <translation>nada puede seguir a la línea «end»</translation>
    </message>
    <message>
        <source>this is not a plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>no se puede leer el archivo: %1</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>No se pudieron leer los datos de «%1»</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo de datos no válido para «%1»</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>No se pudieron escribir los datos de «%1»</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <source>Trying to connect to %1 at port %2</source>
        <translation>Conectando con %1 en el puerto %2</translation>
    </message>
    <message>
        <source>%1 Listening on port: %2</source>
        <translation>%1 escuchando en el puerto: %2</translation>
    </message>
    <message>
        <source>Connected on local port %1</source>
        <translation>Conectado en el puerto local %1</translation>
    </message>
    <message>
        <source>Connection accepted for %1 on port %2</source>
        <translation>Conexión aceptada de %1 en el puerto %2</translation>
    </message>
    <message>
        <source>Connection closed by Player 1 </source>
        <translation>Conexión cerrada por el jugador 1 </translation>
    </message>
    <message>
        <source>Connection closed by Player 2 </source>
        <translation>Conexión cerrada por el jugador 2 </translation>
    </message>
    <message>
        <source>Message from Player %1</source>
        <translation>Mensaje del jugador %1</translation>
    </message>
    <message>
        <source>Messages from Player %1 came too fast: %2 not shown</source>
        <translation>Mensajes del jugador %1 demasiado rápidos: %2 sin mostrar</translation>
    </message>
    <message>
        <source>Refused move &quot;%1&quot;: %2</source>
        <extracomment>%1 is the received line as it came, %2 the reason (one of the texts below).</extracomment>
        <translation>Jugada rechazada «%1»: %2</translation>
    </message>
    <message>
        <source>its fields are not numbers</source>
        <translation>sus campos no son números</translation>
    </message>
    <message>
        <source>a cell is off the board</source>
        <translation>una casilla está fuera del tablero</translation>
    </message>
    <message>
        <source>a clone goes one cell and a jump two</source>
        <translation>una clonación avanza una casilla y un salto dos</translation>
    </message>
    <message>
        <source>no game is running</source>
        <translation>no hay ninguna partida en curso</translation>
    </message>
    <message>
        <source>it is not Player %1&apos;s turn</source>
        <translation>no es el turno del jugador %1</translation>
    </message>
    <message>
        <source>not a legal move of Player %1</source>
        <translation>no es una jugada válida del jugador %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no es un número entero válido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid port number</source>
        <translation>«%1» no es un número de puerto válido</translation>
    </message>
    <message>
        <source>%1 TCP/IP sockets (IPv4 and IPv6 stream, non-blocking)</source>
        <translation>Sockets TCP/IP de %1 (flujo IPv4 e IPv6, no bloqueantes)</translation>
    </message>
    <message>
        <source>Running, no interface is up</source>
        <translation>En marcha, ninguna interfaz activa</translation>
    </message>
    <message>
        <source>Running on %1</source>
        <translation>En marcha en %1</translation>
    </message>
    <message>
        <source>Interrupted system call</source>
        <translation>Llamada al sistema interrumpida</translation>
    </message>
    <message>
        <source>Bad file number</source>
        <translation>Número de archivo incorrecto</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Bad address</source>
        <translation>Dirección incorrecta</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argumento no válido</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>Operation would block</source>
        <translation>La operación se bloquearía</translation>
    </message>
    <message>
        <source>Operation now in progress</source>
        <translation>Operación en curso</translation>
    </message>
    <message>
        <source>Operation already in progress</source>
        <translation>La operación ya está en curso</translation>
    </message>
    <message>
        <source>Socket operation on nonsocket</source>
        <translation>Operación de socket sobre algo que no es un socket</translation>
    </message>
    <message>
        <source>Destination address required</source>
        <translation>Se requiere dirección de destino</translation>
    </message>
    <message>
        <source>Message too long</source>
        <translation>Mensaje demasiado largo</translation>
    </message>
    <message>
        <source>Protocol wrong type for socket</source>
        <translation>Tipo de protocolo incorrecto para el socket</translation>
    </message>
    <message>
        <source>Protocol not available</source>
        <translation>Protocolo no disponible</translation>
    </message>
    <message>
        <source>Protocol not supported</source>
        <translation>Protocolo no admitido</translation>
    </message>
    <message>
        <source>Socket not supported</source>
        <translation>Socket no admitido</translation>
    </message>
    <message>
        <source>Operation not supported on socket</source>
        <translation>Operación no admitida en el socket</translation>
    </message>
    <message>
        <source>Protocol family not supported</source>
        <translation>Familia de protocolos no admitida</translation>
    </message>
    <message>
        <source>Address family not supported</source>
        <translation>Familia de direcciones no admitida</translation>
    </message>
    <message>
        <source>Address already in use</source>
        <translation>La dirección ya está en uso</translation>
    </message>
    <message>
        <source>Can&apos;t assign requested address</source>
        <translation>No se puede asignar la dirección pedida</translation>
    </message>
    <message>
        <source>Network is down</source>
        <translation>La red no funciona</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>La red es inalcanzable</translation>
    </message>
    <message>
        <source>Network dropped connection on reset</source>
        <translation>La red cortó la conexión al reiniciarse</translation>
    </message>
    <message>
        <source>Software caused connection abort</source>
        <translation>Conexión interrumpida por el software</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>Conexión reiniciada por el otro extremo</translation>
    </message>
    <message>
        <source>No buffer space available</source>
        <translation>No queda espacio de búfer</translation>
    </message>
    <message>
        <source>Socket is already connected</source>
        <translation>El socket ya está conectado</translation>
    </message>
    <message>
        <source>Socket is not connected</source>
        <translation>El socket no está conectado</translation>
    </message>
    <message>
        <source>Can&apos;t send after socket shutdown</source>
        <translation>No se puede enviar tras cerrar el socket</translation>
    </message>
    <message>
        <source>Too many references:can&apos;t splice</source>
        <translation>Demasiadas referencias: no se puede empalmar</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Se agotó el tiempo de conexión</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Conexión rechazada</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Demasiados niveles de enlaces simbólicos</translation>
    </message>
    <message>
        <source>File name is too long</source>
        <translation>El nombre del archivo es demasiado largo</translation>
    </message>
    <message>
        <source>Host is down</source>
        <translation>El equipo no funciona</translation>
    </message>
    <message>
        <source>No route to host</source>
        <translation>No hay ruta hasta el equipo</translation>
    </message>
    <message>
        <source>Directory is not empty</source>
        <translation>La carpeta no está vacía</translation>
    </message>
    <message>
        <source>Too many processes</source>
        <translation>Demasiados procesos</translation>
    </message>
    <message>
        <source>Too many users</source>
        <translation>Demasiados usuarios</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Cuota de disco superada</translation>
    </message>
    <message>
        <source>Stale NFS file handle</source>
        <translation>Identificador de archivo NFS caducado</translation>
    </message>
    <message>
        <source>Too many levels of remote in path</source>
        <translation>Demasiados niveles remotos en la ruta</translation>
    </message>
    <message>
        <source>Network subsystem is unusable</source>
        <translation>El subsistema de red no se puede usar</translation>
    </message>
    <message>
        <source>Winsock DLL cannot support this application</source>
        <translation>La DLL de Winsock no admite esta aplicación</translation>
    </message>
    <message>
        <source>Winsock not initialized</source>
        <translation>Winsock no inicializado</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>Equipo no encontrado</translation>
    </message>
    <message>
        <source>Non authoritative - host not found</source>
        <translation>Respuesta no autorizada: equipo no encontrado</translation>
    </message>
    <message>
        <source>Non recoverable error</source>
        <translation>Error irrecuperable</translation>
    </message>
    <message>
        <source>Valid name, no data record of requested type</source>
        <translation>Nombre válido, sin registro del tipo pedido</translation>
    </message>
    <message>
        <source>Not a Winsock error</source>
        <translation>No es un error de Winsock</translation>
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
        <translation>%1, nivel %2, %3 ramas</translation>
    </message>
    <message>
        <source>%1, level %2</source>
        <translation>%1, nivel %2</translation>
    </message>
    <message>
        <source>%1: rated about %2, %3 a move</source>
        <translation>%1: puntuación de unos %2, %3 por jugada</translation>
    </message>
    <message>
        <source>at branch %1 rated about %2, %3 a move</source>
        <translation>con %1 ramas, puntuación de unos %2, %3 por jugada</translation>
    </message>
    <message>
        <source>%1: not measured</source>
        <translation>%1: sin medir</translation>
    </message>
    <message>
        <source>%1: not measured; %2</source>
        <translation>%1: sin medir; %2</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>%1 (branch %2)</source>
        <translation>%1 (%2 ramas)</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Computer player</source>
        <translation>Jugador ordenador</translation>
    </message>
    <message>
        <source>Time a move</source>
        <translation>Tiempo por jugada</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>How strong the computer plays</source>
        <translation>Qué tan fuerte juega el ordenador</translation>
    </message>
    <message>
        <source>Each setting of the computer was rated in games against its neighbours, on one scale on which Alpha-Beta at level 0 stands at 1000. A player rated 200 higher wins about three games in four; the ± gives the 95% interval of the measurement. The time is the median time a move on a two-core computer.</source>
        <translation>Cada ajuste del ordenador se puntuó en partidas contra sus vecinos, en una sola escala en la que Alfa-Beta en el nivel 0 vale 1000. Un jugador con 200 puntos más gana unas tres partidas de cada cuatro; el ± da el intervalo del 95 % de la medida. El tiempo es la mediana del tiempo por jugada en un ordenador de dos núcleos.</translation>
    </message>
</context>
<context>
    <name>SystemInformation</name>
    <message>
        <source>System Information</source>
        <translation>Información del sistema</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Description: </source>
        <translation>Descripción: </translation>
    </message>
    <message>
        <source>SystemStatus: </source>
        <translation>Estado del sistema: </translation>
    </message>
    <message>
        <source>Local Host Name: </source>
        <translation>Nombre del equipo local: </translation>
    </message>
    <message>
        <source>It will not work in Network mode</source>
        <translation>No funcionará en modo Red</translation>
    </message>
    <message>
        <source>because you don&apos;t have an IP Address !</source>
        <translation>porque no tienes dirección IP.</translation>
    </message>
    <message>
        <source>Local Host Address: </source>
        <translation>Dirección del equipo local: </translation>
    </message>
</context>
</TS>
