// Program entry: the application object, its title, the main window, the
// main loop. The program takes no arguments and reads no settings.
#include <windows.h>
#include <commctrl.h>

#include "toolkit/application.h"
#include "ui/MainUnit.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  INITCOMMONCONTROLSEX controls{sizeof controls,
                                ICC_TAB_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);

  vm::toolkit::Application application(instance);
  application.SetTitle("Vellumark");
  try {
    vm::ui::TMainForm mainForm;
    application.Run(showCommand);
  } catch (...) {
    vm::toolkit::ShowCurrentException();
  }
  return 0;
}
