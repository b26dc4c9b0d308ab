#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>
#include <vector>

#include "data/DataStore.h"

class QTableWidget;

namespace korvani::app {

class ShortlistKeeper;
class TFrmCompare;

// Asks the user to confirm a step that cannot be undone; replaced in tests.
using ConfirmDialog = std::function<bool(QWidget* parent, const QString& title, const QString& text)>;
void SetConfirmDialog(ConfirmDialog dialog);
bool Confirm(QWidget* parent, const QString& title, const QString& text);

// The shortlist window (收藏夹): the kept names of every run with their strokes, elements, score and
// the birth data they were scored for. The chosen names can be removed (删除, the Delete key),
// compared (对比, two to four), opened in the name-analysis window (查看详细, a double click); the
// list can be cleared (清空, after a question), sorted by score, exported as CSV, printed and saved
// as a report. It follows the list while it is open, as names are added from the naming page.
class TFrmShortlist : public QDialog {
    Q_OBJECT

public:
    TFrmShortlist(data::DataStore& store, ShortlistKeeper& keeper, QWidget* parent = nullptr);

    QTableWidget* Table() const { return m_table; }
    // The positions in the list of the chosen rows, in list order.
    std::vector<std::size_t> ChosenRows() const;
    // The comparison window last opened, if it is still open.
    TFrmCompare* Compare() const;

    void RemoveClick();
    void ClearClick();
    void SortClick();
    void CompareClick();
    void DetailsClick();
    void ExportClick();
    void PrintClick();
    void SaveClick();

    // Shows the list as it is now.
    void Refresh();

    static constexpr int kScoreColumn = 7;

private:
    data::DataStore& m_store;
    ShortlistKeeper& m_keeper;
    QTableWidget* m_table;
    QPointer<TFrmCompare> m_compare;
};

} // namespace korvani::app
