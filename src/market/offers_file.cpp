#include "market/offers_file.h"

#include "league/recordfile.h"
#include "market/market_file.h"
#include "platform/formats.h"
#include "team/lines_file.h"

namespace dravik {

using namespace offersfile;

namespace {

constexpr const char* CRLF = "\r\n";

template <class Person>
void addLine(OffersScan& scan, const Person& person, int16_t team, const FreeAgentOffer& o,
             const Formats& formats) {
    if (person.Team != team) ++scan.notOwned;
    scan.summary += person.Name.trimmed() + " was offer " + formats.currencyWhole(o.Salary) + " for " +
                    std::to_string(o.Duration) + " year(s) with " + formats.currencyWhole(o.Bonus) +
                    " in bonus." + CRLF;
}

}  // namespace

bool IsOfferMade(const FreeAgentOffer& offer, const LeagueInfo& league) {
    return offer.Duration > 0 && offer.Salary >= league.MinSalary;
}

OffersScan ScanOffers(const LeagueData& league, ProgramState& state, int16_t team, const Formats& formats) {
    OffersScan scan;
    RecordWriter w(scan.image, RecordLength);
    w.writeMarker(StartMarkerRecord, StartMarker);
    w.write(LeagueKeyRecord, league.League.LeagueKey);
    w.write(TeamNumberRecord, team);
    for (int p = 1; p <= MaxPerson; ++p) {
        FreeAgentOffer& o = state.FreeAgentOffers[p];
        if (!IsOfferMade(o, league.League) || o.Player == 0) continue;
        o.Team = team;
        w.write(FirstOfferRecord + scan.offers, o);
        ++scan.offers;
        if (p <= GoalieOffset)
            addLine(scan, league.Players[p], team, o, formats);
        else
            addLine(scan, league.Goalies[p - GoalieOffset], team, o, formats);
    }
    return scan;
}

std::vector<std::string> SplitSummary(std::string_view summary) {
    std::vector<std::string> boxes;
    std::string box;
    auto flush = [&] {
        if (!box.empty() && box.back() == '\n') box.pop_back();
        boxes.push_back(std::move(box));
        box.clear();
    };
    std::size_t at = 0;
    while (at < summary.size()) {
        std::size_t end = summary.find(CRLF, at);
        end = end == std::string_view::npos ? summary.size() : end + 2;
        const std::string_view line = summary.substr(at, end - at);
        if (!box.empty() && box.size() + line.size() > SummaryBoxLength) flush();
        box += line;
        at = end;
    }
    if (!box.empty()) flush();
    return boxes;
}

void SaveFreeAgentOffers(Env& env, const std::string& programFolder, int16_t team, const Formats& formats) {
    OffersScan scan;
    const MarketSave save = SaveMarketFile(env, programFolder, team, FreeAgentOffersFile, [&] {
        scan = ScanOffers(env.league, env.state, team, formats);
        MarketImage image;
        const int16_t limit = env.league.League.MaxOffers;
        if (scan.offers == 0) {
            MsgBox(env, "No Offer to Save!", mb::OKOnly | mb::Exclamation);
            image.outcome = MarketImage::Outcome::Withdraw;
        } else if (scan.notOwned > 0 && scan.notOwned > limit) {
            // Offers to the team's own players never count, so a negative
            // limit still lets those through.
            MsgBox(env, "There is more that " + std::to_string(limit) + " offers!", mb::OKOnly | mb::Exclamation);
        } else if (scan.offers > MaxOffersInFile) {
            MsgBox(env, "There is more that " + std::to_string(MaxOffersInFile) + " offers!",
                   mb::OKOnly | mb::Exclamation);
        } else {
            image.outcome = MarketImage::Outcome::Write;
            image.bytes = std::move(scan.image);
        }
        return image;
    });
    if (save.result != MarketSaveResult::Saved) return;
    scan.summary += "Client league file save for " + env.league.Teams[team].Name.trimmed() + " succesfully at " +
                    PathText(save.target) + CRLF;
    for (const std::string& box : SplitSummary(scan.summary)) MsgBox(env, box, mb::OKOnly | mb::Information);
}

}  // namespace dravik
