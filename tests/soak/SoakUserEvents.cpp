// Everything else that reaches the panel during the soak: time passing,
// the user at every control the window shows, the tray icon and its menu,
// files dropped on the tone list, device notices, another program at the
// handset's mixer, a settings broadcast, and a disk that fills up or a file
// another program holds.
#include <array>

#include "audio/Foundwindow.h"
#include "soak/Soak.h"

namespace soak {

using namespace platform;

bool Soak::Reachable(const vcl::TControl& control) {
    return w_.Shown() && control.Showing() && control.EffectivelyEnabled();
}

void Soak::TimePasses() {
    // Mostly less than the driver's 3 s; now and then long enough for the
    // watchdog and the window's auto-hide.
    const std::uint64_t ms = Chance(20) ? 3000 + Pick(9000) : Pick(1500);
    Note("time passes: " + std::to_string(ms) + " ms");
    w_.Advance(ms);
}

void Soak::ClickButton() {
    vcl::TButton* const buttons[] = {&f_->suiButtonDefault, &f_->suiButtonWebSave,
                                     &f_->suiButtonSysAudioOut};
    vcl::TButton& button = *buttons[Pick(3)];
    if (!Reachable(button)) return Note(button.Name() + " is out of reach");
    Note("click " + button.Name());
    button.Click();
}

void Soak::ClickBox() {
    if (Chance(2)) {
        vcl::TCheckBox& box = Chance(2) ? f_->suiCheckBoxVolOut : f_->suiCheckBoxVolIn;
        if (!Reachable(box)) return Note(box.Name() + " is out of reach");
        speakerEvent_ = &box == &f_->suiCheckBoxVolOut;
        Note("click " + box.Name());
        return box.Click();
    }
    vcl::TRadioButton& radio = *f_->WebRadios[Pick(5)];
    if (!Reachable(radio)) return Note(radio.Name() + " is out of reach");
    Note("click " + radio.Name());
    radio.Click();
}

void Soak::MoveSlider() {
    vcl::TTrackBar* const sliders[] = {&f_->suiTrackBarVolOut, &f_->suiTrackBarVolIn,
                                       &f_->suiTrackBarVolRing};
    vcl::TTrackBar& slider = *sliders[Pick(3)];
    if (!Reachable(slider)) return Note(slider.Name() + " is out of reach");
    const int range = slider.Max() - slider.Min();
    const int position =
        slider.Min() + static_cast<int>(Pick(static_cast<std::uint32_t>(range) + 1));
    speakerEvent_ = &slider == &f_->suiTrackBarVolOut;
    Note("move " + slider.Name() + " to " + std::to_string(position));
    slider.SetPosition(position);
}

void Soak::ChooseInList() {
    vcl::TComboBox* const combos[] = {&f_->suiComboBoxSkypeOut, &f_->suiComboBoxSkypeIn,
                                      &f_->suiDriveComboBoxTest};
    vcl::TListBox* const lists[] = {&f_->DirectoryListBoxTest, &f_->FileListBoxTest};
    const std::uint32_t which = Pick(6);
    if (which < 3) {
        vcl::TComboBox& combo = *combos[which];
        if (!Reachable(combo) || combo.Items().empty())
            return Note(combo.Name() + " is out of reach");
        const int index = static_cast<int>(Pick(static_cast<std::uint32_t>(combo.Items().size())));
        Note("choose item " + std::to_string(index) + " of " + combo.Name());
        return combo.UserSelect(index);
    }
    vcl::TListBox& list = *lists[which % 2];
    if (!Reachable(list) || list.Items().empty()) return Note(list.Name() + " is out of reach");
    if (which == 5 && list.ItemIndex() >= 0) {
        Note("double-click " + list.Name());
        return list.DblClick();
    }
    const int index = static_cast<int>(Pick(static_cast<std::uint32_t>(list.Items().size())));
    Note("choose item " + std::to_string(index) + " of " + list.Name());
    list.UserSelect(index);
}

void Soak::TypeInEdit() {
    vcl::TEdit& edit = Chance(2) ? f_->suiEditWebName : f_->suiEditWebAddr;
    if (!Reachable(edit)) return Note(edit.Name() + " is out of reach");
    edit.SetFocus();
    if (Chance(3)) {
        const char key = Chance(2) ? '\r' : static_cast<char>(Pick(256));
        Note("key " + std::to_string(static_cast<unsigned char>(key)) + " in " + edit.Name());
        edit.KeyPress(key);
        return;
    }
    const std::string text = RandomText(80);
    Note("type " + std::to_string(text.size()) + " characters in " + edit.Name());
    edit.TakeUserText(text);
}

void Soak::UseWebShortcut() {
    vcl::TURLLabel& link = *f_->WebLinks[Pick(5)];
    if (!Reachable(link)) return Note(link.Name() + " is out of reach");
    Note("click " + link.Name());
    link.Click();
}

void Soak::UsePlayer() {
    if (!Reachable(f_->MediaPlayerTest)) return Note("the player is out of reach");
    const vcl::TMPBtnType button = Chance(2) ? vcl::btPlay : vcl::btStop;
    Note(button == vcl::btPlay ? "click Play" : "click Stop");
    f_->MediaPlayerTest.ClickButton(button);
}

void Soak::ChangePage() {
    if (!w_.Shown()) return Note("no page change: the window is hidden");
    const int page = static_cast<int>(Pick(4));
    Note("show page " + std::to_string(page));
    f_->suiPageControl1.UserSelectPage(page);
}

void Soak::ChooseLanguage() {
    const std::size_t index = Pick(static_cast<std::uint32_t>(f_->LanguageItems.size()));
    Note("choose language " + std::to_string(index));
    f_->LanguageItems[index]->Click();
}

void Soak::TrayClick() {
    switch (Pick(4)) {
        case 0:
            Note("tray: left click");
            w_.Click();
            lastTrayUpAt_ = w_.world.Now();
            break;
        case 1:
            Note("tray: double-click");
            w_.DoubleClick();
            lastTrayUpAt_ = w_.world.Now();
            break;
        case 2:
            Note("tray: right click");
            w_.Click(WM_RBUTTONDOWN, WM_RBUTTONUP);
            break;
        default:
            Note("tray menu: Setup");
            f_->ItemSetup.Click();
            break;
    }
}

void Soak::CloseOrShowWindow() {
    if (Chance(500)) return SecondStart();
    if (w_.Shown() && Chance(2)) {
        Note("close the window");
        return f_->Close();
    }
    Note("show the window");
    f_->ShowMainWindow();
}

void Soak::SecondStart() {
    Note("a second start of the program");
    w_.SecondStart({});
}

void Soak::CloseStartedPrograms() {
    // Not while the panel's worker reads the default device through one.
    const audio::TFindWindow* worker = f_->AudioMixerUsb.FWorker.get();
    if (worker && worker->FBusy) return Note("the programs the panel started stay open");
    const std::vector<sim::SimLaunch>& launches = w_.world.system.launches;
    Note("the user closes the " + std::to_string(launches.size() - closedLaunches_) +
         " programs the panel started");
    for (; closedLaunches_ < launches.size(); ++closedLaunches_)
        for (const DWord tid : w_.world.ThreadsOf(launches[closedLaunches_].pid))
            w_.world.EndThread(tid);
}

void Soak::DropFiles() {
    if (!Reachable(f_->FileListBoxTest)) return Note("no drop: the tone list is out of reach");
    static const char* const names[] = {
        "D:\\Sounds\\bell.wav",       "D:\\Sounds\\chime.wav",
        "D:\\Sounds\\notes.txt",      "D:\\Sounds\\more",
        "D:\\Sounds\\gone.wav",       "D:\\Sounds\\more\\deep.wav",
        "C:\\Phone\\ring\\short.wav", "D:\\Sounds\\..",
        "D:\\Sounds\\CON.wav",        "D:\\Sounds\\bell.wav\\..\\..\\x.wav"};
    std::vector<std::string> dropped;
    const std::uint32_t count = 1 + Pick(4);
    for (std::uint32_t i = 0; i < count; ++i)
        dropped.push_back(names[Pick(sizeof names / sizeof names[0])]);
    Note("drop " + std::to_string(count) + " files, the first " + dropped.front());
    vcl::TMessage drop{WM_DROPFILES, static_cast<WParam>(w_.world.shell.NewDrop(dropped)), 0, 0};
    f_->FileListBoxTest.Dispatch(drop);
}

void Soak::DeviceNotice() {
    lastNoticeAt_ = w_.world.Now();
    if (Chance(2)) {
        Note("device notice winmm_devicechange");
        w_.driver.Send(w_.Panel(), f_->MsgDevChange, 0, 0);
    } else {
        Note("WM_DEVICECHANGE");
        w_.driver.Send(w_.Panel(), WM_DEVICECHANGE, 7, 0);
    }
}

void Soak::OtherProgramSetsSpeaker() {
    // Another program at the handset's mixer: the speaker, its mute, the
    // line under it, the microphone.
    sim::SimMixerControl* const controls[] = {mixer_.speakerVolume, mixer_.speakerMute,
                                              mixer_.waveVolume, mixer_.micVolume};
    sim::SimMixerControl& control = *controls[Pick(4)];
    const bool mute = &control == mixer_.speakerMute;
    std::vector<DWord> values(control.values.size());
    for (DWord& value : values) value = mute ? Pick(2) : Pick(65536);
    speakerEvent_ = true;
    // The panel copies a change of the line under the speaker to the
    // speaker: both are the speaker's volume.
    const bool speaker = &control != mixer_.micVolume;
    if (speaker && (TonePlays() || !PanelHoldsSpeaker())) speakerUncertain_ = true;
    Note("another program sets control " + std::to_string(control.id) + " to " +
         std::to_string(values.front()));
    w_.world.mixer.SetValues(0, control.id, values);
}

void Soak::SettingsBroadcast() {
    Note("WM_SETTINGCHANGE");
    w_.driver.Send(w_.Panel(), WM_SETTINGCHANGE, 0, 0);
}

void Soak::DiskTrouble() {
    sim::SimFiles& files = w_.world.files;
    switch (Pick(3)) {
        case 0:
            if (files.freeSpace) {
                Note("the disk has room again");
                files.freeSpace.reset();
            } else {
                files.freeSpace = Pick(3) == 0 ? 0 : Pick(200);
                Note("the disk fills up: " + std::to_string(*files.freeSpace) + " bytes left");
            }
            break;
        case 1: {
            const char* path = kDataFiles[Pick(3)];
            Note(std::string("another program holds ") + path + " open");
            files.HoldOpen(path, GENERIC_READ, Chance(2) ? 0u : DWord{FILE_SHARE_READ});
            break;
        }
        default:
            for (const char* path : kDataFiles) files.Release(path);
            Note("other programs let the data files go");
            break;
    }
}

}  // namespace soak
