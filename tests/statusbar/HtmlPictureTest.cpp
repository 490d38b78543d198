// The HTML picture: GIF frames found by the block scan, animation steps, decoding through the
// system picture loader with its error messages, URL loading, and the picture store.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "framework/Resources.h"
#include "framework/Streams.h"
#include "statusbar/GifFrames.h"
#include "statusbar/PictureContainer.h"

using namespace orv;
using namespace orv::html;

namespace {

// An 8 x 8 GIF: frame 1 fills the screen red, frame 2 is a blue 4 x 4 square at (2, 2);
// both wait delay hundredths of a second. Pixels are coded with a clear code before each,
// so the code size stays 3 bits.
std::vector<uint8_t> TwoFrameGif(int delay = 20) {
    std::vector<uint8_t> g = {'G', 'I', 'F', '8', '9', 'a', 8, 0,   8, 0,   0x81, 0,  0,
                              255, 0,   0,   0,   0,   255, 0, 255, 0, 255, 255,  255};
    auto frame = [&](int left, int top, int w, int h, int color) {
        const uint8_t d = static_cast<uint8_t>(delay);
        for (uint8_t b : {0x21, 0xF9, 4, 0, static_cast<int>(d), 0, 0, 0}) g.push_back(b);
        for (int v : {0x2C, left, 0, top, 0, w, 0, h, 0, 0, 2}) g.push_back(static_cast<uint8_t>(v));
        std::vector<int> codes;
        for (int i = 0; i < w * h; ++i) codes.insert(codes.end(), {4, color});
        codes.push_back(5);
        std::vector<uint8_t> data;
        unsigned acc = 0, bits = 0;
        for (int c : codes) {
            acc |= static_cast<unsigned>(c) << bits;
            bits += 3;
            for (; bits >= 8; bits -= 8, acc >>= 8) data.push_back(static_cast<uint8_t>(acc & 0xFF));
        }
        if (bits) data.push_back(static_cast<uint8_t>(acc));
        g.push_back(static_cast<uint8_t>(data.size()));
        g.insert(g.end(), data.begin(), data.end());
        g.push_back(0);
    };
    frame(0, 0, 8, 8, 0);
    frame(2, 2, 4, 4, 1);
    g.push_back(0x3B);
    return g;
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
