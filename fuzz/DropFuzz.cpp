// Files dropped on the tone list with any names (of files that exist and
// of none), counts and lengths: only the ring folder gains files, and
// nothing that was there changes.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "platform/WinConst.h"
#include "support/RingWorld.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    testing_support::PanelWorld w;
    testing_support::AddChosenTone(w.world.files, "a.wav", 100);
    w.world.files.AddFolder("D:\\Sounds");
    std::vector<std::string> names;
    while (!in.Empty() && names.size() < 64) {
        std::string name = in.Short();
        // Half of them exist as files, wherever they point.
        if (in.Byte() % 2) {
            name = "D:\\Sounds\\" + name;
            w.world.files.AddFile(name, "RIFF");
        }
        names.push_back(name);
    }
    if (!w.Start()) return 0;
    app::TForm1& f = w.Form();
    f.FileListBoxTest.HandleNeeded = [] { return platform::Hwnd{0x7A01}; };
    f.suiPageControl1.UserSelectPage(1);
    const std::size_t before = w.world.files.Children("C:\\Phone").size();
    const auto chosen = w.world.files.Text(testing_support::kChoiceFile);
    vcl::TMessage drop{platform::WM_DROPFILES,
                       static_cast<platform::WParam>(w.world.shell.NewDrop(names)), 0, 0};
    f.FileListBoxTest.Dispatch(drop);
    if (w.world.files.Children("C:\\Phone").size() != before) std::abort();
    if (w.world.files.Text(testing_support::kChoiceFile) != chosen) std::abort();
    if (w.world.shell.LiveDrops() != 0) std::abort();
    return 0;
}
