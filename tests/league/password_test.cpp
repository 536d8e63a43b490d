#include "league/password.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_env.h"

namespace dravik {
namespace {

// ---- Digest -------------------------------------------------------------

TEST(DigestToString, SmallBytesGetALeadingZeroAndAnUpperCaseDigit) {
    test::TestEnv t;
    EXPECT_EQ(DigestToString(t.env, {0x0C, 0x1F, 0xA0, 0x05}), "0C1fa005");
    EXPECT_EQ(DigestToString(t.env, {0, 9, 10, 15, 16, 0x1A, 0xAB, 0xF0, 255}), "00090A0F101aabf0ff");
    EXPECT_EQ(DigestToString(t.env, {}), "");
}

TEST(StringToArray, OneByteACharacterThenASpareZero) {
    test::TestEnv t;
    EXPECT_EQ(StringToArray(t.env, ""), std::vector<uint8_t>{0});
    EXPECT_EQ(StringToArray(t.env, "A\xE9\xFF"), (std::vector<uint8_t>{65, 233, 255, 0}));
    EXPECT_EQ(StringToArray(t.env, std::string("\0x", 2)), (std::vector<uint8_t>{0, 120, 0}));
}

TEST(DigestStrToHexStr, RfcTestVectorsInTheStoredTextForm) {
    const std::pair<std::string, std::string> rows[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0Cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
        // Codes above 127 are digested as the single bytes they are.
        {"\xE9", "3406877694691ddd1dfb0Aca54681407"},
        {"\x80\xFF", "e224580Aa65579130B9ea72fe66bbb34"},
        {"Montr\xE9" "al", "f3c94c58796546d6d10317ebbf38d7cb"},
    };
    test::TestEnv t;
    for (const auto& [text, digest] : rows) EXPECT_EQ(DigestStrToHexStr(t.env, text), digest) << text;
    EXPECT_TRUE(t.dialogs.shown().empty());
}

// ---- CheckPassword --------------------------------------------------------

class CheckPasswordTest : public ::testing::Test {
protected:
    void setStored(const std::string& field) { t.league->Teams[7].Password.assign(field); }
    const ScriptedDialogs::Shown& only() const {
        EXPECT_EQ(t.dialogs.shown().size(), 1u);
        return t.dialogs.shown().at(0);
    }
    test::TestEnv t;
};

TEST_F(CheckPasswordTest, TeamOutsideTheLeagueIsAnIntegrityFailure) {
    for (int16_t team : {0, 101, -1}) {
        t.dialogs.clear();
        EXPECT_EQ(CheckPassword(t.env, team), False) << team;
        EXPECT_EQ(only().prompt, "Integrity Check Failed!");
        EXPECT_EQ(only().icon(), mb::Critical);
    }
}

TEST_F(CheckPasswordTest, TeamWithoutPasswordPassesWithoutAsking) {
    const std::string digest = "df0349ce110B69f03b4def8012ae4970";
    const std::string fields[] = {
        std::string(32, ' '),
        digest.substr(0, 31) + " ",
        " " + digest.substr(1),
        digest.substr(0, 16) + " " + digest.substr(17),
        digest.substr(0, 16) + "\t" + digest.substr(17),
        "abc",  // padded with blanks
    };
    for (const std::string& f : fields) {
        setStored(f);
        EXPECT_EQ(CheckPassword(t.env, 7), True) << f;
    }
    // An erased record holds code 0 throughout.
    t.league->Teams[8] = TeamInfo{};
    EXPECT_EQ(CheckPassword(t.env, 8), True);
    EXPECT_TRUE(t.dialogs.shown().empty());
}

TEST_F(CheckPasswordTest, RightPasswordPassesAfterOneMaskedQuestion) {
    setStored("df0349ce110B69f03b4def8012ae4970");  // "hockey"
    t.dialogs.answerInput("hockey");
    EXPECT_EQ(CheckPassword(t.env, 7), True);
    const auto& box = only();
    EXPECT_EQ(box.kind, ScriptedDialogs::Kind::Input);
    EXPECT_EQ(box.prompt, "Password Required!");
    EXPECT_EQ(box.title, ProductName);
    EXPECT_EQ(box.defaultText, "");
    EXPECT_TRUE(box.masked);
}

TEST_F(CheckPasswordTest, AnyOtherAnswerIsIncorrect) {
    setStored("df0349ce110B69f03b4def8012ae4970");  // "hockey"
    // The digest is taken over the exact text: no trimming, no case folding.
    for (const char* answer : {"Hockey", "hockey ", " hockey", "HOCKEY", "", "hocke"}) {
        t.dialogs.clear();
        t.state->LastMsgBoxResult = 0;
        t.dialogs.answerInput(answer);
        EXPECT_EQ(CheckPassword(t.env, 7), False) << answer;
        ASSERT_EQ(t.dialogs.shown().size(), 2u);
        const auto& box = t.dialogs.shown()[1];
        EXPECT_EQ(box.prompt, "Password is incorrect!");
        EXPECT_EQ(box.style, mb::OKOnly | mb::Exclamation);
        EXPECT_EQ(box.title, ProductName);
        EXPECT_EQ(t.state->LastMsgBoxResult, mb::OK);
    }
    EXPECT_EQ(t.league->Teams[7].Password.raw(), "df0349ce110B69f03b4def8012ae4970");
}

TEST_F(CheckPasswordTest, DigestOfTheEmptyTextLetsCancelThrough) {
    setStored("d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(CheckPassword(t.env, 7), True);  // unscripted: Cancel
    t.dialogs.answerInput("");
    EXPECT_EQ(CheckPassword(t.env, 7), True);
    EXPECT_EQ(t.dialogs.messages().size(), 0u);
}

TEST_F(CheckPasswordTest, OnlyTheMixedCaseFormMatches) {
    // The digest of "a" holds the byte 0x0C.
    setStored("0cc175b9c0f1b6a831c399e269772661");
    t.dialogs.answerInput("a");
    EXPECT_EQ(CheckPassword(t.env, 7), False);
    setStored("0Cc175b9c0f1b6a831c399e269772661");
    t.dialogs.answerInput("a");
    EXPECT_EQ(CheckPassword(t.env, 7), True);
}

TEST_F(CheckPasswordTest, AccentedPasswordIsDigestedByteForByte) {
    setStored("f3c94c58796546d6d10317ebbf38d7cb");  // "Montréal" in the league's code page
    t.dialogs.answerInput("Montr\xE9" "al");
    EXPECT_EQ(CheckPassword(t.env, 7), True);
}

// ---- CheckInput -----------------------------------------------------------

const int16_t kLoud = 0;
const int16_t kQuiet = -1;

struct Outcome {
    Flag result;
    std::vector<std::string> boxes;
};

Outcome check(const std::string& text, int16_t kind, int16_t required, const int16_t& quiet = kLoud) {
    // One environment for every check: the input check touches nothing but
    // its boxes.
    static test::TestEnv t;
    t.dialogs.clear();
    Outcome o;
    o.result = CheckInput(t.env, text, kind, required, quiet);
    for (const auto& b : t.dialogs.shown()) {
        EXPECT_EQ(b.title, ProductName);
        EXPECT_EQ(b.style, b.prompt.find(" - ") != std::string::npos ? mb::OKOnly | mb::Critical
                                                                     : mb::OKOnly | mb::Exclamation)
            << b.prompt;
        o.boxes.push_back(b.prompt);
    }
    return o;
}

const char* const kNoInput = "No Valid Input!";
const char* const kOnlyNumbers = "Only numbers are allowed in that textbox!";
const char* const kOnlyLetters = "Only letters and spaces are allowed in that textbox!";
const char* const kOnlyAll = "Only numbers, letters and spaces are allowed in that textbox!";

// What a one-character text makes of a character: accepted as real input,
// accepted without counting as input, rejected, or rejected after it counted.
enum Class { Input, Filler, Refused, RefusedInput };

Class expectedClass(int16_t kind, int c) {
    auto in = [c](int lo, int hi) { return c >= lo && c <= hi; };
    switch (kind) {
        case 0:
            if (in(48, 57)) return Input;
            if (c == 45) return Filler;
            return Refused;
        case 1:
            if (in(65, 90) || in(97, 122)) return Input;
            if (in(91, 96)) return RefusedInput;
            if (c == 32 || c == 39 || c == 42 || in(45, 47) || in(192, 253)) return Filler;
            return Refused;
        default:
            if (in(65, 122)) return Input;
            if (c == 32 || c == 39 || c == 42 || in(45, 57) || in(192, 253)) return Filler;
            return Refused;
    }
}

Class observedClass(int16_t kind, int c) {
    const std::string text(1, static_cast<char>(c));
    Outcome quiet = check(text, kind, 0, kQuiet);
    EXPECT_TRUE(quiet.boxes.empty());
    Outcome loud = check(text, kind, -1);
    EXPECT_EQ(loud.boxes.size(), quiet.result == True && loud.result == True ? 0u : 1u);
    if (quiet.result == True) return loud.result == True ? Input : Filler;
    return loud.boxes.at(0) == kNoInput ? Refused : RefusedInput;
}

TEST(CheckInput, EveryCharacterCodeOfEveryKind) {
    for (int16_t kind : {0, 1, 2})
        for (int c = 0; c <= 255; ++c) EXPECT_EQ(observedClass(kind, c), expectedClass(kind, c)) << kind << " " << c;
}

struct InputCase {
    const char* name;
    std::string text;
    int16_t kind;
    int16_t required;
    Flag result;
    const char* box;  // nullptr: none
};

void PrintTo(const InputCase& c, std::ostream* os) { *os << c.name; }

class CheckInputCase : public ::testing::TestWithParam<InputCase> {};

TEST_P(CheckInputCase, ResultAndMessage) {
    const InputCase& c = GetParam();
    Outcome o = check(c.text, c.kind, c.required);
    EXPECT_EQ(o.result, c.result);
    if (c.box)
        EXPECT_EQ(o.boxes, std::vector<std::string>{c.box});
    else
        EXPECT_TRUE(o.boxes.empty()) << o.boxes.at(0);
}

const InputCase kInputCases[] = {
    // Numbers: always required, only digits count as input.
    {"NumbersEmpty", "", 0, 0, False, kNoInput},
    {"NumbersLoneHyphen", "-", 0, 0, False, kNoInput},
    {"NumbersLeadingHyphen", "-12", 0, 0, True, nullptr},
    {"NumbersTrailingHyphen", "12-", 0, -1, True, nullptr},
    {"NumbersInnerHyphen", "1-2", 0, 0, True, nullptr},
    {"NumbersFullStop", "1.5", 0, 0, False, kOnlyNumbers},
    {"NumbersBlank", "1 5", 0, 0, False, kOnlyNumbers},
    {"NumbersLetterFirst", "a1", 0, 0, False, kNoInput},
    {"NumbersAccent", "12\xE9", 0, 0, False, kOnlyNumbers},
    // Letters and spaces.
    {"LettersEmptyNotRequired", "", 1, 0, True, nullptr},
    {"LettersEmptyRequired", "", 1, -1, False, kNoInput},
    {"LettersDigitNotRequired", "1", 1, 0, False, kOnlyLetters},
    {"LettersDigitRequired", "1", 1, -1, False, kNoInput},
    {"LettersName", "O'Neil-Smith Jr.", 1, -1, True, nullptr},
    {"LettersLoneUnderscore", "_", 1, 0, False, kOnlyLetters},
    {"LettersStopAtTheDigit", "ab1cd", 1, -1, False, kOnlyLetters},
    {"LettersOnlyAccentsNotRequired", "\xC9\xE9\xFD", 1, 0, True, nullptr},
    {"LettersOnlyAccentsRequired", "\xC9\xE9\xFD", 1, -1, False, kNoInput},
    {"LettersAccentedName", "Ren\xE9 L\xE9vesque", 1, -1, True, nullptr},
    {"LettersCodeAboveTheAccents", "ab\xFE", 1, -1, False, kOnlyLetters},
    {"LettersNonBreakingSpace", "a\xA0" "b", 1, -1, False, kOnlyLetters},
    // Numbers, letters and spaces.
    {"AllDigitsOnlyRequired", "123", 2, -1, False, kNoInput},
    {"AllDigitsOnlyNotRequired", "123", 2, 0, True, nullptr},
    {"AllMixed", "A1-B2", 2, -1, True, nullptr},
    {"AllComma", "a,b", 2, -1, False, kOnlyAll},
    {"AllBrackets", "[x]_^`\\", 2, -1, True, nullptr},
    {"AllArenaName", "Centre Bell 2/3 *", 2, -1, True, nullptr},
    {"AllAccentedArena", "Ar\xE9na", 2, -1, True, nullptr},
    // An unknown kind looks at no character.
    {"UnknownKindRequired", "abc", 3, -1, False, kNoInput},
    {"UnknownKindNotRequired", "!!!", 3, 0, True, nullptr},
    {"NegativeKindNotRequired", "abc", -1, 0, True, nullptr},
};

INSTANTIATE_TEST_SUITE_P(CheckInput, CheckInputCase, ::testing::ValuesIn(kInputCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CheckInput, OnlyTheFirstRefusedCharacterIsExamined) {
    // Anything after the first refused character never matters: the same
    // message whether the rest would pass or not.
    EXPECT_EQ(check("ab1cd", 1, -1).boxes, check("ab1", 1, -1).boxes);
    // kind 0: the letter stops the scan before the digit is seen.
    EXPECT_EQ(check("x5", 0, 0).boxes, std::vector<std::string>{kNoInput});
    EXPECT_EQ(check("5x", 0, 0).boxes, std::vector<std::string>{kOnlyNumbers});
}

TEST(CheckInput, QuietShowsNothingAndOnlyARefusedCharacterFails) {
    EXPECT_EQ(check("", 0, 0, kQuiet).result, True);
    EXPECT_EQ(check("-", 0, -1, kQuiet).result, True);
    EXPECT_EQ(check("a1", 0, 0, kQuiet).result, False);
    EXPECT_EQ(check("", 1, -1, kQuiet).result, True);
    EXPECT_EQ(check("abc", 3, -1, kQuiet).result, True);
    for (const char* text : {"", "-", "a1", "1.5"}) EXPECT_TRUE(check(text, 0, 0, kQuiet).boxes.empty());
    // Any value but -1 is loud.
    const int16_t one = 1;
    EXPECT_EQ(check("", 1, -1, one).boxes, std::vector<std::string>{kNoInput});
}

TEST(CheckInput, TextTooLongToExamineIsRefusedWithOverflow) {
    EXPECT_EQ(check(std::string(32767, '7'), 0, 0).result, True);
    EXPECT_TRUE(check(std::string(32767, '7'), 0, 0).boxes.empty());
    for (const int16_t& quiet : {kLoud, kQuiet}) {
        Outcome o = check(std::string(32768, '7'), 0, 0, quiet);
        EXPECT_EQ(o.result, False);
        EXPECT_EQ(o.boxes, std::vector<std::string>{"6 - Overflow in CheckInput"});
    }
}

}  // namespace
}  // namespace dravik
