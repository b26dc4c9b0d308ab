#pragma once

#include <QString>

class QApplication;

namespace korvani::app {

// The program's title, also the main window's caption.
QString ApplicationTitle();

// Sets the title and the program's font (Noto Sans CJK SC, chosen explicitly so that the windows
// look the same on every machine).
void SetUpApplication(QApplication& application);

} // namespace korvani::app
