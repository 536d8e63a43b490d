// Writes the seed corpora of the fuzz targets into the folders named on the
// command line: league-container/ gets the sample league compressed,
// league-image/ the head of its unpacked image cut at a few places,
// teamlines/ a team lines file that loads, contents/ inputs of the league
// contents target: a team, patches that write back bytes of the sample's own
// records, and commands.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "league/layouts.h"
#include "league/leagueimage.h"
#include "leaguewriter/sample.h"
#include "leaguewriter/writer.h"
#include "team/lines_file_headless.h"

namespace {
void put(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
// One contents input: team, what runs (rules, windows, files, ShowMessages,
// patch count), then each patch as kind, index word, offset word, length
// and bytes, then command bytes.
struct ContentsSeed {
    std::string bytes;
    void byte(int b) { bytes += static_cast<char>(b & 0xff); }
    void word(int w) {
        byte(w);
        byte(w >> 8);
    }
    template <class R>
    void patch(int kind, int index, const R& record, std::size_t offset, std::size_t length) {
        std::string stored(dravik::layout::StoredSize<R>, '\0');
        dravik::layout::encode(record, reinterpret_cast<uint8_t*>(stored.data()));
        byte(kind);
        word(index);
        word(static_cast<int>(offset));
        byte(static_cast<int>(length - 1));
        bytes += stored.substr(offset, length);
    }
    // A patch that writes the given bytes.
    void patch(int kind, int index, std::size_t offset, const std::string& with) {
        byte(kind);
        word(index);
        word(static_cast<int>(offset));
        byte(static_cast<int>(with.size() - 1));
        bytes += with;
    }
};

// The off-season opens the free-agent and draft windows: the league settings
// set OffSeason (stored at 459), then the windows' steps. The second kind
// turns the entry draft (433) off and the fantasy draft (431) on. Team 2 has
// the password "faceoff", given when the window asks.
void marketSeeds(const std::filesystem::path& dir) {
    // A text typed into a box: the number form of the target's texts.
    auto number = [](ContentsSeed& s, uint32_t value) {
        s.byte(0xc0);
        s.word(static_cast<int>(value & 0xffff));
        s.word(static_cast<int>(value >> 16));
    };
    for (int team : {1, 2, 7}) {
        for (int fantasy = 0; fantasy <= 1; ++fantasy) {
            ContentsSeed s;
            s.byte(team - 1);
            s.byte(0x06 | ((1 + fantasy) << 4));  // the windows and the files, one or two patches
            s.patch(0, 0, 459, std::string(2, '\xff'));
            if (fantasy) s.patch(0, 0, 431, std::string("\xff\xff\0\0", 4));
            s.byte(7);                // eight steps
            s.byte(fantasy ? 5 : 4);  // the draft list, or the free agents
            if (team == 2) {
                s.byte(7);
                s.bytes += "faceoff";
            }
            // The free agents' controls in their order: the list, then the
            // salary and duration boxes. Two offers, then the closing.
            for (int offer = 0; offer < 2; ++offer) {
                s.byte(1);  // an action
                s.byte(0);  // the list
                s.byte(0);  // a click
                s.word(offer * 5);
                const uint32_t typed[] = {600000u + offer * 100000u, 3u - offer};
                for (int box = 1; box <= 2; ++box) {
                    s.byte(1);
                    s.byte(box);
                    s.byte(0);
                    number(s, typed[box - 1]);
                }
            }
            s.byte(0x10);  // closing
            s.byte(0);     // no team lines image
            put(dir / ("market-" + std::to_string(team) + "-" + std::to_string(fantasy)), s.bytes);
        }
    }
}

void contentsSeeds(const dravik::LeagueData& league, const std::filesystem::path& dir) {
    std::filesystem::create_directories(dir);
    int seed = 0;
    // Teams with a password, without, the unused number and one past the sample's.
    for (int team : {1, 2, 7, 13, 24, 31, 50}) {
        const int16_t coach = league.Teams[team].Coach;
        int skater = 0, goalie = 0;
        for (int i = 1; i <= 10000 && !skater; ++i)
            if (league.Players[i].Team == team) skater = i;
        for (int g = 1; g <= 1000 && !goalie; ++g)
            if (league.Goalies[g].Team == team) goalie = g;
        for (int what : {0x07, 0x0f, 0x63, 0x6a, 0x65}) {
            ++seed;
            ContentsSeed s;
            s.byte(team - 1);
            s.byte(what);
            const int patches = what >> 4;
            // Team, a skater's team and position, a goalie's, the league's
            // roster limits, the coach, a schedule entry: as the sample has them.
            if (patches > 0) s.patch(1, 0x8000, league.Teams[team], 343, 8);
            if (patches > 1) s.patch(2, skater, league.Players[skater], 44, 8);
            if (patches > 2) s.patch(3, goalie, league.Goalies[goalie], 44, 8);
            if (patches > 3) s.patch(0, 0, league.League, 384, 8);
            if (patches > 4) {
                const int c = coach >= 1 && coach <= 500 ? coach : 1;
                s.patch(4, c - 1, league.Coaches[c], 44, 2);  // the index word counts from coach 1
            }
            if (patches > 5) s.patch(5, 0, league.Schedule[1], 6, 4);
            // Commands: two routines (the seeds name each of the fourteen
            // in turn), then eight window steps that open a window of the
            // team and act on their controls.
            if (what & 1) {
                s.byte(0x05);
                for (int k = 0; k < 2; ++k) {
                    const int routine = (seed * 2 + k) % 14;
                    s.byte(routine);
                    s.byte(1 + k);                      // the game day
                    if (routine == 12) s.word(skater);  // the line-set operations' skater
                    if (routine == 13) s.byte(k);       // pro or farm wipe
                }
            }
            if (what & 2) {
                s.byte(7);  // eight steps
                for (int step = 0; step < 8; ++step) s.byte(step % 3 == 0 ? step / 3 : step * 37 + 1);
            }
            // One seed of each team builds the team lines image.
            if (what == 0x07) s.bytes += std::string(64, '\0') + "\xA5";
            put(dir / ("team-" + std::to_string(team) + "-" + std::to_string(what)), s.bytes);
        }
    }
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: fuzz_seeds CONTAINER_DIR IMAGE_DIR [TEAMLINES_DIR [CONTENTS_DIR]]\n";
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
    if (argc > 4) {
        contentsSeeds(*league, argv[4]);
        marketSeeds(argv[4]);
    }
    return 0;
}
