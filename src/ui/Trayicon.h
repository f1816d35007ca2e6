// The notification-area icon component: its icon, tip and menu, and the
// restore and minimize operations that show and hide the program.
#pragma once

#include <functional>
#include <string>

#include "widgets/Component.h"
#include "widgets/ExtCtrls.h"
#include "widgets/Menus.h"

namespace ui {

enum TTrayIconMessage {
    imClick, imDoubleClick, imMouseDown, imMouseUp, imLeftClickUp,
    imLeftDoubleClick, imRightClickUp, imRightDoubleClick, imNone,
};

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
using TShiftState = unsigned;
using TMouseEvent =
    std::function<void(vcl::TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;

class TTrayIcon : public vcl::TComponent {
public:
    using vcl::TComponent::TComponent;

    bool Visible = false;
    vcl::TImageList* Icons = nullptr;
    vcl::TPopupMenu* PopupMenu = nullptr;
    TTrayIconMessage RestoreOn = imDoubleClick;
    TTrayIconMessage PopupMenuOn = imNone;
    bool Animate = false;
    unsigned AnimateInterval = 1000;

    int IconIndex() const { return iconIndex_; }
    virtual void SetIconIndex(int index);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);

    // Hides the program: minimizes the application and hides its window.
    virtual void Minimize();
    // Shows the program: restores the application's window and brings it
    // to the foreground.
    virtual void Restore();
    // Sends the icon and tip to the shell while the icon is shown.
    virtual void Update() {}

    vcl::TNotifyEvent OnMinimize;
    vcl::TNotifyEvent OnRestore;
    TMouseEvent OnMouseUp;

private:
    int iconIndex_ = 0;
    std::string hint_;
};

}  // namespace ui
