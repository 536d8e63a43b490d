#pragma once
// Team passwords (stored as an MD5 text digest) and the text-box input check.

#include <cstdint>
#include <string>
#include <vector>

#include "league/env.h"

namespace dravik {

// The MD5 text digest of the text's bytes, taken exactly as they stand: two
// characters a digest byte, byte 0 first; a byte of 16 or more as two
// lower-case hex digits, one of 15 or less as "0" and one upper-case digit
// (0x0C 0x1F 0xA0 0x05 -> "0C1fa005"). Empty after a failure (its box shown).
std::string DigestStrToHexStr(Env& env, const std::string& text);
// The text's byte image: one element a character (its code 0..255), then one
// spare 0.
std::vector<uint8_t> StringToArray(Env& env, const std::string& text);
// The text form above of every element, index 0 first.
std::string DigestToString(Env& env, const std::vector<uint8_t>& bytes);

// -1 when the team has no password or the right one was typed.
Flag CheckPassword(Env& env, int16_t team);

// Longest text CheckInput examines; a longer one is refused with an
// Overflow box.
inline constexpr std::size_t MaxCheckedInput = 32767;

// kind 0 numbers, 1 letters and spaces, 2 numbers, letters and spaces.
// -1 when the text is accepted; a refusal shows why unless quiet is -1.
Flag CheckInput(Env& env, const std::string& text, int16_t kind, int16_t required, const int16_t& quiet);

}  // namespace dravik
