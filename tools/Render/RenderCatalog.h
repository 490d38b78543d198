#pragma once
// The routines and controls the renderer can draw, by name. Each item paints into a
// fresh bitmap of its size; zoom enlarges the written picture for pixel-level looks.
#include <functional>
#include <string>
#include <vector>

#include "framework/Bitmap.h"

namespace orvtools {

struct TRenderItem {
    std::wstring Name;
    std::wstring Description;
    int Width = 0;
    int Height = 0;
    int Zoom = 1;
    std::function<void(orv::TBitmap&)> Paint;
};

const std::vector<TRenderItem>& RenderCatalog();
const TRenderItem* FindRenderItem(const std::wstring& name);

}  // namespace orvtools
