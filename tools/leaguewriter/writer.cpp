#include "leaguewriter/writer.h"

#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

#include "league/leagueimage.h"

namespace dravik::leaguewriter {

std::string PackLeagueImage(std::string_view image) {
    if (image.size() > UINT32_MAX) throw std::runtime_error("league image too large to pack");
    uLongf packedSize = compressBound(static_cast<uLong>(image.size()));
    std::string out(4 + packedSize, '\0');
    const auto n = static_cast<uint32_t>(image.size());
    for (int i = 0; i < 4; ++i) out[i] = static_cast<char>((n >> (8 * i)) & 0xFF);
    int rc = compress2(reinterpret_cast<Bytef*>(out.data() + 4), &packedSize,
                       reinterpret_cast<const Bytef*>(image.data()), static_cast<uLong>(image.size()), 9);
    if (rc != Z_OK) throw std::runtime_error("zlib compress2 failed with code " + std::to_string(rc));
    out.resize(4 + packedSize);
    return out;
}

void WriteFileBytes(const std::string& path, std::string_view bytes) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    fs::path temp = target;
    temp += ".part";
    {
        std::ofstream f(temp, std::ios::binary | std::ios::trunc);
        if (!f) throw std::runtime_error("cannot create " + temp.string());
        f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        f.close();
        if (!f) {
            std::error_code ignored;
            fs::remove(temp, ignored);
            throw std::runtime_error("cannot write " + temp.string());
        }
    }
    std::error_code ec;
    fs::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        throw std::runtime_error("cannot rename " + temp.string() + " to " + path + ": " + ec.message());
    }
}

void WriteLeagueImageFile(const std::string& path, std::string_view image, FileForm form) {
    if (form == FileForm::Plain)
        WriteFileBytes(path, image);
    else
        WriteFileBytes(path, PackLeagueImage(image));
}

void WriteLeagueFile(const LeagueData& league, const std::string& path, FileForm form) {
    WriteLeagueImageFile(path, BuildLeagueImage(league), form);
}

}  // namespace dravik::leaguewriter
