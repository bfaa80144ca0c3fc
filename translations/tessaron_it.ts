<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
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
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tavoliere</translation>
    </message>
    <message>
        <source>white piece</source>
        <translation>pedina bianca</translation>
    </message>
    <message>
        <source>yellow piece</source>
        <translation>pedina gialla</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message>
        <source>Row %1, column %2: %3</source>
        <translation>Riga %1, colonna %2: %3</translation>
    </message>
    <message>
        <source>%1: %2-%3 to %4-%5, %6, %7 captured. %8 to move.</source>
        <extracomment>%1 the mover&apos;s colour, %2-%3 and %4-%5 the cells, %6 clone or jump, %7 a count, %8 the next colour.</extracomment>
        <translation>%1: %2-%3 a %4-%5, %6, %7 catturate. Muove il %8.</translation>
    </message>
    <message>
        <source>clone</source>
        <translation>clonazione</translation>
    </message>
    <message>
        <source>jump</source>
        <translation>salto</translation>
    </message>
    <message>
        <source>%1: 1 piece</source>
        <translation>%1: 1 pedina</translation>
    </message>
    <message>
        <source>%1: %2 pieces</source>
        <translation>%1: %2 pedine</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
</context>
<context>
    <name>GamePlay</name>
    <message>
        <source>Results:</source>
        <translation>Risultato:</translation>
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
        <translation>&lt;h3&gt;Il gioco&lt;/h3&gt;
&lt;p&gt;Due giocatori si dividono un tavoliere esagonale di 58 caselle. Il giocatore 1 ha il bianco e muove per primo,
il giocatore 2 ha il giallo. Al tuo turno sposti una delle tue pedine su una casella vuota:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Clonazione&lt;/b&gt;: su una casella vicina (illuminata in &lt;span style=&quot;color:#d00000&quot;&gt;rosso&lt;/span&gt;). La pedina viene
copiata; la tua pedina sulla casella di partenza resta.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Salto&lt;/b&gt;: su una casella a due passi (illuminata in &lt;span style=&quot;color:#b0a000&quot;&gt;giallo&lt;/span&gt;). La pedina
si sposta; la sua casella di partenza resta vuota.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;&lt;b&gt;Conversione&lt;/b&gt;: ogni pedina avversaria accanto alla casella di arrivo diventa tua.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;La fine&lt;/b&gt;: un giocatore che non può muovere chiude la partita. L’altro giocatore riceve tutte
le caselle vuote; vince chi ha più pedine. Il punteggio accanto a ogni segnalino in alto a sinistra è
il numero di pedine di quel giocatore.&lt;/p&gt;
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
        <translation>&lt;h3&gt;Come si gioca&lt;/h3&gt;
&lt;p&gt;Scegli Partita &amp;gt; Inizia. Fai clic su una delle tue pedine, porta il puntatore su una casella vuota
finché non si illumina di rosso o di giallo, e fai clic. Fai di nuovo clic sulla pedina per sceglierne un’altra.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Con la tastiera&lt;/b&gt;: all’inizio di una partita il tavoliere ha il fuoco della tastiera (Tab o un clic
glielo restituisce) e mostra un cursore, un contorno bianco tratteggiato. I tasti freccia lo spostano: Su e Giù
lungo la colonna di caselle sullo schermo, Sinistra e Destra alla colonna accanto, alla stessa altezza. Spazio
o Invio sulla tua pedina la seleziona, su una casella illuminata gioca la mossa; Esc annulla la selezione.
Oppure digita le quattro cifre della mossa, da riga e colonna a riga e colonna, come 3 7 3 6. Un
lettore di schermo nomina ogni casella (Riga 3, colonna 7: pedina bianca) e annuncia ogni mossa.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Players and levels&lt;/h3&gt;
&lt;p&gt;Options &amp;gt; Players makes each side a person or the computer. The computer searches with one
of four algorithms (Complete, Branch and Bound, Alpha-Beta, or the selective Home Made, which keeps
only its best few moves per position) and a level of 0 to 8: each level looks one move further
ahead and takes longer. Options &amp;gt; Board chooses the starting layout of the next game.&lt;/p&gt;
</source>
        <translation>&lt;h3&gt;Giocatori e livelli&lt;/h3&gt;
&lt;p&gt;Opzioni &amp;gt; Giocatori rende ogni lato una persona o il computer. Il computer cerca con uno
di quattro algoritmi (Completo, Branch and Bound, Alfa-Beta o il selettivo Fatto in casa, che tiene
solo le sue poche mosse migliori per posizione) e un livello da 0 a 8: ogni livello guarda una mossa più
avanti e richiede più tempo. Opzioni &amp;gt; Tavoliere sceglie la disposizione iniziale della prossima partita.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Network play&lt;/h3&gt;
&lt;p&gt;One player makes player 1 Network (this copy waits on the given port), the other makes player 2
Network (this copy connects to the given host and port); both choose Game &amp;gt; Start. Game &amp;gt;
Send Message sends a line of text, Game &amp;gt; Disconnect ends the game.&lt;/p&gt;
</source>
        <translation>&lt;h3&gt;Gioco in rete&lt;/h3&gt;
&lt;p&gt;Un giocatore imposta il giocatore 1 su Rete (questa copia attende sulla porta indicata), l’altro imposta il giocatore 2
su Rete (questa copia si collega all’host e alla porta indicati); entrambi scelgono Partita &amp;gt; Inizia. Partita &amp;gt;
Invia messaggio manda una riga di testo, Partita &amp;gt; Disconnetti chiude la partita.&lt;/p&gt;
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
        <translation>&lt;h3&gt;Il menu Mosse&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Annulla&lt;/b&gt; (Ctrl+Z) e &lt;b&gt;Ripeti&lt;/b&gt; (Ctrl+Maiusc+Z o Ctrl+Y) percorrono la partita. Contro
il computer, Annulla ritira la tua mossa insieme alla sua risposta. Dopo il risultato, Annulla ritira
l’ultima mossa e la partita continua.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Elenco mosse&lt;/b&gt; mostra le mosse; fai clic su una riga per andare a quella posizione. Il suo grafico analizza
la partita con la ricerca Completo al livello di analisi scelto sotto: il valore per il bianco dopo
ogni mossa (bianco sopra l’asse, giallo sotto), e segni sulle mosse che hanno perso 2 o più
rispetto alla mossa migliore: &lt;span style=&quot;color:#286ef0&quot;&gt;?!&lt;/span&gt; 2 o più,
&lt;span style=&quot;color:#f08200&quot;&gt;?&lt;/span&gt; 4 o più, &lt;span style=&quot;color:#dc0000&quot;&gt;??&lt;/span&gt; 8 o più.
Punta una mossa per leggerla, fai clic per andarci. Rivedi rigioca la partita dall’inizio al
ritmo scelto accanto; Pausa ferma una revisione o una partita tra due computer.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Suggerimento&lt;/b&gt; (H) illumina la mossa migliore per chi deve muovere.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Mostra ultima mossa&lt;/b&gt; contorna in verde le due caselle dell’ultima mossa.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Salva partita&lt;/b&gt; (Ctrl+S) e &lt;b&gt;Apri partita&lt;/b&gt; (Ctrl+O) conservano una partita in un piccolo file di testo;
&lt;b&gt;Riprendi ultima partita&lt;/b&gt; riporta la partita locale rimasta a metà all’ultima chiusura, conservata
come lastgame.tgame accanto al file delle impostazioni (~/.config/Tessaron/ salvo che XDG_CONFIG_HOME dica
altrimenti).&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Tasti: Alt+P, Alt+O, Alt+M e Alt+A aprono i menu; F1 o Aiuto &amp;gt; Argomenti della guida apre questa
finestra. Solo le voci del menu Mosse hanno tasti propri: nessun tasto premuto per sbaglio inizia una nuova partita o
chiude il programma.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Regole del gioco</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clone&lt;/b&gt;: white copies itself to the red cell; the yellow piece beside it turns white.</source>
        <translation>&lt;b&gt;Clonazione&lt;/b&gt;: il bianco si copia sulla casella rossa; la pedina gialla accanto diventa bianca.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Jump&lt;/b&gt;: white jumps to the yellow cell two steps away; the cell it left is empty.</source>
        <translation>&lt;b&gt;Salto&lt;/b&gt;: il bianco salta sulla casella gialla a due passi; la casella lasciata resta vuota.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizia</translation>
    </message>
    <message>
        <source>Send Message</source>
        <translation>Invia messaggio</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tavoliere</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>American</source>
        <translation>Americano</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Svedese</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Argomenti della guida</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Informazioni di sistema</translation>
    </message>
    <message>
        <source>About Tessaron</source>
        <translation>Informazioni su Tessaron</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>What&apos;s your Message ?</source>
        <translation>Qual è il tuo messaggio?</translation>
    </message>
</context>
<context>
    <name>MoveList</name>
    <message>
        <source>%1: average loss %2, %3 ?!, %4 ?, %5 ??</source>
        <translation>%1: perdita media %2, %3 ?!, %4 ?, %5 ??</translation>
    </message>
    <message>
        <source>Move List</source>
        <translation>Elenco mosse</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Rivedi</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Seconds a move</source>
        <translation>Secondi per mossa</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Review level</source>
        <translation>Livello di analisi</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>%1. Player %2 (%3): %4</source>
        <extracomment>%1 the move&apos;s number, %2 the player, %3 its colour, %4 the move as in 5-3-6-4-1.</extracomment>
        <translation>%1. Giocatore %2 (%3): %4</translation>
    </message>
    <message>
        <source>white</source>
        <translation>bianco</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>giallo</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
</context>
<context>
    <name>MovesMenu</name>
    <message>
        <source>Tessaron games (*.tgame);;All files (*)</source>
        <translation>Partite di Tessaron (*.tgame);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>&amp;Moves</source>
        <translation>&amp;Mosse</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Move List</source>
        <translation>Elenco mosse</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>Show Last Move</source>
        <translation>Mostra ultima mossa</translation>
    </message>
    <message>
        <source>Save Game…</source>
        <translation>Salva partita…</translation>
    </message>
    <message>
        <source>Open Game…</source>
        <translation>Apri partita…</translation>
    </message>
    <message>
        <source>Resume Last Game</source>
        <translation>Riprendi ultima partita</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Regole del gioco</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Salva partita</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Apri partita</translation>
    </message>
    <message>
        <source>%1 is not a game this program can open.
%2</source>
        <translation>%1 non è una partita che questo programma può aprire.
%2</translation>
    </message>
    <message>
        <source>The unfinished game could not be kept for Resume Last Game.
</source>
        <translation>Non è stato possibile conservare la partita non finita per Riprendi ultima partita.
</translation>
    </message>
    <message>
        <source>The kept game cannot be resumed.
%1</source>
        <translation>La partita conservata non può essere ripresa.
%1</translation>
    </message>
</context>
<context>
    <name>NetworkGame</name>
    <message>
        <source>(1 earlier message was not shown: it came too fast)</source>
        <translation>(1 messaggio precedente non è stato mostrato: è arrivato troppo in fretta)</translation>
    </message>
    <message>
        <source>(%1 earlier messages were not shown: they came too fast)</source>
        <translation>(%1 messaggi precedenti non sono stati mostrati: sono arrivati troppo in fretta)</translation>
    </message>
    <message>
        <source>[%1 more characters not shown]</source>
        <translation>[altri %1 caratteri non mostrati]</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossibile aprire il file %1</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>Choose your partner !</source>
        <translation>Scegli il tuo avversario!</translation>
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
        <translation>Fatto in casa</translation>
    </message>
    <message>
        <source>Branch:</source>
        <translation>Rami:</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Umano</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>Level :</source>
        <translation>Livello:</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Address IP of your opponent</source>
        <translation>Indirizzo IP del tuo avversario</translation>
    </message>
    <message>
        <source>Port of your opponent</source>
        <translation>Porta del tuo avversario</translation>
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
        <translation>Annulla</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
</context>
<context>
    <name>ReviewGraph</name>
    <message>
        <source>Review graph</source>
        <translation>Grafico di analisi</translation>
    </message>
    <message>
        <source>%1. not reviewed yet</source>
        <translation>%1. non ancora analizzata</translation>
    </message>
    <message>
        <source>%1. %2 %3: value %4
best %5: %6, loss %7%8</source>
        <translation>%1. %2 %3: valore %4
migliore %5: %6, perdita %7%8</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
</context>
<context>
    <name>ShownText</name>
    <message>
        <source>Player 1 won the game</source>
        <translation>Il giocatore 1 ha vinto la partita</translation>
    </message>
    <message>
        <source>Player 2 won the game</source>
        <translation>Il giocatore 2 ha vinto la partita</translation>
    </message>
    <message>
        <source>Congratulation ! You win !</source>
        <translation>Complimenti! Hai vinto!</translation>
    </message>
    <message>
        <source>Game Lost, maybe next time...</source>
        <translation>Partita persa, sarà per la prossima volta…</translation>
    </message>
    <message>
        <source>Congratulation ! You did it !</source>
        <translation>Complimenti! Ce l’hai fatta!</translation>
    </message>
    <message>
        <source>Maybe next time...You&apos;ll beat him.</source>
        <translation>Forse la prossima volta… lo batterai.</translation>
    </message>
    <message>
        <source>It is a draw !</source>
        <translation>Pareggio!</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is the line&apos;s number, %2 the reason (one of the texts below).</extracomment>
        <translation>Riga %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than any game can be</source>
        <translation>il file è più grande di qualunque partita</translation>
    </message>
    <message>
        <source>the file ends here: it is cut short (its last line must be &quot;end&quot;)</source>
        <translation>il file finisce qui: è troncato (l’ultima riga deve essere «end»)</translation>
    </message>
    <message>
        <source>the file is empty, it is not a Tessaron game</source>
        <translation>il file è vuoto, non è una partita di Tessaron</translation>
    </message>
    <message>
        <source>this is not a Tessaron game (the first line must be &quot;Tessaron game %1&quot;)</source>
        <translation>non è una partita di Tessaron (la prima riga deve essere «Tessaron game %1»)</translation>
    </message>
    <message>
        <source>the version must be a number, as in &quot;Tessaron game 1&quot;</source>
        <translation>la versione deve essere un numero, come in «Tessaron game 1»</translation>
    </message>
    <message>
        <source>version %1 of the game file is unknown (this program reads version %2)</source>
        <translation>la versione %1 del file di partita è sconosciuta (questo programma legge la versione %2)</translation>
    </message>
    <message>
        <source>expected the layout: &quot;layout Standard&quot;, &quot;layout American&quot; or &quot;layout Swedish&quot;</source>
        <translation>attesa la disposizione: «layout Standard», «layout American» o «layout Swedish»</translation>
    </message>
    <message>
        <source>expected &quot;player %1 KIND level L branch B algorithm NAME&quot; with KIND Human or Computer, L 0 to 8, B 3 to 30 and NAME Complete, Branch and Bound, Alpha-Beta or Home Made</source>
        <translation>atteso «player %1 KIND level L branch B algorithm NAME» con KIND Human o Computer, L da 0 a 8, B da 3 a 30 e NAME Complete, Branch and Bound, Alpha-Beta o Home Made</translation>
    </message>
    <message>
        <source>expected the line &quot;moves&quot;</source>
        <translation>attesa la riga «moves»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a move (five numbers joined by &quot;-&quot;, as in 5-3-6-4-1)</source>
        <translation>«%1» non è una mossa (cinque numeri uniti da «-», come in 5-3-6-4-1)</translation>
    </message>
    <message>
        <source>the move %1 is not legal for player %2 in this position</source>
        <translation>la mossa %1 non è valida per il giocatore %2 in questa posizione</translation>
    </message>
    <message>
        <source>nothing may follow the line &quot;end&quot;</source>
        <translation>nulla può seguire la riga «end»</translation>
    </message>
    <message>
        <source>this is not a plain file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>il file non può essere letto: %1</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Impossibile leggere i dati di «%1»</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo di dati non valido per «%1»</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Impossibile scrivere i dati di «%1»</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Non connesso</translation>
    </message>
    <message>
        <source>Trying to connect to %1 at port %2</source>
        <translation>Connessione a %1 sulla porta %2 in corso</translation>
    </message>
    <message>
        <source>%1 Listening on port: %2</source>
        <translation>%1 in ascolto sulla porta: %2</translation>
    </message>
    <message>
        <source>Connected on local port %1</source>
        <translation>Connesso sulla porta locale %1</translation>
    </message>
    <message>
        <source>Connection accepted for %1 on port %2</source>
        <translation>Connessione accettata per %1 sulla porta %2</translation>
    </message>
    <message>
        <source>Connection closed by Player 1 </source>
        <translation>Connessione chiusa dal giocatore 1 </translation>
    </message>
    <message>
        <source>Connection closed by Player 2 </source>
        <translation>Connessione chiusa dal giocatore 2 </translation>
    </message>
    <message>
        <source>Message from Player %1</source>
        <translation>Messaggio dal giocatore %1</translation>
    </message>
    <message>
        <source>Messages from Player %1 came too fast: %2 not shown</source>
        <translation>Messaggi dal giocatore %1 troppo veloci: %2 non mostrati</translation>
    </message>
    <message>
        <source>Refused move &quot;%1&quot;: %2</source>
        <extracomment>%1 is the received line as it came, %2 the reason (one of the texts below).</extracomment>
        <translation>Mossa rifiutata «%1»: %2</translation>
    </message>
    <message>
        <source>its fields are not numbers</source>
        <translation>i suoi campi non sono numeri</translation>
    </message>
    <message>
        <source>a cell is off the board</source>
        <translation>una casella è fuori dal tavoliere</translation>
    </message>
    <message>
        <source>a clone goes one cell and a jump two</source>
        <translation>una clonazione va di una casella e un salto di due</translation>
    </message>
    <message>
        <source>no game is running</source>
        <translation>nessuna partita in corso</translation>
    </message>
    <message>
        <source>it is not Player %1&apos;s turn</source>
        <translation>non è il turno del giocatore %1</translation>
    </message>
    <message>
        <source>not a legal move of Player %1</source>
        <translation>mossa non valida del giocatore %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» non è un numero intero valido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid port number</source>
        <translation>«%1» non è un numero di porta valido</translation>
    </message>
    <message>
        <source>%1 TCP/IP sockets (IPv4 and IPv6 stream, non-blocking)</source>
        <translation>Socket TCP/IP di %1 (stream IPv4 e IPv6, non bloccanti)</translation>
    </message>
    <message>
        <source>Running, no interface is up</source>
        <translation>In funzione, nessuna interfaccia attiva</translation>
    </message>
    <message>
        <source>Running on %1</source>
        <translation>In funzione su %1</translation>
    </message>
    <message>
        <source>Interrupted system call</source>
        <translation>Chiamata di sistema interrotta</translation>
    </message>
    <message>
        <source>Bad file number</source>
        <translation>Numero di file errato</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permesso negato</translation>
    </message>
    <message>
        <source>Bad address</source>
        <translation>Indirizzo errato</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argomento non valido</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Troppi file aperti</translation>
    </message>
    <message>
        <source>Operation would block</source>
        <translation>L’operazione si bloccherebbe</translation>
    </message>
    <message>
        <source>Operation now in progress</source>
        <translation>Operazione in corso</translation>
    </message>
    <message>
        <source>Operation already in progress</source>
        <translation>Operazione già in corso</translation>
    </message>
    <message>
        <source>Socket operation on nonsocket</source>
        <translation>Operazione di socket su un non-socket</translation>
    </message>
    <message>
        <source>Destination address required</source>
        <translation>Indirizzo di destinazione richiesto</translation>
    </message>
    <message>
        <source>Message too long</source>
        <translation>Messaggio troppo lungo</translation>
    </message>
    <message>
        <source>Protocol wrong type for socket</source>
        <translation>Tipo di protocollo errato per il socket</translation>
    </message>
    <message>
        <source>Protocol not available</source>
        <translation>Protocollo non disponibile</translation>
    </message>
    <message>
        <source>Protocol not supported</source>
        <translation>Protocollo non supportato</translation>
    </message>
    <message>
        <source>Socket not supported</source>
        <translation>Socket non supportato</translation>
    </message>
    <message>
        <source>Operation not supported on socket</source>
        <translation>Operazione non supportata sul socket</translation>
    </message>
    <message>
        <source>Protocol family not supported</source>
        <translation>Famiglia di protocolli non supportata</translation>
    </message>
    <message>
        <source>Address family not supported</source>
        <translation>Famiglia di indirizzi non supportata</translation>
    </message>
    <message>
        <source>Address already in use</source>
        <translation>Indirizzo già in uso</translation>
    </message>
    <message>
        <source>Can&apos;t assign requested address</source>
        <translation>Impossibile assegnare l’indirizzo richiesto</translation>
    </message>
    <message>
        <source>Network is down</source>
        <translation>La rete non è attiva</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>La rete non è raggiungibile</translation>
    </message>
    <message>
        <source>Network dropped connection on reset</source>
        <translation>La rete ha interrotto la connessione al ripristino</translation>
    </message>
    <message>
        <source>Software caused connection abort</source>
        <translation>Connessione interrotta dal software</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>Connessione ripristinata dall’altro capo</translation>
    </message>
    <message>
        <source>No buffer space available</source>
        <translation>Spazio di buffer esaurito</translation>
    </message>
    <message>
        <source>Socket is already connected</source>
        <translation>Il socket è già connesso</translation>
    </message>
    <message>
        <source>Socket is not connected</source>
        <translation>Il socket non è connesso</translation>
    </message>
    <message>
        <source>Can&apos;t send after socket shutdown</source>
        <translation>Impossibile inviare dopo la chiusura del socket</translation>
    </message>
    <message>
        <source>Too many references:can&apos;t splice</source>
        <translation>Troppi riferimenti: impossibile unire</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Tempo di connessione scaduto</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Connessione rifiutata</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Troppi livelli di collegamenti simbolici</translation>
    </message>
    <message>
        <source>File name is too long</source>
        <translation>Nome del file troppo lungo</translation>
    </message>
    <message>
        <source>Host is down</source>
        <translation>L’host non è attivo</translation>
    </message>
    <message>
        <source>No route to host</source>
        <translation>Nessun percorso verso l’host</translation>
    </message>
    <message>
        <source>Directory is not empty</source>
        <translation>La cartella non è vuota</translation>
    </message>
    <message>
        <source>Too many processes</source>
        <translation>Troppi processi</translation>
    </message>
    <message>
        <source>Too many users</source>
        <translation>Troppi utenti</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Quota del disco superata</translation>
    </message>
    <message>
        <source>Stale NFS file handle</source>
        <translation>Handle di file NFS non più valido</translation>
    </message>
    <message>
        <source>Too many levels of remote in path</source>
        <translation>Troppi livelli remoti nel percorso</translation>
    </message>
    <message>
        <source>Network subsystem is unusable</source>
        <translation>Il sottosistema di rete è inutilizzabile</translation>
    </message>
    <message>
        <source>Winsock DLL cannot support this application</source>
        <translation>La DLL Winsock non supporta questa applicazione</translation>
    </message>
    <message>
        <source>Winsock not initialized</source>
        <translation>Winsock non inizializzato</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>Host non trovato</translation>
    </message>
    <message>
        <source>Non authoritative - host not found</source>
        <translation>Risposta non autorevole: host non trovato</translation>
    </message>
    <message>
        <source>Non recoverable error</source>
        <translation>Errore irreparabile</translation>
    </message>
    <message>
        <source>Valid name, no data record of requested type</source>
        <translation>Nome valido, nessun record del tipo richiesto</translation>
    </message>
    <message>
        <source>Not a Winsock error</source>
        <translation>Non è un errore Winsock</translation>
    </message>
</context>
<context>
    <name>StrengthTable</name>
    <message>
        <source>under 0.001 s</source>
        <translation>meno di 0,001 s</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1, level %2, branch %3</source>
        <translation>%1, livello %2, %3 rami</translation>
    </message>
    <message>
        <source>%1, level %2</source>
        <translation>%1, livello %2</translation>
    </message>
    <message>
        <source>%1: rated about %2, %3 a move</source>
        <translation>%1: punteggio di circa %2, %3 a mossa</translation>
    </message>
    <message>
        <source>at branch %1 rated about %2, %3 a move</source>
        <translation>con %1 rami, punteggio di circa %2, %3 a mossa</translation>
    </message>
    <message>
        <source>%1: not measured</source>
        <translation>%1: non misurato</translation>
    </message>
    <message>
        <source>%1: not measured; %2</source>
        <translation>%1: non misurato; %2</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>%1 (branch %2)</source>
        <translation>%1 (%2 rami)</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Computer player</source>
        <translation>Giocatore computer</translation>
    </message>
    <message>
        <source>Time a move</source>
        <translation>Tempo a mossa</translation>
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
        <translation>Quanto gioca forte il computer</translation>
    </message>
    <message>
        <source>Each setting of the computer was rated in games against its neighbours, on one scale on which Alpha-Beta at level 0 stands at 1000. A player rated 200 higher wins about three games in four; the ± gives the 95% interval of the measurement. The time is the median time a move on a two-core computer.</source>
        <translation>Ogni impostazione del computer è stata valutata in partite contro le vicine, su un’unica scala in cui Alfa-Beta al livello 0 vale 1000. Un giocatore valutato 200 punti in più vince circa tre partite su quattro; il ± indica l’intervallo al 95% della misura. Il tempo è il tempo mediano a mossa su un computer a due core.</translation>
    </message>
</context>
<context>
    <name>SystemInformation</name>
    <message>
        <source>System Information</source>
        <translation>Informazioni di sistema</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Description: </source>
        <translation>Descrizione: </translation>
    </message>
    <message>
        <source>SystemStatus: </source>
        <translation>Stato del sistema: </translation>
    </message>
    <message>
        <source>Local Host Name: </source>
        <translation>Nome host locale: </translation>
    </message>
    <message>
        <source>It will not work in Network mode</source>
        <translation>Il gioco in rete non funzionerà</translation>
    </message>
    <message>
        <source>because you don&apos;t have an IP Address !</source>
        <translation>perché non hai un indirizzo IP!</translation>
    </message>
    <message>
        <source>Local Host Address: </source>
        <translation>Indirizzo host locale: </translation>
    </message>
</context>
</TS>
