#include "cli/DreamCommands.h"

#include <CLI/CLI.hpp>
#include <fmt/format.h>

#include "almanac/DreamDictionary.h"
#include "almanac/DreamScramble.h"
#include "base/Errors.h"
#include "base/Parse.h"
#include "data/Dream.h"

namespace korvani::cli {

namespace {

// The terminal's beep on standard error for each bad digit pair, as the window sounds the system beep.
almanac::BadPairSignal Bell(CommandContext& context) {
    return [err = context.err] {
        if (err)
            *err << '\a';
    };
}

} // namespace

void DreamCommand::Declare(CLI::App& app) {
    m_treeOption = app.add_flag("--tree", m_tree, "整棵分类树：分类顶格，标题缩进两格");
    m_titleOption = app.add_option("--title", m_title, "显示该标题的解梦文字");
    m_searchOption =
        app.add_option("--search", m_words, "查找标题或解说中含有这些词的梦，标题相符的在前")->allow_extra_args();
}

void DreamCommand::Run(CommandContext& context, std::ostream& out) {
    // count() is the number of values given: a search of several words is one choice.
    const int chosen = (m_treeOption->count() > 0) + (m_titleOption->count() > 0) + (m_searchOption->count() > 0);
    if (chosen != 1)
        throw InputError("请选择 --tree、--title 或 --search 中的一项!");
    const data::Dream dream(context.store);
    if (m_tree) {
        for (const almanac::DreamCategoryNode& category : almanac::DreamTree(dream)) {
            out << category.name << '\n';
            for (const std::string& title : category.titles)
                out << "  " << title << '\n';
        }
    } else if (m_titleOption->count() > 0) {
        for (const std::string& line : almanac::DreamMemoLines(dream, m_title, Bell(context)))
            out << line << '\n';
    } else {
        std::string words;
        for (const std::string& word : m_words)
            (words += word) += ' ';
        almanac::DreamSearch search(dream);
        for (const std::string& title : search.Search(words))
            out << title << '\n';
    }
}

void UnscrambleCommand::Declare(CLI::App& app) {
    app.add_option("HEX", m_hex, "十六进制形式的加密文字")->required();
    app.add_option("--key", m_key,
                   fmt::format("密钥，0至65535（默认 {}，即 0x{:04X}）", almanac::DreamTextKey, almanac::DreamTextKey));
}

void UnscrambleCommand::Run(CommandContext& context, std::ostream& out) {
    std::uint16_t key = almanac::DreamTextKey;
    if (!m_key.empty()) {
        const int value = base::ParseInt(m_key);
        if (value < 0 || value > 0xFFFF)
            throw InputError(fmt::format("'{}': 密钥须在0至65535之间!", m_key));
        key = static_cast<std::uint16_t>(value);
    }
    out << almanac::UnscrambleText(m_hex, key, almanac::kDreamTextRounds, Bell(context)) << '\n';
}

} // namespace korvani::cli
