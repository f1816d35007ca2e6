#include "ringtones/Filelistboxdragdrop.h"

namespace ringtones {

void TFileListBoxDragDrop::SetDragDropFile(bool accept) {
    if (accept == accepted_) return;
    accepted_ = accept;
}

}  // namespace ringtones
