#include "HtmlRender.h"

#include "framework/Bitmap.h"
#include "framework/Component.h"
#include "framework/ImageList.h"
#include "statusbar/HtmlPaint.h"

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

}  // namespace

std::vector<TRenderItem> HtmlRenderItems() {
    return {
        {L"html-rich", L"Rich panel text: every tag on a gradient body", 440, 300, 1, PaintRichPage},
        {L"html-panels", L"One-line panel texts; the last one without word wrap", 248, 102, 2, PaintPanels},
    };
}

}  // namespace orvtools
