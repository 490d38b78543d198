// Fuzzes the layout parser and writer: any bytes must parse or raise ELayoutError,
// and whatever parses must write back to text that parses to the same text again.
// Binary data kept as text must convert to what its digits say.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/LayoutParser.h"

namespace {

// The digits of kept binary text, converted the plain way.
std::vector<uint8_t> DigitsOf(const std::wstring& text) {
    std::vector<uint8_t> bytes;
    int high = -1;
    for (wchar_t c : text) {
        int d = c >= L'0' && c <= L'9'                                ? c - L'0'
                : c >= L'a' && c <= L'f'                              ? c - L'a' + 10
                : c >= L'A' && c <= L'F'                              ? c - L'A' + 10
                : c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' ? -1
                                                                      : -2;
        if (d == -2) std::abort();  // kept text holds digits and spaces only
        if (d < 0) continue;
        if (high < 0) {
            high = d;
        } else {
            bytes.push_back(static_cast<uint8_t>(high << 4 | d));
            high = -1;
        }
    }
    if (high >= 0) std::abort();  // an odd count is a fault, never kept
    return bytes;
}

void CheckValue(const orv::TLayoutValue& value);

void CheckProperties(const std::vector<orv::TLayoutProperty>& properties) {
    for (const auto& p : properties) CheckValue(p.Value);
}

void CheckValue(const orv::TLayoutValue& value) {
    if (!value.HexText.Empty()) {
        const std::vector<uint8_t> bytes = DigitsOf(value.HexText.Text());
        if (bytes.size() != value.HexText.ByteCount() || value.HexText.Decode() != bytes) std::abort();
    }
    for (const auto& item : value.Items) CheckProperties(item.Properties);
}

void CheckObject(const orv::TLayoutObject& object) {
    CheckProperties(object.Properties);
    for (const auto& child : object.Children) CheckObject(child);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::wstring text = orv::LayoutTextFromUtf8(std::string(reinterpret_cast<const char*>(data), size));
    orv::TLayoutObject tree;
    try {
        tree = orv::ParseLayout(text, L"fuzz");
    } catch (const orv::ELayoutError&) {
        return 0;
    }
    // The kept text must not depend on the caller's string.
    text.assign(text.size(), L'Z');
    CheckObject(tree);
    std::wstring written = orv::WriteLayout(tree);
    orv::TLayoutObject again = orv::ParseLayout(written, L"fuzz-written");  // must not throw
    if (orv::WriteLayout(again) != written) std::abort();
    return 0;
}
