#include "app/ReviewGraph.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "rules/MoveNotation.h"

namespace {

// The values run from about -10 to 10 in a game, and to plus or minus ten times the piece
// difference where a side is left without a move: the scale shows the game, and points beyond
// stand at the edge.
constexpr int SmallestRange = 8;
constexpr int LargestRange = 24;

} // namespace

QColor MarkColour(MoveMark mark) {
    switch (mark) {
    case MoveMark::Inaccuracy:
        return {40, 110, 240};
    case MoveMark::Mistake:
        return {240, 130, 0};
    case MoveMark::Blunder:
        return {220, 0, 0};
    case MoveMark::None:
        break;
    }
    return Qt::transparent;
}

ReviewGraph::ReviewGraph(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setMinimumSize(minimumSizeHint());
    setAccessibleName(QCoreApplication::translate("ReviewGraph", "Review graph"));
}

void ReviewGraph::Show(const std::vector<std::optional<MoveReview>>& reviews, std::size_t current) {
    m_reviews = reviews;
    m_current = current;
    update();
}

QRectF ReviewGraph::Plot() const {
    return QRectF(rect()).adjusted(4, 4, -4, -4);
}

double ReviewGraph::Scale() const {
    int largest = SmallestRange;
    for (const auto& review : m_reviews)
        if (review) largest = std::max(largest, std::abs(review->WhiteValue()));
    return Plot().height() / 2 / std::min(largest, LargestRange);
}

QPointF ReviewGraph::PointOf(std::size_t ply) const {
    const QRectF plot = Plot();
    const double step = plot.width() / std::max<std::size_t>(m_reviews.size(), 1);
    const double x = plot.left() + step * (static_cast<double>(ply) - 0.5);
    double value = 0;
    if (ply >= 1 && ply <= m_reviews.size() && m_reviews[ply - 1])
        value = std::clamp(m_reviews[ply - 1]->WhiteValue(), -LargestRange, LargestRange);
    const double y = std::clamp(plot.center().y() - value * Scale(), plot.top(), plot.bottom());
    return {x, y};
}

std::optional<std::size_t> ReviewGraph::MoveAt(QPoint at) const {
    const QRectF plot = Plot();
    if (m_reviews.empty() || at.x() < plot.left() || at.x() > plot.right()) return std::nullopt;
    const double step = plot.width() / m_reviews.size();
    const auto ply = static_cast<std::size_t>((at.x() - plot.left()) / step) + 1;
    return std::min(ply, m_reviews.size());
}

QString ReviewGraph::Describe(std::size_t ply) const {
    if (ply < 1 || ply > m_reviews.size()) return {};
    const std::optional<MoveReview>& review = m_reviews[ply - 1];
    if (!review) return QCoreApplication::translate("ReviewGraph", "%1. not reviewed yet").arg(ply);
    const QString mark = QString::fromLatin1(MarkText(MarkOf(review->Loss())));
    return QCoreApplication::translate("ReviewGraph", "%1. %2 %3: value %4\nbest %5: %6, loss %7%8")
        .arg(ply)
        .arg(review->Side == 1 ? QCoreApplication::translate("ReviewGraph", "White")
                               : QCoreApplication::translate("ReviewGraph", "Yellow"))
        .arg(QString::fromStdString(MoveText(review->Played)))
        .arg(review->PlayedValue)
        .arg(QString::fromStdString(MoveText(review->Best)))
        .arg(review->BestValue)
        .arg(review->Loss())
        .arg(mark.isEmpty() ? QString() : " " + mark);
}

void ReviewGraph::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF plot = Plot();
    painter.fillRect(rect(), QColor(150, 150, 160));
    if (m_reviews.empty()) return;

    // The curve through the reviewed moves, filled to the axis: white above, yellow below.
    const double axis = plot.center().y();
    QPainterPath curve;
    curve.moveTo(plot.left(), axis);
    for (std::size_t ply = 1; ply <= m_reviews.size(); ++ply)
        if (m_reviews[ply - 1]) curve.lineTo(PointOf(ply));
    curve.lineTo(curve.currentPosition().x(), axis);
    curve.closeSubpath();
    painter.save();
    painter.setClipRect(QRectF(plot.left(), plot.top(), plot.width(), axis - plot.top()));
    painter.fillPath(curve, Qt::white);
    painter.setClipRect(QRectF(plot.left(), axis, plot.width(), plot.bottom() - axis));
    painter.fillPath(curve, QColor(255, 255, 0));
    painter.restore();
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(QPointF(plot.left(), axis), QPointF(plot.right(), axis));

    // The position on the board.
    if (m_current >= 1 && m_current <= m_reviews.size()) {
        painter.setPen(QPen(QColor(0, 0, 160), 2));
        const double x = PointOf(m_current).x();
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }

    // The marked moves.
    painter.setPen(QPen(Qt::black, 1));
    for (std::size_t ply = 1; ply <= m_reviews.size(); ++ply) {
        const std::optional<MoveReview>& review = m_reviews[ply - 1];
        if (!review || MarkOf(review->Loss()) == MoveMark::None) continue;
        painter.setBrush(MarkColour(MarkOf(review->Loss())));
        painter.drawEllipse(PointOf(ply), 3.5, 3.5);
    }
}

void ReviewGraph::mouseMoveEvent(QMouseEvent* event) {
    const std::optional<std::size_t> ply = MoveAt(event->position().toPoint());
    if (ply)
        QToolTip::showText(event->globalPosition().toPoint(), Describe(*ply), this);
    else
        QToolTip::hideText();
}

void ReviewGraph::mousePressEvent(QMouseEvent* event) {
    if (const std::optional<std::size_t> ply = MoveAt(event->position().toPoint()); ply && OnChoose)
        OnChoose(*ply);
}
