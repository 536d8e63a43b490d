#pragma once
// Writes client league files: the league's record image, either packed in
// the compressed container (4-byte little-endian unpacked length, then a
// zlib stream at level 9) or plain, as a league is kept when compression is
// switched off.

#include <string>
#include <string_view>

#include "league/state.h"

namespace dravik::leaguewriter {

enum class FileForm { Compressed, Plain };

// The compressed container around an unpacked image. Throws
// std::runtime_error when zlib fails.
std::string PackLeagueImage(std::string_view image);

// Writes the bytes through a temporary file beside the target, renamed over
// it once complete, so a target is whole or untouched. Throws
// std::runtime_error on failure.
void WriteFileBytes(const std::string& path, std::string_view bytes);

// Writes an image (perhaps changed by a test) as a league file.
void WriteLeagueImageFile(const std::string& path, std::string_view image,
                          FileForm form = FileForm::Compressed);

// Writes the league as a client league file.
void WriteLeagueFile(const LeagueData& league, const std::string& path, FileForm form = FileForm::Compressed);

}  // namespace dravik::leaguewriter
