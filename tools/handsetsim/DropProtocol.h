// What the simulator and its drop hook, loaded into the panel's process,
// agree on: the message that asks for the drop, the shared block that holds
// the drop's bytes and the event that says the hook took them.
#pragma once

#include <windows.h>

namespace drop {

// Posted to the list that is to receive the files.
constexpr const char* kDropNowMessage = "HandsetSimDropNow";
// A DWORD byte count, then a DROPFILES record with its names.
constexpr const char* kDropBlock = "HandsetSimDropBlock";
constexpr const char* kDropTaken = "HandsetSimDropTaken";
constexpr DWORD kDropBlockLimit = 4 * 1024 * 1024;

constexpr const char* kHookLibrary = "HandsetSimDrop.dll";
constexpr const char* kHookProc = "DropHookProc";

}  // namespace drop
