#include "toolkit/page_control.h"

#include <commctrl.h>

#include "toolkit/utf16.h"

namespace vm::toolkit {

void PageControl::Create(const CreateArgs& args) {
  Attach(CreateChild(WC_TABCONTROLW, {args.parent, args.id, args.bounds, {},
                                      WS_CLIPCHILDREN | WS_CLIPSIBLINGS | TCS_FOCUSNEVER,
                                      WS_EX_CONTROLPARENT}));
}

int PageControl::AddTab(std::string_view caption) {
  std::wstring text = Utf16(caption);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text.data();
  const int count = static_cast<int>(SendMessageW(hwnd_, TCM_GETITEMCOUNT, 0, 0));
  return static_cast<int>(
      SendMessageW(hwnd_, TCM_INSERTITEMW, count, reinterpret_cast<LPARAM>(&item)));
}

Bounds PageControl::PageBounds() const {
  RECT area;
  GetClientRect(hwnd_, &area);
  SendMessageW(hwnd_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  return {area.left, area.top, area.right - area.left, area.bottom - area.top};
}

void TabSheet::Create(const CreateArgs& args) {
  args.pageControl->AddTab(args.caption);
  Register({L"VellumarkTabSheet", 0, GetSysColorBrush(COLOR_BTNFACE)});
  CustomWindow::Create(L"VellumarkTabSheet",
                       {args.pageControl->Handle(), args.id, args.pageControl->PageBounds(),
                        args.caption, WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                        WS_EX_CONTROLPARENT});
}

}  // namespace vm::toolkit
