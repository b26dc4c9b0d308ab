#pragma once

#include <QDialog>
#include <QStringList>
#include <optional>
#include <string>

#include "almanac/LuckyDays.h"
#include "app/BirthFields.h"
#include "data/DataStore.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPlainTextEdit;
class QTableView;

namespace korvani::app {

class LuckyDayModel;

// 择吉日: the days of a span that suit an affair of the business (开市 by default), without those
// that clash with the representative's zodiac animal, best first. The inputs: the affair
// (CBActivity), the span (DateFrom, DateTo: today and the next 90 days), the representative's birth
// moment (ComDateZ, SYearZ, SMonthZ, SdayZ, ShourZ, CBFenZ, filled from the naming page) and whether
// to avoid clashes with it (CBAvoidClash). 查找 (BtnFind) fills the list GridDays and the note
// LabelNote; CBByDate orders the list by date instead of score; choosing a day shows its almanac
// entry in MemoDay; 打印 (BtnPrint) and 保存 (BtnSave) print and save the list. The window frees
// itself when it is closed.
class TFrmLuckyDays : public QDialog {
    Q_OBJECT

public:
    TFrmLuckyDays(data::DataStore& store, const chart::BirthInput& representative, QWidget* parent = nullptr);

    BirthFields& Fields() { return m_fields; }
    LuckyDayModel* Model() const { return m_model; }
    QTableView* Grid() const { return m_grid; }

    // "查找".
    void BtnFindClick();
    // "打印" and "保存" of the list.
    void BtnPrintClick();
    void BtnSaveClick();
    // The list of the last search as it prints and saves, in the order shown; empty before a search.
    QStringList ReportLines() const;

private:
    struct Search {
        base::CivilDate from;
        base::CivilDate to;
        std::string activity;
        std::optional<chart::FourPillars> representative;
        almanac::LuckyDayTally tally;
    };

    void ShowDay(int row);
    void Reorder();

    data::DataStore& m_store;
    QComboBox* m_activity;
    QDateEdit* m_from;
    QDateEdit* m_to;
    QCheckBox* m_avoidClash;
    BirthFields m_fields;
    QCheckBox* m_byDate;
    QLabel* m_note;
    QTableView* m_grid;
    QPlainTextEdit* m_day;
    LuckyDayModel* m_model;
    std::optional<Search> m_last;
};

} // namespace korvani::app
