#pragma once
// What the toolbar button tests share: a shown form (the glow button tests' fixture and
// real input), and paints of a graphic control into a bitmap.
#include "buttons/GlowButtonTestSupport.h"
#include "toolbar/OrvToolBarButton.h"
#include "toolbar/OrvToolBarSeparator.h"

namespace tbtest {

using namespace orv;
using glowtest::Near;
using glowtest::PixelBox;

// Paints the control into a fresh bitmap of its size over a magenta background.
inline std::unique_ptr<TBitmap> Snapshot(TGraphicControl* c) {
    auto bmp = std::make_unique<TBitmap>(c->Width(), c->Height());
    bmp->Canvas().Brush().SetColor(clFuchsia);
    bmp->Canvas().FillRect({0, 0, c->Width(), c->Height()});
    c->PaintTo(bmp->Canvas().Handle());
    return bmp;
}

// A button on the fixture's form, parented there at the given bounds.
inline TOrvToolBarButton* AddButton(glowtest::TFixture& f, int left, int top, int width = 23, int height = 22) {
    auto* b = new TOrvToolBarButton(f.Form.get());
    b->SetParent(f.Form.get());
    b->SetAutoSize(false);
    b->SetBounds(left, top, width, height);
    return b;
}

}  // namespace tbtest
