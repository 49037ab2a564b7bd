#pragma once
// One tooltip window for the controls that show a hint; no other control
// of the window shows one.
#include <windows.h>

#include <string_view>

namespace vm::toolkit {

class ToolTips {
 public:
  ToolTips() = default;
  ToolTips(const ToolTips&) = delete;
  ToolTips& operator=(const ToolTips&) = delete;
  ~ToolTips();

  void Create(HWND owner);
  // Shows `text` while the pointer rests over `tool`.
  void Add(HWND tool, std::string_view text);
  HWND Handle() const { return hwnd_; }

 private:
  HWND hwnd_ = nullptr;
};

}  // namespace vm::toolkit
