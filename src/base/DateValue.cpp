#include "base/DateValue.h"

#include <cmath>
#include <cstdint>
#include <fmt/format.h>
#include <optional>

#include "base/Errors.h"

namespace korvani::base {

namespace {

constexpr int kUnixEpochDayNumber = 25569; // 1970-01-01 counted from 1899-12-30
constexpr double kMillisecondsPerDay = 86'400'000.0;

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's days_from_civil).
constexpr int DaysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

constexpr CivilDate CivilFromDays(int z) {
    z += 719468;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const int doe = z - era * 146097;
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int mp = (5 * doy + 2) / 153;
    const int d = doy - (153 * mp + 2) / 5 + 1;
    const int m = mp + (mp < 10 ? 3 : -9);
    return {yoe + era * 400 + (m <= 2), m, d};
}

static_assert(DaysFromCivil(1899, 12, 30) == -kUnixEpochDayNumber);

// Reads 1 to maxDigits decimal digits at text[pos]; nullopt when there are none or too many.
std::optional<int> ReadNumber(std::string_view text, std::size_t& pos, int maxDigits) {
    int value = 0;
    int digits = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        if (++digits > maxDigits)
            return std::nullopt;
        value = value * 10 + (text[pos] - '0');
        ++pos;
    }
    if (digits == 0)
        return std::nullopt;
    return value;
}

bool Expect(std::string_view text, std::size_t& pos, char c) {
    if (pos < text.size() && text[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// Reads "y-m-d" from text[pos]; nullopt unless it is an existing day.
std::optional<CivilDate> ReadDate(std::string_view text, std::size_t& pos) {
    const auto y = ReadNumber(text, pos, 4);
    if (!y || !Expect(text, pos, '-'))
        return std::nullopt;
    const auto m = ReadNumber(text, pos, 2);
    if (!m || !Expect(text, pos, '-'))
        return std::nullopt;
    const auto d = ReadNumber(text, pos, 2);
    if (!d || !IsValidDate(*y, *m, *d))
        return std::nullopt;
    return CivilDate{*y, *m, *d};
}

} // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(int year, int month, int day) {
    return year >= kFirstYear && year <= kLastYear && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, month);
}

int DayNumber(const CivilDate& date) { return DaysFromCivil(date.year, date.month, date.day) + kUnixEpochDayNumber; }

CivilDate DateOfDayNumber(int dayNumber) { return CivilFromDays(dayNumber - kUnixEpochDayNumber); }

DateValue ToDateValue(const CivilDate& date, const TimeOfDay& time) {
    const double fraction =
        (((time.hour * 60.0 + time.minute) * 60.0 + time.second) * 1000.0 + time.millisecond) / kMillisecondsPerDay;
    const int days = DayNumber(date);
    return days >= 0 ? days + fraction : days - fraction;
}

namespace {

// Splits a date value into its day number and the milliseconds since midnight, rounding to the
// millisecond so that 23:59:59.9996 becomes midnight of the next day.
void Split(DateValue value, int& days, std::int64_t& milliseconds) {
    days = static_cast<int>(std::trunc(value));
    milliseconds = std::llround(std::fabs(value - days) * kMillisecondsPerDay);
    if (milliseconds >= static_cast<std::int64_t>(kMillisecondsPerDay)) {
        milliseconds -= static_cast<std::int64_t>(kMillisecondsPerDay);
        days += value >= 0 ? 1 : -1;
    }
}

} // namespace

CivilDate DatePart(DateValue value) {
    int days;
    std::int64_t ms;
    Split(value, days, ms);
    return DateOfDayNumber(days);
}

TimeOfDay TimePart(DateValue value) {
    int days;
    std::int64_t ms;
    Split(value, days, ms);
    return {static_cast<int>(ms / 3'600'000), static_cast<int>(ms / 60'000 % 60), static_cast<int>(ms / 1000 % 60),
            static_cast<int>(ms % 1000)};
}

int DayOfWeek(const CivilDate& date) {
    // Day 0 (1899-12-30) was a Saturday.
    const int n = (DayNumber(date) + 6) % 7;
    return n < 0 ? n + 7 : n;
}

std::string FormatDate(const CivilDate& date) {
    return fmt::format("{:04}-{:02}-{:02}", date.year, date.month, date.day);
}

std::string FormatDateTime(DateValue value) {
    const CivilDate d = DatePart(value);
    const TimeOfDay t = TimePart(value);
    return fmt::format("{} {:02}:{:02}:{:02}.{:03}", FormatDate(d), t.hour, t.minute, t.second, t.millisecond);
}

CivilDate ParseDate(std::string_view text) {
    const std::string_view body = TrimBlanks(text);
    std::size_t pos = 0;
    const auto date = ReadDate(body, pos);
    if (!date || pos != body.size())
        throw InputError(fmt::format("'{}' 不是有效的日期", text));
    return *date;
}

DateValue ParseDateTime(std::string_view text) {
    const auto fail = [&] { return InputError(fmt::format("'{}' 不是有效的日期和时间", text)); };
    const std::string_view body = TrimBlanks(text);
    std::size_t pos = 0;
    const auto date = ReadDate(body, pos);
    if (!date)
        throw fail();
    TimeOfDay time;
    if (pos < body.size()) {
        if (!Expect(body, pos, ' '))
            throw fail();
        while (pos < body.size() && body[pos] == ' ')
            ++pos;
        const auto h = ReadNumber(body, pos, 2);
        if (!h || !Expect(body, pos, ':'))
            throw fail();
        const auto mi = ReadNumber(body, pos, 2);
        if (!mi)
            throw fail();
        time.hour = *h;
        time.minute = *mi;
        if (Expect(body, pos, ':')) {
            const auto s = ReadNumber(body, pos, 2);
            if (!s)
                throw fail();
            time.second = *s;
            if (Expect(body, pos, '.')) {
                const std::size_t start = pos;
                const auto ms = ReadNumber(body, pos, 3);
                if (!ms)
                    throw fail();
                const std::size_t digits = pos - start;
                time.millisecond = *ms * (digits == 1 ? 100 : digits == 2 ? 10 : 1);
            }
        }
        if (pos != body.size() || time.hour > 23 || time.minute > 59 || time.second > 59)
            throw fail();
    }
    return ToDateValue(*date, time);
}

} // namespace korvani::base
