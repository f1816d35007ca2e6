#include "app/TimerRestart.h"

namespace app {

void RestartTimer(vcl::TTimer& timer) {
    timer.Restart();
}

}  // namespace app
