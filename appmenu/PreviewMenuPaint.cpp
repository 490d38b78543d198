// Painting of the application-menu panel: frame, items, the sub-item area, scroll
// arrows and key tips, all in the current styler's colours. Backgrounds of items go
// through the glow-button face cache, so a hot change blits two kept faces.
#include <windows.h>

#include <algorithm>
#include <atomic>

#include "appmenu/OrvPreviewMenu.h"
#include "appmenu/OrvPreviewMenuPanel.h"
#include "buttons/GlowButtonPainter.h"
#include "paint/ShapeButtonPaint.h"
#include "framework/Bitmap.h"
#include "framework/ImageList.h"
#include "paint/FaceCache.h"
#include "paint/GDIPPicture.h"
#include "paint/OrvColors.h"
#include "paint/OrvGDIP.h"
#include "paint/OrvGradients.h"
#include "paint/OrvLook.h"
#include "paint/OrvPictureDraw.h"
#include "paint/OrvText.h"
#include "toolbar/OrvStyleIF.h"

namespace orv {

namespace {

constexpr TColor kSeparatorColor = 12961221;

void Mix(uint64_t& seed, uint64_t value) {
    seed ^= value + 0x9E3779B97F4A7C15ull + (seed << 6) + (seed >> 2);
}

TGlowColorSet Blended(TGlowColorSet set, int percent) {
    for (TColor* c : {&set.Color, &set.ColorTo, &set.ColorMirror, &set.ColorMirrorTo})
        if (*c != clNone) *c = BlendColor(*c, clWhite, percent);
    return set;
}

void Line(TCanvas& canvas, TColor color, int x1, int y1, int x2, int y2) {
    canvas.Pen().SetColor(color);
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

void Frame(TCanvas& canvas, TColor color, const TRect& r) {
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.Pen().SetColor(color);
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.Rectangle(r);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
}

void Fill(TCanvas& canvas, TColor color, const TRect& r) {
    if (r.IsEmpty() || color == clNone) return;
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(color);
    canvas.FillRect(r);
}

// A part's background: the glow face when it has a second colour, a plain rectangle
// with only the first, nothing when both are none (the column shows).
void PaintPart(TCanvas& canvas, const TRect& r, const TGlowColorSet& set, bool rounded) {
    if (r.IsEmpty()) return;
    if (set.ColorTo != clNone) {
        TGlowButtonPaint paint;
        paint.Rect = r;
        paint.Colors = set;
        paint.Rounded = rounded;
        paint.DrawCaption = false;
        paint.DrawGlyph = false;
        PaintGlowButton(canvas, paint);
    } else if (set.Color != clNone) {
        Fill(canvas, set.Color, r);
        if (set.BorderColor != clNone) Frame(canvas, set.BorderColor, r);
    }
}

// Right-pointing triangle, 6 pixels high, its flat side at x.
void Triangle(TCanvas& canvas, TColor color, int x, int centreY) {
    canvas.Pen().SetColor(color);
    canvas.Brush().SetColor(color);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Polygon({{x, centreY - 3}, {x + 3, centreY}, {x, centreY + 3}});
}

void DrawText1(TCanvas& canvas, const TRect& r, const std::wstring& text, const TFont& font, TColor color,
               unsigned format, TAntiAlias antiAlias) {
    if (text.empty() || r.IsEmpty()) return;
    TFont f;
    f.Assign(&font);
    f.SetColor(color);
    DrawGDIPText(canvas, TTextAlignment::taLeftJustify, format, r, text, f, true, true, antiAlias, false, false);
}

// Picture or list image of an entry at the left of r, vertically centred; the width used.
int DrawEntryImage(TCanvas& canvas, TPreviewItemBase& item, const TRect& r, TImageList* images,
                   TImageList* disabledImages, int space) {
    TGDIPPicture* picture = nullptr;
    if (!item.Picture().Empty())
        picture = &item.Picture();
    else if (!item.GetEnabled() && !item.DisabledPicture().Empty())
        picture = &item.DisabledPicture();
    if (picture) {
        DrawGraphicAt(nullptr, &canvas, {r.Left, r.Top + (r.Height() - picture->Height()) / 2}, picture, true);
        return picture->Width() + space;
    }
    if (item.GetImageIndex() < 0) return 0;
    bool useDisabled = !item.GetEnabled() && disabledImages;
    TImageList* list = useDisabled ? disabledImages : images;
    if (!list) return 0;
    // Greyed when disabled and no disabled list exists.
    DrawImageListImage(nullptr, &canvas, {r.Left, r.Top + (r.Height() - list->GetHeight()) / 2}, list,
                       item.GetImageIndex(), item.GetEnabled() || useDisabled);
    return list->GetWidth() + space;
}

}  // namespace

uint64_t NextPreviewPanelLookVersion() {
    static std::atomic<uint64_t> counter{0};
    return ++counter;
}

void TOrvPreviewMenuPanel::LookChanged() {
    const uint64_t old = FLookVersion;
    FLookVersion = NextPreviewPanelLookVersion();
    SharedFaceCache().EraseIf<TPreviewPanelFace>(
        [this, old](const TPreviewPanelFace& key) { return key.Panel == this && key.LookVersion == old; });
}

void TOrvPreviewMenuPanel::Paint() {
    if (!PreviewMenuFaceCache || !FaceCacheable()) {
        PaintTo(Canvas());
        return;
    }
    auto face = SharedFaceCache().Get(FaceKey(), Width(), Height(), [this](TFace&, HDC dc) {
        // As the window's own buffered paint starts: the background colour, then the panel.
        EraseBackground(dc);
        TCanvas canvas;
        canvas.SetHandle(dc);
        PaintTo(canvas);
        canvas.SetHandle(nullptr);
    });
    if (!face->Empty()) {
        face->Blit(Canvas().Handle(), 0, 0);
        return;
    }
    // No face to be had (the handles ran out): what it would hold, straight onto the canvas.
    EraseBackground(Canvas().Handle());
    PaintTo(Canvas());
}

bool TOrvPreviewMenuPanel::FaceCacheable() const {
    // The user's own drawing is not part of the description.
    if (!FOrvPreviewMenu || Width() <= 0 || Height() <= 0) return false;
    const TOrvPreviewMenu& menu = *FOrvPreviewMenu;
    return !menu.OnDrawButtonFrameTop && !menu.OnMenuDrawItem && !menu.OnSubMenuDrawItem;
}

TPreviewPanelFace TOrvPreviewMenuPanel::FaceKey() const {
    TOrvPreviewMenu& menu = *FOrvPreviewMenu;
    TPreviewPanelFace key;
    key.Panel = this;
    key.Styler = &menu.CurrentStyler();
    key.LookVersion = FLookVersion;
    key.Width = Width();
    key.Height = Height();
    key.Color = GetColor();
    key.Scenic = ScenicRibbonMode;
    key.Office2010 = Office2010Look;
    key.ItemIndex = FItemIndex;
    key.ItemHot = FItemHot;
    key.ItemDown = FItemDown;
    key.SubMenuItem = FSubMenuItem;
    key.SubItemHot = FSubMenuItemHot;
    key.SubItemDown = FSubMenuItemDown;
    key.TopSubItem = FTopSubMenuItem;
    key.CheckedSubItem = FSubMenuItem >= 0 ? menu.MenuItems().Items(FSubMenuItem)->FSubMenuItemIndex : -1;
    int bit = 0;
    for (bool flag : {FButtonPartHot, FDropDownPartHot, FSubMenuScollUpHot, FSubMenuScollUpDown, FSubMenuScollDownHot,
                      FSubMenuScollDownDown, FShortCutItemHintShowing, FShortCutSubMenuItemHintShowing})
        key.Flags |= uint16_t((flag ? 1u : 0u) << bit++);
    uint64_t tips = FSubItemTips.size();
    for (int i : FSubItemTips) Mix(tips, uint64_t(i));
    uint64_t pictures = 0;
    auto stampEntry = [&pictures](TPreviewItemBase& entry) {
        Mix(pictures, entry.Picture().Version());
        Mix(pictures, entry.DisabledPicture().Version());
    };
    for (int i = 0; i < menu.MenuItems().Count(); ++i) {
        TOrvPreviewMenuItem& item = *menu.MenuItems().Items(i);
        Mix(tips, (item.FShortCutHintShowing ? 1u : 0u) | (item.FShortCutSubItemHintShowing ? 2u : 0u));
        stampEntry(item);
    }
    if (TOrvPreviewSubMenuItems* list = ShownSubItems())
        for (int i = 0; i < list->Count(); ++i) stampEntry(*list->Items(i));
    for (TImageList* images :
         {menu.GetMenuImages(), menu.GetMenuDisabledImages(), menu.GetSubMenuImages(), menu.GetSubMenuDisabledImages()})
        Mix(pictures, images ? images->Version() : 0);
    key.TipStamp = tips;
    key.PictureStamp = pictures;
    return key;
}

void TOrvPreviewMenuPanel::PaintTo(TCanvas& canvas) {
    if (!FOrvPreviewMenu) return;
    PaintFrame(canvas);
    TOrvPreviewMenu& menu = *FOrvPreviewMenu;
    for (int i = 0; i < menu.MenuItems().Count(); ++i)
        if (menu.MenuItems().Items(i)->GetVisible()) PaintItem(canvas, i);
    PaintSubArea(canvas);
}

void TOrvPreviewMenuPanel::PaintFrame(TCanvas& canvas) {
    TOrvPreviewMenu& menu = *FOrvPreviewMenu;
    TOrvCustomPreviewMenuStyler& st = menu.CurrentStyler();
    appmenu::TVistaBackground& fa = st.FrameAppearance();
    TPreviewFrameMetrics m = menu.FrameMetrics();
    const int w = Width(), h = Height();
    const TColor light = BlendColor(fa.GetColor(), clWhite, 50);

    Fill(canvas, fa.GetColor(), {0, m.TopHeight, FLeftFrameRect.Left, h - m.BottomHeight});
    Fill(canvas, fa.GetColor(), {FRightFrameRect.Right, m.TopHeight, w, h - m.BottomHeight});
    DrawVistaGradient(canvas, {0, 0, w, m.TopHeight}, m.TopHeight / 2, fa.GetColor(), fa.GetColorTo(),
                      fa.GetColorMirror(), fa.GetColorMirrorTo(), clNone, 0);
    TRect bottom{0, h - m.BottomHeight, w, h};
    if (ScenicRibbonMode)
        DrawGradient(canvas, fa.GetColor(), fa.GetColorTo(), std::max(2, fa.GetSteps()), bottom, false);
    else
        DrawVistaGradient(canvas, bottom, m.BottomHeight / 2, fa.GetColor(), fa.GetColorTo(), fa.GetColorMirror(),
                          fa.GetColorMirrorTo(), clNone, 0);

    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    if (ScenicRibbonMode) {
        Frame(canvas, fa.GetBorderColor(), {0, 0, w, h});
        Frame(canvas, light, {1, 1, w - 1, h - 1});
    } else {
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        canvas.Pen().SetColor(fa.GetBorderColor());
        canvas.RoundRect({0, 0, w, h}, 5, 5);
        canvas.Pen().SetColor(light);
        canvas.RoundRect({1, 1, w - 1, h - 1}, 5, 5);
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    }

    Fill(canvas, st.GetLeftFrameColor(), FLeftFrameRect);
    // (The sub-item area paints itself after the items.)
    TRect u{FLeftFrameRect.Left, FLeftFrameRect.Top, FRightFrameRect.Right, FRightFrameRect.Bottom};
    Frame(canvas, light, {u.Left, u.Top - 2, u.Right - 1, u.Bottom + 2});
    Frame(canvas, light, u);
    if (!ScenicRibbonMode) Line(canvas, light, u.Left - 2, u.Top - 3, u.Right + 2, u.Top - 3);
    Frame(canvas, fa.GetBorderColor(), u.Inflate(1, 1));
    Line(canvas, clSilver, FLeftFrameRect.Right - 1, u.Top, FLeftFrameRect.Right - 1, u.Bottom);

    if (ScenicRibbonMode) {
        // The application button, square, in the colours the button handed over.
        TGPGraphics g(canvas.Handle());
        TShapeButtonColors colors{menu.FMenuButtonBorderColor, menu.FMenuButtonInnerBorderColor,
                                  menu.FMenuButtonColor,       menu.FMenuButtonColorTo,
                                  menu.FMenuButtonColorMirror, menu.FMenuButtonColorMirrorTo};
        DrawShapeButtonClassicRect(g, 0, 1, 55, 23, colors, 0);
        if (menu.FMenuDefaultShape) DrawShapeButtonMenuGlyph(g, -1, 3, 55, 19, menu.FMenuShapeColor);
        if (Office2010Look && !menu.GetMenuText().empty()) {
            TFont f;
            f.Assign(&menu.MenuFont());
            DrawGDIPText(canvas, TTextAlignment::taCenter, DT_SINGLELINE | DT_CENTER | DT_VCENTER, {0, 1, 55, 24},
                         menu.GetMenuText(), f, true, true, menu.GetAntiAlias(), false, false);
        }
    }
    TPreviewDrawFrameTopEvent drawTop = menu.OnDrawButtonFrameTop;
    drawTop(&menu, canvas, TRect{0, 0, w, m.TopHeight});
}

void TOrvPreviewMenuPanel::PaintItem(TCanvas& canvas, int index) {
    TOrvPreviewMenu& menu = *FOrvPreviewMenu;
    TOrvPreviewMenuItem& item = *menu.MenuItems().Items(index);
    TSelectionAppearance& s = menu.CurrentStyler().MenuItemAppearance();
    TRect r = ItemRect(index);
    if (r.IsEmpty()) return;
    if (item.GetSeparator()) {
        Line(canvas, kSeparatorColor, r.Left + r.Width() / 3, r.Bottom - 1, r.Right, r.Bottom - 1);
        r.Bottom -= 1;
    }
    bool hot = FItemHot == index;
    TGlowLook look;
    TColor text;
    if (!item.GetEnabled()) {
        look = glDisabled;
        text = s.GetTextColorDisabled();
    } else if (FItemDown == index || (hot && FItemIndex == index)) {
        look = glDown;
        text = s.GetTextColorDown();
    } else if (hot) {
        look = glHot;
        text = s.GetTextColorHot();
    } else if (FItemIndex == index) {
        look = glChecked;
        text = s.GetTextColorChecked();
    } else {
        look = glNormal;
        text = s.GetTextColor();
    }
    TGlowColorSet set = s.Look(look);
    bool split = item.HasSubItems() && item.GetCanSelect();
    if (split) {
        TRect drop = PreviewDropDownRect(r);
        TRect button{r.Left, r.Top, drop.Left + 1, r.Bottom};
        TGlowColorSet buttonSet = set, dropSet = set;
        if (look == glNormal || look == glChecked) {
            buttonSet = Blended(set, 50);
            dropSet = s.Look(glNormal);
        } else if (look == glHot || look == glDown) {
            if (!FButtonPartHot) buttonSet = Blended(set, 50);
            if (!FDropDownPartHot) dropSet = Blended(set, 50);
        }
        PaintPart(canvas, button, buttonSet, s.GetRounded());
        PaintPart(canvas, drop, dropSet, s.GetRounded());
        if (set.BorderColor != clNone) Line(canvas, set.BorderColor, drop.Left, r.Top, drop.Left, r.Bottom);
    } else {
        PaintPart(canvas, r, set, s.GetRounded());
    }

    if (menu.OnMenuDrawItem) {
        TPreviewDrawItemEvent draw = menu.OnMenuDrawItem;
        draw(&menu, canvas, index, r);
    } else {
        TRect content{r.Left + menu.GetMenuSpacing(), r.Top, r.Right - menu.GetMenuSpacing(), r.Bottom};
        content.Left += DrawEntryImage(canvas, item, content, menu.GetMenuImages(), menu.GetMenuDisabledImages(), 4);
        const std::wstring& caption = item.GetCaption().empty() ? item.GetWideCaption() : item.GetCaption();
        DrawText1(canvas, content, caption, s.Font(), text, DT_SINGLELINE | DT_VCENTER, menu.GetAntiAlias());
    }
    if (item.HasSubItems()) Triangle(canvas, text, r.Right - 15, r.Top + r.Height() / 2);
    if (item.FShortCutHintShowing) PaintKeyTip(canvas, ItemTipRect(index, false), ItemTipText(index));
    if (item.FShortCutSubItemHintShowing) PaintKeyTip(canvas, ItemTipRect(index, true), item.GetShortCutSubItemsHint());
}

TRect TOrvPreviewMenuPanel::SubListClip() const {
    TRect r = FRightFrameRect;
    int top = r.Top + 1 + FSubMenuCaptionHeight;
    int bottom = r.Bottom - (ItemList() ? 5 : 1);
    if (FPaging.Active) {
        top = ScrollUpRect().Bottom;
        bottom = ScrollDownRect().Top;
    }
    return {r.Left + 1, top, r.Right - (ItemList() ? 5 : 1), bottom};
}

void TOrvPreviewMenuPanel::PaintSubArea(TCanvas& canvas) {
    TOrvPreviewMenu& menu = *FOrvPreviewMenu;
    TOrvCustomPreviewMenuStyler& st = menu.CurrentStyler();
    TSelectionAppearance& s = st.MenuItemAppearance();
    TRect r = FRightFrameRect;
    bool itemList = ItemList();
    if (!itemList) {
        Fill(canvas, st.GetRightFrameColor(), r);
    } else {
        // A raised panel: its right and bottom edges 4 pixels in, with a soft shadow.
        Fill(canvas, st.GetRightFrameColor(), r);
        TRect p{r.Left, r.Top, r.Right - 4, r.Bottom - 4};
        Fill(canvas, st.GetLeftFrameColor(), p);
        TColor rb = st.GetRightFrameBorderColor();
        TColor shades[4] = {st.FrameAppearance().GetBorderColor(), rb, BlendColor(rb, clWhite, 70),
                            BlendColor(rb, clWhite, 50)};
        for (int k = 0; k < 4; ++k) {
            Line(canvas, shades[k], p.Right - 1 + k, p.Top + k, p.Right - 1 + k, p.Bottom + k);
            Line(canvas, shades[k], p.Left + k, p.Bottom - 1 + k, p.Right + k, p.Bottom - 1 + k);
        }
    }
    TOrvPreviewSubMenuItems* list = ShownSubItems();
    int spacing = menu.GetSubMenuItemSpacing();
    std::wstring caption = menu.GetSubMenuCaption().empty() ? menu.GetWideSubMenuCaption() : menu.GetSubMenuCaption();
    if (itemList) {
        TOrvPreviewMenuItem& item = *menu.MenuItems().Items(FSubMenuItem);
        spacing = item.GetSubMenuItemSpacing();
        caption = item.GetSubMenuCaption().empty() ? item.GetWideSubMenuCaption() : item.GetSubMenuCaption();
    }
    if (FSubMenuCaptionHeight > 0) {
        TRect c = PreviewSubCaptionRect(r, FSubMenuCaptionHeight, itemList);
        if (itemList) Fill(canvas, st.FrameAppearance().GetCaptionBackground(), c);
        DrawText1(canvas, {c.Left + spacing, c.Top, c.Right - spacing, c.Bottom - 3}, caption, s.SubMenuCaptionFont(),
                  s.GetTextColor(), DT_SINGLELINE | DT_VCENTER, menu.GetAntiAlias());
        Line(canvas, kSeparatorColor, c.Left, c.Bottom - 2, c.Right, c.Bottom - 2);
        Line(canvas, BlendColor(st.GetRightFrameColor(), clWhite, 30), c.Left, c.Bottom - 1, c.Right, c.Bottom - 1);
        if (itemList) Line(canvas, clSilver, c.Left, c.Top, c.Right, c.Top);
    }
    if (itemList) Line(canvas, clSilver, r.Left, r.Top, r.Left, r.Bottom - 4);
    if (list) {
        // Sub-items partly under an arrow show only their uncovered part.
        TCanvasStateGuard guard(canvas);
        TRect clip = SubListClip();
        IntersectClipRect(canvas.Handle(), clip.Left, clip.Top, clip.Right, clip.Bottom);
        for (int i = 0; i < list->Count(); ++i)
            if (list->Items(i)->GetVisible()) PaintSubItem(canvas, i);
    }
    if (FPaging.Active) {
        PaintScrollArrow(canvas, true);
        PaintScrollArrow(canvas, false);
    }
}

void TOrvPreviewMenuPanel::PaintSubItem(TCanvas& canvas, int index) {
    TOrvPreviewMenu& menu = *FOrvPreviewMenu;
    TOrvPreviewSubMenuItems& list = *ShownSubItems();
    TOrvPreviewSubMenuItem& sub = *list.Items(index);
    TSelectionAppearance& s = menu.CurrentStyler().MenuItemAppearance();
    TRect r = SubItemRect(index);
    if (r.IsEmpty()) return;
    if (sub.GetSeparator()) {
        Line(canvas, kSeparatorColor, r.Left + r.Width() / 3, r.Bottom - 1, r.Right, r.Bottom - 1);
        r.Bottom -= 1;
    }
    int checked = FSubMenuItem >= 0 ? menu.MenuItems().Items(FSubMenuItem)->FSubMenuItemIndex : -1;
    bool hot = FSubMenuItemHot == index;
    TGlowLook look = glNormal;
    TColor text = s.GetTextColor();
    if (!sub.GetEnabled()) {
        look = glDisabled;
        text = s.GetTextColorDisabled();
    } else if (FSubMenuItemDown == index || (hot && checked == index)) {
        look = glDown;
        text = s.GetTextColorDown();
    } else if (hot) {
        look = glHot;
        text = s.GetTextColorHot();
    } else if (checked == index) {
        look = glChecked;
        text = s.GetTextColorChecked();
    }
    PaintPart(canvas, r, s.Look(look), s.GetRounded());
    if (menu.OnSubMenuDrawItem) {
        TPreviewDrawSubItemEvent draw = menu.OnSubMenuDrawItem;
        draw(&menu, canvas, FSubMenuItem, index, r);
    } else {
        int spacing = FSubMenuItem >= 0 ? menu.MenuItems().Items(FSubMenuItem)->GetSubMenuItemSpacing()
                                        : menu.GetSubMenuItemSpacing();
        TRect content = r.Inflate(-spacing, -spacing);
        content.Left +=
            DrawEntryImage(canvas, sub, content, menu.GetSubMenuImages(), menu.GetSubMenuDisabledImages(), FImageSpace);
        const std::wstring& title = sub.GetTitle().empty() ? sub.GetWideTitle() : sub.GetTitle();
        bool notes = !sub.GetNotes().empty() || !sub.GetWideNotes().empty();
        TBitmap scratch(1, 1);
        TRect measured =
            DrawGDIPText(scratch.Canvas(), TTextAlignment::taLeftJustify, DT_SINGLELINE, {0, 0, 1000, 100},
                         title.empty() ? L" " : title, s.SubItemTitleFont(), true, false, aaClearType, false, false);
        if (notes) {
            DrawText1(canvas, {content.Left, content.Top, content.Right, content.Top + measured.Height()}, title,
                      s.SubItemTitleFont(), text, DT_SINGLELINE | DT_TOP, menu.GetAntiAlias());
            int y = content.Top + measured.Height() + 2 * FLineSpace;
            if (!sub.GetNotes().empty()) {
                for (const std::wstring& line : sub.GetNotes()) {
                    if (line.empty()) continue;
                    TRect lr =
                        DrawGDIPText(scratch.Canvas(), TTextAlignment::taLeftJustify, DT_SINGLELINE, {0, 0, 1000, 100},
                                     line, s.SubItemFont(), true, false, aaClearType, false, false);
                    DrawText1(canvas, {content.Left, y, content.Right, y + lr.Height()}, line, s.SubItemFont(), text,
                              DT_SINGLELINE | DT_TOP, menu.GetAntiAlias());
                    y += lr.Height() + FLineSpace;
                }
            } else {
                canvas.Font().Assign(&s.SubItemFont());
                canvas.Font().SetColor(text);
                canvas.Brush().SetStyle(TBrushStyle::bsClear);
                TRect block{content.Left, y, content.Right, content.Bottom};
                canvas.DrawText(sub.GetWideNotes(), block, DT_WORDBREAK);
                canvas.Brush().SetStyle(TBrushStyle::bsSolid);
            }
        } else {
            DrawText1(canvas, content, title, s.SubItemTitleFont(), text, DT_SINGLELINE | DT_VCENTER,
                      menu.GetAntiAlias());
        }
    }
    if (sub.GetSubMenu()) Triangle(canvas, text, r.Right - 20, r.Top + r.Height() / 2);
    if (std::find(FSubItemTips.begin(), FSubItemTips.end(), index) != FSubItemTips.end()) {
        std::wstring tip = sub.GetShortCutHint();
        if (tip.empty()) tip.assign(1, AcceleratorOf(sub.GetTitle()));
        PaintKeyTip(canvas, SubItemTipRect(index), tip);
    }
}

void TOrvPreviewMenuPanel::PaintScrollArrow(TCanvas& canvas, bool up) {
    TGlowButtonAppearance& b = FOrvPreviewMenu->CurrentStyler().ButtonAppearance();
    TRect r = up ? ScrollUpRect() : ScrollDownRect();
    bool hot = up ? FSubMenuScollUpHot : FSubMenuScollDownHot;
    bool down = up ? FSubMenuScollUpDown : FSubMenuScollDownDown;
    TColor pen = b.GetBorderColor(), brush = b.GetColor();
    if (down) {
        pen = b.GetBorderColorDown();
        brush = b.GetColorDown();
    } else if (hot) {
        pen = b.GetBorderColorHot();
        brush = b.GetColorHotTo();
    }
    canvas.Pen().SetColor(pen);
    canvas.Pen().SetStyle(pen == clNone ? TPenStyle::psClear : TPenStyle::psSolid);
    canvas.Brush().SetStyle(brush == clNone ? TBrushStyle::bsClear : TBrushStyle::bsSolid);
    canvas.Brush().SetColor(brush);
    canvas.RoundRect(r, 1, 1);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    TColor arrow = BlendColor(clBlack, pen == clNone ? clGray : pen, 50);
    int cx = r.Left + r.Width() / 2, cy = r.Top + r.Height() / 2;
    // Three rows of 5, 3 and 1 pixels, the point towards the scroll direction.
    for (int k = 0; k < 3; ++k) {
        int y = up ? cy + 1 - k : cy - 1 + k;
        Line(canvas, arrow, cx - 2 + k, y, cx + 3 - k, y);
    }
    if (!up)
        Line(canvas, BlendColor(clWhite, pen == clNone ? clGray : pen, 80), r.Left + 1, r.Bottom - 1, r.Right - 1,
             r.Bottom - 1);
}

void TOrvPreviewMenuPanel::PaintKeyTip(TCanvas& canvas, const TRect& box, const std::wstring& text) {
    if (box.IsEmpty()) return;
    TColor to =
        FOrvPreviewMenu->GetStyler() ? FOrvPreviewMenu->CurrentStyler().ButtonAppearance().GetColor() : clSilver;
    if (to == clNone) to = clSilver;
    DrawGradient(canvas, clWhite, to, 32, box, false, gvInsetFarEdge);
    canvas.Font().SetName(L"Tahoma");
    canvas.Font().SetHeight(-11);
    canvas.Font().SetStyle(0);
    canvas.Font().SetColor(clBlack);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    TRect t = box;
    canvas.DrawText(text, t, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    canvas.Pen().SetColor(clGray);
    canvas.RoundRect(box, 3, 3);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    // Shadow along the right and bottom edges.
    Line(canvas, 10917512, box.Right, box.Top + 2, box.Right, box.Bottom);
    Line(canvas, 10917512, box.Left + 2, box.Bottom, box.Right, box.Bottom);
    canvas.SetPixel(box.Right, box.Top + 1, 14079699);
    canvas.SetPixel(box.Left + 1, box.Bottom, 14079699);
    canvas.SetPixel(box.Right, box.Bottom, 12631480);
}

void TOrvPreviewMenuPanel::ScrollSubItems(bool forward) {
    if (!FPaging.Active || FPaging.PageSize <= 0) return;
    if (forward ? !FSubMenuScroller.CanGoForward() : !FSubMenuScroller.CanGoBack()) return;
    bool slide = HandleAllocated() && Showing() && Width() > 0 && Height() > 0;
    std::unique_ptr<TBitmap> before, after;
    if (slide) {
        before = std::make_unique<TBitmap>(Width(), Height());
        PaintTo(before->Canvas());
    }
    FSubMenuScroller.SetPosition(FSubMenuScroller.GetPosition() + (forward ? 1 : -1));
    FTopSubMenuItem = FSubMenuScroller.GetPosition() * FPaging.PageSize;
    if (slide) {
        after = std::make_unique<TBitmap>(Width(), Height());
        PaintTo(after->Canvas());
        // Slide the list in 5-pixel steps from the two off-screen pictures.
        TRect clip = SubListClip();
        int distance = clip.Height();
        FSubMenuScrolling = true;
        TWindowDC dc(Handle());
        for (int moved = 5; moved < distance; moved += 5) {
            int w = clip.Width();
            if (forward) {
                BitBlt(dc.Get(), clip.Left, clip.Top, w, distance - moved, before->Canvas().Handle(), clip.Left,
                       clip.Top + moved, SRCCOPY);
                BitBlt(dc.Get(), clip.Left, clip.Bottom - moved, w, moved, after->Canvas().Handle(), clip.Left,
                       clip.Top, SRCCOPY);
            } else {
                BitBlt(dc.Get(), clip.Left, clip.Top + moved, w, distance - moved, before->Canvas().Handle(), clip.Left,
                       clip.Top, SRCCOPY);
                BitBlt(dc.Get(), clip.Left, clip.Top, w, moved, after->Canvas().Handle(), clip.Left,
                       clip.Bottom - moved, SRCCOPY);
            }
            GdiFlush();
        }
        FSubMenuScrolling = false;
    }
    if (HandleAllocated()) InvalidateRect(FRightFrameRect);
}

}  // namespace orv
