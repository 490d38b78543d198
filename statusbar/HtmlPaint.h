#pragma once
// PaintHtmlText: draws, measures or hit-tests rich panel text in a rectangle of a canvas.
// The layout (HtmlLayout.h) decides where everything goes; this unit measures with the
// canvas's device context, resolves picture references (image list, the system's shell
// image lists, the picture store, the URL picture cache) and draws the layout's operations.
// Every font, pen and brush it makes is released before it returns; the canvas's font and
// brush colour are as they were.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "framework/Canvas.h"
#include "framework/ImageList.h"
#include "statusbar/HtmlLayout.h"

namespace orv {

namespace html {
class THTMLPicture;
class TPictureContainer;
}  // namespace html

// Pictures referenced by URL ("RES://", "FILE://", web addresses), made on first use and
// found again by their reference for as long as the cache lives.
class THtmlPictureCache {
public:
    THtmlPictureCache();
    ~THtmlPictureCache();
    THtmlPictureCache(const THtmlPictureCache&) = delete;
    THtmlPictureCache& operator=(const THtmlPictureCache&) = delete;

    // The picture for url, loaded with LoadFromURL when first asked for.
    html::THTMLPicture& Picture(const std::wstring& url);
    int Count() const { return static_cast<int>(FPictures.size()); }
    void Clear();

private:
    std::unordered_map<std::wstring, std::unique_ptr<html::THTMLPicture>> FPictures;
};

// A laid-out text kept between calls of PaintHtmlText (a status bar panel keeps one). A call
// given the same text, rectangle, font and options reuses it instead of laying the text out
// again, as long as the pictures it holds keep their sizes; measuring and hit tests reuse a
// layout made for painting, whatever its colours. It holds the two layouts used last (a
// right-aligned panel measures in one rectangle and paints in the next).
class THtmlKeptLayout {
public:
    THtmlKeptLayout();
    ~THtmlKeptLayout();
    THtmlKeptLayout(const THtmlKeptLayout&) = delete;
    THtmlKeptLayout& operator=(const THtmlKeptLayout&) = delete;
    void Clear();

    struct TEntry;  // the painter's

private:
    friend class THtmlKeptLayoutAccess;
    std::vector<std::unique_ptr<TEntry>> FEntries;  // the one used last first
};

// The inputs of PaintHtmlText beside the canvas, the text and the rectangle (the status bar's
// values in comments).
struct THtmlPaintOptions {
    TImageList* Images = nullptr;  // "IDX:" references [Images]
    bool HitTest = false;          // test HitPoint against the anchors [mouse tests]
    TPoint HitPoint;
    int FocusAnchor = -1;  // [-1]
    int HoverAnchor = -1;  // [-1]
    int ShadowOffset = 1;
    bool MeasureOnly = false;    // lay out without painting [measuring and hit tests]
    bool FirstPassOnly = false;  // sizes only
    bool ScalePictures = false;  // by PictureScale instead of the device's pixels per inch / 96
    bool KeepColors = false;     // colour tags leave the text colour alone [hit tests]
    bool BlinkOn = false;        // [timer count > 5]
    bool HoverAnchors = false;
    bool WordWrap = true;
    double PictureScale = 1.0;
    TColor AnchorColor = clBlue;  // [URLColor]
    TColor HoverBackground = clNone;
    TColor HoverTextColor = clNone;
    TColor ShadowColor = 0x808080;
    THtmlPictureCache* PictureCache = nullptr;    // none: URL references are skipped
    html::TPictureContainer* Pictures = nullptr;  // [PictureContainer]
    int LineSpacing = 0;
    THtmlKeptLayout* Kept = nullptr;  // reuse and keep the layout here [each panel's own]
};

struct THtmlPaintResult {
    std::wstring AnchorTarget;  // of the anchor under the hit point
    std::wstring PlainText;     // line breaks as carriage returns
    std::wstring FocusTarget;
    int Width = 0;  // widest line + 2
    int Height = 0;
    int AnchorCount = 0;
    int AnchorIndex = -1;  // of the anchor under the hit point
    TRect AnchorRect;
};

// The shell calls behind "SSYS:" / "LSYS:" names: whether a path exists, and the system image
// list (as an integer handle) with the icon index for a path. Tests replace them; empty
// members use the system's.
struct THtmlShellCalls {
    std::function<bool(const std::wstring& path)> PathExists;
    std::function<uintptr_t(const std::wstring& path, unsigned attributes, unsigned flags, int& iconIndex)> FileInfo;
};
void SetHtmlShellCalls(THtmlShellCalls calls);

// Returns true when an anchor lies under the hit point.
bool PaintHtmlText(TCanvas& canvas, const std::wstring& text, const TRect& rect, const THtmlPaintOptions& options,
                   THtmlPaintResult& result);

// The layout PaintHtmlText draws, measured with the canvas (tests look at where things go).
THtmlLayoutResult LayoutHtmlText(TCanvas& canvas, const std::wstring& text, const TRect& rect,
                                 const THtmlPaintOptions& options);

}  // namespace orv
