// The clipboard: text and a registered format round trip, an open block that puts
// several formats together, nesting, and the failure paths that must free their block.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Clipbrd.h"
#include "framework/Streams.h"

using namespace orv;

namespace {

// The text on the clipboard as another reader sees it, through the platform alone.
std::wstring PlatformText() {
    if (!OpenClipboard(nullptr)) return L"<cannot open>";
    std::wstring text;
    if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
        if (auto* p = static_cast<const wchar_t*>(GlobalLock(h))) {
            text = p;
            GlobalUnlock(h);
        }
    }
    CloseClipboard();
    return text;
}

// A stream that says it holds size bytes but fails when read.
class TBrokenStream : public TStream {
public:
    explicit TBrokenStream(int64_t size) : FSize(size) {}
    int64_t Read(void*, int64_t) override { return 0; }
    int64_t Write(const void*, int64_t) override { return 0; }
    int64_t Seek(int64_t, TSeekOrigin) override { return 0; }
    int64_t GetSize() override { return FSize; }

private:
    int64_t FSize;
};

}  // namespace

TEST(Clipboard, TextRoundTripsAndOthersSeeIt) {
    const std::wstring text =
        L"Gr\x00FC\x00DF"
        L"e\r\nsecond line \xD83D\xDE00";
    Clipboard().SetAsText(text);
    EXPECT_TRUE(Clipboard().HasFormat(CF_UNICODETEXT));
    EXPECT_EQ(Clipboard().GetAsText(), text);
    EXPECT_EQ(PlatformText(), text);
    EXPECT_EQ(Clipboard().OpenCount(), 0);
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr) << "every call closes what it opened";

    Clipboard().Clear();
    EXPECT_FALSE(Clipboard().HasFormat(CF_UNICODETEXT));
    EXPECT_EQ(Clipboard().GetAsText(), L"");
}

TEST(Clipboard, RegisteredFormatCarriesBytesIntoAStream) {
    unsigned format = RegisterClipboardFormatName(L"Orv Test Fill");
    EXPECT_EQ(format, RegisterClipboardFormatW(L"Orv Test Fill"));
    EXPECT_GE(format, 0xC000u);
    EXPECT_EQ(RegisterClipboardFormatName(L"orv test fill"), format) << "names compare without case";

    std::vector<uint8_t> bytes;
    for (int i = 0; i < 300; ++i) bytes.push_back(static_cast<uint8_t>(i * 7));
    Clipboard().SetBuffer(format, bytes.data(), bytes.size());
    EXPECT_TRUE(Clipboard().HasFormat(format));
    TMemoryStream stream;
    stream.WriteBuffer("old", 3);
    ASSERT_TRUE(Clipboard().GetAsStream(format, stream));
    EXPECT_EQ(stream.Bytes(), bytes);
    EXPECT_EQ(stream.GetPosition(), 0);

    // From a stream, read from its start whatever its position.
    TMemoryStream source;
    source.WriteBuffer("\x01\x02\x03\x04", 4);
    Clipboard().SetAsStream(format, source);
    ASSERT_TRUE(Clipboard().GetAsStream(format, stream));
    EXPECT_EQ(stream.Bytes(), (std::vector<uint8_t>{1, 2, 3, 4}));

    // Absent data: false, the stream untouched.
    Clipboard().SetAsText(L"only text");
    EXPECT_FALSE(Clipboard().HasFormat(format)) << "a write outside an open block replaces the content";
    EXPECT_FALSE(Clipboard().GetAsStream(format, stream));
    EXPECT_EQ(stream.Bytes(), (std::vector<uint8_t>{1, 2, 3, 4}));
}

TEST(Clipboard, PayloadsOfNoneAndOneByteKeepTheirSize) {
    unsigned format = RegisterClipboardFormatName(L"Orv Test Fill");
    TMemoryStream stream;
    stream.WriteBuffer("old", 3);
    Clipboard().SetBuffer(format, nullptr, 0);
    EXPECT_TRUE(Clipboard().HasFormat(format));
    ASSERT_TRUE(Clipboard().GetAsStream(format, stream)) << "empty data is data";
    EXPECT_EQ(stream.GetSize(), 0) << "no bytes in, no bytes out";

    TMemoryStream empty;
    Clipboard().SetAsStream(format, empty);
    stream.WriteBuffer("old", 3);
    ASSERT_TRUE(Clipboard().GetAsStream(format, stream));
    EXPECT_EQ(stream.GetSize(), 0) << "from an empty stream";

    Clipboard().SetBuffer(format, "\0", 1);
    ASSERT_TRUE(Clipboard().GetAsStream(format, stream));
    EXPECT_EQ(stream.Bytes(), std::vector<uint8_t>{0}) << "one zero byte is not nothing";
    EXPECT_EQ(Clipboard().OpenCount(), 0);
}

TEST(Clipboard, AnOpenBlockPutsFormatsTogetherAndNests) {
    unsigned format = RegisterClipboardFormatName(L"Orv Test Fill");
    Clipboard().SetAsText(L"before");

    Clipboard().Open();
    Clipboard().Open();
    EXPECT_EQ(Clipboard().OpenCount(), 2);
    EXPECT_NE(GetOpenClipboardWindow(), nullptr);
    Clipboard().SetAsText(L"together");
    const char data[] = "fill";
    Clipboard().SetBuffer(format, data, sizeof data);
    Clipboard().Close();
    EXPECT_NE(GetOpenClipboardWindow(), nullptr) << "the inner close keeps it open";
    Clipboard().Close();
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr);
    Clipboard().Close();  // one too many does nothing
    EXPECT_EQ(Clipboard().OpenCount(), 0);

    EXPECT_EQ(Clipboard().GetAsText(), L"together");
    EXPECT_TRUE(Clipboard().HasFormat(format)) << "the second write of the block added, it did not replace";

    // The clipboard's own handle is readable while it stays open.
    Clipboard().Open();
    void* handle = Clipboard().GetAsHandle(format);
    ASSERT_NE(handle, nullptr);
    {
        TGlobalLock lock(handle);
        EXPECT_EQ(std::string(static_cast<const char*>(lock.Data())), "fill");
    }
    Clipboard().Close();
}

TEST(Clipboard, FailuresFreeTheBlockAndLeaveTheContent) {
    unsigned format = RegisterClipboardFormatName(L"Orv Test Fill");
    Clipboard().SetAsText(L"keep me");
    int live = TGlobalMemory::LiveCount();

    TBrokenStream huge(int64_t(1) << 50);
    EXPECT_THROW(Clipboard().SetAsStream(format, huge), EOutOfResources);
    EXPECT_EQ(TGlobalMemory::LiveCount(), live);

    TBrokenStream unreadable(64);
    EXPECT_THROW(Clipboard().SetAsStream(format, unreadable), EReadError);
    EXPECT_EQ(TGlobalMemory::LiveCount(), live) << "the allocated block was freed";

    EXPECT_EQ(Clipboard().GetAsText(), L"keep me");
    EXPECT_FALSE(Clipboard().HasFormat(format));
    EXPECT_EQ(Clipboard().OpenCount(), 0);

    // A block the clipboard takes is no longer ours.
    Clipboard().SetBuffer(format, "x", 1);
    EXPECT_EQ(TGlobalMemory::LiveCount(), live);
}
