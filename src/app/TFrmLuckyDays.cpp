#include "app/TFrmLuckyDays.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <fmt/format.h>

#include "almanac/DailyAlmanac.h"
#include "app/LuckyDayModel.h"
#include "app/PageCommand.h"
#include "app/ReportOutput.h"

namespace korvani::app {

namespace {

// The span a search starts with: today and the next 90 days.
constexpr int kDefaultSpanDays = 90;

QDate ToQDate(const base::CivilDate& d) { return QDate(d.year, d.month, d.day); }
base::CivilDate ToCivil(const QDate& d) { return {d.year(), d.month(), d.day()}; }

QDateEdit* DateBox(const QString& name, const QDate& date, QWidget* parent) {
    auto* box = new QDateEdit(parent);
    box->setObjectName(name);
    box->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    box->setCalendarPopup(true);
    box->setDateRange(ToQDate(almanac::kFirstAlmanacDay), ToQDate(almanac::kLastAlmanacDay));
    box->setDate(date);
    return box;
}

QPushButton* Button(const QString& name, const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

} // namespace

TFrmLuckyDays::TFrmLuckyDays(data::DataStore& store, const chart::BirthInput& representative, QWidget* parent)
    : QDialog(parent), m_store(store) {
    setObjectName(QStringLiteral("FrmLuckyDays"));
    setWindowTitle(QStringLiteral("择吉日"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(900, 640);
    auto* column = new QVBoxLayout(this);

    auto* inputs = new QGroupBox(QStringLiteral("查找条件"), this);
    auto* inputColumn = new QVBoxLayout(inputs);
    auto* spanRow = new QHBoxLayout;
    spanRow->addWidget(new QLabel(QStringLiteral("要办的事："), inputs));
    m_activity = new QComboBox(inputs);
    m_activity->setObjectName(QStringLiteral("CBActivity"));
    for (std::string_view activity : almanac::kLuckyDayActivities)
        m_activity->addItem(QString::fromUtf8(activity.data(), static_cast<qsizetype>(activity.size())));
    spanRow->addWidget(m_activity);
    spanRow->addSpacing(16);
    const QDate today = QDate::currentDate();
    spanRow->addWidget(new QLabel(QStringLiteral("日期从"), inputs));
    m_from = DateBox(QStringLiteral("DateFrom"), today, inputs);
    spanRow->addWidget(m_from);
    spanRow->addWidget(new QLabel(QStringLiteral("至"), inputs));
    m_to = DateBox(QStringLiteral("DateTo"), today.addDays(kDefaultSpanDays), inputs);
    spanRow->addWidget(m_to);
    spanRow->addStretch();
    inputColumn->addLayout(spanRow);

    auto* birthRow = new QHBoxLayout;
    m_avoidClash = new QCheckBox(QStringLiteral("避开冲法人生肖的日子，法人生日："), inputs);
    m_avoidClash->setObjectName(QStringLiteral("CBAvoidClash"));
    m_avoidClash->setChecked(true);
    birthRow->addWidget(m_avoidClash);
    auto* birthGrid = new QGridLayout;
    m_fields = BirthFields::Create(inputs, birthGrid, 0, QStringLiteral("Z"), false);
    m_fields.SetInput(representative);
    birthRow->addLayout(birthGrid);
    birthRow->addStretch();
    inputColumn->addLayout(birthRow);
    column->addWidget(inputs);

    auto* buttons = new QHBoxLayout;
    QPushButton* find = Button(QStringLiteral("BtnFind"), QStringLiteral("查找"), this);
    find->setDefault(true);
    QPushButton* print = Button(QStringLiteral("BtnPrint"), QStringLiteral("打印"), this);
    QPushButton* save = Button(QStringLiteral("BtnSave"), QStringLiteral("保存"), this);
    m_byDate = new QCheckBox(QStringLiteral("按日期排列"), this);
    m_byDate->setObjectName(QStringLiteral("CBByDate"));
    QPushButton* close = Button(QStringLiteral("BtnClose"), QStringLiteral("关闭"), this);
    for (QWidget* w : std::initializer_list<QWidget*>{find, print, save, m_byDate})
        buttons->addWidget(w);
    buttons->addStretch();
    buttons->addWidget(close);
    column->addLayout(buttons);

    m_note = new QLabel(QStringLiteral("选好要办的事和日期范围，按“查找”。分数越高越好：黄道日、除危定执成开日、"
                                       "有利商贸的吉神都加分。"),
                        this);
    m_note->setObjectName(QStringLiteral("LabelNote"));
    m_note->setWordWrap(true);
    column->addWidget(m_note);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    m_model = new LuckyDayModel(this);
    m_grid = new QTableView(splitter);
    m_grid->setObjectName(QStringLiteral("GridDays"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setWordWrap(false);
    m_day = new QPlainTextEdit(splitter);
    m_day->setObjectName(QStringLiteral("MemoDay"));
    m_day->setReadOnly(true);
    splitter->addWidget(m_grid);
    splitter->addWidget(m_day);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    column->addWidget(splitter, 1);

    connect(find, &QPushButton::clicked, this, &TFrmLuckyDays::BtnFindClick);
    connect(print, &QPushButton::clicked, this, &TFrmLuckyDays::BtnPrintClick);
    connect(save, &QPushButton::clicked, this, &TFrmLuckyDays::BtnSaveClick);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_byDate, &QCheckBox::toggled, this, &TFrmLuckyDays::Reorder);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { ShowDay(current.row()); });
}

void TFrmLuckyDays::BtnFindClick() {
    RunCommand(this, [this] {
        Search search{
            ToCivil(m_from->date()), ToCivil(m_to->date()), m_activity->currentText().toStdString(), std::nullopt, {}};
        if (const auto message = almanac::CheckLuckyDaySearch(search.from, search.to, search.activity)) {
            ShowInfo(this, QString::fromStdString(message->text));
            return;
        }
        if (m_avoidClash->isChecked()) {
            auto chart = almanac::RepresentativeChart(m_store, m_fields.Input());
            if (const auto* message = std::get_if<base::ValidationMessage>(&chart)) {
                ShowInfo(this, QString::fromStdString(message->text));
                return;
            }
            search.representative = std::get<chart::FourPillars>(chart);
        }
        almanac::LuckyDayResult result =
            almanac::FindLuckyDays(m_store, search.from, search.to, search.activity, search.representative);
        search.tally = result.tally;
        if (m_byDate->isChecked())
            almanac::OrderLuckyDays(result.days, almanac::LuckyDayOrder::ByDate);

        if (result.days.empty()) {
            m_note->setText(
                QString::fromStdString(almanac::WhyNoLuckyDay(result.tally, search.activity, search.representative)));
        } else {
            std::string note = fmt::format("找到{}天宜{}的日子", result.days.size(), search.activity);
            if (search.representative)
                note += fmt::format("（法人{}，冲其生肖的{}天已除去）",
                                    almanac::RepresentativeText(*search.representative), result.tally.clashing);
            note += "。点选一天，下方显示当日黄历。";
            m_note->setText(QString::fromStdString(note));
        }
        m_last = std::move(search);
        m_model->SetDays(std::move(result.days));
        m_grid->resizeColumnsToContents();
        if (m_model->rowCount() > 0)
            m_grid->selectRow(0);
        else
            m_day->clear();
    });
}

void TFrmLuckyDays::Reorder() {
    m_model->Order(m_byDate->isChecked() ? almanac::LuckyDayOrder::ByDate : almanac::LuckyDayOrder::ByScore);
    if (m_model->rowCount() > 0)
        m_grid->selectRow(0);
}

void TFrmLuckyDays::ShowDay(int row) {
    if (row < 0 || row >= m_model->rowCount())
        return;
    RunCommand(this, [&] {
        const std::string day = base::FormatDate(m_model->Days()[row].date);
        if (const auto entry = almanac::LookUpAlmanacDay(m_store, day))
            SetReportLines(m_day, entry->lines);
    });
}

QStringList TFrmLuckyDays::ReportLines() const {
    QStringList lines;
    if (!m_last)
        return lines;
    const almanac::LuckyDayResult shown{m_model->Days(), m_last->tally};
    for (const std::string& line :
         almanac::LuckyDayReportLines(m_last->from, m_last->to, m_last->activity, m_last->representative, shown))
        lines << QString::fromStdString(line);
    return lines;
}

void TFrmLuckyDays::BtnPrintClick() { PrintReport(this, ReportLines(), QPageSize::A4); }

void TFrmLuckyDays::BtnSaveClick() {
    SaveReport(this, ReportLines(),
               m_last ? QStringLiteral("择吉日") + QString::fromStdString(m_last->activity) : QString());
}

} // namespace korvani::app
