#pragma once

#include <functional>
#include <string>

#include "cli/Command.h"

namespace korvani::cli {

// A command that takes one text and answers one line: `strokes 江海` → 18.
class LookupCommand : public Command {
public:
    using Answer = std::function<std::string(CommandContext&, const std::string&)>;

    // `ownTextCheck`: the answer checks the text itself, with its own message (the net name).
    LookupCommand(std::string argumentName, std::string argumentHelp, std::vector<data::DataFileId> files,
                  Answer answer, bool ownTextCheck = false);

    void Declare(CLI::App& app) override;
    std::vector<std::string> OwnTextChecks() const override;
    std::vector<data::DataFileId> DataFiles() const override { return m_files; }
    void Run(CommandContext& context, std::ostream& out) override;

private:
    std::string m_argumentName;
    std::string m_argumentHelp;
    std::vector<data::DataFileId> m_files;
    Answer m_answer;
    bool m_ownTextCheck;
    std::string m_argument;
};

} // namespace korvani::cli
