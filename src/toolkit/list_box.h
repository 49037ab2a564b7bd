#pragma once
// A list box with extended multiple selection whose items stay in the order
// they were added.
#include <windows.h>

#include <string>

#include "toolkit/window.h"

namespace vm::toolkit {

class ListBox : public Wnd {
 public:
  struct CreateArgs {
    HWND parent = nullptr;
    int id = 0;
    Bounds bounds{};
  };
  void Create(const CreateArgs& args);
  // A new font sets the item height to the font's: call this after SetFont.
  void SetItemHeight(int pixels);

  int Count() const;
  std::wstring Item(int index) const;
  // Appends at the end; false when the list refuses the item.
  bool Add(const std::wstring& item);
  void Delete(int index);
  void Clear();
  int SelectedCount() const;
  bool Selected(int index) const;
  // Suspends or resumes redrawing; resuming redraws the list once.
  void SetRedraw(bool redraw);

  // Raised whenever the user changes the selection (mouse, keys, type-ahead).
  Event onSelectionChange;
  bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

}  // namespace vm::toolkit
