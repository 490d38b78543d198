// The styler base: records, linked controls, change codes, style broadcast, destruction
// and the theme notifier.
#include <gtest/gtest.h>
#include <windows.h>

#include "StylerTestSupport.h"
#include "TestSupport.h"
#include "framework/Forms.h"
#include "framework/SysUtils.h"
#include "menus/OrvMenus.h"

using namespace orv;
using orvtest::TFakeStyledControl;

namespace {

struct TFreshLook {
    // Each test starts with the process-wide flags as a fresh process has them.
    TFreshLook() { Office2010Look = false; }
    ~TFreshLook() { Office2010Look = false; }
};

}  // namespace

TEST(ToolBarRecords, ConstructorValuesAndAssignContracts) {
    TQATAppearance qat;
    EXPECT_EQ(qat.GetFullSizeBorderColor(), 0);
    EXPECT_EQ(qat.GetFullSizeColor(), 0xC59F81);
    EXPECT_EQ(qat.GetFullSizeColorTo(), 0xE3B28D);

    // Gradient backgrounds report every setter call, even an unchanged value, and copy silently.
    TGradientBackground a, b;
    int changes = 0;
    a.OnChange = [&changes](TObject*) { ++changes; };
    a.SetColor(a.GetColor());
    EXPECT_EQ(changes, 1);
    b.SetColor(0x123456);
    b.SetSteps(16);
    a.Assign(&b);
    EXPECT_EQ(changes, 1) << "Assign raises nothing";
    EXPECT_EQ(a.GetColor(), 0x123456);
    EXPECT_EQ(a.GetSteps(), 16);

    // Caption bars: the first six copy silently, the hot text and border through setters.
    TCaptionAppearance c1, c2;
    int captionChanges = 0;
    c1.OnChange = [&captionChanges](TObject*) { ++captionChanges; };
    c2.SetCaptionColor(0x010203);
    c1.Assign(&c2);
    EXPECT_EQ(captionChanges, 0);
    EXPECT_EQ(c1.GetCaptionColor(), 0x010203);
    c2.SetCaptionBorderColorHot(0x040506);
    c1.Assign(&c2);
    EXPECT_EQ(captionChanges, 1);

    // A mirror change is the vista background's change; its tab's strip likewise.
    TVistaGradientBackground vista;
    int vistaChanges = 0;
    vista.OnChange = [&vistaChanges](TObject*) { ++vistaChanges; };
    vista.Mirror().SetColorMirror(0x111111);
    EXPECT_EQ(vistaChanges, 1);
    TTabAppearance tab;
    int tabChanges = 0;
    tab.OnChange = [&tabChanges](TObject*) { ++tabChanges; };
    tab.BackGround().SetColor(0x222222);
    tab.SetShadowColor(0x333333);  // a plain field
    EXPECT_EQ(tabChanges, 1);

    // Button appearance: colours and GradientDirection copy; the state directions stay.
    TButtonAppearance b1, b2;
    b2.SetColorHot(0x0A0B0C);
    b2.SetGradientDirection(gdHorizontal);
    b2.SetGradientDirectionHot(gdHorizontal);
    b1.Assign(&b2);
    EXPECT_EQ(b1.GetColorHot(), 0x0A0B0C);
    EXPECT_EQ(b1.GetGradientDirection(), gdHorizontal);
    EXPECT_EQ(b1.GetGradientDirectionHot(), gdVertical);
}

TEST(ToolBarStyler, ConstructedValues) {
    TOwnedPtr<TOrvToolBarOfficeStyler> s(Make<TOrvToolBarOfficeStyler>(nullptr));
    EXPECT_EQ(s->GetStyle(), bsCustom);
    EXPECT_EQ(s->GetZemStyle(), tsOffice2003Blue);
    EXPECT_EQ(s->GetRightHandleColor(), 0x9E9E9E);
    EXPECT_EQ(s->GetRightHandleColorDown(), 0x76C1FF);
    EXPECT_EQ(s->GetFloatingWindowBorderWidth(), 2);
    EXPECT_EQ(s->ColorHot().GetColor(), clNone);
    EXPECT_EQ(s->Font().GetName(), std::wstring(SystemFontName()));
    EXPECT_EQ(s->CaptionFont().GetName(), std::wstring(SystemFontName()));
    ASSERT_NE(s->InternalOrvMenuStyler(), nullptr);
    EXPECT_EQ(s->InternalOrvMenuStyler()->GetName(), L"InternalMenuStyler");
    EXPECT_EQ(s->CurrentOrvMenuStyler(), s->InternalOrvMenuStyler());
    EXPECT_EQ(s->NotifierWindow(), nullptr) << "no window without a windowed owner";
    EXPECT_THROW(s->Controls(0), EInvalidOperation);
}

TEST(ToolBarStyler, ChangeCodesReachLinkedControls) {
    TOwnedPtr<TOrvToolBarOfficeStyler> s(Make<TOrvToolBarOfficeStyler>(nullptr));
    TOwnedPtr<TFakeStyledControl> c(new TFakeStyledControl());
    c->Link(s.get());
    s->AddControl(c.get());
    EXPECT_EQ(s->ControlCount(), 1) << "a listed control is not added twice";

    struct TCase {
        const char* What;
        std::function<void()> Change;
        int Code;
    };
    TFont font;
    font.SetName(L"Courier New");
    TBitmap picture(4, 4);
    TOwnedPtr<TOrvMenuStyler> menuStyler(new TOrvMenuStyler(nullptr));
    const TCase cases[] = {
        {"BorderColor", [&] { s->SetBorderColor(0x123456); }, scStyle},
        {"RightHandleColorHotTo", [&] { s->SetRightHandleColorHotTo(0x10); }, scStyle},
        {"RoundEdges", [&] { s->SetRoundEdges(false); }, scStyle},
        {"Color record setter", [&] { s->Color().SetColor(0x445566); }, scStyle},
        {"CaptionAppearance", [&] { s->CaptionAppearance().SetCaptionColor(0x1); }, scStyle},
        {"DockColor", [&] { s->DockColor().SetSteps(32); }, scStyle},
        {"BackGroundDisplay", [&] { s->SetBackGroundDisplay(bdStretch); }, scBackGround},
        {"BackGround assigned", [&] { s->SetBackGround(picture); }, scBackGround},
        {"Font assigned", [&] { s->SetFont(font); }, scBackGround},
        {"ContainerAppearance", [&] { s->ContainerAppearance().SetLine3D(false); }, scContainer},
        {"DragGripStyle", [&] { s->SetDragGripStyle(dsFlatDots); }, scDragGrip},
        {"OrvMenuStyler", [&] { s->SetOrvMenuStyler(menuStyler.get()); }, scMenuStyler},
        {"GlowButtonAppearance", [&] { s->GlowButtonAppearance().SetColorHot(0x2); }, scGlowButton},
        {"CompactGlowButtonAppearance", [&] { s->CompactGlowButtonAppearance().SetColor(0x3); }, scGlowButton},
        {"TabAppearance", [&] { s->TabAppearance().SetColorHot(0x4); }, scPagerAppearance},
        {"PageAppearance", [&] { s->PageAppearance().SetColor(0x5); }, scPagerAppearance},
        {"GroupAppearance nested", [&] { s->GroupAppearance().TabAppearance().SetColor(0x6); }, scPagerAppearance},
        {"PagerCaption", [&] { s->PagerCaption().SetTextColor(0x7); }, scPagerCaption},
        {"SysButtonColor", [&] { s->SetSysButtonColor(0x8); }, scPagerCaption},
        {"QATAppearance", [&] { s->QATAppearance().SetFullSizeColor(0x9); }, scQAT},
    };
    for (const TCase& k : cases) {
        c->Codes.clear();
        k.Change();
        EXPECT_EQ(c->Codes, std::vector<int>{k.Code}) << k.What;
    }

    // Unchanged values and record assignments that copy silently send nothing.
    c->Codes.clear();
    s->SetBorderColor(0x123456);
    s->SetDragGripStyle(dsFlatDots);
    TVistaGradientBackground other;
    other.SetColor(0x777777);
    s->SetColor(other);
    EXPECT_TRUE(c->Codes.empty());
    EXPECT_EQ(s->Color().GetColor(), 0x777777) << "the record setter copies into the owned record";

    // The menu styler going away brings the internal one back.
    c->Codes.clear();
    menuStyler.reset();
    EXPECT_EQ(s->GetOrvMenuStyler(), nullptr);
    EXPECT_EQ(s->CurrentOrvMenuStyler(), s->InternalOrvMenuStyler());
    EXPECT_EQ(c->Codes, std::vector<int>{scMenuStyler});

    // A freed control leaves the list; later broadcasts do not reach it.
    TOwnedPtr<TFakeStyledControl> gone(new TFakeStyledControl());
    gone->Link(s.get());
    EXPECT_EQ(s->ControlCount(), 2);
    gone.reset();
    EXPECT_EQ(s->ControlCount(), 1);
    EXPECT_EQ(s->Controls(0), c.get());
    s->UpdateStyle();
    EXPECT_EQ(c->Codes.back(), scStyle);
}

// Following the system font again is not announced: neither the Font code (1) nor
// the CaptionFont code (2) reaches a linked control, though both fonts change.
TEST(ToolBarStyler, SystemFontSendsNoChangeCode) {
    TOwnedPtr<TOrvToolBarOfficeStyler> s(Make<TOrvToolBarOfficeStyler>(nullptr));
    TOwnedPtr<TFakeStyledControl> c(new TFakeStyledControl());
    c->Link(s.get());
    s->SetSystemFont(false);
    s->Font().SetName(L"Courier New");
    s->CaptionFont().SetName(L"Courier New");
    ASSERT_EQ(c->Codes, (std::vector<int>{scBackGround, scStyle})) << "the fonts themselves do report";

    c->Codes.clear();
    s->SetSystemFont(true);
    EXPECT_TRUE(c->Codes.empty()) << "codes sent: " << c->Codes.size();
    for (TFont* font : {&s->Font(), &s->CaptionFont()}) {
        std::wstring name = font->GetName();
        EXPECT_TRUE(name == L"Segoe UI" || name == L"Tahoma") << ToUtf8(name);
    }
    // The fonts still report their own later changes.
    s->Font().SetName(L"Arial");
    EXPECT_EQ(c->Codes, std::vector<int>{scBackGround});
}

TEST(ToolBarStyler, DestroyingDetachesEveryLinkedControl) {
    TOwnedPtr<TFakeStyledControl> a(new TFakeStyledControl()), b(new TFakeStyledControl()), c(new TFakeStyledControl());
    auto* s = Make<TOrvToolBarOfficeStyler>(nullptr);
    a->Link(s);
    b->Link(s);
    c->Link(s);
    s->Free();
    // Each control removes itself while being detached; none may be skipped.
    EXPECT_EQ(a->DetachCalls, 1);
    EXPECT_EQ(b->DetachCalls, 1);
    EXPECT_EQ(c->DetachCalls, 1);
    EXPECT_EQ(a->Styler, nullptr);
    EXPECT_EQ(b->Styler, nullptr);
    EXPECT_EQ(c->Styler, nullptr);
}

TEST(ToolBarStyler, StyleBroadcastToPagers) {
    TFreshLook fresh;
    TOwnedPtr<TOrvToolBarOfficeStyler> s(Make<TOrvToolBarOfficeStyler>(nullptr));
    TOwnedPtr<TFakeStyledControl> pager(new TFakeStyledControl());
    pager->Link(s.get());

    s->BroadcastStyle(tsOffice2010Silver);
    EXPECT_TRUE(Office2010Look);
    EXPECT_EQ(pager->LookChanges, 1);
    EXPECT_EQ(pager->Scenic, std::vector<bool>{true});
    EXPECT_EQ(pager->Refreshes, 1);
    EXPECT_EQ(s->GetNewZemStyle(), tsOffice2010Silver);

    s->BroadcastStyle(tsCustom);
    EXPECT_TRUE(Office2010Look) << "tsCustom keeps the look";
    EXPECT_EQ(pager->Scenic.size(), 1u) << "and the scenic mode";
    EXPECT_EQ(pager->Refreshes, 2) << "but still refreshes the pagers";

    s->BroadcastStyle(tsWindows7);
    EXPECT_FALSE(Office2010Look);
    EXPECT_EQ(pager->LookChanges, 2);
    EXPECT_EQ(pager->Scenic.back(), true);
    s->BroadcastStyle(tsOffice2007Luna);
    EXPECT_EQ(pager->LookChanges, 2) << "no change of the flag, no glass-change";
    EXPECT_EQ(pager->Scenic.back(), false);
}

TEST(ToolBarStyler, ThemeNotifierOnAForm) {
    EXPECT_EQ(ToolBarStyleForTheme(true, L"NormalColor"), bsOffice2003Blue);
    EXPECT_EQ(ToolBarStyleForTheme(true, L"homestead"), bsOffice2003Olive);
    EXPECT_EQ(ToolBarStyleForTheme(true, L"Metallic"), bsOffice2003Silver);
    EXPECT_EQ(ToolBarStyleForTheme(true, L"Royale"), bsOffice2003Classic);
    EXPECT_EQ(ToolBarStyleForTheme(false, L"NormalColor"), bsOffice2003Classic);

    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    auto* s = new TOrvToolBarOfficeStyler(form.get());
    s->AfterConstruction();
    ASSERT_NE(s->NotifierWindow(), nullptr);
    EXPECT_EQ(s->NotifierWindow()->Parent(), form.get());
    EXPECT_NO_THROW(form->HandleNeeded()) << "form";
    EXPECT_NO_THROW(s->NotifierWindow()->HandleNeeded()) << "notifier";
    form->Show();
    ASSERT_TRUE(s->NotifierWindow()->HandleAllocated());

    s->SetStyle(bsOffice2010Blue);
    SendMessageW(s->NotifierWindow()->Handle(), WM_THEMECHANGED, 0, 0);
    EXPECT_EQ(s->GetStyle(), bsOffice2010Blue) << "AutoThemeAdapt off: the style stays";
    s->SetAutoThemeAdapt(true);
    SendMessageW(s->NotifierWindow()->Handle(), WM_THEMECHANGED, 0, 0);
    EXPECT_EQ(s->GetStyle(), TOrvToolBarOfficeStyler::ThemeStyle());
    EXPECT_NE(s->GetStyle(), bsOffice2010Blue);

    // The form frees its child windows first, the notifier among them; the styler then
    // goes without touching it.
    form.reset();
}
