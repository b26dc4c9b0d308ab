#include "app/TFrmIndex.h"

#include "app/Fonts.h"

#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QToolButton>
#include <QWindow>

#include "app/AlmanacPage.h"
#include "app/AnalysisPage.h"
#include "app/Application.h"
#include "app/Artwork.h"
#include "app/ChartPage.h"
#include "app/Contacts.h"
#include "app/DreamPage.h"
#include "app/NamingPage.h"
#include "app/SimplePages.h"

namespace korvani::app {

namespace {

// The caption strip: pressing the left button on it moves the borderless window with the mouse.
class CaptionStrip : public QWidget {
public:
    explicit CaptionStrip(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("Image4")); }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && window()->windowHandle())
            window()->windowHandle()->startSystemMove();
    }
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setFont(UiFont());
        p.setPen(QColor(255, 236, 200));
        p.drawText(rect().adjusted(8, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, ApplicationTitle());
    }
};

enum PageIndex { NamingIndex, AnalysisIndex, ChartIndex, AlmanacIndex, DreamIndex, AboutIndex, ToolsIndex };

} // namespace

TFrmIndex::TFrmIndex(const std::string& dataDirectory, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint), m_store(std::make_unique<data::DataStore>(dataDirectory)) {
    setObjectName(QStringLiteral("FrmIndex"));
    setWindowTitle(ApplicationTitle());
    setFixedSize(kClientWidth, kClientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    auto* caption = new CaptionStrip(this);
    caption->setGeometry(0, 0, 663, 19);

    m_contacts = ReadContacts(QString::fromStdString(m_store->Directory()));

    // The small buttons at the top right.
    const auto small = [&](const char* name, const QString& text, const QString& hint, int x) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromUtf8(name));
        b->setText(text);
        b->setToolTip(hint);
        b->setAutoRaise(true);
        b->setStyleSheet(QStringLiteral("QToolButton { color: #ffe9c0; font-weight: bold; border: none; border-radius: "
                                        "3px; background: transparent; }"
                                        "QToolButton:hover { background: rgba(255, 255, 255, 45); }"
                                        "QToolButton:pressed { background: rgba(0, 0, 0, 70); }"));
        b->setGeometry(x, 0, 30, 20);
        return b;
    };
    // 官方网站 opens the address that korvani.ini gives; without one the button shows the help.
    QToolButton* site =
        small("RzToolButton9", m_contacts.website.isEmpty() ? QStringLiteral("帮") : QStringLiteral("网"),
              m_contacts.website.isEmpty() ? QStringLiteral("使用帮助") : QStringLiteral("官方网站"), 668);
    QToolButton* about = small("RzToolButton10", QStringLiteral("?"), QStringLiteral("其他功能"), 700);
    QToolButton* minimise = small("RzToolButton11", QStringLiteral("—"), QStringLiteral("最小化"), 734);
    QToolButton* close = small("RzToolButton12", QStringLiteral("×"), QStringLiteral("关闭"), 766);

    // The row of tool buttons, each with its painted label as a real text; Alt+1 .. Alt+6 press them.
    auto* row = new QWidget(this);
    row->setGeometry(10, 22, 780, 88);
    auto* rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    const QColor gold(0xb8, 0x86, 0x0b);
    const struct {
        const char* name;
        const char* label;
        const char* hint;
        const char* seal;
        int page;
    } buttons[] = {
        {"RzToolButton2", "公司起名", "公司起名、商铺起名、品牌命名等都可以起", "名", NamingIndex},
        {"RzToolButton1", "名字分析", "公司名、商铺名、品牌名等都可以分析", "析", AnalysisIndex},
        {"RzToolButton3", "生辰八字", "生辰八字分析及起名建议", "八", ChartIndex},
        {"RzToolButton5", "本日黄历", "本日黄道吉日", "历", AlmanacIndex},
        {"RzToolButton6", "解梦大全", "常用工具解梦大全", "梦", DreamIndex},
        {"RzToolButton7", "功能大全", "常用黄道吉日、缘分大全、民俗预测、数字吉祥等功能", "具", ToolsIndex},
    };
    for (const auto& b : buttons) {
        const int number = static_cast<int>(m_pageButtons.size()) + 1;
        QToolButton* button = ToolButton(b.name, QString::fromUtf8(b.label), QString::fromUtf8(b.hint),
                                         QString::fromUtf8(b.seal), gold, number);
        button->setParent(row);
        button->setProperty("page", b.page);
        rowLayout->addWidget(button);
        m_pageButtons.push_back(button);
    }
    rowLayout->addStretch();

    // The white panel with the page control; its tab row is never shown.
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("PanelPages"));
    panel->setGeometry(5, 124, 790, 456);
    panel->setAutoFillBackground(true);
    panel->setStyleSheet(QStringLiteral("#PanelPages { background: white; border-radius: 4px; }"));
    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->setContentsMargins(2, 2, 2, 2);
    m_pages = new QStackedWidget(panel);
    m_pages->setObjectName(QStringLiteral("RzPageControl1"));
    panelLayout->addWidget(m_pages);

    m_naming = new NamingPage(*m_store, m_pages);
    m_analysis = new AnalysisPage(*m_store, m_pages);
    m_chart = new ChartPage(*m_store, m_pages);
    m_pages->addWidget(m_naming);
    m_pages->addWidget(m_analysis);
    m_pages->addWidget(m_chart);
    m_almanac = new AlmanacPage(*m_store, m_pages);
    m_pages->addWidget(m_almanac);
    m_dreams = new DreamPage(*m_store, m_pages);
    m_pages->addWidget(m_dreams);
    m_about = new AboutPage(*m_store, m_contacts, m_pages);
    m_pages->addWidget(m_about);
    const auto showAbout = [this](bool help) {
        m_pages->setCurrentWidget(m_about);
        help ? m_about->ShowHelp() : m_about->ShowStart();
    };
    // The lucky-day window starts from the birth of the representative on the naming page.
    const auto representative = [this] { return m_naming->Fields().Input(); };
    m_almanac->SetRepresentative(representative);
    m_pages->addWidget(CreateToolsPage(*m_store, m_contacts, showAbout, representative, m_pages));
    m_pages->setCurrentIndex(NamingIndex);

    // The button of the page shown is marked, whichever way the page was chosen.
    connect(m_pages, &QStackedWidget::currentChanged, this, &TFrmIndex::MarkCurrentPage);
    for (QToolButton* button : m_pageButtons) {
        const int page = button->property("page").toInt();
        connect(button, &QToolButton::clicked, this, [this, page] {
            m_pages->setCurrentIndex(page);
            // 本日黄道吉日 shows the almanac of the day in the page's boxes at once (today's, after start).
            if (page == AlmanacIndex)
                m_almanac->BtnHuangliClick();
            MarkCurrentPage();
        });
    }
    MarkCurrentPage();

    connect(about, &QToolButton::clicked, this, [showAbout] { showAbout(false); });
    connect(site, &QToolButton::clicked, this, [this, showAbout] {
        if (m_contacts.website.isEmpty())
            showAbout(true);
        else
            OpenAddress(this, m_contacts.website);
    });
    connect(minimise, &QToolButton::clicked, this, &TFrmIndex::RzToolButton11Click);
    connect(close, &QToolButton::clicked, this, &TFrmIndex::RzToolButton12Click);
    connect(m_analysis, &AnalysisPage::BackToNaming, this, [this] { m_pages->setCurrentIndex(NamingIndex); });
}

TFrmIndex::~TFrmIndex() = default;

QToolButton* TFrmIndex::ToolButton(const char* name, const QString& label, const QString& hint, const QString& seal,
                                   const QColor& color, int number) {
    auto* b = new QToolButton(this);
    b->setObjectName(QString::fromUtf8(name));
    b->setText(label);
    b->setToolTip(QStringLiteral("%1（Alt+%2）").arg(hint).arg(number));
    b->setIcon(artwork::SealIcon(seal, color));
    b->setIconSize(QSize(48, 48));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setAutoRaise(true);
    b->setCheckable(true);
    b->setFixedSize(96, 84);
    // The label stays white on the red background: a hover or a press only tints the button, and the
    // current page's button carries a darker plate with a gold rim.
    b->setStyleSheet(QStringLiteral(
        "QToolButton { color: white; font-size: 10pt; border: 1px solid transparent; border-radius: 8px;"
        " background: transparent; }"
        "QToolButton:hover { background: rgba(255, 255, 255, 40); border-color: rgba(255, 233, 192, 110); }"
        "QToolButton:pressed { background: rgba(60, 0, 0, 90); }"
        "QToolButton:checked { background: rgba(90, 10, 0, 110); border-color: #ffd27a; color: #fff4d6; }"
        "QToolButton:checked:hover { background: rgba(110, 20, 0, 120); }"));
    auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | static_cast<Qt::Key>(Qt::Key_0 + number)), this);
    connect(shortcut, &QShortcut::activated, b, &QToolButton::click);
    return b;
}

void TFrmIndex::MarkCurrentPage() {
    for (QToolButton* button : m_pageButtons)
        button->setChecked(button->property("page").toInt() == m_pages->currentIndex());
}

void TFrmIndex::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    artwork::PaintBackground(painter, rect());
}

void TFrmIndex::RzToolButton11Click() { showMinimized(); }

void TFrmIndex::RzToolButton12Click() {
    m_store->Close();
    // Lock files that an older engine may have left beside the data files.
    for (const char* lock : {"Zelmar.ldb", "dream.ldb", "Tgcode.ldb", "OrvBirth.ldb"})
        QFile::remove(QString::fromStdString(m_store->Directory()) + QString::fromUtf8(lock));
    close();
}

void TFrmIndex::closeEvent(QCloseEvent* event) {
    m_store->Close();
    QWidget::closeEvent(event);
}

} // namespace korvani::app
