#include <gtest/gtest.h>

#include <string>

#include "league/records.h"

namespace dravik {
namespace {

struct PersonCase {
    const char* name;
    int32_t person;
    bool goalie;
    int32_t number;
};

class PersonNumberTest : public testing::TestWithParam<PersonCase> {};

TEST_P(PersonNumberTest, NamesItsRecordAndBack) {
    const PersonCase& c = GetParam();
    const PersonRecord r = RecordOfPerson(c.person);
    EXPECT_EQ(r.goalie, c.goalie);
    EXPECT_EQ(r.number, c.number);
    EXPECT_EQ(r.goalie ? GoaliePerson(r.number) : r.number, c.person);
}

INSTANTIATE_TEST_SUITE_P(
    People, PersonNumberTest,
    testing::Values(PersonCase{"FirstSkater", 1, false, 1}, PersonCase{"LastSkater", 10000, false, 10000},
                    PersonCase{"FirstGoalie", 10001, true, 1}, PersonCase{"LastGoalie", 11000, true, 1000},
                    // Outside 1..11000 the numbers pass through unchecked, for the arrays to refuse.
                    PersonCase{"ZeroIsTheSkaterPlaceholder", 0, false, 0},
                    PersonCase{"NegativeIsASkaterNumber", -1, false, -1},
                    PersonCase{"PastTheGoaliesIsAGoalieNumber", 20001, true, 10001}),
    [](const testing::TestParamInfo<PersonCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dravik
