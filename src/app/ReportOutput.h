#pragma once

#include <QPageSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QPlainTextEdit;
class QPrinter;
class QWidget;

// The output of the report memos: fill, print, save, and the information and error boxes.
namespace korvani::app {

// Shows a message box; replaced in tests to capture what the user would see.
using MessageSink = std::function<void(QWidget* parent, const QString& title, const QString& text)>;

// The information box "提示" of the input checks (`caption` for the all-fixed box "信息提示").
void ShowInfo(QWidget* parent, const QString& text, const QString& caption = QStringLiteral("提示"));
// The program's error box, for a text that is no date or number and an unreadable data file.
void ShowError(QWidget* parent, const QString& text);
// Replaces the boxes (information and error) by `sink`; an empty sink restores them.
void SetMessageSink(MessageSink sink);

// Replaces a memo's content by the lines at once; the view stays at the first line.
void SetReportLines(QPlainTextEdit* memo, const std::vector<std::string>& lines);

// The lines of a memo.
QStringList ReportLines(const QPlainTextEdit* memo);

// Prints lines on the printer, page after page, on the given paper with the report's page setup
// (PrintedReport: margins of 12.7 mm, header and footer bands of 6.35 mm, the report font).
void PrintLines(QPrinter& printer, const QStringList& lines, QPageSize::PageSizeId paper);

// Lets the user choose the printer, page range and copies; false when the user cancels. Replaced in
// tests, which print to a PDF file instead.
using PrintDialog = std::function<bool(QWidget* parent, QPrinter& printer)>;
void SetPrintDialog(PrintDialog dialog);

// "打印": nothing for an empty memo; else the print dialog, then the memo's lines.
void PrintReport(QWidget* parent, const QPlainTextEdit* memo, QPageSize::PageSizeId paper);
// The same for a report that is not shown in a memo (a list of days).
void PrintReport(QWidget* parent, const QStringList& lines, QPageSize::PageSizeId paper);

// The file a typed save name writes to: ".txt" is added unless the name already ends in it.
QString SaveFileName(const QString& typed);

// Writes the bytes to the file whole: beside the target first, moved into place at the end, so
// that a failed write leaves no half file. Returns the system's error text on failure.
std::optional<QString> WriteFileWhole(const QString& path, const std::string& bytes);

// Writes the lines in GBK with CR LF. Returns the reason when nothing could be written; a line that
// GBK cannot hold is such a reason, and no damaged file is left behind.
std::optional<QString> WriteReportFile(const QString& path, const QStringList& lines);

// Asks for the file to save to; replaced in tests. Returns an empty text when the user cancels.
using SaveDialog = std::function<QString(QWidget* parent, const QString& defaultName)>;
void SetSaveDialog(SaveDialog dialog);

// "保存": nothing for an empty memo; else the save dialog (title "保存", filter 文本文件 *.txt) and the
// file, or a message that says the file was not saved and why.
void SaveReport(QWidget* parent, const QPlainTextEdit* memo, const QString& defaultName);
// The same for a report that is not shown in a memo.
void SaveReport(QWidget* parent, const QStringList& lines, const QString& defaultName);

} // namespace korvani::app
