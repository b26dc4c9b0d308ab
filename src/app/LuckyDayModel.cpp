#include "app/LuckyDayModel.h"

#include <QBrush>
#include <QColor>

namespace korvani::app {

int LuckyDayModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_days.size());
}

QVariant LuckyDayModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(m_days.size()))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return Cell(index.row(), index.column());
    case Qt::ToolTipRole:
        return index.column() == kReasonsColumn ? Cell(index.row(), index.column()) : QVariant();
    case Qt::ForegroundRole:
        if (index.column() == 3 && almanac::IsYellowPath(m_days[index.row()].spirit))
            return QBrush(QColor(0xb0, 0x20, 0x20));
        return {};
    case Qt::TextAlignmentRole:
        return index.column() == 5 ? QVariant(Qt::AlignCenter) : QVariant();
    default:
        return {};
    }
}

QVariant LuckyDayModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const kHeadings[kColumns] = {"日期", "星期", "农历", "值神", "建除", "分数", "理由"};
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= kColumns)
        return {};
    return QString::fromUtf8(kHeadings[section]);
}

void LuckyDayModel::SetDays(std::vector<almanac::LuckyDay> days) {
    beginResetModel();
    m_days = std::move(days);
    endResetModel();
}

void LuckyDayModel::Order(almanac::LuckyDayOrder order) {
    beginResetModel();
    almanac::OrderLuckyDays(m_days, order);
    endResetModel();
}

QString LuckyDayModel::Cell(int row, int column) const {
    if (row < 0 || row >= static_cast<int>(m_days.size()))
        return {};
    const almanac::LuckyDay& d = m_days[row];
    switch (column) {
    case 0:
        return QString::fromStdString(base::FormatDate(d.date));
    case 1:
        return QString::fromStdString(d.weekday);
    case 2:
        return QString::fromStdString(d.lunarDate);
    case 3:
        return QString::fromStdString(d.SpiritText());
    case 4:
        return QString::fromStdString(d.OfficerText());
    case 5:
        return QString::number(d.score);
    case 6:
        return QString::fromStdString(d.reasons);
    default:
        return {};
    }
}

} // namespace korvani::app
