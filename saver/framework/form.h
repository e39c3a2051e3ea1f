// A top-level window of the saver with the events its handlers hang on:
// load (while created hidden), resize, query-unload and unload. It owns its
// windowless controls and timers, and a persistent drawing surface that
// every paint shows beneath the controls.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "control_surface.h"
#include "windowless.h"

class Timer;

enum class BorderStyle { None, FixedSingle };

class Form {
 public:
  Form(std::string caption, BorderStyle border, COLORREF background);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // Creates the window hidden, which runs the load handler.
  void Load();
  void Show();
  // Shows the window and returns once it has been unloaded.
  void ShowModal();
  // Query-unload, unload, then the window goes.
  void Unload();

  HWND Handle() const { return window_; }
  bool IsLoaded() const { return window_ != nullptr; }

  // The client area in pixels, the form's drawing unit.
  int ScaleWidth() const;
  int ScaleHeight() const;
  void SetClientSize(int width, int height);
  void DrawLine(int x1, int y1, int x2, int y2, COLORREF colour);
  void SetIcon(HICON icon);

  // Controls are painted in the order they were added; the form does not own them.
  void AddControl(WindowlessControl& control);
  void Refresh();

 protected:
  virtual void OnLoad() {}
  virtual void OnResize() {}
  virtual void OnQueryUnload() {}
  virtual void OnUnload() {}
  // Messages the form does not handle itself; the default is DefWindowProc.
  virtual LRESULT OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  friend class Timer;
  static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  UINT_PTR AddTimer(Timer& timer);
  void RemoveTimer(UINT_PTR id);

  std::string caption_;
  BorderStyle border_;
  HWND window_ = nullptr;
  int clientWidth_ = 0;
  int clientHeight_ = 0;
  bool unloading_ = false;
  ControlSurface surface_;
  std::map<UINT_PTR, Timer*> timers_;
  UINT_PTR nextTimerId_ = 1;
};
