#include "app/NamingPage.h"

#include "base/Text.h"
#include "naming/AssociationFilter.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/AnalysisPage.h"
#include "app/GbkLengthValidator.h"
#include "app/PageCommand.h"
#include "reports/CompanyNameReport.h"

namespace korvani::app {

namespace {

QLabel* Hint(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setStyleSheet(QStringLiteral("color: #6b6b6b;"));
    label->setWordWrap(true);
    // The hint takes the width that is left and wraps, rather than widening the page.
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label->setMinimumHeight(label->fontMetrics().height() * 2 + 2);
    return label;
}

constexpr int kColumnWidths[] = {43, 183, 194, 57, 57, 58, 55, 56, 54};

} // namespace

NamingPage::NamingPage(data::DataStore& store, QWidget* parent) : QWidget(parent), m_store(store) {
    setObjectName(QStringLiteral("TabSheet1"));
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(4);

    auto* person = new QGroupBox(QStringLiteral("企业法人"), this);
    auto* personGrid = new QGridLayout(person);
    m_fields = BirthFields::Create(person, personGrid, 0, QString());
    layout->addWidget(person);

    auto* names = new QGroupBox(QStringLiteral("企业名称"), this);
    auto* grid = new QGridLayout(names);
    grid->addWidget(new QLabel(QStringLiteral("地区前缀"), names), 0, 0);
    m_prefix = new QLineEdit(names);
    m_prefix->setObjectName(QStringLiteral("NameBegin"));
    m_prefix->setValidator(new GbkLengthValidator(static_cast<int>(reports::kAffixMaxBytes), m_prefix));
    grid->addWidget(m_prefix, 0, 1, 1, 5);
    grid->addWidget(Hint("如企业名称：【成都三好科技有限公司】的【成都】代表企业行政所在地，也可以不设置", names), 0,
                    6);

    grid->addWidget(new QLabel(QStringLiteral("字词限定"), names), 1, 0);
    for (int i = 0; i < 4; ++i) {
        m_fixed[i] = new QLineEdit(names);
        m_fixed[i]->setObjectName(QStringLiteral("Namezhi%1").arg(i + 1));
        m_fixed[i]->setValidator(new GbkLengthValidator(2, m_fixed[i]));
        m_fixed[i]->setMaximumWidth(36);
        grid->addWidget(m_fixed[i], 1, 1 + i);
    }
    m_length = new QComboBox(names);
    m_length->setObjectName(QStringLiteral("CBZS"));
    m_length->addItems({QStringLiteral("二字名"), QStringLiteral("三字名"), QStringLiteral("四字名")});
    grid->addWidget(m_length, 1, 5);
    grid->addWidget(Hint("需固定字说明：如主体名【三好】可以固定为【三】或【好】", names), 1, 6);

    grid->addWidget(new QLabel(QStringLiteral("行业后缀"), names), 2, 0);
    m_suffix = new QLineEdit(names);
    m_suffix->setObjectName(QStringLiteral("NameEnd"));
    m_suffix->setValidator(new GbkLengthValidator(static_cast<int>(reports::kAffixMaxBytes), m_suffix));
    grid->addWidget(m_suffix, 2, 1, 1, 5);
    grid->addWidget(Hint("店铺或企业的行业名称：如科技有限公司、服务中心、研究院、服装店、宾馆、健身房等", names), 2,
                    6);
    grid->setColumnStretch(6, 1);
    layout->addWidget(names);

    auto* buttons = new QHBoxLayout;
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
    buttons->addStretch();
    layout->addLayout(buttons);

    m_model = new CandidateGridModel(this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("RzStringGrid1"));
    m_grid->setModel(m_model);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(18);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int c = 0; c < 9; ++c)
        m_grid->setColumnWidth(c, kColumnWidths[c]);
    layout->addWidget(m_grid, 1);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("LabelResult"));
    m_note->setWordWrap(true);
    layout->addWidget(m_note);
    m_model->SetGlosses([this](const QString& body) {
        QStringList lines;
        for (const std::string& line : naming::BodyGlosses(m_store, body.toStdString()))
            lines << QString::fromStdString(line);
        return lines.join(QLatin1Char('\n'));
    });

    connect(m_run, &QPushButton::clicked, this, &NamingPage::RzBitBtn5Click);
    connect(m_more, &QPushButton::clicked, this, &NamingPage::RzBitBtn2Click);
    connect(details, &QPushButton::clicked, this, &NamingPage::RzBitBtn4Click);
    connect(m_grid, &QTableView::doubleClicked, this, &NamingPage::RzBitBtn4Click);
    connect(m_length, &QComboBox::currentIndexChanged, this, &NamingPage::CBZSChange);
    CBZSChange(0);
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
        m_note->setText(QString::fromStdString(m_result->note));
        m_more->setEnabled(naming::HasMorePages(*m_result));
        ShowCandidatePage();
    });
}

void NamingPage::RzBitBtn2Click() { ShowCandidatePage(); }

void NamingPage::ShowCandidatePage() {
    if (!m_result)
        return;
    m_model->SetPage(
        naming::ShowCandidatePage(*m_result, m_prefix->text().toStdString(), m_suffix->text().toStdString(), m_random));
}

void NamingPage::RzBitBtn4Click() {
    const QModelIndex current = m_grid->currentIndex();
    const QString body = m_model->Cell(current.isValid() ? current.row() : -1, 4).trimmed();
    if (body.isEmpty())
        return;
    NameAnalysisValues v;
    v.birth = m_fields.Input();
    v.birth.surname = base::TrimCopy(v.birth.surname);
    v.birth.givenName = base::TrimCopy(v.birth.givenName);
    v.name = {m_prefix->text().trimmed().toStdString(), body.toStdString(), m_suffix->text().trimmed().toStdString()};
    OpenNameAnalysisWindow(m_store, window(), v);
}

} // namespace korvani::app
