#pragma once
// Everything a routine of the program reaches: the league data, the program
// state and the services around them. Built once at start (or by a test) and
// passed by reference.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "forms/dialogs.h"
#include "forms/runtime.h"
#include "league/state.h"

namespace dravik {

class SettingsStore;

// Log hooks: the rules engine and the windows hand them findings and change
// texts. The program's own hooks keep nothing; tests record.
class LogHooks {
public:
    virtual ~LogHooks() = default;
    virtual void LogMessage(std::string_view) {}
    virtual void LogTeamMessage(int16_t /*team*/, std::string_view) {}
    virtual void LogValues(int16_t, int16_t) {}
};

class RecordingLog : public LogHooks {
public:
    struct Entry {
        enum Kind { Message, TeamMessage, Values } kind;
        int16_t a = 0, b = 0;  // team, or the two values
        std::string text;
        friend bool operator==(const Entry&, const Entry&) = default;
    };
    void LogMessage(std::string_view t) override { entries.push_back({Entry::Message, 0, 0, std::string(t)}); }
    void LogTeamMessage(int16_t team, std::string_view t) override {
        entries.push_back({Entry::TeamMessage, team, 0, std::string(t)});
    }
    void LogValues(int16_t a, int16_t b) override { entries.push_back({Entry::Values, a, b, {}}); }
    std::vector<Entry> entries;
};

// The wait window around long file work, as a service: the file readers and
// writers show it, and the rules engine may hide it from an error handler.
class WaitWindow {
public:
    virtual ~WaitWindow() = default;
    virtual void ShowWaitForm() {}
    virtual void HideWaitForm() {}
};

struct Env {
    LeagueData& league;
    ProgramState& state;
    Dialogs& dialogs;
    SettingsStore& settings;
    LogHooks& log;
    WaitWindow& wait;
};

// A message box titled with the product name; the answer goes to
// LastMsgBoxResult and is returned.
int16_t MsgBox(Env& env, const std::string& prompt, int style);

// The standard critical error box: number, " - ", description, closing text.
void ShowErrorBox(Env& env, const RuntimeError& e, std::string_view closing);

// "Integrity Check Failed!", critical.
void IntegrityCheckFailed(Env& env);

}  // namespace dravik
