// Which tray image stands for a handset status (indices of
// ImageListTrayIcon).
#pragma once

#include <cstdint>

namespace ui {

constexpr int kTrayImageNoHandset = 0;  // grey disc, white i
constexpr int kTrayImageHandset = 1;    // green disc, white i
constexpr int kTrayImageKeysDrive = 2;  // white rounded square, e

// statusW bit 8: handset present; statusL byte 1: key mode.
inline int TrayImageOf(std::uint32_t statusW, std::uint32_t statusL) {
    if ((statusW & 0x0100) == 0) return kTrayImageNoHandset;
    return ((statusL >> 8) & 0xFF) != 0 ? kTrayImageKeysDrive : kTrayImageHandset;
}

}  // namespace ui
