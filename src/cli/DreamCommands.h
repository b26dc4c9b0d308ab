#pragma once

#include <string>
#include <vector>

#include "cli/Command.h"

namespace CLI {
class Option;
}

namespace korvani::cli {

// `dream --tree` → the tree, a category per line and its titles indented by two blanks;
// `dream --title T` → the memo lines of a title; `dream --search WORDS` → the titles found, those
// whose title holds the words first.
class DreamCommand : public Command {
public:
    void Declare(CLI::App& app) override;
    std::vector<data::DataFileId> DataFiles() const override { return {data::DataFileId::Dream}; }
    void Run(CommandContext& context, std::ostream& out) override;

private:
    CLI::Option* m_treeOption = nullptr;
    CLI::Option* m_titleOption = nullptr;
    CLI::Option* m_searchOption = nullptr;
    bool m_tree = false;
    std::string m_title;
    std::vector<std::string> m_words;
};

// `unscramble HEX [--key K]` → a stored text made readable, with the dream text key by default.
class UnscrambleCommand : public Command {
public:
    void Declare(CLI::App& app) override;
    void Run(CommandContext& context, std::ostream& out) override;

private:
    std::string m_hex;
    std::string m_key;
};

} // namespace korvani::cli
