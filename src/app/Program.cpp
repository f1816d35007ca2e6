#include "app/Program.h"

#include <exception>

#include "app/SingleInstance.h"

namespace app {

Program::Program(platform::Platform& platform, std::vector<std::string> args)
    : platform_(platform), args_(std::move(args)), application_(platform) {}

Program::~Program() {
    Shutdown();
}

bool Program::Start() {
    if (!CheckSingleInstance(platform_, args_)) return false;
    try {
        application_.Initialize();
        application_.SetTitle(kApplicationTitle);
        application_.ShowMainForm = false;
        form1_ = &application_.CreateForm<TForm1>(application_, args_);
        form2_ = &application_.CreateForm<TForm2>(application_);
        form1_->Form2 = form2_;
        return true;
    } catch (const std::exception& e) {
        Report(e.what());
    } catch (...) {
        Report("Unknown error");
    }
    return false;
}

void Program::RunToEnd() {
    try {
        application_.Run();
    } catch (const std::exception& e) {
        Report(e.what());
    } catch (...) {
        Report("Unknown error");
    }
    Shutdown();
}

void Program::Shutdown() {
    if (form1_) form1_->Form2 = nullptr;
    form1_ = nullptr;
    form2_ = nullptr;
    application_.DestroyForms();
}

int Program::Main() {
    if (Start()) RunToEnd();
    Shutdown();
    return 0;
}

void Program::Report(const std::string& text) {
    application_.ShowException(text);
}

}  // namespace app
