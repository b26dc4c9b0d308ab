#pragma once

#include <QDialog>
#include <QWidget>
#include <functional>

#include "chart/BirthInput.h"
#include "data/DataStore.h"

// The fixed pages (about, tools), with the controls their windows name, and the naming-service
// window.

namespace korvani::app {
// 其他功能: a read-only memo about the program.
QWidget* CreateAboutPage(QWidget* parent);
// 功能大全: the tool buttons RzToolButton32..41 under their group headings. 手机号码, QQ号分析, 更多数字
// and 网名分析 open their reading windows modally, 万年历法 the calendar window, 择吉日 (RzToolButton41)
// the lucky-day window for the representative that `representative` gives; each opening first frees
// a window left over from the one before.
QWidget* CreateToolsPage(data::DataStore& store, std::function<chart::BirthInput()> representative, QWidget* parent);

// 人工起名服务: a window of fixed labels.
class TFrm_servers : public QDialog {
    Q_OBJECT

public:
    explicit TFrm_servers(QWidget* parent = nullptr);
};

} // namespace korvani::app
