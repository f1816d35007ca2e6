// A scripted handset session on the simulated Windows that prints what the
// panel and the driver exchange: the panel's core with no Windows at all.
#include <cstdio>
#include <string>

#include "app/Program.h"
#include "app/SingleInstance.h"
#include "driverlink/HandsetMessage.h"
#include "platform/WinConst.h"
#include "sim/SimDriver.h"
#include "sim/SimProcess.h"

using sim::Api;
using namespace platform;

namespace {

std::string Describe(const sim::SimCall& c, sim::SimDriver& driver, Hwnd panel) {
    auto name = [&](Hwnd h) -> std::string {
        if (h == HWND_BROADCAST) return "everyone";
        if (h == driver.Window()) return "driver";
        if (h == panel) return "panel";
        return "window";
    };
    auto message = [&](UInt m) -> std::string {
        if (m == driver.MsgDiscover()) return "Discover";
        if (m == driver.MsgAttach()) return "Attach";
        if (m == driverlink::WM_HANDSET) return "WM_HANDSET";
        if (m == WM_COPYDATA) return "WM_COPYDATA";
        if (m == app::WM_INSTANCE_SHOW) return "show request";
        if (m == app::WM_INSTANCE_QUIT) return "quit request";
        return std::to_string(m);
    };
    char line[256];
    std::string extra;
    if (!c.data.empty()) {
        std::string text(c.data.begin(), c.data.end());
        if (text[0] == '!') text.erase(0, 1);
        const std::size_t end = text.find('\0');
        if (end != std::string::npos) text.resize(end);
        extra = " \"" + text + "\"";
    }
    const DWord panelThread = c.thread;
    const char* who = panelThread == driver.Process().ThreadId()          ? "driver"
                      : c.hwnd == panel && c.msg == app::WM_INSTANCE_QUIT ? "second"
                                                                          : "panel";
    std::snprintf(line, sizeof line, "%6llu ms  %-6s %s %s to %s (wParam %#llx, lParam %#llx)%s",
                  static_cast<unsigned long long>(c.time), who,
                  c.api == Api::PostMessageA ? "posts" : "sends", message(c.msg).c_str(),
                  name(c.hwnd).c_str(), static_cast<unsigned long long>(c.wParam),
                  static_cast<unsigned long long>(c.lParam), extra.c_str());
    return line;
}

}  // namespace

int main() {
    sim::SimWorld world;
    sim::SimProcess panelProcess(world, "panel");
    sim::SimDriver driver(world);
    driver.answerGreeting = true;
    app::Program program(panelProcess.Platform(), {});
    panelProcess.SetPump([&] { program.Application().ProcessMessages(); });

    std::puts(
        "Starting the panel on a simulated desktop with a handset driver that answers its "
        "greeting.");
    program.Start();
    const Hwnd panel = program.Form1()->Handle();
    world.Advance(0);

    const std::uint32_t ready = driverlink::kHandsetPresent | driverlink::kSkypeReady;
    for (int second = 1; second <= 4; ++second) {
        world.At(second * 1000ull,
                 [&] { driver.Status(panel, ready, sim::SimDriver::StatusLParam(1, 0)); });
    }
    world.At(4500, [&] { driver.Key(panel, 36, ready, sim::SimDriver::StatusLParam(1, 0)); });
    world.At(4600, [&] { driver.Key(panel, 0, ready, sim::SimDriver::StatusLParam(1, 0)); });
    world.At(5000, [&] { program.Form1()->SendDrvCommand("GET AUDIO_OUT"); });
    world.Advance(6000);
    std::puts("The driver falls silent for three seconds...");
    world.Advance(3500);
    std::printf("  link after the silence: %s\n", program.Form1()->DrvWnd ? "up" : "lapsed");
    driver.Status(panel, ready, sim::SimDriver::StatusLParam(0, 0));
    std::printf("  link after the next status message: %s\n",
                program.Form1()->DrvWnd ? "up" : "lapsed");

    std::puts("A second start of the program asks the running one to quit.");
    {
        sim::SimProcess second(world, "second");
        app::Program secondProgram(second.Platform(), {"JovDestroyMode"});
        const int code = secondProgram.Main();
        std::printf("  second start exited with %d\n", code);
    }
    world.Advance(0);
    if (program.Application().Terminated()) program.Shutdown();

    std::puts("\nWhat crossed the link:");
    for (const sim::SimCall& c : world.Journal().Calls()) {
        const bool link = (c.api == Api::SendMessageTimeoutA || c.api == Api::PostMessageA) &&
                          (c.msg == driver.MsgDiscover() || c.msg == driver.MsgAttach() ||
                           c.msg == driverlink::WM_HANDSET || c.msg == WM_COPYDATA ||
                           c.msg == app::WM_INSTANCE_QUIT);
        if (link) std::puts(Describe(c, driver, panel).c_str());
    }
    std::printf("\nThe panel ended: %s\n", program.Application().Terminated() ? "yes" : "no");
    return 0;
}
