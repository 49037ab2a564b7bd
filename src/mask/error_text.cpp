#include "mask/error_text.h"

namespace vm {

std::string WithClosingPeriod(std::string_view utf8) {
  std::string shown(utf8);
  if (!shown.empty() && static_cast<unsigned char>(shown.back()) > '.') shown += '.';
  return shown;
}

}  // namespace vm
