// The style file: round trips in every style, the names other programs write, and
// files that are damaged, truncated or not text at all.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "TestSupport.h"
#include "framework/LayoutReader.h"
#include "framework/SysUtils.h"
#include "paint/OrvLook.h"
#include "toolbar/OrvToolBarStylers.h"
#include "toolbar/ToolBarStyleFile.h"
#include "toolbar/ToolBarStylerPaths.h"

using namespace orv;

namespace {

using TStyler = TOwnedPtr<TOrvToolBarOfficeStyler>;
TStyler NewStyler() {
    return TStyler(Make<TOrvToolBarOfficeStyler>(nullptr));
}

class StyleFile : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t dir[MAX_PATH];
        GetTempPathW(MAX_PATH, dir);
        FFolder = std::wstring(dir) + L"orv-style-" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(FFolder.c_str(), nullptr);
    }
    void TearDown() override {
        for (const std::wstring& f : FFiles) DeleteFileW(f.c_str());
        RemoveDirectoryW(FFolder.c_str());
    }
    std::wstring File(const std::wstring& name) {
        FFiles.push_back(FFolder + L"\\" + name);
        return FFiles.back();
    }
    static std::string ReadBytes(const std::wstring& file) {
        std::ifstream in(ToUtf8(file), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void WriteBytes(const std::wstring& file, const std::string& bytes) {
        std::ofstream out(ToUtf8(file), std::ios::binary);
        out << bytes;
    }
    // The lines of a file as saved, for editing.
    static std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        size_t start = 0, end;
        while ((end = text.find("\r\n", start)) != std::string::npos) {
            lines.push_back(text.substr(start, end - start));
            start = end + 2;
        }
        return lines;
    }
    static std::string Join(const std::vector<std::string>& lines) {
        std::string text;
        for (const std::string& l : lines) text += l + "\r\n";
        return text;
    }

    std::wstring FFolder;
    std::vector<std::wstring> FFiles;
};

}  // namespace

TEST(StyleFileFormat, CommaListsAndNames) {
    EXPECT_EQ(QuoteCommaItem(L"Font.Name=Segoe UI"), L"\"Font.Name=Segoe UI\"");
    EXPECT_EQ(QuoteCommaItem(L"Line3D=True"), L"Line3D=True");
    EXPECT_EQ(QuoteCommaItem(L"Font.Name=A \"B\""), L"\"Font.Name=A \"\"B\"\"\"");
    EXPECT_EQ(SplitCommaList(L"\"Font.Name=A \"\"B\"\"\""), std::vector<std::wstring>{L"Font.Name=A \"B\""});
    EXPECT_EQ(SplitCommaList(L"Font.Style=fsBold,fsItalic"),
              (std::vector<std::wstring>{L"Font.Style=fsBold", L"fsItalic"}));
    EXPECT_EQ(SplitCommaList(L"Font.Name=Segoe UI"), (std::vector<std::wstring>{L"Font.Name=Segoe", L"UI"}));
    EXPECT_EQ(StyleFileKeys().size(), 302u);
    EXPECT_EQ(StyleFileKeys().front(), L"ButtonAppearance.Color");
    EXPECT_EQ(StyleFileKeys().back(), L"FormBorderColor");
    TToolBarStyle style;
    ASSERT_TRUE(StyleFromFileName(L"BSWHIDBEY", style));
    EXPECT_EQ(style, bsWhidbeyStyle);
    EXPECT_FALSE(StyleFromFileName(L"bsNeon", style));
}

TEST_F(StyleFile, SaveAndLoadRestoreEveryValueInEveryStyle) {
    for (int i = 0; i < kToolBarStyleCount; ++i) {
        auto style = static_cast<TToolBarStyle>(i);
        std::string where = ToUtf8(StyleFileName(style));
        TStyler a = NewStyler();
        a->SetStyle(style);
        // Values the presets never produce: no colour, a quoted name, several styles.
        a->TabAppearance().SetColorMirrorHot(clNone);
        a->TabAppearance().Font().SetName(L"Segoe UI");
        a->TabAppearance().Font().SetStyle(fsBold | fsItalic);
        a->GroupAppearance().Font().SetName(L"Courier \"New\", Bold");
        a->CaptionFont().SetStyle(fsUnderline | fsStrikeOut);
        a->SetFormBorderColor(static_cast<TColor>(0xFF00000F));
        a->SetAutoThemeAdapt(i % 2 == 0);
        std::wstring first = File(L"a" + std::to_wstring(i) + L".style");
        a->SaveToFile(first);

        TStyler b = NewStyler();
        if (style == bsOffice2003Blue) b->SetStyle(bsOffice2010Black);
        b->LoadFromFile(first);
        EXPECT_EQ(b->GetStyle(), style) << where;
        EXPECT_EQ(b->GetAutoThemeAdapt(), i % 2 == 0) << where;
        EXPECT_EQ(b->TabAppearance().GetColorMirrorHot(), clNone) << where;
        EXPECT_EQ(b->TabAppearance().Font().GetName(), L"Segoe UI") << where;
        EXPECT_EQ(b->TabAppearance().Font().GetStyle(), fsBold | fsItalic) << where;
        EXPECT_EQ(b->GroupAppearance().Font().GetName(), L"Courier \"New\", Bold") << where;
        EXPECT_EQ(b->CaptionFont().GetStyle(), fsUnderline | fsStrikeOut) << where;
        EXPECT_EQ(b->GetFormBorderColor(), clBtnFace) << where;
        for (const std::wstring& key : StyleFileKeys()) {
            TStylerProperty pa, pb;
            ASSERT_TRUE(FindStylerProperty(*a, key, pa) && FindStylerProperty(*b, key, pb)) << ToUtf8(key);
            if (pa.Prop && pa.Prop->Kind == TPropKind::String)
                EXPECT_EQ(pa.Prop->GetString(pa.Object), pb.Prop->GetString(pb.Object)) << where << " " << ToUtf8(key);
            else
                EXPECT_EQ(GetStylerValue(*a, key), GetStylerValue(*b, key)) << where << " " << ToUtf8(key);
        }
        std::wstring second = File(L"b" + std::to_wstring(i) + L".style");
        b->SaveToFile(second);
        EXPECT_EQ(ReadBytes(first), ReadBytes(second)) << where;
    }
}

// A font set from code may have a cell height (a positive height, a negative size) or a
// name with a line break in it; the file written for it still reads back as written.
TEST_F(StyleFile, FontsByCellHeightAndNamesWithLineBreaksReadBack) {
    HDC screen = GetDC(nullptr);
    int ppi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    ASSERT_EQ(ppi, 96) << "the heights below are whole point sizes at 96 pixels per inch";

    TStyler a = NewStyler();
    a->SetStyle(bsOffice2010Blue);
    a->Font().SetHeight(16);                  // cell height 16: -12 points
    a->TabAppearance().Font().SetHeight(20);  // -15 points
    a->PagerCaption().Font().SetName(L"Segoe\r\nUI");
    a->GroupAppearance().Font().SetName(L"Tahoma\nBold\r");
    // The values on the lines after the names, so that a shifted line shows.
    a->TabAppearance().BackGround().SetColor(0x00123456);
    a->GroupAppearance().SetGradient(ggRadial);
    a->Color().SetColor(0x00654321);
    std::wstring first = File(L"fonts.style");
    a->SaveToFile(first);
    EXPECT_EQ(Lines(ReadBytes(first)).size(), StyleFileKeys().size() + 2) << "one line per value";

    TStyler b = NewStyler();
    b->SetStyle(bsOffice2007Luna);
    ASSERT_NO_THROW(b->LoadFromFile(first));
    EXPECT_EQ(b->Font().GetHeight(), 16);
    EXPECT_EQ(b->Font().GetSize(), -12);
    EXPECT_EQ(b->TabAppearance().Font().GetHeight(), 20);
    EXPECT_EQ(b->PagerCaption().Font().GetName(), L"Segoe UI");
    EXPECT_EQ(b->GroupAppearance().Font().GetName(), L"Tahoma Bold ");
    EXPECT_EQ(b->TabAppearance().BackGround().GetColor(), 0x00123456);
    EXPECT_EQ(b->GroupAppearance().GetGradient(), ggRadial);
    EXPECT_EQ(b->Color().GetColor(), 0x00654321);

    std::wstring second = File(L"fonts2.style");
    b->SaveToFile(second);
    EXPECT_EQ(ReadBytes(first), ReadBytes(second));
}

TEST_F(StyleFile, Office2007SilverKeepsItsName) {
    TStyler a = NewStyler();
    a->SetStyle(bsOffice2007Silver);
    std::wstring file = File(L"silver.style");
    a->SaveToFile(file);
    EXPECT_EQ(Lines(ReadBytes(file)).at(0), "bsOffice2007Silver");
    TStyler b = NewStyler();
    b->LoadFromFile(file);
    EXPECT_EQ(b->GetStyle(), bsOffice2007Silver);
}

TEST_F(StyleFile, HeaderNamesOfOtherProgramsAndUnknownOnes) {
    TStyler a = NewStyler();
    a->SetStyle(bsWhidbeyStyle);
    std::wstring file = File(L"whidbey.style");
    a->SaveToFile(file);
    std::vector<std::string> lines = Lines(ReadBytes(file));
    EXPECT_EQ(lines.at(0), "bsWhidbey");
    EXPECT_EQ(lines.at(1), "AutoThemeAdapt=False");

    // Another program's font style written bare still yields every style named.
    for (std::string& l : lines)
        if (l.rfind("Font.Style=", 0) == 0) l = "Font.Style=fsBold,fsItalic";
    lines[0] = "bsNeonLights";
    WriteBytes(file, Join(lines));
    TStyler b = NewStyler();
    b->SetStyle(bsTerminal);
    b->LoadFromFile(file);
    EXPECT_EQ(b->GetStyle(), bsTerminal) << "an unknown header keeps the style";
    EXPECT_EQ(b->Font().GetStyle(), fsBold | fsItalic);
    EXPECT_EQ(b->Color().GetColor(), a->Color().GetColor()) << "the values still load";
}

TEST_F(StyleFile, FilesThatCannotBeOpenedOrCreated) {
    TStyler s = NewStyler();
    std::wstring missing = FFolder + L"\\no such file.style";
    try {
        s->LoadFromFile(missing);
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), L"Cannot open file " + missing);
    }
    std::wstring unwritable = FFolder + L"\\no such folder\\x.style";
    try {
        s->SaveToFile(unwritable);
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), L"Cannot Create " + unwritable);
    }
}

TEST_F(StyleFile, MalformedLinesStopTheLoadAtThatLine) {
    TStyler a = NewStyler();
    a->SetStyle(bsOffice2010Blue);
    std::wstring file = File(L"bad.style");
    a->SaveToFile(file);
    std::vector<std::string> good = Lines(ReadBytes(file));
    ASSERT_EQ(good.size(), StyleFileKeys().size() + 2);
    ASSERT_EQ(good[3], "ButtonAppearance.ColorTo=$00f0dac7");

    struct TCase {
        const char* What;
        size_t Line;  // 0-based
        std::string Text;
    };
    const TCase cases[] = {
        {"bad hex digits", 3, "ButtonAppearance.ColorTo=$00zz0000"},
        {"too many hex digits", 3, "ButtonAppearance.ColorTo=$1ffffffff"},
        {"missing value", 3, "ButtonAppearance.ColorTo="},
        {"wrong key", 3, "ButtonAppearance.ColorFrom=$00f0dac7"},
        {"unknown direction", 14, "ButtonAppearance.GradientDirection=gdDiagonal"},
        {"not text", 3, std::string("\x00\x01\xFE\xFF\x80", 5)},
        {"overlong", 3, "ButtonAppearance.ColorTo=$" + std::string(1 << 20, '7')},
    };
    for (const TCase& k : cases) {
        std::vector<std::string> lines = good;
        lines[k.Line] = k.Text;
        WriteBytes(file, Join(lines));
        TStyler b = NewStyler();
        b->ButtonAppearance().SetColorTo(0x00010101);
        b->ButtonAppearance().SetColorChecked(0x00020202);
        try {
            b->LoadFromFile(file);
            ADD_FAILURE() << k.What << ": no error";
        } catch (const EConvertError& e) {
            std::wstring lineNo = L"line " + std::to_wstring(k.Line + 1);
            EXPECT_NE(e.Message().find(lineNo), std::wstring::npos) << k.What << ": " << ToUtf8(e.Message());
        }
        EXPECT_EQ(b->GetStyle(), bsOffice2010Blue) << k.What;
        EXPECT_EQ(b->ButtonAppearance().GetColor(), 0x00FDF6EF) << k.What << ": values before the line stay";
        if (k.Line == 3) {
            EXPECT_EQ(b->ButtonAppearance().GetColorTo(), 0x00F0DAC7)
                << k.What << ": the preset's value, not half of the bad one";
            b->SetStyle(bsCustom);
        }
    }

    // Numbers out of range keep the current value; a full unsigned colour is read as such.
    std::vector<std::string> lines = good;
    for (std::string& l : lines) {
        if (l.rfind("Color.Steps=", 0) == 0) l = "Color.Steps=0";
        if (l.rfind("DockColor.Steps=", 0) == 0) l = "DockColor.Steps=5000";
        if (l.rfind("FloatingWindowBorderWidth=", 0) == 0) l = "FloatingWindowBorderWidth=-3";
        if (l.rfind("BorderColor=", 0) == 0) l = "BorderColor=$ff00000f";
    }
    WriteBytes(file, Join(lines));
    TStyler c = NewStyler();
    c->LoadFromFile(file);
    EXPECT_EQ(c->Color().GetSteps(), 64);
    EXPECT_EQ(c->DockColor().GetSteps(), 128);
    EXPECT_EQ(c->GetFloatingWindowBorderWidth(), 2);
    EXPECT_EQ(c->GetBorderColor(), clBtnFace);
}

TEST_F(StyleFile, TruncatedAndEmptyFiles) {
    TStyler a = NewStyler();
    a->SetStyle(bsOffice2007Luna);
    std::wstring file = File(L"short.style");
    a->SaveToFile(file);
    std::vector<std::string> lines = Lines(ReadBytes(file));
    lines.resize(40);
    WriteBytes(file, Join(lines));
    TStyler b = NewStyler();
    try {
        b->LoadFromFile(file);
        ADD_FAILURE() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_NE(e.Message().find(L"line 41"), std::wstring::npos) << ToUtf8(e.Message());
    }
    EXPECT_EQ(b->GetStyle(), bsOffice2007Luna);

    WriteBytes(file, "");
    TStyler c = NewStyler();
    c->SetStyle(bsTerminal);
    EXPECT_THROW(c->LoadFromFile(file), EConvertError);
    EXPECT_EQ(c->GetStyle(), bsTerminal);
}

TEST(StyleLayout, StyleIsStoredAndReadBeforeTheValues) {
    TOwnedPtr<TComponent> root(new TComponent(nullptr));
    root->SetName(L"Root");
    auto* s = new TOrvToolBarOfficeStyler(root.get());
    s->AfterConstruction();
    s->SetName(L"Styler1");
    s->SetStyle(bsOffice2003Blue);
    s->Color().SetColor(0x00123456);
    std::wstring text = WriteComponentLayout(root.get());
    EXPECT_NE(text.find(L"Style = bsOffice2003Blue"), std::wstring::npos) << ToUtf8(text);
    EXPECT_EQ(text.find(L"ZemStyle"), std::wstring::npos) << "public values are not stored";
    EXPECT_EQ(text.find(L"RoundEdges"), std::wstring::npos);

    TOwnedPtr<TComponent> again(new TComponent(nullptr));
    again->SetName(L"Root");
    ReadLayoutText(again.get(), text, L"test");
    auto* read = dynamic_cast<TOrvToolBarOfficeStyler*>(again->FindComponent(L"Styler1"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->GetStyle(), bsOffice2003Blue);
    EXPECT_EQ(read->Color().GetColor(), 0x00123456) << "the stored value wins over the preset";
    EXPECT_EQ(read->Color().GetColorTo(), 0x00E4AE88);
}
