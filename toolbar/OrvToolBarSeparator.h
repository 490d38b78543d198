#pragma once
// TOrvToolBarSeparator: the etched line between groups of toolbar controls. A graphic
// control on its toolbar; with auto-size it takes the toolbar's thickness.
#include "toolbar/OrvToolBarButton.h"

namespace orv {

enum TOrvSeparatorStyle { ssOffice2003, ssBlank };

class TOrvToolBarSeparator : public TOrvCustomToolBarControl {
public:
    ORV_CLASS_NAME(TOrvToolBarSeparator)
    explicit TOrvToolBarSeparator(TComponent* owner);
    // Copies the look, the auto-size, the dock side and the size of another separator
    // (not its toolbar or place).
    void Assign(const TPersistent* source) override;

    TOrvSeparatorStyle GetSeparatorStyle() const { return FSeparatorStyle; }
    void SetSeparatorStyle(TOrvSeparatorStyle value);
    TColor GetLineColor() const { return FLineColor; }
    void SetLineColor(TColor value);
    // On: 10 pixels along the toolbar and its thickness less 4 across (a page toolbar
    // switches it off and sizes the separator itself).
    bool GetAutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    void AdjustSize();

protected:
    void Paint() override;
    void PositionChanged() override;
    void ParentChanged() override { AdjustSize(); }

private:
    TOrvSeparatorStyle FSeparatorStyle = ssOffice2003;
    TColor FLineColor = clBtnShadow;
    bool FAutoSize = true;
};

// The etched line of a separator of size (width, height) on a horizontal or vertical
// toolbar: the line in lineColor, then its white highlight one pixel further.
void PaintSeparatorLine(TCanvas& canvas, int width, int height, bool horizontal, TColor lineColor);

}  // namespace orv
