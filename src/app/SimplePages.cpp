#include "app/SimplePages.h"

#include <QDesktopServices>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/Contacts.h"
#include "app/NumberWindows.h"
#include "app/TFRM_Date.h"
#include "app/TFrmLuckyDays.h"
#include "app/TFrmWangming.h"

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

QPlainTextEdit* ReadOnlyMemo(const QString& name, const QString& text, QWidget* parent) {
    auto* memo = new QPlainTextEdit(text, parent);
    memo->setObjectName(name);
    memo->setReadOnly(true);
    return memo;
}

} // namespace

QWidget* CreateAboutPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("TabSheet8"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(ReadOnlyMemo(
        QStringLiteral("MemoAbout"),
        QStringLiteral(
            "Korvani店铺公司起名软件\n\n"
            "本软件按照传统的姓名学方法为公司、店铺和品牌起名与分析：八十一数理、汉字五行，以及企业法人的生辰八字。\n\n"
            "笔画：按繁体字的康熙字典笔画计算，部首按原字计（如氵作水计四画、艹作艸计六画），数字按其数值计。\n"
            "五行：字义明显带有五行的字按字义（如光、辉、阳属火，川属水，玉、宝属金，春、青属木），"
            "其余先看繁体字的部首（金、木、竹、艸、禾、水、冫、雨、火、日、土、山、石、田），再按普通话读音的声母，"
            "依五音之说归类：唇音 b p m f 属水，舌音 d t n l 属火，牙音 g k h 属木，齿音 z c s zh ch sh r j q x 属金，"
            "喉音（零声母及 y w）属土。另有一派的分类与此略有不同，本软件采用上述一种。\n\n"
            "农历、节气与黄历数据经与公开的中国历法核对。各种命理解说均为传统说法，仅供参考，"
            "企业的成败终究取决于经营者的眼光、勤奋与诚信。"),
        page));
    return page;
}

QWidget* CreateToolsPage(data::DataStore& store, std::function<chart::BirthInput()> representative, QWidget* parent) {
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
    const auto about = group("关于我们", {{"RzToolButton37", "起名服务"},
                                          {"RzToolButton38", "联系QQ号"},
                                          {"RzToolButton39", "发送邮件"},
                                          {"RzToolButton40", "官方网站"}});
    QObject::connect(about[0], &QToolButton::clicked, page, [page] {
        TFrm_servers window(page->window());
        window.exec();
    });
    QObject::connect(about[1], &QToolButton::clicked, page, [] { QDesktopServices::openUrl(QUrl(contacts::Chat())); });
    QObject::connect(about[2], &QToolButton::clicked, page, [] { QDesktopServices::openUrl(QUrl(contacts::Mail())); });
    QObject::connect(about[3], &QToolButton::clicked, page,
                     [] { QDesktopServices::openUrl(QUrl(contacts::WebSite())); });
    layout->addStretch();
    return page;
}

TFrm_servers::TFrm_servers(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Frm_servers"));
    setWindowTitle(QStringLiteral("人工起名服务"));
    auto* layout = new QVBoxLayout(this);
    for (const char* line : {"人工起名服务", "由熟悉传统姓名学的起名师为您的公司、店铺或品牌逐一推敲名称，",
                             "结合企业法人的生辰八字、行业特点与地区习惯，提供五个以上的备选名称及详细解说。",
                             "服务流程：提交需求 → 起名师初拟 → 与您沟通修改 → 定稿。",
                             "联系方式见“功能大全”页的“联系QQ号”“发送邮件”与“官方网站”。"}) {
        layout->addWidget(new QLabel(QString::fromUtf8(line), this));
    }
    auto* close = new QPushButton(QStringLiteral("关闭"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(close, 0, Qt::AlignRight);
}

} // namespace korvani::app
