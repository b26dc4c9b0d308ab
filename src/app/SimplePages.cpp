#include "app/SimplePages.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/Fonts.h"
#include "app/NumberWindows.h"
#include "app/TFRM_Date.h"
#include "app/TFrmLuckyDays.h"
#include "app/TFrmWangming.h"
#include "data/SqliteDatabase.h"

#ifndef KORVANI_VERSION
#define KORVANI_VERSION "0"
#endif

namespace korvani::app {

namespace {

// The button of a tool window: a window left over in the reference is freed, a new one is created
// into it and shown modally. The window frees itself when it is closed, which clears the reference.
template <typename Make> void ConnectToolWindow(QToolButton* button, QWidget* page, Make make) {
    QObject::connect(button, &QToolButton::clicked, page, [page, make, reference = QPointer<QDialog>()]() mutable {
        delete reference.data();
        reference = make(page->window());
        reference->exec();
    });
}

const char* const kIntroduction =
    "本软件按照传统的姓名学方法为公司、店铺和品牌起名与分析：八十一数理、汉字五行，以及企业法人的生辰八字。"
    "此外还有生辰八字报告、每日黄历、解梦大全、号码与网名测算和万年历。\n\n"
    "笔画：按繁体字的康熙字典笔画计算，部首按原字计（如氵作水计四画、艹作艸计六画），数字按其数值计。\n"
    "五行：字义明显带有五行的字按字义（如光、辉、阳属火，川属水，玉、宝属金，春、青属木），"
    "其余先看繁体字的部首（金、木、竹、艸、禾、水、冫、雨、火、日、土、山、石、田），再按普通话读音的声母，"
    "依五音之说归类：唇音 b p m f 属水，舌音 d t n l 属火，牙音 g k h 属木，齿音 z c s zh ch sh r j q x 属金，"
    "喉音（零声母及 y w）属土。另有一派的分类与此略有不同，本软件采用上述一种。\n\n"
    "农历、节气与黄历数据经与公开的中国历法核对。各种命理解说均为传统说法，仅供参考，"
    "企业的成败终究取决于经营者的眼光、勤奋与诚信。";

const char* const kHelp =
    "公司起名（Alt+1）：填写企业法人的姓名、性别和出生时间，选公历或农历；地区前缀和行业后缀可以不填，"
    "也可以在“字词限定”中固定一两个字。选好名字字数后按“马上起名”，或在任一输入框中按回车。"
    "列表每次列出100个名字，“继续显示”换一批；选中一行后按“查看详细”、双击或按回车，"
    "可以看这个名字的完整分析。名字显示不全时，把鼠标停在上面即可看到全文。\n"
    "名字分析（Alt+2）：填写企业法人的资料和企业名称（企业简称必须填写，二至四个字），按“分析”或回车。"
    "报告可以打印，也可以保存为文本文件。\n"
    "生辰八字（Alt+3）：填写出生资料后按“分析”或回车，得到八字、五行、大运、流年和称骨等内容。\n"
    "本日黄历（Alt+4）：按这个按钮直接显示今天的黄历；也可以选择或输入年、月、日后按“查看”或回车。\n"
    "解梦大全（Alt+5）：在左边的分类中点选梦境，或在搜索框中输入词语查找，按 Esc 清除。\n"
    "功能大全（Alt+6）：手机号码、QQ号码、任意号码和网名的测算，以及万年历。\n\n"
    "出生时辰可以从列表中选择，也可以直接输入0至23的小时数，例如“5”或“卯5”。\n"
    "在按钮上按回车或空格键即按下这个按钮；Tab 键在输入框、按钮和名字列表之间移动。\n"
    "打印的报告使用等宽字体，各列上下对齐，页边距为12.7毫米；保存的报告是GBK编码的文本文件，"
    "Windows 的记事本可以直接打开。";

const char* const kSources =
    "汉字的笔画、部首、读音和字义：Unicode 联盟的 Unihan 数据库 15.0（Unicode 数据文件与软件许可协议）。\n"
    "简繁对照：OpenCC（Apache 许可证 2.0）。\n"
    "词语：结巴分词词典（MIT 许可证）和 RIME 输入法的 essay 词库（LGPL 3.0）。\n"
    "农历、节气与黄历：lunar-javascript 1.7.7（MIT 许可证）。\n"
    "字体：Noto Sans CJK（SIL 开放字体许可证 1.1）。\n"
    "程序库：Qt 6（LGPL 3.0）、SQLite（公有领域）、{fmt}（MIT 许可证）。\n"
    "数理解说、称骨解评、解梦和号码解说等文字由本软件自行编写。";

} // namespace

AboutPage::AboutPage(data::DataStore& store, ContactAddresses contacts, QWidget* parent)
    : QWidget(parent), m_store(store), m_contacts(std::move(contacts)) {
    setObjectName(QStringLiteral("TabSheet8"));
    auto* layout = new QVBoxLayout(this);
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("MemoAbout"));
    m_memo->setReadOnly(true);
    // Prose: the UI face reads better here than the report face.
    m_memo->setFont(UiFont(10));
    layout->addWidget(m_memo);
}

QString AboutPage::Text() const {
    QStringList lines;
    lines << QStringLiteral("Korvani店铺公司起名软件  版本 ") + QStringLiteral(KORVANI_VERSION) << QString()
          << QStringLiteral("【软件简介】") << QString::fromUtf8(kIntroduction) << QString()
          << QString::fromUtf8(kHelpHeading) << QString::fromUtf8(kHelp) << QString()
          << QStringLiteral("【版本与数据】") << QStringLiteral("程序版本：") + QStringLiteral(KORVANI_VERSION);
    for (data::DataFileId id : data::kAllDataFiles) {
        const QString name = QString::fromUtf8(data::FileName(id).data(), data::FileName(id).size());
        try {
            const std::string version = m_store.Read(id, [](data::SqliteDatabase& db) {
                auto& meta = db.Prepare("select value from meta where key = 'data_version'");
                return meta.Step() ? meta.Text(0) : std::string();
            });
            lines << name + QStringLiteral("：数据版本 ") + QString::fromStdString(version);
        } catch (const std::exception& e) {
            lines << QString::fromStdString(e.what());
        }
    }
    lines << QString() << QStringLiteral("【数据来源与许可】") << QString::fromUtf8(kSources) << QString()
          << QStringLiteral("【联系方式】");
    if (m_contacts.website.isEmpty() && m_contacts.chat.isEmpty() && m_contacts.mail.isEmpty()) {
        lines << QStringLiteral("本软件没有内置任何网址或联系方式。经销商或店主可以在程序所在的文件夹中放一个"
                                "korvani.ini 文件，写明网站、QQ 或邮箱，“功能大全”页上就会出现相应的按钮。");
    } else {
        if (!m_contacts.website.isEmpty())
            lines << QStringLiteral("网站：") + m_contacts.website;
        if (!m_contacts.chat.isEmpty())
            lines << QStringLiteral("QQ：") + m_contacts.chat;
        if (!m_contacts.mail.isEmpty())
            lines << QStringLiteral("邮箱：") + m_contacts.mail;
    }
    return lines.join(QLatin1Char('\n'));
}

void AboutPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Refresh();
}

void AboutPage::Refresh() {
    const QString text = Text();
    if (text == m_memo->toPlainText())
        return;
    const int position = m_memo->verticalScrollBar()->value();
    m_memo->setPlainText(text);
    m_memo->verticalScrollBar()->setValue(position);
}

void AboutPage::ShowStart() {
    Refresh();
    m_memo->moveCursor(QTextCursor::Start);
    m_memo->verticalScrollBar()->setValue(0);
}

void AboutPage::ShowHelp() {
    Refresh();
    const QTextBlock help = m_memo->document()->find(QString::fromUtf8(kHelpHeading)).block();
    if (!help.isValid())
        return;
    QTextCursor cursor(help);
    m_memo->setTextCursor(cursor);
    // The heading at the top of the memo rather than at its bottom.
    m_memo->verticalScrollBar()->setValue(m_memo->verticalScrollBar()->maximum());
    m_memo->ensureCursorVisible();
}

QWidget* CreateToolsPage(data::DataStore& store, const ContactAddresses& contacts,
                         std::function<void(bool help)> showAbout,
                         std::function<chart::BirthInput()> representative, QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("TabSheet9"));
    auto* layout = new QVBoxLayout(page);
    const auto group = [&](const char* heading, std::initializer_list<std::pair<const char*, const char*>> buttons) {
        auto* box = new QGroupBox(QString::fromUtf8(heading), page);
        auto* row = new QHBoxLayout(box);
        std::vector<QToolButton*> made;
        for (const auto& [name, text] : buttons) {
            auto* b = new QToolButton(box);
            b->setObjectName(QString::fromUtf8(name));
            b->setText(QString::fromUtf8(text));
            b->setFixedSize(71, 71);
            row->addWidget(b);
            made.push_back(b);
        }
        row->addStretch();
        layout->addWidget(box);
        return made;
    };
    const auto numbers = group("数字吉祥", {{"RzToolButton32", "手机号码"},
                                            {"RzToolButton33", "QQ号分析"},
                                            {"RzToolButton34", "更多数字"},
                                            {"RzToolButton35", "网名分析"},
                                            {"RzToolButton36", "万年历法"}});
    ConnectToolWindow(numbers[0], page, [&store](QWidget* owner) { return new TFrm_SJcs(store, owner); });
    ConnectToolWindow(numbers[1], page, [](QWidget* owner) { return new TFrmQQhm(owner); });
    ConnectToolWindow(numbers[2], page, [](QWidget* owner) { return new TFrm_onther(owner); });
    ConnectToolWindow(numbers[3], page, [](QWidget* owner) { return new TFrmWangming(owner); });
    ConnectToolWindow(numbers[4], page, [](QWidget* owner) { return new TFRM_Date(owner); });
    const auto days = group("黄道吉日", {{"RzToolButton41", "择吉日"}});
    days[0]->setToolTip(QStringLiteral("按法人的生辰，挑选开市、立券、挂匾、入宅等事的吉日"));
    ConnectToolWindow(days[0], page, [&store, representative](QWidget* owner) {
        return new TFrmLuckyDays(store, representative(), owner);
    });

    const auto about = group("关于我们", {{"RzToolButton37", "使用帮助"},
                                          {"RzToolButton38", "联系QQ号"},
                                          {"RzToolButton39", "发送邮件"},
                                          {"RzToolButton40", "官方网站"}});
    about[0]->setToolTip(QStringLiteral("怎样使用各个页面"));
    QObject::connect(about[0], &QToolButton::clicked, page, [showAbout] { showAbout(true); });
    // A contact button opens its address from korvani.ini; without one it is not shown.
    const auto contact = [page](QToolButton* button, const QString& address) {
        button->setVisible(!address.isEmpty());
        button->setToolTip(address);
        QObject::connect(button, &QToolButton::clicked, page, [page, address] { OpenAddress(page, address); });
    };
    contact(about[1], contacts.chat);
    contact(about[2], contacts.mail);
    if (contacts.website.isEmpty()) {
        about[3]->setText(QStringLiteral("关于软件"));
        about[3]->setToolTip(QStringLiteral("版本、数据来源与许可"));
        QObject::connect(about[3], &QToolButton::clicked, page, [showAbout] { showAbout(false); });
    } else {
        contact(about[3], contacts.website);
    }
    layout->addStretch();
    return page;
}

} // namespace korvani::app
