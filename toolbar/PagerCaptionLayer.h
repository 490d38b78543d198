#pragma once
// TCaptionLayer: a windowed child of the pager over its caption bar while the pager sits
// on glass. It draws the caption (through its text-paint event, which the pager answers
// with its glass caption drawing), lets the top 6 pixels drag the form's top edge, and
// passes every other press, release and double click to its host in the host's
// coordinates. A 1 x 1 reference glow button it owns is invalidated on every second
// paint, which makes the composed glass repaint.
#include <string>

#include "framework/Event.h"
#include "framework/WinControl.h"

namespace orv {

class TOrvGlowButton;
class TForm;

// What the caption layer tells its pager. Points are in the host's client coordinates.
class ICaptionLayerHost {
public:
    virtual ~ICaptionLayerHost() = default;
    virtual void CaptionLayerMouseDown(TMouseButton button, TShiftState shift, int x, int y) = 0;
    virtual void CaptionLayerMouseUp(TMouseButton button, TShiftState shift, int x, int y) = 0;
    virtual void CaptionLayerDblClick(int x, int y) = 0;
};

// (Sender, text, handled, the layer's client rectangle)
using TCaptionTextPaintEvent = TEvent<TObject*, std::wstring&, bool&, TRect>;

// The form's top edge can be dragged from the layer: not maximized, and sizeable.
bool CaptionLayerCanResizeTop(TForm* form);
// The top sizing zone: y 0 to 5.
inline bool InCaptionLayerResizeZone(int y) {
    return y >= 0 && y < 6;
}

class TCaptionLayer : public TCustomControl {
public:
    ORV_CLASS_NAME(TCaptionLayer)
    explicit TCaptionLayer(TComponent* owner);

    TColor GetBackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor value);
    const std::wstring& GetText() const { return FText; }
    void SetText(const std::wstring& value);
    ICaptionLayerHost* GetHost() const { return FHost; }
    // The host's control gives the coordinates the layer's points are moved into.
    void SetHost(ICaptionLayerHost* host, TControl* hostControl);
    TOrvGlowButton* ReferenceButton() const { return FReferenceButton; }
    bool Resizing() const { return FResizing; }
    int PaintCount() const { return FPaintCount; }

    TCaptionTextPaintEvent OnTextPaint;

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DblClick() override;
    void Loaded() override;

private:
    TPoint ToHost(int x, int y) const;

    TColor FBackgroundColor = clNone;
    std::wstring FText;
    ICaptionLayerHost* FHost = nullptr;
    TControl* FHostControl = nullptr;
    TOrvGlowButton* FReferenceButton = nullptr;  // owned (component owner)
    bool FFlip = false;
    int FPaintCount = 0;
    TCursor FLoadedCursor = crDefault;
    bool FResizing = false;
    int FResizeStartY = 0;  // screen y of the pointer when the drag began
    TPoint FLastDown;
};

}  // namespace orv
