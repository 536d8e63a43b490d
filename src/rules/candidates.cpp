#include "rules/candidates.h"

namespace dravik {

void EmptyCandidates(Env& env) {
    env.state.SortIndex.erase();
    env.state.SortValue.erase();
}

}  // namespace dravik
