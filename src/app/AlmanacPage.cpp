#include "app/AlmanacPage.h"

#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "almanac/AlmanacGlossary.h"
#include "almanac/DailyAlmanac.h"
#include "app/EnterKey.h"
#include "app/ReportPage.h"
#include "app/TFrmLuckyDays.h"
#include "base/Errors.h"

namespace korvani::app {

namespace {

// The almanac's span of years.
constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2100;

QStringList Numbers(int first, int last, int width) {
    QStringList list;
    for (int i = first; i <= last; ++i)
        list << QStringLiteral("%1").arg(i, width, 10, QLatin1Char('0'));
    return list;
}

} // namespace

AlmanacPage::AlmanacPage(data::DataStore& store, QWidget* parent) : QWidget(parent), m_store(store) {
    setObjectName(QStringLiteral("TabSheet5"));
    auto* layout = new QVBoxLayout(this);
    m_report = new ReportPage({QStringLiteral("BtnHuangli"), QStringLiteral("查看"), QStringLiteral("RzBitBtn13"),
                               QString(), QStringLiteral("MemoHuangli"), QStringLiteral("测算结果：")},
                              false, QPageSize::Letter, this);
    layout->addWidget(m_report);

    // The boxes stand in the row of the buttons, before them; each also takes typed text.
    const QDate today = QDate::currentDate();
    int position = 0;
    const auto box = [&](const char* name, const QStringList& items, const QString& current, const char* unit) {
        auto* combo = new QComboBox(m_report);
        combo->setObjectName(QString::fromUtf8(name));
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->addItems(items);
        combo->setCurrentText(current);
        m_report->Buttons()->insertWidget(position++, combo);
        m_report->Buttons()->insertWidget(position++, new QLabel(QString::fromUtf8(unit), m_report));
        return combo;
    };
    m_year = box("SlYear", Numbers(kFirstYear, kLastYear, 4), today.toString(QStringLiteral("yyyy")), "年");
    m_month = box("SlMonth", Numbers(1, 12, 2), today.toString(QStringLiteral("MM")), "月");
    m_day = box("Slday", Numbers(1, 31, 2), today.toString(QStringLiteral("dd")), "日");
    auto* luckyDays = new QPushButton(QStringLiteral("择吉日"), m_report);
    luckyDays->setObjectName(QStringLiteral("BtnZeji"));
    luckyDays->setToolTip(QStringLiteral("按法人的生辰，挑选开市、立券、挂匾、入宅等事的吉日"));
    m_report->Buttons()->addWidget(luckyDays);
    connect(luckyDays, &QPushButton::clicked, this, &AlmanacPage::BtnZejiClick);
    m_report->Buttons()->addStretch();

    m_overview = new QLabel(m_report);
    m_overview->setObjectName(QStringLiteral("Label61"));
    m_overview->hide();

    auto* glossaryBox = new QGroupBox(QStringLiteral("黄历名词解释："), m_report);
    auto* glossary = new QPlainTextEdit(glossaryBox);
    glossary->setObjectName(QStringLiteral("Memo3"));
    glossary->setReadOnly(true);
    QStringList lines;
    for (const std::string& line : almanac::AlmanacGlossaryLines())
        lines << QString::fromStdString(line);
    glossary->setPlainText(lines.join(QLatin1Char('\n')));
    (new QVBoxLayout(glossaryBox))->addWidget(glossary);
    m_report->MemoRow()->addWidget(glossaryBox);
    m_report->MemoRow()->setStretch(0, 3);
    m_report->MemoRow()->setStretch(1, 2);

    m_report->SetReport([this] {
        const almanac::AlmanacOutcome outcome =
            almanac::LookUpAlmanac(m_store, {m_year->currentText().toStdString(), m_month->currentText().toStdString(),
                                             m_day->currentText().toStdString()});
        if (outcome.message)
            return base::ReportOutcome{outcome.message, {}};
        if (!outcome.entry) // no row for the day: the command ends quietly and the page keeps what it showed
            throw CommandAbandoned();
        m_overview->setText(QString::fromStdString(outcome.entry->overview));
        return base::ReportOutcome{std::nullopt, outcome.entry->lines};
    });
    // Enter in a date box shows the day, as 查看 does.
    RunOnEnter(m_report, m_report->RunButton());
}

void AlmanacPage::BtnHuangliClick() { m_report->Run(); }

void AlmanacPage::BtnZejiClick() {
    delete m_luckyDays.data();
    m_luckyDays = new TFrmLuckyDays(m_store, m_representative(), window());
    m_luckyDays->exec();
}

} // namespace korvani::app
