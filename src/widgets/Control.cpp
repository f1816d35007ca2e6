#include "widgets/Control.h"

#include <algorithm>

#include "widgets/Form.h"

namespace vcl {

void TControl::SetParent(TWinControl* parent) {
    if (parent_ == parent) return;
    if (parent_) {
        auto& siblings = parent_->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    parent_ = parent;
    if (parent_) parent_->children_.push_back(this);
}

TCustomForm* TControl::Form() const {
    const TControl* c = this;
    while (c->parent_) c = c->parent_;
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(c));
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    NotifyView(Property::Bounds);
}

void TControl::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    NotifyView(Property::Visible);
}

bool TControl::Showing() const {
    for (const TControl* c = this; c; c = c->parent_) {
        // The form's own visibility is its window's; controls count as shown
        // inside it whether or not the window is on screen.
        if (!c->parent_) return true;
        if (!c->visible_) return false;
    }
    return true;
}

void TControl::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    NotifyView(Property::Enabled);
}

bool TControl::EffectivelyEnabled() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->enabled_) return false;
    return true;
}

void TControl::SetCaption(const std::string& caption, std::uint32_t codePage) {
    if (caption_ == caption && captionCodePage_ == codePage) return;
    caption_ = caption;
    captionCodePage_ = codePage;
    NotifyView(Property::Caption);
}

void TControl::SetFont(const TFont& font) {
    if (font_ == font) return;
    font_ = font;
    NotifyView(Property::Font);
}

void TControl::SetColor(TColor color) {
    if (color_ == color) return;
    color_ = color;
    NotifyView(Property::Color);
}

bool TWinControl::Contains(const TControl* control) const {
    for (const TControl* c = control; c; c = c->Parent())
        if (c == this) return true;
    return false;
}

bool TWinControl::CanFocus() const {
    return Showing() && EffectivelyEnabled();
}

bool TWinControl::Focused() const {
    TCustomForm* form = Form();
    return form && form->ActiveControl() == this;
}

void TWinControl::SetFocus() {
    if (TCustomForm* form = Form()) form->FocusControl(this);
}

char TWinControl::KeyPress(char key) {
    if (OnKeyPress) OnKeyPress(this, key);
    return key;
}

void TWinControl::DoEnter() {
    NotifyView(Property::Focus);
    if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
    NotifyView(Property::Focus);
    if (OnExit) OnExit(this);
}

void ForEachControl(TWinControl& parent, const std::function<void(TControl&)>& visit) {
    for (TControl* child : parent.Controls()) {
        visit(*child);
        if (auto* container = dynamic_cast<TWinControl*>(child)) ForEachControl(*container, visit);
    }
}

}  // namespace vcl
