// Base classes of the widget toolkit. A control is a plain object holding its
// state and raising its events; a backend view, when attached, mirrors the
// state into a real window and feeds user input back through the same
// operations the tests call.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

namespace vcl {

class TObject {
public:
    virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* sender)>;
using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;

using TColor = std::uint32_t;  // 0x00BBGGRR, as COLORREF
constexpr TColor clBlack = 0x000000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clWindowText = 0x80000008;
constexpr TColor clBtnFace = 0x8000000F;

constexpr std::uint8_t kDefaultCharset = 1;  // DEFAULT_CHARSET

struct TFont {
    std::string Name = "MS Sans Serif";
    std::uint8_t Charset = kDefaultCharset;
    int Size = 8;  // points
    // Pixels, as a LOGFONT's height (negative: the characters' height); 0
    // takes Size at the screen's resolution.
    int Height = 0;
    TColor Color = clWindowText;
    bool Bold = false;
    bool Underline = false;
    bool operator==(const TFont& o) const {
        return Name == o.Name && Charset == o.Charset && Size == o.Size && Height == o.Height &&
               Color == o.Color && Bold == o.Bold && Underline == o.Underline;
    }
    bool operator!=(const TFont& o) const { return !(*this == o); }
};

// What changed on a control, for the view that mirrors it.
enum class Property {
    Bounds,
    Caption,
    Enabled,
    Visible,
    Font,
    Color,
    Checked,
    Position,
    Range,
    Items,
    ItemIndex,
    Text,
    Selection,
    Focus,
    ActivePage,
    Ticks,
    Link,
    Buttons,
    Url,
    MaxLength,
};

class TControl;
class TWinControl;
class TCustomForm;

class ControlView {
public:
    virtual ~ControlView() = default;
    virtual void Changed(TControl& control, Property what) = 0;
};

class TControl : public TObject {
public:
    explicit TControl(std::string name) : name_(std::move(name)) {}
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    const std::string& Name() const { return name_; }
    // The kind of control, for views and diagnostics ("TButton", ...).
    virtual const char* ClassName() const = 0;

    TWinControl* Parent() const { return parent_; }
    void SetParent(TWinControl* parent);
    TCustomForm* Form() const;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetBounds(int left, int top, int width, int height);
    void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
    void SetBoundsRect(const platform::Rect& r) {
        SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    // Visible here and in every parent up to the form.
    bool Showing() const;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Enabled here and in every parent: what the user can operate.
    bool EffectivelyEnabled() const;

    const std::string& Caption() const { return caption_; }
    // codePage is the code page the caption's bytes are in, 0 for the
    // system's ANSI code page: a view that shows text as UTF-16 decodes it
    // with that one.
    void SetCaption(const std::string& caption, std::uint32_t codePage = 0);
    std::uint32_t CaptionCodePage() const { return captionCodePage_; }

    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font);

    TColor Color() const { return color_; }
    void SetColor(TColor color);

    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    TNotifyEvent OnClick;

    void SetView(ControlView* view) { view_ = view; }
    ControlView* View() const { return view_; }

protected:
    void NotifyView(Property what) { Changed(what); }
    // Every change of state passes here; the default tells the view.
    virtual void Changed(Property what) {
        if (view_) view_->Changed(*this, what);
    }

private:
    std::string name_;
    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    std::uint32_t captionCodePage_ = 0;
    TFont font_;
    TColor color_ = clBtnFace;
    int tag_ = 0;
    ControlView* view_ = nullptr;
};

// A control that can hold children and take the focus.
class TWinControl : public TControl {
public:
    using TControl::TControl;

    const std::vector<TControl*>& Controls() const { return children_; }
    // Whether control is this one or lies anywhere inside it.
    bool Contains(const TControl* control) const;

    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop) { tabStop_ = tabStop; }

    bool CanFocus() const;
    bool Focused() const;
    void SetFocus();

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyPressEvent OnKeyPress;

    // A key typed while the control has the focus; the handler may swallow it
    // by setting it to 0. Returns the key that is left for the control.
    char KeyPress(char key);

    // Called by the form when the focus arrives or leaves.
    virtual void DoEnter();
    virtual void DoExit();

private:
    friend class TControl;
    std::vector<TControl*> children_;
    bool tabStop_ = false;
};

// Visits every control inside parent, each before the controls it holds.
void ForEachControl(TWinControl& parent, const std::function<void(TControl&)>& visit);

}  // namespace vcl
