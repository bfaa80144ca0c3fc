#include "view/PieceObject.h"

#include <QMouseEvent>
#include <QPainter>

CircleShape::CircleShape(const QColor& fill, QWidget* parent) : QWidget(parent), m_fill(fill) {
    // Movements over a shape must not reach the board beneath: the lit cell stays lit.
    setAttribute(Qt::WA_NoMousePropagation);
}

void CircleShape::setFill(const QColor& fill) {
    m_fill = fill;
    update();
}

void CircleShape::setOutlineWidth(int width) {
    m_outlineWidth = width;
    update();
}

void CircleShape::setOutlineColor(const QColor& colour) {
    m_outlineColor = colour;
    update();
}

void CircleShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(m_outlineColor, m_outlineWidth));
    painter.setBrush(m_fill);
    // The pen is centred on the outline: keep all of it inside the box.
    const qreal half = m_outlineWidth / 2.0;
    painter.drawEllipse(QRectF(rect()).adjusted(half, half, -half, -half));
}

void CircleShape::mousePressEvent(QMouseEvent* event) {
    event->accept();
}
void CircleShape::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

PieceObject::PieceObject(int owner, QWidget* parent)
    : CircleShape(PieceColorOf(owner), parent), m_owner(owner) {}

void PieceObject::setOwner(int owner) {
    m_owner = owner;
    setFill(PieceColorOf(owner));
}

void PieceObject::setCell(int row, int col) {
    m_row = row;
    m_col = col;
}

void PieceObject::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (OnMouseDown) OnMouseDown(this);
}
