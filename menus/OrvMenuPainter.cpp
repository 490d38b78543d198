#include "menus/OrvMenuPainter.h"

#include <windows.h>

#include <algorithm>
#include <cmath>

#include "framework/Forms.h"
#include "framework/SystemFont.h"
#include "paint/OrvText.h"

namespace orv::menus {

namespace {

std::vector<std::wstring> SplitLines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    size_t start = 0;
    for (;;) {
        size_t end = text.find(L'\n', start);
        lines.push_back(text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start));
        if (end == std::wstring::npos) break;
        start = end + 1;
    }
    return lines;
}

bool HasNotes(const TMenuItem& item, const TMenuDrawContext& context) {
    return context.ShowNotes && item.GetCaption().find(L'\n') != std::wstring::npos;
}

TImageList* ImagesOf(const TMenuDrawContext& context) {
    return context.Menu ? context.Menu->GetImages() : nullptr;
}

// The font an item's caption uses; system: the platform's menu font.
void ItemFont(const TMenuItem& item, const TMenuDrawContext& context, bool selected, TFont& font) {
    TCustomOrvMenuStyler* styler = context.Styler;
    if (IsBarItem(item)) {
        if (styler->RootItem().GetUseSystemFont())
            InitRecordFont(font, TSystemFont::Menu);
        else
            font.Assign(&styler->RootItem().Font());
        return;
    }
    if (selected) {
        if (styler->SelectedItem().GetUseSystemFont())
            InitRecordFont(font, TSystemFont::Menu);
        else
            font.Assign(&styler->SelectedItem().Font());
        return;
    }
    if (styler->GetUseSystemFont())
        InitRecordFont(font, TSystemFont::Menu);
    else
        font.Assign(&styler->Font());
}

// Measuring uses the styler's font, or the selected item's when the styler
// follows the system, or the system's when both do.
void MeasureFont(const TMenuItem& item, const TMenuDrawContext& context, TFont& font) {
    TCustomOrvMenuStyler* styler = context.Styler;
    if (IsBarItem(item)) {
        ItemFont(item, context, false, font);
    } else if (!styler->GetUseSystemFont()) {
        font.Assign(&styler->Font());
    } else if (!styler->SelectedItem().GetUseSystemFont()) {
        font.Assign(&styler->SelectedItem().Font());
    } else {
        InitRecordFont(font, TSystemFont::Menu);
    }
}

const TFont& NotesFontOf(const TMenuDrawContext& context, bool selected) {
    return selected ? context.Styler->SelectedItem().NotesFont() : context.Styler->NotesFont();
}

void Frame(TCanvas& canvas, const TRect& rect, TColor color) {
    if (color == clNone || rect.IsEmpty()) return;
    TGdiBrush brush(CreateSolidBrush(ToColorRef(color)));
    RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    FrameRect(canvas.Handle(), &r, brush.Get());
}

void Fill(TCanvas& canvas, const TRect& rect, TColor color) {
    if (color == clNone || rect.IsEmpty()) return;
    TGdiBrush brush(CreateSolidBrush(ToColorRef(color)));
    RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    FillRect(canvas.Handle(), &r, brush.Get());
}

// A gradient, or the two-half mirror form when mirror is set.
void FillMirrored(TCanvas& canvas, const TRect& rect, TColor color, TColor colorTo, TColor mirror, TColor mirrorTo,
                  TGradientDirection direction) {
    if (mirror == clNone) {
        DrawSpanGradient(canvas, color, colorTo, direction, rect);
        return;
    }
    int middle = rect.Top + rect.Height() / 2;
    DrawSpanGradient(canvas, color, colorTo, direction, {rect.Left, rect.Top, rect.Right, middle});
    DrawSpanGradient(canvas, mirror, mirrorTo, direction, {rect.Left, middle, rect.Right, rect.Bottom});
}

void DrawGlyphCentred(TCanvas& canvas, TBitmap& glyph, const TRect& box) {
    if (glyph.Empty()) return;
    int x = box.Left + (box.Width() - glyph.Width()) / 2;
    int y = box.Top + (box.Height() - glyph.Height()) / 2;
    glyph.Draw(canvas, Bounds(x, y, glyph.Width(), glyph.Height()));
}

bool IsFirstVisibleItem(const TMenuItem& item) {
    TMenuItem* parent = item.Parent();
    if (!parent) return false;
    for (int i = 0; i < parent->Count(); ++i)
        if (parent->Items(i)->GetVisible()) return parent->Items(i) == &item;
    return false;
}

void DrawText(TCanvas& canvas, const TFont& font, const std::wstring& text, const TRect& rect, unsigned format,
              int antiAlias, TTextAlignment alignment) {
    canvas.Font().Assign(&font);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    if (antiAlias == aaNone) {
        TRect r = rect;
        canvas.DrawText(text, r, format);
        return;
    }
    DrawGDIPText(canvas, alignment, format, rect, text, font, true, true, antiAlias, false, false);
}

}  // namespace

bool IsBarItem(const TMenuItem& item) {
    TMenuItem* parent = item.Parent();
    TMenu* menu = item.GetParentMenu();
    return parent && menu && menu->IsMenuBar() && parent == menu->Items();
}

bool SideBarVisibleFor(const TMenuItem& item, const TMenuDrawContext& context) {
    if (!context.Styler || !context.Styler->SideBar().GetVisible() || IsBarItem(item)) return false;
    TMenu* menu = item.GetParentMenu();
    if (!menu) return false;
    TMenuItem* parent = item.Parent();
    switch (context.Styler->SideBar().GetVisibleIn()) {
        case viFirstVisible: {
            if (!menu->IsMenuBar() || !parent || !IsBarItem(*parent)) return false;
            return IsFirstVisibleItem(*parent);
        }
        case viFirstLevel:
            return parent && (parent == menu->Items() || IsBarItem(*parent));
        case viAnyLevel:
            return true;
    }
    return false;
}

std::wstring ItemCaptionLine(const TMenuItem& item, const TMenuDrawContext& context) {
    const std::wstring& caption = item.GetCaption();
    if (!HasNotes(item, context)) return caption;
    return caption.substr(0, caption.find(L'\n'));
}

std::vector<std::wstring> ItemNotesLines(const TMenuItem& item, const TMenuDrawContext& context) {
    if (!HasNotes(item, context)) return {};
    std::vector<std::wstring> lines = SplitLines(item.GetCaption());
    lines.erase(lines.begin());
    return lines;
}

void MeasureStyledItem(TMenuItem& item, TCanvas& canvas, const TMenuDrawContext& context, int& width, int& height) {
    if (!item.GetVisible()) {
        width = height = 0;
        return;
    }
    TCustomOrvMenuStyler* styler = context.Styler;
    if (!styler) return;
    bool bar = IsBarItem(item);
    if (bar) {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        width = metrics.iMenuWidth;
        height = metrics.iMenuHeight;
    }
    if (item.IsLine()) {
        height = styler->Separator().GetWidth() + 2;
        width = -2;
        return;
    }
    if (!bar) width = styler->IconBar().GetSize();
    TImageList* images = ImagesOf(context);
    if (images && (item.GetImageIndex() >= 0 || !bar)) {
        if (bar)
            width = images->GetWidth();
        else
            height = std::max(height, images->GetHeight());
    } else if (item.HasBitmap()) {
        if (bar)
            width = item.Bitmap().Width();
        else
            height = std::max(height, item.Bitmap().Height());
    } else {
        if (bar)
            width = -7;
        else
            height -= 3;
    }
    if (!bar) {
        width += 15;
        height += 2;
    }
    std::wstring text = StripHotkey(ItemCaptionLine(item, context));
    if (text.empty()) text = L" ";
    // The Windows-key prefix is measured apart (below).
    if (item.GetShortCut() != scNone)
        text += MenuShortCutText(static_cast<TShortCut>(item.GetShortCut() & ~scWin), context.IntlKeybShortCuts);
    TFont font;
    MeasureFont(item, context, font);
    canvas.Font().Assign(&font);
    TSize size = canvas.TextExtent(text);
    width += size.cx + 7;
    int textHeight = size.cy + 6;
    if (!bar) {
        if (item.GetShortCut() & scWin) width += canvas.TextWidth(L"Win+");
        if (SideBarVisibleFor(item, context) && item.GetBreak() == TMenuBreak::mbNone)
            width += styler->SideBar().GetSize() + styler->SideBar().GetSplitterWidth();
        width += kMenuWindowCut;
        std::vector<std::wstring> notes = ItemNotesLines(item, context);
        if (!notes.empty()) {
            canvas.Font().Assign(&styler->NotesFont());
            int lineHeight = canvas.TextHeight(L"gh");
            int widest = 0;
            for (const auto& line : notes) {
                textHeight += lineHeight;
                widest = std::max(widest, canvas.TextWidth(line));
            }
            width = std::max(width, widest + styler->IconBar().GetSize() + 25);
        }
    }
    height = std::max(height, textHeight);
    // Popup items stay an even number of pixels high (the menu-wide gradients
    // step evenly).
    if (!bar) height += height & 1;
}

TItemTextLayout LayoutItemText(TMenuItem& item, TCanvas& canvas, const TRect& rect, TOwnerDrawState state,
                               const TMenuDrawContext& context) {
    TItemTextLayout layout;
    TCustomOrvMenuStyler* styler = context.Styler;
    bool selected = (state & odSelected) != 0;
    TFont font;
    ItemFont(item, context, selected, font);
    if (item.GetDefault()) font.SetStyle(font.GetStyle() | fsBold);
    canvas.Font().Assign(&font);
    std::wstring caption = ItemCaptionLine(item, context);
    if (caption.empty() || caption == L"&") caption += L" ";
    int left = rect.Left + styler->IconBar().GetSize() + 8;
    TRect measured{0, 0, 0, 0};
    canvas.DrawText(caption, measured, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    int lineHeight = measured.Height();
    std::vector<std::wstring> notes = ItemNotesLines(item, context);
    if (notes.empty()) {
        int top = rect.Top + (rect.Height() - lineHeight) / 2;
        layout.Caption = {left, top, rect.Right, top + lineHeight};
        return layout;
    }
    // With notes the caption sits at the top of the text box and the notes
    // follow.
    int top = rect.Top + 3;
    layout.Caption = {left, top, rect.Right, top + lineHeight};
    int step = canvas.TextHeight(L"gh");
    canvas.Font().Assign(&NotesFontOf(context, selected));
    int notesStep = canvas.TextHeight(L"gh");
    int y = top + (context.Styler->GetAntiAlias() == aaNone ? step : 20);
    for (size_t i = 0; i < notes.size(); ++i) {
        layout.Notes.push_back({left, y, rect.Right, y + notesStep});
        y += notesStep;
    }
    return layout;
}

void DrawSideBar(TCanvas& canvas, TSideBar& sideBar, const TRect& barRect) {
    TBackground& background = sideBar.Background();
    DrawSpanGradient(canvas, background.GetColor(), background.GetColorTo(), background.GetGradientDirection(),
                     barRect);
    TBackground& image = sideBar.Image();
    int imageHeight = 0;
    if (!image.Image().Empty() && image.GetColor() != clNone) {
        TBitmap& picture = image.Image();
        TPoint p = BackgroundPicturePosition(image.GetPosition(), barRect, image.GetOffsetX(), image.GetOffsetY(),
                                             picture.Width(), picture.Height());
        canvas.Draw(p.X, p.Y, picture);
        if (image.GetPosition() == bpBottomLeft || image.GetPosition() == bpBottomRight ||
            image.GetPosition() == bpBottomCenter)
            imageHeight = picture.Height();
    }
    if (!sideBar.GetCaption().empty()) {
        TFont font;
        font.Assign(&sideBar.Font());
        bool downToUp = sideBar.GetDirection() == dDownToUp;
        font.SetOrientation(downToUp ? 900 : -900);
        canvas.Font().Assign(&font);
        TSize size = canvas.TextExtent(sideBar.GetCaption());
        // Rotated text: its extent's width runs along the bar, its height across
        // it.
        int textWidth = size.cx;
        int textHeight = size.cy;
        int barHeight = barRect.Height();
        int x = static_cast<int>(std::lround((sideBar.GetSize() - textHeight) / 2.0 - 0.5));
        int y = 0;
        TTextAlignment alignment = sideBar.GetAlignment();
        if (alignment == TTextAlignment::taCenter) {
            y = static_cast<int>(std::lround((barHeight + textWidth) / 2.0 - 0.5));
        } else if ((alignment == TTextAlignment::taRightJustify) == downToUp) {
            y = sideBar.GetOffset() + textWidth;
        } else {
            y = barHeight - sideBar.GetOffset() - imageHeight;
        }
        if (!downToUp) {
            y -= textWidth;
            x += textHeight + 1;
        }
        x += barRect.Left;
        y += barRect.Top;
        TCanvasStateGuard saved(canvas);
        IntersectClipRect(canvas.Handle(), barRect.Left, barRect.Top, barRect.Right, barRect.Bottom);
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        int depth = sideBar.GetDepth();
        if (sideBar.GetHighlightColor() != clNone) {
            canvas.Font().SetColor(sideBar.GetHighlightColor());
            canvas.TextOut(x - depth, y + depth, sideBar.GetCaption());
        }
        if (sideBar.GetShadowColor() != clNone) {
            canvas.Font().SetColor(sideBar.GetShadowColor());
            canvas.TextOut(x + depth, y - depth, sideBar.GetCaption());
        }
        canvas.Font().SetColor(sideBar.Font().GetColor());
        canvas.TextOut(x, y, sideBar.GetCaption());
        canvas.Font().SetOrientation(0);
    }
    int splitter = sideBar.GetSplitterWidth();
    bool left = sideBar.GetSide() == 0;
    TRect bar = barRect;
    if (left)
        bar.Right -= splitter;
    else
        bar.Left += splitter;
    Frame(canvas, bar, sideBar.GetBorderColor());
    if (sideBar.GetSplitterColor() != clNone && splitter > 0) {
        TRect band = left ? TRect{bar.Right, barRect.Top, barRect.Right, barRect.Bottom}
                          : TRect{barRect.Left, barRect.Top, bar.Left, barRect.Bottom};
        DrawSeparatorBand(canvas, band, sideBar.GetSplitterMargin(), sideBar.GetSplitterGradientWidth(),
                          sideBar.GetSplitterGradientType(), sideBar.GetSplitterColor(), sideBar.GetSplitterColorTo(),
                          true);
    }
}

namespace {

void DrawBarItem(TMenuItem& item, TCanvas& canvas, const TRect& rect, TOwnerDrawState state,
                 const TMenuDrawContext& context) {
    TCustomOrvMenuStyler* styler = context.Styler;
    TRootItem& root = styler->RootItem();
    bool selected = (state & odSelected) != 0;
    bool hot = (state & odHotLight) != 0;
    TColor textColor = clNone;
    if (selected) {
        FillMirrored(canvas, rect, root.GetSelectedColor(), root.GetSelectedColorTo(), root.GetSelectedColorMirror(),
                     root.GetSelectedColorMirrorTo(), root.GetSelectedGradientDirection());
        Frame(canvas, rect, root.GetSelectedBorderColor());
        if (item.Count() > 0)
            Fill(canvas, {rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom}, styler->Background().GetColor());
        textColor = root.GetSelectedTextColor();
    } else if (hot) {
        FillMirrored(canvas, rect, root.GetHoverColor(), root.GetHoverColorTo(), root.GetHoverColorMirror(),
                     root.GetHoverColorMirrorTo(), root.GetHoverGradientDirection());
        Frame(canvas, rect, root.GetHoverBorderColor());
        textColor = root.GetHoverTextColor();
    } else if (root.GetColor() != clNone) {
        // The item's slice of a gradient across the whole bar (the form's width).
        TRect span{0, rect.Top, rect.Right, rect.Bottom};
        if (auto* main = dynamic_cast<TMainMenu*>(context.Menu); main && main->GetForm())
            span.Right = std::max(span.Right, main->GetForm()->Width());
        DrawSpanGradient(canvas, root.GetColor(), root.GetColorTo(), root.GetGradientDirection(), span, rect);
    }
    int textLeft = rect.Left;
    TImageList* images = ImagesOf(context);
    if (images && item.GetImageIndex() >= 0) {
        images->Draw(canvas, rect.Left + 6, rect.Top + (rect.Height() - images->GetHeight()) / 2, item.GetImageIndex(),
                     item.GetEnabled());
        textLeft += images->GetWidth();
    }
    TFont font;
    ItemFont(item, context, selected, font);
    if (textColor != clNone) font.SetColor(textColor);
    if (!item.GetEnabled()) font.SetColor(clBtnShadow);
    unsigned format = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
    if (state & odNoAccel) format |= DT_HIDEPREFIX;
    DrawText(canvas, font, item.GetCaption(), {textLeft, rect.Top, rect.Right, rect.Bottom}, format,
             styler->GetAntiAlias(), TTextAlignment::taCenter);
}

void DrawCheckBox(TCanvas& canvas, const TRect& box, bool radio, bool selected, bool enabled,
                  TCustomOrvMenuStyler& styler) {
    TColor color, colorTo, border;
    TGradientDirection direction;
    if (selected) {
        TSelectedItem& s = styler.SelectedItem();
        color = radio ? s.GetRadioColor() : s.GetCheckColor();
        colorTo = radio ? s.GetRadioColorTo() : s.GetCheckColorTo();
        border = radio ? s.GetRadioBorder() : s.GetCheckBorder();
        direction = radio ? s.GetRadioGradientDirection() : s.GetCheckGradientDirection();
    } else {
        TIconBar& s = styler.IconBar();
        color = radio ? s.GetRadioColor() : s.GetCheckColor();
        colorTo = radio ? s.GetRadioColorTo() : s.GetCheckColorTo();
        border = radio ? s.GetRadioBorder() : s.GetCheckBorder();
        direction = radio ? s.GetRadioGradientDirection() : s.GetCheckGradientDirection();
    }
    if (enabled) DrawSpanGradient(canvas, color, colorTo, direction, box);
    Frame(canvas, box, border);
}

void DrawPopupItem(TMenuItem& item, TCanvas& canvas, TRect rect, TOwnerDrawState state, const TMenuDrawContext& context,
                   const TRect& menuRect) {
    TCustomOrvMenuStyler* styler = context.Styler;
    TSideBar& sideBar = styler->SideBar();
    TIconBar& iconBar = styler->IconBar();
    TBackground& background = styler->Background();
    int iconSize = iconBar.GetSize();
    if (SideBarVisibleFor(item, context)) {
        int size = sideBar.GetSize() + sideBar.GetSplitterWidth();
        bool left = sideBar.GetSide() == 0;
        if (left)
            rect.Left += size;
        else
            rect.Right -= size;
        if (IsFirstVisibleItem(item)) {
            TRect barRect = left ? TRect{menuRect.Left, menuRect.Top, menuRect.Left + size, menuRect.Bottom}
                                 : TRect{rect.Right, menuRect.Top, rect.Right + size, menuRect.Bottom};
            DrawSideBar(canvas, sideBar, barRect);
        }
    }
    // The icon bar: this item's slice of a band spanning the menu.
    TRect iconSpan{rect.Left, menuRect.Top, rect.Left + iconSize, menuRect.Bottom};
    TRect iconPart{rect.Left, rect.Top, rect.Left + iconSize, rect.Bottom};
    DrawSpanGradient(canvas, iconBar.GetColor(), iconBar.GetColorTo(), iconBar.GetGradientDirection(), iconSpan,
                     iconPart);
    if (iconBar.GetSeparatorColor() != clNone)
        Fill(canvas, {iconPart.Right - 1, rect.Top, iconPart.Right, rect.Bottom}, iconBar.GetSeparatorColor());
    // The background: the rest of the item, a slice of the menu-wide fill.
    TRect backPart{iconPart.Right, rect.Top, rect.Right, rect.Bottom};
    TRect backSpan{iconPart.Right, menuRect.Top, rect.Right, menuRect.Bottom};
    if (background.GetMarginX() > 0 || background.GetMarginY() > 0) {
        Fill(canvas, backPart, background.GetColor());
        backSpan = backSpan.Inflate(-background.GetMarginX(), -background.GetMarginY());
    }
    DrawSpanGradient(canvas, background.GetColor(), background.GetColorTo(), background.GetGradientDirection(),
                     backSpan, backPart);
    if (!background.Image().Empty()) {
        TBitmap* composed = styler->BackgroundBitmap(menuRect.Width(), menuRect.Height());
        if (composed) {
            TRect part{std::max(backPart.Left, backSpan.Left), std::max(backPart.Top, backSpan.Top),
                       std::min(backPart.Right, backSpan.Right), std::min(backPart.Bottom, backSpan.Bottom)};
            if (!part.IsEmpty())
                BitBlt(canvas.Handle(), part.Left, part.Top, part.Width(), part.Height(), composed->Canvas().Handle(),
                       part.Left - menuRect.Left, part.Top - menuRect.Top, SRCCOPY);
        }
    }

    if (item.IsLine()) {
        TSeparator& separator = styler->Separator();
        int thickness = separator.GetWidth();
        int top = rect.Top + (rect.Height() - thickness) / 2;
        DrawSeparatorBand(canvas, {rect.Left + iconSize, top, rect.Right, top + thickness}, separator.GetMargin(),
                          separator.GetGradientWidth(), separator.GetGradientType(), separator.GetColor(),
                          separator.GetColorTo(), false);
        return;
    }

    bool selected = (state & odSelected) != 0;
    bool enabled = item.GetEnabled() && !(state & (odDisabled | odGrayed));
    TSelectedItem& selectedItem = styler->SelectedItem();
    if (selected) {
        FillMirrored(canvas, rect, selectedItem.GetColor(), selectedItem.GetColorTo(), selectedItem.GetColorMirror(),
                     selectedItem.GetColorMirrorTo(), selectedItem.GetGradientDirection());
        Frame(canvas, rect, selectedItem.GetBorderColor());
    }
    // The glyph box: a square centred in the icon bar's part of the item.
    TRect area{rect.Left, rect.Top + 1, rect.Left + iconSize, rect.Bottom - 1};
    int side = std::min(area.Width(), area.Height());
    TRect box = Bounds(area.Left + (area.Width() - side) / 2, area.Top + (area.Height() - side) / 2, side, side);
    TImageList* images = ImagesOf(context);
    bool hasImage = images && item.GetImageIndex() >= 0 && item.GetImageIndex() < images->Count();
    if (item.GetChecked()) {
        DrawCheckBox(canvas, box, item.GetRadioItem(), selected, enabled, *styler);
        if (!hasImage && !item.HasBitmap()) {
            canvas.Font().SetColor(clBtnText);
            DrawGlyphCentred(canvas, item.GetRadioItem() ? styler->Glyphs().Radio() : styler->Glyphs().Check(), box);
            if (selected) Frame(canvas, rect, selectedItem.GetBorderColor());
        }
    }
    if (hasImage) {
        int x = box.Left + (box.Width() - images->GetWidth()) / 2;
        int y = box.Top + (box.Height() - images->GetHeight()) / 2;
        if (!enabled && context.DisabledImages)
            context.DisabledImages->Draw(canvas, x, y, item.GetImageIndex(), true);
        else
            images->Draw(canvas, x, y, item.GetImageIndex(), enabled);
    } else if (item.HasBitmap()) {
        TBitmap& bitmap = item.Bitmap();
        bitmap.SetTransparent(true);
        DrawGlyphCentred(canvas, bitmap, box);
    }
    if (item.Count() > 0) {
        TRect arrow = Bounds(rect.Right - 8 - 3, (rect.Top + rect.Bottom - 5) / 2, 3, 6);
        DrawGlyphCentred(canvas, styler->Glyphs().SubMenu(), arrow);
    }

    // Text: caption (and notes), then the shortcut right-aligned.
    TItemTextLayout layout = LayoutItemText(item, canvas, rect, state, context);
    TFont font;
    ItemFont(item, context, selected, font);
    if (item.GetDefault()) font.SetStyle(font.GetStyle() | fsBold);
    TColor disabledColor = clBtnShadow;
    if (selected && ColorToRGB(clHighlight) == ColorToRGB(clBtnShadow)) disabledColor = clBtnHighlight;
    if (!enabled) font.SetColor(disabledColor);
    unsigned format = DT_SINGLELINE | DT_EXPANDTABS | DT_LEFT | DT_VCENTER;
    if (state & odNoAccel) format |= DT_HIDEPREFIX;
    std::wstring caption = ItemCaptionLine(item, context);
    int antiAlias = styler->GetAntiAlias();
    DrawText(canvas, font, caption, layout.Caption, format, antiAlias, TTextAlignment::taLeftJustify);
    std::vector<std::wstring> notes = ItemNotesLines(item, context);
    TFont notesFont;
    notesFont.Assign(&NotesFontOf(context, selected));
    if (!enabled) notesFont.SetColor(disabledColor);
    for (size_t i = 0; i < notes.size() && i < layout.Notes.size(); ++i)
        DrawText(canvas, notesFont, notes[i], layout.Notes[i], DT_SINGLELINE | DT_LEFT | DT_VCENTER | DT_NOPREFIX,
                 antiAlias, TTextAlignment::taLeftJustify);
    if (item.GetShortCut() != scNone) {
        std::wstring text = MenuShortCutText(item.GetShortCut(), context.IntlKeybShortCuts);
        TRect shortCutRect{layout.Caption.Left, layout.Caption.Top, rect.Right - 10, layout.Caption.Bottom};
        DrawText(canvas, font, text, shortCutRect, DT_SINGLELINE | DT_RIGHT | DT_VCENTER | DT_NOPREFIX, antiAlias,
                 TTextAlignment::taRightJustify);
    }
}

}  // namespace

void DrawStyledItem(TMenuItem& item, TCanvas& canvas, const TRect& rect, TOwnerDrawState state,
                    const TMenuDrawContext& context, const TRect& menuRect) {
    if (!context.Styler || !item.GetVisible()) return;
    TCanvasStateGuard saved(canvas);
    if (IsBarItem(item))
        DrawBarItem(item, canvas, rect, state, context);
    else
        DrawPopupItem(item, canvas, rect, state, context, menuRect);
}

}  // namespace orv::menus
