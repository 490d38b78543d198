#include <gtest/gtest.h>

#include "TestImages.h"
#include "TestSupport.h"
#include "framework/LayoutReader.h"
#include "paint/GDIPPictureContainer.h"

using namespace orv;

namespace {
std::wstring Hex(const std::vector<uint8_t>& bytes) {
    static const wchar_t* kDigits = L"0123456789ABCDEF";
    std::wstring s;
    for (uint8_t b : bytes) {
        s += kDigits[b >> 4];
        s += kDigits[b & 15];
    }
    return s;
}
}  // namespace

TEST(PictureLayout, AContainerReadFromALayoutFindsItsPicturesAndWritesThemBack) {
    TOwnedPtr<TGDIPPictureContainer> container(new TGDIPPictureContainer(nullptr));
    std::wstring text =
        L"object GDIPPictureContainer1: TGDIPPictureContainer\n  Items = <\n    item\n"
        L"      Picture.Data = {" +
        Hex(orvtest::kPngBytes) +
        L"}\n      Name = 'save.png'\n    end\n"
        L"    item\n      Picture.Data = resource('placeholder')\n      Name = 'Minutes.png'\n"
        L"      Tag = 7\n    end\n    item\n      Name = 'empty'\n    end>\nend\n";
    ReadLayoutText(container.get(), text, L"Pictures");
    ASSERT_EQ(container->GetItems().Count(), 3);
    TOrvGDIPPicture* save = container->FindPicture(L"SAVE.PNG");
    ASSERT_NE(save, nullptr);
    EXPECT_FALSE(save->Empty());
    EXPECT_EQ(save->GetData(), orvtest::kPngBytes);
    EXPECT_GT(save->Width(), 0);
    TOrvGDIPPicture* embedded = container->FindPicture(L"minutes.png");
    ASSERT_NE(embedded, nullptr);
    EXPECT_FALSE(embedded->Empty()) << "bytes of a resource named in the layout";
    EXPECT_EQ(container->GetItems().Items(1)->GetTag(), 7);
    EXPECT_TRUE(container->FindPicture(L"empty")->Empty());

    // Written back, the bytes travel inline and read back the same; an empty picture
    // writes no data at all.
    std::wstring written = WriteComponentLayout(container.get());
    EXPECT_EQ(written.find(L"Name = 'empty'\n      Picture"), std::wstring::npos);
    TOwnedPtr<TGDIPPictureContainer> again(new TGDIPPictureContainer(nullptr));
    ReadLayoutText(again.get(), written, L"Written");
    EXPECT_EQ(again->FindPicture(L"save.png")->GetData(), orvtest::kPngBytes);
    EXPECT_EQ(again->FindPicture(L"Minutes.png")->GetData(), embedded->GetData());
}

TEST(PictureLayout, AStoredPictureWhoseOffsetRunsPastItsDataReadsAsNothing) {
    // A BMP whose pixel offset (the 32-bit value at byte 10) points far beyond its 102 bytes:
    // reading the layout sizes the picture, which decodes it.
    std::vector<uint8_t> bmp = orvtest::kBmpBytes;
    bmp[10] = 0xF0;
    bmp[11] = bmp[12] = 0xFF;
    bmp[13] = 0x7F;
    TOwnedPtr<TGDIPPictureContainer> container(new TGDIPPictureContainer(nullptr));
    ReadLayoutText(container.get(),
                   L"object GDIPPictureContainer1: TGDIPPictureContainer\n  Items = <\n    item\n"
                   L"      Picture.Data = {" +
                       Hex(bmp) + L"}\n      Name = 'crafted.bmp'\n    end>\nend\n",
                   L"Crafted");
    TOrvGDIPPicture* picture = container->FindPicture(L"crafted.bmp");
    ASSERT_NE(picture, nullptr);
    EXPECT_FALSE(picture->Empty());
    EXPECT_EQ(picture->Width(), 0);
    EXPECT_EQ(picture->Height(), 0);
    EXPECT_EQ(picture->GetData(), bmp) << "the bytes are kept and written back as they came";
}
