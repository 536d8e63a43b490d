#include "league/rating_columns.h"

#include <algorithm>
#include <initializer_list>

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

int16_t meanOf(std::span<const int16_t> ratings, std::initializer_list<int> indices) {
    int16_t sum = 0;
    for (int i : indices) sum = add16(sum, ratings[i]);
    return roundToInt16(static_cast<double>(sum) / static_cast<double>(indices.size()));
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

int16_t SkaterColumnValue(int16_t showAllRatings, std::span<const int16_t, 15> r, int column) {
    if (ShowsFullRatings(showAllRatings)) return r[column - 1];
    // CK FG DI SK ST DU PH FO PA SC DF EX LD MO PO
    //  0  1  2  3  4  5  6  7  8  9 10 11 12 13 14
    switch (column) {
        case 1:
            return meanOf(r, {0, 1, 2});
        case 2:
            return meanOf(r, {3, 4, 5});
        case 3:
            return meanOf(r, {6, 7, 8});
        case 4:
            return r[9];
        case 5:
            return r[10];
        case 6:
            return meanOf(r, {11, 12, 13});
        default:
            return r[14];
    }
}

int16_t GoalieColumnValue(int16_t showAllRatings, std::span<const int16_t, 13> r, int column) {
    if (ShowsFullRatings(showAllRatings)) return r[column - 1];
    // SK DU ST SZ AG RB SC HS RT EX LD MO PO
    //  0  1  2  3  4  5  6  7  8  9 10 11 12
    switch (column) {
        case 1:
            return meanOf(r, {0, 1, 2, 3, 4});
        case 2:
            return r[5];
        case 3:
            return r[6];
        case 4:
            return r[7];
        case 5:
            return r[8];
        case 6:
            return meanOf(r, {9, 10, 11});
        default:
            return r[12];
    }
}

RatingColumns SkaterColumns(const ProgramState& state, int16_t showAllRatings,
                            std::span<const int16_t, 15> r, int16_t overall) {
    RatingColumns cols = ColumnCaptions(state, showAllRatings, false);
    for (int i = 1; i <= cols.count && i <= ValueColumns(showAllRatings, false); ++i)
        setValue(cols, i, SkaterColumnValue(showAllRatings, r, i));
    setValue(cols, cols.count + 1, overall);
    return cols;
}

RatingColumns GoalieColumns(const ProgramState& state, int16_t showAllRatings,
                            std::span<const int16_t, 13> r, int16_t overall) {
    RatingColumns cols = ColumnCaptions(state, showAllRatings, true);
    for (int i = 1; i <= cols.count && i <= ValueColumns(showAllRatings, true); ++i)
        setValue(cols, i, GoalieColumnValue(showAllRatings, r, i));
    setValue(cols, cols.count + 1, overall);
    return cols;
}

}  // namespace dravik
