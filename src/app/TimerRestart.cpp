#include "app/TimerRestart.h"

namespace app {

void RestartTimer(vcl::TTimer& timer) {
    timer.SetEnabled(false);
    timer.SetEnabled(true);
}

}  // namespace app
