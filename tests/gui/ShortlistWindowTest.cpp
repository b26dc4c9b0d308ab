#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/AnalysisPage.h"
#include "app/Application.h"
#include "app/CandidateGridModel.h"
#include "app/CandidateGridView.h"
#include "app/CompanyNameForm.h"
#include "app/CompareWindow.h"
#include "app/CsvExport.h"
#include "app/NamingPage.h"
#include "app/ShortlistKeeper.h"
#include "app/ShortlistWindow.h"
#include "app/TFrmIndex.h"
#include "support/GuiSupport.h"

using namespace korvani::app;
using korvani::testing::Message;

class ShortlistWindowTest : public QObject {
    Q_OBJECT

private:
    std::vector<Message> m_messages;

    // A naming run of a fixed seed on the page of a fresh main window, for 张明 born 1985-06-15.
    static void Run(NamingPage* page) {
        BirthFields& f = page->Fields();
        f.surname->setText(QStringLiteral("张"));
        f.givenName->setText(QStringLiteral("明"));
        f.year->setCurrentText(QStringLiteral("1985"));
        f.month->setCurrentText(QStringLiteral("6"));
        f.day->setCurrentText(QStringLiteral("15"));
        page->findChild<QLineEdit*>(QStringLiteral("NameBegin"))->setText(QStringLiteral("成都"));
        page->findChild<QLineEdit*>(QStringLiteral("NameEnd"))->setText(QStringLiteral("科技有限公司"));
        page->SetRandomSource(korvani::base::RandomSource(11));
        page->RzBitBtn5Click();
    }

    static void Choose(QAbstractItemView* view, std::initializer_list<int> rows) {
        view->clearSelection();
        for (int row : rows)
            view->selectionModel()->select(view->model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    static QStringList ProgramFolder() {
        return QDir(QStringLiteral(KORVANI_BIN_DIR)).entryList(QDir::Files | QDir::NoDotAndDotDot);
    }

private slots:
    void initTestCase() {
        // The user's own data folder becomes a test folder (~/.qttest/share/...).
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setApplicationName(QStringLiteral("Korvani"));
    }
    void init() {
        korvani::testing::CaptureMessages(m_messages);
        QFile::remove(ShortlistFilePath());
    }
    void cleanup() {
        SetMessageSink({});
        SetConfirmDialog({});
        SetCsvSaveDialog({});
        QFile::remove(ShortlistFilePath());
    }

    // The file lives in the user's data folder, never in the program's folder, and the folder of
    // the program holds the same files before and after names are kept.
    void keepsNamesInTheUsersDataFolder() {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QVERIFY(ShortlistFilePath().startsWith(folder + QLatin1Char('/')));
        QVERIFY(!QFileInfo(ShortlistFilePath()).absolutePath().startsWith(QStringLiteral(KORVANI_BIN_DIR)));
        QVERIFY(!ShortlistFilePath().startsWith(QCoreApplication::applicationDirPath()));

        const QStringList before = ProgramFolder();
        TFrmIndex window(KORVANI_BIN_DIR);
        NamingPage* page = window.Naming();
        Run(page);
        // Two rows chosen, then Insert on the grid; the same rows again add nothing.
        Choose(page->GridView(), {0, 4});
        page->GridView()->setFocus();
        QTest::keyClick(page->GridView(), Qt::Key_Insert);
        QVERIFY(m_messages.empty());
        QVERIFY(QFile::exists(ShortlistFilePath()));
        QCOMPARE(page->Shortlist()->List(page).Size(), std::size_t(2));
        QCOMPARE(page->findChild<QPushButton*>(QStringLiteral("BtnShortlist"))->text(), QStringLiteral("收藏夹(2)"));
        page->findChild<QPushButton*>(QStringLiteral("BtnKeep"))->click();
        QCOMPARE(m_messages.size(), std::size_t(1));
        QCOMPARE(m_messages.back().text, QStringLiteral("选中的名字已在收藏夹中。"));
        QCOMPARE(ProgramFolder(), before);

        // A second window (the next start of the program) finds them, with the run's birth data.
        TFrmIndex again(KORVANI_BIN_DIR);
        const auto& entries = again.Naming()->Shortlist()->List(&again).Entries();
        QCOMPARE(entries.size(), std::size_t(2));
        QCOMPARE(QString::fromStdString(entries[0].name), page->Grid()->Cell(0, 1));
        QCOMPARE(QString::fromStdString(entries[0].birth.surname), QStringLiteral("张"));
        QCOMPARE(QString::fromStdString(entries[0].prefix), QStringLiteral("成都"));

        // Nothing chosen: a message, nothing kept.
        page->GridView()->StartPage();
        m_messages.clear();
        page->AddToShortlistClick();
        QCOMPARE(m_messages.size(), std::size_t(1));
        QCOMPARE(m_messages.back().text, QStringLiteral("请先在列表中选择要收藏的名字。"));
    }

    // The 总体评分 cell explains itself, and so does the name-analysis window opened on the row.
    void scoreCellExplainsTheScore() {
        TFrmIndex window(KORVANI_BIN_DIR);
        NamingPage* page = window.Naming();
        Run(page);
        for (int row : {0, 1, 50}) {
            const QModelIndex index = page->Grid()->index(row, CandidateGridModel::kScoreColumn);
            const QString tip = page->GridView()->CellToolTip(index);
            QVERIFY2(tip.startsWith(QStringLiteral("笔画组合 ")), qPrintable(tip));
            QVERIFY2(tip.contains(QStringLiteral("= ") + page->Grid()->Cell(row, 8)), qPrintable(tip));
        }
        // The window's explanation is of the candidate's body; another body typed in its place
        // hides it.
        TFrmNamemain analysis(window.Store());
        analysis.Form()->ShortName()->setText(page->Grid()->Cell(0, 4));
        analysis.SetScoreNote(page->ScoreNote(page->Grid()->Rows().front()));
        auto* label = analysis.findChild<QLabel*>(QStringLiteral("LabelScore"));
        QVERIFY(label->text().startsWith(QStringLiteral("评分说明：笔画组合 ")));
        QVERIFY(!label->isHidden());
        analysis.Form()->ShortName()->setText(QStringLiteral("鸿图"));
        QVERIFY(label->isHidden());
        analysis.Form()->ShortName()->setText(page->Grid()->Cell(0, 4));
        QVERIFY(!label->isHidden());
    }

    // The window lists the names; it sorts, removes, compares two to four and clears only after
    // the user says yes; every change reaches the file.
    void shortlistWindowSortsRemovesComparesClears() {
        TFrmIndex window(KORVANI_BIN_DIR);
        NamingPage* page = window.Naming();
        Run(page);
        Choose(page->GridView(), {0, 1, 2, 3, 4, 5});
        page->AddToShortlistClick();
        page->ShortlistClick();
        TFrmShortlist* list = page->ShortlistWindow();
        QVERIFY(list);
        QCOMPARE(list->Table()->rowCount(), 6);

        list->SortClick();
        for (int r = 1; r < 6; ++r)
            QVERIFY(list->Table()->item(r - 1, TFrmShortlist::kScoreColumn)->text().toInt() >=
                    list->Table()->item(r, TFrmShortlist::kScoreColumn)->text().toInt());
        QVERIFY(list->Table()->item(0, TFrmShortlist::kScoreColumn)->toolTip().startsWith(QStringLiteral("笔画组合")));

        const QString second = list->Table()->item(1, 2)->text();
        Choose(list->Table(), {0});
        list->Table()->setFocus();
        QTest::keyClick(list->Table(), Qt::Key_Delete);
        QCOMPARE(list->Table()->rowCount(), 5);
        QCOMPARE(list->Table()->item(0, 2)->text(), second);
        QCOMPARE(korvani::naming::LoadShortlist(page->Shortlist()->File()).list.Size(), std::size_t(5));

        m_messages.clear();
        Choose(list->Table(), {0});
        list->CompareClick();
        QCOMPARE(m_messages.size(), std::size_t(1));
        QVERIFY(m_messages.back().text.contains(QStringLiteral("两到四个")));
        Choose(list->Table(), {0, 1, 2, 3, 4});
        list->CompareClick();
        QCOMPARE(m_messages.size(), std::size_t(2));
        QVERIFY(!list->Compare());
        Choose(list->Table(), {0, 2, 4});
        list->CompareClick();
        TFrmCompare* compare = list->Compare();
        QVERIFY(compare);
        QCOMPARE(compare->Table()->columnCount(), 3);
        QCOMPARE(compare->Table()->horizontalHeaderItem(1)->text(), list->Table()->item(2, 2)->text());
        QStringList labels;
        for (int r = 0; r < compare->Table()->rowCount(); ++r)
            labels << compare->Table()->verticalHeaderItem(r)->text();
        for (const char* label : {"主体笔画", "行业笔画", "全称笔画", "主体五行", "总体评分", "评分说明", "字义"})
            QVERIFY2(labels.contains(QString::fromUtf8(label)), label);

        QString asked;
        SetConfirmDialog([&](QWidget*, const QString&, const QString& text) {
            asked = text;
            return false;
        });
        list->ClearClick();
        QVERIFY(asked.contains(QStringLiteral("清空收藏夹")));
        QCOMPARE(list->Table()->rowCount(), 5);
        SetConfirmDialog([](QWidget*, const QString&, const QString&) { return true; });
        list->ClearClick();
        QCOMPARE(list->Table()->rowCount(), 0);
        QVERIFY(korvani::naming::LoadShortlist(page->Shortlist()->File()).list.Empty());
        list->close();
    }

    // A damaged file is set aside under its own name and the user told where; the list starts
    // empty and is written afresh.
    void damagedFileIsSetAsideWithAMessage() {
        QDir().mkpath(QFileInfo(ShortlistFilePath()).absolutePath());
        QFile file(ShortlistFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\"format\": \"korvani-shortlist\", \"version\": 1, \"names\": [");
        file.close();

        TFrmIndex window(KORVANI_BIN_DIR);
        NamingPage* page = window.Naming();
        Run(page);
        QVERIFY(m_messages.empty()); // not read before it is needed
        Choose(page->GridView(), {3});
        page->AddToShortlistClick();
        QCOMPARE(m_messages.size(), std::size_t(1));
        QVERIFY2(m_messages.back().text.contains(QStringLiteral("已损坏")), qPrintable(m_messages.back().text));
        const QStringList aside =
            QFileInfo(ShortlistFilePath()).dir().entryList({QStringLiteral("shortlist.json.damaged-*")}, QDir::Files);
        QCOMPARE(aside.size(), 1);
        QVERIFY(m_messages.back().text.contains(aside.front()));
        QCOMPARE(korvani::naming::LoadShortlist(page->Shortlist()->File()).list.Size(), std::size_t(1));
        QFile::remove(QFileInfo(ShortlistFilePath()).dir().filePath(aside.front()));
    }

    // 导出CSV of the shortlist and of the page shown: UTF-8 files with a byte-order mark.
    void exportsCsv() {
        QTemporaryDir folder;
        TFrmIndex window(KORVANI_BIN_DIR);
        NamingPage* page = window.Naming();
        Run(page);
        SetCsvSaveDialog([&](QWidget*, const QString& name) { return folder.filePath(name.section('.', 0, 0)); });
        page->ExportPageClick();
        QFile pageFile(folder.filePath(QStringLiteral("起名结果.csv")));
        QVERIFY(pageFile.open(QIODevice::ReadOnly));
        const QByteArray pageBytes = pageFile.readAll();
        QVERIFY(pageBytes.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(pageBytes.count('\n'), 101);
        QVERIFY(QString::fromUtf8(pageBytes).contains(page->Grid()->Cell(0, 1)));

        Choose(page->GridView(), {0, 1});
        page->AddToShortlistClick();
        page->ShortlistClick();
        page->ShortlistWindow()->ExportClick();
        QFile listFile(folder.filePath(QStringLiteral("收藏的名称.csv")));
        QVERIFY(listFile.open(QIODevice::ReadOnly));
        const QByteArray listBytes = listFile.readAll();
        QVERIFY(listBytes.startsWith("\xEF\xBB\xBF"));
        const QString text = QString::fromUtf8(listBytes);
        QCOMPARE(text.count(QLatin1Char('\n')), 3);
        QVERIFY(text.contains(QStringLiteral("法人生辰")));
        page->ShortlistWindow()->close();
    }
};

QTEST_MAIN(ShortlistWindowTest)
#include "ShortlistWindowTest.moc"
