#include "rules/candidates.h"

#include "league/overall.h"

namespace dravik {
namespace {

constexpr const char* kClosing = " Insert!\r\nTrying to continue.";

// Runs one step of Insert; a failure is shown and the caller goes on.
template <class Step>
bool attempt(Env& env, Step&& step) {
    try {
        step();
        return true;
    } catch (const RuntimeError& e) {
        ShowErrorBox(env, e, kClosing);
        return false;
    }
}

}  // namespace

void Insert(Env& env, int16_t& n) {
    ProgramState& st = env.state;
    int16_t value = 0;
    attempt(env, [&] {
        if (n <= GoalieOffset) {
            value = PlayerOverall(env, env.league.Players[n].Position, n);
        } else {
            n = static_cast<int16_t>(n - GoalieOffset);
            value = PlayerOverall(env, pos::G, n);
        }
    });

    int count = 0;
    int place = 1;
    // With no free entry left, shifting and storing would reach past the
    // arrays' ends; the list keeps what it holds.
    if (!attempt(env, [&] {
            count = st.SortValue[0];
            if (count < 0 || count >= static_cast<int>(st.SortIndex.upper)) raiseError(err::SubscriptOutOfRange);
            while (place <= count && value <= st.SortValue[place]) ++place;
        }))
        return;

    attempt(env, [&] {
        for (int j = count; j >= place; --j) {
            st.SortIndex[j + 1] = st.SortIndex[j];
            st.SortValue[j + 1] = st.SortValue[j];
        }
    });
    attempt(env, [&] { st.SortValue[0] = add16(count, 1); });
    attempt(env, [&] {
        st.SortIndex[place] = n;
        st.SortValue[place] = value;
    });
}

void EmptyCandidates(Env& env) {
    env.state.SortIndex.erase();
    env.state.SortValue.erase();
}

}  // namespace dravik
