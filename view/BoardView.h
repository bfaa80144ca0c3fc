#pragma once

#include <QPoint>
#include <QPointer>
#include <functional>
#include <optional>

#include "rules/Board.h"
#include "rules/Move.h"
#include "view/BoardCursor.h"
#include "view/BoardPainting.h"
#include "view/BoardReading.h"
#include "view/PieceLayer.h"

class BoardSurface;
class CircleShape;
class PieceObject;
class QLabel;
class QPainter;
class QRect;
class QWidget;

// The move a player is putting together on the board: the selected piece and the lit
// destination with its kind. A row of 0 means none.
struct PendingMove {
    bool Selected = false;
    int SelectedRow = 0;
    int SelectedCol = 0;
    int TargetRow = 0;
    int TargetCol = 0;
    bool Clone = false;
};

// What the board surface shows of a game: the piece objects and their animation, the two
// markers and score captions, the hover, selection and lit cells, the keyboard's cursor, and
// the overlays (the last move's outline and the hint); and what a screen reader is told of
// them. It shows the game and never decides it: the rules judge and apply every move, and the
// view is told what to show. Waiting between frames and playing a sound are asked of its
// owner, who knows the delay and whether sound is on.
class BoardView final : private BoardReading {
  public:
    // Set by the owner before the first piece is shown.
    std::function<void()> PauseFrame;
    std::function<void(const char* soundFile)> RequestSound;
    std::function<void(PieceObject*)> OnPieceClicked;

    BoardView() = default;
    // The surface may outlive the view (its window deletes it later): it is told to ask no more.
    ~BoardView() override;
    BoardView(const BoardView&) = delete;
    BoardView& operator=(const BoardView&) = delete;

    // Creates the score captions and the markers on the surface; the surface owns them.
    void Attach(BoardSurface* surface);
    BoardSurface* surface() const { return m_surface; }
    QLabel* ScoreCaption(int player) const { return player == 1 ? m_score1 : m_score2; }
    CircleShape* Marker(int player) const { return player == 1 ? m_marker1 : m_marker2; }

    // The geometry: the hex size and how far right the board stands (BoardShift).
    int HexSize = 10;
    QPoint Offset() const { return {m_shift, 0}; }
    // Takes a new hex size and shift and lays everything out again; false when nothing changed.
    bool Relayout(int hexSize, int shift);
    // Every piece, marker and caption to its place for the hex size.
    void Reposition();
    // The cell under a point of the surface, not range-checked (see HitTest).
    CellPos CellAt(int x, int y) const;

    // The score captions, read as numbers; an empty caption counts as 0.
    int ScoreOf(int player) const { return CaptionNumber(ScoreCaption(player)); }
    static int CaptionNumber(const QLabel* caption);
    void AddToScore(int player, int delta);

    // Pieces. A new piece object of `owner` on a cell, not yet shown.
    const PieceLayer& pieces() const { return m_pieces; }
    PieceObject* NewPiece(int row, int col, int owner);
    // A piece grows from near one cell into another and is counted in its owner's score,
    // frame by frame, then the placing sound.
    void GrowPiece(int fromRow, int fromCol, int row, int col, int owner);
    // Shows a move the rules have applied: a clone grows, a jump slides with its sound, then
    // the captured pieces turn, all at once, each counted over.
    void AnimateMove(const Move& move, int mover, const Captures& captures);
    // Every piece of a position at once, without animation, and the scores as its counts.
    void ShowPosition(const ValueGrid& grid);
    // No piece, no scores, no pending move.
    void Clear();

    // The pending move: selection, hover and the lit destination.
    PendingMove Pending;
    void Select(int row, int col);
    void Deselect();
    // Lights the empty cell under the point red for a clone or yellow for a jump of the
    // selected piece, and puts out the light of a cell the pointer left.
    void Hover(int x, int y, const ::Board& board);
    void HoverCell(CellPos cell, const ::Board& board);
    // The selection's outline and the light go, the pending move stays known.
    void DimPendingMove();
    void ClearPendingMove();

    // Cells drawn in another colour than blue; drawn at once, to follow the pointer.
    void ColorHex(int row, int col, const QColor& colour);
    const CellHighlights& highlights() const { return m_highlights; }

    // The hint: its piece outlined and its destination lit in the move's colour.
    void ShowHint(const Move& move);
    void ClearHint();
    std::optional<Move> hint() const { return m_hint; }

    // The last move's two cells outlined in green, or none.
    void SetLastMove(std::optional<Move> move);

    // The keyboard's cursor: a cell of the game, outlined while the board has the focus once
    // a game was shown. A click on a cell or a piece moves it there.
    CellPos cursor() const { return m_cursor; }
    void CursorTo(CellPos cell);
    void StepCursor(CursorKey key);
    // The first piece of `player`, rows then columns ascending; nowhere when it has none.
    void CursorToFirstPiece(int player);
    void TakeFocus();
    // What the last move did, as a screen reader says it ("White: 3-7 to 3-6, clone, ...").
    QString moveText() const { return m_moveText; }

    void Paint(QPainter& painter, const HoleList& holes) const;

  private:
    void ShowPieceAt(QWidget* piece, const QRect& box);
    void NameMarkers();
    void CursorChanged();

    // What a screen reader reads.
    int OwnerShownAt(CellPos cell) const override;
    CellPos CursorCell() const override { return m_cursor; }
    bool SelectedAt(CellPos cell) const override;
    QRect CellRect(CellPos cell) const override;
    QString MoveText() const override { return m_moveText; }
    bool MoveTextIsNews() const override { return m_moveNews; }

    BoardSurface* m_surface = nullptr;
    QLabel* m_score1 = nullptr;
    QLabel* m_score2 = nullptr;
    CircleShape* m_marker1 = nullptr;
    CircleShape* m_marker2 = nullptr;
    int m_shift = 0;
    PieceLayer m_pieces;
    CellHighlights m_highlights;
    std::optional<Move> m_hint;
    QPointer<PieceObject> m_hintPiece; // followed by the object: it may move or go
    std::optional<Move> m_lastMove;
    CellPos m_cursor{1, 1};
    bool m_cursorShown = false; // a game was shown: before it the board has no cursor to show
    std::optional<int> m_runHeight;
    QString m_moveText;
    bool m_moveNews = false;
};

// The keyboard's cursor: a white dashed outline on black, unlike any other mark of the board.
inline const QColor CursorOutlineColor(255, 255, 255);

// The outline of the last move's two cells: green, apart from the red and yellow lights.
inline const QColor LastMoveOutlineColor(0, 230, 0);
