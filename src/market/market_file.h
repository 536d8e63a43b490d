#pragma once
// The two files the market windows write for the simulator, the free-agent
// offers file (".zfa") and the draft list file (".zdr"): record images built
// by their window, written for the current team beside the team lines file
// and by the same rules. The password is asked first; a team name holding
// "/" is refused before any file is touched; the image goes through the
// working copy into the target, packed or plain as "SkipZIPClient" says,
// and the target is whole or untouched, so every failure and every refusal
// leaves a previous file of that name as it was. The wait window is shown
// around the file work and gone on every way out.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "league/env.h"

namespace dravik {

struct MarketFileKind {
    std::string_view extension;
    // What the "/" refusal calls the file, before the team's name.
    std::string_view title;
};

inline constexpr MarketFileKind FreeAgentOffersFile{".zfa", "Free agents offers file for "};
inline constexpr MarketFileKind DraftListFile{".zdr", "Draft list file for "};

// What the window decides once it has built its image, while the wait
// window shows (any refusal box is its own, shown before it returns).
struct MarketImage {
    enum class Outcome {
        Write,     // write `bytes` as the team's file
        Refuse,    // write nothing; a previous file stays
        Withdraw,  // write nothing and remove the previous file: nothing is left to send
    };
    Outcome outcome = Outcome::Refuse;
    std::string bytes;
};

enum class MarketSaveResult { Saved, WrongPassword, BadFileName, Refused, Withdrawn, Failed };

struct MarketSave {
    MarketSaveResult result = MarketSaveResult::Failed;
    std::string target;  // native path of the team's file, once known
};

// Writes the team's file of that kind. `build` runs after the password and
// the name have passed, with the wait window up. Errors show the standard
// box closing " in cmdSaveToFile!" (the packer's own box when packing
// fails). The success message is the caller's, with the target path.
MarketSave SaveMarketFile(Env& env, const std::string& programFolder, int16_t team, const MarketFileKind& kind,
                          const std::function<MarketImage()>& build);

}  // namespace dravik
