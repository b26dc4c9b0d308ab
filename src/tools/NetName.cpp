#include "tools/NetName.h"

#include "base/Gbk.h"
#include "base/Text.h"
#include "tools/NetNameTables.h"

namespace korvani::tools {

namespace {

bool IsAsciiDigitOrLetter(int c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

void AppendUpper(std::string& out, std::string_view text) {
    for (char c : text)
        out += Upper(c);
}

// What one double-byte code contributes.
void AppendDoubleByte(std::string& out, std::uint8_t lead, std::uint8_t trail) {
    switch (lead) {
    case 0xA2:
        if (trail >= 0xA1)
            out += NumeralDigits[trail - 0xA1];
        else
            out += '?';
        return;
    case 0xA3:
        if (IsAsciiDigitOrLetter(trail - 0x80))
            out += static_cast<char>(trail - 0x80);
        return;
    case 0xA6:
        if (trail >= 0xA1 && trail <= 0xB8)
            AppendUpper(out, GreekLetters[trail - 0xA1]);
        else if (trail >= 0xC1 && trail <= 0xD8)
            AppendUpper(out, GreekLetters[trail - 0xC1]);
        else
            out += '?';
        return;
    default: {
        const std::string_view syllable = SyllableOfGbkCode(lead, trail);
        out += syllable.empty() ? '?' : Upper(syllable.front());
    }
    }
}

} // namespace

std::string PinyinInitialsOfGbk(std::string_view gbk, std::size_t limit) {
    std::string out;
    for (std::size_t i = 0; i < gbk.size();) {
        const auto lead = static_cast<std::uint8_t>(gbk[i]);
        const bool pair = lead >= 0x81 && i + 1 < gbk.size() && static_cast<std::uint8_t>(gbk[i + 1]) >= 0x40;
        if (!pair) {
            if (IsAsciiDigitOrLetter(lead))
                out += Upper(static_cast<char>(lead));
            ++i;
            continue;
        }
        AppendDoubleByte(out, lead, static_cast<std::uint8_t>(gbk[i + 1]));
        i += 2;
    }
    if (out.size() > limit)
        out.resize(limit);
    return out;
}

std::string PinyinInitials(std::string_view text, std::size_t limit) {
    return PinyinInitialsOfGbk(base::Utf8ToGbk(text), limit);
}

std::string NetNamePersonality(std::string_view name) {
    if (name.empty())
        return {};
    const std::string initials = PinyinInitials(name, 255);
    if (initials.empty())
        return {};
    char last = initials.back();
    if (last >= '1' && last <= '9')
        last = static_cast<char>('A' + (last - '1'));
    else if (last == '0')
        last = 'J';
    if (last >= 'A' && last <= 'Z')
        last = static_cast<char>(last - 'A' + 'a');
    if (last < 'a' || last > 'z')
        return {};
    return std::string(NetNamePhrases[last - 'a']);
}

std::optional<NetNameLines> NetNameReading(std::string_view entry) {
    const std::string_view name = base::Trim(entry);
    if (name.empty())
        return std::nullopt;
    NetNameLines lines{"你的网名：" + std::string(name), {}};
    try {
        lines.personality = "你的性格：" + base::TrimCopy(NetNamePersonality(name));
    } catch (const base::GbkEncodeError&) {
        lines.personality = std::string(kNetNameFailedText);
    }
    return lines;
}

} // namespace korvani::tools
