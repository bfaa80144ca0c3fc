// The board side of the main window: placing and removing pieces, playing moves, painting
// and re-laying out the board. The game model decides; the board view shows.
#include <QLabel>
#include <QPainter>
#include <algorithm>

#include "app/Main.h"
#include "app/MovesMenu.h"
#include "app/SearchJob.h"
#include "view/BoardGeometry.h"

int TForm1::ScoreOf(const QLabel* label) {
    bool ok = false;
    const int value = label->text().toInt(&ok);
    return ok ? value : 0;
}

void TForm1::MettreLesPions() {
    m_game.WriteLayout(ChosenVariant);
    Score1->setText("0");
    Score2->setText("0");
    // The layout's values are set; each piece then appears in row-major order. CreatePion
    // writes the value again and counts the piece.
    const ::Board& board = m_game.board();
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col) {
            const int value = board(row, col).Value;
            if (value == 1 || value == 2) CreatePion(row, col, row, col, value);
        }
    m_game.StartRecord(ChosenVariant);
    if (Moves) Moves->GameStarted();
}

void TForm1::VideDamier() {
    StopSearch = true;
    ++m_boardGeneration;
    for (SearchJob* job : m_runningSearches)
        job->RequestStop();
    // The pieces, the scores and the pending human move belong to the board that goes.
    m_game.Clear();
    m_view.Clear();
    if (Moves) Moves->GameChanged();
}

void TForm1::CreatePion(int fromRow, int fromCol, int row, int col, int owner) {
    m_game.Place(row, col, owner);
    m_view.GrowPiece(fromRow, fromCol, row, col, owner);
}

bool TForm1::PlayMove(int fromRow, int fromCol, int toRow, int toCol) {
    const int mover = CurrentPlayer;
    const Move move{fromRow, fromCol, toRow, toCol, CloneMove};
    const std::optional<Captures> captures = m_game.Play(move);
    if (!captures) return false;
    m_view.AnimateMove(move, mover, *captures);
    if (Moves) Moves->GameChanged();
    return true;
}

void TForm1::RepositionnnePions() {
    m_view.Reposition();
}

void TForm1::ColorHex(int row, int col, const QColor& colour) {
    m_view.ColorHex(row, col, colour);
}

void TForm1::FormPaint(QPainter& painter) {
    m_view.Paint(painter, m_holes);
}

void TForm1::FormResize() {
    const QSize outer = frameGeometry().size();
    // The window's rule can give a board larger than the surface left between the menu
    // bar and the bottom line (at 1200 x 900 it would); the whole board stays on screen.
    // A short wide window would give less than the smallest playable size, which the
    // surface's minimum size always holds.
    int size = std::max(HexSizeFor(outer.width(), outer.height()), MinimumHexSize);
    const BoardSurface* board = surface();
    if (board->isVisible()) size = std::min(size, LargestHexSizeInside(board->width(), board->height()));
    m_view.Relayout(size, BoardShift(board->width(), size));
}
