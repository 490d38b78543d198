#pragma once
// The paint description of an items container, which keys its face in the face cache.
//
// The container's own look (fill, border, margins, handle appearance, the list
// appearance and every item property) reaches the container as a change pass; each pass
// takes a fresh look version from a process-wide counter, so a version is never reused,
// not even by a new container at a freed one's address. What changes without a pass is
// listed field by field: the size, the background colour, item and badge states, focus,
// scroll positions, handle states, the drop marker and the pictures the items look up.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <tuple>
#include <vector>

#include "framework/Types.h"

namespace orv {

class TGDIPPictureContainer;
class TImageList;

// Paints containers through the face cache; false paints them directly (to compare and
// to measure).
inline bool ListFaceCache = true;

uint64_t NextContainerLookVersion();

struct TContainerFaceItem {
    const void* Item = nullptr;
    uint8_t State = 0;
    uint8_t StatusState = 0;
    friend bool operator==(const TContainerFaceItem&, const TContainerFaceItem&) = default;
};

// The items in the visible range, in paint order.
struct TContainerFaceItems {
    std::vector<TContainerFaceItem> Entries;
    friend bool operator==(const TContainerFaceItems&, const TContainerFaceItems&) = default;
};

struct TContainerFace {
    const void* Container = nullptr;
    uint64_t LookVersion = 0;
    int Width = 0;
    int Height = 0;
    TColor Color = 0;
    bool Focused = false;
    int32_t FocusedItem = -1;
    int HorzPos = 0;
    int VertPos = 0;
    uint8_t HandleStates = 0;  // bits 0-3 pressed, 4-7 hovered
    const void* DragItem = nullptr;
    const void* DropItem = nullptr;
    bool DropMarker = false;
    bool DragLine = false;
    TColor DragLineColor = 0;
    uint64_t PictureStamp = 0;
    TContainerFaceItems Items;
    auto Tie() const {
        return std::tie(Container, LookVersion, Width, Height, Color, Focused, FocusedItem, HorzPos, VertPos,
                        HandleStates, DragItem, DropItem, DropMarker, DragLine, DragLineColor, PictureStamp, Items);
    }
};

// The versions and names of the pictures a container offers, and the image list's
// version, folded into one number (0 without either).
uint64_t PictureStampOf(TGDIPPictureContainer* pictures, TImageList* images);

}  // namespace orv

template <>
struct std::hash<orv::TContainerFaceItems> {
    std::size_t operator()(const orv::TContainerFaceItems& items) const noexcept;
};
