// The start button's run as the user meets it: the refusals, the
// confirmation, the per-file messages, the completion message and the mask
// files it leaves. Each message box is the application's: captioned
// "Vellumark", owned by the main window, which takes no input meanwhile, and
// answered with Enter, which takes its first button.
//
// Disabled until the start button's run is in place (its handler is still
// empty): drop the DISABLED_ prefixes then. Their helpers were tried against
// a stand-in window that shows the same boxes.
#include "program_test.h"

#include <commctrl.h>

#include <cstdint>
#include <vector>

#include "bmp_fixture.h"
#include "message_box.h"
#include "temp_folder.h"
#include "ui/control_ids.h"
#include "user_input.h"
#include "wait_until.h"
#include "windows_of.h"

namespace vm::e2e {
namespace {

constexpr DWORD kBoxTimeoutMs = 5000;
constexpr wchar_t kEmptyList[] = L"元となるビットマップを選択してください。";
constexpr wchar_t kBadColour[] =
    L"透過色の設定に誤りがあります。\r透過色は「$BBGGRR」の形式で指定してください。";
constexpr wchar_t kConfirmation[] = L"マスクファイルへのコンバートを開始します。\rよろしいですか？";
constexpr wchar_t kFinished[] = L"マスクファイルへのコンバート処理が終了しました。";

// 3 x 2 pixels. Top row: black, white, black. Bottom row: black, black, white.
std::vector<std::uint8_t> ThreeByTwoBitmap() {
  return Bitmap24(3, {0x000000, 0xFFFFFF, 0x000000,  //
                      0x000000, 0x000000, 0xFFFFFF});
}

class Run : public ProgramTest {
 protected:
  void AddToList(const std::wstring& path) {
    SendMessageW(Control(IDC_LBBITMAP), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(path.c_str()));
  }

  // Presses the start button; the box that follows, checked for what every
  // box of the program has in common.
  ShownMessageBox StartAndWaitForBox() {
    PostMessageW(Control(IDC_BTOK), BM_CLICK, 0, 0);
    return NextBox();
  }

  ShownMessageBox NextBox() {
    auto box = WaitForMessageBox(program().process_id(), kBoxTimeoutMs);
    EXPECT_TRUE(box.has_value()) << "no message box";
    if (!box) return {};
    EXPECT_EQ(box->caption, L"Vellumark");
    EXPECT_EQ(box->owner, main_window());
    EXPECT_FALSE(IsWindowEnabled(main_window())) << "the main window takes input under the box";
    return *box;
  }

  void AnswerEnter(const ShownMessageBox& box) {
    ASSERT_NE(box.window, nullptr);
    ASSERT_TRUE(AnswerWithKey(box, VK_RETURN)) << "the box did not close on Enter";
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(main_window()) != FALSE; }, 2000));
  }

  void ExpectNoMoreBoxes() {
    Sleep(500);
    EXPECT_EQ(DescribeOtherVisibleWindows(), L"");
  }
};

TEST_F(Run, DISABLED_WithAnEmptyListWarnsAndPutsTheFocusOnTheList) {
  // Away from the list first, so that the move back shows.
  ASSERT_TRUE(BringToFront(main_window()));
  HWND list = Control(IDC_LBBITMAP);
  ASSERT_TRUE(WaitUntil([&] { return FocusedWindow() == list; }, 2000));
  PressKey(VK_TAB);
  ASSERT_EQ(FocusAfterMoveFrom(list), Control(IDC_EDCOLOR));
  const ShownMessageBox box = StartAndWaitForBox();
  EXPECT_EQ(box.text, kEmptyList);
  EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
  AnswerEnter(box);
  EXPECT_EQ(FocusedWindow(), Control(IDC_LBBITMAP));
  ExpectNoMoreBoxes();
}

TEST_F(Run, DISABLED_WithAColourThatIsNotANumberWarnsAndPutsTheFocusOnTheColourField) {
  AddToList(L"C:\\vm-e2e-nowhere\\picture.bmp");
  SendMessageW(Control(IDC_EDCOLOR), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"abc"));
  const ShownMessageBox box = StartAndWaitForBox();
  EXPECT_EQ(box.text, kBadColour);
  EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
  AnswerEnter(box);
  EXPECT_EQ(FocusedWindow(), Control(IDC_EDCOLOR));
  EXPECT_EQ(TextOf(Control(IDC_EDCOLOR)), L"abc");
  ExpectNoMoreBoxes();
}

TEST_F(Run, DISABLED_NoAtTheConfirmationWritesNothing) {
  TempFolder folder;
  ASSERT_TRUE(WriteBytes(folder.PathOf(L"sprite.bmp"), ThreeByTwoBitmap()));
  AddToList(folder.PathOf(L"sprite.bmp"));
  const ShownMessageBox box = StartAndWaitForBox();
  EXPECT_EQ(box.text, kConfirmation);
  EXPECT_EQ(box.buttons, (std::vector<int>{IDYES, IDNO}));
  EXPECT_EQ(box.default_button, IDYES);
  ASSERT_TRUE(AnswerWithButton(box, IDNO));
  ExpectNoMoreBoxes();
  EXPECT_FALSE(ReadBytes(folder.PathOf(L"sprite.APD")).has_value());
  EXPECT_TRUE(IsWindowEnabled(Control(IDC_BTOK)));
}

// Enter takes Yes; a missing file is reported and skipped, the bitmap after
// it converted; the end resets the progress and enables the controls.
TEST_F(Run, DISABLED_YesConvertsTheListReportingAMissingFileAndAnnouncesTheEnd) {
  TempFolder folder;
  ASSERT_TRUE(WriteBytes(folder.PathOf(L"sprite.bmp"), ThreeByTwoBitmap()));
  const std::wstring missing = folder.PathOf(L"gone.bmp");
  AddToList(missing);
  AddToList(folder.PathOf(L"sprite.bmp"));

  const ShownMessageBox confirmation = StartAndWaitForBox();
  EXPECT_EQ(confirmation.text, kConfirmation);
  AnswerEnter(confirmation);
  const ShownMessageBox skipped = NextBox();
  EXPECT_EQ(skipped.text, L"ファイル「" + missing +
                              L"」が存在しません。\rこのファイルに対してのマスクファイルは作成されません。");
  EXPECT_EQ(skipped.buttons, std::vector<int>{IDOK});
  AnswerEnter(skipped);
  const ShownMessageBox finished = NextBox();
  EXPECT_EQ(finished.text, kFinished);
  EXPECT_EQ(finished.buttons, std::vector<int>{IDOK});
  AnswerEnter(finished);
  ExpectNoMoreBoxes();

  EXPECT_EQ(ReadBytes(folder.PathOf(L"sprite.APD")),
            MaskOf({{0, 0, 1, 1}, {2, 0, 3, 1}, {0, 1, 2, 2}}));
  EXPECT_FALSE(ReadBytes(folder.PathOf(L"gone.APD")).has_value());
  EXPECT_EQ(SendMessageW(Control(IDC_PBNOW), PBM_GETPOS, 0, 0), 0);
  EXPECT_EQ(TextOf(Control(IDC_PNNOW)), L"0%");
  for (int id : {IDC_LBBITMAP, IDC_SBBITMAPSEARCH, IDC_BTALLCLEAR, IDC_EDCOLOR, IDC_SBCOLORSEARCH,
                 IDC_BTOK, IDC_BTEND}) {
    EXPECT_TRUE(IsWindowEnabled(Control(id))) << "control " << id;
  }
  EXPECT_FALSE(program().WaitForExit(0).has_value());
}

}  // namespace
}  // namespace vm::e2e
