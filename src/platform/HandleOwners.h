// Owners of the handles the ports hand out (windows excepted: a form owns
// its window). Each owner holds one handle and
// closes it once, through the port that closes its kind, when it goes or is
// reset: an early return cannot leak a handle, and no handle is closed
// twice. Move-only, like the handle itself.
#pragma once

#include <utility>

#include "platform/FilePort.h"
#include "platform/MenuPort.h"
#include "platform/MixerPort.h"
#include "platform/ProcessPort.h"
#include "platform/RegistryPort.h"
#include "platform/ShellPort.h"
#include "platform/SyncPort.h"
#include "platform/WinTypes.h"

namespace platform {

// Kind: the port type (Port), the handle type (Value), the value that means
// "none" (kNone) and how a held handle is closed (Close).
template <class Kind>
class Owned {
public:
    using Port = typename Kind::Port;
    using Value = typename Kind::Value;

    Owned() = default;
    Owned(Port& port, Value handle) : port_(&port), handle_(handle) {}
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned(Owned&& other) noexcept : port_(other.port_), handle_(other.release()) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) {
            reset();
            port_ = other.port_;
            handle_ = other.release();
        }
        return *this;
    }
    ~Owned() { reset(); }

    Value get() const { return handle_; }
    explicit operator bool() const { return handle_ != Kind::kNone; }

    // Closes the handle now; true when one was held and its port closed it.
    bool reset() {
        if (handle_ == Kind::kNone) return false;
        const Value held = std::exchange(handle_, Kind::kNone);
        return Kind::Close(*port_, held);
    }
    // Gives the handle up without closing it.
    Value release() { return std::exchange(handle_, Kind::kNone); }

private:
    Port* port_ = nullptr;
    Value handle_ = Kind::kNone;
};

// Processes, threads, events and files: every kernel object closes through
// the one CloseHandle. Files mark "none" as INVALID_HANDLE_VALUE, the others
// as 0.
struct KernelObjectKind {
    using Port = SyncPort;
    using Value = Handle;
    static constexpr Value kNone = 0;
    static bool Close(Port& port, Value handle) { return port.CloseHandle(handle); }
};
struct FileKind : KernelObjectKind {
    static constexpr Value kNone = kInvalidHandle;
};
struct FindKind {
    using Port = FilePort;
    using Value = Handle;
    static constexpr Value kNone = kInvalidHandle;
    static bool Close(Port& port, Value handle) { return port.FindClose(handle); }
};
struct DesktopKind {
    using Port = ProcessPort;
    using Value = Handle;
    static constexpr Value kNone = 0;
    static bool Close(Port& port, Value handle) { return port.CloseDesktop(handle); }
};
struct MenuKind {
    using Port = MenuPort;
    using Value = HMenu;
    static constexpr Value kNone = 0;
    static bool Close(Port& port, Value menu) { return port.DestroyMenu(menu); }
};
struct RegistryKeyKind {
    using Port = RegistryPort;
    using Value = HKey;
    static constexpr Value kNone = 0;
    static bool Close(Port& port, Value key) { return port.RegCloseKey(key) == 0; }
};
struct MixerKind {
    using Port = MixerPort;
    using Value = HMixer;
    static constexpr Value kNone = 0;
    static bool Close(Port& port, Value mixer) { return port.mixerClose(mixer) == 0; }
};

struct IconKind {
    using Port = ShellPort;
    using Value = Handle;
    static constexpr Value kNone = 0;
    static bool Close(Port& port, Value icon) { return port.DestroyIcon(icon); }
};

using KernelHandle = Owned<KernelObjectKind>;
using FileHandle = Owned<FileKind>;
using FindHandle = Owned<FindKind>;
using DesktopHandle = Owned<DesktopKind>;
using MenuHandle = Owned<MenuKind>;
using RegistryKey = Owned<RegistryKeyKind>;
using MixerHandle = Owned<MixerKind>;
using IconHandle = Owned<IconKind>;

}  // namespace platform
