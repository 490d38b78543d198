#include <gtest/gtest.h>

#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "framework/LayoutReader.h"
#include "framework/SysUtils.h"
#include "menus/OrvMenus.h"
#include "paint/OrvColors.h"

using namespace orv;
using namespace orv::menus;

namespace {

// A root for the menu layouts: any component owns what a layout creates.
class TMenuHost : public TComponent {
public:
    ORV_CLASS_NAME(TMenuHost)
    using TComponent::TComponent;
    int Opened = 0;
    void OpenClick(TObject*) { ++Opened; }
};

const wchar_t* const kLayout =
    LR"(object Host: TMenuHost
  object OrvMenuStyler1: TOrvMenuStyler
    AntiAlias = aaAntiAlias
    MenuBorderColor = $00102030
    SelectedItem.Color = clRed
    SideBar.Visible = True
    Font.Name = 'Segoe UI'
  end
  object OrvPopupMenu1: TOrvPopupMenu
    MenuStyler = OrvMenuStyler1
    ShowNotes = False
    object Open1: TMenuItem
      Caption = '&Open'
      ShortCut = 16463
      OnClick = OpenClick
    end
    object Recent1: TMenuItem
      Caption = 'Recent'
      object First1: TMenuItem
        Caption = 'First'
        Checked = True
      end
    end
  end
end
)";

}  // namespace

TEST(MenuLayout, StylersMenusAndItemsAreReadAndWrittenBack) {
    TClassBuilder<TMenuHost>(L"TMenuHost", L"TComponent").Method(L"OpenClick", &TMenuHost::OpenClick);
    TOwnedPtr<TMenuHost> host(new TMenuHost(nullptr));
    ReadLayoutText(host.get(), kLayout, L"Menus");
    auto* styler = dynamic_cast<TOrvMenuStyler*>(host->FindComponent(L"OrvMenuStyler1"));
    auto* menu = dynamic_cast<TOrvPopupMenu*>(host->FindComponent(L"OrvPopupMenu1"));
    ASSERT_NE(styler, nullptr);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(styler->GetAntiAlias(), aaAntiAlias);
    EXPECT_EQ(styler->GetMenuBorderColor(), 0x00102030);
    EXPECT_EQ(styler->SelectedItem().GetColor(), clRed);
    EXPECT_EQ(styler->Font().GetName(), L"Segoe UI");
    EXPECT_EQ(menu->GetMenuStyler(), styler);
    EXPECT_FALSE(menu->GetShowNotes());
    ASSERT_EQ(menu->Items()->Count(), 2) << "items are children of the menu's root item, in stored order";
    EXPECT_EQ(menu->Items()->Items(0)->GetCaption(), L"&Open");
    EXPECT_EQ(menu->Items()->Items(0)->GetShortCut(), 16463);
    ASSERT_EQ(menu->Items()->Items(1)->Count(), 1);
    EXPECT_TRUE(menu->Items()->Items(1)->Items(0)->GetChecked());
    menu->Items()->Items(0)->Click();
    EXPECT_EQ(host->Opened, 1);

    std::wstring written = WriteComponentLayout(host.get());
    TOwnedPtr<TMenuHost> again(new TMenuHost(nullptr));
    ReadLayoutText(again.get(), written, L"Written");
    EXPECT_EQ(WriteComponentLayout(again.get()), written);
    auto* menu2 = dynamic_cast<TOrvPopupMenu*>(again->FindComponent(L"OrvPopupMenu1"));
    ASSERT_NE(menu2, nullptr);
    EXPECT_EQ(menu2->GetMenuStyler(), again->FindComponent(L"OrvMenuStyler1"));
    ASSERT_EQ(menu2->Items()->Count(), 2);
    EXPECT_EQ(menu2->Items()->Items(1)->Items(0)->GetCaption(), L"First");
}

TEST(MenuLayout, ItemsAreWrittenInMenuOrderNotCreationOrder) {
    TClassBuilder<TMenuHost>(L"TMenuHost", L"TComponent").Method(L"OpenClick", &TMenuHost::OpenClick);
    TOwnedPtr<TMenuHost> host(new TMenuHost(nullptr));
    ReadLayoutText(host.get(), kLayout, L"Menus");
    auto* menu = dynamic_cast<TOrvPopupMenu*>(host->FindComponent(L"OrvPopupMenu1"));
    ASSERT_NE(menu, nullptr);
    auto* first = new TMenuItem(host.get());
    first->SetName(L"New1");
    first->SetCaption(L"New");
    menu->Items()->Insert(0, first);
    auto* recent = menu->Items()->Items(2);
    auto* zeroth = new TMenuItem(host.get());
    zeroth->SetName(L"Zeroth1");
    zeroth->SetCaption(L"Zeroth");
    recent->Insert(0, zeroth);

    std::wstring written = WriteComponentLayout(host.get());
    TOwnedPtr<TMenuHost> again(new TMenuHost(nullptr));
    ReadLayoutText(again.get(), written, L"Written");
    auto* menu2 = dynamic_cast<TOrvPopupMenu*>(again->FindComponent(L"OrvPopupMenu1"));
    ASSERT_NE(menu2, nullptr);
    ASSERT_EQ(menu2->Items()->Count(), 3) << ToUtf8(written);
    EXPECT_EQ(menu2->Items()->Items(0)->GetName(), L"New1");
    EXPECT_EQ(menu2->Items()->Items(1)->GetName(), L"Open1");
    EXPECT_EQ(menu2->Items()->Items(2)->GetName(), L"Recent1");
    ASSERT_EQ(menu2->Items()->Items(2)->Count(), 2);
    EXPECT_EQ(menu2->Items()->Items(2)->Items(0)->GetName(), L"Zeroth1");
    EXPECT_EQ(menu2->Items()->Items(2)->Items(1)->GetName(), L"First1");
}

TEST(MenuLayout, TheSelectedItemsCheckAndRadioDirectionsAreStored) {
    TClassBuilder<TMenuHost>(L"TMenuHost", L"TComponent").Method(L"OpenClick", &TMenuHost::OpenClick);
    TOwnedPtr<TMenuHost> host(new TMenuHost(nullptr));
    ReadLayoutText(host.get(),
                   LR"(object Host: TMenuHost
  object OrvMenuStyler1: TOrvMenuStyler
    SelectedItem.CheckGradientDirection = gdHorizontal
    SelectedItem.RadioGradientDirection = gdHorizontal
  end
end
)",
                   L"Directions");
    auto* styler = dynamic_cast<TOrvMenuStyler*>(host->FindComponent(L"OrvMenuStyler1"));
    ASSERT_NE(styler, nullptr);
    EXPECT_EQ(styler->SelectedItem().GetCheckGradientDirection(), gdHorizontal);
    EXPECT_EQ(styler->SelectedItem().GetRadioGradientDirection(), gdHorizontal);
    styler->SelectedItem().SetRadioGradientDirection(gdVertical);
    std::wstring written = WriteComponentLayout(host.get());
    EXPECT_NE(written.find(L"SelectedItem.CheckGradientDirection = gdHorizontal"), std::wstring::npos)
        << ToUtf8(written);
    EXPECT_EQ(written.find(L"RadioGradientDirection"), std::wstring::npos) << "the initial value is not written";
}

TEST(MenuLayout, TheStylersPicturesTravelWithTheLayout) {
    TClassBuilder<TMenuHost>(L"TMenuHost", L"TComponent").Method(L"OpenClick", &TMenuHost::OpenClick);
    TOwnedPtr<TMenuHost> host(new TMenuHost(nullptr));
    host->SetName(L"Host");
    auto* styler = new TOrvMenuStyler(host.get());
    styler->SetName(L"OrvMenuStyler1");
    // Three small pictures with known pixels.
    TBitmap background(3, 2);
    background.Canvas().Brush().SetColor(RGBColor(10, 20, 30));
    background.Canvas().FillRect({0, 0, 3, 2});
    background.Canvas().SetPixel(2, 1, RGBColor(200, 0, 0));
    background.SetTransparent(true);
    styler->Background().SetImage(background);
    styler->Background().SetPosition(bpTiled);
    TBitmap check(5, 4);
    check.Canvas().Brush().SetColor(clWhite);
    check.Canvas().FillRect({0, 0, 5, 4});
    check.Canvas().SetPixel(1, 2, clBlack);
    check.SetTransparentColor(clWhite);
    check.SetTransparent(true);
    styler->Glyphs().Check().Assign(&check);
    TBitmap side(2, 6);
    side.Canvas().Brush().SetColor(RGBColor(0, 90, 0));
    side.Canvas().FillRect({0, 0, 2, 6});
    styler->SideBar().Image().SetImage(side);
    styler->SideBar().Image().Image().SetTransparentColor(RGBColor(0, 90, 0));

    std::wstring written = WriteComponentLayout(host.get());
    EXPECT_EQ(written.find(L"Glyphs.SubMenu"), std::wstring::npos) << "unchanged glyphs are not written";
    TOwnedPtr<TMenuHost> again(new TMenuHost(nullptr));
    ReadLayoutText(again.get(), written, L"Pictures");
    auto* read = dynamic_cast<TOrvMenuStyler*>(again->FindComponent(L"OrvMenuStyler1"));
    ASSERT_NE(read, nullptr);
    TBitmap& image = read->Background().Image();
    ASSERT_EQ(image.Width(), 3);
    ASSERT_EQ(image.Height(), 2);
    EXPECT_EQ(image.PixelColor(0, 0), RGBColor(10, 20, 30));
    EXPECT_EQ(image.PixelColor(2, 1), RGBColor(200, 0, 0));
    EXPECT_TRUE(image.GetTransparent());
    EXPECT_EQ(read->Background().GetPosition(), bpTiled);
    TBitmap& glyph = read->Glyphs().Check();
    ASSERT_EQ(glyph.Width(), 5);
    ASSERT_EQ(glyph.Height(), 4);
    EXPECT_EQ(glyph.PixelColor(1, 2), clBlack);
    EXPECT_EQ(glyph.PixelColor(3, 3), clWhite);
    EXPECT_TRUE(glyph.GetTransparent());
    EXPECT_EQ(glyph.GetTransparentColor(), clWhite);
    EXPECT_EQ(read->Glyphs().SubMenu().Width(), 4) << "the resource glyph stays";
    TBitmap& sideImage = read->SideBar().Image().Image();
    ASSERT_EQ(sideImage.Height(), 6);
    EXPECT_EQ(sideImage.PixelColor(1, 5), RGBColor(0, 90, 0));
    EXPECT_EQ(sideImage.GetTransparentColor(), RGBColor(0, 90, 0));
    EXPECT_EQ(WriteComponentLayout(again.get()), written);
}

TEST(MenuLayout, LoadedHooksTheItemsReadWithTheMenu) {
    TClassBuilder<TMenuHost>(L"TMenuHost", L"TComponent").Method(L"OpenClick", &TMenuHost::OpenClick);
    TOwnedPtr<TMenuHost> host(new TMenuHost(nullptr));
    ReadLayoutText(host.get(), kLayout, L"Menus");
    auto* menu = dynamic_cast<TOrvPopupMenu*>(host->FindComponent(L"OrvPopupMenu1"));
    ASSERT_NE(menu, nullptr);
    for (const wchar_t* name : {L"Open1", L"Recent1", L"First1"}) {
        auto* item = dynamic_cast<TMenuItem*>(host->FindComponent(name));
        ASSERT_NE(item, nullptr) << ToUtf8(name);
        EXPECT_TRUE(static_cast<bool>(item->OnMeasureItem)) << ToUtf8(name);
        EXPECT_TRUE(static_cast<bool>(item->OnAdvancedDrawItem)) << ToUtf8(name);
    }
}
