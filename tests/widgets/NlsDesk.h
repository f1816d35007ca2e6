// One process on a simulated desktop, for tests of text conversions through
// its national-language port, and the code pages it was asked to convert to.
#pragma once

#include <vector>

#include "platform/NlsPort.h"
#include "platform/WinTypes.h"
#include "sim/SimProcess.h"
#include "sim/SimWorld.h"

namespace widgets_test {

struct NlsDesk {
    sim::SimWorld world;
    sim::SimProcess process{world, "program"};
    platform::NlsPort& nls = process.nls;

    // The code page of each conversion to bytes so far, in order.
    std::vector<platform::UInt> ConversionPages() {
        std::vector<platform::UInt> pages;
        for (const sim::SimCall& call : world.Journal().Of(sim::Api::WideCharToMultiByte))
            pages.push_back(call.msg);
        return pages;
    }
};

}  // namespace widgets_test
