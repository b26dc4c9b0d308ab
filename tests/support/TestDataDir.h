#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "data/DataFileId.h"

namespace korvani::testing {

// The folder where the build puts the programs and the five data files.
inline std::filesystem::path BuiltDataDir() { return KORVANI_BIN_DIR; }

// A scratch folder under the system's temporary folder, its name with blanks and Chinese
// characters, removed when the test ends.
class ScratchDir {
public:
    ScratchDir() {
        std::random_device random;
        m_path = std::filesystem::temp_directory_path() / ("korvani 测试 " + std::to_string(random()));
        std::filesystem::create_directories(m_path);
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }

    // Copies the five built data files here.
    void CopyDataFiles() const {
        for (data::DataFileId id : data::kAllDataFiles) {
            const std::string name(data::FileName(id));
            std::filesystem::copy_file(BuiltDataDir() / name, m_path / name,
                                       std::filesystem::copy_options::overwrite_existing);
        }
    }

    void WriteFile(const std::string& name, const std::string& bytes) const {
        std::ofstream out(m_path / name, std::ios::binary | std::ios::trunc);
        out << bytes;
    }

private:
    std::filesystem::path m_path;
};

} // namespace korvani::testing
