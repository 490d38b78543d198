// Pixels of the panel: the outline, split items, separators, scroll arrows, key tips and
// the application button on the top frame.
#include "AppMenuTestSupport.h"
#include "paint/OrvColors.h"

using namespace appmenutest;

namespace {
// A styler with plain, easily told colours.
TOrvPreviewMenuOfficeStyler* PlainStyler(TComponent* owner) {
    auto* st = new TOrvPreviewMenuOfficeStyler(owner);
    st->SetStyle(psOffice2007Luna);
    st->FrameAppearance().SetBorderColor(0x0000FF);
    st->FrameAppearance().SetColor(0x808000);
    st->FrameAppearance().SetColorTo(0x808000);
    st->FrameAppearance().SetColorMirror(0x808000);
    st->FrameAppearance().SetColorMirrorTo(0x808000);
    return st;
}
}  // namespace

TEST(PreviewMenuPaint, OutlineRoundedOffTheScenicLookSquareOnIt) {
    for (bool scenic : {false, true}) {
        TScenicGuard look(scenic);
        TMenuFixture f;
        f.Menu->SetStyler(PlainStyler(f.Form.get()));
        f.AddItem(L"One");
        TOrvPreviewMenuPanel* panel = f.Panel();
        auto bmp = PaintPanel(panel);
        int w = panel->Width(), h = panel->Height();
        SCOPED_TRACE(scenic ? "scenic" : "classic");
        // The border runs along the edges; the corner pixel is cut when rounded.
        EXPECT_EQ(bmp->PixelColor(w / 2, 0), 0x0000FF);
        EXPECT_EQ(bmp->PixelColor(0, h / 2), 0x0000FF);
        if (scenic)
            EXPECT_EQ(bmp->PixelColor(0, 0), 0x0000FF);
        else
            EXPECT_NE(bmp->PixelColor(0, 0), 0x0000FF);
        // The inner outline in the frame colour half way to white.
        EXPECT_EQ(bmp->PixelColor(w / 2, h - 2), BlendColor(0x808000, clWhite, 50));
        // Left margin in the frame colour, the column in the left frame colour.
        TRect lf = panel->LeftFrameRect();
        EXPECT_EQ(bmp->PixelColor(lf.Left - 1 - (scenic ? 0 : 2), lf.Top + 10), scenic ? 0x0000FF : 0x808000);
        EXPECT_EQ(bmp->PixelColor(lf.Left + 3, lf.Bottom - 3), clWhite);
        // The silver line down the right edge of the item column.
        EXPECT_EQ(bmp->PixelColor(lf.Right - 1, lf.Top + 5), clSilver);
        // Own sub-items on the right frame colour.
        EXPECT_EQ(bmp->PixelColor(panel->RightFrameRect().Left + 20, panel->RightFrameRect().Bottom - 3), 15657705);
    }
}

TEST(PreviewMenuPaint, SplitItemSeparatorAndSubArea) {
    TScenicGuard classic(false);
    TMenuFixture f;
    auto* st = PlainStyler(f.Form.get());
    // Plain colour sets (no second colour): drawn as plain rectangles.
    TGlowColorSet normal;
    normal.Color = 0x00C000;
    st->MenuItemAppearance().SetLook(glNormal, normal);
    TGlowColorSet hot;
    hot.Color = 0x0000C0;
    st->MenuItemAppearance().SetLook(glHot, hot);
    f.Menu->SetStyler(st);
    auto* split = f.AddItem(L"Split", 2);
    split->SetCanSelect(true);
    auto* plain = f.AddItem(L"Plain");
    plain->SetSeparator(true);
    TOrvPreviewMenuPanel* panel = f.Panel();
    TRect r = panel->ItemRect(0);
    auto bmp = PaintPanel(panel);
    // Normal: the button part blended half with white, the drop-down part as it is.
    EXPECT_EQ(bmp->PixelColor(r.Left + 3, r.Bottom - 2), BlendColor(0x00C000, clWhite, 50));
    EXPECT_EQ(bmp->PixelColor(r.Right - 3, r.Bottom - 2), 0x00C000);

    // Hot over the drop-down part: that part in the full hot colour, the other blended.
    panel->SetItemHot(0, true);
    TPoint inDrop{r.Right - 5, r.Top + 3};
    panel->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(inDrop.X, inDrop.Y));
    EXPECT_TRUE(panel->DropDownPartHot());
    bmp = PaintPanel(panel);
    EXPECT_EQ(bmp->PixelColor(r.Right - 3, r.Bottom - 2), 0x0000C0);
    EXPECT_EQ(bmp->PixelColor(r.Left + 3, r.Bottom - 2), BlendColor(0x0000C0, clWhite, 50));

    // The separator from a third of the width on the item's last row.
    TRect p = panel->ItemRect(1);
    EXPECT_EQ(bmp->PixelColor(p.Left + p.Width() / 3 + 1, p.Bottom - 1), 12961221);
    EXPECT_EQ(bmp->PixelColor(p.Right - 2, p.Bottom - 1), 12961221);
    EXPECT_NE(bmp->PixelColor(p.Left + p.Width() / 3 - 2, p.Bottom - 1), 12961221);

    // An item's own sub-items: the column colour with a shadowed raised edge.
    panel->SetItemHot(-1, true);
    panel->SetItemHot(0, true);
    ASSERT_EQ(panel->SubMenuItem(), 0);
    bmp = PaintPanel(panel);
    TRect rf = panel->RightFrameRect();
    EXPECT_EQ(bmp->PixelColor(rf.Left + 20, rf.Bottom - 8), clWhite);
    EXPECT_EQ(bmp->PixelColor(rf.Right - 5, rf.Top + 20), 0x0000FF) << "border line of the raised panel";
    EXPECT_EQ(bmp->PixelColor(rf.Right - 4, rf.Top + 20), clGray) << "first shadow line";
    EXPECT_EQ(bmp->PixelColor(rf.Right - 3, rf.Top + 20), BlendColor(clGray, clWhite, 70));
}

TEST(PreviewMenuPaint, ScrollArrowsAndKeyTips) {
    TScenicGuard classic(false);
    TMenuFixture f;
    auto* st = PlainStyler(f.Form.get());
    st->ButtonAppearance().SetColor(0x40C0F0);
    st->ButtonAppearance().SetBorderColor(0x004080);
    f.Menu->SetStyler(st);
    for (int i = 0; i < 3; ++i) f.AddItem(L"&Item")->SetShortCutHint(i == 1 ? L"Q" : L"");
    f.Menu->SetSubMenuItemHeight(20);
    for (int i = 0; i < 10; ++i) f.Menu->SubMenuItems().Add()->SetTitle(L"S");
    TOrvPreviewMenuPanel* panel = f.Panel();
    ASSERT_TRUE(panel->Paging().Active);
    auto bmp = PaintPanel(panel);
    TRect down = panel->ScrollDownRect();
    // Filled with the button colour inside its pen.
    EXPECT_EQ(bmp->PixelColor(down.Left + 2, down.Top + 2), 0x40C0F0);
    EXPECT_EQ(bmp->PixelColor(down.Left + down.Width() / 2, down.Top), 0x004080);
    // The arrow: rows of 5, 3, 1 pixels in black half over the pen.
    TColor arrow = BlendColor(clBlack, 0x004080, 50);
    int cx = down.Left + down.Width() / 2, cy = down.Top + down.Height() / 2;
    EXPECT_EQ(bmp->PixelColor(cx - 2, cy - 1), arrow);
    EXPECT_EQ(bmp->PixelColor(cx + 2, cy - 1), arrow);
    EXPECT_EQ(bmp->PixelColor(cx, cy + 1), arrow);
    EXPECT_NE(bmp->PixelColor(cx - 1, cy + 1), arrow) << "pointing down";

    // Key tips: a vertical white-to-button-colour gradient, grey border, shadow.
    f.Menu->ShowMenu(300, 200);
    panel->ShowAllItemKeyTips();
    bmp = PaintPanel(panel);
    TRect box = panel->ItemTipRect(1, false);
    ASSERT_FALSE(box.IsEmpty());
    TColor high = bmp->PixelColor(box.Left + 2, box.Top + 1);
    TColor low = bmp->PixelColor(box.Left + 2, box.Bottom - 2);
    EXPECT_GE(GetBValue(high), 0xEE) << "white at the top";
    EXPECT_GE(GetRValue(high), 0xEE);
    EXPECT_LE(GetBValue(low), 0x40 + 0x0C) << "the bottom nears the button colour (blue channel 0x40)";
    EXPECT_GE(GetRValue(low), 0xF0 - 8);
    EXPECT_EQ(bmp->PixelColor(box.Left + box.Width() / 2, box.Top), clGray);
    EXPECT_EQ(bmp->PixelColor(box.Right, box.Top + 4), 10917512);
    EXPECT_EQ(bmp->PixelColor(box.Right, box.Bottom), 12631480);
    EXPECT_EQ(bmp->PixelColor(box.Right, box.Top + 1), 14079699);
    f.Menu->HideMenu();
}

TEST(PreviewMenuPaint, SquareApplicationButtonOnTheScenicTopFrame) {
    TScenicGuard scenic(true);
    TMenuFixture f;
    f.Menu->SetStyler(PlainStyler(f.Form.get()));
    f.Menu->SetMenuButtonAppearance(0x000080, clNone, 0x00FF00, 0x00FF00, 0x00FF00, 0x00FF00, clWhite, false, nullptr,
                                    L"", nullptr);
    TOrvPreviewMenuPanel* panel = f.Panel();
    auto bmp = PaintPanel(panel);
    // Radius 0: the top-right corner of the 55 x 23 face at (0, 1) is square.
    EXPECT_EQ(bmp->PixelColor(55, 1), 0x000080);
    EXPECT_EQ(bmp->PixelColor(30, 1), 0x000080);
    EXPECT_EQ(bmp->PixelColor(30, 12), 0x00FF00);
    EXPECT_EQ(bmp->PixelColor(55, 20), 0x000080);
    EXPECT_EQ(bmp->PixelColor(70, 12), 0x808000) << "the top frame beside it";

    bool called = false;
    TRect top;
    f.Menu->OnDrawButtonFrameTop = [&](TObject*, TCanvas&, TRect r) {
        called = true;
        top = r;
    };
    PaintPanel(panel);
    EXPECT_TRUE(called);
    EXPECT_EQ(top, (TRect{0, 0, panel->Width(), 26}));
}

TEST(PreviewMenuPaint, PaintsReleaseTheirHandles) {
    TScenicGuard classic(false);
    TMenuFixture f;
    f.AddItem(L"One", 3)->SetCanSelect(true);
    f.AddItem(L"Two");
    f.Menu->Buttons().Add()->SetCaption(L"Exit");
    TOrvPreviewMenuPanel* panel = f.Panel();
    TBitmap bmp(panel->Width(), panel->Height());
    // Both looks once, so their faces are kept before counting.
    for (int i = 0; i < 2; ++i) {
        panel->SetItemHot(i, true);
        panel->PaintTo(bmp.Canvas());
    }
    int before = GdiLiveTotal();
    for (int i = 0; i < 20; ++i) {
        panel->SetItemHot(i % 2, true);
        panel->PaintTo(bmp.Canvas());
    }
    EXPECT_EQ(GdiLiveTotal(), before);
}
