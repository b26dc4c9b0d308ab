#include "data/DataStore.h"

#include <filesystem>
#include <fmt/format.h>

#include "data/DataFileSeal.h"

namespace korvani::data {

namespace {

constexpr std::string_view kDataVersion = KORVANI_DATA_VERSION;

std::string WithSeparator(std::string directory) {
    if (!directory.empty() && directory.back() != '/')
        directory += '/';
    return directory;
}

} // namespace

std::string ProgramDirectory() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return WithSeparator(std::filesystem::current_path().string());
    return WithSeparator(program.parent_path().string());
}

std::string ConnectionStringFor(std::string_view fileName) { return ProgramDirectory() + std::string(fileName); }

DataStore::DataStore(std::string directory) : m_directory(WithSeparator(std::move(directory))) {}

DataStore::~DataStore() = default;

std::string DataStore::PathOf(DataFileId id) const { return m_directory + std::string(FileName(id)); }

SqliteDatabase& DataStore::Connection(DataFileId id) {
    if (auto it = m_connections.find(id); it != m_connections.end())
        return *it->second;

    const std::string name(FileName(id));
    const std::string path = PathOf(id);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        throw DataFileError(name, fmt::format("找不到数据文件“{}”：{}", name, path));

    // Every byte is checked against the file's seal before the engine reads any of it: a damaged
    // page would otherwise give wrong answers or empty ones without a word.
    switch (CheckSeal(path)) {
    case SealState::Sound:
        break;
    case SealState::Broken:
        throw DataFileError(name, fmt::format("数据文件“{}”已损坏：内容与生成时的校验值不符：{}", name, path));
    case SealState::Unsealed:
        throw DataFileError(name, fmt::format("数据文件“{}”没有校验值，不是本程序生成的数据文件：{}", name, path));
    case SealState::Unreadable:
        throw DataFileError(name, fmt::format("无法读取数据文件“{}”：{}", name, path));
    }

    std::unique_ptr<SqliteDatabase> db;
    std::string storedName;
    std::string storedVersion;
    try {
        db = std::make_unique<SqliteDatabase>(path, SqliteDatabase::Mode::ReadOnly);
        auto& meta = db->Prepare("select key, value from meta where key in ('file', 'data_version')");
        while (meta.Step())
            (meta.Text(0) == "file" ? storedName : storedVersion) = meta.Text(1);
    } catch (const SqliteError& e) {
        throw DataFileError(name, fmt::format("数据文件“{}”已损坏或无法读取：{}", name, e.what()));
    }
    if (storedName != name)
        throw DataFileError(name, fmt::format("“{}”不是本程序的数据文件", name));
    if (storedVersion != kDataVersion)
        throw DataFileError(
            name, fmt::format("数据文件“{}”的版本（{}）与本程序（{}）不符", name, storedVersion, kDataVersion));
    return *m_connections.emplace(id, std::move(db)).first->second;
}

void DataStore::Close() { m_connections.clear(); }

DataFileError DataStore::ReadFailure(DataFileId id, const std::string& reason) const {
    const std::string name(FileName(id));
    return DataFileError(name, fmt::format("读取数据文件“{}”时出错：{}", name, reason));
}

} // namespace korvani::data
