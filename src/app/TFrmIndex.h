#pragma once

#include <QWidget>

namespace korvani::app {

// The main window: a fixed frame of 800 × 590 that holds the program's pages.
class TFrmIndex : public QWidget {
    Q_OBJECT

public:
    explicit TFrmIndex(QWidget* parent = nullptr);

    static constexpr int kClientWidth = 800;
    static constexpr int kClientHeight = 590;
};

} // namespace korvani::app
