#pragma once
// Renderer pictures of the status bar: every preset, the panel styles, gauges and rich
// panel text as the bar shows them.
#include <vector>

#include <windows.h>

#include "RenderCatalog.h"
#include "statusbar/OrvOfficeStatusBar.h"

namespace orvtools {

std::vector<TRenderItem> StatusBarRenderItems();

// A 681 x 19 bar like the program's, with an HTML panel (bold text and an anchor) and a
// gauge, in the Office 2010 blue preset; the bench paints the same scene. Owns what it makes.
class TStatusBarScene {
public:
    TStatusBarScene();
    ~TStatusBarScene();
    TStatusBarScene(const TStatusBarScene&) = delete;
    TStatusBarScene& operator=(const TStatusBarScene&) = delete;
    orv::TOrvOfficeStatusBar& Bar() { return *FBar; }
    // Paints the bar into dc as a repaint does.
    void Paint(HDC dc);

private:
    orv::TComponent* FOwner;
    orv::TOrvOfficeStatusBar* FBar;
};

}  // namespace orvtools
