// What the pending-message pump costs when nothing is pending, and how long
// an event waits while a scan calls it after every pixel. Under Wine every
// look at the queue is a call into wineserver; the application object looks
// only once per interval of a cheap clock. All figures come from one run, so
// that they compare on the same machine and load:
//   bench/wine-pump.sh
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "toolkit/application.h"
#include "toolkit/queue_look_policy.h"

namespace {

using vm::toolkit::Application;
using vm::toolkit::QueueLookPolicy;

std::int64_t Ticks() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

double TicksToNanoseconds(std::int64_t ticks) {
  static const double nanoseconds_per_tick = [] {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1e9 / double(frequency.QuadPart);
  }();
  return double(ticks) * nanoseconds_per_tick;
}

// Keeps the compiler from dropping or merging the loop around it.
inline void Barrier() { asm volatile("" ::: "memory"); }

template <class Call>
double NanosecondsPerCall(long calls, Call call) {
  const std::int64_t start = Ticks();
  for (long i = 0; i < calls; ++i) {
    call();
    Barrier();
  }
  return TicksToNanoseconds(Ticks() - start) / double(calls);
}

void PrintCost(const char* what, long calls, double nanoseconds) {
  std::printf("%-48s %9ld %12.1f\n", what, calls, nanoseconds);
}

// --- Latency: another thread posts to a window of this thread at uneven
// intervals, this thread calls the pump in a tight loop, as a scan does; the
// window notes how long each message waited.

constexpr UINT kTimedMessage = WM_APP + 1;

std::vector<double>* waits = nullptr;

LRESULT CALLBACK NoteWait(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == kTimedMessage) {
    waits->push_back(TicksToNanoseconds(Ticks() - std::int64_t(lparam)) / 1000.0);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

struct Poster {
  HWND target;
  int messages;
};

DWORD WINAPI PostTimedMessages(void* context) {
  const auto* poster = static_cast<const Poster*>(context);
  std::uint32_t random = 12345;
  for (int i = 0; i < poster->messages; ++i) {
    random = random * 1103515245u + 12345u;
    Sleep(1 + (random >> 16) % 3);  // 1 to 3 ms, never in step with the pump
    PostMessageW(poster->target, kTimedMessage, 0, LPARAM(Ticks()));
  }
  return 0;
}

HWND CreateTimingWindow() {
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = NoteWait;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.lpszClassName = L"VmPumpBenchTarget";
  RegisterClassW(&window_class);
  return CreateWindowW(window_class.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                       window_class.hInstance, nullptr);
}

template <class Pump>
void MeasureLatency(const char* what, HWND target, int messages, Pump pump) {
  std::vector<double> noted;
  noted.reserve(messages);
  waits = &noted;
  Poster poster{target, messages};
  HANDLE thread = CreateThread(nullptr, 0, PostTimedMessages, &poster, 0, nullptr);
  long calls = 0;
  const std::int64_t start = Ticks();
  while (noted.size() < std::size_t(messages)) {
    pump();
    ++calls;
  }
  const double seconds = TicksToNanoseconds(Ticks() - start) / 1e9;
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  std::sort(noted.begin(), noted.end());
  std::printf("%-36s %6d %10.0f %9.0f %9.0f %9.0f\n", what, messages, double(calls) / seconds,
              noted[noted.size() / 2], noted[noted.size() * 99 / 100], noted.back());
}

void RawPump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

}  // namespace

int main() {
  Application application(GetModuleHandleW(nullptr));
  constexpr long kCheapCalls = 1000000;
  constexpr long kQueueCalls = 20000;
  MSG message;

  std::printf("%-48s %9s %12s\n", "cost of one call, nothing pending", "calls", "ns per call");
  PrintCost("empty loop", kCheapCalls, NanosecondsPerCall(kCheapCalls, [] {}));
  PrintCost("QueryPerformanceCounter (the policy's clock)", kCheapCalls,
            NanosecondsPerCall(kCheapCalls, [] { Ticks(); }));
  PrintCost("GetTickCount64", kCheapCalls, NanosecondsPerCall(kCheapCalls, [] { GetTickCount64(); }));
  QueueLookPolicy policy;
  PrintCost("QueueLookPolicy::TimeToLook", kCheapCalls,
            NanosecondsPerCall(kCheapCalls, [&] { policy.TimeToLook(); }));
  PrintCost("PeekMessage(PM_NOREMOVE): one raw look", kQueueCalls,
            NanosecondsPerCall(kQueueCalls, [&] { PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE); }));
  PrintCost("GetQueueStatus(QS_ALLINPUT): one raw look", kQueueCalls,
            NanosecondsPerCall(kQueueCalls, [] { GetQueueStatus(QS_ALLINPUT); }));
  PrintCost("PeekMessage(PM_REMOVE) loop: pump without policy", kQueueCalls,
            NanosecondsPerCall(kQueueCalls, RawPump));
  PrintCost("Application::ProcessPendingMessages", kCheapCalls,
            NanosecondsPerCall(kCheapCalls, [&] { application.ProcessPendingMessages(); }));

  HWND target = CreateTimingWindow();
  constexpr int kMessages = 300;
  std::printf("\n%-36s %6s %10s %9s %9s %9s\n", "wait from post to handling", "posts", "calls/s",
              "median us", "p99 us", "worst us");
  MeasureLatency("pump without policy", target, kMessages, RawPump);
  MeasureLatency("Application::ProcessPendingMessages", target, kMessages,
                 [&] { application.ProcessPendingMessages(); });
  DestroyWindow(target);
  return 0;
}
