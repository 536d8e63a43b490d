#include "league/layouts.h"

#include <memory>

namespace dravik::layout {

namespace {

template <class T>
constexpr bool isRecordArray() {
    if constexpr (detail::IsSequence<T>::value)
        return Described<typename detail::IsSequence<T>::element>;
    else
        return false;
}

struct TopLister {
    std::vector<Field>& out;
    template <class M>
    void operator()(const char* name, std::size_t offset, M&&) {
        out.push_back({name, offset, StoredSize<M>});
    }
};

struct LeafLister {
    std::vector<Field>& out;
    std::string prefix;
    std::size_t base = 0;

    template <class M>
    void operator()(const char* name, std::size_t offset, M&& member) {
        using U = std::remove_cvref_t<M>;
        if constexpr (Described<U>) {
            LeafLister inner{out, prefix + name + ".", base + offset};
            describe(member, inner);
        } else if constexpr (isRecordArray<U>()) {
            using E = typename detail::IsSequence<U>::element;
            for (std::size_t i = 0; i < member.size(); ++i) {
                LeafLister inner{out, prefix + name + "[" + std::to_string(i) + "].",
                                 base + offset + i * StoredSize<E>};
                describe(member[i], inner);
            }
        } else {
            out.push_back({prefix + name, base + offset, StoredSize<M>});
        }
    }
};

}  // namespace

template <Described R>
std::vector<Field> fields() {
    auto record = std::make_unique<const R>();
    std::vector<Field> out;
    TopLister lister{out};
    describe(*record, lister);
    return out;
}

template <Described R>
std::vector<Field> leafFields() {
    auto record = std::make_unique<const R>();
    std::vector<Field> out;
    LeafLister lister{out, {}, 0};
    describe(*record, lister);
    return out;
}

#define DRAVIK_LISTINGS(R)                   \
    template std::vector<Field> fields<R>(); \
    template std::vector<Field> leafFields<R>();

DRAVIK_LISTINGS(LeagueInfo)
DRAVIK_LISTINGS(DivisionInfo)
DRAVIK_LISTINGS(TeamInfo)
DRAVIK_LISTINGS(FarmTeamInfo)
DRAVIK_LISTINGS(DayLines)
DRAVIK_LISTINGS(PlayerInfo)
DRAVIK_LISTINGS(GoalieInfo)
DRAVIK_LISTINGS(CoachInfo)
DRAVIK_LISTINGS(ScheduleGame)
DRAVIK_LISTINGS(PlayerState)
DRAVIK_LISTINGS(FreeAgentOffer)

#undef DRAVIK_LISTINGS

}  // namespace dravik::layout
