#pragma once
// The unpacked client league file as one record image in memory: building it
// from league data (for the fixture and sample writers) and parsing it into
// league data (for the league file reader).
//
// Records of 3,470 bytes, in this order:
//   1             start marker "ZELT Client Files Version 1.12 - Start"
//   2             LeagueInfo
//   3 .. 302      DraftNameList 1..300 (40 characters each)
//   303 .. 402    Teams 1..100
//   403 .. 10402  Players 1..10000 (element 0, the placeholder, is not stored)
//   10403 .. 11402 Goalies 1..1000 (likewise)
//   11403 .. 11902 Coaches 1..500
//   11903 .. 16902 Schedule 1..5000
//   16903         end marker "ZELT Client Files Version 1.12 - End"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "league/state.h"

namespace dravik {

namespace leaguefile {
inline constexpr std::size_t RecordLength = 3470;
inline constexpr int64_t StartMarkerRecord = 1;
inline constexpr int64_t LeagueRecord = 2;
inline constexpr int64_t FirstDraftName = 3;
inline constexpr int64_t FirstTeam = 303;
inline constexpr int64_t FirstPlayer = 403;
inline constexpr int64_t FirstGoalie = 10403;
inline constexpr int64_t FirstCoach = 11403;
inline constexpr int64_t FirstSchedule = 11903;
inline constexpr int64_t EndMarkerRecord = 16903;
inline constexpr int64_t RecordCount = 16903;
// Every record in its whole slot: 58,653,410 bytes.
inline constexpr std::size_t ImageSize = static_cast<std::size_t>(RecordCount) * RecordLength;
inline constexpr std::string_view StartMarker = "ZELT Client Files Version 1.12 - Start";
inline constexpr std::string_view EndMarker = "ZELT Client Files Version 1.12 - End";
}  // namespace leaguefile

enum class LeagueImageResult { Ok, BadStartMarker, BadEndMarker };

// The whole record image of the league. Every slot is padded to the full
// record length with zero bytes, the end marker's too, so the image is
// always leaguefile::ImageSize bytes long.
std::string BuildLeagueImage(const LeagueData& league);

// Reads an image into `out`, a fresh LeagueData, in the reader's order: the
// start marker (BadStartMarker, and nothing read, when it differs), the
// league record, then with one running record counter from 3 the draft
// names, teams, skaters, goalies, coaches and schedule, and last record 16903
// as the end marker (BadEndMarker when it differs; `out` then holds what was
// read). Markers are compared exactly, letter case included.
//
// Never reads outside `image`: the bytes of records beyond a short image read
// as zero, so an image cut anywhere fails on its end marker, and one that
// ends right after the end marker's text (without the slot's filler) is
// accepted. Makes no placeholders and applies no defaults.
LeagueImageResult ParseLeagueImage(std::string_view image, LeagueData& out);

// Players(0) and Goalies(0), the "Unknown Player" and "Unknown Goalie"
// placeholders, made afresh from the league's UnknownPlayerRating.
void MakePlaceholders(LeagueData& league);

// Roster limits and the CK weight that the league left at 0 get their
// defaults: MaxDressedSkaters 18, MaxDressedGoalies 2, MinCenters 3,
// MinLeftWings 3, MinRightWings 3, MinDefense 6, OverallWeightCK 50.
void ApplyLeagueDefaults(LeagueInfo& league);

}  // namespace dravik
