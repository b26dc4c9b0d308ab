#include <QApplication>
#include <QtTest>

#include "app/Application.h"
#include "app/TFrmIndex.h"

using korvani::app::TFrmIndex;

class TFrmIndexTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithTheProgramsTitleAndSize() {
        TFrmIndex window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Korvani店铺公司起名软件"));
        QCOMPARE(window.size(), QSize(800, 590));
        QVERIFY(window.close());
        QVERIFY(!window.isVisible());
    }
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    korvani::app::SetUpApplication(application);
    TFrmIndexTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TFrmIndexTest.moc"
