#include "league/password.h"

#include <array>
#include <new>

#include "league/files.h"
#include "platform/md5.h"

namespace dravik {
namespace {

constexpr int kDigestLength = 32;

// What one character does to the scan of CheckInput.
struct CharVerdict {
    bool accepted;
    bool seen;  // counts as real input
};

// The rows of each kind's table, applied in order; a later matching row
// overrides an earlier one, except that "seen", once set, stays.
CharVerdict judgeNumbers(unsigned c) {
    CharVerdict v{false, false};
    if (c >= 48 && c <= 57) v = {true, true};
    if (c == 45) v.accepted = true;
    return v;
}

CharVerdict judgeLettersAndSpaces(unsigned c) {
    CharVerdict v{false, false};
    if (c >= 65 && c <= 122) v = {true, true};
    if (c == 32 || c == 39 || c == 42 || (c >= 45 && c <= 47)) v.accepted = true;
    if (c >= 91 && c <= 96) v.accepted = false;
    if (c >= 192 && c <= 253) v.accepted = true;
    return v;
}

CharVerdict judgeNumbersLettersAndSpaces(unsigned c) {
    CharVerdict v{false, false};
    if (c >= 65 && c <= 122) v = {true, true};
    if (c == 32 || c == 39 || c == 42) v.accepted = true;
    if (c >= 45 && c <= 57) v.accepted = true;
    if (c >= 91 && c <= 96) v.accepted = true;
    if (c >= 192 && c <= 253) v.accepted = true;
    return v;
}

const char* kindPhrase(int16_t kind) {
    switch (kind) {
        case 0: return "Only numbers";
        case 1: return "Only letters and spaces";
        default: return "Only numbers, letters and spaces";
    }
}

}  // namespace

std::vector<uint8_t> StringToArray(Env& env, const std::string& text) {
    std::vector<uint8_t> image;
    try {
        try {
            image.resize(text.size() + 1, 0);
        } catch (const std::bad_alloc&) {
            raiseError(err::OutOfMemory);
        }
        for (std::size_t i = 0; i < text.size(); ++i) image[i] = static_cast<unsigned char>(text[i]);
    } catch (const RuntimeError& e) {
        ShowErrorBox(env, e, " in String To Array Function!");
        image.clear();
    }
    return image;
}

std::string DigestToString(Env&, const std::vector<uint8_t>& bytes) {
    static constexpr char lower[] = "0123456789abcdef";
    static constexpr char upper[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (uint8_t b : bytes) {
        if (b >= 16) {
            out.push_back(lower[b >> 4]);
            out.push_back(lower[b & 15]);
        } else {
            out.push_back('0');
            out.push_back(upper[b]);
        }
    }
    return out;
}

std::string DigestStrToHexStr(Env& env, const std::string& text) {
    try {
        std::vector<uint8_t> image = StringToArray(env, text);
        // A failed image is empty: there is nothing to digest.
        if (image.size() != text.size() + 1) raiseError(err::SubscriptOutOfRange);
        Md5 md5;
        md5.MD5Init();
        md5.MD5Update(image.data(), text.size());
        std::array<uint8_t, 16> digest{};
        md5.MD5Final(digest);
        return DigestToString(env, std::vector<uint8_t>(digest.begin(), digest.end()));
    } catch (const RuntimeError& e) {
        ShowErrorBox(env, e, " in Digest Str To HexStr Function!");
        return {};
    }
}

Flag CheckPassword(Env& env, int16_t team) {
    try {
        if (team < 1 || team > 100) {
            IntegrityCheckFailed(env);
            return False;
        }
        const std::string stored = env.league.Teams[team].Password.raw();
        // Anything but 32 characters without a blank or control character
        // among them means the team has no password.
        if (StripBlanks(stored).size() != kDigestLength) return True;
        std::string answer = env.dialogs.inputBox("Password Required!", ProductName, "", true);
        if (DigestStrToHexStr(env, answer) == stored) return True;
        MsgBox(env, "Password is incorrect!", mb::OKOnly | mb::Exclamation);
        return False;
    } catch (const RuntimeError& e) {
        ShowErrorBox(env, e, " in CheckPassword!");
        return False;
    }
}

Flag CheckInput(Env& env, const std::string& text, int16_t kind, int16_t required, const int16_t& quiet) {
    Flag result = True;
    try {
        if (kind == 0) required = True;
        // A text too long to be examined is not taken as valid input.
        if (text.size() > MaxCheckedInput) {
            result = False;
            raiseError(err::Overflow);
        }
        bool seen = false;
        bool rejected = false;
        if (kind >= 0 && kind <= 2) {
            for (std::size_t i = 0; i < text.size() && !rejected; ++i) {
                unsigned c = static_cast<unsigned char>(text[i]);
                CharVerdict v = kind == 0   ? judgeNumbers(c)
                                : kind == 1 ? judgeLettersAndSpaces(c)
                                            : judgeNumbersLettersAndSpaces(c);
                seen = seen || v.seen;
                rejected = !v.accepted;
            }
        }
        if (quiet == True) return rejected ? False : True;
        if (!seen && required == True) {
            result = False;
            MsgBox(env, "No Valid Input!", mb::OKOnly | mb::Exclamation);
        } else if (rejected) {
            result = False;
            MsgBox(env, std::string(kindPhrase(kind)) + " are allowed in that textbox!", mb::OKOnly | mb::Exclamation);
        }
        return result;
    } catch (const RuntimeError& e) {
        ShowErrorBox(env, e, " in CheckInput");
        return result;
    }
}

}  // namespace dravik
