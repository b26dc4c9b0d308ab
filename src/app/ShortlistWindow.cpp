#include "app/ShortlistWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/AnalysisPage.h"
#include "app/CompareWindow.h"
#include "app/CsvExport.h"
#include "app/EnterKey.h"
#include "app/PageCommand.h"
#include "app/ReportOutput.h"
#include "app/ShortlistKeeper.h"
#include "naming/CandidateCsv.h"
#include "reports/ShortlistReport.h"

namespace korvani::app {

namespace {

ConfirmDialog& ConfirmHook() {
    static ConfirmDialog dialog;
    return dialog;
}

const char* const kHeadings[] = {"编号",     "企业名称", "单位主体", "主体五行", "总体笔画",
                                 "主体笔画", "行业笔画", "总体评分", "法人生辰", "收藏时间"};

QStringList Lines(const std::vector<std::string>& lines) {
    QStringList list;
    for (const std::string& line : lines)
        list << QString::fromStdString(line);
    return list;
}

} // namespace

void SetConfirmDialog(ConfirmDialog dialog) { ConfirmHook() = std::move(dialog); }

bool Confirm(QWidget* parent, const QString& title, const QString& text) {
    if (ConfirmHook())
        return ConfirmHook()(parent, title, text);
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

TFrmShortlist::TFrmShortlist(data::DataStore& store, ShortlistKeeper& keeper, QWidget* parent)
    : QDialog(parent), m_store(store), m_keeper(keeper) {
    setObjectName(QStringLiteral("FrmShortlist"));
    setWindowTitle(QStringLiteral("收藏夹"));
    resize(900, 520);
    auto* layout = new QVBoxLayout(this);
    auto* hint = new QLabel(QStringLiteral("在起名结果中选中名字，按“加入收藏”或 Insert 键即可收藏；"
                                           "选中两到四个名字可以对比。"),
                            this);
    hint->setWordWrap(true);
    layout->addWidget(hint);

    m_table = new QTableWidget(0, static_cast<int>(std::size(kHeadings)), this);
    m_table->setObjectName(QStringLiteral("GridShortlist"));
    QStringList headings;
    for (const char* heading : kHeadings)
        headings << QString::fromUtf8(heading);
    m_table->setHorizontalHeaderLabels(headings);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_table, 1);

    auto* buttons = new QHBoxLayout;
    const auto button = [&](const char* name, const char* text, void (TFrmShortlist::*handler)()) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QString::fromUtf8(name));
        b->setAutoDefault(false);
        buttons->addWidget(b);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    button("BtnCompare", "对比", &TFrmShortlist::CompareClick);
    button("BtnDetails", "查看详细", &TFrmShortlist::DetailsClick);
    button("BtnRemove", "删除", &TFrmShortlist::RemoveClick);
    button("BtnClear", "清空", &TFrmShortlist::ClearClick);
    button("BtnSort", "按评分排序", &TFrmShortlist::SortClick);
    buttons->addStretch();
    button("BtnExport", "导出CSV", &TFrmShortlist::ExportClick);
    button("BtnPrint", "打印", &TFrmShortlist::PrintClick);
    button("BtnSave", "保存", &TFrmShortlist::SaveClick);
    auto* close = new QPushButton(QStringLiteral("关闭"), this);
    close->setObjectName(QStringLiteral("BtnClose"));
    close->setAutoDefault(false);
    buttons->addWidget(close);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    layout->addLayout(buttons);

    OnKey(m_table, Qt::Key_Delete, [this] { RemoveClick(); });
    connect(m_table, &QTableWidget::doubleClicked, this, &TFrmShortlist::DetailsClick);
    connect(&m_keeper, &ShortlistKeeper::Changed, this, &TFrmShortlist::Refresh);
    Refresh();
}

TFrmCompare* TFrmShortlist::Compare() const { return m_compare.data(); }

void TFrmShortlist::Refresh() {
    const auto& entries = m_keeper.List(this).Entries();
    m_table->clearSelection();
    m_table->setRowCount(static_cast<int>(entries.size()));
    for (int r = 0; r < static_cast<int>(entries.size()); ++r) {
        const naming::ShortlistEntry& e = entries[static_cast<std::size_t>(r)];
        const QStringList cells = {QString::number(r + 1),
                                   QString::fromStdString(e.name),
                                   QString::fromStdString(e.body),
                                   QString::fromStdString(e.elements),
                                   QString::number(e.total),
                                   QString::number(e.bodyStrokes),
                                   QString::number(e.suffixStrokes),
                                   QString::number(e.score),
                                   QString::fromStdString(naming::BirthText(e.birth)),
                                   QString::fromStdString(e.added)};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c == kScoreColumn)
                item->setToolTip(QString::fromStdString(e.explanation));
            else if (c == 1)
                item->setToolTip(QString::fromStdString(e.traditional));
            m_table->setItem(r, c, item);
        }
    }
}

std::vector<std::size_t> TFrmShortlist::ChosenRows() const {
    std::vector<std::size_t> rows;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
        rows.push_back(static_cast<std::size_t>(index.row()));
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TFrmShortlist::RemoveClick() {
    const std::vector<std::size_t> rows = ChosenRows();
    if (rows.empty()) {
        ShowInfo(this, QStringLiteral("请先选择要删除的名字。"));
        return;
    }
    m_keeper.Remove(this, rows);
}

void TFrmShortlist::ClearClick() {
    if (m_keeper.List(this).Empty())
        return;
    if (Confirm(this, QStringLiteral("清空收藏夹"),
                QStringLiteral("确定要清空收藏夹吗？全部 %1 个收藏的名字都会删除，且不能恢复。")
                    .arg(m_keeper.List(this).Size())))
        m_keeper.Clear(this);
}

void TFrmShortlist::SortClick() { m_keeper.SortByScore(this); }

void TFrmShortlist::CompareClick() {
    const std::vector<std::size_t> rows = ChosenRows();
    if (rows.size() < static_cast<std::size_t>(TFrmCompare::kFewest) ||
        rows.size() > static_cast<std::size_t>(TFrmCompare::kMost)) {
        ShowInfo(this, QStringLiteral("请在收藏夹中选择两到四个名字进行对比（按住 Ctrl 键可多选）。"));
        return;
    }
    std::vector<naming::ShortlistEntry> chosen;
    for (std::size_t row : rows)
        chosen.push_back(m_keeper.List(this).Entries()[row]);
    RunCommand(this, [&] {
        if (m_compare)
            m_compare->close();
        m_compare = new TFrmCompare(m_store, chosen, this);
        m_compare->setAttribute(Qt::WA_DeleteOnClose);
        m_compare->show();
    });
}

void TFrmShortlist::DetailsClick() {
    const std::vector<std::size_t> rows = ChosenRows();
    if (rows.empty()) {
        ShowInfo(this, QStringLiteral("请先在收藏夹中选择一个名字。"));
        return;
    }
    const naming::ShortlistEntry e = m_keeper.List(this).Entries()[rows.front()];
    NameAnalysisValues v;
    v.birth = e.birth;
    v.name = {e.prefix, e.body, e.suffix};
    v.scoreNote = e.explanation;
    OpenNameAnalysisWindow(m_store, this, v);
}

void TFrmShortlist::ExportClick() {
    const naming::Shortlist& list = m_keeper.List(this);
    if (list.Empty()) {
        ShowInfo(this, QStringLiteral("收藏夹是空的，没有可导出的名字。"));
        return;
    }
    ExportCsv(this, naming::ShortlistCsv(list), QStringLiteral("收藏的名称.csv"));
}

void TFrmShortlist::PrintClick() {
    RunCommand(this, [this] {
        PrintReport(this, Lines(reports::ShortlistReportLines(m_store, m_keeper.List(this).Entries())), QPageSize::A4);
    });
}

void TFrmShortlist::SaveClick() {
    RunCommand(this, [this] {
        SaveReport(this, Lines(reports::ShortlistReportLines(m_store, m_keeper.List(this).Entries())),
                   QStringLiteral("收藏的名称"));
    });
}

} // namespace korvani::app
