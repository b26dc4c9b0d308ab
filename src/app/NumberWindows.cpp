#include "app/NumberWindows.h"

#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>

#include "app/PageCommand.h"
#include "app/ReportOutput.h"
#include "tools/NumberReading.h"

namespace korvani::app {

namespace {

ReadingWindow::Layout NumberLayout(const char* objectName, const QString& title, const QString& entryCaption,
                                   int maxLength, const QString& numberCaption) {
    return {.objectName = objectName,
            .title = title,
            .entryCaption = entryCaption,
            .maxLength = maxLength,
            .digitsOnly = true,
            .upperCase = false,
            .entryNote = QString(),
            .lines = {{"RzLabel11", numberCaption},
                      {"RzLabel10", QStringLiteral("状态：")},
                      {"RzLabel9", QStringLiteral("吉凶：")},
                      {"RzLabel8", QStringLiteral("具体表现："), true}},
            .footNote = QString()};
}

ReadingWindow::Layout TelephoneLayout() {
    ReadingWindow::Layout layout = NumberLayout("Frm_SJcs", QStringLiteral("手机号码测算"),
                                                QStringLiteral("输入号码："), 11, QStringLiteral("手机号码是："));
    layout.entryNote = QStringLiteral("请注意：手机号码是11位，请正确输入。");
    layout.footNote = QStringLiteral(
        "注：有些人会问，手机号码为什么会影响一个人的运势？其实这就像风水、阳宅会影响运势命运的意义是一样的。"
        "虽然这只是一个号码，但是它与您的生活息息相关，也代表您与所有人的沟通桥梁！");
    return layout;
}

// Shows a reading in the four labels, or the message of an empty entry; the labels keep their
// texts when the reading fails.
void ShowReading(ReadingWindow* window, const tools::NumberReadingOutcome& outcome) {
    if (outcome.message) {
        ShowInfo(window, QString::fromStdString(*outcome.message));
        return;
    }
    const tools::NumberReading& r = outcome.reading;
    window->Line("RzLabel11")->setText(QString::fromStdString(r.number));
    window->Line("RzLabel10")->setText(QString::fromStdString(r.state));
    window->Line("RzLabel9")->setText(QString::fromStdString(r.verdict));
    window->Line("RzLabel8")->setText(QString::fromStdString(r.description));
}

} // namespace

TFrm_SJcs::TFrm_SJcs(data::DataStore& store, QWidget* parent)
    : ReadingWindow(TelephoneLayout(), parent), m_store(store) {}

void TFrm_SJcs::Read() {
    RunCommand(this, [&] { ShowReading(this, tools::TelephoneReading(m_store, Entry()->text().toStdString())); });
}

void TFrm_SJcs::showEvent(QShowEvent* event) {
    ReadingWindow::showEvent(event);
    if (!event->spontaneous() && !Entry()->text().isEmpty())
        Read();
}

NumberVerdictWindow::NumberVerdictWindow(const Layout& layout, std::string_view emptyMessage, QWidget* parent)
    : ReadingWindow(layout, parent), m_emptyMessage(emptyMessage) {}

void NumberVerdictWindow::Read() {
    RunCommand(this,
               [&] { ShowReading(this, tools::NumberVerdictReading(Entry()->text().toStdString(), m_emptyMessage)); });
}

TFrmQQhm::TFrmQQhm(QWidget* parent)
    : NumberVerdictWindow(NumberLayout("FrmQQhm", QStringLiteral("QQ号码测试"), QStringLiteral("QQ号码："), 18,
                                       QStringLiteral("qq号码是：")),
                          tools::kQqEmptyMessage, parent) {}

TFrm_onther::TFrm_onther(QWidget* parent)
    : NumberVerdictWindow(NumberLayout("Frm_onther", QStringLiteral("任意号码分析"), QStringLiteral("任意号码："), 18,
                                       QStringLiteral("输入号码是：")),
                          tools::kAnyNumberEmptyMessage, parent) {}

} // namespace korvani::app
