#include "data/OrvFile.h"

namespace korvani::data {

std::optional<std::string> OrvFile::NumberMeaning(std::string_view number) const {
    return FirstText("select nr from namefx where num = ?", number);
}

} // namespace korvani::data
