// Common controls: track bar, progress bar, tab pages.
#pragma once

#include <vector>

#include "widgets/Control.h"

namespace vcl {

// Raises OnChange whenever the position changes, also when the program sets
// it or when a new range moves it.
class TTrackBar : public TWinControl {
public:
    explicit TTrackBar(std::string name) : TWinControl(std::move(name)) { SetTabStop(true); }
    const char* ClassName() const override { return "TTrackBar"; }

    int Position() const { return position_; }
    void SetPosition(int position);
    int Min() const { return min_; }
    void SetMin(int min);
    int Max() const { return max_; }
    void SetMax(int max);

    int PageSize = 2;
    int LineSize = 1;
    int Frequency = 1;
    bool ShowTick() const { return showTick_; }
    void SetShowTick(bool show);

    TNotifyEvent OnChange;

private:
    void SetParams(int position, int min, int max);
    int position_ = 0;
    int min_ = 0;
    int max_ = 10;
    bool showTick_ = false;
};

class TProgressBar : public TWinControl {
public:
    using TWinControl::TWinControl;
    const char* ClassName() const override { return "TProgressBar"; }
    int Position() const { return position_; }
    void SetPosition(int position);
    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetMax(int max);
    bool ShowCaption = false;

private:
    int position_ = 0;
    int min_ = 0;
    int max_ = 100;
};

class TPageControl;

// A page is shown while it is its page control's active page.
class TTabSheet : public TWinControl {
public:
    using TWinControl::TWinControl;
    const char* ClassName() const override { return "TTabSheet"; }
    TPageControl* PageControl() const { return pageControl_; }
    int PageIndex() const;

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
};

class TPageControl : public TWinControl {
public:
    explicit TPageControl(std::string name) : TWinControl(std::move(name)) { SetTabStop(true); }
    const char* ClassName() const override { return "TPageControl"; }

    void AddPage(TTabSheet& page);
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int index) const;
    int ActivePageIndex() const { return active_; }
    // The program switching pages: no OnChange.
    void SetActivePageIndex(int index);
    // A user's click on a tab: switches, then raises OnChange.
    void UserSelectPage(int index);

    TNotifyEvent OnChange;

private:
    std::vector<TTabSheet*> pages_;
    int active_ = -1;
};

}  // namespace vcl
