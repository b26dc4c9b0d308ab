#pragma once

#include <QDialog>
#include <QWidget>

// The page whose contents come later (almanac) and the fixed pages (about, tools), with
// the controls their windows name, and the naming-service window.
class QPushButton;

namespace korvani::app {

// 本日黄历: the date selectors SlYear, SlMonth, Slday (today), BtnHuangli 查看, MemoHuangli, a glossary.
// The almanac page and its 查看 button, which the main window's almanac tool button presses.
struct AlmanacPageParts {
    QWidget* page;
    QPushButton* look;
};
AlmanacPageParts CreateAlmanacPage(QWidget* parent);
// 其他功能: a read-only memo about the program.
QWidget* CreateAboutPage(QWidget* parent);
// 功能大全: the tool buttons RzToolButton32..40 under their group headings.
QWidget* CreateToolsPage(QWidget* parent);

// 人工起名服务: a window of fixed labels.
class TFrm_servers : public QDialog {
    Q_OBJECT

public:
    explicit TFrm_servers(QWidget* parent = nullptr);
};

} // namespace korvani::app
