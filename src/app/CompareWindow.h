#pragma once

#include <QDialog>
#include <vector>

#include "data/DataStore.h"
#include "naming/Shortlist.h"

class QTableWidget;

namespace korvani::app {

// The comparison window (名称对比): two to four kept names side by side, one column each, one row
// per point of comparison (the grids with their verdicts, the elements, the explained score, the
// meanings of the characters, the birth data).
class TFrmCompare : public QDialog {
    Q_OBJECT

public:
    TFrmCompare(data::DataStore& store, const std::vector<naming::ShortlistEntry>& entries, QWidget* parent = nullptr);
    QTableWidget* Table() const { return m_table; }

    static constexpr int kFewest = 2;
    static constexpr int kMost = 4;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QTableWidget* m_table;
};

} // namespace korvani::app
