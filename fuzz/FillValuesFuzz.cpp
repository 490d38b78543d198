// Fuzzes the fill's INI value routines: hex text of any characters either decodes to
// half as many bytes that encode back to the same text (upper-cased), or stops at the
// first pair that is not hex; a picture length hint of any value gives a bounded buffer
// that grows to the limit in a few steps and then stops.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "paint/FillValues.h"

namespace {
bool IsHex(wchar_t c) {
    return (c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'F') || (c >= L'a' && c <= L'f');
}
wchar_t Upper(wchar_t c) {
    return (c >= L'a' && c <= L'f') ? static_cast<wchar_t>(c - 32) : c;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The first eight bytes are a length hint, the rest UTF-16 code units of a value.
    int64_t hint = 0;
    if (size >= sizeof(hint)) std::memcpy(&hint, data, sizeof(hint));
    const size_t buffer = orv::PictureTextBuffer(hint);
    if (hint <= 0 ? buffer != 0 : (buffer < 2 || buffer > orv::kMaxPictureTextLength + 1)) std::abort();
    size_t grown = buffer, steps = 0;
    while (grown) {
        size_t next = orv::GrowPictureTextBuffer(grown);
        if (next != 0 && next <= grown) std::abort();
        grown = next;
        if (++steps > 64) std::abort();
    }

    std::wstring text;
    for (size_t i = sizeof(hint); i + 1 < size; i += 2) text += static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
    std::vector<uint8_t> bytes;
    const bool ok = orv::BytesFromHex(text, bytes);
    const size_t pairs = text.size() / 2;
    if (ok) {
        if (bytes.size() != pairs) std::abort();
        const std::wstring back = orv::HexFromBytes(bytes.data(), bytes.size());
        for (size_t i = 0; i < back.size(); ++i)
            if (back[i] != Upper(text[i])) std::abort();
    } else {
        if (bytes.size() >= pairs) std::abort();
        const size_t bad = bytes.size() * 2;
        if (IsHex(text[bad]) && IsHex(text[bad + 1])) std::abort();
        for (size_t i = 0; i < bad; ++i)
            if (!IsHex(text[i])) std::abort();
    }
    return 0;
}
