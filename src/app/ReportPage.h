#pragma once

#include <QPageSize>
#include <QString>
#include <QWidget>
#include <functional>

#include "base/ReportTypes.h"

class QHBoxLayout;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

namespace korvani::app {

// A page that writes a report: an inputs area on top, the run, print and save buttons, and the
// memo. The page runs its report maker on the run button, shows the lines or the input check's
// message (moving the focus to the field it names), prints on the page's paper and saves as GBK
// text under the name the page proposes. A page without a save name has no save button; a memo
// group title puts the memo in a titled box.
class ReportPage : public QWidget {
    Q_OBJECT

public:
    struct Names {
        QString run, runText, print, save, memo;
        QString memoGroup = {};
    };
    ReportPage(const Names& names, bool editableMemo, QPageSize::PageSizeId paper, QWidget* parent = nullptr);

    // The area above the buttons where the page puts its input groups.
    QVBoxLayout* Inputs() const { return m_inputs; }
    QHBoxLayout* Buttons() const { return m_buttons; }
    QPlainTextEdit* Memo() const { return m_memo; }
    QPushButton* RunButton() const { return m_run; }
    // The row that holds the memo (or its box), for what a page shows beside it.
    QHBoxLayout* MemoRow() const { return m_memoRow; }

    void SetReport(std::function<base::ReportOutcome()> make);
    void SetFocusField(std::function<QWidget*(base::InputField)> field);
    void SetSaveName(std::function<QString()> name);

    // Writes the report (the run button's handler).
    void Run();

private:
    QVBoxLayout* m_inputs;
    QHBoxLayout* m_buttons;
    QHBoxLayout* m_memoRow;
    QPushButton* m_run;
    QPlainTextEdit* m_memo;
    std::function<base::ReportOutcome()> m_make;
    std::function<QWidget*(base::InputField)> m_field = [](base::InputField) { return nullptr; };
    std::function<QString()> m_saveName = [] { return QString(); };
};

} // namespace korvani::app
