// The conversion reaches the window's boxes only through this interface,
// so the window plugs in its edit controls and tests plug in boxes in
// memory.
#pragma once

#include <string_view>

#include "engine/text.h"

namespace uescape {

class TextBox {
 public:
  virtual ~TextBox() = default;

  // The box's whole current text (line breaks as CR LF).
  virtual Text GetText() = 0;
  // Replaces the box's whole text; nothing else is done to the box. The
  // text is handed over, so a box that keeps texts need not copy it.
  virtual void SetText(Text text) = 0;
  // Adds `text` at the very end, wherever the caret or selection was, and
  // leaves the insertion point after it. An empty text adds nothing.
  virtual void AppendText(std::string_view text) = 0;
};

}  // namespace uescape
