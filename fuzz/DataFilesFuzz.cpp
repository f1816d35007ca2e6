// The program's data files as any bytes: the first byte picks the file
// ("urlList.jov", "defaultWeb.jov" or "ring.jov"), the rest is its content.
// The panel starts on it; the shortcuts it then saves must come back from
// a second start exactly as saved, in their places, eight lines in all.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "datafiles/DataFiles.h"
#include "support/PanelWorld.h"

namespace {

constexpr const char* kFolder = "C:\\Phone\\";
constexpr const char* kFiles[] = {"urlList.jov", "defaultWeb.jov", "ring.jov"};

struct Link {
    std::string caption, url;
    bool operator!=(const Link& o) const { return caption != o.caption || url != o.url; }
};

// A started panel on the given files (name, bytes); its shortcuts 2 to 5.
bool StartOn(testing_support::PanelWorld& w,
             const std::vector<std::pair<std::string, std::string>>& files) {
    w.world.files.AddFile(std::string(kFolder) + "UsbPhonePanel.exe", "MZ");
    for (const auto& [name, bytes] : files) w.world.files.AddFile(kFolder + name, bytes);
    return w.Start();
}

std::vector<Link> Shortcuts(app::TForm1& f) {
    std::vector<Link> links;
    for (std::size_t i = 1; i < 5; ++i)
        links.push_back({f.WebLinks[i]->Caption(), f.WebLinks[i]->URL()});
    return links;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string name = kFiles[data[0] % 3];
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    std::vector<Link> expected;
    std::string saved, emptyName, emptyAddr;
    {
        testing_support::PanelWorld w;
        if (!StartOn(w, {{name, bytes}})) return 0;
        app::TForm1& f = w.Form();
        emptyName = f.EmptyWebName;
        emptyAddr = f.EmptyWebAddr;
        if (!f.SaveUrlList()) std::abort();
        for (const Link& link : Shortcuts(f)) {
            // What a line can hold: the placeholder stands for an empty one.
            const std::string caption = datafiles::StorableTextLine(link.caption);
            const std::string url = datafiles::StorableTextLine(link.url);
            expected.push_back(
                {caption.empty() ? emptyName : caption, url.empty() ? emptyAddr : url});
        }
        saved = w.world.files.Text(std::string(kFolder) + "urlList.jov").value_or("");
    }
    std::size_t lines = 0;
    for (std::size_t at = saved.find("\r\n"); at != std::string::npos;
         at = saved.find("\r\n", at + 2))
        ++lines;
    if (lines != 8) std::abort();

    testing_support::PanelWorld again;
    std::vector<std::pair<std::string, std::string>> files = {{"urlList.jov", saved}};
    if (name == "defaultWeb.jov") files.push_back({name, bytes});
    if (!StartOn(again, files)) return 0;
    const std::vector<Link> read = Shortcuts(again.Form());
    for (std::size_t i = 0; i < read.size(); ++i)
        if (read[i] != expected[i]) std::abort();
    return 0;
}
