#include "app/main_window.h"

#include <algorithm>

#include "app/wide_text.h"
#include "common/event_lock.h"
#include "engine/convert_text.h"

namespace uescape {
namespace {

constexpr wchar_t kWindowClass[] = L"UEscapeMainWindow";
constexpr DWORD kWindowStyle =
    WS_OVERLAPPED | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kEditStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | ES_MULTILINE |
                             ES_AUTOVSCROLL | ES_WANTRETURN;
constexpr DWORD kButtonStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | BS_PUSHBUTTON |
                               BS_CENTER | BS_VCENTER | BS_MULTILINE;
constexpr int kFirstControlId = 100;
constexpr int kControlIdStep = 10;

bool RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSW existing;
  if (GetClassInfoW(instance, kWindowClass, &existing)) return true;
  WNDCLASSW windowClass = {};
  windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hIcon = nullptr;
  windowClass.hbrBackground = nullptr;  // the window paints its own background
  windowClass.lpszClassName = kWindowClass;
  return RegisterClassW(&windowClass) != 0;
}

HICON LoadDefaultIcon(HINSTANCE instance, int size) {
  return static_cast<HICON>(LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON, size, size, 0));
}

bool NoModifier() {
  return GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_MENU) >= 0;
}

bool ShiftAlone() {
  return GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) < 0 && GetKeyState(VK_MENU) >= 0;
}

}  // namespace

std::unique_ptr<MainWindow> MainWindow::Build(const WindowDescription& description,
                                              HINSTANCE instance) {
  const UnitDescription* unit = description.Window();
  if (unit == nullptr || !RegisterWindowClass(instance, &MainWindow::WindowProc)) return nullptr;
  std::unique_ptr<MainWindow> window(new MainWindow(description));

  // Centred on the primary screen, work area and screen edges not
  // considered: the position may lie partly off the screen.
  const int width = unit->width;
  const int height = unit->height;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  window->window_ = CreateWindowExW(0, kWindowClass, L"", kWindowStyle, left, top, width, height,
                                    nullptr, nullptr, instance, window.get());
  if (window->window_ == nullptr) return nullptr;
  RECT frame;
  GetWindowRect(window->window_, &frame);
  if (frame.right - frame.left != width || frame.bottom - frame.top != height) {
    MoveWindow(window->window_, left, top, width, height, FALSE);
  }

  SendMessageW(window->window_, WM_SETICON, ICON_BIG,
               reinterpret_cast<LPARAM>(LoadDefaultIcon(instance, 32)));
  SendMessageW(window->window_, WM_SETICON, ICON_SMALL,
               reinterpret_cast<LPARAM>(LoadDefaultIcon(instance, 16)));
  SendMessageW(window->window_, WM_SETFONT,
               reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);

  if (!window->CreateControls(instance)) return nullptr;
  return window;
}

MainWindow::~MainWindow() {
  if (window_ != nullptr && IsWindow(window_)) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

bool MainWindow::CreateControls(HINSTANCE instance) {
  const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  int id = kFirstControlId;
  for (auto unit = description_.units.rbegin(); unit != description_.units.rend(); ++unit) {
    if (unit->kind == UnitKind::kWindow) continue;
    const bool box = unit->kind == UnitKind::kEditBox;
    const std::wstring caption = ToWide(unit->caption, CP_UTF8);
    const HWND control = CreateWindowExW(
        box ? WS_EX_CLIENTEDGE : 0, box ? L"EDIT" : L"BUTTON", caption.c_str(),
        box ? kEditStyle : kButtonStyle, unit->left, unit->top, unit->width, unit->height,
        window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (control == nullptr) return false;
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (box) {
      SendMessageW(control, EM_LIMITTEXT, 0, 0);
      SendMessageW(control, EM_SETSEL, 0, 0);
      SendMessageW(control, EM_SCROLLCARET, 0, 0);
    }
    if (unit->disabled) EnableWindow(control, FALSE);
    controls_.push_back({&*unit, control});
    id += kControlIdStep;
  }
  return true;
}

void MainWindow::Show() {
  for (const Control& control : controls_) {
    if (control.unit->visible) ShowWindow(control.handle, SW_SHOWNA);
  }
  ShowWindow(window_, SW_SHOW);
}

HWND MainWindow::ControlNamed(std::string_view name) const {
  for (const Control& control : controls_) {
    if (control.unit->name == name) return control.handle;
  }
  return nullptr;
}

std::vector<HWND> MainWindow::TabOrder() const {
  // Smallest key first; among equal keys the unit listed later in the
  // description first, which is the order the controls were created in.
  std::vector<const Control*> eligible;
  for (const Control& control : controls_) {
    if (control.unit->stopsTab && IsWindowVisible(control.handle) &&
        IsWindowEnabled(control.handle)) {
      eligible.push_back(&control);
    }
  }
  std::stable_sort(eligible.begin(), eligible.end(), [](const Control* a, const Control* b) {
    return a->unit->tabOrder < b->unit->tabOrder;
  });
  std::vector<HWND> order;
  for (const Control* control : eligible) order.push_back(control->handle);
  return order;
}

void MainWindow::FocusFirstOrRemembered() {
  if (rememberedFocus_ != nullptr && IsWindow(rememberedFocus_) &&
      IsChild(window_, rememberedFocus_)) {
    SetFocus(rememberedFocus_);
    return;
  }
  const std::vector<HWND> order = TabOrder();
  if (!order.empty()) SetFocus(order.front());
}

void MainWindow::MoveFocus(bool forward) {
  const std::vector<HWND> order = TabOrder();
  if (order.empty()) return;
  const auto current = std::find(order.begin(), order.end(), GetFocus());
  std::size_t next = 0;
  if (current == order.end()) {
    next = forward ? 0 : order.size() - 1;
  } else {
    const std::size_t at = static_cast<std::size_t>(current - order.begin());
    next = forward ? (at + 1) % order.size() : (at + order.size() - 1) % order.size();
  }
  SetFocus(order[next]);
}

bool MainWindow::PreTranslate(const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
  if (message.wParam == VK_TAB && NoModifier()) {
    MoveFocus(true);
    return true;
  }
  if (message.wParam == VK_TAB && ShiftAlone()) {
    MoveFocus(false);
    return true;
  }
  if (message.wParam == VK_ESCAPE && NoModifier()) {
    SendMessageW(window_, WM_CLOSE, 0, 0);
    return true;
  }
  return false;  // Enter and every other key reach their control
}

void MainWindow::RunBinding(const Control& control, UnitEvent event) {
  if (EventLockHeld()) return;
  for (const EventBinding& binding : control.unit->events) {
    if (binding.event != event) continue;
    if (binding.procedure == Procedure::kConvertText) {
      // The conversion writes the input box eleven times with no message
      // handled in between; the box shows the last write once, at the end.
      EditBox input(ControlNamed("编辑框1"), EditBox::Writes::kDeferred);
      EditBox output(ControlNamed("编辑框2"));
      ConvertText(input, output);
      input.Flush();
    }
  }
}

void MainWindow::Paint() {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(window_, &paint);
  // Read at every paint, so a change of the system colours shows at once.
  const HBRUSH face = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
  FillRect(dc, &paint.rcPaint, face);
  DeleteObject(face);
  EndPaint(window_, &paint);
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                        LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    auto* self = static_cast<MainWindow*>(create->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return self->Handle(message, wParam, lParam);
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills the whole invalid area
    case WM_PAINT:
      Paint();
      return 0;
    case WM_CTLCOLOREDIT: {
      const HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, RGB(0, 0, 0));
      SetBkColor(dc, RGB(255, 255, 255));
      return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    }
    case WM_SETFOCUS:
      FocusFirstOrRemembered();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window_, focus)) rememberedFocus_ = focus;
      }
      return DefWindowProcW(window_, message, wParam, lParam);
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) {
        for (const Control& control : controls_) {
          if (control.handle == reinterpret_cast<HWND>(lParam)) RunBinding(control, UnitEvent::kClick);
        }
        return 0;
      }
      break;
    case WM_GETMINMAXINFO: {
      // The system would cap the window at the screen's size plus its frame;
      // the window keeps its own size on a small screen, partly off it.
      auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
      const UnitDescription* unit = description_.Window();
      limits->ptMaxTrackSize.x = std::max<LONG>(limits->ptMaxTrackSize.x, unit->width);
      limits->ptMaxTrackSize.y = std::max<LONG>(limits->ptMaxTrackSize.y, unit->height);
      return 0;
    }
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_DESTROY:
      SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
      window_ = nullptr;
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace uescape
