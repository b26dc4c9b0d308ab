#pragma once

#include <QFont>

class QFontMetrics;

// The program's two faces: the UI font of its windows and the monospaced CJK font of its reports,
// whose columns line up by character widths on screen and on paper (a Chinese character takes
// exactly two Latin cells). Both come from Debian's Noto CJK fonts.
namespace korvani::app {

QFont UiFont(int pointSize = 9);
QFont ReportFont(int pointSize = 9);

// The width an edit box needs to show `characters` Chinese characters in its font, frame included.
int WidthForCharacters(const QFontMetrics& metrics, int characters);

} // namespace korvani::app
