// Files dropped on the tone list: acceptance follows the ring-tone tab, the
// progress bar follows the copies, and the list is read again at the end.
#include "app/Unit1.h"

namespace app {

namespace {

constexpr int kRingTonePage = 1;

}  // namespace

void TForm1::BindDropEvents() {
    suiPageControl1.OnChange = [this](vcl::TObject* s) { suiPageControl1Change(s); };
    FileListBoxTest.OnStartCopy = [this](vcl::TObject* s, int index) {
        FileListBoxTestStartCopy(s, index);
    };
    FileListBoxTest.OnCopying = [this](vcl::TObject* s, int outDev, int inDev) {
        FileListBoxTestCopying(s, outDev, inDev);
    };
    FileListBoxTest.OnEndCopy = [this](vcl::TObject* s) { FileListBoxTestEndCopy(s); };
}

void TForm1::suiPageControl1Change(vcl::TObject*) {
    FileListBoxTest.SetDragDropFile(suiPageControl1.ActivePageIndex() == kRingTonePage);
}

void TForm1::FileListBoxTestStartCopy(vcl::TObject*, int index) {
    suiProgressBarCopy.SetPosition(0);
    suiProgressBarCopy.SetMax(index);
}

void TForm1::FileListBoxTestCopying(vcl::TObject*, int outDev, int inDev) {
    // A long import is user activity: the window must not go back to the tray.
    RestartTimerIfRunning(TimerMin);
    if (outDev > inDev) suiProgressBarCopy.SetPosition(inDev);
}

void TForm1::FileListBoxTestEndCopy(vcl::TObject*) {
    FileListBoxTest.Update();
    SelectRingFile(0);
    suiProgressBarCopy.SetPosition(suiProgressBarCopy.Max());
}

}  // namespace app
