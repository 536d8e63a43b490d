#include "league/rating_columns.h"

#include <algorithm>

#include "forms/runtime.h"

namespace dravik {
namespace {

constexpr const char* OverallCaption = "OV";

// A count outside the captions the state holds would read past them: keep it
// within what the window can show.
int clampCount(int16_t count, int columns) { return std::clamp<int>(count, 0, columns); }

template <std::size_t N>
RatingColumns captionsOf(const std::array<std::string, N>& row, int count) {
    RatingColumns cols;
    cols.count = count;
    for (int i = 1; i <= count; ++i) cols.caption[i] = row[i];
    cols.caption[count + 1] = OverallCaption;
    return cols;
}

// A grouped column: the mean of `count` ratings from `first` on (a single
// rating is its own mean).
struct Group {
    int first, count;
};
// CK FG DI | SK ST DU | PH FO PA | SC | DF | EX LD MO | PO
constexpr Group SkaterGroups[7] = {{0, 3}, {3, 3}, {6, 3}, {9, 1}, {10, 1}, {11, 3}, {14, 1}};
// SK DU ST SZ AG | RB | SC | HS | RT | EX LD MO | PO
constexpr Group GoalieGroups[7] = {{0, 5}, {5, 1}, {6, 1}, {7, 1}, {8, 1}, {9, 3}, {12, 1}};

// Sums in 16 bits (error 6 on overflow) and rounds halves to even.
int16_t meanOf(std::span<const int16_t> ratings, Group g) {
    int16_t sum = 0;
    for (int i = g.first; i < g.first + g.count; ++i) sum = add16(sum, ratings[i]);
    return roundToInt16(static_cast<double>(sum) / static_cast<double>(g.count));
}

void setValue(RatingColumns& cols, int column, int16_t v) {
    cols.number[column] = v;
    cols.value[column] = std::to_string(v);
}

}  // namespace

int ValueColumns(int16_t showAllRatings, bool goalie) {
    if (!ShowsFullRatings(showAllRatings)) return 7;
    return goalie ? 13 : 15;
}

RatingColumns ColumnCaptions(const ProgramState& state, int16_t showAllRatings, bool goalie) {
    const int row = ShowsFullRatings(showAllRatings) ? 0 : 1;
    if (goalie) return captionsOf(state.GoalieStatLabels[row], clampCount(state.GoalieStatCount, 13));
    return captionsOf(state.SkaterStatLabels[row], clampCount(state.SkaterStatCount, 15));
}

int16_t ColumnValue(int16_t showAllRatings, bool goalie, std::span<const int16_t> ratings, int column) {
    if (ShowsFullRatings(showAllRatings)) return ratings[column - 1];
    return meanOf(ratings, (goalie ? GoalieGroups : SkaterGroups)[column - 1]);
}

namespace {

RatingColumns columnsOf(const ProgramState& state, int16_t showAllRatings, bool goalie,
                        std::span<const int16_t> ratings, int16_t overall) {
    RatingColumns cols = ColumnCaptions(state, showAllRatings, goalie);
    for (int i = 1; i <= cols.count && i <= ValueColumns(showAllRatings, goalie); ++i)
        setValue(cols, i, ColumnValue(showAllRatings, goalie, ratings, i));
    setValue(cols, cols.count + 1, overall);
    return cols;
}

}  // namespace

RatingColumns SkaterColumns(const ProgramState& state, int16_t showAllRatings,
                            std::span<const int16_t, 15> r, int16_t overall) {
    return columnsOf(state, showAllRatings, false, r, overall);
}

RatingColumns GoalieColumns(const ProgramState& state, int16_t showAllRatings,
                            std::span<const int16_t, 13> r, int16_t overall) {
    return columnsOf(state, showAllRatings, true, r, overall);
}

}  // namespace dravik
