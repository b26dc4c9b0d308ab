#include "app/UpDown.h"

#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

namespace korvani::app {

UpDown::UpDown(int minimum, int maximum, QWidget* parent)
    : QWidget(parent), m_minimum(minimum), m_maximum(maximum), m_position(minimum) {
    setFocusPolicy(Qt::StrongFocus);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    const auto arrow = [&](Qt::ArrowType type, int direction) {
        auto* b = new QToolButton(this);
        b->setArrowType(type);
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        connect(b, &QToolButton::clicked, this, [this, direction] { Step(direction); });
        column->addWidget(b);
        return b;
    };
    m_up = arrow(Qt::UpArrow, 1);
    m_down = arrow(Qt::DownArrow, -1);
    UpdateArrows();
}

void UpDown::SetPosition(int position) {
    m_position = std::clamp(position, m_minimum, m_maximum);
    UpdateArrows();
}

void UpDown::Step(int direction) {
    const int next = std::clamp(m_position + direction, m_minimum, m_maximum);
    if (next == m_position)
        return;
    SetPosition(next);
    emit Click();
}

void UpDown::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up)
        Step(1);
    else if (event->key() == Qt::Key_Down)
        Step(-1);
    else
        QWidget::keyPressEvent(event);
}

void UpDown::wheelEvent(QWheelEvent* event) {
    if (const int y = event->angleDelta().y(); y != 0)
        Step(y > 0 ? 1 : -1);
    event->accept();
}

// At a bound the arrow that would leave the span is greyed, so the user sees that it ends there.
void UpDown::UpdateArrows() {
    m_up->setEnabled(m_position < m_maximum);
    m_down->setEnabled(m_position > m_minimum);
}

} // namespace korvani::app
