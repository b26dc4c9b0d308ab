#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

#include "app/AlmanacPage.h"
#include "app/AnalysisPage.h"
#include "app/Application.h"
#include "app/ChartPage.h"
#include "app/Fonts.h"
#include "app/PrintedReport.h"
#include "app/ReportOutput.h"
#include "app/TFrmIndex.h"

using namespace korvani::app;

namespace {

constexpr double kMmPerInch = 25.4;

// The cells a text takes in the report font: two for a Chinese character or a full-width sign.
int Cells(const QString& text) {
    int cells = 0;
    for (QChar c : text)
        cells += c.unicode() >= 0x2E80 ? 2 : 1;
    return cells;
}

void FillPerson(BirthFields& f) {
    f.surname->setText(QStringLiteral("张"));
    f.givenName->setText(QStringLiteral("明"));
    f.year->setCurrentText(QStringLiteral("1985"));
    f.month->setCurrentText(QStringLiteral("6"));
    f.day->setCurrentText(QStringLiteral("15"));
    f.hour->setCurrentText(QStringLiteral("巳 9"));
    f.minute->setCurrentText(QStringLiteral("30"));
}

// The paper of a PDF's pages, in points, as its page objects state it.
QList<QSizeF> PdfPages(const QString& path) {
    QFile pdf(path);
    if (!pdf.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromLatin1(pdf.readAll());
    static const QRegularExpression box(QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)\\s*\\]"));
    QList<QSizeF> pages;
    for (auto it = box.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        pages << QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
    }
    return pages;
}

// The smallest rectangle around everything painted on a page image that is not white.
QRect Ink(const QImage& image) {
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(line[x]) < 250) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

class PrintTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // Prints a memo through its page's 打印 button into a PDF file; the print dialog is replaced.
    QString PrintThroughButton(QPushButton* print, const QString& name) {
        const QString path = m_dir.filePath(name + QStringLiteral(".pdf"));
        SetPrintDialog([path](QWidget*, QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return true;
        });
        print->click();
        SetPrintDialog({});
        return path;
    }

    // Lays the report out on page images of 100 dpi and checks margins, bands and wrapping.
    static void CheckLayout(const QStringList& lines, QPageSize::PageSizeId paper, int pdfPages) {
        constexpr double kDpi = 100;
        const QSizeF paperMm = QPageSize(paper).size(QPageSize::Millimeter);
        QImage page(qRound(paperMm.width() / kMmPerInch * kDpi), qRound(paperMm.height() / kMmPerInch * kDpi),
                    QImage::Format_RGB32);
        page.setDotsPerMeterX(qRound(kDpi / 0.0254));
        page.setDotsPerMeterY(qRound(kDpi / 0.0254));
        const PrintedReport report(lines, paper, &page);
        QCOMPARE(report.PageCount(), pdfPages);

        // The report face (monospaced: see columnsLineUpByCells), at a size that the frame and every
        // column line fit.
        QCOMPARE(QFontInfo(report.Font()).family(), QStringLiteral("Noto Sans Mono CJK SC"));
        QVERIFY(report.Font().pointSizeF() >= PrintedReport::kSmallestPoints);
        QVERIFY(report.Font().pointSizeF() <= PrintedReport::kLargestPoints);
        for (int i = 0; i < lines.size(); ++i) {
            if (!PrintedReport::IsProse(lines[i]) && report.RowsOf(i) != 1)
                QFAIL(qPrintable(QStringLiteral("line %1 wraps: %2").arg(i).arg(lines[i])));
        }

        // Every page's ink lies inside the 12.7 mm margins; the lines start below the header band.
        const double margin = PrintedReport::kMarginMm / kMmPerInch * kDpi;
        const double band = PrintedReport::kBandMm / kMmPerInch * kDpi;
        for (int p = 0; p < report.PageCount(); ++p) {
            page.fill(Qt::white);
            QPainter painter(&page);
            painter.translate(margin, margin);
            report.PaintPage(painter, p);
            painter.end();
            const QRect ink = Ink(page);
            QVERIFY(!ink.isNull());
            QVERIFY2(ink.left() >= margin - 1 && ink.top() >= margin + band - 1,
                     qPrintable(QStringLiteral("page %1").arg(p)));
            QVERIFY2(ink.right() <= page.width() - margin + 1 && ink.bottom() <= page.height() - margin + 1,
                     qPrintable(QStringLiteral("page %1").arg(p)));
        }
        QCOMPARE(report.Body().top(), band);
    }

private slots:
    void init() {
        SetMessageSink([](QWidget*, const QString& title, const QString& text) {
            QFAIL(qPrintable(title + QStringLiteral(": ") + text));
        });
    }
    void cleanup() {
        SetMessageSink({});
        SetPrintDialog({});
    }

    // Each report prints on its paper, with the page setup and without wrapping a line of its layout;
    // on screen its memo shows the same face and keeps the frame line on one line.
    void eachReportPrintsOnItsPaperWithItsPageSetup_data() {
        QTest::addColumn<QString>("report");
        QTest::addColumn<int>("paper");
        QTest::newRow("chart") << QStringLiteral("chart") << int(QPageSize::Letter);
        QTest::newRow("analysis") << QStringLiteral("analysis") << int(QPageSize::Letter);
        QTest::newRow("almanac") << QStringLiteral("almanac") << int(QPageSize::Letter);
        QTest::newRow("name analysis window") << QStringLiteral("window") << int(QPageSize::A4);
    }
    void eachReportPrintsOnItsPaperWithItsPageSetup() {
        QFETCH(QString, report);
        QFETCH(int, paper);
        TFrmIndex window(KORVANI_BIN_DIR);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QPlainTextEdit* memo = nullptr;
        QPushButton* print = nullptr;
        std::unique_ptr<TFrmNamemain> nameWindow;
        if (report == QStringLiteral("chart")) {
            FillPerson(window.Chart()->Fields());
            window.Chart()->RzButton2Click();
            window.Pages()->setCurrentWidget(window.Chart());
            memo = window.Chart()->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
            print = window.Chart()->findChild<QPushButton*>(QStringLiteral("RzBitBtn7"));
        } else if (report == QStringLiteral("analysis")) {
            CompanyNameForm* form = window.Analysis()->Form();
            FillPerson(form->Fields());
            form->Prefix()->setText(QStringLiteral("成都"));
            form->ShortName()->setText(QStringLiteral("鸿图"));
            form->Suffix()->setText(QStringLiteral("科技有限公司"));
            window.Analysis()->ButtonNameClick();
            window.Pages()->setCurrentWidget(window.Analysis());
            memo = form->Memo();
            print = form->findChild<QPushButton*>(QStringLiteral("RzBitBtnprint"));
        } else if (report == QStringLiteral("almanac")) {
            // The day with the longest list of what it suits.
            window.Almanac()->findChild<QComboBox*>(QStringLiteral("SlYear"))->setCurrentText(QStringLiteral("2010"));
            window.Almanac()->findChild<QComboBox*>(QStringLiteral("SlMonth"))->setCurrentText(QStringLiteral("2"));
            window.Almanac()->findChild<QComboBox*>(QStringLiteral("Slday"))->setCurrentText(QStringLiteral("3"));
            window.Almanac()->BtnHuangliClick();
            window.Pages()->setCurrentWidget(window.Almanac());
            memo = window.Almanac()->findChild<QPlainTextEdit*>(QStringLiteral("MemoHuangli"));
            print = window.Almanac()->findChild<QPushButton*>(QStringLiteral("RzBitBtn13"));
        } else {
            nameWindow = std::make_unique<TFrmNamemain>(window.Store(), &window);
            CompanyNameForm* form = nameWindow->Form();
            FillPerson(form->Fields());
            form->ShortName()->setText(QStringLiteral("鸿图"));
            nameWindow->show();
            QVERIFY(QTest::qWaitForWindowExposed(nameWindow.get()));
            memo = form->Memo();
            print = form->findChild<QPushButton*>(QStringLiteral("RzBitBtnprint"));
        }
        QVERIFY(memo && print);
        const QStringList lines = ReportLines(memo);
        QVERIFY(lines.size() > 10);

        // On screen: the report face, and the frame line on one line of the memo.
        QApplication::processEvents();
        QCOMPARE(QFontInfo(memo->font()).family(), QStringLiteral("Noto Sans Mono CJK SC"));
        if (lines.front().startsWith(QLatin1Char('<')))
            QCOMPARE(memo->document()->firstBlock().layout()->lineCount(), 1);

        // On paper: the PDF's pages have the page's paper.
        const QString path = PrintThroughButton(print, report);
        const QList<QSizeF> pages = PdfPages(path);
        QVERIFY(!pages.isEmpty());
        const QSizeF points = QPageSize(QPageSize::PageSizeId(paper)).size(QPageSize::Point);
        for (const QSizeF& size : pages) {
            QVERIFY(qAbs(size.width() - points.width()) < 1);
            QVERIFY(qAbs(size.height() - points.height()) < 1);
        }
        CheckLayout(lines, QPageSize::PageSizeId(paper), int(pages.size()));
    }

    // Columns line up on paper because a Chinese character takes exactly two Latin cells.
    void columnsLineUpByCells() {
        TFrmIndex window(KORVANI_BIN_DIR);
        FillPerson(window.Chart()->Fields());
        window.Chart()->RzButton2Click();
        const QStringList lines = ReportLines(window.Chart()->findChild<QPlainTextEdit*>(QStringLiteral("Memo1")));
        QFont font = ReportFont();
        font.setPixelSize(1000);
        const QFontMetricsF metrics(font);
        const qreal cell = metrics.horizontalAdvance(QLatin1Char('0'));
        int checked = 0;
        for (const QString& line : lines) {
            if (PrintedReport::IsProse(line))
                continue;
            // Every prefix of the line ends where its cells say, so that what aligns in the text
            // aligns on paper.
            for (int n = 1; n <= line.size(); ++n)
                QVERIFY2(qAbs(metrics.horizontalAdvance(line.left(n)) - Cells(line.left(n)) * cell) < 1,
                         qPrintable(line.left(n)));
            ++checked;
        }
        QVERIFY(checked > 50);
    }

    // The size is the largest that fits the widest line of the layout on Letter and A4 alike.
    void sizeFollowsTheWidestLineOfTheLayout() {
        const QString frame = QStringLiteral("<") + QString(81, QLatin1Char('=')) + QStringLiteral(">");
        QCOMPARE(PrintedReport::PointSizeFor({frame}), PrintedReport::kLargestPoints);
        // 92 cells (the longest 宜 line of the almanac): 184.6 mm hold 92 cells of 11.37 points.
        const QString suits = QStringLiteral("宜:") + QString(44, QChar(0x5AC1));
        QCOMPARE(Cells(suits), 91);
        QCOMPARE(PrintedReport::PointSizeFor({frame, suits + QLatin1Char(' ')}), 11.0);
        // A sentence does not shrink the report; a too long column line stops at 9 points and wraps.
        const QString prose = QString(80, QChar(0x5BCC)) + QChar(0x3002);
        QCOMPARE(PrintedReport::PointSizeFor({frame, prose}), PrintedReport::kLargestPoints);
        QCOMPARE(PrintedReport::PointSizeFor({QString(150, QChar(0x5BCC))}), PrintedReport::kSmallestPoints);
        QCOMPARE(PrintedReport::PageLayout(QPageSize::A4).margins(QPageLayout::Millimeter),
                 QMarginsF(12.7, 12.7, 12.7, 12.7));
    }

    // A cancelled print dialog prints nothing.
    void cancelledDialogPrintsNothing() {
        TFrmIndex window(KORVANI_BIN_DIR);
        FillPerson(window.Chart()->Fields());
        window.Chart()->RzButton2Click();
        bool asked = false;
        SetPrintDialog([&](QWidget*, QPrinter& printer) {
            asked = true;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(m_dir.filePath(QStringLiteral("cancelled.pdf")));
            return false;
        });
        window.Chart()->findChild<QPushButton*>(QStringLiteral("RzBitBtn7"))->click();
        QVERIFY(asked);
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("cancelled.pdf"))));
    }
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    korvani::app::SetUpApplication(application);
    PrintTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PrintTest.moc"
