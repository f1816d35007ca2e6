// The program's entry: single instance, the application with its two
// windows, the message loop, and the top-level error report.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "app/Unit2.h"
#include "platform/Platform.h"
#include "widgets/Application.h"

namespace app {

class Program {
public:
    Program(platform::Platform& platform, std::vector<std::string> args);
    ~Program();

    // Everything before the message loop. False when this start ends here:
    // a second instance, or an error that was reported.
    bool Start();
    // The message loop, until the application terminates, then the windows
    // are destroyed.
    void RunToEnd();
    // After the loop (or instead of it, when a test drives the messages):
    // destroys the windows, raising their destroy events.
    void Shutdown();

    // The whole entry; the exit code is always 0.
    int Main();

    vcl::TApplication& Application() { return application_; }
    TForm1* Form1() const { return form1_; }
    TForm2* Form2() const { return form2_; }

private:
    void Report(const std::string& text);
    platform::Platform& platform_;
    std::vector<std::string> args_;
    vcl::TApplication application_;
    TForm1* form1_ = nullptr;
    TForm2* form2_ = nullptr;
};

}  // namespace app
