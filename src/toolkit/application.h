#pragma once
// The application object: title, icon, the main loop, the pump of pending
// messages used from inside long handlers, message boxes and the display of
// errors that escape a handler. One per program.
#include <windows.h>

#include <string>
#include <string_view>

#include "toolkit/queue_look_policy.h"

namespace vm::toolkit {

class Application {
 public:
  explicit Application(HINSTANCE instance);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // The one application object of the program.
  static Application& Instance();

  HINSTANCE InstanceHandle() const { return instance_; }
  HICON Icon() const { return icon_; }
  HICON SmallIcon() const { return smallIcon_; }

  const std::string& Title() const { return title_; }
  void SetTitle(std::string_view utf8) { title_ = utf8; }

  // The first window created that asks for it becomes the main window.
  void SetMainWindow(HWND window);
  HWND MainWindow() const { return mainWindow_; }

  // Shows the main window with the start-up show command, then handles
  // messages until a quit request has been taken.
  void Run(int showCommand);
  // Handles every waiting message and returns when none is left; never
  // waits. A quit request sets the terminated flag instead of being handed on.
  // Inline: the scan calls it after every pixel, and most calls only count.
  void ProcessPendingMessages() {
    if (lookPolicy_.TimeToLook()) HandleWaitingMessages();
  }
  // Posts the quit request; the loop ends once it is taken from the queue.
  void Terminate() { PostQuitMessage(0); }
  bool Terminated() const { return terminated_; }

  // A modal message box owned by the main window. Returns the button id.
  int ShowMessageBox(std::string_view text, std::string_view caption, unsigned flags);
  // The default error display for an error that escaped a handler.
  void ShowError(std::string_view text);

 private:
  void HandleWaitingMessages();
  void Deliver(MSG& message);

  HINSTANCE instance_;
  HICON icon_ = nullptr;
  HICON smallIcon_ = nullptr;
  std::string title_;
  HWND mainWindow_ = nullptr;
  bool terminated_ = false;
  QueueLookPolicy lookPolicy_;
};

// Shows the exception being handled with the default error display. Call
// only inside a catch block; never throws.
void ShowCurrentException() noexcept;

}  // namespace vm::toolkit
