#pragma once
// Text layout shared by the text items: a caption or description block measured in its
// layout box with GDI+, placed by its location and drawn there. The face is made once
// per paint from the state font; "Arial" stands in when the font's family cannot be made.
#include <string>

#include "framework/Graphics.h"
#include "itemlist/GDIPCustomItem.h"
#include "paint/OrvGDIP.h"

namespace orv {

struct TItemTextBlock {
    std::wstring Text;
    int32_t Size = -1;      // points; -1: the font's size
    TColor Color = clNone;  // clNone: the font's colour
    uint8_t Opacity = 255;
    TItemLocation Location = tlTopLeft;
    int32_t Left = 0;  // offsets for tlCustom
    int32_t Top = 0;
    int Flags = 0;
    TStringTrimming Trimming = StringTrimmingNone;
    // No word wrap gives one line; with ellipsis too, the line is cut at a word and ends
    // with an ellipsis. Word wrap wraps whatever ellipsis says.
    void SetWrapping(bool wordWrap, bool ellipsis);
};

// Text origin and measured size, in surface coordinates.
struct TItemTextPlacement {
    float X = 0;
    float Y = 0;
    float Width = 0;
    float Height = 0;
};

class TItemTextFace {
public:
    explicit TItemTextFace(const TFont& font);
    // Measures the block in box and places it there.
    TItemTextPlacement Measure(TGPGraphics& g, const TItemTextBlock& block, const TGPRectF& box);
    // The origin of a measured w x h block in box.
    TItemTextPlacement Place(const TItemTextBlock& block, const TGPRectF& box, float w, float h) const;
    // Draws the block from its origin to the box's right and bottom edges.
    void Draw(TGPGraphics& g, const TItemTextBlock& block, const TGPRectF& box, const TItemTextPlacement& placed);
    // The family the face uses: the font's, or "Arial" when that could not be made.
    bool UsesFallbackFamily() const { return FFallback; }

private:
    TGPFont MakeFont(const TItemTextBlock& block) const;
    TGPStringFormat MakeFormat(const TItemTextBlock& block) const;

    bool FFallback = false;  // before FFamily: the family's construction sets it
    TGPFontFamily FFamily;
    int FStyle = FontStyleRegular;
    float FFontSize = 8;
    TColor FFontColor = clBlack;
};

}  // namespace orv
