#include "app/Application.h"

#include <QApplication>
#include <QFont>

namespace korvani::app {

QString ApplicationTitle() { return QStringLiteral("Korvani店铺公司起名软件"); }

void SetUpApplication(QApplication& application) {
    application.setApplicationName(QStringLiteral("Korvani"));
    application.setApplicationDisplayName(ApplicationTitle());
    QFont font(QStringLiteral("Noto Sans CJK SC"), 9);
    font.setStyleHint(QFont::SansSerif);
    application.setFont(font);
    // The reports line up their columns by character widths: their memos use the monospaced face.
    QFont mono(QStringLiteral("Noto Sans Mono CJK SC"), 9);
    mono.setStyleHint(QFont::Monospace);
    QApplication::setFont(mono, "QPlainTextEdit");
}

} // namespace korvani::app
