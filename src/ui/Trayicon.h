// The notification-area icon component: its hidden utility window, the icon
// and tip it keeps in the shell, the mouse messages the shell sends back, and
// the restore and minimize operations that show and hide the program.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/HandleOwners.h"
#include "platform/ShellPort.h"
#include "platform/WindowPort.h"
#include "ui/TrayMouse.h"
#include "widgets/Application.h"
#include "widgets/Component.h"
#include "widgets/ExtCtrls.h"
#include "widgets/Menus.h"

namespace ui {

// The notification area's icon size at a scale: 16 pixels at 96 per inch,
// 20, 24 and 32 at 125, 150 and 200 %.
int TrayIconSize(const vcl::TDisplayScale& scale);

// The button and Shift, Ctrl and Alt, as the framework's shift state.
using TShiftState = unsigned;
constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32;
using TMouseEvent =
    std::function<void(vcl::TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;

// The framework's error when the shell refuses the icon.
class EOutOfResources : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

constexpr const char* kCannotRemoveIcon = "Cannot Remove System Shell Notification Icon";

class TTrayIcon : public vcl::TComponent, public platform::WindowProcTarget {
public:
    static constexpr const char* kWindowClass = "TTrayIconWindow";
    static constexpr platform::UInt kCallbackMessage = 0x0400 + 1;  // WM_USER + 1

    // Creates the utility window and takes the program's icon.
    TTrayIcon(std::string name, vcl::TCustomForm& owner);
    ~TTrayIcon() override;

    vcl::TImageList* Icons = nullptr;
    vcl::TPopupMenu* PopupMenu = nullptr;
    TTrayIconMessage RestoreOn = imDoubleClick;
    TTrayIconMessage PopupMenuOn = imNone;
    bool Animate = false;
    unsigned AnimateInterval = 1000;

    // Whether the icon is wanted in the notification area; it may be absent
    // for a while when the shell is not ready (Shown says whether it is in).
    bool Visible() const { return wanted_; }
    void SetVisible(bool visible);
    bool Shown() const { return shown_; }
    int IconIndex() const { return iconIndex_; }
    virtual void SetIconIndex(int index);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    // After the form's design is loaded: the icon shows its image.
    void Loaded();

    // Hides the program: minimizes the application and hides its window.
    virtual void Minimize();
    // Shows the program: restores the application's window and brings it
    // to the foreground.
    virtual void Restore();
    // Sends the icon and tip to the shell while the icon is shown.
    virtual void Update();
    // Pops the menu up at a screen point.
    virtual void ShowMenu(int x, int y);

    vcl::TNotifyEvent OnMinimize;
    vcl::TNotifyEvent OnRestore;
    TMouseEvent OnMouseUp;

    platform::Hwnd WindowHandle() const { return window_; }
    platform::UInt IconId() const { return record_.uID; }
    platform::LResult WindowProc(platform::Hwnd hwnd, platform::UInt msg, platform::WParam wParam,
                                 platform::LParam lParam) override;

protected:
    virtual void DoMouseUp(TMouseButton button, TShiftState shift, int x, int y);

private:
    void MouseMessage(platform::UInt mouseMessage);
    void TaskbarCreated();
    bool Notify(platform::DWord message);
    void AddIcon();
    void HookApplication();
    void UnhookApplication();

    platform::Hwnd window_ = 0;
    platform::UInt taskbarCreatedMessage_ = 0;
    platform::NotifyIconDataA record_;
    platform::IconHandle programIcon_;
    std::vector<platform::IconHandle> images_;  // loaded from Icons, by index
    bool wanted_ = false;
    bool shown_ = false;
    bool hooked_ = false;
    decltype(vcl::TApplication::OnOwnerMessage) previousHook_;
    int iconIndex_ = 0;
    std::string hint_;
};

}  // namespace ui
