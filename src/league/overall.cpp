#include "league/overall.h"

#include <array>

namespace dravik {
namespace {

// Base weights by rating index.
constexpr std::array<double, 15> kForward = {0.03, 0, 0.01, 0.12, 0.07, 0.05, 0.10, 0.01,
                                             0.12, 0.12, 0.10, 0.05, 0.06, 0, 0.01};
constexpr std::array<double, 15> kDefensive = {0.06, 0, 0.01, 0.12, 0.09, 0.09, 0.06, 0,
                                               0.09, 0.04, 0.16, 0.06, 0.06, 0, 0.01};
constexpr std::array<double, 15> kOffensive = {0.06, 0, 0.01, 0.12, 0.09, 0.09, 0.08, 0,
                                               0.11, 0.06, 0.10, 0.06, 0.06, 0, 0.01};
constexpr std::array<double, 13> kGoalie = {0.08, 0.03, 0.04, 0.07, 0.08, 0.08, 0.12,
                                            0.06, 0.11, 0.07, 0.05, 0, 0.01};

// The running sum is single precision between terms, and the simulator's
// ratings come out of exactly this arithmetic: each term is added in double
// precision and the sum rounded back to float, in a fixed order. Changing the
// precision or the order moves sums that sit near a half to the other side.
class RunningSum {
public:
    void add(double term) { s_ = static_cast<float>(static_cast<double>(s_) + term); }
    // weight / divisor first, then times the rating.
    void addLeague(double weight, double divisor, int16_t rating) {
        add(weight / divisor * static_cast<double>(rating));
    }
    float value() const { return s_; }

private:
    float s_ = 0.0f;
};

template <std::size_t N>
void addBase(RunningSum& s, const std::array<int16_t, N>& ratings, const std::array<double, N>& weights) {
    for (std::size_t i = 0; i < N; ++i) s.add(static_cast<double>(ratings[i]) * weights[i]);
}

void addSkater(RunningSum& s, const LeagueInfo& L, int16_t kind, const PlayerInfo& p) {
    const auto& r = p.Ratings;
    const bool forward = kind != pos::D;
    const auto& base = forward ? kForward : (r[sr::DF] > r[sr::SC] ? kDefensive : kOffensive);
    addBase(s, r, base);
    // A defenseman's checking is weighted by the league's defense weight.
    s.addLeague(forward ? L.OverallWeightCK : L.OverallWeightDI, 5000, r[sr::CK]);
    s.addLeague(L.OverallWeightFG, 5000, r[sr::FG]);
    s.addLeague(L.OverallWeightDI, 5000, r[sr::DI]);
    s.addLeague(L.OverallWeightDU, 5000, r[sr::DU]);
    s.addLeague(L.OverallWeightPHPA, 3333, r[sr::PH]);
    s.addLeague(L.OverallWeightPHPA, 3333, r[sr::PA]);
    s.addLeague(L.OverallWeightSC, 2500, r[sr::SC]);
    s.addLeague(L.OverallWeightEXLD, 5000, r[sr::EX]);
    s.addLeague(L.OverallWeightEXLD, 5000, r[sr::LD]);
}

void addGoalie(RunningSum& s, const LeagueInfo& L, const GoalieInfo& g) {
    const auto& r = g.Ratings;
    addBase(s, r, kGoalie);
    s.addLeague(L.OverallWeightDU, 3333, r[gr::DU]);
    try {
        // The four ratings are summed as 16-bit integers; a sum that does
        // not fit drops this term only.
        int16_t four = add16(add16(add16(r[gr::RB], r[gr::SC]), r[gr::HS]), r[gr::RT]);
        double a = static_cast<double>(four) / 4.0;
        double b = (static_cast<double>(L.OverallWeightSC + L.OverallWeightPHPA) / 2.0) / 1667.0;
        s.add(a * b);
    } catch (const RuntimeError&) {
    }
    s.addLeague(L.OverallWeightEXLD, 3333, r[gr::EX]);
    s.addLeague(L.OverallWeightEXLD, 3333, r[gr::LD]);
}

}  // namespace

int16_t PlayerOverall(Env& env, int16_t kind, int16_t number) {
    if (kind < pos::C || kind > pos::G) {
        IntegrityCheckFailed(env);
        return 0;
    }
    RunningSum s;
    const LeagueData& league = env.league;
    if (kind == pos::G) {
        // A number outside the array rates nothing at all: 0, silently.
        if (!league.Goalies.inBounds(number)) return 0;
        addGoalie(s, league.League, league.Goalies[number]);
    } else {
        if (!league.Players.inBounds(number)) return 0;
        addSkater(s, league.League, kind, league.Players[number]);
    }
    float rounded = static_cast<float>(roundHalfEven(s.value()));
    if (rounded > 99.0f) rounded = 99.0f;
    // No lower bound; a sum too negative for the result rates 0.
    if (rounded < -32768.0f) return 0;
    return static_cast<int16_t>(rounded);
}

}  // namespace dravik
