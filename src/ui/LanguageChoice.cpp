// Choosing the language: from the system's language or the user's choice.
// Not built yet: each operation does nothing until the language table lands;
// until then every language has the default character set.
#include "app/Unit1.h"

namespace app {

void TForm1::DetectLanguage() {}
std::uint8_t TForm1::LanguageCharset(int) const {
    return 0;
}

}  // namespace app
