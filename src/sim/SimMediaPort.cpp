// MediaPort of a simulated process, on the world's media layer. Like MCI,
// every command but a close needs its parameter block.
#include <algorithm>
#include <cstring>

#include "platform/WinConst.h"
#include "sim/SimProcess.h"

namespace sim {

using namespace platform;

MciError SimMediaPort::mciSendCommandA(MciDeviceId device, UInt message, std::uintptr_t flags,
                                       std::uintptr_t params) {
    SimCall call = Call(Api::mciSendCommandA, 0, message, device);
    call.flags = static_cast<UInt>(flags);
    MciError result = 0;
    if (params == 0 && message != MCI_CLOSE && message != MCI_STOP) {
        result = MCIERR_NULL_PARAMETER_BLOCK;
    } else {
        SimMedia& media = World().media;
        switch (message) {
            case MCI_OPEN: {
                auto* open = reinterpret_cast<MciOpenParmsA*>(params);
                const std::string file = (flags & MCI_OPEN_ELEMENT) && open->lpstrElementName
                                             ? open->lpstrElementName
                                             : "";
                call.text = file;
                MciDeviceId id = 0;  // the block is packed: no pointer into it
                result = media.Open(Pid(), file, &id);
                if (result == 0) process_.handles.Opened(HandleKind::MciDevice, id);
                open->wDeviceID = id;
                break;
            }
            case MCI_CLOSE:
                result = media.Close(device);
                if (result == 0) process_.handles.Closed({HandleKind::MciDevice}, device);
                break;
            case MCI_PLAY:
                result = media.Play(device);
                break;
            case MCI_STOP:
                result = media.Stop(device);
                break;
            case MCI_SEEK:
                result = (flags & MCI_SEEK_TO_START) ? media.SeekToStart(device)
                                                     : MCIERR_UNRECOGNIZED_COMMAND;
                break;
            case MCI_STATUS: {
                auto* status = reinterpret_cast<MciStatusParms*>(params);
                const SimMediaDevice* d = media.Device(device);
                const bool item = (flags & MCI_STATUS_ITEM) != 0;
                if (!d) {
                    result = MCIERR_INVALID_DEVICE_ID;
                } else if (item && status->dwItem == MCI_STATUS_LENGTH) {
                    status->dwReturn = d->lengthMs;
                } else if (item && status->dwItem == MCI_STATUS_POSITION) {
                    status->dwReturn = media.Position(device);
                } else {
                    result = MCIERR_UNRECOGNIZED_COMMAND;
                }
                break;
            }
            default:
                result = MCIERR_UNRECOGNIZED_COMMAND;
        }
    }
    call.lParam = static_cast<LParam>(result);
    Log(std::move(call));
    return result;
}

bool SimMediaPort::mciGetErrorStringA(MciError error, char* buffer, UInt size) {
    SimCall call = Call(Api::mciGetErrorStringA, 0, 0, error);
    const std::string text = SimMedia::ErrorText(error);
    if (size > 0) {
        const std::size_t n = std::min<std::size_t>(text.size(), size - 1);
        std::memcpy(buffer, text.data(), n);
        buffer[n] = '\0';
    }
    call.text = text;
    call.lParam = 1;
    Log(std::move(call));
    return size > 0;
}

}  // namespace sim
