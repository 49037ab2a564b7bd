#include "ui/MainUnit.h"

#include "ui/control_ids.h"
#include "ui/main_form_fonts.h"
#include "ui/main_form_layout.h"

namespace vm::ui {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kTeal = RGB(0, 128, 128);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

toolkit::BitmapHandle LoadPicture(int id) {
  return toolkit::BitmapHandle(static_cast<HBITMAP>(
      LoadImageW(toolkit::Application::Instance().InstanceHandle(), MAKEINTRESOURCEW(id),
                 IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

}  // namespace

TMainForm* MainForm = nullptr;

TMainForm::TMainForm()
    : dpi_(ScreenDpi()),
      font_(MakeWindowFont(dpi_, false)),
      boldFont_(MakeWindowFont(dpi_, true)),
      browseGlyph_(LoadPicture(IDB_BROWSE_GLYPH)),
      headerImage_(LoadPicture(IDB_HEADER_IMAGE)) {
  MainForm = this;
  Create({L"TMainForm", "Vellumark Ver1.02", Scaled(kClientWidth), Scaled(kClientHeight)});
  SetFont(font_.get());
  CreateComponents();
  ApplyTabOrder();
  WireEvents();
  SetActiveControl(lbBitmap.Handle());
}

TMainForm::~TMainForm() {
  // The windows go first, while every wrapper still exists.
  Destroy();
  MainForm = nullptr;
}

int TMainForm::Scaled(int pixels) const { return MulDiv(pixels, dpi_, kDesignDpi); }

toolkit::Bounds TMainForm::BoundsOf(int id) const {
  const ControlPlace& place = PlaceOf(id);
  return {Scaled(place.left), Scaled(place.top), Scaled(place.width), Scaled(place.height)};
}

void TMainForm::CreateComponents() {
  const HFONT font = font_.get();
  const HFONT bold = boldFont_.get();
  const HWND window = Handle();

  PageControl1.Create({window, IDC_PAGECONTROL1, BoundsOf(IDC_PAGECONTROL1)});
  PageControl1.SetFont(font);
  TabSheet1.Create({&PageControl1, IDC_TABSHEET1, "マスクファイル作成"});
  const HWND sheet = TabSheet1.Handle();

  pnHeader1.Create({sheet, IDC_PNHEADER1, BoundsOf(IDC_PNHEADER1),
                    "     指定したビットマップからマスクファイルを作成します。", kBlack, kWhite, true,
                    toolkit::Panel::Alignment::Left});
  pnHeader1.SetFont(bold);
  const ControlPlace& image = PlaceOf(IDC_IMHEADER1);
  imHeader1.Create({pnHeader1.Handle(), IDC_IMHEADER1, Scaled(image.left), Scaled(image.top),
                    headerImage_.get()});
  const auto label = [&](toolkit::Label& control, int id, const char* text, HFONT face,
                         COLORREF color) {
    const ControlPlace& place = PlaceOf(id);
    control.Create({sheet, id, Scaled(place.left), Scaled(place.top), text, face, color});
  };
  label(laSquea9, IDC_LASQUEA9, "■", bold, kRed);
  label(laTitle9, IDC_LATITLE9, "データを作成するビットマップ", bold, kTeal);
  lbBitmap.Create({sheet, IDC_LBBITMAP, BoundsOf(IDC_LBBITMAP)});
  lbBitmap.SetFont(font);
  lbBitmap.SetItemHeight(Scaled(12));
  sbBitmapSearch.Create({sheet, IDC_SBBITMAPSEARCH, BoundsOf(IDC_SBBITMAPSEARCH), browseGlyph_.get()});
  label(Label1, IDC_LABEL1, "■", bold, kRed);
  label(Label2, IDC_LABEL2, "透過にする色", bold, kTeal);
  label(Label3, IDC_LABEL3, "透過色", font, toolkit::kSystemColor);
  edColor.Create({sheet, IDC_EDCOLOR, BoundsOf(IDC_EDCOLOR), "$000000", 7});
  edColor.SetFont(font);
  pnColor.Create({sheet, IDC_PNCOLOR, BoundsOf(IDC_PNCOLOR), {}, kBlack, toolkit::kSystemColor, true});
  pnColor.SetFont(font);
  sbColorSearch.Create({sheet, IDC_SBCOLORSEARCH, BoundsOf(IDC_SBCOLORSEARCH), browseGlyph_.get()});
  label(Label4, IDC_LABEL4, "指定されたビットマップを元にマスクファイルを作成します。", font,
        toolkit::kSystemColor);
  label(Label5, IDC_LABEL5, "マスクファイルは拡張子「.APD」として同じフォルダに保存されます。",
        font, toolkit::kSystemColor);
  btEnd.Create({window, IDC_BTEND, BoundsOf(IDC_BTEND), "終了"});
  btEnd.SetFont(font);
  btOk.Create({window, IDC_BTOK, BoundsOf(IDC_BTOK), "作成開始"});
  btOk.SetFont(font);
  Panel1.Create({window, IDC_PANEL1, BoundsOf(IDC_PANEL1)});
  Panel1.SetFont(font);
  pbNow.Create({Panel1.Handle(), IDC_PBNOW, BoundsOf(IDC_PBNOW), 0, 100});
  pnNow.Create({Panel1.Handle(), IDC_PNNOW, BoundsOf(IDC_PNNOW), "0%", toolkit::kSystemColor, toolkit::kSystemColor,
                true});
  pnNow.SetFont(font);
  btClear.Create({sheet, IDC_BTCLEAR, BoundsOf(IDC_BTCLEAR), "クリア", false});
  btClear.SetFont(font);
  btAllClear.Create({sheet, IDC_BTALLCLEAR, BoundsOf(IDC_BTALLCLEAR), "全クリア", false});
  btAllClear.SetFont(font);

  toolTips_.Create(window);
  toolTips_.Add(sbBitmapSearch.Handle(), "ファイル参照");
  toolTips_.Add(sbColorSearch.Handle(), "カラー参照");
}

// Tab follows the z-order of each parent's children: bring them into the
// tab order of the layout, the first on top.
void TMainForm::ApplyTabOrder() {
  for (const int parentId : {kMainWindow, IDC_TABSHEET1, IDC_PANEL1}) {
    const HWND parent = parentId == kMainWindow   ? Handle()
                        : parentId == IDC_PANEL1 ? Panel1.Handle()
                                                 : TabSheet1.Handle();
    HWND previous = HWND_TOP;
    for (const int id : TabSequence(parentId)) {
      const HWND child = GetDlgItem(parent, id);
      SetWindowPos(child, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      previous = child;
    }
  }
}

void TMainForm::WireEvents() {
  lbBitmap.onSelectionChange = [this](Wnd& sender) { lbBitmapClick(sender); };
  sbBitmapSearch.onClick = [this](Wnd& sender) { sbBitmapSearchClick(sender); };
  btClear.onClick = [this](Wnd& sender) { btClearClick(sender); };
  btAllClear.onClick = [this](Wnd& sender) { btAllClearClick(sender); };
  edColor.onChange = [this](Wnd& sender) { edColorChange(sender); };
  edColor.onExit = [this](Wnd& sender) { edColorExit(sender); };
  sbColorSearch.onClick = [this](Wnd& sender) { sbColorSearchClick(sender); };
  btOk.onClick = [this](Wnd& sender) { btOkClick(sender); };
  btEnd.onClick = [this](Wnd& sender) { btEndClick(sender); };
}

// Raises the stop flag and ends the program the way the close box does: a
// run in progress sees the flag at its next test and leaves at once.
void TMainForm::btEndClick(Wnd&) {
  Tag = 1;
  Close();
}

}  // namespace vm::ui
