#include "app/edit_box.h"

#include "app/wide_text.h"

namespace uescape {

Text EditBox::GetText() {
  std::wstring wide;
  if (pending_) {
    wide = *pending_;
  } else {
    const int length = GetWindowTextLengthW(control_);
    if (length <= 0) return Text();
    wide.assign(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(control_, wide.data(), length + 1);
    wide.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  }
  const std::string bytes = FromWide(wide, kGbkCodePage);
  return Text(bytes.data(), bytes.size());
}

void EditBox::SetText(Text text) {
  std::wstring wide = ToWide(text, kGbkCodePage);
  if (writes_ == Writes::kDeferred) {
    pending_ = std::move(wide);
    return;
  }
  SetWindowTextW(control_, wide.c_str());
}

void EditBox::Flush() {
  if (!pending_) return;
  SetWindowTextW(control_, pending_->c_str());
  pending_.reset();
}

void EditBox::AppendText(std::string_view text) {
  Flush();
  if (text.empty()) return;
  // The end of the text, wherever the caret or a selection stands; the
  // control knows its length, so the text need not be read for it.
  const LRESULT end = SendMessageW(control_, WM_GETTEXTLENGTH, 0, 0);
  SendMessageW(control_, EM_SETSEL, static_cast<WPARAM>(end), end);
  SendMessageW(control_, EM_SCROLLCARET, 0, 0);
  const std::wstring wide = ToWide(text, kGbkCodePage);
  SendMessageW(control_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
}

}  // namespace uescape
