// The record of every Windows call the simulated programs made, in order,
// for tests to read back.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

namespace sim {

struct SimCall {
    std::uint64_t time = 0;        // virtual milliseconds
    platform::DWord thread = 0;    // calling thread
    std::string api;               // "SendMessageTimeoutA", "PostMessageA", ...
    platform::Hwnd hwnd = 0;
    platform::UInt msg = 0;
    platform::WParam wParam = 0;
    platform::LParam lParam = 0;
    platform::UInt flags = 0;
    platform::UInt timeout = 0;
    std::string text;              // names, titles, message box texts
    std::vector<std::uint8_t> data;  // the bytes of a WM_COPYDATA
};

class SimJournal {
public:
    void Add(SimCall call) { calls_.push_back(std::move(call)); }
    const std::vector<SimCall>& Calls() const { return calls_; }
    void Clear() { calls_.clear(); }

    std::vector<SimCall> Where(const std::function<bool(const SimCall&)>& pred) const;
    std::vector<SimCall> Of(const std::string& api) const;
    // Calls of api carrying message msg.
    std::vector<SimCall> Of(const std::string& api, platform::UInt msg) const;
    // Index of the first call matching pred at or after from; -1 if none.
    int IndexOf(const std::function<bool(const SimCall&)>& pred, int from = 0) const;

private:
    std::vector<SimCall> calls_;
};

}  // namespace sim
