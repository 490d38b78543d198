// Bitmaps and icons as files: BMP round trips at 24 and 32 bits, files and resources of
// other depths, damaged headers (never read outside the bytes), icons chosen by size,
// and both kinds stored in layouts.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cwctype>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "framework/ClassRegistry.h"
#include "framework/Forms.h"
#include "framework/Icon.h"
#include "framework/ImageFormats.h"
#include "framework/LayoutReader.h"
#include "framework/Resources.h"
#include "framework/Streams.h"

using namespace orv;

namespace {

using TBytes = std::vector<uint8_t>;

uint32_t U32At(const TBytes& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t(b[at + 3]) << 24);
}
void Set32(TBytes& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
void Set16(TBytes& b, size_t at, uint16_t v) {
    b[at] = static_cast<uint8_t>(v);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
}

TBytes ResourceBytes(const wchar_t* name) {
    TResourceStream stream(MainInstance(), name, RawDataResourceType());
    TBytes bytes(static_cast<size_t>(stream.GetSize()));
    stream.ReadBuffer(bytes.data(), stream.GetSize());
    return bytes;
}

TBytes SaveBytes(const TBitmap& bitmap) {
    TMemoryStream stream;
    bitmap.SaveToStream(stream);
    return stream.Bytes();
}

// Bytes placed so that the first byte past them lies on a page that cannot be read: a
// decoder that reads outside them crashes the test instead of passing by luck.
class TGuardedBytes {
public:
    explicit TGuardedBytes(const TBytes& bytes) {
        SYSTEM_INFO info;
        GetSystemInfo(&info);
        size_t page = info.dwPageSize;
        size_t span = (bytes.size() + page - 1) / page * page + page;
        FBase = static_cast<uint8_t*>(VirtualAlloc(nullptr, span + page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD old;
        VirtualProtect(FBase + span, page, PAGE_NOACCESS, &old);
        FData = FBase + span - bytes.size();
        if (!bytes.empty()) std::memcpy(FData, bytes.data(), bytes.size());
        FSize = bytes.size();
    }
    ~TGuardedBytes() { VirtualFree(FBase, 0, MEM_RELEASE); }
    const uint8_t* Data() const { return FData; }
    size_t Size() const { return FSize; }

private:
    uint8_t* FBase;
    uint8_t* FData;
    size_t FSize;
};

// While it lives, a read outside the guarded bytes ends the run at once with a message,
// instead of leaving the process waiting in a debugger.
class TOutsideReadReport {
public:
    TOutsideReadReport() : FHandler(AddVectoredExceptionHandler(1, &Report)) {}
    ~TOutsideReadReport() { RemoveVectoredExceptionHandler(FHandler); }
    TOutsideReadReport(const TOutsideReadReport&) = delete;
    TOutsideReadReport& operator=(const TOutsideReadReport&) = delete;

private:
    static LONG WINAPI Report(EXCEPTION_POINTERS* info) {
        if (info->ExceptionRecord->ExceptionCode != EXCEPTION_ACCESS_VIOLATION) return EXCEPTION_CONTINUE_SEARCH;
        std::fputs("FAILED: a decoder read outside the bytes it was given\n", stderr);
        std::fflush(stderr);
        TerminateProcess(GetCurrentProcess(), 3);
        return EXCEPTION_CONTINUE_SEARCH;
    }
    void* FHandler;
};

// Pixel (x, y) of the test pattern: every channel differs between neighbours.
uint32_t Pattern(int x, int y, uint32_t alpha) {
    return (alpha << 24) | (uint32_t(x * 50 + 5) << 16) | (uint32_t(y * 70 + 3) << 8) | uint32_t(x * 20 + y * 30 + 1);
}

void FillPattern(TBitmap& b, bool withAlpha) {
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) b.ScanLine(y)[x] = Pattern(x, y, withAlpha ? uint32_t(x * 60 + y) : 0);
}

class TGlyphHolder : public TComponent {
public:
    ORV_CLASS_NAME(TGlyphHolder)
    explicit TGlyphHolder(TComponent* owner) : TComponent(owner) {}
    TBitmap& Glyph() { return FGlyph; }
    TIcon& Icon() { return FIcon; }

private:
    TBitmap FGlyph;
    TIcon FIcon;
};

void RegisterHolder() {
    TClassBuilder<TGlyphHolder>(L"TGlyphHolder", L"TComponent")
        .Factory()
        .Object(L"Glyph", &TGlyphHolder::Glyph)
        .Object(L"Icon", &TGlyphHolder::Icon);
}

TColor IconCentre(TIcon& icon, int size) {
    TBitmap target(size, size);
    target.Canvas().Brush().SetColor(clWhite);
    target.Canvas().FillRect(TRect{0, 0, size, size});
    icon.Draw(target.Canvas(), TRect{0, 0, size, size});
    return target.PixelColor(size / 2, size / 2);
}

}  // namespace

TEST(Bitmap, BmpRoundTripsAt24And32Bits) {
    TBitmap b24(5, 3);  // 15 bytes a row: padded to 16
    FillPattern(b24, true);
    b24.SetPixelFormat(pf24bit);
    EXPECT_EQ(b24.ScanLine(0)[1] >> 24, 0u) << "24 bits: the fourth byte is cleared";
    TBytes file = SaveBytes(b24);
    ASSERT_EQ(file.size(), 54u + 16 * 3);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(U32At(file, 2), 102u);
    EXPECT_EQ(U32At(file, 10), 54u);
    EXPECT_EQ(U32At(file, 18), 5u);
    EXPECT_EQ(U32At(file, 22), 3u) << "rows bottom-up";
    EXPECT_EQ(file[28], 24);
    // The first stored pixel is the bottom-left one, blue first: Pattern(0, 2).
    EXPECT_EQ(file[54], 61);
    EXPECT_EQ(file[55], 143);
    EXPECT_EQ(file[56], 5);
    EXPECT_EQ(file[54 + 15], 0) << "row padding";

    TMemoryStream stream;
    stream.SetBytes(file);
    TBitmap back;
    back.LoadFromStream(stream);
    EXPECT_EQ(back.GetPixelFormat(), pf24bit);
    ASSERT_EQ(back.Width(), 5);
    ASSERT_EQ(back.Height(), 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(back.ScanLine(y)[x], Pattern(x, y, 0)) << x << "," << y;
    EXPECT_EQ(back.PixelColor(4, 0), static_cast<TColor>((81 << 16) | (3 << 8) | 205));

    TBitmap b32(3, 2);
    FillPattern(b32, true);
    EXPECT_EQ(b32.GetPixelFormat(), pf32bit);
    file = SaveBytes(b32);
    ASSERT_EQ(file.size(), 54u + 12 * 2);
    EXPECT_EQ(file[28], 32);
    EXPECT_EQ(file[54 + 3], 1) << "the alpha byte of Pattern(0, 1) is kept";
    stream.SetBytes(file);
    back.LoadFromStream(stream);
    EXPECT_EQ(back.GetPixelFormat(), pf32bit);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(back.ScanLine(y)[x], Pattern(x, y, x * 60 + y)) << x << "," << y;

    back.SetPixelFormat(pf24bit);
    back.SetPixelFormat(pf32bit);
    EXPECT_EQ(back.ScanLine(1)[2], Pattern(2, 1, 0xFF)) << "from 24 bits every pixel is opaque";

    // Two files back to back are read one after the other; an empty bitmap writes nothing.
    TMemoryStream both;
    b24.SaveToStream(both);
    b32.SaveToStream(both);
    TBitmap().SaveToStream(both);
    EXPECT_EQ(both.GetSize(), 102 + 78);
    both.SetPosition(0);
    TBitmap first, second;
    first.LoadFromStream(both);
    second.LoadFromStream(both);
    EXPECT_EQ(first.Width(), 5);
    EXPECT_EQ(second.Width(), 3);
    EXPECT_EQ(both.GetPosition(), 180);
    first.LoadFromStream(both);
    EXPECT_TRUE(first.Empty()) << "nothing left reads as empty";
}

TEST(Bitmap, FilesAndResourcesOfOtherDepths) {
    const TColor expected[2][3] = {{clRed, 0x00FF00, clBlue}, {clWhite, 0, 0x00FFFF}};
    auto check = [&](TBitmap& b, const char* what) {
        ASSERT_EQ(b.Width(), 3) << what;
        ASSERT_EQ(b.Height(), 2) << what;
        EXPECT_EQ(b.GetPixelFormat(), pf24bit) << what;
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x) EXPECT_EQ(b.PixelColor(x, y), expected[y][x]) << what << " " << x << "," << y;
    };
    TBitmap fromResource;
    fromResource.LoadFromResourceName(MainInstance(), L"ORVTESTRGB");
    check(fromResource, "bitmap resource");

    wchar_t dir[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    std::wstring file = std::wstring(dir) + L"orv-bitmap-" + std::to_wstring(GetCurrentProcessId()) + L".bmp";
    TMemoryStream raw;
    raw.SetBytes(ResourceBytes(L"ORVTESTRGBFILE"));
    raw.SaveToFile(file);
    TBitmap fromFile;
    fromFile.LoadFromFile(file);
    check(fromFile, "file");
    fromFile.SaveToFile(file);
    TMemoryStream saved;
    saved.LoadFromFile(file);
    ASSERT_EQ(saved.Bytes().size(), raw.Bytes().size());
    EXPECT_TRUE(std::equal(saved.Bytes().begin() + 54, saved.Bytes().end(), raw.Bytes().begin() + 54))
        << "the pixels of a 24-bit file are written back as they were";
    DeleteFileW(file.c_str());
    EXPECT_THROW(fromFile.LoadFromFile(file), EFOpenError);

    // 4 bits, a palette of three colours.
    TBitmap palette;
    palette.LoadFromResourceID(MainInstance(), 7);
    ASSERT_EQ(palette.Width(), 5);
    const TColor colours[3] = {0x000000, 0x563412, 0xEFCDAB};
    const int indexes[2][5] = {{0, 1, 2, 1, 0}, {2, 2, 1, 1, 0}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(palette.PixelColor(x, y), colours[indexes[y][x]]) << x << "," << y;

    EXPECT_THROW(palette.LoadFromResourceName(MainInstance(), L"NOSUCHBITMAP"), EResNotFound);
    EXPECT_THROW(palette.LoadFromResourceID(MainInstance(), 4711), EResNotFound);
    EXPECT_EQ(palette.Width(), 5);
}

TEST(Bitmap, FilesWithTheCoreHeaderUseTheirPalette) {
    // 3 x 2 pixels of palette indexes, top row first, in files with the 12-byte header
    // (16-bit sides, 3-byte palette entries, one per index the depth holds).
    struct TCase {
        int Bits;
        int Indexes[2][3];
    };
    const TCase cases[] = {
        {1, {{1, 0, 1}, {0, 0, 1}}}, {4, {{3, 15, 7}, {0, 9, 3}}}, {8, {{200, 1, 255}, {7, 200, 0}}}};
    auto paletteColour = [](int index) -> TColor {
        return static_cast<TColor>(((index * 37 + 11) & 0xFF) | (((index * 91 + 50) & 0xFF) << 8) |
                                   (((255 - index) & 0xFF) << 16));
    };
    for (const TCase& c : cases) {
        size_t entries = size_t(1) << c.Bits;
        size_t stride = (3 * c.Bits + 31) / 32 * 4;
        size_t offBits = 14 + 12 + 3 * entries;
        TBytes file(offBits + 2 * stride, 0);
        file[0] = 'B';
        file[1] = 'M';
        Set32(file, 2, static_cast<uint32_t>(file.size()));
        Set32(file, 10, static_cast<uint32_t>(offBits));
        Set32(file, 14, 12);
        Set16(file, 18, 3);
        Set16(file, 20, 2);
        Set16(file, 22, 1);
        Set16(file, 24, static_cast<uint16_t>(c.Bits));
        for (size_t i = 0; i < entries; ++i) {
            TColor colour = paletteColour(static_cast<int>(i));
            file[26 + 3 * i] = static_cast<uint8_t>(colour >> 16);  // blue, green, red
            file[26 + 3 * i + 1] = static_cast<uint8_t>(colour >> 8);
            file[26 + 3 * i + 2] = static_cast<uint8_t>(colour);
        }
        for (int y = 0; y < 2; ++y) {
            uint8_t* row = file.data() + offBits + (1 - y) * stride;  // bottom row first
            for (int x = 0; x < 3; ++x) {
                int index = c.Indexes[y][x];
                int bit = x * c.Bits;
                row[bit / 8] |= static_cast<uint8_t>(index << (8 - c.Bits - bit % 8));
            }
        }

        TMemoryStream stream;
        stream.SetBytes(file);
        TBitmap bitmap;
        bitmap.LoadFromStream(stream);
        ASSERT_EQ(bitmap.Width(), 3) << c.Bits;
        ASSERT_EQ(bitmap.Height(), 2) << c.Bits;
        TDecodedBitmap dib = DecodeDib(file.data() + kBmpFileHeaderSize, file.size() - kBmpFileHeaderSize);
        ASSERT_EQ(dib.Pixels.size(), 6u) << c.Bits;
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x) {
                TColor expected = paletteColour(c.Indexes[y][x]);
                EXPECT_EQ(bitmap.PixelColor(x, y), expected) << c.Bits << " bits at " << x << "," << y;
                uint32_t p = dib.Pixels[y * 3 + x];  // 0x00RRGGBB
                EXPECT_EQ(static_cast<TColor>(((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16)), expected)
                    << c.Bits << " bits, packed, at " << x << "," << y;
            }
    }
}

TEST(Bitmap, DamagedHeadersRaiseAndReadNothingOutsideTheBytes) {
    TOutsideReadReport report;
    TBitmap two(2, 2);
    two.SetPixelFormat(pf24bit);
    const TBytes good = SaveBytes(two);  // 54 + 2 rows of 8 bytes
    ASSERT_EQ(good.size(), 70u);

    struct TCase {
        const char* What;
        TBytes Bytes;
        bool InInfoHeader;  // a fault a packed DIB (no file header) has too
    };
    std::vector<TCase> cases;
    auto mutate = [&](const char* what, auto change, bool inInfoHeader = true) {
        TBytes b = good;
        change(b);
        cases.push_back({what, b, inInfoHeader});
    };
    mutate(
        "signature", [](TBytes& b) { b[1] = 'X'; }, false);
    mutate("cut inside the header", [](TBytes& b) { b.resize(30); });
    mutate(
        "cut before the file header ends", [](TBytes& b) { b.resize(10); }, false);
    mutate("last pixel byte missing", [](TBytes& b) { b.pop_back(); });
    mutate(
        "pixel offset past the end", [](TBytes& b) { Set32(b, 10, 0xFFFFFF00u); }, false);
    mutate(
        "pixel offset inside the headers", [](TBytes& b) { Set32(b, 10, 20); }, false);
    mutate("unknown header size", [](TBytes& b) { Set32(b, 14, 41); });
    mutate("header size larger than the file", [](TBytes& b) { Set32(b, 14, 124); });
    mutate("width 0", [](TBytes& b) { Set32(b, 18, 0); });
    mutate("negative width", [](TBytes& b) { Set32(b, 18, static_cast<uint32_t>(-2)); });
    mutate("height 0", [](TBytes& b) { Set32(b, 22, 0); });
    mutate("smallest height", [](TBytes& b) { Set32(b, 22, 0x80000000u); });
    mutate("wide", [](TBytes& b) { Set32(b, 18, 40000); });
    mutate("too many pixels", [](TBytes& b) {
        Set32(b, 18, 30000);
        Set32(b, 22, 30000);
    });
    mutate("large but short", [](TBytes& b) {
        Set32(b, 18, 4000);
        Set32(b, 22, 4000);
    });
    mutate("two planes", [](TBytes& b) { Set16(b, 26, 2); });
    mutate("7 bits", [](TBytes& b) { Set16(b, 28, 7); });
    mutate("run-length compression", [](TBytes& b) { Set32(b, 30, 1); });
    mutate("palette of 100000", [](TBytes& b) {
        Set16(b, 28, 4);
        Set32(b, 46, 100000);
    });
    mutate("palette past the end", [](TBytes& b) { Set16(b, 28, 8); });
    mutate("bit fields without masks", [](TBytes& b) {
        b.resize(54);
        Set16(b, 28, 32);
        Set32(b, 30, 3);
    });

    for (const TCase& c : cases) {
        TBitmap target(1, 1);
        target.ScanLine(0)[0] = 0x123456;
        TMemoryStream stream;
        stream.SetBytes(c.Bytes);
        try {
            target.LoadFromStream(stream);
            ADD_FAILURE() << c.What << ": no error";
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(e.Message().rfind(L"Invalid bitmap: ", 0), 0u) << c.What;
        }
        EXPECT_EQ(target.Width(), 1) << c.What << ": the bitmap stays as it was";
        EXPECT_EQ(target.ScanLine(0)[0], 0x123456u) << c.What;

        TGuardedBytes guarded(c.Bytes);
        EXPECT_THROW(DecodeBmpFile(guarded.Data(), guarded.Size()), EInvalidGraphic) << c.What;
        if (c.InInfoHeader) {
            EXPECT_THROW(DecodeDib(guarded.Data() + kBmpFileHeaderSize, guarded.Size() - kBmpFileHeaderSize),
                         EInvalidGraphic)
                << c.What;
        }
    }

    // The good file read from guarded bytes: reading up to the very last byte is fine.
    TGuardedBytes guarded(good);
    TDecodedBitmap decoded = DecodeBmpFile(guarded.Data(), guarded.Size());
    EXPECT_EQ(decoded.Width, 2);
    EXPECT_EQ(decoded.Height, 2);
    TBytes dib(good.begin() + kBmpFileHeaderSize, good.end());
    TGuardedBytes guardedDib(dib);
    EXPECT_EQ(DecodeDib(guardedDib.Data(), guardedDib.Size()).Height, 2);
    dib.pop_back();
    TGuardedBytes shortDib(dib);
    EXPECT_THROW(DecodeDib(shortDib.Data(), shortDib.Size()), EInvalidGraphic);
}

TEST(Icon, TheImageNearestTheRequestedSizeIsDrawn) {
    int icons = GdiLiveCount(TGdiKind::Icon);
    {
        TIcon icon;
        EXPECT_TRUE(icon.Empty());
        icon.SetRequestedSize(16);
        icon.LoadFromResourceName(MainInstance(), L"ORVTESTICON");
        EXPECT_FALSE(icon.Empty());
        EXPECT_EQ(icon.Width(), 16);
        EXPECT_EQ(IconCentre(icon, 16), clRed);
        icon.SetRequestedSize(32);
        EXPECT_EQ(icon.Height(), 32);
        EXPECT_EQ(IconCentre(icon, 32), clBlue);
        icon.SetRequestedSize(20);
        EXPECT_EQ(IconCentre(icon, 20), clRed) << "16 is nearer to 20 than 32";
        EXPECT_EQ(GdiLiveCount(TGdiKind::Icon), icons + 1) << "one handle, replaced each time";

        // The resource written as a file has both images.
        TMemoryStream written;
        icon.SaveToStream(written);
        std::vector<TIconEntry> entries = ParseIconFile(written.Memory(), written.Bytes().size());
        ASSERT_EQ(entries.size(), 2u);
        EXPECT_EQ(entries[0].Width, 16);
        EXPECT_EQ(entries[1].Width, 32);
        EXPECT_EQ(entries[1].BitCount, 32);

        // From a stream that holds more after the icon; written back byte for byte.
        const TBytes file = ResourceBytes(L"ORVTESTICONFILE");
        TMemoryStream stream;
        stream.SetBytes(file);
        stream.Seek(0, TSeekOrigin::soEnd);
        stream.WriteBuffer("tail", 4);
        stream.SetPosition(0);
        TIcon fromStream;
        fromStream.SetRequestedSize(32);
        fromStream.LoadFromStream(stream);
        EXPECT_EQ(stream.GetPosition(), static_cast<int64_t>(file.size()));
        EXPECT_EQ(IconCentre(fromStream, 32), clBlue);
        TMemoryStream again;
        fromStream.SaveToStream(again);
        EXPECT_EQ(again.Bytes(), file);

        TIcon copy;
        copy.Assign(&fromStream);
        EXPECT_EQ(copy.Width(), 32);
        EXPECT_NE(copy.Handle(), fromStream.Handle()) << "each icon owns its handle";
        EXPECT_EQ(GdiLiveCount(TGdiKind::Icon), icons + 3);

        // Damaged files raise and leave the icon as it was.
        TBytes shortDirectory(file.begin(), file.begin() + 20);
        TBytes outside = file;
        Set32(outside, 6 + 16 + 12, static_cast<uint32_t>(file.size()));  // second image's offset
        for (const TBytes& bad : {shortDirectory, outside}) {
            TMemoryStream s;
            s.SetBytes(bad);
            EXPECT_THROW(copy.LoadFromStream(s), EInvalidGraphic);
            EXPECT_EQ(copy.Width(), 32);
            EXPECT_NE(copy.Handle(), nullptr);
        }
        EXPECT_THROW(copy.LoadFromResourceName(MainInstance(), L"NOSUCHICON"), EResNotFound);
    }
    EXPECT_EQ(GdiLiveCount(TGdiKind::Icon), icons);
}

TEST(PicturesInLayouts, AFormStoresItsIconAndItsWindowShowsIt) {
    // Red 16 x 16 and blue 32 x 32: the caption's small icon and the big one come from
    // the images of those sizes.
    const TBytes file = ResourceBytes(L"ORVTESTICONFILE");
    std::wstring hex;
    for (uint8_t b : file) {
        static const wchar_t* kDigits = L"0123456789ABCDEF";
        hex += kDigits[b >> 4];
        hex += kDigits[b & 15];
    }
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    ReadLayoutText(form.get(), L"object IconForm1: TForm\n  Icon.Data = {" + hex + L"}\nend\n", L"IconForm1");
    const TPropInfo* iconProp = TClassRegistry::Find(L"TForm")->FindProp(L"Icon");
    ASSERT_NE(iconProp, nullptr) << "forms publish Icon";
    auto* icon = dynamic_cast<TIcon*>(iconProp->GetNested(form.get()));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->GetData(), file);

    auto shown = [&](WPARAM which, int size) -> TColor {
        auto handle = reinterpret_cast<HICON>(SendMessageW(form->Handle(), WM_GETICON, which, 0));
        if (!handle) return clNone;
        TBitmap target(size, size);
        target.Canvas().Brush().SetColor(clWhite);
        target.Canvas().FillRect(TRect{0, 0, size, size});
        DrawIconEx(target.Canvas().Handle(), 0, 0, handle, size, size, 0, nullptr, DI_NORMAL);
        return target.PixelColor(size / 2, size / 2);
    };
    EXPECT_EQ(shown(ICON_SMALL, GetSystemMetrics(SM_CXSMICON)), clRed) << "the small image in the caption";
    EXPECT_EQ(shown(ICON_BIG, GetSystemMetrics(SM_CXICON)), clBlue) << "the big image for switching windows";

    std::wstring compact;
    for (wchar_t c : WriteComponentLayout(form.get()))
        if (!iswspace(c)) compact += c;
    EXPECT_NE(compact.find(L"Icon.Data={" + hex + L"}"), std::wstring::npos) << "written back as read";

    // Taken away, the window has none (this program has no icon resource of its own).
    icon->SetData({});
    EXPECT_EQ(SendMessageW(form->Handle(), WM_GETICON, ICON_SMALL, 0), 0);
    EXPECT_EQ(SendMessageW(form->Handle(), WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_EQ(WriteComponentLayout(form.get()).find(L"Icon.Data"), std::wstring::npos) << "an empty icon is not stored";
}

TEST(PicturesInLayouts, BitmapAndIconDataRoundTrip) {
    RegisterHolder();
    TOwnedPtr<TComponent> root(new TComponent(nullptr));
    root->SetName(L"Root");
    auto* holder = new TGlyphHolder(root.get());
    holder->SetName(L"Holder1");
    holder->Glyph().LoadFromResourceName(MainInstance(), L"ORVTESTRGB");
    holder->Icon().LoadFromResourceName(MainInstance(), L"ORVTESTICON");
    std::wstring text = WriteComponentLayout(root.get());
    std::wstring compact;
    for (wchar_t c : text)
        if (!iswspace(c)) compact += c;
    EXPECT_NE(compact.find(L"Glyph.Data={424D"), std::wstring::npos) << ToUtf8(text);
    EXPECT_NE(compact.find(L"Icon.Data={00000100"), std::wstring::npos) << ToUtf8(text);

    TOwnedPtr<TComponent> again(new TComponent(nullptr));
    again->SetName(L"Root");
    ReadLayoutText(again.get(), text, L"test");
    auto* read = dynamic_cast<TGlyphHolder*>(again->FindComponent(L"Holder1"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Glyph().Width(), 3);
    EXPECT_EQ(read->Glyph().PixelColor(2, 1), static_cast<TColor>(0x00FFFF));
    EXPECT_EQ(read->Glyph().GetPixelFormat(), pf24bit);
    EXPECT_EQ(read->Icon().GetData(), holder->Icon().GetData());

    TOwnedPtr<TComponent> empty(new TComponent(nullptr));
    empty->SetName(L"Root");
    auto* bare = new TGlyphHolder(empty.get());
    bare->SetName(L"Holder1");
    EXPECT_EQ(WriteComponentLayout(empty.get()).find(L"Data"), std::wstring::npos) << "empty pictures are not stored";
}
