#include "app/CompareWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "reports/ShortlistReport.h"

namespace korvani::app {

TFrmCompare::TFrmCompare(data::DataStore& store, const std::vector<naming::ShortlistEntry>& entries, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FrmCompare"));
    setWindowTitle(QStringLiteral("名称对比"));
    resize(860, 480);
    auto* layout = new QVBoxLayout(this);
    const std::vector<reports::CompareRow> rows = reports::CompareNames(store, entries);
    m_table = new QTableWidget(static_cast<int>(rows.size()), static_cast<int>(entries.size()), this);
    m_table->setObjectName(QStringLiteral("GridCompare"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(true);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setFocusPolicy(Qt::NoFocus);
    QStringList names;
    for (const naming::ShortlistEntry& e : entries)
        names << QString::fromStdString(e.body);
    m_table->setHorizontalHeaderLabels(names);
    QStringList labels;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        labels << QString::fromStdString(rows[r].label);
        for (int c = 0; c < static_cast<int>(rows[r].cells.size()); ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(rows[r].cells[c]));
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            m_table->setItem(r, c, item);
        }
    }
    m_table->setVerticalHeaderLabels(labels);
    // The names share the width evenly; each row is as tall as its longest cell at that width.
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    layout->addWidget(m_table, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* close = new QPushButton(QStringLiteral("关闭"), this);
    close->setObjectName(QStringLiteral("BtnClose"));
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void TFrmCompare::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    m_table->resizeRowsToContents();
}

void TFrmCompare::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_table->resizeRowsToContents();
}

} // namespace korvani::app
