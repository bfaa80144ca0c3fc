// Mouse play: selecting a piece, lighting a destination and confirming the move.
#include <QProgressBar>

#include "app/Main.h"
#include "view/PieceObject.h"

void TForm1::Shape1MouseDown(PieceObject* piece) {
    // The mouse acts only in the local user's turn.
    const bool mayAct = Config.NetworkRole == 0 ? !ComputerBusy : CurrentPlayer == Config.NetworkRole;
    if (!mayAct) return;
    // Pieces are selected only while a game runs.
    if (!GameRunning) return;
    // A click on any piece while one is selected only deselects.
    if (PieceSelected) {
        m_view.Deselect();
        return;
    }
    // Only an own piece can be selected.
    if (piece->owner() != CurrentPlayer) return;
    m_view.Select(piece->row(), piece->col());
}

void TForm1::FormMouseMove(int x, int y) {
    // Nothing is lit while no game runs or the computer is thinking.
    if (!GameRunning || ComputerBusy) return;
    m_view.Hover(x, y, m_game.board());
}

void TForm1::FormMouseDown(Qt::MouseButton) {
    // Any button confirms the lit destination.
    if (TargetRow <= 0 || !PieceSelected) return;
    // The selection outline and the light go before the move is sent or played.
    m_view.DimPendingMove();
    // Network send: the opponent gets the move before it is played here. A move
    // the opponent did not get is not played: the two boards would part. A send that fails
    // has already ended the connection and emptied the board.
    const uint64_t board = m_boardGeneration;
    if (Config.NetworkRole != 0 &&
        !m_network.SendMove(Move{SelectedRow, SelectedCol, TargetRow, TargetCol, CloneMove})) {
        m_view.ClearPendingMove();
        return;
    }
    if (board != m_boardGeneration) return;
    // Play the move and clear the selection.
    PlayMove(SelectedRow, SelectedCol, TargetRow, TargetCol);
    PieceSelected = false;
    TargetRow = 0;
    SelectedRow = 0;
    // The computer answers at once; in a network game the peer answers instead.
    if (Config.NetworkRole == 0 && Config.PlayerIsComputer[CurrentPlayer]) ComputerTurn();
    if (m_closing) return;
    // The game ends here if the next player cannot move; the end test's bar then empties.
    if (GameRunning) IsItTheEnd();
    ProgressBar->setValue(0);
}
