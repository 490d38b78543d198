// The program's windows when no back buffer or face can be made (as near the process's
// handle quota): every control paints directly, as it would from its buffer, and the
// kept faces come back once allocation works again.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "TestSupport.h"
#include "app/ZemForm3.h"
#include "app/ZemFrame2.h"
#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "framework/GdiHandles.h"
#include "framework/OffscreenInternal.h"
#include "paint/FaceCache.h"

using namespace orv;

namespace {

// The client area of window as the screen shows it after a full repaint.
std::vector<TColor> RepaintAndGrab(TWinControl& window) {
    RedrawWindow(window.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    orvtest::PumpFor(100);
    const TRect cr = window.ClientRect();
    const TPoint origin = window.ClientToScreen({0, 0});
    TBitmap shot(cr.Width(), cr.Height());
    TWindowDC screen(nullptr);
    BitBlt(shot.Canvas().Handle(), 0, 0, cr.Width(), cr.Height(), screen.Get(), origin.X, origin.Y, SRCCOPY);
    std::vector<TColor> pixels;
    pixels.reserve(static_cast<size_t>(cr.Width()) * cr.Height());
    for (int y = 0; y < cr.Height(); ++y)
        for (int x = 0; x < cr.Width(); ++x) pixels.push_back(shot.PixelColor(x, y));
    return pixels;
}

bool Differ(TColor a, TColor b, int tolerance) {
    for (int shift : {0, 8, 16}) {
        const int ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
        if (ca - cb > tolerance || cb - ca > tolerance) return true;
    }
    return false;
}

// Pixels that differ by more than a rounding step in any channel; the first of them in
// where (x, y).
int Differences(const std::vector<TColor>& a, const std::vector<TColor>& b, int width, TPoint& where) {
    int count = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        if (Differ(a[i], b[i], 2) && count++ == 0) where = {static_cast<int>(i) % width, static_cast<int>(i) / width};
    return count;
}

// The side of the largest square in which every pixel differs; its bottom-right corner in
// where. Text strokes differ only in strokes; a part left unpainted differs as an area.
int LargestDifferingSquare(const std::vector<TColor>& a, const std::vector<TColor>& b, int width, TPoint& where) {
    std::vector<int> side(a.size(), 0);
    int best = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        if (!Differ(a[i], b[i], 8)) continue;
        const int x = static_cast<int>(i) % width;
        const bool inner = x > 0 && i >= static_cast<size_t>(width);
        side[i] = 1 + (inner ? std::min({side[i - 1], side[i - width], side[i - width - 1]}) : 0);
        if (side[i] > best) {
            best = side[i];
            where = {x, static_cast<int>(i) / width};
        }
    }
    return best;
}

// Shows form at full, then smaller, then full again while nothing can be allocated: the
// window's full repaint then must show what it showed before, and so must the repaint
// once allocation works again.
void ExpectStarvedPaintMatches(TWinControl& window, TForm& form, const TRect& full, const TRect& small) {
    form.Show();
    form.SetBounds(full.Left, full.Top, full.Width(), full.Height());
    SetCursorPos(0, 0);  // nothing hot
    RepaintAndGrab(window);
    const std::vector<TColor> normal = RepaintAndGrab(window);
    form.SetBounds(small.Left, small.Top, small.Width(), small.Height());
    RepaintAndGrab(window);
    std::vector<TColor> starved;
    {
        detail::TOffscreenFailure failing;
        SharedFaceCache().Clear();
        form.SetBounds(full.Left, full.Top, full.Width(), full.Height());
        starved = RepaintAndGrab(window);
        EXPECT_EQ(SharedFaceCache().Count(), 0u) << "nothing could be kept";
    }
    const std::vector<TColor> recovered = RepaintAndGrab(window);
    EXPECT_GT(SharedFaceCache().Count(), 0u) << "the faces are made again";
    ASSERT_EQ(starved.size(), normal.size());
    ASSERT_EQ(recovered.size(), normal.size());
    // Straight onto the screen, Wine's GDI+ draws text through GDI (unsmoothed glyphs, other
    // advances) and strokes some outlines a pixel off; everything else is the same pixels.
    TPoint where{};
    const int width = window.ClientRect().Width();
    EXPECT_LT(LargestDifferingSquare(starved, normal, width, where), 8)
        << "an area painted otherwise, ending at (" << where.X << ", " << where.Y << ")";
    EXPECT_LT(Differences(starved, normal, width, where), static_cast<int>(normal.size() / 50))
        << "first at (" << where.X << ", " << where.Y << ")";
    EXPECT_EQ(Differences(recovered, normal, width, where), 0) << "first at (" << where.X << ", " << where.Y << ")";
}

}  // namespace

TEST(StarvedPaint, TheMainWindowPaintsWholeWithoutBuffersAndFacesAndRecovers) {
    orvtest::TScratchCurrentUser scratch;
    TShowMessageHook old = SetShowMessageHook([](const std::wstring&) {});
    TOwnedPtr<TZemForm3> form(Make<TZemForm3>(nullptr));
    SetShowMessageHook(old);
    ExpectStarvedPaintMatches(*form, *form, Bounds(80, 80, 860, 360), Bounds(80, 80, 600, 260));
}

TEST(StarvedPaint, TheBackstageListsPaintWholeWithoutBuffersAndFacesAndRecover) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    auto* frame = Make<TZemFrame2>(form.get());
    frame->SetParent(form.get());
    ExpectStarvedPaintMatches(*form, *form, Bounds(60, 60, 620, 460), Bounds(60, 60, 400, 300));
}
