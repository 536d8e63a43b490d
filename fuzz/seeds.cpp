// Writes the seed corpora of the fuzz targets into the folders named on the
// command line: league-container/ gets the sample league compressed,
// league-image/ the head of its unpacked image cut at a few places,
// teamlines/ a team lines file that loads.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "league/leagueimage.h"
#include "leaguewriter/sample.h"
#include "leaguewriter/writer.h"
#include "team/lines_file_headless.h"

namespace {
void put(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: fuzz_seeds CONTAINER_DIR IMAGE_DIR [TEAMLINES_DIR]\n";
        return 2;
    }
    std::filesystem::path containers = argv[1], images = argv[2];
    std::filesystem::create_directories(containers);
    std::filesystem::create_directories(images);
    auto league = std::make_unique<dravik::LeagueData>();
    dravik::leaguewriter::BuildSampleLeague(*league);
    std::string image = dravik::BuildLeagueImage(*league);
    put(containers / "sample.zcl", dravik::leaguewriter::PackLeagueImage(image));
    for (std::size_t cut :
         {std::size_t{40}, std::size_t{3470 * 2}, std::size_t{3470 * 3 + 40}, std::size_t{3470 * 303}}) {
        put(images / ("head-" + std::to_string(cut)), image.substr(0, cut));
        // Small containers too, so that mutations of the container run fast.
        put(containers / ("head-" + std::to_string(cut) + ".zcl"),
            dravik::leaguewriter::PackLeagueImage(image.substr(0, cut)));
    }
    if (argc > 3) {
        // The team lines target reads its first byte as the packed/plain switch.
        std::filesystem::path lines = argv[3];
        std::filesystem::create_directories(lines);
        put(lines / "packed.zln", std::string(1, '\0') + dravik::HeadlessTeamLinesFile(true));
        put(lines / "plain-head.zln",
            std::string(1, '\1') + dravik::HeadlessTeamLinesFile(false).substr(0, 3470 * 4));
    }
    return 0;
}
