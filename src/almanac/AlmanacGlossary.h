#pragma once

#include <string>
#include <vector>

namespace korvani::almanac {

// The fixed glossary beside the almanac (黄历名词解释): 34 lines, one per term ("嫁娶 ：男娶女嫁，…"),
// the explanation of 破土 running on over two further lines.
const std::vector<std::string>& AlmanacGlossaryLines();

} // namespace korvani::almanac
