#include "view/BoardView.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QTransform>
#include <string>

#include "rules/MoveOffsets.h"
#include "view/BoardAccessible.h"
#include "view/BoardGeometry.h"
#include "view/BoardSurface.h"
#include "view/PieceObject.h"

void BoardView::Attach(BoardSurface* surface) {
    m_surface = surface;
    m_score1 = new QLabel(surface);
    m_score2 = new QLabel(surface);
    for (QLabel* score : {m_score1, m_score2}) {
        // Labels take the pointer's movements themselves, as the pieces do.
        score->setAttribute(Qt::WA_NoMousePropagation);
        score->setMinimumWidth(24);
    }
    m_score1->move(48, 12);
    m_score2->move(105, 12);
    m_marker1 = new CircleShape(Player1PieceColor, surface);
    m_marker2 = new CircleShape(Player2PieceColor, surface);
    const int side = PieceSide(HexSize);
    m_marker1->setGeometry(20, 10, side, side);
    m_marker2->setGeometry(70, 10, side, side);
    NameMarkers();
    surface->Reading = this;
    surface->PressedAt = [this](QPoint at) {
        const CellPos cell = CellAt(at.x(), at.y());
        if (CursorMayRest(cell)) CursorTo(cell);
    };
    surface->FocusChanged = [this] {
        m_surface->update();
        AnnounceCursor(m_surface);
    };
}

BoardView::~BoardView() {
    if (!m_surface) return;
    m_surface->Reading = nullptr;
    m_surface->PressedAt = nullptr;
    m_surface->FocusChanged = nullptr;
}

// Geometry.

bool BoardView::Relayout(int hexSize, int shift) {
    if (hexSize == HexSize && shift == m_shift) return false;
    HexSize = hexSize;
    m_shift = shift;
    Reposition();
    m_surface->update();
    return true;
}

void BoardView::Reposition() {
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col)
            if (PieceObject* piece = m_pieces.At(row, col))
                piece->setGeometry(PieceBox(row, col, HexSize).translated(Offset()));
    const ScoreAreaLayout area = ScoreArea(HexSize);
    m_marker1->setGeometry(area.Player1MarkerLeft, area.MarkerTop, area.MarkerSide, area.MarkerSide);
    m_marker2->setGeometry(area.Player2MarkerLeft, area.MarkerTop, area.MarkerSide, area.MarkerSide);
    m_score1->move(area.Score1Left, area.ScoreTop);
    m_score2->move(area.Score2Left, area.ScoreTop);
}

CellPos BoardView::CellAt(int x, int y) const {
    return HitTest(x - m_shift, y, HexSize);
}

// Scores: each change reads the caption, adds and writes it back.

int BoardView::CaptionNumber(const QLabel* caption) {
    bool ok = false;
    const int value = caption->text().toInt(&ok);
    return ok ? value : 0;
}

void BoardView::AddToScore(int player, int delta) {
    QLabel* label = ScoreCaption(player);
    label->setText(QString::number(ScoreOf(player) + delta));
    label->adjustSize();
    NameMarkers();
}

// The markers are named for the player and the count beside them ("White: 9 pieces").
void BoardView::NameMarkers() {
    for (int player = 1; player <= 2; ++player) {
        const QString colour = player == 1 ? QCoreApplication::translate("Board", "White")
                                           : QCoreApplication::translate("Board", "Yellow");
        const QString count = ScoreCaption(player)->text();
        Marker(player)->setAccessibleName(
            count.isEmpty() ? colour
            : count == "1"  ? QCoreApplication::translate("Board", "%1: 1 piece").arg(colour)
                            : QCoreApplication::translate("Board", "%1: %2 pieces").arg(colour, count));
    }
}

// Pieces.

PieceObject* BoardView::NewPiece(int row, int col, int owner) {
    auto* piece = new PieceObject(owner, m_surface);
    piece->setCell(row, col);
    piece->OnMouseDown = [this](PieceObject* clicked) {
        m_surface->setFocus(Qt::MouseFocusReason);
        CursorTo({clicked->row(), clicked->col()});
        if (OnPieceClicked) OnPieceClicked(clicked);
    };
    m_pieces.Put(row, col, piece);
    return piece;
}

void BoardView::ShowPieceAt(QWidget* piece, const QRect& box) {
    const QRect old = piece->isVisible() ? piece->geometry() : QRect();
    piece->setGeometry(box);
    piece->show();
    // Draw the frame now, old place and new: the thread sleeps before the next one.
    m_surface->repaint(old.united(box));
}

void BoardView::GrowPiece(int fromRow, int fromCol, int row, int col, int owner) {
    PieceObject* piece = NewPiece(row, col, owner);
    AddToScore(owner, +1);
    for (int frame = 1; frame <= AnimFrames; ++frame) {
        ShowPieceAt(piece, GrowFrameBox(fromRow, fromCol, row, col, HexSize, frame).translated(Offset()));
        PauseFrame();
    }
    RequestSound("reprod.wav");
    AnnounceCells(m_surface, {{row, col}});
}

void BoardView::AnimateMove(const Move& move, int mover, const Captures& captures) {
    if (move.Clone) {
        // A new piece grows out of the origin into the destination.
        GrowPiece(move.FromRow, move.FromCol, move.ToRow, move.ToCol, mover);
    } else {
        // The piece itself slides over to the destination.
        PieceObject* piece = m_pieces.At(move.FromRow, move.FromCol);
        piece->raise();
        const int side = piece->width();
        for (int frame = 1; frame <= AnimFrames; ++frame) {
            ShowPieceAt(
                piece, SlideFrameBox(move.FromRow, move.FromCol, move.ToRow, move.ToCol, side, HexSize, frame)
                           .translated(Offset()));
            PauseFrame();
        }
        m_pieces.Move(move.FromRow, move.FromCol, move.ToRow, move.ToCol);
        piece->setCell(move.ToRow, move.ToCol);
        RequestSound("to.wav");
    }
    for (int i = 0; i < captures.Count; ++i) {
        PieceObject* taken = m_pieces.At(captures.Cells[i].Row, captures.Cells[i].Col);
        taken->setOwner(mover);
        AddToScore(mover, +1);
        AddToScore(OtherPlayer(mover), -1);
        taken->repaint();
    }
    // The light and a hint go out with the move.
    Pending.TargetRow = 0;
    ClearHint();
    std::vector<CellPos> changed{{move.FromRow, move.FromCol}, {move.ToRow, move.ToCol}};
    changed.insert(changed.end(), captures.Cells, captures.Cells + captures.Count);
    AnnounceCells(m_surface, changed);
    m_moveText = MoveSpoken(move, mover, captures.Count);
    m_moveNews = true;
    AnnounceMove(m_surface);
}

void BoardView::ShowPosition(const ValueGrid& grid) {
    int counts[3] = {0, 0, 0};
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col) {
            const int owner = grid(row, col);
            if (owner != Player1 && owner != Player2) continue;
            PieceObject* piece = NewPiece(row, col, owner);
            piece->setGeometry(PieceBox(row, col, HexSize).translated(Offset()));
            piece->show();
            ++counts[owner];
        }
    for (int player = 1; player <= 2; ++player) {
        ScoreCaption(player)->setText(QString::number(counts[player]));
        ScoreCaption(player)->adjustSize();
    }
    NameMarkers();
    m_cursorShown = true;
    AnnounceAllCells(m_surface);
}

void BoardView::Clear() {
    ClearHint();
    ClearPendingMove();
    m_pieces.Clear();
    m_score1->setText("");
    m_score2->setText("");
    NameMarkers();
    m_moveText.clear();
    m_moveNews = false;
    m_surface->update();
    AnnounceAllCells(m_surface);
}

// The pending move.

void BoardView::Select(int row, int col) {
    Pending.Selected = true;
    Pending.SelectedRow = row;
    Pending.SelectedCol = col;
    if (PieceObject* piece = m_pieces.At(row, col)) piece->setOutlineWidth(3);
}

void BoardView::Deselect() {
    if (PieceObject* selected = m_pieces.At(Pending.SelectedRow, Pending.SelectedCol))
        selected->setOutlineWidth(1);
    Pending.Selected = false;
    Pending.SelectedRow = 0;
}

void BoardView::Hover(int x, int y, const ::Board& board) {
    HoverCell(CellAt(x, y), board);
}

void BoardView::HoverCell(CellPos cell, const ::Board& board) {
    // The offset back to the piece, as text, against the two offset sets.
    bool lit = false;
    if (Pending.Selected && CellValid(cell.Row, cell.Col) && board(cell.Row, cell.Col).Value == Empty) {
        const std::string offset = "|" + std::to_string(Pending.SelectedRow - cell.Row) + "," +
                                   std::to_string(Pending.SelectedCol - cell.Col);
        if (CloneOffsetsText.find(offset) != std::string_view::npos) {
            ColorHex(cell.Row, cell.Col, CloneHighlightColor);
            Pending.Clone = true;
            lit = true;
        } else if (JumpOffsetsText.find(offset) != std::string_view::npos) {
            ColorHex(cell.Row, cell.Col, JumpHighlightColor);
            Pending.Clone = false;
            lit = true;
        }
    }
    // The light leaves the cell the pointer left.
    if (Pending.TargetRow > 0 && (cell.Row != Pending.TargetRow || cell.Col != Pending.TargetCol)) {
        ColorHex(Pending.TargetRow, Pending.TargetCol, BoardCellColor);
        Pending.TargetRow = 0;
    }
    // The lit cell is kept for the click that confirms it.
    if (lit) {
        Pending.TargetRow = cell.Row;
        Pending.TargetCol = cell.Col;
    }
}

void BoardView::DimPendingMove() {
    if (PieceObject* selected = m_pieces.At(Pending.SelectedRow, Pending.SelectedCol))
        selected->setOutlineWidth(1);
    ColorHex(Pending.TargetRow, Pending.TargetCol, BoardCellColor);
}

void BoardView::ClearPendingMove() {
    if (Pending.Selected && CellValid(Pending.SelectedRow, Pending.SelectedCol))
        if (PieceObject* piece = m_pieces.At(Pending.SelectedRow, Pending.SelectedCol))
            piece->setOutlineWidth(1);
    if (Pending.TargetRow > 0) ColorHex(Pending.TargetRow, Pending.TargetCol, BoardCellColor);
    Pending = PendingMove{};
    m_highlights.clear();
}

void BoardView::ColorHex(int row, int col, const QColor& colour) {
    if (colour == BoardCellColor)
        m_highlights.remove(CellKey(row, col));
    else
        m_highlights.insert(CellKey(row, col), colour);
    m_surface->repaint(
        CellHexagon(row, col, HexSize).boundingRect().translated(Offset()).adjusted(-1, -1, 1, 1));
}

// The overlays.

void BoardView::ShowHint(const Move& move) {
    ClearHint();
    m_hint = move;
    const QColor colour = move.Clone ? CloneHighlightColor : JumpHighlightColor;
    m_hintPiece = m_pieces.At(move.FromRow, move.FromCol);
    if (m_hintPiece) {
        m_hintPiece->setOutlineColor(colour);
        m_hintPiece->setOutlineWidth(3);
    }
    ColorHex(move.ToRow, move.ToCol, colour);
}

void BoardView::ClearHint() {
    const std::optional<Move> hint = std::exchange(m_hint, std::nullopt);
    if (!hint) return;
    if (PieceObject* piece = m_pieces.At(hint->FromRow, hint->FromCol)) {
        const bool selected =
            Pending.Selected && Pending.SelectedRow == hint->FromRow && Pending.SelectedCol == hint->FromCol;
        piece->setOutlineColor(Qt::black);
        piece->setOutlineWidth(selected ? 3 : 1);
    }
    // The lit destination of the pointer keeps its light.
    if (!(Pending.TargetRow == hint->ToRow && Pending.TargetCol == hint->ToCol))
        ColorHex(hint->ToRow, hint->ToCol, BoardCellColor);
}

void BoardView::SetLastMove(std::optional<Move> move) {
    if (move == m_lastMove) return;
    m_lastMove = move;
    m_surface->update();
}

void BoardView::Paint(QPainter& painter, const HoleList& holes) const {
    painter.translate(Offset());
    PaintBoard(painter, holes, HexSize, m_surface->palette().color(QPalette::Window), m_highlights);
    painter.setBrush(Qt::NoBrush);
    if (m_lastMove) {
        painter.setPen(QPen(LastMoveOutlineColor, 3));
        painter.drawPolygon(CellHexagon(m_lastMove->FromRow, m_lastMove->FromCol, HexSize));
        painter.drawPolygon(CellHexagon(m_lastMove->ToRow, m_lastMove->ToCol, HexSize));
    }
    if (m_cursorShown && m_surface->hasFocus()) {
        // Inside the cell's own outline, so that the last move's shows beside it; the piece
        // hides its middle, and its two pointed ends stay in sight.
        const QPointF centre = CellAnchor(m_cursor.Row, m_cursor.Col, HexSize) + QPointF(HexSize, HexSize);
        const QPolygonF hexagon = QTransform()
                                      .translate(centre.x(), centre.y())
                                      .scale(0.7, 0.7)
                                      .translate(-centre.x(), -centre.y())
                                      .map(QPolygonF(CellHexagon(m_cursor.Row, m_cursor.Col, HexSize)));
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 4));
        painter.drawPolygon(hexagon);
        painter.setPen(QPen(CursorOutlineColor, 2, Qt::DashLine));
        painter.drawPolygon(hexagon);
    }
}

// The keyboard's cursor.

void BoardView::CursorTo(CellPos cell) {
    if (!CursorMayRest(cell)) return;
    m_cursor = cell;
    m_runHeight.reset();
    CursorChanged();
}

void BoardView::StepCursor(CursorKey key) {
    m_cursor = ::StepCursor(m_cursor, key, m_runHeight);
    CursorChanged();
}

void BoardView::CursorChanged() {
    m_cursorShown = true;
    m_moveNews = false;
    m_surface->update();
    AnnounceCursor(m_surface);
}

void BoardView::CursorToFirstPiece(int player) {
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col)
            if (OwnerShownAt({row, col}) == player) {
                CursorTo({row, col});
                return;
            }
}

void BoardView::TakeFocus() {
    m_surface->setFocus(Qt::OtherFocusReason);
}

// What a screen reader reads.

int BoardView::OwnerShownAt(CellPos cell) const {
    const PieceObject* piece = m_pieces.At(cell.Row, cell.Col);
    return piece ? piece->owner() : 0;
}

bool BoardView::SelectedAt(CellPos cell) const {
    return Pending.Selected && Pending.SelectedRow == cell.Row && Pending.SelectedCol == cell.Col;
}

QRect BoardView::CellRect(CellPos cell) const {
    return CellHexagon(cell.Row, cell.Col, HexSize).boundingRect().translated(Offset());
}
