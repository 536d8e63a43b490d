#include "team/lines_file_headless.h"

#include <stdlib.h>

#include <filesystem>
#include <memory>

#include "forms/dialogs.h"
#include "league/env.h"
#include "league/files.h"
#include "league/layouts.h"
#include "league/shared.h"
#include "platform/settings.h"
#include "team/lines_file.h"

namespace dravik {
namespace {

namespace fs = std::filesystem;

class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (fs::temp_directory_path() / "dravik-lines-XXXXXX").string();
        if (::mkdtemp(pattern.data())) path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ec;
        if (!path_.empty()) fs::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

constexpr int16_t OtherTeam = 6;

// A small league: the team's skaters 1..8 and goalies 1..2, the other
// team's skaters 9..10 and goalie 3, one free agent.
struct Fresh {
    std::unique_ptr<LeagueData> league = std::make_unique<LeagueData>();
    std::unique_ptr<ProgramState> state = std::make_unique<ProgramState>();
    ScriptedDialogs dialogs;
    MemorySettings settings;
    LogHooks log;
    WaitWindow wait;
    Env env{*league, *state, dialogs, settings, log, wait};

    explicit Fresh(const std::string& folder) {
        InitSharedState(*state, folder + "/ClientTemp.ztm");
        league->League.LeagueKey = HeadlessLeagueKey;
        for (int16_t t : {HeadlessTeam, OtherTeam}) {
            TeamInfo& team = league->Teams[t];
            team.InUse = True;
            team.Number = t;
            team.Name = t == HeadlessTeam ? "Headless Hawks" : "Other Owls";
            team.Division = 1;
            team.GamesInSeason = 82;
        }
        const int16_t teamOf[] = {HeadlessTeam,
                                  HeadlessTeam,
                                  HeadlessTeam,
                                  HeadlessTeam,
                                  HeadlessTeam,
                                  HeadlessTeam,
                                  HeadlessTeam,
                                  HeadlessTeam,
                                  OtherTeam,
                                  OtherTeam,
                                  0};
        for (int16_t n = 1; n <= 11; ++n) {
            PlayerInfo& p = league->Players[n];
            p.InUse = True;
            p.Number = n;
            p.Name = "Skater " + std::to_string(n);
            p.Team = teamOf[n - 1];
            p.Position = static_cast<uint8_t>(1 + n % 4);
            p.RosterStatus = static_cast<uint8_t>(n % 3);
        }
        const int16_t goalieTeam[] = {HeadlessTeam, HeadlessTeam, OtherTeam};
        for (int16_t g = 1; g <= 3; ++g) {
            GoalieInfo& p = league->Goalies[g];
            p.InUse = True;
            p.Number = g;
            p.Name = "Goalie " + std::to_string(g);
            p.Team = goalieTeam[g - 1];
            p.RosterStatus = status::Dressed;
        }
        state->CurrentTeam = HeadlessTeam;
    }

    // Everything a load may change, as bytes.
    std::string snapshot() const {
        std::string out(layout::StoredSize<TeamInfo>, '\0');
        layout::encode(league->Teams[HeadlessTeam], reinterpret_cast<uint8_t*>(out.data()));
        uint8_t s[layout::StoredSize<PlayerState>];
        for (const PlayerState& p : state->PlayerStates) {
            layout::encode(p, s);
            out.append(reinterpret_cast<const char*>(s), sizeof s);
        }
        for (const PlayerState& p : state->GoalieStates) {
            layout::encode(p, s);
            out.append(reinterpret_cast<const char*>(s), sizeof s);
        }
        auto person = [&out](uint8_t status, Flag protect, Flag trade) {
            out.push_back(static_cast<char>(status));
            out.append(std::to_string(protect) + "," + std::to_string(trade) + ";");
        };
        for (const PlayerInfo& p : league->Players) person(p.RosterStatus, p.Protected, p.TradeAvailable);
        for (const GoalieInfo& g : league->Goalies) person(g.RosterStatus, g.Protected, g.TradeAvailable);
        return out;
    }
};

bool onlyFileLeft(const std::string& folder, const std::string& file) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (entry.path().string() != file) return false;
    return true;
}

}  // namespace

HeadlessLoadResult LoadTeamLinesBytesHeadless(std::string_view fileBytes, bool skipZip) {
    ScratchFolder folder;
    Fresh fresh(folder.path());
    if (skipZip) fresh.settings.set("Settings", "SkipZIPClient", "YES");
    const std::string path = folder.path() + "/Lines.zln";
    WriteWholeFile(path, fileBytes, /*durable=*/false);

    const std::string before = fresh.snapshot();
    HeadlessLoadResult result;
    result.loaded = LoadTeamLinesFile(fresh.env, HeadlessTeam, path) == LoadResult::Loaded;
    result.messages = fresh.dialogs.messages();
    result.unchangedUnlessLoaded = result.loaded || fresh.snapshot() == before;
    result.workingCopyRemoved = onlyFileLeft(folder.path(), path);
    return result;
}

std::string HeadlessTeamLinesFile(bool packed) {
    ScratchFolder folder;
    Fresh fresh(folder.path());
    // A file that changes something: a new status, flags, a team field.
    fresh.league->Players[1].RosterStatus = status::Farm;
    fresh.league->Players[2].Protected = True;
    fresh.league->Goalies[1].TradeAvailable = True;
    fresh.league->Teams[HeadlessTeam].Morale = 77;
    RefreshStateStatus(*fresh.league, *fresh.state);
    fresh.state->PlayerStates[2].Protected = True;
    fresh.state->GoalieStates[1].TradeAvailable = True;
    const std::string image = BuildTeamLinesImage(*fresh.league, *fresh.state, HeadlessTeam);
    if (!packed) return image;

    const std::string plain = folder.path() + "/plain.ztm", container = folder.path() + "/packed.zln";
    WriteWholeFile(plain, image, /*durable=*/false);
    if (ZlibCompress(fresh.env, plain, container) != True) return {};
    std::vector<uint8_t> bytes = ReadWholeFile(container, MaxUnpackedSize);
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace dravik
