// A panel started on a program folder holding the given web shortcut files,
// shown and in the foreground, with helpers to read and type into it.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/PanelWorld.h"

namespace testing_support {

inline constexpr const char* kDefaultWeb = "C:\\Phone\\defaultWeb.jov";
inline constexpr const char* kUrlList = "C:\\Phone\\urlList.jov";
inline constexpr const char* kHome = "http://www.skype.com/";

// The panel started on a program folder holding the given files (nullptr:
// no such file), shown and in the foreground.
struct WebWorld {
    PanelWorld w;
    app::TForm1* f = nullptr;

    // prepare, when given, runs on the world just before the start.
    explicit WebWorld(const char* urlList, const char* defaultWeb = nullptr,
                      const std::function<void(sim::SimWorld&)>& prepare = nullptr) {
        w.world.files.AddFile("C:\\Phone\\UsbPhonePanel.exe", "MZ");
        if (urlList) w.world.files.AddFile(kUrlList, urlList);
        if (defaultWeb) w.world.files.AddFile(kDefaultWeb, defaultWeb);
        if (prepare) prepare(w.world);
        EXPECT_TRUE(w.Start());
        f = &w.Form();
        f->ShowMainWindow();
        w.Advance(10);
    }
    std::string File(const char* path) { return w.world.files.Text(path).value_or("<none>"); }
    vcl::TURLLabel& Link(int i) { return *f->WebLinks[static_cast<std::size_t>(i)]; }
    void ExpectLink(int i, const std::string& name, const std::string& url) {
        EXPECT_EQ(Link(i).Caption(), name) << "link " << i;
        EXPECT_EQ(Link(i).URL(), url) << "link " << i;
        EXPECT_EQ(Link(i).Enabled(), !url.empty()) << "link " << i;
    }
    // The user types into an edit (Tag 1, as after every fill).
    void Type(vcl::TEdit& edit, const std::string& text) {
        edit.SetFocus();
        edit.SetText(text);
    }
    char Enter(vcl::TEdit& edit) {
        edit.SetFocus();
        return edit.KeyPress('\r');
    }
};

}  // namespace testing_support
