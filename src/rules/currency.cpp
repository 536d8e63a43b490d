#include "rules/currency.h"

namespace dravik {

namespace {
const Formats* installed = nullptr;
}

const Formats& RulesFormats() {
    if (installed) return *installed;
    static const LocaleFormats system;
    return system;
}

void SetRulesFormats(const Formats* formats) { installed = formats; }

}  // namespace dravik
