#pragma once
// Team passwords (stored as an MD5 text digest) and the text-box input check.

#include <cstdint>
#include <string>
#include <vector>

#include "league/env.h"

namespace dravik {

std::string DigestStrToHexStr(Env& env, const std::string& text);
std::vector<uint8_t> StringToArray(Env& env, const std::string& text);
std::string DigestToString(Env& env, const std::vector<uint8_t>& bytes);

// -1 when the team has no password or the right one was typed.
Flag CheckPassword(Env& env, int16_t team);

// kind 0 numbers, 1 letters and spaces, 2 numbers, letters and spaces.
Flag CheckInput(Env& env, const std::string& text, int16_t kind, int16_t required, const int16_t& quiet);

}  // namespace dravik
