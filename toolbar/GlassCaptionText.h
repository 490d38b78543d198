#pragma once
// Caption text on glass: drawn glowing through the visual styles into a 32-bit surface
// and copied to the target; nothing is drawn where the composited window theme is
// missing.
#include <windows.h>

#include <string>

#include "framework/Types.h"

namespace orv {

class TWinControl;

struct TGlassCaptionText {
    std::wstring Text;
    // A faint white tint from the top (transparent) to the bottom.
    bool WhiteTint = false;
    // Anything but clNone lays the fixed warm translucent ramp under the text.
    TColor BackColor = clNone;
    // The quick access toolbar's glass frame over FrameRect (target coordinates), in its
    // scenic or plain form.
    bool QuickAccessFrame = false;
    TRect FrameRect;
    bool Scenic = false;
};

// Draws into dc at target (dc coordinates); false when the theme could not be opened or
// its off-screen surface could not be made.
bool DrawGlowingCaptionText(TWinControl* control, HDC dc, const TGlassCaptionText& caption, const TRect& target);

}  // namespace orv
