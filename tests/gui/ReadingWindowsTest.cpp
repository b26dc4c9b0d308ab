#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "support/GuiSupport.h"
#include "app/Application.h"
#include "app/NumberWindows.h"
#include "app/ReportOutput.h"
#include "app/TFrmIndex.h"
#include "app/TFrmWangming.h"

using namespace korvani::app;
using korvani::testing::Find;
using korvani::testing::Message;

namespace {

QStringList Labels(const ReadingWindow& window, std::initializer_list<const char*> names) {
    QStringList texts;
    for (const char* name : names)
        texts << window.Line(name)->text();
    return texts;
}

QStringList NumberLabels(const ReadingWindow& window) {
    return Labels(window, {"RzLabel11", "RzLabel10", "RzLabel9", "RzLabel8"});
}

// Types text key by key, as a keyboard or an input method would; QTest::keyClicks takes Latin-1 only.
void Type(QWidget* widget, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

bool ShowsText(const QWidget& window, const QString& text) {
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->text() == text)
            return true;
    return false;
}

} // namespace

class ReadingWindowsTest : public QObject {
    Q_OBJECT

private:
    std::vector<Message> m_messages;

private slots:
    void init() {
        korvani::testing::CaptureMessages(m_messages);
    }
    void cleanup() { SetMessageSink({}); }

    // The four buttons of 数字吉祥 open their windows modally; each opening is a fresh window, and
    // a closed window is freed.
    void toolButtonsOpenFreshWindows() {
        TFrmIndex window(KORVANI_BIN_DIR);
        window.show();
        const std::vector<std::pair<const char*, QString>> buttons = {
            {"RzToolButton32", QStringLiteral("手机号码测算")},
            {"RzToolButton33", QStringLiteral("QQ号码测试")},
            {"RzToolButton34", QStringLiteral("任意号码分析")},
            {"RzToolButton35", QStringLiteral("网名与性格")},
        };
        for (const auto& [name, title] : buttons) {
            auto* button = window.findChild<QToolButton*>(QString::fromUtf8(name));
            QVERIFY(button && button->isEnabled());
            std::vector<QPointer<ReadingWindow>> opened;
            for (int round = 0; round < 2; ++round) {
                QTimer::singleShot(0, this, [&] {
                    auto* dialog = qobject_cast<ReadingWindow*>(QApplication::activeModalWidget());
                    QVERIFY(dialog);
                    QCOMPARE(dialog->windowTitle(), title);
                    QVERIFY(dialog->isModal());
                    QCOMPARE(dialog->parentWidget(), &window);
                    // A fresh window: nothing left from the last opening.
                    QVERIFY(dialog->Entry()->text().isEmpty());
                    QVERIFY(dialog->Line("RzLabel11")->text().isEmpty());
                    dialog->Entry()->setText(QStringLiteral("18"));
                    dialog->RzBitBtn1Click();
                    QVERIFY(!dialog->Line("RzLabel11")->text().isEmpty());
                    opened.emplace_back(dialog);
                    dialog->findChild<QPushButton*>(QStringLiteral("RzBitBtn2"))->click();
                });
                button->click();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
            QCOMPARE(opened.size(), size_t(2));
            QVERIFY(opened[0].isNull()); // closed windows are freed
            QVERIFY(opened[1].isNull());
        }
    }

    void telephoneWindow() {
        korvani::data::DataStore store(KORVANI_BIN_DIR);
        TFrm_SJcs window(store);
        window.show();
        QVERIFY(ShowsText(window, QStringLiteral("输入号码：")));
        QVERIFY(ShowsText(window, QStringLiteral("手机号码是：")));
        QVERIFY(ShowsText(window, QStringLiteral("请注意：手机号码是11位，请正确输入。")));
        QVERIFY(ShowsText(window, QStringLiteral("具体表现：")));
        QCOMPARE(window.Entry()->maxLength(), 11);

        window.RzBitBtn1Click();
        QCOMPARE(m_messages.size(), size_t(1));
        QCOMPARE(m_messages[0].title, QStringLiteral("提示"));
        QCOMPARE(m_messages[0].text, QStringLiteral("请输入11位手机号码！"));
        QCOMPARE(NumberLabels(window), QStringList({"", "", "", ""}));

        // Only digits reach the field; Enter runs the reading.
        QTest::keyClicks(window.Entry(), QStringLiteral("138 0013a-0123x456"));
        QCOMPARE(window.Entry()->text(), QStringLiteral("13800130123"));
        QTest::keyClick(window.Entry(), Qt::Key_Backspace);
        QTest::keyClick(window.Entry(), Qt::Key_3);
        QTest::keyClick(window.Entry(), Qt::Key_Return);
        const QStringList k43 = NumberLabels(window);
        QCOMPARE(k43.mid(0, 3),
                 QStringList({QStringLiteral("13800130123"), QStringLiteral("才华外露，应酬繁多，收放有度，稳中求安"),
                              QStringLiteral("吉带凶")}));
        QVERIFY(k43[3].startsWith(QStringLiteral("四十三数")));

        window.Entry()->setText(QStringLiteral("13800130080"));
        QTest::keyClick(window.Entry(), Qt::Key_Enter);
        QCOMPARE(NumberLabels(window), QStringList({QStringLiteral("13800130080"), QStringLiteral("超吉"),
                                                    QStringLiteral("超吉"), QStringLiteral("超吉不做详细评论")}));
        window.Entry()->setText(QStringLiteral("12345"));
        window.RzBitBtn1Click();
        QCOMPARE(window.Line("RzLabel10")->text(), QStringLiteral("超吉"));

        // Pasted text is refused in the error box; the labels keep their texts.
        const QStringList before = NumberLabels(window);
        window.Entry()->setText(QStringLiteral("1380013abcd"));
        window.RzBitBtn1Click();
        QCOMPARE(m_messages.back().title, QStringLiteral("错误"));
        QCOMPARE(m_messages.back().text, QStringLiteral("'1380013abcd' 不是有效的手机号码"));
        QCOMPARE(NumberLabels(window), before);
    }

    // A number already in the field is read as soon as the window is shown; without dream.dll the
    // error box names it and the labels stay as they were.
    void telephoneWindowReadsAtOnceAndNamesAMissingFile() {
        korvani::data::DataStore store(KORVANI_BIN_DIR);
        TFrm_SJcs window(store);
        window.Entry()->setText(QStringLiteral("13800130018"));
        window.show();
        QCOMPARE(window.Line("RzLabel9")->text(), QStringLiteral("吉"));
        QVERIFY(m_messages.empty());

        QTemporaryDir empty;
        korvani::data::DataStore none(empty.path().toStdString());
        TFrm_SJcs lost(none);
        lost.Entry()->setText(QStringLiteral("13800130123"));
        lost.show();
        QCOMPARE(m_messages.size(), size_t(1));
        QCOMPARE(m_messages[0].title, QStringLiteral("错误"));
        QVERIFY(m_messages[0].text.contains(QStringLiteral("dream.dll")));
        QCOMPARE(NumberLabels(lost), QStringList({"", "", "", ""}));
        lost.Entry()->setText(QStringLiteral("13800130160"));
        lost.RzBitBtn1Click();
        QCOMPARE(lost.Line("RzLabel10")->text(), QStringLiteral("超吉"));
    }

    // A damaged dream.dll is shown as a missing one is: the error box names it, the labels stay.
    void telephoneWindowNamesADamagedFile() {
        QTemporaryDir dir;
        const QString copy = dir.filePath(QStringLiteral("dream.dll"));
        QVERIFY(QFile::copy(QStringLiteral(KORVANI_BIN_DIR "/dream.dll"), copy));
        QFile file(copy);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek(file.size() / 2));
        const char byte = file.peek(1).at(0);
        file.write(QByteArray(1, static_cast<char>(byte ^ 1)));
        file.close();

        korvani::data::DataStore damaged(dir.path().toStdString());
        TFrm_SJcs window(damaged);
        window.Entry()->setText(QStringLiteral("13800130123"));
        window.show();
        QCOMPARE(m_messages.size(), size_t(1));
        QCOMPARE(m_messages[0].title, QStringLiteral("错误"));
        QVERIFY(m_messages[0].text.contains(QStringLiteral("数据文件“dream.dll”已损坏")));
        QCOMPARE(NumberLabels(window), QStringList({"", "", "", ""}));
    }

    void qqAndAnyNumberWindows() {
        TFrmQQhm qq;
        TFrm_onther any;
        qq.show();
        any.show();
        QVERIFY(ShowsText(qq, QStringLiteral("QQ号码：")));
        QVERIFY(ShowsText(qq, QStringLiteral("qq号码是：")));
        QVERIFY(ShowsText(any, QStringLiteral("任意号码：")));
        QVERIFY(ShowsText(any, QStringLiteral("输入号码是：")));
        QCOMPARE(qq.Entry()->maxLength(), 18);
        QCOMPARE(any.Entry()->maxLength(), 18);

        qq.RzBitBtn1Click();
        any.RzBitBtn1Click();
        QCOMPARE(m_messages.size(), size_t(2));
        QCOMPARE(m_messages[0].text, QStringLiteral("请输入你的QQ号码！"));
        QCOMPARE(m_messages[1].text, QStringLiteral("请输入你的号码！"));

        QTest::keyClicks(qq.Entry(), QStringLiteral("8a1 "));
        QCOMPARE(qq.Entry()->text(), QStringLiteral("81"));
        QTest::keyClick(qq.Entry(), Qt::Key_Return);
        const QStringList r81 = NumberLabels(qq);
        QCOMPARE(r81[1], QStringLiteral("最极之数，还本归元，能得繁荣，发达成功"));
        QCOMPARE(r81[2], QStringLiteral("吉"));
        QVERIFY(r81[3].startsWith(QStringLiteral("主人性格类型：[")));
        qq.Entry()->setText(QStringLiteral("162"));
        qq.RzBitBtn1Click();
        QCOMPARE(NumberLabels(qq).mid(1), r81.mid(1));

        any.Entry()->setText(QStringLiteral("1"));
        any.RzBitBtn1Click();
        const QStringList r1 = NumberLabels(any);
        any.Entry()->setText(QStringLiteral("82"));
        any.RzBitBtn1Click();
        QCOMPARE(NumberLabels(any).mid(1), r1.mid(1));
        QCOMPARE(r1[1], QStringLiteral("大展鸿图，信用得固，名利双收，可获成功"));

        // Pasted text fails to convert: the Chinese message, and the labels as they were.
        const QStringList before = NumberLabels(qq);
        qq.Entry()->setText(QStringLiteral("QQ12345"));
        qq.RzBitBtn1Click();
        QCOMPARE(m_messages.back().title, QStringLiteral("错误"));
        QCOMPARE(m_messages.back().text, QStringLiteral("'QQ12345' 不是有效的整数"));
        QCOMPARE(NumberLabels(qq), before);
    }

    void netNameWindow() {
        TFrmWangming window;
        window.show();
        QVERIFY(ShowsText(window, QStringLiteral("输入网名：")));
        QCOMPARE(window.Entry()->maxLength(), 18);
        window.RzBitBtn1Click();
        QCOMPARE(m_messages.size(), size_t(1));
        QCOMPARE(m_messages[0].text, QStringLiteral("请输入你的网名！"));

        // Every key reaches the field; Latin letters appear in upper case.
        QTest::keyClicks(window.Entry(), QStringLiteral("xiao ming!"));
        QCOMPARE(window.Entry()->text(), QStringLiteral("XIAO MING!"));
        QTest::keyClick(window.Entry(), Qt::Key_Return);
        QCOMPARE(Labels(window, {"RzLabel11", "RzLabel8"}),
                 QStringList({QStringLiteral("你的网名：XIAO MING!"), QStringLiteral("你的性格：大丈夫主义者")}));

        window.Entry()->setText(QStringLiteral("小明"));
        window.RzBitBtn1Click();
        QCOMPARE(window.Line("RzLabel8")->text(),
                 QStringLiteral("你的性格：反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱"));
        window.Entry()->setText(QStringLiteral("阿福"));
        window.RzBitBtn1Click();
        QCOMPARE(window.Line("RzLabel8")->text(), QStringLiteral("你的性格：有抱负，志气高"));
        window.Entry()->setText(QStringLiteral("小明。"));
        window.RzBitBtn1Click();
        QCOMPARE(window.Line("RzLabel8")->text(), QStringLiteral("你的性格："));
        // Eighteen GBK bytes at most: nine Chinese characters.
        window.Entry()->clear();
        Type(window.Entry(), QStringLiteral("一二三四五六七八九十"));
        QCOMPARE(window.Entry()->text(), QStringLiteral("一二三四五六七八九"));
        QCOMPARE(m_messages.size(), size_t(1));
    }
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    korvani::app::SetUpApplication(application);
    ReadingWindowsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ReadingWindowsTest.moc"
