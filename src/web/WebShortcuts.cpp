// The five web shortcuts: their two files, selecting one, and opening one
// in the default browser.
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "datafiles/DataFiles.h"
#include "platform/WinConst.h"
#include "web/WebFiles.h"
#include "widgets/WebAddress.h"

namespace app {

namespace {
constexpr const char* kSkypeHome = "http://www.skype.com/";
constexpr int kShortcuts = 5;
}  // namespace

void TForm1::LoadDefaultWeb() {
    FirstWebName = "Skype";
    FirstWebAddr = kSkypeHome;
    EmptyWebName = "N/A";
    EmptyWebAddr.clear();
    BrowserTitle = "Skype";
    BrowserHome = kSkypeHome;
    platform::FilePort& files = Os().files;
    const web::FileLines file =
        web::ReadFileLines(Os(), web::DefaultWebFile(datafiles::ProgramFolder(files)), 6);
    // Only a missing file is written: one that is there but cannot be read
    // now (held by another program, no permission) is the user's, and the
    // start values serve this run.
    if (file.read == web::FileRead::Missing) SaveDefaultWeb();
    if (file.read != web::FileRead::Read) return;
    std::string* fields[] = {&FirstWebName, &FirstWebAddr, &EmptyWebName,
                             &EmptyWebAddr, &BrowserTitle, &BrowserHome};
    for (std::size_t i = 0; i < file.lines.size(); ++i)
        if (!file.lines[i].empty()) *fields[i] = file.lines[i];
}

void TForm1::SaveDefaultWeb() {
    platform::FilePort& files = Os().files;
    datafiles::WriteFileReplacing(Os(), web::DefaultWebFile(datafiles::ProgramFolder(files)),
                                  web::FileText({FirstWebName, FirstWebAddr, EmptyWebName,
                                                 EmptyWebAddr, BrowserTitle, BrowserHome}));
}

void TForm1::LoadUrlList() {
    WebLinks[0]->SetCaption(FirstWebName);
    WebLinks[0]->SetURL(FirstWebAddr);
    const web::FileRead read = ReadUrlList();
    // A missing file is written so that it can be edited; one that is there
    // but could not be read is kept, and Save will not replace it unread.
    UrlListUnread = read == web::FileRead::Unreadable;
    if (read == web::FileRead::Missing) SaveUrlList();
    EnableWebLinks();
}

web::FileRead TForm1::ReadUrlList() {
    platform::FilePort& files = Os().files;
    const web::FileLines file = web::ReadFileLines(
        Os(), web::UrlListFile(datafiles::ProgramFolder(files)), 2 * (kShortcuts - 1));
    const std::vector<std::string>& lines = file.lines;
    for (std::size_t i = 1; i < kShortcuts; ++i) {
        const std::string& name = lines[2 * (i - 1)];
        const std::string& addr = lines[2 * (i - 1) + 1];
        WebLinks[i]->SetCaption(name.empty() ? EmptyWebName : name);
        WebLinks[i]->SetURL(addr.empty() ? EmptyWebAddr : addr);
    }
    return file.read;
}

void TForm1::EnableWebLinks() {
    for (vcl::TURLLabel* link : WebLinks) link->SetEnabled(!link->URL().empty());
}

bool TForm1::SaveUrlList() {
    std::vector<std::string> lines;
    for (std::size_t i = 1; i < kShortcuts; ++i) {
        lines.push_back(WebLinks[i]->Caption());
        lines.push_back(WebLinks[i]->URL());
    }
    platform::FilePort& files = Os().files;
    return datafiles::WriteFileReplacing(Os(), web::UrlListFile(datafiles::ProgramFolder(files)),
                                         web::FileText(lines));
}

void TForm1::SelectWebEntry(int index) {
    // Handset keys compute the index: one out of range selects nothing.
    if (index < 0 || index >= kShortcuts) return;
    WebIndex = index;
    for (std::size_t i = 0; i < kShortcuts; ++i) {
        const vcl::TColor color = static_cast<int>(i) == index ? vcl::clRed : vcl::clBlue;
        vcl::TURLLabel& link = *WebLinks[i];
        if (link.LinkColor() == color) continue;
        link.SetLinkColor(color);
        vcl::TFont font = WebNumbers[i]->Font();
        font.Color = color;
        WebNumbers[i]->SetFont(font);
    }
    const auto selected = static_cast<std::size_t>(index);
    // Checking an unchecked button runs suiRadioButtonWeb1Click, which
    // selects this shortcut once more from inside; this call then goes on.
    WebRadios[selected]->SetChecked(true);
    const vcl::TURLLabel& link = *WebLinks[selected];
    suiEditWebName.SetTag(0);
    suiEditWebAddr.SetTag(0);
    suiEditWebName.SetText(link.Caption());
    suiEditWebAddr.SetText(link.URL());
    suiEditWebName.SetTag(1);
    suiEditWebAddr.SetTag(1);
    suiEditWebName.SetEnabled(index != 0);
    suiEditWebAddr.SetEnabled(index != 0);
    // Typing not saved before another shortcut is chosen is dropped.
    if (suiButtonWebSave.Enabled()) suiButtonWebSave.SetEnabled(false);
    if (index == 0) return;
    if (suiEditWebName.Focused())
        suiEditWebNameEnter(&suiEditWebName);
    else
        suiEditWebName.SetFocus();
}

void TForm1::OpenWebEntry(int index) {
    if (index < 0 || index >= kShortcuts) return;
    const vcl::TURLLabel& link = *WebLinks[static_cast<std::size_t>(index)];
    // A shortcut names a web page; whatever else a data file holds is kept
    // but never run.
    if (!link.Enabled() || !vcl::IsWebAddress(link.URL())) return;
    Os().shell.ShellExecuteA(Handle(), "open", link.URL(), "", "", platform::SW_SHOWNORMAL);
}

void TForm1::suiRadioButtonWeb1Click(vcl::TObject*) {
    for (std::size_t i = 0; i < kShortcuts; ++i) {
        if (WebRadios[i]->Checked()) {
            SelectWebEntry(static_cast<int>(i));
            return;
        }
    }
}

void TForm1::BuildWebControlArrays() {
    WebLinks = {&suiURLLabelWeb0, &suiURLLabelWeb1, &suiURLLabelWeb2, &suiURLLabelWeb3,
                &suiURLLabelWeb4};
    WebRadios = {&suiRadioButtonWeb0, &suiRadioButtonWeb1, &suiRadioButtonWeb2, &suiRadioButtonWeb3,
                 &suiRadioButtonWeb4};
    WebNumbers = {&LabelWeb0, &LabelWeb1, &LabelWeb2, &LabelWeb3, &LabelWeb4};
    // The radio buttons are reached by the shortcut keys, not by Tab.
    for (vcl::TRadioButton* radio : WebRadios) radio->SetTabStop(false);
}

}  // namespace app
