#include "widgets/ComCtrls.h"

#include <algorithm>

#include "widgets/Form.h"

namespace vcl {

void TTrackBar::SetParams(int position, int min, int max) {
    if (max < min) max = min;
    position = std::clamp(position, min, max);
    const bool rangeChanged = min != min_ || max != max_;
    const bool positionChanged = position != position_;
    min_ = min;
    max_ = max;
    position_ = position;
    if (rangeChanged) NotifyView(Property::Range);
    if (positionChanged) {
        NotifyView(Property::Position);
        if (OnChange) OnChange(this);
    }
}

void TTrackBar::SetPosition(int position) {
    SetParams(position, min_, max_);
}
void TTrackBar::SetMin(int min) {
    SetParams(position_, min, std::max(min, max_));
}
void TTrackBar::SetMax(int max) {
    SetParams(position_, std::min(min_, max), max);
}

void TTrackBar::SetShowTick(bool show) {
    if (showTick_ == show) return;
    showTick_ = show;
    NotifyView(Property::Ticks);
}

void TProgressBar::SetPosition(int position) {
    position = std::clamp(position, min_, max_);
    if (position == position_) return;
    position_ = position;
    NotifyView(Property::Position);
}

void TProgressBar::SetMax(int max) {
    if (max < min_) max = min_;
    if (max == max_) return;
    max_ = max;
    const int position = std::min(position_, max_);
    NotifyView(Property::Range);
    if (position != position_) {
        position_ = position;
        NotifyView(Property::Position);
    }
}

int TTabSheet::PageIndex() const {
    if (!pageControl_) return -1;
    for (int i = 0; i < pageControl_->PageCount(); ++i)
        if (pageControl_->Pages(i) == this) return i;
    return -1;
}

void TPageControl::AddPage(TTabSheet& page) {
    page.pageControl_ = this;
    page.SetParent(this);
    pages_.push_back(&page);
    page.SetVisible(false);
    if (active_ < 0) SetActivePageIndex(0);
}

TTabSheet* TPageControl::Pages(int index) const {
    if (index < 0 || index >= PageCount()) return nullptr;
    return pages_[static_cast<size_t>(index)];
}

void TPageControl::SetActivePageIndex(int index) {
    if (index < 0 || index >= PageCount() || index == active_) return;
    // The focus does not stay on a control that the switch hides.
    TCustomForm* form = Form();
    TTabSheet* leaving = Pages(active_);
    if (form && leaving && leaving->Contains(form->ActiveControl())) form->FocusControl(this);
    active_ = index;
    for (int i = 0; i < PageCount(); ++i) pages_[static_cast<size_t>(i)]->SetVisible(i == active_);
    NotifyView(Property::ActivePage);
}

void TPageControl::UserSelectPage(int index) {
    if (index < 0 || index >= PageCount() || index == active_) return;
    SetActivePageIndex(index);
    if (OnChange) OnChange(this);
}

}  // namespace vcl
