#include "app/NamingPage.h"

#include "base/Text.h"
#include "naming/AssociationFilter.h"

#include <QComboBox>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "app/AnalysisPage.h"
#include "app/CandidateGridView.h"
#include "app/CsvExport.h"
#include "app/EnterKey.h"
#include "app/Fonts.h"
#include "app/GbkLengthValidator.h"
#include "app/HintLabel.h"
#include "app/PageCommand.h"
#include "app/ShortlistKeeper.h"
#include "app/ShortlistWindow.h"
#include "naming/CandidateCsv.h"
#include "naming/ScoreExplanation.h"
#include "naming/Shortlist.h"
#include "reports/CompanyNameReport.h"

namespace korvani::app {

namespace {

QLabel* Caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("font-weight: bold;"));
    return label;
}

} // namespace

NamingPage::NamingPage(data::DataStore& store, QWidget* parent) : QWidget(parent), m_store(store) {
    setObjectName(QStringLiteral("TabSheet1"));
    // A compact input area, so that the grid shows at least twelve rows in the main window.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(3);

    auto* person = new QGroupBox(QStringLiteral("企业法人"), this);
    auto* personGrid = new QGridLayout(person);
    personGrid->setContentsMargins(6, 2, 6, 4);
    m_fields = BirthFields::Create(person, personGrid, 0, QString());
    layout->addWidget(person);

    auto* grid = new QGridLayout;
    grid->setContentsMargins(6, 0, 6, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    const int fieldWidth = WidthForCharacters(fontMetrics(), kAffixFieldCharacters);
    const auto affix = [&](int row, const char* caption, const char* name, const char* hint) {
        grid->addWidget(Caption(QString::fromUtf8(caption), this), row, 0);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromUtf8(name));
        edit->setValidator(new GbkLengthValidator(static_cast<int>(reports::kAffixMaxBytes), edit));
        edit->setFixedWidth(fieldWidth);
        grid->addWidget(edit, row, 1);
        grid->addWidget(new HintLabel(QString::fromUtf8(hint), this), row, 2);
        return edit;
    };
    m_prefix = affix(0, "地区前缀", "NameBegin",
                     "如企业名称：【成都三好科技有限公司】的【成都】代表企业行政所在地，也可以不设置");

    grid->addWidget(Caption(QStringLiteral("字词限定"), this), 1, 0);
    auto* fixedRow = new QHBoxLayout;
    fixedRow->setSpacing(4);
    for (int i = 0; i < 4; ++i) {
        m_fixed[i] = new QLineEdit(this);
        m_fixed[i]->setObjectName(QStringLiteral("Namezhi%1").arg(i + 1));
        m_fixed[i]->setValidator(new GbkLengthValidator(2, m_fixed[i]));
        m_fixed[i]->setFixedWidth(WidthForCharacters(fontMetrics(), 1) + 8);
        m_fixed[i]->setAlignment(Qt::AlignCenter);
        fixedRow->addWidget(m_fixed[i]);
    }
    m_length = new QComboBox(this);
    m_length->setObjectName(QStringLiteral("CBZS"));
    m_length->addItems({QStringLiteral("二字名"), QStringLiteral("三字名"), QStringLiteral("四字名")});
    fixedRow->addWidget(m_length);
    // Which elements the names must carry: those the chart lacks, or those that balance it.
    m_elementMode = new QComboBox(this);
    m_elementMode->setObjectName(QStringLiteral("CBElements"));
    m_elementMode->addItems({QStringLiteral("补缺 (按八字所缺五行)"), QStringLiteral("喜用神")});
    m_elementMode->setToolTip(QStringLiteral("补缺：名字补八字所缺的五行；喜用神：按日主强弱取用神、喜神，避开忌神"));
    fixedRow->addWidget(m_elementMode);
    fixedRow->addStretch();
    grid->addLayout(fixedRow, 1, 1);
    grid->addWidget(new HintLabel(QStringLiteral("需固定字说明：如主体名【三好】可以固定为【三】或【好】"), this), 1,
                    2);

    m_suffix = affix(2, "行业后缀", "NameEnd",
                     "店铺或企业的行业名称：如科技有限公司、服务中心、研究院、服装店、宾馆、健身房等");
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);

    // The buttons, and beside them the line that says what the run found.
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(6, 0, 6, 0);
    m_run = new QPushButton(QStringLiteral("马上起名"), this);
    m_run->setObjectName(QStringLiteral("RzBitBtn5"));
    m_more = new QPushButton(QStringLiteral("继续显示"), this);
    m_more->setObjectName(QStringLiteral("RzBitBtn2"));
    m_more->setEnabled(false);
    auto* details = new QPushButton(QStringLiteral("查看详细"), this);
    details->setObjectName(QStringLiteral("RzBitBtn4"));
    buttons->addWidget(m_run);
    buttons->addWidget(m_more);
    buttons->addWidget(details);
    m_keep = new QPushButton(QStringLiteral("加入收藏"), this);
    m_keep->setObjectName(QStringLiteral("BtnKeep"));
    m_keep->setToolTip(QStringLiteral("把选中的名字加入收藏夹（Insert 键）"));
    m_shortlistButton = new QPushButton(QStringLiteral("收藏夹"), this);
    m_shortlistButton->setObjectName(QStringLiteral("BtnShortlist"));
    buttons->addWidget(m_keep);
    buttons->addWidget(m_shortlistButton);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("LabelResult"));
    m_note->setWordWrap(true);
    m_note->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    buttons->addSpacing(8);
    buttons->addWidget(m_note, 1);
    layout->addLayout(buttons);

    m_model = new CandidateGridModel(this);
    m_grid = new CandidateGridView(this);
    m_grid->setObjectName(QStringLiteral("RzStringGrid1"));
    m_grid->setModel(m_model);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setMinimumSectionSize(18);
    m_grid->verticalHeader()->setDefaultSectionSize(18);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Several rows may be chosen at once, to keep them together.
    m_grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(m_grid, 1);
    m_model->SetGlosses([this](const QString& body) {
        QStringList lines;
        for (const std::string& line : naming::BodyGlosses(m_store, body.toStdString()))
            lines << QString::fromStdString(line);
        return lines.join(QLatin1Char('\n'));
    });
    m_model->SetScoreNotes([this](const naming::GridRow& row) {
        // A tooltip cannot show an error box: an unreadable data file leaves it empty.
        try {
            return ScoreNote(row);
        } catch (const std::exception&) {
            return QString();
        }
    });
    m_shortlist = new ShortlistKeeper(this);

    connect(m_run, &QPushButton::clicked, this, &NamingPage::RzBitBtn5Click);
    connect(m_more, &QPushButton::clicked, this, &NamingPage::RzBitBtn2Click);
    connect(details, &QPushButton::clicked, this, &NamingPage::RzBitBtn4Click);
    connect(m_grid, &QTableView::doubleClicked, this, &NamingPage::RzBitBtn4Click);
    connect(m_length, &QComboBox::currentIndexChanged, this, &NamingPage::CBZSChange);
    connect(m_keep, &QPushButton::clicked, this, &NamingPage::AddToShortlistClick);
    connect(m_shortlistButton, &QPushButton::clicked, this, &NamingPage::ShortlistClick);
    connect(m_shortlist, &ShortlistKeeper::Changed, this,
            [this] { m_shortlistButton->setText(QStringLiteral("收藏夹(%1)").arg(m_shortlist->List(this).Size())); });
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this, &NamingPage::ShowGridMenu);
    OnKey(m_grid, Qt::Key_Insert, [this] { AddToShortlistClick(); });
    CBZSChange(0);

    // Enter in any field runs the naming; Enter on a row of the grid opens its analysis.
    RunOnEnter(this, m_run, {m_grid});
    OnEnter(m_grid, [this] { RzBitBtn4Click(); });
}

void NamingPage::CBZSChange(int item) {
    m_fixed[2]->setEnabled(item >= 1);
    m_fixed[3]->setEnabled(item >= 2);
}

void NamingPage::RzBitBtn5Click() {
    RunCommand(this, [this] {
        naming::NamingRequest request;
        request.birth = m_fields.Input();
        request.prefix = m_prefix->text().toStdString();
        request.suffix = m_suffix->text().toStdString();
        request.length = m_length->currentIndex() + 2;
        for (int i = 0; i < 4; ++i)
            request.fixed[i] = m_fixed[i]->text().toStdString();
        request.elements =
            m_elementMode->currentIndex() == 1 ? naming::ElementMode::Favourable : naming::ElementMode::Missing;

        m_run->setEnabled(false);
        struct Enable {
            QPushButton* button;
            ~Enable() { button->setEnabled(true); }
        } enableAgain{m_run};
        naming::NamingOutcome outcome = naming::RunNaming(m_store, request, m_random);
        if (outcome.message) {
            ShowInfo(this, QString::fromStdString(outcome.message->text), QString::fromStdString(outcome.caption));
            if (outcome.message->focus == base::InputField::Surname)
                m_fields.surname->setFocus();
            return;
        }
        m_result = std::move(outcome.result);
        m_runBirth = request.birth;
        m_note->setText(QString::fromStdString(m_result->note));
        m_more->setEnabled(naming::HasMorePages(*m_result));
        ShowCandidatePage();
    });
}

void NamingPage::RzBitBtn2Click() { ShowCandidatePage(); }

void NamingPage::ShowCandidatePage() {
    if (!m_result)
        return;
    m_pagePrefix = m_prefix->text().trimmed().toStdString();
    m_pageSuffix = m_suffix->text().trimmed().toStdString();
    m_model->SetPage(naming::ShowCandidatePage(*m_result, m_pagePrefix, m_pageSuffix, m_random));
    m_grid->StartPage();
}

void NamingPage::RzBitBtn4Click() {
    // The chosen row: a selected one (a current cell that the user never chose does not count).
    const QModelIndexList chosen = m_grid->selectionModel()->selectedRows();
    const QString body = m_model->Cell(chosen.isEmpty() ? -1 : chosen.front().row(), 4).trimmed();
    if (body.isEmpty()) {
        ShowInfo(this, QStringLiteral("请先在列表中选择一个名字。"));
        return;
    }
    NameAnalysisValues v;
    v.birth = m_fields.Input();
    v.birth.surname = base::TrimCopy(v.birth.surname);
    v.birth.givenName = base::TrimCopy(v.birth.givenName);
    v.name = {m_prefix->text().trimmed().toStdString(), body.toStdString(), m_suffix->text().trimmed().toStdString()};
    RunCommand(this, [&] {
        v.scoreNote = ScoreNote(m_model->Rows()[static_cast<std::size_t>(chosen.front().row())]).toStdString();
    });
    OpenNameAnalysisWindow(m_store, window(), v);
}

QString NamingPage::ScoreNote(const naming::GridRow& row) const {
    if (!m_result)
        return {};
    return QString::fromStdString(naming::ExplanationText(naming::ExplainScore(m_store, m_result->state, row)));
}

void NamingPage::AddToShortlistClick() {
    std::vector<naming::ShortlistEntry> entries;
    bool made = false;
    RunCommand(this, [&] {
        const QString now = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm"));
        // In the grid's order, whatever the order of choosing.
        std::vector<int> chosen;
        for (const QModelIndex& index : m_grid->selectionModel()->selectedRows())
            chosen.push_back(index.row());
        std::sort(chosen.begin(), chosen.end());
        for (int r : chosen) {
            if (!m_result || r >= static_cast<int>(m_model->Rows().size()))
                continue;
            const naming::GridRow& row = m_model->Rows()[static_cast<std::size_t>(r)];
            entries.push_back(naming::EntryFromRow(row, m_pagePrefix, m_pageSuffix,
                                                   naming::ExplainScore(m_store, m_result->state, row), m_runBirth,
                                                   now.toStdString()));
        }
        made = true;
    });
    if (!made)
        return;
    if (entries.empty()) {
        ShowInfo(this, QStringLiteral("请先在列表中选择要收藏的名字。"));
        return;
    }
    if (m_shortlist->Add(this, entries) == 0)
        ShowInfo(this, QStringLiteral("选中的名字已在收藏夹中。"));
}

TFrmShortlist* NamingPage::ShortlistWindow() const { return m_shortlistWindow.data(); }

void NamingPage::ShortlistClick() {
    if (m_shortlistWindow) {
        m_shortlistWindow->raise();
        m_shortlistWindow->activateWindow();
        return;
    }
    m_shortlistWindow = new TFrmShortlist(m_store, *m_shortlist, window());
    m_shortlistWindow->setAttribute(Qt::WA_DeleteOnClose);
    m_shortlistWindow->show();
}

void NamingPage::ExportPageClick() {
    if (m_model->Rows().empty()) {
        ShowInfo(this, QStringLiteral("还没有起名结果，请先按“马上起名”。"));
        return;
    }
    RunCommand(this, [this] {
        std::vector<std::string> notes;
        for (const naming::GridRow& row : m_model->Rows())
            notes.push_back(ScoreNote(row).toStdString());
        ExportCsv(this, naming::GridCsv(m_model->Rows(), notes), QStringLiteral("起名结果.csv"));
    });
}

void NamingPage::ShowGridMenu(const QPoint& position) {
    // A right click on a row that is not chosen chooses it, as a file manager does.
    const QModelIndex index = m_grid->indexAt(position);
    if (index.isValid() && !m_grid->selectionModel()->isRowSelected(index.row(), {}))
        m_grid->selectRow(index.row());
    QMenu menu(this);
    menu.addAction(QStringLiteral("加入收藏"), QKeySequence(Qt::Key_Insert), this, &NamingPage::AddToShortlistClick);
    menu.addAction(QStringLiteral("查看详细"), this, &NamingPage::RzBitBtn4Click);
    menu.addSeparator();
    menu.addAction(QStringLiteral("打开收藏夹"), this, &NamingPage::ShortlistClick);
    menu.addAction(QStringLiteral("导出本页为CSV…"), this, &NamingPage::ExportPageClick);
    menu.exec(m_grid->viewport()->mapToGlobal(position));
}

} // namespace korvani::app
