// The application: its hidden owner window, the message loop with its
// message hook, the forms it owns, and the top-level error report.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Platform.h"
#include "widgets/DisplayScale.h"
#include "widgets/Form.h"

namespace vcl {

using TMessageEvent = std::function<void(platform::Msg& msg, bool& handled)>;

class TApplication : public TObject, public platform::WindowProcTarget {
public:
    static constexpr const char* kOwnerClass = "TApplication";

    explicit TApplication(platform::Platform& platform) : platform_(platform) {}
    ~TApplication() override;

    platform::Platform& Platform() const { return platform_; }
    // The screen's scale, read once, at the first form's design: layouts and
    // fonts use this one value for the program's life.
    const TDisplayScale& Scale();

    // Creates the hidden owner window every form hangs on.
    void Initialize();
    platform::Hwnd Handle() const { return handle_; }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);
    bool ShowMainForm = true;

    // Constructs a form, raises its OnCreate; the first one is the main form.
    template <class Form, class... Args>
    Form& CreateForm(Args&&... args) {
        auto form = std::make_unique<Form>(std::forward<Args>(args)...);
        Form& ref = *form;
        forms_.push_back(std::move(form));
        if (!mainForm_) mainForm_ = &ref;
        ref.DoCreate();
        return ref;
    }
    TCustomForm* MainForm() const { return mainForm_; }

    // Runs the message loop until Terminate.
    void Run();
    // Handles every message waiting in the queue, then returns.
    void ProcessMessages();
    // Waits for one message and handles it.
    void HandleMessage();
    // Hook, then translation and dispatch to the window.
    void ProcessMessage(platform::Msg& msg);
    void Terminate();
    // Read by the worker thread too.
    bool Terminated() const { return terminated_; }

    // Sees every message taken from the queue; may mark it handled.
    TMessageEvent OnMessage;

    void ShowException(const std::string& text);

    void Minimize();
    void Restore();

    // Raises every form's OnDestroy, newest first, and destroys them.
    void DestroyForms();

    platform::LResult WindowProc(platform::Hwnd hwnd, platform::UInt msg, platform::WParam wParam,
                                 platform::LParam lParam) override;

    // Hook on the owner window's messages, ahead of its default handling.
    std::function<void(platform::UInt msg, platform::WParam wParam, platform::LParam lParam)>
        OnOwnerMessage;

private:
    platform::Platform& platform_;
    std::optional<TDisplayScale> scale_;
    platform::Hwnd handle_ = 0;
    std::string title_;
    std::vector<std::unique_ptr<TCustomForm>> forms_;
    TCustomForm* mainForm_ = nullptr;
    std::atomic<bool> terminated_{false};
};

}  // namespace vcl
