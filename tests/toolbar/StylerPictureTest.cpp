// The toolbar styler's pictures in stored layouts.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "framework/ClassRegistry.h"
#include "framework/LayoutReader.h"
#include "paint/OrvColors.h"
#include "toolbar/OrvToolBarStylers.h"

using namespace orv;

namespace {

class TPictureHost : public TComponent {
public:
    ORV_CLASS_NAME(TPictureHost)
    using TComponent::TComponent;
};

// A width x height picture in colour with one pixel in mark at (1, 0).
void Paint(TBitmap& bitmap, int width, int height, TColor color, TColor mark) {
    bitmap.SetSize(width, height);
    bitmap.Canvas().Brush().SetColor(color);
    bitmap.Canvas().FillRect({0, 0, width, height});
    bitmap.Canvas().SetPixel(1, 0, mark);
}

}  // namespace

TEST(StylerLayout, BackgroundDragGripAndRightHandlePicturesAreStored) {
    TClassBuilder<TPictureHost>(L"TPictureHost", L"TComponent");
    TOwnedPtr<TPictureHost> host(new TPictureHost(nullptr));
    host->SetName(L"Host");
    auto* styler = Make<TOrvToolBarOfficeStyler>(host.get());
    styler->SetName(L"Styler1");
    TBitmap picture;
    Paint(picture, 8, 6, RGBColor(1, 2, 3), RGBColor(250, 0, 0));
    styler->SetBackGround(picture);
    Paint(picture, 3, 9, RGBColor(4, 5, 6), RGBColor(0, 250, 0));
    styler->SetDragGripImage(picture);
    Paint(picture, 7, 12, RGBColor(7, 8, 9), RGBColor(0, 0, 250));
    picture.SetTransparent(true);
    styler->SetRightHandleImage(picture);

    std::wstring written = WriteComponentLayout(host.get());
    TOwnedPtr<TPictureHost> again(new TPictureHost(nullptr));
    ReadLayoutText(again.get(), written, L"Pictures");
    auto* read = dynamic_cast<TOrvToolBarOfficeStyler*>(again->FindComponent(L"Styler1"));
    ASSERT_NE(read, nullptr) << ToUtf8(written);
    struct TExpected {
        TBitmap& Bitmap;
        int Width, Height;
        TColor Color, Mark;
        bool Transparent;
    };
    for (const TExpected& e :
         {TExpected{read->BackGround(), 8, 6, RGBColor(1, 2, 3), RGBColor(250, 0, 0), false},
          TExpected{read->DragGripImage(), 3, 9, RGBColor(4, 5, 6), RGBColor(0, 250, 0), false},
          TExpected{read->RightHandleImage(), 7, 12, RGBColor(7, 8, 9), RGBColor(0, 0, 250), true}}) {
        ASSERT_EQ(e.Bitmap.Width(), e.Width);
        ASSERT_EQ(e.Bitmap.Height(), e.Height);
        EXPECT_EQ(e.Bitmap.PixelColor(0, e.Height - 1), e.Color);
        EXPECT_EQ(e.Bitmap.PixelColor(1, 0), e.Mark);
        EXPECT_EQ(e.Bitmap.GetTransparent(), e.Transparent);
    }
    EXPECT_EQ(WriteComponentLayout(again.get()), written);

    // A styler without pictures writes none.
    TOwnedPtr<TPictureHost> plain(new TPictureHost(nullptr));
    plain->SetName(L"Host");
    Make<TOrvToolBarOfficeStyler>(plain.get())->SetName(L"Styler1");
    std::wstring none = WriteComponentLayout(plain.get());
    EXPECT_EQ(none.find(L"BackGround.Data"), std::wstring::npos) << ToUtf8(none);
    EXPECT_EQ(none.find(L"Image.Data"), std::wstring::npos) << ToUtf8(none);
}
