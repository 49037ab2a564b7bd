#pragma once
// The colour dialog of the transparent-colour field.
#include <cstdint>

namespace vm::toolkit {

class ColorDialog {
 public:
  // The dialog's own colour (0x00BBGGRR): black until a pick ends with OK.
  std::int32_t color = 0;
};

}  // namespace vm::toolkit
