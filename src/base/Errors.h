#pragma once

#include <stdexcept>
#include <string>

namespace korvani {

// An error whose message the user reads as it stands, in the program's own words.
class KorvaniError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Input that the program refuses ("'%s' 不是有效的日期"). Changes nothing; the command line exits 2.
class InputError : public KorvaniError {
public:
    using KorvaniError::KorvaniError;
};

// A data file that is missing, damaged or of another version. The message names the file;
// the command line exits 1.
class DataFileError : public KorvaniError {
public:
    DataFileError(std::string fileName, const std::string& message)
        : KorvaniError(message), m_fileName(std::move(fileName)) {}
    const std::string& fileName() const { return m_fileName; }

private:
    std::string m_fileName;
};

// A command that ends without any message, as the bone-weight lookups end the chart report.
// Caught where the command is meant to end; what it wrote before stays.
class CommandAbandoned : public std::exception {
public:
    const char* what() const noexcept override { return "command abandoned"; }
};

} // namespace korvani
