#pragma once
// TImageList: a list of equally sized images with masks, kept in a common-controls
// image list. Components that show its images register a TChangeLink and hear every
// change; a link outlives its list safely (the list clears the link's sender).
#include <windows.h>
#include <commctrl.h>

#include <utility>
#include <vector>

#include "framework/Bitmap.h"
#include "framework/Component.h"
#include "framework/Event.h"

namespace orv {

class TImageList;

// Number of live native image lists; tests read it to prove nothing leaked.
int ImageListLiveCount();

// Sole owner of an HIMAGELIST.
class TImageListHandle {
public:
    TImageListHandle() = default;
    explicit TImageListHandle(HIMAGELIST handle);
    ~TImageListHandle() { Reset(); }
    TImageListHandle(const TImageListHandle&) = delete;
    TImageListHandle& operator=(const TImageListHandle&) = delete;
    TImageListHandle(TImageListHandle&& other) noexcept : FHandle(std::exchange(other.FHandle, nullptr)) {}
    TImageListHandle& operator=(TImageListHandle&& other) noexcept;
    HIMAGELIST Get() const { return FHandle; }
    void Reset(HIMAGELIST handle = nullptr);

private:
    HIMAGELIST FHandle = nullptr;
};

// A component's subscription to an image list's changes. Unregisters itself when it dies.
class TChangeLink {
public:
    TChangeLink() = default;
    ~TChangeLink();
    TChangeLink(const TChangeLink&) = delete;
    TChangeLink& operator=(const TChangeLink&) = delete;

    TImageList* Sender() const { return FSender; }
    // Called with the image list after each change.
    TNotifyEvent OnChange;

private:
    friend class TImageList;
    TImageList* FSender = nullptr;
};

class TImageList : public TComponent {
public:
    ORV_CLASS_NAME(TImageList)
    explicit TImageList(TComponent* owner);

    int GetWidth() const { return FWidth; }
    int GetHeight() const { return FHeight; }
    // Changing the image size empties the list.
    void SetWidth(int value);
    void SetHeight(int value);
    void SetSize(int width, int height);
    int Count() const;
    HIMAGELIST Handle() const { return FHandle.Get(); }

    // Adds the images of a strip (one per Width pixels); the mask's white pixels are
    // transparent. Returns the index of the first added image, -1 on failure.
    int Add(TBitmap& image, TBitmap* mask = nullptr);
    // Adds the images of a strip with maskColor transparent (the bitmap is not changed).
    int AddMasked(TBitmap& image, TColor maskColor);
    void Delete(int index);
    void Clear();

    // Draws image index at (x, y); a disabled image is drawn greyed. Out-of-range
    // indexes draw nothing.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true);
    // Sizes image to one image, fills it with background and draws the image on it.
    bool GetBitmap(int index, TBitmap& image, TColor background = clWhite);

    void RegisterChanges(TChangeLink* link);
    void UnRegisterChanges(TChangeLink* link);

    // Differs between lists and moves on at every change: what is drawn from a list is
    // known by it (a kept face of a button, say).
    uint64_t Version() const { return FVersion; }

    TNotifyEvent OnChange;

protected:
    void BeforeDestruction() override;
    void Change();

private:
    void CreateList();
    void DrawDisabled(HDC dc, int x, int y, int index);

    int FWidth = 16;
    int FHeight = 16;
    TImageListHandle FHandle;
    std::vector<TChangeLink*> FLinks;
    uint64_t FVersion = 0;
};

}  // namespace orv
