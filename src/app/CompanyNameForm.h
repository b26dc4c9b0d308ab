#pragma once

#include <QPageSize>
#include <QWidget>

#include "app/BirthFields.h"
#include "data/DataStore.h"
#include "reports/CompanyNameReport.h"

class QHBoxLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace korvani::app {

// The width of the region prefix and industry suffix fields, in Chinese characters.
inline constexpr int kAffixFieldCharacters = 20;

// The inputs and the memo of the company-name analysis, as the analysis page and the name-analysis
// window both show them: the representative's row, 地区前缀, 企业简称, 行业后缀, the buttons and RzMemo1.
class CompanyNameForm : public QWidget {
    Q_OBJECT

public:
    // `suffix` ends the object names of the fields ("3" on the analysis page); `runName` and
    // `runText` name the button that writes the report.
    CompanyNameForm(data::DataStore& store, const QString& suffix, const QString& runName, const QString& runText,
                    bool editableMemo, QPageSize::PageSizeId paper, QWidget* parent = nullptr);

    BirthFields& Fields() { return m_fields; }
    QLineEdit* Prefix() const { return m_prefix; }
    QLineEdit* ShortName() const { return m_shortName; }
    QLineEdit* Suffix() const { return m_suffix; }
    QPlainTextEdit* Memo() const;
    QHBoxLayout* Buttons() const;
    QPushButton* RunButton() const;

    // Writes the report (the run button's handler).
    void RunReport();

private:
    data::DataStore& m_store;
    BirthFields m_fields;
    QLineEdit* m_prefix;
    QLineEdit* m_shortName;
    QLineEdit* m_suffix;
    class ReportPage* m_report;
};

} // namespace korvani::app
