#include "paint/FillValues.h"

namespace orv {

namespace {
int HexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    return -1;
}
}  // namespace

std::wstring HexFromBytes(const uint8_t* data, size_t size) {
    static const wchar_t kDigits[] = L"0123456789ABCDEF";
    std::wstring text;
    if (!data) return text;
    text.resize(size * 2);
    for (size_t i = 0; i < size; ++i) {
        text[2 * i] = kDigits[data[i] >> 4];
        text[2 * i + 1] = kDigits[data[i] & 0x0F];
    }
    return text;
}

bool BytesFromHex(std::wstring_view text, std::vector<uint8_t>& bytes) {
    bytes.clear();
    bytes.reserve(text.size() / 2);
    for (size_t i = 0; i + 1 < text.size(); i += 2) {
        int high = HexDigit(text[i]);
        int low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0) return false;
        bytes.push_back(static_cast<uint8_t>(high << 4 | low));
    }
    return true;
}

size_t PictureTextBuffer(int64_t lengthHint) {
    if (lengthHint <= 0) return 0;
    // The hint is only a hint: never below a page, never above the limit.
    constexpr size_t kMinimum = 4096;
    size_t wanted = static_cast<uint64_t>(lengthHint) >= kMaxPictureTextLength ? kMaxPictureTextLength
                                                                               : static_cast<size_t>(lengthHint);
    return (wanted < kMinimum ? kMinimum : wanted) + 1;
}

size_t GrowPictureTextBuffer(size_t buffer) {
    if (buffer >= kMaxPictureTextLength + 1) return 0;
    size_t next = buffer * 2;
    return next > kMaxPictureTextLength + 1 ? kMaxPictureTextLength + 1 : next;
}

}  // namespace orv
