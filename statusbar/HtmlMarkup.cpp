#include "statusbar/HtmlMarkup.h"

#include <algorithm>
#include <climits>

namespace orv {

namespace {

wchar_t AsciiUpper(wchar_t c) {
    return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

bool StartsWithNoCase(std::wstring_view text, std::wstring_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (AsciiUpper(text[i]) != AsciiUpper(prefix[i])) return false;
    return true;
}

void ReplaceAll(std::wstring& text, std::wstring_view from, std::wstring_view to) {
    if (from.empty()) return;
    std::wstring out;
    out.reserve(text.size());
    size_t start = 0;
    for (;;) {
        size_t at = text.find(from, start);
        if (at == std::wstring::npos) break;
        out.append(text, start, at - start);
        out.append(to);
        start = at + from.size();
    }
    if (start == 0) return;
    out.append(text, start, std::wstring::npos);
    text = std::move(out);
}

struct TNamedColor {
    const wchar_t* Name;
    TColor Color;
};

// Standard colours and the system colours the markup knows, by lower-case name.
constexpr TNamedColor kColorNames[] = {
    {L"clred", clRed},
    {L"clblack", clBlack},
    {L"clblue", clBlue},
    {L"clgreen", clGreen},
    {L"claqua", clAqua},
    {L"clyellow", clYellow},
    {L"clfuchsia", clFuchsia},
    {L"clwhite", clWhite},
    {L"cllime", clLime},
    {L"clsilver", clSilver},
    {L"clgray", clGray},
    {L"clolive", clOlive},
    {L"clnavy", clNavy},
    {L"clpurple", clPurple},
    {L"clteal", clTeal},
    {L"clmaroon", clMaroon},
    {L"clbackground", clBackground},
    {L"clactivecaption", clActiveCaption},
    {L"clinactivecaption", clInactiveCaption},
    {L"clmenu", clMenu},
    {L"clwindow", clWindow},
    {L"clwindowframe", clWindowFrame},
    {L"clmenutext", clMenuText},
    {L"clwindowtext", clWindowText},
    {L"clcaptiontext", clCaptionText},
    {L"clactiveborder", clActiveBorder},
    {L"clinactiveborder", clInactiveBorder},
    {L"clappworkspace", clAppWorkSpace},
    {L"clhighlight", clHighlight},
    {L"clhighlighttext", clHighlightText},
    {L"clbtnface", clBtnFace},
    {L"clbtnshadow", clBtnShadow},
    {L"clgraytext", clGrayText},
    {L"clbtntext", clBtnText},
    {L"clinactivecaptiontext", clInactiveCaptionText},
    {L"clbtnhighlight", clBtnHighlight},
    {L"cl3ddkshadow", cl3DDkShadow},
    {L"cl3dlight", cl3DLight},
    {L"clinfotext", clInfoText},
    {L"clinfobk", clInfoBk},
};

int HexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;  // "#ff0000" is the colour "#FF0000" names
    return 0;
}

struct TEntity {
    std::wstring_view Name;  // between "&" and ";"
    wchar_t Character;
    bool RunOnly;  // decoded in runs, left alone in tags
};

constexpr TEntity kEntities[] = {
    {L"amp", L'&', false},     {L"quot", L'"', false},     {L"sect", L'\u00A7', false}, {L"permil", L'\u2030', false},
    {L"reg", L'\u00AE', false}, {L"copy", L'\u00A9', false}, {L"para", L'\u00B6', false}, {L"trade", L'\u2122', false},
    {L"euro", L'\u20AC', false}, {L"nbsp", L' ', true},       {L"lt", L'<', true},        {L"gt", L'>', true},
};

// The entity written at text[at] (an "&"): its character and length, or false.
bool EntityAt(std::wstring_view text, size_t at, bool inRun, wchar_t& character, size_t& length) {
    for (const TEntity& e : kEntities) {
        if (e.RunOnly && !inRun) continue;
        const size_t end = at + 1 + e.Name.size();
        if (end < text.size() && text[end] == L';' && text.substr(at + 1, e.Name.size()) == e.Name) {
            character = e.Character;
            length = e.Name.size() + 2;
            return true;
        }
    }
    return false;
}

bool AllDigits(std::wstring_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

// A string of digits as a number, or -1 when it exceeds what an index can be.
int DigitsValue(std::wstring_view digits) {
    long long value = 0;
    for (wchar_t c : digits) {
        value = value * 10 + (c - L'0');
        if (value > INT_MAX) return -1;
    }
    return static_cast<int>(value);
}

}  // namespace

std::wstring HtmlUpper(std::wstring_view text) {
    std::wstring out(text);
    for (wchar_t& c : out) c = AsciiUpper(c);
    return out;
}

std::wstring PrepareHtmlText(std::wstring_view text) {
    std::wstring s(text);
    s.erase(std::remove(s.begin(), s.end(), L'\n'), s.end());
    ReplaceAll(s, L"\r", L"<BR>");
    // The first "<#" marker: the marker and the next ">" go, the text between stays.
    size_t marker = s.find(L"<#");
    if (marker != std::wstring::npos) {
        size_t close = s.find(L'>', marker + 2);
        if (close != std::wstring::npos) {
            s.erase(close, 1);
            s.erase(marker, 2);
        }
    }
    return s;
}

std::wstring DisplayRunText(std::wstring_view run, bool prefixes) {
    if (run.find(L'&') == std::wstring_view::npos) return std::wstring(run);
    std::wstring out;
    out.reserve(run.size());
    for (size_t i = 0; i < run.size(); ++i) {
        if (run[i] != L'&') {
            out += run[i];
            continue;
        }
        wchar_t character;
        size_t length;
        if (EntityAt(run, i, true, character, length)) {
            out += character;
            i += length - 1;
        } else if (!prefixes) {
            out += L'&';
        } else if (i + 1 < run.size() && run[i + 1] == L'&') {
            out += L'&';
            ++i;
        }
    }
    return out;
}

std::wstring DecodeTagEntities(std::wstring_view tagText) {
    if (tagText.find(L'&') == std::wstring_view::npos) return std::wstring(tagText);
    std::wstring out;
    out.reserve(tagText.size());
    for (size_t i = 0; i < tagText.size(); ++i) {
        wchar_t character;
        size_t length;
        if (tagText[i] == L'&' && EntityAt(tagText, i, false, character, length)) {
            out += character;
            i += length - 1;
        } else {
            out += tagText[i];
        }
    }
    return out;
}

bool HtmlShowsAmpersands(std::wstring_view prepared) {
    return prepared.find(L" & ") != std::wstring_view::npos;
}

std::vector<THtmlToken> TokenizeHtml(std::wstring_view text) {
    std::vector<THtmlToken> tokens;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == L'<') {
            size_t close = text.find(L'>', i + 1);
            if (close != std::wstring_view::npos) {
                THtmlToken tag;
                tag.IsTag = true;
                size_t start = i + 1;
                if (start < close && text[start] == L'/') {
                    tag.Closing = true;
                    ++start;
                }
                tag.Text = DecodeTagEntities(text.substr(start, close - start));
                tokens.push_back(std::move(tag));
                i = close + 1;
                continue;
            }
            // No ">" anywhere after it: the rest is text.
            tokens.push_back({false, false, std::wstring(text.substr(i))});
            break;
        }
        size_t next = text.find(L'<', i + 1);
        if (next == std::wstring_view::npos) next = text.size();
        tokens.push_back({false, false, std::wstring(text.substr(i, next - i))});
        i = next;
    }
    return tokens;
}

THtmlTag ClassifyHtmlTag(std::wstring_view tagText) {
    // A tag is decided by its first characters; "X>" means the tag text is exactly "X".
    std::wstring t = HtmlUpper(tagText.substr(0, std::min<size_t>(tagText.size(), 8)));
    const bool single = tagText.size() == 1;
    auto starts = [&](std::wstring_view p) { return t.compare(0, p.size(), p) == 0; };
    if (t.empty()) return THtmlTag::None;
    if (single) {
        switch (t[0]) {
            case L'B':
                return THtmlTag::Bold;
            case L'I':
                return THtmlTag::Italic;
            case L'U':
                return THtmlTag::Underline;
            case L'S':
                return THtmlTag::StrikeOut;
            default:
                break;
        }
    }
    if (tagText.size() == 3 && t == L"SUB") return THtmlTag::Subscript;
    if (tagText.size() == 3 && t == L"SUP") return THtmlTag::Superscript;
    if (starts(L"BR")) return THtmlTag::Break;
    if (starts(L"BO")) return THtmlTag::Body;
    if (starts(L"BL")) return THtmlTag::Blink;
    if (starts(L"HI")) return THtmlTag::Highlight;
    if (starts(L"HR")) return THtmlTag::Rule;
    if (starts(L"UL")) return THtmlTag::List;
    if (starts(L"IN")) return THtmlTag::Indent;
    if (starts(L"IM")) return THtmlTag::Image;
    if (starts(L"OF")) return THtmlTag::Offset;
    if (starts(L"SH")) return THtmlTag::Shadow;
    switch (t[0]) {
        case L'A':
            return THtmlTag::Anchor;
        case L'F':
            return THtmlTag::Font;
        case L'P':
            return THtmlTag::Paragraph;
        case L'L':
            return THtmlTag::ListItem;
        case L'E':
            return THtmlTag::Error;
        case L'R':
            return THtmlTag::Rotate;
        case L'Z':
            return THtmlTag::Hidden;
        default:
            return THtmlTag::None;
    }
}

bool FindHtmlAttribute(std::wstring_view tagText, std::wstring_view upperName, std::wstring& value) {
    if (upperName.empty()) return false;
    const std::wstring upper = HtmlUpper(tagText);
    size_t from = 0;
    for (;;) {
        size_t at = upper.find(upperName, from);
        if (at == std::wstring::npos) return false;
        size_t p = at + upperName.size();
        while (p < upper.size() && upper[p] == L' ') ++p;
        if (p >= upper.size() || upper[p] != L'=') {
            from = at + 1;
            continue;
        }
        ++p;
        while (p < upper.size() && upper[p] == L' ') ++p;
        if (p < tagText.size() && tagText[p] == L'"') {
            // An unclosed quote ends at the tag's end.
            size_t end = tagText.find(L'"', p + 1);
            if (end == std::wstring_view::npos) end = tagText.size();
            value.assign(tagText.substr(p + 1, end - p - 1));
        } else {
            size_t end = tagText.find(L' ', p);
            if (end == std::wstring_view::npos) end = tagText.size();
            value.assign(tagText.substr(p, end - p));
        }
        return true;
    }
}

std::wstring FirstQuotedValue(std::wstring_view tagText) {
    size_t open = tagText.find(L'"');
    if (open == std::wstring_view::npos) return {};
    size_t close = tagText.find(L'"', open + 1);
    if (close == std::wstring_view::npos) close = tagText.size();
    return std::wstring(tagText.substr(open + 1, close - open - 1));
}

int ParseHtmlInt(std::wstring_view text, int fallback, int low, int high) {
    size_t i = 0;
    while (i < text.size() && text[i] == L' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) negative = text[i++] == L'-';
    if (i >= text.size() || text[i] < L'0' || text[i] > L'9') return fallback;
    long long value = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        value = value * 10 + (text[i] - L'0');
        if (value > INT_MAX) value = INT_MAX;  // saturate: huge sizes are clamped below
    }
    if (negative) value = -value;
    return static_cast<int>(std::clamp<long long>(value, low, high));
}

TColor HtmlColor(std::wstring_view value) {
    if (!value.empty() && value[0] == L'#') {
        int digits[6] = {};
        for (size_t i = 0; i < 6 && i + 1 < value.size(); ++i) digits[i] = HexDigit(value[i + 1]);
        const int r = digits[0] * 16 + digits[1], g = digits[2] * 16 + digits[3], b = digits[4] * 16 + digits[5];
        return static_cast<TColor>(r + g * 256 + b * 65536);
    }
    std::wstring lower(value);
    for (wchar_t& c : lower)
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    for (const TNamedColor& named : kColorNames)
        if (lower == named.Name) return named.Color;
    return clBlack;
}

int HtmlFontPoints(int sizeValue) {
    switch (sizeValue) {
        case 1:
            return 8;
        case 2:
            return 10;
        case 3:
            return 12;
        case 4:
            return 14;
        case 5:
            return 16;
        default:
            return sizeValue;
    }
}

THtmlPictureRef ClassifyPictureRef(std::wstring_view ref, int imageCount) {
    THtmlPictureRef result;
    if (StartsWithNoCase(ref, L"IDX:")) {
        std::wstring_view digits = ref.substr(4);
        if (!AllDigits(digits)) return result;
        int n = DigitsValue(digits);
        if (n < 0 || n >= imageCount) return result;
        result.Kind = THtmlPictureKind::ImageIndex;
        result.Index = n;
        return result;
    }
    const bool small = StartsWithNoCase(ref, L"SSYS:");
    if (small || StartsWithNoCase(ref, L"LSYS:")) {
        result.Kind = small ? THtmlPictureKind::SmallSystem : THtmlPictureKind::LargeSystem;
        std::wstring_view rest = ref.substr(5);
        if (AllDigits(rest)) {
            result.Index = DigitsValue(rest);
            if (result.Index < 0) result.Kind = THtmlPictureKind::None;
            return result;
        }
        if (rest.empty()) {
            result.Kind = THtmlPictureKind::None;
            return result;
        }
        result.Name.assign(rest);
        result.NetworkPath = IsNetworkPathForm(rest);
        return result;
    }
    if (ref.find(L':') == std::wstring_view::npos) {
        result.Kind = THtmlPictureKind::Named;
        result.Name.assign(ref);
        return result;
    }
    if (ref.find(L"://") != std::wstring_view::npos) {
        result.Kind = THtmlPictureKind::Url;
        result.Name.assign(ref);
        std::wstring_view path;
        result.NetworkPath = FileUrlPath(ref, path) && IsNetworkPathForm(path);
    }
    return result;
}

bool IsNetworkPathForm(std::wstring_view path) {
    auto slash = [](wchar_t c) { return c == L'\\' || c == L'/'; };
    return path.size() >= 2 && slash(path[0]) && slash(path[1]);
}

bool FileUrlPath(std::wstring_view ref, std::wstring_view& path) {
    if (!StartsWithNoCase(ref, L"FILE://")) return false;
    path = ref.substr(7);
    return true;
}

bool AnchorOpensWithShell(std::wstring_view target) {
    return StartsWithNoCase(target, L"http://") || StartsWithNoCase(target, L"https://") ||
           StartsWithNoCase(target, L"mailto:");
}

}  // namespace orv
