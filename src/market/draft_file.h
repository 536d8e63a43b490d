#pragma once
// The draft list file: the manager's ranked draft list, for the simulator's
// fantasy or entry draft. A record file of 1005 records of 12 bytes:
//   1          start marker "ZELTFDFV1S"
//   2          the league key, 5 characters as stored
//   3          the team number, 16-bit
//   4 .. 1004  slot 0 .. 1000 of the list, 16-bit keys (0 = empty)
//   1005       end marker "ZELTFDFV1E"
// packed in the compressed container unless "SkipZIPClient" says otherwise.
// Keys: a skater's number, 10000 + a goalie's number, 20000 + the number of
// an entry-draft name.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "league/records.h"

namespace dravik {

namespace draftfile {
inline constexpr std::size_t RecordLength = 12;
inline constexpr int Slots = 1001;  // 0..1000
inline constexpr int64_t StartMarkerRecord = 1;
inline constexpr int64_t LeagueKeyRecord = 2;
inline constexpr int64_t TeamNumberRecord = 3;
inline constexpr int64_t FirstSlotRecord = 4;  // slot s at record s + 4
inline constexpr int64_t EndMarkerRecord = 1005;
inline constexpr std::string_view StartMarker = "ZELTFDFV1S";
inline constexpr std::string_view EndMarker = "ZELTFDFV1E";
inline constexpr std::size_t ImageSize = static_cast<std::size_t>(EndMarkerRecord) * RecordLength;  // 12,060
inline constexpr std::string_view Extension = ".zdr";
}  // namespace draftfile

using DraftSlots = std::array<int16_t, draftfile::Slots>;

// The whole image; the bytes after each record's value are zero.
std::string BuildDraftListImage(const LeagueInfo& league, int16_t team, const DraftSlots& list);

}  // namespace dravik
