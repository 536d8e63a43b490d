#include "league/list_key.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "forms/runtime.h"

namespace dravik {
namespace {

struct KeyCase {
    const char* name;
    NegativeKeys negative;
    int16_t number;
    int kind;
    int32_t key;
    ListKey read;  // what the key reads back as
};

class ListKeyTest : public testing::TestWithParam<KeyCase> {};

TEST_P(ListKeyTest, KeysAndReadsBack) {
    const KeyCase& c = GetParam();
    EXPECT_EQ(EncodeListKey(c.number, c.kind, c.negative), c.key);
    EXPECT_EQ(DecodeListKey(c.key, c.negative), c.read);
}

constexpr NegativeKeys Digits = NegativeKeys::Digits;
constexpr NegativeKeys Tens = NegativeKeys::Tens;

INSTANTIATE_TEST_SUITE_P(
    Keys, ListKeyTest,
    testing::Values(KeyCase{"SkaterNumberThenPosition", Digits, 725, 4, 7254, {725, 4}},
                    KeyCase{"GoalieIsKindFive", Digits, 706, 5, 7065, {706, 5}},
                    KeyCase{"LastGoalieRecord", Digits, 1000, 5, 10005, {1000, 5}},
                    KeyCase{"LastSkaterRecord", Digits, 10000, 1, 100001, {10000, 1}},
                    KeyCase{"HighestNumber", Digits, 32767, 5, 327675, {32767, 5}},
                    KeyCase{"NumberZeroKeysTheKindAlone", Digits, 0, 3, 3, {0, 3}},
                    KeyCase{"TensKeysAPositiveNumberAlike", Tens, 725, 4, 7254, {725, 4}},
                    KeyCase{"TensKeysNumberZeroAlike", Tens, 0, 5, 5, {0, 5}},
                    // The farm lines' entries for no player.
                    KeyCase{"FarmNoPlayerSkater", Tens, 32000, 1, 320001, {32000, 1}},
                    KeyCase{"FarmNoPlayerGoalie", Tens, 32000, 5, 320005, {32000, 5}},
                    KeyCase{"NegativeNumberKeepsItsDigits", Digits, -1, 5, -15, {-1, 5}},
                    KeyCase{"NegativeSkaterKeepsHisDigits", Digits, -725, 4, -7254, {-725, 4}},
                    KeyCase{"LowestNumberKeepsItsDigits", Digits, -32768, 4, -327684, {-32768, 4}},
                    // Ten times a negative number plus the kind reads back one nearer 0,
                    // with the remainder's sign on the kind.
                    KeyCase{"TensNegativeGoalie", Tens, -1, 5, -5, {0, -5}},
                    KeyCase{"TensNegativeSkater", Tens, -725, 4, -7246, {-724, -6}},
                    KeyCase{"TensLowestNumber", Tens, -32768, 1, -327679, {-32767, -9}}),
    [](const testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST(ListKey, EveryNumberAndKindReadsBackAsKeyed) {
    for (int n = INT16_MIN; n <= INT16_MAX; ++n) {
        const auto number = static_cast<int16_t>(n);
        for (int16_t kind = 1; kind <= 5; ++kind) {
            const ListKey keyed{number, kind};
            ASSERT_EQ(DecodeListKey(EncodeListKey(number, kind)), keyed) << n << " " << kind;
            if (n >= 0) {
                ASSERT_EQ(DecodeListKey(EncodeListKey(number, kind, Tens), Tens), keyed) << n << " " << kind;
            }
        }
    }
}

TEST(ListKey, ANumberPastSixteenBitsIsAnOverflow) {
    struct Case {
        const char* name;
        int32_t key;
    };
    const Case cases[] = {{"just above", 327680},
                          {"just below", -327690},
                          {"highest key", INT32_MAX},
                          {"lowest key", INT32_MIN}};
    for (const Case& c : cases) {
        for (NegativeKeys negative : {Digits, Tens}) {
            SCOPED_TRACE(c.name);
            try {
                DecodeListKey(c.key, negative);
                ADD_FAILURE() << "no error";
            } catch (const RuntimeError& e) {
                EXPECT_EQ(e.number(), err::Overflow);
            }
        }
    }
    // The edges themselves still read.
    EXPECT_EQ(DecodeListKey(327679), (ListKey{32767, 9}));
    EXPECT_EQ(DecodeListKey(-327689), (ListKey{-32768, 9}));
    EXPECT_EQ(DecodeListKey(-327689, Tens), (ListKey{-32768, -9}));
}

}  // namespace
}  // namespace dravik
