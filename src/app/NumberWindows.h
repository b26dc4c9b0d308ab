#pragma once

#include <string_view>

#include "app/ReadingWindow.h"
#include "data/DataStore.h"

namespace korvani::app {

// 手机号码测算: a mobile number read through its last digits in the telephone readings. When the
// entry already holds a number as the window is shown, it is read at once.
class TFrm_SJcs : public ReadingWindow {
    Q_OBJECT

public:
    TFrm_SJcs(data::DataStore& store, QWidget* parent = nullptr);

protected:
    void Read() override;
    void showEvent(QShowEvent* event) override;

private:
    data::DataStore& m_store;
};

// The QQ and any-number windows: a number read through the 81 numbers. They differ only in their
// texts.
class NumberVerdictWindow : public ReadingWindow {
    Q_OBJECT

public:
    NumberVerdictWindow(const Layout& layout, std::string_view emptyMessage, QWidget* parent);

protected:
    void Read() override;

private:
    std::string_view m_emptyMessage;
};

// QQ号码测试.
class TFrmQQhm : public NumberVerdictWindow {
    Q_OBJECT

public:
    explicit TFrmQQhm(QWidget* parent = nullptr);
};

// 任意号码分析.
class TFrm_onther : public NumberVerdictWindow {
    Q_OBJECT

public:
    explicit TFrm_onther(QWidget* parent = nullptr);
};

} // namespace korvani::app
