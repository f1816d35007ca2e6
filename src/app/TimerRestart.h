// Restarting a window timer so that a full interval runs from now.
#pragma once

#include "widgets/ExtCtrls.h"

namespace app {

// As disabling and enabling the timer: a running timer starts its interval
// over, a stopped one starts.
void RestartTimer(vcl::TTimer& timer);

}  // namespace app
