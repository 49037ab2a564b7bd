#include "mask/errors.h"

#include <string>

#include "mask/messages.h"

namespace vm {

LoadError::LoadError(LoadFailure kind)
    : Error(std::string(text::LoadFailureReason(kind))), kind_(kind) {}

}  // namespace vm
