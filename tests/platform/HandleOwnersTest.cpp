// The owners of the ports' handles: each closes its handle exactly once,
// through the port of its kind, whether it goes, is reset, is moved from or
// is moved onto.
#include <gtest/gtest.h>

#include <utility>

#include "platform/HandleOwners.h"
#include "platform/WinConst.h"
#include "sim/SimProcess.h"

using namespace platform;

TEST(HandleOwners, EachHandleIsClosedOnceWhereverItsOwnerGoes) {
    sim::SimWorld world;
    sim::SimProcess panel(world, "panel");
    const auto closes = [&] { return world.Journal().Of(sim::Api::CloseHandle).size(); };
    {
        KernelHandle event(panel.sync, panel.threads.CreateEventA(true, false));
        ASSERT_TRUE(event);
        EXPECT_EQ(panel.handles.Describe(), "Event 1");
        // Moved: the new owner holds it, the old one holds nothing.
        KernelHandle moved(std::move(event));
        EXPECT_FALSE(event);
        EXPECT_TRUE(moved);
        // Moved onto an owner that holds another: that one is closed first.
        KernelHandle other(panel.sync, panel.threads.CreateEventA(true, false));
        other = std::move(moved);
        EXPECT_EQ(panel.handles.Describe(), "Event 1");
        EXPECT_EQ(closes(), 1u);
    }
    EXPECT_EQ(panel.handles.Describe(), "none");
    EXPECT_EQ(closes(), 2u);

    // A reset closes at once and says whether the port did; a second does
    // nothing.
    world.files.AddFile("C:\\a.txt", "a");
    FileHandle file(panel.sync,
                    panel.files.CreateFileA("C:\\a.txt", GENERIC_READ, 0, OPEN_EXISTING, 0));
    ASSERT_TRUE(file);
    EXPECT_TRUE(file.reset());
    EXPECT_FALSE(file.reset());
    EXPECT_EQ(closes(), 3u);
    // A failed open is no handle: nothing to close.
    FileHandle missing(panel.sync,
                       panel.files.CreateFileA("C:\\none.txt", GENERIC_READ, 0, OPEN_EXISTING, 0));
    EXPECT_FALSE(missing);

    // Released: the owner lets it go unclosed, and the caller closes it.
    HMenu kept = 0;
    {
        MenuHandle menu(panel.menus, panel.menus.CreatePopupMenu());
        kept = menu.release();
    }
    EXPECT_EQ(panel.handles.Describe(), "Menu 1");
    MenuHandle again(panel.menus, kept);
    EXPECT_TRUE(again.reset());
    EXPECT_EQ(panel.handles.Describe(), "none");
}
