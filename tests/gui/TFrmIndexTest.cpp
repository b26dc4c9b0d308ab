#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "almanac/AlmanacGlossary.h"
#include "app/AlmanacPage.h"
#include "app/AnalysisPage.h"
#include "app/Application.h"
#include "app/CandidateGridView.h"
#include "app/ChartPage.h"
#include "app/NamingPage.h"
#include "app/ReportOutput.h"
#include "app/TFrmIndex.h"
#include "base/Gbk.h"
#include "support/GuiSupport.h"

using namespace korvani::app;
using korvani::testing::Find;
using korvani::testing::Message;

class TFrmIndexTest : public QObject {
    Q_OBJECT

private:
    std::vector<Message> m_messages;

    static void FillPerson(BirthFields& f) { korvani::testing::FillPerson(f); }

private slots:
    void init() { korvani::testing::CaptureMessages(m_messages); }
    void cleanup() {
        SetMessageSink({});
        SetSaveDialog({});
    }

    void opensAsTheProgramsFrame() {
        TFrmIndex window(KORVANI_BIN_DIR);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Korvani店铺公司起名软件"));
        QCOMPARE(window.size(), QSize(800, 590));
        QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(window.Pages()->currentWidget(), window.Naming());
        // The tool buttons switch pages; their hints, with their keys, are their tooltips.
        auto* chart = Find<QToolButton>(&window, "RzToolButton3");
        QCOMPARE(chart->toolTip(), QStringLiteral("生辰八字分析及起名建议（Alt+3）"));
        chart->click();
        QCOMPARE(window.Pages()->currentWidget(), window.Chart());
        Find<QToolButton>(&window, "RzToolButton1")->click();
        QCOMPARE(window.Pages()->currentWidget(), window.Analysis());
        Find<QPushButton>(window.Analysis(), "RzBitBtn6")->click(); // 返回起名
        QCOMPARE(window.Pages()->currentWidget(), window.Naming());
        QVERIFY(window.close());
    }

    void namingRunFillsTheGridAndPagesOn() {
        TFrmIndex window(KORVANI_BIN_DIR);
        NamingPage* page = window.Naming();
        FillPerson(page->Fields());
        page->SetRandomSource(korvani::base::RandomSource(8));
        Find<QPushButton>(page, "RzBitBtn5")->click();
        QVERIFY(m_messages.empty());
        CandidateGridModel* grid = page->Grid();
        QCOMPARE(grid->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("企业名称"));
        QCOMPARE(grid->Cell(0, 0), QStringLiteral("1"));
        QCOMPARE(grid->Cell(99, 0), QStringLiteral("100"));
        auto* more = Find<QPushButton>(page, "RzBitBtn2");
        QVERIFY(more->isEnabled());
        QStringList first;
        for (int r = 0; r < 100; ++r)
            first << grid->Cell(r, 4);
        more->click();
        QStringList second;
        for (int r = 0; r < 100; ++r)
            second << grid->Cell(r, 4);
        QVERIFY(first != second);
        QVERIFY(Find<QPushButton>(page, "RzBitBtn5")->isEnabled());
        // The note beside the buttons counts the names; the body cell explains its characters.
        QVERIFY(Find<QLabel>(page, "LabelResult")->text().startsWith(QStringLiteral("共找到")));
        const QString glosses = grid->data(grid->index(0, 4), Qt::ToolTipRole).toString();
        QVERIFY(glosses.contains(QStringLiteral("：")));
        // 喜用神 instead of 补缺 (the default): the note says which elements the names carry and why.
        auto* mode = Find<QComboBox>(page, "CBElements");
        QCOMPARE(mode->currentText(), QStringLiteral("补缺 (按八字所缺五行)"));
        QVERIFY(!Find<QLabel>(page, "LabelResult")->text().contains(QStringLiteral("喜用神")));
        mode->setCurrentIndex(1);
        page->RzBitBtn5Click();
        QVERIFY(m_messages.empty());
        const QString note = Find<QLabel>(page, "LabelResult")->text();
        QVERIFY2(note.startsWith(QStringLiteral("共找到")) && note.contains(QStringLiteral("按喜用神取字")),
                 qPrintable(note));
        mode->setCurrentIndex(0);
        // A fixed character outside the character table finds nothing and says why, without a box.
        Find<QLineEdit>(page, "Namezhi1")->setText(QStringLiteral("😀"));
        page->RzBitBtn5Click();
        QVERIFY(m_messages.empty());
        QVERIFY(Find<QLabel>(page, "LabelResult")->text().contains(QStringLiteral("不在字库中")));
        Find<QLineEdit>(page, "Namezhi1")->clear();
        // 三字名 enables the third fixed field; 二字名 disables it again, its text kept.
        auto* length = Find<QComboBox>(page, "CBZS");
        auto* third = Find<QLineEdit>(page, "Namezhi3");
        QVERIFY(!third->isEnabled());
        length->setCurrentIndex(1);
        QVERIFY(third->isEnabled());
        third->setText(QStringLiteral("达"));
        length->setCurrentIndex(0);
        QVERIFY(!third->isEnabled());
        QCOMPARE(third->text(), QStringLiteral("达"));
    }

    void detailsOpenTheNameAnalysisWindow() {
        TFrmIndex window(KORVANI_BIN_DIR);
        window.show();
        NamingPage* page = window.Naming();
        FillPerson(page->Fields());
        Find<QComboBox>(page, "CBFen")->setCurrentText(QStringLiteral("45"));
        page->SetRandomSource(korvani::base::RandomSource(9));
        page->RzBitBtn5Click();
        const QString body = page->Grid()->Cell(2, 4);
        QVERIFY(!body.isEmpty());
        page->GridView()->setCurrentIndex(page->Grid()->index(2, 1));

        QString shortName;
        QString minute;
        QString report;
        QString glosses;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<TFrmNamemain*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("名称分析"));
            shortName = dialog->Form()->ShortName()->text();
            minute = dialog->Form()->Fields().minute->currentText();
            report = dialog->Form()->Memo()->toPlainText();
            glosses = dialog->findChild<QLabel*>(QStringLiteral("LabelGloss"))->text();
            dialog->close();
        });
        Find<QPushButton>(page, "RzBitBtn4")->click();
        QCOMPARE(shortName, body);
        QCOMPARE(minute, QStringLiteral("45"));
        QVERIFY(glosses.startsWith(QStringLiteral("字义：")));
        QVERIFY(report.contains(QStringLiteral("企业名称：") + body));
        QVERIFY(report.contains(QStringLiteral("45分")));

        // With no row chosen nothing opens; a message asks for a name.
        page->GridView()->setCurrentIndex(QModelIndex());
        page->RzBitBtn4Click();
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(m_messages.back().text, QStringLiteral("请先在列表中选择一个名字。"));
    }

    void eachPagesInputCheckShowsItsMessageAndChangesNothing() {
        TFrmIndex window(KORVANI_BIN_DIR);
        NamingPage* naming = window.Naming();
        Find<QPushButton>(naming, "RzBitBtn5")->click();
        QCOMPARE(m_messages.size(), size_t(1));
        QCOMPARE(m_messages[0].title, QStringLiteral("提示"));
        QCOMPARE(m_messages[0].text, QStringLiteral("姓不能为空!"));
        QCOMPARE(naming->Grid()->Cell(0, 0), QString());

        FillPerson(naming->Fields());
        Find<QLineEdit>(naming, "Namezhi1")->setText(QStringLiteral("华"));
        Find<QLineEdit>(naming, "Namezhi2")->setText(QStringLiteral("兴"));
        naming->RzBitBtn5Click();
        QCOMPARE(m_messages.back().title, QStringLiteral("信息提示"));
        QCOMPARE(m_messages.back().text, QStringLiteral("二字名不能同时固定两个字！"));

        AnalysisPage* analysis = window.Analysis();
        FillPerson(analysis->Form()->Fields());
        analysis->Form()->ShortName()->setText(QStringLiteral("鸿图"));
        analysis->ButtonNameClick();
        const QString report = analysis->Form()->Memo()->toPlainText();
        QVERIFY(report.startsWith(QStringLiteral("<====")));
        analysis->Form()->ShortName()->setText(QStringLiteral("鸿"));
        analysis->ButtonNameClick();
        QCOMPARE(m_messages.back().text, QStringLiteral("企业简称为两个字以上!"));
        QCOMPARE(analysis->Form()->Memo()->toPlainText(), report);

        ChartPage* chart = window.Chart();
        FillPerson(chart->Fields());
        chart->Fields().day->setCurrentText(QStringLiteral("31"));
        chart->RzButton2Click();
        QCOMPARE(m_messages.back().title, QStringLiteral("错误"));
        QCOMPARE(m_messages.back().text, QStringLiteral("'1985-6-31' 不是有效的日期"));
        QVERIFY(Find<QPlainTextEdit>(chart, "Memo1")->toPlainText().isEmpty());
    }

    // 本日黄道吉日 shows the almanac page and today's entry at once; the boxes start at today.
    void almanacToolButtonShowsTodaysEntryAtOnce() {
        TFrmIndex window(KORVANI_BIN_DIR);
        AlmanacPage* page = window.Almanac();
        const QDate today = QDate::currentDate();
        QCOMPARE(Find<QComboBox>(page, "SlYear")->currentText(), today.toString(QStringLiteral("yyyy")));
        QCOMPARE(Find<QComboBox>(page, "SlMonth")->currentText(), today.toString(QStringLiteral("MM")));
        QCOMPARE(Find<QComboBox>(page, "Slday")->currentText(), today.toString(QStringLiteral("dd")));
        auto* memo = Find<QPlainTextEdit>(page, "MemoHuangli");
        QVERIFY(memo->toPlainText().isEmpty());

        Find<QToolButton>(&window, "RzToolButton5")->click();
        QCOMPARE(window.Pages()->currentWidget(), page);
        QVERIFY(m_messages.empty());
        const QStringList lines = ReportLines(memo);
        QCOMPARE(lines.size(), 19);
        QVERIFY(lines[0].startsWith(QStringLiteral("当日统览:") + today.toString(QStringLiteral("yyyy-MM-dd")) +
                                    QStringLiteral("  农历")));
        QCOMPARE(lines[18].left(2), QStringLiteral("忌:"));
        auto* overview = Find<QLabel>(page, "Label61");
        QVERIFY(overview->isHidden());
        QCOMPARE(QStringLiteral("当日统览:") + overview->text(), lines[0]);
    }

    void almanacPageChecksTheDateAndKeepsItsLastEntry() {
        TFrmIndex window(KORVANI_BIN_DIR);
        AlmanacPage* page = window.Almanac();
        auto* year = Find<QComboBox>(page, "SlYear");
        auto* month = Find<QComboBox>(page, "SlMonth");
        auto* day = Find<QComboBox>(page, "Slday");
        QVERIFY(year->isEditable() && month->isEditable() && day->isEditable());
        QCOMPARE(year->count(), 200);
        QCOMPARE(year->itemText(0), QStringLiteral("1901"));
        QCOMPARE(year->itemText(199), QStringLiteral("2100"));
        QCOMPARE(month->itemText(0), QStringLiteral("01"));
        QCOMPARE(month->count(), 12);
        QCOMPARE(day->itemText(30), QStringLiteral("31"));
        auto* memo = Find<QPlainTextEdit>(page, "MemoHuangli");
        auto* overview = Find<QLabel>(page, "Label61");
        auto* look = Find<QPushButton>(page, "BtnHuangli");
        QCOMPARE(look->text(), QStringLiteral("查看"));

        // Typed without leading zeros: the date stays as typed on the overview line.
        year->setCurrentText(QStringLiteral("2010"));
        month->setCurrentText(QStringLiteral("2"));
        day->setCurrentText(QStringLiteral("3"));
        look->click();
        QVERIFY(m_messages.empty());
        const QString entry = memo->toPlainText();
        QVERIFY(entry.startsWith(QStringLiteral("当日统览:2010-2-3  农历腊月二十 星期三 ")));
        QVERIFY(overview->text().startsWith(QStringLiteral("2010-2-3  ")));
        const QString overviewText = overview->text();

        // Each refused input shows its message and changes nothing.
        const auto refused = [&](const char* y, const char* m, const char* d, const QString& message) {
            year->setCurrentText(QString::fromUtf8(y));
            month->setCurrentText(QString::fromUtf8(m));
            day->setCurrentText(QString::fromUtf8(d));
            m_messages.clear();
            look->click();
            QCOMPARE(m_messages.size(), size_t(1));
            QCOMPARE(m_messages[0].title, QStringLiteral("提示"));
            QCOMPARE(m_messages[0].text, message);
            QCOMPARE(memo->toPlainText(), entry);
            QCOMPARE(overview->text(), overviewText);
        };
        refused("2010", "02", "30", QStringLiteral("请选择有效的日期!"));
        refused("2010", "二", "3", QStringLiteral("请选择有效的日期!"));
        refused(" ", "02", "03", QStringLiteral("请选择年!"));
        refused("2010", "", "03", QStringLiteral("请选择月!"));
        refused("2010", "02", "", QStringLiteral("请选择日!"));

        // A day the almanac has no row for leaves the last entry, silently.
        year->setCurrentText(QStringLiteral("1900"));
        month->setCurrentText(QStringLiteral("12"));
        day->setCurrentText(QStringLiteral("31"));
        m_messages.clear();
        page->BtnHuangliClick();
        QVERIFY(m_messages.empty());
        QCOMPARE(memo->toPlainText(), entry);
        QCOMPARE(overview->text(), overviewText);

        // The glossary, and no save button on this page.
        QStringList glossary;
        for (const std::string& line : korvani::almanac::AlmanacGlossaryLines())
            glossary << QString::fromStdString(line);
        QCOMPARE(ReportLines(Find<QPlainTextEdit>(page, "Memo3")), glossary);
        QCOMPARE(glossary.size(), 34);
        for (QPushButton* b : page->findChildren<QPushButton*>())
            QVERIFY(b->text() != QStringLiteral("保存"));
    }

    // 打印 on an empty result memo does nothing: no print dialog opens.
    void almanacPrintOfAnEmptyMemoDoesNothing() {
        TFrmIndex window(KORVANI_BIN_DIR);
        window.show();
        bool dialogShown = false;
        QTimer::singleShot(0, this, [&] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                dialogShown = true;
                dialog->close();
            }
        });
        Find<QPushButton>(window.Almanac(), "RzBitBtn13")->click();
        QApplication::processEvents();
        QVERIFY(!dialogShown);
        QVERIFY(m_messages.empty());
    }

    void saveWritesGbkWithCrLf() {
        QTemporaryDir dir;
        QPlainTextEdit memo;
        SetReportLines(&memo, {"<====>", "姓名：张明", "", "五行：木土"});
        QString offered;
        SetSaveDialog([&](QWidget*, const QString& name) {
            offered = name;
            return dir.filePath(QStringLiteral("报告"));
        });
        SaveReport(nullptr, &memo, QStringLiteral(" 张明的八字 "));
        QCOMPARE(offered, QStringLiteral("张明的八字"));
        QFile saved(dir.filePath(QStringLiteral("报告.txt")));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        QCOMPARE(bytes,
                 QByteArray::fromStdString(korvani::base::Utf8ToGbk("<====>\r\n姓名：张明\r\n\r\n五行：木土\r\n")));

        // A name that already ends in .txt stays as it is; forbidden characters offer *.txt.
        SetSaveDialog([&](QWidget*, const QString& name) {
            offered = name;
            return dir.filePath(QStringLiteral("已命名.txt"));
        });
        SaveReport(nullptr, &memo, QStringLiteral("a/b"));
        QCOMPARE(offered, QStringLiteral("*.txt"));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("已命名.txt"))));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("已命名.txt.txt"))));

        // A failed write says so; a character GBK cannot hold writes no file.
        SetSaveDialog([&](QWidget*, const QString&) { return dir.filePath(QStringLiteral("没有的目录/报告")); });
        SaveReport(nullptr, &memo, QString());
        QVERIFY(!m_messages.empty());
        QVERIFY(m_messages.back().text.contains(QStringLiteral("没有保存")));
        SetReportLines(&memo, {"公司😀"});
        SetSaveDialog([&](QWidget*, const QString&) { return dir.filePath(QStringLiteral("表情")); });
        SaveReport(nullptr, &memo, QString());
        QVERIFY(m_messages.back().text.contains(QStringLiteral("GBK")));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("表情.txt"))));

        // An empty memo saves nothing and asks nothing.
        QPlainTextEdit empty;
        bool asked = false;
        SetSaveDialog([&](QWidget*, const QString&) {
            asked = true;
            return QString();
        });
        SaveReport(nullptr, &empty, QString());
        QVERIFY(!asked);
    }

    void closeButtonRemovesLockFiles() {
        QTemporaryDir dir;
        for (const char* name : {"Zelmar.dll", "OrvFile.dll", "OrvBirth.dll", "dream.dll", "Tgcode.dll"})
            QVERIFY(QFile::copy(QStringLiteral(KORVANI_BIN_DIR "/") + name, dir.filePath(QString::fromUtf8(name))));
        const QStringList locks = {QStringLiteral("Zelmar.ldb"), QStringLiteral("dream.ldb"),
                                   QStringLiteral("Tgcode.ldb"), QStringLiteral("OrvBirth.ldb")};
        for (const QString& lock : locks) {
            QFile file(dir.filePath(lock));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        TFrmIndex window(dir.path().toStdString());
        window.show();
        Find<QToolButton>(&window, "RzToolButton12")->click();
        for (const QString& lock : locks)
            QVERIFY(!QFile::exists(dir.filePath(lock)));
        QVERIFY(!window.isVisible());
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("Zelmar.dll"))));
    }
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    korvani::app::SetUpApplication(application);
    TFrmIndexTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TFrmIndexTest.moc"
