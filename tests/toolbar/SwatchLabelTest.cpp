// The renderer's swatch sheet labels each look's column in its own words, broken
// between words to fit the column, never inside one.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "framework/SysUtils.h"
#include "tools/Render/ToolBarSwatches.h"

using namespace orv;
using namespace orvtools;

TEST(ToolBarSwatches, LabelsBreakBetweenWordsAndFitTheColumn) {
    struct TCase {
        TToolBarStyle Style;
        bool Scenic;
        const wchar_t* Label;
    };
    const TCase cases[] = {
        {bsOffice2003Blue, false, L"Office 2003 Blue"},
        {bsOffice2003Silver, false, L"Office 2003 Silver"},
        {bsOffice2003Olive, false, L"Office 2003 Olive"},
        {bsOffice2003Classic, false, L"Office 2003 Classic"},
        {bsOffice2007Luna, false, L"Office 2007 Luna"},
        {bsOffice2007Obsidian, false, L"Office 2007 Obsidian"},
        {bsWindowsXP, false, L"Windows XP"},
        {bsWhidbeyStyle, false, L"Whidbey"},
        {bsOffice2007Silver, false, L"Office 2007 Silver"},
        {bsOfficeXP, false, L"Office XP"},
        {bsWindowsVista, false, L"Windows Vista"},
        {bsWindows7, false, L"Windows 7"},
        {bsWindows7, true, L"Windows 7 scenic"},
        {bsTerminal, false, L"Terminal"},
        {bsOffice2010Blue, false, L"Office 2010 Blue"},
        {bsOffice2010Silver, false, L"Office 2010 Silver"},
        {bsOffice2010Black, false, L"Office 2010 Black"},
    };
    // The sheet's columns are 74 pixels apart and draw 68 wide, in two label lines.
    const int width = 68;
    TBitmap sheet(8, 8);
    SetSwatchFont(sheet.Canvas());
    auto measure = [&sheet](const std::wstring& t) { return sheet.Canvas().TextWidth(t); };
    for (const TCase& k : cases) {
        std::wstring label = SwatchLabel(k.Style, k.Scenic);
        EXPECT_EQ(label, k.Label);
        std::vector<std::wstring> lines = WrapSwatchLabel(label, width, measure);
        EXPECT_LE(lines.size(), 2u) << ToUtf8(label);
        std::wstring joined;
        for (const std::wstring& line : lines) {
            EXPECT_LE(measure(line), width) << ToUtf8(line);
            EXPECT_FALSE(line.empty() || line.front() == L' ' || line.back() == L' ') << ToUtf8(line);
            joined += (joined.empty() ? L"" : L" ") + line;
        }
        EXPECT_EQ(joined, k.Label) << "every word whole, in order";
    }

    // Narrow columns: a word wider than the column stays whole on a line of its own.
    auto chars = [](const std::wstring& t) { return static_cast<int>(t.size()) * 6; };
    EXPECT_EQ(WrapSwatchLabel(L"Office 2007 Obsidian", 60, chars),
              (std::vector<std::wstring>{L"Office", L"2007", L"Obsidian"}));
    EXPECT_EQ(WrapSwatchLabel(L"Office 2007 Obsidian", 66, chars),
              (std::vector<std::wstring>{L"Office 2007", L"Obsidian"}));
}
