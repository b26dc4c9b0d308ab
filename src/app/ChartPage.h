#pragma once

#include <QWidget>

#include "app/BirthFields.h"
#include "data/DataStore.h"

class QPlainTextEdit;
class QPushButton;

namespace korvani::app {

// The birth-chart page (生辰八字): the representative's birth data and the report memo Memo1.
class ChartPage : public QWidget {
    Q_OBJECT

public:
    ChartPage(data::DataStore& store, QWidget* parent = nullptr);
    BirthFields& Fields() { return m_fields; }

    // "分析": writes the birth-chart report.
    void RzButton2Click();

private:
    data::DataStore& m_store;
    BirthFields m_fields;
    class ReportPage* m_report;
};

} // namespace korvani::app
