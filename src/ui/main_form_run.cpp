// The start button: the conversion run over the whole list.
#include "ui/MainUnit.h"

namespace vm::ui {

void TMainForm::btOkClick(Wnd&) {}

}  // namespace vm::ui
