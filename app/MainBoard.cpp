// The board side of the main window: placing and removing pieces, animating moves,
// painting and re-laying out the board.
#include <QLabel>
#include <QPainter>
#include <algorithm>

#include "app/Main.h"
#include "app/MovesMenu.h"
#include "app/Platform.h"
#include "app/SearchJob.h"
#include "rules/Layouts.h"
#include "rules/Move.h"
#include "view/BoardGeometry.h"
#include "view/PieceObject.h"

int TForm1::ScoreOf(const QLabel* label) {
    bool ok = false;
    const int value = label->text().toInt(&ok);
    return ok ? value : 0;
}

QLabel* TForm1::ScoreLabel(int player) const {
    return player == 1 ? Score1 : Score2;
}

void TForm1::AddToScore(int player, int delta) {
    QLabel* label = ScoreLabel(player);
    label->setText(QString::number(ScoreOf(label) + delta));
    label->adjustSize();
}

void TForm1::MettreLesPions() {
    WriteLayout(m_board, ChosenVariant);
    Score1->setText("0");
    Score2->setText("0");
    // The layout's values are set; each piece then appears in row-major order. CreatePion
    // writes the value again and counts the piece.
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col) {
            const int value = m_board(row, col).Value;
            if (value == 1 || value == 2) CreatePion(row, col, row, col, value);
        }
    if (Moves) Moves->GameStarted();
}

void TForm1::VideDamier() {
    StopSearch = true;
    ++m_boardGeneration;
    for (SearchJob* job : m_runningSearches)
        job->RequestStop();
    // The pending human move belongs to the board that goes.
    ClearPendingMove();
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col) {
            Cell& cell = m_board(row, col);
            if (cell.Value == 1 || cell.Value == 2) cell.Value = Empty;
        }
    m_pieces.Clear();
    Score1->setText("");
    Score2->setText("");
    m_surface->update();
    if (Moves) Moves->BoardEmptied();
}

void TForm1::ClearPendingMove() {
    if (PieceSelected && CellValid(SelectedRow, SelectedCol))
        if (PieceObject* piece = m_pieces.At(SelectedRow, SelectedCol)) piece->setOutlineWidth(1);
    PieceSelected = false;
    SelectedRow = 0;
    SelectedCol = 0;
    if (TargetRow > 0) ColorHex(TargetRow, TargetCol, BoardCellColor);
    TargetRow = 0;
    TargetCol = 0;
    m_highlights.clear();
}

void TForm1::ShowPieceAt(QWidget* piece, const QRect& box) {
    const QRect old = piece->isVisible() ? piece->geometry() : QRect();
    piece->setGeometry(box);
    piece->show();
    // Draw the frame now, old place and new: the thread sleeps before the next one.
    m_surface->repaint(old.united(box));
}

PieceObject* TForm1::NewPiece(int row, int col, int owner) {
    m_board(row, col).Value = owner;
    auto* piece = new PieceObject(owner, m_surface);
    piece->setCell(row, col);
    piece->OnMouseDown = [this](PieceObject* clicked) { Shape1MouseDown(clicked); };
    m_pieces.Put(row, col, piece);
    return piece;
}

void TForm1::CreatePion(int fromRow, int fromCol, int row, int col, int owner) {
    PieceObject* piece = NewPiece(row, col, owner);
    AddToScore(owner, +1);
    for (int frame = 1; frame <= AnimFrames; ++frame) {
        ShowPieceAt(piece,
                    GrowFrameBox(fromRow, fromCol, row, col, HexSize, frame).translated(BoardOffset()));
        m_platform.Wait(AnimDelay);
    }
    if (SoundOn) m_platform.PlaySound("reprod.wav");
}

bool TForm1::PlayMove(int fromRow, int fromCol, int toRow, int toCol) {
    const int p = CurrentPlayer;
    const int q = OtherPlayer(p);
    const Move move{fromRow, fromCol, toRow, toCol, CloneMove};
    if (!IsLegalMove(CopyToValueGrid(m_board), move, p)) return false;

    if (CloneMove) {
        // A new piece grows out of the origin into the destination.
        CreatePion(fromRow, fromCol, toRow, toCol, p);
    } else {
        // The piece itself slides over to the destination.
        PieceObject* piece = m_pieces.At(fromRow, fromCol);
        piece->raise();
        const int side = piece->width();
        for (int frame = 1; frame <= AnimFrames; ++frame) {
            ShowPieceAt(piece, SlideFrameBox(fromRow, fromCol, toRow, toCol, side, HexSize, frame)
                                   .translated(BoardOffset()));
            m_platform.Wait(AnimDelay);
        }
        m_pieces.Move(fromRow, fromCol, toRow, toCol);
        piece->setCell(toRow, toCol);
        m_board(toRow, toCol).Value = p;
        m_board(fromRow, fromCol).Value = Empty;
        if (SoundOn) m_platform.PlaySound("to.wav");
    }
    // Captures, all at once, in neighbour order.
    const Captures captures = CapturedCells(CopyToValueGrid(m_board), {toRow, toCol}, q);
    for (int i = 0; i < captures.Count; ++i) {
        const auto [row, col] = captures.Cells[i];
        m_board(row, col).Value = p;
        PieceObject* taken = m_pieces.At(row, col);
        taken->setOwner(p);
        AddToScore(p, +1);
        AddToScore(q, -1);
        taken->repaint();
    }
    // The light goes out and the turn passes to the opponent.
    TargetRow = 0;
    CurrentPlayer = q;
    if (Moves) Moves->MovePlayed(move);
    return true;
}

void TForm1::RepositionnnePions() {
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col) {
            if (PieceObject* piece = m_pieces.At(row, col))
                piece->setGeometry(PieceBox(row, col, HexSize).translated(BoardOffset()));
        }
    const ScoreAreaLayout area = ScoreArea(HexSize);
    Player1Marker->setGeometry(area.Player1MarkerLeft, area.MarkerTop, area.MarkerSide, area.MarkerSide);
    Player2Marker->setGeometry(area.Player2MarkerLeft, area.MarkerTop, area.MarkerSide, area.MarkerSide);
    Score1->move(area.Score1Left, area.ScoreTop);
    Score2->move(area.Score2Left, area.ScoreTop);
}

void TForm1::ColorHex(int row, int col, const QColor& colour) {
    if (colour == BoardCellColor)
        m_highlights.remove(CellKey(row, col));
    else
        m_highlights.insert(CellKey(row, col), colour);
    // Drawn at once: the hover light must follow the pointer without waiting for a paint.
    m_surface->repaint(
        CellHexagon(row, col, HexSize).boundingRect().translated(BoardOffset()).adjusted(-1, -1, 1, 1));
}

void TForm1::FormPaint(QPainter& painter) {
    painter.translate(BoardOffset());
    PaintBoard(painter, m_holes, HexSize, m_surface->palette().color(QPalette::Window), m_highlights);
    if (Moves) Moves->PaintOverlay(painter);
}

void TForm1::FormResize() {
    const QSize outer = frameGeometry().size();
    int size = HexSizeFor(outer.width(), outer.height());
    // The window's rule can give a board larger than the surface left between the menu
    // bar and the bottom line (at 1200 x 900 it would); the whole board stays on screen.
    // A short wide window would give less than the smallest playable size, which the
    // surface's minimum size always holds.
    size = std::max(size, MinimumHexSize);
    if (m_surface->isVisible())
        size = std::min(size, LargestHexSizeInside(m_surface->width(), m_surface->height()));
    const int shift = BoardShift(m_surface->width(), size);
    if (size == HexSize && shift == m_boardShift) return;
    HexSize = size;
    m_boardShift = shift;
    RepositionnnePions();
    m_surface->update();
}
