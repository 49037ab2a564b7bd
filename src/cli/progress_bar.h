#pragma once
// The scan host of the command-line tool: nothing can interrupt a scan, so
// whole rows are taken at once; the progress position is drawn as a bar on
// a terminal, and only for work long enough to want one.
#include <chrono>
#include <cstddef>
#include <limits>
#include <string>

#include "platform/scan_host.h"

namespace vm::cli {

class ProgressBarHost : public ScanHost {
 public:
  using Clock = std::chrono::steady_clock;

  // enabled: standard error is a terminal and --quiet was not given.
  explicit ProgressBarHost(bool enabled);

  bool StopRequested() override { return false; }
  void ProcessPendingMessages() override {}
  std::size_t QuietPixels() override { return std::numeric_limits<std::size_t>::max(); }
  void ShowProgress(int position) override;

  // Which file of how many is being converted, for the bar's caption.
  void SetFile(int k, int n);
  // Takes the bar off the screen, before a message or at the end.
  void Clear();

 private:
  void Draw(int position);

  bool enabled_;
  Clock::time_point start_;
  Clock::time_point lastDraw_;
  int drawnPosition_ = -1;
  bool visible_ = false;
  int k_ = 0;
  int n_ = 1;
};

// "[#########           ]  45%  3/10": the bar line, without the carriage
// return that redraws it.
std::string ProgressLine(int position, int k, int n);

}  // namespace vm::cli
