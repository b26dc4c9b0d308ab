#include "naming/CandidateCsv.h"

namespace korvani::naming {

std::string CsvField(std::string_view text) {
    std::string field(text);
    if (!field.empty() && std::string_view("=+-@\t\r").find(field.front()) != std::string_view::npos)
        field.insert(field.begin(), '\'');
    const bool quote = field.find_first_of(",\"\r\n") != std::string::npos ||
                       (!field.empty() && (field.front() == ' ' || field.back() == ' '));
    if (!quote)
        return field;
    std::string quoted = "\"";
    for (char c : field) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string CsvRecord(const std::vector<std::string>& fields) {
    std::string record;
    for (std::size_t i = 0; i < fields.size(); ++i)
        (record += i ? "," : "") += CsvField(fields[i]);
    return record + '\n';
}

namespace {

std::vector<std::string> Headings() {
    std::vector<std::string> headings(kGridHeadings.begin(), kGridHeadings.end());
    headings.emplace_back(kExplanationHeading);
    return headings;
}

} // namespace

std::string GridCsv(const std::vector<GridRow>& rows, const std::vector<std::string>& explanations) {
    std::string csv(kUtf8Bom);
    csv += CsvRecord(Headings());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::vector<std::string> fields(rows[i].begin(), rows[i].end());
        fields.push_back(i < explanations.size() ? explanations[i] : std::string());
        csv += CsvRecord(fields);
    }
    return csv;
}

std::string ShortlistCsv(const Shortlist& list) {
    std::string csv(kUtf8Bom);
    std::vector<std::string> headings = Headings();
    headings.emplace_back("法人生辰");
    headings.emplace_back("收藏时间");
    csv += CsvRecord(headings);
    std::size_t number = 0;
    for (const ShortlistEntry& e : list.Entries())
        csv += CsvRecord({std::to_string(++number), e.name, e.traditional, std::to_string(e.total), e.body, e.elements,
                          std::to_string(e.bodyStrokes), std::to_string(e.suffixStrokes), std::to_string(e.score),
                          e.explanation, BirthText(e.birth), e.added});
    return csv;
}

} // namespace korvani::naming
