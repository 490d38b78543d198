#pragma once
// Value routines of the fill's INI section: hex text of picture bytes and the range checks
// applied to values read from a file. No platform header, so the routines also build
// natively, where they are fuzzed.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// Two upper-case hex digits per byte, nothing between ({0x89, 0x50} gives "8950").
std::wstring HexFromBytes(const uint8_t* data, size_t size);
// Reads text two characters at a time from its start (either case); a trailing odd
// character is ignored. False at the first pair holding a character other than a hex
// digit; bytes then holds the pairs before it.
bool BytesFromHex(std::wstring_view text, std::vector<uint8_t>& bytes);

// Checks of values read from an INI file: a value that fails keeps the current one.
// An ordinal of an enumeration with count values.
inline bool IniOrdinalValid(int value, int count) {
    return value >= 0 && value < count;
}
inline bool IniOpacityValid(int value) {
    return value >= 0 && value <= 255;
}
// Sizes that cannot be negative (shadow offset, corner radius, picture width and height).
inline bool IniSizeValid(int value) {
    return value >= 0;
}

// The most characters a picture value is read with (a 16 MB picture).
constexpr size_t kMaxPictureTextLength = size_t(32) << 20;
// The first buffer (characters, terminator included) to read a picture value with, from
// its stored length hint; 0 when the hint says there is no picture. The buffer grows
// while a read fills it, up to kMaxPictureTextLength + 1.
size_t PictureTextBuffer(int64_t lengthHint);
// The next buffer after a read filled buffer; 0 when the limit is reached.
size_t GrowPictureTextBuffer(size_t buffer);

}  // namespace orv
