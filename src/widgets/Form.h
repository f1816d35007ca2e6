// Top-level forms: a window of their own, the focus among their controls,
// their timers, and the framework's handling behind a form's own dispatch.
#pragma once

#include <string>
#include <vector>

#include "platform/Platform.h"
#include "widgets/Control.h"

namespace vcl {

class TApplication;
class TTimer;

struct TMessage {
    platform::UInt Msg = 0;
    platform::WParam WParam = 0;
    platform::LParam LParam = 0;
    platform::LResult Result = 0;
};

enum TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;

struct TFormStyle {
    std::string className;
    platform::DWord style = 0;
    platform::DWord exStyle = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    bool centered = false;  // centred in the work area; else at (left, top)
    int left = 0;
    int top = 0;
};

class TCustomForm : public TWinControl, public platform::WindowProcTarget {
public:
    TCustomForm(std::string name, TApplication& application);
    ~TCustomForm() override;
    const char* ClassName() const override { return "TForm"; }

    TApplication& Application() const { return application_; }
    platform::Hwnd Handle() const { return handle_; }

    // Creates the form's window, hidden, owned by the application's window.
    void CreateHandle(const TFormStyle& style);
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }

    void Show();
    void Hide();
    bool IsVisible() const;
    // A close request: OnClose decides; closing the main form ends the program.
    void Close();

    TWinControl* ActiveControl() const { return activeControl_; }
    void FocusControl(TWinControl* control);
    // Moves the focus to the next (or previous) tab stop, wrapping around.
    void SelectNext(bool forward);
    // Tab stops that can take the focus now, in tab order.
    std::vector<TWinControl*> TabStops() const;

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnActivate;
    TCloseEvent OnClose;

    // Raised by the application right after construction and before the
    // window goes away.
    void DoCreate();
    void DoDestroy();

    platform::LResult WindowProc(platform::Hwnd hwnd, platform::UInt msg, platform::WParam wParam,
                                 platform::LParam lParam) override;

    platform::UInt RegisterTimer(TTimer& timer);
    void UnregisterTimer(TTimer& timer);

protected:
    // The form's own message handler, in front of the framework's handling.
    // Returns true when the message is handled and must go no further.
    virtual bool Dispatch(TMessage& message);
    // The framework's handling: timers, close, focus moves, activation, then
    // the window's default procedure.
    void DefaultHandler(TMessage& message);
    void Changed(Property what) override;

private:
    void DestroyHandle();
    TApplication& application_;
    platform::Hwnd handle_ = 0;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    TWinControl* activeControl_ = nullptr;
    // The window of the message being handled: during creation the handle is
    // not known yet, after destruction it is gone, and default handling still
    // needs the window the message came to.
    platform::Hwnd messageWindow_ = 0;
    std::vector<TTimer*> timers_;
    platform::UInt nextTimerId_ = 1;
    bool destroyed_ = false;
};

using TForm = TCustomForm;

}  // namespace vcl
