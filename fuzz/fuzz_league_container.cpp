// Arbitrary bytes as a client league file: through the compressed container
// into the working copy, then the record parser, as opening a league does.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "league/env.h"
#include "league/files.h"
#include "league/leagueimage.h"
#include "platform/settings.h"

namespace {

struct Quiet : dravik::Dialogs {
    int16_t messageBox(const std::string&, int, const std::string&) override { return dravik::mb::OK; }
    std::string inputBox(const std::string&, const std::string&, const std::string&, bool) override {
        return {};
    }
    std::optional<std::string> openFile(const dravik::OpenFileRequest&) override { return std::nullopt; }
};

std::string folder() {
    static std::string dir = [] {
        std::string t = "/tmp/dravik-fuzz-XXXXXX";
        if (!mkdtemp(t.data())) std::abort();
        return t;
    }();
    return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static auto state = std::make_unique<dravik::ProgramState>();
    static Quiet dialogs;
    static dravik::MemorySettings settings;
    static dravik::LogHooks log;
    static dravik::WaitWindow wait;
    auto league = std::make_unique<dravik::LeagueData>();
    dravik::Env env{*league, *state, dialogs, settings, log, wait};

    const std::string source = folder() + "/input.zcl";
    const std::string work = folder() + "/ClientTemp.ztm";
    {
        std::ofstream out(source, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    std::remove(work.c_str());
    if (dravik::ZlibDecompress(env, source, work) == dravik::True) {
        std::ifstream in(work, std::ios::binary);
        std::string image((std::istreambuf_iterator<char>(in)), {});
        dravik::ParseLeagueImage(image, *league);
    }
    std::remove(work.c_str());
    return 0;
}
