// A form's controls as real windows. The view creates one standard control
// per core control, as children of the form's window, keeps each window in
// step with every change the core reports (Changed), and turns the user's
// input on those windows into the core's own operations (Click, SetText,
// UserSelect, ...), the same ones the tests call.
//
// Changes go both ways without echo: while the view writes to a window
// (applying_), what that window reports back is ignored; what the user does
// goes to the core, and the core's answer comes back through Changed, where
// writing a state the window already has does nothing.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "GdiCache.h"
#include "NativeControl.h"
#include "Win32Api.h"
#include "WindowClasses.h"
#include "widgets/Form.h"

namespace win32 {

class FormView final : public vcl::ControlView, public MessageFilter {
public:
    FormView(vcl::TCustomForm& form, GdiCache& gdi);
    ~FormView() override;
    FormView(const FormView&) = delete;
    FormView& operator=(const FormView&) = delete;

    // Core to windows.
    void Changed(vcl::TControl& control, vcl::Property what) override;

    // The form window's messages, ahead of the core: control notifications,
    // colours, the background, the focus and the Tab key.
    bool FilterMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    // A control window's messages, ahead of its own procedure base.
    bool ControlMessage(NativeControl& native, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                        WNDPROC base, LRESULT* result);

    // The control window of a control, or nullptr.
    HWND WindowOf(const vcl::TControl& control) const;

private:
    // Marks the view's own writes to windows, so that what they report back
    // is not taken for the user's input.
    class Applying {
    public:
        explicit Applying(FormView& view) : view_(view) { ++view_.applying_; }
        ~Applying() { --view_.applying_; }
        Applying(const Applying&) = delete;
        Applying& operator=(const Applying&) = delete;

    private:
        FormView& view_;
    };

    bool HandleFormMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);
    bool HandleControlMessage(NativeControl& native, HWND hwnd, UINT msg, WPARAM wParam,
                              LPARAM lParam, WNDPROC base, LRESULT* result);
    // An error raised by the core while it handles the user's input goes to
    // the application's error report, as one raised in the form's own
    // window procedure does.
    void Report(const char* text);

    void Build(vcl::TWinControl& parent);
    void Attach(vcl::TControl& control);
    void StackContainers();
    void FillTabs(NativeControl& pages);
    void SyncTabCaption(const vcl::TControl& sheet);
    void SyncSubtree(vcl::TControl& root, vcl::Property what);
    void SyncFocus();
    NativeControl* Find(const vcl::TControl* control) const;
    void Detach();
    // The drop lists stop asking this view for their windows.
    void ReleaseDropLists();

    // Input (FormInput.cpp).
    bool OnCommand(HWND child, WORD code);
    bool OnNotify(const NMHDR& header, LRESULT* result);
    bool OnScroll(HWND child);
    bool OnControlColor(HDC dc, HWND child, LRESULT* result);
    bool OnFormFocus();
    bool OnTabKey(bool forward);
    void HoverLink(HWND link);
    void TakeEditText(NativeControl& native);
    void TakeEditSelection(NativeControl& native);

    vcl::TCustomForm& form_;
    GdiCache& gdi_;
    HWND hwnd_;
    std::vector<std::unique_ptr<NativeControl>> natives_;
    std::map<const vcl::TControl*, NativeControl*> byControl_;
    int applying_ = 0;
    // The control whose window is telling the core what the user typed:
    // the core's echo of its text and selection is not written back.
    const vcl::TControl* feeding_ = nullptr;
    bool windowAlive_ = true;
    // The link under the mouse, drawn in its hover colour until the mouse
    // leaves it.
    HWND hoverLink_ = nullptr;
};

// The view's record of a control window, or nullptr for other windows.
NativeControl* NativeOf(HWND hwnd);

// Routes a control window's messages through its view; undone by the
// window's destruction or Unsubclass.
void Subclass(NativeControl& native);
void Unsubclass(NativeControl& native);

}  // namespace win32
