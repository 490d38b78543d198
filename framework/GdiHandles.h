#pragma once
// One move-only owner per GDI handle, with live counts per kind. The counts let tests
// prove that a paint releases everything it made (the platform's own GUI resource
// count is not available everywhere).
#include <windows.h>

#include <utility>

namespace orv {

enum class TGdiKind { Pen, Brush, Font, Bitmap, Region, MemoryDC, WindowDC, Icon, Count };

int GdiLiveCount(TGdiKind kind);
int GdiLiveTotal();

namespace detail {
void GdiCountUp(TGdiKind kind);
void GdiCountDown(TGdiKind kind);

struct DeleteObjectTraits {
    static void Destroy(HGDIOBJ h) { DeleteObject(h); }
};
struct DeleteDCTraits {
    static void Destroy(HDC h) { DeleteDC(h); }
};
struct DestroyIconTraits {
    static void Destroy(HICON h) { DestroyIcon(h); }
};
}  // namespace detail

template <class H, TGdiKind Kind, class Traits>
class TGdiHandle {
public:
    TGdiHandle() = default;
    // Takes ownership of a freshly created handle (null is allowed and owns nothing).
    explicit TGdiHandle(H handle) : FHandle(handle) {
        if (FHandle) detail::GdiCountUp(Kind);
    }
    ~TGdiHandle() { Reset(); }
    TGdiHandle(const TGdiHandle&) = delete;
    TGdiHandle& operator=(const TGdiHandle&) = delete;
    TGdiHandle(TGdiHandle&& other) noexcept : FHandle(std::exchange(other.FHandle, nullptr)) {}
    TGdiHandle& operator=(TGdiHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            FHandle = std::exchange(other.FHandle, nullptr);
        }
        return *this;
    }

    H Get() const { return FHandle; }
    explicit operator bool() const { return FHandle != nullptr; }
    void Reset(H handle = nullptr) {
        if (FHandle) {
            Traits::Destroy(FHandle);
            detail::GdiCountDown(Kind);
        }
        FHandle = handle;
        if (FHandle) detail::GdiCountUp(Kind);
    }
    // Hands the handle to an owner outside the library (a window takes its region): it
    // is no longer counted as ours.
    H Release() {
        if (FHandle) detail::GdiCountDown(Kind);
        return std::exchange(FHandle, nullptr);
    }

private:
    H FHandle = nullptr;
};

using TGdiPen = TGdiHandle<HPEN, TGdiKind::Pen, detail::DeleteObjectTraits>;
using TGdiBrush = TGdiHandle<HBRUSH, TGdiKind::Brush, detail::DeleteObjectTraits>;
using TGdiFont = TGdiHandle<HFONT, TGdiKind::Font, detail::DeleteObjectTraits>;
using TGdiBitmap = TGdiHandle<HBITMAP, TGdiKind::Bitmap, detail::DeleteObjectTraits>;
using TGdiRegion = TGdiHandle<HRGN, TGdiKind::Region, detail::DeleteObjectTraits>;
using TGdiMemoryDC = TGdiHandle<HDC, TGdiKind::MemoryDC, detail::DeleteDCTraits>;
using TGdiIcon = TGdiHandle<HICON, TGdiKind::Icon, detail::DestroyIconTraits>;

// A window's device context from GetDC, released with ReleaseDC.
class TWindowDC {
public:
    explicit TWindowDC(HWND window);
    ~TWindowDC();
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;
    HDC Get() const { return FDC; }

private:
    HWND FWindow;
    HDC FDC;
};

// Selects an object into a DC and restores the previous one when it goes out of scope.
// Declare it after the owner of the object, so it is restored before the object dies.
class TSelectGuard {
public:
    TSelectGuard(HDC dc, HGDIOBJ object) : FDC(dc), FOld(object ? SelectObject(dc, object) : nullptr) {}
    ~TSelectGuard() {
        if (FOld) SelectObject(FDC, FOld);
    }
    TSelectGuard(const TSelectGuard&) = delete;
    TSelectGuard& operator=(const TSelectGuard&) = delete;

private:
    HDC FDC;
    HGDIOBJ FOld;
};

// Saves the DC's state (clip, origin, selected objects) and restores it.
class TSaveDCGuard {
public:
    explicit TSaveDCGuard(HDC dc) : FDC(dc), FSaved(SaveDC(dc)) {}
    ~TSaveDCGuard() {
        if (FSaved) RestoreDC(FDC, FSaved);
    }
    TSaveDCGuard(const TSaveDCGuard&) = delete;
    TSaveDCGuard& operator=(const TSaveDCGuard&) = delete;

private:
    HDC FDC;
    int FSaved;
};

}  // namespace orv
