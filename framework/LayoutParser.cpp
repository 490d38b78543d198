#include "framework/LayoutParser.h"

#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <cwchar>
#include <cwctype>
#include <string>

// Sixteen digits at a time where the target has SSE2 and UTF-16 text (every Windows
// build); elsewhere the digit table alone.
#if (defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)) && WCHAR_MAX == 0xFFFF
#define ORV_HEX_SSE2 1
#include <emmintrin.h>
#endif

namespace orv {

namespace {

std::string Utf8(const std::wstring& text) {
    return LayoutTextToUtf8(text);
}

bool IsIdentStart(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == L'_';
}
bool IsIdentChar(wchar_t c) {
    return IsIdentStart(c) || (c >= L'0' && c <= L'9');
}
bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}
constexpr auto kHexDigits = [] {
    std::array<int8_t, 128> table{};
    for (auto& d : table) d = -1;
    for (int c = 0; c < 10; ++c) table['0' + c] = static_cast<int8_t>(c);
    for (int c = 0; c < 6; ++c) table['a' + c] = table['A' + c] = static_cast<int8_t>(10 + c);
    return table;
}();
inline int HexDigit(wchar_t c) {
    return static_cast<unsigned>(c) < 128 ? kHexDigits[static_cast<unsigned>(c)] : -1;
}
#ifdef ORV_HEX_SSE2
// Converts 16 characters to 8 bytes when all of them are hexadecimal digits; false (and
// nothing written) otherwise.
inline bool DecodeHexBlock(const wchar_t* text, uint8_t* out) {
    const __m128i zero = _mm_setzero_si128();
    __m128i nibbles[2];
    for (int half = 0; half < 2; ++half) {
        __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + half * 8));
        // Unsigned "below n" through saturating subtraction: n - x stays above 0 only for x < n.
        __m128i digit = _mm_sub_epi16(c, _mm_set1_epi16('0'));
        __m128i isDigit = _mm_cmpeq_epi16(_mm_subs_epu16(_mm_set1_epi16(10), digit), zero);
        __m128i letter = _mm_sub_epi16(_mm_or_si128(c, _mm_set1_epi16(0x20)), _mm_set1_epi16('a'));
        __m128i isLetter = _mm_cmpeq_epi16(_mm_subs_epu16(_mm_set1_epi16(6), letter), zero);
        // isDigit / isLetter hold all ones where the character is NOT one.
        if (_mm_movemask_epi8(_mm_and_si128(isDigit, isLetter)) != 0) return false;
        __m128i value = _mm_or_si128(_mm_andnot_si128(isDigit, digit),
                                     _mm_andnot_si128(isLetter, _mm_add_epi16(letter, _mm_set1_epi16(10))));
        // Each 32-bit lane holds a pair: the high nibble first (low half), the low nibble after.
        nibbles[half] =
            _mm_or_si128(_mm_slli_epi32(_mm_and_si128(value, _mm_set1_epi32(0xFFFF)), 4), _mm_srli_epi32(value, 16));
    }
    __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(nibbles[0], nibbles[1]), zero);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out), bytes);
    return true;
}
#endif

// The first c in [text, text + count), or null.
const wchar_t* FindChar(const wchar_t* text, size_t count, wchar_t c) {
    size_t at = 0;
#ifdef ORV_HEX_SSE2
    const __m128i wanted = _mm_set1_epi16(static_cast<short>(c));
    for (; count - at >= 8; at += 8) {
        const __m128i chars = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at));
        const int mask = _mm_movemask_epi8(_mm_cmpeq_epi16(chars, wanted));
        if (mask != 0) {
            int lane = 0;
            while (!(mask & (1 << (lane * 2)))) ++lane;
            return text + at + lane;
        }
    }
#endif
    for (; at < count; ++at)
        if (text[at] == c) return text + at;
    return nullptr;
}

// Converts digit pairs from text (count characters, even) into out until a character is
// not a hexadecimal digit; returns the characters used (always even).
size_t DecodeHexPairs(const wchar_t* text, size_t count, uint8_t* out) {
    size_t at = 0;
#ifdef ORV_HEX_SSE2
    while (count - at >= 16 && DecodeHexBlock(text + at, out)) {
        at += 16;
        out += 8;
    }
#endif
    while (at + 1 < count) {
        int h = HexDigit(text[at]), l = HexDigit(text[at + 1]);
        if ((h | l) < 0) break;
        *out++ = static_cast<uint8_t>(h << 4 | l);
        at += 2;
    }
    return at;
}

// What ScanHexData learnt of the binary data before its closing brace.
struct THexScan {
    size_t Length = 0;  // characters before the brace
    size_t Digits = 0;
    size_t LineBreaks = 0;
    size_t LastBreak = 0;  // offset of the last line break, when there is one
};

// True when the text up to the first closing brace holds only hexadecimal digits,
// spaces, tabs and line breaks (the usual form of binary data). Anything else (a comment,
// a stray character, no brace) is left to the careful parse, which reports it. Runs over
// every character of a layout's pictures, so most of it sees sixteen at once.
bool ScanHexData(const wchar_t* text, size_t count, THexScan& scan) {
    size_t at = 0, blanks = 0;
#ifdef ORV_HEX_SSE2
    const __m128i zero = _mm_setzero_si128();
    const __m128i ones = _mm_set1_epi8(1);
    __m128i blankSums = zero, breakSums = zero;  // two 64-bit counts each (psadbw)
    for (; count - at >= 16; at += 16) {
        // Characters above 0xFF become 0xFF or 0 (neither a digit nor a blank).
        const __m128i c = _mm_packus_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at)),
                                           _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at + 8)));
        // All ones where the character is not a digit / not a letter a-f (see DecodeHexBlock).
        const __m128i notDigit =
            _mm_cmpeq_epi8(_mm_subs_epu8(_mm_set1_epi8(10), _mm_sub_epi8(c, _mm_set1_epi8('0'))), zero);
        const __m128i letter = _mm_sub_epi8(_mm_or_si128(c, _mm_set1_epi8(0x20)), _mm_set1_epi8('a'));
        const __m128i notHex = _mm_and_si128(notDigit, _mm_cmpeq_epi8(_mm_subs_epu8(_mm_set1_epi8(6), letter), zero));
        if (_mm_movemask_epi8(notHex) == 0) continue;  // sixteen digits: most blocks
        const __m128i lineBreak = _mm_cmpeq_epi8(c, _mm_set1_epi8('\n'));
        const __m128i blank =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(c, _mm_set1_epi8(' ')), _mm_cmpeq_epi8(c, _mm_set1_epi8('\t'))),
                         _mm_or_si128(_mm_cmpeq_epi8(c, _mm_set1_epi8('\r')), lineBreak));
        if (_mm_movemask_epi8(_mm_andnot_si128(blank, notHex)) != 0) break;  // the brace or a fault: below
        blankSums = _mm_add_epi64(blankSums, _mm_sad_epu8(_mm_and_si128(blank, ones), zero));
        breakSums = _mm_add_epi64(breakSums, _mm_sad_epu8(_mm_and_si128(lineBreak, ones), zero));
        if (const unsigned breaks = static_cast<unsigned>(_mm_movemask_epi8(lineBreak)))
            scan.LastBreak = at + static_cast<size_t>(std::bit_width(breaks) - 1);
    }
    uint64_t sums[2];
    _mm_storeu_si128(reinterpret_cast<__m128i*>(sums), blankSums);
    blanks = static_cast<size_t>(sums[0] + sums[1]);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(sums), breakSums);
    scan.LineBreaks = static_cast<size_t>(sums[0] + sums[1]);
#endif
    for (; at < count; ++at) {
        const wchar_t c = text[at];
        if (HexDigit(c) >= 0) continue;
        if (c == L'}') {
            scan.Length = at;
            scan.Digits = at - blanks;
            return true;
        }
        if (c == L'\n') {
            ++scan.LineBreaks;
            scan.LastBreak = at;
        } else if (c != L' ' && c != L'\t' && c != L'\r') {
            return false;
        }
        ++blanks;
    }
    return false;
}

int HexValue(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

bool SameIdent(const std::wstring& a, const wchar_t* b) {
    size_t n = 0;
    for (; b[n]; ++n) {
        if (n >= a.size()) return false;
        wchar_t x = a[n], y = b[n];
        if (x >= L'A' && x <= L'Z') x = static_cast<wchar_t>(x - L'A' + L'a');
        if (y >= L'A' && y <= L'Z') y = static_cast<wchar_t>(y - L'A' + L'a');
        if (x != y) return false;
    }
    return n == a.size();
}

void AppendCodePoint(std::wstring& out, uint32_t cp) {
    if (sizeof(wchar_t) == 2 && cp > 0xFFFF) {
        cp -= 0x10000;
        out += static_cast<wchar_t>(0xD800 + (cp >> 10));
        out += static_cast<wchar_t>(0xDC00 + (cp & 0x3FF));
    } else {
        out += static_cast<wchar_t>(cp);
    }
}

constexpr int kMaxDepth = 100;
// Room made for an object's or item's properties at once: most have a few, and growing the
// list one by one costs an allocation each time.
constexpr size_t kPropertiesReserved = 4;

class TParser {
public:
    TParser(const std::wstring& text, const std::wstring& name) : FText(text), FName(name) {}
    TParser(std::shared_ptr<const std::wstring> text, const std::wstring& name)
        : FText(*text), FName(name), FShared(std::move(text)) {}

    TLayoutObject ParseRoot() {
        SkipSpace();
        TLayoutObject root = ParseObject(0);
        SkipSpace();
        if (!AtEnd()) Fail(L"Text after the end of the root object");
        return root;
    }

private:
    [[noreturn]] void Fail(const std::wstring& what) const { throw ELayoutError(FName, FLine, FColumn, what); }
    [[noreturn]] void FailAt(int line, int column, const std::wstring& what) const {
        throw ELayoutError(FName, line, column, what);
    }

    bool AtEnd() const { return FPos >= FText.size(); }
    wchar_t Peek(size_t ahead = 0) const { return FPos + ahead < FText.size() ? FText[FPos + ahead] : L'\0'; }
    wchar_t Next() {
        wchar_t c = FText[FPos++];
        if (c == L'\n') {
            ++FLine;
            FColumn = 1;
        } else {
            ++FColumn;
        }
        return c;
    }

    void SkipSpace() {
        for (;;) {
            while (!AtEnd() &&
                   (Peek() == L' ' || Peek() == L'\t' || Peek() == L'\r' || Peek() == L'\n' || Peek() == 0xFEFF))
                Next();
            if (Peek() == L'/' && Peek(1) == L'/') {
                while (!AtEnd() && Peek() != L'\n') Next();
                continue;
            }
            return;
        }
    }

    // Identifiers hold no line break: the column moves by their length.
    std::wstring ReadIdent(bool dotted) {
        if (!IsIdentStart(Peek())) Fail(L"Identifier expected");
        const size_t start = FPos, size = FText.size();
        size_t at = FPos;
        for (;;) {
            while (at < size && IsIdentChar(FText[at])) ++at;
            if (dotted && at + 1 < size && FText[at] == L'.' && IsIdentStart(FText[at + 1])) {
                ++at;
                continue;
            }
            break;
        }
        FColumn += static_cast<int>(at - start);
        FPos = at;
        return FText.substr(start, at - start);
    }

    // what (and subject, when given) name the place in the error.
    void Expect(wchar_t c, const wchar_t* what, const std::wstring* subject = nullptr) {
        SkipSpace();
        if (Peek() == c) {
            Next();
            return;
        }
        std::wstring message = std::wstring(L"'") + c + L"' expected " + what;
        if (subject) message += *subject;
        Fail(message);
    }

    TLayoutObject ParseObject(int depth) {
        if (depth > kMaxDepth) Fail(L"Objects nested too deeply");
        TLayoutObject obj;
        obj.Properties.reserve(kPropertiesReserved);
        obj.Line = FLine;
        obj.Column = FColumn;
        if (!IsIdentStart(Peek())) Fail(L"'object' expected");
        std::wstring keyword = ReadIdent(false);
        if (SameIdent(keyword, L"inline"))
            obj.Inline = true;
        else if (!SameIdent(keyword, L"object"))
            FailAt(obj.Line, obj.Column, L"'object' expected but '" + keyword + L"' found");
        SkipSpace();
        obj.Name = ReadIdent(false);
        Expect(L':', L"after the object name");
        SkipSpace();
        obj.ClassName = ReadIdent(false);
        for (;;) {
            SkipSpace();
            if (AtEnd()) FailAt(obj.Line, obj.Column, L"Unterminated object " + obj.Name + L": 'end' expected");
            int line = FLine, column = FColumn;
            if (!IsIdentStart(Peek())) Fail(std::wstring(L"Unexpected character '") + Peek() + L"'");
            size_t save = FPos;
            int saveLine = FLine, saveColumn = FColumn;
            std::wstring word = ReadIdent(true);
            if (SameIdent(word, L"end")) return obj;
            if (SameIdent(word, L"object") || SameIdent(word, L"inline")) {
                FPos = save;
                FLine = saveLine;
                FColumn = saveColumn;
                obj.Children.push_back(ParseObject(depth + 1));
                continue;
            }
            obj.Properties.push_back(ParseProperty(std::move(word), line, column, depth));
        }
    }

    TLayoutProperty ParseProperty(std::wstring path, int line, int column, int depth) {
        TLayoutProperty p;
        p.Path = std::move(path);
        p.Line = line;
        p.Column = column;
        Expect(L'=', L"after ", &p.Path);
        SkipSpace();
        p.Value = ParseValue(depth);
        return p;
    }

    TLayoutValue ParseValue(int depth) {
        TLayoutValue v;
        v.Line = FLine;
        v.Column = FColumn;
        wchar_t c = Peek();
        if (AtEnd()) Fail(L"Value expected");
        if (c == L'\'' || c == L'#') {
            v.Kind = TLayoutValue::TKind::String;
            v.Text = ParseString();
        } else if (IsDigit(c) || c == L'-' || c == L'+' || c == L'$') {
            ParseNumber(v);
        } else if (IsIdentStart(c)) {
            std::wstring ident = ReadIdent(true);
            SkipSpace();
            if (SameIdent(ident, L"resource") && Peek() == L'(') {
                Next();
                SkipSpace();
                if (Peek() != L'\'' && Peek() != L'#') Fail(L"Resource name expected");
                v.Kind = TLayoutValue::TKind::Resource;
                v.Text = ParseString();
                Expect(L')', L"after the resource name");
            } else {
                v.Kind = TLayoutValue::TKind::Ident;
                v.Text = ident;
            }
        } else if (c == L'[') {
            Next();
            v.Kind = TLayoutValue::TKind::Set;
            SkipSpace();
            if (Peek() == L']') {
                Next();
                return v;
            }
            for (;;) {
                SkipSpace();
                v.Idents.push_back(ReadIdent(false));
                SkipSpace();
                if (Peek() == L',') {
                    Next();
                    continue;
                }
                if (Peek() == L']') {
                    Next();
                    return v;
                }
                Fail(L"',' or ']' expected in a set");
            }
        } else if (c == L'<') {
            Next();
            v.Kind = TLayoutValue::TKind::Collection;
            ParseItems(v, depth);
        } else if (c == L'{') {
            Next();
            v.Kind = TLayoutValue::TKind::Binary;
            ParseBinary(v);
        } else if (c == L'(') {
            Next();
            v.Kind = TLayoutValue::TKind::StringList;
            for (;;) {
                SkipSpace();
                if (AtEnd()) FailAt(v.Line, v.Column, L"Unterminated string list: ')' expected");
                if (Peek() == L')') {
                    Next();
                    return v;
                }
                if (Peek() != L'\'' && Peek() != L'#') Fail(L"String expected in a string list");
                v.Strings.push_back(ParseString());
            }
        } else {
            Fail(std::wstring(L"Value expected but '") + c + L"' found");
        }
        return v;
    }

    // 'text' pieces and #codes, adjacent or joined with +.
    std::wstring ParseString() {
        int line = FLine, column = FColumn;
        std::wstring out;
        for (;;) {
            if (Peek() == L'\'') {
                Next();
                for (;;) {
                    if (AtEnd() || Peek() == L'\n' || Peek() == L'\r') FailAt(line, column, L"Unterminated string");
                    wchar_t ch = Next();
                    if (ch == L'\'') {
                        if (Peek() == L'\'') {
                            Next();
                            out += L'\'';
                            continue;
                        }
                        break;
                    }
                    out += ch;
                }
            } else if (Peek() == L'#') {
                Next();
                uint64_t code = 0;
                int digits = 0;
                if (Peek() == L'$') {
                    Next();
                    while (HexValue(Peek()) >= 0 && digits < 9) {
                        code = code * 16 + static_cast<uint64_t>(HexValue(Next()));
                        ++digits;
                    }
                } else {
                    while (IsDigit(Peek()) && digits < 10) {
                        code = code * 10 + static_cast<uint64_t>(Next() - L'0');
                        ++digits;
                    }
                }
                if (digits == 0) Fail(L"Character code expected after '#'");
                if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF && sizeof(wchar_t) != 2))
                    Fail(L"Character code out of range");
                AppendCodePoint(out, static_cast<uint32_t>(code));
            } else {
                return out;
            }
            // Pieces that touch ('a'#13'b') make one string, and so do pieces joined
            // with '+'; pieces apart are separate strings (a string list's entries).
            if (Peek() == L'\'' || Peek() == L'#') continue;
            size_t save = FPos;
            int saveLine = FLine, saveColumn = FColumn;
            SkipSpace();
            if (Peek() == L'+') {
                Next();
                SkipSpace();
                if (Peek() != L'\'' && Peek() != L'#') Fail(L"String expected after '+'");
                continue;
            }
            FPos = save;
            FLine = saveLine;
            FColumn = saveColumn;
            return out;
        }
    }

    void ParseNumber(TLayoutValue& v) {
        bool negative = false;
        if (Peek() == L'-' || Peek() == L'+') negative = Next() == L'-';
        if (Peek() == L'$' || (Peek() == L'0' && (Peek(1) == L'x' || Peek(1) == L'X'))) {
            if (Peek() == L'$')
                Next();
            else {
                Next();
                Next();
            }
            uint64_t value = 0;
            int digits = 0;
            while (HexValue(Peek()) >= 0) {
                if (++digits > 16) Fail(L"Hexadecimal number too long");
                value = value * 16 + static_cast<uint64_t>(HexValue(Next()));
            }
            if (digits == 0) Fail(L"Hexadecimal digits expected");
            if (IsIdentChar(Peek())) Fail(L"Invalid number");
            v.Kind = TLayoutValue::TKind::Integer;
            v.Integer = negative ? -static_cast<int64_t>(value) : static_cast<int64_t>(value);
            return;
        }
        std::wstring digits;
        bool isFloat = false;
        while (IsDigit(Peek())) digits += Next();
        if (Peek() == L'.' && IsDigit(Peek(1))) {
            isFloat = true;
            digits += Next();
            while (IsDigit(Peek())) digits += Next();
        }
        if ((Peek() == L'e' || Peek() == L'E') &&
            (IsDigit(Peek(1)) || ((Peek(1) == L'-' || Peek(1) == L'+') && IsDigit(Peek(2))))) {
            isFloat = true;
            digits += Next();
            if (Peek() == L'-' || Peek() == L'+') digits += Next();
            while (IsDigit(Peek())) digits += Next();
        }
        if (digits.empty() || !IsDigit(digits[0])) Fail(L"Invalid number");
        if (IsIdentChar(Peek())) Fail(L"Invalid number");
        if (isFloat) {
            v.Kind = TLayoutValue::TKind::Float;
            v.Float = std::strtod(Utf8(digits).c_str(), nullptr);
            if (negative) v.Float = -v.Float;
            if (!std::isfinite(v.Float)) Fail(L"Number out of range");
            return;
        }
        if (digits.size() > 19) Fail(L"Integer out of range");
        uint64_t value = 0;
        for (wchar_t d : digits) value = value * 10 + static_cast<uint64_t>(d - L'0');
        if (value > static_cast<uint64_t>(INT64_MAX)) Fail(L"Integer out of range");
        v.Kind = TLayoutValue::TKind::Integer;
        v.Integer = negative ? -static_cast<int64_t>(value) : static_cast<int64_t>(value);
    }

    void ParseItems(TLayoutValue& v, int depth) {
        if (depth > kMaxDepth) Fail(L"Collections nested too deeply");
        for (;;) {
            SkipSpace();
            if (AtEnd()) FailAt(v.Line, v.Column, L"Unterminated collection: '>' expected");
            if (Peek() == L'>') {
                Next();
                return;
            }
            TLayoutItem item;
            item.Properties.reserve(kPropertiesReserved);
            item.Line = FLine;
            item.Column = FColumn;
            if (!IsIdentStart(Peek())) Fail(L"'item' expected");
            std::wstring word = ReadIdent(false);
            if (!SameIdent(word, L"item")) FailAt(item.Line, item.Column, L"'item' expected but '" + word + L"' found");
            for (;;) {
                SkipSpace();
                if (AtEnd()) FailAt(item.Line, item.Column, L"Unterminated item: 'end' expected");
                int line = FLine, column = FColumn;
                if (!IsIdentStart(Peek())) Fail(std::wstring(L"Unexpected character '") + Peek() + L"'");
                std::wstring path = ReadIdent(true);
                if (SameIdent(path, L"end")) break;
                item.Properties.push_back(ParseProperty(std::move(path), line, column, depth + 1));
            }
            v.Items.push_back(std::move(item));
        }
    }

    // Binary data of digits and line breaks alone stays text until its bytes are asked for
    // (TLayoutHexText); false, with nothing consumed, for anything else.
    bool KeepHexText(TLayoutValue& v) {
        THexScan scan;
        if (!ScanHexData(FText.data() + FPos, FText.size() - FPos, scan) || scan.Digits == 0 || scan.Digits % 2 != 0)
            return false;
        const size_t length = scan.Length;
        // Once per parse, and only for text that has such values: the values share it.
        if (!FShared) FShared = std::make_shared<const std::wstring>(FText);
        v.HexText = TLayoutHexText(FShared, FPos, length, scan.Digits / 2);
        const size_t after = FPos + length + 1;  // past the brace
        if (scan.LineBreaks > 0) {
            FLine += static_cast<int>(scan.LineBreaks);
            FColumn = static_cast<int>(after - (FPos + scan.LastBreak + 1)) + 1;
        } else {
            FColumn += static_cast<int>(after - FPos);
        }
        FPos = after;
        return true;
    }

    void ParseBinary(TLayoutValue& v) {
        if (KeepHexText(v)) return;
        // Picture data makes up most of a layout's text: read whole lines of digit pairs
        // in one pass, straight into room reserved up to the closing brace, and leave
        // everything else (spaces, comments, the end, errors) to the careful loop below.
        const wchar_t* text = FText.data();
        const size_t size = FText.size();
        const wchar_t* close = FindChar(text + FPos, size - FPos, L'}');
        v.Bytes.resize(close ? static_cast<size_t>(close - (text + FPos)) / 2 : 0);
        uint8_t* const first = v.Bytes.data();
        uint8_t* const last = first + v.Bytes.size();
        uint8_t* out = first;
        int high = -1;
        for (;;) {
            size_t at = FPos;
            const size_t room = std::min((size - at) & ~size_t(1), static_cast<size_t>(last - out) * 2);
            const size_t used = DecodeHexPairs(text + at, room, out);
            out += used / 2;
            at += used;
            FColumn += static_cast<int>(at - FPos);
            FPos = at;
            // The line break after a full line of pairs, then the next line's indent.
            while (at < size && (text[at] == L' ' || text[at] == L'\t' || text[at] == L'\r')) ++at;
            if (at >= size || text[at] != L'\n') break;
            ++at;
            size_t indent = at;
            while (indent < size && (text[indent] == L' ' || text[indent] == L'\t')) ++indent;
            if (indent + 1 >= size || HexDigit(text[indent]) < 0 || HexDigit(text[indent + 1]) < 0) break;
            FPos = indent;
            ++FLine;
            FColumn = static_cast<int>(indent - at) + 1;
        }
        v.Bytes.resize(static_cast<size_t>(out - first));
        for (;;) {
            SkipSpace();
            if (AtEnd()) FailAt(v.Line, v.Column, L"Unterminated binary data: '}' expected");
            wchar_t c = Peek();
            if (c == L'}') {
                Next();
                if (high >= 0) Fail(L"Odd number of hexadecimal digits in binary data");
                return;
            }
            int h = HexValue(c);
            if (h < 0) Fail(std::wstring(L"Invalid hexadecimal digit '") + c + L"' in binary data");
            Next();
            if (high < 0) {
                high = h;
            } else {
                v.Bytes.push_back(static_cast<uint8_t>(high * 16 + h));
                high = -1;
            }
        }
    }

    const std::wstring& FText;
    std::wstring FName;
    std::shared_ptr<const std::wstring> FShared;  // FText, once a value keeps a view into it
    size_t FPos = 0;
    int FLine = 1;
    int FColumn = 1;
};

// --- writing ------------------------------------------------------------------

std::wstring Indent(int n) {
    return std::wstring(static_cast<size_t>(n) * 2, L' ');
}

std::wstring QuoteString(const std::wstring& s) {
    if (s.empty()) return L"''";
    std::wstring out;
    bool inQuotes = false;
    for (wchar_t c : s) {
        bool plain = c >= 32 && c != 127 && !(c >= 0xD800 && c <= 0xDFFF);
        if (plain) {
            if (!inQuotes) {
                out += L'\'';
                inQuotes = true;
            }
            if (c == L'\'')
                out += L"''";
            else
                out += c;
        } else {
            if (inQuotes) {
                out += L'\'';
                inQuotes = false;
            }
            out += L'#' + std::to_wstring(static_cast<uint32_t>(c));
        }
    }
    if (inQuotes) out += L'\'';
    return out;
}

void WriteObject(const TLayoutObject& o, int depth, std::wstring& out);

void WriteProperties(const std::vector<TLayoutProperty>& props, int depth, std::wstring& out) {
    for (const auto& p : props) out += Indent(depth) + p.Path + L" = " + FormatLayoutValue(p.Value, depth) + L"\n";
}

void WriteObject(const TLayoutObject& o, int depth, std::wstring& out) {
    out += Indent(depth) + (o.Inline ? L"inline " : L"object ") + o.Name + L": " + o.ClassName + L"\n";
    WriteProperties(o.Properties, depth + 1, out);
    for (const auto& c : o.Children) WriteObject(c, depth + 1, out);
    out += Indent(depth) + L"end\n";
}

}  // namespace

ELayoutError::ELayoutError(const std::wstring& layout, int line, int column, const std::wstring& what)
    : Exception(layout + L"(" + std::to_wstring(line) + L":" + std::to_wstring(column) + L"): " + what),
      FFault(what),
      FLine(line),
      FColumn(column) {}

TLayoutObject ParseLayout(const std::wstring& text, const std::wstring& layoutName) {
    TParser parser(text, layoutName);
    return parser.ParseRoot();
}

TLayoutObject ParseLayout(std::shared_ptr<const std::wstring> text, const std::wstring& layoutName) {
    if (!text) text = std::make_shared<const std::wstring>();
    TParser parser(std::move(text), layoutName);
    return parser.ParseRoot();
}

std::wstring TLayoutHexText::Text() const {
    return FText ? FText->substr(FOffset, FLength) : std::wstring();
}

std::vector<uint8_t> TLayoutHexText::Decode() const {
    if (!FText) return {};
    std::vector<uint8_t> bytes(FByteCount);
    // Bounded by the text's end as well as by the byte count, whatever the caller claimed.
    const size_t offset = std::min(FOffset, FText->size());
    const wchar_t* at = FText->data() + offset;
    const wchar_t* const end = at + std::min(FLength, FText->size() - offset);
    uint8_t* out = bytes.data();
    uint8_t* const last = out + bytes.size();
    int high = -1;
    while (at < end && out < last) {
        if (high < 0) {
            // Runs of whole pairs (a line of them) at once.
            const size_t room =
                std::min(static_cast<size_t>(end - at) & ~size_t(1), static_cast<size_t>(last - out) * 2);
            const size_t used = DecodeHexPairs(at, room, out);
            at += used;
            out += used / 2;
            if (at >= end || out >= last) break;
        }
        const int digit = HexDigit(*at++);
        if (digit < 0) continue;  // a space or line break (a pair may be split by them)
        if (high < 0) {
            high = digit;
        } else {
            *out++ = static_cast<uint8_t>(high << 4 | digit);
            high = -1;
        }
    }
    bytes.resize(static_cast<size_t>(out - bytes.data()));
    return bytes;
}

std::wstring FormatLayoutValue(const TLayoutValue& v, int depth) {
    switch (v.Kind) {
        case TLayoutValue::TKind::Integer:
            if (v.Hex && v.Integer >= 0 && v.Integer <= 0xFFFFFFFFLL) {
                wchar_t buffer[16];
                std::swprintf(buffer, 16, L"$%08X", static_cast<unsigned>(v.Integer));
                return buffer;
            }
            return std::to_wstring(v.Integer);
        case TLayoutValue::TKind::Float: {
            wchar_t buffer[64];
            std::swprintf(buffer, 64, L"%.17g", v.Float);
            std::wstring s = buffer;
            if (s.find_first_of(L".eEn") == std::wstring::npos) s += L".0";
            return s;
        }
        case TLayoutValue::TKind::String:
            return QuoteString(v.Text);
        case TLayoutValue::TKind::Ident:
            return v.Text;
        case TLayoutValue::TKind::Resource:
            return L"resource(" + QuoteString(v.Text) + L")";
        case TLayoutValue::TKind::Set: {
            std::wstring s = L"[";
            for (size_t i = 0; i < v.Idents.size(); ++i) s += (i ? L", " : L"") + v.Idents[i];
            return s + L"]";
        }
        case TLayoutValue::TKind::StringList: {
            std::wstring s = L"(";
            for (size_t i = 0; i < v.Strings.size(); ++i) s += L"\n" + Indent(depth + 1) + QuoteString(v.Strings[i]);
            return s + L")";
        }
        case TLayoutValue::TKind::Binary: {
            static const wchar_t* kHex = L"0123456789ABCDEF";
            const std::vector<uint8_t> bytes = v.BinaryBytes();
            std::wstring s = L"{";
            for (size_t i = 0; i < bytes.size(); ++i) {
                if (i % 32 == 0) s += L"\n" + Indent(depth + 1);
                s += kHex[bytes[i] >> 4];
                s += kHex[bytes[i] & 15];
            }
            return s + L"}";
        }
        case TLayoutValue::TKind::Collection: {
            std::wstring s = L"<";
            for (const auto& item : v.Items) {
                s += L"\n" + Indent(depth + 1) + L"item\n";
                std::wstring props;
                WriteProperties(item.Properties, depth + 2, props);
                s += props + Indent(depth + 1) + L"end";
            }
            return s + L">";
        }
    }
    return {};
}

std::wstring WriteLayout(const TLayoutObject& root) {
    std::wstring out;
    WriteObject(root, 0, out);
    return out;
}

std::wstring LayoutTextFromUtf8(const std::string& bytes) {
    std::wstring out;
    size_t i = 0, n = bytes.size();
    if (n >= 3 && static_cast<uint8_t>(bytes[0]) == 0xEF && static_cast<uint8_t>(bytes[1]) == 0xBB &&
        static_cast<uint8_t>(bytes[2]) == 0xBF)
        i = 3;
    while (i < n) {
        uint8_t b = static_cast<uint8_t>(bytes[i]);
        uint32_t cp;
        size_t len;
        if (b < 0x80) {
            cp = b;
            len = 1;
        } else if ((b & 0xE0) == 0xC0) {
            cp = b & 0x1F;
            len = 2;
        } else if ((b & 0xF0) == 0xE0) {
            cp = b & 0x0F;
            len = 3;
        } else if ((b & 0xF8) == 0xF0) {
            cp = b & 0x07;
            len = 4;
        } else {
            out += static_cast<wchar_t>(0xFFFD);
            ++i;
            continue;
        }
        if (i + len > n) {
            out += static_cast<wchar_t>(0xFFFD);
            break;
        }
        bool ok = true;
        for (size_t k = 1; k < len; ++k) {
            uint8_t c = static_cast<uint8_t>(bytes[i + k]);
            if ((c & 0xC0) != 0x80) ok = false;
            cp = (cp << 6) | (c & 0x3F);
        }
        if (!ok || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            out += static_cast<wchar_t>(0xFFFD);
            ++i;
            continue;
        }
        AppendCodePoint(out, cp);
        i += len;
    }
    return out;
}

std::string LayoutTextToUtf8(const std::wstring& text) {
    return WideToUtf8(text);
}

}  // namespace orv
