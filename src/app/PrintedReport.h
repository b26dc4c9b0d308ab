#pragma once

#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QStringList>
#include <QTextLayout>
#include <memory>
#include <vector>

class QPaintDevice;
class QPainter;

namespace korvani::app {

// A report laid out on paper: margins of 12.7 mm on all four sides, and within them a header band
// and a footer band of 6.35 mm each (the footer carries the page number). The lines are set in the
// report font at the largest size, from 9 to 12 points in half points, at which the report's widest
// line fits the text width of both Letter and A4, so that a report prints alike on either paper and
// its frame, separators and columns never wrap. Paragraphs of prose (the lines that hold a full
// stop, such as the meanings of the numbers, up to 82 characters long) do not count: they wrap at
// the text width, between characters, as they do in the memo, rather than shrinking the whole
// report to 6 points.
class PrintedReport {
public:
    static constexpr double kMarginMm = 12.7;
    static constexpr double kBandMm = 6.35;
    static constexpr double kLargestPoints = 12.0;
    static constexpr double kSmallestPoints = 9.0;

    // Lays the lines out for `device` (its resolution gives the units of the layout).
    PrintedReport(const QStringList& lines, QPageSize::PageSizeId paper, const QPaintDevice* device);
    ~PrintedReport();

    // The page setup of the printout: the paper, portrait, and the margins in millimetres.
    static QPageLayout PageLayout(QPageSize::PageSizeId paper);
    // The point size at which a report with these lines prints.
    static double PointSizeFor(const QStringList& lines);
    // Whether a line is a paragraph of prose, which may wrap.
    static bool IsProse(const QString& line);

    const QFont& Font() const { return m_font; }
    int PageCount() const { return static_cast<int>(m_pages.size()); }
    // The rows that line `index` of the report takes on paper.
    int RowsOf(int index) const { return m_layouts[static_cast<std::size_t>(index)]->lineCount(); }
    // The area of the lines, in device units, with the origin at the top left of the margins.
    QRectF Body() const { return m_body; }

    // Paints one page; the painter's origin is the top left of the margins (as a printer's is).
    void PaintPage(QPainter& painter, int page) const;

private:
    struct Row {
        int line;
        int row; // within the line
    };

    QFont m_font;
    QFont m_footerFont;
    QRectF m_printable; // the page inside the margins
    QRectF m_body;      // the printable area less the two bands
    qreal m_lineHeight = 0;
    std::vector<std::unique_ptr<QTextLayout>> m_layouts;
    std::vector<std::vector<Row>> m_pages;
};

} // namespace korvani::app
