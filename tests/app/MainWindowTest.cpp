// The main window's own stored values that no component below it shows: its icon.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "TestSupport.h"
#include "app/Program.h"
#include "app/ZemForm3.h"
#include "framework/Units.h"
#include "framework/Bitmap.h"
#include "framework/ClassRegistry.h"
#include "framework/Icon.h"
#include "paint/OrvLook.h"
#include "toolbar/OrvStyleIF.h"
#include "toolbar/OrvQuickAccessToolBar.h"
#include "toolbar/OrvToolBarPager.h"

using namespace orv;

TEST(MainWindow, StoresTheProgramsIconAndItsWindowShowsIt) {
    orvtest::TScratchCurrentUser scratch;
    TShowMessageHook old = SetShowMessageHook([](const std::wstring&) {});
    TOwnedPtr<TZemForm3> form(Make<TZemForm3>(nullptr));
    SetShowMessageHook(old);

    const TPropInfo* iconProp = TClassRegistry::FindFor(form.get())->FindProp(L"Icon");
    ASSERT_NE(iconProp, nullptr) << "the form publishes Icon";
    auto* icon = dynamic_cast<TIcon*>(iconProp->GetNested(form.get()));
    ASSERT_NE(icon, nullptr);
    const std::vector<uint8_t>& data = icon->GetData();
    ASSERT_EQ(data.size(), 318u) << "the program's icon file, read from the layout";
    EXPECT_EQ(std::vector<uint8_t>(data.begin(), data.begin() + 6), (std::vector<uint8_t>{0, 0, 1, 0, 1, 0}))
        << "an icon file with one image";

    // The window shows it: the small icon at the small size, drawn like the program's
    // icon resource drawn at that size.
    int side = GetSystemMetrics(SM_CXSMICON);
    auto* shown = reinterpret_cast<HICON>(SendMessageW(form->Handle(), WM_GETICON, ICON_SMALL, 0));
    ASSERT_NE(shown, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(shown, &info));
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, side);
    DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    auto reference =
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, side, side, LR_DEFAULTCOLOR));
    ASSERT_NE(reference, nullptr);
    auto pixels = [side](HICON handle) {
        TBitmap target(side, side);
        target.Canvas().Brush().SetColor(clWhite);
        target.Canvas().FillRect(TRect{0, 0, side, side});
        DrawIconEx(target.Canvas().Handle(), 0, 0, handle, side, side, 0, nullptr, DI_NORMAL);
        std::vector<TColor> out;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) out.push_back(target.PixelColor(x, y));
        return out;
    };
    std::vector<TColor> expected = pixels(reference);
    EXPECT_EQ(pixels(shown), expected);
    DestroyIcon(reference);
    EXPECT_NE(std::count(expected.begin(), expected.end(), clWhite), side * side) << "the reference drew something";
    EXPECT_NE(SendMessageW(form->Handle(), WM_GETICON, ICON_BIG, 0), 0);
}

TEST(MainWindow, PublishesItsFieldsInDeclarationOrderWithTheQuickAccessToolBarInTheCaption) {
    orvtest::TScratchCurrentUser scratch;
    TShowMessageHook old = SetShowMessageHook([](const std::wstring&) {});
    TOwnedPtr<TZemForm3> form(Make<TZemForm3>(nullptr));
    SetShowMessageHook(old);

    std::vector<std::wstring> names;
    for (const TFieldInfo* field : TClassRegistry::FindFor(form.get())->AllFields()) names.push_back(field->Name);
    const std::vector<std::wstring> expected{L"OrvToolBarPager1",
                                             L"OrvPage1",
                                             L"OrvToolBarOfficeStyler1",
                                             L"OrvToolBar1",
                                             L"OrvPreviewMenu1",
                                             L"OrvPreviewMenuOfficeStyler1",
                                             L"OrvOfficeStatusBar1",
                                             L"OrvOfficeStatusBarOfficeStyler1",
                                             L"OrvQuickAccessToolBar1",
                                             L"OrvShapeButton1",
                                             L"ZemFrame2",
                                             L"OrvGlowButton1"};
    EXPECT_EQ(names, expected);

    TOrvQuickAccessToolBar* qat = form->OrvQuickAccessToolBar1;
    ASSERT_NE(qat, nullptr) << "bound from the layout";
    EXPECT_EQ(TClassRegistry::FindFor(qat)->Name, L"TOrvQuickAccessToolBar");
    EXPECT_EQ(qat->Parent(), form->OrvToolBarPager1);
    EXPECT_EQ(form->OrvToolBarPager1->QuickAccessToolBar(), qat);
    const TPropInfo* customize = TClassRegistry::FindFor(qat)->FindProp(L"ShowCustomizeOption");
    ASSERT_NE(customize, nullptr);
    EXPECT_EQ(customize->GetInt(qat), 0) << "without the customize option";
    EXPECT_FALSE(qat->GetFullSize()) << "in the caption";
    EXPECT_EQ(qat->Width(), 60) << "empty: the minimum width";
    EXPECT_EQ(qat->Height(), 25);
    EXPECT_EQ(qat->Top() + qat->Height(), form->OrvToolBarPager1->Caption().GetHeight());
    EXPECT_TRUE(qat->ControlList().Empty());
}

// The program's icon on the strip in the caption: the application's own icon, drawn at
// the icon button's place, not the system's default application icon.
TEST(MainWindow, TheQuickAccessToolBarShowsTheProgramsIconInTheCaption) {
    struct TFlags {
        bool Scenic = ScenicRibbonMode, Office = Office2010Look;
        ~TFlags() {
            ScenicRibbonMode = Scenic;
            Office2010Look = Office;
        }
    } restore;
    orvtest::TScratchCurrentUser scratch;
    TShowMessageHook old = SetShowMessageHook([](const std::wstring&) {});
    // Made as the program makes it: the application's first form, its main window.
    TBitmap shown(16, 16);
    TRect iconBounds;
    bool iconVisible = false, scenic = false;
    RunProgram([&] {
        TZemForm3* form = Application->CreateForm<TZemForm3>();
        form->Show();
        SetForegroundWindow(form->Handle());
        orvtest::PumpFor(200);
        scenic = ScenicRibbonMode;
        if (TAppIconGlowButton* icon = form->OrvQuickAccessToolBar1->AppIcon()) {
            iconVisible = icon->GetVisible();
            iconBounds = icon->BoundsRect();
            const TPoint at = icon->ClientToScreen({0, 0});
            HDC screen = GetDC(nullptr);
            BitBlt(shown.Canvas().Handle(), 0, 0, 16, 16, screen, at.X, at.Y, SRCCOPY);
            ReleaseDC(nullptr, screen);
        }
        PostMessageW(form->Handle(), WM_CLOSE, 0, 0);
    });
    SetShowMessageHook(old);
    InitializeUnits();  // the remaining tests run on a started library again
    ASSERT_TRUE(scenic) << "the Office 2010 style shows the icon";
    ASSERT_TRUE(iconVisible);
    EXPECT_EQ(iconBounds, Bounds(0, 5, 16, 16));

    // The program's icon drawn at 16 x 16: a blue field with a white letter. The button
    // draws its bitmap picture with the bottom-left colour as key, so the field lets the
    // caption through and the letter shows.
    auto reference =
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    ASSERT_NE(reference, nullptr);
    TBitmap drawn(16, 16);
    drawn.Canvas().Brush().SetColor(clWhite);
    drawn.Canvas().FillRect(TRect{0, 0, 16, 16});
    DrawIconEx(drawn.Canvas().Handle(), 0, 0, reference, 16, 16, 0, nullptr, DI_NORMAL);
    DestroyIcon(reference);
    const TColor key = drawn.PixelColor(0, 15);
    auto channelsAtLeast = [](TColor c, int least) {
        return (c & 0xFF) >= least && ((c >> 8) & 0xFF) >= least && ((c >> 16) & 0xFF) >= least;
    };

    int letter = 0, letterShown = 0, field = 0, fieldWhite = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            if (drawn.PixelColor(x, y) == key) {
                ++field;
                fieldWhite += channelsAtLeast(shown.PixelColor(x, y), 250) ? 1 : 0;
            } else if (channelsAtLeast(drawn.PixelColor(x, y), 240)) {
                ++letter;
                letterShown += channelsAtLeast(shown.PixelColor(x, y), 230) ? 1 : 0;
            }
        }
    ASSERT_GT(field, 128) << "the program's icon is mostly its field";
    ASSERT_GT(letter, 10) << "and a white letter";
    EXPECT_GE(letterShown, letter * 3 / 4) << "the letter shows (" << letterShown << " of " << letter << ")";
    EXPECT_LE(fieldWhite, field / 4) << "the field lets the caption through, no white default icon (" << fieldWhite
                                     << " of " << field << " white)";
}
