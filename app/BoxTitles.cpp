#include "app/BoxTitles.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace {

// The window frame's icon, its iconify, maximise and close buttons and the margins between.
constexpr int FrameButtonsWidth = 120;

} // namespace

QString SeenTitle(const QString& caption) {
    return caption.isEmpty() ? QStringLiteral(" ") : caption;
}

void WidenForTitle(QMessageBox& box) {
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const int width = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + FrameButtonsWidth;
    // The box sets its own fixed size when shown, from its layout's minimum width.
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}
