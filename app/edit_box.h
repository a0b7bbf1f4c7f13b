// An EDIT control seen as a text box of code page 936 text.
#pragma once

#include <windows.h>

#include "engine/text_box.h"

namespace uescape {

class EditBox : public TextBox {
 public:
  explicit EditBox(HWND control) : control_(control) {}

  Text GetText() override;
  void SetText(std::string_view text) override;
  void AppendText(std::string_view text) override;

 private:
  HWND control_;
};

}  // namespace uescape
