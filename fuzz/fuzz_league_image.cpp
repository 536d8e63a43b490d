// Arbitrary bytes as the unpacked client league file, straight to the record
// parser.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "league/leagueimage.h"
#include "league/state.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto league = std::make_unique<dravik::LeagueData>();
    dravik::ParseLeagueImage(std::string_view(reinterpret_cast<const char*>(data), size), *league);
    return 0;
}
