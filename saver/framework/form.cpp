#include "form.h"

#include "application.h"
#include "window_object.h"
#include "text.h"
#include "timer.h"

namespace {

const char FormClassName[] = "OndiraForm";

void RegisterFormClass(WNDPROC procedure) {
  static bool registered = false;
  if (registered) return;
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = App::Instance();
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.lpszClassName = FormClassName;
  registered = RegisterClassA(&windowClass) != 0;
}

DWORD StyleOf(BorderStyle border) {
  return border == BorderStyle::FixedSingle ? (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU)
                                            : WS_POPUP;
}

}  // namespace

Form::Form(std::string caption, BorderStyle border, COLORREF background)
    : caption_(std::move(caption)), border_(border), surface_(background) {}

Form::~Form() {
  if (window_ != nullptr) {
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

void Form::Load() {
  if (window_ != nullptr) return;
  RegisterFormClass(WindowProc);
  RECT outer = {0, 0, clientWidth_, clientHeight_};
  AdjustWindowRectEx(&outer, StyleOf(border_), FALSE, 0);
  window_ = CreateWindowExA(0, FormClassName, AnsiFromUtf8(caption_).c_str(), StyleOf(border_),
                            CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                            outer.bottom - outer.top, nullptr, nullptr, App::Instance(), this);
  for (auto& entry : timers_) entry.second->Arm();
  OnLoad();
}

void Form::Show() {
  if (window_ == nullptr) Load();
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
}

void Form::ShowModal() {
  Show();
  MSG message;
  while (window_ != nullptr) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (window_ != nullptr && IsDialogMessageA(window_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void Form::Unload() {
  if (window_ == nullptr || unloading_) return;
  unloading_ = true;
  OnQueryUnload();
  OnUnload();
  HWND window = window_;
  window_ = nullptr;
  for (auto& entry : timers_) KillTimer(window, entry.first);
  SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  DestroyWindow(window);
  unloading_ = false;
}

int Form::ScaleWidth() const { return clientWidth_; }
int Form::ScaleHeight() const { return clientHeight_; }

void Form::SetClientSize(int width, int height) {
  clientWidth_ = width;
  clientHeight_ = height;
  if (window_ == nullptr) return;
  RECT outer = {0, 0, width, height};
  AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongA(window_, GWL_STYLE)), FALSE, 0);
  SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::DrawLine(int x1, int y1, int x2, int y2, COLORREF colour) {
  surface_.DrawLine(x1, y1, x2, y2, colour);
}

void Form::SetIcon(HICON icon) {
  if (window_ == nullptr) return;
  SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void Form::AddControl(WindowlessControl& control) { surface_.AddControl(control); }

void Form::Refresh() {
  if (window_ != nullptr) InvalidateRect(window_, nullptr, FALSE);
}

LRESULT Form::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window_, message, wParam, lParam);
}

UINT_PTR Form::AddTimer(Timer& timer) {
  const UINT_PTR id = nextTimerId_++;
  timers_[id] = &timer;
  return id;
}

void Form::RemoveTimer(UINT_PTR id) { timers_.erase(id); }

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* form = WindowObjectOf<Form>(window, message, lParam);
  if (form == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCCREATE) form->window_ = window;
  return form->HandleMessage(message, wParam, lParam);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (surface_.HandleMessage(window_, message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_SIZE:
      clientWidth_ = LOWORD(lParam);
      clientHeight_ = HIWORD(lParam);
      surface_.Resize(clientWidth_, clientHeight_);
      OnResize();
      Refresh();
      return 0;
    case WM_TIMER: {
      const auto found = timers_.find(wParam);
      if (found != timers_.end()) found->second->Tick();
      return 0;
    }
    case WM_CLOSE:
      Unload();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wParam) Unload();
      return 0;
    default:
      break;
  }
  return OnOtherMessage(message, wParam, lParam);
}
