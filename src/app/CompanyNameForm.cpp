#include "app/CompanyNameForm.h"

#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/EnterKey.h"
#include "app/Fonts.h"
#include "app/GbkLengthValidator.h"
#include "app/HintLabel.h"
#include "app/ReportPage.h"

namespace korvani::app {

CompanyNameForm::CompanyNameForm(data::DataStore& store, const QString& suffix, const QString& runName,
                                 const QString& runText, bool editableMemo, QPageSize::PageSizeId paper,
                                 QWidget* parent)
    : QWidget(parent), m_store(store) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    m_report = new ReportPage(
        {runName, runText, QStringLiteral("RzBitBtnprint"), QStringLiteral("BitBtnsave"), QStringLiteral("RzMemo1")},
        editableMemo, paper, this);
    outer->addWidget(m_report);
    QVBoxLayout* layout = m_report->Inputs();
    auto* person = new QGroupBox(QStringLiteral("企业法人"), m_report);
    auto* personGrid = new QGridLayout(person);
    m_fields = BirthFields::Create(person, personGrid, 0, suffix);
    layout->addWidget(person);

    auto* names = new QGroupBox(QStringLiteral("企业名称"), m_report);
    auto* grid = new QGridLayout(names);
    // The three fields alike wide, with room for a long region or trade.
    const auto field = [&](int row, const char* caption, const QString& name, std::size_t bytes, int characters,
                           const char* hint) {
        grid->addWidget(new QLabel(QString::fromUtf8(caption), names), row, 0);
        auto* edit = new QLineEdit(names);
        edit->setObjectName(name);
        edit->setValidator(new GbkLengthValidator(static_cast<int>(bytes), edit));
        edit->setFixedWidth(WidthForCharacters(edit->fontMetrics(), characters));
        grid->addWidget(edit, row, 1);
        grid->addWidget(new HintLabel(QString::fromUtf8(hint), names), row, 2);
        return edit;
    };
    m_prefix =
        field(0, "地区前缀", QStringLiteral("NameBegin") + suffix, reports::kAffixMaxBytes, kAffixFieldCharacters,
              "如企业名称：【成都三好科技有限公司】的【成都】代表企业行政所在地，也可以不设置");
    m_shortName = field(1, "企业简称", QStringLiteral("Namezhi1") + suffix, reports::kShortNameMaxBytes,
                        kAffixFieldCharacters, "如企业名称：【成都三好科技有限公司】的【三好】代表企业简称，必须填写");
    m_suffix = field(2, "行业后缀", QStringLiteral("NameEnd") + suffix, reports::kAffixMaxBytes, kAffixFieldCharacters,
                     "店铺或企业的行业名称：如科技有限公司、服务中心、研究院、服装店、宾馆、健身房等");
    grid->setColumnStretch(2, 1);
    layout->addWidget(names);

    m_report->SetReport([this] {
        const reports::CompanyNameParts name{m_prefix->text().toStdString(), m_shortName->text().toStdString(),
                                             m_suffix->text().toStdString()};
        return reports::BuildCompanyNameReport(m_store, m_fields.Input(), name, QDate::currentDate().year());
    });
    m_report->SetFocusField([this](base::InputField field) -> QWidget* {
        switch (field) {
        case base::InputField::ShortName:
            return m_shortName;
        case base::InputField::Prefix:
            return m_prefix;
        case base::InputField::Suffix:
            return m_suffix;
        default:
            return m_fields.Field(field);
        }
    });
    m_report->SetSaveName(
        [this] { return m_prefix->text().trimmed() + m_shortName->text().trimmed() + m_suffix->text().trimmed(); });
    // Enter in any field writes the report, as the run button does.
    RunOnEnter(m_report, m_report->RunButton());
}

void CompanyNameForm::RunReport() { m_report->Run(); }

QPushButton* CompanyNameForm::RunButton() const { return m_report->RunButton(); }

QPlainTextEdit* CompanyNameForm::Memo() const { return m_report->Memo(); }

QHBoxLayout* CompanyNameForm::Buttons() const { return m_report->Buttons(); }

} // namespace korvani::app
