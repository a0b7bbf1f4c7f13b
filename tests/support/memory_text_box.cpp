#include "tests/support/memory_text_box.h"

namespace uescape::testing {

Text MemoryTextBox::GetText() {
  calls_.push_back({Call::kGet, text_});
  return Text(text_.data(), text_.size());
}

void MemoryTextBox::SetText(Text text) {
  text_.assign(text.data(), text.size());
  calls_.push_back({Call::kSet, text_});
}

void MemoryTextBox::AppendText(std::string_view text) {
  text_.append(text.data(), text.size());
  calls_.push_back({Call::kAppend, std::string(text)});
}

std::vector<std::string> MemoryTextBox::TextsOf(Call call) const {
  std::vector<std::string> texts;
  for (const Record& record : calls_) {
    if (record.call == call) texts.push_back(record.text);
  }
  return texts;
}

}  // namespace uescape::testing
