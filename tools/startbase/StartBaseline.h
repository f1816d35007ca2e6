// The names by which StartMeter.exe finds a baseline program's window.
#pragma once

namespace startbase {

constexpr const char* kOwnerClass = "StartBaselineOwner";
constexpr const char* kMainClass = "StartBaselineMain";
constexpr const char* kTitle = "Start baseline";
constexpr const char* kProperty = "Start baseline Form";

}  // namespace startbase
