#include "app/TFRM_Date.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>

#include "app/Fonts.h"
#include "app/UpDown.h"
#include "calendar/window/MonthSheet.h"
#include "calendar/window/WindowCalendar.h"

namespace korvani::app {

namespace {

using calendar::window::CellTextKind;
using calendar::window::MonthSheet;

// Pixels of the window's logical coordinates. A cell is 42 wide and 32 high, seven to a row from
// Sunday; the day number sits at the top of the cell and the lunar text 17 pixels lower.
constexpr int kGridLeft = 18;
constexpr int kGridTop = 62;
constexpr int kCellWidth = 42;
constexpr int kCellHeight = 32;
constexpr int kRows = 6;
constexpr int kGridWidth = kCellWidth * MonthSheet::kColumns;
constexpr int kGridHeight = kCellHeight * kRows;
constexpr int kLunarOffset = 17;
constexpr int kWindowWidth = kGridLeft * 2 + kGridWidth;
constexpr int kWindowHeight = 330;
constexpr int kNoteHeight = 48;

const QColor kMarkColor(0x7E, 0xE2, 0x81);
const QColor kLunarDayColor(0x00, 0x40, 0x00);
const QColor kMonthNameColor(0xFF, 0x00, 0x00);
const QColor kFestivalColor(0xFF, 0x80, 0x00);
const QColor kTermColor(0x53, 0x53, 0xFF);
const QColor kWeekendColor(0xFF, 0x00, 0x00);
const QColor kWatermarkColor(0xDD, 0xEE, 0xDD);
const QColor kAnimalColor(0x9C, 0x1F, 0x1F);
const QColor kConstellationColor(0x1F, 0x3F, 0x7F);

QColor ColorOf(CellTextKind kind) {
    switch (kind) {
    case CellTextKind::LunarDay:
        return kLunarDayColor;
    case CellTextKind::LunarMonth:
        return kMonthNameColor;
    case CellTextKind::SolarFestival:
    case CellTextKind::LunarFestival:
        return kFestivalColor;
    case CellTextKind::SolarTerm:
        return kTermColor;
    }
    return kLunarDayColor;
}

QPoint CellCorner(int cell) {
    return {kGridLeft + (cell - 1) % MonthSheet::kColumns * kCellWidth,
            kGridTop + (cell - 1) / MonthSheet::kColumns * kCellHeight};
}

void SetTextColor(QLabel* label, const QColor& color) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QRect& geometry, const QFont& font,
                  Qt::Alignment alignment = Qt::AlignCenter) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(alignment);
    return label;
}

base::CivilDate CivilOf(const QDate& date) { return {date.year(), date.month(), date.day()}; }

} // namespace

TFRM_Date::TFRM_Date(QWidget* parent, Clock today) : QDialog(parent), m_today(std::move(today)) {
    if (!m_today)
        m_today = &QDate::currentDate;
    setObjectName(QStringLiteral("FRM_Date"));
    setWindowTitle(QStringLiteral("万年历"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kWindowWidth, kWindowHeight);

    // Behind the grid: the shown year and month, large and pale; then the mark of the chosen day.
    // Every label in front is transparent, so both show through.
    const QRect grid(kGridLeft, kGridTop, kGridWidth, kGridHeight);
    QFont monthFont = UiFont();
    monthFont.setPixelSize(150);
    monthFont.setBold(true);
    m_monthWatermark = MakeLabel(this, QStringLiteral("Label16"), grid, monthFont);
    QFont yearFont = UiFont();
    yearFont.setPixelSize(44);
    yearFont.setBold(true);
    m_yearWatermark = MakeLabel(this, QStringLiteral("Label20"), grid.adjusted(0, 0, -4, 0), yearFont,
                                Qt::AlignRight | Qt::AlignBottom);
    for (QLabel* watermark : {m_monthWatermark, m_yearWatermark})
        SetTextColor(watermark, kWatermarkColor);

    m_mark = new QWidget(this);
    m_mark->setObjectName(QStringLiteral("Shape2"));
    m_mark->setAutoFillBackground(true);
    QPalette markPalette = m_mark->palette();
    markPalette.setColor(QPalette::Window, kMarkColor);
    m_mark->setPalette(markPalette);
    m_mark->resize(kCellWidth, kCellHeight - 1);

    // The top row: month and year with their spins, and 今天.
    QFont headingFont = UiFont(14);
    headingFont.setBold(true);
    m_monthLabel =
        MakeLabel(this, QStringLiteral("Label17"), {18, 10, 34, 30}, headingFont, Qt::AlignRight | Qt::AlignVCenter);
    m_monthLabel->setToolTip(QStringLiteral("单击改变月份"));
    MakeLabel(this, QStringLiteral("Label18"), {52, 10, 22, 30}, UiFont(11))->setText(QStringLiteral("月"));
    m_monthSpin = new UpDown(1, 12, this);
    m_monthSpin->setObjectName(QStringLiteral("UpDown2"));
    m_monthSpin->setGeometry(76, 10, 17, 30);
    m_yearLabel =
        MakeLabel(this, QStringLiteral("Label1"), {104, 10, 62, 30}, headingFont, Qt::AlignRight | Qt::AlignVCenter);
    m_yearLabel->setToolTip(QStringLiteral("单击改变年份"));
    MakeLabel(this, QStringLiteral("Label19"), {166, 10, 22, 30}, UiFont(11))->setText(QStringLiteral("年"));
    m_yearSpin = new UpDown(calendar::window::kFirstWindowYear, calendar::window::kLastWindowYear, this);
    m_yearSpin->setObjectName(QStringLiteral("UpDown1"));
    m_yearSpin->setGeometry(190, 10, 17, 30);
    m_yearSpin->hide();
    for (QLabel* label : {m_monthLabel, m_yearLabel}) {
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
    }
    auto* todayButton = new QPushButton(QStringLiteral("今天"), this);
    todayButton->setObjectName(QStringLiteral("StaticText1"));
    todayButton->setAutoDefault(false);
    todayButton->setGeometry(kWindowWidth - kGridLeft - 60, 12, 60, 26);

    // The weekday headers above and below the grid, the weekend in red.
    static constexpr const char* kWeekdays[] = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
    for (int column = 0; column < MonthSheet::kColumns; ++column) {
        for (const int top : {kGridTop - 20, kGridTop + kGridHeight + 2}) {
            const int number = column + (top < kGridTop ? 2 : 9);
            QLabel* header = MakeLabel(this, QStringLiteral("Label%1").arg(number),
                                       {kGridLeft + column * kCellWidth, top, kCellWidth, 18}, UiFont(8));
            header->setText(QString::fromUtf8(kWeekdays[column]));
            if (column == 0 || column == MonthSheet::kColumns - 1)
                SetTextColor(header, kWeekendColor);
        }
    }

    // The 37 cells: a day number (11 points, black) and its lunar text under it.
    for (int cell = 1; cell <= kCellCount; ++cell) {
        const QPoint corner = CellCorner(cell);
        QLabel* day = MakeLabel(this, QStringLiteral("day%1").arg(cell),
                                {corner.x() + 1, corner.y(), kCellWidth - 2, kLunarOffset + 1}, UiFont(11));
        QLabel* lunar =
            MakeLabel(this, QStringLiteral("Cnday%1").arg(cell),
                      {corner.x(), corner.y() + kLunarOffset, kCellWidth, kCellHeight - kLunarOffset}, UiFont(9));
        for (QLabel* label : {day, lunar}) {
            label->setCursor(Qt::PointingHandCursor);
            label->installEventFilter(this);
            label->hide();
        }
        m_days[cell - 1] = day;
        m_lunar[cell - 1] = lunar;
    }

    // Under the grid: the year animal, large, and the constellation of the chosen day.
    const int bottom = kGridTop + kGridHeight + 24;
    m_animal = MakeLabel(this, QStringLiteral("Label21"), {kGridLeft, bottom, 120, 36}, UiFont(18),
                         Qt::AlignLeft | Qt::AlignVCenter);
    SetTextColor(m_animal, kAnimalColor);
    m_constellation = MakeLabel(this, QStringLiteral("Label22"), {kGridLeft + 130, bottom, kGridWidth - 130, 36},
                                UiFont(11), Qt::AlignRight | Qt::AlignVCenter);
    SetTextColor(m_constellation, kConstellationColor);
    m_rangeNote = MakeLabel(this, QStringLiteral("RangeNote"), {kGridLeft, kWindowHeight, kGridWidth, kNoteHeight - 6},
                            UiFont(9), Qt::AlignLeft | Qt::AlignTop);
    m_rangeNote->setWordWrap(true);
    SetTextColor(m_rangeNote, kAnimalColor);
    m_rangeNote->hide();

    connect(m_yearSpin, &UpDown::Click, this, &TFRM_Date::UpDown1Click);
    connect(m_monthSpin, &UpDown::Click, this, &TFRM_Date::UpDown2Click);
    connect(todayButton, &QPushButton::clicked, this, &TFRM_Date::StaticText1Click);

    SetToday();
}

// The remembered day is today; a today outside 1901 to 2050, which the window's tables do not
// reach, gives way to the nearest day of that span, and the window says so under the grid.
void TFRM_Date::SetToday() {
    const QDate today = m_today();
    m_selectedDate = calendar::window::NearestWindowDate(CivilOf(today));
    const bool outside = m_selectedDate != CivilOf(today);
    if (outside)
        m_rangeNote->setText(QStringLiteral("今天（%1）不在%2年至%3年之间，现显示最近的%4年%5月。")
                                 .arg(today.toString(QStringLiteral("yyyy-MM-dd")))
                                 .arg(calendar::window::kFirstWindowYear)
                                 .arg(calendar::window::kLastWindowYear)
                                 .arg(m_selectedDate.year)
                                 .arg(m_selectedDate.month));
    m_rangeNote->setVisible(outside);
    setFixedHeight(kWindowHeight + (outside ? kNoteHeight : 0));
}

void TFRM_Date::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TFRM_Date::FormShow() {
    m_shownYear = m_selectedDate.year;
    m_shownMonth = m_selectedDate.month;
    m_shownDay = m_selectedDate.day;
    m_yearSpin->SetPosition(m_shownYear);
    m_monthSpin->SetPosition(m_shownMonth);
    ShowMonth(m_selectedDate);
}

void TFRM_Date::ShowMonth(const base::CivilDate& date) {
    const MonthSheet sheet(date.year, date.month, date.day);
    m_yearLabel->setText(QString::number(sheet.Year()));
    m_yearWatermark->setText(m_yearLabel->text());
    m_monthLabel->setText(QString::number(sheet.Month()));
    m_monthWatermark->setText(m_monthLabel->text());
    m_animal->setText(QString::fromStdString(sheet.YearAnimal()));

    for (int i = 0; i < kCellCount; ++i) {
        m_days[i]->hide();
        m_lunar[i]->hide();
    }
    for (const calendar::window::DayCell& cell : sheet.Cells()) {
        QLabel* day = m_days[cell.cell - 1];
        QLabel* lunar = m_lunar[cell.cell - 1];
        day->setText(QString::number(cell.day));
        lunar->setText(QString::fromStdString(cell.lowerText));
        SetTextColor(lunar, ColorOf(cell.kind));
        for (QLabel* label : {day, lunar}) {
            label->setProperty("tag", cell.day);
            label->show();
        }
    }
    MarkCellOf(m_days[sheet.ChosenCell() - 1]);
    m_constellation->setText(QString::fromStdString(sheet.Constellation()));
}

void TFRM_Date::ShowShownMonth() {
    ShowMonth({m_shownYear, m_shownMonth, std::min(m_shownDay, base::DaysInMonth(m_shownYear, m_shownMonth))});
}

void TFRM_Date::UpDown1Click() {
    m_shownYear = m_yearSpin->Position();
    ShowShownMonth();
}

void TFRM_Date::UpDown2Click() {
    m_shownMonth = m_monthSpin->Position();
    ShowShownMonth();
}

void TFRM_Date::Label1Click() {
    m_yearSpin->show();
    m_monthSpin->hide();
}

void TFRM_Date::Label17Click() {
    m_monthSpin->show();
    m_yearSpin->hide();
}

void TFRM_Date::StaticText1Click() {
    SetToday();
    FormShow();
}

void TFRM_Date::CnDayClick(const QLabel* label) {
    m_shownDay = label->property("tag").toInt();
    m_selectedDate = {m_shownYear, m_shownMonth, m_shownDay};
}

// The mark sits one pixel left of and one below the corner of the day number, which is the same
// place as the lunar text's left edge 16 pixels above its top: either label marks its whole cell.
void TFRM_Date::MarkCellOf(const QLabel* label) {
    const auto cell = std::find(m_days.begin(), m_days.end(), label);
    if (cell != m_days.end())
        m_mark->move(label->x() - 1, label->y() + 1);
    else
        m_mark->move(label->x(), label->y() - (kLunarOffset - 1));
}

// Another window or program took the focus: the calendar closes, as a drop-down would.
void TFRM_Date::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow())
        close();
}

bool TFRM_Date::eventFilter(QObject* watched, QEvent* event) {
    auto* label = qobject_cast<QLabel*>(watched);
    if (!label || (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease))
        return QDialog::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton)
        return QDialog::eventFilter(watched, event);
    const bool release = event->type() == QEvent::MouseButtonRelease;
    const bool inside = label->rect().contains(mouse->position().toPoint());
    if (label == m_monthLabel || label == m_yearLabel) {
        if (release && inside)
            label == m_monthLabel ? Label17Click() : Label1Click();
        return true;
    }
    if (!release)
        MarkCellOf(label);
    else if (inside)
        CnDayClick(label);
    return true;
}

} // namespace korvani::app
