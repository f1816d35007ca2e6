// Editing shortcuts 2 to 5: the two edits, their Enter key, and Save.
#include <stdexcept>
#include <string>

#include "app/Unit1.h"
#include "datafiles/DataFiles.h"
#include "platform/WinConst.h"
#include "web/WebFiles.h"

namespace app {

namespace {
constexpr char kEnter = 13;
constexpr const char* kCannotSave =
    "The web shortcuts cannot be saved now: \"urlList.jov\" in the program's folder cannot be "
    "read or replaced. Close the program that holds it, or check its permissions, and save "
    "again.";
}  // namespace

void TForm1::BindWebEvents() {
    for (vcl::TRadioButton* radio : {&suiRadioButtonWeb0, &suiRadioButtonWeb1, &suiRadioButtonWeb2,
                                     &suiRadioButtonWeb3, &suiRadioButtonWeb4})
        radio->OnClick = [this](vcl::TObject* s) { suiRadioButtonWeb1Click(s); };
    for (vcl::TEdit* edit : {&suiEditWebName, &suiEditWebAddr}) {
        edit->OnChange = [this](vcl::TObject* s) { suiEditWebNameChange(s); };
        edit->OnEnter = [this](vcl::TObject* s) { suiEditWebNameEnter(s); };
        edit->OnKeyPress = [this](vcl::TObject* s, char& key) { suiEditWebNameKeyPress(s, key); };
    }
    suiButtonWebSave.OnClick = [this](vcl::TObject* s) { suiButtonWebSaveClick(s); };
}

void TForm1::suiEditWebNameChange(vcl::TObject* sender) {
    const auto* edit = dynamic_cast<const vcl::TEdit*>(sender);
    // Tag 0: the program is filling the edit, not the user typing.
    if (!suiButtonWebSave.Enabled() && edit && edit->Enabled() && edit->Tag() != 0)
        suiButtonWebSave.SetEnabled(true);
}

void TForm1::suiEditWebNameEnter(vcl::TObject* sender) {
    auto* edit = dynamic_cast<vcl::TEdit*>(sender);
    if (!edit) return;
    const std::string& placeholder = edit == &suiEditWebName ? EmptyWebName : EmptyWebAddr;
    // A placeholder is selected whole, so that typing replaces it.
    if (edit->Text() == placeholder)
        edit->SelectAll();
    else
        edit->SetSelection(edit->SelStart(), 0);
}

void TForm1::suiEditWebNameKeyPress(vcl::TObject* sender, char& key) {
    if (key != kEnter) return;
    platform::WindowPort& windows = Os().windows;
    if (windows.GetForegroundWindow() != Handle() || !IsVisible()) return;
    key = 0;
    SelectNext(true);
    if (sender == &suiEditWebAddr && suiButtonWebSave.Enabled()) suiButtonWebSaveClick(sender);
}

void TForm1::suiButtonWebSaveClick(vcl::TObject*) {
    if (UrlListUnread) {
        // The shortcuts of a file that could not be read at start-up are not
        // in the links, and writing them would lose them: read it now, or
        // keep it and the typing for a later try.
        if (ReadUrlList() == web::FileRead::Unreadable) throw std::runtime_error(kCannotSave);
        UrlListUnread = false;
        EnableWebLinks();
    }
    vcl::TURLLabel& link = *WebLinks[static_cast<std::size_t>(WebIndex)];
    // What is stored must come back as one line each.
    const std::string name = datafiles::StorableTextLine(suiEditWebName.Text());
    const std::string typed = datafiles::StorableTextLine(suiEditWebAddr.Text());
    link.SetCaption(name.empty() ? EmptyWebName : name);
    if (typed.empty()) {
        link.SetURL(EmptyWebAddr);
    } else {
        suiEditWebAddr.SetText(datafiles::StorableTextLine(web::StoredWebAddress(typed)));
        link.SetURL(suiEditWebAddr.Text());
    }
    link.SetEnabled(!link.URL().empty());
    if (!SaveUrlList()) throw std::runtime_error(kCannotSave);
    suiButtonWebSave.SetEnabled(false);
}

}  // namespace app
