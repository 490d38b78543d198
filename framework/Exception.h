#pragma once
// The framework's exception base. It includes no platform header, so units that also
// build natively (the layout parser, which is fuzzed on Linux) can raise it too.
// Messages are plain English: UTF-16 in Message(), UTF-8 in what().
#include <cstdint>
#include <stdexcept>
#include <string>

namespace orv {

// UTF-16 to UTF-8 without the platform. A lone surrogate is encoded as it stands (three
// bytes), so nothing is lost; wide characters of four bytes are taken as code points.
inline std::string WideToUtf8(const std::wstring& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t cp = static_cast<uint32_t>(text[i]);
        if (sizeof(wchar_t) == 2 && cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size()) {
            uint32_t lo = static_cast<uint32_t>(text[i + 1]);
            if (lo >= 0xDC00 && lo <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (lo - 0xDC00);
                ++i;
            }
        }
        if (cp > 0x10FFFF) cp = 0xFFFD;
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::wstring& message) : std::runtime_error(WideToUtf8(message)), FMessage(message) {}
    const std::wstring& Message() const { return FMessage; }

private:
    std::wstring FMessage;
};

}  // namespace orv
