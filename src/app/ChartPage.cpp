#include "app/ChartPage.h"

#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/EnterKey.h"
#include "app/ReportPage.h"
#include "reports/BirthChartReport.h"

namespace korvani::app {

ChartPage::ChartPage(data::DataStore& store, QWidget* parent) : QWidget(parent), m_store(store) {
    setObjectName(QStringLiteral("TabSheet2"));
    auto* layout = new QVBoxLayout(this);
    m_report = new ReportPage({QStringLiteral("RzButton2"), QStringLiteral("分析"), QStringLiteral("RzBitBtn7"),
                               QStringLiteral("RzBitBtn8"), QStringLiteral("Memo1")},
                              false, QPageSize::Letter, this);
    auto* box = new QGroupBox(QStringLiteral("出生信息"), m_report);
    auto* grid = new QGridLayout(box);
    m_fields = BirthFields::Create(box, grid, 0, QStringLiteral("2"));
    m_report->Inputs()->addWidget(box);
    m_report->Buttons()->addStretch();
    layout->addWidget(m_report);

    m_report->SetReport(
        [this] { return reports::BuildBirthChartReport(m_store, m_fields.Input(), QDate::currentDate().year()); });
    m_report->SetFocusField([this](base::InputField field) { return m_fields.Field(field); });
    // Enter in any of the birth fields writes the report, as 分析 does.
    RunOnEnter(m_report, m_report->RunButton());
    m_report->SetSaveName([this] {
        return m_fields.surname->text().trimmed() + m_fields.givenName->text().trimmed() + QStringLiteral("的八字");
    });
}

void ChartPage::RzButton2Click() { m_report->Run(); }

} // namespace korvani::app
