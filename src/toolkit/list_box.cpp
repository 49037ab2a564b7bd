#include "toolkit/list_box.h"

namespace vm::toolkit {

void ListBox::Create(const CreateArgs& args) {
  Attach(CreateChild(L"LISTBOX", {args.parent, args.id, args.bounds, {},
                                  WS_TABSTOP | WS_VSCROLL | LBS_EXTENDEDSEL | LBS_NOTIFY |
                                      LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS,
                                  WS_EX_CLIENTEDGE}));
}

void ListBox::SetItemHeight(int pixels) { SendMessageW(hwnd_, LB_SETITEMHEIGHT, 0, pixels); }

int ListBox::Count() const { return static_cast<int>(SendMessageW(hwnd_, LB_GETCOUNT, 0, 0)); }

std::wstring ListBox::Item(int index) const {
  const LRESULT length = SendMessageW(hwnd_, LB_GETTEXTLEN, index, 0);
  if (length == LB_ERR) return {};
  std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied =
      SendMessageW(hwnd_, LB_GETTEXT, index, reinterpret_cast<LPARAM>(item.data()));
  item.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
  return item;
}

bool ListBox::Add(const std::wstring& item) {
  const LRESULT index = SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  return index != LB_ERR && index != LB_ERRSPACE;
}

void ListBox::Delete(int index) { SendMessageW(hwnd_, LB_DELETESTRING, index, 0); }

void ListBox::Clear() { SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0); }

int ListBox::SelectedCount() const {
  const LRESULT count = SendMessageW(hwnd_, LB_GETSELCOUNT, 0, 0);
  return count == LB_ERR ? 0 : static_cast<int>(count);
}

bool ListBox::Selected(int index) const { return SendMessageW(hwnd_, LB_GETSEL, index, 0) > 0; }

void ListBox::SetRedraw(bool redraw) {
  SendMessageW(hwnd_, WM_SETREDRAW, redraw ? TRUE : FALSE, 0);
  if (redraw) InvalidateRect(hwnd_, nullptr, TRUE);
}

bool ListBox::OnReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  return RaiseOnCommand(message, wParam, LBN_SELCHANGE, onSelectionChange, result);
}

}  // namespace vm::toolkit
