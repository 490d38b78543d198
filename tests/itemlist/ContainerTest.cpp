// The items container as values: the layout passes, scroll bars, grids, the style
// table against a transcription, the style interfaces, stored layouts, and the
// paint that must not set off the change pass.
#include <gtest/gtest.h>

#include <windows.h>

#include "itemlist/OrvPolyList.h"
// clang-format off
#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "framework/LayoutReader.h"
#include "itemlist/GDIPTextItem.h"
// clang-format on

using namespace orv;

namespace {

TOwnedPtr<TOrvPolyList> MakeList(int w, int h, int items, int itemHeight = 30) {
    TOwnedPtr<TOrvPolyList> list(Make<TOrvPolyList>(nullptr));
    list->SetBounds(0, 0, w, h);
    for (int i = 0; i < items; ++i) list->AddItem<TTextItem>()->SetHeight(itemHeight);
    return list;
}

}  // namespace

TEST(ItemsContainer, OneColumnStacksItemsAndShowsTheBarOnlyWhenTheyDoNotFit) {
    auto list = MakeList(413, 395, 3);
    const int xs[] = {3, 3, 3}, ys[] = {3, 38, 73};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(list->Items(i)->GetX(), xs[i]);
        EXPECT_EQ(list->Items(i)->GetY(), ys[i]);
        EXPECT_EQ(list->Items(i)->GetWidth(), 406);
    }
    EXPECT_FALSE(list->VerticalScrollActive());
    EXPECT_FALSE(list->VertScrollBar().IsScrollBarVisible());

    list->SetHeight(100);
    EXPECT_TRUE(list->VerticalScrollActive());
    EXPECT_EQ(list->VertScrollBar().GetRange(), 107) << "content 3 + 30 + 5 + 30 + 5 + 30 + 3, plus one";
    EXPECT_EQ(list->VertScrollBar().GetThumbSize(), 100);
    EXPECT_TRUE(list->VertScrollBar().IsScrollBarVisible());
    EXPECT_EQ(list->Items(0)->GetWidth(), 406 - GetSystemMetrics(SM_CXVSCROLL));

    // Positions clamp into [0, range - thumb] and shift every item.
    list->SetVerticalPosition(50);
    list->DoChange();
    EXPECT_EQ(list->VerticalPosition(), 7);
    EXPECT_EQ(list->Items(0)->GetY(), 3 - 7);

    list->SetScrollType(stHandles);
    EXPECT_FALSE(list->VertScrollBar().IsScrollBarVisible()) << "handles instead of bars";
    list->SetScrollType(stScrollers);
    list->SetTransparent(true);
    EXPECT_FALSE(list->VertScrollBar().IsScrollBarVisible()) << "a transparent list shows no bar";
}

TEST(ItemsContainer, ColumnsAndRowsFillTheGridAndHiddenItemsTakeNoPlace) {
    auto list = MakeList(300, 200, 6);
    list->SetColumns(3);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(list->Items(i)->GetRowIndex(), i / 3);
        EXPECT_EQ(list->Items(i)->GetColumnIndex(), i % 3);
    }
    // (300 - 3 - 3 - 2 * 5 - 1) div 3 = 94 wide, three to a row.
    EXPECT_EQ(list->Items(1)->GetWidth(), 94);
    EXPECT_EQ(list->Items(1)->GetX(), 3 + 94 + 5);
    EXPECT_EQ(list->Items(4)->GetY(), 3 + 30 + 5);

    list->SetRows(2);
    EXPECT_EQ(list->GetColumns(), 0) << "setting Rows clears Columns";
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(list->Items(i)->GetRowIndex(), i % 2);
        EXPECT_EQ(list->Items(i)->GetColumnIndex(), i / 2);
    }

    list->SetColumns(1);
    list->Items(1)->SetVisible(false);
    EXPECT_EQ(list->Items(1)->GetRowIndex(), -1);
    EXPECT_EQ(list->Items(2)->GetY(), 38) << "the hidden item leaves no gap";
}

TEST(ItemsContainer, DefaultLookAndStyleTableMatchTheTranscription) {
    TOwnedPtr<TOrvPolyList> list(Make<TOrvPolyList>(nullptr));
    TCustomBaseListAppearance& a = list->List().Appearance();
    EXPECT_EQ(a.Normal().GetColor(), clNone);
    EXPECT_EQ(a.Normal().GetBorderColor(), clNone);
    EXPECT_EQ(a.Hovered().GetColor(), 0x8AE3FD);
    EXPECT_EQ(a.Hovered().GetBorderColor(), 0x60CDF2);
    EXPECT_EQ(a.Hovered().GetRounding(), 2);
    EXPECT_EQ(a.Hovered().GetGlow(), gmGradient);
    EXPECT_EQ(a.Selected().GetColor(), 0x45E1FE);
    EXPECT_EQ(a.Down().GetBorderColor(), 0x308AC2);
    EXPECT_EQ(a.ButtonNormal().GetColorTo(), 0xF1EFED);

    // Style, container Color / ColorTo / Border (K: kept), then per fill Color / ColorTo /
    // ColorMirror / ColorMirrorTo / Border for Normal, Hovered, Selected, Disabled, Down.
    constexpr TColor N = clNone, K = -1;
    struct TRow {
        int Style;
        TColor C[3];
        TColor F[5][5];
        TColor DisabledFont;
    };
    const TColor wh[5] = {0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0x99CEDB};
    const TColor ws[5] = {0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, 0x42AEFE};
    const TColor wd[5] = {0x76AFF1, 0x4190F3, 0x0E72F1, 0x4C9FFD, 0x45667B};
    const TColor gr[5] = {0xF2F2F2, 0xB6B6B6, N, N, K};
    const TColor gm[5] = {0xF2F2F2, 0xB6B6B6, 0xB6B6B6, 0xF2F2F2, K};
    auto row = [&](int s, std::initializer_list<TColor> c, const TColor* n, const TColor* h, const TColor* sel,
                   const TColor* d, const TColor* dn, TColor font) {
        TRow r{s, {}, {}, font};
        std::copy(c.begin(), c.end(), r.C);
        const TColor* cells[5] = {n, h, sel, d, dn};
        for (int i = 0; i < 5; ++i) std::copy(cells[i], cells[i] + 5, r.F[i]);
        return r;
    };
    auto cells = [](std::initializer_list<TColor> v) {
        static std::vector<std::vector<TColor>> keep;
        keep.emplace_back(v);
        return keep.back().data();
    };
    const TRow rows[] = {
        row(0, {0xFFD2AF, 0xFFD2AF, N}, cells({0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0, 0xE0B99B}), wh, ws, gr, wd,
            0x808080),
        row(1, {0xE6D8D8, 0xE6D8D8, N}, cells({0xE6E9E2, 0xE6D8D8, 0xC8B2B3, 0xE6E9E2, 0x927476}), wh, ws, gr, wd,
            0x808080),
        row(2, {0xB9EAE1, 0xB9EAE1, N}, cells({0xCFF0EA, 0xCFF0EA, 0x8CC0B1, 0xCFF0EA, 0x8CC0B1}), wh, ws, gr, wd,
            0x808080),
        row(3, {0xF2F2F2, 0xF2F2F2, N}, cells({0xFFFFFF, 0xC9D1D5, N, N, 0x8CC0B1}),
            cells({0xD2BDB6, 0xD2BDB6, N, N, 0x808080}), cells({0xB59285, 0xB59285, N, N, 0x808080}),
            cells({0xD8D5D4, 0xD8D5D4, N, N, K}), cells({0xD8D5D4, 0xD8D5D4, N, N, 0x808080}), 0x808080),
        row(4, {0xF3E5DA, 0xF0DED0, N}, cells({0xFFEFE3, 0xFFDDC4, 0xFFD1AD, 0xFFDBC0, 0xFFD1AD}), wh, ws, gm, wd,
            0x808080),
        row(5, {0x5C534C, 0x5C534C, N}, cells({0xF9F8F8, 0xE4E2DF, 0xD1CBC7, 0xE2DEDB, 0xD1CBC7}), wh, ws, gm, wd,
            0x808080),
        row(6, {0xB6B6B6, 0xB6B6B6, K}, cells({clBtnFace, clBtnFace, N, N, 0xB9D8DC}),
            cells({0xEFD3C6, 0xEFD3C6, N, N, clHighlight}),
            cells({clInactiveCaption, clInactiveCaption, N, N, clHighlight}), cells({0xB6B6B6, 0xB6B6B6, N, N, K}),
            cells({0xB9D8DC, 0xB9D8DC, N, N, 0x000000}), 0x808080),
        row(7, {0xF5F9FA, 0xF5F9FA, N}, cells({0xFFFFFF, 0xDFEDF0, 0xDFEDF0, 0xDFEDF0, 0x99A8AC}), wh, ws, gr, wd,
            0x808080),
        row(9, {0xF8F4F1, 0xF0E8E3, N}, cells({0xF9F8F8, 0xE4E2DF, 0xD1CBC7, 0xE2DEDB, 0xD1CBC7}), wh, ws, gm, wd,
            0x808080),
        row(10, {0xFFFFFF, 0xFFFFFF, 0x979797}, cells({0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xC0C0C0}),
            cells({0xFFFDF9, 0xFFFAF0, N, N, 0xFCF2DA}), cells({0xFEF9F0, 0xFDF0D7, N, N, 0xFEDF9A}),
            cells({0xFFFFFF, 0xFFFFFF, N, N, K}), cells({0xFEF9F0, 0xFDF0D7, N, N, 0x0FEDF9AB}), 0x646464),
        row(11, {0xFFFFFF, 0xFFFFFF, 0x979797}, cells({0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xC0C0C0}),
            cells({0xFDFBFA, 0xFDF3EB, N, N, 0xFBD6B8}), cells({0xFCEBDC, 0xFCDBC1, N, N, 0xCEA27D}),
            cells({0xFFFFFF, 0xFFFFFF, N, N, K}), cells({0xFEF9F0, 0xFCDBC1, N, N, 0xCEA27D}), 0x646464),
        row(12, {clBtnFace, clBtnFace, 0x808080}, cells({clBtnFace, clBtnFace, N, N, N}),
            cells({0xC0C0C0, 0xC0C0C0, N, N, 0x808080}), cells({clHighlight, clHighlight, N, N, 0x808080}),
            cells({clBtnFace, clBtnFace, N, N, K}), cells({clBtnFace, clBtnFace, N, N, clHighlight}), 0x808080),
        row(13, {0xEDDBCD, N, N}, cells({0xEDDBCD, N, N, N, 0x8CC0B1}), cells({0xFFEBDB, N, N, N, N}),
            cells({0xDEC1A9, N, N, N, N}), cells({0xDEC1A9, N, N, N, 0x588060}), cells({0xEDDBCD, N, N, N, 0x055CC9}),
            0xFFFFFF),
        row(14, {0xEDE9E5, N, N}, cells({0xEDE9E5, N, N, N, 0x8CC0B1}), cells({0xEEDDCF, N, N, N, N}),
            cells({0xDEC1A9, N, N, N, N}), cells({0xDEC1A9, N, N, N, 0x588060}), cells({0xEDE9E5, N, N, N, 0x055CC9}),
            0xFFFFFF),
        row(15, {0x828282, N, N}, cells({0x828282, N, N, N, N}), cells({0xEEDDCF, N, N, N, N}),
            cells({0xDEC1A9, N, N, N, N}), cells({0xA3A3A3, N, N, N, 0x588060}), cells({0x828282, N, N, N, 0x055CC9}),
            0xFFFFFF),
    };
    for (const TRow& r : rows) {
        TOwnedPtr<TOrvPolyList> l(Make<TOrvPolyList>(nullptr));
        l->SetComponentStyle(static_cast<TZemStyle>(r.Style));
        TCustomBaseListAppearance& ap = l->List().Appearance();
        SCOPED_TRACE("style " + std::to_string(r.Style));
        TColor fill[3] = {l->Fill().GetColor(), l->Fill().GetColorTo(), l->Fill().GetBorderColor()};
        TColor fresh[3] = {0xFFFFFF, 0xFFFFFF, 0xC0C0C0};
        for (int i = 0; i < 3; ++i) EXPECT_EQ(fill[i], r.C[i] == K ? fresh[i] : r.C[i]) << "container cell " << i;
        TGDIPFill* fills[5] = {&ap.Normal(), &ap.Hovered(), &ap.Selected(), &ap.Disabled(), &ap.Down()};
        for (int f = 0; f < 5; ++f) {
            TColor got[5] = {fills[f]->GetColor(), fills[f]->GetColorTo(), fills[f]->GetColorMirror(),
                             fills[f]->GetColorMirrorTo(), fills[f]->GetBorderColor()};
            for (int i = 0; i < 4; ++i) EXPECT_EQ(got[i], r.F[f][i]) << "fill " << f << " value " << i;
            if (r.F[f][4] != K) {
                EXPECT_EQ(got[4], r.F[f][4]) << "fill " << f << " border";
            }
            EXPECT_EQ(fills[f]->GetGlow(), r.Style == 12 ? gmNone : gmGradient);
            if (r.Style != 12) {
                EXPECT_EQ(fills[f]->GetGradientMirrorType(), gtVertical) << "fill " << f << " mirror gradient";
            }
        }
        EXPECT_EQ(ap.DisabledFont().GetColor(), r.DisabledFont);
        EXPECT_EQ(ap.Normal().GetGradientType(), r.Style == 4 ? gtSolid : gtVertical);
        EXPECT_EQ(ap.ButtonHovered().GetColor(), ap.Hovered().GetColor()) << "button fills copy the state fills";
        EXPECT_EQ(ap.ButtonDown().GetBorderColor(), ap.Down().GetBorderColor());
    }
    TOwnedPtr<TOrvPolyList> custom(Make<TOrvPolyList>(nullptr));
    custom->SetComponentStyle(tsCustom);
    EXPECT_EQ(custom->List().Appearance().Normal().GetGradientMirrorType(), gtVertical);
    EXPECT_EQ(custom->List().Appearance().Hovered().GetColor(), 0x8AE3FD) << "tsCustom sets only the common step";
}

TEST(ItemsContainer, WinStyleActsOnlyOnTheMainMenu) {
    TOwnedPtr<TOrvPolyList> plain(Make<TOrvPolyList>(nullptr));
    plain->ChangeMenu(0x000000);
    plain->ChangeStyle(true, 15);
    EXPECT_EQ(plain->List().Appearance().Hovered().GetColor(), 0x8AE3FD);
    EXPECT_EQ(plain->Fill().GetColor(), 0xFFFFFF);

    TOwnedPtr<TOrvPolyMenu> menu(Make<TOrvPolyMenu>(nullptr));
    TCustomBaseListAppearance& a = menu->List().Appearance();
    menu->ChangeMenu(0x000000);
    EXPECT_EQ(a.Hovered().GetColor(), 0x666666);
    EXPECT_EQ(a.Hovered().GetOpacity(), 40);
    EXPECT_EQ(a.Down().GetColor(), 0x666666);
    EXPECT_EQ(a.Selected().GetGlowGradientColor(), 0x000000);
    EXPECT_EQ(a.Selected().GetGlow(), gmRadialGradient);
    EXPECT_EQ(a.Normal().GetGlow(), gmNone);
    menu->ChangeStyle(false, 12);
    EXPECT_EQ(a.NormalFont().GetColor(), TFont().GetColor()) << "other styles change nothing";
    menu->ChangeStyle(true, 15);
    EXPECT_EQ(a.NormalFont().GetColor(), clWhite);
    EXPECT_EQ(a.HoveredFont().GetColor(), clWhite);
    EXPECT_EQ(a.SelectedFont().GetColor(), clBlack);
    EXPECT_EQ(menu->Fill().GetColor(), 0x707070);
    EXPECT_EQ(menu->Fill().GetBorderColor(), 0x424242);
}

TEST(ItemsContainer, ItemsTravelAsChildComponentsAndIsMainMenuFalseSurvives) {
    TOwnedPtr<TComponent> root(Make<TForm>(nullptr));
    root->SetName(L"Root");
    auto* menu = new TOrvPolyMenu(root.get());
    menu->SetName(L"Menu1");
    menu->SetParent(static_cast<TForm*>(root.get()));
    menu->SetIsMainMenu(false);
    const wchar_t* captions[] = {L"First", L"Second"};
    for (const wchar_t* caption : captions) {
        auto* it = menu->AddItem<TTextItem>();
        it->SetName(std::wstring(L"Item") + caption);
        it->SetCaption(caption);
    }
    std::wstring text = WriteComponentLayout(root.get());
    std::wstring compact;
    for (wchar_t c : text)
        if (!iswspace(c)) compact += c;
    EXPECT_NE(compact.find(L"IsMainMenu=False"), std::wstring::npos) << text;
    EXPECT_NE(compact.find(L":TTextItem"), std::wstring::npos) << text;

    TOwnedPtr<TComponent> back(Make<TForm>(nullptr));
    back->SetName(L"Root");
    ReadLayoutText(back.get(), text, L"test");
    auto* read = dynamic_cast<TOrvPolyMenu*>(back->FindComponent(L"Menu1"));
    ASSERT_NE(read, nullptr);
    EXPECT_FALSE(read->GetIsMainMenu());
    ASSERT_EQ(read->ItemCount(), 2);
    EXPECT_EQ(static_cast<TTextItem*>(read->Items(1))->GetCaption(), L"Second");
    EXPECT_EQ(read->Items(1)->GetIndex(), 1);
    EXPECT_EQ(read->Items(1)->GetY(), 38) << "laid out after loading";
}

TEST(ItemsContainerRegression, PaintingNeverSetsOffTheChangePass) {
    auto list = MakeList(120, 80, 2);
    int changes = 0;
    list->OnChange = [&](TObject*) { ++changes; };
    list->Fill().SetBorderWidth(3);
    changes = 0;
    TBitmap bmp(120, 80);
    for (TListBorderMode mode : {bmTransition, bmNormal}) {
        list->SetBorderMode(mode);
        list->SetBorderStyle(mode == bmNormal ? bsSingle : bsNone);
        changes = 0;
        TGPGraphics g(bmp.Canvas().Handle());
        list->Draw(g);
        EXPECT_EQ(changes, 0);
        EXPECT_EQ(list->Fill().GetBorderWidth(), 3) << "the border width comes back";
    }
}

TEST(ItemsContainer, ASingleBorderIsSunkenOnlyWithCtl3D) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    auto* list = new TOrvPolyList(form.get());
    list->SetParent(form.get());
    list->SetBorderStyle(bsSingle);
    auto styles = [&] {
        return std::pair{GetWindowLongPtrW(list->Handle(), GWL_STYLE) & WS_BORDER,
                         GetWindowLongPtrW(list->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE};
    };
    EXPECT_TRUE(list->GetCtl3D()) << "on by default";
    EXPECT_EQ(styles(), (std::pair<LONG_PTR, LONG_PTR>{0, WS_EX_CLIENTEDGE})) << "a sunken client edge";
    list->SetCtl3D(false);
    EXPECT_EQ(styles(), (std::pair<LONG_PTR, LONG_PTR>{WS_BORDER, 0})) << "a plain line, the window made again";
    list->SetBorderStyle(bsNone);
    EXPECT_EQ(styles(), (std::pair<LONG_PTR, LONG_PTR>{0, 0}));
}
