// A drop-down combo box with editable text.
#pragma once

#include <windows.h>

#include <string>

class ComboBox {
 public:
  ComboBox() = default;
  ComboBox(const ComboBox&) = delete;
  ComboBox& operator=(const ComboBox&) = delete;

  // Creates the control inside `parent`; `height` is the closed height in
  // pixels, the list drops below it.
  void Create(HWND parent, int left, int top, int width, int height, HFONT font);
  HWND Handle() const { return window_; }
  void AddItem(const std::string& text);  // UTF-8
  int ListCount() const;
  std::string ListItem(int index) const;
  std::string Text() const;  // the edit text, UTF-8
  void SetText(const std::string& text);
  int ListIndex() const;  // -1 when no entry is selected
  bool Enabled() const;
  void SetEnabled(bool enabled);

 private:
  HWND window_ = nullptr;
};
