#include "app/Screenshots.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>

#include "app/AnalysisPage.h"
#include "app/CandidateGridView.h"
#include "app/ChartPage.h"
#include "app/CompareWindow.h"
#include "app/DreamPage.h"
#include "app/NamingPage.h"
#include "app/NumberWindows.h"
#include "app/PrintedReport.h"
#include "app/ReportOutput.h"
#include "app/ShortlistKeeper.h"
#include "app/ShortlistWindow.h"
#include "app/SimplePages.h"
#include "app/TFRM_Date.h"
#include "app/TFrmIndex.h"
#include "app/TFrmLuckyDays.h"
#include "app/TFrmWangming.h"
#include "reports/ShortlistReport.h"

namespace korvani::app {

namespace {

void FillPerson(BirthFields& f) {
    f.surname->setText(QStringLiteral("张"));
    f.givenName->setText(QStringLiteral("明"));
    f.year->setCurrentText(QStringLiteral("1985"));
    f.month->setCurrentText(QStringLiteral("6"));
    f.day->setCurrentText(QStringLiteral("15"));
    f.hour->setCurrentIndex(9);
    f.minute->setCurrentText(QStringLiteral("30"));
}

// Opens the category of a title, selects it and shows its interpretation, as a click would.
void OpenDreamTitle(DreamPage* page, const QString& title) {
    const QList<QTreeWidgetItem*> found = page->Tree()->findItems(title, Qt::MatchExactly | Qt::MatchRecursive);
    if (found.isEmpty())
        return;
    found.front()->parent()->setExpanded(true);
    page->Tree()->setCurrentItem(found.front());
    page->TreeViewClick();
    page->Tree()->scrollToTop();
}

bool Save(QWidget* widget, const QDir& dir, const QString& name) {
    QApplication::processEvents();
    return widget->grab().save(dir.filePath(name + QStringLiteral(".png")));
}

// The first page of a report as it prints, at 90 dpi, with the paper's edge drawn.
bool SavePrintedPage(const QStringList& lines, QPageSize::PageSizeId paper, const QDir& dir, const QString& name) {
    constexpr double kDpi = 90;
    const QSizeF mm = QPageSize(paper).size(QPageSize::Millimeter);
    QImage page(qRound(mm.width() / 25.4 * kDpi), qRound(mm.height() / 25.4 * kDpi), QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(kDpi / 0.0254));
    page.setDotsPerMeterY(qRound(kDpi / 0.0254));
    page.fill(Qt::white);
    const PrintedReport report(lines, paper, &page);
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0xbb, 0xbb, 0xbb));
    painter.drawRect(page.rect().adjusted(0, 0, -1, -1));
    const double margin = PrintedReport::kMarginMm / 25.4 * kDpi;
    painter.translate(margin, margin);
    report.PaintPage(painter, 0);
    painter.end();
    return page.save(dir.filePath(name + QStringLiteral(".png")));
}

} // namespace

int RenderScreenshots(const QString& directory) {
    QDir dir(directory);
    dir.mkpath(QStringLiteral("."));
    TFrmIndex window;
    window.show();
    int written = 0;

    NamingPage* naming = window.Naming();
    FillPerson(naming->Fields());
    naming->findChild<QLineEdit*>(QStringLiteral("NameBegin"))->setText(QStringLiteral("成都"));
    naming->findChild<QLineEdit*>(QStringLiteral("NameEnd"))->setText(QStringLiteral("科技有限公司"));
    naming->SetRandomSource(base::RandomSource(2026));
    naming->RzBitBtn5Click();
    written += Save(&window, dir, QStringLiteral("naming"));
    // The same run by the favourable elements (喜用神): the note beside the buttons says which.
    naming->findChild<QComboBox*>(QStringLiteral("CBElements"))->setCurrentIndex(1);
    naming->SetRandomSource(base::RandomSource(2026));
    naming->RzBitBtn5Click();
    written += Save(&window, dir, QStringLiteral("naming-favourable"));
    naming->findChild<QComboBox*>(QStringLiteral("CBElements"))->setCurrentIndex(0);

    // The shortlist with five names of the sample run, kept in a folder of its own (never the user's
    // list), and three of them compared.
    QTemporaryDir shortlistFolder;
    naming->Shortlist()->UseFile(
        std::filesystem::path(shortlistFolder.filePath(QStringLiteral("shortlist.json")).toStdString()));
    for (int row : {0, 3, 5, 8, 12})
        naming->GridView()->selectionModel()->select(naming->Grid()->index(row, 0),
                                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
    naming->AddToShortlistClick();
    naming->ShortlistClick();
    TFrmShortlist* shortlist = naming->ShortlistWindow();
    shortlist->SortClick();
    shortlist->Table()->selectRow(0);
    written += Save(shortlist, dir, QStringLiteral("shortlist"));
    for (int row : {1, 2})
        shortlist->Table()->selectionModel()->select(shortlist->Table()->model()->index(row, 0),
                                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
    shortlist->CompareClick();
    if (TFrmCompare* compare = shortlist->Compare()) {
        written += Save(compare, dir, QStringLiteral("compare"));
        compare->close();
    }
    // 打印 of the shortlist: its first page on A4.
    QStringList printed;
    for (const std::string& line :
         reports::ShortlistReportLines(window.Store(), naming->Shortlist()->List(&window).Entries()))
        printed << QString::fromStdString(line);
    written += SavePrintedPage(printed, QPageSize::A4, dir, QStringLiteral("print-shortlist"));
    shortlist->close();
    naming->GridView()->StartPage();

    AnalysisPage* analysis = window.Analysis();
    FillPerson(analysis->Form()->Fields());
    analysis->Form()->Prefix()->setText(QStringLiteral("成都"));
    analysis->Form()->ShortName()->setText(QStringLiteral("鸿图"));
    analysis->Form()->Suffix()->setText(QStringLiteral("科技有限公司"));
    analysis->ButtonNameClick();
    window.Pages()->setCurrentWidget(analysis);
    written += Save(&window, dir, QStringLiteral("analysis"));

    ChartPage* chart = window.Chart();
    FillPerson(chart->Fields());
    chart->RzButton2Click();
    window.Pages()->setCurrentWidget(chart);
    written += Save(&window, dir, QStringLiteral("chart"));
    // The chart report as 打印 puts it on Letter paper.
    written += SavePrintedPage(ReportLines(chart->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))),
                               QPageSize::Letter, dir, QStringLiteral("print-chart"));

    // The almanac as the tool button shows it: today's entry.
    window.findChild<QToolButton*>(QStringLiteral("RzToolButton5"))->click();
    written += Save(&window, dir, QStringLiteral("almanac"));

    // 择吉日 with a search: the opening days of the first quarter of 2027 for the naming page's
    // representative (born 1985-06-15).
    auto* luckyDays = new TFrmLuckyDays(window.Store(), naming->Fields().Input(), &window);
    luckyDays->findChild<QDateEdit*>(QStringLiteral("DateFrom"))->setDate(QDate(2027, 1, 1));
    luckyDays->findChild<QDateEdit*>(QStringLiteral("DateTo"))->setDate(QDate(2027, 3, 31));
    luckyDays->show();
    luckyDays->BtnFindClick();
    written += Save(luckyDays, dir, QStringLiteral("luckydays"));
    luckyDays->close();

    window.Pages()->setCurrentWidget(window.Dreams());
    OpenDreamTitle(window.Dreams(), QStringLiteral("梦见蛇"));
    written += Save(&window, dir, QStringLiteral("dreams"));
    // 使用帮助 on the tools page shows the about page at its help.
    window.findChild<QToolButton*>(QStringLiteral("RzToolButton7"))->click();
    written += Save(&window, dir, QStringLiteral("tools"));
    window.findChild<QToolButton*>(QStringLiteral("RzToolButton37"))->click();
    written += Save(&window, dir, QStringLiteral("about"));

    // 查看详细 with no name chosen: the information box, with Qt's own button text in Chinese.
    window.findChild<QToolButton*>(QStringLiteral("RzToolButton2"))->click();
    naming->GridView()->StartPage();
    QMessageBox box(QMessageBox::Information, QStringLiteral("提示"), QString(), QMessageBox::Ok, &window);
    SetMessageSink([&box](QWidget*, const QString&, const QString& text) { box.setText(text); });
    naming->RzBitBtn4Click();
    SetMessageSink({});
    box.show();
    written += Save(&box, dir, QStringLiteral("message"));
    box.close();

    // The name-analysis window as 查看详细 opens it on the first candidate of the sample run, with
    // the explained score above the report.
    auto* nameWindow = new TFrmNamemain(window.Store(), &window);
    FillPerson(nameWindow->Form()->Fields());
    nameWindow->Form()->Prefix()->setText(QStringLiteral("成都"));
    nameWindow->Form()->ShortName()->setText(QString::fromStdString(naming->Grid()->Rows().front()[4]));
    nameWindow->Form()->Suffix()->setText(QStringLiteral("科技有限公司"));
    nameWindow->SetScoreNote(naming->ScoreNote(naming->Grid()->Rows().front()));
    nameWindow->show();
    written += Save(nameWindow, dir, QStringLiteral("name-analysis"));
    nameWindow->close();

    // The reading windows, each with a reading shown.
    const auto reading = [&](ReadingWindow* readingWindow, const QString& entry, const QString& name) {
        readingWindow->Entry()->setText(entry);
        readingWindow->show();
        readingWindow->RzBitBtn1Click();
        written += Save(readingWindow, dir, name);
        readingWindow->close();
    };
    reading(new TFrm_SJcs(window.Store(), &window), QStringLiteral("13800138018"), QStringLiteral("phone"));
    reading(new TFrmQQhm(&window), QStringLiteral("123456789"), QStringLiteral("qq"));
    reading(new TFrm_onther(&window), QStringLiteral("2026"), QStringLiteral("number"));
    reading(new TFrmWangming(&window), QStringLiteral("小明"), QStringLiteral("netname"));

    // The calendar on two months worth seeing: the spring festival of 2024 and the leap second month
    // of 2023.
    const auto calendar = [&](const QDate& day, const QString& name) {
        QPointer<TFRM_Date> calendarWindow = new TFRM_Date(&window, [day] { return day; });
        calendarWindow->show();
        written += Save(calendarWindow, dir, name);
        if (calendarWindow)
            calendarWindow->close();
    };
    calendar(QDate(2024, 2, 10), QStringLiteral("calendar-2024-02"));
    calendar(QDate(2023, 3, 22), QStringLiteral("calendar-2023-03"));
    return written;
}

} // namespace korvani::app
