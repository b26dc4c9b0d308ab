#include "data/DataFileSeal.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <stdexcept>
#include <unistd.h>
#include <xxhash.h>

namespace korvani::data {

namespace {

// A file descriptor closed at the end of its scope.
class FileHandle {
public:
    FileHandle(const std::string& path, int flags) : m_fd(::open(path.c_str(), flags | O_CLOEXEC)) {}
    ~FileHandle() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

std::uint32_t ReadBigEndian(const unsigned char* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) << 24 | static_cast<std::uint32_t>(bytes[1]) << 16 |
           static_cast<std::uint32_t>(bytes[2]) << 8 | static_cast<std::uint32_t>(bytes[3]);
}

void WriteBigEndian(unsigned char* bytes, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<unsigned char>(value >> (24 - 8 * i));
}

struct Digest {
    std::uint64_t computed = 0;
    std::uint64_t stored = 0;
};

// Reads the file from its start to its end in large blocks. The first block holds the header: its
// seal fields are taken out and hashed as zero. nullopt when the file cannot be read; a file shorter
// than the header gives a stored seal that cannot match (the computed one of a short file).
std::optional<Digest> DigestOf(int fd, bool& tooShort) {
    struct StateDeleter {
        void operator()(XXH3_state_t* state) const { XXH3_freeState(state); }
    };
    const std::unique_ptr<XXH3_state_t, StateDeleter> state(XXH3_createState());
    if (!state || XXH3_64bits_reset(state.get()) == XXH_ERROR)
        return std::nullopt;

    // 256 KiB: few system calls, and small enough to stay in the cache while it is hashed.
    constexpr std::size_t kBlock = 256 * 1024;
    const auto buffer = std::make_unique<unsigned char[]>(kBlock);
    Digest digest;
    std::size_t total = 0;
    for (;;) {
        // Fill the block, so that the header lies whole within the first one.
        std::size_t filled = 0;
        while (filled < kBlock) {
            const ssize_t n = ::read(fd, buffer.get() + filled, kBlock - filled);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return std::nullopt;
            if (n == 0)
                break;
            filled += static_cast<std::size_t>(n);
        }
        if (total == 0 && filled >= kDatabaseHeaderBytes) {
            unsigned char* high = buffer.get() + kSealHighOffset;
            unsigned char* low = buffer.get() + kSealLowOffset;
            digest.stored = static_cast<std::uint64_t>(ReadBigEndian(high)) << 32 | ReadBigEndian(low);
            std::memset(high, 0, 4);
            std::memset(low, 0, 4);
        }
        if (filled > 0 && XXH3_64bits_update(state.get(), buffer.get(), filled) == XXH_ERROR)
            return std::nullopt;
        total += filled;
        if (filled < kBlock)
            break;
    }
    tooShort = total < kDatabaseHeaderBytes;
    digest.computed = XXH3_64bits_digest(state.get());
    return digest;
}

[[noreturn]] void Fail(const std::string& path, const char* what) {
    throw std::runtime_error(path + ": " + what + (errno ? std::string(": ") + std::strerror(errno) : std::string()));
}

} // namespace

SealState CheckSeal(const std::string& path) {
    const FileHandle file(path, O_RDONLY);
    if (file.fd() < 0)
        return SealState::Unreadable;
    bool tooShort = false;
    const auto digest = DigestOf(file.fd(), tooShort);
    if (!digest)
        return SealState::Unreadable;
    if (tooShort)
        return SealState::Broken;
    if (digest->stored == 0)
        return SealState::Unsealed;
    return digest->stored == digest->computed ? SealState::Sound : SealState::Broken;
}

std::uint64_t ComputeSeal(const std::string& path) {
    errno = 0;
    const FileHandle file(path, O_RDONLY);
    if (file.fd() < 0)
        Fail(path, "cannot be opened");
    bool tooShort = false;
    const auto digest = DigestOf(file.fd(), tooShort);
    if (!digest)
        Fail(path, "cannot be read");
    if (tooShort) {
        errno = 0;
        Fail(path, "too short to be a database");
    }
    return digest->computed;
}

void SealDataFile(const std::string& path) {
    const std::uint64_t seal = ComputeSeal(path);
    std::array<unsigned char, 4> high;
    std::array<unsigned char, 4> low;
    WriteBigEndian(high.data(), static_cast<std::uint32_t>(seal >> 32));
    WriteBigEndian(low.data(), static_cast<std::uint32_t>(seal));
    errno = 0;
    const FileHandle file(path, O_WRONLY);
    if (file.fd() < 0)
        Fail(path, "cannot be opened for writing");
    if (::pwrite(file.fd(), high.data(), high.size(), kSealHighOffset) != static_cast<ssize_t>(high.size()) ||
        ::pwrite(file.fd(), low.data(), low.size(), kSealLowOffset) != static_cast<ssize_t>(low.size()))
        Fail(path, "cannot be written");
}

} // namespace korvani::data
