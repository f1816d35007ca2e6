// The simulator's window: the handset's state as the user sets it, one
// button per key code, Skype's simulated devices and the log of the link.
#pragma once

#include <windows.h>

#include "DriverLink.h"
#include "EventLog.h"

class SimWindow {
public:
    SimWindow(DriverLink& link, EventLog& log);
    ~SimWindow();
    SimWindow(const SimWindow&) = delete;
    SimWindow& operator=(const SimWindow&) = delete;

    bool create(HINSTANCE instance);
    // Shows the link's state: the panel found, the devices the panel set.
    void refresh();
    // Keyboard navigation between the controls; true when it used the message.
    bool translate(MSG* msg);

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK keyButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam);
    // Whether the mouse cursor is over one of the key buttons.
    bool cursorOnKey() const;
    static void onLogLine(void* context, const char* line);
    static void onLinkChange(void* context);

    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    HWND control(const wchar_t* type, const wchar_t* text, DWORD style, int x, int y, int w, int h,
                 int id);
    void onCommand(int id, int code);
    void readState();
    void applyHeartbeat();
    void readDevice(int id);
    void addLogLine(const char* line);

    DriverLink& link_;
    EventLog& log_;
    HINSTANCE instance_ = nullptr;
    HWND window_ = nullptr;
    HWND logList_ = nullptr;
    HFONT font_ = nullptr;
    bool refreshing_ = false;
};
