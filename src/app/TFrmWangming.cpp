#include "app/TFrmWangming.h"

#include <QLabel>
#include <QLineEdit>

#include "app/ReportOutput.h"
#include "tools/NetName.h"

namespace korvani::app {

TFrmWangming::TFrmWangming(QWidget* parent)
    : ReadingWindow({.objectName = "FrmWangming",
                     .title = QStringLiteral("网名与性格"),
                     .entryCaption = QStringLiteral("输入网名："),
                     .maxLength = 18,
                     .digitsOnly = false,
                     .upperCase = true,
                     .entryNote = QString(),
                     .lines = {{"RzLabel11", QString()}, {"RzLabel8", QString(), true}},
                     .footNote = QString()},
                    parent) {}

void TFrmWangming::Read() {
    const auto lines = tools::NetNameReading(Entry()->text().toStdString());
    if (!lines) {
        ShowInfo(this, QString::fromStdString(std::string(tools::kNetNameEmptyMessage)));
        return;
    }
    Line("RzLabel11")->setText(QString::fromStdString(lines->name));
    Line("RzLabel8")->setText(QString::fromStdString(lines->personality));
}

} // namespace korvani::app
