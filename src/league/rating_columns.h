#pragma once
// The rating columns every window that shows ratings draws: the roster, both
// lines windows (their unit averages too), the free agents and the player
// card. Captions and counts come from the shared state (SkaterStatLabels,
// GoalieStatLabels, SkaterStatCount, GoalieStatCount), so a window never
// hard-codes how many columns a league shows.
//
// Columns 1..count hold the ratings (each stored rating when the league shows
// all ratings, grouped means otherwise); column count + 1 holds the overall
// and is always captioned "OV". Each window keeps its own column 0 and its own
// rule for hiding the overall.
//
//     RatingColumns cols = SkaterColumns(env.state, env.league.League.ShowAllRatings, p.Ratings, overall);
//     for (int i = 1; i <= cols.count + 1; ++i) label(i) = cols.caption[i], value(i) = cols.value[i];

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "league/state.h"

namespace dravik {

inline constexpr int MaxRatingColumns = 16;  // 15 skater ratings and the overall

struct RatingColumns {
    int count = 0;  // rating columns; the overall is column count + 1
    // [1..count + 1]; [0] unused.
    std::array<std::string, MaxRatingColumns + 1> caption;
    std::array<int16_t, MaxRatingColumns + 1> number{};
    std::array<std::string, MaxRatingColumns + 1> value;  // number in plain decimal
};

// Whether the stored ratings are shown (any non-zero ShowAllRatings) or the
// grouped means (0).
inline bool ShowsFullRatings(int16_t showAllRatings) { return showAllRatings != 0; }

// A grouped mean adds its ratings in 16 bits (error 6 on overflow, as the
// windows' error handlers expect) and rounds halves to even.
RatingColumns SkaterColumns(const ProgramState& state, int16_t showAllRatings,
                            std::span<const int16_t, 15> ratings, int16_t overall);
RatingColumns GoalieColumns(const ProgramState& state, int16_t showAllRatings,
                            std::span<const int16_t, 13> ratings, int16_t overall);

// The columns that hold a value: every stored rating, or the seven grouped
// means.
int ValueColumns(int16_t showAllRatings, bool goalie);

// One column's value, 1..15 (skaters) or 1..13 (goalies) with all ratings
// shown, 1..7 otherwise; for a window that writes each column as it goes, so
// that a mean that fails leaves the columns before it written.
int16_t ColumnValue(int16_t showAllRatings, bool goalie, std::span<const int16_t> ratings, int column);

// The captions alone (values left 0 and blank): what a window shows for a
// unit average or before a player is chosen.
RatingColumns ColumnCaptions(const ProgramState& state, int16_t showAllRatings, bool goalie);

}  // namespace dravik
