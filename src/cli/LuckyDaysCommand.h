#pragma once

#include <string>
#include <vector>

#include "cli/Command.h"

namespace korvani::cli {

// `luckydays --from DATE --to DATE [--activity 开市] [--birth DATE [--hour H] [--minute MIN]]
// [--by-date]` → one line per qualifying day: date, lunar date, 值神(黄道|黑道), 建除, score,
// reasons; best first, or in date order. The birth time (12:00 unless given) matters only on the
// day of 立春, where it decides the year of the zodiac animal. An empty list writes its reason to
// the notes.
class LuckyDaysCommand : public Command {
public:
    void Declare(CLI::App& app) override;
    std::vector<data::DataFileId> DataFiles() const override;
    void Run(CommandContext& context, std::ostream& out) override;

private:
    std::string m_from;
    std::string m_to;
    std::string m_activity = "开市";
    std::string m_birth;
    std::string m_hour = "12";
    std::string m_minute = "0";
    bool m_byDate = false;
};

} // namespace korvani::cli
