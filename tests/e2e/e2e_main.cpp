// The driver's entry: GoogleTest's flags plus --program=PATH, the
// Vellumark.exe to test (or the environment variable VM_E2E_PROGRAM).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "program_path.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  std::string program;
  if (const char* from_environment = std::getenv("VM_E2E_PROGRAM")) program = from_environment;
  const char prefix[] = "--program=";
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], prefix, sizeof prefix - 1) == 0) program = argv[i] + sizeof prefix - 1;
  }
  if (program.empty()) {
    std::fprintf(stderr, "usage: %s --program=PATH\\Vellumark.exe [gtest flags]\n", argv[0]);
    return 2;
  }
  vm::e2e::SetProgramPath(vm::e2e::WindowsPathOf(program));
  return RUN_ALL_TESTS();
}
