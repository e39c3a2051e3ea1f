#include "command_window.h"

#include <cmath>
#include <cstdlib>
#include <memory>

#include "command_input.h"
#include "gdi_command_site.h"

namespace {

constexpr char ClassName[] = "Ondira.Command";

struct CommandWindow {
  HWND Window = nullptr;
  HWND Container = nullptr;
  Command Control;
  std::unique_ptr<GdiCommandSite> Site;
  int PressedButtons = 0;  // buttons pressed on the control and not yet released
  std::function<void(const std::string&)> HostPropertyChanged;
  HFONT CaptionFont = nullptr;
  FontObject CaptionFontMadeFrom;
};

// Hands the instance to its window; the window owns it from WM_NCCREATE on.
struct Creation {
  CommandWindow* Instance;
  bool Adopted;
};

CommandWindow* InstanceOf(HWND window) {
  return reinterpret_cast<CommandWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// Captions and face names are UTF-8 here and reach GDI through its wide
// functions, so no code page stands between them and the screen.
std::wstring WideFromUtf8(const std::string& text) {
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
  return wide;
}

std::string Utf8FromWide(const wchar_t* text) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (length <= 1) return "";
  std::string utf8(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, &utf8[0], length, nullptr, nullptr);
  utf8.pop_back();
  return utf8;
}

int ScreenPixelsPerInchY() {
  HDC screen = GetDC(nullptr);
  const int pixels = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return pixels;
}

// The caption's font as a GDI font, made again only when the object changed.
HFONT CaptionFontOf(CommandWindow& w) {
  const FontRef& font = w.Control.LblMsg.Font;
  if (!font) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  if (w.CaptionFont != nullptr && *font == w.CaptionFontMadeFrom) return w.CaptionFont;
  LOGFONTW description = {};
  description.lfHeight = -static_cast<LONG>(std::lround(font->Size * ScreenPixelsPerInchY() / 72));
  description.lfWeight = font->Weight;
  description.lfItalic = font->Italic ? TRUE : FALSE;
  description.lfUnderline = font->Underline ? TRUE : FALSE;
  description.lfStrikeOut = font->Strikethrough ? TRUE : FALSE;
  description.lfCharSet = static_cast<BYTE>(font->Charset);
  lstrcpynW(description.lfFaceName, WideFromUtf8(font->FaceName).c_str(), LF_FACESIZE);
  HFONT made = CreateFontIndirectW(&description);
  if (made == nullptr) {
    return w.CaptionFont != nullptr ? w.CaptionFont
                                    : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  }
  if (w.CaptionFont != nullptr) DeleteObject(w.CaptionFont);
  w.CaptionFont = made;
  w.CaptionFontMadeFrom = *font;
  return made;
}

COLORREF ColourOf(std::uint32_t colour) {
  // A colour with the top bit set names a system colour by its index.
  if (colour & 0x80000000u) return GetSysColor(static_cast<int>(colour & 0xFF));
  return static_cast<COLORREF>(colour & 0xFFFFFF);
}

// Behind a transparent control: the container's background and drawing.
void PaintContainerBackground(HWND window, HWND container, HDC dc) {
  POINT origin = {0, 0};
  MapWindowPoints(window, container, &origin, 1);
  POINT previous;
  SetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
  SendMessageA(container, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SendMessageA(container, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

// `LblMsg`, windowless: its caption centred in its rectangle, greyed in the
// platform's disabled style while the label is disabled.
void PaintCaption(CommandWindow& w, HDC dc) {
  const CaptionLabel& label = w.Control.LblMsg;
  const double twipsX = w.Site->TwipsPerPixelX();
  const double twipsY = w.Site->TwipsPerPixelY();
  const int left = static_cast<int>(std::floor(label.Left / twipsX));
  const int top = static_cast<int>(std::floor(label.Top / twipsY));
  RECT area = {left, top, left + static_cast<int>(std::floor(label.Width / twipsX)),
               top + static_cast<int>(std::floor(label.Height / twipsY))};
  const std::wstring caption = WideFromUtf8(label.Caption);
  const UINT format = DT_CENTER | DT_WORDBREAK;

  HGDIOBJ previousFont = SelectObject(dc, CaptionFontOf(w));
  SetBkMode(dc, TRANSPARENT);
  if (label.Enabled) {
    SetTextColor(dc, ColourOf(label.ForeColor));
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &area, format);
  } else {
    RECT raised = area;
    OffsetRect(&raised, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &raised, format);
    SetTextColor(dc, GetSysColor(COLOR_3DSHADOW));
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &area, format);
  }
  SelectObject(dc, previousFont);
}

void Paint(CommandWindow& w) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(w.Window, &paint);
  if (w.Control.BackStyle != 0) {
    w.Site->ShowOn(dc);
  } else {
    PaintContainerBackground(w.Window, w.Container, dc);
  }
  PaintCaption(w, dc);
  EndPaint(w.Window, &paint);
}

void Press(CommandWindow& w, int button) {
  MouseDown(w.Control, button);
  if (button == LeftButton && GetFocus() != w.Window) SetFocus(w.Window);
  if (GetCapture() != w.Window) SetCapture(w.Window);
  w.PressedButtons |= button;
}

// Only the release of a button pressed on the control reaches it.
void Release(CommandWindow& w, int button) {
  if ((w.PressedButtons & button) == 0) return;
  w.PressedButtons &= ~button;
  if (w.PressedButtons == 0 && GetCapture() == w.Window) ReleaseCapture();
  MouseUp(w.Control, button);  // may destroy the window: nothing after this
}

void PollMouse(CommandWindow& w) {
  POINT pointer;
  GetCursorPos(&pointer);
  const HWND under = WindowFromPoint(pointer);
  HoverPoll(w.Control, reinterpret_cast<WindowId>(under), reinterpret_cast<WindowId>(w.Window),
            reinterpret_cast<WindowId>(w.Container));
}

LRESULT CALLBACK CommandProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* creation =
        static_cast<Creation*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    creation->Adopted = true;
    creation->Instance->Window = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->Instance));
  }
  CommandWindow* w = InstanceOf(window);
  if (w == nullptr) return DefWindowProcA(window, message, wParam, lParam);

  switch (message) {
    case WM_CREATE:
      w->Site = std::make_unique<GdiCommandSite>(window);
      w->Control.Site = w->Site.get();
      return 0;
    case WM_SIZE:
      if (w->Site) {
        w->Site->Resize();
        ShowEnabledState(w->Control);
      }
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint(*w);
      return 0;
    case WM_MOUSEMOVE:
      MouseMove(w->Control);
      return 0;
    case WM_LBUTTONDOWN:
      Press(*w, LeftButton);
      return 0;
    case WM_RBUTTONDOWN:
      Press(*w, RightButton);
      return 0;
    case WM_MBUTTONDOWN:
      Press(*w, MiddleButton);
      return 0;
    case WM_LBUTTONUP:
      Release(*w, LeftButton);
      return 0;
    case WM_RBUTTONUP:
      Release(*w, RightButton);
      return 0;
    case WM_MBUTTONUP:
      Release(*w, MiddleButton);
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != window) w->PressedButtons = 0;
      return 0;
    case WM_SETFOCUS:
      GotFocus(w->Control);
      return 0;
    case WM_KILLFOCUS:
      LostFocus(w->Control);
      return 0;
    case WM_TIMER:
      if (wParam == GdiCommandSite::MouseTimerId) PollMouse(*w);
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      w->Control.Site = nullptr;
      if (w->CaptionFont != nullptr) DeleteObject(w->CaptionFont);
      delete w;
      return DefWindowProcA(window, message, wParam, lParam);
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

bool RegisterCommandClass() {
  WNDCLASSA existing;
  if (GetClassInfoA(GetModuleHandleA(nullptr), ClassName, &existing)) return true;
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = CommandProcedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.lpszClassName = ClassName;
  return RegisterClassA(&windowClass) != 0;
}

}  // namespace

FontRef AmbientFontOf(HWND container) {
  auto font = reinterpret_cast<HFONT>(SendMessageA(container, WM_GETFONT, 0, 0));
  if (font == nullptr) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  LOGFONTW description = {};
  if (GetObjectW(font, sizeof description, &description) == 0) {
    return std::make_shared<FontObject>();
  }
  auto ambient = std::make_shared<FontObject>();
  ambient->FaceName = Utf8FromWide(description.lfFaceName);
  ambient->Size = std::abs(description.lfHeight) * 72.0 / ScreenPixelsPerInchY();
  ambient->Weight = description.lfWeight != 0 ? description.lfWeight : FW_NORMAL;
  ambient->Italic = description.lfItalic != 0;
  ambient->Underline = description.lfUnderline != 0;
  ambient->Strikethrough = description.lfStrikeOut != 0;
  ambient->Charset = description.lfCharSet;
  return ambient;
}

HWND CreateCommandWindow(const CommandWindowOptions& options) {
  if (!RegisterCommandClass()) return nullptr;
  auto* w = new CommandWindow;
  w->Container = options.Parent;
  w->HostPropertyChanged = options.PropertyChanged;
  w->Control.Click = options.Click;
  w->Control.PropertyChanged = [w](const std::string& name) {
    InvalidateRect(w->Window, nullptr, FALSE);
    const auto report = w->HostPropertyChanged;
    if (report) report(name);
  };
  const FontRef ambient = options.AmbientFont ? options.AmbientFont : AmbientFontOf(options.Parent);
  w->Control.LblMsg.Font = ambient;

  // Made at no size: the stored properties are read before the first resize.
  Creation creation = {w, false};
  HWND window = CreateWindowExA(0, ClassName, "", WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS,
                                options.Left, options.Top, 0, 0, options.Parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(options.Id)),
                                GetModuleHandleA(nullptr), &creation);
  if (window == nullptr) {
    if (!creation.Adopted) delete w;
    return nullptr;
  }
  if (options.StoredProperties != nullptr) {
    ReadProperties(w->Control, *options.StoredProperties, ambient);
  }
  const UINT zOrder = options.TabAfter != nullptr ? 0 : SWP_NOZORDER;
  SetWindowPos(window, options.TabAfter, 0, 0, options.Width, options.Height,
               SWP_NOMOVE | SWP_NOACTIVATE | zOrder);
  ShowWindow(window, SW_SHOWNA);
  return window;
}

Command* CommandOf(HWND window) {
  char name[32] = {};
  if (window == nullptr || GetClassNameA(window, name, sizeof name) == 0 ||
      lstrcmpA(name, ClassName) != 0) {
    return nullptr;
  }
  CommandWindow* w = InstanceOf(window);
  return w != nullptr ? &w->Control : nullptr;
}
