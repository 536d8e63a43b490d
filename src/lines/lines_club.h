#pragma once
// What tells the pro lines window from the farm one: which line set, club
// name and schedule side it works on, which roster status it lists, which
// checks it runs, the texts it shows, whether it has placeholders, keeps the
// ratings panel's title and holds the partial automatic lines. The windows
// hold one of these and otherwise share every handler, but for two orders of
// steps (the opening's last steps, Check) that stay branches on `farm`.

#include <cstdint>
#include <string>

#include "league/env.h"

namespace dravik {

struct LinesClub {
    bool farm;
    uint8_t rosterStatus;          // the players the list offers: dressed pro players, or the farm
    const char* loadFailure;       // closing text of the opening's error box
    const char* selectFailure;     // closing text of the list click's error box
    const char* dayOneIncomplete;  // the warning when day 1 is incomplete at closing

    // The farm's: an empty slot is the placeholder record 0, "Unknown Player"
    // or "Unknown Goalie". The day display names it, the list offers the two
    // unless the league asks a full farm lineup, and picking one empties the
    // slot clicked, an extra-defense place too.
    bool placeholders;
    // The farm's: picking a player leaves the ratings panel's title alone, so
    // the averages of a unit shown there keep theirs.
    bool keepsFrameTitle;
    // The pro club's: the command row holds the partial automatic lines,
    // second (the button is frmLine's).
    bool partialAutoLines;

    Flag (*checkLine)(Env&, int16_t team, Flag showMessages, int16_t day, Flag logErrors);
    std::string (*playOnLineString)(Env&, int16_t team, int16_t number, int16_t day);
    int16_t (*playOnLineInteger)(Env&, int16_t team, int16_t number, int16_t day);
    // The club's automatic line maker (the pro one builds the whole day).
    void (*autoLines)(Env&, int16_t team, Flag showDone, int16_t day);

    // The line-set argument of WipesLines for this club.
    Flag proSet() const { return farm ? False : True; }

    // The club's name as stored (blank-padded).
    const FixedText<40>& name(const TeamInfo& t) const { return farm ? t.Farm.Name : t.Name; }
    DayLines& lines(Env& env, int16_t team, int16_t day) const;

    // The club's game of a schedule entry.
    bool unplayed(const ScheduleGame& g) const {
        return farm ? g.FarmScheduled == True && g.FarmPlayed == 0
                    : g.ProScheduled == True && g.ProPlayed == 0;
    }
    int16_t team1(const ScheduleGame& g) const { return farm ? g.FarmTeam1 : g.ProTeam1; }
    int16_t team2(const ScheduleGame& g) const { return farm ? g.FarmTeam2 : g.ProTeam2; }
};

extern const LinesClub ProClub;
extern const LinesClub FarmClub;

}  // namespace dravik
