// Kept panel faces: a repaint through the faces shows the pixels of the direct paint after
// a change of each thing a panel shows (a face kept under a key that misses it would show
// the old picture), and a clock tick repaints its own panel only.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "../buttons/GlowButtonTestSupport.h"
#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "framework/ImageList.h"
#include "paint/FaceCache.h"
#include "paint/GDIPPicture.h"
#include "statusbar/HtmlPaintInternal.h"
#include "statusbar/OrvOfficeStatusBarStylers.h"
#include "statusbar/PictureContainer.h"
#include "statusbar/StatusBarFace.h"

using namespace orv;

namespace {

struct TFaceScope {
    bool Saved = StatusBarFaceCache;
    ~TFaceScope() { StatusBarFaceCache = Saved; }
};

// A 16 x 16 square of one colour on magenta.
void AddSquare(TImageList& list, TColor color) {
    TBitmap b(16, 16);
    b.Canvas().Brush().SetColor(clFuchsia);
    b.Canvas().FillRect({0, 0, 16, 16});
    b.Canvas().Brush().SetColor(color);
    b.Canvas().FillRect({3, 3, 13, 13});
    list.AddMasked(b, clFuchsia);
}

// A shown sizeable form (so the last panel leaves room for the grip) with a bar holding a
// panel of every kind the bar paints itself.
struct TFaceBar {
    TOwnedPtr<TForm> Form{Make<TForm>(nullptr)};
    TOrvOfficeStatusBar* Bar;
    TOrvOfficeStatusBarOfficeStyler* Styler;
    TImageList* Images;
    TImageList* Disabled;
    TImageList* Frames;
    html::TPictureContainer* Pictures;
    TOrvOfficeStatusPanel *Html, *Text, *Gauge, *Image, *List, *Anim, *Ellips, *Path, *Button, *Off;

    TFaceBar() {
        SetCursorPos(20, 20);
        TForm* form = Form.get();
        form->SetBorderStyle(TFormBorderStyle::bsSizeable);
        form->SetBounds(40, 100, 400, 200);
        form->SetClientWidth(1100);
        Styler = new TOrvOfficeStatusBarOfficeStyler(form);
        Styler->SetStyle(TOfficeStatusBarStyle::psOffice2010Blue);
        Images = new TImageList(form);
        Images->SetWidth(16);
        Images->SetHeight(16);
        AddSquare(*Images, clRed);
        AddSquare(*Images, clGreen);
        Disabled = new TImageList(form);
        Disabled->SetWidth(16);
        Disabled->SetHeight(16);
        AddSquare(*Disabled, clGray);
        Frames = new TImageList(form);
        Frames->SetWidth(16);
        Frames->SetHeight(16);
        AddSquare(*Frames, clBlue);
        AddSquare(*Frames, clYellow);
        Pictures = new html::TPictureContainer(form);
        Bar = new TOrvOfficeStatusBar(form);
        Bar->SetParent(form);
        Bar->SetStyler(Styler);
        Bar->SetImages(Images);
        Bar->SetDisabledImages(Disabled);
        Bar->SetPictureContainer(Pictures);
        auto add = [&](int width, TOrvOfficeStatusPanelStyle style, const std::wstring& text) {
            TOrvOfficeStatusPanel* p = Bar->Panels().Add();
            p->SetWidth(width);
            p->SetStyle(style);
            p->SetText(text);
            return p;
        };
        Html = add(200, psHTML, L"<b>Ready</b> <a href=\"x\">link</a> <img src=\"idx:1\"> <img src=\"dot\">");
        Text = add(80, psText, L"plain");
        Gauge = add(120, psProgress, L"");
        Gauge->Progress().SetPosition(40);
        Image = add(90, psImage, L"image");
        Image->SetImageIndex(0);
        List = add(60, psImageList, L"");
        List->AddImageIndex(0);
        List->AddImageIndex(1);
        Anim = add(70, psAnimation, L"busy");
        Anim->SetAnimationImages(Frames);
        Anim->SetAnimated(true);
        Ellips = add(70, psEllipsText, L"a text far too long for its panel");
        Path = add(90, psFileEllipsText, L"C:\\folder\\inner\\deeper\\file.txt");
        Button = add(80, psText, L"button");
        Button->SetButton(true);
        Off = add(100, psImage, L"off");
        Off->SetImageIndex(1);
        Off->SetEnabled(false);
        form->Show();
        SetForegroundWindow(form->Handle());
        orvtest::PumpFor(60);
    }
    ~TFaceBar() { SetCursorPos(20, 20); }

    // The bar painted into a bitmap as its window shows it, with or without the faces.
    std::unique_ptr<TBitmap> Grab(bool faces) {
        StatusBarFaceCache = faces;
        auto bmp = std::make_unique<TBitmap>(Bar->Width(), Bar->Height());
        Bar->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bmp->Canvas().Handle()), 0);
        return bmp;
    }
};

// Through the faces against directly, twice through the faces: the second makes no face.
void ExpectFacesShowTheDirectPaint(TFaceBar& bar, const char* after) {
    auto kept = bar.Grab(true);
    auto direct = bar.Grab(false);
    EXPECT_EQ(orvtest::FirstPixelDifference(*kept, *direct), "") << "after " << after;
    const std::size_t misses = SharedFaceCache().Misses();
    auto again = bar.Grab(true);
    EXPECT_EQ(SharedFaceCache().Misses(), misses) << "after " << after << ": the faces are kept";
    EXPECT_EQ(orvtest::FirstPixelDifference(*again, *direct), "") << "after " << after;
}

}  // namespace

TEST(StatusBarFace, KeptFacesShowWhatADirectPaintShowsAfterEveryChange) {
    TFaceScope scope;
    TFaceBar f;
    TOrvOfficeStatusBar& bar = *f.Bar;
    ASSERT_TRUE(bar.SizeGripShown());
    ExpectFacesShowTheDirectPaint(f, "the first paint");
    // The direct paint is no copy of a face: the faces really hold the panels.
    {
        auto kept = f.Grab(true);
        EXPECT_NE(kept->PixelColor(bar.PanelRect(1).Left + 10, 9), kept->PixelColor(0, 9));
    }

    f.Html->SetText(L"<i>Other</i> <a href=\"y\">anchor</a>");
    ExpectFacesShowTheDirectPaint(f, "an HTML text");
    f.Text->SetText(L"changed");
    ExpectFacesShowTheDirectPaint(f, "a text");
    f.Text->SetAlignment(TTextAlignment::taRightJustify);
    ExpectFacesShowTheDirectPaint(f, "an alignment");
    f.Gauge->Progress().SetPosition(95);
    ExpectFacesShowTheDirectPaint(f, "a gauge position");
    f.Gauge->Progress().SetStacked(true);
    ExpectFacesShowTheDirectPaint(f, "a gauge setting");
    f.Image->SetImageIndex(1);
    ExpectFacesShowTheDirectPaint(f, "an image index");
    f.List->AddImageIndex(0);
    ExpectFacesShowTheDirectPaint(f, "an image list entry");
    bar.TimerTick();
    ExpectFacesShowTheDirectPaint(f, "an animation frame");
    f.Off->SetEnabled(true);
    ExpectFacesShowTheDirectPaint(f, "an enabled state");
    f.Text->SetAppearanceStyle(psDark);
    ExpectFacesShowTheDirectPaint(f, "an appearance style");

    // The pictures: a list's image replaced, a picture of the store given bytes.
    f.Images->Clear();
    AddSquare(*f.Images, clNavy);
    AddSquare(*f.Images, clOlive);
    ExpectFacesShowTheDirectPaint(f, "the images of the list");
    TBitmap dot(8, 8);
    dot.Canvas().Brush().SetColor(clRed);
    dot.Canvas().FillRect({0, 0, 8, 8});
    html::TPictureItem* item = f.Pictures->GetItems().Add();
    item->SetName(L"dot");
    ExpectFacesShowTheDirectPaint(f, "a named picture without bytes");
    item->GetPicture().SetData(BmpFileBytes(dot));
    ExpectFacesShowTheDirectPaint(f, "the picture's bytes");
    dot.Canvas().Brush().SetColor(clBlue);
    dot.Canvas().FillRect({0, 0, 8, 8});
    item->GetPicture().SetData(BmpFileBytes(dot));
    ExpectFacesShowTheDirectPaint(f, "other bytes of the picture");

    // The styler, the bar's own values and its size.
    f.Styler->PanelAppearanceLight().SetColor(0x2090F0);
    f.Styler->PanelAppearanceLight().SetTextColor(clMaroon);
    ExpectFacesShowTheDirectPaint(f, "the styler's look");
    f.Styler->SetStyle(TOfficeStatusBarStyle::psOffice2007Obsidian);
    ExpectFacesShowTheDirectPaint(f, "another preset");
    bar.Font().SetStyle(fsItalic);
    ExpectFacesShowTheDirectPaint(f, "the font");
    bar.SetAntiAlias(aaNone);
    ExpectFacesShowTheDirectPaint(f, "the anti-aliasing");
    bar.SetURLColor(clGreen);
    ExpectFacesShowTheDirectPaint(f, "the anchor colour");
    f.Form->SetClientWidth(900);
    orvtest::PumpFor(40);
    ExpectFacesShowTheDirectPaint(f, "a narrower bar");
    bar.SetStretchPanel(1);
    ExpectFacesShowTheDirectPaint(f, "a stretch panel");

    // Hot and down by the real pointer over the Button panel.
    const int index = f.Button->GetIndex();
    const TRect button = bar.PanelRect(index);
    glowtest::PointAt(&bar, button.Left + 10, 9);
    ASSERT_EQ(bar.HotPanelIndex(), index);
    ExpectFacesShowTheDirectPaint(f, "the hot state");
    glowtest::LeftDown();
    ASSERT_EQ(bar.DownPanelIndex(), index);
    ExpectFacesShowTheDirectPaint(f, "the down state");
    glowtest::LeftUp();
    glowtest::PointAt(&bar, 5, 9);
    ExpectFacesShowTheDirectPaint(f, "the hot state left");
}

TEST(StatusBarFace, BlinkingTextKeepsAFacePerPhase) {
    TFaceScope scope;
    TFaceBar f;
    f.Html->SetText(L"<blink>alert</blink> now");
    for (int i = 0; i < 11; ++i) {
        f.Bar->TimerTick();
        ExpectFacesShowTheDirectPaint(f, ("tick " + std::to_string(i)).c_str());
    }
}

TEST(StatusBarFace, AClockTickRepaintsItsPanelOnly) {
    SYSTEMTIME now{2024, 3, 2, 5, 9, 7, 58, 0};
    SetStatusBarSystemCalls({[&now](SYSTEMTIME& t) { t = now; }, nullptr, nullptr, nullptr});
    struct TReset {
        ~TReset() { SetStatusBarSystemCalls({}); }
    } reset;
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBorderStyle(TFormBorderStyle::bsSingle);
    form->SetBounds(100, 100, 500, 200);
    auto* bar = new TOrvOfficeStatusBar(form.get());
    bar->SetParent(form.get());
    TOrvOfficeStatusPanel* html = bar->Panels().Add();
    html->SetWidth(150);
    html->SetText(L"<b>Ready</b>");
    TOrvOfficeStatusPanel* clock = bar->Panels().Add();
    clock->SetWidth(90);
    clock->SetStyle(psTime);
    clock->SetTimeFormat(L"h:mm:ss");
    bar->Panels().Add()->SetText(L"last");
    form->Show();
    bar->TimerTick();
    orvtest::PumpFor(60);
    UpdateWindow(bar->Handle());
    ASSERT_EQ(clock->GetText(), L"9:07:58");
    ASSERT_FALSE(GetUpdateRect(bar->Handle(), nullptr, FALSE));

    // The next second: the clock's rectangle waits for the next paint, nothing else.
    now.wSecond = 59;
    const int paints = bar->PaintCount();
    bar->TimerTick();
    EXPECT_EQ(clock->GetText(), L"9:07:59");
    EXPECT_EQ(bar->PaintCount(), paints) << "painted with the next paint, not at once";
    TGdiRegion pending(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetUpdateRgn(bar->Handle(), pending.Get(), FALSE), NULLREGION);
    const TRect panel = bar->PanelRect(1);
    TGdiRegion expected(CreateRectRgn(panel.Left, panel.Top, panel.Right, panel.Bottom));
    EXPECT_TRUE(EqualRgn(pending.Get(), expected.Get())) << "only the clock's panel";
    const std::size_t misses = SharedFaceCache().Misses();
    UpdateWindow(bar->Handle());
    EXPECT_EQ(bar->PaintCount(), paints + 1);
    EXPECT_EQ(SharedFaceCache().Misses(), misses + 1) << "one new face, the clock's";

    // An unchanged second invalidates nothing.
    bar->TimerTick();
    EXPECT_FALSE(GetUpdateRect(bar->Handle(), nullptr, FALSE));
}

TEST(StatusBarFace, AutomaticSizingMeasuresAnUnchangedTextOnce) {
    TOwnedPtr<TComponent> owner(Make<TComponent>(nullptr));
    auto* bar = new TOrvOfficeStatusBar(owner.get());
    TOrvOfficeStatusPanel* first = bar->Panels().Add();
    first->SetText(L"<b>Ready</b> and <a href=\"x\">waiting</a>");
    first->SetAutoSize(true);
    TOrvOfficeStatusPanel* second = bar->Panels().Add();
    second->SetText(L"<i>second</i>");
    second->SetAutoSize(true);
    const int width = first->GetWidth();
    const long before = detail::HtmlLayoutsDone();
    bar->AutoSizePanels();
    bar->AutoSizePanels();
    EXPECT_EQ(detail::HtmlLayoutsDone(), before) << "both texts measured before";
    EXPECT_EQ(first->GetWidth(), width);
    // A new text of one panel sizes every panel again: only the new text is measured.
    second->SetText(L"<i>the second panel's longer text</i>");
    EXPECT_EQ(detail::HtmlLayoutsDone(), before + 1);
    EXPECT_GT(second->GetWidth(), 100);
    EXPECT_EQ(first->GetWidth(), width);
}
