// A panel on a desktop whose handset device has its speaker and wave lines at
// 8000: a test adds what else the desktop needs, then starts the panel and
// lets the driver find it.
#pragma once

#include <gtest/gtest.h>

#include "support/HandsetMixer.h"
#include "support/PanelWorld.h"

namespace testing_support {

struct HandsetPanel {
    PanelWorld w;
    HandsetMixer device;
    app::TForm1* f = nullptr;

    HandsetPanel() {
        device = AddHandsetMixer(w.world.mixer);
        device.speakerVolume->values = device.waveVolume->values = {8000, 8000};
    }
    // Starts the panel and has the driver discover its window.
    void StartLinked() {
        EXPECT_TRUE(w.Start());
        f = &w.Form();
        w.driver.Discover(w.Panel());
    }
};

}  // namespace testing_support
