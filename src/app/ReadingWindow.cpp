#include "app/ReadingWindow.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/GbkLengthValidator.h"

namespace korvani::app {

namespace {

constexpr int kWindowWidth = 480;
constexpr int kValueWidth = 340;

// The net-name field shows typed Latin letters in upper case, within its GBK length.
class UpperCaseValidator : public GbkLengthValidator {
public:
    using GbkLengthValidator::GbkLengthValidator;
    State validate(QString& input, int& pos) const override {
        for (QChar& c : input)
            if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
                c = c.toUpper();
        return GbkLengthValidator::validate(input, pos);
    }
};

QLabel* WrappingLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

ReadingWindow::ReadingWindow(const Layout& layout, QWidget* parent) : QDialog(parent), m_digitsOnly(layout.digitsOnly) {
    setObjectName(QString::fromUtf8(layout.objectName));
    setWindowTitle(layout.title);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedWidth(kWindowWidth);

    auto* column = new QVBoxLayout(this);
    auto* entryRow = new QHBoxLayout;
    entryRow->addWidget(new QLabel(layout.entryCaption, this));
    m_entry = new QLineEdit(this);
    m_entry->setObjectName(QStringLiteral("edtmun"));
    m_entry->setMaxLength(layout.maxLength);
    if (layout.upperCase)
        m_entry->setValidator(new UpperCaseValidator(layout.maxLength, m_entry));
    else
        m_entry->setValidator(new GbkLengthValidator(layout.maxLength, m_entry));
    if (m_digitsOnly) {
        m_entry->setInputMethodHints(Qt::ImhDigitsOnly);
        m_entry->setAttribute(Qt::WA_InputMethodEnabled, false);
    }
    m_entry->installEventFilter(this);
    entryRow->addWidget(m_entry, 1);
    auto* run = new QPushButton(QStringLiteral("测算"), this);
    run->setObjectName(QStringLiteral("RzBitBtn1"));
    auto* quit = new QPushButton(QStringLiteral("关闭"), this);
    quit->setObjectName(QStringLiteral("RzBitBtn2"));
    for (QPushButton* b : {run, quit}) {
        b->setAutoDefault(false);
        entryRow->addWidget(b);
    }
    column->addLayout(entryRow);
    if (!layout.entryNote.isEmpty())
        column->addWidget(WrappingLabel(layout.entryNote, this));

    auto* group = new QGroupBox(QStringLiteral("测算结果"), this);
    auto* grid = new QGridLayout(group);
    int row = 0;
    for (const ResultLine& line : layout.lines) {
        auto* value = WrappingLabel(QString(), group);
        value->setObjectName(QString::fromUtf8(line.labelName));
        value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        if (line.tall)
            value->setMinimumHeight(value->fontMetrics().lineSpacing() * 5);
        if (line.caption.isEmpty()) {
            grid->addWidget(value, row, 0, 1, 2);
        } else {
            auto* caption = new QLabel(line.caption, group);
            caption->setAlignment(Qt::AlignRight | Qt::AlignTop);
            grid->addWidget(caption, row, 0);
            value->setFixedWidth(kValueWidth);
            grid->addWidget(value, row, 1);
        }
        ++row;
    }
    grid->setColumnStretch(1, 1);
    column->addWidget(group);
    if (!layout.footNote.isEmpty())
        column->addWidget(WrappingLabel(layout.footNote, this));
    column->addStretch();

    connect(run, &QPushButton::clicked, this, &ReadingWindow::RzBitBtn1Click);
    connect(quit, &QPushButton::clicked, this, &ReadingWindow::RzBitBtn2Click);
}

QLabel* ReadingWindow::Line(const char* labelName) const { return findChild<QLabel*>(QString::fromUtf8(labelName)); }

// edtmunKeyPress: Enter runs the reading; in the number windows only digits and the editing keys
// reach the field, and every other character typed is discarded.
bool ReadingWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_entry && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            RzBitBtn1Click();
            return true;
        }
        if (m_digitsOnly && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
            const QString text = key->text();
            if (!text.isEmpty() && text.at(0).isPrint() &&
                !(text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9')))
                return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace korvani::app
