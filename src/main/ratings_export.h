#pragma once
// The ratings export: every skater, goalie and coach of the league in two
// comma-separated files in the program folder, lines ended by CR LF.

#include <string>
#include <string_view>

#include "league/state.h"

namespace dravik {

inline constexpr const char* PlayersRatingsFile = "PlayersRatings.csv";
inline constexpr const char* CoachesRatingsFile = "CoachesRatings.csv";

// A field as written: as it stands, unless it holds a comma, a double
// quote, a CR or an LF; then enclosed in double quotes with its quotes
// doubled, so that a reader still finds every column.
std::string CsvField(std::string_view text);

// The two files' contents.
std::string PlayersRatingsCsv(const LeagueData& league);
std::string CoachesRatingsCsv(const LeagueData& league);

// Writes PlayersRatings.csv, then CoachesRatings.csv, into the folder, each
// replacing the file before it only once complete. A failure raises its
// run-time error; a file written before it stays written.
void WriteRatingsFiles(const LeagueData& league, const std::string& folder);

// The folder as the "Output done in " message shows it.
std::string RatingsFolderText(const std::string& folder);

}  // namespace dravik
