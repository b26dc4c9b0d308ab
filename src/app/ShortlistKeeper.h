#pragma once

#include <QObject>
#include <QString>
#include <filesystem>
#include <optional>

#include "naming/Shortlist.h"

class QWidget;

namespace korvani::app {

// The file of the shortlist in the user's own data folder (QStandardPaths::AppDataLocation:
// ~/.local/share/Korvani on Linux, %APPDATA%\Korvani on Windows), never beside the program.
QString ShortlistFilePath();

// The shortlist (收藏夹) as the program keeps it: read from its file when first needed, written back
// at once after each change. A file that cannot be read is set aside and the user told so, the first
// time the list is needed; a change that cannot be written is reported and stays in memory.
class ShortlistKeeper : public QObject {
    Q_OBJECT

public:
    // `file`: where the list lives; the user's data folder by default (tests and the screenshots
    // give a folder of their own).
    explicit ShortlistKeeper(QObject* parent = nullptr, std::optional<std::filesystem::path> file = std::nullopt);

    const std::filesystem::path& File() const { return m_file; }
    // Keeps the list in another file from now on (read again when next needed).
    void UseFile(std::filesystem::path file);
    // The list, read from the file at the first call; `parent` carries the message of a damaged file.
    const naming::Shortlist& List(QWidget* parent);

    // Keeps the entries not kept yet; returns how many were new.
    int Add(QWidget* parent, const std::vector<naming::ShortlistEntry>& entries);
    void Remove(QWidget* parent, const std::vector<std::size_t>& positions);
    void Clear(QWidget* parent);
    void SortByScore(QWidget* parent);

signals:
    void Changed();

private:
    void Load(QWidget* parent);
    void Save(QWidget* parent);

    std::filesystem::path m_file;
    bool m_loaded = false;
    bool m_canSave = true;
    naming::Shortlist m_list;
};

} // namespace korvani::app
