#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

#include "app/AlmanacPage.h"
#include "app/AnalysisPage.h"
#include "app/Application.h"
#include "app/CandidateGridView.h"
#include "app/ChartPage.h"
#include "app/Contacts.h"
#include "app/DreamPage.h"
#include "app/Fonts.h"
#include "app/HintLabel.h"
#include "app/NamingPage.h"
#include "app/ReportOutput.h"
#include "app/SimplePages.h"
#include "app/TFrmIndex.h"
#include "support/GuiSupport.h"

using namespace korvani::app;
using korvani::testing::Find;
using korvani::testing::Message;

// The desktop program as a shop owner meets it: Chinese throughout, the hour box, the tool buttons,
// the results grid, the keyboard, the fields and their hints, the labels and the contact buttons.
class DesktopUseTest : public QObject {
    Q_OBJECT

private:
    std::vector<Message> m_messages;

    static void FillPerson(BirthFields& f) {
        korvani::testing::FillPerson(f);
        f.minute->setCurrentText(QStringLiteral("30"));
    }

    static void ShowActive(QWidget& window) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

private slots:
    void init() { korvani::testing::CaptureMessages(m_messages); }
    void cleanup() {
        SetMessageSink({});
        SetAddressOpener({});
    }

    // Qt's own dialogs speak Chinese: the buttons of message boxes, print and save dialogs.
    void standardDialogsReadChinese() {
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Save);
        QCOMPARE(box.button(QDialogButtonBox::Ok)->text(), QStringLiteral("确定"));
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
        QCOMPARE(box.button(QDialogButtonBox::Save)->text(), QStringLiteral("保存"));
        QCOMPARE(QCoreApplication::translate("QPrintDialog", "Print"), QStringLiteral("打印"));
    }

    // The hour box takes a list item, the same without the blank, or a bare hour; the branch
    // character plays no part. Other text gets the Chinese conversion message and changes nothing.
    void hourBoxTakesTypedHours_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected"); // a line of the report, or the message
        QTest::newRow("list item") << QStringLiteral("卯 5") << QStringLiteral("日5点30分");
        QTest::newRow("bare hour") << QStringLiteral("5") << QStringLiteral("日5点30分");
        QTest::newRow("no blank") << QStringLiteral("卯5") << QStringLiteral("日5点30分");
        QTest::newRow("other branch") << QStringLiteral("巳5") << QStringLiteral("日5点30分");
        QTest::newRow("two blanks") << QStringLiteral(" 巳  10 ") << QStringLiteral("日10点30分");
        QTest::newRow("midnight") << QStringLiteral("0") << QStringLiteral("日0点30分");
        QTest::newRow("23") << QStringLiteral("23") << QStringLiteral("日23点30分");
        QTest::newRow("chinese numeral") << QStringLiteral("五") << QStringLiteral("'五' 不是有效的整数");
        QTest::newRow("with unit") << QStringLiteral("5点") << QStringLiteral("'5点' 不是有效的整数");
        QTest::newRow("branch alone") << QStringLiteral("巳") << QStringLiteral("'巳' 不是有效的整数");
        QTest::newRow("sign") << QStringLiteral("-5") << QStringLiteral("'-5' 不是有效的整数");
        QTest::newRow("24") << QStringLiteral("24") << QStringLiteral("出生小时须在0至23之间!");
        QTest::newRow("empty") << QStringLiteral(" ") << QStringLiteral("请选择出生小时!");
    }
    void hourBoxTakesTypedHours() {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        TFrmIndex window(KORVANI_BIN_DIR);
        ChartPage* chart = window.Chart();
        FillPerson(chart->Fields());
        chart->Fields().hour->setCurrentText(typed);
        chart->RzButton2Click();
        auto* memo = Find<QPlainTextEdit>(chart, "Memo1");
        if (expected.startsWith(QStringLiteral("日"))) {
            QVERIFY(m_messages.empty());
            QVERIFY(memo->toPlainText().contains(QStringLiteral("您出生公历：1985年06月15") + expected));
            // The hour box keeps what was typed; no item is added to its list.
            QCOMPARE(chart->Fields().hour->count(), 24);
        } else {
            QCOMPARE(m_messages.size(), size_t(1));
            QCOMPARE(m_messages[0].text, expected);
            QVERIFY(memo->toPlainText().isEmpty());
        }
    }

    // A typed hour runs the naming too, and goes with the candidate into the analysis window.
    void typedHourReachesTheNameAnalysisWindow() {
        TFrmIndex window(KORVANI_BIN_DIR);
        ShowActive(window);
        NamingPage* page = window.Naming();
        FillPerson(page->Fields());
        page->Fields().hour->setCurrentText(QStringLiteral("5"));
        page->SetRandomSource(korvani::base::RandomSource(3));
        page->RzBitBtn5Click();
        QVERIFY(m_messages.empty());
        QVERIFY(!page->Grid()->Cell(0, 4).isEmpty());
        page->GridView()->selectRow(0);
        QString report;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<TFrmNamemain*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            report = dialog->Form()->Memo()->toPlainText();
            dialog->close();
        });
        page->RzBitBtn4Click();
        QVERIFY(report.contains(QStringLiteral("日5点30分")));
    }

    // Alt+1 .. Alt+6 choose the pages; the current page's button is marked however it was chosen.
    void toolButtonsMarkThePageAndAnswerTheKeyboard() {
        TFrmIndex window(KORVANI_BIN_DIR);
        ShowActive(window);
        const std::vector<QToolButton*>& buttons = window.PageButtons();
        QCOMPARE(buttons.size(), size_t(6));
        const QList<QWidget*> pages = {window.Naming(),  window.Analysis(), window.Chart(),
                                       window.Almanac(), window.Dreams(),   window.Pages()->widget(6)};
        const auto marked = [&] {
            int index = -1;
            for (std::size_t i = 0; i < buttons.size(); ++i)
                if (buttons[i]->isChecked())
                    index = index == -1 ? int(i) : -2;
            return index;
        };
        QCOMPARE(marked(), 0);
        for (int n = 6; n >= 1; --n) {
            QVERIFY(buttons[std::size_t(n - 1)]->toolTip().endsWith(QStringLiteral("（Alt+%1）").arg(n)));
            QTest::keyClick(&window, Qt::Key(Qt::Key_0 + n), Qt::AltModifier);
            QCOMPARE(window.Pages()->currentWidget(), pages[n - 1]);
            QCOMPARE(marked(), n - 1);
        }
        // A second press of the current page's button keeps it marked.
        buttons[0]->click();
        QCOMPARE(marked(), 0);
        // 返回起名 and the about page move the mark too.
        buttons[1]->click();
        Find<QPushButton>(window.Analysis(), "RzBitBtn6")->click();
        QCOMPARE(marked(), 0);
        Find<QToolButton>(&window, "RzToolButton10")->click();
        QCOMPARE(window.Pages()->currentWidget(), window.About());
        QCOMPARE(marked(), -1);
        // Alt+4 shows today's almanac at once, as the button does.
        QTest::keyClick(&window, Qt::Key_4, Qt::AltModifier);
        QVERIFY(Find<QPlainTextEdit>(window.Almanac(), "MemoHuangli")
                    ->toPlainText()
                    .contains(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))));
    }

    // Under the mouse, pressed or marked, a tool button's white label stays on a dark ground.
    void toolButtonLabelsStayReadable() {
        TFrmIndex window(KORVANI_BIN_DIR);
        ShowActive(window);
        QToolButton* button = window.PageButtons()[2];
        const auto contrast = [&] {
            const QImage image = window.grab(button->geometry().translated(button->parentWidget()->pos()))
                                     .toImage()
                                     .convertToFormat(QImage::Format_RGB32);
            // The label's strip, under the icon.
            const QRect label(8, 58, image.width() - 16, 20);
            std::vector<int> grays;
            for (int y = label.top(); y <= label.bottom(); ++y)
                for (int x = label.left(); x <= label.right(); ++x)
                    grays.push_back(qGray(image.pixel(x, y)));
            std::sort(grays.begin(), grays.end());
            return std::pair(grays[grays.size() / 2], grays.back()); // the ground, the brightest text
        };
        for (const char* state : {"plain", "hover", "pressed", "checked"}) {
            const QByteArray name(state);
            button->setAttribute(Qt::WA_UnderMouse, name == "hover");
            button->setDown(name == "pressed");
            button->setChecked(name == "checked");
            button->update();
            QApplication::processEvents();
            const auto [ground, text] = contrast();
            QVERIFY2(
                ground < 170 && text > 235,
                qPrintable(
                    QStringLiteral("%1: ground %2, text %3").arg(QString::fromLatin1(state)).arg(ground).arg(text)));
        }
    }

    // The grid shows twelve rows and more in the main window, its columns fit without scrolling and
    // each page starts at row 1 with nothing chosen.
    void gridFitsAndEachPageStartsAtTheTop() {
        TFrmIndex window(KORVANI_BIN_DIR);
        ShowActive(window);
        NamingPage* page = window.Naming();
        CandidateGridView* grid = page->GridView();
        QVERIFY(grid->viewport()->height() / grid->rowHeight(0) >= 12);
        int columns = 0;
        const QFontMetrics header(grid->horizontalHeader()->font());
        for (int c = 0; c < 9; ++c) {
            columns += grid->columnWidth(c);
            const QString heading = page->Grid()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
            QVERIFY2(grid->columnWidth(c) >= header.horizontalAdvance(heading) + 4, qPrintable(heading));
        }
        QVERIFY(columns <= grid->viewport()->width());
        QVERIFY(!grid->horizontalScrollBar()->isVisible());

        FillPerson(page->Fields());
        page->SetRandomSource(korvani::base::RandomSource(5));
        Find<QPushButton>(page, "RzBitBtn5")->click();
        QVERIFY(m_messages.empty());
        QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);
        // Scrolled to the last rows with the last row chosen, 继续显示 starts again at row 1.
        grid->selectRow(99);
        grid->scrollToBottom();
        QVERIFY(grid->verticalScrollBar()->value() > 0);
        Find<QPushButton>(page, "RzBitBtn2")->click();
        QCOMPARE(grid->verticalScrollBar()->value(), 0);
        QVERIFY(grid->selectionModel()->selectedRows().isEmpty());
        QCOMPARE(grid->rowAt(0), 0);
        // And so does the next run.
        grid->selectRow(99);
        grid->scrollToBottom();
        Find<QPushButton>(page, "RzBitBtn5")->click();
        QCOMPARE(grid->verticalScrollBar()->value(), 0);
        QVERIFY(grid->selectionModel()->selectedRows().isEmpty());
    }

    // A cell whose text is cut shows it whole in its tooltip; a cell shown whole has none of its own.
    void cutCellsShowTheirTextInATooltip() {
        TFrmIndex window(KORVANI_BIN_DIR);
        ShowActive(window);
        NamingPage* page = window.Naming();
        FillPerson(page->Fields());
        const QString prefix = QStringLiteral("新疆维吾尔自治区乌鲁木齐市");
        Find<QLineEdit>(page, "NameBegin")->setText(prefix);
        Find<QLineEdit>(page, "NameEnd")->setText(QStringLiteral("国际贸易有限责任公司"));
        page->SetRandomSource(korvani::base::RandomSource(6));
        page->RzBitBtn5Click();
        CandidateGridView* grid = page->GridView();
        const QModelIndex name = page->Grid()->index(0, 1);
        QVERIFY(name.data().toString().startsWith(prefix));
        QVERIFY(grid->IsCut(name));
        QCOMPARE(grid->CellToolTip(name), name.data().toString());
        const QModelIndex number = page->Grid()->index(0, 0);
        QVERIFY(!grid->IsCut(number));
        QCOMPARE(grid->CellToolTip(number), QString());
        // The body keeps the meanings of its characters as its tooltip.
        const QModelIndex body = page->Grid()->index(0, CandidateGridModel::kBodyColumn);
        QVERIFY(!grid->IsCut(body));
        QCOMPARE(grid->CellToolTip(body), body.data(Qt::ToolTipRole).toString());
        // The tooltip event shows it.
        QHelpEvent help(QEvent::ToolTip, grid->visualRect(name).center(),
                        grid->viewport()->mapToGlobal(grid->visualRect(name).center()));
        QApplication::sendEvent(grid->viewport(), &help);
        QCOMPARE(QToolTip::text(), name.data().toString());
        QToolTip::hideText();
    }

    // 查看详细 with no row chosen asks for one, before a run, after a run and on an empty row.
    void detailsWithoutAChosenRowAskForOne() {
        TFrmIndex window(KORVANI_BIN_DIR);
        NamingPage* page = window.Naming();
        auto* details = Find<QPushButton>(page, "RzBitBtn4");
        details->click();
        QCOMPARE(m_messages.size(), size_t(1));
        QCOMPARE(m_messages[0].title, QStringLiteral("提示"));
        QCOMPARE(m_messages[0].text, QStringLiteral("请先在列表中选择一个名字。"));
        FillPerson(page->Fields());
        page->RzBitBtn5Click();
        QCOMPARE(m_messages.size(), size_t(1));
        // The grid's current cell after a page, never chosen by the user, does not count.
        page->GridView()->setFocus();
        details->click();
        QCOMPARE(m_messages.size(), size_t(2));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    // Enter in a field runs the page's main action.
    void enterInAFieldRunsThePage() {
        TFrmIndex window(KORVANI_BIN_DIR);
        ShowActive(window);
        NamingPage* naming = window.Naming();
        FillPerson(naming->Fields());
        naming->SetRandomSource(korvani::base::RandomSource(4));
        QTest::keyClick(naming->Fields().year->lineEdit(), Qt::Key_Return);
        QVERIFY(!naming->Grid()->Cell(0, 4).isEmpty());
        const QString first = naming->Grid()->Cell(0, 4);
        QTest::keyClick(Find<QLineEdit>(naming, "NameEnd"), Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(naming->Grid()->Cell(0, 4) != first);
        // Enter in an empty surname gives the check's message, as the button would.
        naming->Fields().surname->clear();
        QTest::keyClick(naming->Fields().surname, Qt::Key_Return);
        QCOMPARE(m_messages.back().text, QStringLiteral("姓不能为空!"));

        window.PageButtons()[1]->click();
        CompanyNameForm* analysis = window.Analysis()->Form();
        FillPerson(analysis->Fields());
        analysis->ShortName()->setText(QStringLiteral("鸿图"));
        QTest::keyClick(analysis->ShortName(), Qt::Key_Return);
        QVERIFY(analysis->Memo()->toPlainText().startsWith(QStringLiteral("<====")));

        window.PageButtons()[2]->click();
        ChartPage* chart = window.Chart();
        FillPerson(chart->Fields());
        QTest::keyClick(chart->Fields().minute->lineEdit(), Qt::Key_Return);
        QVERIFY(Find<QPlainTextEdit>(chart, "Memo1")->toPlainText().startsWith(QStringLiteral("<====")));

        window.Pages()->setCurrentWidget(window.Almanac());
        AlmanacPage* almanac = window.Almanac();
        QTest::keyClick(Find<QComboBox>(almanac, "Slday")->lineEdit(), Qt::Key_Return);
        QVERIFY(!Find<QPlainTextEdit>(almanac, "MemoHuangli")->toPlainText().isEmpty());

        // In the name-analysis window, also in its editable sex box.
        TFrmNamemain nameWindow(window.Store(), &window);
        FillPerson(nameWindow.Form()->Fields());
        nameWindow.Form()->ShortName()->setText(QStringLiteral("鸿图"));
        QTest::keyClick(nameWindow.Form()->Fields().sex->lineEdit(), Qt::Key_Return);
        QVERIFY(nameWindow.Form()->Memo()->toPlainText().startsWith(QStringLiteral("<====")));
        QVERIFY(m_messages.size() == 1);
    }

    // Enter on a focused button presses it; Tab leaves the grid, the arrows move within it, Enter on
    // a row opens its analysis.
    void keyboardMovesThroughButtonsAndTheGrid() {
        TFrmIndex window(KORVANI_BIN_DIR);
        ShowActive(window);
        NamingPage* page = window.Naming();
        FillPerson(page->Fields());
        page->SetRandomSource(korvani::base::RandomSource(7));
        auto* run = Find<QPushButton>(page, "RzBitBtn5");
        run->setFocus();
        QTest::keyClick(run, Qt::Key_Return);
        const QString first = page->Grid()->Cell(0, 4);
        QVERIFY(!first.isEmpty());
        auto* more = Find<QPushButton>(page, "RzBitBtn2");
        more->setFocus();
        QTest::keyClick(more, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(page->Grid()->Cell(0, 4) != first);

        // A tool button too: 万年历法 opens the calendar window.
        Find<QToolButton>(&window, "RzToolButton7")->click();
        auto* calendar = Find<QToolButton>(&window, "RzToolButton36");
        calendar->setFocus();
        QString opened;
        QTimer::singleShot(0, this, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                opened = modal->metaObject()->className();
                modal->close();
            }
        });
        QTest::keyClick(calendar, Qt::Key_Return);
        QCOMPARE(opened, QStringLiteral("korvani::app::TFRM_Date"));
        Find<QToolButton>(&window, "RzToolButton2")->click();
        ShowActive(window);

        CandidateGridView* grid = page->GridView();
        grid->setFocus();
        QVERIFY(grid->hasFocus());
        grid->selectRow(0);
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(grid->currentIndex().row(), 1);
        QTest::keyClick(grid, Qt::Key_Right);
        QVERIFY(grid->hasFocus());
        QString shortName;
        QTimer::singleShot(0, this, [&] {
            if (auto* dialog = qobject_cast<TFrmNamemain*>(QApplication::activeModalWidget())) {
                shortName = dialog->Form()->ShortName()->text();
                dialog->close();
            }
        });
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(shortName, page->Grid()->Cell(1, 4));
        QTest::keyClick(grid, Qt::Key_Tab);
        QVERIFY(!grid->hasFocus());
        QVERIFY(m_messages.empty());
    }

    // 地区前缀 and 行业后缀 have room for twenty characters on the three forms that hold them; the hints
    // wrap into even lines, none of one or two characters.
    void affixFieldsAndHints() {
        TFrmIndex window(KORVANI_BIN_DIR);
        ShowActive(window);
        TFrmNamemain nameWindow(window.Store(), &window);
        const QString twenty(20, QChar(0x9F99)); // 龙, a wide character
        for (QWidget* form : QList<QWidget*>{window.Naming(), window.Analysis(), &nameWindow}) {
            for (QLineEdit* field : form->findChildren<QLineEdit*>()) {
                if (!field->objectName().startsWith(QStringLiteral("NameBegin")) &&
                    !field->objectName().startsWith(QStringLiteral("NameEnd")))
                    continue;
                QVERIFY2(field->width() >= field->fontMetrics().horizontalAdvance(twenty),
                         qPrintable(field->objectName()));
            }
        }
        for (HintLabel* hint : window.findChildren<HintLabel*>()) {
            for (int width = 80; width <= 600; width += 7) {
                const QStringList lines = hint->LinesAt(width);
                QCOMPARE(lines.join(QString()), hint->Hint());
                if (lines.size() == 1)
                    continue;
                for (const QString& line : lines) {
                    QVERIFY2(line.size() >= 3, qPrintable(QStringLiteral("%1 at %2").arg(line).arg(width)));
                    QVERIFY(hint->fontMetrics().horizontalAdvance(line) <= width);
                }
            }
        }
        // Shown on the page, no hint line is short.
        for (HintLabel* hint : window.Naming()->findChildren<HintLabel*>())
            for (const QString& line : hint->text().split(QLatin1Char('\n')))
                QVERIFY2(line.size() >= 3 || hint->text().size() < 3, qPrintable(line));
    }

    // 性别, not 姓别; the birth years run from 1900 to this year on every form.
    void birthLabelsAndYears() {
        TFrmIndex window(KORVANI_BIN_DIR);
        TFrmNamemain nameWindow(window.Store(), &window);
        const QString thisYear = QString::number(QDate::currentDate().year());
        for (QWidget* form : QList<QWidget*>{window.Naming(), window.Analysis(), window.Chart(), &nameWindow}) {
            QStringList labels;
            for (QLabel* label : form->findChildren<QLabel*>())
                labels << label->text();
            QVERIFY(labels.contains(QStringLiteral("性别")));
            QVERIFY(!labels.contains(QStringLiteral("姓别")));
            for (QComboBox* year : form->findChildren<QComboBox*>()) {
                if (!year->objectName().startsWith(QStringLiteral("SYear")))
                    continue;
                QCOMPARE(year->itemText(0), QStringLiteral("1900"));
                QCOMPARE(year->itemText(year->count() - 1), thisYear);
                QCOMPARE(year->currentText(), QStringLiteral("1980"));
            }
        }
    }

    // Without korvani.ini no address exists: the contact buttons are hidden, 官方网站 becomes 关于软件,
    // and the about page tells the version, the data versions and the data's licences.
    void noInventedContacts() {
        TFrmIndex window(KORVANI_BIN_DIR);
        ShowActive(window);
        QVERIFY(!QFile::exists(QStringLiteral(KORVANI_BIN_DIR "/korvani.ini")));
        Find<QToolButton>(&window, "RzToolButton7")->click();
        QVERIFY(!Find<QToolButton>(&window, "RzToolButton38")->isVisible());
        QVERIFY(!Find<QToolButton>(&window, "RzToolButton39")->isVisible());
        auto* site = Find<QToolButton>(&window, "RzToolButton40");
        QCOMPARE(site->text(), QStringLiteral("关于软件"));
        bool opened = false;
        SetAddressOpener([&](const QUrl&) { return opened = true; });
        site->click();
        QVERIFY(!opened);
        QCOMPARE(window.Pages()->currentWidget(), window.About());
        const QString about = window.About()->Memo()->toPlainText();
        for (const char* part :
             {"版本 0.", "Zelmar.dll：数据版本 ", "dream.dll：数据版本 ", "【使用说明】", "公司起名（Alt+1）",
              "【数据来源与许可】", "Unihan", "lunar-javascript", "korvani.ini"})
            QVERIFY2(about.contains(QString::fromUtf8(part)), part);
        QVERIFY(!about.contains(QStringLiteral("http")));
        QVERIFY(!about.contains(QStringLiteral("@")));

        // 使用帮助 and the small help button show the help.
        Find<QToolButton>(&window, "RzToolButton7")->click();
        Find<QToolButton>(&window, "RzToolButton37")->click();
        QCOMPARE(window.Pages()->currentWidget(), window.About());
        QCOMPARE(window.About()->Memo()->textCursor().block().text(), QStringLiteral("【使用说明】"));
        window.About()->ShowStart();
        Find<QToolButton>(&window, "RzToolButton9")->click();
        QCOMPARE(window.About()->Memo()->textCursor().block().text(), QStringLiteral("【使用说明】"));
        QVERIFY(!opened);
        QVERIFY(m_messages.empty());
    }

    // korvani.ini beside the program names the addresses; a failed open says so.
    void contactsFromTheIniFile() {
        QTemporaryDir dir;
        for (const char* name : {"Zelmar.dll", "OrvFile.dll", "OrvBirth.dll", "dream.dll", "Tgcode.dll"})
            QVERIFY(QFile::copy(QStringLiteral(KORVANI_BIN_DIR "/") + name, dir.filePath(QString::fromUtf8(name))));
        QFile ini(dir.filePath(QStringLiteral("korvani.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[contact]\nwebsite=www.example.org\nmail=shop@example.org\n");
        ini.close();
        const ContactAddresses contacts = ReadContacts(dir.path());
        QCOMPARE(contacts.website, QStringLiteral("www.example.org"));
        QCOMPARE(contacts.chat, QString());
        QCOMPARE(contacts.mail, QStringLiteral("shop@example.org"));
        QCOMPARE(AddressUrl(contacts.mail), QUrl(QStringLiteral("mailto:shop@example.org")));
        QCOMPARE(AddressUrl(contacts.website), QUrl(QStringLiteral("http://www.example.org")));
        QCOMPARE(AddressUrl(QStringLiteral("https://a.example/x?y=1")),
                 QUrl(QStringLiteral("https://a.example/x?y=1")));

        TFrmIndex window(dir.path().toStdString());
        ShowActive(window);
        Find<QToolButton>(&window, "RzToolButton7")->click();
        QVERIFY(!Find<QToolButton>(&window, "RzToolButton38")->isVisible());
        auto* mail = Find<QToolButton>(&window, "RzToolButton39");
        auto* site = Find<QToolButton>(&window, "RzToolButton40");
        QVERIFY(mail->isVisible());
        QCOMPARE(site->text(), QStringLiteral("官方网站"));
        QList<QUrl> urls;
        SetAddressOpener([&](const QUrl& url) {
            urls << url;
            return true;
        });
        mail->click();
        Find<QToolButton>(&window, "RzToolButton9")->click();
        QCOMPARE(urls, (QList<QUrl>{QUrl(QStringLiteral("mailto:shop@example.org")),
                                    QUrl(QStringLiteral("http://www.example.org"))}));
        QVERIFY(m_messages.empty());
        SetAddressOpener([](const QUrl&) { return false; });
        site->click();
        QCOMPARE(m_messages.size(), size_t(1));
        QVERIFY(m_messages[0].text.startsWith(QStringLiteral("无法打开“www.example.org”")));
        // The about page names the addresses the file gives.
        Find<QToolButton>(&window, "RzToolButton10")->click();
        QVERIFY(window.About()->Memo()->toPlainText().contains(QStringLiteral("邮箱：shop@example.org")));
    }
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    korvani::app::SetUpApplication(application);
    DesktopUseTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "DesktopUseTest.moc"
