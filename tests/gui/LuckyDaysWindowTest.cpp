#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "support/GuiSupport.h"
#include "app/AlmanacPage.h"
#include "app/LuckyDayModel.h"
#include "app/NamingPage.h"
#include "app/ReportOutput.h"
#include "app/TFrmIndex.h"
#include "app/TFrmLuckyDays.h"
#include "base/Gbk.h"

using namespace korvani::app;
using korvani::testing::Find;
using korvani::testing::Message;

namespace {

korvani::chart::BirthInput BornInJune1985() {
    korvani::chart::BirthInput birth;
    birth.year = "1985";
    birth.month = "6";
    birth.day = "15";
    birth.hour = 9;
    birth.minute = "30";
    return birth;
}

void SetSpan(TFrmLuckyDays& window, QDate from, QDate to) {
    Find<QDateEdit>(&window, "DateFrom")->setDate(from);
    Find<QDateEdit>(&window, "DateTo")->setDate(to);
}

} // namespace

class LuckyDaysWindowTest : public QObject {
    Q_OBJECT

private:
    std::vector<Message> m_messages;

private slots:
    void init() {
        korvani::testing::CaptureMessages(m_messages);
    }
    void cleanup() {
        SetMessageSink({});
        SetSaveDialog({});
    }

    // The almanac page's 择吉日 and the tools page's button open the window modally, fresh each time,
    // with the birth of the naming page's representative; the span starts today and runs 90 days.
    void opensFromTheAlmanacAndToolsPagesWithTheNamingPagesBirth() {
        TFrmIndex window(KORVANI_BIN_DIR);
        window.show();
        NamingPage* naming = window.Naming();
        naming->Fields().year->setCurrentText(QStringLiteral("1985"));
        naming->Fields().month->setCurrentText(QStringLiteral("6"));
        naming->Fields().day->setCurrentText(QStringLiteral("15"));
        naming->Fields().calendar->setCurrentIndex(1);
        naming->Fields().hour->setCurrentIndex(9);

        QPushButton* fromAlmanac = Find<QPushButton>(window.Almanac(), "BtnZeji");
        QToolButton* fromTools = Find<QToolButton>(&window, "RzToolButton41");
        QCOMPARE(fromAlmanac->text(), QStringLiteral("择吉日"));
        QCOMPARE(fromTools->text(), QStringLiteral("择吉日"));
        std::vector<QPointer<TFrmLuckyDays>> opened;
        for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{fromAlmanac, fromAlmanac, fromTools}) {
            QTimer::singleShot(0, this, [&] {
                auto* dialog = qobject_cast<TFrmLuckyDays*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                QCOMPARE(dialog->windowTitle(), QStringLiteral("择吉日"));
                QCOMPARE(dialog->parentWidget(), &window);
                QCOMPARE(dialog->Fields().year->currentText(), QStringLiteral("1985"));
                QCOMPARE(dialog->Fields().day->currentText(), QStringLiteral("15"));
                QCOMPARE(dialog->Fields().calendar->currentIndex(), 1);
                QCOMPARE(dialog->Fields().hour->currentIndex(), 9);
                QVERIFY(dialog->Fields().surname == nullptr);
                QCOMPARE(Find<QComboBox>(dialog, "CBActivity")->currentText(), QStringLiteral("开市"));
                QCOMPARE(Find<QComboBox>(dialog, "CBActivity")->count(), 11);
                QCOMPARE(Find<QDateEdit>(dialog, "DateFrom")->date(), QDate::currentDate());
                QCOMPARE(Find<QDateEdit>(dialog, "DateTo")->date(), QDate::currentDate().addDays(90));
                QCOMPARE(dialog->Model()->rowCount(), 0); // nothing left from the last opening
                dialog->BtnFindClick();
                QVERIFY(dialog->Model()->rowCount() > 0);
                opened.emplace_back(dialog);
                Find<QPushButton>(dialog, "BtnClose")->click();
            });
            button->click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QCOMPARE(opened.size(), size_t(3));
        for (const auto& dialog : opened)
            QVERIFY(dialog.isNull());
        QVERIFY(m_messages.empty());
    }

    // A search fills the list best first; the toggle orders it by date; choosing a day shows its
    // almanac entry.
    void searchListsTheDaysAndShowsTheChosenDaysEntry() {
        korvani::data::DataStore store(KORVANI_BIN_DIR);
        TFrmLuckyDays window(store, BornInJune1985());
        window.show();
        SetSpan(window, QDate(2027, 3, 1), QDate(2027, 3, 31));
        Find<QPushButton>(&window, "BtnFind")->click();
        QVERIFY(m_messages.empty());
        LuckyDayModel* model = window.Model();
        QCOMPARE(model->rowCount(), 7);
        QCOMPARE(model->columnCount(), 7);
        QCOMPARE(model->headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("值神"));
        QCOMPARE(model->Cell(0, 0), QStringLiteral("2027-03-04"));
        QCOMPARE(model->Cell(0, 1), QStringLiteral("星期四"));
        QCOMPARE(model->Cell(0, 2), QStringLiteral("正月廿七"));
        QCOMPARE(model->Cell(0, 3), QStringLiteral("白虎(黑道)"));
        QCOMPARE(model->Cell(0, 4), QStringLiteral("定日"));
        QCOMPARE(model->Cell(0, 5), QStringLiteral("5"));
        QVERIFY(model->Cell(0, 6).endsWith(QStringLiteral("；不冲属牛")));
        QVERIFY(Find<QLabel>(&window, "LabelNote")->text().startsWith(QStringLiteral("找到7天宜开市的日子")));

        // The first day is chosen at once; another choice shows that day's entry.
        auto* memo = Find<QPlainTextEdit>(&window, "MemoDay");
        QVERIFY(memo->toPlainText().startsWith(QStringLiteral("当日统览:2027-03-04  农历正月廿七")));
        window.Grid()->selectRow(1);
        QVERIFY(memo->toPlainText().startsWith(QStringLiteral("当日统览:2027-03-09  ")));

        Find<QCheckBox>(&window, "CBByDate")->setChecked(true);
        QCOMPARE(model->Cell(0, 0), QStringLiteral("2027-03-01"));
        QCOMPARE(model->Cell(6, 0), QStringLiteral("2027-03-27"));
        QVERIFY(memo->toPlainText().startsWith(QStringLiteral("当日统览:2027-03-01  ")));
        QVERIFY(window.ReportLines().at(6).startsWith(QStringLiteral("2027-03-01")));
        Find<QCheckBox>(&window, "CBByDate")->setChecked(false);
        QCOMPARE(model->Cell(0, 0), QStringLiteral("2027-03-04"));

        // Without avoiding clashes, 2027-03-29 (丁未, against the ox) is back.
        Find<QCheckBox>(&window, "CBAvoidClash")->setChecked(false);
        window.BtnFindClick();
        QCOMPARE(model->rowCount(), 8);
    }

    // An empty list says why; bad input is refused with a message and leaves the list as it was.
    void emptyResultAndBadInput() {
        korvani::data::DataStore store(KORVANI_BIN_DIR);
        TFrmLuckyDays window(store, BornInJune1985());
        window.show();
        SetSpan(window, QDate(2027, 3, 29), QDate(2027, 3, 29));
        window.BtnFindClick();
        QCOMPARE(window.Model()->rowCount(), 0);
        QCOMPARE(Find<QLabel>(&window, "LabelNote")->text(),
                 QStringLiteral("所选的1天里宜开市的1天都冲法人的生肖（属牛），请把日期范围放宽一些再查找。"));
        QVERIFY(m_messages.empty());

        SetSpan(window, QDate(2027, 3, 1), QDate(2027, 3, 31));
        window.BtnFindClick();
        QCOMPARE(window.Model()->rowCount(), 7);
        const QString note = Find<QLabel>(&window, "LabelNote")->text();

        SetSpan(window, QDate(2027, 4, 1), QDate(2027, 3, 1));
        window.BtnFindClick();
        QCOMPARE(m_messages.size(), size_t(1));
        QCOMPARE(m_messages[0].title, QStringLiteral("提示"));
        QCOMPARE(m_messages[0].text, QStringLiteral("起始日期不能晚于结束日期!"));
        QCOMPARE(window.Model()->rowCount(), 7);
        QCOMPARE(Find<QLabel>(&window, "LabelNote")->text(), note);

        SetSpan(window, QDate(2027, 3, 1), QDate(2027, 3, 31));
        window.Fields().day->setCurrentText(QStringLiteral(" "));
        window.BtnFindClick();
        QCOMPARE(m_messages.back().text, QStringLiteral("请选择出生日!"));
        window.Fields().day->setCurrentText(QStringLiteral("31"));
        window.Fields().month->setCurrentText(QStringLiteral("6"));
        window.BtnFindClick();
        QCOMPARE(m_messages.back().title, QStringLiteral("错误")); // 1985-6-31 is no date
        QCOMPARE(window.Model()->rowCount(), 7);
    }

    // The list prints and saves like every report: as GBK text with CR LF, nothing before a search.
    void listSavesAsAReport() {
        korvani::data::DataStore store(KORVANI_BIN_DIR);
        TFrmLuckyDays window(store, BornInJune1985());
        QTemporaryDir dir;
        bool asked = false;
        QString offered;
        SetSaveDialog([&](QWidget*, const QString& name) {
            asked = true;
            offered = name;
            return dir.filePath(QStringLiteral("吉日"));
        });
        window.BtnSaveClick();
        QVERIFY(!asked);
        window.BtnPrintClick(); // no search yet: no print dialog either
        QVERIFY(QApplication::activeModalWidget() == nullptr);

        SetSpan(window, QDate(2027, 3, 1), QDate(2027, 3, 31));
        window.BtnFindClick();
        window.BtnSaveClick();
        QVERIFY(asked);
        QCOMPARE(offered, QStringLiteral("择吉日开市"));
        QFile saved(dir.filePath(QStringLiteral("吉日.txt")));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QStringList lines = window.ReportLines();
        QCOMPARE(lines.size(), 4 + 2 + 7);
        QCOMPARE(saved.readAll(), QByteArray::fromStdString(korvani::base::Utf8ToGbk(
                                      (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toStdString())));
        QCOMPARE(lines.at(0), QStringLiteral("择吉日：开市"));
    }
};

QTEST_MAIN(LuckyDaysWindowTest)
#include "LuckyDaysWindowTest.moc"
