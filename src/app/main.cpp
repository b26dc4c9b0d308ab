#include <QApplication>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "app/Application.h"
#include "app/Screenshots.h"
#include "app/TFrmIndex.h"
#include "base/RegionalSettings.h"

int main(int argc, char** argv) {
    // `korvani --screenshots DIR` renders the pages and windows to PNG files, without a display.
    const bool screenshots = argc == 3 && std::strcmp(argv[1], "--screenshots") == 0;
    if (screenshots && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);

    QApplication application(argc, argv);
    korvani::app::SetUpApplication(application);
    if (screenshots) {
        const int written = korvani::app::RenderScreenshots(QString::fromLocal8Bit(argv[2]));
        std::cout << written << " screenshots written to " << argv[2] << "\n";
        return written > 0 ? 0 : 1;
    }

    // The date and time formats the program relies on; here they hold for this process.
    korvani::base::ProcessRegionalSettings regional;
    korvani::base::CorrectRegionalSettings(regional);

    korvani::app::TFrmIndex window;
    window.show();
    return QApplication::exec();
}
