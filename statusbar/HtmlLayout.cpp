#include "statusbar/HtmlLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <deque>
#include <string_view>

namespace orv {

namespace {

// Mirrors TFontStyleFlag (framework/Graphics.h), which this unit cannot include.
constexpr uint8_t kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8;
constexpr int kBulletStep = 12;  // list levels and the item text after the bullet
constexpr int kMaxListLevel = 1000;
constexpr int kMaxCoordinate = 1 << 20;  // positions the markup can ask for
constexpr size_t kWholeRunLength = 256;

int MulDiv(int value, int numerator, int denominator) {
    if (denominator == 0) return 0;
    const int64_t product = static_cast<int64_t>(value) * numerator;
    const int64_t half = denominator / 2;
    const int64_t q = product >= 0 ? (product + half) / denominator : (product - half) / denominator;
    return static_cast<int>(std::clamp<int64_t>(q, -kMaxCoordinate, kMaxCoordinate));
}

enum class TAlignKind { Left, Right, Center };
enum class TVAlign { Bottom, Top, Middle };
enum class TPieceKind { Text, Picture, BulletChar, BulletSquare, BulletCircle };

struct TPiece {
    TPieceKind Kind = TPieceKind::Text;
    int X = 0;
    int Width = 0;
    int Height = 0;  // text height ("gh") or picture height
    std::wstring Text;
    THtmlFont Font;
    TColor Color = clBlack;
    TColor Background = clNone;
    int Script = 0;  // 1 superscript, -1 subscript
    bool Shadow = false;
    bool Error = false;
    bool Ellipsis = false;
    bool Wrap = false;  // a picture that does not raise the line
    int Anchor = -1;
    THtmlPictureRef Picture;
};

struct TLine {
    std::vector<TPiece> Pieces;
    bool Content = false;  // a text run or a picture was placed (bullets are no content)
    int X0 = 0;  // where the line starts before alignment
    TAlignKind Align = TAlignKind::Left;
    int Indent = 0;
    TColor ParaBackground = clNone;
    TColor ParaBackgroundTo = clNone;
    bool Rule = false;
    TVAlign VAlign = TVAlign::Bottom;
    int EmptyHeight = 0;  // one text height of the font at the line's end
};

struct TFontSave {
    THtmlFont Font;
    TColor Color;
    TColor Background;
};

class TLayouter {
public:
    TLayouter(const THtmlLayoutInput& input, THtmlMeasurer& measurer) : In(input), M(measurer) {}

    THtmlLayoutResult Run() {
        const std::wstring prepared = PrepareHtmlText(In.Text);
        Prefixes = !HtmlShowsAmpersands(prepared);
        Tokens = TokenizeHtml(prepared);
        Display.resize(Tokens.size());
        for (size_t i = 0; i < Tokens.size(); ++i) {
            const THtmlToken& t = Tokens[i];
            if (!t.IsTag) {
                Display[i] = DisplayRunText(t.Text, Prefixes);
                R.PlainText += Display[i];
            } else if (!t.Closing) {
                THtmlTag tag = ClassifyHtmlTag(t.Text);
                if (tag == THtmlTag::Break) R.PlainText += L'\r';
                if (tag == THtmlTag::Anchor) ++R.AnchorCount;
            }
        }
        R.AnchorTargets.reserve(static_cast<size_t>(R.AnchorCount));
        Font = In.BaseFont;
        Color = In.BaseColor;
        const int baseTextHeight = TextHeight(In.BaseFont);

        int y = In.Rect.Top, widest = 0, total = 0;
        size_t tok = 0, ch = 0;
        while (tok < Tokens.size()) {
            if (R.LineCount > 0 && y + baseTextHeight > In.Rect.Bottom) break;
            const size_t startTok = tok, startCh = ch;
            TLine line = LayoutLine(tok, ch);
            if (tok == startTok && ch == startCh) {
                // Cannot happen by the rules above; never loop on a line that takes nothing.
                ++tok;
                ch = 0;
            }
            TrimTrailingBlanks(line);
            const int height = LineHeight(line);
            const int width = LineRight(line) - In.Rect.Left + line.Indent;
            if (!In.FirstPassOnly) EmitLine(line, y, height);
            widest = std::max(widest, width);
            total = std::min(total + height, kMaxCoordinate);
            y = std::min(y + height, kMaxCoordinate);
            ++R.LineCount;
        }
        R.Width = widest + 2;
        R.Height = R.LineCount == 0 ? baseTextHeight : total;
        if (!BodyOps.empty()) R.Ops.insert(R.Ops.begin(), BodyOps.begin(), BodyOps.end());
        if (In.HitTest) {
            if (const THtmlAnchorBox* box = HtmlAnchorAt(R, In.HitPoint)) {
                R.AnchorHit = true;
                R.AnchorIndex = box->Anchor;
                R.AnchorTarget = R.AnchorTargets[static_cast<size_t>(box->Anchor)];
                R.AnchorRect = box->Rect;
            }
        }
        return std::move(R);
    }

private:
    // --- measuring ------------------------------------------------------------------------

    int TextHeight(const THtmlFont& font) {
        for (const auto& [f, h] : Heights)
            if (f == font) return h;
        const int h = std::max(0, M.TextExtent(font, L"gh").Height);
        if (Heights.size() > 64) Heights.clear();
        Heights.emplace_back(font, h);
        return h;
    }

    int TextWidth(std::wstring_view text) {
        Measured.assign(text);
        return std::max(0, M.TextExtent(Font, Measured).Width);
    }

    // --- pass one: where the line ends and what it holds -----------------------------------

    static bool HasContent(const TLine& line) { return line.Content; }

    void PlaceText(TLine& line, std::wstring text, int width, bool ellipsis = false) {
        TPiece p;
        p.Kind = TPieceKind::Text;
        p.X = X;
        p.Width = width;
        p.Height = TextHeight(Font);
        p.Text = std::move(text);
        p.Font = Font;
        p.Color = Color;
        p.Background = Background;
        p.Script = Script;
        p.Shadow = Shadow;
        p.Error = Error;
        p.Ellipsis = ellipsis;
        p.Anchor = CurrentAnchor;
        line.Pieces.push_back(std::move(p));
        line.Content = true;
        X = std::min(X + width, kMaxCoordinate);
    }

    static size_t SkipBlanks(std::wstring_view s, size_t at) {
        while (at < s.size() && s[at] == L' ') ++at;
        return at;
    }

    // Places what fits of a run; false when the line ends here. Work stays linear in the
    // run: the rest of a run is looked at in place, and each word is measured once (with the
    // blanks before it) to find where the line ends; only the placed piece is measured whole.
    bool LayoutRun(TLine& line, size_t& tok, size_t& ch) {
        const std::wstring& display = Display[tok];
        if (AtLineStart) ch = SkipBlanks(display, ch);
        if (ch >= display.size()) {
            ++tok;
            ch = 0;
            return true;
        }
        const std::wstring_view rest = std::wstring_view(display).substr(ch);
        const int right = In.Rect.Right;
        auto placeAll = [&](int width, bool cut) {
            PlaceText(line, std::wstring(rest), width, cut);
            AtLineStart = false;
            ++tok;
            ch = 0;
            return true;
        };
        if (!In.WordWrap) {
            const int width = TextWidth(rest);
            const bool cut = X + width > right;
            return placeAll(cut ? std::max(0, right - X) : width, cut);
        }
        // A short run is measured whole first.
        if (rest.size() <= kWholeRunLength) {
            const int width = TextWidth(rest);
            if (X + width <= right) return placeAll(width, false);
        }
        // Cut at blanks: the longest run of whole words that fits.
        WordEnds.clear();
        int sum = 0;
        for (size_t i = 0;;) {
            const size_t wordStart = SkipBlanks(rest, i);
            if (wordStart >= rest.size()) break;
            const size_t wordEnd = std::min(rest.find(L' ', wordStart), rest.size());
            const int w = sum + TextWidth(rest.substr(i, wordEnd - i));
            if (X + w > right) break;
            WordEnds.push_back(wordEnd);
            sum = w;
            i = wordEnd;
        }
        if (!WordEnds.empty() && SkipBlanks(rest, WordEnds.back()) >= rest.size()) {
            // All of it fits after all (a long run on a wide line).
            return placeAll(TextWidth(rest), false);
        }
        size_t best = 0;
        int bestWidth = 0;
        // Word widths may add up to a little less than the words measured together: the
        // piece as measured whole decides, one word fewer while it passes the edge.
        while (!WordEnds.empty()) {
            best = WordEnds.back();
            bestWidth = TextWidth(rest.substr(0, best));
            if (X + bestWidth <= right) break;
            WordEnds.pop_back();
        }
        if (WordEnds.empty()) best = 0;
        if (best == 0 && !HasContent(line)) {
            // A word wider than the whole line is still placed.
            best = std::min(rest.find(L' ', SkipBlanks(rest, 0)), rest.size());
            bestWidth = TextWidth(rest.substr(0, best));
        }
        if (best == 0) return false;
        PlaceText(line, std::wstring(rest.substr(0, best)), bestWidth);
        AtLineStart = false;
        ch = SkipBlanks(display, ch + best);
        if (ch >= display.size()) {
            ++tok;
            ch = 0;
        }
        return false;
    }

    TLine LayoutLine(size_t& tok, size_t& ch) {
        TLine line;
        line.X0 = std::clamp(In.Rect.Left + Offset, -kMaxCoordinate, kMaxCoordinate);
        line.Align = Align;
        line.Indent = Indent;
        line.ParaBackground = ParaBackground;
        line.ParaBackgroundTo = ParaBackgroundTo;
        X = line.X0;
        AtLineStart = true;
        ItemOnLine = false;
        while (tok < Tokens.size()) {
            const THtmlToken& t = Tokens[tok];
            if (!t.IsTag) {
                if (Hidden) {
                    ++tok;
                    ch = 0;
                    continue;
                }
                if (!LayoutRun(line, tok, ch)) break;
                continue;
            }
            if (!Tag(line, t)) {
                break;  // the line ends before this tag
            }
            ++tok;
            ch = 0;
            if (EndLine) {
                EndLine = false;
                break;
            }
        }
        line.EmptyHeight = TextHeight(Font);
        return line;
    }

    void SetStyle(uint8_t flag, bool on) {
        Font.Style = on ? static_cast<uint8_t>(Font.Style | flag) : static_cast<uint8_t>(Font.Style & ~flag);
    }

    bool Attribute(const THtmlToken& t, const wchar_t* name, std::wstring& value) {
        return FindHtmlAttribute(t.Text, name, value);
    }

    // Applies a tag. False: the line ends before it (the tag is read again on the next
    // line). EndLine: the line ends after it.
    bool Tag(TLine& line, const THtmlToken& t) {
        const THtmlTag tag = ClassifyHtmlTag(t.Text);
        const bool open = !t.Closing;
        std::wstring v;
        switch (tag) {
            case THtmlTag::None:
                break;
            case THtmlTag::Bold:
                SetStyle(kBold, open);
                break;
            case THtmlTag::Italic:
                SetStyle(kItalic, open);
                break;
            case THtmlTag::Underline:
                SetStyle(kUnderline, open);
                break;
            case THtmlTag::StrikeOut:
                SetStyle(kStrikeOut, open);
                break;
            case THtmlTag::Anchor:
                AnchorTag(t, open);
                break;
            case THtmlTag::Font:
                FontTag(t, open);
                break;
            case THtmlTag::Highlight:
                if (open) {
                    HighlightSave = {Font, Color, Background};
                    Background = clHighlight;
                    if (!In.KeepColors) Color = clHighlightText;
                } else {
                    Color = HighlightSave.Color;
                    Background = HighlightSave.Background;
                }
                break;
            case THtmlTag::Rule:
                if (open) {
                    line.Rule = true;
                    EndLine = true;
                }
                break;
            case THtmlTag::Break:
                if (open) EndLine = true;
                break;
            case THtmlTag::Body:
                if (open) BodyTag(t);
                break;
            case THtmlTag::Blink:
                R.UsesBlink = true;
                if (open) {
                    BlinkSave = Color;
                    if (!In.BlinkOn) Color = In.BrushColor;
                } else {
                    Color = BlinkSave;
                }
                break;
            case THtmlTag::Paragraph:
                if (open) {
                    // A paragraph starts on a line of its own.
                    if (HasContent(line)) return false;
                    Align = TAlignKind::Left;
                    if (Attribute(t, L"ALIGN", v)) {
                        std::wstring a = HtmlUpper(v);
                        if (a == L"RIGHT") Align = TAlignKind::Right;
                        if (a == L"CENTER") Align = TAlignKind::Center;
                    }
                    Indent = Attribute(t, L"INDENT", v) ? ParseHtmlInt(v, 0, -kMaxCoordinate, kMaxCoordinate) : 0;
                    ParaBackground = Attribute(t, L"BGCOLOR", v) ? HtmlColor(v) : clNone;
                    ParaBackgroundTo = Attribute(t, L"BGCOLORTO", v) ? HtmlColor(v) : clNone;
                    line.Align = Align;
                    line.Indent = Indent;
                    line.ParaBackground = ParaBackground;
                    line.ParaBackgroundTo = ParaBackgroundTo;
                } else {
                    Align = TAlignKind::Left;
                    Indent = 0;
                    ParaBackground = ParaBackgroundTo = clNone;
                    EndLine = true;
                }
                break;
            case THtmlTag::List:
                if (open) {
                    ListLevel = std::min(ListLevel + 1, kMaxListLevel);
                    // A list starts on a line of its own; an empty line is not doubled.
                    if (HasContent(line) || ItemOnLine) EndLine = true;
                } else {
                    ListLevel = std::max(ListLevel - 1, 0);
                    if (HasContent(line)) EndLine = true;
                }
                break;
            case THtmlTag::ListItem:
                if (open) {
                    if (ItemOnLine) return false;
                    ListItemTag(line, t);
                } else {
                    EndLine = true;
                }
                break;
            case THtmlTag::Indent:
                if (open && Attribute(t, L"X", v)) {
                    const int value = ParseHtmlInt(v, 0, -kMaxCoordinate, kMaxCoordinate);
                    if (X - line.X0 < value) X = In.Rect.Left + value;
                }
                break;
            case THtmlTag::Offset:
                if (open) {
                    if (Attribute(t, L"X", v)) {
                        Offset = ParseHtmlInt(v, 0, -kMaxCoordinate, kMaxCoordinate);
                        X = Offset;
                    }
                } else {
                    Offset = 0;
                }
                break;
            case THtmlTag::Image:
                if (open) return ImageTag(line, t);
                break;
            case THtmlTag::Subscript:
                Script = open ? -1 : 0;
                break;
            case THtmlTag::Superscript:
                Script = open ? 1 : 0;
                break;
            case THtmlTag::Shadow:
                Shadow = open;
                break;
            case THtmlTag::Error:
                Error = open;
                break;
            case THtmlTag::Rotate:
                if (open) {
                    RotateStack.push_back(Font);
                    if (RotateStack.size() > kMaxListLevel) RotateStack.pop_front();
                    const int degrees = Attribute(t, L"A", v) ? ParseHtmlInt(v, 0, -100000, 100000) : 0;
                    Font.Orientation = (degrees % 360) * 10;
                } else if (!RotateStack.empty()) {
                    Font = RotateStack.back();
                    RotateStack.pop_back();
                }
                break;
            case THtmlTag::Hidden:
                Hidden = open;
                break;
        }
        return true;
    }

    void AnchorTag(const THtmlToken& t, bool open) {
        if (!open) {
            if (CurrentAnchor < 0) return;
            Color = AnchorSave.Color;
            Background = AnchorSave.Background;
            SetStyle(kUnderline, (AnchorSave.Font.Style & kUnderline) != 0);
            CurrentAnchor = -1;
            return;
        }
        if (CurrentAnchor < 0) AnchorSave = {Font, Color, Background};
        CurrentAnchor = AnchorsSeen++;
        R.AnchorTargets.push_back(FirstQuotedValue(t.Text));
        if (!In.HoverAnchors) {
            SetStyle(kUnderline, true);
            if (!In.KeepColors) Color = In.AnchorColor;
        } else if (CurrentAnchor == In.HoverAnchor) {
            SetStyle(kUnderline, true);
            if (In.HoverTextColor != clNone && !In.KeepColors) Color = In.HoverTextColor;
            if (In.HoverBackground != clNone) Background = In.HoverBackground;
        } else {
            SetStyle(kUnderline, false);
            if (!In.KeepColors) Color = In.AnchorColor;
        }
    }

    void FontTag(const THtmlToken& t, bool open) {
        if (!open) {
            if (FontStack.empty()) return;
            const TFontSave& saved = FontStack.back();
            Font.Name = saved.Font.Name;
            Font.Height = saved.Font.Height;
            Color = saved.Color;
            Background = saved.Background;
            FontStack.pop_back();
            return;
        }
        FontStack.push_back({Font, Color, Background});
        if (FontStack.size() > kMaxListLevel) FontStack.pop_front();  // the oldest saved state goes
        std::wstring v;
        if (Attribute(t, L"FACE", v) && !v.empty()) Font.Name = v;
        // With its blank, so that BGCOLOR does not answer for COLOR.
        if (Attribute(t, L" COLOR", v) && !In.KeepColors) Color = HtmlColor(v);
        if (Attribute(t, L"BGCOLOR", v)) Background = HtmlColor(v);
        if (Attribute(t, L"SIZE", v)) {
            const int points = HtmlFontPoints(ParseHtmlInt(v, 0, -100000, 100000));
            if (points > 0) Font.Height = -MulDiv(std::min(points, kHtmlMaxFontPoints), In.PixelsPerInch, 72);
        }
    }

    void ListItemTag(TLine& line, const THtmlToken& t) {
        ItemOnLine = true;
        const int level = std::max(ListLevel, 1);
        const int bulletX = std::min(line.X0 + kBulletStep * (level - 1), kMaxCoordinate);
        std::wstring v;
        TPiece p;
        p.X = bulletX;
        p.Color = Color;
        if (Attribute(t, L"COLOR", v)) p.Color = HtmlColor(v);
        std::wstring type;
        if (Attribute(t, L"TYPE", v)) type = HtmlUpper(v);
        if (type == L"SQUARE" || type == L"CIRCLE") {
            p.Kind = type == L"SQUARE" ? TPieceKind::BulletSquare : TPieceKind::BulletCircle;
            p.Width = 8;
            p.Height = 10;
        } else {
            p.Kind = TPieceKind::BulletChar;
            p.Text = level % 2 == 1 ? L"\u00B7" : L"o";
            p.Font = Font;
            p.Font.Name = L"Symbol";
            p.Height = TextHeight(p.Font);
            p.Width = std::max(0, M.TextExtent(p.Font, p.Text).Width);
        }
        line.Pieces.push_back(std::move(p));
        X = std::min(bulletX + kBulletStep, kMaxCoordinate);
        AtLineStart = true;  // blanks between the item tag and its text are not shown
    }

    int PictureRoom(int natural) const {
        const int room = In.ScalePictures
                             ? static_cast<int>(std::lround(std::clamp(natural * In.PictureScale, 0.0, 1e6)))
                             : MulDiv(natural, In.PixelsPerInch, 96);
        return std::clamp(room, 0, kHtmlMaxPictureSide * 4);
    }

    bool ImageTag(TLine& line, const THtmlToken& t) {
        std::wstring v;
        THtmlPictureRef ref;
        if (Attribute(t, L"SRC", v)) ref = ClassifyPictureRef(v, In.ImageCount);
        if (ref.Kind == THtmlPictureKind::None) return true;
        THtmlExtent size = M.PictureSize(ref);
        if (size.Width <= 0 || size.Height <= 0) return true;
        std::wstring w, h;
        if (Attribute(t, L"WIDTH", w) && Attribute(t, L"HEIGHT", h)) {
            size.Width = ParseHtmlInt(w, size.Width, 0, kHtmlMaxPictureSide);
            size.Height = ParseHtmlInt(h, size.Height, 0, kHtmlMaxPictureSide);
        }
        TPiece p;
        p.Kind = TPieceKind::Picture;
        p.Picture = std::move(ref);
        p.Width = PictureRoom(std::min(size.Width, kHtmlMaxPictureSide));
        p.Height = PictureRoom(std::min(size.Height, kHtmlMaxPictureSide));
        if (p.Width == 0 || p.Height == 0) return true;
        // A picture narrower than the rectangle that does not fit in the rest of the line
        // starts the next one.
        if (p.Width < In.Rect.Width() && X + p.Width > In.Rect.Right && HasContent(line)) return false;
        p.Wrap = HtmlUpper(t.Text).find(L"WRAP") != std::wstring::npos;
        if (Attribute(t, L"ALIGN", v)) {
            std::wstring a = HtmlUpper(v);
            if (a == L"TOP") line.VAlign = TVAlign::Top;
            if (a == L"MIDDLE") line.VAlign = TVAlign::Middle;
        }
        p.X = X;
        p.Anchor = CurrentAnchor;
        X = std::min(X + p.Width, kMaxCoordinate);
        line.Pieces.push_back(std::move(p));
        line.Content = true;
        AtLineStart = false;
        return true;
    }

    void BodyTag(const THtmlToken& t) {
        if (!In.Draw || In.FirstPassOnly) return;
        std::wstring v;
        const TRect r = In.Rect;
        if (Attribute(t, L"BGCOLOR", v)) {
            THtmlOp op;
            op.Rect = r;
            op.Color = HtmlColor(v);
            if (Attribute(t, L"BGCOLORTO", v)) {
                op.Kind = THtmlOpKind::Gradient;
                op.Color2 = HtmlColor(v);
                op.Horizontal = !Attribute(t, L"DIR", v) || HtmlUpper(v) == L"H";
            }
            BodyOps.push_back(std::move(op));
        }
        auto picture = [&](const wchar_t* name, int corner) {
            if (!Attribute(t, name, v)) return;
            THtmlPictureRef ref = ClassifyPictureRef(v, In.ImageCount);
            if (ref.Kind == THtmlPictureKind::None) return;
            THtmlExtent size = M.PictureSize(ref);
            if (size.Width <= 0 || size.Height <= 0) return;
            THtmlOp op;
            op.Picture = std::move(ref);
            const int w = PictureRoom(std::min(size.Width, kHtmlMaxPictureSide));
            const int h = PictureRoom(std::min(size.Height, kHtmlMaxPictureSide));
            if (w == 0 || h == 0) return;
            if (corner == 0) {
                op.Kind = THtmlOpKind::TiledPicture;
                op.Rect = r;
                op.Color = w;  // the tile's size travels in the colours
                op.Color2 = h;
            } else {
                op.Kind = THtmlOpKind::Picture;
                op.Rect = corner < 0 ? TRect{r.Left, r.Top, r.Left + w, r.Top + h}
                                     : TRect{r.Right - w, r.Top, r.Right, r.Top + h};
            }
            BodyOps.push_back(std::move(op));
        };
        picture(L"BACKGROUND", 0);
        picture(L"BGTOPLEFT", -1);
        picture(L"BGTOPRIGHT", 1);
    }

    void TrimTrailingBlanks(TLine& line) {
        while (!line.Pieces.empty() && line.Pieces.back().Kind == TPieceKind::Text && !line.Pieces.back().Ellipsis) {
            TPiece& last = line.Pieces.back();
            size_t end = last.Text.find_last_not_of(L' ');
            if (end == std::wstring::npos) {
                line.Pieces.pop_back();
                continue;
            }
            if (end + 1 < last.Text.size()) {
                last.Text.erase(end + 1);
                last.Width = std::max(0, M.TextExtent(last.Font, last.Text).Width);
            }
            break;
        }
    }

    // --- pass two: heights, alignment, drawing and hit testing -----------------------------

    struct TLineMetrics {
        int Text = 0;  // tallest run or picture
        int Sup = 0;
        int Sub = 0;
    };
    TLineMetrics Metrics;

    int LineHeight(const TLine& line) {
        Metrics = {};
        for (const TPiece& p : line.Pieces) {
            if (p.Kind == TPieceKind::Picture && p.Wrap) continue;
            if (p.Kind == TPieceKind::BulletSquare || p.Kind == TPieceKind::BulletCircle) continue;
            Metrics.Text = std::max(Metrics.Text, p.Height);
            if (p.Script > 0) Metrics.Sup = std::max(Metrics.Sup, p.Height / 4);
            if (p.Script < 0) Metrics.Sub = std::max(Metrics.Sub, p.Height / 4);
        }
        if (Metrics.Text == 0) Metrics.Text = line.EmptyHeight;
        return std::clamp(Metrics.Text + Metrics.Sup + Metrics.Sub + In.LineSpacing, 0, kMaxCoordinate);
    }

    static int LineRight(const TLine& line) {
        int right = line.X0;
        for (const TPiece& p : line.Pieces) right = std::max(right, p.X + p.Width);
        return right;
    }

    void Op(THtmlOp op) {
        if (In.Draw) R.Ops.push_back(std::move(op));
    }

    void EmitLine(const TLine& line, int y, int height) {
        const int width = LineRight(line) - line.X0;
        const int available = In.Rect.Width();
        int startX = line.X0;
        if (line.Align == TAlignKind::Right && In.Rect.Right - width > In.Rect.Left) startX = In.Rect.Right - width;
        if (line.Align == TAlignKind::Center && available > width) startX = In.Rect.Left + (available - width) / 2;
        const int dx = startX + line.Indent - line.X0;
        const TRect lineBox{In.Rect.Left, y, In.Rect.Right, y + height};

        if (line.ParaBackground != clNone) {
            THtmlOp op;
            op.Rect = lineBox;
            op.Color = line.ParaBackground;
            if (line.ParaBackgroundTo != clNone) {
                op.Kind = THtmlOpKind::Gradient;
                op.Color2 = line.ParaBackgroundTo;
            }
            Op(std::move(op));
        }
        const int baseBottom = y + Metrics.Sup + Metrics.Text;
        for (const TPiece& p : line.Pieces) {
            const int x = p.X + dx;
            int bottom = baseBottom;
            if (p.Kind == TPieceKind::Text || p.Kind == TPieceKind::BulletChar) {
                if (line.VAlign == TVAlign::Top) bottom = y + Metrics.Sup + p.Height;
                if (line.VAlign == TVAlign::Middle) bottom = y + Metrics.Sup + (Metrics.Text + p.Height) / 2;
                if (p.Script > 0) bottom -= p.Height / 4;
                if (p.Script < 0) bottom += p.Height / 4;
            }
            const TRect box{x, bottom - p.Height, x + p.Width, bottom};
            switch (p.Kind) {
                case TPieceKind::Text:
                    EmitText(p, box);
                    break;
                case TPieceKind::BulletChar: {
                    THtmlOp op;
                    op.Kind = THtmlOpKind::Text;
                    op.Rect = box;
                    op.Text = p.Text;
                    op.Font = p.Font;
                    op.Color = p.Color;
                    Op(std::move(op));
                    break;
                }
                case TPieceKind::BulletSquare:
                case TPieceKind::BulletCircle: {
                    THtmlOp op;
                    op.Kind =
                        p.Kind == TPieceKind::BulletSquare ? THtmlOpKind::BulletSquare : THtmlOpKind::BulletCircle;
                    op.Rect = {x, y + 2, x + 8, y + 10};
                    op.Color = p.Color;
                    Op(std::move(op));
                    break;
                }
                case TPieceKind::Picture: {
                    THtmlOp op;
                    op.Kind = THtmlOpKind::Picture;
                    op.Rect = p.Wrap ? TRect{x, y, x + p.Width, y + p.Height} : box;
                    op.Picture = p.Picture;
                    Op(std::move(op));
                    break;
                }
            }
            if (p.Anchor >= 0) {
                R.AnchorBoxes.push_back({p.Anchor, {x, y, x + p.Width, y + height}});
                if (p.Anchor == In.FocusAnchor) {
                    R.FocusTarget = R.AnchorTargets[static_cast<size_t>(p.Anchor)];
                    THtmlOp op;
                    op.Kind = THtmlOpKind::FocusRect;
                    op.Rect = {box.Left - 1, box.Top, box.Right + 1, box.Bottom};
                    Op(std::move(op));
                }
            }
        }
        if (line.Rule) {
            THtmlOp op;
            op.Kind = THtmlOpKind::Rule;
            op.Rect = {In.Rect.Left, y + height, In.Rect.Right, y + height + 1};
            Op(std::move(op));
        }
    }

    void EmitText(const TPiece& p, const TRect& box) {
        if (p.Width <= 0) return;
        if (p.Background != clNone) {
            THtmlOp fill;
            fill.Rect = box;
            fill.Color = p.Background;
            Op(std::move(fill));
        }
        THtmlOp op;
        op.Kind = THtmlOpKind::Text;
        op.Rect = box;
        op.Text = p.Text;
        op.Font = p.Font;
        op.Ellipsis = p.Ellipsis;
        if (p.Shadow) {
            THtmlOp shadow = op;
            shadow.Rect = box.Offset(In.ShadowOffset, In.ShadowOffset);
            shadow.Color = In.ShadowColor;
            Op(std::move(shadow));
        }
        op.Color = p.Color;
        Op(std::move(op));
        if (p.Error) {
            THtmlOp mark;
            mark.Kind = THtmlOpKind::ErrorMark;
            mark.Rect = {box.Left, box.Bottom - 3, box.Right, box.Bottom - 1};
            mark.Color = clRed;
            Op(std::move(mark));
        }
    }

    const THtmlLayoutInput& In;
    THtmlMeasurer& M;
    THtmlLayoutResult R;
    std::vector<THtmlOp> BodyOps;
    std::vector<THtmlToken> Tokens;
    std::vector<std::wstring> Display;
    std::wstring Measured;        // the text being measured, kept to reuse its memory
    std::vector<size_t> WordEnds;  // of the words that fit on the line being laid out
    std::vector<std::pair<THtmlFont, int>> Heights;
    bool Prefixes = true;

    // The markup's state, carried from line to line.
    THtmlFont Font;
    TColor Color = clBlack;
    TColor Background = clNone;
    // Saved states, the newest at the back; past the cap the oldest is dropped, in
    // constant time.
    std::deque<TFontSave> FontStack;
    std::deque<THtmlFont> RotateStack;
    TFontSave AnchorSave;
    TFontSave HighlightSave;
    TColor BlinkSave = clBlack;
    int CurrentAnchor = -1;
    int AnchorsSeen = 0;
    int ListLevel = 0;
    TAlignKind Align = TAlignKind::Left;
    int Indent = 0;
    TColor ParaBackground = clNone;
    TColor ParaBackgroundTo = clNone;
    int Offset = 0;
    int Script = 0;
    bool Shadow = false;
    bool Error = false;
    bool Hidden = false;

    // The line being laid out.
    int X = 0;
    bool AtLineStart = true;
    bool ItemOnLine = false;
    bool EndLine = false;
};

}  // namespace

THtmlLayoutResult LayoutHtml(const THtmlLayoutInput& input, THtmlMeasurer& measurer) {
    return TLayouter(input, measurer).Run();
}

const THtmlAnchorBox* HtmlAnchorAt(const THtmlLayoutResult& layout, TPoint point) {
    for (const THtmlAnchorBox& box : layout.AnchorBoxes)
        if (box.Rect.Contains(point)) return &box;
    return nullptr;
}

}  // namespace orv
