<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Brett</translation>
    </message>
    <message>
        <source>white piece</source>
        <translation>weißer Stein</translation>
    </message>
    <message>
        <source>yellow piece</source>
        <translation>gelber Stein</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Row %1, column %2: %3</source>
        <translation>Reihe %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>%1: %2-%3 to %4-%5, %6, %7 captured. %8 to move.</source>
        <extracomment>%1 the mover&apos;s colour, %2-%3 and %4-%5 the cells, %6 clone or jump, %7 a count, %8 the next colour.</extracomment>
        <translation>%1: %2-%3 nach %4-%5, %6, %7 umgedreht. %8 am Zug.</translation>
    </message>
    <message>
        <source>clone</source>
        <translation>Klon</translation>
    </message>
    <message>
        <source>jump</source>
        <translation>Sprung</translation>
    </message>
    <message>
        <source>%1: 1 piece</source>
        <translation>%1: 1 Stein</translation>
    </message>
    <message>
        <source>%1: %2 pieces</source>
        <translation>%1: %2 Steine</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>GamePlay</name>
    <message>
        <source>Results:</source>
        <translation>Ergebnis:</translation>
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
        <translation>&lt;h3&gt;Das Spiel&lt;/h3&gt;
&lt;p&gt;Zwei Spieler teilen sich ein sechseckiges Brett mit 58 Feldern. Spieler 1 spielt Weiß und zieht zuerst,
Spieler 2 spielt Gelb. Wer am Zug ist, zieht einen seiner Steine auf ein leeres Feld:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Klon&lt;/b&gt;: auf ein Nachbarfeld (leuchtet &lt;span style=&quot;color:#d00000&quot;&gt;rot&lt;/span&gt;). Der Stein wird
verdoppelt; dein Stein auf dem Ausgangsfeld bleibt stehen.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Sprung&lt;/b&gt;: auf ein Feld zwei Schritte entfernt (leuchtet &lt;span style=&quot;color:#b0a000&quot;&gt;gelb&lt;/span&gt;). Der Stein
zieht; sein Ausgangsfeld wird leer.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;&lt;b&gt;Umdrehen&lt;/b&gt;: jeder gegnerische Stein neben dem Zielfeld wird deiner.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Das Ende&lt;/b&gt;: Wer nicht mehr ziehen kann, beendet die Partie. Der andere Spieler bekommt alle
leeren Felder; wer mehr Steine hat, gewinnt. Die Zahl neben jeder Marke oben links ist
die Zahl der Steine dieses Spielers.&lt;/p&gt;
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
        <translation>&lt;h3&gt;Spielen&lt;/h3&gt;
&lt;p&gt;Wähle Spiel &amp;gt; Starten. Klicke einen deiner Steine an, fahre mit dem Zeiger über ein leeres Feld,
bis es rot oder gelb leuchtet, und klicke. Ein erneuter Klick auf den Stein lässt dich einen anderen wählen.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Mit der Tastatur&lt;/b&gt;: Beim Start einer Partie hat das Brett den Tastaturfokus (Tab oder ein Klick
gibt ihn zurück) und zeigt einen Cursor, einen gestrichelten weißen Rand. Die Pfeiltasten bewegen ihn: Hoch und Runter
entlang der Feldspalte auf dem Bildschirm, Links und Rechts zur nächsten Spalte auf gleicher Höhe. Leertaste
oder Eingabe auf deinem Stein wählt ihn, auf einem leuchtenden Feld spielt sie den Zug; Escape hebt die Wahl auf.
Oder tippe die vier Ziffern des Zuges, von Reihe und Spalte nach Reihe und Spalte, etwa 3 7 3 6. Ein
Bildschirmleser nennt jedes Feld (Reihe 3, Spalte 7: weißer Stein) und sagt jeden Zug an.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Players and levels&lt;/h3&gt;
&lt;p&gt;Options &amp;gt; Players makes each side a person or the computer. The computer searches with one
of four algorithms (Complete, Branch and Bound, Alpha-Beta, or the selective Home Made, which keeps
only its best few moves per position) and a level of 0 to 8: each level looks one move further
ahead and takes longer. Options &amp;gt; Board chooses the starting layout of the next game.&lt;/p&gt;
</source>
        <translation>&lt;h3&gt;Spieler und Stufen&lt;/h3&gt;
&lt;p&gt;Optionen &amp;gt; Spieler macht jede Seite zu einem Menschen oder zum Computer. Der Computer sucht mit einem
von vier Verfahren (Vollständig, Branch and Bound, Alpha-Beta oder dem selektiven Eigenbau, der nur
seine besten paar Züge je Stellung behält) und einer Stufe von 0 bis 8: Jede Stufe rechnet einen Zug weiter
voraus und dauert länger. Optionen &amp;gt; Brett wählt die Anfangsaufstellung der nächsten Partie.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Network play&lt;/h3&gt;
&lt;p&gt;One player makes player 1 Network (this copy waits on the given port), the other makes player 2
Network (this copy connects to the given host and port); both choose Game &amp;gt; Start. Game &amp;gt;
Send Message sends a line of text, Game &amp;gt; Disconnect ends the game.&lt;/p&gt;
</source>
        <translation>&lt;h3&gt;Netzwerkspiel&lt;/h3&gt;
&lt;p&gt;Ein Spieler stellt Spieler 1 auf Netzwerk (diese Kopie wartet am angegebenen Port), der andere stellt Spieler 2
auf Netzwerk (diese Kopie verbindet sich mit dem angegebenen Host und Port); beide wählen Spiel &amp;gt; Starten. Spiel &amp;gt;
Nachricht senden schickt eine Textzeile, Spiel &amp;gt; Trennen beendet die Partie.&lt;/p&gt;
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
        <translation>&lt;h3&gt;Das Menü Züge&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Rückgängig&lt;/b&gt; (Strg+Z) und &lt;b&gt;Wiederholen&lt;/b&gt; (Strg+Umschalt+Z oder Strg+Y) gehen durch die Partie. Gegen
den Computer nimmt Rückgängig deinen Zug samt seiner Antwort zurück. Nach dem Ergebnis nimmt Rückgängig
den letzten Zug zurück, und die Partie geht weiter.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Zugliste&lt;/b&gt; zeigt die Züge; ein Klick auf eine Zeile führt zu dieser Stellung. Ihre Grafik bewertet
die Partie mit der vollständigen Suche auf der darunter gewählten Prüfstufe: den Wert für Weiß nach
jedem Zug (Weiß über der Achse, Gelb darunter) und Zeichen an den Zügen, die 2 oder mehr
gegenüber dem besten Zug verloren: &lt;span style=&quot;color:#286ef0&quot;&gt;?!&lt;/span&gt; 2 oder mehr,
&lt;span style=&quot;color:#f08200&quot;&gt;?&lt;/span&gt; 4 oder mehr, &lt;span style=&quot;color:#dc0000&quot;&gt;??&lt;/span&gt; 8 oder mehr.
Zeige auf einen Zug, um ihn zu lesen, klicke ihn an, um dorthin zu gehen. Abspielen spielt die Partie von vorn im
daneben gewählten Tempo nach; Pause hält ein Nachspielen oder eine Partie zweier Computer an.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Tipp&lt;/b&gt; (H) zeigt den besten Zug für die Seite am Zug.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Letzten Zug zeigen&lt;/b&gt; umrandet die beiden Felder des letzten Zuges grün.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Partie speichern&lt;/b&gt; (Strg+S) und &lt;b&gt;Partie öffnen&lt;/b&gt; (Strg+O) bewahren eine Partie in einer kleinen Textdatei auf;
&lt;b&gt;Letzte Partie fortsetzen&lt;/b&gt; holt die lokale Partie zurück, die beim letzten Schließen unbeendet blieb, aufbewahrt
als lastgame.tgame neben der Einstellungsdatei (~/.config/Tessaron/, sofern XDG_CONFIG_HOME nichts
anderes sagt).&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Tasten: Alt+S, Alt+O, Alt+Z und Alt+H öffnen die Menüs; F1 oder Hilfe &amp;gt; Hilfethemen öffnet dieses
Fenster. Nur die Einträge des Menüs Züge haben eigene Tasten: Keine verirrte Taste startet eine neue Partie oder
schließt das Programm.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clone&lt;/b&gt;: white copies itself to the red cell; the yellow piece beside it turns white.</source>
        <translation>&lt;b&gt;Klon&lt;/b&gt;: Weiß verdoppelt sich auf das rote Feld; der gelbe Stein daneben wird weiß.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Jump&lt;/b&gt;: white jumps to the yellow cell two steps away; the cell it left is empty.</source>
        <translation>&lt;b&gt;Sprung&lt;/b&gt;: Weiß springt auf das gelbe Feld zwei Schritte weiter; sein altes Feld wird leer.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Send Message</source>
        <translation>Nachricht senden</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Brett</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>American</source>
        <translation>Amerikanisch</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Schwedisch</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Systeminformationen</translation>
    </message>
    <message>
        <source>About Tessaron</source>
        <translation>Über Tessaron</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>What&apos;s your Message ?</source>
        <translation>Deine Nachricht?</translation>
    </message>
</context>
<context>
    <name>MoveList</name>
    <message>
        <source>%1: average loss %2, %3 ?!, %4 ?, %5 ??</source>
        <translation>%1: Verlust im Schnitt %2, %3 ?!, %4 ?, %5 ??</translation>
    </message>
    <message>
        <source>Move List</source>
        <translation>Zugliste</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Seconds a move</source>
        <translation>Sekunden je Zug</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Review level</source>
        <translation>Prüfstufe</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>%1. Player %2 (%3): %4</source>
        <extracomment>%1 the move&apos;s number, %2 the player, %3 its colour, %4 the move as in 5-3-6-4-1.</extracomment>
        <translation>%1. Spieler %2 (%3): %4</translation>
    </message>
    <message>
        <source>white</source>
        <translation>weiß</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>MovesMenu</name>
    <message>
        <source>Tessaron games (*.tgame);;All files (*)</source>
        <translation>Tessaron-Partien (*.tgame);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;Moves</source>
        <translation>&amp;Züge</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Move List</source>
        <translation>Zugliste</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Show Last Move</source>
        <translation>Letzten Zug zeigen</translation>
    </message>
    <message>
        <source>Save Game…</source>
        <translation>Partie speichern…</translation>
    </message>
    <message>
        <source>Open Game…</source>
        <translation>Partie öffnen…</translation>
    </message>
    <message>
        <source>Resume Last Game</source>
        <translation>Letzte Partie fortsetzen</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Partie speichern</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Partie öffnen</translation>
    </message>
    <message>
        <source>%1 is not a game this program can open.
%2</source>
        <translation>%1 ist keine Partie, die dieses Programm öffnen kann.
%2</translation>
    </message>
    <message>
        <source>The unfinished game could not be kept for Resume Last Game.
</source>
        <translation>Die unbeendete Partie konnte nicht für „Letzte Partie fortsetzen“ aufbewahrt werden.
</translation>
    </message>
    <message>
        <source>The kept game cannot be resumed.
%1</source>
        <translation>Die aufbewahrte Partie kann nicht fortgesetzt werden.
%1</translation>
    </message>
</context>
<context>
    <name>NetworkGame</name>
    <message>
        <source>(1 earlier message was not shown: it came too fast)</source>
        <translation>(1 frühere Nachricht wurde nicht gezeigt: Sie kam zu schnell)</translation>
    </message>
    <message>
        <source>(%1 earlier messages were not shown: they came too fast)</source>
        <translation>(%1 frühere Nachrichten wurden nicht gezeigt: Sie kamen zu schnell)</translation>
    </message>
    <message>
        <source>[%1 more characters not shown]</source>
        <translation>[%1 weitere Zeichen nicht gezeigt]</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Datei %1 kann nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>Choose your partner !</source>
        <translation>Wähle deinen Gegner!</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Vollständig</translation>
    </message>
    <message>
        <source>Branch and Bound</source>
        <translation>Branch and Bound</translation>
    </message>
    <message>
        <source>Alpha-Beta</source>
        <translation>Alpha-Beta</translation>
    </message>
    <message>
        <source>Home Made</source>
        <translation>Eigenbau</translation>
    </message>
    <message>
        <source>Branch:</source>
        <translation>Zweige:</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Mensch</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Level :</source>
        <translation>Stufe:</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Address IP of your opponent</source>
        <translation>IP-Adresse deines Gegners</translation>
    </message>
    <message>
        <source>Port of your opponent</source>
        <translation>Port deines Gegners</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>Port:</translation>
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
        <translation>Abbrechen</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>ReviewGraph</name>
    <message>
        <source>Review graph</source>
        <translation>Bewertungsgrafik</translation>
    </message>
    <message>
        <source>%1. not reviewed yet</source>
        <translation>%1. noch nicht bewertet</translation>
    </message>
    <message>
        <source>%1. %2 %3: value %4
best %5: %6, loss %7%8</source>
        <translation>%1. %2 %3: Wert %4
bester %5: %6, Verlust %7%8</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
</context>
<context>
    <name>ShownText</name>
    <message>
        <source>Player 1 won the game</source>
        <translation>Spieler 1 hat die Partie gewonnen</translation>
    </message>
    <message>
        <source>Player 2 won the game</source>
        <translation>Spieler 2 hat die Partie gewonnen</translation>
    </message>
    <message>
        <source>Congratulation ! You win !</source>
        <translation>Glückwunsch! Du gewinnst!</translation>
    </message>
    <message>
        <source>Game Lost, maybe next time...</source>
        <translation>Partie verloren, vielleicht beim nächsten Mal …</translation>
    </message>
    <message>
        <source>Congratulation ! You did it !</source>
        <translation>Glückwunsch! Du hast es geschafft!</translation>
    </message>
    <message>
        <source>Maybe next time...You&apos;ll beat him.</source>
        <translation>Vielleicht beim nächsten Mal … dann schlägst du ihn.</translation>
    </message>
    <message>
        <source>It is a draw !</source>
        <translation>Unentschieden!</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is the line&apos;s number, %2 the reason (one of the texts below).</extracomment>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than any game can be</source>
        <translation>die Datei ist größer, als eine Partie sein kann</translation>
    </message>
    <message>
        <source>the file ends here: it is cut short (its last line must be &quot;end&quot;)</source>
        <translation>die Datei endet hier: Sie ist abgeschnitten (ihre letzte Zeile muss „end“ sein)</translation>
    </message>
    <message>
        <source>the file is empty, it is not a Tessaron game</source>
        <translation>die Datei ist leer, sie ist keine Tessaron-Partie</translation>
    </message>
    <message>
        <source>this is not a Tessaron game (the first line must be &quot;Tessaron game %1&quot;)</source>
        <translation>das ist keine Tessaron-Partie (die erste Zeile muss „Tessaron game %1“ lauten)</translation>
    </message>
    <message>
        <source>the version must be a number, as in &quot;Tessaron game 1&quot;</source>
        <translation>die Version muss eine Zahl sein, wie in „Tessaron game 1“</translation>
    </message>
    <message>
        <source>version %1 of the game file is unknown (this program reads version %2)</source>
        <translation>Version %1 der Partiedatei ist unbekannt (dieses Programm liest Version %2)</translation>
    </message>
    <message>
        <source>expected the layout: &quot;layout Standard&quot;, &quot;layout American&quot; or &quot;layout Swedish&quot;</source>
        <translation>erwartet wird die Aufstellung: „layout Standard“, „layout American“ oder „layout Swedish“</translation>
    </message>
    <message>
        <source>expected &quot;player %1 KIND level L branch B algorithm NAME&quot; with KIND Human or Computer, L 0 to 8, B 3 to 30 and NAME Complete, Branch and Bound, Alpha-Beta or Home Made</source>
        <translation>erwartet wird „player %1 KIND level L branch B algorithm NAME“ mit KIND Human oder Computer, L 0 bis 8, B 3 bis 30 und NAME Complete, Branch and Bound, Alpha-Beta oder Home Made</translation>
    </message>
    <message>
        <source>expected the line &quot;moves&quot;</source>
        <translation>erwartet wird die Zeile „moves“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a move (five numbers joined by &quot;-&quot;, as in 5-3-6-4-1)</source>
        <translation>„%1“ ist kein Zug (fünf Zahlen, mit „-“ verbunden, wie in 5-3-6-4-1)</translation>
    </message>
    <message>
        <source>the move %1 is not legal for player %2 in this position</source>
        <translation>der Zug %1 ist für Spieler %2 in dieser Stellung nicht erlaubt</translation>
    </message>
    <message>
        <source>nothing may follow the line &quot;end&quot;</source>
        <translation>nach der Zeile „end“ darf nichts mehr folgen</translation>
    </message>
    <message>
        <source>this is not a plain file</source>
        <translation>das ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>die Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Daten für „%1“ konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Ungültiger Datentyp für „%1“</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Daten für „%1“ konnten nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Trying to connect to %1 at port %2</source>
        <translation>Verbindung zu %1 an Port %2 wird aufgebaut</translation>
    </message>
    <message>
        <source>%1 Listening on port: %2</source>
        <translation>%1 wartet an Port: %2</translation>
    </message>
    <message>
        <source>Connected on local port %1</source>
        <translation>Verbunden über lokalen Port %1</translation>
    </message>
    <message>
        <source>Connection accepted for %1 on port %2</source>
        <translation>Verbindung von %1 an Port %2 angenommen</translation>
    </message>
    <message>
        <source>Connection closed by Player 1 </source>
        <translation>Verbindung von Spieler 1 getrennt </translation>
    </message>
    <message>
        <source>Connection closed by Player 2 </source>
        <translation>Verbindung von Spieler 2 getrennt </translation>
    </message>
    <message>
        <source>Message from Player %1</source>
        <translation>Nachricht von Spieler %1</translation>
    </message>
    <message>
        <source>Messages from Player %1 came too fast: %2 not shown</source>
        <translation>Nachrichten von Spieler %1 kamen zu schnell: %2 nicht gezeigt</translation>
    </message>
    <message>
        <source>Refused move &quot;%1&quot;: %2</source>
        <extracomment>%1 is the received line as it came, %2 the reason (one of the texts below).</extracomment>
        <translation>Abgelehnter Zug „%1“: %2</translation>
    </message>
    <message>
        <source>its fields are not numbers</source>
        <translation>seine Felder sind keine Zahlen</translation>
    </message>
    <message>
        <source>a cell is off the board</source>
        <translation>ein Feld liegt außerhalb des Bretts</translation>
    </message>
    <message>
        <source>a clone goes one cell and a jump two</source>
        <translation>ein Klon geht ein Feld weit, ein Sprung zwei</translation>
    </message>
    <message>
        <source>no game is running</source>
        <translation>es läuft keine Partie</translation>
    </message>
    <message>
        <source>it is not Player %1&apos;s turn</source>
        <translation>Spieler %1 ist nicht am Zug</translation>
    </message>
    <message>
        <source>not a legal move of Player %1</source>
        <translation>kein erlaubter Zug von Spieler %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid port number</source>
        <translation>„%1“ ist keine gültige Portnummer</translation>
    </message>
    <message>
        <source>%1 TCP/IP sockets (IPv4 and IPv6 stream, non-blocking)</source>
        <translation>%1 TCP/IP-Sockets (IPv4- und IPv6-Stream, nicht blockierend)</translation>
    </message>
    <message>
        <source>Running, no interface is up</source>
        <translation>Läuft, keine Schnittstelle aktiv</translation>
    </message>
    <message>
        <source>Running on %1</source>
        <translation>Läuft über %1</translation>
    </message>
    <message>
        <source>Interrupted system call</source>
        <translation>Unterbrochener Systemaufruf</translation>
    </message>
    <message>
        <source>Bad file number</source>
        <translation>Ungültige Dateinummer</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Bad address</source>
        <translation>Ungültige Adresse</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Ungültiges Argument</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>Operation would block</source>
        <translation>Vorgang würde blockieren</translation>
    </message>
    <message>
        <source>Operation now in progress</source>
        <translation>Vorgang läuft jetzt</translation>
    </message>
    <message>
        <source>Operation already in progress</source>
        <translation>Vorgang läuft bereits</translation>
    </message>
    <message>
        <source>Socket operation on nonsocket</source>
        <translation>Socket-Operation auf einem Nicht-Socket</translation>
    </message>
    <message>
        <source>Destination address required</source>
        <translation>Zieladresse erforderlich</translation>
    </message>
    <message>
        <source>Message too long</source>
        <translation>Nachricht zu lang</translation>
    </message>
    <message>
        <source>Protocol wrong type for socket</source>
        <translation>Protokoll vom falschen Typ für den Socket</translation>
    </message>
    <message>
        <source>Protocol not available</source>
        <translation>Protokoll nicht verfügbar</translation>
    </message>
    <message>
        <source>Protocol not supported</source>
        <translation>Protokoll nicht unterstützt</translation>
    </message>
    <message>
        <source>Socket not supported</source>
        <translation>Socket nicht unterstützt</translation>
    </message>
    <message>
        <source>Operation not supported on socket</source>
        <translation>Vorgang auf dem Socket nicht unterstützt</translation>
    </message>
    <message>
        <source>Protocol family not supported</source>
        <translation>Protokollfamilie nicht unterstützt</translation>
    </message>
    <message>
        <source>Address family not supported</source>
        <translation>Adressfamilie nicht unterstützt</translation>
    </message>
    <message>
        <source>Address already in use</source>
        <translation>Adresse wird bereits verwendet</translation>
    </message>
    <message>
        <source>Can&apos;t assign requested address</source>
        <translation>Gewünschte Adresse kann nicht zugewiesen werden</translation>
    </message>
    <message>
        <source>Network is down</source>
        <translation>Netzwerk ist nicht verfügbar</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>Netzwerk ist nicht erreichbar</translation>
    </message>
    <message>
        <source>Network dropped connection on reset</source>
        <translation>Netzwerk hat die Verbindung beim Zurücksetzen verworfen</translation>
    </message>
    <message>
        <source>Software caused connection abort</source>
        <translation>Verbindungsabbruch durch Software</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>Verbindung von der Gegenseite zurückgesetzt</translation>
    </message>
    <message>
        <source>No buffer space available</source>
        <translation>Kein Pufferspeicher verfügbar</translation>
    </message>
    <message>
        <source>Socket is already connected</source>
        <translation>Socket ist bereits verbunden</translation>
    </message>
    <message>
        <source>Socket is not connected</source>
        <translation>Socket ist nicht verbunden</translation>
    </message>
    <message>
        <source>Can&apos;t send after socket shutdown</source>
        <translation>Senden nach dem Schließen des Sockets nicht möglich</translation>
    </message>
    <message>
        <source>Too many references:can&apos;t splice</source>
        <translation>Zu viele Verweise: Verbinden nicht möglich</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Zeitüberschreitung der Verbindung</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Zu viele Ebenen symbolischer Verknüpfungen</translation>
    </message>
    <message>
        <source>File name is too long</source>
        <translation>Dateiname ist zu lang</translation>
    </message>
    <message>
        <source>Host is down</source>
        <translation>Host ist nicht verfügbar</translation>
    </message>
    <message>
        <source>No route to host</source>
        <translation>Keine Route zum Host</translation>
    </message>
    <message>
        <source>Directory is not empty</source>
        <translation>Verzeichnis ist nicht leer</translation>
    </message>
    <message>
        <source>Too many processes</source>
        <translation>Zu viele Prozesse</translation>
    </message>
    <message>
        <source>Too many users</source>
        <translation>Zu viele Benutzer</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Speicherkontingent überschritten</translation>
    </message>
    <message>
        <source>Stale NFS file handle</source>
        <translation>Veralteter NFS-Dateihandle</translation>
    </message>
    <message>
        <source>Too many levels of remote in path</source>
        <translation>Zu viele entfernte Ebenen im Pfad</translation>
    </message>
    <message>
        <source>Network subsystem is unusable</source>
        <translation>Netzwerk-Subsystem ist unbrauchbar</translation>
    </message>
    <message>
        <source>Winsock DLL cannot support this application</source>
        <translation>Winsock-DLL unterstützt diese Anwendung nicht</translation>
    </message>
    <message>
        <source>Winsock not initialized</source>
        <translation>Winsock nicht initialisiert</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>Host nicht gefunden</translation>
    </message>
    <message>
        <source>Non authoritative - host not found</source>
        <translation>Nicht maßgeblich – Host nicht gefunden</translation>
    </message>
    <message>
        <source>Non recoverable error</source>
        <translation>Nicht behebbarer Fehler</translation>
    </message>
    <message>
        <source>Valid name, no data record of requested type</source>
        <translation>Gültiger Name, kein Datensatz des gewünschten Typs</translation>
    </message>
    <message>
        <source>Not a Winsock error</source>
        <translation>Kein Winsock-Fehler</translation>
    </message>
</context>
<context>
    <name>StrengthTable</name>
    <message>
        <source>under 0.001 s</source>
        <translation>unter 0,001 s</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1, level %2, branch %3</source>
        <translation>%1, Stufe %2, %3 Zweige</translation>
    </message>
    <message>
        <source>%1, level %2</source>
        <translation>%1, Stufe %2</translation>
    </message>
    <message>
        <source>%1: rated about %2, %3 a move</source>
        <translation>%1: Wertung etwa %2, %3 pro Zug</translation>
    </message>
    <message>
        <source>at branch %1 rated about %2, %3 a move</source>
        <translation>mit %1 Zweigen Wertung etwa %2, %3 pro Zug</translation>
    </message>
    <message>
        <source>%1: not measured</source>
        <translation>%1: nicht gemessen</translation>
    </message>
    <message>
        <source>%1: not measured; %2</source>
        <translation>%1: nicht gemessen; %2</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>%1 (branch %2)</source>
        <translation>%1 (%2 Zweige)</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Wertung</translation>
    </message>
    <message>
        <source>Computer player</source>
        <translation>Computerspieler</translation>
    </message>
    <message>
        <source>Time a move</source>
        <translation>Zeit pro Zug</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>How strong the computer plays</source>
        <translation>Wie stark der Computer spielt</translation>
    </message>
    <message>
        <source>Each setting of the computer was rated in games against its neighbours, on one scale on which Alpha-Beta at level 0 stands at 1000. A player rated 200 higher wins about three games in four; the ± gives the 95% interval of the measurement. The time is the median time a move on a two-core computer.</source>
        <translation>Jede Einstellung des Computers wurde in Partien gegen ihre Nachbarn gewertet, auf einer Skala, auf der Alpha-Beta auf Stufe 0 bei 1000 steht. Wer 200 höher gewertet ist, gewinnt etwa drei von vier Partien; das ± gibt das 95-%-Intervall der Messung an. Die Zeit ist die mittlere Zeit pro Zug auf einem Rechner mit zwei Kernen.</translation>
    </message>
</context>
<context>
    <name>SystemInformation</name>
    <message>
        <source>System Information</source>
        <translation>Systeminformationen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Description: </source>
        <translation>Beschreibung: </translation>
    </message>
    <message>
        <source>SystemStatus: </source>
        <translation>Systemstatus: </translation>
    </message>
    <message>
        <source>Local Host Name: </source>
        <translation>Lokaler Hostname: </translation>
    </message>
    <message>
        <source>It will not work in Network mode</source>
        <translation>Im Netzwerkmodus geht es nicht,</translation>
    </message>
    <message>
        <source>because you don&apos;t have an IP Address !</source>
        <translation>denn du hast keine IP-Adresse!</translation>
    </message>
    <message>
        <source>Local Host Address: </source>
        <translation>Lokale Hostadresse: </translation>
    </message>
</context>
</TS>
