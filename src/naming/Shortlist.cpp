#include "naming/Shortlist.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "base/Errors.h"
#include "base/Parse.h"
#include "base/Text.h"

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace korvani::naming {

namespace {

using nlohmann::json;

constexpr const char* kFormat = "korvani-shortlist";
constexpr int kVersion = 1;
// A shortlist of a few hundred names is some hundred kilobytes; a file far larger is no shortlist.
constexpr std::uintmax_t kLargestFile = 16u << 20;

std::string PathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string HourText(const chart::BirthInput& birth) {
    if (!base::Trim(birth.hourText).empty())
        return base::TrimCopy(birth.hourText);
    return birth.hour ? chart::HourItemText(*birth.hour) : std::string();
}

std::string Stamp() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

json EntryJson(const ShortlistEntry& e) {
    const chart::BirthInput& b = e.birth;
    return json{{"name", e.name},
                {"traditional", e.traditional},
                {"total", e.total},
                {"body", e.body},
                {"elements", e.elements},
                {"bodyStrokes", e.bodyStrokes},
                {"suffixStrokes", e.suffixStrokes},
                {"score", e.score},
                {"explanation", e.explanation},
                {"prefix", e.prefix},
                {"suffix", e.suffix},
                {"missing", e.missing},
                {"favourable", e.favourable},
                {"birth",
                 {{"surname", b.surname},
                  {"givenName", b.givenName},
                  {"sex", b.sex},
                  {"calendar", b.lunar ? "农历" : "公历"},
                  {"year", b.year},
                  {"month", b.month},
                  {"day", b.day},
                  {"hour", HourText(b)},
                  {"minute", b.minute}}},
                {"added", e.added}};
}

int Count(const json& j, const char* key) {
    const int n = j.at(key).get<int>();
    if (n < 0)
        throw KorvaniError(std::string(key) + " 为负数");
    return n;
}

ShortlistEntry EntryOf(const json& j) {
    ShortlistEntry e;
    e.name = j.at("name").get<std::string>();
    e.traditional = j.at("traditional").get<std::string>();
    e.total = Count(j, "total");
    e.body = j.at("body").get<std::string>();
    e.elements = j.at("elements").get<std::string>();
    e.bodyStrokes = Count(j, "bodyStrokes");
    e.suffixStrokes = Count(j, "suffixStrokes");
    e.score = Count(j, "score");
    e.explanation = j.at("explanation").get<std::string>();
    e.prefix = j.at("prefix").get<std::string>();
    e.suffix = j.at("suffix").get<std::string>();
    e.missing = j.at("missing").get<std::string>();
    e.favourable = j.value("favourable", false); // lists kept before the 喜用神 mode lack it
    const json& b = j.at("birth");
    e.birth.surname = b.at("surname").get<std::string>();
    e.birth.givenName = b.at("givenName").get<std::string>();
    e.birth.sex = b.at("sex").get<std::string>();
    const std::string calendar = b.at("calendar").get<std::string>();
    if (calendar != "公历" && calendar != "农历")
        throw KorvaniError("历法不是公历或农历");
    e.birth.lunar = calendar == "农历";
    e.birth.year = b.at("year").get<std::string>();
    e.birth.month = b.at("month").get<std::string>();
    e.birth.day = b.at("day").get<std::string>();
    e.birth.hour = std::nullopt;
    e.birth.hourText = b.at("hour").get<std::string>();
    e.birth.minute = b.at("minute").get<std::string>();
    e.added = j.at("added").get<std::string>();
    if (base::Trim(e.name).empty() || base::Trim(e.body).empty())
        throw KorvaniError("名称为空");
    return e;
}

std::string Key(const ShortlistEntry& e) { return e.name + '\n' + BirthText(e.birth); }

} // namespace

ShortlistEntry EntryFromRow(const GridRow& row, std::string prefix, std::string suffix,
                            const ScoreExplanation& explanation, const chart::BirthInput& birth, std::string added) {
    ShortlistEntry e;
    e.name = row[1];
    e.traditional = row[2];
    e.total = base::ParseInt(row[3]);
    e.body = row[4];
    e.elements = row[5];
    e.bodyStrokes = base::ParseInt(row[6]);
    e.suffixStrokes = base::ParseInt(row[7]);
    e.score = base::ParseInt(row[8]);
    e.explanation = ExplanationText(explanation);
    e.prefix = base::TrimCopy(prefix);
    e.suffix = base::TrimCopy(suffix);
    e.missing = explanation.missing;
    e.favourable = explanation.favourable;
    e.birth = birth;
    e.birth.surname = base::TrimCopy(birth.surname);
    e.birth.givenName = base::TrimCopy(birth.givenName);
    e.birth.hourText = HourText(birth);
    e.birth.hour = std::nullopt;
    e.added = std::move(added);
    return e;
}

std::string BirthText(const chart::BirthInput& b) {
    std::string text = base::TrimCopy(b.surname) + base::TrimCopy(b.givenName);
    text += (text.empty() ? "" : " ") + b.sex + " " + (b.lunar ? "农历" : "公历") + " " + base::TrimCopy(b.year) +
            "年" + base::TrimCopy(b.month) + "月" + base::TrimCopy(b.day) + "日 " + HourText(b) + "时" +
            base::TrimCopy(b.minute) + "分";
    return text;
}

bool Shortlist::Add(ShortlistEntry entry) {
    const std::string key = Key(entry);
    if (std::any_of(m_entries.begin(), m_entries.end(), [&](const ShortlistEntry& e) { return Key(e) == key; }))
        return false;
    m_entries.push_back(std::move(entry));
    return true;
}

void Shortlist::Remove(std::vector<std::size_t> positions) {
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    for (auto it = positions.rbegin(); it != positions.rend(); ++it)
        if (*it < m_entries.size())
            m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(*it));
}

void Shortlist::SortByScore() {
    std::stable_sort(m_entries.begin(), m_entries.end(),
                     [](const ShortlistEntry& a, const ShortlistEntry& b) { return a.score > b.score; });
}

std::string ShortlistJson(const Shortlist& list) {
    json names = json::array();
    for (const ShortlistEntry& e : list.Entries())
        names.push_back(EntryJson(e));
    const json file{{"format", kFormat}, {"version", kVersion}, {"names", names}};
    // Chinese stays readable in the file (no \u escapes).
    return file.dump(2, ' ', false) + "\n";
}

Shortlist ParseShortlist(const std::string& text) {
    try {
        const json file = json::parse(text);
        if (!file.is_object() || file.value("format", "") != kFormat)
            throw KorvaniError("不是收藏夹文件");
        if (file.at("version").get<int>() != kVersion)
            throw KorvaniError("收藏夹文件的版本不对");
        std::vector<ShortlistEntry> entries;
        for (const json& entry : file.at("names"))
            entries.push_back(EntryOf(entry));
        return Shortlist(std::move(entries));
    } catch (const json::exception& e) {
        throw KorvaniError(std::string("收藏夹文件无法读取：") + e.what());
    }
}

ShortlistLoad LoadShortlist(const std::filesystem::path& file) {
    ShortlistLoad load;
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return load;
    try {
        if (std::filesystem::file_size(file) > kLargestFile)
            throw KorvaniError("文件过大");
        std::ifstream in(file, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        if (!in && !in.eof())
            throw KorvaniError("读取失败");
        load.list = ParseShortlist(text.str());
        return load;
    } catch (const std::exception&) {
        // Set aside, never overwritten: the user may still want what it holds.
        std::filesystem::path aside = file;
        aside += ".damaged-" + Stamp();
        for (int n = 2; std::filesystem::exists(aside, error); ++n) {
            aside = file;
            aside += ".damaged-" + Stamp() + "-" + std::to_string(n);
        }
        std::filesystem::rename(file, aside, error);
        load.list = Shortlist();
        if (error) {
            load.canSave = false;
            load.message = "收藏夹文件“" + PathText(file) +
                           "”已损坏，无法读取，也无法移到一旁。本次收藏不会保存，以免覆盖原文件；"
                           "请关闭程序后把该文件移走再试。";
        } else {
            load.setAside = aside;
            load.message = "收藏夹文件“" + PathText(file) + "”已损坏，无法读取。原文件已改名保存为“" + PathText(aside) +
                           "”，收藏夹从空白开始。";
        }
        return load;
    }
}

void SaveShortlist(const std::filesystem::path& file, const Shortlist& list) {
    const std::string text = ShortlistJson(list);
    const auto fail = [&](const std::string& why) {
        throw KorvaniError("收藏夹无法保存到“" + PathText(file) + "”：" + why);
    };
    std::error_code error;
    if (file.has_parent_path())
        std::filesystem::create_directories(file.parent_path(), error);
    if (error)
        fail("无法创建文件夹");
    std::filesystem::path temporary = file;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            fail("无法写入文件");
        out << text;
        out.close();
        if (!out) {
            std::filesystem::remove(temporary, error);
            fail("写入失败，磁盘可能已满");
        }
    }
#ifndef _WIN32
    // On disk before the rename, so that a power cut cannot leave an empty list in its place.
    if (const int fd = ::open(temporary.c_str(), O_RDONLY); fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#endif
    std::filesystem::rename(temporary, file, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        fail("无法替换原文件");
    }
}

} // namespace korvani::naming
