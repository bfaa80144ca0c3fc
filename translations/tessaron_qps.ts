<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="qps" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>OK</source>
        <translation>[ÖK]</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>White</source>
        <translation>[Whîţé]</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>[Ýéllöw]</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>[Böàrd]</translation>
    </message>
    <message>
        <source>white piece</source>
        <translation>[whîţé pîéçé]</translation>
    </message>
    <message>
        <source>yellow piece</source>
        <translation>[ýéllöw pîéçé]</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>[émpţý]</translation>
    </message>
    <message>
        <source>Row %1, column %2: %3</source>
        <translation>[Röw %1, çölümñ %2: %3]</translation>
    </message>
    <message>
        <source>%1: %2-%3 to %4-%5, %6, %7 captured. %8 to move.</source>
        <extracomment>%1 the mover's colour, %2-%3 and %4-%5 the cells, %6 clone or jump, %7 a count, %8 the next colour.</extracomment>
        <translation>[%1: %2-%3 ţö %4-%5, %6, %7 çàpţüréd. %8 ţö mövé.]</translation>
    </message>
    <message>
        <source>clone</source>
        <translation>[çlöñé]</translation>
    </message>
    <message>
        <source>jump</source>
        <translation>[jümp]</translation>
    </message>
    <message>
        <source>%1: 1 piece</source>
        <translation>[%1: 1 pîéçé]</translation>
    </message>
    <message>
        <source>%1: %2 pieces</source>
        <translation>[%1: %2 pîéçéś]</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>[Çàññöţ wrîţé %1: %2]</translation>
    </message>
</context>
<context>
    <name>GamePlay</name>
    <message>
        <source>Results:</source>
        <translation>[Réśülţś:]</translation>
    </message>
</context>
<context>
    <name>HowToPlay</name>
    <message>
        <source>&lt;h3&gt;The game&lt;/h3&gt;
&lt;p&gt;Two players share a hexagonal board of 58 cells. Player 1 plays white and moves first,
player 2 plays yellow. On a turn you move one of your pieces to an empty cell:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Clone&lt;/b&gt;: to a neighbouring cell (lit &lt;span style="color:#d00000"&gt;red&lt;/span&gt;). The piece is
copied; your piece on the starting cell stays.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Jump&lt;/b&gt;: to a cell two steps away (lit &lt;span style="color:#b0a000"&gt;yellow&lt;/span&gt;). The piece
moves; its starting cell becomes empty.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;&lt;b&gt;Conversion&lt;/b&gt;: every opponent piece next to the cell you land on becomes yours.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;The end&lt;/b&gt;: a player who cannot move ends the game. The other player receives every
empty cell; the player with more pieces wins. The score beside each marker at the top left is
that player's number of pieces.&lt;/p&gt;
</source>
        <translation>&lt;h3&gt;[Ţhé gàmé&lt;/h3&gt;
&lt;p&gt;Ţwö plàýérś śhàré à héxàgöñàl böàrd öf 58 çéllś. Plàýér 1 plàýś whîţé àñd mövéś fîrśţ,
plàýér 2 plàýś ýéllöw. Öñ à ţürñ ýöü mövé öñé öf ýöür pîéçéś ţö àñ émpţý çéll:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Çlöñé&lt;/b&gt;: ţö à ñéîghböürîñg çéll (lîţ &lt;span style="color:#d00000"&gt;réd&lt;/span&gt;). Ţhé pîéçé îś
çöpîéd; ýöür pîéçé öñ ţhé śţàrţîñg çéll śţàýś.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Jümp&lt;/b&gt;: ţö à çéll ţwö śţépś àwàý (lîţ &lt;span style="color:#b0a000"&gt;ýéllöw&lt;/span&gt;). Ţhé pîéçé
mövéś; îţś śţàrţîñg çéll béçöméś émpţý.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;&lt;b&gt;Çöñvérśîöñ&lt;/b&gt;: évérý öppöñéñţ pîéçé ñéxţ ţö ţhé çéll ýöü làñd öñ béçöméś ýöürś.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Ţhé éñd&lt;/b&gt;: à plàýér whö çàññöţ mövé éñdś ţhé gàmé. Ţhé öţhér plàýér réçéîvéś évérý
émpţý çéll; ţhé plàýér wîţh möré pîéçéś wîñś. Ţhé śçöré béśîdé éàçh màrkér àţ ţhé ţöp léfţ îś
ţhàţ plàýér'ś ñümbér öf pîéçéś.&lt;/p&gt;
]</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Playing&lt;/h3&gt;
&lt;p&gt;Choose Game &amp;gt; Start. Click one of your pieces, move the pointer over an empty cell
until it lights red or yellow, and click. Click the piece again to choose another.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;With the keyboard&lt;/b&gt;: the board has the keyboard focus when a game starts (Tab or a click
gives it back) and shows a cursor, a dashed white outline. The arrow keys move it: Up and Down
along the column of cells on screen, Left and Right to the next column, keeping level. Space
or Return on your piece selects it, on a lit cell plays the move; Escape drops the selection.
Or type the move's four digits, from row and column to row and column, as in 3 7 3 6. A
screen reader names each cell (Row 3, column 7: white piece) and says every move.&lt;/p&gt;
</source>
        <translation>&lt;h3&gt;[Plàýîñg&lt;/h3&gt;
&lt;p&gt;Çhööśé Gàmé &amp;gt; Śţàrţ. Çlîçk öñé öf ýöür pîéçéś, mövé ţhé pöîñţér övér àñ émpţý çéll
üñţîl îţ lîghţś réd ör ýéllöw, àñd çlîçk. Çlîçk ţhé pîéçé àgàîñ ţö çhööśé àñöţhér.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Wîţh ţhé kéýböàrd&lt;/b&gt;: ţhé böàrd hàś ţhé kéýböàrd föçüś whéñ à gàmé śţàrţś (Ţàb ör à çlîçk
gîvéś îţ bàçk) àñd śhöwś à çürśör, à dàśhéd whîţé öüţlîñé. Ţhé àrröw kéýś mövé îţ: Üp àñd Döwñ
àlöñg ţhé çölümñ öf çéllś öñ śçrééñ, Léfţ àñd Rîghţ ţö ţhé ñéxţ çölümñ, kéépîñg lévél. Śpàçé
ör Réţürñ öñ ýöür pîéçé śéléçţś îţ, öñ à lîţ çéll plàýś ţhé mövé; Éśçàpé dröpś ţhé śéléçţîöñ.
Ör ţýpé ţhé mövé'ś föür dîgîţś, fröm röw àñd çölümñ ţö röw àñd çölümñ, àś îñ 3 7 3 6. Å
śçrééñ réàdér ñàméś éàçh çéll (Röw 3, çölümñ 7: whîţé pîéçé) àñd śàýś évérý mövé.&lt;/p&gt;
]</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Players and levels&lt;/h3&gt;
&lt;p&gt;Options &amp;gt; Players makes each side a person or the computer. The computer searches with one
of four algorithms (Complete, Branch and Bound, Alpha-Beta, or the selective Home Made, which keeps
only its best few moves per position) and a level of 0 to 8: each level looks one move further
ahead and takes longer. Options &amp;gt; Board chooses the starting layout of the next game.&lt;/p&gt;
</source>
        <translation>&lt;h3&gt;[Plàýérś àñd lévélś&lt;/h3&gt;
&lt;p&gt;Öpţîöñś &amp;gt; Plàýérś màkéś éàçh śîdé à pérśöñ ör ţhé çömpüţér. Ţhé çömpüţér śéàrçhéś wîţh öñé
öf föür àlgörîţhmś (Çömpléţé, Bràñçh àñd Böüñd, Ålphà-Béţà, ör ţhé śéléçţîvé Hömé Màdé, whîçh kéépś
öñlý îţś béśţ féw mövéś pér pöśîţîöñ) àñd à lévél öf 0 ţö 8: éàçh lévél löökś öñé mövé fürţhér
àhéàd àñd ţàkéś löñgér. Öpţîöñś &amp;gt; Böàrd çhööśéś ţhé śţàrţîñg làýöüţ öf ţhé ñéxţ gàmé.&lt;/p&gt;
]</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Network play&lt;/h3&gt;
&lt;p&gt;One player makes player 1 Network (this copy waits on the given port), the other makes player 2
Network (this copy connects to the given host and port); both choose Game &amp;gt; Start. Game &amp;gt;
Send Message sends a line of text, Game &amp;gt; Disconnect ends the game.&lt;/p&gt;
</source>
        <translation>&lt;h3&gt;[Ñéţwörk plàý&lt;/h3&gt;
&lt;p&gt;Öñé plàýér màkéś plàýér 1 Ñéţwörk (ţhîś çöpý wàîţś öñ ţhé gîvéñ pörţ), ţhé öţhér màkéś plàýér 2
Ñéţwörk (ţhîś çöpý çöññéçţś ţö ţhé gîvéñ höśţ àñd pörţ); böţh çhööśé Gàmé &amp;gt; Śţàrţ. Gàmé &amp;gt;
Śéñd Méśśàgé śéñdś à lîñé öf ţéxţ, Gàmé &amp;gt; Dîśçöññéçţ éñdś ţhé gàmé.&lt;/p&gt;
]</translation>
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
against the best move: &lt;span style="color:#286ef0"&gt;?!&lt;/span&gt; 2 or more,
&lt;span style="color:#f08200"&gt;?&lt;/span&gt; 4 or more, &lt;span style="color:#dc0000"&gt;??&lt;/span&gt; 8 or more.
Point at a move to read it, click it to go there. Replay plays the game again from its start at
the pace chosen beside it; Pause holds a replay or a game of two computers.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Hint&lt;/b&gt; (H) lights the best move for the side to move.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Show Last Move&lt;/b&gt; outlines the last move's two cells in green.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Save Game&lt;/b&gt; (Ctrl+S) and &lt;b&gt;Open Game&lt;/b&gt; (Ctrl+O) keep a game in a small text file;
&lt;b&gt;Resume Last Game&lt;/b&gt; brings back the local game left unfinished at the last close, kept
as lastgame.tgame beside the settings file (~/.config/Tessaron/ unless XDG_CONFIG_HOME says
otherwise).&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Keys: Alt+G, Alt+O, Alt+M and Alt+H open the menus; F1 or Help &amp;gt; Help Topics opens this
window. Only the Moves menu's items have keys of their own: no stray key starts a new game or
closes the program.&lt;/p&gt;
</source>
        <translation>&lt;h3&gt;[Ţhé Mövéś méñü&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Üñdö&lt;/b&gt; (Çţrl+Z) àñd &lt;b&gt;Rédö&lt;/b&gt; (Çţrl+Śhîfţ+Z ör Çţrl+Ý) śţép ţhröügh ţhé gàmé. Ågàîñśţ
ţhé çömpüţér, Üñdö ţàkéś bàçk ýöür mövé ţögéţhér wîţh îţś réplý. Åfţér ţhé réśülţ, Üñdö ţàkéś
bàçk ţhé làśţ mövé àñd ţhé gàmé göéś öñ.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Mövé Lîśţ&lt;/b&gt; śhöwś ţhé mövéś; çlîçk à lîñé ţö gö ţö ţhàţ pöśîţîöñ. Îţś gràph révîéwś
ţhé gàmé wîţh ţhé Çömpléţé śéàrçh àţ ţhé révîéw lévél çhöśéñ bélöw îţ: ţhé vàlüé för whîţé àfţér
éàçh mövé (whîţé àbövé ţhé àxîś, ýéllöw bélöw), àñd màrkś öñ ţhé mövéś ţhàţ löśţ 2 ör möré
àgàîñśţ ţhé béśţ mövé: &lt;span style="color:#286ef0"&gt;?!&lt;/span&gt; 2 ör möré,
&lt;span style="color:#f08200"&gt;?&lt;/span&gt; 4 ör möré, &lt;span style="color:#dc0000"&gt;??&lt;/span&gt; 8 ör möré.
Pöîñţ àţ à mövé ţö réàd îţ, çlîçk îţ ţö gö ţhéré. Réplàý plàýś ţhé gàmé àgàîñ fröm îţś śţàrţ àţ
ţhé pàçé çhöśéñ béśîdé îţ; Pàüśé höldś à réplàý ör à gàmé öf ţwö çömpüţérś.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Hîñţ&lt;/b&gt; (H) lîghţś ţhé béśţ mövé för ţhé śîdé ţö mövé.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Śhöw Làśţ Mövé&lt;/b&gt; öüţlîñéś ţhé làśţ mövé'ś ţwö çéllś îñ grééñ.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Śàvé Gàmé&lt;/b&gt; (Çţrl+Ś) àñd &lt;b&gt;Öpéñ Gàmé&lt;/b&gt; (Çţrl+Ö) kéép à gàmé îñ à śmàll ţéxţ fîlé;
&lt;b&gt;Réśümé Làśţ Gàmé&lt;/b&gt; brîñgś bàçk ţhé löçàl gàmé léfţ üñfîñîśhéd àţ ţhé làśţ çlöśé, képţ
àś làśţgàmé.ţgàmé béśîdé ţhé śéţţîñgś fîlé (~/.çöñfîg/Ţéśśàröñ/ üñléśś XDG_ÇÖÑFÎG_HÖMÉ śàýś
öţhérwîśé).&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Kéýś: Ålţ+G, Ålţ+Ö, Ålţ+M àñd Ålţ+H öpéñ ţhé méñüś; F1 ör Hélp &amp;gt; Hélp Ţöpîçś öpéñś ţhîś
wîñdöw. Öñlý ţhé Mövéś méñü'ś îţémś hàvé kéýś öf ţhéîr öwñ: ñö śţràý kéý śţàrţś à ñéw gàmé ör
çlöśéś ţhé prögràm.&lt;/p&gt;
]</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>[Höw ţö Plàý]</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clone&lt;/b&gt;: white copies itself to the red cell; the yellow piece beside it turns white.</source>
        <translation>&lt;b&gt;[Çlöñé&lt;/b&gt;: whîţé çöpîéś îţśélf ţö ţhé réd çéll; ţhé ýéllöw pîéçé béśîdé îţ ţürñś whîţé.]</translation>
    </message>
    <message>
        <source>&lt;b&gt;Jump&lt;/b&gt;: white jumps to the yellow cell two steps away; the cell it left is empty.</source>
        <translation>&lt;b&gt;[Jümp&lt;/b&gt;: whîţé jümpś ţö ţhé ýéllöw çéll ţwö śţépś àwàý; ţhé çéll îţ léfţ îś émpţý.]</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Game</source>
        <translation>[&amp;Gàmé]</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>[Śţàrţ]</translation>
    </message>
    <message>
        <source>Send Message</source>
        <translation>[Śéñd Méśśàgé]</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>[Dîśçöññéçţ]</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>[Éxîţ]</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>[&amp;Opţîöñś]</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>[Plàýérś]</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>[Śöüñd]</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>[Böàrd]</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>[Śţàñdàrd]</translation>
    </message>
    <message>
        <source>American</source>
        <translation>[Åmérîçàñ]</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>[Śwédîśh]</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>[&amp;Hélp]</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>[Hélp Ţöpîçś]</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>[Śýśţém Îñförmàţîöñ]</translation>
    </message>
    <message>
        <source>About Tessaron</source>
        <translation>[Åböüţ Ţéśśàröñ]</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>What's your Message ?</source>
        <translation>[Whàţ'ś ýöür Méśśàgé ?]</translation>
    </message>
</context>
<context>
    <name>MoveList</name>
    <message>
        <source>%1: average loss %2, %3 ?!, %4 ?, %5 ??</source>
        <translation>[%1: àvéràgé löśś %2, %3 ?!, %4 ?, %5 ??]</translation>
    </message>
    <message>
        <source>Move List</source>
        <translation>[Mövé Lîśţ]</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>[Réplàý]</translation>
    </message>
    <message>
        <source> s</source>
        <translation>[ ś]</translation>
    </message>
    <message>
        <source>Seconds a move</source>
        <translation>[Śéçöñdś à mövé]</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>[Pàüśé]</translation>
    </message>
    <message>
        <source>Review level</source>
        <translation>[Révîéw lévél]</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>[Śţàrţ]</translation>
    </message>
    <message>
        <source>%1. Player %2 (%3): %4</source>
        <extracomment>%1 the move's number, %2 the player, %3 its colour, %4 the move as in 5-3-6-4-1.</extracomment>
        <translation>[%1. Plàýér %2 (%3): %4]</translation>
    </message>
    <message>
        <source>white</source>
        <translation>[whîţé]</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>[ýéllöw]</translation>
    </message>
    <message>
        <source>White</source>
        <translation>[Whîţé]</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>[Ýéllöw]</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>[Réśümé]</translation>
    </message>
</context>
<context>
    <name>MovesMenu</name>
    <message>
        <source>Tessaron games (*.tgame);;All files (*)</source>
        <translation>[Ţéśśàröñ gàméś] (*.tgame);;[Åll fîléś] (*)</translation>
    </message>
    <message>
        <source>&amp;Moves</source>
        <translation>[&amp;Mövéś]</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>[Üñdö]</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>[Rédö]</translation>
    </message>
    <message>
        <source>Move List</source>
        <translation>[Mövé Lîśţ]</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>[Hîñţ]</translation>
    </message>
    <message>
        <source>Show Last Move</source>
        <translation>[Śhöw Làśţ Mövé]</translation>
    </message>
    <message>
        <source>Save Game…</source>
        <translation>[Śàvé Gàmé…]</translation>
    </message>
    <message>
        <source>Open Game…</source>
        <translation>[Öpéñ Gàmé…]</translation>
    </message>
    <message>
        <source>Resume Last Game</source>
        <translation>[Réśümé Làśţ Gàmé]</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>[Höw ţö Plàý]</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>[Śàvé Gàmé]</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>[Öpéñ Gàmé]</translation>
    </message>
    <message>
        <source>%1 is not a game this program can open.
%2</source>
        <translation>[%1 îś ñöţ à gàmé ţhîś prögràm çàñ öpéñ.
%2]</translation>
    </message>
    <message>
        <source>The unfinished game could not be kept for Resume Last Game.
</source>
        <translation>[Ţhé üñfîñîśhéd gàmé çöüld ñöţ bé képţ för Réśümé Làśţ Gàmé.
]</translation>
    </message>
    <message>
        <source>The kept game cannot be resumed.
%1</source>
        <translation>[Ţhé képţ gàmé çàññöţ bé réśüméd.
%1]</translation>
    </message>
</context>
<context>
    <name>NetworkGame</name>
    <message>
        <source>[%1 more characters not shown]</source>
        <translation>[[%1 möré çhàràçţérś ñöţ śhöwñ]]</translation>
    </message>
    <message>
        <source>(1 earlier message was not shown: it came too fast)</source>
        <translation>[(1 éàrlîér méśśàgé wàś ñöţ śhöwñ: îţ çàmé ţöö fàśţ)]</translation>
    </message>
    <message>
        <source>(%1 earlier messages were not shown: they came too fast)</source>
        <translation>[(%1 éàrlîér méśśàgéś wéré ñöţ śhöwñ: ţhéý çàmé ţöö fàśţ)]</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>[Çàññöţ öpéñ fîlé %1]</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>Choose your partner !</source>
        <translation>[Çhööśé ýöür pàrţñér !]</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>[Çömpléţé]</translation>
    </message>
    <message>
        <source>Branch and Bound</source>
        <translation>[Bràñçh àñd Böüñd]</translation>
    </message>
    <message>
        <source>Alpha-Beta</source>
        <translation>[Ålphà-Béţà]</translation>
    </message>
    <message>
        <source>Home Made</source>
        <translation>[Hömé Màdé]</translation>
    </message>
    <message>
        <source>Branch:</source>
        <translation>[Bràñçh:]</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>[Hümàñ]</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>[Çömpüţér]</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>[Ñéţwörk]</translation>
    </message>
    <message>
        <source>Level :</source>
        <translation>[Lévél :]</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>[Öpţîöñś]</translation>
    </message>
    <message>
        <source>Address IP of your opponent</source>
        <translation>[Åddréśś ÎP öf ýöür öppöñéñţ]</translation>
    </message>
    <message>
        <source>Port of your opponent</source>
        <translation>[Pörţ öf ýöür öppöñéñţ]</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>[Pörţ :]</translation>
    </message>
    <message>
        <source>Host :</source>
        <translation>[Höśţ :]</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>[Ök]</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>[Çàñçél]</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>[ÖK]</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>[Çàñçél]</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>[Çlöśé]</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>[Śàvé]</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>[Öpéñ]</translation>
    </message>
</context>
<context>
    <name>ReviewGraph</name>
    <message>
        <source>Review graph</source>
        <translation>[Révîéw gràph]</translation>
    </message>
    <message>
        <source>%1. not reviewed yet</source>
        <translation>[%1. ñöţ révîéwéd ýéţ]</translation>
    </message>
    <message>
        <source>%1. %2 %3: value %4
best %5: %6, loss %7%8</source>
        <translation>[%1. %2 %3: vàlüé %4
béśţ %5: %6, löśś %7%8]</translation>
    </message>
    <message>
        <source>White</source>
        <translation>[Whîţé]</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>[Ýéllöw]</translation>
    </message>
</context>
<context>
    <name>ShownText</name>
    <message>
        <source>Player 1 won the game</source>
        <translation>[Plàýér 1 wöñ ţhé gàmé]</translation>
    </message>
    <message>
        <source>Player 2 won the game</source>
        <translation>[Plàýér 2 wöñ ţhé gàmé]</translation>
    </message>
    <message>
        <source>Congratulation ! You win !</source>
        <translation>[Çöñgràţülàţîöñ ! Ýöü wîñ !]</translation>
    </message>
    <message>
        <source>Game Lost, maybe next time...</source>
        <translation>[Gàmé Löśţ, màýbé ñéxţ ţîmé...]</translation>
    </message>
    <message>
        <source>Congratulation ! You did it !</source>
        <translation>[Çöñgràţülàţîöñ ! Ýöü dîd îţ !]</translation>
    </message>
    <message>
        <source>Maybe next time...You'll beat him.</source>
        <translation>[Màýbé ñéxţ ţîmé...Ýöü'll béàţ hîm.]</translation>
    </message>
    <message>
        <source>It is a draw !</source>
        <translation>[Îţ îś à dràw !]</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is the line's number, %2 the reason (one of the texts below).</extracomment>
        <translation>[Lîñé %1: %2]</translation>
    </message>
    <message>
        <source>the file is larger than any game can be</source>
        <translation>[ţhé fîlé îś làrgér ţhàñ àñý gàmé çàñ bé]</translation>
    </message>
    <message>
        <source>the file ends here: it is cut short (its last line must be "end")</source>
        <translation>[ţhé fîlé éñdś héré: îţ îś çüţ śhörţ (îţś làśţ lîñé müśţ bé "éñd")]</translation>
    </message>
    <message>
        <source>the file is empty, it is not a Tessaron game</source>
        <translation>[ţhé fîlé îś émpţý, îţ îś ñöţ à Ţéśśàröñ gàmé]</translation>
    </message>
    <message>
        <source>this is not a Tessaron game (the first line must be "Tessaron game %1")</source>
        <translation>[ţhîś îś ñöţ à Ţéśśàröñ gàmé (ţhé fîrśţ lîñé müśţ bé "Ţéśśàröñ gàmé %1")]</translation>
    </message>
    <message>
        <source>the version must be a number, as in "Tessaron game 1"</source>
        <translation>[ţhé vérśîöñ müśţ bé à ñümbér, àś îñ "Ţéśśàröñ gàmé 1"]</translation>
    </message>
    <message>
        <source>version %1 of the game file is unknown (this program reads version %2)</source>
        <translation>[vérśîöñ %1 öf ţhé gàmé fîlé îś üñkñöwñ (ţhîś prögràm réàdś vérśîöñ %2)]</translation>
    </message>
    <message>
        <source>expected the layout: "layout Standard", "layout American" or "layout Swedish"</source>
        <translation>[éxpéçţéd ţhé làýöüţ: "làýöüţ Śţàñdàrd", "làýöüţ Åmérîçàñ" ör "làýöüţ Śwédîśh"]</translation>
    </message>
    <message>
        <source>expected "player %1 KIND level L branch B algorithm NAME" with KIND Human or Computer, L 0 to 8, B 3 to 30 and NAME Complete, Branch and Bound, Alpha-Beta or Home Made</source>
        <translation>[éxpéçţéd "plàýér %1 KÎÑD lévél L bràñçh B àlgörîţhm ÑÅMÉ" wîţh KÎÑD Hümàñ ör Çömpüţér, L 0 ţö 8, B 3 ţö 30 àñd ÑÅMÉ Çömpléţé, Bràñçh àñd Böüñd, Ålphà-Béţà ör Hömé Màdé]</translation>
    </message>
    <message>
        <source>expected the line "moves"</source>
        <translation>[éxpéçţéd ţhé lîñé "mövéś"]</translation>
    </message>
    <message>
        <source>"%1" is not a move (five numbers joined by "-", as in 5-3-6-4-1)</source>
        <translation>["%1" îś ñöţ à mövé (fîvé ñümbérś jöîñéd bý "-", àś îñ 5-3-6-4-1)]</translation>
    </message>
    <message>
        <source>the move %1 is not legal for player %2 in this position</source>
        <translation>[ţhé mövé %1 îś ñöţ légàl för plàýér %2 îñ ţhîś pöśîţîöñ]</translation>
    </message>
    <message>
        <source>nothing may follow the line "end"</source>
        <translation>[ñöţhîñg màý föllöw ţhé lîñé "éñd"]</translation>
    </message>
    <message>
        <source>this is not a plain file</source>
        <translation>[ţhîś îś ñöţ à plàîñ fîlé]</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>[ţhé fîlé çàññöţ bé réàd: %1]</translation>
    </message>
    <message>
        <source>Failed to get data for '%1'</source>
        <translation>[Fàîléd ţö géţ dàţà för '%1']</translation>
    </message>
    <message>
        <source>Invalid data type for '%1'</source>
        <translation>[Îñvàlîd dàţà ţýpé för '%1']</translation>
    </message>
    <message>
        <source>Failed to set data for '%1'</source>
        <translation>[Fàîléd ţö śéţ dàţà för '%1']</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>[Ñöţ Çöññéçţéd]</translation>
    </message>
    <message>
        <source>Trying to connect to %1 at port %2</source>
        <translation>[Ţrýîñg ţö çöññéçţ ţö %1 àţ pörţ %2]</translation>
    </message>
    <message>
        <source>%1 Listening on port: %2</source>
        <translation>[%1 Lîśţéñîñg öñ pörţ: %2]</translation>
    </message>
    <message>
        <source>Connected on local port %1</source>
        <translation>[Çöññéçţéd öñ löçàl pörţ %1]</translation>
    </message>
    <message>
        <source>Connection accepted for %1 on port %2</source>
        <translation>[Çöññéçţîöñ àççépţéd för %1 öñ pörţ %2]</translation>
    </message>
    <message>
        <source>Connection closed by Player 1 </source>
        <translation>[Çöññéçţîöñ çlöśéd bý Plàýér 1 ]</translation>
    </message>
    <message>
        <source>Connection closed by Player 2 </source>
        <translation>[Çöññéçţîöñ çlöśéd bý Plàýér 2 ]</translation>
    </message>
    <message>
        <source>Message from Player %1</source>
        <translation>[Méśśàgé fröm Plàýér %1]</translation>
    </message>
    <message>
        <source>Messages from Player %1 came too fast: %2 not shown</source>
        <translation>[Méśśàgéś fröm Plàýér %1 çàmé ţöö fàśţ: %2 ñöţ śhöwñ]</translation>
    </message>
    <message>
        <source>Refused move "%1": %2</source>
        <extracomment>%1 is the received line as it came, %2 the reason (one of the texts below).</extracomment>
        <translation>[Réfüśéd mövé "%1": %2]</translation>
    </message>
    <message>
        <source>its fields are not numbers</source>
        <translation>[îţś fîéldś àré ñöţ ñümbérś]</translation>
    </message>
    <message>
        <source>a cell is off the board</source>
        <translation>[à çéll îś öff ţhé böàrd]</translation>
    </message>
    <message>
        <source>a clone goes one cell and a jump two</source>
        <translation>[à çlöñé göéś öñé çéll àñd à jümp ţwö]</translation>
    </message>
    <message>
        <source>no game is running</source>
        <translation>[ñö gàmé îś rüññîñg]</translation>
    </message>
    <message>
        <source>it is not Player %1's turn</source>
        <translation>[îţ îś ñöţ Plàýér %1'ś ţürñ]</translation>
    </message>
    <message>
        <source>not a legal move of Player %1</source>
        <translation>[ñöţ à légàl mövé öf Plàýér %1]</translation>
    </message>
    <message>
        <source>'%1' is not a valid integer value</source>
        <translation>['%1' îś ñöţ à vàlîd îñţégér vàlüé]</translation>
    </message>
    <message>
        <source>'%1' is not a valid port number</source>
        <translation>['%1' îś ñöţ à vàlîd pörţ ñümbér]</translation>
    </message>
    <message>
        <source>%1 TCP/IP sockets (IPv4 and IPv6 stream, non-blocking)</source>
        <translation>[%1 ŢÇP/ÎP śöçkéţś (ÎPv4 àñd ÎPv6 śţréàm, ñöñ-blöçkîñg)]</translation>
    </message>
    <message>
        <source>Running, no interface is up</source>
        <translation>[Rüññîñg, ñö îñţérfàçé îś üp]</translation>
    </message>
    <message>
        <source>Running on %1</source>
        <translation>[Rüññîñg öñ %1]</translation>
    </message>
    <message>
        <source>Interrupted system call</source>
        <translation>[Îñţérrüpţéd śýśţém çàll]</translation>
    </message>
    <message>
        <source>Bad file number</source>
        <translation>[Bàd fîlé ñümbér]</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>[Pérmîśśîöñ déñîéd]</translation>
    </message>
    <message>
        <source>Bad address</source>
        <translation>[Bàd àddréśś]</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>[Îñvàlîd àrgüméñţ]</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>[Ţöö màñý öpéñ fîléś]</translation>
    </message>
    <message>
        <source>Operation would block</source>
        <translation>[Öpéràţîöñ wöüld blöçk]</translation>
    </message>
    <message>
        <source>Operation now in progress</source>
        <translation>[Öpéràţîöñ ñöw îñ prögréśś]</translation>
    </message>
    <message>
        <source>Operation already in progress</source>
        <translation>[Öpéràţîöñ àlréàdý îñ prögréśś]</translation>
    </message>
    <message>
        <source>Socket operation on nonsocket</source>
        <translation>[Śöçkéţ öpéràţîöñ öñ ñöñśöçkéţ]</translation>
    </message>
    <message>
        <source>Destination address required</source>
        <translation>[Déśţîñàţîöñ àddréśś réqüîréd]</translation>
    </message>
    <message>
        <source>Message too long</source>
        <translation>[Méśśàgé ţöö löñg]</translation>
    </message>
    <message>
        <source>Protocol wrong type for socket</source>
        <translation>[Pröţöçöl wröñg ţýpé för śöçkéţ]</translation>
    </message>
    <message>
        <source>Protocol not available</source>
        <translation>[Pröţöçöl ñöţ àvàîlàblé]</translation>
    </message>
    <message>
        <source>Protocol not supported</source>
        <translation>[Pröţöçöl ñöţ śüppörţéd]</translation>
    </message>
    <message>
        <source>Socket not supported</source>
        <translation>[Śöçkéţ ñöţ śüppörţéd]</translation>
    </message>
    <message>
        <source>Operation not supported on socket</source>
        <translation>[Öpéràţîöñ ñöţ śüppörţéd öñ śöçkéţ]</translation>
    </message>
    <message>
        <source>Protocol family not supported</source>
        <translation>[Pröţöçöl fàmîlý ñöţ śüppörţéd]</translation>
    </message>
    <message>
        <source>Address family not supported</source>
        <translation>[Åddréśś fàmîlý ñöţ śüppörţéd]</translation>
    </message>
    <message>
        <source>Address already in use</source>
        <translation>[Åddréśś àlréàdý îñ üśé]</translation>
    </message>
    <message>
        <source>Can't assign requested address</source>
        <translation>[Çàñ'ţ àśśîgñ réqüéśţéd àddréśś]</translation>
    </message>
    <message>
        <source>Network is down</source>
        <translation>[Ñéţwörk îś döwñ]</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>[Ñéţwörk îś üñréàçhàblé]</translation>
    </message>
    <message>
        <source>Network dropped connection on reset</source>
        <translation>[Ñéţwörk dröppéd çöññéçţîöñ öñ réśéţ]</translation>
    </message>
    <message>
        <source>Software caused connection abort</source>
        <translation>[Śöfţwàré çàüśéd çöññéçţîöñ àbörţ]</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>[Çöññéçţîöñ réśéţ bý péér]</translation>
    </message>
    <message>
        <source>No buffer space available</source>
        <translation>[Ñö büffér śpàçé àvàîlàblé]</translation>
    </message>
    <message>
        <source>Socket is already connected</source>
        <translation>[Śöçkéţ îś àlréàdý çöññéçţéd]</translation>
    </message>
    <message>
        <source>Socket is not connected</source>
        <translation>[Śöçkéţ îś ñöţ çöññéçţéd]</translation>
    </message>
    <message>
        <source>Can't send after socket shutdown</source>
        <translation>[Çàñ'ţ śéñd àfţér śöçkéţ śhüţdöwñ]</translation>
    </message>
    <message>
        <source>Too many references:can't splice</source>
        <translation>[Ţöö màñý référéñçéś:çàñ'ţ śplîçé]</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>[Çöññéçţîöñ ţîméd öüţ]</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>[Çöññéçţîöñ réfüśéd]</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>[Ţöö màñý lévélś öf śýmbölîç lîñkś]</translation>
    </message>
    <message>
        <source>File name is too long</source>
        <translation>[Fîlé ñàmé îś ţöö löñg]</translation>
    </message>
    <message>
        <source>Host is down</source>
        <translation>[Höśţ îś döwñ]</translation>
    </message>
    <message>
        <source>No route to host</source>
        <translation>[Ñö röüţé ţö höśţ]</translation>
    </message>
    <message>
        <source>Directory is not empty</source>
        <translation>[Dîréçţörý îś ñöţ émpţý]</translation>
    </message>
    <message>
        <source>Too many processes</source>
        <translation>[Ţöö màñý pröçéśśéś]</translation>
    </message>
    <message>
        <source>Too many users</source>
        <translation>[Ţöö màñý üśérś]</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>[Dîśk qüöţà éxçéédéd]</translation>
    </message>
    <message>
        <source>Stale NFS file handle</source>
        <translation>[Śţàlé ÑFŚ fîlé hàñdlé]</translation>
    </message>
    <message>
        <source>Too many levels of remote in path</source>
        <translation>[Ţöö màñý lévélś öf rémöţé îñ pàţh]</translation>
    </message>
    <message>
        <source>Network subsystem is unusable</source>
        <translation>[Ñéţwörk śübśýśţém îś üñüśàblé]</translation>
    </message>
    <message>
        <source>Winsock DLL cannot support this application</source>
        <translation>[Wîñśöçk DLL çàññöţ śüppörţ ţhîś àpplîçàţîöñ]</translation>
    </message>
    <message>
        <source>Winsock not initialized</source>
        <translation>[Wîñśöçk ñöţ îñîţîàlîzéd]</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>[Höśţ ñöţ föüñd]</translation>
    </message>
    <message>
        <source>Non authoritative - host not found</source>
        <translation>[Ñöñ àüţhörîţàţîvé - höśţ ñöţ föüñd]</translation>
    </message>
    <message>
        <source>Non recoverable error</source>
        <translation>[Ñöñ réçövéràblé érrör]</translation>
    </message>
    <message>
        <source>Valid name, no data record of requested type</source>
        <translation>[Vàlîd ñàmé, ñö dàţà réçörd öf réqüéśţéd ţýpé]</translation>
    </message>
    <message>
        <source>Not a Winsock error</source>
        <translation>[Ñöţ à Wîñśöçk érrör]</translation>
    </message>
</context>
<context>
    <name>StrengthTable</name>
    <message>
        <source>under 0.001 s</source>
        <translation>[üñdér 0.001 ś]</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>[%1 ś]</translation>
    </message>
    <message>
        <source>%1, level %2, branch %3</source>
        <translation>[%1, lévél %2, bràñçh %3]</translation>
    </message>
    <message>
        <source>%1, level %2</source>
        <translation>[%1, lévél %2]</translation>
    </message>
    <message>
        <source>%1: rated about %2, %3 a move</source>
        <translation>[%1: ràţéd àböüţ %2, %3 à mövé]</translation>
    </message>
    <message>
        <source>at branch %1 rated about %2, %3 a move</source>
        <translation>[àţ bràñçh %1 ràţéd àböüţ %2, %3 à mövé]</translation>
    </message>
    <message>
        <source>%1: not measured</source>
        <translation>[%1: ñöţ méàśüréd]</translation>
    </message>
    <message>
        <source>%1: not measured; %2</source>
        <translation>[%1: ñöţ méàśüréd; %2]</translation>
    </message>
    <message>
        <source>; </source>
        <translation>[; ]</translation>
    </message>
    <message>
        <source>%1 (branch %2)</source>
        <translation>[%1 (bràñçh %2)]</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>[Ràţîñg]</translation>
    </message>
    <message>
        <source>Computer player</source>
        <translation>[Çömpüţér plàýér]</translation>
    </message>
    <message>
        <source>Time a move</source>
        <translation>[Ţîmé à mövé]</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>[%1 ör %2]</translation>
    </message>
    <message>
        <source>, </source>
        <translation>[, ]</translation>
    </message>
    <message>
        <source>How strong the computer plays</source>
        <translation>[Höw śţröñg ţhé çömpüţér plàýś]</translation>
    </message>
    <message>
        <source>Each setting of the computer was rated in games against its neighbours, on one scale on which Alpha-Beta at level 0 stands at 1000. A player rated 200 higher wins about three games in four; the ± gives the 95% interval of the measurement. The time is the median time a move on a two-core computer.</source>
        <translation>[Éàçh śéţţîñg öf ţhé çömpüţér wàś ràţéd îñ gàméś àgàîñśţ îţś ñéîghböürś, öñ öñé śçàlé öñ whîçh Ålphà-Béţà àţ lévél 0 śţàñdś àţ 1000. Å plàýér ràţéd 200 hîghér wîñś àböüţ ţhréé gàméś îñ föür; ţhé ± gîvéś ţhé 95% îñţérvàl öf ţhé méàśüréméñţ. Ţhé ţîmé îś ţhé médîàñ ţîmé à mövé öñ à ţwö-çöré çömpüţér.]</translation>
    </message>
</context>
<context>
    <name>SystemInformation</name>
    <message>
        <source>System Information</source>
        <translation>[Śýśţém Îñförmàţîöñ]</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>[ÖK]</translation>
    </message>
    <message>
        <source>Description: </source>
        <translation>[Déśçrîpţîöñ: ]</translation>
    </message>
    <message>
        <source>SystemStatus: </source>
        <translation>[ŚýśţémŚţàţüś: ]</translation>
    </message>
    <message>
        <source>Local Host Name: </source>
        <translation>[Löçàl Höśţ Ñàmé: ]</translation>
    </message>
    <message>
        <source>It will not work in Network mode</source>
        <translation>[Îţ wîll ñöţ wörk îñ Ñéţwörk mödé]</translation>
    </message>
    <message>
        <source>because you don't have an IP Address !</source>
        <translation>[béçàüśé ýöü döñ'ţ hàvé àñ ÎP Åddréśś !]</translation>
    </message>
    <message>
        <source>Local Host Address: </source>
        <translation>[Löçàl Höśţ Åddréśś: ]</translation>
    </message>
</context>
</TS>
