#include "audio/MixerTree.h"

#include <algorithm>

#include "audio/Audiomixer.h"
#include "platform/WinConst.h"

namespace audio {

using namespace platform;

void TMixerDestinationList::ReleaseItem(TMixerDestination* item) {
    delete item;
}
void TMixerConnectionList::ReleaseItem(TMixerConnection* item) {
    delete item;
}

TMixerControls::TMixerControls(TAudioMixer& mixer, DWord lineId, DWord controlCount) {
    // A query for fewer records than the line reports is not allowed, so
    // a line past the bound gets none rather than the first of them.
    if (controlCount > kMaxLineControls) return;
    controlArray_.resize(controlCount);
    MixerLineControlsA query;
    query.cbStruct = sizeof(MixerLineControlsA);
    query.dwLineID = lineId;
    query.cControls = controlCount;
    query.cbmxctrl = sizeof(MixerControlA);
    query.pamxctrl = controlArray_.empty() ? nullptr : controlArray_.data();
    if (mixer.Port().mixerGetLineControlsA(mixer.FMixerHandle.get(), &query,
                                           MIXER_OBJECTF_HMIXER | MIXER_GETLINECONTROLSF_ALL) !=
        MMSYSERR_NOERROR)
        return;
    for (const MixerControlA& control : controlArray_) Add(&control);
}

TMixerConnection::TMixerConnection(TAudioMixer& mixer, const MixerLineA& line)
    : mixer_(mixer),
      data_(line),
      controls_(std::make_unique<TMixerControls>(mixer, line.dwLineID, line.cControls)) {}

TMixerConnections::TMixerConnections(TAudioMixer& mixer, DWord destination, DWord connectionCount)
    : mixer_(mixer) {
    for (DWord source = 0; source < std::min(connectionCount, kMaxMixerLines); ++source) {
        // Set afresh for every query: a failed one may have written the record.
        MixerLineA line;
        line.cbStruct = sizeof(MixerLineA);
        line.dwDestination = destination;
        line.dwSource = source;
        if (mixer.Port().mixerGetLineInfoA(mixer.FMixerHandle.get(), &line,
                                           MIXER_OBJECTF_HMIXER | MIXER_GETLINEINFOF_SOURCE) !=
            MMSYSERR_NOERROR)
            continue;
        auto connection = std::make_unique<TMixerConnection>(mixer, line);
        Add(connection.get());
        // The list owns it from here on (it goes with ReleaseItem).
        static_cast<void>(connection.release());
    }
}

TMixerDestination::TMixerDestination(TAudioMixer& mixer, const MixerLineA& line)
    : mixer_(mixer),
      data_(line),
      connections_(
          std::make_unique<TMixerConnections>(mixer, line.dwDestination, line.cConnections)),
      controls_(std::make_unique<TMixerControls>(mixer, line.dwLineID, line.cControls)) {}

TMixerDestinations::TMixerDestinations(TAudioMixer& mixer) {
    for (DWord index = 0; index < std::min(mixer.FCaps.cDestinations, kMaxMixerLines); ++index) {
        MixerLineA line;
        line.cbStruct = sizeof(MixerLineA);
        line.dwDestination = index;
        if (mixer.Port().mixerGetLineInfoA(mixer.FMixerHandle.get(), &line,
                                           MIXER_OBJECTF_HMIXER | MIXER_GETLINEINFOF_DESTINATION) !=
            MMSYSERR_NOERROR)
            continue;
        auto destination = std::make_unique<TMixerDestination>(mixer, line);
        Add(destination.get());
        // The list owns it from here on (it goes with ReleaseItem).
        static_cast<void>(destination.release());
    }
}

}  // namespace audio
