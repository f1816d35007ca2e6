#include "FormView.h"

#include "ControlSync.h"
#include "Handles.h"
#include "TextCodePages.h"
#include "UnicodeTitle.h"
#include "Win32Api.h"
#include "ringtones/Filelistboxdragdrop.h"
#include "widgets/ComCtrls.h"

namespace win32 {

using vcl::Property;

namespace {
constexpr int kFirstControlId = 1000;
}  // namespace

FormView::FormView(vcl::TCustomForm& form, GdiCache& gdi)
    : form_(form), gdi_(gdi), hwnd_(ToHwnd(form.Handle())) {
    if (!hwnd_) {
        windowAlive_ = false;
        return;
    }
    Applying applying(*this);
    Build(form_);
    StackContainers();
    for (const auto& native : natives_) {
        if (native->kind == NativeKind::PageControl) FillTabs(*native);
        SyncAll(*native, gdi_);
    }
    form_.SetView(this);
    SetMessageFilter(hwnd_, this);
    KeepTitleUnicode(hwnd_);
}

FormView::~FormView() {
    // Once the form's window is gone, the form and its controls may be too.
    if (windowAlive_) Detach();
}

void FormView::Detach() {
    ReleaseTitle(hwnd_);
    SetMessageFilter(hwnd_, nullptr);
    form_.SetView(nullptr);
    ReleaseDropLists();
    for (const auto& native : natives_) {
        native->control->SetView(nullptr);
        Unsubclass(*native);
    }
}

void FormView::Build(vcl::TWinControl& parent) {
    vcl::ForEachControl(parent, [this](vcl::TControl& control) { Attach(control); });
}

void FormView::Attach(vcl::TControl& control) {
    auto native = std::make_unique<NativeControl>();
    native->control = &control;
    native->kind = KindOf(control);
    native->view = this;
    const int id = kFirstControlId + static_cast<int>(natives_.size());
    if (CreateNativeWindow(*native, hwnd_, FormPlace(control), id)) Subclass(*native);
    byControl_[&control] = native.get();
    control.SetView(this);
    if (auto* dropList = dynamic_cast<ringtones::TFileListBoxDragDrop*>(&control)) {
        // The list window is made here with the others; once Windows has
        // destroyed it, it is gone for good.
        NativeControl* made = native.get();
        dropList->HandleNeeded = [made] { return FromHwnd(made->hwnd); };
    }
    natives_.push_back(std::move(native));
}

void FormView::ReleaseDropLists() {
    for (const auto& native : natives_)
        if (auto* dropList = dynamic_cast<ringtones::TFileListBoxDragDrop*>(native->control))
            dropList->HandleNeeded = nullptr;
}

// Controls lie in one layer on the form, so the ones that frame others go
// to the bottom: the tab control lowest, the group boxes just above it.
void FormView::StackContainers() {
    constexpr UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    for (const auto& native : natives_)
        if (native->kind == NativeKind::GroupBox && native->hwnd)
            SetWindowPos(native->hwnd, HWND_BOTTOM, 0, 0, 0, 0, flags);
    for (const auto& native : natives_)
        if (native->kind == NativeKind::PageControl && native->hwnd)
            SetWindowPos(native->hwnd, HWND_BOTTOM, 0, 0, 0, 0, flags);
}

void FormView::FillTabs(NativeControl& pages) {
    const auto* control = dynamic_cast<const vcl::TPageControl*>(pages.control);
    if (!control || !pages.hwnd) return;
    SendMessageW(pages.hwnd, TCM_DELETEALLITEMS, 0, 0);
    for (int i = 0; i < control->PageCount(); ++i) {
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        std::wstring caption =
            WideOf(control->Pages(i)->Caption(), control->Pages(i)->CaptionCodePage());
        caption.push_back(L'\0');
        item.pszText = &caption[0];
        SendMessageW(pages.hwnd, TCM_INSERTITEMW, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&item));
    }
}

void FormView::SyncTabCaption(const vcl::TControl& control) {
    const auto* sheet = dynamic_cast<const vcl::TTabSheet*>(&control);
    if (!sheet || !sheet->PageControl()) return;
    NativeControl* pages = Find(sheet->PageControl());
    if (!pages || !pages->hwnd) return;
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    std::wstring caption = WideOf(sheet->Caption(), sheet->CaptionCodePage());
    caption.push_back(L'\0');
    item.pszText = &caption[0];
    SendMessageW(pages->hwnd, TCM_SETITEMW, static_cast<WPARAM>(sheet->PageIndex()),
                 reinterpret_cast<LPARAM>(&item));
    // The tabs' script may have changed.
    SyncFont(*pages, gdi_);
}

// Position, visibility and enabled state pass down to every control inside.
void FormView::SyncSubtree(vcl::TControl& root, Property what) {
    if (NativeControl* native = Find(&root)) SyncProperty(*native, what, gdi_);
    if (auto* container = dynamic_cast<vcl::TWinControl*>(&root))
        for (vcl::TControl* child : container->Controls()) SyncSubtree(*child, what);
}

// The window focus follows the core's active control, but only while the
// form is the active window: focusing a child of an inactive form would
// activate it.
void FormView::SyncFocus() {
    if (GetActiveWindow() != hwnd_) return;
    HWND wanted = hwnd_;
    if (vcl::TWinControl* active = form_.ActiveControl()) {
        HWND window = WindowOf(*active);
        if (window && IsWindowVisible(window) && IsWindowEnabled(window)) wanted = window;
    }
    if (GetFocus() != wanted) SetFocus(wanted);
}

NativeControl* FormView::Find(const vcl::TControl* control) const {
    auto found = byControl_.find(control);
    return found == byControl_.end() ? nullptr : found->second;
}

HWND FormView::WindowOf(const vcl::TControl& control) const {
    NativeControl* native = Find(&control);
    return native ? native->hwnd : nullptr;
}

void FormView::Changed(vcl::TControl& control, Property what) {
    if (!windowAlive_) return;
    if (&control == feeding_ && (what == Property::Text || what == Property::Selection)) return;
    Applying applying(*this);
    if (&control == &form_) {
        if (what == Property::Color) InvalidateRect(hwnd_, nullptr, TRUE);
        return;
    }
    switch (what) {
        case Property::Bounds:
        case Property::Visible:
        case Property::Enabled:
            SyncSubtree(control, what);
            break;
        case Property::Focus:
            SyncFocus();
            break;
        case Property::Caption:
            if (dynamic_cast<const vcl::TTabSheet*>(&control)) {
                SyncTabCaption(control);
                break;
            }
            [[fallthrough]];
        default:
            if (NativeControl* native = Find(&control)) SyncProperty(*native, what, gdi_);
            break;
    }
}

}  // namespace win32
