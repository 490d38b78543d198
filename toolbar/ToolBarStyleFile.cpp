#include "toolbar/ToolBarStyleFile.h"

#include <windows.h>

#include "framework/Graphics.h"
#include "framework/Streams.h"
#include "framework/StringList.h"
#include "framework/SysUtils.h"
#include "toolbar/OrvToolBarStylers.h"
#include "toolbar/ToolBarStylerPaths.h"

namespace orv {

namespace {

// Keys of a group written under a prefix.
void AddGroup(std::vector<std::wstring>& keys, const std::wstring& prefix,
              std::initializer_list<const wchar_t*> names) {
    for (const wchar_t* n : names) keys.push_back(prefix + n);
}

const std::initializer_list<const wchar_t*> kGradientKeys = {
    L"Color",        L"ColorTo",        L"Direction",          L"Steps",
    L"Mirror.Color", L"Mirror.ColorTo", L"Mirror.ColorMirror", L"Mirror.ColorMirrorTo"};
const std::initializer_list<const wchar_t*> kCaptionKeys = {
    L"CaptionColor",    L"CaptionColorTo",    L"CaptionTextColor",    L"CaptionBorderColor",
    L"CaptionColorHot", L"CaptionColorHotTo", L"CaptionTextColorHot", L"CaptionBorderColorHot"};
const std::initializer_list<const wchar_t*> kGlowKeys = {L"BorderColor",
                                                         L"BorderColorHot",
                                                         L"BorderColorDown",
                                                         L"BorderColorChecked",
                                                         L"BorderColorDisabled",
                                                         L"Color",
                                                         L"ColorTo",
                                                         L"ColorChecked",
                                                         L"ColorCheckedTo",
                                                         L"ColorDisabled",
                                                         L"ColorDisabledTo",
                                                         L"ColorDown",
                                                         L"ColorDownTo",
                                                         L"ColorHot",
                                                         L"ColorHotTo",
                                                         L"ColorMirror",
                                                         L"ColorMirrorTo",
                                                         L"ColorMirrorHot",
                                                         L"ColorMirrorHotTo",
                                                         L"ColorMirrorDown",
                                                         L"ColorMirrorDownTo",
                                                         L"ColorMirrorChecked",
                                                         L"ColorMirrorCheckedTo",
                                                         L"ColorMirrorDisabled",
                                                         L"ColorMirrorDisabledTo",
                                                         L"Gradient",
                                                         L"GradientMirror",
                                                         L"GradientHot",
                                                         L"GradientMirrorHot",
                                                         L"GradientDown",
                                                         L"GradientMirrorDown",
                                                         L"GradientChecked",
                                                         L"GradientMirrorChecked",
                                                         L"GradientDisabled",
                                                         L"GradientMirrorDisabled"};
const std::initializer_list<const wchar_t*> kTabKeys = {L"BorderColor",
                                                        L"BorderColorHot",
                                                        L"BorderColorSelected",
                                                        L"BorderColorSelectedHot",
                                                        L"BorderColorDown",
                                                        L"BorderColorDisabled",
                                                        L"Color",
                                                        L"ColorTo",
                                                        L"ColorSelected",
                                                        L"ColorSelectedTo",
                                                        L"ColorDisabled",
                                                        L"ColorDisabledTo",
                                                        L"ColorHot",
                                                        L"ColorHotTo",
                                                        L"ColorMirror",
                                                        L"ColorMirrorTo",
                                                        L"ColorMirrorHot",
                                                        L"ColorMirrorHotTo",
                                                        L"ColorMirrorSelected",
                                                        L"ColorMirrorSelectedTo",
                                                        L"ColorMirrorDisabled",
                                                        L"ColorMirrorDisabledTo",
                                                        L"Font.Color",
                                                        L"Font.Style",
                                                        L"Font.Size",
                                                        L"Font.Name",
                                                        L"Gradient",
                                                        L"GradientMirror",
                                                        L"GradientHot",
                                                        L"GradientMirrorHot",
                                                        L"GradientSelected",
                                                        L"GradientMirrorSelected",
                                                        L"GradientDisabled",
                                                        L"GradientMirrorDisabled",
                                                        L"TextColor",
                                                        L"TextColorHot",
                                                        L"TextColorSelected",
                                                        L"TextColorDisabled",
                                                        L"ShadowColor",
                                                        L"HighLightColor",
                                                        L"HighLightColorHot",
                                                        L"HighLightColorSelected",
                                                        L"HighLightColorSelectedHot",
                                                        L"HighLightColorDown"};

std::vector<std::wstring> MakeKeys() {
    std::vector<std::wstring> k;
    AddGroup(k, L"ButtonAppearance.",
             {L"Color",
              L"ColorTo",
              L"ColorChecked",
              L"ColorCheckedTo",
              L"ColorDown",
              L"ColorDownTo",
              L"ColorHot",
              L"ColorHotTo",
              L"CaptionTextColor",
              L"CaptionTextColorHot",
              L"CaptionTextColorDown",
              L"CaptionTextColorChecked",
              L"GradientDirection",
              L"GradientDirectionHot",
              L"GradientDirectionDown",
              L"GradientDirectionChecked",
              L"BorderColor",
              L"BorderDownColor",
              L"BorderHotColor",
              L"BorderCheckedColor",
              L"CaptionFont.Color",
              L"CaptionFont.Style",
              L"CaptionFont.Size",
              L"CaptionFont.Name"});
    AddGroup(k, L"Color.", kGradientKeys);
    AddGroup(k, L"DockColor.", {L"Color", L"ColorTo", L"Direction", L"Steps"});
    AddGroup(k, L"Font.", {L"Color", L"Style", L"Size", L"Name"});
    AddGroup(k, L"",
             {L"DragGripStyle", L"RightHandleColor", L"RightHandleColorHot", L"RightHandleColorTo",
              L"RightHandleColorHotTo", L"RightHandleColorDown", L"RightHandleColorDownTo",
              L"FloatingWindowBorderColor", L"FloatingWindowBorderWidth"});
    AddGroup(k, L"CaptionAppearance.", kCaptionKeys);
    AddGroup(k, L"", {L"BorderColor", L"BorderColorHot"});
    AddGroup(k, L"ColorHot.", kGradientKeys);
    AddGroup(k, L"CaptionFont.", {L"Color", L"Style", L"Size"});
    AddGroup(k, L"ContainerAppearance.", {L"LineColor", L"Line3D"});
    AddGroup(k, L"GlowButtonAppearance.", kGlowKeys);
    AddGroup(k, L"PagerCaption.",
             {L"BorderColor", L"Color", L"ColorTo", L"ColorMirror", L"ColorMirrorTo", L"Gradient", L"GradientMirror",
              L"Steps", L"TextColor", L"Font.Color", L"Font.Style", L"Font.Size", L"Font.Name"});
    AddGroup(k, L"TabAppearance.",
             {L"BackGround.Color", L"BackGround.ColorTo", L"BackGround.Direction", L"BackGround.Steps"});
    AddGroup(k, L"TabAppearance.", kTabKeys);
    AddGroup(k, L"PageAppearance.",
             {L"BorderColor", L"Color", L"ColorTo", L"ColorMirror", L"ColorMirrorTo", L"ShadowColor", L"Gradient",
              L"GradientMirror", L"Steps"});
    AddGroup(k, L"GroupAppearance.",
             {L"BorderColor", L"Color", L"ColorTo", L"ColorMirror", L"ColorMirrorTo", L"Font.Color", L"Font.Style",
              L"Font.Size", L"Font.Name", L"Gradient", L"GradientMirror", L"TextColor"});
    AddGroup(k, L"GroupAppearance.CaptionAppearance.", kCaptionKeys);
    AddGroup(k, L"GroupAppearance.PageAppearance.",
             {L"BorderColor", L"Color", L"ColorTo", L"ColorMirror", L"ColorMirrorTo", L"Gradient", L"GradientMirror",
              L"Steps"});
    AddGroup(k, L"GroupAppearance.TabAppearance.", kTabKeys);
    AddGroup(k, L"GroupAppearance.ToolBarAppearance.",
             {L"BorderColor", L"BorderColorHot", L"Color.Color", L"Color.ColorTo", L"Color.Direction", L"Color.Steps",
              L"ColorHot.Color", L"ColorHot.ColorTo", L"ColorHot.Direction", L"ColorHot.Steps"});
    AddGroup(k, L"CompactGlowButtonAppearance.", kGlowKeys);
    AddGroup(
        k, L"QATAppearance.",
        {L"BorderColor", L"Color", L"ColorTo", L"FullSizeBorderColor", L"FullSizeColor", L"FullSizeColorTo", L"Steps"});
    k.push_back(L"FormBorderColor");
    return k;
}

struct TStyleName {
    TToolBarStyle Style;
    const wchar_t* Name;
};

// The header names, in the order other programs know them; bsOffice2007Silver has its
// own name so that a file of that style loads back as that style.
const TStyleName kStyleNames[] = {
    {bsOffice2003Blue, L"bsOffice2003Blue"},
    {bsOffice2003Silver, L"bsOffice2003Silver"},
    {bsOffice2003Olive, L"bsOffice2003Olive"},
    {bsOffice2003Classic, L"bsOffice2003Classic"},
    {bsOffice2007Luna, L"bsOffice2007Luna"},
    {bsOffice2007Obsidian, L"bsOffice2007Obsidian"},
    {bsWindowsXP, L"bsWindowsXP"},
    {bsWhidbeyStyle, L"bsWhidbey"},
    {bsCustom, L"bsCustom"},
    {bsOfficeXP, L"bsOfficeXP"},
    {bsWindowsVista, L"bsWindowsVista"},
    {bsWindows7, L"bsWindows7"},
    {bsTerminal, L"bsTerminal"},
    {bsOffice2010Blue, L"bsOffice2010Blue"},
    {bsOffice2010Silver, L"bsOffice2010Silver"},
    {bsOffice2010Black, L"bsOffice2010Black"},
    {bsOffice2007Silver, L"bsOffice2007Silver"},
    {bsWhidbeyStyle, L"bsWhidbeyStyle"},
};

const TEnumInfo kFontStyleNames{{L"fsBold", L"fsItalic", L"fsUnderline", L"fsStrikeOut"}};

bool IsFontSizePath(const TStylerProperty& p) {
    return p.SizeOf != nullptr;
}

// The file holds one value per line, so a line break inside a text value (a font name
// set from code) is written as one blank: the file then reads back as written.
std::wstring OneLine(const std::wstring& text) {
    std::wstring line;
    line.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        wchar_t c = text[i];
        if (c != L'\r' && c != L'\n') {
            line += c;
            continue;
        }
        if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
        line += L' ';
    }
    return line;
}

// The text of one value.
std::wstring FormatValue(const TStylerProperty& p) {
    if (IsFontSizePath(p)) return IntToStr(p.SizeOf->GetSize());
    const TPropInfo& prop = *p.Prop;
    switch (prop.Kind) {
        case TPropKind::Color:
            return ColorToString(static_cast<TColor>(prop.GetInt(p.Object)));
        case TPropKind::Bool:
            return prop.GetInt(p.Object) ? L"True" : L"False";
        case TPropKind::Enum: {
            int64_t v = prop.GetInt(p.Object);
            if (v >= 0 && v < static_cast<int64_t>(prop.Enum->Names.size()))
                return prop.Enum->Names[static_cast<size_t>(v)];
            return IntToStr(v);
        }
        case TPropKind::Set: {
            std::wstring text;
            int64_t v = prop.GetInt(p.Object);
            for (size_t i = 0; i < kFontStyleNames.Names.size(); ++i)
                if (v & (int64_t(1) << i)) text += (text.empty() ? L"" : L",") + kFontStyleNames.Names[i];
            return text;
        }
        case TPropKind::String:
            return OneLine(prop.GetString(p.Object));
        default:
            return IntToStr(prop.GetInt(p.Object));
    }
}

// Numbers outside these keep the current value: they come from a file, and a step
// count of zero or a negative width would break every later paint.
bool InRange(const std::wstring& key, int value) {
    auto endsWith = [&key](const wchar_t* tail) {
        size_t n = wcslen(tail);
        return key.size() >= n && key.compare(key.size() - n, n, tail) == 0;
    };
    if (endsWith(L"Steps")) return value >= 1 && value <= 1024;
    if (endsWith(L"Width")) return value >= 0 && value <= 100;
    // A font given by its cell height (a positive height) has a negative size.
    if (endsWith(L"Size")) return value >= -500 && value <= 500;
    return true;
}

[[noreturn]] void BadLine(int line, const std::wstring& key, const std::wstring& why) {
    throw EConvertError(L"Style file line " + IntToStr(line) + L" (" + key + L"): " + why);
}

// Converts the value fully before anything is written, so a bad value changes nothing.
void ApplyValue(const TStylerProperty& p, const std::wstring& key, const std::vector<std::wstring>& items,
                const std::wstring& value, int line) {
    if (IsFontSizePath(p)) {
        int size = StrToInt(value);
        if (InRange(key, size)) p.SizeOf->SetSize(size);
        return;
    }
    const TPropInfo& prop = *p.Prop;
    switch (prop.Kind) {
        case TPropKind::Color:
            prop.SetInt(p.Object, StringToColor(value));
            return;
        case TPropKind::Bool:
            prop.SetInt(p.Object, SameText(value, L"TRUE") ? 1 : 0);
            return;
        case TPropKind::Enum: {
            int index = prop.Enum->IndexOf(value);
            if (index < 0) BadLine(line, key, L"'" + value + L"' is not a valid value");
            prop.SetInt(p.Object, index);
            return;
        }
        case TPropKind::Set: {
            // The names present on the line, whether or not the list was quoted.
            int64_t styles = 0;
            auto add = [&styles](const std::wstring& text) {
                for (const std::wstring& name : SplitCommaList(text)) {
                    int i = kFontStyleNames.IndexOf(name);
                    if (i >= 0) styles |= int64_t(1) << i;
                }
            };
            add(value);
            for (size_t i = 1; i < items.size(); ++i) add(items[i]);
            prop.SetInt(p.Object, styles);
            return;
        }
        case TPropKind::String:
            prop.SetString(p.Object, value);
            return;
        default: {
            int number = StrToInt(value);
            if (InRange(key, number)) prop.SetInt(p.Object, number);
            return;
        }
    }
}

// The file's lines: UTF-8 (with or without a byte order mark), UTF-16 with one, else the
// ANSI code page.
std::vector<std::wstring> ReadLines(const std::wstring& fileName) {
    TStringList lines;
    try {
        lines.LoadFromFile(fileName);
    } catch (const EFOpenError&) {
        throw EReadError(L"Cannot open file " + fileName);
    }
    return lines.ToVector();
}

// The value of key among the line's items ("Key=Value"), or false.
bool FindValue(const std::vector<std::wstring>& items, const std::wstring& key, std::wstring& value) {
    for (const std::wstring& item : items) {
        size_t eq = item.find(L'=');
        if (eq != std::wstring::npos && SameText(item.substr(0, eq), key)) {
            value = item.substr(eq + 1);
            return true;
        }
    }
    return false;
}

}  // namespace

const std::vector<std::wstring>& StyleFileKeys() {
    static const std::vector<std::wstring> keys = MakeKeys();
    return keys;
}

std::wstring StyleFileName(TToolBarStyle style) {
    for (const TStyleName& n : kStyleNames)
        if (n.Style == style) return n.Name;
    return kStyleNames[0].Name;
}

bool StyleFromFileName(const std::wstring& name, TToolBarStyle& style) {
    for (const TStyleName& n : kStyleNames)
        if (SameText(name, n.Name)) {
            style = n.Style;
            return true;
        }
    return false;
}

std::vector<std::wstring> SplitCommaList(const std::wstring& line) {
    TStringList items;
    items.SetCommaText(line);
    return items.ToVector();
}

std::wstring QuoteCommaItem(const std::wstring& entry) {
    TStringList items;
    items.Add(entry);
    return items.GetCommaText();
}

void TOrvToolBarOfficeStyler::SaveToFile(const std::wstring& fileName) {
    TStringList lines;
    lines.Add(StyleFileName(FStyle));
    lines.Add(QuoteCommaItem(std::wstring(L"AutoThemeAdapt=") + (GetAutoThemeAdapt() ? L"True" : L"False")));
    for (const std::wstring& key : StyleFileKeys()) {
        TStylerProperty p;
        if (!FindStylerProperty(*this, key, p)) throw EInvalidOperation(L"No styler value \"" + key + L"\"");
        std::wstring entry = key + L"=" + FormatValue(p);
        bool commaList = (p.Prop && (p.Prop->Kind == TPropKind::String || p.Prop->Kind == TPropKind::Bool));
        lines.Add(commaList ? QuoteCommaItem(entry) : entry);
    }
    try {
        lines.SaveToFile(fileName);
    } catch (const EStreamError&) {
        throw EInvalidOperation(L"Cannot Create " + fileName);
    }
}

void TOrvToolBarOfficeStyler::LoadFromFile(const std::wstring& fileName) {
    std::vector<std::wstring> lines = ReadLines(fileName);
    TToolBarStyle style;
    std::vector<std::wstring> header = lines.empty() ? std::vector<std::wstring>() : SplitCommaList(lines[0]);
    if (!header.empty() && StyleFromFileName(header[0], style)) SetStyle(style);

    auto lineItems = [&lines](size_t index) {
        return index < lines.size() ? SplitCommaList(lines[index]) : std::vector<std::wstring>();
    };
    std::wstring value;
    if (!FindValue(lineItems(1), L"AutoThemeAdapt", value)) BadLine(2, L"AutoThemeAdapt", L"missing value");
    SetAutoThemeAdapt(SameText(value, L"TRUE"));

    const auto& keys = StyleFileKeys();
    for (size_t k = 0; k < keys.size(); ++k) {
        int line = static_cast<int>(k) + 3;
        std::vector<std::wstring> items = lineItems(k + 2);
        if (!FindValue(items, keys[k], value)) BadLine(line, keys[k], L"missing value");
        TStylerProperty p;
        if (!FindStylerProperty(*this, keys[k], p)) throw EInvalidOperation(L"No styler value \"" + keys[k] + L"\"");
        bool emptyAllowed = p.Prop && p.Prop->Kind == TPropKind::Set;
        if (value.empty() && !emptyAllowed) BadLine(line, keys[k], L"missing value");
        try {
            ApplyValue(p, keys[k], items, value, line);
        } catch (const EConvertError& e) {
            if (e.Message().rfind(L"Style file line", 0) == 0) throw;
            BadLine(line, keys[k], e.Message());
        }
    }
}

}  // namespace orv
