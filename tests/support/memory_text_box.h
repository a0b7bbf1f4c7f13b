// A text box in memory that also records every call made on it, so tests
// can check what the conversion read, wrote and appended, and in what order.
#pragma once

#include <string>
#include <vector>

#include "engine/text_box.h"

namespace uescape::testing {

class MemoryTextBox : public TextBox {
 public:
  enum class Call { kGet, kSet, kAppend };
  struct Record {
    Call call;
    std::string text;  // what was read, written or appended
  };

  explicit MemoryTextBox(std::string text = {}) : text_(std::move(text)) {}

  Text GetText() override;
  void SetText(Text text) override;
  void AppendText(std::string_view text) override;

  const std::string& text() const { return text_; }
  const std::vector<Record>& calls() const { return calls_; }
  // The texts of the calls of one kind, in order.
  std::vector<std::string> TextsOf(Call call) const;

 private:
  std::string text_;
  std::vector<Record> calls_;
};

}  // namespace uescape::testing
