#include "PagerBench.h"
#include "BenchTiming.h"
#include "BenchCounts.h"

#include <windows.h>

#include <cstdio>

#include "buttons/OrvGlowButton.h"
#include "framework/Bitmap.h"
#include "framework/Component.h"
#include "framework/Forms.h"
#include "framework/GdiHandles.h"
#include "paint/FaceCache.h"
#include "paint/OrvGDIP.h"
#include "toolbar/OrvPage.h"
#include "toolbar/OrvToolBarPager.h"
#include "toolbar/OrvToolBarStylers.h"
#include "toolbar/PagerPaint.h"

using namespace orv;

namespace orvtools {

namespace {

const wchar_t* const kCaptions[] = {L"Home",    L"Insert",    L"Page Layout", L"References", L"Review",
                                    L"View",    L"Developer", L"Add-Ins",     L"Mailings",   L"Format",
                                    L"Design",  L"Layout",    L"Table",       L"Picture",    L"Chart",
                                    L"Drawing", L"Text",      L"Arrange",     L"Animation",  L"Slide Show"};

TOrvToolBarPager* MakePager(TForm* form, TCustomOrvToolBarStyler* styler, int width, int tabs) {
    form->SetBorderStyle(TFormBorderStyle::bsNone);
    form->SetBounds(0, 0, width, 300);
    auto* pager = new TOrvToolBarPager(form);
    pager->SetParent(form);
    pager->SetToolBarStyler(styler);
    pager->Caption().SetCaption(L"Document1 - Quillan");
    for (int i = 0; i < tabs; ++i) pager->AddOrvPage(kCaptions[i]);
    return pager;
}

// The pager and its visible windowed children (page, caption and help buttons), each at
// its place, into dc: what the screen shows of it.
void PaintPagerWindows(TOrvToolBarPager* pager, HDC dc) {
    SetViewportOrgEx(dc, 0, 0, nullptr);
    pager->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    for (int i = 0; i < pager->ControlCount(); ++i) {
        auto* child = dynamic_cast<TWinControl*>(pager->Controls(i));
        if (!child || !child->GetVisible()) continue;
        SetViewportOrgEx(dc, child->Left(), child->Top(), nullptr);
        child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
    SetViewportOrgEx(dc, 0, 0, nullptr);
}

}  // namespace

void RunPagerBench() {
    TOwnedPtr<TOrvToolBarOfficeStyler> styler(Make<TOrvToolBarOfficeStyler>(nullptr));
    styler->SetStyle(bsOffice2010Blue);

    // --- the 681 x 149 pager: five tabs, tabs 1 to 3 in a group -----------------------------
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    TOrvToolBarPager* pager = MakePager(form.get(), styler.get(), 681, 5);
    TTabGroupItem* group = pager->TabGroups().Add();
    group->SetCaption(L"Table Tools");
    group->SetTabIndexStart(1);
    group->SetTabIndexEnd(3);
    form->Show();
    PumpPending();

    TBitmap bmp(pager->Width(), pager->Height());
    HDC dc = bmp.Canvas().Handle();
    TGdiBrush brush(CreateSolidBrush(RGB(200, 220, 240)));
    RECT rc{0, 0, pager->Width(), pager->Height()};
    auto paint = [&] { PaintPagerWindows(pager, dc); };
    paint();
    int gdiBefore = GdiLiveTotal(), gdipBefore = GdipLiveTotal(), windowsBefore = CountThreadWindows();
    const double fill = MedianMicroseconds(200, [&] { FillRect(dc, &rc, brush.Get()); });
    const double painted = MedianMicroseconds(200, paint);
    SharedFaceCache().ResetCounters();
    for (int i = 0; i < 10000; ++i) paint();
    std::printf(
        "pager %d x %d, five tabs and one tab group, off glass (with its page, caption and help buttons): %.1f us, "
        "x FillRect %.1f\n",
        pager->Width(), pager->Height(), painted, fill > 0 ? painted / fill : 0.0);
    std::printf(
        "  after 10,000 paints: live GDI %d -> %d, live GDI+ %d -> %d, windows %d -> %d, face cache hits %zu, "
        "misses %zu\n",
        gdiBefore, GdiLiveTotal(), gdipBefore, GdipLiveTotal(), windowsBefore, CountThreadWindows(),
        SharedFaceCache().Hits(), SharedFaceCache().Misses());

    // Where the time goes: the painter over the pager's record, the pager window alone
    // (the record built, then painted), the active page alone.
    const double painter = MedianMicroseconds(200, [&] { PaintPager(bmp.Canvas(), pager->PaintState()); });
    const double own = MedianMicroseconds(200, [&] { pager->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0); });
    TOrvPage* page = pager->GetActivePage();
    const double pageOnly = MedianMicroseconds(200, [&] { page->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0); });
    std::printf(
        "  of which: painter over the record %.1f us (x FillRect %.1f), pager window alone %.1f us (x %.1f), "
        "page alone %.1f us (x %.1f)\n",
        painter, fill > 0 ? painter / fill : 0.0, own, fill > 0 ? own / fill : 0.0, pageOnly,
        fill > 0 ? pageOnly / fill : 0.0);

    // The transparent buttons' share: the backdrop question each asks the pager, and
    // one button's paint with it.
    if (TOrvGlowButton* help = pager->HelpButton()) {
        TParentBackgroundQuery query;
        query.Rect = help->BoundsRect();
        const double asked = MedianMicroseconds(
            200, [&] { pager->Perform(WM_ORV_PARENTBACKGROUNDKEY, 0, reinterpret_cast<LPARAM>(&query)); });
        const double state = MedianMicroseconds(200, [&] { (void)pager->PaintState(); });
        const double button = MedianMicroseconds(200, [&] {
            SetViewportOrgEx(dc, help->Left(), help->Top(), nullptr);
            help->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
            SetViewportOrgEx(dc, 0, 0, nullptr);
        });
        std::printf(
            "  a transparent button: the backdrop key %.1f us (the paint record alone %.1f us), its paint %.1f us\n",
            asked, state, button);
    }

    // --- collapse, pop-up, hide, expand ------------------------------------------------------
    auto cycle = [&] {
        pager->Collaps();
        pager->ShowMinimizedRibbon();
        PumpPending();
        pager->HideMinimizedRibbon();
        pager->Expand();
        PumpPending();
    };
    cycle();
    gdiBefore = GdiLiveTotal();
    gdipBefore = GdipLiveTotal();
    windowsBefore = CountThreadWindows();
    const int componentsBefore = TComponent::LiveCount();
    const double cycled = MedianMicroseconds(20, cycle);
    for (int i = 0; i < 1000; ++i) cycle();
    std::printf("collapse, pop-up, hide and expand: %.0f us a cycle\n", cycled);
    std::printf("  after 1,000 cycles: live GDI %d -> %d, live GDI+ %d -> %d, windows %d -> %d, components %d -> %d\n",
                gdiBefore, GdiLiveTotal(), gdipBefore, GdipLiveTotal(), windowsBefore, CountThreadWindows(),
                componentsBefore, TComponent::LiveCount());

    // --- 20 tabs in 681 pixels ---------------------------------------------------------------
    TOwnedPtr<TForm> crowdedForm(Make<TForm>(nullptr));
    TOrvToolBarPager* crowded = MakePager(crowdedForm.get(), styler.get(), 681, 20);
    crowdedForm->Show();
    PumpPending();
    TBitmap measure(1, 1);
    TCanvas& canvas = measure.Canvas();
    canvas.Font().Assign(&styler->TabAppearance().Font());
    int sum = 0;
    const double measured = MedianMicroseconds(200, [&] {
        for (const wchar_t* caption : kCaptions) sum += canvas.TextWidth(caption);
    });
    gdiBefore = GdiLiveTotal();
    const double laidOut = MedianMicroseconds(200, [&] { crowded->UpdateTabs(); });
    std::printf(
        "tab layout of 20 tabs in 681 pixels (spacing %d, scroller max %d): %.1f us, x measuring the 20 captions "
        "%.1f\n",
        crowded->CurrentSpacing(), crowded->TabScroller().Max, laidOut, measured > 0 ? laidOut / measured : 0.0);
    std::printf("  live GDI %d -> %d (width sum %d)\n\n", gdiBefore, GdiLiveTotal(), sum);
}

}  // namespace orvtools
