#pragma once

#include <QFont>

// The program's two faces: the UI font of its windows and the monospaced CJK font of its reports,
// whose columns line up by character widths. Both come from Debian's Noto CJK fonts.
namespace korvani::app {

QFont UiFont(int pointSize = 9);
QFont ReportFont(int pointSize = 9);

} // namespace korvani::app
