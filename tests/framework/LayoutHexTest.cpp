// Binary data kept as layout text until first used: the bytes, the places of later values,
// the faults of bad digits, and pictures read that way against pictures given their bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "../paint/TestImages.h"
#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "framework/LayoutReader.h"
#include "framework/Streams.h"
#include "framework/SysUtils.h"
#include "paint/GDIPPicture.h"
#include "paint/GDIPPictureContainer.h"
#include "paint/PaintClasses.h"

using namespace orv;

namespace {

// The digits of bytes, perLine bytes a line, each line after a line break and indent.
std::wstring HexLines(const std::vector<uint8_t>& bytes, size_t perLine, const std::wstring& indent) {
    static const wchar_t* kDigits = L"0123456789ABCDEF";
    std::wstring text;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i % perLine == 0) text += L"\n" + indent;
        text += kDigits[bytes[i] >> 4];
        text += kDigits[bytes[i] & 15];
    }
    return text;
}

// A picture container of two pictures, A and B, B holding dataB (its text between braces).
std::wstring ContainerText(const std::vector<uint8_t>& bytesA, const std::wstring& dataB) {
    return L"object Pictures: TGDIPPictureContainer\n"  // 1
           L"  Items = <\n"                             // 2
           L"    item\n"                                // 3
           L"      Name = 'A'\n"                        // 4
           L"      Picture.Data = {" +                  // 5
           HexLines(bytesA, 32, L"        ") +
           L"}\n"                 //
           L"    end\n"           //
           L"    item\n"          //
           L"      Name = 'B'\n"  //
           L"      Picture.Data = {" +
           dataB +
           L"}\n"         //
           L"    end>\n"  //
           L"end\n";
}

constexpr int kSurfaceWidth = 10, kSurfaceHeight = 8;
constexpr TColor kGrey = static_cast<TColor>(0x808080);

// The pixels of a grey 10 x 8 bitmap with picture drawn at (1, 1), row by row.
std::vector<TColor> PixelsOnGrey(TOrvGDIPPicture& picture) {
    TBitmap bitmap(kSurfaceWidth, kSurfaceHeight);
    bitmap.Canvas().Brush().SetColor(kGrey);
    bitmap.Canvas().FillRect(TRect{0, 0, kSurfaceWidth, kSurfaceHeight});
    picture.Draw(bitmap.Canvas(), TRect{1, 1, 1 + picture.Width(), 1 + picture.Height()});
    std::vector<TColor> pixels;
    for (int y = 0; y < kSurfaceHeight; ++y)
        for (int x = 0; x < kSurfaceWidth; ++x) pixels.push_back(bitmap.PixelColor(x, y));
    return pixels;
}

class LayoutHexPictures : public ::testing::Test {
protected:
    void SetUp() override { RegisterPaintClasses(); }
};

}  // namespace

TEST(LayoutHexText, DigitsAloneStayTextConvertToTheSameBytesAndKeepLaterPlaces) {
    // Lengths around the 8-character blocks the scan reads at once, with spaces, tabs, CR LF,
    // lower case and a pair split by a line break.
    for (size_t count = 1; count <= 40; ++count) {
        std::vector<uint8_t> bytes;
        for (size_t i = 0; i < count; ++i) bytes.push_back(static_cast<uint8_t>(i * 73 + 5));
        std::wstring digits = HexLines(bytes, 7, L"\t  ");
        std::transform(digits.begin(), digits.begin() + static_cast<std::ptrdiff_t>(digits.size() / 2), digits.begin(),
                       [](wchar_t c) { return c >= L'A' && c <= L'F' ? static_cast<wchar_t>(c + 32) : c; });
        digits.insert(digits.size() - 1, L"\r\n ");  // splits the last pair
        const std::wstring text = L"object F: TTestForm\n  Data = {" + digits + L" }  Tag = 7\nend";
        const TLayoutObject root = ParseLayout(text, L"Hex");
        ASSERT_EQ(root.Properties.size(), 2u) << count;
        const TLayoutValue& value = root.Properties[0].Value;
        EXPECT_FALSE(value.HexText.Empty()) << count << ": digits alone stay text";
        EXPECT_TRUE(value.Bytes.empty()) << count;
        EXPECT_EQ(value.HexText.ByteCount(), count);
        EXPECT_EQ(value.BinaryBytes(), bytes) << count;
        // Line 2 holds the brace; every 7 bytes a line more, and the split pair one more.
        const int line = 2 + static_cast<int>((count + 6) / 7) + 1;
        EXPECT_EQ(root.Properties[1].Line, line) << count;
        EXPECT_EQ(root.Properties[1].Column, 7) << count << ": after ' Y }  '";
        // Written back as converted bytes.
        EXPECT_EQ(ParseLayout(WriteLayout(root), L"Again").Properties[0].Value.BinaryBytes(), bytes) << count;
    }

    // A comment among the digits is converted while parsing, as before.
    const TLayoutObject commented = ParseLayout(L"object F: TTestForm\n  Data = {0A0B // two\n 0C}\nend", L"Hex");
    EXPECT_TRUE(commented.Properties[0].Value.HexText.Empty());
    EXPECT_EQ(commented.Properties[0].Value.Bytes, (std::vector<uint8_t>{0x0A, 0x0B, 0x0C}));
}

TEST(LayoutHexText, KeptDigitsOutliveTheTextTheyWereParsedFrom) {
    std::vector<uint8_t> bytes(100);
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(255 - i);
    TLayoutHexText kept;
    {
        std::wstring text = L"object F: TTestForm\n  Data = {" + HexLines(bytes, 32, L"    ") + L"}\nend";
        kept = ParseLayout(text, L"Hex").Properties.at(0).Value.HexText;
        // Digits read from freed or reused memory would not be these.
        std::fill(text.begin(), text.end(), L'Z');
    }
    ASSERT_FALSE(kept.Empty());
    EXPECT_EQ(kept.Decode(), bytes);
}

TEST_F(LayoutHexPictures, BadDigitsFailTheReadAtTheirPlaceAsBefore) {
    std::vector<uint8_t> bytesA(96, 0x5A);
    const std::wstring line64 = L"\n        " + std::wstring(64, L'c');
    // Item B's data starts on line 12 at column 22 (the brace); its first line of digits is 13.
    const struct {
        const wchar_t* Name;
        std::wstring Data;
        bool CutAfterData;  // the text ends after the digits: no brace
        int Line, Column;
        const wchar_t* Fault;
    } cases[] = {
        {L"not a digit", line64 + L"\n        0123456789abcdef0123g5\n      ", false, 14, 29,
         L"Invalid hexadecimal digit 'g' in binary data"},
        {L"odd length", line64 + L"\n        012\n      ", false, 15, 8,
         L"Odd number of hexadecimal digits in binary data"},
        {L"truncated", line64 + line64, true, 12, 22, L"Unterminated binary data: '}' expected"},
    };
    for (const auto& c : cases) {
        std::wstring text = ContainerText(bytesA, c.Data);
        if (c.CutAfterData) text = text.substr(0, text.find(c.Data) + c.Data.size());
        TOwnedPtr<TGDIPPictureContainer> container(Make<TGDIPPictureContainer>(nullptr));
        try {
            ReadLayoutText(container.get(), text, L"Pictures");
            ADD_FAILURE() << ToUtf8(c.Name) << ": no error";
        } catch (const ELayoutError& e) {
            EXPECT_EQ(e.Line(), c.Line) << ToUtf8(c.Name) << ": " << ToUtf8(e.Message());
            EXPECT_EQ(e.Column(), c.Column) << ToUtf8(c.Name) << ": " << ToUtf8(e.Message());
            EXPECT_EQ(e.Fault(), c.Fault) << ToUtf8(c.Name);
        }
    }
}

TEST_F(LayoutHexPictures, PicturesReadAsTextPaintAndSaveLikePicturesGivenTheirBytes) {
    // A keyed BMP and a PNG with transparent columns, read from one layout whose text is
    // gone (overwritten, then freed) before anything asks for the pictures' bytes.
    TOwnedPtr<TGDIPPictureContainer> container(Make<TGDIPPictureContainer>(nullptr));
    {
        std::wstring text = ContainerText(orvtest::kBmpBytes, HexLines(orvtest::kPngBytes, 32, L"        "));
        const TLayoutObject tree = ParseLayout(text, L"Pictures");
        std::fill(text.begin(), text.end(), L'0');
        TLayoutReader reader(L"Pictures");
        reader.ReadRoot(container.get(), tree);
    }
    TOrvGDIPPicture* bmp = container->FindPicture(L"A");
    TOrvGDIPPicture* png = container->FindPicture(L"B");
    ASSERT_NE(bmp, nullptr);
    ASSERT_NE(png, nullptr);
    EXPECT_FALSE(png->Empty());
    EXPECT_EQ(png->Width(), 6);
    EXPECT_EQ(png->Height(), 4);
    EXPECT_EQ(bmp->Width(), 4);

    TOrvGDIPPicture eagerPng, eagerBmp;
    eagerPng.SetData(orvtest::kPngBytes);
    eagerBmp.SetData(orvtest::kBmpBytes);
    const std::vector<TColor> lazyPixels = PixelsOnGrey(*png), eagerPixels = PixelsOnGrey(eagerPng);
    // Columns 0-2 opaque red, 3-5 transparent (the picture starts at (1, 1)).
    EXPECT_EQ(lazyPixels[2 * kSurfaceWidth + 2], static_cast<TColor>(0x0000FF));
    EXPECT_EQ(lazyPixels[2 * kSurfaceWidth + 5], kGrey);
    EXPECT_EQ(lazyPixels, eagerPixels) << "the PNG";
    const std::vector<TColor> lazyKeyed = PixelsOnGrey(*bmp), eagerKeyed = PixelsOnGrey(eagerBmp);
    EXPECT_EQ(lazyKeyed, eagerKeyed) << "the colour-keyed BMP";
    // Rows 0-1 white, rows 2-3 the key colour (left out).
    EXPECT_EQ(lazyKeyed[2 * kSurfaceWidth + 2], clWhite);
    EXPECT_EQ(lazyKeyed[4 * kSurfaceWidth + 2], kGrey);

    // Every byte is there to be saved, assigned and written back.
    EXPECT_EQ(png->GetData(), orvtest::kPngBytes);
    TMemoryStream saved;
    bmp->SaveToStream(&saved);
    EXPECT_EQ(saved.Bytes(), orvtest::kBmpBytes);

    // The same through the form that keeps the caller's text (a layout resource's).
    TOwnedPtr<TGDIPPictureContainer> moved(Make<TGDIPPictureContainer>(nullptr));
    std::wstring text = ContainerText(orvtest::kPngBytes, HexLines(orvtest::kBmpBytes, 32, L"  "));
    ReadLayoutText(moved.get(), std::move(text), L"Pictures");
    TOrvGDIPPicture copy;
    copy.Assign(moved->FindPicture(L"A"));
    EXPECT_EQ(copy.GetData(), orvtest::kPngBytes);
    EXPECT_EQ(moved->FindPicture(L"B")->GetData(), orvtest::kBmpBytes);
    EXPECT_NE(WriteComponentLayout(moved.get()).find(HexLines(orvtest::kBmpBytes, 32, L"        ")),
              std::wstring::npos);
}
