// Arbitrary bytes as a client league file, opened as the main window opens
// one: through the compressed container into the working copy, then the
// records. A file that does not open must end in one of the reader's own
// messages and leave no working copy behind.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz_checks.h"
#include "main/headless_open.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto r =
        dravik::OpenLeagueBytesHeadless(std::string_view(reinterpret_cast<const char*>(data), size), false);
    dravik::fuzz::checkLeagueOpen(r);
    return 0;
}
