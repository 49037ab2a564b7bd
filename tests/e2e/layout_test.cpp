// Every control sits where the layout puts it, relative to its parent's
// client area, on a screen of 96 pixels per inch. Labels size themselves to
// their text, so only their place is checked.
#include "program_test.h"

#include "ui/control_ids.h"

namespace vm::e2e {
namespace {

using Layout = ProgramTest;

struct Place {
  int id;
  const char* name;
  int parent_id;  // 0: the main window
  int left, top, width, height;
  bool sized_to_text;
};

const Place kPlaces[] = {
    {IDC_PAGECONTROL1, "PageControl1", 0, 4, 4, 445, 301, false},
    {IDC_PNHEADER1, "pnHeader1", IDC_TABSHEET1, 5, 4, 424, 24, false},
    {IDC_IMHEADER1, "imHeader1", IDC_PNHEADER1, 3, 1, 20, 20, false},
    {IDC_LASQUEA9, "laSquea9", IDC_TABSHEET1, 8, 36, 13, 12, true},
    {IDC_LATITLE9, "laTitle9", IDC_TABSHEET1, 24, 36, 161, 12, true},
    {IDC_LABEL4, "Label4", IDC_TABSHEET1, 24, 56, 294, 12, true},
    {IDC_LABEL5, "Label5", IDC_TABSHEET1, 24, 68, 338, 12, true},
    {IDC_LBBITMAP, "lbBitmap", IDC_TABSHEET1, 24, 88, 393, 97, false},
    {IDC_SBBITMAPSEARCH, "sbBitmapSearch", IDC_TABSHEET1, 231, 189, 24, 25, false},
    {IDC_BTCLEAR, "btClear", IDC_TABSHEET1, 262, 189, 75, 25, false},
    {IDC_BTALLCLEAR, "btAllClear", IDC_TABSHEET1, 342, 189, 75, 25, false},
    {IDC_LABEL1, "Label1", IDC_TABSHEET1, 8, 224, 13, 12, true},
    {IDC_LABEL2, "Label2", IDC_TABSHEET1, 24, 224, 75, 12, true},
    {IDC_LABEL3, "Label3", IDC_TABSHEET1, 24, 248, 36, 12, true},
    {IDC_EDCOLOR, "edColor", IDC_TABSHEET1, 68, 244, 125, 20, false},
    {IDC_PNCOLOR, "pnColor", IDC_TABSHEET1, 196, 244, 24, 20, false},
    {IDC_SBCOLORSEARCH, "sbColorSearch", IDC_TABSHEET1, 225, 242, 24, 25, false},
    {IDC_BTOK, "btOk", 0, 293, 308, 75, 25, false},
    {IDC_BTEND, "btEnd", 0, 373, 308, 75, 25, false},
    {IDC_PANEL1, "Panel1", 0, 0, 336, 453, 19, false},
    {IDC_PBNOW, "pbNow", IDC_PANEL1, 0, 0, 417, 19, false},
    {IDC_PNNOW, "pnNow", IDC_PANEL1, 417, 0, 36, 19, false},
};

TEST_F(Layout, EveryControlSitsWhereTheLayoutPutsIt) {
  for (const Place& place : kPlaces) {
    HWND control = Control(place.id);
    HWND parent = place.parent_id ? Control(place.parent_id) : main_window();
    if (!control || !parent) continue;
    EXPECT_EQ(GetParent(control), parent) << place.name;
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, place.left) << place.name;
    EXPECT_EQ(rect.top, place.top) << place.name;
    if (place.sized_to_text) continue;
    EXPECT_EQ(rect.right - rect.left, place.width) << place.name;
    EXPECT_EQ(rect.bottom - rect.top, place.height) << place.name;
  }
}

}  // namespace
}  // namespace vm::e2e
