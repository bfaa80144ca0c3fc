#include "view/BoardSurface.h"

#include <QMouseEvent>
#include <QPainter>

BoardSurface::BoardSurface(BoardSurfaceHandler& handler, QWidget* parent)
    : QWidget(parent), m_handler(handler) {
    setMouseTracking(true); // hovering lights the destinations
    setMinimumSize(1, 1);
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
    m_handler.FormMouseDown(event->button());
}

void BoardSurface::resizeEvent(QResizeEvent*) {
    m_handler.FormResize();
}
