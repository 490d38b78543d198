#pragma once
// Writes a bitmap to a PNG file with the platform's GDI+ encoder.
#include <string>

#include "framework/Bitmap.h"

namespace orvtools {

// zoom > 1 enlarges every pixel to a zoom x zoom block, so glyphs can be inspected.
// Returns false (with a reason) when the file could not be written.
bool WritePng(orv::TBitmap& bitmap, const std::wstring& fileName, int zoom, std::wstring& error);

}  // namespace orvtools
