// Handset keys: presses, repeats and what each key does. The rules that need
// no window are in KeyRules.
#include "app/Unit1.h"
#include "driverlink/HandsetMessage.h"
#include "driverlink/KeyRules.h"
#include "platform/Platform.h"

namespace app {

using driverlink::KeyKind;

namespace {

constexpr int kWebPage = 0, kRingPage = 1, kAudioPage = 2;

void WebPageKey(TForm1& f, std::uint8_t code, KeyKind kind) {
    if (kind != KeyKind::Press) return;
    const driverlink::WebKey key =
        driverlink::WebKeyAction(code, f.WebIndex, static_cast<int>(f.WebLinks.size()));
    if (key.select >= 0) f.SelectWebEntry(key.select);
    if (key.open) f.OpenWebEntry(f.WebIndex);
}

void RingPageKey(TForm1& f, std::uint8_t code, KeyKind kind) {
    if (kind != KeyKind::Press || f.FileListBoxTest.Count() == 0) return;
    if (code == driverlink::kKeyLower || code == driverlink::kKeyRaise) {
        f.ToggleRingPreview();
        return;
    }
    const int index = driverlink::RingKeySelection(code, f.FileListBoxTest.ItemIndex(),
                                                   f.FileListBoxTest.Count());
    if (index >= 0) f.SelectRingFile(index);
}

// Selects the item and tells Skype, as a user's choice would; -1 leaves the
// list alone.
void StepSkypeCombo(TForm1& f, vcl::TComboBox& combo, int index) {
    if (index < 0) return;
    combo.SetItemIndex(index);
    if (&combo == &f.suiComboBoxSkypeOut)
        f.suiComboBoxSkypeOutChange(&combo);
    else
        f.suiComboBoxSkypeInChange(&combo);
}

// The mute boxes only toggle on a press; the speaker's box comes first.
void ClickFocusedMuteBox(TForm1& f, KeyKind kind) {
    if (kind != KeyKind::Press) return;
    if (f.suiCheckBoxVolOut.Focused())
        f.suiCheckBoxVolOut.Click();
    else if (f.suiCheckBoxVolIn.Focused())
        f.suiCheckBoxVolIn.Click();
}

void AudioPageKey(TForm1& f, std::uint8_t code, KeyKind kind) {
    if (code == driverlink::kKeyUp || code == driverlink::kKeyDown) {
        if (kind != KeyKind::Press) return;
        // The form's own focus move, as the dialog manager's Tab would do it.
        f.Application().Platform().messages.SendMessageA(f.Handle(), platform::WM_NEXTDLGCTL,
                                                         code == driverlink::kKeyUp ? 1 : 0, 0);
        return;
    }
    const bool raise = code == driverlink::kKeyRaise;
    if (!raise && code != driverlink::kKeyLower) return;
    for (vcl::TTrackBar* slider :
         {&f.suiTrackBarVolOut, &f.suiTrackBarVolIn, &f.suiTrackBarVolRing}) {
        if (!slider->Focused()) continue;
        slider->SetPosition(raise
                                ? driverlink::SliderRaised(slider->Position(), slider->Max(),
                                                           slider->PageSize, kind)
                                : driverlink::SliderLowered(slider->Position(), slider->PageSize));
        return;
    }
    for (vcl::TComboBox* combo : {&f.suiComboBoxSkypeOut, &f.suiComboBoxSkypeIn}) {
        if (!combo->Focused()) continue;
        if (kind == KeyKind::Press)
            StepSkypeCombo(f, *combo,
                           raise ? driverlink::ComboNext(combo->ItemIndex(), combo->Count())
                                 : driverlink::ComboPrevious(combo->ItemIndex()));
        return;
    }
    ClickFocusedMuteBox(f, kind);
}

}  // namespace

void TForm1::KeyEntry(std::uint8_t code) {
    TimerKeyRepeat.SetEnabled(false);
    KeyCodePrev = KeyCode;
    KeyCode = code;
    KeyRepeatStep();
    if (KeyCode != 0) TimerKeyRepeat.SetEnabled(true);
}

void TForm1::KeyRepeatStep() {
    const driverlink::HandsetStatus status = Status();
    if (!driverlink::KeyAccepted(status.keyMode, status.callState, KeyCode)) {
        KeyCode = KeyCodePrev = 0;
        return;
    }
    const driverlink::KeyStepResult step = driverlink::KeyStep(KeyCode, KeyCodePrev);
    if (step.releasedCode != 0) HandsetKeyAction(step.releasedCode, KeyKind::Release);
    KeyCodePrev = KeyCode;
    HandsetKeyAction(step.code, step.kind);
}

void TForm1::TimerKeyRepeatTimer(vcl::TObject*) {
    KeyRepeatStep();
}

void TForm1::HandsetKeyAction(std::uint8_t code, KeyKind kind) {
    if (code == 0 || kind == KeyKind::Release) return;
    RestartTimerIfRunning(TimerMin);
    if (Status().InCall() && (code == driverlink::kKeyUp || code == driverlink::kKeyDown)) {
        const int step = suiTrackBarVolOut.PageSize;
        suiTrackBarVolOut.SetPosition(suiTrackBarVolOut.Position() +
                                      (code == driverlink::kKeyUp ? step : -step));
        return;
    }
    if (!IsVisible()) {
        if (code == driverlink::kKeyPage && kind == KeyKind::Press) ShowMainWindow();
        return;
    }
    if (Os().windows.GetForegroundWindow() != Handle()) {
        if (kind == KeyKind::Press) BringToFront(Handle());
        return;
    }
    if (code == driverlink::kKeyPage) {
        if (kind == KeyKind::Press) {
            suiPageControl1.SetActivePageIndex(driverlink::NextPage(
                suiPageControl1.ActivePageIndex(), suiPageControl1.PageCount()));
            // As a click on the tab: the tone list takes drops only while
            // its page is the active one.
            suiPageControl1Change(&suiPageControl1);
        }
        return;
    }
    switch (suiPageControl1.ActivePageIndex()) {
        case kWebPage:
            WebPageKey(*this, code, kind);
            break;
        case kRingPage:
            RingPageKey(*this, code, kind);
            break;
        case kAudioPage:
            AudioPageKey(*this, code, kind);
            break;
        default:
            break;
    }
}

}  // namespace app
