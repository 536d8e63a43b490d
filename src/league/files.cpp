#include "league/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <initializer_list>
#include <new>
#include <span>
#include <vector>

#include "platform/settings.h"

namespace dravik {
namespace {

using Buffer = std::vector<uint8_t>;

// The run-time error a failed system call stands for.
[[noreturn]] void raiseForErrno(int e, bool reading) {
    switch (e) {
        case ENOENT:
        case ENOTDIR: raiseError(reading ? err::FileNotFound : err::PathFileAccess);
        case ENOSPC:
        case EDQUOT: raiseError(err::DiskFull);
        case EACCES:
        case EPERM:
        case EROFS: raiseError(err::PermissionDenied);
        case ENOMEM: raiseError(err::OutOfMemory);
        default: raiseError(err::PathFileAccess);
    }
}

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    // Closes now and reports whether the close itself succeeded (a late
    // write error can surface only here).
    bool close() {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// Size of a regular file, without reading it.
int64_t regularFileSize(const Fd& fd) {
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) raiseForErrno(errno, true);
    if (!S_ISREG(st.st_mode)) raiseError(err::PathFileAccess);
    return static_cast<int64_t>(st.st_size);
}

Fd openForReading(const std::string& path) {
    if (path.empty()) raiseError(err::FileNotFound);
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) raiseForErrno(errno, true);
    return Fd(fd);
}

// Reads exactly the bytes the file holds (no more than `limit`: a longer
// file is error 5 and is not read at all).
Buffer readWhole(const std::string& path, int64_t limit) {
    Fd fd = openForReading(path);
    int64_t size = regularFileSize(fd);
    if (size > limit) raiseError(err::InvalidCall);
    Buffer data;
    try {
        data.resize(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
        raiseError(err::OutOfMemory);
    }
    std::size_t done = 0;
    while (done < data.size()) {
        ssize_t got = ::read(fd.get(), data.data() + done, data.size() - done);
        if (got < 0) {
            if (errno == EINTR) continue;
            raiseForErrno(errno, true);
        }
        if (got == 0) break;  // the file shrank under us
        done += static_cast<std::size_t>(got);
    }
    data.resize(done);
    return data;
}

mode_t newFileMode() {
    mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

// Writes the chunks one after the other into a temporary file in the
// target's folder and renames it over the target once all of them are on
// disk. On any failure the temporary file is removed and the target is left
// as it was (absent, or the previous file). A durable file is flushed to the
// disk before the rename; the working copy, which lives only for the length
// of one operation, need not be.
enum class Keep { Durable, Scratch };
void writeWhole(const std::string& target, std::initializer_list<std::span<const uint8_t>> chunks,
                Keep keep = Keep::Durable) {
    if (target.empty()) raiseError(err::PathFileAccess);
    std::string temp = target + ".part-XXXXXX";
    int raw = ::mkstemp(temp.data());
    if (raw < 0) raiseForErrno(errno, false);
    Fd fd(raw);
    struct Remover {
        const std::string& path;
        bool armed = true;
        ~Remover() {
            if (armed) ::unlink(path.c_str());
        }
    } remover{temp};

    ::fchmod(fd.get(), newFileMode());
    for (std::span<const uint8_t> chunk : chunks) {
        std::size_t done = 0;
        while (done < chunk.size()) {
            ssize_t put = ::write(fd.get(), chunk.data() + done, chunk.size() - done);
            if (put < 0) {
                if (errno == EINTR) continue;
                raiseForErrno(errno, false);
            }
            done += static_cast<std::size_t>(put);
        }
    }
    if (keep == Keep::Durable && ::fsync(fd.get()) != 0) raiseForErrno(errno, false);
    if (!fd.close()) raiseForErrno(errno, false);
    if (::rename(temp.c_str(), target.c_str()) != 0) raiseForErrno(errno, false);
    remover.armed = false;
}

std::array<uint8_t, 4> lengthHeader(int32_t n) {
    uint32_t u = static_cast<uint32_t>(n);
    return {static_cast<uint8_t>(u), static_cast<uint8_t>(u >> 8), static_cast<uint8_t>(u >> 16),
            static_cast<uint8_t>(u >> 24)};
}

int32_t readLengthHeader(const Buffer& data) {
    uint32_t u = static_cast<uint32_t>(data[0]) | static_cast<uint32_t>(data[1]) << 8 |
                 static_cast<uint32_t>(data[2]) << 16 | static_cast<uint32_t>(data[3]) << 24;
    return static_cast<int32_t>(u);
}

// The longest stream compress2 can make of the largest unpacked size: no
// container can be longer than this.
int64_t maxContainerSize() { return 4 + static_cast<int64_t>(compressBound(MaxUnpackedSize)); }

void compressFile(const std::string& source, const std::string& target) {
    Buffer in = readWhole(source, MaxUnpackedSize);
    if (in.empty()) raiseError(err::InvalidCall);
    const double n = static_cast<double>(in.size());
    // Room for the stream: 1% and 12 bytes over the input, which always
    // covers deflate's worst case; zlib's own bound is taken should it ever
    // ask for more.
    uLong capacity = static_cast<uLong>(roundHalfEven(n + n * 0.01 + 12));
    capacity = std::max(capacity, compressBound(static_cast<uLong>(in.size())));
    Buffer out;
    try {
        out.resize(capacity);
    } catch (const std::bad_alloc&) {
        raiseError(err::OutOfMemory);
    }
    uLongf streamLength = capacity;
    int rc = compress2(out.data(), &streamLength, in.data(), static_cast<uLong>(in.size()), 9);
    if (rc == Z_MEM_ERROR) raiseError(err::OutOfMemory);
    if (rc != Z_OK) raiseError(err::InvalidCall);
    auto header = lengthHeader(static_cast<int32_t>(in.size()));
    writeWhole(target, {std::span<const uint8_t>(header), std::span<const uint8_t>(out.data(), streamLength)});
}

void decompressFile(const std::string& source, const std::string& target) {
    Buffer in = readWhole(source, maxContainerSize());
    if (in.size() < 4) raiseError(err::InvalidCall);
    int32_t announced = readLengthHeader(in);
    if (announced < 0 || announced > MaxUnpackedSize) raiseError(err::InvalidCall);
    // The unpacked size must come out exactly as announced, so the buffer
    // needs no room beyond it: a stream that would run longer fails as full.
    Buffer out;
    try {
        out.resize(static_cast<std::size_t>(announced));
    } catch (const std::bad_alloc&) {
        raiseError(err::OutOfMemory);
    }
    uLongf unpacked = static_cast<uLongf>(out.size());
    // Z_OK only for a stream that ends and whose check value matches; bytes
    // after the stream's end are not looked at.
    int rc = uncompress(out.data(), &unpacked, in.data() + 4, static_cast<uLong>(in.size() - 4));
    if (rc == Z_MEM_ERROR) raiseError(err::OutOfMemory);
    if (rc != Z_OK || unpacked != out.size()) raiseError(err::InvalidCall);
    writeWhole(target, {std::span<const uint8_t>(out)}, Keep::Scratch);
}

}  // namespace

Flag ZlibCompress(Env& env, const std::string& source, const std::string& target) {
    try {
        compressFile(source, target);
        return True;
    } catch (const RuntimeError& e) {
        ShowErrorBox(env, e, " in Zlib Compress!");
        return False;
    }
}

Flag ZlibDecompress(Env& env, const std::string& source, const std::string& target) {
    try {
        decompressFile(source, target);
        return True;
    } catch (const RuntimeError& e) {
        ShowErrorBox(env, e, " in Zlib Decompress!");
        return False;
    }
}

Flag CopyPlain(Env& env, const std::string& source, const std::string& target, std::string_view closing) {
    try {
        Buffer data = readWhole(source, MaxUnpackedSize);
        writeWhole(target, {std::span<const uint8_t>(data)},
                   target == env.state.WorkFilePath ? Keep::Scratch : Keep::Durable);
        return True;
    } catch (const RuntimeError& e) {
        ShowErrorBox(env, e, closing);
        return False;
    }
}

std::vector<uint8_t> ReadWholeFile(const std::string& path, int64_t limit) { return readWhole(path, limit); }

void WriteWholeFile(const std::string& target, std::string_view bytes, bool durable) {
    writeWhole(target, {std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size())},
               durable ? Keep::Durable : Keep::Scratch);
}

bool SkipZipClient(Env& env) {
    std::string v = env.settings.get("Settings", "SkipZIPClient", "No");
    std::size_t b = v.find_first_not_of(' ');
    if (b == std::string::npos) return false;
    std::size_t e = v.find_last_not_of(' ');
    std::string t = v.substr(b, e - b + 1);
    for (char& c : t)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return t == "YES";
}

Flag FileExists(const std::string& path) {
    if (path.empty()) return False;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return False;
    return S_ISREG(st.st_mode) ? True : False;
}

std::string FileNameOfPath(const std::string& path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string StripBlanks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (static_cast<unsigned char>(c) > 32) out.push_back(c);
    return out;
}

}  // namespace dravik
