#pragma once
// The glow button's named looks: the normal, hot, down and checked colours each style
// loads into an appearance record.
#include "buttons/GlowButtonAppearance.h"
#include "buttons/ZemStyle.h"

namespace orv {

// Loads the style's colours (one change event); tsCustom changes nothing.
void ApplyGlowButtonPreset(TGlowButtonAppearance& appearance, TZemStyle style);

}  // namespace orv
