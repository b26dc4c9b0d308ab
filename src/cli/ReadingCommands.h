#pragma once

#include <functional>
#include <string>

#include "cli/Command.h"
#include "tools/NumberReading.h"

namespace korvani::cli {

// `phone NUMBER`, `qq NUMBER`, `number NUMBER` → the four result lines of the number windows: the
// number, 状态, 吉凶 and 具体表现. An empty number is bad input, with the window's message.
class NumberReadingCommand : public Command {
public:
    using Reader = std::function<tools::NumberReadingOutcome(CommandContext&, const std::string&)>;

    NumberReadingCommand(std::vector<data::DataFileId> files, Reader reader)
        : m_files(std::move(files)), m_reader(std::move(reader)) {}
    void Declare(CLI::App& app) override;
    std::vector<data::DataFileId> DataFiles() const override { return m_files; }
    int LinesPerInput() const override { return 4; }
    void Run(CommandContext& context, std::ostream& out) override;

private:
    std::vector<data::DataFileId> m_files;
    Reader m_reader;
    std::string m_number;
};

// `netname NAME` → the personality phrase as the window shows it (blanks at its ends removed), an
// empty line when the name has none. An empty name, or one that GBK cannot hold, is bad input.
std::string NetNameLine(CommandContext& context, const std::string& name);

} // namespace korvani::cli
