#pragma once
// MD5 (RFC 1321) behind the small init / update / final interface the
// password digest is written against.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace dravik {

class Md5 {
public:
    Md5();
    ~Md5();
    Md5(const Md5&) = delete;
    Md5& operator=(const Md5&) = delete;

    void MD5Init();
    void MD5Update(const uint8_t* data, std::size_t length);
    // Writes the 16-byte digest; the context must be initialised again before reuse.
    void MD5Final(std::array<uint8_t, 16>& digest);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace dravik
