#include "view/BoardAccessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <array>
#include <utility>

#include "view/BoardCursor.h"
#include "view/BoardReading.h"
#include "view/BoardSurface.h"
#include "view/PieceObject.h"

namespace {

QString ColourName(int player) {
    return player == 1 ? QCoreApplication::translate("Board", "White")
                       : QCoreApplication::translate("Board", "Yellow");
}

// The 58 cells of the game in rows then columns.
const std::vector<CellPos>& GameCells() {
    static const std::vector<CellPos> cells = [] {
        std::vector<CellPos> list;
        for (int row = 1; row <= 9; ++row)
            for (int col = 1; col <= 9; ++col)
                if (CursorMayRest({row, col})) list.push_back({row, col});
        return list;
    }();
    return cells;
}

int IndexOfCell(CellPos cell) {
    const std::vector<CellPos>& cells = GameCells();
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (cells[i] == cell) return static_cast<int>(i);
    return -1;
}

// An accessible object of the board that is no widget: it lives as long as the surface's
// own accessible object, which registers it.
class PartAccessible : public QAccessibleInterface {
  public:
    explicit PartAccessible(BoardSurface* surface) : m_surface(surface) {}
    bool isValid() const override { return !m_surface.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_surface ? m_surface->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

  protected:
    const BoardReading* Reading() const { return m_surface ? m_surface->Reading : nullptr; }
    QPoint Global(QPoint local) const { return m_surface->mapToGlobal(local); }
    QPointer<BoardSurface> m_surface;
};

class CellAccessible final : public PartAccessible {
  public:
    CellAccessible(BoardSurface* surface, CellPos cell) : PartAccessible(surface), m_cell(cell) {}
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override {
        const BoardReading* reading = Reading();
        if (!reading) return {};
        if (t == QAccessible::Name) return CellSpoken(m_cell, reading->OwnerShownAt(m_cell));
        if (t == QAccessible::Description && Focused() && reading->MoveTextIsNews())
            return reading->MoveText();
        return {};
    }
    QRect rect() const override {
        const BoardReading* reading = Reading();
        if (!reading) return {};
        const QRect local = reading->CellRect(m_cell);
        return {Global(local.topLeft()), local.size()};
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.selectable = true;
        state.focused = Focused();
        state.selected = Reading() && Reading()->SelectedAt(m_cell);
        state.invisible = !m_surface || !m_surface->isVisible();
        return state;
    }

  private:
    bool Focused() const {
        return m_surface && m_surface->hasFocus() && Reading() && Reading()->CursorCell() == m_cell;
    }
    CellPos m_cell;
};

class CellListAccessible final : public PartAccessible {
  public:
    explicit CellListAccessible(BoardSurface* surface) : PartAccessible(surface) {
        for (const CellPos& cell : GameCells())
            m_cells.push_back(new CellAccessible(surface, cell));
        for (QAccessibleInterface* cell : m_cells)
            m_ids.push_back(QAccessible::registerAccessibleInterface(cell));
    }
    ~CellListAccessible() override {
        for (QAccessible::Id id : m_ids)
            QAccessible::deleteAccessibleInterface(id);
    }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < static_cast<int>(m_cells.size()) ? m_cells[index] : nullptr;
    }
    int childCount() const override { return static_cast<int>(m_cells.size()); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < m_cells.size(); ++i)
            if (m_cells[i] == child) return static_cast<int>(i);
        return -1;
    }
    QAccessibleInterface* focusChild() const override {
        if (!m_surface || !m_surface->hasFocus() || !Reading()) return nullptr;
        return child(IndexOfCell(Reading()->CursorCell()));
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? QCoreApplication::translate("Board", "Board") : QString();
    }
    QRect rect() const override { return m_surface ? QRect(Global({0, 0}), m_surface->size()) : QRect(); }
    QAccessible::Role role() const override { return QAccessible::List; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !m_surface || !m_surface->isVisible();
        return state;
    }

  private:
    std::vector<QAccessibleInterface*> m_cells;
    std::vector<QAccessible::Id> m_ids;
};

class StatusAccessible final : public PartAccessible {
  public:
    using PartAccessible::PartAccessible;
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && Reading() ? Reading()->MoveText() : QString();
    }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::StatusBar; }
    QAccessible::State state() const override { return {}; }
};

// The surface: its captions and markers as widgets, then the list of cells and the status.
class SurfaceAccessible final : public QAccessibleWidget {
  public:
    explicit SurfaceAccessible(BoardSurface* surface)
        : QAccessibleWidget(surface), m_cells(new CellListAccessible(surface)),
          m_status(new StatusAccessible(surface)) {
        m_ids = {QAccessible::registerAccessibleInterface(m_cells),
                 QAccessible::registerAccessibleInterface(m_status)};
    }
    ~SurfaceAccessible() override {
        for (QAccessible::Id id : m_ids)
            QAccessible::deleteAccessibleInterface(id);
    }
    int childCount() const override { return static_cast<int>(Widgets().size()) + 2; }
    QAccessibleInterface* child(int index) const override {
        const std::vector<QWidget*> widgets = Widgets();
        const int count = static_cast<int>(widgets.size());
        if (index >= 0 && index < count) return QAccessible::queryAccessibleInterface(widgets[index]);
        if (index == count) return m_cells;
        if (index == count + 1) return m_status;
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<QWidget*> widgets = Widgets();
        const int count = static_cast<int>(widgets.size());
        if (child == m_cells) return count;
        if (child == m_status) return count + 1;
        for (int i = 0; i < count; ++i)
            if (child && child->object() == widgets[i]) return i;
        return -1;
    }
    QAccessibleInterface* focusChild() const override {
        if (QAccessibleInterface* cell = m_cells->focusChild()) return cell;
        return QAccessibleWidget::focusChild();
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < m_cells->childCount(); ++i)
            if (m_cells->child(i)->rect().contains(x, y)) return m_cells;
        return QAccessibleWidget::childAt(x, y);
    }

    CellListAccessible* Cells() const { return m_cells; }
    StatusAccessible* Status() const { return m_status; }

  private:
    // The child widgets a reader should meet: everything but the piece objects.
    std::vector<QWidget*> Widgets() const {
        std::vector<QWidget*> widgets;
        for (QObject* object : widget()->children())
            if (object->isWidgetType() && !qobject_cast<PieceObject*>(object) &&
                !static_cast<QWidget*>(object)->isWindow())
                widgets.push_back(static_cast<QWidget*>(object));
        return widgets;
    }

    CellListAccessible* m_cells;
    StatusAccessible* m_status;
    std::array<QAccessible::Id, 2> m_ids{};
};

SurfaceAccessible* SurfaceOf(BoardSurface* surface) {
    return dynamic_cast<SurfaceAccessible*>(QAccessible::queryAccessibleInterface(surface));
}

QAccessibleInterface* CellAccessible::parent() const {
    SurfaceAccessible* surface = m_surface ? SurfaceOf(m_surface) : nullptr;
    return surface ? surface->Cells() : nullptr;
}

QAccessibleInterface* CellListAccessible::parent() const {
    return m_surface ? QAccessible::queryAccessibleInterface(m_surface) : nullptr;
}

QAccessibleInterface* StatusAccessible::parent() const {
    return m_surface ? QAccessible::queryAccessibleInterface(m_surface) : nullptr;
}

QAccessibleInterface* BoardFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("BoardSurface") && object && object->isWidgetType())
        return new SurfaceAccessible(static_cast<BoardSurface*>(object));
    return nullptr;
}

void SendCellEvent(BoardSurface* surface, CellPos cell, QAccessible::Event type) {
    SurfaceAccessible* accessible = SurfaceOf(surface);
    const int index = IndexOfCell(cell);
    if (!accessible || index < 0) return;
    QAccessibleEvent event(accessible->Cells()->child(index), type);
    QAccessible::updateAccessibility(&event);
}

} // namespace

void InstallBoardAccessibility() {
    static bool installed = false;
    if (std::exchange(installed, true)) return;
    QAccessible::installFactory(BoardFactory);
}

QString CellSpoken(CellPos cell, int owner) {
    const QString what = owner == 1   ? QCoreApplication::translate("Board", "white piece")
                         : owner == 2 ? QCoreApplication::translate("Board", "yellow piece")
                                      : QCoreApplication::translate("Board", "empty");
    return QCoreApplication::translate("Board", "Row %1, column %2: %3")
        .arg(cell.Row)
        .arg(cell.Col)
        .arg(what);
}

QString MoveSpoken(const Move& move, int mover, int captured) {
    //: %1 the mover's colour, %2-%3 and %4-%5 the cells, %6 clone or jump, %7 a count, %8 the next colour.
    return QCoreApplication::translate("Board", "%1: %2-%3 to %4-%5, %6, %7 captured. %8 to move.")
        .arg(ColourName(mover))
        .arg(move.FromRow)
        .arg(move.FromCol)
        .arg(move.ToRow)
        .arg(move.ToCol)
        .arg(move.Clone ? QCoreApplication::translate("Board", "clone")
                        : QCoreApplication::translate("Board", "jump"))
        .arg(captured)
        .arg(ColourName(OtherPlayer(mover)));
}

void AnnounceCells(BoardSurface* surface, const std::vector<CellPos>& cells) {
    if (!QAccessible::isActive()) return;
    for (const CellPos& cell : cells)
        SendCellEvent(surface, cell, QAccessible::NameChanged);
}

void AnnounceAllCells(BoardSurface* surface) {
    AnnounceCells(surface, GameCells());
}

void AnnounceCursor(BoardSurface* surface) {
    if (!QAccessible::isActive() || !surface->hasFocus() || !surface->Reading) return;
    SendCellEvent(surface, surface->Reading->CursorCell(), QAccessible::Focus);
}

void AnnounceMove(BoardSurface* surface) {
    if (!QAccessible::isActive()) return;
    if (SurfaceAccessible* accessible = SurfaceOf(surface)) {
        QAccessibleEvent event(accessible->Status(), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    if (surface->hasFocus() && surface->Reading)
        SendCellEvent(surface, surface->Reading->CursorCell(), QAccessible::DescriptionChanged);
}
