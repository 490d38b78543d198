// The HTML picture: GIF frames found by the block scan, animation steps, decoding through the
// system picture loader with its error messages, URL loading, and the picture store.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "framework/LayoutReader.h"
#include "framework/Resources.h"
#include "framework/Streams.h"
#include "statusbar/GifFrames.h"
#include "statusbar/PictureContainer.h"

using namespace orv;
using namespace orv::html;

namespace {

// One image of a GIF: its rectangle, the colour index it is filled with (0 red, 1 blue,
// 2 green, 3 white), its disposal and its transparent index (-1: none).
struct TGifFrameSpec {
    int Left, Top, Width, Height, Color;
    int Disposal = 0;
    int Transparent = -1;
};

// A GIF of the given screen size and frames, each waiting delay hundredths of a second.
// Pixels are coded with a clear code before each, so the code size stays 3 bits.
std::vector<uint8_t> GifOf(int screenWidth, int screenHeight, const std::vector<TGifFrameSpec>& frames,
                           int delay = 20) {
    std::vector<uint8_t> g = {'G', 'I', 'F', '8', '9', 'a'};
    for (int v : {screenWidth, 0, screenHeight, 0, 0x81, 0, 0}) g.push_back(static_cast<uint8_t>(v));
    for (int v : {255, 0, 0, 0, 0, 255, 0, 255, 0, 255, 255, 255}) g.push_back(static_cast<uint8_t>(v));
    for (const TGifFrameSpec& f : frames) {
        const int flags = (f.Disposal << 2) | (f.Transparent >= 0 ? 1 : 0);
        for (int v : {0x21, 0xF9, 4, flags, delay, 0, std::max(f.Transparent, 0), 0}) g.push_back(static_cast<uint8_t>(v));
        for (int v : {0x2C, f.Left, 0, f.Top, 0, f.Width, 0, f.Height, 0, 0, 2}) g.push_back(static_cast<uint8_t>(v));
        std::vector<int> codes;
        for (int i = 0; i < f.Width * f.Height; ++i) codes.insert(codes.end(), {4, f.Color});
        codes.push_back(5);
        std::vector<uint8_t> data;
        unsigned acc = 0, bits = 0;
        for (int c : codes) {
            acc |= static_cast<unsigned>(c) << bits;
            bits += 3;
            for (; bits >= 8; bits -= 8, acc >>= 8) data.push_back(static_cast<uint8_t>(acc & 0xFF));
        }
        if (bits) data.push_back(static_cast<uint8_t>(acc));
        for (size_t at = 0; at < data.size(); at += 255) {
            const size_t n = std::min<size_t>(255, data.size() - at);
            g.push_back(static_cast<uint8_t>(n));
            g.insert(g.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
                     data.begin() + static_cast<std::ptrdiff_t>(at + n));
        }
        g.push_back(0);
    }
    g.push_back(0x3B);
    return g;
}

// An 8 x 8 GIF: frame 1 fills the screen red, frame 2 is a blue 4 x 4 square at (2, 2).
std::vector<uint8_t> TwoFrameGif(int delay = 20) {
    return GifOf(8, 8, {{0, 0, 8, 8, 0}, {2, 2, 4, 4, 1}}, delay);
}

TColor DrawnPixel(THTMLPicture& picture, int x, int y) {
    TBitmap b(16, 16);
    b.Canvas().Brush().SetColor(clWhite);
    b.Canvas().FillRect({0, 0, 16, 16});
    picture.Draw(b.Canvas(), {0, 0, 16, 16});
    return b.PixelColor(x, y);
}

std::wstring LoadError(const std::vector<uint8_t>& bytes) {
    THTMLPicture picture;
    TMemoryStream stream;
    stream.SetBytes(bytes);
    try {
        picture.LoadFromStream(&stream);
    } catch (const EHTMLPictureError& e) {
        EXPECT_TRUE(picture.Empty()) << "a failed load leaves the picture empty";
        return e.Message();
    }
    return L"";
}

}  // namespace

TEST(GifFrames, ScanFindsFramesAndStopsAtTruncation) {
    const std::vector<uint8_t> gif = TwoFrameGif();
    TGifInfo info = ScanGifFrames(gif.data(), gif.size());
    EXPECT_TRUE(info.IsGif);
    EXPECT_EQ(info.ScreenWidth, 8);
    EXPECT_EQ(info.ScreenHeight, 8);
    EXPECT_EQ(info.HeaderEnd, 25u);
    ASSERT_EQ(info.Frames.size(), 2u);
    EXPECT_EQ(info.Frames[1].Left, 2);
    EXPECT_EQ(info.Frames[1].Top, 2);
    EXPECT_EQ(info.Frames[1].Width, 4);
    EXPECT_EQ(info.Frames[1].Delay, 20);
    EXPECT_EQ(info.Frames[1].End, gif.size() - 1);

    // Every cut before the second frame's last byte counts at most the first frame.
    for (size_t cut = 0; cut < gif.size(); ++cut) {
        TGifInfo part = ScanGifFrames(gif.data(), cut);
        const size_t expected = cut >= info.Frames[1].End ? 2 : cut >= info.Frames[0].End ? 1 : 0;
        EXPECT_EQ(part.Frames.size(), expected) << "cut at " << cut;
    }
    // A frame's bytes: the header, that frame alone and the trailer.
    std::vector<uint8_t> second = GifFrameBytes(gif.data(), gif.size(), info, 1);
    EXPECT_EQ(second.size(), 25 + (info.Frames[1].End - info.Frames[1].Start) + 1);
    EXPECT_EQ(second.back(), 0x3B);
    EXPECT_TRUE(GifFrameBytes(gif.data(), gif.size(), info, 2).empty());
    EXPECT_FALSE(ScanGifFrames(reinterpret_cast<const uint8_t*>("GIF"), 3).IsGif);
}

TEST(HtmlPicture, AnimatedGifStepsThroughItsFrames) {
    THTMLPicture picture;
    picture.SetData(TwoFrameGif(20));
    EXPECT_TRUE(picture.IsGIF());
    EXPECT_EQ(picture.FrameCount(), 2);
    EXPECT_EQ(picture.Width(), 8);
    EXPECT_EQ(picture.Height(), 8);
    EXPECT_EQ(picture.GetFrame(), 1);
    EXPECT_EQ(DrawnPixel(picture, 1, 1), clRed);

    int changes = 0;
    picture.OnFrameChange = [&](TObject*) { ++changes; };
    // 200 ms a frame, 100 ms a step: the first frame shows for the steps before its time
    // is reached, then every second step moves on.
    std::vector<bool> moved;
    for (int i = 0; i < 6; ++i) moved.push_back(picture.Step());
    EXPECT_EQ(moved, (std::vector<bool>{false, false, false, true, false, true}));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(picture.GetFrame(), 1);

    picture.SetFrame(2);
    EXPECT_EQ(picture.FrameXPos(), 2);
    EXPECT_EQ(picture.FrameYPos(), 2);
    EXPECT_EQ(DrawnPixel(picture, 3, 3), clBlue) << "the second frame is drawn at its offset";
    picture.SetFrame(3);
    EXPECT_EQ(picture.GetFrame(), 2) << "no such frame";

    // The collection steps every picture; a still picture never moves.
    TPictureContainer* container = Make<TPictureContainer>(nullptr);
    TOwnedPtr<TPictureContainer> owner(container);
    container->GetItems().Add()->GetPicture().SetData(TwoFrameGif(10));
    container->GetItems().Add()->GetPicture().LoadFromURL(L"RES://TWOFRAMES");
    container->GetItems().Items(1)->GetPicture().SetData({'G', 'I', 'F', '8', '9', 'a'});
    std::vector<bool> animated;
    for (int i = 0; i < 4; ++i) animated.push_back(container->GetItems().Animate());
    EXPECT_EQ(animated, (std::vector<bool>{false, false, true, true}));
}

TEST(HtmlPicture, LoadingAndItsErrors) {
    EXPECT_EQ(LoadError({}), L"Empty image stream created");
    std::wstring garbage = LoadError({'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e'});
    EXPECT_EQ(garbage.rfind(L"Could not load image", 0), 0u) << garbage;
    EXPECT_EQ(LoadError(TwoFrameGif()), L"");

    THTMLPicture picture;
    picture.LoadFromFile(L"Z:\\no\\such\\picture.gif");
    EXPECT_TRUE(picture.Empty());
    // Web pictures are recorded, never fetched.
    picture.LoadFromURL(L"http://example.org/picture.gif");
    EXPECT_EQ(picture.ID(), L"http://example.org/picture.gif");
    EXPECT_TRUE(picture.Empty());
    picture.LoadFromURL(L"res://TWOFRAMES");
    EXPECT_EQ(picture.FrameCount(), 2);
    EXPECT_EQ(picture.ID(), L"res://TWOFRAMES");

    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"orv-html-picture.gif";
    TMemoryStream file;
    file.SetBytes(TwoFrameGif());
    file.SaveToFile(path);
    THTMLPicture fromFile;
    fromFile.LoadFromURL(L"FILE://" + path);
    DeleteFileW(path.c_str());
    EXPECT_EQ(fromFile.FrameCount(), 2);
    EXPECT_EQ(fromFile.Width(), 8);

    // Assign copies the bytes, stretch and reference, and starts the animation afresh.
    fromFile.SetStretch(true);
    fromFile.SetFrame(2);
    THTMLPicture copy;
    copy.Assign(&fromFile);
    EXPECT_EQ(copy.GetData(), fromFile.GetData());
    EXPECT_TRUE(copy.GetStretch());
    EXPECT_EQ(copy.GetFrame(), 2);
    EXPECT_EQ(copy.ID(), fromFile.ID());
    // Undecodable stored bytes draw nothing and measure 0 x 0.
    THTMLPicture bad;
    bad.SetData({1, 2, 3});
    EXPECT_EQ(bad.Width(), 0);
    EXPECT_EQ(DrawnPixel(bad, 1, 1), clWhite);
    // A picture holds one decoded picture at most and lets it go with its bytes.
    const int live = OlePictureLiveCount();
    {
        THTMLPicture drawn;
        drawn.SetData(TwoFrameGif());
        drawn.Width();
        DrawnPixel(drawn, 1, 1);
        EXPECT_EQ(OlePictureLiveCount(), live + 1);
        drawn.SetData({});
        EXPECT_EQ(OlePictureLiveCount(), live);
        drawn.SetData(TwoFrameGif());
        drawn.Width();
    }
    EXPECT_EQ(OlePictureLiveCount(), live);
}

TEST(PictureContainer, FindsPicturesByNameAndCopiesItems) {
    TOwnedPtr<TPictureContainer> container(Make<TPictureContainer>(nullptr));
    TPictureItem* item = container->GetItems().Add();
    item->SetName(L"Logo");
    item->SetTag(7);
    item->GetPicture().SetData(TwoFrameGif());
    container->GetItems().Add()->SetName(L"logo");
    EXPECT_EQ(container->FindPicture(L"LOGO"), &item->GetPicture()) << "the first of the same name";
    EXPECT_EQ(container->FindPicture(L"other"), nullptr);

    TOwnedPtr<TPictureContainer> copy(Make<TPictureContainer>(nullptr));
    copy->SetItems(container->GetItems());
    ASSERT_EQ(copy->GetItems().Count(), 2);
    EXPECT_EQ(copy->GetItems().Items(0)->GetName(), L"Logo");
    EXPECT_EQ(copy->GetItems().Items(0)->GetTag(), 7);
    EXPECT_EQ(copy->GetItems().Items(0)->GetPicture().GetData(), TwoFrameGif());
    EXPECT_NE(copy->FindPicture(L"logo"), container->FindPicture(L"logo")) << "copies, not shared";
}

TEST(HtmlPicture, DeltaFramesShowOverTheFramesBeforeThem) {
    auto frame = [](const std::vector<uint8_t>& gif, int index) {
        auto picture = std::make_unique<THTMLPicture>();
        picture->SetData(gif);
        picture->SetFrame(index);
        EXPECT_EQ(picture->GetFrame(), index);
        return picture;
    };
    // Frame 2 paints a 4 x 4 square only: frame 1's red shows around it.
    auto second = frame(TwoFrameGif(), 2);
    EXPECT_EQ(DrawnPixel(*second, 0, 0), clRed);
    EXPECT_EQ(DrawnPixel(*second, 3, 3), clBlue);
    EXPECT_EQ(DrawnPixel(*second, 7, 7), clRed);
    EXPECT_EQ(DrawnPixel(*second, 9, 9), clWhite) << "nothing beyond the screen";

    // Disposal 2 clears frame 1's area to the background before frame 2 (the canvas shows).
    auto cleared = frame(GifOf(8, 8, {{0, 0, 8, 8, 0, 2}, {2, 2, 4, 4, 1}}), 2);
    EXPECT_EQ(DrawnPixel(*cleared, 0, 0), clWhite);
    EXPECT_EQ(DrawnPixel(*cleared, 3, 3), clBlue);

    // Disposal 3 restores what lay under frame 2 before frame 3 is drawn.
    const std::vector<uint8_t> restoring =
        GifOf(8, 8, {{0, 0, 8, 8, 0, 1}, {0, 0, 4, 4, 2, 3}, {6, 6, 2, 2, 1}});
    auto third = frame(restoring, 3);
    EXPECT_EQ(DrawnPixel(*third, 1, 1), clRed);
    EXPECT_EQ(DrawnPixel(*third, 6, 6), clBlue);
    EXPECT_EQ(DrawnPixel(*third, 7, 0), clRed);
    auto green = frame(restoring, 2);
    EXPECT_EQ(DrawnPixel(*green, 1, 1), clLime);
    EXPECT_EQ(DrawnPixel(*green, 6, 6), clRed);

    // Transparent pixels of a frame leave what lies beneath.
    auto clear = frame(GifOf(8, 8, {{0, 0, 8, 8, 0}, {2, 2, 4, 4, 1, 0, 1}}), 2);
    EXPECT_EQ(DrawnPixel(*clear, 3, 3), clRed);

    // Stepping frame by frame shows the same screens as going to a frame directly.
    THTMLPicture stepped;
    stepped.SetData(restoring);
    stepped.FrameNext();
    EXPECT_EQ(DrawnPixel(stepped, 1, 1), clLime);
    stepped.FrameNext();
    EXPECT_EQ(DrawnPixel(stepped, 1, 1), clRed);
    EXPECT_EQ(DrawnPixel(stepped, 6, 6), clBlue);
    stepped.FrameNext();
    EXPECT_EQ(stepped.GetFrame(), 1);
    EXPECT_EQ(DrawnPixel(stepped, 6, 6), clRed) << "back at frame 1 the later frames are gone";

    // Stretched, the whole screen fills the rectangle.
    second->SetStretch(true);
    EXPECT_EQ(DrawnPixel(*second, 1, 1), clRed);
    EXPECT_EQ(DrawnPixel(*second, 7, 7), clBlue) << "the square at (4, 4) - (12, 12) of 16 x 16";
    EXPECT_EQ(DrawnPixel(*second, 14, 14), clRed);
}

TEST(HtmlPicture, FrameIsStoredWithTheLayout) {
    const std::vector<uint8_t> gif = GifOf(8, 8, {{0, 0, 8, 8, 0}, {2, 2, 4, 4, 1}, {0, 0, 2, 2, 2}});
    TOwnedPtr<TPictureContainer> container(Make<TPictureContainer>(nullptr));
    container->SetName(L"Pictures");
    TPictureItem* item = container->GetItems().Add();
    item->SetName(L"anim");
    item->GetPicture().SetData(gif);
    item->GetPicture().SetFrame(2);
    container->GetItems().Add()->GetPicture().SetData(gif);  // at frame 1

    const std::wstring written = WriteComponentLayout(container.get());
    EXPECT_NE(written.find(L"Picture.Frame = 2"), std::wstring::npos) << written;
    EXPECT_EQ(written.find(L"Picture.Frame = 1"), std::wstring::npos) << "frame 1 is the default";
    TOwnedPtr<TPictureContainer> again(Make<TPictureContainer>(nullptr));
    ReadLayoutText(again.get(), written, L"Written");
    ASSERT_EQ(again->GetItems().Count(), 2);
    EXPECT_EQ(again->GetItems().Items(0)->GetPicture().GetFrame(), 2);
    EXPECT_EQ(again->GetItems().Items(1)->GetPicture().GetFrame(), 1);
    EXPECT_EQ(DrawnPixel(again->GetItems().Items(0)->GetPicture(), 3, 3), clBlue);

    // A layout that gives the frame before the bytes keeps it as well.
    std::wstring hex;
    for (uint8_t byte : gif) {
        const wchar_t* digits = L"0123456789ABCDEF";
        hex += digits[byte >> 4];
        hex += digits[byte & 15];
    }
    TOwnedPtr<TPictureContainer> early(Make<TPictureContainer>(nullptr));
    ReadLayoutText(early.get(),
                   L"object Early: TPictureContainer\n  Items = <\n    item\n      Picture.Frame = 3\n"
                   L"      Picture.Data = {" +
                       hex + L"}\n      Name = 'anim'\n    end>\nend\n",
                   L"Early");
    EXPECT_EQ(early->GetItems().Items(0)->GetPicture().GetFrame(), 3);
}
