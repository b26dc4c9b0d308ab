#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "almanac/LuckyDays.h"

namespace korvani::app {

// The list of the lucky-day window over the days a search found: date, weekday, lunar date, day
// spirit with its path, officer, score and reasons. Yellow-path days show their spirit in red, as
// almanacs print them.
class LuckyDayModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;
    static constexpr int kColumns = 7;
    static constexpr int kReasonsColumn = 6;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : kColumns; }
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void SetDays(std::vector<almanac::LuckyDay> days);
    void Order(almanac::LuckyDayOrder order);
    const std::vector<almanac::LuckyDay>& Days() const { return m_days; }
    // The text of a cell, empty outside the list.
    QString Cell(int row, int column) const;

private:
    std::vector<almanac::LuckyDay> m_days;
};

} // namespace korvani::app
