#pragma once
// Binary data of a stored layout still in its text form: the hexadecimal digits between
// the braces (with the spaces and line breaks among them), checked when the layout was
// parsed and turned into bytes only when someone asks for them. A layout's pictures are
// most of its text and most of them are not drawn at once, so reading leaves them as text.
//
// The value shares the layout text it points into: the text stays alive as long as any
// value made from it, whatever becomes of the caller's string. Copies are cheap (they
// share the text too). No platform header: it builds natively with the parser.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace orv {

class TLayoutHexText {
public:
    TLayoutHexText() = default;
    // [offset, offset + length) of text holds exactly byteCount * 2 hexadecimal digits and
    // otherwise only spaces, tabs and line breaks; the parser makes sure of it.
    TLayoutHexText(std::shared_ptr<const std::wstring> text, size_t offset, size_t length, size_t byteCount)
        : FText(std::move(text)), FOffset(offset), FLength(length), FByteCount(byteCount) {}

    // No text at all (a default value or one already handed on).
    bool Empty() const { return !FText; }
    size_t ByteCount() const { return FByteCount; }
    // The digits, spaces and line breaks as they stand in the layout.
    std::wstring Text() const;
    // Converts the digits: ByteCount() bytes.
    std::vector<uint8_t> Decode() const;
    // Drops the shared text (the layout text goes with the last value holding it).
    void Clear() { *this = TLayoutHexText(); }

private:
    std::shared_ptr<const std::wstring> FText;
    size_t FOffset = 0;
    size_t FLength = 0;
    size_t FByteCount = 0;
};

}  // namespace orv
