#pragma once
// How this system's paths end a file name, and which bytes of its ANSI code
// page lead a double-byte character. Implemented once per system.
#include "mask/mask_name.h"

namespace vm {

PathRules SystemPathRules();

}  // namespace vm
