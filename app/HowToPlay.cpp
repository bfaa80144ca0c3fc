#include "app/HowToPlay.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineF>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "rules/Board.h"

#include "app/options/StrengthTable.h"
#include "rules/MoveOffsets.h"
#include "view/BoardGeometry.h"
#include "view/BoardPainting.h"
#include "view/PieceObject.h"

namespace {

constexpr int PictureHexSize = 14;
// The picture shows the cells within two steps of this one.
constexpr CellPos Centre{5, 3};
constexpr CellPos CloneTarget{5, 4};
constexpr CellPos JumpTarget{3, 2};
constexpr CellPos Opponent{6, 5}; // beside the clone's target, not the jump's

QRect PatchBounds() {
    QRect bounds;
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col)
            if (CellValid(row, col) && HexDistance(row - Centre.Row, col - Centre.Col) <= 2)
                bounds = bounds.united(CellHexagon(row, col, PictureHexSize).boundingRect());
    return bounds.adjusted(-2, -2, 2, 2);
}

const char* const RulesText = R"(
<h3>The game</h3>
<p>Two players share a hexagonal board of 58 cells. Player 1 plays white and moves first,
player 2 plays yellow. On a turn you move one of your pieces to an empty cell:</p>
<ul>
<li><b>Clone</b>: to a neighbouring cell (lit <span style="color:#d00000">red</span>). The piece is
copied; your piece on the starting cell stays.</li>
<li><b>Jump</b>: to a cell two steps away (lit <span style="color:#b0a000">yellow</span>). The piece
moves; its starting cell becomes empty.</li>
</ul>
<p><b>Conversion</b>: every opponent piece next to the cell you land on becomes yours.</p>
<p><b>The end</b>: a player who cannot move ends the game. The other player receives every
empty cell; the player with more pieces wins. The score beside each marker at the top left is
that player's number of pieces.</p>
<h3>Playing</h3>
<p>Choose Game &gt; Start. Click one of your pieces, move the pointer over an empty cell
until it lights red or yellow, and click. Click the piece again to choose another.</p>
<p><b>With the keyboard</b>: the board has the keyboard focus when a game starts (Tab or a click
gives it back) and shows a cursor, a dashed white outline. The arrow keys move it: Up and Down
along the column of cells on screen, Left and Right to the next column, keeping level. Space
or Return on your piece selects it, on a lit cell plays the move; Escape drops the selection.
Or type the move's four digits, from row and column to row and column, as in 3 7 3 6. A
screen reader names each cell (Row 3, column 7: white piece) and says every move.</p>
<h3>Players and levels</h3>
<p>Options &gt; Players makes each side a person or the computer. The computer searches with one
of four algorithms (Complete, Branch and Bound, Alpha-Beta, or the selective Home Made, which keeps
only its best few moves per position) and a level of 0 to 8: each level looks one move further
ahead and takes longer. Options &gt; Board chooses the starting layout of the next game.</p>
<h3>Network play</h3>
<p>One player makes player 1 Network (this copy waits on the given port), the other makes player 2
Network (this copy connects to the given host and port); both choose Game &gt; Start. Game &gt;
Send Message sends a line of text, Game &gt; Disconnect ends the game.</p>
<h3>The Moves menu</h3>
<ul>
<li><b>Undo</b> (Ctrl+Z) and <b>Redo</b> (Ctrl+Shift+Z or Ctrl+Y) step through the game. Against
the computer, Undo takes back your move together with its reply. After the result, Undo takes
back the last move and the game goes on.</li>
<li><b>Move List</b> shows the moves; click a line to go to that position. Its graph reviews
the game with the Complete search at the review level chosen below it: the value for white after
each move (white above the axis, yellow below), and marks on the moves that lost 2 or more
against the best move: <span style="color:#286ef0">?!</span> 2 or more,
<span style="color:#f08200">?</span> 4 or more, <span style="color:#dc0000">??</span> 8 or more.
Point at a move to read it, click it to go there. Replay plays the game again from its start at
the pace chosen beside it; Pause holds a replay or a game of two computers.</li>
<li><b>Hint</b> (H) lights the best move for the side to move.</li>
<li><b>Show Last Move</b> outlines the last move's two cells in green.</li>
<li><b>Save Game</b> (Ctrl+S) and <b>Open Game</b> (Ctrl+O) keep a game in a small text file;
<b>Resume Last Game</b> brings back the local game left unfinished at the last close, kept
as lastgame.tgame beside the settings file (~/.config/Tessaron/ unless XDG_CONFIG_HOME says
otherwise).</li>
</ul>
<p>Keys: Alt+G, Alt+O, Alt+M and Alt+H open the menus; F1 or Help &gt; Help Topics opens this
window. Only the Moves menu's items have keys of their own: no stray key starts a new game or
closes the program.</p>
)";

} // namespace

TCloneJumpPicture::TCloneJumpPicture(bool clone, QWidget* parent) : QWidget(parent), m_clone(clone) {
    setFixedSize(sizeHint());
}

QSize TCloneJumpPicture::sizeHint() const {
    return PatchBounds().size();
}

void TCloneJumpPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.translate(-PatchBounds().topLeft());
    const CellPos target = m_clone ? CloneTarget : JumpTarget;
    painter.setPen(QPen(Qt::black, 1));
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col) {
            if (!CellValid(row, col) || HexDistance(row - Centre.Row, col - Centre.Col) > 2) continue;
            const CellPos cell{row, col};
            if (std::find(Holes.begin(), Holes.end(), cell) != Holes.end())
                continue; // a gap, as on the board
            painter.setBrush(cell != target ? BoardCellColor
                             : m_clone      ? CloneHighlightColor
                                            : JumpHighlightColor);
            painter.drawPolygon(CellHexagon(row, col, PictureHexSize));
        }
    painter.setRenderHint(QPainter::Antialiasing);
    const auto piece = [&](CellPos cell, const QBrush& fill, Qt::PenStyle style = Qt::SolidLine) {
        painter.setBrush(fill);
        painter.setPen(QPen(Qt::black, 1, style));
        painter.drawEllipse(PieceBox(cell.Row, cell.Col, PictureHexSize));
    };
    // The position after the move: the mover's pieces white, the converted neighbour too.
    if (m_clone)
        piece(Centre, Player1PieceColor);
    else
        piece(Centre, Qt::NoBrush, Qt::DashLine);
    piece(target, Player1PieceColor);
    piece(Opponent, m_clone ? Player1PieceColor : Player2PieceColor);
    // An arrow from where the piece came from to where it went.
    const QPointF from = QRectF(PieceBox(Centre.Row, Centre.Col, PictureHexSize)).center();
    const QPointF to = QRectF(PieceBox(target.Row, target.Col, PictureHexSize)).center();
    const QLineF line(from, to);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(line);
    QLineF head = line;
    head.setLength(6);
    head.translate(to - from);
    head.setAngle(line.angle() + 150);
    painter.drawLine(head);
    head.setAngle(line.angle() - 150);
    painter.drawLine(head);
}

THowToPlay::THowToPlay(QWidget* owner) : QDialog(owner) {
    setWindowTitle("How to Play");
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    ClonePicture = new TCloneJumpPicture(true, this);
    JumpPicture = new TCloneJumpPicture(false, this);
    for (auto [picture, text] :
         {std::pair{ClonePicture, "<b>Clone</b>: white copies itself to the red cell; "
                                  "the yellow piece beside it turns white."},
          std::pair{JumpPicture, "<b>Jump</b>: white jumps to the yellow cell two steps "
                                 "away; the cell it left is empty."}}) {
        auto* column = new QVBoxLayout;
        column->addWidget(picture, 0, Qt::AlignHCenter);
        auto* caption = new QLabel(text, this);
        caption->setWordWrap(true);
        column->addWidget(caption);
        top->addLayout(column, 1);
    }
    layout->addLayout(top);

    Rules = new QLabel(RulesText);
    Rules->setText(Rules->text() + StrengthTableSection()); // the measured table after the rules
    Rules->setTextFormat(Qt::RichText);
    Rules->setWordWrap(true);
    Rules->setContentsMargins(4, 0, 4, 4);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(Rules);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    layout->addWidget(scroll, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
    resize(520, 560);
}
