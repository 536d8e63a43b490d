#pragma once
// The compressed container every league file travels in, the working copy,
// and small file and text helpers.

#include <string>
#include <string_view>

#include "league/env.h"

namespace dravik {

// -1 when the target was written, 0 after a failure (its message shown).
Flag ZlibCompress(Env& env, const std::string& source, const std::string& target);
Flag ZlibDecompress(Env& env, const std::string& source, const std::string& target);

// True when the "SkipZIPClient" setting reads "YES" once trimmed and upper-cased.
bool SkipZipClient(Env& env);

Flag FileExists(const std::string& path);
std::string FileNameOfPath(const std::string& path);
std::string StripBlanks(std::string_view text);

}  // namespace dravik
