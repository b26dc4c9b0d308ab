#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <exception>
#include <functional>

#include "app/ReportOutput.h"
#include "base/Errors.h"
#include "base/ReportTypes.h"

namespace korvani::app {

// Runs the command of a button. A text that is no date or number, or an unreadable data file, ends
// it with the program's error box; a silent abort (the bone weights) ends it quietly. What the page
// showed before stays.
template <typename Command> void RunCommand(QWidget* parent, Command&& command) {
    try {
        command();
    } catch (const CommandAbandoned&) {
    } catch (const std::exception& e) {
        ShowError(parent, QString::fromStdString(e.what()));
    }
}

// Shows a report in its memo, or the input check's message in the information box, moving the
// focus to the field it names.
inline void ShowOutcome(QWidget* parent, QPlainTextEdit* memo, const base::ReportOutcome& outcome,
                        const std::function<QWidget*(base::InputField)>& field) {
    if (outcome.message) {
        ShowInfo(parent, QString::fromStdString(outcome.message->text));
        if (QWidget* w = field(outcome.message->focus))
            w->setFocus();
        return;
    }
    SetReportLines(memo, outcome.lines);
}

} // namespace korvani::app
