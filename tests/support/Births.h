#pragma once

#include "chart/BirthInput.h"

namespace korvani::testing {

// A birth as the pages' fields hold it; the hour as chosen from the hour list.
inline chart::BirthInput MakeBirth(const char* surname, const char* given, const char* sex, bool lunar,
                                   const char* year, const char* month, const char* day, int hour,
                                   const char* minute) {
    chart::BirthInput b;
    b.surname = surname;
    b.givenName = given;
    b.sex = sex;
    b.lunar = lunar;
    b.year = year;
    b.month = month;
    b.day = day;
    b.hour = hour;
    b.minute = minute;
    return b;
}

} // namespace korvani::testing
