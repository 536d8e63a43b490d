// Where the build writes the sample league; apart from the writer, since the
// writer itself makes the file.

#include "leaguewriter/sample.h"

namespace dravik::leaguewriter {

const char* BuiltSampleLeaguePath() { return DRAVIK_SAMPLE_LEAGUE; }

}  // namespace dravik::leaguewriter
