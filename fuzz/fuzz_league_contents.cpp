// Arbitrary contents in the league's records: the sample league is built
// once; each input names a team and a few patches to the stored bytes of the
// league settings, a team, a skater, a goalie, a coach or a schedule entry,
// decoded with the league's own layouts. The rules routines a manager can
// reach then run on that team, its windows open and take a few commands the
// input chooses (every box answered as the input says), and the files a
// manager hands in are built in memory. Afterwards every record is put back.
//
// Input:
//   byte 0        team (1..100)
//   byte 1        what runs: bit 0 the rules routines, bit 1 the windows,
//                 bit 2 the files (the team lines image too when the byte
//                 read after the windows' commands is 0xA5), bit 3
//                 ShowMessages, bits 4-7 patch count
//   patches       kind, index (2 bytes), offset (2 bytes), length, bytes
//   routines      bit 0 their ShowMessages argument, bits 1-7 how many (at
//                 most two); each a byte naming it, a game day and what
//                 else it takes
//   the rest      the window steps (a count, then a menu, a closing or a
//                 control action each), box answers and typed texts, read
//                 as they are needed; once it runs out, the steps end, boxes
//                 take their first button and texts are empty.
//
// Fails on: a crash, a sanitizer report, a leak, a box of the forms layer's
// own (an error no handler expected), a written image of the wrong length
// or markers, a team lines image that does not read back, and a change to
// any record outside the team's own.
#include <dlfcn.h>
#include <unistd.h>

#include <QLocale>
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/controls.h"
#include "forms/dialogs.h"
#include "forms/form_manager.h"
#include "forms/user.h"
#include "fuzz_checks.h"
#include "league/env.h"
#include "league/layouts.h"
#include "league/overall.h"
#include "leaguewriter/sample.h"
#include "lines/install_lines.h"
#include "main/client_app.h"
#include "main/frm_main.h"
#include "market/draft_file.h"
#include "market/install_market.h"
#include "market/offers_file.h"
#include "platform/clock.h"
#include "platform/formats.h"
#include "platform/instance_lock.h"
#include "platform/settings.h"
#include "platform/shell.h"
#include "rules/autolines.h"
#include "rules/autolinesfarm.h"
#include "rules/autoroster.h"
#include "rules/linecheck.h"
#include "rules/linesets.h"
#include "rules/payroll.h"
#include "rules/roster.h"
#include "rules/waiver.h"
#include "team/frm_team.h"
#include "team/lines_file.h"

namespace {

using namespace dravik;
using dravik::fuzz::fail;

// The input, read front to back; past its end every read gives 0.
struct Input {
    const uint8_t* p;
    std::size_t left;
    uint8_t byte() {
        if (left == 0) return 0;
        --left;
        return *p++;
    }
    uint16_t word() {
        uint16_t lo = byte();
        return static_cast<uint16_t>(lo | (byte() << 8));
    }
    bool empty() const { return left == 0; }
};

// With DRAVIK_FUZZ_TRACE set, each step is told on stderr: to follow what a
// reported input did.
const bool tracing = std::getenv("DRAVIK_FUZZ_TRACE") != nullptr;

// Boxes answered from the input, with one of the buttons the box has; every
// box is checked as it shows.
class FuzzDialogs : public Dialogs {
public:
    Input* in = nullptr;

    int16_t messageBox(const std::string& prompt, int style, const std::string&) override {
        if (tracing) std::fprintf(stderr, "box: %s\n", prompt.c_str());
        checkBox(prompt);
        const uint8_t b = in ? in->byte() : 0;
        switch (style & mb::ButtonsMask) {
            case mb::OKCancel:
                return b % 2 ? mb::Cancel : mb::OK;
            case mb::YesNo:
                return b % 2 ? mb::No : mb::Yes;
            case mb::YesNoCancel:
                return b % 3 == 0 ? mb::Yes : b % 3 == 1 ? mb::No : mb::Cancel;
            default:
                return mb::OK;
        }
    }
    std::string inputBox(const std::string& prompt, const std::string&, const std::string&, bool) override {
        if (tracing) std::fprintf(stderr, "input box: %s\n", prompt.c_str());
        return text();
    }
    std::optional<std::string> openFile(const OpenFileRequest&) override { return std::nullopt; }

    // A short text from the input: with the first byte's top bit set a whole
    // number (salaries, durations, game days: what most boxes want), else up
    // to eleven bytes of anything.
    std::string text() {
        if (!in) return {};
        const uint8_t n = in->byte();
        if (n & 0x80) {
            const uint32_t low = in->word();
            const uint32_t value = (n & 0x40) ? low | (static_cast<uint32_t>(in->word()) << 16) : low;
            return (n & 0x20 ? "-" : "") + std::to_string(value);
        }
        std::string s;
        for (uint8_t i = 0; i < n % 12; ++i) s += static_cast<char>(in->byte());
        return s;
    }

private:
    static void checkBox(const std::string& prompt) {
        if (prompt.find("Internal error") != std::string::npos) {
            std::fprintf(stderr, "box: %s\n", prompt.c_str());
            fail("a box showed the forms layer's internal error");
        }
        // The forms layer closes an error no handler caught with
        // " in <window>.<control>_<event>!"; the program's own handlers close
        // theirs with the routine's name alone.
        const auto in = prompt.rfind(" in ");
        if (prompt.size() > 1 && prompt.back() == '!' && in != std::string::npos && prompt[0] >= '0' &&
            prompt[0] <= '9' && prompt.find(" - ") != std::string::npos) {
            const std::string closing = prompt.substr(in + 4);
            if (closing.find('.') != std::string::npos && closing.find('_') != std::string::npos) {
                std::fprintf(stderr, "box: %s\n", prompt.c_str());
                fail("an error no handler expected reached the forms layer");
            }
        }
    }
};

// Compares the records the league holds with the sample's after every input:
// several megabytes, so with the C library's own memcmp, outside the
// sanitizers' and the fuzzer's view (both are plain memory of the two league
// values; nothing there is poisoned, and the comparison is no input's doing).
bool sameBytes(const void* a, const void* b, std::size_t n) {
    using Memcmp = int (*)(const void*, const void*, std::size_t);
    static const auto real = reinterpret_cast<Memcmp>(dlsym(RTLD_NEXT, "memcmp"));
    return (real ? real(a, b, n) : std::memcmp(a, b, n)) == 0;
}

// What the league holds, for the comparison after each input.
template <class A>
bool sameRecord(const A& a, const A& b) {
    if (sameBytes(&a, &b, sizeof a)) return true;
    // Padding may differ where a record was assigned; the stored bytes decide.
    std::vector<uint8_t> x(layout::StoredSize<A>), y(layout::StoredSize<A>);
    layout::encode(a, x.data());
    layout::encode(b, y.data());
    return x == y;
}

struct Program {
    FuzzDialogs dialogs;
    MemorySettings settings;
    LogHooks log;
    FakeClock clock{0, 1000};  // every read is past the wait window's pause
    FakeInstanceLock lock;
    RecordingShellOpen shell;
    LocaleFormats formats{QLocale(QLocale::English, QLocale::UnitedStates)};
    std::string folder;
    std::unique_ptr<ClientApp> app;
    std::unique_ptr<User> user;
    std::unique_ptr<LeagueData> pristine = std::make_unique<LeagueData>();
    std::unique_ptr<ProgramState> pristineState = std::make_unique<ProgramState>();
    // Each team's skaters and goalies in the sample, by team number.
    std::array<std::vector<int>, 101> ownSkaters, ownGoalies;

    Program() {
        std::string t = (std::filesystem::temp_directory_path() / "dravik-fuzz-XXXXXX").string();
        if (!mkdtemp(t.data())) std::abort();
        folder = t;
        leaguewriter::BuildSampleLeague(*pristine);
        start();
    }

    void start() {
        user.reset();
        app.reset();
        app = std::make_unique<ClientApp>(
            ClientServices{dialogs, settings, log, clock, lock, shell, formats, folder, {}});
        user = std::make_unique<User>(app->forms());
        InstallTeamWindows(*app);
        InstallLinesWindows(*app);
        InstallMarketWindows(*app);
        if (!app->start()) std::abort();
        CopyLeague(app->league(), *pristine);
        setUp(true);
        // The sample as an open of its file leaves it.
        CopyLeague(*pristine, app->league());
        for (auto& own : ownSkaters) own.clear();
        for (auto& own : ownGoalies) own.clear();
        for (int i = 0; i <= 10000; ++i) {
            const int16_t t = pristine->Players[i].Team;
            if (t >= 1 && t <= 100) ownSkaters[t].push_back(i);
        }
        for (int g = 0; g <= 1000; ++g) {
            const int16_t t = pristine->Goalies[g].Team;
            if (t >= 1 && t <= 100) ownGoalies[t].push_back(g);
        }
        const ProgramState& state = app->state();
        pristineState->PlayerStates = state.PlayerStates;
        pristineState->GoalieStates = state.GoalieStates;
        for (int i = 1; i <= 11000; ++i)
            if (hasOffer(state.FreeAgentOffers[i])) fail("the sample league starts with an offer");
        copyState(state, *pristineState);
    }

    // What an open of the records now in memory does to the main window and
    // the shared state: the whole of it, or what follows from the settings.
    void setUp(bool whole) {
        const std::string file = folder + "/Sample League.zcl";
        const std::string title = std::string(ProductName) + " - Sample League";
        if (whole)
            app->mainWindow()->setUpForLeague(file, title);
        else
            app->mainWindow()->setUpForSettings(file, title);
    }

    static bool hasOffer(const FreeAgentOffer& o) {
        return o.Player != 0 || o.Team != 0 || o.Salary != 0 || o.Duration != 0 || o.Bonus != 0 ||
               o.Comment.bytes[0] != 0;
    }

    // The state's single values; the arrays are put back where they changed.
    static void copyState(const ProgramState& from, ProgramState& to) {
        to.CurrentTeam = from.CurrentTeam;
        to.CallerFormName = from.CallerFormName;
        to.CurrentPlayerIndex = from.CurrentPlayerIndex;
        to.ShowGoalie = from.ShowGoalie;
        to.CallerCode = from.CallerCode;
        to.ShowMessages = from.ShowMessages;
        to.EditGuard = from.EditGuard;
        to.DataChanged = from.DataChanged;
        to.LastMsgBoxResult = from.LastMsgBoxResult;
        to.RosterChangedByCheck = from.RosterChangedByCheck;
    }
};

Program& program() {
    static Program* p = new Program;  // lives to the end of the run
    return *p;
}

// ---------------------------------------------------------------------------
// Patches.

enum class Kind : uint8_t { League, Team, Skater, Goalie, Coach, Schedule, Count };

struct Patched {
    Kind kind;
    int index;
};

template <class R>
void patchRecord(R& record, Input& in) {
    constexpr std::size_t size = layout::StoredSize<R>;
    uint8_t bytes[size];
    layout::encode(record, bytes);
    const std::size_t offset = in.word() % size;
    const std::size_t length = 1 + in.byte() % 8;
    for (std::size_t i = 0; i < length && offset + i < size; ++i) bytes[offset + i] = in.byte();
    layout::decode(bytes, record);
}

// An index into the team's own people (as the sample has them: what its
// routines walk) when the word's top bit is set, else any record of the
// array.
int pickPerson(const std::vector<int>& own, uint16_t w, int first, int last) {
    if ((w & 0x8000) && !own.empty()) return own[(w & 0x7fff) % own.size()];
    return first + w % (last - first + 1);
}

void applyPatch(const Program& p, LeagueData& league, int16_t team, Input& in,
                std::vector<Patched>& patched) {
    const auto kind = static_cast<Kind>(in.byte() % static_cast<uint8_t>(Kind::Count));
    const uint16_t w = in.word();
    switch (kind) {
        case Kind::League:
            patchRecord(league.League, in);
            patched.push_back({kind, 0});
            break;
        case Kind::Team: {
            const int t = (w & 0x8000) ? team : 1 + w % 100;
            patchRecord(league.Teams[t], in);
            patched.push_back({kind, t});
            break;
        }
        case Kind::Skater: {
            const int i = pickPerson(p.ownSkaters[team], w, 0, 10000);
            patchRecord(league.Players[i], in);
            patched.push_back({kind, i});
            break;
        }
        case Kind::Goalie: {
            const int i = pickPerson(p.ownGoalies[team], w, 0, 1000);
            patchRecord(league.Goalies[i], in);
            patched.push_back({kind, i});
            break;
        }
        case Kind::Coach: {
            const int16_t own = league.Teams[team].Coach;
            const int i = (w & 0x8000) && own >= 1 && own <= 500 ? own : 1 + w % 500;
            patchRecord(league.Coaches[i], in);
            patched.push_back({kind, i});
            break;
        }
        case Kind::Schedule: {
            const int i = 1 + w % 5000;
            patchRecord(league.Schedule[i], in);
            patched.push_back({kind, i});
            break;
        }
        case Kind::Count:
            break;
    }
}

// ---------------------------------------------------------------------------
// The rules routines, each run as a handler would: an error that escapes one
// reaches the forms layer and fails the input.

// The routines an input can name, one byte each.
enum class Routine : uint8_t {
    Payroll,
    CheckRoster,
    CheckLine,
    CheckLineFarm,
    WaiverCheck,
    PlayerOverall,
    AutoRoster,
    AutoRosterPartial,
    AutoLines,
    AutoLinesPartial,
    AutoLinesFarm,
    AutoLinesFarmFull,
    LineSets,
    WipesLines,
    Count
};

void runRoutine(Program& p, int16_t team, Routine routine, Flag show, Input& in) {
    ClientApp& app = *p.app;
    Env& env = app.env();
    frmMain& main = *app.mainWindow();
    LeagueData& league = app.league();
    auto run = [&](const char* what, const std::function<void()>& f) {
        app.forms().run(main, what, "Fuzz", f);
    };
    // Game days 0..11: the ten a team has and one past either end.
    const auto day = static_cast<int16_t>(in.byte() % 12);
    switch (routine) {
        case Routine::Payroll:
            run("Payroll", [&] {
                (void)ProPayroll(env, team);
                (void)FarmPayroll(env, team);
                (void)CoachPayroll(env, team);
                (void)ExpensePerGame(env, team);
                (void)CheckSalaryCap(env, team, show);
            });
            break;
        case Routine::CheckRoster:
            run("CheckRoster", [&] {
                (void)CheckRoster(env, team, True, True, show);
                (void)CheckRoster(env, team, False, False, False);
            });
            break;
        case Routine::CheckLine:
            run("CheckLine", [&] {
                (void)CheckLineEmpty(env, team, day);
                (void)CheckLine(env, team, show, day, True);
            });
            break;
        case Routine::CheckLineFarm:
            run("CheckLineFarm", [&] {
                (void)CheckLineFarm(env, team, show, day, True);
                (void)CheckFarmLinesFull(env, team, show, day, True);
            });
            break;
        case Routine::WaiverCheck:
            run("WaiverCheck", [&] {
                for (int i = 1; i <= 10000; ++i)
                    if (league.Players[i].Team == team) (void)WaiverCheck(env, static_cast<int16_t>(i));
                for (int g = 1; g <= 1000; ++g)
                    if (league.Goalies[g].Team == team)
                        (void)WaiverCheck(env, static_cast<int16_t>(10000 + g));
            });
            break;
        case Routine::PlayerOverall:
            run("PlayerOverall", [&] {
                for (int i = 0; i <= 10000; ++i)
                    if (league.Players[i].Team == team) {
                        const int16_t pos = league.Players[i].Position;
                        (void)PlayerOverall(env, pos, static_cast<int16_t>(i));
                    }
                for (int g = 0; g <= 1000; ++g)
                    if (league.Goalies[g].Team == team) (void)PlayerOverall(env, 5, static_cast<int16_t>(g));
            });
            break;
        case Routine::AutoRoster:
            run("AutoRoster", [&] { AutoRoster(env, team, show, False); });
            break;
        case Routine::AutoRosterPartial:
            run("AutoRosterPartial", [&] { AutoRoster(env, team, show, True); });
            break;
        case Routine::AutoLines:
            run("AutoLines", [&] { AutoLines(env, team, show, day); });
            break;
        case Routine::AutoLinesPartial:
            run("AutoLinesPartial", [&] { AutoLinesPartial(env, team, show, day); });
            break;
        case Routine::AutoLinesFarm:
            run("AutoLinesFarm", [&] { AutoLinesFarm(env, team, show, day); });
            break;
        case Routine::AutoLinesFarmFull:
            run("AutoLinesFarmFull", [&] { AutoLinesFarmFull(env, team, show, day); });
            break;
        case Routine::LineSets: {
            const auto id = static_cast<int16_t>(in.word());
            run("LineSets", [&] {
                (void)PlayOnLineString(env, team, id, day);
                (void)PlayOnLineStringFarm(env, team, id, day);
                (void)PlayOnLineInteger(env, team, id, day);
                (void)PlayOnLineIntegerFarm(env, team, id, day);
                ClearSkaterValueFromTeamLines(env, team, id);
                WipePlayerFromTeamLines(env, team, id);
            });
            break;
        }
        case Routine::WipesLines: {
            const Flag pro = (in.byte() & 1) ? True : False;
            run("WipesLines", [&] { WipesLines(env, team, day, pro); });
            break;
        }
        case Routine::Count:
            break;
    }
}

// Each routine walks every record of the league: an input runs at most
// two, in the order it names them (the second runs on what the first left),
// so that the target stays fast enough to find anything.
void runRules(Program& p, int16_t team, Input& in) {
    const uint8_t head = in.byte();
    const Flag show = (head & 1) ? True : False;
    const int count = (head >> 1) % 3;
    for (int k = 0; k < count; ++k) {
        const auto routine = static_cast<Routine>(in.byte() % static_cast<uint8_t>(Routine::Count));
        runRoutine(p, team, routine, show, in);
    }
}

// ---------------------------------------------------------------------------
// The windows: opened from the main window's menu, then driven control by
// control as a user does. Whatever a window offers is reachable this way,
// the lines windows' strategy, copy, wipe and automatic lines buttons among
// it; only the file commands are left out (they write to disk).

bool leftOut(const Control& c) {
    const std::string& n = c.Name();
    return n == "cmdSaveToFile" || n == "cmdLoadFile";
}

void act(Program& p, Form& form, Input& in) {
    const auto& controls = form.tabOrder();
    if (controls.empty()) return;
    Control* c = controls[in.byte() % controls.size()];
    if (tracing) std::fprintf(stderr, "step: %s.%s\n", form.Name().c_str(), c->Name().c_str());
    if (leftOut(*c)) return;
    User& user = *p.user;
    const uint8_t how = in.byte();
    if (auto* list = dynamic_cast<ListBox*>(c)) {
        if (list->ListCount() == 0) return;
        const int i = in.word() % list->ListCount();
        if (how & 1)
            user.doubleClickItem(*list, i);
        else
            user.selectItem(*list, i);
    } else if (auto* box = dynamic_cast<TextBox*>(c)) {
        if (user.typeText(*box, p.dialogs.text())) user.pressTab(form);
    } else if (auto* bar = dynamic_cast<ScrollBar*>(c)) {
        const int span = bar->Max() - bar->Min();
        user.scroll(*bar, User::Scroll::Track, bar->Min() + (span > 0 ? in.byte() % (span + 1) : 0));
    } else if (auto* tabs = dynamic_cast<TabControl*>(c)) {
        if (tabs->Tabs() > 0) user.selectTab(*tabs, how % tabs->Tabs());
    } else {
        user.click(*c);
    }
}

// Returns true when the free-agent window was asked for (it keeps its
// offers in the shared state).
bool runWindows(Program& p, int16_t team, Input& in) {
    ClientApp& app = *p.app;
    frmMain& main = *app.mainWindow();
    MenuItem* const menus[] = {&main.mnuViewTeam,     &main.mnuSetRoster,  &main.mnuSetLines,
                               &main.mnuSetFarmLines, &main.mnuFreeAgents, &main.mnuDraft};
    bool freeAgents = false;
    const int steps = 1 + in.byte() % 8;
    // Once the input has run out every read is 0, which would only open and
    // close the team sheet again: the steps end with the input. Opening a
    // window walks the league's records several times: one opening from the
    // menu an input (the windows open others from their own commands, the
    // team sheet the roster and the lines, the lists the player card).
    int openings = 0;
    for (int s = 0; s < steps && !in.empty() && !app.forms().ended(); ++s) {
        Form* active = app.forms().activeForm();
        const uint8_t op = in.byte();
        if (!active || active == &main) {
            if (openings++ == 1) break;
            app.state().CurrentTeam = team;
            freeAgents = freeAgents || menus[op % 6] == &main.mnuFreeAgents;
            if (tracing) std::fprintf(stderr, "menu: %s\n", menus[op % 6]->Name().c_str());
            p.user->clickMenu(*menus[op % 6]);
        } else if (op % 16 == 0) {
            p.user->closeWindow(*active);
        } else {
            act(p, *active, in);
        }
    }
    return freeAgents;
}

// True when every window but the main one closed.
bool closeWindows(Program& p) {
    ClientApp& app = *p.app;
    for (int round = 0; round < 16; ++round) {
        Form* open = nullptr;
        for (Form* f : app.forms().loadedForms())
            if (f != app.mainWindow()) open = f;
        if (!open) return true;
        app.forms().run(*open, "Fuzz", "Close", [open] { open->Unload(); });
    }
    return false;
}

// ---------------------------------------------------------------------------
// The files, in memory.

constexpr uint8_t TeamLinesAsked = 0xA5;

// A marker: its 2-byte length, then its text.
void checkMarker(std::string_view image, std::size_t at, std::string_view marker, const char* what) {
    if (image.size() < at + 2 + marker.size()) fail(what);
    const auto n = static_cast<std::size_t>(static_cast<uint8_t>(image[at]) |
                                            (static_cast<uint8_t>(image[at + 1]) << 8));
    if (n != marker.size() || image.substr(at + 2, n) != marker) fail(what);
}

void buildFiles(Program& p, int16_t team, bool teamLines) {
    ClientApp& app = *p.app;
    LeagueData& league = app.league();
    ProgramState& state = app.state();

    DraftSlots ranked{};
    for (int i = 0; i < draftfile::Slots; ++i) ranked[i] = static_cast<int16_t>(i * 37 % 21000);
    const std::string draft = BuildDraftListImage(league.League, team, ranked);
    if (draft.size() != draftfile::ImageSize) fail("the draft list image has the wrong length");
    checkMarker(draft, 0, draftfile::StartMarker, "the draft list image lost its start marker");
    checkMarker(draft, (draftfile::EndMarkerRecord - 1) * draftfile::RecordLength, draftfile::EndMarker,
                "the draft list image lost its end marker");

    // The offers file holds every made offer of an opened entry (a duration
    // above 0, a salary at the league's minimum or more), in person order,
    // each taking the team as its own.
    std::vector<int> made;
    for (int i = 1; i <= 11000; ++i) {
        const FreeAgentOffer& o = state.FreeAgentOffers[i];
        if (o.Player != 0 && o.Duration > 0 && o.Salary >= league.League.MinSalary) made.push_back(i);
    }
    if (tracing) std::fprintf(stderr, "files: %zu offers\n", made.size());
    const OffersScan offers = ScanOffers(league, state, team, p.formats);
    using namespace offersfile;
    if (offers.offers != static_cast<int>(made.size()) ||
        offers.image.size() != (FirstOfferRecord - 1 + made.size()) * RecordLength)
        fail("the offers image has the wrong length");
    checkMarker(offers.image, (StartMarkerRecord - 1) * RecordLength, StartMarker,
                "the offers image lost its start marker");
    auto word = [&](int64_t record) {
        const auto at = static_cast<std::size_t>(record - 1) * RecordLength;
        return static_cast<int16_t>(static_cast<uint8_t>(offers.image[at]) |
                                    (static_cast<uint8_t>(offers.image[at + 1]) << 8));
    };
    const std::string_view key(reinterpret_cast<const char*>(league.League.LeagueKey.bytes.data()),
                               league.League.LeagueKey.bytes.size());
    if (offers.image.substr((LeagueKeyRecord - 1) * RecordLength, key.size()) != key ||
        word(TeamNumberRecord) != team)
        fail("the offers image names another league or team");
    static_assert(layout::StoredSize<FreeAgentOffer> == RecordLength);
    for (std::size_t k = 0; k < made.size(); ++k) {
        FreeAgentOffer stored;
        layout::decode(
            reinterpret_cast<const uint8_t*>(offers.image.data()) + (FirstOfferRecord - 1 + k) * RecordLength,
            stored);
        FreeAgentOffer expected = state.FreeAgentOffers[made[k]];
        expected.Team = team;
        if (!sameRecord(stored, expected)) fail("the offers image holds another offer");
    }

    if (!teamLines || team < 1 || team > 100) return;
    const std::string image = BuildTeamLinesImage(league, state, team);
    if (image.size() != linesfile::ImageSize) fail("the team lines image has the wrong length");
    checkMarker(image, 0, linesfile::StartMarker, "the team lines image lost its start marker");
    checkMarker(image, (linesfile::EndMarkerRecord - 1) * linesfile::RecordLength, linesfile::EndMarker,
                "the team lines image lost its end marker");
    if (CheckTeamLinesImage(image, league.League, team) != TeamLinesCheck::Ok)
        fail("the team lines image does not read back");
    // Reading it back puts the same team record in place.
    const TeamInfo before = league.Teams[team];
    ApplyTeamLinesImage(image, league, state, team);
    if (!sameRecord(before, league.Teams[team])) fail("the team lines image read back another team record");
}

// ---------------------------------------------------------------------------
// After the input: every record is compared with the sample league and put
// back. Only the team's own records, and those this input patched, may
// differ.

bool patchedOne(const std::vector<Patched>& patched, Kind kind, int index) {
    for (const Patched& x : patched)
        if (x.kind == kind && x.index == index) return true;
    return false;
}

template <class A, class Owned>
void restore(A& now, const A& was, int first, int last, Kind kind, const std::vector<Patched>& patched,
             Owned owned, const char* what) {
    // Compared a block at a time: most blocks are as they were.
    constexpr int block = 64;
    for (int i = first; i <= last; ++i) {
        if ((i - first) % block == 0) {
            const int n = std::min(block, last - i + 1);
            if (sameBytes(&now[i], &was[i], sizeof now[i] * n)) {
                i += n - 1;
                continue;
            }
        }
        if (sameBytes(&now[i], &was[i], sizeof now[i])) continue;
        // The team's own records and the patched ones are put back whatever
        // they hold; another one fails unless only its padding differs.
        if (!owned(i) && !patchedOne(patched, kind, i) && !sameRecord(now[i], was[i])) {
            std::fprintf(stderr, "%s %d\n", what, i);
            fail("a record outside the team's own changed");
        }
        now[i] = was[i];
    }
}

// A record may change when the sample gives it to the team, or when this
// input patched it (a patch that gave it to the team among them).
void restoreAll(Program& p, int16_t team, const std::vector<Patched>& patched) {
    LeagueData& now = p.app->league();
    const LeagueData& was = *p.pristine;
    const int16_t coach = was.Teams[team].Coach;
    // The placeholders, skater and goalie 0, are made from the settings.
    const bool settingsPatched = patchedOne(patched, Kind::League, 0);
    if (!sameRecord(now.League, was.League)) {
        // The free-agent window sets the team's offer limit in the settings.
        LeagueInfo other = now.League;
        other.MaxOffers = was.League.MaxOffers;
        if (!sameRecord(other, was.League) && !patchedOne(patched, Kind::League, 0)) {
            std::vector<uint8_t> x(layout::StoredSize<LeagueInfo>), y(layout::StoredSize<LeagueInfo>);
            layout::encode(now.League, x.data());
            layout::encode(was.League, y.data());
            for (std::size_t k = 0; k < x.size(); ++k)
                if (x[k] != y[k]) std::fprintf(stderr, "league byte %zu: %d, was %d\n", k, x[k], y[k]);
            fail("the league settings changed");
        }
        now.League = was.League;
    }
    restore(
        now.Teams, was.Teams, 1, 100, Kind::Team, patched, [&](int t) { return t == team; }, "team");
    restore(
        now.Players, was.Players, 0, 10000, Kind::Skater, patched,
        [&](int i) { return was.Players[i].Team == team || (i == 0 && settingsPatched); }, "skater");
    restore(
        now.Goalies, was.Goalies, 0, 1000, Kind::Goalie, patched,
        [&](int i) { return was.Goalies[i].Team == team || (i == 0 && settingsPatched); }, "goalie");
    restore(
        now.Coaches, was.Coaches, 1, 500, Kind::Coach, patched, [&](int i) { return i == coach; }, "coach");
    restore(
        now.Schedule, was.Schedule, 1, 5000, Kind::Schedule, patched, [](int) { return false; },
        "schedule entry");
    for (int i = 1; i <= 300; ++i)
        if (!(now.DraftNameList[i] == was.DraftNameList[i])) fail("the draft names changed");
    // The shared state: the roster marks and offers are the windows' to
    // change; they start from the sample league's again.
    ProgramState& state = p.app->state();
    const ProgramState& start = *p.pristineState;
    if (!sameBytes(&state.PlayerStates[1], &start.PlayerStates[1], sizeof(PlayerState) * 10000))
        state.PlayerStates = start.PlayerStates;
    if (!sameBytes(&state.GoalieStates[1], &start.GoalieStates[1], sizeof(PlayerState) * 1000))
        state.GoalieStates = start.GoalieStates;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    Program& p = program();
    Input in{data, size};
    const auto team = static_cast<int16_t>(1 + in.byte() % 100);
    const uint8_t what = in.byte();
    p.dialogs.in = &in;
    ClientApp& app = *p.app;
    LeagueData& league = app.league();
    ProgramState& state = app.state();
    state.ShowMessages = (what & 8) ? True : False;

    std::vector<Patched> patched;
    for (int n = what >> 4; n > 0 && !in.empty(); --n) applyPatch(p, league, team, in, patched);
    // The window and the state follow the patched records as an open of them
    // would set them: the settings or a placeholder need the whole set-up, a
    // team the main window's lists (and the sample's again on the next
    // input); of another skater or goalie the open copies the roster flags.
    enum SetUp : uint8_t { None, Lists, Whole };
    static SetUp left = None;
    SetUp needed = None;
    for (const Patched& x : patched) {
        if (x.kind == Kind::League || ((x.kind == Kind::Skater || x.kind == Kind::Goalie) && x.index == 0))
            needed = Whole;
        else if (x.kind == Kind::Team && needed == None)
            needed = Lists;
    }
    if (needed == Whole || left == Whole)
        p.setUp(false);
    else if (needed == Lists || left == Lists)
        app.mainWindow()->PlaceTeam();
    for (const Patched& x : patched) {
        if (x.kind == Kind::Skater && x.index > 0) {
            state.PlayerStates[x.index].Protected = league.Players[x.index].Protected;
            state.PlayerStates[x.index].TradeAvailable = league.Players[x.index].TradeAvailable;
        } else if (x.kind == Kind::Goalie && x.index > 0) {
            state.GoalieStates[x.index].Protected = league.Goalies[x.index].Protected;
            state.GoalieStates[x.index].TradeAvailable = league.Goalies[x.index].TradeAvailable;
        }
    }
    left = needed;

    bool offersTouched = false;
    if (what & 1) runRules(p, team, in);
    if (what & 2) {
        offersTouched = runWindows(p, team, in);
    }
    if (what & 4) {
        // The team lines image is 38 MB: built only when the input asks with
        // this byte (never once it has run out), so that most inputs stay fast.
        buildFiles(p, team, !in.empty() && in.byte() == TeamLinesAsked);
    }

    p.dialogs.in = nullptr;
    const bool closed = closeWindows(p);
    restoreAll(p, team, patched);
    if (offersTouched)
        for (int i = 1; i <= 11000; ++i)
            if (Program::hasOffer(state.FreeAgentOffers[i])) state.FreeAgentOffers[i] = FreeAgentOffer{};
    Program::copyState(*p.pristineState, state);
    if (!closed || app.forms().ended() || app.forms().activeForm() != app.mainWindow()) p.start();
    return 0;
}
