// The markup and the line layout against a fake measurer (fuzz/FakeHtmlMeasurer.h): every
// character is 6 pixels wide and a line 15 high in the 12-pixel base font, so positions are
// exact numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>

#include "fuzz/FakeHtmlMeasurer.h"
#include "statusbar/HtmlLayout.h"
#include "statusbar/HtmlMarkup.h"

using namespace orv;

namespace {

THtmlLayoutInput Input(const std::wstring& text, TRect rect = {10, 0, 410, 200}) {
    THtmlLayoutInput in;
    in.Text = text;
    in.Rect = rect;
    in.BaseFont = {L"Tahoma", -12, 0, 0};
    in.BaseColor = clBlack;
    return in;
}

THtmlLayoutResult Layout(const THtmlLayoutInput& in) {
    orvtest::TFakeHtmlMeasurer measurer;
    return LayoutHtml(in, measurer);
}

std::vector<THtmlOp> TextOps(const THtmlLayoutResult& r) {
    std::vector<THtmlOp> texts;
    for (const THtmlOp& op : r.Ops)
        if (op.Kind == THtmlOpKind::Text) texts.push_back(op);
    return texts;
}

// Lays text out and fails when it takes more than a second (bad markup must not hang).
THtmlLayoutResult TimedLayout(const std::wstring& text, TRect rect = {0, 0, 300, 100000}) {
    auto start = std::chrono::steady_clock::now();
    THtmlLayoutResult r = Layout(Input(text, rect));
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    EXPECT_LT(ms.count(), 1000) << "layout of " << text.size() << " characters took " << ms.count() << " ms";
    return r;
}

}  // namespace

TEST(HtmlMarkup, EntitiesAreReplaced) {
    auto shown = [](const std::wstring& text) {
        std::wstring all;
        for (const THtmlOp& op : TextOps(Layout(Input(text)))) all += op.Text;
        return all;
    };
    EXPECT_EQ(shown(L"Fish&amp;Chips"), L"Fish&Chips");
    EXPECT_EQ(shown(L"&euro;5"),
              L"\u20AC"
              L"5");
    EXPECT_EQ(shown(L"3&permil;"), L"3\u2030");
    EXPECT_EQ(shown(L"&copy;&reg;&trade;&sect;&para;&quot;"), L"\u00A9\u00AE\u2122\u00A7\u00B6\"");
    // Run entities make no tags.
    THtmlLayoutResult r = Layout(Input(L"&lt;B&gt;x&nbsp;y"));
    ASSERT_EQ(TextOps(r).size(), 1u);
    EXPECT_EQ(TextOps(r)[0].Text, L"<B>x y");
    EXPECT_EQ(TextOps(r)[0].Font.Style, 0);
    // An ampersand between blanks shows every ampersand as written.
    EXPECT_EQ(shown(L"Tom & Jerry &Co"), L"Tom & Jerry &Co");
    // Otherwise a single "&" marks an accelerator and is not shown.
    EXPECT_EQ(shown(L"&File"), L"File");
    EXPECT_EQ(Layout(Input(L"a&amp;b<BR>c")).PlainText, L"a&b\rc");
}

TEST(HtmlMarkup, EntitiesAreDecodedOnce) {
    // "&amp;" in an anchor's target is one ampersand: the query string survives.
    THtmlLayoutInput in = Input(L"<A href=\"http://example.org/find?a=1&amp;b=2\">find</A>");
    in.HitTest = true;
    in.HitPoint = {12, 5};
    THtmlLayoutResult r = Layout(in);
    ASSERT_TRUE(r.AnchorHit);
    EXPECT_EQ(r.AnchorTarget, L"http://example.org/find?a=1&b=2");

    // An escaped entity shows as written: its text is not decoded a second time.
    auto shown = [](const std::wstring& text) {
        std::wstring all;
        for (const THtmlOp& op : TextOps(Layout(Input(text)))) all += op.Text;
        return all;
    };
    EXPECT_EQ(shown(L"&amp;lt;B&amp;gt;x"), L"&lt;B&gt;x");
    EXPECT_EQ(shown(L"&amp;amp;"), L"&amp;");
    EXPECT_EQ(shown(L"&amp;euro;"), L"&euro;");
    EXPECT_EQ(shown(L"&amp;quot;"), L"&quot;");
    EXPECT_EQ(Layout(Input(L"&amp;nbsp;")).PlainText, L"&nbsp;");
}

TEST(HtmlMarkup, ColoursAndTagNames) {
    EXPECT_EQ(HtmlColor(L"#FF0000"), 255);
    EXPECT_EQ(HtmlColor(L"#00FF00"), 65280);
    EXPECT_EQ(HtmlColor(L"#0000FF"), 16711680);
    // Lower-case digits read as their upper-case form.
    EXPECT_EQ(HtmlColor(L"#ff0000"), 255);
    EXPECT_EQ(HtmlColor(L"#aBcDeF"), 0xEFCDAB);
    EXPECT_EQ(HtmlColor(L"#80ff0c"), HtmlColor(L"#80FF0C"));
    auto texts = TextOps(Layout(Input(L"<FONT color=\"#00ff80\">x</FONT>")));
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Color, 0x80FF00);
    EXPECT_EQ(HtmlColor(L"#F"), 0xF0);
    EXPECT_EQ(HtmlColor(L"clRed"), 255);
    EXPECT_EQ(HtmlColor(L"CLTEAL"), 8421376);
    EXPECT_EQ(HtmlColor(L"clbtnface"), static_cast<TColor>(0xFF00000F));
    EXPECT_EQ(HtmlColor(L"clinfobk"), static_cast<TColor>(0xFF000018));
    EXPECT_EQ(HtmlColor(L"mauve"), clBlack);

    EXPECT_EQ(ClassifyHtmlTag(L"b"), THtmlTag::Bold);
    EXPECT_EQ(ClassifyHtmlTag(L"BR"), THtmlTag::Break);
    EXPECT_EQ(ClassifyHtmlTag(L"BODY bgcolor=\"#FFFFFF\""), THtmlTag::Body);
    EXPECT_EQ(ClassifyHtmlTag(L"BIG"), THtmlTag::None);
    EXPECT_EQ(ClassifyHtmlTag(L"sub"), THtmlTag::Subscript);
    EXPECT_EQ(ClassifyHtmlTag(L"SHAD"), THtmlTag::Shadow);
    EXPECT_EQ(ClassifyHtmlTag(L"IMG src=\"x\""), THtmlTag::Image);
    EXPECT_EQ(ClassifyHtmlTag(L"IND x=\"4\""), THtmlTag::Indent);
    EXPECT_EQ(ClassifyHtmlTag(L"LI"), THtmlTag::ListItem);
    EXPECT_EQ(ClassifyHtmlTag(L"DIV"), THtmlTag::None);

    // BGCOLOR does not answer for COLOR, BGCOLORTO not for BGCOLOR.
    std::wstring v;
    EXPECT_FALSE(FindHtmlAttribute(L"FONT bgcolor=\"#FF0000\"", L" COLOR", v));
    ASSERT_TRUE(FindHtmlAttribute(L"P bgcolorto=\"clRed\" bgcolor=\"clBlue\"", L"BGCOLOR", v));
    EXPECT_EQ(v, L"clBlue");
}

TEST(HtmlMarkup, PictureReferences) {
    EXPECT_EQ(ClassifyPictureRef(L"IDX:1", 2).Kind, THtmlPictureKind::ImageIndex);
    EXPECT_EQ(ClassifyPictureRef(L"idx:0", 2).Index, 0);
    for (const wchar_t* bad : {L"IDX:2", L"IDX:-1", L"IDX:1a", L"IDX: 1", L"IDX:", L"IDX:+1", L"IDX:99999999999999"})
        EXPECT_EQ(ClassifyPictureRef(bad, 2).Kind, THtmlPictureKind::None) << bad;

    THtmlPictureRef small = ClassifyPictureRef(L"SSYS:3", 0);
    EXPECT_EQ(small.Kind, THtmlPictureKind::SmallSystem);
    EXPECT_EQ(small.Index, 3);
    THtmlPictureRef unc = ClassifyPictureRef(L"LSYS:\\\\server\\share\\report.doc", 0);
    EXPECT_EQ(unc.Kind, THtmlPictureKind::LargeSystem);
    EXPECT_TRUE(unc.NetworkPath);
    EXPECT_FALSE(ClassifyPictureRef(L"SSYS:C:\\report.doc", 0).NetworkPath);
    EXPECT_EQ(ClassifyPictureRef(L"save", 0).Kind, THtmlPictureKind::Named);
    EXPECT_EQ(ClassifyPictureRef(L"RES://LOGO", 0).Kind, THtmlPictureKind::Url);
    EXPECT_EQ(ClassifyPictureRef(L"C:\\x.bmp", 0).Kind, THtmlPictureKind::None);
}

TEST(HtmlMarkup, OnlyWebAndMailAnchorsOpenWithTheShell) {
    for (const wchar_t* yes : {L"http://example.org", L"HTTPS://example.org", L"MailTo:someone@example.org"})
        EXPECT_TRUE(AnchorOpensWithShell(yes)) << yes;
    for (const wchar_t* no : {L"file://C:/x.exe", L"ftp://example.org", L"notepad", L"", L"http:/x", L"c:\\http://"})
        EXPECT_FALSE(AnchorOpensWithShell(no)) << no;
}

TEST(HtmlLayout, FontSizes) {
    auto heightOf = [](const std::wstring& text) {
        auto texts = TextOps(Layout(Input(text)));
        return texts.empty() ? 0 : texts[0].Font.Height;
    };
    // At 96 pixels per inch: 12 points are 16 pixels, 11 points 15.
    EXPECT_EQ(heightOf(L"<FONT size=\"3\">x</FONT>"), -16);
    EXPECT_EQ(heightOf(L"<FONT size=\"1\">x</FONT>"), -11);
    EXPECT_EQ(heightOf(L"<FONT size=\"11\">x</FONT>"), -15);
    EXPECT_EQ(heightOf(L"<FONT size=\"99999999999\">x</FONT>"), -667) << "clamped to 500 points";
    // The closing tag restores the size, face and colour.
    auto texts = TextOps(Layout(Input(L"<FONT face=\"Arial\" size=\"5\" color=\"#FF0000\">a</FONT>b")));
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].Font.Name, L"Arial");
    EXPECT_EQ(texts[0].Color, 255);
    EXPECT_EQ(texts[1].Font.Name, L"Tahoma");
    EXPECT_EQ(texts[1].Font.Height, -12);
    EXPECT_EQ(texts[1].Color, clBlack);
}

TEST(HtmlLayout, BulletsByLevel) {
    THtmlLayoutResult r = Layout(Input(L"<UL><LI>one</LI><UL><LI>two</LI></UL></UL>"));
    auto texts = TextOps(r);
    ASSERT_EQ(texts.size(), 4u);
    // Level one: the bullet at the line start (10), U+00B7 in Symbol; the text 12 further.
    EXPECT_EQ(texts[0].Text, L"\u00B7");
    EXPECT_EQ(texts[0].Font.Name, L"Symbol");
    EXPECT_EQ(texts[0].Rect.Left, 10);
    EXPECT_EQ(texts[1].Text, L"one");
    EXPECT_EQ(texts[1].Rect.Left, 22);
    // Level two: the bullet 12 right of the line start, the letter o.
    EXPECT_EQ(texts[2].Text, L"o");
    EXPECT_EQ(texts[2].Rect.Left, 22);
    EXPECT_EQ(texts[3].Rect.Left, 34);
    EXPECT_GT(texts[2].Rect.Top, texts[0].Rect.Top) << "each item on a line of its own";

    // Square and circle bullets: 8 x 8 from 2 to 10 below the line top, in their colour.
    r = Layout(Input(L"<UL><LI type=\"square\" color=\"#FF0000\">a<LI type=\"circle\">b</UL>"));
    std::vector<THtmlOp> shapes;
    for (const THtmlOp& op : r.Ops)
        if (op.Kind == THtmlOpKind::BulletSquare || op.Kind == THtmlOpKind::BulletCircle) shapes.push_back(op);
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[0].Kind, THtmlOpKind::BulletSquare);
    EXPECT_EQ(shapes[0].Rect, (TRect{10, 2, 18, 10}));
    EXPECT_EQ(shapes[0].Color, 255);
    EXPECT_EQ(shapes[1].Kind, THtmlOpKind::BulletCircle);
    EXPECT_EQ(shapes[1].Rect, (TRect{10, 17, 18, 25})) << "a second item on the line starts the next";
}

TEST(HtmlLayout, AlignmentWrappingAndHiddenText) {
    // Right: the line ends at the rectangle's right edge (410); centre: equal room each side.
    auto texts = TextOps(Layout(Input(L"<P align=\"right\">abc</P>def")));
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].Rect.Right, 410);
    EXPECT_EQ(texts[0].Rect.Left, 410 - 18);
    EXPECT_EQ(texts[1].Rect.Left, 10) << "the paragraph's end restores left alignment";
    texts = TextOps(Layout(Input(L"<P align=\"center\">abcd</P>")));
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Rect.Left, 10 + (400 - 24) / 2);
    texts = TextOps(Layout(Input(L"<P indent=\"20\">a</P>")));
    EXPECT_EQ(texts[0].Rect.Left, 30);

    // Hidden text is neither drawn nor measured, and leaves no gap.
    THtmlLayoutResult r = Layout(Input(L"ab<Z>hidden</Z>cd"));
    texts = TextOps(r);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1].Rect.Left, texts[0].Rect.Right);
    EXPECT_EQ(r.Width, 4 * 6 + 2);
    EXPECT_EQ(r.PlainText, L"abhiddencd");

    // Word wrap: 10 characters a line (60 pixels); blanks at line ends go.
    r = Layout(Input(L"aaa bbb ccc dddddddddddddd e", {0, 0, 60, 200}));
    texts = TextOps(r);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].Text, L"aaa bbb");
    EXPECT_EQ(texts[1].Text, L"ccc");
    EXPECT_EQ(texts[2].Text, L"dddddddddddddd") << "a word wider than the line is still placed";
    EXPECT_EQ(texts[3].Text, L"e");
    EXPECT_EQ(r.LineCount, 4);
    EXPECT_EQ(r.Height, 4 * 15);
    EXPECT_EQ(r.Width, 14 * 6 + 2);
    // Without wrap the run is cut with an ellipsis at the right edge.
    THtmlLayoutInput in = Input(L"aaa bbb ccc", {0, 0, 30, 100});
    in.WordWrap = false;
    texts = TextOps(Layout(in));
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_TRUE(texts[0].Ellipsis);
    EXPECT_EQ(texts[0].Rect.Right, 30);

    // Lines stop where the next would pass the bottom.
    r = Layout(Input(L"a<BR>b<BR>c<BR>d", {0, 0, 100, 40}));
    EXPECT_EQ(r.LineCount, 2);
    EXPECT_EQ(Layout(Input(L"")).Height, 15) << "empty text is one text height";
}

TEST(HtmlLayout, TabPositionsOffsetsAndRotation) {
    // IN moves to left + value only while the line is still narrower than the value.
    auto texts = TextOps(Layout(Input(L"ab<IN x=\"50\">cd")));
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1].Rect.Left, 10 + 50);
    texts = TextOps(Layout(Input(L"abcdefghij<IN x=\"30\">k")));
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1].Rect.Left, 10 + 60) << "the line already passed 30";

    // OF counts from the canvas origin, then offsets the following lines from the
    // rectangle's left; its closing tag takes the offset back.
    texts = TextOps(Layout(Input(L"<OF x=\"40\">ab<BR>cd</OF><BR>ef")));
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].Rect.Left, 40);
    EXPECT_EQ(texts[1].Rect.Left, 10 + 40);
    EXPECT_EQ(texts[2].Rect.Left, 10);

    // R turns the font by the value in degrees; its closing tag restores the font.
    texts = TextOps(Layout(Input(L"<R a=\"90\">up</R>on<R a=\"450\">x</R>")));
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].Font.Orientation, 900);
    EXPECT_EQ(texts[1].Font.Orientation, 0);
    EXPECT_EQ(texts[1].Font.Height, -12);
    EXPECT_EQ(texts[2].Font.Orientation, 900) << "a whole turn more is the same angle";
}
TEST(HtmlLayout, AnchorsHitAndFocus) {
    // "see " is 24 pixels wide: the anchor runs from 34 to 58 in a 15-pixel line.
    THtmlLayoutInput in = Input(L"see <A href=\"http://example.org\">link</A> end <a href=\"two\">2</a>");
    in.HitTest = true;
    in.HitPoint = {40, 7};
    THtmlLayoutResult r = Layout(in);
    EXPECT_TRUE(r.AnchorHit);
    EXPECT_EQ(r.AnchorTarget, L"http://example.org");
    EXPECT_EQ(r.AnchorIndex, 0);
    EXPECT_EQ(r.AnchorRect, (TRect{34, 0, 58, 15}));
    EXPECT_EQ(r.AnchorCount, 2);
    auto texts = TextOps(r);
    EXPECT_EQ(texts[1].Color, clBlue);
    EXPECT_TRUE(texts[1].Font.Style & 4) << "anchors are underlined";
    EXPECT_EQ(texts[2].Color, clBlack) << "the closing tag restores the colour";

    in.HitPoint = {15, 7};  // on "see"
    r = Layout(in);
    EXPECT_FALSE(r.AnchorHit);
    EXPECT_TRUE(r.AnchorTarget.empty());
    EXPECT_EQ(r.AnchorIndex, -1);

    in.HitTest = false;
    in.FocusAnchor = 1;
    r = Layout(in);
    EXPECT_EQ(r.FocusTarget, L"two");
    bool focus = false;
    for (const THtmlOp& op : r.Ops)
        if (op.Kind == THtmlOpKind::FocusRect) {
            focus = true;
            // "see link end " is 13 characters: the second anchor's text is 88..94.
            EXPECT_EQ(op.Rect.Left, 87);
            EXPECT_EQ(op.Rect.Right, 95);
        }
    EXPECT_TRUE(focus);

    // Hovering: only the hovered anchor is underlined, in the hover colours.
    in.FocusAnchor = -1;
    in.HoverAnchors = true;
    in.HoverAnchor = 1;
    in.HoverTextColor = clRed;
    texts = TextOps(Layout(in));
    EXPECT_FALSE(texts[1].Font.Style & 4);
    EXPECT_EQ(texts[1].Color, clBlue);
    EXPECT_TRUE(texts[3].Font.Style & 4);
    EXPECT_EQ(texts[3].Color, clRed);
}

TEST(HtmlLayout, PicturesTakeRoom) {
    THtmlLayoutResult r = Layout(Input(L"a<IMG src=\"pic20\">b<IMG src=\"missing\">c"));
    auto texts = TextOps(r);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[1].Rect.Left, 10 + 6 + 20);
    EXPECT_EQ(texts[2].Rect.Left, texts[1].Rect.Right) << "a picture that resolves to nothing takes no room";
    EXPECT_EQ(r.Height, 20) << "the picture is the tallest on the line";
    r = Layout(Input(L"<IMG src=\"pic20\" width=\"40\" height=\"8\">"));
    ASSERT_EQ(r.Ops.size(), 1u);
    EXPECT_EQ(r.Ops[0].Rect, (TRect{10, 0, 50, 8}));
    // At 144 pixels per inch a picture takes one and a half times its natural size.
    THtmlLayoutInput in = Input(L"<IMG src=\"IDX:0\">");
    in.ImageCount = 1;
    in.PixelsPerInch = 144;
    r = Layout(in);
    ASSERT_EQ(r.Ops.size(), 1u);
    EXPECT_EQ(r.Ops[0].Rect.Width(), 24);
    in.ImageCount = 0;
    EXPECT_TRUE(Layout(in).Ops.empty()) << "IDX beyond the list's count is ignored";
}

TEST(HtmlLayout, MalformedMarkup) {
    auto shown = [](const std::wstring& text) {
        std::wstring all;
        for (const THtmlOp& op : TextOps(TimedLayout(text))) all += op.Text;
        return all;
    };
    EXPECT_EQ(shown(L"a < b"), L"a < b") << "a \"<\" without a later \">\" shows as text";
    EXPECT_EQ(shown(L"x<B>y"), L"xy");
    EXPECT_EQ(shown(L"x<#y>z"), L"xyz");
    EXPECT_EQ(shown(L"x<#yz"), L"x<#yz") << "\"<#\" without \">\" is left alone";
    EXPECT_EQ(shown(L"<>x</>"), L"x");
    // An unclosed quote ends at the tag's end.
    THtmlLayoutInput in = Input(L"<A href=\"target>link</A>");
    in.HitTest = true;
    in.HitPoint = {12, 5};
    THtmlLayoutResult r = Layout(in);
    EXPECT_TRUE(r.AnchorHit);
    EXPECT_EQ(r.AnchorTarget, L"target");
    // Closing tags without openings, unknown colours, huge numbers, deep lists.
    shown(L"</FONT></A></UL></P></R></HI></BLINK>x");
    shown(L"<FONT color=\"clNothing\" bgcolor=\"#\" size=\"-5\">x");
    shown(L"<IND x=\"2147483648\">x<OF x=\"-99999999999\">y<IMG src=\"pic9999\" width=\"99999999\" height=\"-1\">");
    std::wstring deep;
    for (int i = 0; i < 5000; ++i) deep += L"<UL><LI>x";
    TimedLayout(deep);
    TimedLayout(std::wstring(100000, L'<'));
    TimedLayout(std::wstring(50000, L'&') + L"amp;");
    std::wstring words;
    for (int i = 0; i < 2000; ++i) words += L"word ";
    r = TimedLayout(words, {0, 0, 1, 100000});
    EXPECT_EQ(r.LineCount, 2000) << "a line narrower than any word still takes one word a line";
}

namespace {

// Sums the characters it is asked to measure.
class TCountingMeasurer : public orvtest::TFakeHtmlMeasurer {
public:
    THtmlExtent TextExtent(const THtmlFont& font, const std::wstring& text) override {
        Characters += static_cast<long long>(text.size());
        return TFakeHtmlMeasurer::TextExtent(font, text);
    }
    long long Characters = 0;
};

long long Milliseconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

// Bounds are generous: the faults cost seconds (shifting the saved states took about 1 s
// for every 100,000 nested tags), the sound layout tens of milliseconds, so a busy machine
// does not make these fail.
TEST(HtmlLayout, NestedTagsLayOutInLinearTime) {
    for (const char* name : {"FONT", "R"}) {
        const std::wstring open = name[0] == 'F' ? L"<FONT size=\"2\">" : L"<R a=\"0\">";
        std::wstring text;
        for (int i = 0; i < 200000; ++i) text += open;
        text += L"deep";
        auto start = std::chrono::steady_clock::now();
        THtmlLayoutResult r = Layout(Input(text));
        const long long ms = Milliseconds(start);
        EXPECT_LT(ms, 800) << "200,000 nested " << name << " tags";
        ASSERT_EQ(TextOps(r).size(), 1u);
        EXPECT_EQ(TextOps(r)[0].Text, L"deep");
    }
}

TEST(HtmlLayout, MegabyteOfWordsLaysOutInLinearTime) {
    std::wstring words;
    while (words.size() < (1u << 20)) words += L"lorem ipsum dolor sit amet ";

    // A narrow, tall rectangle: about 16,000 lines, every one of them laid out.
    auto start = std::chrono::steady_clock::now();
    TCountingMeasurer measurer;
    THtmlLayoutResult r = LayoutHtml(Input(words, {0, 0, 400, 1000000}), measurer);
    const long long ms = Milliseconds(start);
    EXPECT_GT(r.LineCount, 15000);
    EXPECT_LT(ms, 1500) << "lines of 66 characters from a run of a million";
    EXPECT_LT(measurer.Characters, 3 * static_cast<long long>(words.size()));

    // A wide rectangle: 666 characters a line are not measured again for every word.
    TCountingMeasurer wide;
    r = LayoutHtml(Input(words, {0, 0, 4000, 1000000}), wide);
    EXPECT_GT(r.LineCount, 1500);
    EXPECT_LT(wide.Characters, 3 * static_cast<long long>(words.size()));
    // Lines are as full as before: whole words up to the right edge.
    const std::vector<THtmlOp> lines = TextOps(r);
    ASSERT_GT(lines.size(), 200u);
    for (size_t i = 0; i < 200; ++i) {
        ASSERT_LE(lines[i].Rect.Right, 4000);
        ASSERT_GT(lines[i].Rect.Right, 4000 - 6 * 7) << "line " << i << ": the next word would have fitted";
    }
}
