#include "lines/lines_club.h"

#include "rules/autolines.h"
#include "rules/autolinesfarm.h"
#include "rules/linecheck.h"
#include "rules/linesets.h"
#include "rules/slots.h"

namespace dravik {

DayLines& LinesClub::lines(Env& env, int16_t team, int16_t day) const {
    return TeamLineSet(env, team, day, !farm);
}

const LinesClub ProClub{
    false,
    status::Dressed,
    " in FormLoad FrmLine!",
    " in lstPlayer_Click!",
    "Lines for Day #1 are Incomplete!",
    false,  // placeholders
    false,  // keepsFrameTitle
    true,   // partialAutoLines
    &CheckLine,
    &PlayOnLineString,
    &PlayOnLineInteger,
    &AutoLines,
};

const LinesClub FarmClub{
    true,
    status::Farm,
    " in FormLoad FrmFarmLine!",
    " in LstPlayer_Click!",
    "Farm Lines for Day #1 are Incomplete!",
    true,   // placeholders
    true,   // keepsFrameTitle
    false,  // partialAutoLines
    &CheckLineFarm,
    &PlayOnLineStringFarm,
    &PlayOnLineIntegerFarm,
    &AutoLinesFarm,
};

}  // namespace dravik
