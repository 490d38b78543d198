#include <windows.h>

#include <gtest/gtest.h>

#include "TestImages.h"
#include "framework/Clipbrd.h"
#include "framework/IniFiles.h"
#include "framework/Streams.h"
#include "paint/GDIPFill.h"

using namespace orv;

namespace {

std::wstring TempIni(const wchar_t* name) {
    wchar_t dir[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    std::wstring path = std::wstring(dir) + name;
    DeleteFileW(path.c_str());
    return path;
}

// A fill with no value at its initial one.
void SetEveryValue(TGDIPFill& f) {
    f.SetColor(0x102030);
    f.SetColorTo(clNone);
    f.SetColorMirror(clBtnFace);  // a negative system colour
    f.SetColorMirrorTo(0x405060);
    f.SetGradientType(gtAngle);
    f.SetGradientMirrorType(gtRadial);
    f.SetHatchStyle(static_cast<THatchStyle>(12));
    f.SetHatchStyleMirror(static_cast<THatchStyle>(53));
    f.SetBackGroundPictureMode(pmInsideFill);
    f.SetBackGroundPicturePosition(ppTiled);
    f.SetBackGroundPictureLeft(-4);
    f.SetBackGroundPictureTop(7);
    f.SetPicturePosition(ppCustom);
    f.SetPictureLeft(11);
    f.SetPictureTop(-12);
    f.SetPictureSize(psCustom);
    f.SetPictureWidth(20);
    f.SetPictureHeight(21);
    f.SetOpacity(1);
    f.SetOpacityTo(2);
    f.SetOpacityMirror(3);
    f.SetOpacityMirrorTo(0);
    f.SetBorderColor(clRed);
    f.SetBorderOpacity(5);
    f.SetBorderWidth(0);
    f.SetRounding(9);
    f.SetRoundingType(rtRight);
    f.SetShadowOffset(4);
    f.SetShadowColor(clBlue);
    f.SetAngle(-30);
    f.SetGlow(gmRadialGradient);
    f.SetGlowGradientColor(0x010203);
    f.SetGlowRadialColor(clNone);
    f.GetPicture()->SetData(orvtest::kPngBytes);
    f.GetBackGroundPicture()->SetData(orvtest::kGifBytes);
}

void ExpectEveryValue(TGDIPFill& f) {
    EXPECT_EQ(f.GetColor(), 0x102030);
    EXPECT_EQ(f.GetColorTo(), clNone);
    EXPECT_EQ(f.GetColorMirror(), clBtnFace);
    EXPECT_EQ(f.GetColorMirrorTo(), 0x405060);
    EXPECT_EQ(f.GetGradientType(), gtAngle);
    EXPECT_EQ(f.GetGradientMirrorType(), gtRadial);
    EXPECT_EQ(f.GetHatchStyle(), 12);
    EXPECT_EQ(f.GetHatchStyleMirror(), 53);
    EXPECT_EQ(f.GetBackGroundPictureMode(), pmInsideFill);
    EXPECT_EQ(f.GetBackGroundPicturePosition(), ppTiled);
    EXPECT_EQ(f.GetBackGroundPictureLeft(), -4);
    EXPECT_EQ(f.GetBackGroundPictureTop(), 7);
    EXPECT_EQ(f.GetPicturePosition(), ppCustom);
    EXPECT_EQ(f.GetPictureLeft(), 11);
    EXPECT_EQ(f.GetPictureTop(), -12);
    EXPECT_EQ(f.GetPictureSize(), psCustom);
    EXPECT_EQ(f.GetPictureWidth(), 20);
    EXPECT_EQ(f.GetPictureHeight(), 21);
    EXPECT_EQ(f.GetOpacity(), 1);
    EXPECT_EQ(f.GetOpacityTo(), 2);
    EXPECT_EQ(f.GetOpacityMirror(), 3);
    EXPECT_EQ(f.GetOpacityMirrorTo(), 0);
    EXPECT_EQ(f.GetBorderColor(), clRed);
    EXPECT_EQ(f.GetBorderOpacity(), 5);
    EXPECT_EQ(f.GetBorderWidth(), 0);
    EXPECT_EQ(f.GetRounding(), 9);
    EXPECT_EQ(f.GetRoundingType(), rtRight);
    EXPECT_EQ(f.GetShadowOffset(), 4);
    EXPECT_EQ(f.GetShadowColor(), clBlue);
    EXPECT_EQ(f.GetAngle(), -30);
    EXPECT_EQ(f.GetGlow(), gmRadialGradient);
    EXPECT_EQ(f.GetGlowGradientColor(), 0x010203);
    EXPECT_EQ(f.GetGlowRadialColor(), clNone);
    EXPECT_EQ(f.GetPicture()->GetData(), orvtest::kPngBytes);
    EXPECT_EQ(f.GetBackGroundPicture()->GetData(), orvtest::kGifBytes);
}

}  // namespace

TEST(FillIni, RoundTripsEveryValueWithTheKeysAndTextItWrites) {
    const std::wstring file = TempIni(L"fill_roundtrip.ini");
    TGDIPFill source;
    SetEveryValue(source);
    source.SaveToFile(file, L"Fill");
    TIniFile ini(file);
    EXPECT_EQ(ini.ReadString(L"Fill", L"ColorMirror", L""), L"-16777201") << "clBtnFace as signed decimal";
    EXPECT_EQ(ini.ReadString(L"Fill", L"ColorTo", L""), L"536870911");
    EXPECT_EQ(ini.ReadString(L"Fill", L"Picture", L"").substr(0, 8), L"89504E47");
    EXPECT_EQ(ini.ReadInteger(L"Fill", L"PictureSize", 0), int(orvtest::kPngBytes.size() * 2));
    EXPECT_EQ(ini.ReadInteger(L"Fill", L"BackgroundPictureSize", 0), int(orvtest::kGifBytes.size() * 2));
    EXPECT_EQ(ini.ReadInteger(L"Fill", L"PictureSizeMode", -1), 1);

    TGDIPFill target;
    int changes = 0;
    target.OnChange = [&](TObject*) { ++changes; };
    target.LoadFromFile(file, L"Fill");
    ExpectEveryValue(target);
    EXPECT_EQ(changes, 1);

    // Without pictures: empty values, sizes 0; loading them leaves pictures alone.
    TGDIPFill plain;
    plain.SaveToFile(ini, L"Plain");
    EXPECT_TRUE(ini.ValueExists(L"Plain", L"Picture"));
    EXPECT_EQ(ini.ReadString(L"Plain", L"Picture", L"x"), L"");
    EXPECT_EQ(ini.ReadInteger(L"Plain", L"PictureSize", -1), 0);
    EXPECT_EQ(ini.ReadInteger(L"Plain", L"BackgroundPictureSize", -1), 0);
    target.LoadFromFile(ini, L"Plain");
    EXPECT_EQ(target.GetPicture()->GetData(), orvtest::kPngBytes);
    EXPECT_EQ(target.GetColor(), 0xC0C0C0);
    EXPECT_EQ(target.GetPictureSize(), psOriginal);
    DeleteFileW(file.c_str());
}

TEST(FillIni, BadValuesKeepTheCurrentOnes) {
    const std::wstring file = TempIni(L"fill_bad.ini");
    TIniFile ini(file);
    ini.WriteString(L"F", L"GradientType", L"11");
    ini.WriteString(L"F", L"RoundingType", L"-1");
    ini.WriteString(L"F", L"Opacity", L"256");
    ini.WriteString(L"F", L"OpacityTo", L"-1");
    ini.WriteString(L"F", L"ShadowOffset", L"-2");
    ini.WriteString(L"F", L"Color", L"red");
    ini.WriteString(L"F", L"HatchStyle", L"54");
    ini.WriteString(L"F", L"PictureSizeMode", L"2");
    ini.WriteString(L"F", L"BorderWidth", L"-3");  // valid: no border
    ini.WriteString(L"F", L"PictureSize", L"-100");
    ini.WriteString(L"F", L"Picture", L"89504E47");
    TGDIPFill fill;
    fill.LoadFromFile(ini, L"F");
    EXPECT_EQ(fill.GetGradientType(), gtVertical);
    EXPECT_EQ(fill.GetRoundingType(), rtBoth);
    EXPECT_EQ(fill.GetOpacity(), 255);
    EXPECT_EQ(fill.GetOpacityTo(), 255);
    EXPECT_EQ(fill.GetShadowOffset(), 0);
    EXPECT_EQ(fill.GetColor(), 0xC0C0C0);
    EXPECT_EQ(fill.GetHatchStyle(), HatchStyleHorizontal);
    EXPECT_EQ(fill.GetPictureSize(), psOriginal);
    EXPECT_EQ(fill.GetBorderWidth(), -3);
    EXPECT_TRUE(fill.GetPicture()->Empty()) << "a negative PictureSize reads no picture";

    TGDIPFill empty;
    empty.LoadFromFile(TempIni(L"fill_missing.ini"), L"None");
    EXPECT_EQ(empty.GetColorTo(), 0x808080) << "a missing file changes nothing";
    DeleteFileW(file.c_str());
}

TEST(FillIni, PictureSizeIsOnlyAHint) {
    const std::wstring file = TempIni(L"fill_hint.ini");
    TIniFile ini(file);
    // Longer than the ordinary read limit, with a short and with a huge length hint.
    std::wstring text;
    std::vector<uint8_t> big(3000, 0x5A);
    for (uint8_t b : big) text += L"5A";
    ini.WriteString(L"F", L"Picture", text);
    for (const wchar_t* hint : {L"1", L"2147483647"}) {
        ini.WriteString(L"F", L"PictureSize", hint);
        TGDIPFill fill;
        fill.LoadFromFile(ini, L"F");
        EXPECT_EQ(fill.GetPicture()->GetData(), big) << "hint " << hint;
    }
    DeleteFileW(file.c_str());
}

TEST(FillIni, NoHexNumberStillNotifiesWhatWasApplied) {
    const std::wstring file = TempIni(L"fill_hex.ini");
    TIniFile ini(file);
    ini.WriteString(L"F", L"Rounding", L"6");
    ini.WriteString(L"F", L"Picture", L"8950ZZ47");
    ini.WriteString(L"F", L"PictureSize", L"8");
    ini.WriteString(L"F", L"BackgroundPicture", L"89504E47");
    ini.WriteString(L"F", L"BackgroundPictureSize", L"8");
    TGDIPFill fill;
    int changes = 0;
    fill.OnChange = [&](TObject*) { ++changes; };
    try {
        fill.LoadFromFile(ini, L"F");
        ADD_FAILURE() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), L"No Hex-Number");
    }
    EXPECT_EQ(changes, 1) << "the owner hears of what was applied";
    EXPECT_EQ(fill.GetRounding(), 6);
    EXPECT_TRUE(fill.GetPicture()->Empty()) << "no half picture";
    EXPECT_TRUE(fill.GetBackGroundPicture()->Empty()) << "the load ended";
    EXPECT_THROW(
        {
            TMemoryStream s;
            HexToStream(L"0G", s);
        },
        EConvertError);
    DeleteFileW(file.c_str());
}

TEST(FillClipboard, CopiesBetweenFillsAndRefusesForeignData) {
    TGDIPFill source;
    SetEveryValue(source);
    source.SaveToClipBoard();
    TGDIPFill target;
    int changes = 0;
    target.OnChange = [&](TObject*) { ++changes; };
    target.LoadFromClipBoard();
    ExpectEveryValue(target);
    EXPECT_EQ(changes, 1);

    const unsigned format = FillClipboardFormat();
    auto pasteFails = [&](const std::string& data) {
        TGDIPFill fill;
        fill.SetRounding(5);
        Clipboard().SetBuffer(format, data.data(), data.size());
        EXPECT_THROW(fill.LoadFromClipBoard(), EReadError) << data;
        EXPECT_EQ(fill.GetRounding(), 5) << "unchanged: " << data;
        EXPECT_EQ(fill.GetColor(), 0xC0C0C0) << "unchanged: " << data;
    };
    pasteFails("");
    pasteFails("\x01\x02garbage");
    pasteFails("object Saver: TSaver\n  SaveObject.Rounding = 2\n  SaveObject.Color = clRed\n  Tag = 3\nend\n");
    pasteFails("object Saver: TSaver\n  SaveObject.Color = clRed\n  SaveObject.OnChange = Handler\nend\n");
    pasteFails(
        "object Saver: TSaver\n  SaveObject.Color = clRed\n  SaveObject.Picture.Data = resource('a.png')\nend\n");
    pasteFails("object Saver: TSaver\n  SaveObject.Color = clRed\n  SaveObject.Opacity = 300\nend\n");
    pasteFails("object Saver: TSaver\n  SaveObject.Color = clRed\n  object X: TSaver\n  end\nend\n");
    pasteFails("object Form: TForm\n  SaveObject.Color = clRed\nend\n");

    // A clipboard without the format is ignored.
    Clipboard().SetAsText(L"text");
    TGDIPFill untouched;
    untouched.LoadFromClipBoard();
    EXPECT_EQ(untouched.GetColor(), 0xC0C0C0);
}

TEST(FillClipboard, APasteAssignsOnlyWhatTheDataHoldsAndTakesPaddedBlocks) {
    const unsigned format = FillClipboardFormat();
    auto paste = [&](const std::string& data, TGDIPFill& fill) {
        Clipboard().SetBuffer(format, data.data(), data.size());
        fill.LoadFromClipBoard();
    };
    const std::string partial = "object Saver: TSaver\n  SaveObject.Color = clRed\n  SaveObject.Rounding = 3\nend\n";

    TGDIPFill fill;
    fill.SetBorderColor(clBlue);
    fill.SetOpacity(40);
    fill.SetGlow(gmRadial);
    fill.GetPicture()->SetData(orvtest::kPngBytes);
    int changes = 0;
    fill.OnChange = [&](TObject*) { ++changes; };
    paste(partial, fill);
    EXPECT_EQ(fill.GetColor(), clRed);
    EXPECT_EQ(fill.GetRounding(), 3);
    EXPECT_EQ(fill.GetBorderColor(), clBlue) << "not named, so kept";
    EXPECT_EQ(fill.GetOpacity(), 40) << "not named, so kept";
    EXPECT_EQ(fill.GetGlow(), gmRadial) << "not named, so kept";
    EXPECT_EQ(fill.GetPicture()->GetData(), orvtest::kPngBytes) << "not named, so kept";
    EXPECT_EQ(changes, 1);

    // Other writers pad their blocks with zero bytes after the object's end.
    TGDIPFill padded;
    paste(partial + std::string(13, '\0'), padded);
    EXPECT_EQ(padded.GetColor(), clRed);
    EXPECT_EQ(padded.GetRounding(), 3);
    TGDIPFill zeros;
    zeros.SetRounding(5);
    Clipboard().SetBuffer(format, std::string(16, '\0').data(), 16);
    EXPECT_THROW(zeros.LoadFromClipBoard(), EReadError) << "zero bytes alone hold no fill";
    EXPECT_EQ(zeros.GetRounding(), 5);

    // A copy still carries the whole fill: values at their initial ones and an empty
    // picture replace what the target had.
    TGDIPFill plain;
    plain.SaveToClipBoard();
    TGDIPFill target;
    SetEveryValue(target);
    target.LoadFromClipBoard();
    EXPECT_EQ(target.GetColor(), 0xC0C0C0);
    EXPECT_EQ(target.GetColorMirror(), clNone);
    EXPECT_EQ(target.GetGradientType(), gtVertical);
    EXPECT_EQ(target.GetOpacityMirrorTo(), 255);
    EXPECT_EQ(target.GetRounding(), 0);
    EXPECT_EQ(target.GetGlow(), gmNone);
    EXPECT_EQ(target.GetBorderWidth(), 1);
    EXPECT_TRUE(target.GetPicture()->Empty());
    EXPECT_TRUE(target.GetBackGroundPicture()->Empty());
}
