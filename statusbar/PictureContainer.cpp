#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include "statusbar/PictureContainer.h"

#include <algorithm>

#include "framework/Canvas.h"
#include "framework/ClassRegistry.h"
#include "framework/GdiHandles.h"
#include "framework/Resources.h"
#include "paint/OrvGDIP.h"
#include "paint/PaintClasses.h"

namespace orv::html {

namespace {

int gOlePictures = 0;

// HIMETRIC (hundredths of a millimetre) to pixels at the given resolution.
int HimetricToPixels(long himetric, int pixelsPerInch) {
    return MulDiv(static_cast<int>(himetric), pixelsPerInch, 2540);
}

bool HasPrefix(const std::wstring& text, const wchar_t* prefix) {
    const size_t n = wcslen(prefix);
    return text.size() > n && SameText(text.substr(0, n), prefix);
}

// A 32-bit top-down DIB section of the given size and its bits.
TGdiBitmap MakeDib(int width, int height, uint32_t*& bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* raw = nullptr;
    TGdiBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &raw, nullptr, 0));
    bits = bitmap ? static_cast<uint32_t*>(raw) : nullptr;
    return bitmap;
}

// A decoded frame as pixels: drawn once on black and once on white, a pixel that comes out
// the same both times is the frame's own, one that differs is clear.
TGifImage FrameImage(IPicture* picture) {
    OLE_XSIZE_HIMETRIC hmWidth = 0;
    OLE_YSIZE_HIMETRIC hmHeight = 0;
    if (!picture || FAILED(picture->get_Width(&hmWidth)) || FAILED(picture->get_Height(&hmHeight))) return {};
    const int w = HimetricToPixels(hmWidth, 96), h = HimetricToPixels(hmHeight, 96);
    if (w <= 0 || h <= 0 || static_cast<int64_t>(w) * h > kMaxGifComposedPixels) return {};
    TGdiMemoryDC dc(CreateCompatibleDC(nullptr));
    uint32_t* onBlack = nullptr;
    uint32_t* onWhite = nullptr;
    TGdiBitmap black = MakeDib(w, h, onBlack);
    TGdiBitmap white = MakeDib(w, h, onWhite);
    if (!dc || !onBlack || !onWhite) return {};
    const size_t count = static_cast<size_t>(w) * static_cast<size_t>(h);
    std::fill(onBlack, onBlack + count, 0u);
    std::fill(onWhite, onWhite + count, 0xFFFFFFu);
    for (HBITMAP target : {black.Get(), white.Get()}) {
        TSelectGuard select(dc.Get(), target);
        picture->Render(dc.Get(), 0, 0, w, h, 0, hmHeight, hmWidth, -hmHeight, nullptr);
    }
    GdiFlush();
    TGifImage image{w, h, std::vector<uint32_t>(count)};
    for (size_t i = 0; i < count; ++i) {
        const uint32_t a = onBlack[i] & 0xFFFFFFu, b = onWhite[i] & 0xFFFFFFu;
        image.Pixels[i] = a == b ? 0xFF000000u | a : 0u;
    }
    return image;
}

// Draws a composed screen into dest, its clear pixels leaving what lies beneath.
void DrawScreen(HDC dc, const TGifImage& screen, const TRect& dest) {
    if (dest.IsEmpty()) return;
    uint32_t* bits = nullptr;
    TGdiBitmap bitmap = MakeDib(screen.Width, screen.Height, bits);
    TGdiMemoryDC source(CreateCompatibleDC(dc));
    if (!bits || !source) return;
    // Alpha is 0 or 255, so the premultiplied pixel is the pixel or nothing.
    std::copy(screen.Pixels.begin(), screen.Pixels.end(), bits);
    GdiFlush();
    TSelectGuard select(source.Get(), bitmap.Get());
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, dest.Left, dest.Top, dest.Width(), dest.Height(), source.Get(), 0, 0, screen.Width, screen.Height,
               blend);
}

}  // namespace

// --- TOlePicture ---------------------------------------------------------------------------

TOlePicture::TOlePicture(TOlePicture&& other) noexcept : FPicture(std::exchange(other.FPicture, nullptr)) {}

TOlePicture& TOlePicture::operator=(TOlePicture&& other) noexcept {
    if (this != &other) {
        Reset();
        FPicture = std::exchange(other.FPicture, nullptr);
    }
    return *this;
}

void TOlePicture::Reset() {
    if (!FPicture) return;
    FPicture->Release();
    FPicture = nullptr;
    --gOlePictures;
}

int OlePictureLiveCount() {
    return gOlePictures;
}

TOlePicture LoadSystemPicture(const uint8_t* data, size_t size) {
    if (!data || size == 0) throw EHTMLPictureError(L"Empty image stream created");
    TComStream stream = CreateImageStream(data, size);
    if (!stream) throw EHTMLPictureError(L"Could not create image stream");
    IPicture* picture = nullptr;
    HRESULT hr =
        OleLoadPicture(stream.Get(), static_cast<LONG>(size), FALSE, IID_IPicture, reinterpret_cast<void**>(&picture));
    if (FAILED(hr) || !picture) {
        if (picture) picture->Release();
        if (hr == CTL_E_INVALIDPICTURE) throw EHTMLPictureError(L"Could not load image. Invalid format");
        throw EHTMLPictureError(L"Could not load image");
    }
    ++gOlePictures;
    return TOlePicture(picture);
}

// --- THTMLPicture --------------------------------------------------------------------------

namespace {
uint64_t gPicturesGeneration = 1;
void PicturesChanged() {
    ++gPicturesGeneration;
}
}  // namespace

uint64_t HtmlPicturesGeneration() {
    return gPicturesGeneration;
}

void THTMLPicture::Assign(const TPersistent* source) {
    if (!source) {
        SetBytes({});
        FID.clear();
        return;
    }
    if (auto* other = dynamic_cast<const THTMLPicture*>(source)) {
        if (other == this) return;
        FStretch = other->FStretch;
        FID = other->FID;
        FData = other->FData;
        FFrameCount = -1;
        FPicture.Reset();
        FDecodeTried = false;
        FComposer.Reset();
        ResetAnimation();
        FFrame = std::clamp(other->FFrame, 1, std::max(1, FrameCount()));
        PicturesChanged();
        Changed();
        return;
    }
    TGraphic::Assign(source);
}

void THTMLPicture::ResetAnimation() {
    FNextFrameTime = -1;
    FTicks = -1;
}

void THTMLPicture::SetBytes(std::vector<uint8_t> bytes) {
    FData = std::move(bytes);
    FPicture.Reset();
    FDecodeTried = false;
    FComposer.Reset();
    FFrameCount = -1;
    FFrame = 1;
    ResetAnimation();
    PicturesChanged();
    Changed();
}

void THTMLPicture::SetData(const std::vector<uint8_t>& value) {
    const int frame = FFrame;
    SetBytes(value);
    if (frame > 1 && frame <= FrameCount()) FFrame = frame;
}

const TGifInfo& THTMLPicture::Info() const {
    if (FFrameCount < 0) {
        FInfo = ScanGifFrames(FData.data(), FData.size());
        FFrameCount = static_cast<int>(FInfo.Frames.size());
    }
    return FInfo;
}

int THTMLPicture::FrameCount() const {
    Info();
    return FFrameCount;
}

void THTMLPicture::DecodeOrThrow() const {
    FDecodeTried = true;
    FPicture.Reset();
    const TGifInfo& info = Info();
    if (info.IsGif && info.Frames.size() >= 2) {
        // Only the current frame's blocks follow the header, so the loader shows that frame.
        std::vector<uint8_t> bytes =
            GifFrameBytes(FData.data(), FData.size(), info, static_cast<size_t>(std::max(FFrame, 1) - 1));
        FPicture = LoadSystemPicture(bytes.data(), bytes.size());
    } else {
        FPicture = LoadSystemPicture(FData.data(), FData.size());
    }
}

const TGifImage* THTMLPicture::ComposedScreen() const {
    IPicture* current = Decoded();
    if (!current) return nullptr;
    const size_t index = static_cast<size_t>(std::max(FFrame, 1) - 1);
    const TGifInfo& info = Info();
    return FComposer.Compose(info, index, [&](size_t i) -> TGifImage {
        if (i == index) return FrameImage(current);
        // An earlier frame is decoded for as long as it takes to take its pixels.
        try {
            std::vector<uint8_t> bytes = GifFrameBytes(FData.data(), FData.size(), info, i);
            TOlePicture frame = LoadSystemPicture(bytes.data(), bytes.size());
            return FrameImage(frame.Get());
        } catch (const Exception&) {
            return {};
        }
    });
}

IPicture* THTMLPicture::Decoded() const {
    if (!FDecodeTried && !FData.empty()) {
        try {
            DecodeOrThrow();
        } catch (const Exception&) {
            FPicture.Reset();  // undecodable bytes draw nothing
        }
    }
    return FPicture.Get();
}

bool THTMLPicture::Empty() const {
    return FData.empty();
}

int THTMLPicture::Width() const {
    const TGifInfo& info = Info();
    if (info.IsGif && info.ScreenWidth > 0 && Decoded()) return info.ScreenWidth;
    IPicture* picture = Decoded();
    OLE_XSIZE_HIMETRIC w = 0;
    if (!picture || FAILED(picture->get_Width(&w))) return 0;
    return HimetricToPixels(w, 96);
}

int THTMLPicture::Height() const {
    const TGifInfo& info = Info();
    if (info.IsGif && info.ScreenHeight > 0 && Decoded()) return info.ScreenHeight;
    IPicture* picture = Decoded();
    OLE_YSIZE_HIMETRIC h = 0;
    if (!picture || FAILED(picture->get_Height(&h))) return 0;
    return HimetricToPixels(h, 96);
}

int THTMLPicture::MaxWidth() const {
    return Info().ScreenWidth;
}

int THTMLPicture::MaxHeight() const {
    return Info().ScreenHeight;
}

int THTMLPicture::FrameXPos() const {
    const TGifInfo& info = Info();
    const size_t i = static_cast<size_t>(std::max(FFrame, 1) - 1);
    return i < info.Frames.size() ? info.Frames[i].Left : 0;
}

int THTMLPicture::FrameYPos() const {
    const TGifInfo& info = Info();
    const size_t i = static_cast<size_t>(std::max(FFrame, 1) - 1);
    return i < info.Frames.size() ? info.Frames[i].Top : 0;
}

int THTMLPicture::FrameDelay() const {
    const TGifInfo& info = Info();
    const size_t i = static_cast<size_t>(std::max(FFrame, 1) - 1);
    return i < info.Frames.size() ? info.Frames[i].Delay : 0;
}

void THTMLPicture::Draw(TCanvas& canvas, const TRect& rect) {
    Render(canvas, rect, FStretch);
}

void THTMLPicture::Render(TCanvas& canvas, const TRect& rect, bool stretch) {
    IPicture* picture = Decoded();
    if (!picture) return;
    OLE_XSIZE_HIMETRIC hmWidth = 0;
    OLE_YSIZE_HIMETRIC hmHeight = 0;
    picture->get_Width(&hmWidth);
    picture->get_Height(&hmHeight);
    if (hmWidth <= 0 || hmHeight <= 0) return;
    HDC dc = canvas.Handle();
    TRect dest = rect;
    if (!stretch) {
        const int w = HimetricToPixels(hmWidth, GetDeviceCaps(dc, LOGPIXELSX));
        const int h = HimetricToPixels(hmHeight, GetDeviceCaps(dc, LOGPIXELSY));
        dest = Bounds(rect.Left, rect.Top, w, h);
    }
    const TGifInfo& info = Info();
    if (info.Frames.size() >= 2) {
        // The screen as the frames up to the current one build it.
        if (const TGifImage* screen = ComposedScreen()) {
            if (!stretch)
                dest = Bounds(rect.Left, rect.Top, MulDiv(info.ScreenWidth, GetDeviceCaps(dc, LOGPIXELSX), 96),
                              MulDiv(info.ScreenHeight, GetDeviceCaps(dc, LOGPIXELSY), 96));
            DrawScreen(dc, *screen, dest);
            return;
        }
        // Too large to compose: the frame alone at its offset in the logical screen, unless the
        // loader already placed it on a screen-sized picture.
        const int w = HimetricToPixels(hmWidth, 96), h = HimetricToPixels(hmHeight, 96);
        if (w != info.ScreenWidth || h != info.ScreenHeight) {
            int x = FrameXPos(), y = FrameYPos();
            if (stretch && info.ScreenWidth > 0 && info.ScreenHeight > 0) {
                x = MulDiv(x, rect.Width(), info.ScreenWidth);
                y = MulDiv(y, rect.Height(), info.ScreenHeight);
                dest = Bounds(rect.Left + x, rect.Top + y, MulDiv(w, rect.Width(), info.ScreenWidth),
                              MulDiv(h, rect.Height(), info.ScreenHeight));
            } else {
                dest = dest.Offset(x, y);
            }
        }
    }
    picture->Render(dc, dest.Left, dest.Top, dest.Width(), dest.Height(), 0, hmHeight, hmWidth, -hmHeight, nullptr);
}

void THTMLPicture::LoadFromStream(TStream* stream) {
    if (!stream) return;
    std::vector<uint8_t> bytes(static_cast<size_t>(std::max<int64_t>(0, stream->GetSize() - stream->GetPosition())));
    if (!bytes.empty())
        bytes.resize(static_cast<size_t>(stream->Read(bytes.data(), static_cast<int64_t>(bytes.size()))));
    SetBytes(std::move(bytes));
    try {
        DecodeOrThrow();
    } catch (...) {
        SetBytes({});
        throw;
    }
}

void THTMLPicture::LoadFromFile(const std::wstring& fileName) {
    try {
        TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
        LoadFromStream(&file);
    } catch (const Exception&) {
        SetBytes({});
    }
}

void THTMLPicture::SaveToStream(TStream* stream) const {
    if (stream && !FData.empty()) stream->WriteBuffer(FData.data(), static_cast<int64_t>(FData.size()));
}

void THTMLPicture::LoadFromResourceName(HINSTANCE__* module, const std::wstring& name) {
    if (!ResourceExists(module, name, RawDataResourceType())) return;
    TResourceStream stream(module, name, RawDataResourceType());
    LoadFromStream(&stream);
}

void THTMLPicture::LoadFromResourceID(HINSTANCE__* module, int id) {
    TResourceStream stream(module, id, RawDataResourceType());
    LoadFromStream(&stream);
}

void THTMLPicture::LoadFromURL(const std::wstring& url) {
    FID = url;
    if (HasPrefix(url, L"RES://")) {
        LoadFromResourceName(MainInstance(), url.substr(6));
    } else if (HasPrefix(url, L"FILE://")) {
        LoadFromFile(url.substr(7));
    }
    FID = url;  // loading clears nothing but the bytes; the reference stays
}

void THTMLPicture::SetStretch(bool value) {
    if (FStretch == value) return;
    FStretch = value;
    PicturesChanged();
    Changed();
}

void THTMLPicture::SetFrame(int value) {
    if (value == FFrame || value < 1) return;
    PicturesChanged();
    if (FData.empty()) {
        FFrame = value;  // the bytes come later (a layout may give Frame first)
        return;
    }
    if (value > FrameCount()) return;
    FFrame = value;
    FPicture.Reset();
    FDecodeTried = false;
    OnFrameChange(this);
}

void THTMLPicture::FrameNext() {
    const int count = FrameCount();
    if (count >= 2) SetFrame(FFrame >= count ? 1 : FFrame + 1);
}

void THTMLPicture::FramePrev() {
    const int count = FrameCount();
    if (count >= 2) SetFrame(FFrame <= 1 ? count : FFrame - 1);
}

bool THTMLPicture::Step() {
    if (FrameCount() < 2) return false;
    if (FNextFrameTime < 0) FNextFrameTime = FrameDelay();
    bool moved = false;
    if (static_cast<int64_t>(FTicks) * 10 >= FNextFrameTime) {
        FrameNext();
        FNextFrameTime += FrameDelay();
        moved = true;
    }
    ++FTicks;
    return moved;
}

// --- items, collection, container ----------------------------------------------------------

TPictureItem::TPictureItem(TCollection* collection) : TCollectionItem(collection) {
    FPicture.OnChange = [this](TObject*) { Changed(false); };
    PicturesChanged();  // a name may find this picture now
}

TPictureItem::~TPictureItem() {
    PicturesChanged();
}

void TPictureItem::Assign(const TPersistent* source) {
    if (auto* item = dynamic_cast<const TPictureItem*>(source)) {
        FName = item->FName;
        FTag = item->FTag;
        FPicture.Assign(&item->FPicture);
        return;
    }
    TCollectionItem::Assign(source);
}

void TPictureItem::SetName(const std::wstring& value) {
    if (FName == value) return;
    FName = value;
    PicturesChanged();
    Changed(false);
}

bool TPictureCollection::Animate() {
    bool moved = false;
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->GetPicture().Step()) moved = true;
    return moved;
}

TPictureContainer::TPictureContainer(TComponent* owner) : TComponent(owner), FItems(this) {}

THTMLPicture* TPictureContainer::FindPicture(const std::wstring& name) {
    for (int i = 0; i < FItems.Count(); ++i) {
        TPictureItem* item = FItems.Items(i);
        if (SameText(item->GetName(), name)) return &item->GetPicture();
    }
    return nullptr;
}

void RegisterPictureContainerClasses() {
    if (!TClassRegistry::Find(L"TGraphic")) RegisterPaintClasses();
    TClassBuilder<THTMLPicture>(L"THTMLPicture", L"TGraphic")
        .Bool(L"Stretch", &THTMLPicture::GetStretch, &THTMLPicture::SetStretch)
        .Binary(L"Data", &THTMLPicture::GetData, &THTMLPicture::SetData)
        .StoredIf([](THTMLPicture* p) { return !p->Empty(); })
        .Int(L"Frame", &THTMLPicture::GetFrame, &THTMLPicture::SetFrame);
    TClassBuilder<TPictureItem>(L"THTMLPictureItem", L"TPersistent")
        .Object(L"Picture", &TPictureItem::GetPicture)
        .String(L"Name", &TPictureItem::GetName, &TPictureItem::SetName)
        .Int(L"Tag", &TPictureItem::GetTag, &TPictureItem::SetTag);
    TClassBuilder<TPictureContainer>(L"TPictureContainer", L"TComponent")
        .Factory()
        .Collection(L"Items", &TPictureContainer::GetItems);
}

}  // namespace orv::html
