// The status bar's painting, mouse and hint handling.
#include <windows.h>
#include <windowsx.h>

#include <algorithm>
#include <cwctype>

#include "framework/Application.h"
#include "framework/Forms.h"
#include "framework/ImageList.h"
#include "paint/FaceCache.h"
#include "paint/OrvColors.h"
#include "paint/OrvEnvironment.h"
#include "paint/OrvPictureDraw.h"
#include "statusbar/HtmlMarkup.h"
#include "statusbar/HtmlPaint.h"
#include "statusbar/OrvOfficeStatusBar.h"
#include "statusbar/PictureContainer.h"
#include "statusbar/StatusBarFace.h"
#include "toolbar/OrvToolBarForm.h"
#include "toolbar/OrvToolBarPager.h"

namespace orv {

void StatusBarShellOpen(const std::wstring& target);
bool StatusBarVistaOrLater();

namespace {

constexpr unsigned kPanelTextFlags = kStatusEndEllipsis | kStatusSingleLine | kStatusVCenter | kStatusNoPrefix;

unsigned AlignmentFlag(TTextAlignment alignment) {
    return alignment == TTextAlignment::taRightJustify ? kStatusRight
           : alignment == TTextAlignment::taCenter     ? kStatusCenter
                                                       : 0u;
}

void FillSolid(HDC dc, const TRect& r, TColor color) {
    TGdiBrush brush(CreateSolidBrush(ToColorRef(color)));
    RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    ::FillRect(dc, &rc, brush.Get());
}

void Line(TCanvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

int VCentre(const TRect& c, int height) {
    return c.Top + (c.Height() - height) / 2;
}

}  // namespace

void TOrvOfficeStatusBar::Paint() {
    ++FPaintCount;
    // A panel changed by a paint handler waits for the bar's repaint, not a nested one.
    struct TPaintingFlag {
        bool& Flag;
        explicit TPaintingFlag(bool& flag) : Flag(flag) { Flag = true; }
        ~TPaintingFlag() { Flag = false; }
    } painting(FPainting);
    PaintBar(Canvas());
}

void TOrvOfficeStatusBar::PaintBar(TCanvas& canvas) {
    const int w = ClientWidth();
    const int h = ClientHeight();
    if (w <= 0 || h <= 0 || !FCurrentOfficeStatusBarStyler) return;
    HDC dc = canvas.Handle();
    FillSolid(dc, {0, 0, w, h}, GetColor());
    const auto& light = FCurrentOfficeStatusBarStyler->PanelAppearanceLight();

    // 1. Panels, or the simple panel.
    if (FSimplePanel) {
        TPanelColors colors{light.GetColor(), light.GetColorTo(), light.GetColorMirror(), light.GetColorMirrorTo(),
                            clNone};
        DrawPanelFace(dc, {0, 0, w, h}, {0, 0, w, h}, colors, false, clNone);
        SetPanelFont(canvas, light, light.GetTextColor(), true);
        THtmlPaintOptions options;
        options.Images = FImages;
        options.Pictures = FPictureContainer;
        options.PictureCache = FPictureCache.get();
        options.AnchorColor = FURLColor;
        options.BlinkOn = BlinkOn();
        options.Kept = FSimpleLayout.get();
        THtmlPaintResult result;
        PaintHtmlText(canvas, FSimpleText, {3, 3, w - 1, h - 1}, options, result);
    } else {
        const std::vector<TPanelSpan> spans = PanelSpans();
        for (int i = 0; i < FPanels->Count(); ++i) PaintPanel(canvas, i, PanelPaintRect(spans, i, w, h));
    }

    // 2. Size grip, 3. border.
    PaintGrip(canvas);
    PaintBorder(canvas);
}

void TOrvOfficeStatusBar::PaintGrip(TCanvas& canvas) {
    if (!SizeGripShown()) return;
    const int l = ClientWidth() - 18;
    const int b = ClientHeight() - 1;
    const TPoint dots[] = {{l + 5, b - 4},  {l + 9, b - 4},   {l + 13, b - 4},
                           {l + 13, b - 8}, {l + 13, b - 12}, {l + 9, b - 8}};
    TColor light = BlendColor(FCurrentOfficeStatusBarStyler->PanelAppearanceDark().GetColor(), clWhite, 50);
    TColor dark = FCurrentOfficeStatusBarStyler->GetBorderColor();
    HDC dc = canvas.Handle();
    for (const TPoint& p : dots) FillSolid(dc, {p.X, p.Y, p.X + 2, p.Y + 2}, light);
    for (const TPoint& p : dots) FillSolid(dc, {p.X - 1, p.Y - 1, p.X + 1, p.Y + 1}, dark);
}

void TOrvOfficeStatusBar::PaintBorder(TCanvas& canvas) {
    const int w = ClientWidth();
    const int h = ClientHeight();
    const TColor border = FCurrentOfficeStatusBarStyler->GetBorderColor();
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.Pen().SetColor(border);
    canvas.MoveTo(0, 0);
    canvas.LineTo(0, h - 1);
    canvas.LineTo(w - 1, h - 1);
    canvas.LineTo(w - 1, 0);
    canvas.Pen().SetColor(BlendColor(border, clWhite, 80));
    Line(canvas, 0, 0, w - 1, 0);

    const bool external = FOfficeStatusBarStyler && FOfficeStatusBarStyler->GetBorderColor() != clNone;
    // 4. Rounded bottom corners of a ribbon form on systems before the glass frame.
    if (auto* form = dynamic_cast<TOrvToolBarForm*>(FParent); form && !StatusBarVistaOrLater()) {
        // Grey, or the caption text colour of the form's ribbon, or an external border.
        TColor c = 0x808080;
        for (int i = 0; i < form->ControlCount(); ++i)
            if (auto* pager = dynamic_cast<TOrvToolBarPager*>(form->Controls(i))) {
                if (TCustomOrvToolBarStyler* styler = pager->CurrentToolBarStyler())
                    c = styler->CaptionAppearance().GetCaptionTextColor();
                break;
            }
        if (external) c = FOfficeStatusBarStyler->GetBorderColor();
        if (ColorToRGB(c) == clWhite) c = clBlack;
        canvas.Pen().SetColor(c);
        Line(canvas, 0, h - 7, 0, h);
        Line(canvas, 1, h - 4, 1, h);
        Line(canvas, 0, h - 1, 7, h - 1);
        Line(canvas, 1, h - 2, 4, h - 2);
        Line(canvas, w - 1, h - 7, w - 1, h);
        Line(canvas, w - 2, h - 4, w - 2, h);
        Line(canvas, w - 1, h - 1, w - 8, h - 1);
        Line(canvas, w - 1, h - 2, w - 5, h - 2);
    }
    // 5. An external styler's border runs along the top.
    if (external) {
        canvas.Pen().SetColor(FOfficeStatusBarStyler->GetBorderColor());
        Line(canvas, 0, 0, w, 0);
    }
}

void TOrvOfficeStatusBar::SetPanelFont(TCanvas& canvas, const statusbar::TVistaBackground& look, TColor textColor,
                                       bool enabled) {
    canvas.Font().Assign(&Font());
    canvas.Font().SetStyle(Font().GetStyle() | look.GetTextStyle());
    canvas.Font().SetColor(enabled ? textColor : TColor(0x808080));
    SetBkMode(canvas.Handle(), TRANSPARENT);
}

TRect TOrvOfficeStatusBar::PanelFaceRect(const TRect& layoutRect) const {
    TRect r = layoutRect;
    if (FOfficeStatusBarStyler && FOfficeStatusBarStyler->GetBorderColor() != clNone) {
        r.Top += 1;
        r.Bottom -= 1;
    }
    return r;
}

const statusbar::TVistaBackground& TOrvOfficeStatusBar::PanelLook(int index, TPanelColors& colors,
                                                                  TColor& textColor) const {
    const TOrvOfficeStatusPanel& panel = *FPanels->Items(index);
    const auto& look = panel.FAppearanceStyle == psLight ? FCurrentOfficeStatusBarStyler->PanelAppearanceLight()
                                                         : FCurrentOfficeStatusBarStyler->PanelAppearanceDark();
    colors = {look.GetColor(), look.GetColorTo(), look.GetColorMirror(), look.GetColorMirrorTo(),
              look.GetBorderColor()};
    textColor = look.GetTextColor();
    if (panel.FButton && index == FDownPanelIndex) {
        colors = {look.GetColorDown(), look.GetColorDownTo(), look.GetColorMirrorDown(), look.GetColorMirrorDownTo(),
                  look.GetBorderColorDown()};
        textColor = look.GetTextColorDown();
    } else if (panel.FButton && index == FHotPanelIndex) {
        colors = {look.GetColorHot(), look.GetColorHotTo(), look.GetColorMirrorHot(), look.GetColorMirrorHotTo(),
                  look.GetBorderColorHot()};
        textColor = look.GetTextColorHot();
    }
    return look;
}

namespace {

TColor KeyColor(TColor c) {
    return c == clNone ? clNone : ColorToRGB(c);
}

// Whether a rich text blinks (its tag in any case): only then does the phase change it.
bool Blinks(const std::wstring& text) {
    static const std::wstring tag = L"<BLINK";
    auto it = std::search(text.begin(), text.end(), tag.begin(), tag.end(),
                          [](wchar_t a, wchar_t b) { return towupper(a) == b; });
    return it != text.end();
}

uint64_t VersionOf(const TImageList* list) {
    return list ? list->Version() : 0;
}

// A canvas lent a face's DC for one paint.
class TFaceCanvas : public TCanvas {
public:
    explicit TFaceCanvas(HDC dc) { SetHandle(dc); }
    ~TFaceCanvas() override { SetHandle(nullptr); }
};

}  // namespace

TStatusPanelFace TOrvOfficeStatusBar::PanelFaceOf(int index, const TRect& r) const {
    const TOrvOfficeStatusPanel& panel = *FPanels->Items(index);
    TPanelColors colors;
    TColor textColor = clNone;
    const auto& look = PanelLook(index, colors, textColor);
    TStatusPanelFace k;
    k.Left = r.Left;
    k.Top = r.Top;
    k.Right = r.Right;
    k.Bottom = r.Bottom;
    k.ContentRight = r.Right - 2 - (index == FPanels->Count() - 1 && SizeGripShown() ? 15 : 0);
    k.Separator = index > 0;
    k.BarColor = KeyColor(GetColor());
    k.Color = KeyColor(colors.Color);
    k.ColorTo = KeyColor(colors.ColorTo);
    k.ColorMirror = KeyColor(colors.ColorMirror);
    k.ColorMirrorTo = KeyColor(colors.ColorMirrorTo);
    k.BorderColor = KeyColor(colors.BorderColor);
    k.TextColor = KeyColor(textColor);
    // The separator is drawn from the look's ColorTo whatever the state.
    k.SeparatorColor = KeyColor(look.GetColorTo());
    k.Font = FontFaceOf(&Font());
    k.Font.Style |= look.GetTextStyle();
    k.Font.Color = panel.FEnabled ? k.TextColor : TColor(0x808080);
    k.AntiAlias = FAntiAlias;
    k.RightToLeft = IsRightToLeftAlignment();
    k.Style = panel.FStyle;
    k.Text = panel.FText;
    k.Alignment = static_cast<int>(panel.FAlignment);
    k.Enabled = panel.FEnabled;
    k.HTMLOffsetX = panel.FHTMLOffsetX;
    k.HTMLOffsetY = panel.FHTMLOffsetY;
    k.ImageIndex = panel.FImageIndex;
    for (const std::wstring& entry : panel.FImageIndexes) k.ImageIndexes += entry + L'\n';
    k.AnimationImages = panel.FAnimationImages;
    k.AnimationVersion = VersionOf(panel.FAnimationImages);
    k.Animated = panel.FAnimated;
    k.AnimIndex = panel.FAnimIndex;
    if (panel.FStyle == psProgress) {
        const TProgressStyle& p = *panel.FProgress;
        TStatusGaugeFace& g = k.Gauge;
        g.BackGround = KeyColor(p.GetBackGround());
        g.Indication = p.GetIndication();
        g.Level0Color = KeyColor(p.GetLevel0Color());
        g.Level0ColorTo = KeyColor(p.GetLevel0ColorTo());
        g.Level1Color = KeyColor(p.GetLevel1Color());
        g.Level1ColorTo = KeyColor(p.GetLevel1ColorTo());
        g.Level2Color = KeyColor(p.GetLevel2Color());
        g.Level2ColorTo = KeyColor(p.GetLevel2ColorTo());
        g.Level3Color = KeyColor(p.GetLevel3Color());
        g.Level3ColorTo = KeyColor(p.GetLevel3ColorTo());
        g.Level1Perc = p.GetLevel1Perc();
        g.Level2Perc = p.GetLevel2Perc();
        g.BorderColor = KeyColor(p.GetBorderColor());
        g.ShowBorder = p.GetShowBorder();
        g.Stacked = p.GetStacked();
        g.ShowPercentage = p.GetShowPercentage();
        g.CompletionSmooth = p.GetCompletionSmooth();
        g.ShowGradient = p.GetShowGradient();
        g.Suffix = p.GetSuffix();
        g.Prefix = p.GetPrefix();
        g.Min = p.GetMin();
        g.Max = p.GetMax();
        g.Position = p.GetPosition();
    }
    k.Images = FImages;
    k.ImagesVersion = VersionOf(FImages);
    k.DisabledImages = FDisabledImages;
    k.DisabledImagesVersion = VersionOf(FDisabledImages);
    if (panel.FStyle == psHTML) {
        k.Pictures = FPictureContainer;
        k.PictureCache = FPictureCache.get();
        k.PicturesGeneration = html::HtmlPicturesGeneration();
        k.URLColor = KeyColor(FURLColor);
        k.BlinkOn = BlinkOn() && Blinks(panel.FText);
    }
    return k;
}

void TOrvOfficeStatusBar::PaintPanel(TCanvas& canvas, int index, const TRect& layoutRect) {
    const TRect r = PanelFaceRect(layoutRect);
    if (r.IsEmpty() || !FCurrentOfficeStatusBarStyler) return;
    HDC dc = canvas.Handle();
    // Panels outside the repainted area (a single panel's repaint) are left alone.
    RECT shown{r.Left, r.Top, r.Right, r.Bottom};
    if (!RectVisible(dc, &shown)) return;
    const TOrvOfficeStatusPanel& panel = *FPanels->Items(index);
    if (panel.FStyle == psOwnerDraw && OnDrawPanel) {
        // The handler draws where it likes, on the bar's own canvas.
        DrawPanel(canvas, index, layoutRect, r);
        return;
    }
    if (StatusBarFaceCache) {
        auto face = SharedFaceCache().Get(PanelFaceOf(index, r), r.Width(), r.Height(), [&](TFace&, HDC faceDC) {
            // Painted in bar coordinates, so the painters see the rectangles they always do.
            SetWindowOrgEx(faceDC, r.Left, r.Top, nullptr);
            FillSolid(faceDC, r, GetColor());
            {
                TFaceCanvas faceCanvas(faceDC);
                DrawPanel(faceCanvas, index, layoutRect, r);
            }
            SetWindowOrgEx(faceDC, 0, 0, nullptr);
        });
        if (face && !face->Empty()) {
            face->Blit(dc, r.Left, r.Top);
            return;
        }
    }
    // Directly (no faces, or none to be had): what the face holds, kept within the panel
    // and from the canvas state a fresh face starts with.
    TCanvasStateGuard state(canvas);
    IntersectClipRect(dc, r.Left, r.Top, r.Right, r.Bottom);
    canvas.Brush().SetColor(clWhite);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Pen().SetColor(clBlack);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    DrawPanel(canvas, index, layoutRect, r);
}

void TOrvOfficeStatusBar::DrawPanel(TCanvas& canvas, int index, const TRect& layoutRect, const TRect& r) {
    TOrvOfficeStatusPanel& panel = *FPanels->Items(index);
    TPanelColors colors;
    TColor textColor = clNone;
    const auto& look = PanelLook(index, colors, textColor);

    // 3.-4. Background and separator.
    HDC dc = canvas.Handle();
    TRect fill{index > 0 ? r.Left + 2 : r.Left, r.Top, r.Right, r.Bottom};
    DrawPanelFace(dc, r, fill, colors, index > 0, look.GetColorTo());

    // 5. Content box.
    TRect c{r.Left + 2, r.Top, r.Right - 2, r.Bottom};
    if (index == FPanels->Count() - 1 && SizeGripShown()) c.Right -= 15;
    if (c.Right <= c.Left || c.Bottom <= c.Top) return;

    // 6. Font and alignment.
    SetPanelFont(canvas, look, textColor, panel.FEnabled);
    const TTextAlignment alignment = IsRightToLeftAlignment() ? TTextAlignment::taRightJustify : panel.FAlignment;
    const unsigned textFlags = kPanelTextFlags | AlignmentFlag(alignment);
    TFont font;
    font.Assign(&canvas.Font());
    auto text = [&](const TRect& box, unsigned flags) {
        DrawStatusText(canvas, alignment, flags, true, true, FAntiAlias, panel.FEnabled, font, panel.FText, box);
    };
    auto drawImage = [&](TImageList* list, int x, int y, int image) {
        if (!list) return;
        if (panel.FEnabled)
            list->Draw(canvas, x, y, image, true);
        else if (FDisabledImages && list == FImages)
            FDisabledImages->Draw(canvas, x, y, image, true);
        else
            DrawImageListDisabled(canvas.Handle(), *list, x, y, image);
    };

    // 7. Content.
    switch (panel.FStyle) {
        case psHTML: {
            TRect box = HtmlTextBox(canvas, index);
            SetPanelFont(canvas, look, textColor, panel.FEnabled);
            THtmlPaintOptions options;
            options.Images = FImages;
            options.Pictures = FPictureContainer;
            options.PictureCache = FPictureCache.get();
            options.AnchorColor = FURLColor;
            options.ShadowColor = 0x808080;
            options.BlinkOn = BlinkOn();
            options.Kept = panel.FKeptLayout.get();
            THtmlPaintResult result;
            PaintHtmlText(canvas, panel.FText, box, options, result);
            break;
        }
        case psProgress: {
            const TProgressStyle& p = *panel.FProgress;
            TGaugeSettings s;
            s.Level0Color = p.GetLevel0Color();
            s.Level0ColorTo = p.GetLevel0ColorTo();
            s.Level1Color = p.GetLevel1Color();
            s.Level1ColorTo = p.GetLevel1ColorTo();
            s.Level2Color = p.GetLevel2Color();
            s.Level2ColorTo = p.GetLevel2ColorTo();
            s.Level3Color = p.GetLevel3Color();
            s.Level3ColorTo = p.GetLevel3ColorTo();
            s.Level1Perc = p.GetLevel1Perc();
            s.Level2Perc = p.GetLevel2Perc();
            s.BorderColor = p.GetBorderColor();
            s.ShowBorder = p.GetShowBorder();
            s.Stacked = p.GetStacked();
            s.ShowPercentage = p.GetShowPercentage();
            font.SetColor(textColor);
            s.Font = &font;
            s.CompletionSmooth = p.GetCompletionSmooth();
            s.ShowGradient = p.GetShowGradient();
            s.Steps = 11;
            s.Position = p.GetPosition();
            s.BackgroundColor = p.GetBackGround();
            s.Horizontal = true;
            s.Percent = p.GetIndication() == piPercentage;
            s.Suffix = p.GetSuffix();
            s.Prefix = p.GetPrefix();
            s.Text = panel.FText;
            DrawGauge(canvas, c, GaugePercent(p.GetMin(), p.GetMax(), p.GetPosition()), s);
            break;
        }
        case psImage: {
            TRect box{c.Left + 2, c.Top, c.Right, c.Bottom};
            if (FImages) {
                const int iw = FImages->GetWidth();
                int x = alignment == TTextAlignment::taRightJustify ? c.Right - iw - 2
                        : alignment == TTextAlignment::taCenter     ? c.Left + (c.Width() - iw) / 2
                                                                    : c.Left + 2;
                if (panel.FImageIndex >= 0) drawImage(FImages, x, VCentre(c, FImages->GetHeight()), panel.FImageIndex);
                // Right-aligned: the text goes left of the image.
                if (alignment == TTextAlignment::taRightJustify)
                    box = {c.Left + 2, c.Top, x - 2, c.Bottom};
                else
                    box = {x + iw + 2, c.Top, c.Right, c.Bottom};
            }
            text(box, textFlags);
            break;
        }
        case psImageList: {
            if (!FImages || panel.ImageCount() == 0) break;
            int x = c.Left;
            for (int i = 0; i < panel.ImageCount(); ++i) {
                x += 2;
                int image = panel.ImageIndexes(i);
                if (image >= 0) drawImage(FImages, x, VCentre(c, FImages->GetHeight()), image);
                x += FImages->GetWidth();
            }
            break;
        }
        case psAnimation: {
            TRect box{c.Left + 2, c.Top, c.Right, c.Bottom};
            if (TImageList* frames = panel.FAnimationImages) {
                const int x = c.Left + 2;
                const int frame = panel.FAnimated ? panel.FAnimIndex : 0;
                if (frame < frames->Count()) frames->Draw(canvas, x, VCentre(c, frames->GetHeight()), frame, true);
                box.Left = x + frames->GetWidth() + 2;
            }
            unsigned flags = kPanelTextFlags | AlignmentFlag(panel.FAlignment);
            DrawStatusText(canvas, panel.FAlignment, flags, true, true, FAntiAlias, panel.FEnabled, font, panel.FText,
                           box);
            break;
        }
        case psEllipsText:
        case psFileEllipsText: {
            TRect box = c;
            if (alignment == TTextAlignment::taLeftJustify) box.Left += 2;
            unsigned flags =
                panel.FStyle == psEllipsText ? textFlags : (textFlags & ~kStatusEndEllipsis) | kStatusPathEllipsis;
            text(box, flags);
            break;
        }
        case psOwnerDraw:
            if (OnDrawPanel) {
                OnDrawPanel(this, &panel, layoutRect);
                break;
            }
            [[fallthrough]];
        default:
            text({c.Left + 2, c.Top, c.Right - 2, c.Bottom}, textFlags);
            break;
    }
}

// --- mouse ------------------------------------------------------------------------------------

void TOrvOfficeStatusBar::SetHotPanel(int index) {
    if (FHotPanelIndex == index) return;
    int old = FHotPanelIndex;
    FHotPanelIndex = index;
    InvalidatePanel(old);
    InvalidatePanel(index);
}

void TOrvOfficeStatusBar::SetDownPanel(int index) {
    if (FDownPanelIndex == index) return;
    int old = FDownPanelIndex;
    FDownPanelIndex = index;
    InvalidatePanel(old);
    InvalidatePanel(index);
}

void TOrvOfficeStatusBar::MouseMove(TShiftState shift, int x, int y) {
    const int panel = GetPanelAt(x, y);
    const bool panelChanged = panel != FMousePanel;
    if (panelChanged) {
        if (Application) Application->CancelHint();
        FMousePanel = panel;
        // Hot tracking: only Button panels become hot.
        SetHotPanel(-1);
        if (panel >= 0 && FPanels->Items(panel)->FButton && y > 0 && y < ClientHeight()) SetHotPanel(panel);
    }
    std::shared_ptr<bool> alive = FAlive;
    std::wstring anchor = AnchorAt(x, y);
    if (!anchor.empty()) {
        if (FCursor == crDefault || anchor != FAnchor) {
            FAnchor = anchor;
            SetCursor(crHandPoint);
            ::SetCursor(CursorHandle(crHandPoint));
            if (FAnchorHint && Application) Application->CancelHint();
            if (OnAnchorEnter) OnAnchorEnter(this, anchor);
        }
    } else if (FCursor == crHandPoint) {
        SetCursor(crDefault);
        ::SetCursor(CursorHandle(crArrow));
        if (OnAnchorExit) OnAnchorExit(this, L"");
    }
    if (*alive) TCustomControl::MouseMove(shift, x, y);
}

void TOrvOfficeStatusBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    const int panel = GetPanelAt(x, y);
    if (panel < 0) {
        SetDownPanel(-1);
    } else if (panel != FDownPanelIndex) {
        SetDownPanel(-1);
        if (FPanels->Items(panel)->FButton && y > 0 && y < ClientHeight()) SetDownPanel(panel);
    }
    std::shared_ptr<bool> alive = FAlive;
    const std::wstring anchor = AnchorAt(x, y);
    TCustomControl::MouseDown(button, shift, x, y);
    if (!*alive) return;
    if (button == TMouseButton::mbLeft && OnPanelClick) OnPanelClick(this, panel);
    if (button == TMouseButton::mbRight && OnPanelRightClick) OnPanelRightClick(this, panel);
    if (!*alive || anchor.empty()) return;
    if (AnchorOpensWithShell(anchor))
        StatusBarShellOpen(anchor);
    else if (OnAnchorClick)
        OnAnchorClick(this, anchor);
}

void TOrvOfficeStatusBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    SetDownPanel(-1);
    TCustomControl::MouseUp(button, shift, x, y);
}

void TOrvOfficeStatusBar::MouseLeave() {
    SetDownPanel(-1);
    SetHotPanel(-1);
    FMousePanel = -1;
    TCustomControl::MouseLeave();
}

void TOrvOfficeStatusBar::DblClick() {
    POINT sp{};
    GetCursorPos(&sp);
    TPoint p = ScreenToClient({sp.x, sp.y});
    const int panel = GetPanelAt(p.X, p.Y);
    std::shared_ptr<bool> alive = FAlive;
    TCustomControl::DblClick();
    if (*alive && OnPanelDblClick) OnPanelDblClick(this, panel);
}

// --- hints and messages ---------------------------------------------------------------------------

void TOrvOfficeStatusBar::HandleHintShow(TMessage& message) {
    THintInfo* info = HintInfoOf(message);
    if (!info || !FDummyHintControl) return;
    const TPoint p = info->CursorPos;
    const int index = FSimplePanel ? -1 : GetPanelAt(p.X, p.Y);
    if (index >= 0) {
        TOrvOfficeStatusPanel& panel = *FPanels->Items(index);
        TOrvHintInfo& hint = FDummyHintControl->OfficeHint();
        hint.Assign(&panel.OfficeHint());
        std::wstring anchor = panel.FStyle == psHTML && FAnchorHint ? AnchorAt(p.X, p.Y) : L"";
        if (!anchor.empty()) {
            TPoint screen = ClientToScreen(p);
            info->HintPos = {screen.X + 10, screen.Y - 10};
            hint.SetTitle(L"");
            hint.SetNotes({anchor});
            info->HintStr = anchor;
        } else if (!hint.GetTitle().empty()) {
            info->HintStr = hint.GetTitle();
        }
        info->CursorRect = PanelRect(index);
    } else {
        // No panel under the cursor (the simple panel, an empty bar): no panel's hint either,
        // not the one copied last.
        TOrvHintInfo none;
        FDummyHintControl->OfficeHint().Assign(&none);
    }
    info->HintControl = FDummyHintControl;
}

void TOrvOfficeStatusBar::WndProc(TMessage& m) {
    switch (m.Msg) {
        case CM_HINTSHOW:
            if (IsKeyTipRequest(m)) break;
            TCustomControl::WndProc(m);
            HandleHintShow(m);
            return;
        case WM_NCHITTEST: {
            TCustomControl::WndProc(m);
            POINT sp{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
            TPoint p = ScreenToClient({sp.x, sp.y});
            const int w = ClientWidth();
            const int h = ClientHeight();
            if (SizeGripShown() && m.Result == HTCLIENT && p.X >= w - GetSystemMetrics(SM_CXVSCROLL) &&
                p.Y >= h - GetSystemMetrics(SM_CYHSCROLL)) {
                SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
                m.Result = HTBOTTOMRIGHT;
            } else if (ParentFormSizeable() && (p.X >= w - 4 || p.Y >= h - 4)) {
                // The form's own sizing border lies under the bar's outer pixels.
                m.Result = HTTRANSPARENT;
            }
            return;
        }
        case WM_SETTINGCHANGE:
            if ((m.WParam == 0 || m.WParam == SPI_SETNONCLIENTMETRICS) && FUseSystemFont) ApplySystemFont();
            break;
        case CM_SYSFONTCHANGED:
            if (FUseSystemFont) ApplySystemFont();
            break;
        case CM_PARENTFONTCHANGED:
            if (FParentFont) FUseSystemFont = false;
            break;
        case CM_COLORCHANGED:
        case CM_SYSCOLORCHANGE:
            TCustomControl::WndProc(m);
            if (HandleAllocated()) RecreateWnd();
            return;
        default:
            break;
    }
    TCustomControl::WndProc(m);
}

}  // namespace orv
