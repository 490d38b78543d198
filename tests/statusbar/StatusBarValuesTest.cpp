// Status bar values: panel geometry, automatic widths, progress percentages, the timer
// tick per style, presets and colour-scheme following. No window unless the case needs
// an update region.
#include <windows.h>

#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "framework/ImageList.h"
#include "statusbar/OrvOfficeStatusBarStylers.h"

using namespace orv;
using enum orv::TOfficeStatusBarStyle;

namespace {

TOrvOfficeStatusPanel* AddPanel(TOrvOfficeStatusBar& bar, int width, TOrvOfficeStatusPanelStyle style = psText,
                                const std::wstring& text = L"") {
    TOrvOfficeStatusPanel* p = bar.Panels().Add();
    p->SetWidth(width);
    p->SetStyle(style);
    p->SetText(text);
    return p;
}

// Calls restored when the case ends.
struct TCallsScope {
    explicit TCallsScope(TStatusBarSystemCalls calls) { SetStatusBarSystemCalls(std::move(calls)); }
    ~TCallsScope() { SetStatusBarSystemCalls({}); }
};

// A shown bar 400 x 19 at the bottom of a fixed-border form (no size grip).
struct TShownBar {
    TOwnedPtr<TForm> Form{Make<TForm>(nullptr)};
    TOrvOfficeStatusBar* Bar;
    TShownBar() {
        Form->SetBorderStyle(TFormBorderStyle::bsSingle);
        Form->SetBounds(120, 120, 300, 200);
        Form->SetClientWidth(400);
        Bar = new TOrvOfficeStatusBar(Form.get());
        Bar->SetParent(Form.get());
        Form->Show();
        orvtest::PumpFor(50);
    }
    // Whether the bar's window has anything to repaint; validates it afterwards.
    bool TakeUpdate(RECT* where = nullptr) {
        RECT r{};
        bool any = GetUpdateRect(Bar->Handle(), &r, FALSE) != 0;
        if (where) *where = r;
        ValidateRect(Bar->Handle(), nullptr);
        return any;
    }
};

}  // namespace

TEST(StatusBarLayout, PanelSpansStretchAndLastPanel) {
    // Stretch panel 1 of 80, 100, 50 on 400: 80..350, and panel 2 350..400.
    auto spans = StatusPanelSpans({80, 100, 50}, 1, 400);
    ASSERT_EQ(spans.size(), 3u);
    EXPECT_EQ(spans[0].Left, 0);
    EXPECT_EQ(spans[0].Right, 80);
    EXPECT_EQ(spans[1].Left, 80);
    EXPECT_EQ(spans[1].Right, 350);
    EXPECT_EQ(spans[2].Left, 350);
    EXPECT_EQ(spans[2].Right, 400);
    // No stretch panel: the last one reaches the right edge.
    spans = StatusPanelSpans({80, 100, 50}, -1, 400);
    EXPECT_EQ(spans[2].Left, 180);
    EXPECT_EQ(spans[2].Right, 400);
    // A stretch panel whose share would be negative gets width 0.
    spans = StatusPanelSpans({300, 100, 50}, 1, 300);
    EXPECT_EQ(spans[1].Left, 300);
    EXPECT_EQ(spans[1].Right, 300);
    EXPECT_EQ(spans[2].Right, 350);
    // A last panel starting beyond the bar keeps zero width.
    spans = StatusPanelSpans({500, 20}, -1, 400);
    EXPECT_EQ(spans[1].Left, 500);
    EXPECT_EQ(spans[1].Right, 500);
    // A negative width takes no room instead of pulling the next panels back; huge widths
    // do not wrap around.
    spans = StatusPanelSpans({80, -50, 100, 10}, -1, 400);
    EXPECT_EQ(spans[1].Left, 80);
    EXPECT_EQ(spans[1].Right, 80);
    EXPECT_EQ(spans[2].Left, 80);
    EXPECT_EQ(spans[2].Right, 180);
    spans = StatusPanelSpans({80, -50, 100}, 2, 400);
    EXPECT_EQ(spans[2].Right, 400) << "the stretch panel counts the negative one as 0";
    spans = StatusPanelSpans({INT32_MAX, INT32_MAX, 20}, -1, 400);
    EXPECT_GE(spans[1].Left, spans[0].Left);
    EXPECT_GE(spans[2].Left, spans[1].Right);
    EXPECT_GE(spans[2].Right, spans[2].Left);

    spans = StatusPanelSpans({80, 100, 50}, -1, 400);
    EXPECT_EQ(PanelPaintRect(spans, 0, 400, 19), (TRect{1, 0, 80, 18}));
    EXPECT_EQ(PanelHitRect(spans, 2, -1, 400, 19), (TRect{180, 1, 399, 18}));
    EXPECT_EQ(PanelPaintRect(StatusPanelSpans({80, 319}, 1, 399), 1, 400, 19).Right, 398)
        << "a right edge on W - 1 is pulled back to W - 2";
    EXPECT_EQ(PanelIndexAt(spans, -1, 400, 19, 80), 0) << "both edges belong to the panel, the first wins";
    EXPECT_EQ(PanelIndexAt(spans, -1, 400, 19, 81), 1);
    EXPECT_EQ(PanelIndexAt(spans, -1, 400, 19, 399), 2);
    EXPECT_EQ(PanelIndexAt(spans, -1, 400, 19, 400), -1);
    EXPECT_EQ(PanelIndexAt({}, -1, 400, 19, 10), -1);

    TOwnedPtr<TOrvOfficeStatusBar> bar(Make<TOrvOfficeStatusBar>(nullptr));
    for (int w : {80, 100, 50}) AddPanel(*bar, w);
    bar->SetStretchPanel(3);
    EXPECT_EQ(bar->GetStretchPanel(), -1) << "an index past the panels is ignored";
    bar->SetStretchPanel(-2);
    EXPECT_EQ(bar->GetStretchPanel(), -1);
    bar->SetStretchPanel(1);
    EXPECT_EQ(bar->GetStretchPanel(), 1);
}

TEST(StatusBarLayout, AutomaticWidths) {
    EXPECT_EQ(AutoSizeTextWidth(60, 0, 20, false), 72);
    EXPECT_EQ(AutoSizeTextWidth(60, 0, 20, true), 88);
    EXPECT_EQ(AutoSizeTextWidth(60, 0, 100, false), 100);
    EXPECT_EQ(AutoSizeTextWidth(60, 0, 100, true), 116);
    EXPECT_EQ(AutoSizeHtmlWidth(60, 20), 70);

    // The same text gets 16 more as the last panel beside a grip; lock panels measure
    // their key name whatever the key state; other styles keep their width.
    TOwnedPtr<TOrvOfficeStatusBar> bar(Make<TOrvOfficeStatusBar>(nullptr));
    TOrvOfficeStatusPanel* first = AddPanel(*bar, 30, psText, L"Ready to go");
    TOrvOfficeStatusPanel* gauge = AddPanel(*bar, 33, psProgress, L"Ready to go");
    TOrvOfficeStatusPanel* last = AddPanel(*bar, 30, psText, L"Ready to go");
    gauge->SetAutoSize(true);
    first->SetAutoSize(true);
    last->SetAutoSize(true);
    EXPECT_GT(first->GetWidth(), 12 + 20);
    EXPECT_EQ(last->GetWidth(), first->GetWidth() + 16);
    EXPECT_EQ(gauge->GetWidth(), 33);
    bar->SetSizeGrip(false);
    bar->AutoSizePanels();
    EXPECT_EQ(last->GetWidth(), first->GetWidth());
    first->SetMinWidth(500);
    first->SetText(L"x");
    EXPECT_EQ(first->GetWidth(), 500);

    TCallsScope calls({nullptr, [](int) { return false; }, nullptr, nullptr});
    TOrvOfficeStatusPanel* lock = AddPanel(*bar, 5, psNumLock);
    lock->SetAutoSize(true);
    EXPECT_GT(lock->GetWidth(), 20) << "NUM is measured although the key is off";
}

TEST(StatusBarProgress, PercentageInSixtyFourBitsClamped) {
    EXPECT_EQ(GaugePercent(0, 100, 95), 95);
    EXPECT_EQ(GaugePercent(0, 200, 1), 0) << "0.5 rounds to even";
    EXPECT_EQ(GaugePercent(0, 200, 3), 2) << "1.5 rounds to even";
    EXPECT_EQ(GaugePercent(INT32_MIN, INT32_MAX, INT32_MAX), 100) << "no 32-bit overflow";
    EXPECT_EQ(GaugePercent(INT32_MIN, INT32_MAX, 0), 50);
    EXPECT_EQ(GaugePercent(0, 100, 250), 100);
    EXPECT_EQ(GaugePercent(0, 100, -40), 0);
    EXPECT_EQ(GaugePercent(50, 50, 50), 0) << "Min = Max shows 0 %";
    EXPECT_EQ(GaugePercent(100, 0, 50), 0) << "a reversed range shows 0 %";
    int p = 42;
    EXPECT_FALSE(GaugePercentChange(100, 0, 50, p));
    EXPECT_EQ(p, 42);

    TGaugeSettings s;
    EXPECT_EQ(GaugeText(0, s), L"0%");
    EXPECT_EQ(GaugeText(140, s), L"100%");
    s.Percent = false;
    s.Prefix = L"[";
    s.Suffix = L" files]";
    s.Position = 3;
    EXPECT_EQ(GaugeText(30, s), L"[3 files]");
    s.ShowPercentage = false;
    s.Text = L"busy";
    EXPECT_EQ(GaugeText(30, s), L"busy");

    // StepIt stops at Max; Assign copies every gauge value.
    TOwnedPtr<TOrvOfficeStatusBar> bar(Make<TOrvOfficeStatusBar>(nullptr));
    TOrvOfficeStatusPanel* panel = AddPanel(*bar, 80, psProgress);
    panel->Progress().SetPosition(99);
    panel->StepIt();
    panel->StepIt();
    EXPECT_EQ(panel->Progress().GetPosition(), 100);
    EXPECT_EQ(panel->Progress().OldPercent(), 100);
    TOrvOfficeStatusPanel* other = AddPanel(*bar, 80, psText);
    panel->Progress().SetPrefix(L"p");
    panel->Progress().SetStacked(true);
    panel->SetButton(true);
    panel->SetMinWidth(77);
    other->Assign(panel);
    EXPECT_EQ(other->GetStyle(), psProgress);
    EXPECT_EQ(other->Progress().GetPosition(), 100);
    EXPECT_EQ(other->Progress().GetPrefix(), L"p");
    EXPECT_TRUE(other->Progress().GetStacked());
    EXPECT_EQ(other->GetMinWidth(), 77);
    EXPECT_FALSE(other->GetButton()) << "Button is not among the copied values";
}

TEST(StatusBarProgress, RepaintsOnlyWhenThePercentageChanges) {
    TShownBar shown;
    AddPanel(*shown.Bar, 80, psText);
    TOrvOfficeStatusPanel* gauge = AddPanel(*shown.Bar, 100, psProgress);
    orvtest::PumpFor(30);
    shown.TakeUpdate();
    gauge->Progress().SetMax(1000);
    EXPECT_FALSE(shown.TakeUpdate());
    gauge->Progress().SetPosition(1);  // 0.1 %
    gauge->Progress().SetPosition(5);  // 0.5 % rounds to 0
    EXPECT_FALSE(shown.TakeUpdate()) << "the shown percentage stays 0";
    gauge->Progress().SetPosition(15);  // 2 %
    RECT r{};
    ASSERT_TRUE(shown.TakeUpdate(&r));
    EXPECT_EQ(r.left, 80);
    EXPECT_EQ(r.right, 399) << "only the gauge panel's rectangle";
    gauge->Progress().SetMax(0);  // reversed range: nothing to show differently
    EXPECT_FALSE(shown.TakeUpdate());
    gauge->Progress().SetLevel0Color(clRed);
    EXPECT_TRUE(shown.TakeUpdate()) << "other values repaint the panel";
    gauge->SetText(gauge->GetText());
    EXPECT_FALSE(shown.TakeUpdate()) << "an unchanged text repaints nothing";
}

TEST(StatusBarTick, CountBlinkClocksAndLocks) {
    SYSTEMTIME clock{2024, 3, 2, 5, 9, 7, 58, 0};
    int ticks = 0;
    bool num = true;
    TCallsScope calls({[&](SYSTEMTIME& t) {
                           // 100 ms a tick.
                           t = clock;
                           int ms = ticks * 100;
                           t.wSecond = static_cast<WORD>(58 + ms / 1000);
                           if (t.wSecond >= 60) {
                               t.wSecond -= 60;
                               t.wMinute += 1;
                           }
                       },
                       [&](int key) { return key == VK_NUMLOCK && num; }, nullptr, nullptr});
    TShownBar shown;
    TOrvOfficeStatusPanel* blink = AddPanel(*shown.Bar, 60, psHTML, L"<BLINK>alert</BLINK>");
    TOrvOfficeStatusPanel* time = AddPanel(*shown.Bar, 60, psTime);
    time->SetTimeFormat(L"h:mm:ss");
    TOrvOfficeStatusPanel* lock = AddPanel(*shown.Bar, 60, psNumLock);
    TOrvOfficeStatusPanel* caps = AddPanel(*shown.Bar, 60, psCapsLock);
    orvtest::PumpFor(20);
    (void)blink;

    // The count runs 0..10 and wraps; the blink panel repaints when it is 5 or 10. (The
    // window's own timer may have ticked before, so the count is followed from where it is.)
    std::vector<int> blinkAt;
    int wraps = 0;
    shown.Bar->TimerTick();  // first tick: the clock and lock texts appear
    ++ticks;
    EXPECT_EQ(time->GetText(), L"9:07:58");
    EXPECT_EQ(lock->GetText(), L"NUM");
    EXPECT_EQ(caps->GetText(), L"");
    shown.TakeUpdate();
    int clockRepaints = 0;
    for (int i = 0; i < 22; ++i) {
        int before = shown.Bar->TimerCount();
        std::wstring oldTime = time->GetText();
        shown.Bar->TimerTick();
        ++ticks;
        EXPECT_EQ(shown.Bar->TimerCount(), before == 10 ? 0 : before + 1);
        if (before == 10) ++wraps;
        RECT r{};
        bool updated = shown.TakeUpdate(&r);
        if (time->GetText() != oldTime) {
            ++clockRepaints;
            EXPECT_TRUE(updated);
        } else if (updated) {
            blinkAt.push_back(before);
        }
    }
    EXPECT_EQ(wraps, 2);
    for (int c : blinkAt) EXPECT_TRUE(c == 5 || c == 10) << "blink repaint at count " << c;
    EXPECT_GE(blinkAt.size(), 2u);
    EXPECT_EQ(clockRepaints, 2) << "h:mm:ss changes once a second over 2.2 s of ticks: " << time->GetText();

    num = false;
    shown.Bar->TimerTick();
    EXPECT_EQ(lock->GetText(), L"");
}

TEST(StatusBarTick, ThousandTicksWithAnUnchangedClockPaintNothing) {
    TCallsScope calls({[](SYSTEMTIME& t) { t = SYSTEMTIME{2024, 3, 2, 5, 9, 7, 58, 0}; }, nullptr, nullptr, nullptr});
    TShownBar shown;
    TOrvOfficeStatusPanel* time = AddPanel(*shown.Bar, 90, psTime);
    time->SetTimeFormat(L"h:mm:ss");
    TOrvOfficeStatusPanel* date = AddPanel(*shown.Bar, 90, psDate);
    date->SetDateFormat(L"d/MM/yyyy");
    shown.Bar->TimerTick();
    EXPECT_EQ(date->GetText(), L"5/03/2024");
    orvtest::PumpFor(30);
    shown.TakeUpdate();
    int paints = shown.Bar->PaintCount();
    for (int i = 0; i < 1000; ++i) shown.Bar->TimerTick();
    EXPECT_FALSE(shown.TakeUpdate());
    orvtest::PumpFor(30);
    EXPECT_EQ(shown.Bar->PaintCount(), paints);
}

TEST(StatusBarTick, AnimationWrapsAtTheCurrentFrameCount) {
    TOwnedPtr<TImageList> frames(Make<TImageList>(nullptr));
    TBitmap strip(48, 16);
    frames->Add(strip);
    ASSERT_EQ(frames->Count(), 3);
    TOwnedPtr<TOrvOfficeStatusBar> bar(Make<TOrvOfficeStatusBar>(nullptr));
    TOrvOfficeStatusPanel* anim = AddPanel(*bar, 40, psAnimation);
    anim->SetAnimationImages(frames.get());
    anim->SetAnimated(true);
    std::vector<int> seen;
    for (int i = 0; i < 4; ++i) {
        bar->TimerTick();
        seen.push_back(anim->AnimIndex());
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 0, 1}));
    bar->TimerTick();  // index 2
    frames->Delete(2);
    frames->Delete(1);
    bar->TimerTick();
    EXPECT_EQ(anim->AnimIndex(), 0) << "a list that shrank wraps at the next tick";
    frames->Clear();
    bar->TimerTick();
    EXPECT_EQ(anim->AnimIndex(), 0) << "an empty list stays at frame 0";

    // Delay 2: a step only on counts divisible by 3.
    frames->Add(strip);
    while (bar->TimerCount() != 0) bar->TimerTick();
    anim->SetAnimationDelay(-1);
    EXPECT_EQ(anim->GetAnimationDelay(), 0) << "negative delays are ignored";
    anim->SetAnimationDelay(2);
    int steps = 0;
    int last = anim->AnimIndex();
    for (int i = 0; i < 11; ++i) {
        bar->TimerTick();
        if (anim->AnimIndex() != last) ++steps;
        last = anim->AnimIndex();
    }
    EXPECT_EQ(steps, 4) << "counts 0, 3, 6 and 9";

    // The removed list is dropped from the panel before it goes.
    frames.reset();
    EXPECT_EQ(anim->GetAnimationImages(), nullptr);
}

TEST(StatusBarBar, ActionsFlipAndImageIndexes) {
    TShownBar shown;
    TOrvOfficeStatusBar& bar = *shown.Bar;
    TOwnedPtr<THintAction> action(Make<THintAction>(nullptr));
    THintAction& hint = *action;
    hint.Hint = L"Saves the file";
    EXPECT_FALSE(bar.ExecuteAction(&hint)) << "AutoHint off";
    bar.SetAutoHint(true);
    EXPECT_TRUE(bar.ExecuteAction(&hint));
    EXPECT_EQ(bar.GetSimpleText(), L"Saves the file") << "no panels: the simple text";
    TOrvOfficeStatusPanel* a = AddPanel(bar, 80, psText, L"A");
    TOrvOfficeStatusPanel* b = AddPanel(bar, 100, psText, L"B");
    AddPanel(bar, 50, psHTML, L"C");
    hint.Hint = L"Opens";
    EXPECT_TRUE(bar.ExecuteAction(&hint));
    EXPECT_EQ(a->GetText(), L"Opens");
    int fired = 0;
    bar.OnHint = [&](TObject*) { ++fired; };
    hint.Hint = L"Ignored";
    EXPECT_TRUE(bar.ExecuteAction(&hint));
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(a->GetText(), L"Opens");
    TOwnedPtr<TBasicAction> other(Make<TBasicAction>(nullptr));
    EXPECT_FALSE(bar.ExecuteAction(other.get()));

    a->SetText(L"A");
    b->SetButton(true);
    bar.FlipChildren(true);
    EXPECT_EQ(bar.Panels().Items(0)->GetText(), L"C");
    EXPECT_EQ(bar.Panels().Items(1)->GetText(), L"B");
    EXPECT_EQ(bar.Panels().Items(2)->GetText(), L"A");
    EXPECT_EQ(bar.Panels().Items(0)->GetStyle(), psHTML);
    EXPECT_EQ(bar.Panels().Items(2)->GetWidth(), 80) << "the former first panel's width";
    EXPECT_EQ(bar.Panels().Items(0)->GetWidth(), 400 - 180) << "client width minus the former panels 0..n-2";
    EXPECT_TRUE(bar.Panels().Items(1)->GetButton()) << "Button is not copied, so it stays in place";

    a->ClearImageIndexes();
    a->AddImageIndex(4);
    a->AddImageIndex(0);
    a->SetImageIndexes({L"4", L"x", L"2"});
    EXPECT_EQ(a->ImageCount(), 3);
    EXPECT_EQ(a->ImageIndexes(0), 4);
    EXPECT_EQ(a->ImageIndexes(1), -1) << "not a number";
    EXPECT_EQ(a->ImageIndexes(3), -1) << "past the end";
}

TEST(StatusBarStyler, LinkFallbackAndRemoval) {
    TOwnedPtr<TOrvOfficeStatusBar> bar(Make<TOrvOfficeStatusBar>(nullptr));
    TCustomOrvOfficeStatusBarStyler* internal = bar->CurrentStyler();
    ASSERT_NE(internal, nullptr);
    EXPECT_EQ(internal->GetName(), L"InternalStyler");
    EXPECT_EQ(internal->GetBorderColor(), 8542779);
    EXPECT_EQ(internal->PanelAppearanceLight().GetColorMirror(), 0xC0C0C0);
    EXPECT_EQ(internal->PanelAppearanceLight().GetBorderColorHot(), 0x808080);
    EXPECT_EQ(bar->GetURLColor(), 0xFF0000);
    EXPECT_EQ(bar->Height(), 19);
    EXPECT_EQ(bar->GetAlign(), TAlign::alBottom);

    auto* styler = Make<TOrvOfficeStatusBarOfficeStyler>(nullptr);
    bar->SetStyler(styler);
    EXPECT_EQ(bar->CurrentStyler(), styler);
    EXPECT_EQ(styler->ControlCount(), 1);
    bar->SetStyler(styler);
    EXPECT_EQ(styler->ControlCount(), 1);
    bar->SetStyler(nullptr);
    EXPECT_EQ(bar->CurrentStyler(), internal);
    EXPECT_EQ(styler->ControlCount(), 0);
    bar->SetStyler(styler);
    styler->Free();
    EXPECT_EQ(bar->GetStyler(), nullptr);
    EXPECT_EQ(bar->CurrentStyler(), internal);

    TOwnedPtr<TImageList> images(Make<TImageList>(nullptr));
    bar->SetImages(images.get());
    bar->SetDisabledImages(images.get());
    images.reset();
    EXPECT_EQ(bar->GetImages(), nullptr);
    EXPECT_EQ(bar->GetDisabledImages(), nullptr);

    // A bar that goes first leaves the styler's list.
    auto* kept = Make<TOrvOfficeStatusBarOfficeStyler>(nullptr);
    bar->SetStyler(kept);
    bar.reset();
    EXPECT_EQ(kept->ControlCount(), 0);
    kept->Free();
}

TEST(StatusBarPresets, ValuesAsTyped) {
    TOwnedPtr<TOrvOfficeStatusBarOfficeStyler> s(Make<TOrvOfficeStatusBarOfficeStyler>(nullptr));
    // A new styler shows the whole Office 2003 blue preset.
    EXPECT_EQ(s->GetStyle(), psOffice2003Blue);
    EXPECT_EQ(s->GetBorderColor(), 14986888);
    EXPECT_EQ(s->PanelAppearanceLight().GetBorderColor(), 14922381);
    EXPECT_EQ(s->PanelAppearanceLight().GetColor(), 16440774);
    EXPECT_EQ(s->PanelAppearanceLight().GetBorderColorDown(), 10240783);
    EXPECT_EQ(s->PanelAppearanceDark().GetColor(), 13861717);
    EXPECT_EQ(s->PanelAppearanceDark().GetTextColorHot(), 16777215);

    // Dashes keep values: Office 2003 silver leaves the light hot and down text colours.
    s->PanelAppearanceLight().SetTextColorHot(123);
    s->PanelAppearanceLight().SetTextColorDown(456);
    s->SetStyle(psOffice2003Silver);
    EXPECT_EQ(s->GetBorderColor(), 11769496);
    EXPECT_EQ(s->PanelAppearanceLight().GetTextColorHot(), 123);
    EXPECT_EQ(s->PanelAppearanceLight().GetTextColorDown(), 456);
    EXPECT_EQ(s->PanelAppearanceLight().GetTextColor(), 0);
    EXPECT_EQ(s->PanelAppearanceLight().GetBorderColor(), clNone);
    EXPECT_EQ(s->PanelAppearanceDark().GetBorderColorDown(), 12032925);

    // The current style again changes nothing, even after an edit.
    s->SetBorderColor(77);
    s->SetStyle(psOffice2003Silver);
    EXPECT_EQ(s->GetBorderColor(), 77);
    s->SetStyle(psCustom);
    EXPECT_EQ(s->GetBorderColor(), 77) << "psCustom keeps every colour";

    s->SetComponentStyle(tsOffice2010Blue);
    EXPECT_EQ(s->GetStyle(), psOffice2010Blue);
    EXPECT_EQ(s->GetBorderColor(), 10981241);
    EXPECT_EQ(s->PanelAppearanceLight().GetColor(), 16643823);
    EXPECT_EQ(s->PanelAppearanceLight().GetColorTo(), 15784647);
    EXPECT_EQ(s->PanelAppearanceLight().GetColorMirror(), clNone);
    EXPECT_EQ(s->PanelAppearanceLight().GetTextColor(), 7551263);
    EXPECT_EQ(s->PanelAppearanceLight().GetColorMirrorHotTo(), 14285309);
    EXPECT_EQ(s->PanelAppearanceDark().GetColor(), 16181468);
    EXPECT_EQ(s->PanelAppearanceDark().GetColorTo(), 10981241);
    EXPECT_EQ(s->PanelAppearanceDark().GetBorderColorDown(), 3181250);

    s->SetComponentStyle(tsWindowsVista);
    EXPECT_EQ(s->GetBorderColor(), 16577242);
    EXPECT_EQ(s->PanelAppearanceLight().GetBorderColorDown(), clHighlight);
    EXPECT_EQ(s->PanelAppearanceDark().GetColor(), 16510419);
    s->SetComponentStyle(tsTerminal);
    EXPECT_EQ(s->GetBorderColor(), 8421504);
    EXPECT_EQ(s->PanelAppearanceLight().GetColor(), clBtnFace);
    EXPECT_EQ(s->PanelAppearanceLight().GetColorDown(), clHighlight);
    EXPECT_EQ(s->PanelAppearanceDark().GetColor(), 12632256);
    s->SetComponentStyle(tsWindows7);
    EXPECT_EQ(s->GetBorderColor(), 9539985);
    EXPECT_EQ(s->PanelAppearanceDark().GetBorderColorHot(), 15592945);
    EXPECT_EQ(s->PanelAppearanceLight().GetBorderColorHot(), 14145495);
    s->SetComponentStyle(tsOffice2007Luna);
    EXPECT_EQ(s->PanelAppearanceLight().GetColorMirrorTo(), 16244941);
    EXPECT_EQ(s->PanelAppearanceDark().GetColorMirrorTo(), 12752244);
    s->PanelAppearanceDark().SetTextColorHot(99);
    s->SetComponentStyle(tsWhidbey);
    EXPECT_EQ(s->GetBorderColor(), 11059392);
    EXPECT_EQ(s->PanelAppearanceDark().GetTextColorHot(), 99) << "a dash in the dark look";
    EXPECT_EQ(s->PanelAppearanceDark().GetColorTo(), 8296600);
    s->SetComponentStyle(tsOffice2010Black);
    EXPECT_EQ(s->PanelAppearanceDark().GetColor(), 4934475);
    EXPECT_EQ(s->PanelAppearanceDark().GetTextStyle(), 0) << "presets never touch the text style";
    EXPECT_EQ(s->PanelAppearanceDark().GetSteps(), 64);
}

TEST(StatusBarPresets, ColourSchemeFollowing) {
    std::wstring scheme = L"HomeStead";
    bool themed = true;
    SetStatusBarColorSchemeReader([&](std::wstring& out) {
        out = scheme;
        return themed;
    });
    TOwnedPtr<TOrvOfficeStatusBarOfficeStyler> s(Make<TOrvOfficeStatusBarOfficeStyler>(nullptr));
    s->ThemeChanged();
    EXPECT_EQ(s->GetStyle(), psOffice2003Blue) << "AutoThemeAdapt off";
    s->SetAutoThemeAdapt(true);
    s->ThemeChanged();
    EXPECT_EQ(s->GetStyle(), psOffice2003Olive);
    EXPECT_EQ(s->GetBorderColor(), 9224369);
    scheme = L"metallic";
    s->ThemeChanged();
    EXPECT_EQ(s->GetStyle(), psOffice2003Silver);
    scheme = L"NormalColor";
    s->ThemeChanged();
    EXPECT_EQ(s->GetStyle(), psOffice2003Blue);
    scheme = L"Royale";
    s->ThemeChanged();
    EXPECT_EQ(s->GetStyle(), psWindowsXP);
    scheme = L"HomeStead";
    themed = false;
    s->ThemeChanged();
    EXPECT_EQ(s->GetStyle(), psWindowsXP) << "visual styles off";
    SetStatusBarColorSchemeReader(nullptr);
}

TEST(StatusBarText, FormatsAndEllipsisAtTheEmptyText) {
    SYSTEMTIME t{2024, 11, 0, 7, 14, 5, 9, 30};
    EXPECT_EQ(FormatStatusDateTime(L"h:mm:ss", t), L"14:05:09");
    EXPECT_EQ(FormatStatusDateTime(L"hh:nn", t), L"14:05");
    EXPECT_EQ(FormatStatusDateTime(L"d/MM/yyyy", t), L"7/11/2024");
    EXPECT_EQ(FormatStatusDateTime(L"dd mmm yy", t), L"07 Nov 24");
    EXPECT_EQ(FormatStatusDateTime(L"h:mm AM/PM", t), L"2:05 PM");
    EXPECT_EQ(FormatStatusDateTime(L"'at' h", t), L"at 14");

    // A box narrower than "..." draws the text clipped or nothing, and returns.
    TBitmap b(40, 19);
    TFont font;
    auto start = GetTickCount();
    for (int width : {0, 1, 3, 8}) {
        for (TAntiAlias aa : {aaNone, aaClearType})
            DrawStatusText(b.Canvas(), TTextAlignment::taLeftJustify, kStatusEndEllipsis | kStatusSingleLine, true,
                           true, aa, true, font, L"A rather long panel text", {2, 0, 2 + width, 19});
    }
    EXPECT_LT(GetTickCount() - start, 3000u);
    EXPECT_EQ(DrawStatusText(b.Canvas(), TTextAlignment::taLeftJustify, 0, false, false, aaNone, true, font, L"",
                             {0, 0, 40, 19}),
              TRect{});

    auto measure = [](const std::wstring& s) { return static_cast<int>(s.size()) * 5; };
    EXPECT_EQ(ShortenPathText(L"C:\\a\\b\\c\\file.txt", 1000, measure), L"C:\\a\\b\\c\\file.txt");
    EXPECT_EQ(ShortenPathText(L"C:\\alpha\\beta\\gamma\\file.txt", 5 * 22, measure), L"C:\\...\\gamma\\file.txt");
    EXPECT_EQ(ShortenPathText(L"C:\\alpha\\beta\\gamma\\file.txt", 10, measure), L"C:\\...\\file.txt");
}
