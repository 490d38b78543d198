#pragma once
// The markup of rich panel text: entities, tokens, tags and their attributes, colour values
// and picture references. Text comes from application data, so every routine here takes any
// input: it always advances, never reads outside the text and bounds every number it reads.
// No platform header: this unit also builds natively, where it is fuzzed.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Types.h"

namespace orv {

// The text as the layout reads it: line feeds dropped, carriage returns turned into "<BR>",
// and the first "<#" unwrapped together with the next ">" after it (left alone when no ">"
// follows). Entities stay as written: each is decoded once, in its token (TokenizeHtml,
// DisplayRunText), so what one decodes to is never read as markup or as an entity again.
std::wstring PrepareHtmlText(std::wstring_view text);
// What the text output shows for a run, in one pass: the entities decoded ("&amp;" is one
// ampersand, "&lt;" and "&gt;" angle brackets, "&nbsp;" a blank, and the named characters),
// and with prefixes on a written "&&" is one ampersand and a single "&" (an accelerator
// marker) is dropped; with them off a written ampersand shows as it is.
std::wstring DisplayRunText(std::wstring_view run, bool prefixes);
// The entities of a tag's text decoded once: "&amp;" is one ampersand (so the query string
// of an anchor's target survives), "&quot;" a double quote, and the named characters.
std::wstring DecodeTagEntities(std::wstring_view tagText);
// Ampersands are shown literally when the text has one between blanks.
bool HtmlShowsAmpersands(std::wstring_view prepared);

struct THtmlToken {
    bool IsTag = false;
    bool Closing = false;  // "</...>"
    // A run: its characters as written (DisplayRunText decodes them). A tag: the characters
    // between "<" (or "</") and ">", entities decoded (DecodeTagEntities).
    std::wstring Text;
};
// Runs and tags. A "<" without a later ">" starts a run that holds the rest of the text.
std::vector<THtmlToken> TokenizeHtml(std::wstring_view prepared);

enum class THtmlTag {
    None,
    Bold,
    Italic,
    Underline,
    StrikeOut,
    Anchor,
    Font,
    Highlight,
    Rule,
    Break,
    Body,
    Blink,
    Paragraph,
    List,
    ListItem,
    Indent,
    Offset,
    Image,
    Subscript,
    Superscript,
    Shadow,
    Error,
    Rotate,
    Hidden,
};
// The tag a tag text names, decided by its first characters (case ignored); None for text
// that matches no tag.
THtmlTag ClassifyHtmlTag(std::wstring_view tagText);

// ASCII upper case (tag and attribute names are ASCII).
std::wstring HtmlUpper(std::wstring_view text);
// The value of the attribute name (given in upper case) in a tag text: the first place where
// the name is followed by "=" (blanks allowed between); the value is the quoted text after
// it, ending at the closing quote or at the tag's end, or without quotes the text up to the
// next blank. False when the tag has no such attribute.
bool FindHtmlAttribute(std::wstring_view tagText, std::wstring_view upperName, std::wstring& value);
// The first quoted value of a tag (an anchor's target); empty when there is none.
std::wstring FirstQuotedValue(std::wstring_view tagText);
// A decimal number with an optional sign, clamped to [low, high]; fallback when no digit.
int ParseHtmlInt(std::wstring_view text, int fallback, int low, int high);

// "#RRGGBB" (hexadecimal digits in either case; other characters count as 0) or a colour
// name compared in lower case; unknown names give black.
TColor HtmlColor(std::wstring_view value);
// FONT SIZE: 1 to 5 are 8, 10, 12, 14, 16 points; any other number is points.
int HtmlFontPoints(int sizeValue);

enum class THtmlPictureKind { None, ImageIndex, SmallSystem, LargeSystem, Named, Url };
struct THtmlPictureRef {
    THtmlPictureKind Kind = THtmlPictureKind::None;
    int Index = -1;            // ImageIndex, and the system lists when the text is a number
    std::wstring Name;         // a file, folder or type for the system lists; the name; the URL
    // A system-list name or a "FILE://" path on a share (\\host\share, //host/share,
    // \\?\UNC\host): never opened while painting (a system-list name gives its type's icon,
    // a file picture nothing).
    bool NetworkPath = false;
    friend bool operator==(const THtmlPictureRef&, const THtmlPictureRef&) = default;
};
// Resolves a picture reference in the order the markup tries them: "IDX:n" (digits only,
// n below imageCount), "SSYS:" / "LSYS:" (a number or a name), a name without ":" and
// finally a reference containing "://". Anything else resolves to nothing.
THtmlPictureRef ClassifyPictureRef(std::wstring_view ref, int imageCount);

// Whether a path names a place on the network by its form: it starts with two slashes of
// either kind (shares, \\?\UNC paths and device paths alike).
bool IsNetworkPathForm(std::wstring_view path);
// The path of a "FILE://" reference (prefix in any case); false for other references.
bool FileUrlPath(std::wstring_view ref, std::wstring_view& path);

// Whether an anchor target is opened with the shell's "open" verb: only "http://",
// "https://" and "mailto:" targets (case ignored); every other goes to the application.
bool AnchorOpensWithShell(std::wstring_view target);

}  // namespace orv
