// A text box in memory that keeps its text and records nothing: for
// measuring and for long inputs, where recording every call would copy
// megabytes a dozen times.
#pragma once

#include <string_view>

#include "engine/text_box.h"

namespace uescape::testing {

class PlainTextBox : public TextBox {
 public:
  explicit PlainTextBox(std::string_view text = {}) : text_(text) {}
  Text GetText() override { return text_; }
  void SetText(Text text) override { text_ = std::move(text); }
  void AppendText(std::string_view text) override { text_.append(text.data(), text.size()); }
  const Text& text() const { return text_; }

 private:
  Text text_;
};

}  // namespace uescape::testing
