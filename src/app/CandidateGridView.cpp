#include "app/CandidateGridView.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QHelpEvent>
#include <QScrollBar>
#include <QStyle>
#include <QToolTip>
#include <algorithm>

namespace korvani::app {

namespace {

// The grid's column widths in pixels, 编号 to 总体评分; 企业名称 (1) and 企业繁体字 (2) share what the
// others leave, in this proportion.
constexpr int kColumnWidths[] = {43, 183, 194, 57, 57, 58, 55, 56, 54};
constexpr int kNameColumn = 1;
constexpr int kTraditionalColumn = 2;

} // namespace

CandidateGridView::CandidateGridView(QWidget* parent) : QTableView(parent) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Always there, so that the width the columns share does not change when a page fills the grid.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
}

void CandidateGridView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    FitColumns();
}

void CandidateGridView::FitColumns() {
    if (!model())
        return;
    const QFontMetrics headerMetrics(horizontalHeader()->font());
    const int headerMargin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader()) + 6;
    const int columns = std::min<int>(model()->columnCount(), std::size(kColumnWidths));
    int fixed = 0;
    for (int c = 0; c < columns; ++c) {
        if (c == kNameColumn || c == kTraditionalColumn)
            continue;
        const int heading = headerMetrics.horizontalAdvance(model()->headerData(c, Qt::Horizontal).toString());
        const int width = std::max(kColumnWidths[c], heading + headerMargin);
        setColumnWidth(c, width);
        fixed += width;
    }
    const int rest = std::max(0, viewport()->width() - fixed);
    const int share = kColumnWidths[kNameColumn] + kColumnWidths[kTraditionalColumn];
    const int name = rest * kColumnWidths[kNameColumn] / share;
    setColumnWidth(kNameColumn, name);
    setColumnWidth(kTraditionalColumn, rest - name);
}

bool CandidateGridView::IsCut(const QModelIndex& index) const {
    if (!index.isValid())
        return false;
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty())
        return false;
    // The item's text sits within a margin on each side of the cell.
    const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    return QFontMetrics(font()).horizontalAdvance(text) > columnWidth(index.column()) - margin;
}

QString CandidateGridView::CellToolTip(const QModelIndex& index) const {
    if (!index.isValid())
        return {};
    const QString own = index.data(Qt::ToolTipRole).toString();
    if (!IsCut(index))
        return own;
    const QString whole = index.data(Qt::DisplayRole).toString();
    return own.isEmpty() ? whole : whole + QLatin1Char('\n') + own;
}

void CandidateGridView::StartPage() {
    clearSelection();
    setCurrentIndex(QModelIndex());
    scrollToTop();
}

bool CandidateGridView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = indexAt(help->pos());
        const QString tip = CellToolTip(index);
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, viewport(), visualRect(index));
        return true;
    }
    return QTableView::viewportEvent(event);
}

} // namespace korvani::app
