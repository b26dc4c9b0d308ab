#include "data/DataFileId.h"

namespace korvani::data {

std::string_view FileName(DataFileId id) {
    switch (id) {
    case DataFileId::Zelmar:
        return "Zelmar.dll";
    case DataFileId::OrvFile:
        return "OrvFile.dll";
    case DataFileId::OrvBirth:
        return "OrvBirth.dll";
    case DataFileId::Dream:
        return "dream.dll";
    case DataFileId::Tgcode:
        return "Tgcode.dll";
    }
    return {};
}

} // namespace korvani::data
