#pragma once
// The paint description of an application-menu panel, which keys its one face in the
// face cache.
//
// The menu model, the styler and the measurements reach the panel through its layout
// (every show lays the panel out again), a change of the shown sub-item list, or an
// item that announces a changed caption or enabled state; each of those takes a fresh
// look version from a process-wide counter, so a version is never reused, not even by a
// new panel at a freed one's address. What changes while the menu shows is listed field
// by field: the size, the looks, hot, pressed and selected entries, the page, the scroll
// arrows, the key tips and the pictures.
#include <cstdint>
#include <tuple>

#include "framework/Types.h"

namespace orv {

// Paints application-menu panels through the face cache; false paints them directly
// (to compare and to measure).
inline bool PreviewMenuFaceCache = true;

uint64_t NextPreviewPanelLookVersion();

struct TPreviewPanelFace {
    const void* Panel = nullptr;
    const void* Styler = nullptr;
    uint64_t LookVersion = 0;
    int Width = 0;
    int Height = 0;
    TColor Color = 0;
    bool Scenic = false;
    bool Office2010 = false;
    int ItemIndex = -1;
    int ItemHot = -1;
    int ItemDown = -1;
    int SubMenuItem = -1;
    int SubItemHot = -1;
    int SubItemDown = -1;
    int TopSubItem = 0;
    int CheckedSubItem = -1;
    uint16_t Flags = 0;         // split parts, scroll arrows, key tips (see FaceKey)
    uint64_t TipStamp = 0;      // which entries show a key tip
    uint64_t PictureStamp = 0;  // versions of the pictures and image lists painted
    auto Tie() const {
        return std::tie(Panel, Styler, LookVersion, Width, Height, Color, Scenic, Office2010, ItemIndex, ItemHot,
                        ItemDown, SubMenuItem, SubItemHot, SubItemDown, TopSubItem, CheckedSubItem, Flags, TipStamp,
                        PictureStamp);
    }
};

}  // namespace orv
