#include "combo_box.h"

#include <vector>

#include "application.h"
#include "text.h"


void ComboBox::Create(HWND parent, int left, int top, int width, int height, HFONT font) {
  // The window's height includes the dropped list.
  window_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"COMBOBOX", L"",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN |
                                CBS_AUTOHSCROLL,
                            left, top, width, height + 200, parent, nullptr, App::Instance(),
                            nullptr);
  if (font != nullptr) SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void ComboBox::AddItem(const std::string& text) {
  SendMessageW(window_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideFromUtf8(text).c_str()));
}

int ComboBox::ListCount() const {
  return static_cast<int>(SendMessageW(window_, CB_GETCOUNT, 0, 0));
}

std::string ComboBox::ListItem(int index) const {
  const LRESULT length = SendMessageW(window_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR) return std::string();
  std::vector<wchar_t> text(static_cast<size_t>(length) + 1);
  SendMessageW(window_, CB_GETLBTEXT, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(text.data()));
  return Utf8FromWide(text.data());
}

std::string ComboBox::Text() const {
  const int length = GetWindowTextLengthW(window_);
  std::vector<wchar_t> text(static_cast<size_t>(length) + 1);
  GetWindowTextW(window_, text.data(), length + 1);
  return Utf8FromWide(text.data());
}

void ComboBox::SetText(const std::string& text) { SetWindowTextW(window_, WideFromUtf8(text).c_str()); }

int ComboBox::ListIndex() const {
  return static_cast<int>(SendMessageW(window_, CB_GETCURSEL, 0, 0));
}

bool ComboBox::Enabled() const { return IsWindowEnabled(window_) != FALSE; }

void ComboBox::SetEnabled(bool enabled) { EnableWindow(window_, enabled ? TRUE : FALSE); }
