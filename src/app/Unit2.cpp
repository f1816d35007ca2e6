#include "app/Unit2.h"

#include "app/IndicatorPlace.h"
#include "platform/WinConst.h"

namespace app {

using namespace platform;

TForm2::TForm2(vcl::TApplication& application) : vcl::TForm("Form2", application) {
    SetColor(vcl::clBlack);
    Rect work;
    if (!application.Platform().windows.GetWorkArea(work)) work = Rect{0, 0, 0, 0};
    vcl::TFormStyle style;
    style.className = "TForm2";
    style.style = WS_POPUP;
    style.exStyle = WS_EX_TOOLWINDOW;
    const vcl::TDisplayScale& scale = application.Scale();
    style.clientWidth = scale.Scale(kIndicatorWidth);
    style.clientHeight = scale.Scale(kIndicatorHeight);
    const Point origin = IndicatorOrigin(work, style.clientWidth, style.clientHeight);
    style.left = origin.x;
    style.top = origin.y;
    CreateHandle(style);
    Image1.SetParent(this);
    // The picture's box at the window's scale; the view shows the picture
    // drawn for that size.
    Image1.SetBoundsRect(scale.Bounds(8, 0, 84, 32));
    Image1.Picture = "INDICATOR";
    Image1.Transparent = true;
}

}  // namespace app
