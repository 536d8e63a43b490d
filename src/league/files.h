#pragma once
// The compressed container every league file travels in, the working copy,
// and small file and text helpers.
//
// Container: a 4-byte little-endian signed length of the unpacked file, then
// one zlib stream of its bytes (level 9). A target written here is either
// complete or absent: the bytes go to a temporary file beside it, which
// replaces the target only once every byte is on disk, so a failure keeps a
// previous file as it was.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "league/env.h"

namespace dravik {

// The largest unpacked size a container may announce (the biggest record
// file, the client league file, unpacks to 58,653,410 bytes). Anything above
// is taken for a damaged header rather than an allocation to attempt.
inline constexpr int32_t MaxUnpackedSize = 64 * 1024 * 1024;

// -1 when the target was written, 0 after a failure (its message shown,
// closing " in Zlib Compress!" or " in Zlib Decompress!").
Flag ZlibCompress(Env& env, const std::string& source, const std::string& target);
Flag ZlibDecompress(Env& env, const std::string& source, const std::string& target);

// The plain copy that replaces packing and unpacking when SkipZipClient() is
// true. Same all-or-nothing target as above; a failure shows the standard
// error box with the caller's closing text (e.g. " in OpenLeagueClient!")
// and gives 0.
Flag CopyPlain(Env& env, const std::string& source, const std::string& target, std::string_view closing);

// True when the "SkipZIPClient" setting reads "YES" once trimmed and upper-cased.
bool SkipZipClient(Env& env);

// The whole file as it stands; one longer than `limit` bytes is error 5 and
// is not read. A failure raises its run-time error (53 for a missing file).
std::vector<uint8_t> ReadWholeFile(const std::string& path, int64_t limit);
// Writes the bytes to the target all-or-nothing, as above. A failure raises
// its run-time error and leaves a previous target as it was. A file the user
// keeps is flushed to the disk first; pass durable = false for the working
// copy.
void WriteWholeFile(const std::string& target, std::string_view bytes, bool durable = true);

// -1 exactly when the path names an existing regular file (links followed,
// exact letter case), 0 otherwise, a failed look-up included.
Flag FileExists(const std::string& path);
// The part after the last "/", the whole path when it holds none.
std::string FileNameOfPath(const std::string& path);
// The text without every byte whose code (0..255) is 32 or less.
std::string StripBlanks(std::string_view text);

}  // namespace dravik
