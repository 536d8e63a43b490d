// frmMain.OpenLeagueClient: the client league file reader.
//
// The file is unpacked (or copied, with compression switched off) to the
// working copy, read back whole and parsed from that buffer into fresh
// league data on the heap. Only once the markers and the caption's file
// name have passed does it replace the league in use; until then the
// league, the window, the program state and "LastLoadLeague" are untouched,
// so a file that fails leaves the program exactly as it was.

#include <unistd.h>

#include <memory>
#include <new>
#include <string_view>
#include <vector>

#include "league/env.h"
#include "league/files.h"
#include "league/leagueimage.h"
#include "league/shared.h"
#include "main/client_app.h"
#include "main/frm_main.h"
#include "main/text.h"
#include "platform/formats.h"
#include "platform/settings.h"

namespace dravik {
namespace {

void removeIfExists(const std::string& path) {
    if (!path.empty()) ::unlink(path.c_str());
}

// The caption for a league file: the file's name without its last four
// characters (the dot and the extension). A shorter name is error 5.
std::string titlePrefixFor(const std::string& strFile) {
    const std::string name = PathToText(FileNameOfPath(strFile));
    if (name.size() < 4) raiseError(err::InvalidCall);
    return "Dravik Hockey Simulator Client - " + name.substr(0, name.size() - 4);
}

}  // namespace

void frmMain::OpenLeagueClient(const std::string& strFile) {
    const std::string work = env_.state.WorkFilePath;
    bool waitShown = false;
    auto fail = [&](const RuntimeError& e) {
        removeIfExists(work);
        if (waitShown) env_.wait.HideWaitForm();
        ShowErrorBox(env_, e, " in OpenLeagueClient!");
    };
    try {
        if (FileExists(strFile) != True) {
            MsgBox(env_, "Cannot find last client league file!", mb::OKOnly | mb::Critical);
            return;
        }
        removeIfExists(work);
        env_.wait.ShowWaitForm();
        waitShown = true;

        // Either routine has shown its own message when it fails.
        const bool unpacked = SkipZipClient(env_)
                                  ? CopyPlain(env_, strFile, work, " in OpenLeagueClient!") == True
                                  : ZlibDecompress(env_, strFile, work) == True;
        if (!unpacked) {
            removeIfExists(work);
            env_.wait.HideWaitForm();
            return;
        }

        auto fresh = std::make_unique<LeagueData>();
        LeagueImageResult read;
        {
            const std::vector<uint8_t> image = ReadWholeFile(work, MaxUnpackedSize);
            removeIfExists(work);
            read = ParseLeagueImage(
                std::string_view(reinterpret_cast<const char*>(image.data()), image.size()), *fresh);
        }
        if (read != LeagueImageResult::Ok) {
            env_.wait.HideWaitForm();
            MsgBox(env_, "File Integrity is incorrect!", mb::OKOnly | mb::Critical);
            return;
        }
        const std::string titlePrefix = titlePrefixFor(strFile);

        CopyLeague(env_.league, *fresh);
        fresh.reset();
        setUpForLeague(strFile, titlePrefix);
    } catch (const RuntimeError& e) {
        fail(e);
    } catch (const std::bad_alloc&) {
        fail(RuntimeError(err::OutOfMemory));
    }
}

void frmMain::setUpForLeague(const std::string& strFile, const std::string& titlePrefix) {
    setUpForSettings(strFile, titlePrefix);
    // The roster status a team lines file set stays; the flags follow the
    // league just read.
    ProgramState& state = env_.state;
    for (int i = 1; i <= 10000; ++i) {
        state.PlayerStates[i].Protected = env_.league.Players[i].Protected;
        state.PlayerStates[i].TradeAvailable = env_.league.Players[i].TradeAvailable;
    }
    for (int i = 1; i <= 1000; ++i) {
        state.GoalieStates[i].Protected = env_.league.Goalies[i].Protected;
        state.GoalieStates[i].TradeAvailable = env_.league.Goalies[i].TradeAvailable;
    }
}

void frmMain::setUpForSettings(const std::string& strFile, const std::string& titlePrefix) {
    LeagueInfo& info = env_.league.League;
    ProgramState& state = env_.state;

    const bool fullSets = info.ShowAllRatings == True;
    state.SkaterStatCount = fullSets ? 15 : 7;
    state.GoalieStatCount = fullSets ? 13 : 7;

    state.WindowTitlePrefix = titlePrefix;
    setCaption(titlePrefix);
    PlaceTeam();
    CentreOnScreen();
    mnuTeam.setEnabled(true);
    mnuOutputRatingCSV.setEnabled(true);
    mnuOutputRatingCSV.setVisible(true);
    env_.wait.HideWaitForm();
    env_.settings.set("Settings", "LastLoadLeague", strFile);

    mnuDraft.setVisible(false);
    mnuDraft.setCaption("&Draft List");
    if (info.OffSeason == True) {
        mnuFreeAgents.setVisible(true);
        if (info.FantasyDraft == True) {
            mnuDraft.setVisible(true);
            mnuDraft.setCaption("Fantasy &Draft List");
        }
        // The entry draft wins when the league holds both.
        if (info.EntryDraft == True && info.EntryDraftBlocked == 0) {
            mnuDraft.setVisible(true);
            mnuDraft.setCaption("Entry &Draft List");
        }
    } else {
        mnuFreeAgents.setVisible(IsTradeDeadlinePassed(env_) != True);
    }

    // A date the formats cannot show comes out as empty text, never an error.
    const Formats& formats = app_.services().formats;
    lblDate.setCaption("Client File Date : " + formats.monthDayYear(info.ClientFileDate) + " at " +
                       formats.hoursMinutes(info.ClientFileDate));

    MakePlaceholders(env_.league);
    ApplyLeagueDefaults(info);
}

}  // namespace dravik
