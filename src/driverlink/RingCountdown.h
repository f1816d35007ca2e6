// The panel's own ring while the handset rings. Skype rings too, so the
// panel lets four ringing status messages pass and starts its tone with the
// fifth; the first status that is not ringing, the watchdog or an audio
// device change ends it.
#pragma once

#include <cstdint>

namespace driverlink {

class RingCountdown {
public:
    static constexpr std::int32_t kRingingMessagesLetPass = 4;

    // The panel plays the ring tone because the handset rings; meanwhile
    // the ring-tone list and the preview ignore the user.
    bool RingPlaying = false;
    // Ringing status messages still to be let pass.
    std::int32_t RingDelay = kRingingMessagesLetPass;

    // A ringing status message: true when the panel's ring starts now. The
    // count is set back for the ring after this one, so that a tone the
    // media layer cannot open is tried again four messages later.
    bool CountRinging();
    // The tone is playing.
    void Started() { RingPlaying = true; }
    // A status that is not ringing, or the driver fell silent: true when a
    // ring was playing and has ended (the count starts over).
    bool End();
    // An audio device change ends a ring without touching the count.
    void EndKeepingCount() { RingPlaying = false; }
};

}  // namespace driverlink
