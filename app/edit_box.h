// An EDIT control seen as a text box of code page 936 text.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "engine/text_box.h"

namespace uescape {

class EditBox : public TextBox {
 public:
  enum class Writes {
    kImmediate,
    // Writes are kept until Flush (or the end of the box's life) and reads
    // see them: a run of writes with no message handled in between shows
    // the user nothing but the last one, yet each costs the control a full
    // re-layout of its text.
    kDeferred,
  };

  explicit EditBox(HWND control, Writes writes = Writes::kImmediate)
      : control_(control), writes_(writes) {}
  ~EditBox() override { Flush(); }
  EditBox(const EditBox&) = delete;
  EditBox& operator=(const EditBox&) = delete;

  Text GetText() override;
  void SetText(Text text) override;
  void AppendText(std::string_view text) override;

  // Puts a deferred write into the control.
  void Flush();

 private:
  HWND control_;
  Writes writes_;
  // What the control would hold after the deferred writes: the control
  // keeps UTF-16, so a read gives back the text as the conversion to and
  // from code page 936 leaves it, exactly as a read of the control would.
  std::optional<std::wstring> pending_;
};

}  // namespace uescape
