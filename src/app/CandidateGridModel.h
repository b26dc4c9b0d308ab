#pragma once

#include <QAbstractTableModel>
#include <functional>
#include <vector>

#include "naming/CandidatePage.h"

namespace korvani::app {

// The results grid over a page of candidates: nine columns, 100 rows, empty past the page.
class CandidateGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;
    static constexpr int kBodyColumn = 4;  // 单位主体
    static constexpr int kScoreColumn = 8; // 总体评分

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : naming::kPageRows; }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 9; }
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void SetPage(std::vector<naming::GridRow> rows);
    // What the 单位主体 cell's tooltip says of a body: its characters' meanings.
    void SetGlosses(std::function<QString(const QString& body)> glosses) { m_glosses = std::move(glosses); }
    // What the 总体评分 cell's tooltip says of a row of the page: how its score adds up.
    void SetScoreNotes(std::function<QString(const naming::GridRow& row)> notes) { m_scoreNotes = std::move(notes); }
    // The rows of the page.
    const std::vector<naming::GridRow>& Rows() const { return m_rows; }
    // The text of a cell, empty for an empty row.
    QString Cell(int row, int column) const;

private:
    std::vector<naming::GridRow> m_rows;
    std::function<QString(const QString&)> m_glosses;
    std::function<QString(const naming::GridRow&)> m_scoreNotes;
};

} // namespace korvani::app
