#include "app/Application.h"

#include "app/EnterKey.h"
#include "app/Fonts.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace korvani::app {

QString ApplicationTitle() { return QStringLiteral("Korvani店铺公司起名软件"); }

bool LoadQtChinese(QApplication& application) {
    // Beside the program first (a folder carried to another machine may bring them), then Qt's own.
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    for (const QString& folder : {QApplication::applicationDirPath() + QStringLiteral("/translations"),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        auto* translator = new QTranslator(&application);
        if (translator->load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            QApplication::installTranslator(translator);
            return true;
        }
        delete translator;
    }
    return false;
}

void SetUpApplication(QApplication& application) {
    application.setApplicationName(QStringLiteral("Korvani"));
    application.setApplicationDisplayName(ApplicationTitle());
    // The installed desktop entry and icon (korvani.desktop, the hicolor icon "korvani"): the
    // desktop matches the window to its entry, and the taskbar shows the icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("korvani"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("korvani")));
    application.setFont(UiFont());
    // The reports line up their columns by character widths: their memos use the monospaced face.
    QApplication::setFont(ReportFont(), "QPlainTextEdit");
    // Qt's own dialogs (message boxes, print and file dialogs) speak Chinese like the rest.
    LoadQtChinese(application);
    PressButtonsOnEnter(application);
}

} // namespace korvani::app
