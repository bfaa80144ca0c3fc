#include "app/HowToPlay.h"

#include <QCoreApplication>
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

// The rules, a section at a time for the translators; the window shows them one after the other.
const char* const RulesSections[] = {
    QT_TRANSLATE_NOOP(
        "HowToPlay",
        "<h3>The game</h3>\n"
        "<p>Two players share a hexagonal board of 58 cells. Player 1 plays white and moves first,\n"
        "player 2 plays yellow. On a turn you move one of your pieces to an empty cell:</p>\n"
        "<ul>\n"
        "<li><b>Clone</b>: to a neighbouring cell (lit <span style=\"color:#d00000\">red</span>). The piece "
        "is\n"
        "copied; your piece on the starting cell stays.</li>\n"
        "<li><b>Jump</b>: to a cell two steps away (lit <span style=\"color:#b0a000\">yellow</span>). The "
        "piece\n"
        "moves; its starting cell becomes empty.</li>\n"
        "</ul>\n"
        "<p><b>Conversion</b>: every opponent piece next to the cell you land on becomes yours.</p>\n"
        "<p><b>The end</b>: a player who cannot move ends the game. The other player receives every\n"
        "empty cell; the player with more pieces wins. The score beside each marker at the top left is\n"
        "that player's number of pieces.</p>\n"),
    QT_TRANSLATE_NOOP(
        "HowToPlay",
        "<h3>Playing</h3>\n"
        "<p>Choose Game &gt; Start. Click one of your pieces, move the pointer over an empty cell\n"
        "until it lights red or yellow, and click. Click the piece again to choose another.</p>\n"
        "<p><b>With the keyboard</b>: the board has the keyboard focus when a game starts (Tab or a click\n"
        "gives it back) and shows a cursor, a dashed white outline. The arrow keys move it: Up and Down\n"
        "along the column of cells on screen, Left and Right to the next column, keeping level. Space\n"
        "or Return on your piece selects it, on a lit cell plays the move; Escape drops the selection.\n"
        "Or type the move's four digits, from row and column to row and column, as in 3 7 3 6. A\n"
        "screen reader names each cell (Row 3, column 7: white piece) and says every move.</p>\n"),
    QT_TRANSLATE_NOOP(
        "HowToPlay",
        "<h3>Players and levels</h3>\n"
        "<p>Options &gt; Players makes each side a person or the computer. The computer searches with one\n"
        "of four algorithms (Complete, Branch and Bound, Alpha-Beta, or the selective Home Made, which "
        "keeps\n"
        "only its best few moves per position) and a level of 0 to 8: each level looks one move further\n"
        "ahead and takes longer. Options &gt; Board chooses the starting layout of the next game.</p>\n"),
    QT_TRANSLATE_NOOP(
        "HowToPlay",
        "<h3>Network play</h3>\n"
        "<p>One player makes player 1 Network (this copy waits on the given port), the other makes player 2\n"
        "Network (this copy connects to the given host and port); both choose Game &gt; Start. Game &gt;\n"
        "Send Message sends a line of text, Game &gt; Disconnect ends the game.</p>\n"),
    QT_TRANSLATE_NOOP(
        "HowToPlay",
        "<h3>The Moves menu</h3>\n"
        "<ul>\n"
        "<li><b>Undo</b> (Ctrl+Z) and <b>Redo</b> (Ctrl+Shift+Z or Ctrl+Y) step through the game. Against\n"
        "the computer, Undo takes back your move together with its reply. After the result, Undo takes\n"
        "back the last move and the game goes on.</li>\n"
        "<li><b>Move List</b> shows the moves; click a line to go to that position. Its graph reviews\n"
        "the game with the Complete search at the review level chosen below it: the value for white after\n"
        "each move (white above the axis, yellow below), and marks on the moves that lost 2 or more\n"
        "against the best move: <span style=\"color:#286ef0\">?!</span> 2 or more,\n"
        "<span style=\"color:#f08200\">?</span> 4 or more, <span style=\"color:#dc0000\">??"
        "</span> 8 or "
        "more.\n"
        "Point at a move to read it, click it to go there. Replay plays the game again from its start at\n"
        "the pace chosen beside it; Pause holds a replay or a game of two computers.</li>\n"
        "<li><b>Hint</b> (H) lights the best move for the side to move.</li>\n"
        "<li><b>Show Last Move</b> outlines the last move's two cells in green.</li>\n"
        "<li><b>Save Game</b> (Ctrl+S) and <b>Open Game</b> (Ctrl+O) keep a game in a small text file;\n"
        "<b>Resume Last Game</b> brings back the local game left unfinished at the last close, kept\n"
        "as lastgame.tgame beside the settings file (~/.config/Tessaron/ unless XDG_CONFIG_HOME says\n"
        "otherwise).</li>\n"
        "</ul>\n"
        "<p>Keys: Alt+G, Alt+O, Alt+M and Alt+H open the menus; F1 or Help &gt; Help Topics opens this\n"
        "window. Only the Moves menu's items have keys of their own: no stray key starts a new game or\n"
        "closes the program.</p>\n"),
};

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
    setWindowTitle(QCoreApplication::translate("HowToPlay", "How to Play"));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    ClonePicture = new TCloneJumpPicture(true, this);
    JumpPicture = new TCloneJumpPicture(false, this);
    for (auto [picture, text] :
         {std::pair{ClonePicture,
                    QT_TRANSLATE_NOOP("HowToPlay", "<b>Clone</b>: white copies itself to the red cell; "
                                                   "the yellow piece beside it turns white.")},
          std::pair{JumpPicture,
                    QT_TRANSLATE_NOOP("HowToPlay", "<b>Jump</b>: white jumps to the yellow cell two steps "
                                                   "away; the cell it left is empty.")}}) {
        auto* column = new QVBoxLayout;
        column->addWidget(picture, 0, Qt::AlignHCenter);
        auto* caption = new QLabel(QCoreApplication::translate("HowToPlay", text), this);
        caption->setWordWrap(true);
        column->addWidget(caption);
        top->addLayout(column, 1);
    }
    layout->addLayout(top);

    QString rules = QStringLiteral("\n");
    for (const char* section : RulesSections)
        rules += QCoreApplication::translate("HowToPlay", section);
    // The measured strength of the computer's settings after the rules.
    Rules = new QLabel(rules + StrengthTableSection());
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
