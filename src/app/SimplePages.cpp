#include "app/SimplePages.h"

#include <QComboBox>
#include <QDate>
#include <QDesktopServices>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/Contacts.h"

namespace korvani::app {

namespace {

QStringList TwoDigits(int first, int last) {
    QStringList list;
    for (int i = first; i <= last; ++i)
        list << QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
    return list;
}

QPlainTextEdit* ReadOnlyMemo(const QString& name, const QString& text, QWidget* parent) {
    auto* memo = new QPlainTextEdit(text, parent);
    memo->setObjectName(name);
    memo->setReadOnly(true);
    return memo;
}

} // namespace

AlmanacPageParts CreateAlmanacPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("TabSheet5"));
    auto* layout = new QVBoxLayout(page);
    auto* row = new QHBoxLayout;
    const QDate today = QDate::currentDate();
    QStringList years;
    for (int y = 1901; y <= 2100; ++y)
        years << QString::number(y);
    const auto combo = [&](const char* name, const QStringList& items, const QString& current, const char* label) {
        auto* c = new QComboBox(page);
        c->setObjectName(QString::fromUtf8(name));
        c->addItems(items);
        c->setCurrentText(current);
        row->addWidget(c);
        row->addWidget(new QLabel(QString::fromUtf8(label), page));
    };
    combo("SlYear", years, today.toString(QStringLiteral("yyyy")), "年");
    combo("SlMonth", TwoDigits(1, 12), today.toString(QStringLiteral("MM")), "月");
    combo("Slday", TwoDigits(1, 31), today.toString(QStringLiteral("dd")), "日");
    auto* show = new QPushButton(QStringLiteral("查看"), page);
    show->setObjectName(QStringLiteral("BtnHuangli"));
    auto* print = new QPushButton(QStringLiteral("打印"), page);
    print->setObjectName(QStringLiteral("RzBitBtn13"));
    row->addWidget(show);
    row->addWidget(print);
    row->addStretch();
    layout->addLayout(row);
    auto* memos = new QHBoxLayout;
    memos->addWidget(ReadOnlyMemo(QStringLiteral("MemoHuangli"), QString(), page), 3);
    memos->addWidget(
        ReadOnlyMemo(QStringLiteral("MemoGlossary"),
                     QStringLiteral("岁次：当日所在的年、月、日干支。\n胎神：传说中胎神当日所在的方位。\n"
                                    "五行：当日干支的纳音五行。\n冲：当日所冲的生肖与煞方。\n"
                                    "彭祖百忌：按日干日支的传统禁忌。\n吉神宜趋、凶神宜忌：当日的吉神与凶煞。\n"
                                    "宜、忌：传统上当日适合与不适合做的事。"),
                     page),
        2);
    layout->addLayout(memos, 1);
    return {page, show};
}

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
            "五行：先看繁体字的部首（金、木、竹、艸、禾、水、冫、雨、火、日、土、山、石、田），其余按普通话读音的声母，"
            "依五音之说归类：唇音 b p m f 属水，舌音 d t n l 属火，牙音 g k h 属木，齿音 z c s zh ch sh r j q x 属金，"
            "喉音（零声母及 y w）属土。另有一派的分类与此略有不同，本软件采用上述一种。\n\n"
            "农历、节气与黄历数据经与公开的中国历法核对。各种命理解说均为传统说法，仅供参考，"
            "企业的成败终究取决于经营者的眼光、勤奋与诚信。"),
        page));
    return page;
}

QWidget* CreateToolsPage(QWidget* parent) {
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
    for (QToolButton* b : numbers) {
        b->setEnabled(false);
        b->setToolTip(QStringLiteral("即将推出"));
    }
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
