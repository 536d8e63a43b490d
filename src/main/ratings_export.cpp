#include "main/ratings_export.h"

#include "league/files.h"
#include "main/text.h"

namespace dravik {
namespace {

// One line of fields, each already in its written form.
class CsvLine {
public:
    explicit CsvLine(std::string& out) : out_(out) {}

    CsvLine& text(std::string_view field) {
        separate();
        out_ += CsvField(field);
        return *this;
    }
    CsvLine& number(int64_t value) { return text(std::to_string(value)); }
    // The decimal text cut to its first two characters (100 gives "10").
    CsvLine& firstTwo(int64_t value) { return text(std::to_string(value).substr(0, 2)); }
    void end() { out_ += "\r\n"; }

private:
    void separate() {
        if (!first_) out_ += ',';
        first_ = false;
    }
    std::string& out_;
    bool first_ = true;
};

template <std::size_t N>
std::string stored(const FixedText<N>& t) {
    return t.raw();
}

}  // namespace

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

std::string PlayersRatingsCsv(const LeagueData& league) {
    std::string out;
    out.reserve(1 << 20);
    out += "Name,Position,Country,Rookie,Age,Weight,Height,Contract,Salary";
    for (int k = 1; k <= 14; ++k) out += ",Stats " + std::to_string(k);
    out += "\r\n";

    for (int i = 1; i <= 10000; ++i) {
        const PlayerInfo& p = league.Players[i];
        if (p.InUse != True) continue;
        CsvLine line(out);
        line.text(p.Name.trimmed())
            .number(p.Position)
            .text(stored(p.Country))
            .text(p.Rookie == True ? "Y" : "N");
        line.number(p.Age).number(p.Weight).number(p.Height).number(p.ContractYears).number(p.Salary);
        for (int r = sr::CK; r <= sr::LD; ++r) line.number(p.Ratings[static_cast<std::size_t>(r)]);
        // MO is not exported.
        line.firstTwo(p.Ratings[sr::PO]).end();
    }
    for (int i = 1; i <= 1000; ++i) {
        const GoalieInfo& g = league.Goalies[i];
        if (g.InUse != True) continue;
        CsvLine line(out);
        line.text(g.Name.trimmed()).number(pos::G).text(stored(g.Country)).text(g.Rookie == True ? "Y" : "N");
        line.number(g.Age).number(g.Weight).number(g.Height).number(g.ContractYears).number(g.Salary);
        for (int r = gr::SK; r <= gr::LD; ++r) line.number(g.Ratings[static_cast<std::size_t>(r)]);
        // MO is not exported; two empty columns keep the skaters' count.
        line.number(g.Ratings[gr::PO]).number(0).number(0).end();
    }
    return out;
}

std::string CoachesRatingsCsv(const LeagueData& league) {
    std::string out =
        "Name,Country,Age,Contract,Salary,Physical,Defense,Offense,Discpline,Exp,Lead,Potential\r\n";
    for (int i = 1; i <= 500; ++i) {
        const CoachInfo& c = league.Coaches[i];
        if (c.InUse != True) continue;
        CsvLine line(out);
        line.text(c.Name.trimmed())
            .text(stored(c.Country))
            .number(c.Age)
            .number(c.ContractYears)
            .number(c.Salary);
        for (std::size_t r = 0; r < 6; ++r) line.number(c.Ratings[r]);
        line.firstTwo(c.Ratings[6]).end();
    }
    return out;
}

void WriteRatingsFiles(const LeagueData& league, const std::string& folder) {
    WriteWholeFile(folder + "/" + PlayersRatingsFile, PlayersRatingsCsv(league));
    WriteWholeFile(folder + "/" + CoachesRatingsFile, CoachesRatingsCsv(league));
}

std::string RatingsFolderText(const std::string& folder) {
    std::string text = PathToText(folder);
    std::size_t b = text.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    std::size_t e = text.find_last_not_of(' ');
    return text.substr(b, e - b + 1);
}

}  // namespace dravik
