#include "toolkit/tooltips.h"

#include <commctrl.h>

#include <string>

#include "toolkit/application.h"
#include "toolkit/utf16.h"

namespace vm::toolkit {

ToolTips::~ToolTips() {
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

void ToolTips::Create(HWND owner) {
  hwnd_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                          WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                          Application::Instance().InstanceHandle(), nullptr);
}

void ToolTips::Add(HWND tool, std::string_view text) {
  std::wstring hint = Utf16(text);
  TTTOOLINFOW info{};
  // The size of the oldest layout: accepted by every version of the control.
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = GetParent(tool);
  info.uId = reinterpret_cast<UINT_PTR>(tool);
  info.lpszText = hint.data();
  SendMessageW(hwnd_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace vm::toolkit
