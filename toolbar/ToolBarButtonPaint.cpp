// Painting of TOrvCustomToolBarButton: the frame, the glyph (state bitmaps, shade, list
// images, pictures) and the caption, and the button's kept faces. A face holds all three
// and is copied whole: where the frame covers every pixel, or over the kept face of a
// toolbar that names it (a transparent button at rest shows the toolbar's pixels).
#include <algorithm>

#include "framework/ImageList.h"
#include "paint/FaceCache.h"
#include "paint/GDIPPicture.h"
#include "paint/OrvPictureDraw.h"
#include "paint/OrvText.h"
#include "toolbar/OrvToolBarButton.h"
#include "toolbar/ToolBarButtonFace.h"

namespace orv {

// --- painting ---------------------------------------------------------------------------------------------------

TOrvButtonState TOrvCustomToolBarButton::ResolvedState() const {
    if (!GetEnabled()) return absDisabled;
    TOrvButtonState state = FState;
    if (state == absDisabled) state = FDown && FGroupIndex != 0 ? absExclusive : absUp;
    if (FStyle == tasCheck && FDown) state = absDown;
    return state;
}

TToolButtonColors TOrvCustomToolBarButton::StateColors(const TToolButtonStateInput& input) {
    TCustomOrvToolBarStyler* styler = FParentStyler ? HostStyler() : nullptr;
    const TButtonAppearance& a = styler ? styler->ButtonAppearance() : FAppearance;
    return ToolButtonColors(a, FAppearance, input);
}

TToolButtonColors TOrvCustomToolBarButton::CurrentColors() {
    TToolButtonStateInput in;
    in.State = ResolvedState();
    in.Enabled = GetEnabled();
    in.Hot = Hot();
    in.MouseHeld = FMouseDownInControl && FMouseInControl && FDragging;
    in.Transparent = FTransparent;
    in.Check = FStyle == tasCheck;
    in.MenuOpen = FMenuSel;
    return StateColors(in);
}

bool TOrvCustomToolBarButton::OnAeroQuickAccess() const {
    return FOrvQuickAccessToolBar && FOrvQuickAccessToolBar->OnAeroGlass();
}

TToolButtonFrame TOrvCustomToolBarButton::CurrentFrame() {
    return FrameFor(CurrentColors());
}

TToolButtonFrame TOrvCustomToolBarButton::FrameFor(const TToolButtonColors& colors) {
    TToolButtonFrame f = MakeToolButtonFrame(FWidth, FHeight, colors, FDropDownButton, FDropDownSplit,
                                             FDropDownSectWidth, FMenuSel, Rotated(), FPosition == daLeft);
    // On the glass of a maximised form an idle arrow is white to stay visible.
    bool idle = colors.Color == clNone;
    if (OnAeroQuickAccess() && FOrvQuickAccessToolBar->FormMaximized() && idle) f.ArrowColor = clWhite;
    return f;
}

namespace {
// State bitmaps are keyed by their bottom-left pixel (the shade by magenta), whatever
// their own transparency flag says.
TColor GlyphKeyColor(bool shade, TBitmap& bitmap) {
    return shade ? clFuchsia : bitmap.GetTransparentColor();
}
}  // namespace

const TFace& TOrvCustomToolBarButton::GlyphFace(int slot, TBitmap& bitmap) {
    std::unique_ptr<TFace>& face = FGlyphFaces[slot];
    if (face && face->Width() == bitmap.Width() && face->Height() == bitmap.Height()) return *face;
    const TColor key = GlyphKeyColor(slot == kShadeFace, bitmap);
    face = std::make_unique<TFace>(bitmap.Width(), bitmap.Height());
    if (face->Empty()) return *face;
    uint32_t* bits = face->Bits();
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) {
            TColor c = bitmap.PixelColor(x, y);
            uint32_t bgr = (c & 0xFF) << 16 | (c & 0xFF00) | ((c >> 16) & 0xFF);
            bits[y * bitmap.Width() + x] = c == key ? 0u : 0xFF000000u | bgr;
        }
    return *face;
}

void TOrvCustomToolBarButton::DrawGlyphBitmap(HDC dc, int slot, TBitmap& bitmap, int x, int y) {
    const TFace& face = GlyphFace(slot, bitmap);
    if (!face.Empty()) {
        face.AlphaBlit(dc, x, y);
        return;
    }
    const int w = bitmap.Width(), h = bitmap.Height();
    if (w <= 0 || h <= 0) return;
    TransparentBlt(dc, x, y, w, h, bitmap.Canvas().Handle(), 0, 0, w, h,
                   ToColorRef(GlyphKeyColor(slot == kShadeFace, bitmap)));
}

bool TOrvCustomToolBarButton::ShadeShown() const {
    return FShaded && FMouseInControl && GetEnabled() && ResolvedState() == absUp && !FMouseDownInControl &&
           !FGlyphShade->Empty();
}

void TOrvCustomToolBarButton::DrawGlyph(TCanvas& canvas, TPoint at, const TToolButtonColors& colors) {
    if (ShadeShown()) DrawGlyphBitmap(canvas.Handle(), kShadeFace, *FGlyphShade, at.X + 2, at.Y + 2);
    int index;
    bool aero = OnAeroQuickAccess();
    if (TImageList* list = GlyphImages(index)) {
        // Only a disabled button whose host has disabled images greys its image (taken from
        // that list); without them a disabled button shows its image as it is, and its
        // embossed caption alone tells it is disabled.
        bool enabledLook = GetEnabled() || !HostDisabledImages();
        if (aero)
            DrawImageListImage(nullptr, &canvas, at, list, index, enabledLook);
        else if (enabledLook)
            list->Draw(canvas, at.X, at.Y, index, true);
        else
            DrawImageListDisabled(canvas.Handle(), *list, at.X, at.Y, index);
        return;
    }
    if (colors.Glyph == tgNone) return;
    TBitmap* bitmap = StateBitmap(colors.Glyph);
    if (!bitmap->Empty()) {
        int slot = bitmap == FGlyph.get() ? tgNormal : colors.Glyph;
        DrawGlyphBitmap(canvas.Handle(), slot, *bitmap, at.X, at.Y);
        return;
    }
    TGDIPPicture* picture = !GetEnabled() && !FPictureDisabled->Empty() ? FPictureDisabled.get() : FPicture.get();
    if (picture->Empty()) return;
    if (aero)
        DrawGraphicAt(nullptr, &canvas, at, picture, true);
    else
        canvas.Draw(at.X, at.Y, *picture);
}

TImageList* TOrvCustomToolBarButton::HostDisabledImages() const {
    if (FOrvToolBar) return FOrvToolBar->GetDisabledImages();
    if (FOrvQuickAccessToolBar) return FOrvQuickAccessToolBar->QuickAccessDisabledImages();
    return nullptr;
}

void TOrvCustomToolBarButton::DrawCaption(TCanvas& canvas, const TToolButtonContent& layout,
                                          const TToolButtonColors& colors) {
    if (!FShowCaption || FCaption.empty()) return;
    canvas.Font().Assign(&CaptionFont());
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    bool enabled = GetEnabled();
    // On the glass of a quick access toolbar in the caption GDI+ draws the text.
    bool gdipText = OnAeroQuickAccess() && !FOrvQuickAccessToolBar->FullSize();
    auto draw = [&](int dx, int dy) {
        if (FDrawPosition.GetEnabled()) {
            TRect r{FDrawPosition.GetTextX() + dx, FDrawPosition.GetTextY() + dy, FWidth + dx, FHeight + dy};
            canvas.DrawText(FCaption, r, DT_SINGLELINE | DT_NOCLIP);
        } else if (Rotated()) {
            DrawHotKeyText(canvas, FCaption, {layout.CaptionOrigin.X + dx, layout.CaptionOrigin.Y + dy});
        } else if (gdipText) {
            TRect r{layout.Caption.Left + dx, layout.Caption.Top + dy, layout.Caption.Right + dx,
                    layout.Caption.Bottom + dy};
            TTextAlignment align = (layout.Format & DT_CENTER)  ? TTextAlignment::taCenter
                                   : (layout.Format & DT_RIGHT) ? TTextAlignment::taRightJustify
                                                                : TTextAlignment::taLeftJustify;
            DrawGDIPText(canvas, align, layout.Format, r, FCaption, canvas.Font(), true, true, aaClearType, false,
                         false);
        } else {
            TRect r{layout.Caption.Left + dx, layout.Caption.Top + dy, layout.Caption.Right + dx,
                    layout.Caption.Bottom + dy};
            canvas.DrawText(FCaption, r, layout.Format | (layout.Clip ? 0u : DT_NOCLIP));
        }
    };
    if (enabled) {
        canvas.Font().SetColor(colors.CaptionColor);
        draw(0, 0);
    } else {
        DrawEmbossed(canvas, draw);
    }
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
}

TToolButtonContent TOrvCustomToolBarButton::ContentLayout(TSize glyph, TSize text) {
    int width = FWidth, height = FHeight;
    // The content is laid out in the main part, beside the drop-down section.
    if (FDropDownButton) (Rotated() ? height : width) -= FDropDownSectWidth;
    return ToolButtonContentLayout(width, height, glyph, text, text.cx > 0 ? FSpacing : 0, FGlyphPosition, Rotated(),
                                   FAutoSize);
}

TToolButtonFace TOrvCustomToolBarButton::FaceOf(const TToolButtonFrame& frame, const TToolButtonColors& colors,
                                                const TToolButtonContent& layout, TPoint glyphAt, bool glyph) {
    TToolButtonFace k;
    k.Frame = frame;
    // The glyph as DrawGlyph chooses it.
    if (glyph) {
        k.Glyph = true;
        k.GlyphX = glyphAt.X;
        k.GlyphY = glyphAt.Y;
        k.Shade = ShadeShown();
        k.GlyphVersion = FGlyphVersion;
        int index;
        if (TImageList* list = GlyphImages(index)) {
            k.Images = list;
            k.ImagesVersion = list->Version();
            k.ImageIndex = index;
            k.ImageEnabled = GetEnabled() || !HostDisabledImages();
        } else if (colors.Glyph != tgNone) {
            TBitmap* bitmap = StateBitmap(colors.Glyph);
            if (!bitmap->Empty()) {
                k.Bitmap = bitmap;
            } else {
                TGDIPPicture* picture =
                    !GetEnabled() && !FPictureDisabled->Empty() ? FPictureDisabled.get() : FPicture.get();
                k.Picture = picture;
                k.PictureVersion = picture->Version();
            }
        }
    }
    // The caption as DrawCaption places it.
    if (FShowCaption && !FCaption.empty()) {
        k.Caption = FCaption;
        k.Font = FontFaceOf(&CaptionFont());
        if (GetEnabled()) {
            k.CaptionColor = ColorToRGB(colors.CaptionColor);
        } else {
            k.Highlight = ColorToRGB(clBtnHighlight);
            k.Shadow = ColorToRGB(clBtnShadow);
        }
        if (FDrawPosition.GetEnabled()) {
            k.CaptionMode = tcmDrawPosition;
            k.CaptionLeft = FDrawPosition.GetTextX();
            k.CaptionTop = FDrawPosition.GetTextY();
        } else if (Rotated()) {
            k.CaptionMode = tcmRotated;
            k.CaptionLeft = layout.CaptionOrigin.X;
            k.CaptionTop = layout.CaptionOrigin.Y;
        } else {
            k.CaptionMode = tcmBox;
            k.CaptionLeft = layout.Caption.Left;
            k.CaptionTop = layout.Caption.Top;
            k.CaptionRight = layout.Caption.Right;
            k.CaptionBottom = layout.Caption.Bottom;
            k.Format = layout.Format | (layout.Clip ? 0u : DT_NOCLIP);
        }
    }
    return k;
}

uint64_t TOrvCustomToolBarButton::ParentFaceKey() {
    if (!FParent) return 0;
    TParentBackgroundQuery query;
    query.Rect = BoundsRect();
    query.Child = this;
    if (!FParent->Perform(WM_ORV_PARENTBACKGROUNDKEY, 0, reinterpret_cast<LPARAM>(&query))) return 0;
    return query.Key;
}

void TOrvCustomToolBarButton::Paint() {
    TCanvas& canvas = Canvas();
    const TToolButtonColors colors = CurrentColors();
    const TToolButtonFrame frame = FrameFor(colors);
    const bool aero = OnAeroQuickAccess();
    const TSize glyph = GlyphSize();
    const TSize text = CaptionSize();
    const TToolButtonContent layout = ContentLayout(glyph, text);
    const TPoint glyphAt =
        FDrawPosition.GetEnabled() ? TPoint{FDrawPosition.GetImageX(), FDrawPosition.GetImageY()} : layout.Glyph;
    const bool hasGlyph = glyph.cx > 0 && glyph.cy > 0;
    auto draw = [&](TCanvas& on) {
        if (aero)
            PaintToolButtonFrameAero(on, frame);
        else
            DrawToolButtonFrame(on, frame);
        if (hasGlyph) DrawGlyph(on, glyphAt, colors);
        DrawCaption(on, layout, colors);
    };
    // Glass needs its alpha: drawn every time.
    if (!aero && ToolButtonFaceCache && FWidth > 0 && FHeight > 0) {
        const bool covers = frame.Covers();
        const uint64_t background = covers ? 0 : ParentFaceKey();
        if (covers || background) {
            TToolButtonFace key = FaceOf(frame, colors, layout, glyphAt, hasGlyph);
            if (background) {
                key.Background = background;
                key.Left = FLeft;
                key.Top = FTop;
            }
            auto face = SharedFaceCache().Get(key, FWidth, FHeight, [&](TFace&, HDC faceDC) {
                if (background) DrawParentBackground(faceDC);
                TCanvas faceCanvas;
                faceCanvas.SetHandle(faceDC);
                draw(faceCanvas);
                faceCanvas.SetHandle(nullptr);
            });
            if (!face->Empty()) {
                face->Blit(canvas.Handle(), 0, 0);
                return;
            }
        }
    }
    draw(canvas);
}

}  // namespace orv
