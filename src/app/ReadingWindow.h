#pragma once

#include <QDialog>
#include <QString>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace korvani::app {

// The layout that the small reading windows share: the entry `edtmun` with its caption and the
// buttons 测算 (`RzBitBtn1`) and 关闭 (`RzBitBtn2`), an optional note under the entry, the group
// 测算结果 with the result lines, and an optional note at the bottom. Enter in the entry runs the
// reading, as 测算 does. A window frees itself when it is closed.
class ReadingWindow : public QDialog {
    Q_OBJECT

public:
    // One result line: the label that shows its value, the caption before it (may be empty) and
    // whether it needs room for several lines of text.
    struct ResultLine {
        const char* labelName;
        QString caption;
        bool tall = false;
    };

    struct Layout {
        const char* objectName;
        QString title;
        QString entryCaption;
        int maxLength;     // GBK bytes: a Chinese character takes two
        bool digitsOnly;   // the key filter of the number windows
        bool upperCase;    // typed Latin letters appear in upper case
        QString entryNote; // under the entry
        std::vector<ResultLine> lines;
        QString footNote; // at the bottom
    };

    ReadingWindow(const Layout& layout, QWidget* parent);

    QLineEdit* Entry() const { return m_entry; }
    QLabel* Line(const char* labelName) const;

    // "测算".
    void RzBitBtn1Click() { Read(); }
    // "关闭".
    void RzBitBtn2Click() { close(); }

protected:
    // The reading of the entry, written into the result lines.
    virtual void Read() = 0;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_entry;
    bool m_digitsOnly;
};

} // namespace korvani::app
