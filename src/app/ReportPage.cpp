#include "app/ReportPage.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/PageCommand.h"

namespace korvani::app {

ReportPage::ReportPage(const Names& names, bool editableMemo, QPageSize::PageSizeId paper, QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_inputs = new QVBoxLayout;
    layout->addLayout(m_inputs);

    m_buttons = new QHBoxLayout;
    const auto button = [&](const QString& name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        m_buttons->addWidget(b);
        return b;
    };
    m_run = button(names.run, names.runText);
    QPushButton* print = button(names.print, QStringLiteral("打印"));
    QPushButton* save = names.save.isEmpty() ? nullptr : button(names.save, QStringLiteral("保存"));
    layout->addLayout(m_buttons);

    m_memoRow = new QHBoxLayout;
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(names.memo);
    m_memo->setReadOnly(!editableMemo);
    if (names.memoGroup.isEmpty()) {
        m_memoRow->addWidget(m_memo);
    } else {
        auto* box = new QGroupBox(names.memoGroup, this);
        (new QVBoxLayout(box))->addWidget(m_memo);
        m_memoRow->addWidget(box);
    }
    layout->addLayout(m_memoRow, 1);

    connect(m_run, &QPushButton::clicked, this, &ReportPage::Run);
    connect(print, &QPushButton::clicked, this, [this, paper] { PrintReport(this, m_memo, paper); });
    if (save)
        connect(save, &QPushButton::clicked, this, [this] { SaveReport(this, m_memo, m_saveName()); });
}

void ReportPage::SetReport(std::function<base::ReportOutcome()> make) { m_make = std::move(make); }

void ReportPage::SetFocusField(std::function<QWidget*(base::InputField)> field) { m_field = std::move(field); }

void ReportPage::SetSaveName(std::function<QString()> name) { m_saveName = std::move(name); }

void ReportPage::Run() {
    if (!m_make)
        return;
    RunCommand(this, [this] { ShowOutcome(this, m_memo, m_make(), m_field); });
}

} // namespace korvani::app
