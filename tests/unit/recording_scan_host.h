#pragma once
// A scan host that records every call in order and can press the end button
// inside a chosen round of message processing, as a real window would.
#include <cstddef>
#include <string>
#include <vector>

#include "platform/scan_host.h"

namespace vm::testing {

class RecordingScanHost : public ScanHost {
 public:
  std::vector<std::string> calls;  // "stop?", "pump", "progress 50"
  std::vector<int> positions;      // every progress position shown
  int pressEndInPump = -1;         // the pump (counted from 0) whose handlers set the flag
  std::size_t quietPixels = 0;     // 0: consult after every pixel, like the window
  int tag = 0;                     // the stop flag

  bool StopRequested() override {
    calls.push_back("stop?");
    return tag == 1;
  }
  void ProcessPendingMessages() override {
    calls.push_back("pump");
    if (pumps_++ == pressEndInPump) tag = 1;
  }
  void ShowProgress(int position) override {
    calls.push_back("progress " + std::to_string(position));
    positions.push_back(position);
  }
  std::size_t QuietPixels() override { return quietPixels; }

 private:
  int pumps_ = 0;
};

// The calls a per-pixel scan makes for one row of width pixels: a stop test
// and a pump after every pixel, then the progress update and a pump.
inline void ExpectRow(std::vector<std::string>& calls, int width, int position) {
  for (int x = 0; x < width; ++x) {
    calls.push_back("stop?");
    calls.push_back("pump");
  }
  calls.push_back("progress " + std::to_string(position));
  calls.push_back("pump");
}

}  // namespace vm::testing
