#pragma once
// The team lines file: what the simulator takes from a manager. One team's
// whole record (its pro and farm lines for the next ten game days among it)
// and the roster state of every skater and goalie of the league, as a record
// file of 3,470-byte records:
//   1              start marker "ZELT Lineups Files Version 1.01 - Start"
//   2              the league key, 5 characters
//   3              the team number, 16-bit
//   4              the team's TeamInfo
//   5 .. 10004     PlayerState of skater n at record n + 4
//   10005 .. 11004 PlayerState of goalie g at record g + 10004
//   11005          end marker "ZELT Lineups Files Version 1.01 - End"
// packed in the compressed container unless "SkipZIPClient" says otherwise.
//
// The image routines work in memory and show nothing; SaveTeamLinesFile and
// LoadTeamLinesFile are the team sheet's two file commands with their
// messages, wait window and working copy.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "league/env.h"

namespace dravik {

namespace linesfile {
inline constexpr std::size_t RecordLength = 3470;
inline constexpr int64_t StartMarkerRecord = 1;
inline constexpr int64_t LeagueKeyRecord = 2;
inline constexpr int64_t TeamNumberRecord = 3;
inline constexpr int64_t TeamRecord = 4;
inline constexpr int64_t SkaterStateBase = 4;      // skater n at n + 4
inline constexpr int64_t GoalieStateBase = 10004;  // goalie g at g + 10004
inline constexpr int64_t EndMarkerRecord = 11005;
inline constexpr std::string_view StartMarker = "ZELT Lineups Files Version 1.01 - Start";
inline constexpr std::string_view EndMarker = "ZELT Lineups Files Version 1.01 - End";
// Every record in its whole slot, the end marker's too: 38,187,350 bytes.
inline constexpr std::size_t ImageSize = static_cast<std::size_t>(EndMarkerRecord) * RecordLength;
// The shortest image that holds every record's data: up to the end
// marker's last character, 38,183,919 bytes.
inline constexpr std::size_t MinImageSize =
    static_cast<std::size_t>(EndMarkerRecord - 1) * RecordLength + 2 + EndMarker.size();
inline constexpr std::string_view Extension = ".zln";
}  // namespace linesfile

// Every skater's and goalie's state takes the person's roster status, as a
// lines file records it; Protected and TradeAvailable stay as they are.
void RefreshStateStatus(const LeagueData& league, ProgramState& state);

// The whole image for `team` (1..100) from the league and the state arrays
// as they stand; every slot padded to its full length with zero bytes.
std::string BuildTeamLinesImage(const LeagueData& league, const ProgramState& state, int16_t team);

enum class TeamLinesCheck { Ok, TooShort, BadStartMarker, OtherLeague, OtherTeam, BadEndMarker };

// What reading demands of an unpacked image before it changes anything: at
// least linesfile::MinImageSize bytes (a padded last record and bytes after
// it are fine), the start marker, this league's key, this team's number and
// the end marker, each exactly. Nothing else is looked at.
TeamLinesCheck CheckTeamLinesImage(std::string_view image, const LeagueInfo& league, int16_t team);

// Puts an image that passed CheckTeamLinesImage in place for `team`: the
// team record is replaced whole, every state element takes the file's, and
// each person of the team takes the file's Protected and TradeAvailable,
// and its status when that is 0..2 and differs from his own.
void ApplyTeamLinesImage(std::string_view image, LeagueData& league, ProgramState& state, int16_t team);

// Where a file the client writes for a team goes: the program folder, "/",
// the team name without blanks and control characters, then the extension
// (".zln", ".zfa", ".zdr"); the name is turned from the league's code page
// into a native path. Nothing when the name holds "/", which would put the
// file somewhere else than the program folder.
std::optional<std::string> TeamFilePath(const std::string& programFolder, const TeamInfo& team,
                                        std::string_view extension);
// The team's lines file.
std::optional<std::string> TeamLinesPath(const std::string& programFolder, const TeamInfo& team);

enum class SaveResult { Saved, LinesIncomplete, WrongPassword, BadFileName, Failed };

// The team sheet's "Save to File" for `team`: day 1 of the pro lines must be
// complete (the check may clean them), the password is asked again, then the
// states take the roster statuses and the file is written through the
// working copy, packed or plain. The target is whole or untouched: a failure
// leaves a previous file of that name as it was. Shows every message,
// success included.
SaveResult SaveTeamLinesFile(Env& env, const std::string& programFolder, int16_t team);

enum class LoadResult { Loaded, UnpackFailed, Refused, Failed };

// The reading steps of the team sheet's "Load File" for the chosen path:
// unpacked (or copied) into the working copy, read into memory, the working
// copy removed, then checked whole and applied only when it passes.
// Refused shows "File for <team> unsuccessfully load from" and the path; an
// unpacking failure shows only the unpacker's box; any other failure the
// standard error box. Only Loaded changes the league. The success message
// is the caller's, after it has refilled its window.
LoadResult LoadTeamLinesFile(Env& env, int16_t team, const std::string& path);

// The texts of a native path and of the two results, as message boxes show them.
std::string PathText(const std::string& path);
std::string LoadedMessage(const std::string& teamName, const std::string& path);

}  // namespace dravik
