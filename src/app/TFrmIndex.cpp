#include "app/TFrmIndex.h"

#include "app/Fonts.h"

#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QToolButton>
#include <QUrl>
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

    // The small buttons at the top right.
    const auto small = [&](const char* name, const QString& text, const QString& hint, int x) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromUtf8(name));
        b->setText(text);
        b->setToolTip(hint);
        b->setAutoRaise(true);
        b->setStyleSheet(QStringLiteral("QToolButton { color: #ffe9c0; font-weight: bold; }"));
        b->setGeometry(x, 0, 30, 20);
        return b;
    };
    QToolButton* site = small("RzToolButton9", QStringLiteral("网"), QStringLiteral("官方网站"), 668);
    QToolButton* about = small("RzToolButton10", QStringLiteral("?"), QStringLiteral("其他功能"), 700);
    QToolButton* minimise = small("RzToolButton11", QStringLiteral("—"), QStringLiteral("最小化"), 734);
    QToolButton* close = small("RzToolButton12", QStringLiteral("×"), QStringLiteral("关闭"), 766);

    // The row of tool buttons, each with its painted label as a real text.
    auto* row = new QWidget(this);
    row->setGeometry(10, 22, 780, 88);
    auto* rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    const QColor gold(0xb8, 0x86, 0x0b);
    QToolButton* naming =
        ToolButton("RzToolButton2", QStringLiteral("公司起名"),
                   QStringLiteral("公司起名、商铺起名、品牌命名等都可以起"), QStringLiteral("名"), gold);
    QToolButton* analysis =
        ToolButton("RzToolButton1", QStringLiteral("名字分析"), QStringLiteral("公司名、商铺名、品牌名等都可以分析"),
                   QStringLiteral("析"), gold);
    QToolButton* chart = ToolButton("RzToolButton3", QStringLiteral("生辰八字"),
                                    QStringLiteral("生辰八字分析及起名建议"), QStringLiteral("八"), gold);
    QToolButton* almanac = ToolButton("RzToolButton5", QStringLiteral("本日黄历"), QStringLiteral("本日黄道吉日"),
                                      QStringLiteral("历"), gold);
    QToolButton* dreams = ToolButton("RzToolButton6", QStringLiteral("解梦大全"), QStringLiteral("常用工具解梦大全"),
                                     QStringLiteral("梦"), gold);
    QToolButton* tools =
        ToolButton("RzToolButton7", QStringLiteral("功能大全"),
                   QStringLiteral("常用黄道吉日、缘分大全、民俗预测、数字吉祥等功能"), QStringLiteral("具"), gold);
    for (QToolButton* b : {naming, analysis, chart, almanac, dreams, tools}) {
        b->setParent(row);
        rowLayout->addWidget(b);
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
    m_pages->addWidget(CreateAboutPage(m_pages));
    // The lucky-day window starts from the birth of the representative on the naming page.
    const auto representative = [this] { return m_naming->Fields().Input(); };
    m_almanac->SetRepresentative(representative);
    m_pages->addWidget(CreateToolsPage(*m_store, representative, m_pages));
    m_pages->setCurrentIndex(NamingIndex);

    const auto show = [this](int index) { return [this, index] { m_pages->setCurrentIndex(index); }; };
    connect(naming, &QToolButton::clicked, this, show(NamingIndex));
    connect(analysis, &QToolButton::clicked, this, show(AnalysisIndex));
    connect(chart, &QToolButton::clicked, this, show(ChartIndex));
    // 本日黄道吉日 shows the almanac of the day in the page's boxes at once (today's, after start).
    connect(almanac, &QToolButton::clicked, this, [this] {
        m_pages->setCurrentIndex(AlmanacIndex);
        m_almanac->BtnHuangliClick();
    });
    connect(dreams, &QToolButton::clicked, this, show(DreamIndex));
    connect(tools, &QToolButton::clicked, this, show(ToolsIndex));
    connect(about, &QToolButton::clicked, this, show(AboutIndex));
    connect(site, &QToolButton::clicked, this, [] { QDesktopServices::openUrl(QUrl(contacts::WebSite())); });
    connect(minimise, &QToolButton::clicked, this, &TFrmIndex::RzToolButton11Click);
    connect(close, &QToolButton::clicked, this, &TFrmIndex::RzToolButton12Click);
    connect(m_analysis, &AnalysisPage::BackToNaming, this, show(NamingIndex));
}

TFrmIndex::~TFrmIndex() = default;

QToolButton* TFrmIndex::ToolButton(const char* name, const QString& label, const QString& hint, const QString& seal,
                                   const QColor& color) {
    auto* b = new QToolButton(this);
    b->setObjectName(QString::fromUtf8(name));
    b->setText(label);
    b->setToolTip(hint);
    b->setIcon(artwork::SealIcon(seal, color));
    b->setIconSize(QSize(48, 48));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setAutoRaise(true);
    b->setFixedSize(96, 84);
    b->setStyleSheet(QStringLiteral("QToolButton { color: white; font-size: 10pt; }"));
    return b;
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
