#include "test_env.h"

#include <unistd.h>
#include <zlib.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace dravik::test {

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "dravik-test-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    path_ = tmpl;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string Unpack(const std::string& container) {
    if (container.size() < 4) return {};
    uint32_t n = 0;
    for (int i = 3; i >= 0; --i) n = (n << 8) | static_cast<uint8_t>(container[i]);
    std::string out(n, '\0');
    uLongf got = n;
    if (uncompress(reinterpret_cast<Bytef*>(out.data()), &got,
                   reinterpret_cast<const Bytef*>(container.data() + 4),
                   static_cast<uLong>(container.size() - 4)) != Z_OK ||
        got != n)
        return {};
    return out;
}

}  // namespace dravik::test
