#include "app/PrintedReport.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QTextLine>
#include <QTextOption>
#include <algorithm>
#include <cmath>

#include "app/Fonts.h"

namespace korvani::app {

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kPointsPerInch = 72.0;
constexpr double kFooterPoints = 8.0;

// The width that the lines may take on paper, in millimetres: the narrower text width of Letter and
// A4, so that a report prints alike on both.
double TextWidthMm() {
    const double narrowest = std::min(QPageSize(QPageSize::Letter).size(QPageSize::Millimeter).width(),
                                      QPageSize(QPageSize::A4).size(QPageSize::Millimeter).width());
    return narrowest - 2 * PrintedReport::kMarginMm;
}

} // namespace

bool PrintedReport::IsProse(const QString& line) { return line.contains(QChar(0x3002)); } // 。

QPageLayout PrintedReport::PageLayout(QPageSize::PageSizeId paper) {
    return QPageLayout(QPageSize(paper), QPageLayout::Portrait, QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                       QPageLayout::Millimeter);
}

double PrintedReport::PointSizeFor(const QStringList& lines) {
    // Widths in ems of the report font, measured at a large pixel size so that hinting plays no part.
    constexpr int kEm = 1000;
    QFont font = ReportFont();
    font.setPixelSize(kEm);
    const QFontMetricsF metrics(font);
    qreal widest = 0;
    for (const QString& line : lines)
        if (!IsProse(line))
            widest = std::max(widest, metrics.horizontalAdvance(line) / kEm);
    if (widest <= 0)
        return kLargestPoints;
    const double fitting = TextWidthMm() / (widest * kMmPerInch / kPointsPerInch);
    return std::clamp(std::floor(fitting * 2) / 2, kSmallestPoints, kLargestPoints);
}

PrintedReport::PrintedReport(const QStringList& lines, QPageSize::PageSizeId paper, const QPaintDevice* device)
    : m_font(ReportFont()), m_footerFont(ReportFont()) {
    m_font.setPointSizeF(PointSizeFor(lines));
    m_footerFont.setPointSizeF(kFooterPoints);

    const double dpiX = device->logicalDpiX();
    const double dpiY = device->logicalDpiY();
    const QSizeF paperMm = QPageSize(paper).size(QPageSize::Millimeter);
    m_printable = QRectF(0, 0, (paperMm.width() - 2 * kMarginMm) / kMmPerInch * dpiX,
                         (paperMm.height() - 2 * kMarginMm) / kMmPerInch * dpiY);
    const qreal band = kBandMm / kMmPerInch * dpiY;
    m_body = m_printable.adjusted(0, band, 0, -band);

    m_lineHeight = QFontMetricsF(m_font, device).lineSpacing();
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    const int rowsPerPage = std::max(1, static_cast<int>(m_body.height() / m_lineHeight));

    m_pages.emplace_back();
    for (int i = 0; i < lines.size(); ++i) {
        auto layout = std::make_unique<QTextLayout>(lines[i], m_font, device);
        layout->setTextOption(option);
        layout->beginLayout();
        for (QTextLine row = layout->createLine(); row.isValid(); row = layout->createLine()) {
            row.setLineWidth(m_body.width());
            row.setPosition(QPointF(0, 0));
        }
        layout->endLayout();
        // An empty line still takes its row.
        const int rows = std::max(1, layout->lineCount());
        for (int r = 0; r < rows; ++r) {
            if (static_cast<int>(m_pages.back().size()) == rowsPerPage)
                m_pages.emplace_back();
            m_pages.back().push_back({i, r});
        }
        m_layouts.push_back(std::move(layout));
    }
}

PrintedReport::~PrintedReport() = default;

void PrintedReport::PaintPage(QPainter& painter, int page) const {
    painter.save();
    painter.setPen(Qt::black);
    qreal y = m_body.top();
    for (const Row& row : m_pages[static_cast<std::size_t>(page)]) {
        const QTextLayout& layout = *m_layouts[static_cast<std::size_t>(row.line)];
        if (row.row < layout.lineCount())
            layout.lineAt(row.row).draw(&painter, QPointF(m_body.left(), y));
        y += m_lineHeight;
    }
    // The page number, in the footer band.
    painter.setFont(m_footerFont);
    painter.setPen(QColor(0x55, 0x55, 0x55));
    const QRectF footer(m_printable.left(), m_body.bottom(), m_printable.width(),
                        m_printable.bottom() - m_body.bottom());
    painter.drawText(footer, Qt::AlignCenter, QStringLiteral("第 %1 页 / 共 %2 页").arg(page + 1).arg(PageCount()));
    painter.restore();
}

} // namespace korvani::app
