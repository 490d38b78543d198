#pragma once
// The text form of stored layouts, parsed into a tree of nodes and written back. This
// unit includes no platform header: it also builds natively, where it is fuzzed.
//
//   object ZemForm3: TZemForm3          a component block (inline Name: TClass for a frame)
//     Caption = 'Zem' #13 'Form'         strings: quoted, '' for a quote, #n / #$hex codes
//     Left = 250                         integers: decimal, $hex or 0x hex, negative
//     Ratio = 1.5                        floats
//     Font.Style = [fsBold]              dotted paths into nested records; sets
//     Color = clBtnFace                  identifiers: enumerators, colours, True/False
//     ActivePage = OrvPage1              references to components, handler names
//     Panels = <                         collections: items with their properties
//       item
//         Width = 80
//       end>
//     Lines = ('one' 'two')              string lists
//     Data = {89504E47}                  binary data in hexadecimal
//     Picture.Data = resource('save.png')  bytes of a file embedded as a resource
//     object Child: TClass ... end       children, in stored order
//   end
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/Exception.h"
#include "framework/LayoutHex.h"

namespace orv {

// A malformed layout: names the layout, the line and column (1-based) and the fault.
// Message() is "layout(line:column): fault".
class ELayoutError : public Exception {
public:
    ELayoutError(const std::wstring& layout, int line, int column, const std::wstring& what);
    const std::wstring& Fault() const { return FFault; }
    int Line() const { return FLine; }
    int Column() const { return FColumn; }

private:
    std::wstring FFault;
    int FLine;
    int FColumn;
};

struct TLayoutItem;

struct TLayoutValue {
    enum class TKind { Integer, Float, String, Ident, Set, Collection, Binary, Resource, StringList };
    TKind Kind = TKind::Integer;
    int64_t Integer = 0;
    bool Hex = false;  // written as $XXXXXXXX (colours)
    double Float = 0;
    std::wstring Text;                  // String, Ident (may be dotted), Resource name
    std::vector<std::wstring> Idents;   // Set
    std::vector<std::wstring> Strings;  // StringList
    std::vector<uint8_t> Bytes;         // Binary, converted
    // Binary still as text: digits and line breaks only, already checked (Bytes is empty
    // then). Values with comments or faults among the digits are converted while parsed.
    TLayoutHexText HexText;
    std::vector<TLayoutItem> Items;  // Collection
    int Line = 0;
    int Column = 0;

    // The bytes of a Binary value, whichever form it is in.
    std::vector<uint8_t> BinaryBytes() const { return HexText.Empty() ? Bytes : HexText.Decode(); }
};

struct TLayoutProperty {
    std::wstring Path;  // dotted: Font.Name
    TLayoutValue Value;
    int Line = 0;
    int Column = 0;
};

struct TLayoutItem {
    std::vector<TLayoutProperty> Properties;
    int Line = 0;
    int Column = 0;
};

struct TLayoutObject {
    bool Inline = false;
    std::wstring Name;
    std::wstring ClassName;
    std::vector<TLayoutProperty> Properties;
    std::vector<TLayoutObject> Children;
    int Line = 0;
    int Column = 0;
};

// Parses one root block; raises ELayoutError on the first fault. Binary values may keep
// views into the text: the first form copies the text once for them when there are any,
// the second shares it.
TLayoutObject ParseLayout(const std::wstring& text, const std::wstring& layoutName);
TLayoutObject ParseLayout(std::shared_ptr<const std::wstring> text, const std::wstring& layoutName);
// Writes a tree back in the same format (two-space indent, one property per line).
std::wstring WriteLayout(const TLayoutObject& root);
std::wstring FormatLayoutValue(const TLayoutValue& value, int indent);

// UTF-8 <-> UTF-16 without the platform (layout resources are UTF-8 files).
std::wstring LayoutTextFromUtf8(const std::string& bytes);
std::string LayoutTextToUtf8(const std::wstring& text);

}  // namespace orv
