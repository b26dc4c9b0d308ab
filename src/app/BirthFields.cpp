#include "app/BirthFields.h"

#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "app/GbkLengthValidator.h"
#include "base/Text.h"
#include "reports/CompanyNameReport.h"

namespace korvani::app {

namespace {

QComboBox* Combo(QWidget* parent, const QString& name, const QStringList& items, const QString& current,
                 bool editable) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItems(items);
    combo->setEditable(editable);
    // A typed value is read as it stands; it does not become a new item of the list.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCurrentText(current);
    combo->setMaxVisibleItems(12);
    return combo;
}

QStringList Numbers(int first, int last) {
    QStringList list;
    for (int i = first; i <= last; ++i)
        list << QString::number(i);
    return list;
}

} // namespace

BirthFields BirthFields::Create(QWidget* parent, QGridLayout* layout, int row, const QString& suffix, bool withPerson) {
    BirthFields f;
    const auto edit = [&](const QString& name) {
        auto* e = new QLineEdit(parent);
        e->setObjectName(name + suffix);
        e->setValidator(new GbkLengthValidator(static_cast<int>(reports::kPersonNameMaxBytes), e));
        e->setMaximumWidth(80);
        return e;
    };
    if (withPerson) {
        f.surname = edit(QStringLiteral("Xing"));
        f.givenName = edit(QStringLiteral("NameB"));
        f.sex = Combo(parent, QStringLiteral("CBsex") + suffix, {QStringLiteral("男"), QStringLiteral("女")},
                      QStringLiteral("男"), false);
    }
    f.calendar = Combo(parent, QStringLiteral("ComDate") + suffix, {QStringLiteral("公历"), QStringLiteral("农历")},
                       QStringLiteral("公历"), false);
    // The years from 1900 to this one: a company's representative may have been born in any of them.
    f.year = Combo(parent, QStringLiteral("SYear") + suffix, Numbers(1900, QDate::currentDate().year()),
                   QStringLiteral("1980"), true);
    f.month = Combo(parent, QStringLiteral("SMonth") + suffix, Numbers(1, 12), QStringLiteral("1"), true);
    f.day = Combo(parent, QStringLiteral("Sday") + suffix, Numbers(1, 31), QStringLiteral("1"), true);
    QStringList hours;
    for (int h = 0; h < 24; ++h)
        hours << QString::fromStdString(chart::HourItemText(h));
    f.hour = Combo(parent, QStringLiteral("Shour") + suffix, hours, hours.front(), true);
    f.minute = Combo(parent, QStringLiteral("CBFen") + suffix, Numbers(0, 59), QStringLiteral("0"), true);

    const std::pair<const char*, QWidget*> cells[] = {
        {"姓", f.surname}, {"名", f.givenName}, {"性别", f.sex}, {nullptr, f.calendar}, {"年", f.year},
        {"月", f.month},   {"日", f.day},       {"时", f.hour},  {"分", f.minute},
    };
    int column = 0;
    for (const auto& [label, widget] : cells) {
        if (!widget)
            continue;
        if (label)
            layout->addWidget(new QLabel(QString::fromUtf8(label), parent), row, column++, Qt::AlignRight);
        layout->addWidget(widget, row, column++);
    }
    return f;
}

chart::BirthInput BirthFields::Input() const {
    chart::BirthInput input;
    if (surname)
        input.surname = surname->text().toStdString();
    if (givenName)
        input.givenName = givenName->text().toStdString();
    if (sex)
        input.sex = sex->currentText().toStdString();
    input.lunar = calendar->currentIndex() != 0;
    input.year = year->currentText().toStdString();
    input.month = month->currentText().toStdString();
    input.day = day->currentText().toStdString();
    // The hour as the box shows it, a list item or typed ("5", "卯5"): read when the birth is resolved.
    input.hour.reset();
    input.hourText = hour->currentText().toStdString();
    input.minute = minute->currentText().toStdString();
    return input;
}

void BirthFields::SetInput(const chart::BirthInput& input) const {
    if (surname)
        surname->setText(QString::fromStdString(input.surname));
    if (givenName)
        givenName->setText(QString::fromStdString(input.givenName));
    if (sex)
        sex->setCurrentIndex(input.sex == "男" ? 0 : 1);
    calendar->setCurrentIndex(input.lunar ? 1 : 0);
    year->setCurrentText(QString::fromStdString(input.year));
    month->setCurrentText(QString::fromStdString(input.month));
    day->setCurrentText(QString::fromStdString(input.day));
    if (!base::Trim(input.hourText).empty()) {
        // A list item chooses its row; a typed hour stays as typed.
        const QString text = QString::fromStdString(input.hourText);
        if (const int item = hour->findText(text); item >= 0)
            hour->setCurrentIndex(item);
        else
            hour->setCurrentText(text);
    }
    else
        hour->setCurrentIndex(input.hour.value_or(-1));
    minute->setCurrentText(QString::fromStdString(input.minute));
}

QWidget* BirthFields::Field(base::InputField field) const {
    switch (field) {
    case base::InputField::Surname:
        return surname;
    case base::InputField::GivenName:
        return givenName;
    default:
        return nullptr;
    }
}

} // namespace korvani::app
