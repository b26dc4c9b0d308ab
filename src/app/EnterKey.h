#pragma once

#include <QObject>
#include <functional>
#include <initializer_list>

class QAbstractButton;
class QApplication;
class QWidget;

// The Enter key, as a shop owner expects it: Enter in a field runs the page's main action, Enter
// on a focused button presses it.
namespace korvani::app {

// Runs `action` when Enter (or Return) is pressed in `widget`; the key goes no further.
void OnEnter(QWidget* widget, std::function<void()> action);

// Runs `action` when `key` is pressed in `widget` without a modifier (Insert on the results grid,
// Delete on the shortlist); the key goes no further.
void OnKey(QWidget* widget, int key, std::function<void()> action);

// Enter in any line edit or combo box of `area` clicks `button` when it is enabled. Widgets inside
// one of `skip` keep their own Enter.
void RunOnEnter(QWidget* area, QAbstractButton* button, std::initializer_list<QWidget*> skip = {});

// For the whole program: Enter on a focused push or tool button presses it, as the space bar does.
void PressButtonsOnEnter(QApplication& application);

} // namespace korvani::app
