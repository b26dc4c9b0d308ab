#include <QApplication>

#include "app/Application.h"
#include "app/TFrmIndex.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    korvani::app::SetUpApplication(application);
    korvani::app::TFrmIndex window;
    window.show();
    return QApplication::exec();
}
