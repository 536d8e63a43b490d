#pragma once
// The free-agent offers file: a team's made offers for the simulator, as a
// record file of 1,014-byte records:
//   1            marker "ZELT Free Agents Files Version 1 - Start"
//   2            the league key, 5 characters as stored
//   3            the team number, 16-bit
//   4 .. 3 + k   one FreeAgentOffer each (layouts.h), in person order:
//                skaters 1..10000, then goalies as 10000 + their number
// with no end marker: k follows from the length. Written through the market
// file writer (market_file.h), packed unless "SkipZIPClient" says otherwise.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "league/env.h"

namespace dravik {

class Formats;

namespace offersfile {
inline constexpr std::size_t RecordLength = 1014;
inline constexpr int64_t StartMarkerRecord = 1;
inline constexpr int64_t LeagueKeyRecord = 2;
inline constexpr int64_t TeamNumberRecord = 3;
inline constexpr int64_t FirstOfferRecord = 4;
inline constexpr std::string_view StartMarker = "ZELT Free Agents Files Version 1 - Start";
// The simulator reads no more offers than this from one file.
inline constexpr int MaxOffersInFile = 996;
// The longest text one summary box shows.
inline constexpr std::size_t SummaryBoxLength = 868;
}  // namespace offersfile

// An offer counts once its duration is above 0 and its salary reaches the
// league's minimum.
bool IsOfferMade(const FreeAgentOffer& offer, const LeagueInfo& league);

// Every made offer of an opened entry (Player not 0), in person order.
struct OffersScan {
    std::string image;     // the file's records, every offer among them
    int offers = 0;        // how many made offers there are
    int notOwned = 0;      // of them, to people the team does not own (teamless ones too)
    std::string summary;   // one line for each offer, CR LF after each
};

// Scans the offers for `team` and builds the image; every scanned offer
// takes `team` as its Team, in memory too. Amounts in the currency format.
OffersScan ScanOffers(const LeagueData& league, ProgramState& state, int16_t team, const Formats& formats);

// The summary's boxes: each holds the whole lines that fit in 868
// characters, line breaks counted, and shows them without the final line
// feed; a longer line takes a box of its own.
std::vector<std::string> SplitSummary(std::string_view summary);

// "Save to File" of the offers window for `team`: the offer limit and the
// file's limit refuse with their boxes and keep a previous file; with no
// made offer the previous file is removed ("No Offer to Save!"): the
// simulator must not read offers the manager has withdrawn. After writing,
// the summary of what was offered.
void SaveFreeAgentOffers(Env& env, const std::string& programFolder, int16_t team, const Formats& formats);

}  // namespace dravik
