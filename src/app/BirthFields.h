#pragma once

#include <QString>

#include "chart/BirthInput.h"

class QComboBox;
class QGridLayout;
class QLineEdit;
class QWidget;

namespace korvani::app {

// The legal representative's row of a page: surname, given name, sex, calendar, year, month, day,
// hour and minute, with the object names of that page (Xing, NameB, CBsex, ComDate, SYear, SMonth,
// Sday, Shour, CBFen, each followed by the page's suffix).
struct BirthFields {
    QLineEdit* surname = nullptr;
    QLineEdit* givenName = nullptr;
    QComboBox* sex = nullptr;
    QComboBox* calendar = nullptr;
    QComboBox* year = nullptr;
    QComboBox* month = nullptr;
    QComboBox* day = nullptr;
    QComboBox* hour = nullptr;
    QComboBox* minute = nullptr;

    // Creates the controls with their labels in one row of `layout`. Without the person, the row
    // has only the birth moment (calendar, date, hour, minute); surname, given name and sex stay
    // null and read as empty, the sex as "男".
    static BirthFields Create(QWidget* parent, QGridLayout* layout, int row, const QString& suffix,
                              bool withPerson = true);

    chart::BirthInput Input() const;
    // Shows an input in the fields, as the user would have chosen it.
    void SetInput(const chart::BirthInput& input) const;
    // The control that an input check names (surname, given name), or none.
    QWidget* Field(base::InputField field) const;
};

} // namespace korvani::app
