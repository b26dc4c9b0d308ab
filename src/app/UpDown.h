#pragma once

#include <QWidget>

class QToolButton;

namespace korvani::app {

// A pair of arrow buttons that steps a position between a minimum and a maximum, without wrapping,
// and shows no number of its own: a label beside it shows the value. Up, Down and the mouse wheel
// step it as well when it has the focus.
class UpDown : public QWidget {
    Q_OBJECT

public:
    UpDown(int minimum, int maximum, QWidget* parent = nullptr);

    int Position() const { return m_position; }
    // Sets the position, kept within the bounds; sends no Click.
    void SetPosition(int position);
    int Minimum() const { return m_minimum; }
    int Maximum() const { return m_maximum; }

    // One step up (+1) or down (-1), as a press on an arrow: Click follows when the position moved.
    void Step(int direction);

signals:
    // The user stepped the position.
    void Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void UpdateArrows();

    int m_minimum;
    int m_maximum;
    int m_position;
    QToolButton* m_up;
    QToolButton* m_down;
};

} // namespace korvani::app
