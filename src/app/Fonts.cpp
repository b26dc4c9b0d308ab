#include "app/Fonts.h"

namespace korvani::app {

QFont UiFont(int pointSize) {
    QFont font(QStringLiteral("Noto Sans CJK SC"), pointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont ReportFont(int pointSize) {
    QFont font(QStringLiteral("Noto Sans Mono CJK SC"), pointSize);
    font.setStyleHint(QFont::Monospace);
    return font;
}

} // namespace korvani::app
