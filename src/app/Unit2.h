// The keyboard-blocked indicator: a small borderless picture that floats in
// the corner of the screen above other windows while the handset's keys are
// locked.
#pragma once

#include "widgets/Application.h"
#include "widgets/Form.h"
#include "widgets/StdCtrls.h"

namespace app {

constexpr int kIndicatorWidth = 100;
constexpr int kIndicatorHeight = 32;

class TForm2 : public vcl::TForm {
public:
    explicit TForm2(vcl::TApplication& application);
    // Black is drawn transparent, so only the picture shows.
    vcl::TColor TransparentColorValue = vcl::clBlack;
    vcl::TImage Image1{"Image1"};
};

}  // namespace app
