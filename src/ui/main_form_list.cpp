// The bitmap list: adding files, following the selection, clearing.
#include "ui/MainUnit.h"

namespace vm::ui {

void TMainForm::lbBitmapClick(Wnd&) {}

void TMainForm::sbBitmapSearchClick(Wnd&) {}

void TMainForm::btClearClick(Wnd&) {}

void TMainForm::btAllClearClick(Wnd&) {}

}  // namespace vm::ui
