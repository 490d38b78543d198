// Fuzzes the layout parser and writer: any bytes must parse or raise ELayoutError,
// and whatever parses must write back to text that parses to the same text again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "framework/LayoutParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::wstring text = orv::LayoutTextFromUtf8(std::string(reinterpret_cast<const char*>(data), size));
    orv::TLayoutObject tree;
    try {
        tree = orv::ParseLayout(text, L"fuzz");
    } catch (const orv::ELayoutError&) {
        return 0;
    }
    std::wstring written = orv::WriteLayout(tree);
    orv::TLayoutObject again = orv::ParseLayout(written, L"fuzz-written");  // must not throw
    if (orv::WriteLayout(again) != written) std::abort();
    return 0;
}
