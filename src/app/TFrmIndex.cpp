#include "app/TFrmIndex.h"

#include <QGuiApplication>
#include <QScreen>

#include "app/Application.h"

namespace korvani::app {

TFrmIndex::TFrmIndex(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FrmIndex"));
    setWindowTitle(ApplicationTitle());
    setFixedSize(kClientWidth, kClientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - rect().center());
    }
}

} // namespace korvani::app
