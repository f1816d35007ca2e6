// The main window and the indicator laid out at the screen's pixels per
// inch: every control at its designed bounds scaled by their edges, the
// fonts at the same scale, the tray's icon at the size the notification
// area shows; at 96 nothing moves.
#include <gtest/gtest.h>

#include <vector>

#include "app/Unit1.h"
#include "app/Unit2.h"
#include "platform/WinConst.h"
#include "support/PanelWorld.h"
#include "widgets/DisplayScale.h"

using testing_support::PanelWorld;

namespace {

struct Box {
    const vcl::TControl* control;
    int left, top, width, height;
};

std::vector<Box> Boxes(app::TForm1& form) {
    std::vector<Box> boxes;
    vcl::ForEachControl(form, [&](vcl::TControl& c) {
        boxes.push_back({&c, c.Left(), c.Top(), c.Width(), c.Height()});
    });
    return boxes;
}

bool Overlap(const Box& a, const Box& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

}  // namespace

TEST(DisplayScaleLayout, EveryControlIsLaidOutAtTheScaleAndNoNeighboursComeToOverlap) {
    PanelWorld designed;
    ASSERT_TRUE(designed.Start());
    const std::vector<Box> at96 = Boxes(designed.Form());
    EXPECT_EQ(designed.Form().ClientWidth(), 590);
    EXPECT_EQ(designed.Form().ClientHeight(), 297);
    const vcl::TTrackBar& speaker96 = designed.Form().suiTrackBarVolOut;
    EXPECT_EQ(speaker96.Left(), 8);
    EXPECT_EQ(speaker96.Top(), 40);
    EXPECT_EQ(speaker96.Width(), 196);
    EXPECT_EQ(speaker96.Height(), 32);

    for (int ppi : {120, 144, 192}) {
        SCOPED_TRACE(std::to_string(ppi) + " dpi");
        PanelWorld w;
        w.world.desktop.pixelsPerInch = ppi;
        ASSERT_TRUE(w.Start());
        app::TForm1& f = w.Form();
        const vcl::TDisplayScale scale(ppi);
        EXPECT_EQ(f.ClientWidth(), scale.Scale(590));
        EXPECT_EQ(f.ClientHeight(), scale.Scale(297));
        const std::vector<Box> scaled = Boxes(f);
        ASSERT_EQ(scaled.size(), at96.size());
        for (std::size_t i = 0; i < scaled.size(); ++i) {
            const Box& d = at96[i];
            const platform::Rect want = scale.Bounds(d.left, d.top, d.width, d.height);
            EXPECT_EQ(scaled[i].left, want.left) << scaled[i].control->Name();
            EXPECT_EQ(scaled[i].top, want.top) << scaled[i].control->Name();
            EXPECT_EQ(scaled[i].left + scaled[i].width, want.right) << scaled[i].control->Name();
            EXPECT_EQ(scaled[i].top + scaled[i].height, want.bottom) << scaled[i].control->Name();
        }
        // Siblings apart at 96 stay apart.
        for (std::size_t i = 0; i < scaled.size(); ++i)
            for (std::size_t j = i + 1; j < scaled.size(); ++j)
                if (at96[i].control->Parent() == at96[j].control->Parent() &&
                    !Overlap(at96[i], at96[j]))
                    EXPECT_FALSE(Overlap(scaled[i], scaled[j]))
                        << scaled[i].control->Name() << " " << scaled[j].control->Name();

        // The fonts are 10 points at the same scale.
        EXPECT_EQ(f.LabelVolOut.Font().Height, ppi == 120 ? -17 : ppi == 144 ? -20 : -27);
        // The indicator and its picture grow with it.
        ASSERT_NE(f.Form2, nullptr);
        EXPECT_EQ(f.Form2->ClientWidth(), scale.Scale(app::kIndicatorWidth));
        EXPECT_EQ(f.Form2->ClientHeight(), scale.Scale(app::kIndicatorHeight));
        EXPECT_EQ(f.Form2->Image1.Width(), scale.Scale(92) - scale.Scale(8));
        // The tray's icon is loaded at the small-icon size of this scale.
        const int icon = ppi * 16 / 96;
        bool loadedAtSize = false;
        for (const sim::SimCall& call : w.PanelCalls(sim::Api::LoadImageA))
            if (call.text.rfind("TRAY_", 0) == 0)
                loadedAtSize = call.wParam == static_cast<platform::WParam>(icon | (icon << 16));
        EXPECT_TRUE(loadedAtSize) << icon;
    }
}
