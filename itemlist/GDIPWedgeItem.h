#pragma once
// TWedgeItem: an image-text item that, in chosen states, has a triangular notch cut into
// chosen sides; the background shows through it. Text, image and focus outline keep
// clear of the notched sides by the wedge size; fill and badge use the whole rectangle.
#include <array>
#include <vector>

#include "itemlist/GDIPImageTextItem.h"

namespace orv {

enum TWedgePosition : uint8_t { wpLeft, wpTop, wpBottom, wpRight };
// A set of TWedgePosition: bit n for ordinal n.
using TWedgePositions = uint8_t;
constexpr TWedgePositions WedgeBit(TWedgePosition p) {
    return static_cast<TWedgePositions>(1u << p);
}
constexpr TItemStates ItemStateBit(TItemState s) {
    return static_cast<TItemStates>(1u << s);
}

// One notch: the side it is cut into and its three corners (the apex in the middle).
struct TWedgeNotch {
    TWedgePosition Side = wpRight;
    std::array<TGPPointF, 3> Points{};
};

class TWedgeItem : public TImageTextItem {
public:
    ORV_CLASS_NAME(TWedgeItem)
    explicit TWedgeItem(TComponent* owner);

    void Assign(const TPersistent* source) override;

    TWedgePositions GetWedgePositions() const { return FWedgePositions; }
    void SetWedgePositions(TWedgePositions value);
    int32_t GetWedgeSize() const { return FWedgeSize; }
    void SetWedgeSize(int32_t value);
    TItemStates GetWedgeStates() const { return FWedgeStates; }
    void SetWedgeStates(TItemStates value);

    // Some side is chosen and the current state is a wedge state.
    bool WedgeShows() const;
    // r less the wedge size on each notched side; r itself when the wedge does not show.
    TGPRectF ContentBox(const TGPRectF& r) const;
    // The notches of the bounds b (the item rectangle grown by one pixel right and down)
    // for the chosen sides, in the order right, left, top, bottom.
    std::vector<TWedgeNotch> Notches(const TGPRectF& b) const;

    TGPRectF DrawText(TGPGraphics& g, const TGPRectF& r, const TItemAppearance& appearance, bool doText) override;
    void DrawImage(TGPGraphics& g, const TGPRectF& r, const TItemAppearance& appearance) override;
    void DrawInRect(TGPGraphics& g, const TItemAppearance& appearance, const TGPRectF& r) override;
    TCustomItem* CreateNewItem(TComponent* owner) const override;
    std::wstring CustomClassName() const override { return L"Normal Wedge Item"; }

protected:
    void DrawFocus(TGPGraphics& g, const TGPRectF& r, const TItemAppearance& appearance) override;
    uint32_t GetVersionNr() const override;

private:
    TWedgePositions FWedgePositions = WedgeBit(wpRight);
    int32_t FWedgeSize = 6;
    TItemStates FWedgeStates = kAllItemStates;
};

}  // namespace orv
