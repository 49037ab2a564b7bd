#include "toolkit/application.h"

#include <cstdlib>
#include <exception>

#include "mask/error_text.h"
#include "toolkit/utf16.h"

namespace vm::toolkit {
namespace {

Application* theApplication = nullptr;

HICON LoadProgramIcon(HINSTANCE instance, int size) {
  return static_cast<HICON>(LoadImageW(instance, L"MAINICON", IMAGE_ICON, size, size, LR_SHARED));
}

// Module file name without folder and extension: the title until the
// program sets its own.
std::string ModuleTitle() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring name(path);
  name = name.substr(name.find_last_of(L"\\/") + 1);
  return Utf8(name.substr(0, name.find_last_of(L'.')));
}

}  // namespace

Application::Application(HINSTANCE instance)
    : instance_(instance),
      icon_(LoadProgramIcon(instance, GetSystemMetrics(SM_CXICON))),
      smallIcon_(LoadProgramIcon(instance, GetSystemMetrics(SM_CXSMICON))),
      title_(ModuleTitle()) {
  theApplication = this;
}

Application::~Application() { theApplication = nullptr; }

Application& Application::Instance() {
  if (!theApplication) std::abort();
  return *theApplication;
}

void Application::SetMainWindow(HWND window) {
  if (!mainWindow_) mainWindow_ = window;
}

void Application::Run(int showCommand) {
  ShowWindow(mainWindow_, showCommand);
  UpdateWindow(mainWindow_);
  MSG message;
  while (!terminated_) {
    const BOOL result = GetMessageW(&message, nullptr, 0, 0);
    if (result == 0 || result == -1) {
      terminated_ = true;
    } else {
      Deliver(message);
    }
  }
}

void Application::HandleWaitingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      terminated_ = true;
    } else {
      Deliver(message);
    }
  }
}

// IsDialogMessage gives the main window the dialog keys: Tab and Shift+Tab
// move through the tab stops, also into the pages that carry
// WS_EX_CONTROLPARENT.
void Application::Deliver(MSG& message) {
  if (mainWindow_ && IsDialogMessageW(mainWindow_, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

int Application::ShowMessageBox(std::string_view text, std::string_view caption, unsigned flags) {
  return MessageBoxW(mainWindow_, Utf16(text).c_str(), Utf16(caption).c_str(), flags);
}

void Application::ShowError(std::string_view text) {
  ReleaseCapture();
  ShowMessageBox(WithClosingPeriod(text), title_, MB_OK | MB_ICONERROR);
}

void ShowCurrentException() noexcept {
  try {
    try {
      throw;
    } catch (const std::exception& error) {
      Application::Instance().ShowError(error.what());
    } catch (...) {
      Application::Instance().ShowError({});
    }
  } catch (...) {
    // Nothing more can be shown when showing fails (out of memory).
  }
}

}  // namespace vm::toolkit
