#include "sim/SimJournal.h"

namespace sim {

const char* ApiName(Api api) {
    switch (api) {
#define SIM_JOURNAL_NAME(name) \
    case Api::name:            \
        return #name;
        SIM_JOURNAL_APIS(SIM_JOURNAL_NAME)
#undef SIM_JOURNAL_NAME
    }
    return "?";
}

std::vector<SimCall> SimJournal::Where(const std::function<bool(const SimCall&)>& pred) const {
    std::vector<SimCall> out;
    for (const SimCall& c : calls_)
        if (pred(c)) out.push_back(c);
    return out;
}

std::vector<SimCall> SimJournal::Of(Api api) const {
    return Where([&](const SimCall& c) { return c.api == api; });
}

std::vector<SimCall> SimJournal::Of(Api api, platform::UInt msg) const {
    return Where([&](const SimCall& c) { return c.api == api && c.msg == msg; });
}

int SimJournal::IndexOf(const std::function<bool(const SimCall&)>& pred, int from) const {
    for (size_t i = static_cast<size_t>(from < 0 ? 0 : from); i < calls_.size(); ++i)
        if (pred(calls_[i])) return static_cast<int>(i);
    return -1;
}

}  // namespace sim
