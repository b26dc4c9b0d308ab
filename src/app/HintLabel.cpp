#include "app/HintLabel.h"

#include <QFontMetrics>
#include <QResizeEvent>
#include <limits>
#include <vector>

namespace korvani::app {

namespace {

// The shortest line a break may leave, in characters.
constexpr int kShortestLine = 3;

bool ClosesPhrase(QChar c) { return QStringLiteral("，。、：；！？）】》”’,.:;!?)").contains(c); }
bool OpensPhrase(QChar c) { return QStringLiteral("（【《“‘(").contains(c); }

// Whether a line may end between text[i - 1] and text[i].
bool MayBreakBefore(const QString& text, int i) {
    if (i <= 0 || i >= text.size())
        return true;
    const QChar before = text[i - 1];
    const QChar after = text[i];
    if (ClosesPhrase(after) || OpensPhrase(before))
        return false;
    // Latin words and numbers stay whole.
    return !(before.isLetterOrNumber() && before.unicode() < 0x80 && after.isLetterOrNumber() &&
             after.unicode() < 0x80);
}

} // namespace

HintLabel::HintLabel(const QString& hint, QWidget* parent) : QLabel(hint, parent), m_hint(hint) {
    setStyleSheet(QStringLiteral("color: #6b6b6b;"));
    setWordWrap(false);
    setToolTip(hint);
    // Takes the width that is left, rather than widening the page.
    QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QStringList HintLabel::LinesAt(int width) const {
    const QFontMetrics metrics(font());
    const int n = static_cast<int>(m_hint.size());
    if (n == 0 || width <= 0 || metrics.horizontalAdvance(m_hint) <= width)
        return {m_hint};
    // The breaks of least cost: each line's cost is the square of the room it leaves, so lines come
    // out even; a break that does not follow a punctuation mark costs as much as two characters of
    // room; a line under three characters is not allowed.
    const double charWidth = metrics.horizontalAdvance(QChar(0x4E2D));
    const double unpunctuated = 4 * charWidth * charWidth;
    constexpr double kNone = std::numeric_limits<double>::infinity();
    std::vector<double> best(static_cast<std::size_t>(n) + 1, kNone);
    std::vector<int> from(static_cast<std::size_t>(n) + 1, -1);
    best[0] = 0;
    for (int end = 1; end <= n; ++end) {
        if (!MayBreakBefore(m_hint, end))
            continue;
        for (int start = end - 1; start >= 0; --start) {
            const int lineWidth = metrics.horizontalAdvance(m_hint.mid(start, end - start));
            if (lineWidth > width)
                break;
            if (best[static_cast<std::size_t>(start)] == kNone || end - start < std::min(kShortestLine, n))
                continue;
            double cost = best[static_cast<std::size_t>(start)] + double(width - lineWidth) * (width - lineWidth);
            if (end < n && !ClosesPhrase(m_hint[end - 1]))
                cost += unpunctuated;
            if (cost < best[static_cast<std::size_t>(end)]) {
                best[static_cast<std::size_t>(end)] = cost;
                from[static_cast<std::size_t>(end)] = start;
            }
        }
    }
    if (best[static_cast<std::size_t>(n)] == kNone) // too narrow for any good break: as Qt would wrap
        return {m_hint};
    QStringList lines;
    for (int end = n; end > 0; end = from[static_cast<std::size_t>(end)])
        lines.prepend(m_hint.mid(from[static_cast<std::size_t>(end)], end - from[static_cast<std::size_t>(end)]));
    return lines;
}

int HintLabel::heightForWidth(int width) const {
    const QMargins m = contentsMargins();
    return static_cast<int>(LinesAt(width - m.left() - m.right()).size()) * fontMetrics().lineSpacing() + m.top() +
           m.bottom();
}

QSize HintLabel::sizeHint() const {
    return QSize(fontMetrics().horizontalAdvance(m_hint), fontMetrics().lineSpacing());
}

QSize HintLabel::minimumSizeHint() const { return QSize(fontMetrics().horizontalAdvance(QChar(0x4E2D)) * 6, 0); }

void HintLabel::resizeEvent(QResizeEvent* event) {
    const QMargins m = contentsMargins();
    const QString text = LinesAt(event->size().width() - m.left() - m.right()).join(QLatin1Char('\n'));
    if (text != this->text())
        setText(text);
    QLabel::resizeEvent(event);
}

} // namespace korvani::app
