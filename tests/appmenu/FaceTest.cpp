// The panel's kept face against its direct paint after each kind of change, a pressed
// item, and a paged sub-item list whose entries stay clear of the up arrow.
#include "AppMenuTestSupport.h"
#include "appmenu/PreviewMenuFace.h"
#include "paint/FaceCache.h"

using namespace appmenutest;

namespace {

int DifferentPixels(TBitmap& a, TBitmap& b) {
    int n = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) n += a.PixelColor(x, y) != b.PixelColor(x, y) ? 1 : 0;
    return n;
}

// The window's paint into a bitmap that starts in the panel's colour, as the buffered
// window paint does.
std::unique_ptr<TBitmap> WindowPaint(TOrvPreviewMenuPanel* panel) {
    auto bmp = std::make_unique<TBitmap>(panel->Width(), panel->Height());
    bmp->Canvas().Brush().SetColor(panel->GetColor());
    bmp->Canvas().FillRect({0, 0, panel->Width(), panel->Height()});
    panel->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bmp->Canvas().Handle()), 0);
    return bmp;
}

struct TFaceMenu : TMenuFixture {
    TOrvPreviewMenuPanel* P = nullptr;
    std::unique_ptr<TBitmap> Last;

    TFaceMenu() {
        auto* styler = new TOrvPreviewMenuOfficeStyler(Form.get());
        styler->SetStyle(psOffice2007Luna);
        Menu->SetStyler(styler);
        AddItem(L"&New");
        AddItem(L"&Save as", 3)->SetCanSelect(true);
        AddItem(L"&Print", 2);
        Menu->SetSubMenuItemHeight(20);
        for (int i = 0; i < 10; ++i) Menu->SubMenuItems().Add()->SetTitle(L"Document " + std::to_wstring(i));
        P = Panel();
    }
    ~TFaceMenu() { PreviewMenuFaceCache = true; }

    // The kept face and the direct paint agree, and the picture moved on from the last
    // one (else a stale face would pass unnoticed).
    void ExpectChangeShown(const char* what) {
        PreviewMenuFaceCache = true;
        auto kept = WindowPaint(P);
        PreviewMenuFaceCache = false;
        auto direct = WindowPaint(P);
        PreviewMenuFaceCache = true;
        EXPECT_EQ(DifferentPixels(*kept, *direct), 0) << what << ": the face shows what a direct paint shows";
        if (Last) {
            EXPECT_GT(DifferentPixels(*Last, *kept), 0) << what << ": the picture changed";
        }
        Last = std::move(kept);
    }
};

}  // namespace

TEST(PreviewMenuFace, EveryChangeReachesTheKeptFace) {
    TScenicGuard classic(false);
    TFaceMenu f;
    ASSERT_TRUE(f.P->FaceCacheable());
    f.ExpectChangeShown("first paint");
    std::size_t misses = SharedFaceCache().Misses();
    WindowPaint(f.P);
    EXPECT_EQ(SharedFaceCache().Misses(), misses) << "a steady repaint copies the kept face";

    f.P->SetItemHot(0, false);
    f.ExpectChangeShown("hot item");
    f.P->SetItemDown(0);
    f.ExpectChangeShown("pressed item");
    f.P->SetItemDown(-1);
    f.P->SetItemHot(1, false);
    TRect split = f.P->ItemRect(1);
    f.P->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(split.Right - 5, split.Top + 3));
    ASSERT_TRUE(f.P->DropDownPartHot());
    f.ExpectChangeShown("drop-down part of a split item");
    f.P->SetItemHot(-1, true);
    f.P->SetSubItemHot(1);
    f.ExpectChangeShown("hot sub-item");
    f.P->ScrollSubItems(true);
    f.ExpectChangeShown("second page");
    f.P->ShowAllItemKeyTips();
    f.ExpectChangeShown("key tips");
    f.P->HideAllKeyTips();
    f.ExpectChangeShown("key tips hidden");
    f.Menu->MenuItems().Items(2)->SetCaption(L"&Print everything");
    f.ExpectChangeShown("a caption changed while shown");
    f.Menu->MenuItems().Items(2)->SetEnabled(false);
    f.ExpectChangeShown("an item disabled while shown");
    {
        TScenicGuard scenic(true);
        f.ExpectChangeShown("scenic look");
    }
    f.Menu->SetMenuButtonAppearance(0x0000FF, 0x00FF00, 0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000, clWhite, true, nullptr,
                                    L"", nullptr);
    {
        TScenicGuard scenic(true);
        f.ExpectChangeShown("the application button's colours");
    }

    // Hovering back onto an earlier state finds its face again.
    f.P->SetSubItemHot(-1);
    f.P->SetItemHot(0, false);
    WindowPaint(f.P);
    f.P->SetItemHot(1, false);
    WindowPaint(f.P);
    misses = SharedFaceCache().Misses();
    f.P->SetItemHot(0, false);
    WindowPaint(f.P);
    EXPECT_EQ(SharedFaceCache().Misses(), misses);
}

TEST(PreviewMenuFace, DrawHandlersPaintDirectly) {
    TScenicGuard classic(false);
    TFaceMenu f;
    int drawn = 0;
    f.Menu->OnMenuDrawItem = [&](TObject*, TCanvas&, int, TRect) { ++drawn; };
    EXPECT_FALSE(f.P->FaceCacheable());
    std::size_t misses = SharedFaceCache().Misses(), hits = SharedFaceCache().Hits();
    WindowPaint(f.P);
    WindowPaint(f.P);
    EXPECT_EQ(drawn, 2 * 3) << "the handler runs for each item at every paint";
    EXPECT_EQ(SharedFaceCache().Misses(), misses);
    EXPECT_EQ(SharedFaceCache().Hits(), hits);
}

TEST(PreviewMenuPaint, APressedItemShowsTheDownColours) {
    TScenicGuard classic(false);
    TMenuFixture f;
    auto* st = new TOrvPreviewMenuOfficeStyler(f.Form.get());
    st->SetStyle(psOffice2007Luna);
    TGlowColorSet down;
    down.Color = 0x2040C0;
    down.BorderColor = 0x102060;
    st->MenuItemAppearance().SetLook(glDown, down);
    f.Menu->SetStyler(st);
    f.AddItem(L"One");
    f.AddItem(L"Two");
    TOrvPreviewMenuPanel* panel = f.Panel();
    TRect r = panel->ItemRect(1);
    EXPECT_NE(PaintPanel(panel)->PixelColor(r.Left + 3, r.Bottom - 3), 0x2040C0);
    panel->SetItemDown(1);
    auto bmp = PaintPanel(panel);
    EXPECT_EQ(bmp->PixelColor(r.Left + 3, r.Bottom - 3), 0x2040C0);
    EXPECT_EQ(bmp->PixelColor(r.Left, r.Top + r.Height() / 2), 0x102060) << "framed in the down border";
    EXPECT_NE(bmp->PixelColor(panel->ItemRect(0).Left + 3, panel->ItemRect(0).Bottom - 3), 0x2040C0);
    panel->SetItemDown(-1);
    EXPECT_NE(PaintPanel(panel)->PixelColor(r.Left + 3, r.Bottom - 3), 0x2040C0) << "released";
}

TEST(PreviewMenuLayout, APagedListStartsBelowTheUpArrow) {
    // Right area 100 wide and 4 x 20 + 23 high at (100, 16): four entries to a page.
    TRect area{100, 16, 200, 16 + 103};
    TPreviewPaging paged = PreviewSubItemPaging(area, 0, 20, 10, false);
    ASSERT_TRUE(paged.Active);
    ASSERT_EQ(paged.PageSize, 4);
    EXPECT_EQ(PreviewScrollUpRect(area, 0, false).Bottom, 27);
    EXPECT_EQ(PreviewSubItemRect(area, 0, 20, 0, 0, false, paged).Top, 27) << "right below the up arrow";
    EXPECT_EQ(PreviewSubItemRect(area, 0, 20, 5, 4, false, paged).Top, 47) << "second page, its second entry";
    // With a caption of 20 the arrow sits under it, and the page under the arrow.
    TRect tall{100, 16, 200, 16 + 117};
    TPreviewPaging captioned = PreviewSubItemPaging(tall, 20, 20, 10, false);
    EXPECT_EQ(PreviewScrollUpRect(tall, 20, false).Bottom, 48);
    EXPECT_EQ(PreviewSubItemRect(tall, 20, 20, 0, 0, false, captioned).Top, 48);
    // An item's own list likewise.
    EXPECT_EQ(PreviewSubItemRect(tall, 20, 20, 0, 0, true, captioned).Top, 48);
    // Without paging the list starts 2 below the area (or its caption).
    TPreviewPaging unpaged = PreviewSubItemPaging({100, 16, 200, 216}, 0, 20, 3, false);
    ASSERT_FALSE(unpaged.Active);
    EXPECT_EQ(PreviewSubItemRect(area, 0, 20, 0, 0, false, unpaged).Top, 18);

    // The real panel: the first entry of each page answers just below the arrow.
    TScenicGuard classic(false);
    TFaceMenu f;
    TOrvPreviewMenuPanel* panel = f.P;
    ASSERT_TRUE(panel->Paging().Active);
    for (int page = 0; page < 2; ++page) {
        int first = panel->TopSubMenuItem();
        TRect up = panel->ScrollUpRect(), entry = panel->SubItemRect(first);
        SCOPED_TRACE(page);
        EXPECT_EQ(entry.Top, up.Bottom);
        EXPECT_EQ(panel->HitTest({entry.Left + 20, up.Bottom - 1}).Kind, phScrollUp);
        TPreviewHit below = panel->HitTest({entry.Left + 20, up.Bottom});
        EXPECT_EQ(below.Kind, phSubItem);
        EXPECT_EQ(below.Index, first);
        panel->ScrollSubItems(true);
    }
}
