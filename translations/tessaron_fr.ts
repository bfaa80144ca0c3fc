<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>white piece</source>
        <translation>pion blanc</translation>
    </message>
    <message>
        <source>yellow piece</source>
        <translation>pion jaune</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>Row %1, column %2: %3</source>
        <translation>Rangée %1, colonne %2 : %3</translation>
    </message>
    <message>
        <source>%1: %2-%3 to %4-%5, %6, %7 captured. %8 to move.</source>
        <extracomment>%1 the mover&apos;s colour, %2-%3 and %4-%5 the cells, %6 clone or jump, %7 a count, %8 the next colour.</extracomment>
        <translation>%1 : %2-%3 vers %4-%5, %6, %7 pris. Au tour de %8.</translation>
    </message>
    <message>
        <source>clone</source>
        <translation>clonage</translation>
    </message>
    <message>
        <source>jump</source>
        <translation>saut</translation>
    </message>
    <message>
        <source>%1: 1 piece</source>
        <translation>%1 : 1 pion</translation>
    </message>
    <message>
        <source>%1: %2 pieces</source>
        <translation>%1 : %2 pions</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>GamePlay</name>
    <message>
        <source>Results:</source>
        <translation>Résultat :</translation>
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
        <translation>&lt;h3&gt;Le jeu&lt;/h3&gt;
&lt;p&gt;Deux joueurs se partagent un plateau hexagonal de 58 cases. Le joueur 1 a les blancs et joue en premier,
le joueur 2 a les jaunes. À votre tour, vous déplacez un de vos pions vers une case vide :&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Clonage&lt;/b&gt; : vers une case voisine (éclairée en &lt;span style=&quot;color:#d00000&quot;&gt;rouge&lt;/span&gt;). Le pion est
copié ; votre pion reste sur sa case de départ.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Saut&lt;/b&gt; : vers une case à deux pas (éclairée en &lt;span style=&quot;color:#b0a000&quot;&gt;jaune&lt;/span&gt;). Le pion
se déplace ; sa case de départ devient vide.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;&lt;b&gt;Conversion&lt;/b&gt; : tout pion adverse voisin de la case d’arrivée devient le vôtre.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;La fin&lt;/b&gt; : un joueur qui ne peut plus jouer met fin à la partie. L’autre joueur reçoit toutes
les cases vides ; celui qui a le plus de pions gagne. Le score à côté de chaque marque en haut à gauche est
le nombre de pions de ce joueur.&lt;/p&gt;
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
        <translation>&lt;h3&gt;Jouer&lt;/h3&gt;
&lt;p&gt;Choisissez Partie &amp;gt; Commencer. Cliquez sur un de vos pions, passez le pointeur sur une case vide
jusqu’à ce qu’elle s’éclaire en rouge ou en jaune, et cliquez. Cliquez à nouveau sur le pion pour en choisir un autre.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Au clavier&lt;/b&gt; : le plateau a le focus du clavier au début d’une partie (Tab ou un clic
le lui rend) et montre un curseur, un contour blanc pointillé. Les flèches le déplacent : Haut et Bas
le long de la colonne de cases à l’écran, Gauche et Droite vers la colonne voisine, à la même hauteur. Espace
ou Entrée sur votre pion le sélectionne, sur une case éclairée joue le coup ; Échap annule la sélection.
Ou tapez les quatre chiffres du coup, de la rangée et colonne à la rangée et colonne, par exemple 3 7 3 6. Un
lecteur d’écran nomme chaque case (Rangée 3, colonne 7 : pion blanc) et annonce chaque coup.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Players and levels&lt;/h3&gt;
&lt;p&gt;Options &amp;gt; Players makes each side a person or the computer. The computer searches with one
of four algorithms (Complete, Branch and Bound, Alpha-Beta, or the selective Home Made, which keeps
only its best few moves per position) and a level of 0 to 8: each level looks one move further
ahead and takes longer. Options &amp;gt; Board chooses the starting layout of the next game.&lt;/p&gt;
</source>
        <translation>&lt;h3&gt;Joueurs et niveaux&lt;/h3&gt;
&lt;p&gt;Options &amp;gt; Joueurs fait de chaque camp une personne ou l’ordinateur. L’ordinateur cherche avec un
de quatre algorithmes (Complet, Branch and Bound, Alpha-Bêta, ou le sélectif Maison, qui ne garde
que ses quelques meilleurs coups par position) et un niveau de 0 à 8 : chaque niveau voit un coup plus
loin et prend plus de temps. Options &amp;gt; Plateau choisit la disposition de départ de la prochaine partie.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Network play&lt;/h3&gt;
&lt;p&gt;One player makes player 1 Network (this copy waits on the given port), the other makes player 2
Network (this copy connects to the given host and port); both choose Game &amp;gt; Start. Game &amp;gt;
Send Message sends a line of text, Game &amp;gt; Disconnect ends the game.&lt;/p&gt;
</source>
        <translation>&lt;h3&gt;Jeu en réseau&lt;/h3&gt;
&lt;p&gt;Un joueur met le joueur 1 sur Réseau (cette copie attend sur le port indiqué), l’autre met le joueur 2
sur Réseau (cette copie se connecte à l’hôte et au port indiqués) ; tous deux choisissent Partie &amp;gt; Commencer. Partie &amp;gt;
Envoyer un message envoie une ligne de texte, Partie &amp;gt; Se déconnecter termine la partie.&lt;/p&gt;
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
        <translation>&lt;h3&gt;Le menu Coups&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Annuler&lt;/b&gt; (Ctrl+Z) et &lt;b&gt;Rétablir&lt;/b&gt; (Ctrl+Maj+Z ou Ctrl+Y) parcourent la partie. Contre
l’ordinateur, Annuler reprend votre coup avec sa réponse. Après le résultat, Annuler reprend
le dernier coup et la partie continue.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Liste des coups&lt;/b&gt; montre les coups ; cliquez sur une ligne pour aller à cette position. Son graphique analyse
la partie avec la recherche Complet au niveau d’analyse choisi en dessous : la valeur pour les blancs après
chaque coup (blanc au-dessus de l’axe, jaune en dessous), et des marques sur les coups qui ont perdu 2 ou plus
par rapport au meilleur coup : &lt;span style=&quot;color:#286ef0&quot;&gt;?!&lt;/span&gt; 2 ou plus,
&lt;span style=&quot;color:#f08200&quot;&gt;?&lt;/span&gt; 4 ou plus, &lt;span style=&quot;color:#dc0000&quot;&gt;??&lt;/span&gt; 8 ou plus.
Pointez un coup pour le lire, cliquez dessus pour y aller. Rejouer rejoue la partie depuis le début au
rythme choisi à côté ; Pause arrête une relecture ou une partie entre deux ordinateurs.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Conseil&lt;/b&gt; (H) éclaire le meilleur coup pour le camp qui a le trait.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Montrer le dernier coup&lt;/b&gt; entoure en vert les deux cases du dernier coup.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Enregistrer la partie&lt;/b&gt; (Ctrl+S) et &lt;b&gt;Ouvrir une partie&lt;/b&gt; (Ctrl+O) gardent une partie dans un petit fichier texte ;
&lt;b&gt;Reprendre la dernière partie&lt;/b&gt; ramène la partie locale restée inachevée à la dernière fermeture, gardée
sous le nom lastgame.tgame à côté du fichier de réglages (~/.config/Tessaron/ sauf si XDG_CONFIG_HOME indique
autre chose).&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Touches : Alt+P, Alt+O, Alt+C et Alt+A ouvrent les menus ; F1 ou Aide &amp;gt; Rubriques d’aide ouvre cette
fenêtre. Seules les entrées du menu Coups ont leurs propres touches : aucune touche égarée ne lance une nouvelle partie ni
ne ferme le programme.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Règles du jeu</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clone&lt;/b&gt;: white copies itself to the red cell; the yellow piece beside it turns white.</source>
        <translation>&lt;b&gt;Clonage&lt;/b&gt; : le blanc se copie sur la case rouge ; le pion jaune voisin devient blanc.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Jump&lt;/b&gt;: white jumps to the yellow cell two steps away; the cell it left is empty.</source>
        <translation>&lt;b&gt;Saut&lt;/b&gt; : le blanc saute sur la case jaune à deux pas ; la case qu’il quitte est vide.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Send Message</source>
        <translation>Envoyer un message</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>American</source>
        <translation>Américain</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Suédois</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Rubriques d’aide</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Informations système</translation>
    </message>
    <message>
        <source>About Tessaron</source>
        <translation>À propos de Tessaron</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>What&apos;s your Message ?</source>
        <translation>Votre message ?</translation>
    </message>
</context>
<context>
    <name>MoveList</name>
    <message>
        <source>%1: average loss %2, %3 ?!, %4 ?, %5 ??</source>
        <translation>%1 : perte moyenne %2, %3 ?!, %4 ?, %5 ??</translation>
    </message>
    <message>
        <source>Move List</source>
        <translation>Liste des coups</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Seconds a move</source>
        <translation>Secondes par coup</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Review level</source>
        <translation>Niveau d’analyse</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>%1. Player %2 (%3): %4</source>
        <extracomment>%1 the move&apos;s number, %2 the player, %3 its colour, %4 the move as in 5-3-6-4-1.</extracomment>
        <translation>%1. Joueur %2 (%3) : %4</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
</context>
<context>
    <name>MovesMenu</name>
    <message>
        <source>Tessaron games (*.tgame);;All files (*)</source>
        <translation>Parties Tessaron (*.tgame);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>&amp;Moves</source>
        <translation>&amp;Coups</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Move List</source>
        <translation>Liste des coups</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Conseil</translation>
    </message>
    <message>
        <source>Show Last Move</source>
        <translation>Montrer le dernier coup</translation>
    </message>
    <message>
        <source>Save Game…</source>
        <translation>Enregistrer la partie…</translation>
    </message>
    <message>
        <source>Open Game…</source>
        <translation>Ouvrir une partie…</translation>
    </message>
    <message>
        <source>Resume Last Game</source>
        <translation>Reprendre la dernière partie</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Règles du jeu</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Enregistrer la partie</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Ouvrir une partie</translation>
    </message>
    <message>
        <source>%1 is not a game this program can open.
%2</source>
        <translation>%1 n’est pas une partie que ce programme sait ouvrir.
%2</translation>
    </message>
    <message>
        <source>The unfinished game could not be kept for Resume Last Game.
</source>
        <translation>La partie inachevée n’a pas pu être gardée pour Reprendre la dernière partie.
</translation>
    </message>
    <message>
        <source>The kept game cannot be resumed.
%1</source>
        <translation>La partie gardée ne peut pas être reprise.
%1</translation>
    </message>
</context>
<context>
    <name>NetworkGame</name>
    <message>
        <source>(1 earlier message was not shown: it came too fast)</source>
        <translation>(1 message précédent n’a pas été montré : il est arrivé trop vite)</translation>
    </message>
    <message>
        <source>(%1 earlier messages were not shown: they came too fast)</source>
        <translation>(%1 messages précédents n’ont pas été montrés : ils sont arrivés trop vite)</translation>
    </message>
    <message>
        <source>[%1 more characters not shown]</source>
        <translation>[%1 caractères de plus non montrés]</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d’ouvrir le fichier %1</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>Choose your partner !</source>
        <translation>Choisissez votre adversaire !</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Complet</translation>
    </message>
    <message>
        <source>Branch and Bound</source>
        <translation>Branch and Bound</translation>
    </message>
    <message>
        <source>Alpha-Beta</source>
        <translation>Alpha-Bêta</translation>
    </message>
    <message>
        <source>Home Made</source>
        <translation>Maison</translation>
    </message>
    <message>
        <source>Branch:</source>
        <translation>Branches :</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Humain</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Level :</source>
        <translation>Niveau :</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Address IP of your opponent</source>
        <translation>Adresse IP de votre adversaire</translation>
    </message>
    <message>
        <source>Port of your opponent</source>
        <translation>Port de votre adversaire</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Host :</source>
        <translation>Hôte :</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>ReviewGraph</name>
    <message>
        <source>Review graph</source>
        <translation>Graphique d’analyse</translation>
    </message>
    <message>
        <source>%1. not reviewed yet</source>
        <translation>%1. pas encore analysé</translation>
    </message>
    <message>
        <source>%1. %2 %3: value %4
best %5: %6, loss %7%8</source>
        <translation>%1. %2 %3 : valeur %4
meilleur %5 : %6, perte %7%8</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
</context>
<context>
    <name>ShownText</name>
    <message>
        <source>Player 1 won the game</source>
        <translation>Le joueur 1 a gagné la partie</translation>
    </message>
    <message>
        <source>Player 2 won the game</source>
        <translation>Le joueur 2 a gagné la partie</translation>
    </message>
    <message>
        <source>Congratulation ! You win !</source>
        <translation>Félicitations ! Vous gagnez !</translation>
    </message>
    <message>
        <source>Game Lost, maybe next time...</source>
        <translation>Partie perdue, ce sera pour la prochaine fois…</translation>
    </message>
    <message>
        <source>Congratulation ! You did it !</source>
        <translation>Félicitations ! Vous avez réussi !</translation>
    </message>
    <message>
        <source>Maybe next time...You&apos;ll beat him.</source>
        <translation>La prochaine fois… vous le battrez.</translation>
    </message>
    <message>
        <source>It is a draw !</source>
        <translation>Match nul !</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is the line&apos;s number, %2 the reason (one of the texts below).</extracomment>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>the file is larger than any game can be</source>
        <translation>le fichier est plus grand que ne peut l’être une partie</translation>
    </message>
    <message>
        <source>the file ends here: it is cut short (its last line must be &quot;end&quot;)</source>
        <translation>le fichier s’arrête ici : il est tronqué (sa dernière ligne doit être « end »)</translation>
    </message>
    <message>
        <source>the file is empty, it is not a Tessaron game</source>
        <translation>le fichier est vide, ce n’est pas une partie Tessaron</translation>
    </message>
    <message>
        <source>this is not a Tessaron game (the first line must be &quot;Tessaron game %1&quot;)</source>
        <translation>ce n’est pas une partie Tessaron (la première ligne doit être « Tessaron game %1 »)</translation>
    </message>
    <message>
        <source>the version must be a number, as in &quot;Tessaron game 1&quot;</source>
        <translation>la version doit être un nombre, comme dans « Tessaron game 1 »</translation>
    </message>
    <message>
        <source>version %1 of the game file is unknown (this program reads version %2)</source>
        <translation>la version %1 du fichier de partie est inconnue (ce programme lit la version %2)</translation>
    </message>
    <message>
        <source>expected the layout: &quot;layout Standard&quot;, &quot;layout American&quot; or &quot;layout Swedish&quot;</source>
        <translation>disposition attendue : « layout Standard », « layout American » ou « layout Swedish »</translation>
    </message>
    <message>
        <source>expected &quot;player %1 KIND level L branch B algorithm NAME&quot; with KIND Human or Computer, L 0 to 8, B 3 to 30 and NAME Complete, Branch and Bound, Alpha-Beta or Home Made</source>
        <translation>attendu « player %1 KIND level L branch B algorithm NAME » avec KIND Human ou Computer, L de 0 à 8, B de 3 à 30 et NAME Complete, Branch and Bound, Alpha-Beta ou Home Made</translation>
    </message>
    <message>
        <source>expected the line &quot;moves&quot;</source>
        <translation>ligne « moves » attendue</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a move (five numbers joined by &quot;-&quot;, as in 5-3-6-4-1)</source>
        <translation>« %1 » n’est pas un coup (cinq nombres reliés par « - », comme dans 5-3-6-4-1)</translation>
    </message>
    <message>
        <source>the move %1 is not legal for player %2 in this position</source>
        <translation>le coup %1 n’est pas permis au joueur %2 dans cette position</translation>
    </message>
    <message>
        <source>nothing may follow the line &quot;end&quot;</source>
        <translation>rien ne peut suivre la ligne « end »</translation>
    </message>
    <message>
        <source>this is not a plain file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>le fichier ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Impossible de lire les données de « %1 »</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Type de données non valable pour « %1 »</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Impossible d’écrire les données de « %1 »</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Trying to connect to %1 at port %2</source>
        <translation>Connexion à %1 sur le port %2…</translation>
    </message>
    <message>
        <source>%1 Listening on port: %2</source>
        <translation>%1 en écoute sur le port : %2</translation>
    </message>
    <message>
        <source>Connected on local port %1</source>
        <translation>Connecté sur le port local %1</translation>
    </message>
    <message>
        <source>Connection accepted for %1 on port %2</source>
        <translation>Connexion acceptée pour %1 sur le port %2</translation>
    </message>
    <message>
        <source>Connection closed by Player 1 </source>
        <translation>Connexion fermée par le joueur 1 </translation>
    </message>
    <message>
        <source>Connection closed by Player 2 </source>
        <translation>Connexion fermée par le joueur 2 </translation>
    </message>
    <message>
        <source>Message from Player %1</source>
        <translation>Message du joueur %1</translation>
    </message>
    <message>
        <source>Messages from Player %1 came too fast: %2 not shown</source>
        <translation>Messages du joueur %1 trop rapides : %2 non montrés</translation>
    </message>
    <message>
        <source>Refused move &quot;%1&quot;: %2</source>
        <extracomment>%1 is the received line as it came, %2 the reason (one of the texts below).</extracomment>
        <translation>Coup refusé « %1 » : %2</translation>
    </message>
    <message>
        <source>its fields are not numbers</source>
        <translation>ses champs ne sont pas des nombres</translation>
    </message>
    <message>
        <source>a cell is off the board</source>
        <translation>une case est hors du plateau</translation>
    </message>
    <message>
        <source>a clone goes one cell and a jump two</source>
        <translation>un clonage va d’une case et un saut de deux</translation>
    </message>
    <message>
        <source>no game is running</source>
        <translation>aucune partie en cours</translation>
    </message>
    <message>
        <source>it is not Player %1&apos;s turn</source>
        <translation>ce n’est pas au tour du joueur %1</translation>
    </message>
    <message>
        <source>not a legal move of Player %1</source>
        <translation>coup non permis pour le joueur %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>« %1 » n’est pas un nombre entier valable</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid port number</source>
        <translation>« %1 » n’est pas un numéro de port valable</translation>
    </message>
    <message>
        <source>%1 TCP/IP sockets (IPv4 and IPv6 stream, non-blocking)</source>
        <translation>Sockets TCP/IP %1 (flux IPv4 et IPv6, non bloquants)</translation>
    </message>
    <message>
        <source>Running, no interface is up</source>
        <translation>En marche, aucune interface active</translation>
    </message>
    <message>
        <source>Running on %1</source>
        <translation>En marche sur %1</translation>
    </message>
    <message>
        <source>Interrupted system call</source>
        <translation>Appel système interrompu</translation>
    </message>
    <message>
        <source>Bad file number</source>
        <translation>Numéro de fichier incorrect</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Bad address</source>
        <translation>Adresse incorrecte</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argument non valable</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>Operation would block</source>
        <translation>L’opération bloquerait</translation>
    </message>
    <message>
        <source>Operation now in progress</source>
        <translation>Opération en cours</translation>
    </message>
    <message>
        <source>Operation already in progress</source>
        <translation>Opération déjà en cours</translation>
    </message>
    <message>
        <source>Socket operation on nonsocket</source>
        <translation>Opération de socket sur un non-socket</translation>
    </message>
    <message>
        <source>Destination address required</source>
        <translation>Adresse de destination requise</translation>
    </message>
    <message>
        <source>Message too long</source>
        <translation>Message trop long</translation>
    </message>
    <message>
        <source>Protocol wrong type for socket</source>
        <translation>Type de protocole incorrect pour le socket</translation>
    </message>
    <message>
        <source>Protocol not available</source>
        <translation>Protocole non disponible</translation>
    </message>
    <message>
        <source>Protocol not supported</source>
        <translation>Protocole non pris en charge</translation>
    </message>
    <message>
        <source>Socket not supported</source>
        <translation>Socket non pris en charge</translation>
    </message>
    <message>
        <source>Operation not supported on socket</source>
        <translation>Opération non prise en charge sur le socket</translation>
    </message>
    <message>
        <source>Protocol family not supported</source>
        <translation>Famille de protocoles non prise en charge</translation>
    </message>
    <message>
        <source>Address family not supported</source>
        <translation>Famille d’adresses non prise en charge</translation>
    </message>
    <message>
        <source>Address already in use</source>
        <translation>Adresse déjà utilisée</translation>
    </message>
    <message>
        <source>Can&apos;t assign requested address</source>
        <translation>Impossible d’attribuer l’adresse demandée</translation>
    </message>
    <message>
        <source>Network is down</source>
        <translation>Le réseau est hors service</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>Le réseau est inaccessible</translation>
    </message>
    <message>
        <source>Network dropped connection on reset</source>
        <translation>Le réseau a abandonné la connexion lors de la réinitialisation</translation>
    </message>
    <message>
        <source>Software caused connection abort</source>
        <translation>Connexion interrompue par le logiciel</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>Connexion réinitialisée par l’autre côté</translation>
    </message>
    <message>
        <source>No buffer space available</source>
        <translation>Plus de place dans les tampons</translation>
    </message>
    <message>
        <source>Socket is already connected</source>
        <translation>Le socket est déjà connecté</translation>
    </message>
    <message>
        <source>Socket is not connected</source>
        <translation>Le socket n’est pas connecté</translation>
    </message>
    <message>
        <source>Can&apos;t send after socket shutdown</source>
        <translation>Envoi impossible après la fermeture du socket</translation>
    </message>
    <message>
        <source>Too many references:can&apos;t splice</source>
        <translation>Trop de références : jonction impossible</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Délai de connexion dépassé</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Connexion refusée</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Trop de niveaux de liens symboliques</translation>
    </message>
    <message>
        <source>File name is too long</source>
        <translation>Nom de fichier trop long</translation>
    </message>
    <message>
        <source>Host is down</source>
        <translation>L’hôte est hors service</translation>
    </message>
    <message>
        <source>No route to host</source>
        <translation>Aucune route vers l’hôte</translation>
    </message>
    <message>
        <source>Directory is not empty</source>
        <translation>Le répertoire n’est pas vide</translation>
    </message>
    <message>
        <source>Too many processes</source>
        <translation>Trop de processus</translation>
    </message>
    <message>
        <source>Too many users</source>
        <translation>Trop d’utilisateurs</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Quota de disque dépassé</translation>
    </message>
    <message>
        <source>Stale NFS file handle</source>
        <translation>Descripteur de fichier NFS périmé</translation>
    </message>
    <message>
        <source>Too many levels of remote in path</source>
        <translation>Trop de niveaux distants dans le chemin</translation>
    </message>
    <message>
        <source>Network subsystem is unusable</source>
        <translation>Le sous-système réseau est inutilisable</translation>
    </message>
    <message>
        <source>Winsock DLL cannot support this application</source>
        <translation>La DLL Winsock ne prend pas en charge cette application</translation>
    </message>
    <message>
        <source>Winsock not initialized</source>
        <translation>Winsock non initialisé</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>Hôte introuvable</translation>
    </message>
    <message>
        <source>Non authoritative - host not found</source>
        <translation>Réponse non officielle – hôte introuvable</translation>
    </message>
    <message>
        <source>Non recoverable error</source>
        <translation>Erreur irrécupérable</translation>
    </message>
    <message>
        <source>Valid name, no data record of requested type</source>
        <translation>Nom valable, aucun enregistrement du type demandé</translation>
    </message>
    <message>
        <source>Not a Winsock error</source>
        <translation>Pas une erreur Winsock</translation>
    </message>
</context>
<context>
    <name>StrengthTable</name>
    <message>
        <source>under 0.001 s</source>
        <translation>moins de 0,001 s</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1, level %2, branch %3</source>
        <translation>%1, niveau %2, %3 branches</translation>
    </message>
    <message>
        <source>%1, level %2</source>
        <translation>%1, niveau %2</translation>
    </message>
    <message>
        <source>%1: rated about %2, %3 a move</source>
        <translation>%1 : classement d’environ %2, %3 par coup</translation>
    </message>
    <message>
        <source>at branch %1 rated about %2, %3 a move</source>
        <translation>à %1 branches, classement d’environ %2, %3 par coup</translation>
    </message>
    <message>
        <source>%1: not measured</source>
        <translation>%1 : non mesuré</translation>
    </message>
    <message>
        <source>%1: not measured; %2</source>
        <translation>%1 : non mesuré ; %2</translation>
    </message>
    <message>
        <source>; </source>
        <translation> ; </translation>
    </message>
    <message>
        <source>%1 (branch %2)</source>
        <translation>%1 (%2 branches)</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Classement</translation>
    </message>
    <message>
        <source>Computer player</source>
        <translation>Joueur ordinateur</translation>
    </message>
    <message>
        <source>Time a move</source>
        <translation>Temps par coup</translation>
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
        <translation>La force de l’ordinateur</translation>
    </message>
    <message>
        <source>Each setting of the computer was rated in games against its neighbours, on one scale on which Alpha-Beta at level 0 stands at 1000. A player rated 200 higher wins about three games in four; the ± gives the 95% interval of the measurement. The time is the median time a move on a two-core computer.</source>
        <translation>Chaque réglage de l’ordinateur a été classé par des parties contre ses voisins, sur une seule échelle où Alpha-Bêta au niveau 0 vaut 1000. Un joueur classé 200 points plus haut gagne environ trois parties sur quatre ; le ± donne l’intervalle à 95 % de la mesure. Le temps est le temps médian par coup sur un ordinateur à deux cœurs.</translation>
    </message>
</context>
<context>
    <name>SystemInformation</name>
    <message>
        <source>System Information</source>
        <translation>Informations système</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Description: </source>
        <translation>Description : </translation>
    </message>
    <message>
        <source>SystemStatus: </source>
        <translation>État du système : </translation>
    </message>
    <message>
        <source>Local Host Name: </source>
        <translation>Nom de l’hôte local : </translation>
    </message>
    <message>
        <source>It will not work in Network mode</source>
        <translation>Le jeu en réseau ne marchera pas</translation>
    </message>
    <message>
        <source>because you don&apos;t have an IP Address !</source>
        <translation>car vous n’avez pas d’adresse IP !</translation>
    </message>
    <message>
        <source>Local Host Address: </source>
        <translation>Adresse de l’hôte local : </translation>
    </message>
</context>
</TS>
