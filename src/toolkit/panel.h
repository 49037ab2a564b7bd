#pragma once
// A panel: a filled rectangle with an optional lowered outer bevel and a
// caption, left-aligned or centred, always centred vertically. It may hold
// other controls.
#include <windows.h>

#include <cstdint>

#include "toolkit/window.h"

namespace vm::toolkit {

class Panel : public CustomWindow {
 public:
  enum class Alignment { Left, Center };
  struct CreateArgs {
    HWND parent = nullptr;
    int id = 0;
    Bounds bounds{};
    std::string_view text{};
    COLORREF background = kSystemColor;  // the system's button face
    COLORREF textColor = kSystemColor;   // the system's window text
    bool loweredBevel = false;
    Alignment alignment = Alignment::Center;
  };
  void Create(const CreateArgs& args);

  // Sets the background from a colour value (0x00BBGGRR). A negative value
  // names one of the system's colours by its lowest byte.
  void SetColor(std::int32_t colorValue);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc);

  COLORREF background_ = kSystemColor;
  COLORREF textColor_ = kSystemColor;
  bool loweredBevel_ = false;
  Alignment alignment_ = Alignment::Center;
  HFONT font_ = nullptr;
};

}  // namespace vm::toolkit
