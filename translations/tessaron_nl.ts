<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
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
        <translation>Wit</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Bord</translation>
    </message>
    <message>
        <source>white piece</source>
        <translation>witte steen</translation>
    </message>
    <message>
        <source>yellow piece</source>
        <translation>gele steen</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>Row %1, column %2: %3</source>
        <translation>Rij %1, kolom %2: %3</translation>
    </message>
    <message>
        <source>%1: %2-%3 to %4-%5, %6, %7 captured. %8 to move.</source>
        <extracomment>%1 the mover&apos;s colour, %2-%3 and %4-%5 the cells, %6 clone or jump, %7 a count, %8 the next colour.</extracomment>
        <translation>%1: %2-%3 naar %4-%5, %6, %7 geslagen. %8 aan zet.</translation>
    </message>
    <message>
        <source>clone</source>
        <translation>kloon</translation>
    </message>
    <message>
        <source>jump</source>
        <translation>sprong</translation>
    </message>
    <message>
        <source>%1: 1 piece</source>
        <translation>%1: 1 steen</translation>
    </message>
    <message>
        <source>%1: %2 pieces</source>
        <translation>%1: %2 stenen</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Kan %1 niet schrijven: %2</translation>
    </message>
</context>
<context>
    <name>GamePlay</name>
    <message>
        <source>Results:</source>
        <translation>Uitslag:</translation>
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
        <translation>&lt;h3&gt;Het spel&lt;/h3&gt;
&lt;p&gt;Twee spelers delen een zeshoekig bord van 58 velden. Speler 1 speelt wit en begint,
speler 2 speelt geel. Wie aan zet is, zet een van zijn stenen op een leeg veld:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Kloon&lt;/b&gt;: naar een buurveld (licht &lt;span style=&quot;color:#d00000&quot;&gt;rood&lt;/span&gt; op). De steen wordt
gekopieerd; je steen op het beginveld blijft staan.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Sprong&lt;/b&gt;: naar een veld twee stappen verder (licht &lt;span style=&quot;color:#b0a000&quot;&gt;geel&lt;/span&gt; op). De steen
verhuist; zijn beginveld wordt leeg.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;&lt;b&gt;Omslaan&lt;/b&gt;: elke steen van de tegenstander naast het veld waar je landt, wordt van jou.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Het einde&lt;/b&gt;: een speler die niet meer kan zetten, beëindigt de partij. De andere speler krijgt alle
lege velden; wie de meeste stenen heeft, wint. De score naast elk merkteken linksboven is
het aantal stenen van die speler.&lt;/p&gt;
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
        <translation>&lt;h3&gt;Spelen&lt;/h3&gt;
&lt;p&gt;Kies Spel &amp;gt; Starten. Klik op een van je stenen, beweeg de aanwijzer over een leeg veld
tot het rood of geel oplicht, en klik. Klik nog eens op de steen om een andere te kiezen.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Met het toetsenbord&lt;/b&gt;: bij het begin van een partij heeft het bord de toetsenbordfocus (Tab of een klik
geeft hem terug) en toont het een cursor, een gestippelde witte rand. De pijltoetsen verplaatsen hem: Omhoog en Omlaag
langs de kolom velden op het scherm, Links en Rechts naar de volgende kolom, op dezelfde hoogte. Spatie
of Enter op je steen selecteert hem, op een verlicht veld speelt het de zet; Escape heft de selectie op.
Of typ de vier cijfers van de zet, van rij en kolom naar rij en kolom, zoals 3 7 3 6. Een
schermlezer noemt elk veld (Rij 3, kolom 7: witte steen) en leest elke zet voor.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Players and levels&lt;/h3&gt;
&lt;p&gt;Options &amp;gt; Players makes each side a person or the computer. The computer searches with one
of four algorithms (Complete, Branch and Bound, Alpha-Beta, or the selective Home Made, which keeps
only its best few moves per position) and a level of 0 to 8: each level looks one move further
ahead and takes longer. Options &amp;gt; Board chooses the starting layout of the next game.&lt;/p&gt;
</source>
        <translation>&lt;h3&gt;Spelers en niveaus&lt;/h3&gt;
&lt;p&gt;Opties &amp;gt; Spelers maakt van elke kant een mens of de computer. De computer zoekt met een
van vier algoritmen (Volledig, Branch and Bound, Alfa-Bèta of het selectieve Zelfgemaakt, dat alleen
zijn paar beste zetten per stelling houdt) en een niveau van 0 tot 8: elk niveau kijkt een zet verder
vooruit en duurt langer. Opties &amp;gt; Bord kiest de beginopstelling van de volgende partij.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Network play&lt;/h3&gt;
&lt;p&gt;One player makes player 1 Network (this copy waits on the given port), the other makes player 2
Network (this copy connects to the given host and port); both choose Game &amp;gt; Start. Game &amp;gt;
Send Message sends a line of text, Game &amp;gt; Disconnect ends the game.&lt;/p&gt;
</source>
        <translation>&lt;h3&gt;Spelen via het netwerk&lt;/h3&gt;
&lt;p&gt;De ene speler zet speler 1 op Netwerk (deze kopie wacht op de opgegeven poort), de andere zet speler 2
op Netwerk (deze kopie maakt verbinding met de opgegeven host en poort); beiden kiezen Spel &amp;gt; Starten. Spel &amp;gt;
Bericht sturen stuurt een regel tekst, Spel &amp;gt; Verbreken beëindigt de partij.&lt;/p&gt;
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
        <translation>&lt;h3&gt;Het menu Zetten&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Ongedaan maken&lt;/b&gt; (Ctrl+Z) en &lt;b&gt;Opnieuw&lt;/b&gt; (Ctrl+Shift+Z of Ctrl+Y) lopen door de partij. Tegen
de computer neemt Ongedaan maken je zet samen met het antwoord terug. Na de uitslag neemt Ongedaan maken
de laatste zet terug en gaat de partij verder.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Zettenlijst&lt;/b&gt; toont de zetten; klik op een regel om naar die stelling te gaan. De grafiek beoordeelt
de partij met de zoekmethode Volledig op het analyseniveau dat eronder gekozen is: de waarde voor wit na
elke zet (wit boven de as, geel eronder), en tekens bij zetten die 2 of meer verloren
ten opzichte van de beste zet: &lt;span style=&quot;color:#286ef0&quot;&gt;?!&lt;/span&gt; 2 of meer,
&lt;span style=&quot;color:#f08200&quot;&gt;?&lt;/span&gt; 4 of meer, &lt;span style=&quot;color:#dc0000&quot;&gt;??&lt;/span&gt; 8 of meer.
Wijs een zet aan om hem te lezen, klik erop om erheen te gaan. Naspelen speelt de partij opnieuw vanaf het begin in
het tempo dat ernaast gekozen is; Pauze houdt een naspeelronde of een partij tussen twee computers stil.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Tip&lt;/b&gt; (H) laat de beste zet oplichten voor de kant die aan zet is.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Laatste zet tonen&lt;/b&gt; omlijnt de twee velden van de laatste zet in het groen.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Partij opslaan&lt;/b&gt; (Ctrl+S) en &lt;b&gt;Partij openen&lt;/b&gt; (Ctrl+O) bewaren een partij in een klein tekstbestand;
&lt;b&gt;Laatste partij hervatten&lt;/b&gt; haalt de lokale partij terug die bij het laatste afsluiten onafgemaakt bleef, bewaard
als lastgame.tgame naast het instellingenbestand (~/.config/Tessaron/ tenzij XDG_CONFIG_HOME iets
anders zegt).&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Toetsen: Alt+S, Alt+O, Alt+Z en Alt+H openen de menu’s; F1 of Help &amp;gt; Helponderwerpen opent dit
venster. Alleen de items van het menu Zetten hebben eigen toetsen: geen verdwaalde toets start een nieuwe partij of
sluit het programma.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Spelregels</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clone&lt;/b&gt;: white copies itself to the red cell; the yellow piece beside it turns white.</source>
        <translation>&lt;b&gt;Kloon&lt;/b&gt;: wit kopieert zich naar het rode veld; de gele steen ernaast wordt wit.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Jump&lt;/b&gt;: white jumps to the yellow cell two steps away; the cell it left is empty.</source>
        <translation>&lt;b&gt;Sprong&lt;/b&gt;: wit springt naar het gele veld twee stappen verder; het verlaten veld is leeg.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Send Message</source>
        <translation>Bericht sturen</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Verbreken</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spelers</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Bord</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>American</source>
        <translation>Amerikaans</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Zweeds</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Helponderwerpen</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Systeeminformatie</translation>
    </message>
    <message>
        <source>About Tessaron</source>
        <translation>Over Tessaron</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>What&apos;s your Message ?</source>
        <translation>Wat is je bericht?</translation>
    </message>
</context>
<context>
    <name>MoveList</name>
    <message>
        <source>%1: average loss %2, %3 ?!, %4 ?, %5 ??</source>
        <translation>%1: gemiddeld verlies %2, %3 ?!, %4 ?, %5 ??</translation>
    </message>
    <message>
        <source>Move List</source>
        <translation>Zettenlijst</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Naspelen</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Seconds a move</source>
        <translation>Seconden per zet</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Review level</source>
        <translation>Analyseniveau</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Begin</translation>
    </message>
    <message>
        <source>%1. Player %2 (%3): %4</source>
        <extracomment>%1 the move&apos;s number, %2 the player, %3 its colour, %4 the move as in 5-3-6-4-1.</extracomment>
        <translation>%1. Speler %2 (%3): %4</translation>
    </message>
    <message>
        <source>white</source>
        <translation>wit</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>geel</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Verder</translation>
    </message>
</context>
<context>
    <name>MovesMenu</name>
    <message>
        <source>Tessaron games (*.tgame);;All files (*)</source>
        <translation>Tessaron-partijen (*.tgame);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>&amp;Moves</source>
        <translation>&amp;Zetten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Move List</source>
        <translation>Zettenlijst</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Show Last Move</source>
        <translation>Laatste zet tonen</translation>
    </message>
    <message>
        <source>Save Game…</source>
        <translation>Partij opslaan…</translation>
    </message>
    <message>
        <source>Open Game…</source>
        <translation>Partij openen…</translation>
    </message>
    <message>
        <source>Resume Last Game</source>
        <translation>Laatste partij hervatten</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Spelregels</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Partij opslaan</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Partij openen</translation>
    </message>
    <message>
        <source>%1 is not a game this program can open.
%2</source>
        <translation>%1 is geen partij die dit programma kan openen.
%2</translation>
    </message>
    <message>
        <source>The unfinished game could not be kept for Resume Last Game.
</source>
        <translation>De onafgemaakte partij kon niet bewaard worden voor Laatste partij hervatten.
</translation>
    </message>
    <message>
        <source>The kept game cannot be resumed.
%1</source>
        <translation>De bewaarde partij kan niet hervat worden.
%1</translation>
    </message>
</context>
<context>
    <name>NetworkGame</name>
    <message>
        <source>(1 earlier message was not shown: it came too fast)</source>
        <translation>(1 eerder bericht werd niet getoond: het kwam te snel)</translation>
    </message>
    <message>
        <source>(%1 earlier messages were not shown: they came too fast)</source>
        <translation>(%1 eerdere berichten werden niet getoond: ze kwamen te snel)</translation>
    </message>
    <message>
        <source>[%1 more characters not shown]</source>
        <translation>[nog %1 tekens niet getoond]</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Kan bestand %1 niet openen</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>Choose your partner !</source>
        <translation>Kies je tegenstander!</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Volledig</translation>
    </message>
    <message>
        <source>Branch and Bound</source>
        <translation>Branch and Bound</translation>
    </message>
    <message>
        <source>Alpha-Beta</source>
        <translation>Alfa-Bèta</translation>
    </message>
    <message>
        <source>Home Made</source>
        <translation>Zelfgemaakt</translation>
    </message>
    <message>
        <source>Branch:</source>
        <translation>Takken:</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Mens</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netwerk</translation>
    </message>
    <message>
        <source>Level :</source>
        <translation>Niveau:</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Address IP of your opponent</source>
        <translation>IP-adres van je tegenstander</translation>
    </message>
    <message>
        <source>Port of your opponent</source>
        <translation>Poort van je tegenstander</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>Poort:</translation>
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
        <translation>Annuleren</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
</context>
<context>
    <name>ReviewGraph</name>
    <message>
        <source>Review graph</source>
        <translation>Analysegrafiek</translation>
    </message>
    <message>
        <source>%1. not reviewed yet</source>
        <translation>%1. nog niet geanalyseerd</translation>
    </message>
    <message>
        <source>%1. %2 %3: value %4
best %5: %6, loss %7%8</source>
        <translation>%1. %2 %3: waarde %4
beste %5: %6, verlies %7%8</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
</context>
<context>
    <name>ShownText</name>
    <message>
        <source>Player 1 won the game</source>
        <translation>Speler 1 heeft de partij gewonnen</translation>
    </message>
    <message>
        <source>Player 2 won the game</source>
        <translation>Speler 2 heeft de partij gewonnen</translation>
    </message>
    <message>
        <source>Congratulation ! You win !</source>
        <translation>Gefeliciteerd! Je wint!</translation>
    </message>
    <message>
        <source>Game Lost, maybe next time...</source>
        <translation>Partij verloren, misschien de volgende keer…</translation>
    </message>
    <message>
        <source>Congratulation ! You did it !</source>
        <translation>Gefeliciteerd! Het is je gelukt!</translation>
    </message>
    <message>
        <source>Maybe next time...You&apos;ll beat him.</source>
        <translation>Misschien de volgende keer… dan versla je hem.</translation>
    </message>
    <message>
        <source>It is a draw !</source>
        <translation>Gelijkspel!</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is the line&apos;s number, %2 the reason (one of the texts below).</extracomment>
        <translation>Regel %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than any game can be</source>
        <translation>het bestand is groter dan een partij kan zijn</translation>
    </message>
    <message>
        <source>the file ends here: it is cut short (its last line must be &quot;end&quot;)</source>
        <translation>het bestand houdt hier op: het is afgekapt (de laatste regel moet „end” zijn)</translation>
    </message>
    <message>
        <source>the file is empty, it is not a Tessaron game</source>
        <translation>het bestand is leeg, het is geen Tessaron-partij</translation>
    </message>
    <message>
        <source>this is not a Tessaron game (the first line must be &quot;Tessaron game %1&quot;)</source>
        <translation>dit is geen Tessaron-partij (de eerste regel moet „Tessaron game %1” zijn)</translation>
    </message>
    <message>
        <source>the version must be a number, as in &quot;Tessaron game 1&quot;</source>
        <translation>de versie moet een getal zijn, zoals in „Tessaron game 1”</translation>
    </message>
    <message>
        <source>version %1 of the game file is unknown (this program reads version %2)</source>
        <translation>versie %1 van het partijbestand is onbekend (dit programma leest versie %2)</translation>
    </message>
    <message>
        <source>expected the layout: &quot;layout Standard&quot;, &quot;layout American&quot; or &quot;layout Swedish&quot;</source>
        <translation>opstelling verwacht: „layout Standard”, „layout American” of „layout Swedish”</translation>
    </message>
    <message>
        <source>expected &quot;player %1 KIND level L branch B algorithm NAME&quot; with KIND Human or Computer, L 0 to 8, B 3 to 30 and NAME Complete, Branch and Bound, Alpha-Beta or Home Made</source>
        <translation>verwacht „player %1 KIND level L branch B algorithm NAME” met KIND Human of Computer, L 0 tot 8, B 3 tot 30 en NAME Complete, Branch and Bound, Alpha-Beta of Home Made</translation>
    </message>
    <message>
        <source>expected the line &quot;moves&quot;</source>
        <translation>de regel „moves” verwacht</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a move (five numbers joined by &quot;-&quot;, as in 5-3-6-4-1)</source>
        <translation>„%1” is geen zet (vijf getallen verbonden door „-”, zoals in 5-3-6-4-1)</translation>
    </message>
    <message>
        <source>the move %1 is not legal for player %2 in this position</source>
        <translation>de zet %1 is niet toegestaan voor speler %2 in deze stelling</translation>
    </message>
    <message>
        <source>nothing may follow the line &quot;end&quot;</source>
        <translation>na de regel „end” mag niets meer volgen</translation>
    </message>
    <message>
        <source>this is not a plain file</source>
        <translation>dit is geen gewoon bestand</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>het bestand kan niet gelezen worden: %1</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Kan de gegevens van „%1” niet lezen</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Ongeldig gegevenstype voor „%1”</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Kan de gegevens van „%1” niet schrijven</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Niet verbonden</translation>
    </message>
    <message>
        <source>Trying to connect to %1 at port %2</source>
        <translation>Verbinden met %1 op poort %2</translation>
    </message>
    <message>
        <source>%1 Listening on port: %2</source>
        <translation>%1 luistert op poort: %2</translation>
    </message>
    <message>
        <source>Connected on local port %1</source>
        <translation>Verbonden op lokale poort %1</translation>
    </message>
    <message>
        <source>Connection accepted for %1 on port %2</source>
        <translation>Verbinding aanvaard voor %1 op poort %2</translation>
    </message>
    <message>
        <source>Connection closed by Player 1 </source>
        <translation>Verbinding verbroken door speler 1 </translation>
    </message>
    <message>
        <source>Connection closed by Player 2 </source>
        <translation>Verbinding verbroken door speler 2 </translation>
    </message>
    <message>
        <source>Message from Player %1</source>
        <translation>Bericht van speler %1</translation>
    </message>
    <message>
        <source>Messages from Player %1 came too fast: %2 not shown</source>
        <translation>Berichten van speler %1 kwamen te snel: %2 niet getoond</translation>
    </message>
    <message>
        <source>Refused move &quot;%1&quot;: %2</source>
        <extracomment>%1 is the received line as it came, %2 the reason (one of the texts below).</extracomment>
        <translation>Geweigerde zet „%1”: %2</translation>
    </message>
    <message>
        <source>its fields are not numbers</source>
        <translation>de velden zijn geen getallen</translation>
    </message>
    <message>
        <source>a cell is off the board</source>
        <translation>een veld ligt buiten het bord</translation>
    </message>
    <message>
        <source>a clone goes one cell and a jump two</source>
        <translation>een kloon gaat één veld, een sprong twee</translation>
    </message>
    <message>
        <source>no game is running</source>
        <translation>er loopt geen partij</translation>
    </message>
    <message>
        <source>it is not Player %1&apos;s turn</source>
        <translation>speler %1 is niet aan zet</translation>
    </message>
    <message>
        <source>not a legal move of Player %1</source>
        <translation>geen toegestane zet van speler %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1” is geen geldig geheel getal</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid port number</source>
        <translation>„%1” is geen geldig poortnummer</translation>
    </message>
    <message>
        <source>%1 TCP/IP sockets (IPv4 and IPv6 stream, non-blocking)</source>
        <translation>%1 TCP/IP-sockets (IPv4- en IPv6-stream, niet-blokkerend)</translation>
    </message>
    <message>
        <source>Running, no interface is up</source>
        <translation>Actief, geen interface in gebruik</translation>
    </message>
    <message>
        <source>Running on %1</source>
        <translation>Actief op %1</translation>
    </message>
    <message>
        <source>Interrupted system call</source>
        <translation>Onderbroken systeemaanroep</translation>
    </message>
    <message>
        <source>Bad file number</source>
        <translation>Ongeldig bestandsnummer</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Toegang geweigerd</translation>
    </message>
    <message>
        <source>Bad address</source>
        <translation>Ongeldig adres</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Ongeldig argument</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Te veel open bestanden</translation>
    </message>
    <message>
        <source>Operation would block</source>
        <translation>Bewerking zou blokkeren</translation>
    </message>
    <message>
        <source>Operation now in progress</source>
        <translation>Bewerking is bezig</translation>
    </message>
    <message>
        <source>Operation already in progress</source>
        <translation>Bewerking is al bezig</translation>
    </message>
    <message>
        <source>Socket operation on nonsocket</source>
        <translation>Socketbewerking op iets dat geen socket is</translation>
    </message>
    <message>
        <source>Destination address required</source>
        <translation>Bestemmingsadres vereist</translation>
    </message>
    <message>
        <source>Message too long</source>
        <translation>Bericht te lang</translation>
    </message>
    <message>
        <source>Protocol wrong type for socket</source>
        <translation>Verkeerd protocoltype voor socket</translation>
    </message>
    <message>
        <source>Protocol not available</source>
        <translation>Protocol niet beschikbaar</translation>
    </message>
    <message>
        <source>Protocol not supported</source>
        <translation>Protocol niet ondersteund</translation>
    </message>
    <message>
        <source>Socket not supported</source>
        <translation>Socket niet ondersteund</translation>
    </message>
    <message>
        <source>Operation not supported on socket</source>
        <translation>Bewerking niet ondersteund op socket</translation>
    </message>
    <message>
        <source>Protocol family not supported</source>
        <translation>Protocolfamilie niet ondersteund</translation>
    </message>
    <message>
        <source>Address family not supported</source>
        <translation>Adresfamilie niet ondersteund</translation>
    </message>
    <message>
        <source>Address already in use</source>
        <translation>Adres al in gebruik</translation>
    </message>
    <message>
        <source>Can&apos;t assign requested address</source>
        <translation>Kan het gevraagde adres niet toewijzen</translation>
    </message>
    <message>
        <source>Network is down</source>
        <translation>Netwerk is buiten werking</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>Netwerk is onbereikbaar</translation>
    </message>
    <message>
        <source>Network dropped connection on reset</source>
        <translation>Netwerk liet de verbinding vallen bij het herstellen</translation>
    </message>
    <message>
        <source>Software caused connection abort</source>
        <translation>Verbinding afgebroken door software</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>Verbinding verbroken door de andere kant</translation>
    </message>
    <message>
        <source>No buffer space available</source>
        <translation>Geen bufferruimte beschikbaar</translation>
    </message>
    <message>
        <source>Socket is already connected</source>
        <translation>Socket is al verbonden</translation>
    </message>
    <message>
        <source>Socket is not connected</source>
        <translation>Socket is niet verbonden</translation>
    </message>
    <message>
        <source>Can&apos;t send after socket shutdown</source>
        <translation>Kan niet verzenden na het sluiten van de socket</translation>
    </message>
    <message>
        <source>Too many references:can&apos;t splice</source>
        <translation>Te veel verwijzingen: kan niet koppelen</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Verbinding verlopen</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Verbinding geweigerd</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Te veel niveaus van symbolische koppelingen</translation>
    </message>
    <message>
        <source>File name is too long</source>
        <translation>Bestandsnaam is te lang</translation>
    </message>
    <message>
        <source>Host is down</source>
        <translation>Host is buiten werking</translation>
    </message>
    <message>
        <source>No route to host</source>
        <translation>Geen route naar host</translation>
    </message>
    <message>
        <source>Directory is not empty</source>
        <translation>Map is niet leeg</translation>
    </message>
    <message>
        <source>Too many processes</source>
        <translation>Te veel processen</translation>
    </message>
    <message>
        <source>Too many users</source>
        <translation>Te veel gebruikers</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Schijfquotum overschreden</translation>
    </message>
    <message>
        <source>Stale NFS file handle</source>
        <translation>Verouderde NFS-bestandsingang</translation>
    </message>
    <message>
        <source>Too many levels of remote in path</source>
        <translation>Te veel externe niveaus in pad</translation>
    </message>
    <message>
        <source>Network subsystem is unusable</source>
        <translation>Netwerksubsysteem is onbruikbaar</translation>
    </message>
    <message>
        <source>Winsock DLL cannot support this application</source>
        <translation>Winsock-DLL ondersteunt deze toepassing niet</translation>
    </message>
    <message>
        <source>Winsock not initialized</source>
        <translation>Winsock niet geïnitialiseerd</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>Host niet gevonden</translation>
    </message>
    <message>
        <source>Non authoritative - host not found</source>
        <translation>Niet gezaghebbend – host niet gevonden</translation>
    </message>
    <message>
        <source>Non recoverable error</source>
        <translation>Onherstelbare fout</translation>
    </message>
    <message>
        <source>Valid name, no data record of requested type</source>
        <translation>Geldige naam, geen record van het gevraagde type</translation>
    </message>
    <message>
        <source>Not a Winsock error</source>
        <translation>Geen Winsock-fout</translation>
    </message>
</context>
<context>
    <name>StrengthTable</name>
    <message>
        <source>under 0.001 s</source>
        <translation>minder dan 0,001 s</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1, level %2, branch %3</source>
        <translation>%1, niveau %2, %3 takken</translation>
    </message>
    <message>
        <source>%1, level %2</source>
        <translation>%1, niveau %2</translation>
    </message>
    <message>
        <source>%1: rated about %2, %3 a move</source>
        <translation>%1: rating ongeveer %2, %3 per zet</translation>
    </message>
    <message>
        <source>at branch %1 rated about %2, %3 a move</source>
        <translation>met %1 takken rating ongeveer %2, %3 per zet</translation>
    </message>
    <message>
        <source>%1: not measured</source>
        <translation>%1: niet gemeten</translation>
    </message>
    <message>
        <source>%1: not measured; %2</source>
        <translation>%1: niet gemeten; %2</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>%1 (branch %2)</source>
        <translation>%1 (%2 takken)</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Rating</translation>
    </message>
    <message>
        <source>Computer player</source>
        <translation>Computerspeler</translation>
    </message>
    <message>
        <source>Time a move</source>
        <translation>Tijd per zet</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>How strong the computer plays</source>
        <translation>Hoe sterk de computer speelt</translation>
    </message>
    <message>
        <source>Each setting of the computer was rated in games against its neighbours, on one scale on which Alpha-Beta at level 0 stands at 1000. A player rated 200 higher wins about three games in four; the ± gives the 95% interval of the measurement. The time is the median time a move on a two-core computer.</source>
        <translation>Elke instelling van de computer is beoordeeld in partijen tegen haar buren, op één schaal waarop Alfa-Bèta op niveau 0 op 1000 staat. Een speler met een 200 hogere rating wint ongeveer drie van de vier partijen; de ± geeft het 95%-interval van de meting. De tijd is de mediane tijd per zet op een computer met twee kernen.</translation>
    </message>
</context>
<context>
    <name>SystemInformation</name>
    <message>
        <source>System Information</source>
        <translation>Systeeminformatie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Description: </source>
        <translation>Beschrijving: </translation>
    </message>
    <message>
        <source>SystemStatus: </source>
        <translation>Systeemstatus: </translation>
    </message>
    <message>
        <source>Local Host Name: </source>
        <translation>Lokale hostnaam: </translation>
    </message>
    <message>
        <source>It will not work in Network mode</source>
        <translation>Netwerkspel werkt niet,</translation>
    </message>
    <message>
        <source>because you don&apos;t have an IP Address !</source>
        <translation>want je hebt geen IP-adres!</translation>
    </message>
    <message>
        <source>Local Host Address: </source>
        <translation>Lokaal hostadres: </translation>
    </message>
</context>
</TS>
