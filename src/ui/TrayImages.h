// Which tray image stands for a handset status (indices of
// ImageListTrayIcon).
#pragma once

#include "driverlink/HandsetStatus.h"

namespace ui {

constexpr int kTrayImageNoHandset = 0;  // grey disc, white i
constexpr int kTrayImageHandset = 1;    // green disc, white i
constexpr int kTrayImageKeysDrive = 2;  // white rounded square, e

inline int TrayImageOf(const driverlink::HandsetStatus& status) {
    if (!status.handsetPresent) return kTrayImageNoHandset;
    return status.keyMode != 0 ? kTrayImageKeysDrive : kTrayImageHandset;
}

}  // namespace ui
