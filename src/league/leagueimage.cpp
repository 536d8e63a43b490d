#include "league/leagueimage.h"

#include "league/recordfile.h"

namespace dravik {

using namespace leaguefile;

std::string BuildLeagueImage(const LeagueData& league) {
    std::string image;
    image.reserve(ImageSize);  // every slot below grows it without moving it
    RecordWriter w(image, RecordLength);
    w.writeMarker(StartMarkerRecord, StartMarker);
    w.write(LeagueRecord, league.League);
    int64_t record = FirstDraftName;
    for (const auto& name : league.DraftNameList) w.write(record++, name);
    for (const auto& team : league.Teams) w.write(record++, team);
    for (int i = 1; i <= 10000; ++i) w.write(record++, league.Players[i]);
    for (int i = 1; i <= 1000; ++i) w.write(record++, league.Goalies[i]);
    for (const auto& coach : league.Coaches) w.write(record++, coach);
    for (const auto& game : league.Schedule) w.write(record++, game);
    w.writeMarker(EndMarkerRecord, EndMarker);
    return image;
}

LeagueImageResult ParseLeagueImage(std::string_view image, LeagueData& out) {
    const RecordReader r(image, RecordLength);
    if (!r.markerIs(StartMarkerRecord, StartMarker)) return LeagueImageResult::BadStartMarker;
    r.read(LeagueRecord, out.League);
    int64_t record = FirstDraftName;
    for (auto& name : out.DraftNameList) r.read(record++, name);
    for (auto& team : out.Teams) r.read(record++, team);
    for (int i = 1; i <= 10000; ++i) r.read(record++, out.Players[i]);
    for (int i = 1; i <= 1000; ++i) r.read(record++, out.Goalies[i]);
    for (auto& coach : out.Coaches) r.read(record++, coach);
    for (auto& game : out.Schedule) r.read(record++, game);
    if (!r.markerIs(EndMarkerRecord, EndMarker)) return LeagueImageResult::BadEndMarker;
    return LeagueImageResult::Ok;
}

void MakePlaceholders(LeagueData& league) {
    const int16_t rating = league.League.UnknownPlayerRating;

    PlayerInfo& p = league.Players[0];
    p = PlayerInfo{};
    p.InUse = True;
    p.Name = "Unknown Player";
    p.Country = "CAN";
    p.Age = 30;
    p.Weight = 200;
    p.Height = 70;
    p.Position = pos::C;
    p.ContractYears = 1;
    p.Salary = 1000;
    p.Condition = 100;
    p.RosterStatus = status::Farm;
    p.Ratings.fill(rating);
    p.Ratings[sr::DU] = 80;

    GoalieInfo& g = league.Goalies[0];
    g = GoalieInfo{};
    g.InUse = True;
    g.Name = "Unknown Goalie";
    g.Country = "CAN";
    g.Age = 30;
    g.Weight = 200;
    g.Height = 70;
    g.ContractYears = 1;
    g.Salary = 1000;
    g.Condition = 100;
    g.RosterStatus = status::Farm;
    g.Ratings.fill(rating);
    g.Ratings[gr::DU] = 80;
}

void ApplyLeagueDefaults(LeagueInfo& league) {
    auto byDefault = [](int16_t& field, int16_t value) {
        if (field == 0) field = value;
    };
    byDefault(league.MaxDressedSkaters, 18);
    byDefault(league.MaxDressedGoalies, 2);
    byDefault(league.MinCenters, 3);
    byDefault(league.MinLeftWings, 3);
    byDefault(league.MinRightWings, 3);
    byDefault(league.MinDefense, 6);
    byDefault(league.OverallWeightCK, 50);
}

}  // namespace dravik
