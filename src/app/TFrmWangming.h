#pragma once

#include "app/ReadingWindow.h"

namespace korvani::app {

// 网名与性格: a net name read through the pinyin initials of its characters.
class TFrmWangming : public ReadingWindow {
    Q_OBJECT

public:
    explicit TFrmWangming(QWidget* parent = nullptr);

protected:
    void Read() override;
};

} // namespace korvani::app
