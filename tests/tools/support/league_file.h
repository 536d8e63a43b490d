#pragma once
// Reading generated league files back in tests.

#include <string>

#include "league/state.h"

namespace dravik::test {

// The unpacked image of a compressed league file (4-byte little-endian
// length, then a zlib stream); empty when the file is missing or does not
// unpack to exactly that length.
std::string UnpackLeagueFile(const std::string& path);

// Reads the sample league the build wrote into `league` as the program's
// reader does (placeholders and default limits included); false when the
// file is missing or damaged.
bool LoadBuiltSample(LeagueData& league);

}  // namespace dravik::test
