#pragma once

#include <string>
#include <vector>

namespace korvani::refdata {

// The fields of a TSV line, split at every TAB, so that an empty last field counts too.
inline std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start));
    return fields;
}

} // namespace korvani::refdata
