// The transparent colour field: the swatch, the normal form, the dialog.
#include "ui/MainUnit.h"

namespace vm::ui {

void TMainForm::edColorChange(Wnd&) {}

void TMainForm::edColorExit(Wnd&) {}

void TMainForm::sbColorSearchClick(Wnd&) {}

}  // namespace vm::ui
