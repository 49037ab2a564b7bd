// What the window shows right after start-up, before any input.
#include "program_test.h"

#include <commctrl.h>

#include "ui/control_ids.h"
#include "wait_until.h"
#include "windows_of.h"

namespace vm::e2e {
namespace {

using StartState = ProgramTest;

struct ControlText {
  int id;
  const char* name;
  const wchar_t* text;
};

// Every control that is a window, with the text it shows at start.
const ControlText kStartTexts[] = {
    {IDC_PNHEADER1, "pnHeader1", L"     指定したビットマップからマスクファイルを作成します。"},
    {IDC_LASQUEA9, "laSquea9", L"■"},
    {IDC_LATITLE9, "laTitle9", L"データを作成するビットマップ"},
    {IDC_LABEL4, "Label4", L"指定されたビットマップを元にマスクファイルを作成します。"},
    {IDC_LABEL5, "Label5", L"マスクファイルは拡張子「.APD」として同じフォルダに保存されます。"},
    {IDC_LBBITMAP, "lbBitmap", L""},
    {IDC_SBBITMAPSEARCH, "sbBitmapSearch", L""},
    {IDC_BTCLEAR, "btClear", L"クリア"},
    {IDC_BTALLCLEAR, "btAllClear", L"全クリア"},
    {IDC_LABEL1, "Label1", L"■"},
    {IDC_LABEL2, "Label2", L"透過にする色"},
    {IDC_LABEL3, "Label3", L"透過色"},
    {IDC_EDCOLOR, "edColor", L"$000000"},
    {IDC_PNCOLOR, "pnColor", L""},
    {IDC_SBCOLORSEARCH, "sbColorSearch", L""},
    {IDC_BTOK, "btOk", L"作成開始"},
    {IDC_BTEND, "btEnd", L"終了"},
    {IDC_PANEL1, "Panel1", L""},
    {IDC_PNNOW, "pnNow", L"0%"},
};

struct ControlState {
  int id;
  const char* name;
  bool enabled;
};

const ControlState kStartEnabling[] = {
    {IDC_LBBITMAP, "lbBitmap", true},       {IDC_SBBITMAPSEARCH, "sbBitmapSearch", true},
    {IDC_BTCLEAR, "btClear", false},        {IDC_BTALLCLEAR, "btAllClear", false},
    {IDC_EDCOLOR, "edColor", true},         {IDC_SBCOLORSEARCH, "sbColorSearch", true},
    {IDC_BTOK, "btOk", true},               {IDC_BTEND, "btEnd", true},
};

TEST_F(StartState, WindowHasItsCaptionClientSizeAndIsCentredOnTheScreen) {
  EXPECT_EQ(TextOf(main_window()), L"Vellumark Ver1.02");

  RECT client{};
  GetClientRect(main_window(), &client);
  EXPECT_EQ(client.right - client.left, 453);
  EXPECT_EQ(client.bottom - client.top, 355);

  const RECT frame = ScreenRectOf(main_window());
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  EXPECT_NEAR(frame.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2, 1);
  EXPECT_NEAR(frame.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 1);
}

TEST_F(StartState, WindowHasMinimiseAndCloseButNoMaximiseAndCannotBeResized) {
  const LONG_PTR style = GetWindowLongPtrW(main_window(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
}

TEST_F(StartState, ListHasTheFocusAndOnlyTheClearButtonsAreDisabled) {
  HWND list = Control(IDC_LBBITMAP);
  EXPECT_TRUE(WaitUntil([&] { return FocusedWindow() == list; }, 2000))
      << "focus is on " << testing::PrintToString(Describe(FocusedWindow()));
  for (const ControlState& control : kStartEnabling) {
    HWND window = Control(control.id);
    if (!window) continue;
    EXPECT_EQ(IsWindowEnabled(window) != FALSE, control.enabled) << control.name;
  }
}

TEST_F(StartState, EveryControlIsVisibleWithItsText) {
  for (const ControlText& control : kStartTexts) {
    HWND window = Control(control.id);
    if (!window) continue;
    EXPECT_TRUE(IsWindowVisible(window)) << control.name;
    EXPECT_EQ(TextOf(window), control.text) << control.name;
  }
}

TEST_F(StartState, ProgressStandsAtZeroOfHundred) {
  HWND bar = Control(IDC_PBNOW);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 0);
  EXPECT_EQ(SendMessageW(bar, PBM_GETRANGE, TRUE, 0), 0);
  EXPECT_EQ(SendMessageW(bar, PBM_GETRANGE, FALSE, 0), 100);
  EXPECT_EQ(TextOf(Control(IDC_PNNOW)), L"0%");
}

// The swatch is read off the screen: black in its middle, while the window
// face just above it shows that the window has been painted at all.
TEST_F(StartState, ColourSwatchIsBlack) {
  HWND swatch = Control(IDC_PNCOLOR);
  ASSERT_NE(swatch, nullptr);
  const POINT middle = CentreOf(swatch);
  const RECT bounds = ScreenRectOf(swatch);
  const POINT beside{middle.x, bounds.top - 3};
  HDC screen = GetDC(nullptr);
  COLORREF middle_colour = CLR_INVALID, beside_colour = CLR_INVALID;
  const bool painted = WaitUntil(
      [&] {
        middle_colour = GetPixel(screen, middle.x, middle.y);
        beside_colour = GetPixel(screen, beside.x, beside.y);
        return beside_colour == GetSysColor(COLOR_BTNFACE);
      },
      3000, 100);
  ReleaseDC(nullptr, screen);
  ASSERT_TRUE(painted) << "the window face above the swatch reads " << std::hex << beside_colour;
  EXPECT_EQ(middle_colour, RGB(0, 0, 0)) << std::hex << middle_colour;
}

}  // namespace
}  // namespace vm::e2e
