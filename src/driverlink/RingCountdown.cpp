#include "driverlink/RingCountdown.h"

namespace driverlink {

bool RingCountdown::CountRinging() {
    if (RingPlaying) return false;
    if (RingDelay > 0) {
        --RingDelay;
        return false;
    }
    RingDelay = kRingingMessagesLetPass;
    return true;
}

bool RingCountdown::End() {
    if (!RingPlaying) return false;
    RingDelay = kRingingMessagesLetPass;
    RingPlaying = false;
    return true;
}

}  // namespace driverlink
