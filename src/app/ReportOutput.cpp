#include "app/ReportOutput.h"

#include "app/PrintedReport.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTextBlock>

#include "base/Gbk.h"

namespace korvani::app {

namespace {

MessageSink& Sink() {
    static MessageSink sink;
    return sink;
}

SaveDialog& Dialog() {
    static SaveDialog dialog;
    return dialog;
}

PrintDialog& PrintDialogHook() {
    static PrintDialog dialog;
    return dialog;
}

bool IsBlank(const QStringList& lines) { return lines.join(QLatin1Char('\n')).trimmed().isEmpty(); }

} // namespace

void SetMessageSink(MessageSink sink) { Sink() = std::move(sink); }

void ShowInfo(QWidget* parent, const QString& text, const QString& caption) {
    if (Sink()) {
        Sink()(parent, caption, text);
        return;
    }
    QMessageBox::information(parent, caption, text);
}

void ShowError(QWidget* parent, const QString& text) {
    if (Sink()) {
        Sink()(parent, QStringLiteral("错误"), text);
        return;
    }
    QMessageBox::critical(parent, QStringLiteral("错误"), text);
}

void SetReportLines(QPlainTextEdit* memo, const std::vector<std::string>& lines) {
    QStringList text;
    text.reserve(static_cast<int>(lines.size()));
    for (const std::string& line : lines)
        text << QString::fromStdString(line);
    memo->setPlainText(text.join(QLatin1Char('\n')));
    memo->moveCursor(QTextCursor::Start);
    memo->verticalScrollBar()->setValue(0);
}

QStringList ReportLines(const QPlainTextEdit* memo) {
    QStringList lines;
    for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next())
        lines << block.text();
    return lines;
}

void PrintLines(QPrinter& printer, const QStringList& lines, QPageSize::PageSizeId paper) {
    printer.setFullPage(false);
    printer.setPageLayout(PrintedReport::PageLayout(paper));
    const PrintedReport report(lines, paper, &printer);
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    for (int page = 0; page < report.PageCount(); ++page) {
        if (page > 0)
            printer.newPage();
        report.PaintPage(painter, page);
    }
    painter.end();
}

void SetPrintDialog(PrintDialog dialog) { PrintDialogHook() = std::move(dialog); }

void PrintReport(QWidget* parent, const QPlainTextEdit* memo, QPageSize::PageSizeId paper) {
    PrintReport(parent, ReportLines(memo), paper);
}

void PrintReport(QWidget* parent, const QStringList& lines, QPageSize::PageSizeId paper) {
    if (IsBlank(lines))
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(PrintedReport::PageLayout(paper));
    if (PrintDialogHook()) {
        if (!PrintDialogHook()(parent, printer))
            return;
    } else {
        QPrintDialog dialog(&printer, parent);
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    PrintLines(printer, lines, paper);
}

QString SaveFileName(const QString& typed) {
    return typed.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive) ? typed : typed + QStringLiteral(".txt");
}

std::optional<QString> WriteFileWhole(const QString& path, const std::string& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

std::optional<QString> WriteReportFile(const QString& path, const QStringList& lines) {
    std::string bytes;
    for (const QString& line : lines) {
        try {
            bytes += base::Utf8ToGbk(line.toStdString());
        } catch (const base::GbkEncodeError& e) {
            return QString::fromStdString(e.what()) + QStringLiteral("，文本文件无法保存这个字符");
        }
        bytes += "\r\n";
    }
    return WriteFileWhole(path, bytes);
}

void SetSaveDialog(SaveDialog dialog) { Dialog() = std::move(dialog); }

void SaveReport(QWidget* parent, const QPlainTextEdit* memo, const QString& defaultName) {
    SaveReport(parent, ReportLines(memo), defaultName);
}

void SaveReport(QWidget* parent, const QStringList& lines, const QString& defaultName) {
    if (IsBlank(lines))
        return;
    QString name = defaultName.trimmed();
    static const QString kForbidden = QStringLiteral("*/<>?\\|");
    for (QChar c : kForbidden)
        if (name.contains(c))
            name = QStringLiteral("*.txt");
    QString chosen;
    if (Dialog()) {
        chosen = Dialog()(parent, name);
    } else {
        // The dialog opens in the user's documents folder (else the home folder), never in the
        // current folder, which may be the program's own and is read-only once installed.
        QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty() || !QDir(folder).exists())
            folder = QDir::homePath();
        chosen = QFileDialog::getSaveFileName(parent, QStringLiteral("保存"), QDir(folder).filePath(name),
                                              QStringLiteral("文本文件 (*.txt)"));
    }
    if (chosen.isEmpty())
        return;
    const QString path = SaveFileName(chosen);
    if (const auto reason = WriteReportFile(path, lines))
        ShowInfo(parent, QStringLiteral("报告没有保存到“%1”：%2").arg(path, *reason));
}

} // namespace korvani::app
