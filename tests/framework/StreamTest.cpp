// Memory, file and resource streams.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "framework/Resources.h"
#include "framework/Streams.h"

using namespace orv;

TEST(Streams, MemoryStreamReadsWritesSeeksAndGrows) {
    TMemoryStream s;
    const char text[] = "abcdef";
    s.WriteBuffer(text, 6);
    EXPECT_EQ(s.GetSize(), 6);
    EXPECT_EQ(s.GetPosition(), 6);
    s.SetPosition(4);
    s.WriteBuffer("XYZ", 3);  // overwrites two bytes and appends one
    EXPECT_EQ(s.GetSize(), 7);
    EXPECT_EQ(std::string(s.Bytes().begin(), s.Bytes().end()), "abcdXYZ");

    EXPECT_EQ(s.Seek(-2, TSeekOrigin::soEnd), 5);
    EXPECT_EQ(s.Seek(-100, TSeekOrigin::soCurrent), 0) << "clamped at the start";
    char buf[8] = {};
    EXPECT_EQ(s.Read(buf, 100), 7) << "a plain read returns what there is";
    EXPECT_EQ(s.Read(buf, 1), 0);
    s.SetPosition(5);
    EXPECT_THROW(s.ReadBuffer(buf, 3), EReadError) << "ReadBuffer is all or nothing";
    s.SetSize(2);
    EXPECT_EQ(s.GetPosition(), 2);
    s.Clear();
    EXPECT_EQ(s.GetSize(), 0);
}

TEST(Streams, CopyAndFilesRoundTrip) {
    TMemoryStream a;
    std::vector<uint8_t> bytes(100000);
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 7);
    a.SetBytes(bytes);
    a.SetPosition(50);
    TMemoryStream b;
    EXPECT_EQ(b.CopyFrom(a, 0), 100000) << "0 copies the whole source from its start";
    EXPECT_EQ(b.Bytes(), bytes);

    auto path = (std::filesystem::temp_directory_path() / L"orv_stream_test.bin").wstring();
    b.SaveToFile(path);
    TMemoryStream c;
    c.LoadFromFile(path);
    EXPECT_EQ(c.Bytes(), bytes);
    {
        TFileStream f(path, fmOpenReadWrite);
        EXPECT_EQ(f.GetSize(), 100000);
        f.SetSize(10);
        f.Seek(0, TSeekOrigin::soEnd);
        f.WriteBuffer("!", 1);
    }
    c.LoadFromFile(path);
    EXPECT_EQ(c.GetSize(), 11);
    EXPECT_EQ(c.Bytes()[10], '!');
    std::filesystem::remove(path);
    try {
        TFileStream missing(path, fmOpenRead);
        ADD_FAILURE();
    } catch (const EFOpenError& e) {
        EXPECT_NE(e.Message().find(path), std::wstring::npos);
    }
}

TEST(Streams, ResourceStreamNamesAMissingResource) {
    try {
        TResourceStream s(MainInstance(), L"NO_SUCH_THING", RawDataResourceType());
        ADD_FAILURE();
    } catch (const EResNotFound& e) {
        EXPECT_EQ(e.Message(), L"Resource NO_SUCH_THING not found");
    }
    EXPECT_THROW(TResourceStream(MainInstance(), 4711, RawDataResourceType()), EResNotFound);
    EXPECT_FALSE(ResourceExists(MainInstance(), L"NO_SUCH_THING", RawDataResourceType()));
}
