#pragma once
// What a scan needs of the window it runs under: the stop flag, the
// processing of pending messages, and the progress display.
#include <cstddef>
#include <limits>

namespace vm {

class ScanHost {
 public:
  virtual ~ScanHost() = default;
  // The stop flag equals 1.
  virtual bool StopRequested() = 0;
  // Handles whatever is pending and returns without waiting. Handlers run
  // inside it, and may raise the stop flag.
  virtual void ProcessPendingMessages() = 0;
  virtual void ShowProgress(int position) = 0;
  // How many pixels in a row may be examined without a look at the stop
  // flag or the queue, because neither could change meanwhile. A window
  // returns 0; a host with no queue (the command-line tool) returns the
  // largest value and lets the scan take whole rows at once.
  virtual std::size_t QuietPixels() { return 0; }
};

// A host with no messages and no stop: scans run at full speed.
class QuietScanHost : public ScanHost {
 public:
  bool StopRequested() override { return false; }
  void ProcessPendingMessages() override {}
  void ShowProgress(int) override {}
  std::size_t QuietPixels() override { return std::numeric_limits<std::size_t>::max(); }
};

}  // namespace vm
