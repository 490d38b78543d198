#include "paint/OrvFrames.h"

#include "paint/OrvColors.h"
#include "paint/OrvGDIP.h"
#include "paint/OrvLook.h"

namespace orv {

namespace {

float F(int value) {
    return static_cast<float>(value);
}

void AddRoundedPath(TGPGraphicsPath& path, int x, int y, int w, int h, int radius) {
    int d = 2 * radius, yb = y + h;
    path.AddLine(F(x + radius), F(y), F(x + w - d), F(y));
    path.AddArc(F(x + w - d), F(y), F(d), F(d), 270, 90);
    path.AddLine(F(x + w), F(y + radius), F(x + w), F(yb - d));
    path.AddArc(F(x + w - d), F(yb - d), F(d), F(d), 0, 90);
    path.AddLine(F(x + w - d), F(yb), F(x + radius), F(yb));
    path.AddArc(F(x), F(yb - d), F(d), F(d), 90, 90);
    path.AddLine(F(x), F(yb - d), F(x), F(y + radius));
    path.AddArc(F(x), F(y), F(d), F(d), 180, 90);
    path.CloseFigure();
}

void DrawSeparator(TGPGraphics& graphics, TColor color, int x, int y1, int y2) {
    TGPPen pen(ColorToARGB(color));
    graphics.DrawLine(pen, F(x), F(y1), F(x), F(y2));
}

// The separator at a frame's left edge, shared by the middle and the last frame.
void DrawLeftSeparator(TGPGraphics& graphics, TColor color, int x, int y, int yb, bool emphasized) {
    if (emphasized)
        DrawSeparator(graphics, DarkerColor(color, -5), x, y, yb);
    else
        DrawSeparator(graphics, DarkerColor(clWhite, -10), x, y + 2, yb - 2);
}

void DrawRightSeparator(TGPGraphics& graphics, TColor color, int x, int y, int yb, bool followScenicMode) {
    bool shortened = followScenicMode && ScenicRibbonMode;
    DrawSeparator(graphics, DarkerColor(color, -5), x, shortened ? y + 2 : y, shortened ? yb - 2 : yb);
}

}  // namespace

void DrawRoundRectFrame(TGPGraphics& graphics, TColor color, int x, int y, int w, int h, int radius) {
    TGPPen pen(ColorToARGB(color));
    if (radius == 0) {
        graphics.DrawRectangle(pen, F(x), F(y), F(w), F(h));
        return;
    }
    AddRoundRectOutline(graphics, pen, x, y, w, h, radius);
}

void DrawDottedRoundRectFrame(TGPGraphics& graphics, TColor color, int x, int y, int w, int h, int radius) {
    TGPPen pen(ColorToARGB(color));
    pen.SetDashStyle(DashStyleDot);
    AddRoundRectOutline(graphics, pen, x, y, w, h, radius);
}

void AddRoundRectOutline(TGPGraphics& graphics, const TGPPen& pen, int x, int y, int w, int h, int radius) {
    TGPGraphicsPath path;
    AddRoundedPath(path, x, y, w, h, radius);
    graphics.DrawPath(pen, path);
}

void AddRectOutline(TGPGraphics& graphics, const TGPPen& pen, int x, int y, int w, int h) {
    TGPGraphicsPath path;
    path.AddLine(F(x), F(y), F(x + w), F(y));
    path.AddLine(F(x + w), F(y), F(x + w), F(y + h));
    path.AddLine(F(x + w), F(y + h), F(x), F(y + h));
    path.CloseFigure();
    graphics.DrawPath(pen, path);
}

void DrawGroupFrameLeft(TGPGraphics& graphics, TColor color, int x, int y, int w, int h, int radius,
                        bool followScenicMode) {
    int d = 2 * radius, yb = y + h;
    {
        TGPGraphicsPath path;
        path.AddLine(F(x + w), F(yb), F(x + radius), F(yb));
        path.AddArc(F(x), F(yb - d), F(d), F(d), 90, 90);
        path.AddLine(F(x), F(yb - d), F(x), F(y + radius));
        path.AddArc(F(x), F(y), F(d), F(d), 180, 90);
        path.AddLine(F(x + radius), F(y), F(x + w), F(y));
        TGPPen pen(ColorToARGB(color));
        graphics.DrawPath(pen, path);
    }
    DrawRightSeparator(graphics, color, x + w, y, yb, followScenicMode);
}

void DrawGroupFrameMiddle(TGPGraphics& graphics, TColor color, int x, int y, int w, int h, int /*radius*/,
                          bool emphasized, bool followScenicMode) {
    int yb = y + h;
    {
        TGPPen pen(ColorToARGB(color));
        graphics.DrawLine(pen, F(x - 1), F(yb), F(x + w), F(yb));
        graphics.DrawLine(pen, F(x - 1), F(y), F(x + w), F(y));
    }
    DrawRightSeparator(graphics, color, x + w, y, yb, followScenicMode);
    DrawLeftSeparator(graphics, color, x, y, yb, emphasized);
}

void DrawGroupFrameRight(TGPGraphics& graphics, TColor color, int x, int y, int w, int h, int radius, bool emphasized) {
    int d = 2 * radius, yb = y + h;
    {
        TGPGraphicsPath path;
        path.AddLine(F(x), F(y), F(x + w - d), F(y));
        path.AddArc(F(x + w - d), F(y), F(d), F(d), 270, 90);
        path.AddLine(F(x + w), F(y + radius), F(x + w), F(yb - d));
        path.AddArc(F(x + w - d), F(yb - d), F(d), F(d), 0, 90);
        path.AddLine(F(x + w), F(yb), F(x), F(yb));
        TGPPen pen(ColorToARGB(color));
        graphics.DrawPath(pen, path);
    }
    DrawLeftSeparator(graphics, color, x, y, yb, emphasized);
}

}  // namespace orv
