#pragma once
// The picture store rich panel text takes pictures from by name: TPictureContainer with its
// collection of named THTMLPicture items. THTMLPicture keeps the bytes of an image file
// (BMP, JPEG, GIF, icon, metafile) and decodes them with the system's picture loader when
// first drawn or measured; an animated GIF steps through its frames.
//
// The unit's classes live in orv::html: the paint layer has collection classes of the same
// names for its own container. Their stored class names are "THTMLPictureItem" and
// "TPictureContainer".
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/Collection.h"
#include "framework/Component.h"
#include "framework/Event.h"
#include "framework/Graphics.h"
#include "framework/Streams.h"
#include "statusbar/GifFrames.h"

struct HINSTANCE__;
struct IPicture;

namespace orv::html {

// Raised when picture bytes cannot be decoded; the message says why.
class EHTMLPictureError : public Exception {
    using Exception::Exception;
};

// Sole owner of one reference to a system picture object.
class TOlePicture {
public:
    TOlePicture() = default;
    explicit TOlePicture(IPicture* picture) : FPicture(picture) {}
    ~TOlePicture() { Reset(); }
    TOlePicture(const TOlePicture&) = delete;
    TOlePicture& operator=(const TOlePicture&) = delete;
    TOlePicture(TOlePicture&& other) noexcept;
    TOlePicture& operator=(TOlePicture&& other) noexcept;
    IPicture* Get() const { return FPicture; }
    explicit operator bool() const { return FPicture != nullptr; }
    void Reset();

private:
    IPicture* FPicture = nullptr;
};

// System picture objects alive now (tests prove a picture releases what it decoded).
int OlePictureLiveCount();

// Decodes image file bytes with the system's picture loader. Raises EHTMLPictureError with
// "Empty image stream created" (no bytes), "Could not load image. Invalid format" or
// "Could not load image", and the memory errors of the image stream.
TOlePicture LoadSystemPicture(const uint8_t* data, size_t size);

// Moves on at every change of any picture of this unit that alters what it draws (bytes,
// stretch, frame) and of any picture store's names and items: a kept face of rich text
// that shows pictures is keyed by it.
uint64_t HtmlPicturesGeneration();

class THTMLPicture : public TGraphic {
public:
    ORV_CLASS_NAME(THTMLPicture)
    THTMLPicture() = default;
    THTMLPicture(const THTMLPicture&) = delete;
    THTMLPicture& operator=(const THTMLPicture&) = delete;

    // Another THTMLPicture: its stretch, frame, ID and bytes; the animation starts afresh.
    // Null empties the picture.
    void Assign(const TPersistent* source) override;

    // Stretched into rect, or in natural size (converted with the canvas's pixels per inch)
    // at its top-left; an animated GIF's screen as its current frame shows it, over the
    // frames before it. Nothing for an empty or undecodable picture.
    void Draw(TCanvas& canvas, const TRect& rect) override;
    // Into the whole of rect whatever Stretch says (a frame at its offset scaled alike).
    void StretchDraw(TCanvas& canvas, const TRect& rect) { Render(canvas, rect, true); }
    bool Empty() const override;
    // Natural size in pixels at 96 pixels per inch; a GIF's logical screen size.
    int Width() const override;
    int Height() const override;

    // Decodes at once: raises EHTMLPictureError and leaves the picture empty when the bytes
    // are not a picture. Null does nothing.
    void LoadFromStream(TStream* stream);
    // Catches every error: a missing or unreadable file leaves the picture empty.
    void LoadFromFile(const std::wstring& fileName);
    void SaveToStream(TStream* stream) const;
    // A raw-data resource; nothing when the module has none of that name.
    void LoadFromResourceName(HINSTANCE__* module, const std::wstring& name);
    // Raises EResNotFound when the module has no raw-data resource of that number.
    void LoadFromResourceID(HINSTANCE__* module, int id);
    // "RES://name" (the program's module) or "FILE://path", prefixes in any case. Any other
    // URL is only recorded as ID: web pictures are not fetched.
    void LoadFromURL(const std::wstring& url);

    // The stored "Data": the image file's bytes. Setting stores them only; they are decoded
    // when first drawn or measured, and bytes that do not decode then draw nothing. The
    // frame set before stays when the bytes have it (a layout may give Frame first).
    std::vector<uint8_t> GetData() const { return FData; }
    void SetData(const std::vector<uint8_t>& value);

    bool GetStretch() const { return FStretch; }
    void SetStretch(bool value);
    // 1-based frame of an animated GIF (stored); setting another valid frame decodes it and
    // fires OnFrameChange. Without bytes yet the value waits for them.
    int GetFrame() const { return FFrame; }
    void SetFrame(int value);
    int FrameCount() const;
    int MaxWidth() const;
    int MaxHeight() const;
    int FrameXPos() const;
    int FrameYPos() const;
    // The frame's delay in hundredths of a second (0 when the picture has no frames).
    int FrameDelay() const;
    void FrameNext();
    void FramePrev();
    // One animation tick of 100 ms: true when the picture moved to another frame.
    bool Step();

    bool Busy() const { return false; }
    bool GetAsynch() const { return FAsynch; }
    void SetAsynch(bool value) { FAsynch = value; }
    const std::wstring& ID() const { return FID; }
    bool IsDB() const { return false; }
    bool IsGIF() const { return Info().IsGif; }

    TNotifyEvent OnFrameChange;
    // Download events of the URL loading; web pictures are never fetched, so they stay silent.
    TEvent<TObject*, const std::wstring&> OnDownLoadError;
    TNotifyEvent OnDownLoadComplete;
    TEvent<TObject*, bool&> OnDownLoadCancel;
    TEvent<TObject*, uint32_t, uint32_t> OnDownLoadProgress;

private:
    void Render(TCanvas& canvas, const TRect& rect, bool stretch);
    void SetBytes(std::vector<uint8_t> bytes);
    void ResetAnimation();
    const TGifInfo& Info() const;
    // The decoded current frame, decoded now when needed; null when it does not decode.
    IPicture* Decoded() const;
    void DecodeOrThrow() const;
    // The screen of an animated GIF at the current frame; null when it cannot be composed.
    const TGifImage* ComposedScreen() const;

    std::vector<uint8_t> FData;
    std::wstring FID;
    bool FStretch = false;
    bool FAsynch = false;
    int FFrame = 1;
    int FNextFrameTime = -1;
    int FTicks = -1;
    mutable int FFrameCount = -1;  // -1: not scanned yet
    mutable TGifInfo FInfo;
    mutable TOlePicture FPicture;
    mutable bool FDecodeTried = false;
    mutable TGifComposer FComposer;  // the screen of an animated GIF at the current frame
};

class TPictureItem : public TCollectionItem {
public:
    const wchar_t* ClassName() const override { return L"THTMLPictureItem"; }
    explicit TPictureItem(TCollection* collection);
    ~TPictureItem() override;

    // Copies name, tag and picture.
    void Assign(const TPersistent* source) override;
    std::wstring GetDisplayName() const override { return FName; }

    THTMLPicture& GetPicture() { return FPicture; }
    void SetPicture(const THTMLPicture& value) { FPicture.Assign(&value); }
    const std::wstring& GetName() const { return FName; }
    void SetName(const std::wstring& value);
    int32_t GetTag() const { return FTag; }
    void SetTag(int32_t value) { FTag = value; }

private:
    THTMLPicture FPicture;
    std::wstring FName;
    int32_t FTag = 0;
};

class TPictureCollection : public TTypedCollection<TPictureItem> {
public:
    ORV_CLASS_NAME(TPictureCollection)
    explicit TPictureCollection(TPersistent* owner) : TTypedCollection(owner) {}
    // Steps every item's picture; true when any moved to another frame (the owner repaints).
    bool Animate();
};

class TPictureContainer : public TComponent {
public:
    ORV_CLASS_NAME(TPictureContainer)
    explicit TPictureContainer(TComponent* owner);

    TPictureCollection& GetItems() { return FItems; }
    // Copies the given items.
    void SetItems(const TPictureCollection& value) { FItems.Assign(&value); }
    // The picture of the first item whose name equals name without regard to case; null when
    // none does.
    THTMLPicture* FindPicture(const std::wstring& name);

private:
    TPictureCollection FItems;
};

// Published properties of the picture store, for stored layouts.
void RegisterPictureContainerClasses();

}  // namespace orv::html
