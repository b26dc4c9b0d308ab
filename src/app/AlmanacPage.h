#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

#include "chart/BirthInput.h"
#include "data/DataStore.h"

class QComboBox;
class QDialog;
class QLabel;
class QPlainTextEdit;

namespace korvani::app {

class ReportPage;

// The almanac page (本日黄历): the date boxes SlYear, SlMonth and Slday (set to today), 查看
// (BtnHuangli) and 打印 (RzBitBtn13), the result memo MemoHuangli, the hidden overview label Label61
// and the glossary Memo3; 择吉日 (BtnZeji) opens the lucky-day window for the representative.
class AlmanacPage : public QWidget {
    Q_OBJECT

public:
    explicit AlmanacPage(data::DataStore& store, QWidget* parent = nullptr);

    // "查看": shows the almanac of the day in the boxes. A day the almanac has no row for leaves
    // the memo and Label61 as they were.
    void BtnHuangliClick();
    // "择吉日": the lucky-day window, modal, for the representative that `representative` gives
    // (the naming page's birth fields); a window left over from the last opening is freed first.
    void BtnZejiClick();
    void SetRepresentative(std::function<chart::BirthInput()> representative) {
        m_representative = std::move(representative);
    }

private:
    data::DataStore& m_store;
    QComboBox* m_year;
    QComboBox* m_month;
    QComboBox* m_day;
    QLabel* m_overview;
    ReportPage* m_report;
    std::function<chart::BirthInput()> m_representative = [] { return chart::BirthInput(); };
    QPointer<QDialog> m_luckyDays;
};

} // namespace korvani::app
