// The main window: built from its description, it owns the two boxes and
// the button, keeps the focus rules and looks at key-downs before they are
// dispatched.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "app/edit_box.h"
#include "app/window_description.h"

namespace uescape {

class MainWindow {
 public:
  // Builds the window and its controls from `description`, hidden.
  // Returns nullptr when the description holds no window or the window
  // cannot be made.
  static std::unique_ptr<MainWindow> Build(const WindowDescription& description,
                                           HINSTANCE instance);
  ~MainWindow();

  // Shows the controls, then the window (which activates it).
  void Show();

  // The window's look at a message before it is dispatched: true when the
  // keyboard rules consumed it (Tab, Shift+Tab, Esc).
  bool PreTranslate(const MSG& message);

 private:
  struct Control {
    const UnitDescription* unit;
    HWND handle;
  };

  MainWindow(const WindowDescription& description) : description_(description) {}

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

  bool CreateControls(HINSTANCE instance);
  void Paint();
  void FocusFirstOrRemembered();
  void MoveFocus(bool forward);
  std::vector<HWND> TabOrder() const;
  void RunBinding(const Control& control, UnitEvent event);
  HWND ControlNamed(std::string_view name) const;

  const WindowDescription& description_;
  HWND window_ = nullptr;
  std::vector<Control> controls_;
  HWND rememberedFocus_ = nullptr;
};

}  // namespace uescape
