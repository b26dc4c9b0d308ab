#include "app/Fonts.h"

#include <QFontMetrics>
#include <QString>

namespace korvani::app {

QFont UiFont(int pointSize) {
    QFont font(QStringLiteral("Noto Sans CJK SC"), pointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont ReportFont(int pointSize) {
    QFont font(QStringLiteral("Noto Sans Mono CJK SC"), pointSize);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

int WidthForCharacters(const QFontMetrics& metrics, int characters) {
    // The frame and inner margins of a line edit take about a character more.
    return metrics.horizontalAdvance(QString(characters + 1, QChar(0x4E2D))); // 中
}

} // namespace korvani::app
