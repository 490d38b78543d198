#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include "statusbar/HtmlPaint.h"
#include "statusbar/HtmlPaintInternal.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <utility>

#include "framework/GdiHandles.h"
#include "paint/OrvGradients.h"
#include "statusbar/PictureContainer.h"

namespace orv {

namespace {

constexpr int kMaxTiles = 4096;  // a 1-pixel tile over a large rectangle is not drawn a million times
// Measured texts kept: at most this many, holding at most this many bytes of text, and no
// text longer than a line can usefully be (a long run is measured word by word).
constexpr size_t kMaxKeptExtents = 4096;
constexpr size_t kMaxKeptExtentBytes = 1u << 20;
constexpr size_t kMaxKeptExtentLength = 1024;
constexpr size_t kMaxFonts = 64;  // fonts one measurer keeps; a text naming more makes them again

// Text sizes measured so far, by font, resolution and text (see TextExtent).
struct TKeptExtents {
    std::unordered_map<std::wstring, THtmlExtent> Extents;
    size_t Bytes = 0;  // of the keys
};

TKeptExtents& KeptExtents() {
    static TKeptExtents kept;
    return kept;
}

long gLayoutsDone = 0;

THtmlShellCalls& ShellCalls() {
    static THtmlShellCalls calls;
    return calls;
}

// A path, or the path of a "FILE://" reference, on a drive letter mapped to a share.
bool OnRemoteDrive(std::wstring_view pathOrUrl) {
    std::wstring_view path = pathOrUrl;
    FileUrlPath(pathOrUrl, path);
    if (path.size() < 2 || path[1] != L':') return false;
    const wchar_t root[] = {path[0], L':', L'\\', 0};
    return GetDriveTypeW(root) == DRIVE_REMOTE;
}

bool SystemPathExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

uintptr_t SystemFileInfo(const std::wstring& path, unsigned attributes, unsigned flags, int& iconIndex) {
    SHFILEINFOW info{};
    const DWORD_PTR list = SHGetFileInfoW(path.c_str(), attributes, &info, sizeof(info), flags);
    iconIndex = info.iIcon;
    return static_cast<uintptr_t>(list);
}

// A picture reference resolved to what draws it.
struct TResolvedPicture {
    THtmlPictureRef Ref;
    HIMAGELIST List = nullptr;  // an image list image (not owned: ours or the shell's)
    int Index = -1;
    html::THTMLPicture* Picture = nullptr;
    THtmlExtent Size;
};

class TGdiHtmlMeasurer : public THtmlMeasurer {
public:
    TGdiHtmlMeasurer(HDC dc, const THtmlPaintOptions& options)
        : FDC(dc), FOptions(options), FPixelsPerInch(GetDeviceCaps(dc, LOGPIXELSY)) {}

    THtmlExtent TextExtent(const THtmlFont& font, const std::wstring& text) override {
        // Panel text is measured again at every paint (alignment, automatic size, the mouse):
        // a measurement is kept per font, resolution and text, so measuring again makes no font.
        if (text.size() > kMaxKeptExtentLength) return MeasureNow(font, text);
        std::wstring key = font.Name;
        key += L'\x1';
        key += std::to_wstring(font.Height) + L'\x1' + std::to_wstring(font.Style) + L'\x1' +
               std::to_wstring(font.Orientation) + L'\x1' + std::to_wstring(FPixelsPerInch) + L'\x1';
        key += text;
        TKeptExtents& kept = KeptExtents();
        if (auto it = kept.Extents.find(key); it != kept.Extents.end()) return it->second;
        const THtmlExtent extent = MeasureNow(font, text);
        const size_t bytes = key.size() * sizeof(wchar_t);
        if (kept.Extents.size() >= kMaxKeptExtents || kept.Bytes + bytes > kMaxKeptExtentBytes) {
            kept.Extents.clear();
            kept.Bytes = 0;
        }
        kept.Extents.emplace(std::move(key), extent);
        kept.Bytes += bytes;
        return extent;
    }

    THtmlExtent MeasureNow(const THtmlFont& font, const std::wstring& text) {
        if (text.empty()) {
            TSelectGuard select(FDC, Font(font));
            TEXTMETRICW metrics{};
            GetTextMetricsW(FDC, &metrics);
            return {0, static_cast<int>(metrics.tmHeight)};
        }
        TSelectGuard select(FDC, Font(font));
        if (text.find(L'\t') != std::wstring::npos) {
            RECT r{0, 0, 0, 0};
            DrawTextW(FDC, text.c_str(), static_cast<int>(text.size()), &r,
                      DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS);
            return {static_cast<int>(r.right - r.left), static_cast<int>(r.bottom - r.top)};
        }
        SIZE size{};
        GetTextExtentPoint32W(FDC, text.c_str(), static_cast<int>(text.size()), &size);
        return {static_cast<int>(size.cx), static_cast<int>(size.cy)};
    }

    THtmlExtent PictureSize(const THtmlPictureRef& ref) override { return Resolve(ref).Size; }

    // Fonts live as long as the measurer: one paint makes each at most once, up to a bound
    // (a handle returned before may be gone after the next call).
    HFONT Font(const THtmlFont& font) {
        for (const auto& [f, handle] : FFonts)
            if (f == font) return handle.Get();
        if (FFonts.size() >= kMaxFonts) FFonts.clear();
        LOGFONTW lf{};
        lf.lfHeight = font.Height;
        lf.lfWeight = (font.Style & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (font.Style & fsItalic) ? TRUE : FALSE;
        lf.lfUnderline = (font.Style & fsUnderline) ? TRUE : FALSE;
        lf.lfStrikeOut = (font.Style & fsStrikeOut) ? TRUE : FALSE;
        lf.lfEscapement = lf.lfOrientation = font.Orientation;
        // The face name picks the bullets' Symbol font where it is installed; elsewhere the
        // substitute still has the middle dot, which a symbol character set would not keep.
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfOutPrecision = font.Orientation != 0 ? OUT_TT_ONLY_PRECIS : OUT_DEFAULT_PRECIS;
        lstrcpynW(lf.lfFaceName, font.Name.c_str(), LF_FACESIZE);
        FFonts.emplace_back(font, TGdiFont(CreateFontIndirectW(&lf)));
        return FFonts.back().second.Get();
    }

    const TResolvedPicture& Resolve(const THtmlPictureRef& ref) {
        std::wstring key = std::to_wstring(static_cast<int>(ref.Kind)) + L'\x1' + std::to_wstring(ref.Index) + L'\x1' +
                           (ref.NetworkPath ? L"1" : L"0") + ref.Name;
        if (auto it = FPictures.find(key); it != FPictures.end()) return it->second;
        TResolvedPicture r;
        r.Ref = ref;
        switch (ref.Kind) {
            case THtmlPictureKind::None:
                break;
            case THtmlPictureKind::ImageIndex:
                if (FOptions.Images && ref.Index < FOptions.Images->Count()) {
                    r.List = FOptions.Images->Handle();
                    r.Index = ref.Index;
                }
                break;
            case THtmlPictureKind::SmallSystem:
            case THtmlPictureKind::LargeSystem:
                ResolveSystem(r);
                break;
            case THtmlPictureKind::Named:
                if (FOptions.Pictures) r.Picture = FOptions.Pictures->FindPicture(ref.Name);
                break;
            case THtmlPictureKind::Url:
                // A file picture on the network would be opened now, while painting: refused.
                if (FOptions.PictureCache && !ref.NetworkPath && !OnRemoteDrive(ref.Name))
                    r.Picture = &FOptions.PictureCache->Picture(ref.Name);
                break;
        }
        if (r.List) {
            int w = 0, h = 0;
            if (ImageList_GetIconSize(r.List, &w, &h)) r.Size = {w, h};
        } else if (r.Picture && !r.Picture->Empty()) {
            r.Size = {r.Picture->Width(), r.Picture->Height()};
        }
        return FPictures.emplace(std::move(key), std::move(r)).first->second;
    }

    // What was resolved so far, with its sizes (a kept layout checks them again).
    std::vector<std::pair<THtmlPictureRef, THtmlExtent>> ResolvedSizes() const {
        std::vector<std::pair<THtmlPictureRef, THtmlExtent>> sizes;
        sizes.reserve(FPictures.size());
        for (const auto& [key, r] : FPictures) sizes.emplace_back(r.Ref, r.Size);
        return sizes;
    }

private:
    void ResolveSystem(TResolvedPicture& r) {
        const THtmlPictureRef& ref = r.Ref;
        const unsigned size = ref.Kind == THtmlPictureKind::SmallSystem ? SHGFI_SMALLICON : SHGFI_LARGEICON;
        auto& calls = ShellCalls();
        auto fileInfo = calls.FileInfo ? calls.FileInfo : SystemFileInfo;
        auto exists = calls.PathExists ? calls.PathExists : SystemPathExists;
        int icon = -1;
        uintptr_t list = 0;
        if (ref.Name.empty()) {
            // A number: an icon of the system list itself.
            list = fileInfo(L"C:\\", 0, SHGFI_SYSICONINDEX | size, icon);
            icon = ref.Index;
            if (list && icon >= ImageList_GetImageCount(reinterpret_cast<HIMAGELIST>(list))) list = 0;
        } else if (ref.NetworkPath || OnRemoteDrive(ref.Name) || !exists(ref.Name)) {
            // The file type's icon, from the name alone: a network path is never touched.
            list = fileInfo(ref.Name, FILE_ATTRIBUTE_NORMAL, SHGFI_SYSICONINDEX | SHGFI_USEFILEATTRIBUTES | size, icon);
        } else {
            list = fileInfo(ref.Name, 0, SHGFI_SYSICONINDEX | size, icon);
        }
        if (list && icon >= 0) {
            r.List = reinterpret_cast<HIMAGELIST>(list);
            r.Index = icon;
        }
    }

    HDC FDC;
    const THtmlPaintOptions& FOptions;
    int FPixelsPerInch;
    std::vector<std::pair<THtmlFont, TGdiFont>> FFonts;
    std::unordered_map<std::wstring, TResolvedPicture> FPictures;
};

// The layout's input but its text.
THtmlLayoutInput MakeInput(TCanvas& canvas, HDC dc, const TRect& rect, const THtmlPaintOptions& options) {
    THtmlLayoutInput in;
    in.Rect = rect;
    const TFont& font = canvas.Font();
    in.BaseFont = {font.GetName(), font.GetHeight(), font.GetStyle(), font.GetOrientation()};
    in.BaseColor = font.GetColor();
    in.BrushColor = canvas.Brush().GetColor();
    in.HitTest = options.HitTest;
    in.HitPoint = options.HitPoint;
    in.FocusAnchor = options.FocusAnchor;
    in.HoverAnchor = options.HoverAnchor;
    in.ShadowOffset = options.ShadowOffset;
    in.Draw = !options.MeasureOnly;
    in.FirstPassOnly = options.FirstPassOnly;
    in.ScalePictures = options.ScalePictures;
    in.PictureScale = options.PictureScale;
    in.KeepColors = options.KeepColors;
    in.BlinkOn = options.BlinkOn;
    in.HoverAnchors = options.HoverAnchors;
    in.WordWrap = options.WordWrap;
    in.AnchorColor = options.AnchorColor;
    in.HoverBackground = options.HoverBackground;
    in.HoverTextColor = options.HoverTextColor;
    in.ShadowColor = options.ShadowColor;
    in.LineSpacing = options.LineSpacing;
    in.PixelsPerInch = std::max(1, GetDeviceCaps(dc, LOGPIXELSY));
    in.ImageCount = options.Images ? options.Images->Count() : 0;
    return in;
}

void Fill(HDC dc, const TRect& r, TColor color) {
    TGdiBrush brush(CreateSolidBrush(ToColorRef(color)));
    RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    FillRect(dc, &rc, brush.Get());
}

void DrawPicture(TCanvas& canvas, HDC dc, TGdiHtmlMeasurer& measurer, const THtmlPictureRef& ref, const TRect& r) {
    const TResolvedPicture& p = measurer.Resolve(ref);
    if (p.List) {
        ImageList_Draw(p.List, p.Index, dc, r.Left, r.Top, ILD_TRANSPARENT);
    } else if (p.Picture) {
        p.Picture->StretchDraw(canvas, r);
    }
}

const std::wstring kUnicodeBullet = L"\u2022";

// The first-level list bullet: U+00B7 in the Symbol face, which that face maps to its bullet.
bool IsSymbolBullet(const THtmlOp& op) {
    return op.Text == L"\u00B7" && op.Font.Name == L"Symbol";
}

// Whether the selected face is a real symbol font: its codes sit in the U+F0xx page (where
// U+00B7 reaches the bullet at 0xB7), not in a plain Unicode map.
bool HasSymbolCodePage(HDC dc, HFONT font) {
    TSelectGuard select(dc, font);
    const wchar_t code = 0xF0B7;
    WORD glyph = 0xFFFF;
    return GetGlyphIndicesW(dc, &code, 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS) == 1 && glyph != 0xFFFF;
}

void DrawOps(TCanvas& canvas, const std::vector<THtmlOp>& ops, const TRect& clip, TGdiHtmlMeasurer& measurer) {
    const TColor penColor = canvas.Pen().GetColor();
    const TColor brushColor = canvas.Brush().GetColor();
    const TBrushStyle brushStyle = canvas.Brush().GetStyle();
    {
        TCanvasStateGuard state(canvas);
        HDC dc = canvas.Handle();
        IntersectClipRect(dc, clip.Left, clip.Top, clip.Right, clip.Bottom);
        SetBkMode(dc, TRANSPARENT);
        for (const THtmlOp& op : ops) {
            const TRect& r = op.Rect;
            switch (op.Kind) {
                case THtmlOpKind::Fill:
                    Fill(dc, r, op.Color);
                    break;
                case THtmlOpKind::Gradient:
                    DrawGradient(canvas, op.Color, op.Color2, 64, r, op.Horizontal);
                    canvas.DeselectObjects();
                    break;
                case THtmlOpKind::Text: {
                    const std::wstring* text = &op.Text;
                    HFONT font = measurer.Font(op.Font);
                    if (IsSymbolBullet(op) && !HasSymbolCodePage(dc, font)) {
                        // The Symbol face is a Unicode substitute here, whose U+00B7 is not the
                        // bullet the real face shows at that code: draw the bullet itself in
                        // the text's own face.
                        THtmlFont own = op.Font;
                        own.Name = canvas.Font().GetName();
                        font = measurer.Font(own);
                        text = &kUnicodeBullet;
                    }
                    TSelectGuard select(dc, font);
                    SetTextColor(dc, ToColorRef(op.Color));
                    if (op.Font.Orientation != 0) {
                        TextOutW(dc, r.Left, r.Top, text->c_str(), static_cast<int>(text->size()));
                    } else {
                        RECT rc{r.Left, r.Top, r.Right, r.Bottom};
                        UINT flags = DT_SINGLELINE | DT_BOTTOM | DT_NOPREFIX | DT_EXPANDTABS;
                        flags |= op.Ellipsis ? DT_END_ELLIPSIS : DT_NOCLIP;
                        DrawTextW(dc, text->c_str(), static_cast<int>(text->size()), &rc, flags);
                    }
                    break;
                }
                case THtmlOpKind::Rule:
                    Fill(dc, r, clBlack);
                    break;
                case THtmlOpKind::BulletSquare:
                    Fill(dc, r, op.Color);
                    break;
                case THtmlOpKind::BulletCircle: {
                    TGdiBrush brush(CreateSolidBrush(ToColorRef(op.Color)));
                    TGdiPen pen(CreatePen(PS_SOLID, 1, ToColorRef(op.Color)));
                    TSelectGuard selectBrush(dc, brush.Get());
                    TSelectGuard selectPen(dc, pen.Get());
                    Ellipse(dc, r.Left, r.Top, r.Right, r.Bottom);
                    break;
                }
                case THtmlOpKind::Picture:
                    DrawPicture(canvas, dc, measurer, op.Picture, r);
                    break;
                case THtmlOpKind::TiledPicture: {
                    const int w = std::max(1, static_cast<int>(op.Color)), h = std::max(1, static_cast<int>(op.Color2));
                    int tiles = 0;
                    for (int y = r.Top; y < r.Bottom && tiles < kMaxTiles; y += h)
                        for (int x = r.Left; x < r.Right && tiles < kMaxTiles; x += w, ++tiles)
                            DrawPicture(canvas, dc, measurer, op.Picture, Bounds(x, y, w, h));
                    break;
                }
                case THtmlOpKind::ErrorMark: {
                    TGdiPen pen(CreatePen(PS_SOLID, 1, ToColorRef(op.Color)));
                    TSelectGuard selectPen(dc, pen.Get());
                    std::vector<POINT> points;
                    bool up = false;
                    for (int x = r.Left; x <= r.Right; x += 2, up = !up) points.push_back({x, up ? r.Top : r.Bottom});
                    if (points.size() >= 2) Polyline(dc, points.data(), static_cast<int>(points.size()));
                    break;
                }
                case THtmlOpKind::FocusRect: {
                    RECT rc{r.Left, r.Top, r.Right, r.Bottom};
                    SetTextColor(dc, RGB(0, 0, 0));
                    SetBkColor(dc, RGB(255, 255, 255));
                    DrawFocusRect(dc, &rc);
                    break;
                }
            }
        }
    }
    canvas.Pen().SetColor(penColor);
    canvas.Brush().SetColor(brushColor);
    canvas.Brush().SetStyle(brushStyle);
}

}  // namespace

namespace detail {

long HtmlLayoutsDone() {
    return gLayoutsDone;
}

size_t HtmlMeasuredTextBytes() {
    return KeptExtents().Bytes;
}

}  // namespace detail

void SetHtmlShellCalls(THtmlShellCalls calls) {
    ShellCalls() = std::move(calls);
}

THtmlPictureCache::THtmlPictureCache() = default;
THtmlPictureCache::~THtmlPictureCache() = default;

html::THTMLPicture& THtmlPictureCache::Picture(const std::wstring& url) {
    auto [it, made] = FPictures.try_emplace(url);
    if (made) {
        it->second = std::make_unique<html::THTMLPicture>();
        it->second->LoadFromURL(url);
    }
    return *it->second;
}

void THtmlPictureCache::Clear() {
    FPictures.clear();
}

THtmlKeptLayout::THtmlKeptLayout() = default;
THtmlKeptLayout::~THtmlKeptLayout() = default;

void THtmlKeptLayout::Clear() {
    FEntries.clear();
}

struct THtmlKeptLayout::TEntry {
    THtmlLayoutInput Input;  // what it was laid out from (drawing, no hit test)
    const void* Images = nullptr;
    const void* Pictures = nullptr;
    const void* PictureCache = nullptr;
    std::vector<std::pair<THtmlPictureRef, THtmlExtent>> PictureSizes;
    THtmlLayoutResult Layout;
};

class THtmlKeptLayoutAccess {
public:
    using TEntry = THtmlKeptLayout::TEntry;

    // A kept layout of the text for the input; with paint, one whose drawing operations
    // have the input's colours too. Moved to the front when found.
    static TEntry* Find(THtmlKeptLayout& kept, const std::wstring& text, const THtmlLayoutInput& in,
                        const THtmlPaintOptions& options, bool paint, TGdiHtmlMeasurer& measurer) {
        auto& entries = kept.FEntries;
        for (size_t i = 0; i < entries.size(); ++i) {
            TEntry& e = *entries[i];
            if (!SameGeometry(e, text, in, options)) continue;
            if (paint && !SameColours(e.Input, in, e.Layout.UsesBlink)) continue;
            if (!PicturesKeepTheirSizes(e, measurer)) continue;
            std::rotate(entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(i),
                        entries.begin() + static_cast<std::ptrdiff_t>(i) + 1);
            return entries.front().get();
        }
        return nullptr;
    }

    static TEntry* Keep(THtmlKeptLayout& kept, THtmlLayoutInput in, const THtmlPaintOptions& options,
                        THtmlLayoutResult layout, TGdiHtmlMeasurer& measurer) {
        auto entry = std::make_unique<TEntry>();
        entry->Input = std::move(in);
        entry->Images = options.Images;
        entry->Pictures = options.Pictures;
        entry->PictureCache = options.PictureCache;
        entry->PictureSizes = measurer.ResolvedSizes();
        entry->Layout = std::move(layout);
        auto& entries = kept.FEntries;
        entries.insert(entries.begin(), std::move(entry));
        if (entries.size() > 2) entries.pop_back();
        return entries.front().get();
    }

private:
    // Everything that moves text or changes its size.
    static bool SameGeometry(const TEntry& e, const std::wstring& text, const THtmlLayoutInput& in,
                             const THtmlPaintOptions& options) {
        const THtmlLayoutInput& k = e.Input;
        return k.Rect == in.Rect && k.BaseFont == in.BaseFont && k.PixelsPerInch == in.PixelsPerInch &&
               k.ImageCount == in.ImageCount && k.FocusAnchor == in.FocusAnchor && k.HoverAnchor == in.HoverAnchor &&
               k.ShadowOffset == in.ShadowOffset && k.FirstPassOnly == in.FirstPassOnly &&
               k.ScalePictures == in.ScalePictures && k.PictureScale == in.PictureScale &&
               k.HoverAnchors == in.HoverAnchors && k.WordWrap == in.WordWrap && k.LineSpacing == in.LineSpacing &&
               e.Images == options.Images && e.Pictures == options.Pictures &&
               e.PictureCache == options.PictureCache && k.Text == text;
    }

    // The colours the drawing operations carry; the blink phase only for blinking text.
    static bool SameColours(const THtmlLayoutInput& k, const THtmlLayoutInput& in, bool blinks) {
        return k.BaseColor == in.BaseColor && k.KeepColors == in.KeepColors && k.AnchorColor == in.AnchorColor &&
               k.HoverBackground == in.HoverBackground && k.HoverTextColor == in.HoverTextColor &&
               k.ShadowColor == in.ShadowColor &&
               (!blinks || (k.BlinkOn == in.BlinkOn && k.BrushColor == in.BrushColor));
    }

    // A picture loaded, replaced or emptied since changes the layout.
    static bool PicturesKeepTheirSizes(const TEntry& e, TGdiHtmlMeasurer& measurer) {
        for (const auto& [ref, size] : e.PictureSizes) {
            const THtmlExtent now = measurer.PictureSize(ref);
            if (now.Width != size.Width || now.Height != size.Height) return false;
        }
        return true;
    }
};

THtmlLayoutResult LayoutHtmlText(TCanvas& canvas, const std::wstring& text, const TRect& rect,
                                 const THtmlPaintOptions& options) {
    HDC dc = canvas.Handle();
    TGdiHtmlMeasurer measurer(dc, options);
    THtmlLayoutInput in = MakeInput(canvas, dc, rect, options);
    in.Text = text;
    ++gLayoutsDone;
    return LayoutHtml(in, measurer);
}

bool PaintHtmlText(TCanvas& canvas, const std::wstring& text, const TRect& rect, const THtmlPaintOptions& options,
                   THtmlPaintResult& result) {
    HDC dc = canvas.Handle();
    TGdiHtmlMeasurer measurer(dc, options);
    THtmlLayoutInput in = MakeInput(canvas, dc, rect, options);
    const THtmlLayoutResult* layout = nullptr;
    THtmlLayoutResult made;
    if (options.Kept) {
        // Laid out once for drawing, without a hit point: painting, measuring and every
        // hit test after it use the same layout.
        in.Draw = true;
        in.HitTest = false;
        const bool paint = !options.MeasureOnly;
        auto* entry = THtmlKeptLayoutAccess::Find(*options.Kept, text, in, options, paint, measurer);
        if (!entry) {
            in.Text = text;
            ++gLayoutsDone;
            THtmlLayoutResult laidOut = LayoutHtml(in, measurer);
            entry = THtmlKeptLayoutAccess::Keep(*options.Kept, std::move(in), options, std::move(laidOut), measurer);
        }
        layout = &entry->Layout;
    } else {
        in.Text = text;
        ++gLayoutsDone;
        made = LayoutHtml(in, measurer);
        layout = &made;
    }
    if (!options.MeasureOnly && !layout->Ops.empty()) DrawOps(canvas, layout->Ops, rect, measurer);
    result.AnchorTarget.clear();
    result.AnchorIndex = -1;
    result.AnchorRect = {};
    bool hit = false;
    if (options.HitTest) {
        if (const THtmlAnchorBox* box = HtmlAnchorAt(*layout, options.HitPoint)) {
            hit = true;
            result.AnchorTarget = layout->AnchorTargets[static_cast<size_t>(box->Anchor)];
            result.AnchorIndex = box->Anchor;
            result.AnchorRect = box->Rect;
        }
    }
    result.PlainText = layout->PlainText;
    result.FocusTarget = layout->FocusTarget;
    result.Width = layout->Width;
    result.Height = layout->Height;
    result.AnchorCount = layout->AnchorCount;
    return hit;
}

}  // namespace orv
