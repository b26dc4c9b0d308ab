#pragma once

#include <QTableView>

namespace korvani::app {

// The results grid's view (RzStringGrid1): its nine columns always fit the width, the numeric ones at
// least as wide as their headings and 企业名称 and 企业繁体字 sharing the rest, so there is no
// horizontal scrolling. A cell whose text is cut shows it whole in its tooltip, before what the model
// says of the cell. Tab leaves the grid; the arrows move within it.
class CandidateGridView : public QTableView {
    Q_OBJECT

public:
    explicit CandidateGridView(QWidget* parent = nullptr);

    // The tooltip of a cell: its whole text when the column cuts it, and the model's tooltip.
    QString CellToolTip(const QModelIndex& index) const;
    // Whether the column shows less than the whole text of the cell.
    bool IsCut(const QModelIndex& index) const;
    // Back to the first row with nothing chosen, as a new page starts.
    void StartPage();

protected:
    bool viewportEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitColumns();
};

} // namespace korvani::app
