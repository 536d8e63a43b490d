// Arbitrary bytes as a team lines file loaded from the team sheet, packed
// (the first byte's low bit clear) or plain ("SkipZIPClient" YES, bit set).
// A file that is refused must say so and change nothing.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_checks.h"
#include "team/lines_file_headless.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    bool plain = (data[0] & 1) != 0;
    auto r = dravik::LoadTeamLinesBytesHeadless(
        std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1), plain);
    dravik::fuzz::checkTeamLinesLoad(r);
    return 0;
}
