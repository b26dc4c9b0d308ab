#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "app/Application.h"
#include "app/TFRM_Date.h"
#include "app/TFrmIndex.h"
#include "app/UpDown.h"

using namespace korvani::app;
using korvani::base::CivilDate;

namespace {

const QColor kMark(0x7E, 0xE2, 0x81);
const QColor kLunarDay(0x00, 0x40, 0x00);
const QColor kMonthName(0xFF, 0x00, 0x00);
const QColor kFestival(0xFF, 0x80, 0x00);
const QColor kTerm(0x53, 0x53, 0xFF);

// A calendar window whose today is `today`. On the heap: the window frees itself when it closes.
TFRM_Date* Calendar(const QDate& today) {
    auto* window = new TFRM_Date(nullptr, [today] { return today; });
    window->show();
    return window;
}

QString Text(const QWidget& window, const char* name) {
    return window.findChild<QLabel*>(QString::fromUtf8(name))->text();
}

QColor TextColor(const QLabel* label) { return label->palette().color(QPalette::WindowText); }

// The cell that shows `day`, 0 when none does.
int CellOfDay(const TFRM_Date& window, int day) {
    for (int cell = 1; cell <= TFRM_Date::kCellCount; ++cell)
        if (window.DayLabel(cell)->isVisibleTo(&window) && window.DayLabel(cell)->text() == QString::number(day))
            return cell;
    return 0;
}

// The mark sits over the cell of `day`: one pixel left of and one below its day number's corner.
bool MarkIsOn(const TFRM_Date& window, int day) {
    const int cell = CellOfDay(window, day);
    return cell != 0 && window.Mark()->pos() == window.DayLabel(cell)->pos() + QPoint(-1, 1);
}

} // namespace

class CalendarWindowTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<TFRM_Date*>(w))
                delete w;
    }

    void paintsTheMonthOfToday() {
        QPointer<TFRM_Date> window = Calendar(QDate(2024, 2, 10));
        QCOMPARE(window->windowTitle(), QStringLiteral("万年历"));
        QCOMPARE(Text(*window, "Label1"), QStringLiteral("2024"));
        QCOMPARE(Text(*window, "Label17"), QStringLiteral("2"));
        QCOMPARE(Text(*window, "Label20"), QStringLiteral("2024"));
        QCOMPARE(Text(*window, "Label16"), QStringLiteral("2"));
        QCOMPARE(Text(*window, "Label21"), QStringLiteral("辰龙"));
        QCOMPARE(Text(*window, "Label22"), QStringLiteral("水瓶座"));
        QCOMPARE(window->SelectedDate(), (CivilDate{2024, 2, 10}));

        // 1 February 2024 is a Thursday: cells 1 to 4 and 34 to 37 stay empty.
        for (int cell : {1, 4, 34, 37}) {
            QVERIFY(!window->DayLabel(cell)->isVisible());
            QVERIFY(!window->LunarLabel(cell)->isVisible());
        }
        QCOMPARE(window->DayLabel(5)->text(), QStringLiteral("1"));
        QCOMPARE(window->DayLabel(33)->text(), QStringLiteral("29"));
        QCOMPARE(window->DayLabel(33)->property("tag").toInt(), 29);
        QCOMPARE(window->LunarLabel(33)->property("tag").toInt(), 29);

        const auto lower = [&](int day) { return window->LunarLabel(CellOfDay(*window, day)); };
        QCOMPARE(lower(4)->text(), QStringLiteral("立春"));
        QCOMPARE(TextColor(lower(4)), kTerm);
        QCOMPARE(lower(9)->text(), QStringLiteral("除夕"));
        QCOMPARE(TextColor(lower(9)), kFestival);
        QCOMPARE(lower(10)->text(), QStringLiteral("春节"));
        QCOMPARE(TextColor(lower(10)), kFestival);
        QCOMPARE(lower(11)->text(), QStringLiteral("初二"));
        QCOMPARE(TextColor(lower(11)), kLunarDay);
        QCOMPARE(lower(14)->text(), QStringLiteral("情人节"));
        QCOMPARE(TextColor(lower(14)), kFestival);
        const QLabel* tenth = window->DayLabel(CellOfDay(*window, 10));
        QCOMPARE(TextColor(tenth), QColor(Qt::black));
        QCOMPARE(tenth->font().pointSize(), 11);

        QVERIFY(MarkIsOn(*window, 10));
        QCOMPARE(window->Mark()->palette().color(QPalette::Window), kMark);
        QVERIFY(window->Mark()->geometry().contains(window->LunarLabel(CellOfDay(*window, 10))->geometry().center()));
    }

    void leapMonthInRed() {
        QPointer<TFRM_Date> window = Calendar(QDate(2023, 3, 22));
        const QLabel* lunar = window->LunarLabel(CellOfDay(*window, 22));
        QCOMPARE(lunar->text(), QStringLiteral("闰二"));
        QCOMPARE(TextColor(lunar), kMonthName);
        QCOMPARE(Text(*window, "Label21"), QStringLiteral("卯兔"));
        QCOMPARE(Text(*window, "Label22"), QStringLiteral("白羊座"));
    }

    // Cells step 42 pixels across and 32 down, Sunday first, with the weekday headers above and
    // below and the weekend in red.
    void gridAndHeaders() {
        QPointer<TFRM_Date> window = Calendar(QDate(2023, 7, 1)); // 31 days from a Saturday: cells 7..37
        QCOMPARE(window->DayLabel(7)->text(), QStringLiteral("1"));
        QCOMPARE(window->DayLabel(37)->text(), QStringLiteral("31"));
        QVERIFY(window->DayLabel(37)->isVisible());
        QCOMPARE(window->DayLabel(2)->pos() - window->DayLabel(1)->pos(), QPoint(42, 0));
        QCOMPARE(window->DayLabel(8)->pos() - window->DayLabel(7)->pos(), QPoint(-6 * 42, 32));
        QCOMPARE(window->DayLabel(36)->pos() - window->DayLabel(1)->pos(), QPoint(0, 5 * 32));
        QCOMPARE(window->LunarLabel(9)->pos() - window->LunarLabel(1)->pos(), QPoint(42, 32));

        const QStringList days = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
        for (int i = 0; i < 7; ++i) {
            for (const int number : {2 + i, 9 + i}) {
                const auto* header = window->findChild<QLabel*>(QStringLiteral("Label%1").arg(number));
                QCOMPARE(header->text(), days[i]);
                QCOMPARE(header->x(), window->DayLabel(1 + i)->x() - 1);
                QCOMPARE(TextColor(header) == kMonthName, i == 0 || i == 6);
            }
        }
        const auto* above = window->findChild<QLabel*>(QStringLiteral("Label2"));
        const auto* below = window->findChild<QLabel*>(QStringLiteral("Label9"));
        QVERIFY(above->geometry().bottom() <= window->DayLabel(1)->y());
        QVERIFY(below->y() >= window->LunarLabel(36)->geometry().bottom());
    }

    // The month and year labels bring up their spins.
    void labelsSwitchTheSpins() {
        QPointer<TFRM_Date> window = Calendar(QDate(2024, 2, 10));
        auto* month = window->findChild<QLabel*>(QStringLiteral("Label17"));
        auto* year = window->findChild<QLabel*>(QStringLiteral("Label1"));
        QCOMPARE(month->toolTip(), QStringLiteral("单击改变月份"));
        QCOMPARE(year->toolTip(), QStringLiteral("单击改变年份"));
        QVERIFY(window->MonthSpin()->isVisible());
        QVERIFY(!window->YearSpin()->isVisible());
        QTest::mouseClick(year, Qt::LeftButton);
        QVERIFY(window->YearSpin()->isVisible());
        QVERIFY(!window->MonthSpin()->isVisible());
        QTest::mouseClick(month, Qt::LeftButton);
        QVERIFY(window->MonthSpin()->isVisible());
        QVERIFY(!window->YearSpin()->isVisible());
    }

    // From day 31 the month spin steps to February with its last day marked, and back to the 31st
    // in March; the spins never change the remembered day.
    void stepsFromDay31ToFebruary() {
        QPointer<TFRM_Date> window = Calendar(QDate(2024, 1, 31));
        QTest::keyClick(window->MonthSpin(), Qt::Key_Up);
        QCOMPARE(Text(*window, "Label17"), QStringLiteral("2"));
        QVERIFY(MarkIsOn(*window, 29));
        QCOMPARE(Text(*window, "Label22"), QStringLiteral("双鱼座"));
        QCOMPARE(CellOfDay(*window, 30), 0);
        QTest::keyClick(window->MonthSpin(), Qt::Key_Up);
        QCOMPARE(Text(*window, "Label17"), QStringLiteral("3"));
        QVERIFY(MarkIsOn(*window, 31));
        QCOMPARE(window->SelectedDate(), (CivilDate{2024, 1, 31}));

        // Back to February through the arrow itself, then a year down: 2023 has 28 days.
        QTest::mouseClick(window->MonthSpin()->findChildren<QToolButton*>().at(1), Qt::LeftButton);
        QTest::mouseClick(window->findChild<QLabel*>(QStringLiteral("Label1")), Qt::LeftButton);
        QTest::keyClick(window->YearSpin(), Qt::Key_Down);
        QCOMPARE(Text(*window, "Label1"), QStringLiteral("2023"));
        QCOMPARE(Text(*window, "Label20"), QStringLiteral("2023"));
        QCOMPARE(Text(*window, "Label17"), QStringLiteral("2"));
        QVERIFY(MarkIsOn(*window, 28));
        QCOMPARE(Text(*window, "Label21"), QStringLiteral("卯兔"));
        QCOMPARE(window->SelectedDate(), (CivilDate{2024, 1, 31}));
    }

    // The spins stop at 1901 and 2050, and at January and December: no wrap.
    void spinsStopAtTheirBounds() {
        QPointer<TFRM_Date> window = Calendar(QDate(2050, 12, 31));
        QTest::keyClick(window->YearSpin(), Qt::Key_Up);
        QTest::keyClick(window->MonthSpin(), Qt::Key_Up);
        QCOMPARE(window->YearSpin()->Position(), 2050);
        QCOMPARE(window->MonthSpin()->Position(), 12);
        QCOMPARE(Text(*window, "Label1"), QStringLiteral("2050"));
        QCOMPARE(Text(*window, "Label17"), QStringLiteral("12"));
        QVERIFY(!window->YearSpin()->findChildren<QToolButton*>().at(0)->isEnabled());
        QTest::keyClick(window->YearSpin(), Qt::Key_Down);
        QCOMPARE(Text(*window, "Label1"), QStringLiteral("2049"));

        QPointer<TFRM_Date> early = Calendar(QDate(1901, 1, 1));
        QTest::keyClick(early->YearSpin(), Qt::Key_Down);
        QTest::keyClick(early->MonthSpin(), Qt::Key_Down);
        QCOMPARE(Text(*early, "Label1"), QStringLiteral("1901"));
        QCOMPARE(Text(*early, "Label17"), QStringLiteral("1"));
        QCOMPARE(early->YearSpin()->Minimum(), 1901);
        QCOMPARE(early->YearSpin()->Maximum(), 2050);
        QVERIFY(!early->MonthSpin()->findChildren<QToolButton*>().at(1)->isEnabled());
    }

    // A click on a day moves the mark and remembers the day, without repainting: the constellation
    // stays that of the day the month was shown with.
    void clickMovesTheMarkOnly() {
        QPointer<TFRM_Date> window = Calendar(QDate(2024, 2, 10));
        const int cell = CellOfDay(*window, 20);
        QTest::mousePress(window->DayLabel(cell), Qt::LeftButton);
        QVERIFY(MarkIsOn(*window, 20));
        QCOMPARE(window->SelectedDate(), (CivilDate{2024, 2, 10}));
        QTest::mouseRelease(window->DayLabel(cell), Qt::LeftButton);
        QCOMPARE(window->SelectedDate(), (CivilDate{2024, 2, 20}));
        QCOMPARE(Text(*window, "Label22"), QStringLiteral("水瓶座"));

        // The lunar text marks the same cell.
        QTest::mouseClick(window->LunarLabel(CellOfDay(*window, 3)), Qt::LeftButton);
        QVERIFY(MarkIsOn(*window, 3));
        QCOMPARE(window->SelectedDate(), (CivilDate{2024, 2, 3}));
        QCOMPARE(window->Shown(), (CivilDate{2024, 2, 3}));

        // The chosen day carries into the next month stepped to.
        QTest::keyClick(window->MonthSpin(), Qt::Key_Up);
        QVERIFY(MarkIsOn(*window, 3));
        QCOMPARE(Text(*window, "Label22"), QStringLiteral("双鱼座"));
    }

    // 今天 goes back to today's month and day from wherever the spins and clicks left the window.
    void todayReturns() {
        QPointer<TFRM_Date> window = Calendar(QDate(2024, 5, 12));
        QCOMPARE(window->LunarLabel(CellOfDay(*window, 12))->text(), QStringLiteral("母亲节"));
        QTest::keyClick(window->MonthSpin(), Qt::Key_Down);
        QTest::mouseClick(window->findChild<QLabel*>(QStringLiteral("Label1")), Qt::LeftButton);
        QTest::keyClick(window->YearSpin(), Qt::Key_Up);
        QTest::mouseClick(window->DayLabel(CellOfDay(*window, 2)), Qt::LeftButton);
        QCOMPARE(window->SelectedDate(), (CivilDate{2025, 4, 2}));

        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("StaticText1")), Qt::LeftButton);
        QCOMPARE(window->SelectedDate(), (CivilDate{2024, 5, 12}));
        QCOMPARE(window->Shown(), (CivilDate{2024, 5, 12}));
        QCOMPARE(window->YearSpin()->Position(), 2024);
        QCOMPARE(window->MonthSpin()->Position(), 5);
        QCOMPARE(Text(*window, "Label1"), QStringLiteral("2024"));
        QCOMPARE(Text(*window, "Label17"), QStringLiteral("5"));
        QVERIFY(MarkIsOn(*window, 12));
        QCOMPARE(Text(*window, "Label22"), QStringLiteral("金牛座"));
    }

    // A today outside 1901 to 2050 opens on the nearest month of the span, and the window says so.
    void todayOutsideTheSpan() {
        QPointer<TFRM_Date> late = Calendar(QDate(2051, 3, 5));
        QCOMPARE(Text(*late, "Label1"), QStringLiteral("2050"));
        QCOMPARE(Text(*late, "Label17"), QStringLiteral("12"));
        QVERIFY(MarkIsOn(*late, 31));
        const auto* note = late->findChild<QLabel*>(QStringLiteral("RangeNote"));
        QVERIFY(note->isVisible());
        QVERIFY(note->text().contains(QStringLiteral("2051-03-05")));
        QVERIFY(note->text().contains(QStringLiteral("2050年12月")));
        QVERIFY(late->rect().contains(note->geometry()));

        QPointer<TFRM_Date> early = Calendar(QDate(1899, 7, 1));
        QCOMPARE(Text(*early, "Label1"), QStringLiteral("1901"));
        QCOMPARE(Text(*early, "Label17"), QStringLiteral("1"));
        QVERIFY(MarkIsOn(*early, 1));
        QVERIFY(early->findChild<QLabel*>(QStringLiteral("RangeNote"))->isVisible());

        QPointer<TFRM_Date> inside = Calendar(QDate(2050, 12, 31));
        QVERIFY(!inside->findChild<QLabel*>(QStringLiteral("RangeNote"))->isVisible());
    }

    // Another window taking the focus closes the calendar, which frees itself.
    void closesWhenAnotherWindowIsActivated() {
        QPointer<TFRM_Date> window = Calendar(QDate(2024, 2, 10));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QTRY_VERIFY(window.isNull());
    }

    // 万年历法 opens the calendar modally over the main window; each opening is a fresh window on
    // today, and a closed window is freed.
    void toolButtonOpensAFreshWindow() {
        TFrmIndex main(KORVANI_BIN_DIR);
        main.show();
        auto* button = main.findChild<QToolButton*>(QStringLiteral("RzToolButton36"));
        QVERIFY(button && button->isEnabled());
        const QDate today = QDate::currentDate();
        std::vector<QPointer<TFRM_Date>> opened;
        for (int round = 0; round < 2; ++round) {
            QTimer::singleShot(0, this, [&] {
                auto* dialog = qobject_cast<TFRM_Date*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                QVERIFY(dialog->isModal());
                QCOMPARE(dialog->parentWidget(), &main);
                if (today.year() >= 1901 && today.year() <= 2050)
                    QCOMPARE(dialog->SelectedDate(), (CivilDate{today.year(), today.month(), today.day()}));
                QTest::keyClick(dialog->MonthSpin(), today.month() == 12 ? Qt::Key_Down : Qt::Key_Up);
                opened.emplace_back(dialog);
                dialog->close();
            });
            button->click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QCOMPARE(opened.size(), size_t(2));
        QVERIFY(opened[0].isNull());
        QVERIFY(opened[1].isNull());
    }

    // At a device pixel ratio of 2 the window draws at full resolution: the mark fills its cell in
    // whole device pixels, and the texts are drawn anew rather than enlarged from a small picture.
    void drawsAtTwiceTheDevicePixels() {
        QPointer<TFRM_Date> window = Calendar(QDate(2024, 2, 10));
        const auto render = [&](int ratio) {
            QImage image(window->size() * ratio, QImage::Format_RGB32);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::white);
            window->render(&image);
            return image;
        };
        const QImage single = render(1);
        const QImage twice = render(2);
        const QPoint inside = window->Mark()->geometry().bottomRight() - QPoint(2, 2);
        QCOMPARE(twice.pixelColor(inside * 2), kMark);
        QCOMPARE(twice.pixelColor(inside * 2 + QPoint(1, 1)), kMark);

        // Within the lunar text 春节, the picture at ratio 2 differs from the one at ratio 1 blown up.
        const QImage blownUp = single.scaled(single.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QRect text = window->LunarLabel(CellOfDay(*window, 10))->geometry();
        int differing = 0;
        for (int y = text.top() * 2; y < (text.bottom() + 1) * 2; ++y)
            for (int x = text.left() * 2; x < (text.right() + 1) * 2; ++x)
                differing += twice.pixel(x, y) != blownUp.pixel(x, y);
        QVERIFY2(differing > 50, qPrintable(QString::number(differing)));
    }
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    korvani::app::SetUpApplication(application);
    CalendarWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "CalendarWindowTest.moc"
