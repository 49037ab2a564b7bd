#pragma once
// The open-file dialog of the bitmap list.

namespace vm::toolkit {

class OpenFileDialog {};

}  // namespace vm::toolkit
