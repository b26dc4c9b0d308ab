#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "chart/BirthInput.h"
#include "app/Contacts.h"
#include "data/DataStore.h"

class QPlainTextEdit;

// The fixed pages: the about page with the program's help, and the tools page.

namespace korvani::app {

// 其他功能: what the program does, how to use each page, its version and the versions of its data
// files, where its data comes from and under which licences, and the contact addresses that
// korvani.ini gives. The data versions are read each time the page is shown, not at start.
class AboutPage : public QWidget {
    Q_OBJECT

public:
    AboutPage(data::DataStore& store, ContactAddresses contacts, QWidget* parent = nullptr);

    QPlainTextEdit* Memo() const { return m_memo; }
    // Shows the page's text from its start, or from the help on using the pages.
    void ShowStart();
    void ShowHelp();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString Text() const;
    // Puts the text in the memo when it changed (a data file replaced since it was last shown).
    void Refresh();

    data::DataStore& m_store;
    ContactAddresses m_contacts;
    QPlainTextEdit* m_memo;
};

// The heading of the help section in the about text.
inline constexpr const char* kHelpHeading = "【使用说明】";

// 功能大全: the tool buttons RzToolButton32..41 under their group headings. 手机号码, QQ号分析, 更多数字
// and 网名分析 open their reading windows modally, 万年历法 the calendar window, 择吉日 (RzToolButton41)
// the lucky-day window for the representative that `representative` gives; each opening first frees
// a window left over from the one before. Under 关于我们: 使用帮助 and 关于软件 show the about page
// (`showAbout(true)` at the help); 联系QQ号, 发送邮件 and 官方网站 open the addresses of korvani.ini
// and are shown only when it gives them.
QWidget* CreateToolsPage(data::DataStore& store, const ContactAddresses& contacts,
                         std::function<void(bool help)> showAbout,
                         std::function<chart::BirthInput()> representative, QWidget* parent);

} // namespace korvani::app
