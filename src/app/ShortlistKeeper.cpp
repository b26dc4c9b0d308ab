#include "app/ShortlistKeeper.h"

#include <QDir>
#include <QStandardPaths>

#include "app/ReportOutput.h"
#include "base/Errors.h"

namespace korvani::app {

QString ShortlistFilePath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return QDir(folder).filePath(QString::fromUtf8(naming::kShortlistFileName));
}

namespace {

std::filesystem::path FromQt(const QString& path) {
    const QByteArray utf8 = path.toUtf8();
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

} // namespace

ShortlistKeeper::ShortlistKeeper(QObject* parent, std::optional<std::filesystem::path> file)
    : QObject(parent), m_file(file ? *file : FromQt(ShortlistFilePath())) {}

void ShortlistKeeper::UseFile(std::filesystem::path file) {
    m_file = std::move(file);
    m_loaded = false;
    m_canSave = true;
    m_list = naming::Shortlist();
}

void ShortlistKeeper::Load(QWidget* parent) {
    if (m_loaded)
        return;
    m_loaded = true;
    naming::ShortlistLoad load = naming::LoadShortlist(m_file);
    m_list = std::move(load.list);
    m_canSave = load.canSave;
    if (load.message)
        ShowInfo(parent, QString::fromStdString(*load.message));
}

const naming::Shortlist& ShortlistKeeper::List(QWidget* parent) {
    Load(parent);
    return m_list;
}

void ShortlistKeeper::Save(QWidget* parent) {
    emit Changed();
    if (!m_canSave)
        return;
    try {
        naming::SaveShortlist(m_file, m_list);
    } catch (const KorvaniError& e) {
        ShowError(parent, QString::fromStdString(e.what()));
    }
}

int ShortlistKeeper::Add(QWidget* parent, const std::vector<naming::ShortlistEntry>& entries) {
    Load(parent);
    int added = 0;
    for (const naming::ShortlistEntry& entry : entries)
        added += m_list.Add(entry) ? 1 : 0;
    if (added > 0)
        Save(parent);
    return added;
}

void ShortlistKeeper::Remove(QWidget* parent, const std::vector<std::size_t>& positions) {
    Load(parent);
    if (positions.empty())
        return;
    m_list.Remove(positions);
    Save(parent);
}

void ShortlistKeeper::Clear(QWidget* parent) {
    Load(parent);
    m_list.Clear();
    Save(parent);
}

void ShortlistKeeper::SortByScore(QWidget* parent) {
    Load(parent);
    m_list.SortByScore();
    Save(parent);
}

} // namespace korvani::app
