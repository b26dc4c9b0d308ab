#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace korvani::app {

// Asks for the CSV file to write; replaced in tests. Returns an empty text when the user cancels.
using CsvSaveDialog = std::function<QString(QWidget* parent, const QString& defaultName)>;
void SetCsvSaveDialog(CsvSaveDialog dialog);

// Writes the bytes to the file at once (beside it first, then moved into place); the reason when
// nothing could be written.
std::optional<QString> WriteCsvFile(const QString& path, const std::string& bytes);

// "导出CSV": the save dialog (filter CSV 文件 *.csv, ".csv" added to a name typed without it), then
// the file, or a message that says it was not written and why.
void ExportCsv(QWidget* parent, const std::string& csv, const QString& defaultName);

} // namespace korvani::app
