#include "HowToPlay.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "rules/Board.h"

#include "rules/MoveOffsets.h"
#include "view/BoardGeometry.h"
#include "view/BoardPainting.h"
#include "view/PieceObject.h"

namespace {

constexpr int PictureHexSize = 12;
// The picture shows the cells within two steps of this one.
constexpr CellPos Centre{5, 3};
constexpr CellPos CloneTarget{5, 4};
constexpr CellPos JumpTarget{3, 2};
constexpr CellPos Opponent{6, 5}; // beside the clone's target: it would change colour

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
<li><b>Move List</b> shows the moves; click a line to go to that position.</li>
<li><b>Hint</b> (H) lights the best move for the side to move.</li>
<li><b>Show Last Move</b> outlines the last move's two cells in green.</li>
<li><b>Save Game</b> (Ctrl+S) and <b>Open Game</b> (Ctrl+O) keep a game in a small text file;
<b>Resume Last Game</b> brings back the game left unfinished at the last close.</li>
</ul>
<p>Keys: Ctrl+N Start, Ctrl+P Players, Ctrl+M Sound, Ctrl+Q Exit, F1 this window.</p>
)";

} // namespace

TCloneJumpPicture::TCloneJumpPicture(QWidget* parent) : QWidget(parent) {
    setFixedSize(sizeHint());
}

QSize TCloneJumpPicture::sizeHint() const {
    return PatchBounds().size();
}

void TCloneJumpPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.translate(-PatchBounds().topLeft());
    painter.setPen(QPen(Qt::black, 1));
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col) {
            if (!CellValid(row, col) || HexDistance(row - Centre.Row, col - Centre.Col) > 2) continue;
            const CellPos cell{row, col};
            if (std::find(Holes.begin(), Holes.end(), cell) != Holes.end())
                continue; // a gap, as on the board
            painter.setBrush(cell == CloneTarget  ? CloneHighlightColor
                             : cell == JumpTarget ? JumpHighlightColor
                                                  : BoardCellColor);
            painter.drawPolygon(CellHexagon(row, col, PictureHexSize));
        }
    painter.setRenderHint(QPainter::Antialiasing);
    const auto piece = [&](CellPos cell, const QColor& fill) {
        painter.setBrush(fill);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawEllipse(PieceBox(cell.Row, cell.Col, PictureHexSize));
    };
    piece(Centre, Player1PieceColor);
    piece(Opponent, Player2PieceColor);
    // Arrows from the piece's centre to the two destinations.
    const auto centreOf = [](CellPos cell) {
        return QRectF(PieceBox(cell.Row, cell.Col, PictureHexSize)).center();
    };
    painter.setPen(QPen(Qt::black, 2));
    for (CellPos target : {CloneTarget, JumpTarget})
        painter.drawLine(centreOf(Centre), centreOf(target));
}

THowToPlay::THowToPlay(QWidget* owner) : QDialog(owner) {
    setWindowTitle("How to Play");
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    Picture = new TCloneJumpPicture(this);
    top->addWidget(Picture);
    auto* caption = new QLabel("The white piece may clone itself to the red cell (the yellow piece beside it "
                               "then turns white) or jump to the yellow cell.",
                               this);
    caption->setWordWrap(true);
    top->addWidget(caption, 1);
    layout->addLayout(top);

    Rules = new QLabel(RulesText);
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
