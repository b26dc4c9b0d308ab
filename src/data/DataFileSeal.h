#pragma once

#include <cstdint>
#include <string>

namespace korvani::data {

// The seal of a data file: a 64-bit XXH3 digest of every byte of the file, taken with the eight
// bytes that hold it counted as zero. It is kept in the two fields that the database header
// leaves to the application (the user version at byte 60 and the application id at byte 68, four
// bytes each, big-endian, high half first), so a file carries its own check wherever it is copied,
// and a sound file of another build or version still reaches the store's own checks of its kind and
// version. The builder seals each file it writes; the store checks the seal before it opens a file,
// so that a changed byte anywhere (header, a table page, free space, the last page) is found before
// any answer is read from it.

enum class SealState {
    Sound,      // the bytes match the seal
    Broken,     // the bytes differ from what the seal was taken of (or the file is too short to hold one)
    Unsealed,   // both seal fields are zero: a file that no builder of this program sealed
    Unreadable, // the file could not be read
};

// Offsets of the two four-byte seal fields within the database header.
inline constexpr std::size_t kSealHighOffset = 60;
inline constexpr std::size_t kSealLowOffset = 68;
// A file shorter than the database header holds no seal.
inline constexpr std::size_t kDatabaseHeaderBytes = 100;

// Reads the whole file and compares its digest with its seal.
SealState CheckSeal(const std::string& path);

// Takes the digest of the file and writes it into the seal fields. Throws std::runtime_error when
// the file cannot be read or written or is too short to be a database.
void SealDataFile(const std::string& path);

// The digest that a sealed file would carry: XXH3-64 over the bytes with the seal fields zeroed.
// Throws std::runtime_error when the file cannot be read or is too short.
std::uint64_t ComputeSeal(const std::string& path);

} // namespace korvani::data
