#pragma once

#include <QString>

class QApplication;

namespace korvani::app {

// The program's title, also the main window's caption.
QString ApplicationTitle();

// Installs Qt's own Chinese texts (qtbase_zh_CN: the OK, Cancel, Save and Print of its dialogs),
// from a translations folder beside the program or else from Qt's. False when neither holds them.
bool LoadQtChinese(QApplication& application);

// Sets the title, the program's fonts (Noto Sans CJK SC for the windows, Noto Sans Mono CJK SC for
// the report memos, chosen explicitly so that the windows look the same on every machine), Qt's
// Chinese texts and the Enter key of buttons.
void SetUpApplication(QApplication& application);

} // namespace korvani::app
