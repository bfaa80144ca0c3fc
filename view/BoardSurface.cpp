#include "view/BoardSurface.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

BoardSurface::BoardSurface(BoardSurfaceHandler& handler, QWidget* parent)
    : QWidget(parent), m_handler(handler) {
    setMouseTracking(true); // hovering lights the destinations
    setMinimumSize(1, 1);
    setFocusPolicy(Qt::StrongFocus);
}

void BoardSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    m_handler.FormPaint(painter);
}

void BoardSurface::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    m_handler.FormMouseMove(p.x(), p.y());
}

void BoardSurface::mousePressEvent(QMouseEvent* event) {
    if (PressedAt) PressedAt(event->position().toPoint());
    m_handler.FormMouseDown(event->button());
}

void BoardSurface::resizeEvent(QResizeEvent*) {
    m_handler.FormResize();
}

void BoardSurface::keyPressEvent(QKeyEvent* event) {
    if (!m_handler.FormKeyPress(event->key(), event->text())) QWidget::keyPressEvent(event);
}

void BoardSurface::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (FocusChanged) FocusChanged();
}

void BoardSurface::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    if (FocusChanged) FocusChanged();
}
