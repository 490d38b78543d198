// The items container's kept face: after every kind of change the copied face shows
// what a direct paint shows, a steady repaint is a copy, and a transparent container or
// one with draw handlers is painted directly.
#include "itemlist/OrvPolyList.h"
// clang-format off
#include <gtest/gtest.h>

#include "buttons/GlowButtonTestSupport.h"
#include "itemlist/GDIPTextItem.h"
#include "paint/FaceCache.h"
// clang-format on

using namespace orv;
using namespace glowtest;

namespace {

int DifferentPixels(TBitmap& a, TBitmap& b) {
    int n = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) n += a.PixelColor(x, y) != b.PixelColor(x, y) ? 1 : 0;
    return n;
}

// A paint into a bitmap that starts in the control's colour, as the window's own
// buffered paint does.
std::unique_ptr<TBitmap> PaintOnColour(TWinControl* c) {
    auto bmp = std::make_unique<TBitmap>(c->Width(), c->Height());
    bmp->Canvas().Brush().SetColor(c->GetColor());
    bmp->Canvas().FillRect({0, 0, c->Width(), c->Height()});
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bmp->Canvas().Handle()), 0);
    return bmp;
}

struct TFaceList : TFixture {
    TOrvPolyList* List = nullptr;
    std::unique_ptr<TBitmap> Last;

    TFaceList() {
        List = new TOrvPolyList(Form.get());
        List->SetBounds(10, 10, 200, 150);
        List->SetParent(Form.get());
        for (int i = 0; i < 6; ++i) List->AddItem<TTextItem>()->SetCaption(L"Entry " + std::to_wstring(i));
        List->Items(1)->SetState(isSelected);
        orvtest::PumpFor(30);
    }
    ~TFaceList() { ListFaceCache = true; }

    // Paints through the cache and directly; both must agree, and the picture must have
    // moved on from the previous one (else a stale face would go unnoticed).
    void ExpectChangeShown(const char* what) {
        ListFaceCache = true;
        auto kept = PaintOnColour(List);
        ListFaceCache = false;
        auto direct = PaintOnColour(List);
        ListFaceCache = true;
        EXPECT_EQ(DifferentPixels(*kept, *direct), 0) << what << ": the face shows what a direct paint shows";
        if (Last) {
            EXPECT_GT(DifferentPixels(*Last, *kept), 0) << what << ": the picture changed";
        }
        Last = std::move(kept);
    }
};

}  // namespace

TEST(ItemsContainerFace, EveryChangeReachesTheKeptFace) {
    TFaceList w;
    w.ExpectChangeShown("first paint");

    // A steady repaint copies the kept face.
    std::size_t misses = SharedFaceCache().Misses(), hits = SharedFaceCache().Hits();
    auto again = PaintOnColour(w.List);
    EXPECT_EQ(SharedFaceCache().Misses(), misses) << "nothing changed: no new face";
    EXPECT_EQ(SharedFaceCache().Hits(), hits + 1);
    EXPECT_EQ(DifferentPixels(*again, *w.Last), 0);

    w.List->Items(3)->SetState(isHovered);
    w.ExpectChangeShown("hovered item");
    w.List->Items(3)->SetState(isNormal);
    w.ExpectChangeShown("hover gone");
    static_cast<TTextItem*>(w.List->Items(0))->SetCaption(L"Renamed entry");
    w.ExpectChangeShown("caption");
    w.List->List().Appearance().Selected().SetColor(0x3060C0);
    w.ExpectChangeShown("selected fill colour");
    w.List->Fill().SetColor(0xD0F0D0);
    w.ExpectChangeShown("container fill colour");
    w.List->SetVerticalPosition(40);
    w.List->DoChange();
    w.ExpectChangeShown("scrolled");
    w.List->Items(4)->SetVisible(false);
    w.ExpectChangeShown("hidden item");
    w.List->SetBounds(10, 10, 180, 150);
    w.ExpectChangeShown("narrower");
    w.List->SetScrollType(stHandles);
    w.ExpectChangeShown("handles");
    w.List->HandleAppearance().SetColor(0x2020A0);
    w.ExpectChangeShown("handle colour");
    w.List->SetColor(0x00FFFF);
    w.List->Fill().SetColor(clNone);
    w.List->Fill().SetBorderColor(clNone);
    w.ExpectChangeShown("no fill: the background colour shows");
    EXPECT_EQ(w.Last->PixelColor(w.List->ClientWidth() - 4, w.List->ClientHeight() - 2), 0x00FFFF);
}

TEST(ItemsContainerFace, TransparentAndHookedContainersPaintDirectly) {
    TFaceList w;
    w.ExpectChangeShown("first paint");
    std::size_t misses = SharedFaceCache().Misses(), hits = SharedFaceCache().Hits();

    int starts = 0;
    w.List->OnStartDraw = [&](TObject*, TGPGraphics&, TGPRectF) { ++starts; };
    Snapshot(w.List);
    Snapshot(w.List);
    EXPECT_EQ(starts, 2) << "the handler runs at every paint";
    w.List->OnStartDraw = nullptr;

    int itemDraws = 0;
    w.List->Items(0)->OnItemEndDraw = [&](TObject*, TGPGraphics&, TCustomItem*, TGPRectF) { ++itemDraws; };
    Snapshot(w.List);
    EXPECT_EQ(itemDraws, 1);
    w.List->Items(0)->OnItemEndDraw = nullptr;

    // Over the parent's pixels: what lies beneath shows through the cleared fill.
    w.List->SetTransparent(true);
    w.List->Fill().SetColor(clNone);
    w.List->Fill().SetBorderColor(clNone);
    auto through = Snapshot(w.List);
    EXPECT_NE(through->PixelColor(w.List->Width() - 3, w.List->Height() - 3), 0xFF00FF)
        << "the parent's background was painted first";
    EXPECT_EQ(SharedFaceCache().Misses(), misses) << "none of these paints made a face";
    EXPECT_EQ(SharedFaceCache().Hits(), hits);
}
