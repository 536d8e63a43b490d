// Arbitrary bytes as an uncompressed client league file ("SkipZIPClient"
// YES): straight to the record reader.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_checks.h"
#include "main/headless_open.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto r =
        dravik::OpenLeagueBytesHeadless(std::string_view(reinterpret_cast<const char*>(data), size), true);
    dravik::fuzz::checkLeagueOpen(r);
    return 0;
}
