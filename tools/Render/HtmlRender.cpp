#include "HtmlRender.h"

#include <algorithm>
#include <string>

#include "framework/Bitmap.h"
#include "framework/Component.h"
#include "framework/ImageList.h"
#include "statusbar/HtmlPaint.h"
#include "statusbar/PictureContainer.h"

using namespace orv;

namespace orvtools {

namespace {

void Prepare(TBitmap& b, TColor background) {
    b.Canvas().Brush().SetColor(background);
    b.Canvas().FillRect({0, 0, b.Width(), b.Height()});
    b.Canvas().Font().SetName(L"Tahoma");
    b.Canvas().Font().SetHeight(-11);
    b.Canvas().Font().SetColor(clBlack);
}

// A 16 x 16 glyph for "IDX:0": a green disc with a white bar.
void AddGlyph(TImageList& images) {
    TBitmap glyph(16, 16);
    TCanvas& c = glyph.Canvas();
    c.Brush().SetColor(clFuchsia);
    c.FillRect({0, 0, 16, 16});
    c.Brush().SetColor(0x2FA040);
    c.Pen().SetColor(0x1F7020);
    c.Ellipse({1, 1, 15, 15});
    c.Brush().SetColor(clWhite);
    c.FillRect({4, 7, 12, 9});
    images.SetSize(16, 16);
    images.AddMasked(glyph, clFuchsia);
}

void PaintRichPage(TBitmap& b) {
    Prepare(b, clWhite);
    TOwnedPtr<TImageList> images(Make<TImageList>(nullptr));
    AddGlyph(*images);
    THtmlPaintOptions options;
    options.Images = images.get();
    options.AnchorColor = clBlue;
    options.FocusAnchor = 1;
    THtmlPaintResult result;
    const std::wstring page =
        L"<BODY bgcolor=\"#FFFFFF\" bgcolorto=\"#F0D9C2\" dir=\"H\">"
        L"<P align=\"center\" bgcolor=\"#FAF0E6\" bgcolorto=\"#E4C8A8\"><B>Rich panel text</B> &euro; &permil; "
        L"&copy; Fish &amp; Chips</P>"
        L"<IMG src=\"IDX:0\" align=\"middle\"> <B>bold</B> <I>italic</I> <U>underline</U> <S>strike</S> "
        L"<A href=\"http://example.org\">web anchor</A> and <A href=\"note\">focused anchor</A><BR>"
        L"<FONT size=\"1\">size 1</FONT> <FONT size=\"3\" color=\"clNavy\">size 3</FONT> "
        L"<FONT size=\"5\" face=\"Arial\" color=\"#C00000\">size 5</FONT> H<SUB>2</SUB>O x<SUP>2</SUP> "
        L"<FONT bgcolor=\"clYellow\">marked</FONT> <HI>highlight</HI><BR>"
        L"<SHAD>shadowed text</SHAD> <E>misspelt wrod</E> <Z>hidden</Z>no gap <BLINK>blink off</BLINK>"
        L"<HR>"
        L"<UL><LI>first level<UL><LI>second level<LI type=\"square\" color=\"#C00000\">square"
        L"<LI type=\"circle\" color=\"#008000\">circle</UL><LI>back at the first</UL>"
        L"<P align=\"right\">right aligned paragraph</P>"
        L"<P indent=\"24\">indented paragraph that is long enough to wrap onto a second line inside the page</P>";
    PaintHtmlText(b.Canvas(), page, {4, 4, b.Width() - 4, b.Height() - 4}, options, result);
}

void PaintPanels(TBitmap& b) {
    Prepare(b, 0xF0D9C2);
    const wchar_t* panels[] = {
        L"<B>Ready</B> - <A href=\"http://example.org\">example.org</A>",
        L"<P align=\"right\">Line <B>12</B>, column <B>4</B></P>",
        L"<FONT color=\"clGreen\">&sect;</FONT> Saved &amp; synced <E>speling</E>",
        L"Too long to fit: <I>this panel text runs past the right edge and ends in an ellipsis</I>",
    };
    THtmlPaintOptions options;
    options.AnchorColor = clBlue;
    for (int i = 0; i < 4; ++i) {
        const TRect r{4, 4 + i * 24, 244, 4 + i * 24 + 19};
        b.Canvas().Brush().SetColor(0xFAF0E6);
        b.Canvas().FillRect(r);
        options.WordWrap = i != 3;
        THtmlPaintResult result;
        PaintHtmlText(b.Canvas(), panels[i], r.Inflate(-2, 0), options, result);
    }
}

// A 12 x 12 animated GIF whose later frames only change part of the screen: frame 1 fills
// it orange, frame 2 adds a blue square, frame 3 a green bar that frame 4 takes away again
// (it restores what lay beneath), adding a white dot.
std::vector<uint8_t> DeltaGif() {
    std::vector<uint8_t> g = {'G', 'I', 'F', '8', '9', 'a', 12, 0, 12, 0, 0x81, 0, 0};
    for (int v : {255, 128, 0, 0, 0, 200, 0, 160, 0, 255, 255, 255}) g.push_back(static_cast<uint8_t>(v));
    struct TFrame {
        int Left, Top, Width, Height, Color, Disposal;
    };
    for (const TFrame& f : {TFrame{0, 0, 12, 12, 0, 1}, TFrame{2, 2, 5, 5, 1, 1}, TFrame{0, 8, 12, 3, 2, 3},
                            TFrame{9, 1, 2, 2, 3, 1}}) {
        for (int v : {0x21, 0xF9, 4, f.Disposal << 2, 50, 0, 0, 0, 0x2C, f.Left, 0, f.Top, 0, f.Width, 0, f.Height, 0, 0, 2})
            g.push_back(static_cast<uint8_t>(v));
        // Every pixel after a clear code: the code size stays 3 bits.
        std::vector<uint8_t> data;
        unsigned acc = 0, bits = 0;
        auto put = [&](int code) {
            acc |= static_cast<unsigned>(code) << bits;
            for (bits += 3; bits >= 8; bits -= 8, acc >>= 8) data.push_back(static_cast<uint8_t>(acc & 0xFF));
        };
        for (int i = 0; i < f.Width * f.Height; ++i) {
            put(4);
            put(f.Color);
        }
        put(5);
        if (bits) data.push_back(static_cast<uint8_t>(acc));
        for (size_t at = 0; at < data.size(); at += 255) {
            const size_t n = std::min<size_t>(255, data.size() - at);
            g.push_back(static_cast<uint8_t>(n));
            g.insert(g.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
                     data.begin() + static_cast<std::ptrdiff_t>(at + n));
        }
        g.push_back(0);
    }
    g.push_back(0x3B);
    return g;
}

// Each frame of the GIF as it shows, over the frames before it: natural size in a rich text
// line, and stretched four times.
void PaintGifFrames(TBitmap& b) {
    Prepare(b, clWhite);
    TOwnedPtr<html::TPictureContainer> store(Make<html::TPictureContainer>(nullptr));
    html::TPictureItem* item = store->GetItems().Add();
    item->SetName(L"anim");
    html::THTMLPicture& picture = item->GetPicture();
    picture.SetData(DeltaGif());
    THtmlPaintOptions options;
    options.Pictures = store.get();
    for (int frame = 1; frame <= picture.FrameCount(); ++frame) {
        picture.SetFrame(frame);
        const int x = 4 + (frame - 1) * 56;
        THtmlPaintResult result;
        PaintHtmlText(b.Canvas(), L"<IMG src=\"anim\"> " + std::to_wstring(frame), {x, 4, x + 52, 20}, options,
                      result);
        picture.StretchDraw(b.Canvas(), Bounds(x, 24, 48, 48));
    }
}

}  // namespace

std::vector<TRenderItem> HtmlRenderItems() {
    return {
        {L"html-rich", L"Rich panel text: every tag on a gradient body", 440, 300, 1, PaintRichPage},
        {L"html-panels", L"One-line panel texts; the last one without word wrap", 248, 102, 2, PaintPanels},
        {L"html-gif-frames", L"An animated GIF's frames over the frames before them: in text and stretched", 228,
         76, 3, PaintGifFrames},
    };
}

}  // namespace orvtools
