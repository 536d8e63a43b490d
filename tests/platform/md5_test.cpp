#include "platform/md5.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace dravik {
namespace {

std::string hex(const std::array<uint8_t, 16>& digest) {
    std::string out;
    char buf[3];
    for (uint8_t b : digest) {
        std::snprintf(buf, sizeof buf, "%02x", b);
        out += buf;
    }
    return out;
}

std::string digestOf(const std::string& text, std::size_t chunk) {
    Md5 md5;
    md5.MD5Init();
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    for (std::size_t at = 0; at < text.size(); at += chunk)
        md5.MD5Update(bytes + at, std::min(chunk, text.size() - at));
    std::array<uint8_t, 16> digest{};
    md5.MD5Final(digest);
    return hex(digest);
}

// The test suite of RFC 1321, appendix A.5.
TEST(Md5, Rfc1321TestSuite) {
    struct Case {
        std::string input, digest;
    } cases[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    for (const auto& c : cases) {
        // Whole, byte by byte and in uneven pieces: the digest is the same.
        for (std::size_t chunk : {std::size_t{1000}, std::size_t{1}, std::size_t{7}})
            EXPECT_EQ(digestOf(c.input, chunk), c.digest) << '"' << c.input << "\" in pieces of " << chunk;
    }
}

TEST(Md5, ContextStartsAfreshAfterInit) {
    Md5 md5;
    std::array<uint8_t, 16> digest{};
    md5.MD5Init();
    md5.MD5Update(reinterpret_cast<const uint8_t*>("xyz"), 3);
    md5.MD5Init();  // drops what was fed before
    md5.MD5Update(reinterpret_cast<const uint8_t*>("a"), 1);
    md5.MD5Final(digest);
    EXPECT_EQ(hex(digest), "0cc175b9c0f1b6a831c399e269772661");
    md5.MD5Init();
    md5.MD5Update(reinterpret_cast<const uint8_t*>("abc"), 3);
    md5.MD5Final(digest);
    EXPECT_EQ(hex(digest), "900150983cd24fb0d6963f7d28e17f72");
}

}  // namespace
}  // namespace dravik
