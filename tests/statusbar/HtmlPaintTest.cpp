// PaintHtmlText on a real device context: pixels of aligned text and pictures, hit tests
// against where the text was drawn, sizes against the platform's own font metrics, what a
// paint leaves behind, and the shell seam behind system icons.
#include "TestSupport.h"

#include <shellapi.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/Bitmap.h"
#include "framework/GdiHandles.h"
#include "framework/ImageList.h"
#include "paint/GDIPPicture.h"
#include "paint/OrvColors.h"
#include "paint/OrvGDIP.h"
#include "statusbar/HtmlPaint.h"
#include "statusbar/HtmlPaintInternal.h"
#include "statusbar/PictureContainer.h"

using namespace orv;

namespace {

void Prepare(TBitmap& b) {
    b.Canvas().Brush().SetColor(clWhite);
    b.Canvas().FillRect({0, 0, b.Width(), b.Height()});
    b.Canvas().Font().SetName(L"Tahoma");
    b.Canvas().Font().SetHeight(-12);
    b.Canvas().Font().SetColor(clBlack);
}

bool IsInk(TColor c) {
    return RedOf(c) < 128 && GreenOf(c) < 128 && BlueOf(c) < 128;
}
bool IsBlueInk(TColor c) {
    return BlueOf(c) > 128 && RedOf(c) < 100 && GreenOf(c) < 100;
}

// The first and last columns holding a pixel that matches.
template <class P>
std::pair<int, int> InkColumns(TBitmap& b, P match) {
    int first = -1, last = -1;
    for (int x = 0; x < b.Width(); ++x)
        for (int y = 0; y < b.Height(); ++y)
            if (match(b.PixelColor(x, y))) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    return {first, last};
}

int FontTextHeight(int pixelHeight) {
    TGdiMemoryDC dc(CreateCompatibleDC(nullptr));
    TGdiFont font(CreateFontW(pixelHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
    TSelectGuard select(dc.Get(), font.Get());
    SIZE size{};
    GetTextExtentPoint32W(dc.Get(), L"gh", 2, &size);
    return size.cy;
}

}  // namespace

TEST(HtmlPaint, RightAlignedParagraphEndsAtTheRightEdge) {
    TBitmap b(200, 20);
    Prepare(b);
    THtmlPaintResult result;
    PaintHtmlText(b.Canvas(), L"<P align=\"right\">WWW</P>", {0, 0, 200, 20}, {}, result);
    auto [first, last] = InkColumns(b, IsInk);
    EXPECT_GE(last, 196);
    EXPECT_LE(last, 199);
    EXPECT_GT(first, 140);

    Prepare(b);
    PaintHtmlText(b.Canvas(), L"WWW", {0, 0, 200, 20}, {}, result);
    auto [leftFirst, leftLast] = InkColumns(b, IsInk);
    EXPECT_LT(leftFirst, 4);
    // The same text, only moved: the last glyph's overhang past the edge is clipped.
    EXPECT_NEAR(leftLast - leftFirst, last - first, 3);
}

TEST(HtmlPaint, AnchorHitWhereItsTextIsDrawn) {
    const std::wstring text = L"<A href=\"http://example.org\">LINK</A> plain";
    TBitmap b(300, 20);
    Prepare(b);
    THtmlPaintResult result;
    THtmlPaintOptions options;
    options.AnchorColor = clBlue;
    PaintHtmlText(b.Canvas(), text, {0, 0, 300, 20}, options, result);
    auto [linkFirst, linkLast] = InkColumns(b, IsBlueInk);
    auto [plainFirst, plainLast] = InkColumns(b, [](TColor c) { return IsInk(c) && !IsBlueInk(c); });
    ASSERT_GE(linkFirst, 0);
    ASSERT_GT(plainLast, linkLast);
    EXPECT_EQ(result.AnchorCount, 1);
    EXPECT_EQ(result.PlainText, L"LINK plain");

    options.MeasureOnly = true;
    options.KeepColors = true;
    options.HitTest = true;
    options.HitPoint = {(linkFirst + linkLast) / 2, 8};
    EXPECT_TRUE(PaintHtmlText(b.Canvas(), text, {0, 0, 300, 20}, options, result));
    EXPECT_EQ(result.AnchorTarget, L"http://example.org");
    EXPECT_EQ(result.AnchorIndex, 0);
    EXPECT_LE(result.AnchorRect.Left, linkFirst);
    EXPECT_GT(result.AnchorRect.Right, linkLast);

    options.HitPoint = {plainLast, 8};
    EXPECT_FALSE(PaintHtmlText(b.Canvas(), text, {0, 0, 300, 20}, options, result));
    EXPECT_TRUE(result.AnchorTarget.empty());
    EXPECT_EQ(result.AnchorIndex, -1);
}

TEST(HtmlPaint, SizesFollowTheFonts) {
    TBitmap b(300, 100);
    Prepare(b);
    THtmlPaintOptions options;
    options.MeasureOnly = true;
    THtmlPaintResult result;
    // FONT size 3 is 12 points: 16 pixels at 96 pixels per inch; size 11 is 15 pixels.
    PaintHtmlText(b.Canvas(), L"<FONT size=\"3\">gh</FONT>", {0, 0, 300, 100}, options, result);
    EXPECT_EQ(result.Height, FontTextHeight(-16));
    PaintHtmlText(b.Canvas(), L"<FONT size=\"11\">gh</FONT>", {0, 0, 300, 100}, options, result);
    EXPECT_EQ(result.Height, FontTextHeight(-15));
    PaintHtmlText(b.Canvas(), L"a<BR>b", {0, 0, 300, 100}, options, result);
    EXPECT_EQ(result.Height, 2 * FontTextHeight(-12));
    // Hidden text takes no room.
    THtmlPaintResult plain;
    PaintHtmlText(b.Canvas(), L"abcd", {0, 0, 300, 100}, options, plain);
    PaintHtmlText(b.Canvas(), L"ab<Z>hidden words</Z>cd", {0, 0, 300, 100}, options, result);
    EXPECT_EQ(result.Width, plain.Width);
    EXPECT_EQ(result.PlainText, L"abhidden wordscd");
}

TEST(HtmlPaint, FirstLevelBulletIsASmallDotWithinTheLine) {
    // Whatever face stands in for Symbol, the first-level bullet shows as a dot: a few
    // pixels each way, inside the line's height, left of the item text at 12.
    TBitmap b(100, 30);
    Prepare(b);
    THtmlPaintOptions options;
    THtmlPaintResult result;
    PaintHtmlText(b.Canvas(), L"<UL><LI>item</UL>", {0, 0, 100, 30}, options, result);
    int left = 100, right = -1, top = 30, bottom = -1;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 11; ++x)
            if (IsInk(b.PixelColor(x, y))) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    ASSERT_GE(right, 0) << "no bullet drawn";
    EXPECT_LE(right - left + 1, 6);
    EXPECT_LE(bottom - top + 1, 6) << "a tall glyph, not a dot";
    EXPECT_GT(top, 1);
    EXPECT_LT(bottom, FontTextHeight(-12));
    bool text = false;
    for (int y = 0; y < 30; ++y) text = text || IsInk(b.PixelColor(12, y)) || IsInk(b.PixelColor(13, y));
    EXPECT_TRUE(text) << "the item text follows at 12";
}

TEST(HtmlPaint, PaintReleasesWhatItMadeAndRestoresTheCanvas) {
    TBitmap b(300, 120);
    Prepare(b);
    b.Canvas().Brush().SetColor(0x00C0FFEE);
    const std::wstring rich =
        L"<BODY bgcolor=\"#FFFFFF\" bgcolorto=\"#C0C0C0\"><P bgcolor=\"clYellow\" bgcolorto=\"clWhite\"><B>Bold</B> "
        L"<I>it</I> <U>u</U> <S>s</S> <A href=\"x\">link</A></P><UL><LI type=\"circle\">one<LI>two</UL><HR>"
        L"<FONT face=\"Arial\" size=\"4\" color=\"clRed\" bgcolor=\"clAqua\">big</FONT><SUB>2</SUB><SUP>3</SUP> "
        L"<SHAD>shadow</SHAD> <E>wrong</E> <R a=\"90\">up</R> <HI>high</HI> <BLINK>blink</BLINK>";
    THtmlPaintResult result;
    const int gdi = GdiLiveTotal(), gdip = GdipLiveTotal();
    THtmlPaintOptions options;
    options.FocusAnchor = 0;
    PaintHtmlText(b.Canvas(), rich, {0, 0, 300, 120}, options, result);
    EXPECT_EQ(GdiLiveTotal(), gdi);
    EXPECT_EQ(GdipLiveTotal(), gdip);
    EXPECT_EQ(b.Canvas().Font().GetName(), L"Tahoma");
    EXPECT_EQ(b.Canvas().Font().GetHeight(), -12);
    EXPECT_EQ(b.Canvas().Brush().GetColor(), 0x00C0FFEE);
    EXPECT_EQ(result.FocusTarget, L"x");
    // The rule: a black line across the whole rectangle.
    bool rule = false;
    for (int y = 0; y < 120 && !rule; ++y) rule = b.PixelColor(1, y) == clBlack && b.PixelColor(298, y) == clBlack;
    EXPECT_TRUE(rule);
    // The body gradient runs from white on the left towards silver on the right (bottom row,
    // below the text).
    EXPECT_EQ(b.PixelColor(0, 119), clWhite);
    EXPECT_LT(RedOf(b.PixelColor(299, 119)), 200);
}

TEST(HtmlPaint, PicturesFromTheListAndTheStore) {
    TBitmap green(8, 8);
    green.Canvas().Brush().SetColor(clLime);
    green.Canvas().FillRect({0, 0, 8, 8});
    TOwnedPtr<TImageList> images(Make<TImageList>(nullptr));
    images->SetSize(8, 8);
    images->Add(green);

    TBitmap red(8, 8);
    red.Canvas().Brush().SetColor(clRed);
    red.Canvas().FillRect({0, 0, 8, 8});
    TOwnedPtr<html::TPictureContainer> store(Make<html::TPictureContainer>(nullptr));
    html::TPictureItem* item = store->GetItems().Add();
    item->SetName(L"Red");
    item->GetPicture().SetData(BmpFileBytes(red));

    TBitmap b(100, 20);
    Prepare(b);
    THtmlPaintOptions options;
    options.Images = images.get();
    options.Pictures = store.get();
    THtmlPaintResult result;
    PaintHtmlText(b.Canvas(), L"<IMG src=\"IDX:0\"><IMG src=\"red\"><IMG src=\"IDX:1\"><IMG src=\"none\">",
                  {0, 0, 100, 20}, options, result);
    EXPECT_EQ(b.PixelColor(3, 6), clLime);
    EXPECT_EQ(b.PixelColor(11, 6), clRed);
    EXPECT_EQ(b.PixelColor(19, 6), clWhite) << "IDX:1 is past the list's end; a missing name takes no room";
    EXPECT_EQ(result.Width, 16 + 2);

    // Without a store, names resolve to nothing.
    options.Pictures = nullptr;
    PaintHtmlText(b.Canvas(), L"<IMG src=\"red\">", {0, 0, 100, 20}, options, result);
    EXPECT_EQ(result.Width, 2);
}

TEST(HtmlPaint, NetworkPathsTakeTheTypeIconWithoutTouchingThePath) {
    std::vector<std::wstring> probed;
    std::vector<unsigned> flags;
    std::vector<std::wstring> asked;
    THtmlShellCalls calls;
    calls.PathExists = [&](const std::wstring& path) {
        probed.push_back(path);
        return false;
    };
    calls.FileInfo = [&](const std::wstring& path, unsigned, unsigned f, int& icon) -> uintptr_t {
        asked.push_back(path);
        flags.push_back(f);
        icon = 0;
        return 0;
    };
    SetHtmlShellCalls(calls);
    TBitmap b(100, 40);
    Prepare(b);
    THtmlPaintResult result;
    PaintHtmlText(b.Canvas(), L"<IMG src=\"SSYS:\\\\server\\share\\report.doc\"><IMG src=\"LSYS://server/x.txt\">",
                  {0, 0, 100, 40}, {}, result);
    EXPECT_TRUE(probed.empty()) << "a network path is never looked at";
    ASSERT_EQ(flags.size(), 2u);
    EXPECT_EQ(asked[0], L"\\\\server\\share\\report.doc");
    EXPECT_TRUE(flags[0] & SHGFI_USEFILEATTRIBUTES);
    EXPECT_TRUE(flags[0] & SHGFI_SMALLICON);
    EXPECT_TRUE(flags[1] & SHGFI_USEFILEATTRIBUTES);
    EXPECT_FALSE(flags[1] & SHGFI_SMALLICON);

    PaintHtmlText(b.Canvas(), L"<IMG src=\"SSYS:C:\\missing\\report.doc\">", {0, 0, 100, 40}, {}, result);
    EXPECT_EQ(probed.size(), 1u) << "a local path is looked at";
    EXPECT_TRUE(flags.back() & SHGFI_USEFILEATTRIBUTES) << "a missing file shows its type's icon";
    SetHtmlShellCalls({});
}

TEST(HtmlPaint, SubAndSuperscriptMoveByAQuarterOfTheTextHeight) {
    const int text = FontTextHeight(-12);
    const int shift = text / 4;
    TBitmap b(120, 40);
    THtmlPaintResult result;
    // The topmost row holding ink of a colour.
    auto topRow = [&](auto match) {
        for (int y = 0; y < b.Height(); ++y)
            for (int x = 0; x < b.Width(); ++x)
                if (match(b.PixelColor(x, y))) return y;
        return -1;
    };
    Prepare(b);
    PaintHtmlText(b.Canvas(), L"I", {0, 0, 120, 40}, {}, result);
    const int plainTop = topRow(IsInk);
    ASSERT_GE(plainTop, 0);
    EXPECT_EQ(result.Height, text);

    // Superscript: the line grows by the shift, plain text sits that much lower, the raised
    // run where plain text sat alone.
    Prepare(b);
    PaintHtmlText(b.Canvas(), L"I<SUP><FONT color=\"clBlue\">I</FONT></SUP>", {0, 0, 120, 40}, {}, result);
    EXPECT_EQ(result.Height, text + shift);
    EXPECT_EQ(topRow(IsInk), plainTop + shift);
    EXPECT_EQ(topRow(IsBlueInk), plainTop);

    // Subscript: plain text stays, the lowered run sits a shift below it.
    Prepare(b);
    PaintHtmlText(b.Canvas(), L"I<SUB><FONT color=\"clBlue\">I</FONT></SUB>", {0, 0, 120, 40}, {}, result);
    EXPECT_EQ(result.Height, text + shift);
    EXPECT_EQ(topRow(IsInk), plainTop);
    EXPECT_EQ(topRow(IsBlueInk), plainTop + shift);

    // Both on one line: room for both shifts; the closing tag ends the shift.
    Prepare(b);
    PaintHtmlText(b.Canvas(), L"I<SUB>I</SUB><SUP>I</SUP><FONT color=\"clBlue\">I</FONT>", {0, 0, 120, 40}, {}, result);
    EXPECT_EQ(result.Height, text + 2 * shift);
    EXPECT_EQ(topRow(IsBlueInk), plainTop + shift) << "after the closing tags the run is on the base line";
}

TEST(HtmlPaint, BodyPicturesTileAndSitInTheCornersWithinTheRectangle) {
    // An 8 x 8 red tile with a blue top-left pixel, and two plain corner pictures.
    TBitmap tile(8, 8);
    tile.Canvas().Brush().SetColor(clRed);
    tile.Canvas().FillRect({0, 0, 8, 8});
    tile.Canvas().SetPixel(0, 0, clBlue);
    TBitmap lime(6, 6), yellow(6, 6);
    lime.Canvas().Brush().SetColor(clLime);
    lime.Canvas().FillRect({0, 0, 6, 6});
    yellow.Canvas().Brush().SetColor(clYellow);
    yellow.Canvas().FillRect({0, 0, 6, 6});
    TOwnedPtr<html::TPictureContainer> store(Make<html::TPictureContainer>(nullptr));
    auto add = [&](const wchar_t* name, const TBitmap& bitmap) {
        html::TPictureItem* item = store->GetItems().Add();
        item->SetName(name);
        item->GetPicture().SetData(BmpFileBytes(bitmap));
    };
    add(L"tile", tile);
    add(L"lime", lime);
    add(L"yellow", yellow);

    TBitmap b(50, 40);
    Prepare(b);
    THtmlPaintOptions options;
    options.Pictures = store.get();
    THtmlPaintResult result;
    const TRect rect{5, 5, 35, 25};
    PaintHtmlText(b.Canvas(), L"<BODY background=\"tile\">", rect, options, result);
    // Tiles start at the rectangle's top-left corner, every 8 pixels.
    for (int y = rect.Top; y < rect.Bottom; ++y)
        for (int x = rect.Left; x < rect.Right; ++x) {
            const bool marker = (x - rect.Left) % 8 == 0 && (y - rect.Top) % 8 == 0;
            ASSERT_EQ(b.PixelColor(x, y), marker ? clBlue : clRed) << x << ", " << y;
        }
    // Nothing outside the rectangle.
    for (int x = 0; x < b.Width(); ++x) {
        EXPECT_EQ(b.PixelColor(x, rect.Top - 1), clWhite) << x;
        EXPECT_EQ(b.PixelColor(x, rect.Bottom), clWhite) << x;
    }
    for (int y = 0; y < b.Height(); ++y) {
        EXPECT_EQ(b.PixelColor(rect.Left - 1, y), clWhite) << y;
        EXPECT_EQ(b.PixelColor(rect.Right, y), clWhite) << y;
    }

    Prepare(b);
    PaintHtmlText(b.Canvas(), L"<BODY bgtopleft=\"lime\" bgtopright=\"yellow\">", rect, options, result);
    EXPECT_EQ(b.PixelColor(rect.Left, rect.Top), clLime);
    EXPECT_EQ(b.PixelColor(rect.Left + 5, rect.Top + 5), clLime);
    EXPECT_EQ(b.PixelColor(rect.Left + 6, rect.Top), clWhite) << "drawn once, not tiled";
    EXPECT_EQ(b.PixelColor(rect.Left, rect.Top + 6), clWhite);
    EXPECT_EQ(b.PixelColor(rect.Right - 1, rect.Top), clYellow);
    EXPECT_EQ(b.PixelColor(rect.Right - 6, rect.Top + 5), clYellow);
    EXPECT_EQ(b.PixelColor(rect.Right - 7, rect.Top), clWhite);
    EXPECT_EQ(b.PixelColor(rect.Right, rect.Top), clWhite);
}

TEST(HtmlPaint, FilePicturesOnTheNetworkAreNeverOpened) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"orv-html-local.bmp";
    TBitmap red(8, 8);
    red.Canvas().Brush().SetColor(clRed);
    red.Canvas().FillRect({0, 0, 8, 8});
    {
        const std::vector<uint8_t> bytes = BmpFileBytes(red);
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }
    THtmlPictureCache cache;
    THtmlPaintOptions options;
    options.PictureCache = &cache;
    TBitmap b(100, 20);
    Prepare(b);
    THtmlPaintResult result;
    // A local file is loaded and drawn.
    PaintHtmlText(b.Canvas(), L"<IMG src=\"file://" + path + L"\">", {0, 0, 100, 20}, options, result);
    DeleteFileW(path.c_str());
    EXPECT_EQ(b.PixelColor(3, 6), clRed);
    EXPECT_EQ(cache.Count(), 1);

    // Shares and other network paths are refused as they are read: no picture is made or
    // loaded for them, and they take no room.
    for (const wchar_t* share : {L"file://\\\\host\\share\\x.gif", L"FILE:////host/share/x.gif",
                                 L"file://\\\\?\\UNC\\host\\share\\x.gif", L"File://\\/host/x.gif"}) {
        Prepare(b);
        PaintHtmlText(b.Canvas(), std::wstring(L"<IMG src=\"") + share + L"\">", {0, 0, 100, 20}, options, result);
        EXPECT_EQ(cache.Count(), 1) << share;
        EXPECT_EQ(result.Width, 2) << share;
    }
}

TEST(HtmlPaint, MeasuredTextsAreKeptWithinABoundInBytes) {
    TBitmap b(10, 10);
    Prepare(b);
    THtmlPaintOptions options;
    options.MeasureOnly = true;
    THtmlPaintResult result;
    // Three hundred long texts, each measured once: 24 MB if every one were kept.
    for (int i = 0; i < 300; ++i) {
        std::wstring text(20000, static_cast<wchar_t>(L'a' + i % 26));
        text += std::to_wstring(i);
        PaintHtmlText(b.Canvas(), text, {0, 0, 1000000, 100}, options, result);
        ASSERT_LE(detail::HtmlMeasuredTextBytes(), 2u << 20) << "after text " << i;
    }
    // Measuring still answers the platform's width.
    PaintHtmlText(b.Canvas(), L"WWW", {0, 0, 1000, 100}, options, result);
    TGdiMemoryDC dc(CreateCompatibleDC(nullptr));
    TGdiFont font(CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
    TSelectGuard select(dc.Get(), font.Get());
    SIZE size{};
    GetTextExtentPoint32W(dc.Get(), L"WWW", 3, &size);
    EXPECT_EQ(result.Width, size.cx + 2);
}
