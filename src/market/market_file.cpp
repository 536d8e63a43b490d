#include "market/market_file.h"

#include <unistd.h>

#include <new>
#include <optional>

#include "league/files.h"
#include "league/password.h"
#include "team/lines_file.h"

namespace dravik {

namespace {

constexpr const char* Closing = " in cmdSaveToFile!";

// A missing file is no failure.
void removeIfThere(const std::string& path) {
    if (FileExists(path) == True && ::unlink(path.c_str()) != 0) raiseError(err::PermissionDenied);
}

}  // namespace

MarketSave SaveMarketFile(Env& env, const std::string& programFolder, int16_t team, const MarketFileKind& kind,
                          const std::function<MarketImage()>& build) {
    MarketSave save;
    const std::string& work = env.state.WorkFilePath;
    bool waiting = false;
    try {
        const bool plain = SkipZipClient(env);
        if (CheckPassword(env, team) != True) {
            save.result = MarketSaveResult::WrongPassword;
            return save;
        }
        const TeamInfo& info = env.league.Teams[team];
        const std::optional<std::string> target = TeamFilePath(programFolder, info, kind.extension);
        if (!target) {
            MsgBox(env,
                   std::string(kind.title) + info.Name.trimmed() + " cannot be saved: the team name holds a \"/\"!",
                   mb::OKOnly | mb::Exclamation);
            save.result = MarketSaveResult::BadFileName;
            return save;
        }
        save.target = *target;

        env.wait.ShowWaitForm();
        waiting = true;
        removeIfThere(work);
        const MarketImage image = build();
        if (image.outcome != MarketImage::Outcome::Write) {
            if (image.outcome == MarketImage::Outcome::Withdraw) removeIfThere(*target);
            env.wait.HideWaitForm();
            save.result = image.outcome == MarketImage::Outcome::Withdraw ? MarketSaveResult::Withdrawn
                                                                          : MarketSaveResult::Refused;
            return save;
        }
        // The target is never deleted first: packing and copying replace it
        // only once the new file is complete.
        WriteWholeFile(work, image.bytes, /*durable=*/false);
        const Flag written = plain ? CopyPlain(env, work, *target, Closing) : ZlibCompress(env, work, *target);
        removeIfThere(work);
        env.wait.HideWaitForm();
        waiting = false;
        save.result = written == True ? MarketSaveResult::Saved : MarketSaveResult::Failed;
        return save;
    } catch (const RuntimeError& e) {
        if (waiting) env.wait.HideWaitForm();
        ShowErrorBox(env, e, Closing);
    } catch (const std::bad_alloc&) {
        if (waiting) env.wait.HideWaitForm();
        ShowErrorBox(env, RuntimeError(err::OutOfMemory), Closing);
    }
    save.result = MarketSaveResult::Failed;
    return save;
}

}  // namespace dravik
