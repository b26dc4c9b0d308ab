#pragma once

#include <QWidget>

#include "data/DataStore.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;

namespace korvani::app {

class ReportPage;

// The almanac page (本日黄历): the date boxes SlYear, SlMonth and Slday (set to today), 查看
// (BtnHuangli) and 打印 (RzBitBtn13), the result memo MemoHuangli, the hidden overview label Label61
// and the glossary Memo3.
class AlmanacPage : public QWidget {
    Q_OBJECT

public:
    explicit AlmanacPage(data::DataStore& store, QWidget* parent = nullptr);

    // "查看": shows the almanac of the day in the boxes. A day the almanac has no row for leaves
    // the memo and Label61 as they were.
    void BtnHuangliClick();

private:
    data::DataStore& m_store;
    QComboBox* m_year;
    QComboBox* m_month;
    QComboBox* m_day;
    QLabel* m_overview;
    ReportPage* m_report;
};

} // namespace korvani::app
