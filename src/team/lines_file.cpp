#include "team/lines_file.h"

#include <unistd.h>

#include <new>
#include <vector>

#include "league/files.h"
#include "league/password.h"
#include "league/recordfile.h"
#include "rules/linecheck.h"

namespace dravik {

using namespace linesfile;

namespace {

constexpr const char* CRLF = "\r\n";

// The working copy goes before every use; a missing one is no failure.
void removeWorkingCopy(const std::string& path) {
    if (FileExists(path) == True && ::unlink(path.c_str()) != 0) raiseError(err::PermissionDenied);
}

template <class Person>
void applyState(Person& person, const PlayerState& s, int16_t team) {
    if (person.Team != team) return;
    if (s.Status != person.RosterStatus && s.Status <= status::Dressed) person.RosterStatus = s.Status;
    person.Protected = s.Protected;
    person.TradeAvailable = s.TradeAvailable;
}

void writeImage(Env& env, const std::string& work, int16_t team) {
    RefreshStateStatus(env.league, env.state);
    const std::string image = BuildTeamLinesImage(env.league, env.state, team);
    WriteWholeFile(work, image, /*durable=*/false);
}

std::string readImage(const std::string& work) {
    std::vector<uint8_t> bytes = ReadWholeFile(work, MaxUnpackedSize);
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace

void RefreshStateStatus(const LeagueData& league, ProgramState& state) {
    for (int n = 1; n <= 10000; ++n) state.PlayerStates[n].Status = league.Players[n].RosterStatus;
    for (int g = 1; g <= 1000; ++g) state.GoalieStates[g].Status = league.Goalies[g].RosterStatus;
}

std::string BuildTeamLinesImage(const LeagueData& league, const ProgramState& state, int16_t team) {
    std::string image;
    image.reserve(ImageSize);  // the slots below grow it without moving it
    RecordWriter w(image, RecordLength);
    w.writeMarker(StartMarkerRecord, StartMarker);
    w.write(LeagueKeyRecord, league.League.LeagueKey);
    w.write(TeamNumberRecord, team);
    w.write(TeamRecord, league.Teams[team]);
    for (int n = 1; n <= 10000; ++n) w.write(SkaterStateBase + n, state.PlayerStates[n]);
    for (int g = 1; g <= 1000; ++g) w.write(GoalieStateBase + g, state.GoalieStates[g]);
    w.writeMarker(EndMarkerRecord, EndMarker);
    return image;
}

TeamLinesCheck CheckTeamLinesImage(std::string_view image, const LeagueInfo& league, int16_t team) {
    if (image.size() < MinImageSize) return TeamLinesCheck::TooShort;
    const RecordReader r(image, RecordLength);
    if (!r.markerIs(StartMarkerRecord, StartMarker)) return TeamLinesCheck::BadStartMarker;
    if (r.read<FixedText<5>>(LeagueKeyRecord) != league.LeagueKey) return TeamLinesCheck::OtherLeague;
    if (r.read<int16_t>(TeamNumberRecord) != team) return TeamLinesCheck::OtherTeam;
    if (!r.markerIs(EndMarkerRecord, EndMarker)) return TeamLinesCheck::BadEndMarker;
    return TeamLinesCheck::Ok;
}

void ApplyTeamLinesImage(std::string_view image, LeagueData& league, ProgramState& state, int16_t team) {
    const RecordReader r(image, RecordLength);
    r.read(TeamRecord, league.Teams[team]);
    for (int n = 1; n <= 10000; ++n) {
        PlayerState& s = state.PlayerStates[n];
        r.read(SkaterStateBase + n, s);
        applyState(league.Players[n], s, team);
    }
    for (int g = 1; g <= 1000; ++g) {
        PlayerState& s = state.GoalieStates[g];
        r.read(GoalieStateBase + g, s);
        applyState(league.Goalies[g], s, team);
    }
}

std::string LoadedMessage(const std::string& teamName, const std::string& path) {
    return "Lines file for " + teamName + " successfully load from" + CRLF + PathText(path);
}

SaveResult SaveTeamLinesFile(Env& env, const std::string& programFolder, int16_t team) {
    const std::string& work = env.state.WorkFilePath;
    bool waiting = false;
    try {
        const bool plain = SkipZipClient(env);
        if (CheckLine(env, team, False, 1, False) != True) {
            MsgBox(
                env,
                std::string("Lines #1 are incomplete!") + CRLF +
                    "You will not be able to save league files unless lines for the next day are complete!",
                mb::OKOnly | mb::Exclamation);
            return SaveResult::LinesIncomplete;
        }
        if (CheckPassword(env, team) != True) return SaveResult::WrongPassword;

        const std::string name = env.league.Teams[team].Name.trimmed();
        const std::optional<std::string> target = TeamLinesPath(programFolder, env.league.Teams[team]);
        if (!target) {
            MsgBox(env, "Lines file for " + name + " cannot be saved: the team name holds a \"/\"!",
                   mb::OKOnly | mb::Exclamation);
            return SaveResult::BadFileName;
        }

        env.wait.ShowWaitForm();
        waiting = true;
        // The target is never deleted first: packing and copying replace it
        // only once the new file is complete.
        removeWorkingCopy(work);
        writeImage(env, work, team);
        const Flag written =
            plain ? CopyPlain(env, work, *target, " in cmdSaveToFile!") : ZlibCompress(env, work, *target);
        if (written != True) {
            // The box has been shown; a previous file of the name is still there.
            removeWorkingCopy(work);
            env.wait.HideWaitForm();
            return SaveResult::Failed;
        }
        removeWorkingCopy(work);
        env.wait.HideWaitForm();
        waiting = false;
        MsgBox(env, "Lines file for " + name + " successfully save at" + CRLF + PathText(*target),
               mb::OKOnly | mb::Information);
        return SaveResult::Saved;
    } catch (const RuntimeError& e) {
        if (waiting) env.wait.HideWaitForm();
        ShowErrorBox(env, e, " in cmdSaveToFile!");
    } catch (const std::bad_alloc&) {
        if (waiting) env.wait.HideWaitForm();
        ShowErrorBox(env, RuntimeError(err::OutOfMemory), " in cmdSaveToFile!");
    }
    return SaveResult::Failed;
}

LoadResult LoadTeamLinesFile(Env& env, int16_t team, const std::string& path) {
    const std::string& work = env.state.WorkFilePath;
    bool waiting = false;
    try {
        const bool plain = SkipZipClient(env);
        env.wait.ShowWaitForm();
        waiting = true;
        removeWorkingCopy(work);

        std::string image;
        if (FileExists(path) == True) {
            const Flag unpacked =
                plain ? CopyPlain(env, path, work, " in cmdLoadFile!") : ZlibDecompress(env, path, work);
            if (unpacked != True) {
                removeWorkingCopy(work);
                env.wait.HideWaitForm();
                return plain ? LoadResult::Failed : LoadResult::UnpackFailed;
            }
            image = readImage(work);
        }
        // A file that is not there reads as an empty image, which no check passes.
        // The image is in memory: the working copy goes before anything is
        // applied, so that a failure to remove it changes nothing either.
        removeWorkingCopy(work);

        const TeamLinesCheck check = CheckTeamLinesImage(image, env.league.League, team);
        if (check == TeamLinesCheck::Ok) ApplyTeamLinesImage(image, env.league, env.state, team);
        env.wait.HideWaitForm();
        waiting = false;
        if (check != TeamLinesCheck::Ok) {
            MsgBox(env,
                   "File for " + env.league.Teams[team].Name.trimmed() + " unsuccessfully load from" + CRLF +
                       PathText(path),
                   mb::OKOnly | mb::Critical);
            return LoadResult::Refused;
        }
        return LoadResult::Loaded;
    } catch (const RuntimeError& e) {
        if (waiting) env.wait.HideWaitForm();
        ShowErrorBox(env, e, " in cmdLoadFile!");
    } catch (const std::bad_alloc&) {
        if (waiting) env.wait.HideWaitForm();
        ShowErrorBox(env, RuntimeError(err::OutOfMemory), " in cmdLoadFile!");
    }
    return LoadResult::Failed;
}

}  // namespace dravik
