// A face that shows a character set's script. The language table names
// faces that a system may lack ("Arial Unicode MS", or "Fixedsys" with a
// Chinese character set); the font mapper then picks any face of that set,
// and some hold neither the script's characters nor Latin ones (Wine picks
// such a fallback font). A missing face is replaced by the first installed
// face of the set that has both.
#pragma once

#include <string>

#include "Win32Api.h"

namespace win32 {

// face when it is installed with charset, else the first face of charset
// that draws Latin letters and the script's; face when none does.
std::string FaceForCharset(const std::string& face, BYTE charset);

}  // namespace win32
