#include "platform/path_rules.h"

namespace vm {

// Paths are plain bytes here (UTF-8 in practice, where no byte of a
// multi-byte character can be "/"): no lead-byte rule is needed.
PathRules SystemPathRules() { return PathRules::Posix(); }

}  // namespace vm
