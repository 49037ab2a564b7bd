#include "cli/progress_bar.h"

#include "cli/console.h"

namespace vm::cli {
namespace {

// A short run shows no bar at all; a long one is redrawn ten times a second
// at most, so drawing never costs the run time.
constexpr auto kFirstDrawAfter = std::chrono::milliseconds(500);
constexpr auto kRedrawEvery = std::chrono::milliseconds(100);
constexpr int kBarCells = 30;

}  // namespace

std::string ProgressLine(int position, int k, int n) {
  const int filled = position * kBarCells / 100;
  std::string line = "[";
  line.append(static_cast<std::size_t>(filled), '#');
  line.append(static_cast<std::size_t>(kBarCells - filled), ' ');
  line += "] ";
  const std::string percent = std::to_string(position);
  line.append(3 - percent.size(), ' ');
  line += percent + "%  " + std::to_string(k + 1) + "/" + std::to_string(n);
  return line;
}

ProgressBarHost::ProgressBarHost(bool enabled) : enabled_(enabled), start_(Clock::now()) {}

void ProgressBarHost::SetFile(int k, int n) {
  k_ = k;
  n_ = n;
}

void ProgressBarHost::ShowProgress(int position) {
  if (!enabled_ || position == drawnPosition_) return;
  const Clock::time_point now = Clock::now();
  if (now - start_ < kFirstDrawAfter) return;
  if (visible_ && now - lastDraw_ < kRedrawEvery) return;
  lastDraw_ = now;
  Draw(position);
}

void ProgressBarHost::Draw(int position) {
  drawnPosition_ = position;
  visible_ = true;
  WriteError("\r" + ProgressLine(position, k_, n_));
}

void ProgressBarHost::Clear() {
  if (!visible_) return;
  visible_ = false;
  drawnPosition_ = -1;
  WriteError("\r" + std::string(ProgressLine(100, k_, n_).size(), ' ') + "\r");
}

}  // namespace vm::cli
