#include "app/CandidateGridModel.h"

namespace korvani::app {

QVariant CandidateGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::ToolTipRole && index.column() == kBodyColumn && m_glosses) {
        const QString body = Cell(index.row(), index.column());
        return body.isEmpty() ? QVariant() : QVariant(m_glosses(body));
    }
    if (role == Qt::ToolTipRole && index.column() == kScoreColumn && m_scoreNotes) {
        if (index.row() >= static_cast<int>(m_rows.size()))
            return {};
        return m_scoreNotes(m_rows[static_cast<std::size_t>(index.row())]);
    }
    if (role != Qt::DisplayRole)
        return {};
    return Cell(index.row(), index.column());
}

QVariant CandidateGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= 9)
        return {};
    return QString::fromUtf8(naming::kGridHeadings[section].data(),
                             static_cast<qsizetype>(naming::kGridHeadings[section].size()));
}

void CandidateGridModel::SetPage(std::vector<naming::GridRow> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

QString CandidateGridModel::Cell(int row, int column) const {
    if (row < 0 || row >= static_cast<int>(m_rows.size()) || column < 0 || column >= 9)
        return {};
    return QString::fromStdString(m_rows[row][column]);
}

} // namespace korvani::app
