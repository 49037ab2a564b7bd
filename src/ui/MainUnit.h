#pragma once
// The main window: every control of the program, and the handlers of their
// events. The inputs of a run live in the controls themselves: the paths
// are the items of lbBitmap, the colour is the text of edColor.
#include "toolkit/application.h"
#include "toolkit/color_dialog.h"
#include "toolkit/controls.h"
#include "toolkit/edit.h"
#include "toolkit/form.h"
#include "toolkit/gdi.h"
#include "toolkit/list_box.h"
#include "toolkit/open_dialog.h"
#include "toolkit/page_control.h"
#include "toolkit/panel.h"
#include "toolkit/speed_button.h"
#include "toolkit/tooltips.h"

namespace vm::ui {

using toolkit::Wnd;

class TMainForm : public toolkit::Form {
 public:
  TMainForm();
  ~TMainForm() override;

  // The stop flag: 0 from creation, 1 once the end button was pressed.
  int Tag = 0;

  // The components, in the order they are created.
  toolkit::PageControl PageControl1;
  toolkit::TabSheet TabSheet1;
  toolkit::Panel pnHeader1;
  toolkit::Image imHeader1;
  toolkit::Label laSquea9;
  toolkit::Label laTitle9;
  toolkit::ListBox lbBitmap;
  toolkit::SpeedButton sbBitmapSearch;
  toolkit::Label Label1;
  toolkit::Label Label2;
  toolkit::Label Label3;
  toolkit::Edit edColor;
  toolkit::ColorDialog cdColor;
  toolkit::Panel pnColor;
  toolkit::SpeedButton sbColorSearch;
  toolkit::Label Label4;
  toolkit::Label Label5;
  toolkit::Button btEnd;
  toolkit::Button btOk;
  toolkit::OpenFileDialog odBitmap;
  toolkit::Panel Panel1;
  toolkit::ProgressBar pbNow;
  toolkit::Panel pnNow;
  toolkit::Button btClear;
  toolkit::Button btAllClear;

  // Event handlers; each takes the control that raised the event.
  void lbBitmapClick(Wnd& Sender);
  void sbBitmapSearchClick(Wnd& Sender);
  void btClearClick(Wnd& Sender);
  void btAllClearClick(Wnd& Sender);
  void edColorChange(Wnd& Sender);
  void edColorExit(Wnd& Sender);
  void sbColorSearchClick(Wnd& Sender);
  void btOkClick(Wnd& Sender);
  void btEndClick(Wnd& Sender);

 private:
  void CreateComponents();
  void WireEvents();
  void ApplyTabOrder();
  toolkit::Bounds BoundsOf(int id) const;
  int Scaled(int pixels) const;

  // What the components draw with; they outlive every control.
  int dpi_ = 96;
  toolkit::FontHandle font_;
  toolkit::FontHandle boldFont_;
  toolkit::BitmapHandle browseGlyph_;
  toolkit::BitmapHandle headerImage_;
  toolkit::ToolTips toolTips_;
};

// The program's one main window, while it exists.
extern TMainForm* MainForm;

}  // namespace vm::ui
