#pragma once
// A tab control with pages: each page is a child window covering the
// display area, which carries the page's controls. The tab row itself is
// never a tab stop and never takes the focus; Tab moves on into the page.
#include <windows.h>

#include "toolkit/window.h"

namespace vm::toolkit {

class PageControl : public Wnd {
 public:
  struct CreateArgs {
    HWND parent = nullptr;
    int id = 0;
    Bounds bounds{};
  };
  void Create(const CreateArgs& args);
  // Appends a tab; returns its index.
  int AddTab(std::string_view caption);
  // The display area below the tab row, in this control's client coordinates.
  Bounds PageBounds() const;
};

class TabSheet : public CustomWindow {
 public:
  struct CreateArgs {
    PageControl* pageControl = nullptr;
    int id = 0;
    std::string_view caption{};  // the tab's caption, also the page's text
  };
  void Create(const CreateArgs& args);
};

}  // namespace vm::toolkit
