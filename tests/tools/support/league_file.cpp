#include "league_file.h"

#include <zlib.h>

#include <cstdint>

#include "league/leagueimage.h"
#include "leaguewriter/sample.h"
#include "test_env.h"

namespace dravik::test {

std::string UnpackLeagueFile(const std::string& path) {
    const std::string file = readFile(path);
    if (file.size() <= 4) return {};
    uint32_t n = 0;
    for (int i = 3; i >= 0; --i) n = (n << 8) | static_cast<uint8_t>(file[i]);
    std::string image(n, '\0');
    uLongf size = n;
    if (uncompress(reinterpret_cast<Bytef*>(image.data()), &size,
                   reinterpret_cast<const Bytef*>(file.data() + 4),
                   static_cast<uLong>(file.size() - 4)) != Z_OK ||
        size != n)
        return {};
    return image;
}

bool LoadBuiltSample(LeagueData& league) {
    const std::string image = UnpackLeagueFile(leaguewriter::BuiltSampleLeaguePath());
    if (image.empty() || ParseLeagueImage(image, league) != LeagueImageResult::Ok) return false;
    MakePlaceholders(league);
    ApplyLeagueDefaults(league.League);
    return true;
}

}  // namespace dravik::test
