#include "app/AnalysisPage.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/EnterKey.h"
#include "naming/AssociationFilter.h"

namespace korvani::app {

AnalysisPage::AnalysisPage(data::DataStore& store, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabSheet3"));
    auto* layout = new QVBoxLayout(this);
    m_form = new CompanyNameForm(store, QStringLiteral("3"), QStringLiteral("ButtonName"), QStringLiteral("分析"),
                                 false, QPageSize::Letter, this);
    layout->addWidget(m_form);
    auto* back = new QPushButton(QStringLiteral("返回起名"), this);
    back->setObjectName(QStringLiteral("RzBitBtn6"));
    m_form->Buttons()->addWidget(back);
    m_form->Buttons()->addStretch();
    connect(back, &QPushButton::clicked, this, &AnalysisPage::BackToNaming);
}

TFrmNamemain::TFrmNamemain(data::DataStore& store, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmNamemain"));
    setWindowTitle(QStringLiteral("名称分析"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(760, 560);
    auto* layout = new QVBoxLayout(this);
    m_glosses = new QLabel(this);
    m_glosses->setObjectName(QStringLiteral("LabelGloss"));
    m_glosses->setWordWrap(true);
    m_glosses->hide();
    layout->addWidget(m_glosses);
    m_score = new QLabel(this);
    m_score->setObjectName(QStringLiteral("LabelScore"));
    m_score->setWordWrap(true);
    m_score->hide();
    layout->addWidget(m_score);
    m_form = new CompanyNameForm(store, QString(), QStringLiteral("RzButton1"), QStringLiteral("名称分析"), true,
                                 QPageSize::A4, this);
    const auto showGlosses = [this, &store](const QString& body) {
        QStringList lines;
        for (const std::string& line : naming::BodyGlosses(store, body.trimmed().toStdString()))
            lines << QString::fromStdString(line);
        m_glosses->setText(QStringLiteral("字义：") + lines.join(QStringLiteral("；")));
        m_glosses->setVisible(!lines.isEmpty());
    };
    connect(m_form->ShortName(), &QLineEdit::textChanged, this, showGlosses);
    connect(m_form->ShortName(), &QLineEdit::textChanged, this, [this](const QString& body) {
        m_score->setVisible(!m_score->text().isEmpty() && body.trimmed() == m_scoreBody);
    });
    // On this window the sex and calendar boxes take typed text too; Enter in them writes the report.
    for (QComboBox* combo : {m_form->Fields().sex, m_form->Fields().calendar}) {
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        OnEnter(combo->lineEdit(), [this] { m_form->RunButton()->click(); });
    }
    layout->addWidget(m_form);
    auto* quit = new QPushButton(QStringLiteral("退出"), this);
    quit->setObjectName(QStringLiteral("RzBitBtn3"));
    m_form->Buttons()->addWidget(quit);
    m_form->Buttons()->addStretch();
    connect(quit, &QPushButton::clicked, this, &QDialog::close);
    // Enter where no field takes it writes the report, rather than closing the window.
    m_form->RunButton()->setDefault(true);
}

void TFrmNamemain::SetScoreNote(const QString& note) {
    m_score->setText(note.isEmpty() ? QString() : QStringLiteral("评分说明：") + note);
    m_scoreBody = m_form->ShortName()->text().trimmed();
    m_score->setVisible(!note.isEmpty());
}

void TFrmNamemain::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    BirthFields& f = m_form->Fields();
    if (!f.surname->text().trimmed().isEmpty() && !f.givenName->text().trimmed().isEmpty() &&
        !m_form->ShortName()->text().trimmed().isEmpty())
        m_form->RunReport();
    f.surname->setFocus();
}

void OpenNameAnalysisWindow(data::DataStore& store, QWidget* parent, const NameAnalysisValues& v) {
    auto* window = new TFrmNamemain(store, parent);
    BirthFields& f = window->Form()->Fields();
    f.SetInput(v.birth);
    window->Form()->Prefix()->setText(QString::fromStdString(v.name.prefix));
    window->Form()->ShortName()->setText(QString::fromStdString(v.name.shortName));
    window->Form()->Suffix()->setText(QString::fromStdString(v.name.suffix));
    window->SetScoreNote(QString::fromStdString(v.scoreNote));
    window->exec();
}

} // namespace korvani::app
