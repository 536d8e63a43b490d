// dravik-leaguewriter: writes the generated client league files.
//
//   dravik-leaguewriter sample OUT.zcl [--plain]
//   dravik-leaguewriter central OUT.zcl [--plain]   (the sample in Windows-1250)
//   dravik-leaguewriter full OUT.zcl [--plain]
//   dravik-leaguewriter freeagents OUT.zcl [--plain]
//   dravik-leaguewriter offseason OUT.zcl [--plain]
//   dravik-leaguewriter hurt OUT.zcl [--plain]      (a dressed skater hurt in the last game)
//
// --plain writes the record image without compression, as the client reads
// league files when "SkipZIPClient" is set to YES.

#include <cstdio>
#include <exception>
#include <memory>
#include <string>

#include "leaguewriter/sample.h"
#include "leaguewriter/writer.h"

namespace {

int usage() {
    std::fputs("usage: dravik-leaguewriter sample|central|full|freeagents|offseason|hurt OUT.zcl [--plain]\n",
               stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace dravik::leaguewriter;
    if (argc < 3 || argc > 4) return usage();
    const std::string kind = argv[1];
    const std::string out = argv[2];
    FileForm form = FileForm::Compressed;
    if (argc == 4) {
        if (std::string(argv[3]) != "--plain") return usage();
        form = FileForm::Plain;
    }
    if (kind != "sample" && kind != "central" && kind != "full" && kind != "freeagents" &&
        kind != "offseason" && kind != "hurt")
        return usage();
    try {
        auto league = std::make_unique<dravik::LeagueData>();
        if (kind == "sample")
            BuildSampleLeague(*league);
        else if (kind == "central")
            BuildCentralLeague(*league);
        else if (kind == "offseason")
            BuildOffSeasonSampleLeague(*league);
        else if (kind == "hurt")
            BuildHurtSampleLeague(*league);
        else if (kind == "full")
            BuildFullLeague(*league);
        else
            BuildFreeAgentLeague(*league);
        WriteLeagueFile(*league, out, form);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "dravik-leaguewriter: %s\n", e.what());
        return 1;
    }
    return 0;
}
