#pragma once

#include <QLabel>
#include <QStringList>

namespace korvani::app {

// A grey help line beside an input field. It takes the width that is left and, where the text does
// not fit on one line, breaks it into lines of even length, preferably after a punctuation mark and
// never leaving one or two characters alone on a line (unless the whole text is that short).
class HintLabel : public QLabel {
    Q_OBJECT

public:
    explicit HintLabel(const QString& hint, QWidget* parent = nullptr);

    const QString& Hint() const { return m_hint; }
    // The lines of the hint at a width in pixels.
    QStringList LinesAt(int width) const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QString m_hint;
};

} // namespace korvani::app
