#include <gtest/gtest.h>

#include "framework/Graphics.h"
#include "hints/OrvHintInfo.h"
#include "paint/GDIPPicture.h"

using namespace orv;

namespace {
// A tiny valid BMP (1 x 1, 24-bit, red).
std::vector<uint8_t> RedPixelBmp() {
    return {0x42, 0x4D, 0x3A, 0, 0, 0, 0, 0, 0, 0, 0x36, 0, 0, 0, 0x28, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0,    0x18,
            0,    0,    0,    0, 0, 4, 0, 0, 0, 0, 0,    0, 0, 0, 0,    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0};
}
}  // namespace

TEST(OrvHintInfo, AssignCopiesTextFlagsAndPicture) {
    TOrvHintInfo source;
    source.SetTitle(L"Paste");
    source.SetNotes({L"Paste the clipboard.", L"Ctrl+V"});
    source.SetShowHelp(true);
    source.SetWideTitle(L"Einf\u00FCgen");
    source.SetWideNotes(L"Notes \u2192");
    source.Picture().SetData(RedPixelBmp());
    ASSERT_FALSE(source.Picture().Empty());

    TOrvHintInfo copy;
    copy.Assign(&source);
    EXPECT_EQ(copy.GetTitle(), L"Paste");
    ASSERT_EQ(copy.GetNotes().size(), 2u);
    EXPECT_EQ(copy.GetNotes()[1], L"Ctrl+V");
    EXPECT_TRUE(copy.GetShowHelp());
    EXPECT_EQ(copy.GetWideTitle(), L"Einf\u00FCgen");
    EXPECT_EQ(copy.GetWideNotes(), L"Notes \u2192");
    EXPECT_FALSE(copy.Picture().Empty()) << "the picture is copied too";
    EXPECT_EQ(copy.Picture().GetData(), source.Picture().GetData());
    EXPECT_NE(&copy.Picture(), &source.Picture()) << "copied, not shared";

    source.Picture().Assign(nullptr);
    EXPECT_FALSE(copy.Picture().Empty()) << "the copy keeps its own picture";
}

TEST(OrvHintInfo, AssignFromAnotherTypeChangesNothing) {
    TOrvHintInfo info;
    info.SetTitle(L"Keep");
    info.SetShowHelp(true);
    TFont font;
    info.Assign(&font);
    info.Assign(nullptr);
    EXPECT_EQ(info.GetTitle(), L"Keep");
    EXPECT_TRUE(info.GetShowHelp());
}
