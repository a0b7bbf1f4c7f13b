// TextMid and the byte set operations: plain byte ranges.
#include "engine/gbk_text_operations.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/literal_model/literal_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  using namespace uescape;
  const std::string input(reinterpret_cast<const char*>(bytes), size);
  FuzzedDataProvider data(bytes, size);
  const int start = fuzzing::Position(data);
  const int count = fuzzing::Position(data);
  const std::string bytesOrText = data.ConsumeRemainingBytesAsString();
  fuzzing::ExpectSame(fuzzing::Str(TextMid(bytesOrText, start, count)),
                      literal::TextMid(bytesOrText, start, count), "TextMid", input);
  fuzzing::ExpectSame(fuzzing::Str(BytesMid(bytesOrText, start, count)),
                      literal::BytesMid(bytesOrText, start, count), "BytesMid", input);
  fuzzing::ExpectSame(fuzzing::Str(BytesToText(bytesOrText)), literal::BytesToText(bytesOrText),
                      "BytesToText", input);
  fuzzing::ExpectSame(fuzzing::Str(TextToBytes(bytesOrText)), literal::TextToBytes(bytesOrText),
                      "TextToBytes", input);
  fuzzing::ExpectSame(BytesLength(bytesOrText), literal::BytesLength(bytesOrText), "BytesLength",
                      input);
  return 0;
}
