// The ring-tone library: the chosen tone and its file "ring.jov", the tone
// browser (drive, folder and file lists), the silent file and the command
// that points Skype's ring tone at it.
#include <cctype>

#include "app/Unit1.h"
#include "datafiles/DataFiles.h"
#include "driverlink/HandsetMessage.h"
#include "ringtones/RingToneFiles.h"
#include "ringtones/ToneBrowser.h"
#include "widgets/CodePages.h"

namespace app {

using namespace ringtones;

void TForm1::BindRingToneEvents() {
    platform::FilePort& files = Os().files;
    suiDriveComboBoxTest.DriveLister = [&files] { return ListDrives(files); };
    suiDriveComboBoxTest.Update();
    DirectoryListBoxTest.SubfolderLister = [&files](const std::string& folder) {
        return ListSubfolders(files, folder);
    };
    FileListBoxTest.Lister = [&files](const std::string& folder, const std::string& mask) {
        return ListToneFiles(files, folder, mask);
    };
    suiDriveComboBoxTest.OnChange = [this](vcl::TObject* s) { suiDriveComboBoxTestChange(s); };
    DirectoryListBoxTest.OnChange = [this](vcl::TObject* s) { DirectoryListBoxTestChange(s); };
    FileListBoxTest.OnChange = [this](vcl::TObject* s) { FileListBoxTestChange(s); };
    FileListBoxTest.OnDblClick = [this](vcl::TObject* s) { FileListBoxTestDblClick(s); };
    MediaPlayerTest.OnPlayerClick = [this](vcl::TObject* s, vcl::TMPBtnType b, bool& d) {
        MediaPlayerTestClick(s, b, d);
    };
    TimerMediaPlayerNotify.OnTimer = [this](vcl::TObject* s) { TimerMediaPlayerNotifyTimer(s); };
}

void TForm1::LoadRingTone() {
    platform::FilePort& files = Os().files;
    const std::string folder = datafiles::ProgramFolder(files);
    RingToneFile.clear();
    if (!datafiles::FileExists(files, ChoiceFile(folder))) {
        RingToneFile = DefaultTone(folder);
        SaveRingTone();
        RingToneFile.clear();
    }
    datafiles::TextFileReader reader(Os(), ChoiceFile(folder));
    if (reader.IsOpen()) {
        const std::string path = datafiles::ReadTextLine(reader);
        if (!path.empty() && datafiles::FileExists(files, path)) RingToneFile = path;
    }
    LabelRingPath.SetCaption(FolderPart(RingToneFile));
    LabelRingTone.SetCaption(NamePart(RingToneFile));
}

void TForm1::SaveRingTone() {
    if (!RingToneFile.empty())
        datafiles::WriteFileReplacing(Os(), ChoiceFile(datafiles::ProgramFolder(Os().files)),
                                      RingToneFile + "\r\n");
    LabelRingPath.SetCaption(FolderPart(RingToneFile));
    LabelRingTone.SetCaption(NamePart(RingToneFile));
}

std::string TForm1::MakeMuteWave() {
    platform::FilePort& files = Os().files;
    std::string path = SilentFile(datafiles::ProgramFolder(files));
    if (!datafiles::FileExists(files, path)) {
        // Written aside and then moved in place: a half-written file here
        // would count as the silent file for good.
        const std::vector<std::uint8_t> bytes = MuteWaveBytes();
        datafiles::WriteFileReplacing(Os(), path, std::string(bytes.begin(), bytes.end()));
    }
    return path;
}

void TForm1::SendRingToneCommand() {
    if (!Status().skypeReady || !RingCommandPending) return;
    RingCommandPending = false;
    const std::string path = MakeMuteWave();
    SendDrvCommand(
        vcl::Recode(Os().nls, platform::kCpAcp, platform::kCpUtf8, kRingToneCommandPrefix + path));
}

void TForm1::suiButtonDefaultClick(vcl::TObject*) {
    const std::string ring = RingFolder(datafiles::ProgramFolder(Os().files));
    Os().files.CreateDirectoryA(ring);
    FileListBoxTest.SetMask(kToneMask);
    if (ring.size() >= 2 && ring[1] == ':' && std::isalpha(static_cast<unsigned char>(ring[0])))
        suiDriveComboBoxTest.SetDrive(
            static_cast<char>(std::toupper(static_cast<unsigned char>(ring[0]))));
    DirectoryListBoxTest.SetDirectory(ring);
    FileListBoxTest.SetDirectory(ring);
    DirectoryListBoxTest.Update();
    FileListBoxTest.Update();
    SelectRingFile(0);
}

void TForm1::suiDriveComboBoxTestChange(vcl::TObject*) {
    const char drive = suiDriveComboBoxTest.DriveAt(suiDriveComboBoxTest.ItemIndex());
    if (drive == 0) return;
    suiDriveComboBoxTest.SetDrive(drive);
    const std::string root = std::string(1, drive) + ":\\";
    DirectoryListBoxTest.SetDirectory(root);
    FileListBoxTest.SetDirectory(root);
}

void TForm1::DirectoryListBoxTestChange(vcl::TObject*) {
    const std::string folder = DirectoryListBoxTest.PathAt(DirectoryListBoxTest.ItemIndex());
    if (folder.empty()) return;
    DirectoryListBoxTest.SetDirectory(folder);
    FileListBoxTest.SetDirectory(folder);
}

void TForm1::SelectRingFile(int index) {
    if (Ring.RingPlaying) return;
    StopRingFile();
    FileListBoxTest.SetItemIndex(index < FileListBoxTest.Count() ? index : -1);
    const int selected = FileListBoxTest.ItemIndex();
    SelectedRingFile =
        selected >= 0 ? JoinPath(FileListBoxTest.Directory(), FileListBoxTest.Items()[selected])
                      : std::string();
}

void TForm1::FileListBoxTestChange(vcl::TObject*) {
    if (FileListBoxTest.Count() == 0) FileListBoxTest.SetItemIndex(-1);
    SelectRingFile(FileListBoxTest.ItemIndex());
}

void TForm1::AdoptSelectedRingFile() {
    if (Ring.RingPlaying) return;
    const int selected = FileListBoxTest.ItemIndex();
    if (selected < 0) return;
    const std::string path =
        JoinPath(FileListBoxTest.Directory(), FileListBoxTest.Items()[selected]);
    if (!datafiles::FileExists(Os().files, path)) return;
    if (path == RingToneFile) return;
    RingToneFile = path;
    SaveRingTone();
    RingCommandPending = true;
    SendRingToneCommand();
}

}  // namespace app
