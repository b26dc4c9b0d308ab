#pragma once

#include <QDate>
#include <QDialog>
#include <array>
#include <functional>

#include "base/DateValue.h"

class QLabel;
class QPushButton;

namespace korvani::app {

class UpDown;

// 万年历: a Gregorian month of 1901 to 2050 as a grid of days, Sunday first, each day with its lunar
// date, lunar month, festival or solar term under it; the year animal and the chosen day's
// constellation below the grid. The month label (Label17) and the year label (Label1) bring up their
// spin (UpDown2, UpDown1) on a click; 今天 (StaticText1) goes back to today. The window closes itself
// when another window or program takes the focus, and frees itself when it is closed.
class TFRM_Date : public QDialog {
    Q_OBJECT

public:
    using Clock = std::function<QDate()>;

    // `today` tells the date that the window opens on and that 今天 returns to (the system's date
    // unless given).
    explicit TFRM_Date(QWidget* parent = nullptr, Clock today = {});

    static constexpr int kCellCount = 37;

    // The labels of cell 1 to 37: the day number and the lunar text under it.
    QLabel* DayLabel(int cell) const { return m_days.at(cell - 1); }
    QLabel* LunarLabel(int cell) const { return m_lunar.at(cell - 1); }
    // The mark of the chosen day (Shape2).
    QWidget* Mark() const { return m_mark; }
    UpDown* YearSpin() const { return m_yearSpin; }
    UpDown* MonthSpin() const { return m_monthSpin; }

    base::CivilDate Shown() const { return {m_shownYear, m_shownMonth, m_shownDay}; }
    base::CivilDate SelectedDate() const { return m_selectedDate; }

    // Fills the window for the month of `date` (1901 to 2050) and marks its day.
    void ShowMonth(const base::CivilDate& date);

    // The year spin was stepped: the same month and day (at most the month's last) of that year.
    void UpDown1Click();
    // The month spin was stepped.
    void UpDown2Click();
    // The year label: brings up the year spin in place of the month spin.
    void Label1Click();
    // The month label: brings up the month spin in place of the year spin.
    void Label17Click();
    // 今天.
    void StaticText1Click();
    // A click on a day (its number or its lunar text): that day becomes the chosen date; the grid
    // and the constellation stay as they are.
    void CnDayClick(const QLabel* label);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void SetToday();
    void ShowShownMonth();
    // Moves the mark over the cell of a pressed day label.
    void MarkCellOf(const QLabel* label);

    Clock m_today;
    int m_shownYear = 0;
    int m_shownMonth = 0;
    int m_shownDay = 0;
    base::CivilDate m_selectedDate;

    std::array<QLabel*, kCellCount> m_days{};
    std::array<QLabel*, kCellCount> m_lunar{};
    QWidget* m_mark;
    QLabel* m_monthLabel;
    QLabel* m_yearLabel;
    UpDown* m_monthSpin;
    UpDown* m_yearSpin;
    QLabel* m_yearWatermark;
    QLabel* m_monthWatermark;
    QLabel* m_animal;
    QLabel* m_constellation;
    QLabel* m_rangeNote;
};

} // namespace korvani::app
