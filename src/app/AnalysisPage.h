#pragma once

#include <QDialog>
#include <QWidget>

#include "app/CompanyNameForm.h"

class QLabel;

namespace korvani::app {

// The analysis page (名字分析): the company-name report of the representative and the name.
class AnalysisPage : public QWidget {
    Q_OBJECT

public:
    AnalysisPage(data::DataStore& store, QWidget* parent = nullptr);
    CompanyNameForm* Form() const { return m_form; }
    // "分析".
    void ButtonNameClick() { m_form->RunReport(); }

signals:
    // "返回起名": back to the naming page.
    void BackToNaming();

private:
    CompanyNameForm* m_form;
};

// The name-analysis window (名称分析), opened from the results grid with a candidate: it writes its
// report as soon as it is shown when surname, given name and short name are filled.
class TFrmNamemain : public QDialog {
    Q_OBJECT

public:
    TFrmNamemain(data::DataStore& store, QWidget* parent = nullptr);
    CompanyNameForm* Form() const { return m_form; }
    // "名称分析".
    void RzButton1Click() { m_form->RunReport(); }
    // How the candidate's 总体评分 came about, above the report, for the short name shown now; empty
    // hides it, and so does another short name typed in its place.
    void SetScoreNote(const QString& note);

protected:
    void showEvent(QShowEvent* event) override;

private:
    CompanyNameForm* m_form;
    QLabel* m_glosses;   // the meanings of the body's characters, above the report
    QLabel* m_score;     // the explained score of a candidate of the naming page
    QString m_scoreBody; // the short name the explanation is of
};

// The values a candidate carries into the window: the representative's birth input as the naming
// page holds it, and the name with the candidate's body.
struct NameAnalysisValues {
    chart::BirthInput birth;
    reports::CompanyNameParts name;
    std::string scoreNote; // the explained score, when the name comes with one
};

// Fills a new name-analysis window with the values and shows it modally.
void OpenNameAnalysisWindow(data::DataStore& store, QWidget* parent, const NameAnalysisValues& values);

} // namespace korvani::app
