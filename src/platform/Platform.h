// The set of ports a program instance runs on, one object per Windows
// service: the Win32 adapter fills it with the real Windows, the simulation
// with an in-memory one.
#pragma once

#include "platform/MessagePort.h"
#include "platform/MixerPort.h"
#include "platform/NlsPort.h"
#include "platform/RegistryPort.h"
#include "platform/SyncPort.h"
#include "platform/ThreadPort.h"
#include "platform/TimerPort.h"
#include "platform/WindowPort.h"
// Tray icon and tray menu.
#include "platform/MenuPort.h"
#include "platform/ShellPort.h"
// Files, folders and media.
#include "platform/FilePort.h"
#include "platform/MediaPort.h"
// Desktops, processes and other processes' windows.
#include "platform/ProcessPort.h"

namespace platform {

struct Platform {
    MessagePort& messages;
    WindowPort& windows;
    TimerPort& timers;
    SyncPort& sync;
    ThreadPort& threads;
    RegistryPort& registry;
    MixerPort& mixer;
    NlsPort& nls;
    // Tray icon and tray menu.
    ShellPort& shell;
    MenuPort& menus;
    // Files, folders and media.
    FilePort& files;
    MediaPort& media;
    // Desktops, processes and other processes' windows.
    ProcessPort& processes;
};

}  // namespace platform
