// tessaron-make-pictures: draws the program's pictures into a directory: the start-up
// picture "splashs.bmp" (398 x 263), the board in its own colours with a game in progress
// above the title and the version, and the desktop icon "tessaron.png" (128 x 128) with its
// 48 and 256 pixel sizes "tessaron-48.png" and "tessaron-256.png" for the installed package.
//
// The same picture fills the About box, where two lines of aqua text slide over it and
// come to rest in two bands: the web address across the top (picture y 6 to 39) and the
// contact address lower down (y 177 to 210). The board sits between the bands and the
// title below the lower one, so both stay clear of the lines.
// Usage: tessaron-make-pictures DIRECTORY
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "app/Version.h"
#include "rules/Board.h"
#include "rules/Layouts.h"
#include "view/BoardGeometry.h"

namespace {

constexpr int Width = 398;
constexpr int Height = 263;
constexpr int HexSize = 7;         // the board spans 28 x 18 hex sizes: 196 x 126 pixels
constexpr int BoardTopY = 45;      // the board from y = 45 to 171, between the two bands
constexpr int TitleBaseline = 253; // the title from about y = 220, below the lower band

const QColor Background(12, 24, 64);
const QColor BoardBlue(0, 0, 255);
const QColor PieceWhite(255, 255, 255);
const QColor PieceYellow(255, 255, 0);

void DrawBackground(QPainter& painter) {
    QLinearGradient sky(0, 0, 0, Height);
    sky.setColorAt(0.0, QColor(20, 40, 110));
    sky.setColorAt(1.0, Background);
    painter.fillRect(0, 0, Width, Height, sky);
    QRadialGradient glow(Width / 2.0, BoardTopY + 9 * HexSize, 170);
    glow.setColorAt(0.0, QColor(80, 120, 255, 90));
    glow.setColorAt(1.0, QColor(80, 120, 255, 0));
    painter.fillRect(0, 0, Width, Height, glow);
    // A faint honeycomb of the board's own cells, so the plain bands are not bare; faint
    // enough that the About box's lines read well over it.
    painter.setPen(QPen(QColor(120, 150, 255, 28), 1));
    painter.setBrush(Qt::NoBrush);
    constexpr int cell = 12;
    for (int row = 0; 3 * cell * row <= Width + 3 * cell; ++row)
        for (int col = -1; 2 * cell * col <= Height + 2 * cell; ++col)
            painter.drawPolygon(CellHexagon(row + 1, col + 1, cell)
                                    .translated(-BoardLeft(cell) - cell, -BoardTop + (row - 4) * cell));
}

// The board, its holes and the pieces of a position, drawn with the game's own geometry.
void DrawBoard(QPainter& painter, const ValueGrid& grid) {
    painter.save();
    painter.translate(Width / 2 - (BoardLeft(HexSize) + 13 * HexSize), BoardTopY - BoardTop);
    painter.setPen(QPen(Qt::black, 1));
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col) {
            if (!CellValid(row, col)) continue;
            const bool hole = grid(row, col) == Blocked;
            painter.setBrush(hole ? Background : BoardBlue);
            painter.drawPolygon(CellHexagon(row, col, HexSize));
        }
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col) {
            const int value = grid(row, col);
            if (value != Player1 && value != Player2) continue;
            const QRect box = PieceBox(row, col, HexSize);
            QRadialGradient shine(box.center() - QPointF(box.width() / 5.0, box.height() / 5.0), box.width());
            const QColor base = value == Player1 ? PieceWhite : PieceYellow;
            shine.setColorAt(0.0, base.lighter(115));
            shine.setColorAt(1.0, base.darker(125));
            painter.setBrush(shine);
            painter.drawEllipse(box);
        }
    painter.restore();
}

// A game a few moves in: both wedges have spread and a few pieces have changed colour.
ValueGrid PictureGame() {
    ValueGrid grid = StartingGrid(Standard);
    for (auto [row, col] : {std::pair{3, 6}, {4, 6}, {6, 7}, {7, 8}, {5, 6}, {6, 6}})
        grid(row, col) = Player1;
    for (auto [row, col] : {std::pair{4, 3}, {5, 4}, {6, 4}, {2, 1}, {3, 2}, {6, 5}, {4, 5}})
        grid(row, col) = Player2;
    grid(5, 3) = Player1; // converted
    return grid;
}

void DrawTitle(QPainter& painter) {
    QFont title("DejaVu Serif", 1, QFont::Bold);
    title.setPixelSize(44);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    QPainterPath text;
    text.addText(0, 0, title, "Tessaron");
    const QRectF bounds = text.boundingRect();
    text.translate((Width - bounds.width()) / 2 - bounds.left() - 14, TitleBaseline);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 120));
    painter.drawPath(text.translated(3, 3));
    QLinearGradient gold(0, TitleBaseline - 30, 0, TitleBaseline);
    gold.setColorAt(0.0, PieceWhite);
    gold.setColorAt(1.0, PieceYellow);
    painter.setBrush(gold);
    painter.setPen(QPen(QColor(0, 0, 90), 1.2));
    painter.drawPath(text);

    QFont version("DejaVu Sans", 1, QFont::Bold);
    version.setPixelSize(16);
    painter.setFont(version);
    painter.setPen(PieceYellow);
    const QRectF titleBox = text.boundingRect();
    painter.drawText(QPointF(titleBox.right() + 8, titleBox.bottom() - 4),
                     QString::fromLatin1(TessaronVersion));
}

// The icon: one board cell with a white and a yellow piece, readable at small sizes.
QImage DrawIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size / 4.2;
    const QPointF centre(size / 2.0, size / 2.0);
    QPolygonF hexagon;
    for (const QPointF& corner :
         {QPointF(-1, -1), QPointF(1, -1), QPointF(2, 0), QPointF(1, 1), QPointF(-1, 1), QPointF(-2, 0)})
        hexagon << centre + QPointF(corner.x() * s, corner.y() * s * 1.7);
    painter.setPen(QPen(Qt::black, size / 32.0));
    painter.setBrush(BoardBlue);
    painter.drawPolygon(hexagon);
    const double radius = s * 0.75;
    painter.setBrush(PieceWhite);
    painter.drawEllipse(centre + QPointF(-s * 0.8, s * 0.35), radius, radius);
    painter.setBrush(PieceYellow);
    painter.drawEllipse(centre + QPointF(s * 0.8, -s * 0.35), radius, radius);
    return icon;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        qWarning("usage: tessaron-make-pictures DIRECTORY");
        return 2;
    }
    const QString directory = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    QImage image(Width, Height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawBackground(painter);
    DrawBoard(painter, PictureGame());
    DrawTitle(painter);
    painter.end();
    if (!image.save(directory + "splashs.bmp", "BMP") ||
        !DrawIcon(128).save(directory + "tessaron.png", "PNG") ||
        !DrawIcon(48).save(directory + "tessaron-48.png", "PNG") ||
        !DrawIcon(256).save(directory + "tessaron-256.png", "PNG")) {
        qWarning("cannot write the pictures into %s", argv[1]);
        return 1;
    }
    return 0;
}
