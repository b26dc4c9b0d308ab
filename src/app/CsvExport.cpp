#include "app/CsvExport.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

#include "app/ReportOutput.h"

namespace korvani::app {

namespace {

CsvSaveDialog& Dialog() {
    static CsvSaveDialog dialog;
    return dialog;
}

} // namespace

void SetCsvSaveDialog(CsvSaveDialog dialog) { Dialog() = std::move(dialog); }

std::optional<QString> WriteCsvFile(const QString& path, const std::string& bytes) {
    return WriteFileWhole(path, bytes);
}

void ExportCsv(QWidget* parent, const std::string& csv, const QString& defaultName) {
    QString chosen;
    if (Dialog()) {
        chosen = Dialog()(parent, defaultName);
    } else {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        chosen = QFileDialog::getSaveFileName(parent, QStringLiteral("导出CSV"), QDir(folder).filePath(defaultName),
                                              QStringLiteral("CSV 文件 (*.csv)"));
    }
    if (chosen.isEmpty())
        return;
    const QString path =
        chosen.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) ? chosen : chosen + QStringLiteral(".csv");
    if (const auto reason = WriteCsvFile(path, csv))
        ShowInfo(parent, QStringLiteral("CSV 文件没有保存到“%1”：%2").arg(path, *reason));
}

} // namespace korvani::app
