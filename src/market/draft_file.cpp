#include "market/draft_file.h"

#include "league/recordfile.h"

namespace dravik {

using namespace draftfile;

std::string BuildDraftListImage(const LeagueInfo& league, int16_t team, const DraftSlots& list) {
    std::string image;
    image.reserve(ImageSize);
    RecordWriter w(image, RecordLength);
    w.writeMarker(StartMarkerRecord, StartMarker);
    w.write(LeagueKeyRecord, league.LeagueKey);
    w.write(TeamNumberRecord, team);
    for (int s = 0; s < Slots; ++s) w.write(FirstSlotRecord + s, list[static_cast<std::size_t>(s)]);
    w.writeMarker(EndMarkerRecord, EndMarker);
    return image;
}

}  // namespace dravik
