#include "framework/Icon.h"

#include <cstdlib>

#include "framework/Canvas.h"
#include "framework/ImageFormats.h"
#include "framework/Resources.h"
#include "framework/Streams.h"

namespace orv {

namespace {

constexpr size_t kGroupEntrySize = 14;

uint16_t U16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// An icon group resource and its image resources as one ICO file. The group's entries
// are those of a file with the image's resource number where the file has its offset.
std::vector<uint8_t> IconFileFromGroup(HINSTANCE__* module, const uint8_t* group, size_t size) {
    if (size < kIconDirSize || U16(group) != 0 || U16(group + 2) != 1)
        throw EInvalidGraphic(L"Invalid icon: not an icon group");
    size_t count = U16(group + 4);
    if (count == 0 || kIconDirSize + count * kGroupEntrySize > size)
        throw EInvalidGraphic(L"Invalid icon: the group is truncated");
    std::vector<TResourceBytes> images;
    for (size_t i = 0; i < count; ++i) {
        uint16_t id = U16(group + kIconDirSize + i * kGroupEntrySize + 12);
        TResourceBytes image = FindResourceBytes(module, MAKEINTRESOURCEW(id), RT_ICON);
        if (!image) throw EInvalidGraphic(L"Invalid icon: image resource " + IntToStr(id) + L" is missing");
        images.push_back(image);
    }
    size_t offset = kIconDirSize + count * kIconDirEntrySize;
    size_t total = offset;
    for (const TResourceBytes& image : images) total += image.Size;
    // Built in place from the start: an insert into an empty vector trips a false
    // overflow warning of the 32-bit optimiser.
    std::vector<uint8_t> file(group, group + kIconDirSize);
    file.reserve(total);
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* e = group + kIconDirSize + i * kGroupEntrySize;
        file.insert(file.end(), e, e + 8);  // sizes, colours, planes, bit count
        Put32(file, static_cast<uint32_t>(images[i].Size));
        Put32(file, static_cast<uint32_t>(offset));
        offset += images[i].Size;
    }
    for (const TResourceBytes& image : images) file.insert(file.end(), image.Data, image.Data + image.Size);
    return file;
}

}  // namespace

void TIcon::Load(std::vector<uint8_t> data) {
    std::vector<TIconEntry> entries = ParseIconFile(data.data(), data.size());
    int wanted = FRequestedSize > 0 ? FRequestedSize : GetSystemMetrics(SM_CXICON);
    const TIconEntry* best = &entries[0];
    for (const TIconEntry& e : entries) {
        int d = std::abs(e.Width - wanted), bestD = std::abs(best->Width - wanted);
        if (d < bestD || (d == bestD && e.BitCount > best->BitCount)) best = &e;
    }
    TGdiIcon handle(CreateIconFromResourceEx(data.data() + best->Offset, best->Size, TRUE, 0x00030000, wanted, wanted,
                                             LR_DEFAULTCOLOR));
    if (!handle) throw EInvalidGraphic(L"Invalid icon: its image cannot be read");
    FData = std::move(data);
    FHandle = std::move(handle);
    FWidth = FHeight = wanted;
    Changed();
}

void TIcon::SetRequestedSize(int value) {
    if (value < 0) value = 0;
    if (FRequestedSize == value) return;
    FRequestedSize = value;
    if (!FData.empty()) Load(FData);
}

void TIcon::Assign(const TPersistent* source) {
    if (auto* icon = dynamic_cast<const TIcon*>(source)) {
        if (icon == this) return;
        FRequestedSize = icon->FRequestedSize;
        FTransparent = icon->FTransparent;
        if (icon->FData.empty()) {
            FData.clear();
            FHandle.Reset();
            FWidth = FHeight = 0;
            Changed();
        } else {
            Load(icon->FData);
        }
        return;
    }
    TGraphic::Assign(source);
}

void TIcon::Draw(TCanvas& canvas, const TRect& rect) {
    if (!FHandle) return;
    DrawIconEx(canvas.Handle(), rect.Left, rect.Top, FHandle.Get(), rect.Width(), rect.Height(), 0, nullptr, DI_NORMAL);
}

void TIcon::LoadFromStream(TStream& stream) {
    int64_t start = stream.GetPosition();
    int64_t remaining = stream.GetSize() - start;
    auto readMore = [&](std::vector<uint8_t>& bytes, size_t total) {
        if (static_cast<int64_t>(total) > remaining)
            throw EInvalidGraphic(L"Invalid icon: the file is truncated (" + IntToStr(remaining) + L" of " +
                                  IntToStr(static_cast<long long>(total)) + L" bytes)");
        size_t have = bytes.size();
        bytes.resize(total);
        stream.ReadBuffer(bytes.data() + have, static_cast<int64_t>(total - have));
    };
    std::vector<uint8_t> bytes;
    readMore(bytes, kIconDirSize);
    readMore(bytes, kIconDirSize + U16(bytes.data() + 4) * kIconDirEntrySize);
    readMore(bytes, IconFileExtent(bytes.data(), bytes.size()));
    Load(std::move(bytes));
}

void TIcon::SaveToStream(TStream& stream) const {
    stream.WriteBuffer(FData.data(), static_cast<int64_t>(FData.size()));
}

void TIcon::LoadFromFile(const std::wstring& fileName) {
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file);
}

void TIcon::SaveToFile(const std::wstring& fileName) const {
    TFileStream file(fileName, fmCreate);
    SaveToStream(file);
}

void TIcon::LoadResource(HINSTANCE__* module, const wchar_t* name, const std::wstring& shownName) {
    TResourceBytes group = FindResourceBytes(module, name, RT_GROUP_ICON);
    if (!group) throw EResNotFound(L"Resource " + shownName + L" not found");
    Load(IconFileFromGroup(module, group.Data, group.Size));
}

void TIcon::LoadFromResourceName(HINSTANCE__* module, const std::wstring& name) {
    LoadResource(module, name.c_str(), name);
}

void TIcon::LoadFromResourceID(HINSTANCE__* module, int id) {
    LoadResource(module, MAKEINTRESOURCEW(id), IntToStr(id));
}

void TIcon::SetData(const std::vector<uint8_t>& data) {
    if (data.empty()) {
        if (FData.empty() && !FHandle) return;
        FData.clear();
        FHandle.Reset();
        FWidth = FHeight = 0;
        Changed();
        return;
    }
    Load(data);
}

}  // namespace orv
