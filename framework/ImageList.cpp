#include "framework/ImageList.h"

#include <algorithm>

namespace orv {

namespace {

uint64_t NextImageListVersion() {
    static uint64_t last = 0;
    return ++last;
}

int& LiveImageLists() {
    static int count = 0;
    return count;
}

// Greys never have this colour (their channels are equal), so it keys them out.
constexpr COLORREF kDisabledKey = RGB(255, 0, 255);

// Luminance, lifted into the upper grey range so that black glyphs read as disabled.
uint32_t DisabledGrey(uint32_t pixel) {
    uint32_t r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    uint32_t l = (r * 30 + g * 59 + b * 11) / 100;
    uint32_t grey = 96 + l * 5 / 8;
    return (grey << 16) | (grey << 8) | grey;
}

}  // namespace

int ImageListLiveCount() {
    return LiveImageLists();
}

TImageListHandle::TImageListHandle(HIMAGELIST handle) : FHandle(handle) {
    if (FHandle) ++LiveImageLists();
}

TImageListHandle& TImageListHandle::operator=(TImageListHandle&& other) noexcept {
    if (this != &other) {
        Reset();
        FHandle = std::exchange(other.FHandle, nullptr);
    }
    return *this;
}

void TImageListHandle::Reset(HIMAGELIST handle) {
    if (FHandle) {
        ImageList_Destroy(FHandle);
        --LiveImageLists();
    }
    FHandle = handle;
    if (FHandle) ++LiveImageLists();
}

TChangeLink::~TChangeLink() {
    if (FSender) FSender->UnRegisterChanges(this);
}

TImageList::TImageList(TComponent* owner) : TComponent(owner), FVersion(NextImageListVersion()) {
    CreateList();
}

void TImageList::BeforeDestruction() {
    Destroying();
    for (TChangeLink* link : FLinks) link->FSender = nullptr;
    FLinks.clear();
    TComponent::BeforeDestruction();
}

void TImageList::CreateList() {
    // 24-bit colour with a mask: the mask alone decides transparency.
    FHandle.Reset(ImageList_Create(FWidth, FHeight, ILC_COLOR24 | ILC_MASK, 4, 4));
}

void TImageList::SetWidth(int value) {
    SetSize(value, FHeight);
}
void TImageList::SetHeight(int value) {
    SetSize(FWidth, value);
}

void TImageList::SetSize(int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (width == FWidth && height == FHeight) return;
    FWidth = width;
    FHeight = height;
    CreateList();
    Change();
}

int TImageList::Count() const {
    return FHandle.Get() ? ImageList_GetImageCount(FHandle.Get()) : 0;
}

int TImageList::Add(TBitmap& image, TBitmap* mask) {
    if (image.Empty() || !FHandle.Get()) return -1;
    // The list selects the bitmaps into its own DCs: hand it copies no canvas holds.
    TBitmap imageCopy;
    imageCopy.Assign(&image);
    TBitmap maskCopy;
    if (mask) maskCopy.Assign(mask);
    int index = ImageList_Add(FHandle.Get(), imageCopy.Handle(), mask ? maskCopy.Handle() : nullptr);
    if (index >= 0) Change();
    return index;
}

int TImageList::AddMasked(TBitmap& image, TColor maskColor) {
    if (image.Empty() || !FHandle.Get()) return -1;
    // The platform blackens the masked pixels of the bitmap it is given: give it a copy.
    TBitmap imageCopy;
    imageCopy.Assign(&image);
    int index = ImageList_AddMasked(FHandle.Get(), imageCopy.Handle(), ToColorRef(maskColor));
    if (index >= 0) Change();
    return index;
}

void TImageList::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    ImageList_Remove(FHandle.Get(), index);
    Change();
}

void TImageList::Clear() {
    if (Count() == 0) return;
    ImageList_RemoveAll(FHandle.Get());
    Change();
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) {
    if (index < 0 || index >= Count()) return;
    HDC dc = canvas.Handle();
    if (!dc) return;
    if (enabled)
        ImageList_Draw(FHandle.Get(), index, dc, x, y, ILD_NORMAL);
    else
        DrawDisabled(dc, x, y, index);
}

void TImageList::DrawDisabled(HDC dc, int x, int y, int index) {
    // The image over black and over white: pixels that differ are transparent, the
    // rest are the image's own. No reliance on how the list stores its mask.
    TBitmap overBlack(FWidth, FHeight);
    TBitmap overWhite(FWidth, FHeight);
    ImageList_Draw(FHandle.Get(), index, overBlack.Canvas().Handle(), 0, 0, ILD_NORMAL);
    PatBlt(overWhite.Canvas().Handle(), 0, 0, FWidth, FHeight, WHITENESS);
    ImageList_Draw(FHandle.Get(), index, overWhite.Canvas().Handle(), 0, 0, ILD_NORMAL);
    uint32_t key = (GetRValue(kDisabledKey) << 16) | (GetGValue(kDisabledKey) << 8) | GetBValue(kDisabledKey);
    for (int row = 0; row < FHeight; ++row) {
        uint32_t* black = overBlack.ScanLine(row);
        const uint32_t* white = overWhite.ScanLine(row);
        for (int col = 0; col < FWidth; ++col) {
            bool transparent = (black[col] & 0xFFFFFF) != (white[col] & 0xFFFFFF);
            black[col] = transparent ? key : DisabledGrey(black[col]);
        }
    }
    TransparentBlt(dc, x, y, FWidth, FHeight, overBlack.Canvas().Handle(), 0, 0, FWidth, FHeight, kDisabledKey);
}

bool TImageList::GetBitmap(int index, TBitmap& image, TColor background) {
    if (index < 0 || index >= Count()) return false;
    image.SetSize(FWidth, FHeight);
    TCanvas& canvas = image.Canvas();
    canvas.Brush().SetColor(background);
    canvas.FillRect({0, 0, FWidth, FHeight});
    ImageList_Draw(FHandle.Get(), index, canvas.Handle(), 0, 0, ILD_NORMAL);
    return true;
}

void TImageList::RegisterChanges(TChangeLink* link) {
    if (!link || link->FSender == this) return;
    if (link->FSender) link->FSender->UnRegisterChanges(link);
    link->FSender = this;
    FLinks.push_back(link);
}

void TImageList::UnRegisterChanges(TChangeLink* link) {
    if (!link) return;
    auto it = std::find(FLinks.begin(), FLinks.end(), link);
    if (it == FLinks.end()) return;
    FLinks.erase(it);
    link->FSender = nullptr;
}

void TImageList::Change() {
    FVersion = NextImageListVersion();
    // A handler may unregister its link: walk a copy and skip links gone meanwhile.
    auto links = FLinks;
    for (TChangeLink* link : links)
        if (std::find(FLinks.begin(), FLinks.end(), link) != FLinks.end()) link->OnChange(this);
    OnChange(this);
}

}  // namespace orv
