#include "app/ChartPage.h"

#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/PageCommand.h"
#include "reports/BirthChartReport.h"

namespace korvani::app {

ChartPage::ChartPage(data::DataStore& store, QWidget* parent) : QWidget(parent), m_store(store) {
    setObjectName(QStringLiteral("TabSheet2"));
    auto* layout = new QVBoxLayout(this);
    auto* box = new QGroupBox(QStringLiteral("出生信息"), this);
    auto* grid = new QGridLayout(box);
    m_fields = BirthFields::Create(box, grid, 0, QStringLiteral("2"));
    layout->addWidget(box);

    auto* buttons = new QHBoxLayout;
    const auto button = [&](const char* name, const char* text) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QString::fromUtf8(name));
        buttons->addWidget(b);
        return b;
    };
    QPushButton* run = button("RzButton2", "分析");
    QPushButton* print = button("RzBitBtn7", "打印");
    QPushButton* save = button("RzBitBtn8", "保存");
    buttons->addStretch();
    layout->addLayout(buttons);

    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setReadOnly(true);
    layout->addWidget(m_memo, 1);

    connect(run, &QPushButton::clicked, this, &ChartPage::RzButton2Click);
    connect(print, &QPushButton::clicked, this, [this] { PrintReport(this, m_memo, QPageSize::Letter); });
    connect(save, &QPushButton::clicked, this, [this] {
        SaveReport(this, m_memo,
                   m_fields.surname->text().trimmed() + m_fields.givenName->text().trimmed() +
                       QStringLiteral("的八字"));
    });
}

void ChartPage::RzButton2Click() {
    RunCommand(this, [this] {
        const auto outcome = reports::BuildBirthChartReport(m_store, m_fields.Input(), QDate::currentDate().year());
        ShowOutcome(this, m_memo, outcome, [this](base::InputField field) { return m_fields.Field(field); });
    });
}

} // namespace korvani::app
