// Numbers and names of the link between the handset driver and the panel.
// Both sides register the two link messages by name, so their ids agree.
#pragma once

#include <windows.h>

namespace link {

constexpr const char* kDiscoverName = "KESTAVWiredUIDiscover";
constexpr const char* kAttachName = "KESTAVWiredUIAttach";

// Status and key messages, driver to panel.
constexpr UINT kWmHandset = WM_USER + 110;  // 1134

// Requests of a second panel instance to the running one.
constexpr UINT kWmInstanceQuit = WM_USER + 111;  // 1135
constexpr UINT kWmInstanceShow = WM_USER + 112;  // 1136
constexpr WPARAM kRequestSignatureW = 51772;
constexpr LPARAM kRequestSignatureL = 0x5A1C7E93;

// How a running panel is found from outside.
constexpr const char* kPanelOwnerClass = "TApplication";
constexpr const char* kPanelTitle = "USB Phone keyboard UI";
constexpr const char* kPanelFormProp = "USB Phone keyboard UI Form";

// The panel's greeting Attach carries this lParam; its acknowledgement 0.
constexpr LPARAM kGreetingLParam = 0x8001;

// Every send to the panel is bounded like the panel's own sends to us.
constexpr UINT kSendTimeoutMs = 500;
constexpr UINT kRequestTimeoutMs = 3000;

// wParam bits of WM_HANDSET.
constexpr WPARAM kBitSkypeReady = 0x0001;
constexpr WPARAM kBitPresent = 0x0100;
constexpr WPARAM kBitBlocked = 0x0200;

// lParam low byte of a status message; any other value is a key code.
constexpr unsigned kStatusCode = 0xFF;

// Call states in byte 3 of lParam.
constexpr unsigned kCallIdle = 0;
constexpr unsigned kCallRinging = 1;
constexpr unsigned kCallInCall = 6;

// Key codes the panel acts on; 0 means the key was released.
constexpr unsigned kKeyCodes[] = {17, 20, 25, 30, 31, 34, 35, 36, 37, 38};
constexpr unsigned kKeyRelease = 0;

// Commands the panel sends in WM_COPYDATA frames ("!" + text + zero byte).
constexpr char kFrameMark = '!';
constexpr const char* kGetAudioIn = "GET AUDIO_IN";
constexpr const char* kGetAudioOut = "GET AUDIO_OUT";
constexpr const char* kSetAudioIn = "SET AUDIO_IN ";
constexpr const char* kSetAudioOut = "SET AUDIO_OUT ";
constexpr const char* kSetRingtone = "SET RINGTONE 1 ";
constexpr const char* kReplyAudioIn = "AUDIO_IN ";
constexpr const char* kReplyAudioOut = "AUDIO_OUT ";

}  // namespace link
