#include "app/Application.h"

#include "app/Fonts.h"

#include <QApplication>
#include <QFont>

namespace korvani::app {

QString ApplicationTitle() { return QStringLiteral("Korvani店铺公司起名软件"); }

void SetUpApplication(QApplication& application) {
    application.setApplicationName(QStringLiteral("Korvani"));
    application.setApplicationDisplayName(ApplicationTitle());
    application.setFont(UiFont());
    // The reports line up their columns by character widths: their memos use the monospaced face.
    QApplication::setFont(ReportFont(), "QPlainTextEdit");
}

} // namespace korvani::app
