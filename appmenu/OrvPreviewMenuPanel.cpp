#include "appmenu/OrvPreviewMenuPanel.h"
#include "paint/FaceCache.h"

#include <windowsx.h>

#include <algorithm>
#include <cwctype>

#include "appmenu/OrvPreviewMenu.h"
#include "buttons/OrvGlowButton.h"
#include "framework/Application.h"
#include "framework/Bitmap.h"
#include "framework/HintWindow.h"
#include "framework/Hooks.h"
#include "framework/ImageList.h"
#include "framework/Menus.h"
#include "framework/Timer.h"
#include "hints/OrvHintInfo.h"
#include "paint/GDIPPicture.h"
#include "paint/OrvLook.h"
#include "paint/OrvText.h"

namespace orv {

namespace {

constexpr UINT kOpenPopupMessage = WM_APP + 0x51;

TSize MeasureLine(TCanvas& canvas, const std::wstring& text, const TFont& font) {
    if (text.empty()) return {};
    TRect r = DrawGDIPText(canvas, TTextAlignment::taLeftJustify, DT_SINGLELINE, {0, 0, 1000, 100}, text, font, true,
                           false, aaClearType, false, false);
    return {r.Width(), r.Height()};
}

// Size of an entry's image: its picture, its disabled picture, or the list image.
TSize ImageSizeOf(TPreviewItemBase& item, TImageList* images, TImageList* disabledImages) {
    if (!item.Picture().Empty()) return {item.Picture().Width(), item.Picture().Height()};
    if (!item.GetEnabled() && !item.DisabledPicture().Empty())
        return {item.DisabledPicture().Width(), item.DisabledPicture().Height()};
    TImageList* list = !item.GetEnabled() && disabledImages ? disabledImages : images;
    if (list && item.GetImageIndex() >= 0) return {list->GetWidth(), list->GetHeight()};
    return {};
}

}  // namespace

// --- window ---------------------------------------------------------------------------------------

TPreviewMenuWindow::TPreviewMenuWindow(TComponent* owner) : TPopupForm(owner) {}

void TPreviewMenuWindow::CreateParams(TCreateParams& params) {
    TPopupForm::CreateParams(params);
    params.ClassStyle |= CS_DROPSHADOW;
}

void TPreviewMenuWindow::SetVisible(bool value) {
    TPopupForm::SetVisible(value);
    if (value) ApplyRegion();
}

void TPreviewMenuWindow::ApplyRegion() {
    if (!HandleAllocated() || Width() <= 10) return;
    TGdiRegion region(ScenicRibbonMode ? CreateRectRgn(0, 0, Width(), Height())
                                       : CreateRoundRectRgn(0, 0, Width() + 1, Height() + 1, 4, 4));
    // The window owns the region once it took it.
    if (region && SetWindowRgn(FHandle, region.Get(), TRUE)) region.Release();
}

void TPreviewMenuWindow::KeyDown(uint16_t& key, TShiftState shift) {
    if (FPreviewMenuPanel) FPreviewMenuPanel->Perform(WM_KEYDOWN, key, 0);
    TPopupForm::KeyDown(key, shift);
}

void TPreviewMenuWindow::WndProc(TMessage& m) {
    if (m.Msg == WM_ACTIVATE) {
        if (LOWORD(m.WParam) == WA_INACTIVE) {
            TPopupForm::WndProc(m);
            if (GetHideOnDeActivate() && GetVisible()) {
                Hide();
                HideLater();
            }
            return;
        }
        TPopupForm::WndProc(m);
        // The owner's caption stays drawn active while its menu has the activation.
        KeepOwnerCaptionActive();
        ApplyRegion();
        return;
    }
    TPopupForm::WndProc(m);
}

TOrvCustomPreviewMenuPanel::TOrvCustomPreviewMenuPanel(TComponent* owner) : TCustomControl(owner), FOwner(owner) {}

// --- panel: layout --------------------------------------------------------------------------------

TOrvPreviewMenuPanel::~TOrvPreviewMenuPanel() {
    // Its faces name this panel, which nothing will paint again.
    SharedFaceCache().EraseIf<TPreviewPanelFace>([this](const TPreviewPanelFace& key) { return key.Panel == this; });
}

TOrvPreviewMenuPanel::TOrvPreviewMenuPanel(TComponent* owner)
    : TOrvCustomPreviewMenuPanel(owner), FOfficeHint(std::make_unique<TOrvHintInfo>()) {
    SetControlStyle(ControlStyle() | csOpaque);
    SetTabStop(true);
    FMouseTimer = new TTimer(this);
    FMouseTimer->SetEnabled(false);
    FMouseTimer->SetInterval(300);
    FMouseTimer->OnTimer = [this](TObject* s) { MouseTimerTick(s); };
}

void TOrvPreviewMenuPanel::BeforeDestruction() {
    FPopupFilter.reset();
    TOrvCustomPreviewMenuPanel::BeforeDestruction();
}

void TOrvPreviewMenuPanel::MeasureItems(int& height, int& naturalWidth) {
    TOrvPreviewMenu& menu = *FOrvPreviewMenu;
    TBitmap scratch(1, 1);
    const TFont& font = menu.CurrentStyler().MenuItemAppearance().Font();
    int maxHeight = 0, maxWidth = 0;
    for (int i = 0; i < menu.MenuItems().Count(); ++i) {
        TOrvPreviewMenuItem& item = *menu.MenuItems().Items(i);
        if (!item.GetVisible()) continue;
        TSize image = ImageSizeOf(item, menu.GetMenuImages(), menu.GetMenuDisabledImages());
        if (image.cx > 0) image.cx += FImageSpace;
        const std::wstring& caption = item.GetCaption().empty() ? item.GetWideCaption() : item.GetCaption();
        TSize text = MeasureLine(scratch.Canvas(), caption, font);
        if (item.HasSubItems()) text.cx += kPreviewDropDownWidth;
        maxHeight = std::max(maxHeight, std::max(text.cy, image.cy));
        maxWidth = std::max(maxWidth, image.cx + text.cx);
    }
    height = maxHeight + menu.GetMenuSpacing();
    naturalWidth = maxWidth + 2 * menu.GetMenuSpacing() + 2;
}

TSize TOrvPreviewMenuPanel::MeasureSubItems(TOrvPreviewSubMenuItems& list, int s, const std::wstring& caption,
                                            int fixedHeight, int& captionHeight) {
    TOrvPreviewMenu& menu = *FOrvPreviewMenu;
    TSelectionAppearance& look = menu.CurrentStyler().MenuItemAppearance();
    TBitmap scratch(1, 1);
    TCanvas& canvas = scratch.Canvas();
    TSize cap = MeasureLine(canvas, caption, look.SubMenuCaptionFont());
    captionHeight = caption.empty() ? 0 : cap.cy + s + 6;
    int width = cap.cx, height = cap.cy;
    for (int i = 0; i < list.Count(); ++i) {
        TOrvPreviewSubMenuItem& sub = *list.Items(i);
        if (!sub.GetVisible()) continue;
        TSize image = ImageSizeOf(sub, menu.GetSubMenuImages(), menu.GetSubMenuDisabledImages());
        if (image.cx > 0) image.cx += FImageSpace;
        int popup = sub.GetSubMenu() ? kPreviewDropDownWidth : 0;
        const std::wstring& title = sub.GetTitle().empty() ? sub.GetWideTitle() : sub.GetTitle();
        TSize t = MeasureLine(canvas, title, look.SubItemTitleFont());
        int textWidth = t.cx + popup;
        int textHeight = t.cy + FLineSpace;
        if (!sub.GetNotes().empty()) {
            for (const std::wstring& line : sub.GetNotes()) {
                if (line.empty()) continue;
                TSize l = MeasureLine(canvas, line, look.SubItemFont());
                textWidth = std::max(textWidth, l.cx + popup + 4);
                textHeight += FLineSpace + l.cy;
            }
        } else if (!sub.GetWideNotes().empty()) {
            canvas.Font().Assign(&look.SubItemFont());
            TRect block{0, 0, menu.GetSubMenuWidth() > 0 ? menu.GetSubMenuWidth() : 1000, 0};
            canvas.DrawText(sub.GetWideNotes(), block, DT_CALCRECT | DT_WORDBREAK);
            int lineHeight = std::max(1, canvas.TextHeight(L"gh"));
            int lines = std::max(1, block.Height() / lineHeight);
            textWidth = std::max(textWidth, block.Width() + popup);
            textHeight += FLineSpace * lines + block.Height() + 4;
        }
        width = std::max(width, image.cx + textWidth);
        height = std::max({height, image.cy, textHeight});
    }
    TSize result{width + 2 * s + 2, fixedHeight >= 1 ? fixedHeight : height + 2 * s};
    return result;
}

TOrvPreviewSubMenuItems* TOrvPreviewMenuPanel::ShownSubItems() const {
    if (!FOrvPreviewMenu) return nullptr;
    if (FSubMenuItem >= 0 && FSubMenuItem < FOrvPreviewMenu->MenuItems().Count())
        return &FOrvPreviewMenu->MenuItems().Items(FSubMenuItem)->SubItems();
    return &FOrvPreviewMenu->SubMenuItems();
}

void TOrvPreviewMenuPanel::SelectSubList(int item) {
    if (!FOrvPreviewMenu) return;
    TOrvPreviewMenu& menu = *FOrvPreviewMenu;
    if (item >= menu.MenuItems().Count()) return;
    CloseSubMenuPopup();
    FSubMenuItem = item;
    FSubMenuItemHot = FSubMenuItemDown = -1;
    FSubItemTips.clear();
    FShortCutSubMenuItemHintShowing = false;
    if (item >= 0) {
        TOrvPreviewMenuItem& it = *menu.MenuItems().Items(item);
        const std::wstring& caption =
            it.GetSubMenuCaption().empty() ? it.GetWideSubMenuCaption() : it.GetSubMenuCaption();
        FSubMenuItemHeight = MeasureSubItems(it.SubItems(), it.GetSubMenuItemSpacing(), caption,
                                             it.GetSubMenuItemHeight(), FSubMenuCaptionHeight)
                                 .cy;
    } else {
        const std::wstring& caption =
            menu.GetSubMenuCaption().empty() ? menu.GetWideSubMenuCaption() : menu.GetSubMenuCaption();
        FSubMenuItemHeight = MeasureSubItems(menu.SubMenuItems(), menu.GetSubMenuItemSpacing(), caption,
                                             menu.GetSubMenuItemHeight(), FSubMenuCaptionHeight)
                                 .cy;
    }
    FSubMenuItemHeight = std::max(FSubMenuItemHeight, 12);
    LookChanged();
    ResetPaging();
    if (HandleAllocated()) InvalidateRect(FRightFrameRect.Inflate(1, 1));
}

void TOrvPreviewMenuPanel::ResetPaging() {
    TOrvPreviewSubMenuItems* list = ShownSubItems();
    int count = list ? list->VisibleCount() : 0;
    FPaging = PreviewSubItemPaging(FRightFrameRect, FSubMenuCaptionHeight, FSubMenuItemHeight, count, ItemList());
    FSubMenuScroller.SetPosition(0);
    FSubMenuScroller.SetMin(0);
    FSubMenuScroller.SetMax(FPaging.Max);
    FSubMenuVisibleItemCount = FPaging.PageSize;
    FTopSubMenuItem = 0;
}

void TOrvPreviewMenuPanel::InitializeAndUpdate() {
    if (!FOrvPreviewMenu) return;
    TOrvPreviewMenu& menu = *FOrvPreviewMenu;
    FShortCutItemHintShowing = FShortCutSubMenuItemHintShowing = false;
    FShortCutChars.clear();
    FSubItemTips.clear();
    for (int i = 0; i < menu.MenuItems().Count(); ++i) {
        menu.MenuItems().Items(i)->FShortCutHintShowing = false;
        menu.MenuItems().Items(i)->FShortCutSubItemHintShowing = false;
    }
    FItemHot = FItemDown = FItemIndex = -1;
    FSubMenuItemHot = FSubMenuItemDown = -1;
    FButtonHot = -1;
    FMouseItemHot = -1;
    FSubMenuItem = -1;
    LookChanged();
    SetShowHint(menu.GetShowHint());

    TPreviewPanelInput in;
    TPreviewFrameMetrics metrics = menu.FrameMetrics();
    in.Margin = metrics.Margin;
    in.TopHeight = metrics.TopHeight;
    in.BottomHeight = metrics.BottomHeight;
    in.VisibleItems = menu.MenuItems().VisibleCount();
    MeasureItems(FItemHeight, in.NaturalWidth);
    in.ItemHeight = FItemHeight;
    in.MenuWidth = menu.GetMenuWidth();
    in.SubMenuWidth = menu.GetSubMenuWidth();
    int captionHeight = 0;
    for (int i = 0; i < menu.MenuItems().Count(); ++i) {
        TOrvPreviewMenuItem& it = *menu.MenuItems().Items(i);
        if (!it.GetVisible()) continue;
        const std::wstring& caption =
            it.GetSubMenuCaption().empty() ? it.GetWideSubMenuCaption() : it.GetSubMenuCaption();
        in.SubItemWidth = std::max(in.SubItemWidth, MeasureSubItems(it.SubItems(), it.GetSubMenuItemSpacing(), caption,
                                                                    it.GetSubMenuItemHeight(), captionHeight)
                                                        .cx);
    }
    const std::wstring& ownCaption =
        menu.GetSubMenuCaption().empty() ? menu.GetWideSubMenuCaption() : menu.GetSubMenuCaption();
    in.SubItemWidth = std::max(in.SubItemWidth, MeasureSubItems(menu.SubMenuItems(), menu.GetSubMenuItemSpacing(),
                                                                ownCaption, menu.GetSubMenuItemHeight(), captionHeight)
                                                    .cx);
    std::vector<TButtonCollectionItem*> visibleButtons;
    for (int i = 0; i < menu.Buttons().Count(); ++i)
        if (menu.Buttons().Items(i)->GetVisible()) {
            visibleButtons.push_back(menu.Buttons().Items(i));
            in.ButtonWidths.push_back(menu.Buttons().Items(i)->GetWidth());
        }
    in.ButtonSpacing = menu.GetButtonSpacing();
    TPreviewPanelLayout layout = LayoutPreviewPanel(in);
    FLeftFrameRect = layout.LeftFrame;
    FRightFrameRect = layout.RightFrame;
    SetBounds(0, 0, layout.Width, layout.Height);
    if (auto* window = dynamic_cast<TForm*>(Parent())) {
        window->SetClientWidth(layout.Width);
        window->SetClientHeight(layout.Height);
        window->SetBounds(window->Left(), window->Top(), layout.Width, layout.Height);
    }
    SelectSubList(-1);

    // The bottom buttons are made again for every show.
    for (TOrvGlowButton* b : FButtonList) b->Free();
    FButtonList.clear();
    TGlowButtonAppearance& look = menu.CurrentStyler().ButtonAppearance();
    size_t v = 0;
    for (int i = 0; i < menu.Buttons().Count(); ++i) {
        TButtonCollectionItem& item = *menu.Buttons().Items(i);
        auto* b = new TOrvGlowButton(this);
        b->SetAntiAlias(aaClearType);
        if (!item.Picture().Empty()) b->Picture().Assign(&item.Picture());
        if (!item.DisabledPicture().Empty()) b->DisabledPicture().Assign(&item.DisabledPicture());
        b->OfficeHint().Assign(&item.OfficeHint());
        b->SetShowHint(menu.GetShowHint());
        b->SetEnabled(item.GetEnabled());
        b->SetFont(item.Font());
        b->SetCaption(item.GetCaption());
        b->SetShowCaption(!item.GetCaption().empty());
        b->SetImages(menu.GetButtonImages());
        b->SetDisabledImages(menu.GetButtonDisabledImages());
        b->SetImageIndex(item.GetImageIndex());
        b->SetAppearance(look);
        b->SetVisible(item.GetVisible());
        b->SetTabStop(true);
        if (item.GetVisible()) {
            b->SetBounds(layout.ButtonLefts[v], layout.ButtonTop, item.GetWidth(), menu.GetButtonHeight());
            ++v;
        } else {
            b->SetBounds(0, layout.ButtonTop, item.GetWidth(), menu.GetButtonHeight());
        }
        b->OnClick = [this, i](TObject*) { ClickButton(i); };
        b->OnKeyDown = [this](TObject*, uint16_t& key, TShiftState) {
            if (key == VK_ESCAPE) HideMenuNow();
        };
        b->SetParent(this);
        FButtonList.push_back(b);
    }
    // Tab order from the leftmost (last) visible button.
    int order = 0;
    for (auto it = FButtonList.rbegin(); it != FButtonList.rend(); ++it)
        if ((*it)->GetVisible()) (*it)->SetTabOrder(order++);
    Invalidate();
}

int TOrvPreviewMenuPanel::VisiblePosOfItem(int index) const {
    if (!FOrvPreviewMenu || index < 0 || index >= FOrvPreviewMenu->MenuItems().Count()) return -1;
    if (!FOrvPreviewMenu->MenuItems().Items(index)->GetVisible()) return -1;
    int k = 0;
    for (int i = 0; i < index; ++i) k += FOrvPreviewMenu->MenuItems().Items(i)->GetVisible() ? 1 : 0;
    return k;
}

int TOrvPreviewMenuPanel::VisiblePosOfSubItem(int index) const {
    TOrvPreviewSubMenuItems* list = ShownSubItems();
    if (!list || index < 0 || index >= list->Count() || !list->Items(index)->GetVisible()) return -1;
    int k = 0;
    for (int i = 0; i < index; ++i) k += list->Items(i)->GetVisible() ? 1 : 0;
    return k;
}

TRect TOrvPreviewMenuPanel::ItemRect(int index) const {
    int k = VisiblePosOfItem(index);
    if (k < 0) return {};
    return PreviewItemRect(FLeftFrameRect, FItemHeight, k);
}

TRect TOrvPreviewMenuPanel::SubItemRect(int index) const {
    int k = VisiblePosOfSubItem(index);
    if (k < 0) return {};
    return PreviewSubItemRect(FRightFrameRect, FSubMenuCaptionHeight, FSubMenuItemHeight, k, FTopSubMenuItem,
                              ItemList(), FPaging);
}

TRect TOrvPreviewMenuPanel::ScrollUpRect() const {
    return PreviewScrollUpRect(FRightFrameRect, FSubMenuCaptionHeight, ItemList());
}

TRect TOrvPreviewMenuPanel::ScrollDownRect() const {
    return PreviewScrollDownRect(FRightFrameRect, ItemList());
}

TPreviewHit TOrvPreviewMenuPanel::HitTest(TPoint p) const {
    TPreviewHit hit;
    if (!FOrvPreviewMenu) return hit;
    // The application button as drawn: (0, 1), 55 by 23, so rows 1 to 23.
    if (TRect{0, 1, 55, 24}.Contains(p)) {
        hit.Kind = phMenuButton;
        return hit;
    }
    for (int i = 0; i < FOrvPreviewMenu->MenuItems().Count(); ++i) {
        TRect r = ItemRect(i);
        if (r.IsEmpty() || !r.Contains(p)) continue;
        hit.Kind = phItem;
        hit.Index = i;
        TOrvPreviewMenuItem& item = *FOrvPreviewMenu->MenuItems().Items(i);
        hit.DropDown = item.HasSubItems() && item.GetCanSelect() && PreviewDropDownRect(r).Contains(p);
        return hit;
    }
    if (FPaging.Active) {
        if (ScrollUpRect().Contains(p)) {
            hit.Kind = phScrollUp;
            return hit;
        }
        if (ScrollDownRect().Contains(p)) {
            hit.Kind = phScrollDown;
            return hit;
        }
    }
    if (TOrvPreviewSubMenuItems* list = ShownSubItems())
        for (int i = 0; i < list->Count(); ++i) {
            TRect r = SubItemRect(i);
            if (!r.IsEmpty() && r.Contains(p)) {
                hit.Kind = phSubItem;
                hit.Index = i;
                return hit;
            }
        }
    return hit;
}

// --- key tips ----------------------------------------------------------------------------------------

std::wstring TOrvPreviewMenuPanel::ItemTipText(int index) const {
    TOrvPreviewMenuItem& item = *FOrvPreviewMenu->MenuItems().Items(index);
    if (!item.GetShortCutHint().empty()) return item.GetShortCutHint();
    wchar_t c = AcceleratorOf(item.GetCaption());
    return c ? std::wstring(1, c) : std::wstring();
}

bool TOrvPreviewMenuPanel::ItemHasTip(int index) const {
    TOrvPreviewMenuItem& item = *FOrvPreviewMenu->MenuItems().Items(index);
    return item.GetVisible() && !ItemTipText(index).empty() && (!item.HasSubItems() || item.GetCanSelect());
}

namespace {
TSize TipSize(const std::wstring& text) {
    TBitmap scratch(1, 1);
    scratch.Canvas().Font().SetName(L"Tahoma");
    return PreviewKeyTipSize(scratch.Canvas().TextExtent(text), scratch.Canvas().TextWidth(L"O"));
}
}  // namespace

TRect TOrvPreviewMenuPanel::ItemTipRect(int index, bool dropDown) {
    TRect item = ItemRect(index);
    if (item.IsEmpty()) return {};
    TOrvPreviewMenuItem& it = *FOrvPreviewMenu->MenuItems().Items(index);
    int spacing = FOrvPreviewMenu->GetMenuSpacing();
    if (dropDown) {
        TSize tip = TipSize(it.GetShortCutSubItemsHint());
        TPoint p = PreviewDropDownTipPos(item, spacing, tip);
        return Bounds(p.X, p.Y, tip.cx, tip.cy);
    }
    TSize tip = TipSize(ItemTipText(index));
    TPoint p = PreviewItemTipPos(item, spacing, tip);
    return Bounds(p.X, p.Y, tip.cx, tip.cy);
}

TRect TOrvPreviewMenuPanel::SubItemTipRect(int index) {
    TRect sub = SubItemRect(index);
    TOrvPreviewSubMenuItems* list = ShownSubItems();
    if (sub.IsEmpty() || !list) return {};
    TOrvPreviewSubMenuItem& s = *list->Items(index);
    std::wstring text = s.GetShortCutHint();
    if (text.empty())
        if (wchar_t c = AcceleratorOf(s.GetTitle())) text.assign(1, c);
    TSize tip = TipSize(text);
    TPoint p = PreviewSubItemTipPos(sub, FOrvPreviewMenu->GetMenuSpacing(), tip);
    return Bounds(p.X, p.Y, tip.cx, tip.cy);
}

void TOrvPreviewMenuPanel::ShowAllItemKeyTips() {
    if (!FOrvPreviewMenu) return;
    bool any = false;
    for (int i = 0; i < FOrvPreviewMenu->MenuItems().Count(); ++i) {
        TOrvPreviewMenuItem& item = *FOrvPreviewMenu->MenuItems().Items(i);
        item.FShortCutHintShowing = ItemHasTip(i);
        item.FShortCutSubItemHintShowing =
            item.GetVisible() && item.HasSubItems() && !item.GetShortCutSubItemsHint().empty();
        any = any || item.FShortCutHintShowing || item.FShortCutSubItemHintShowing;
    }
    FShortCutItemHintShowing = any;
    FShortCutChars.clear();
    if (FItemHot < 0) SetItemHot(NextItem(-1, true), true);
    Invalidate();
}

void TOrvPreviewMenuPanel::ShowSubItemKeyTips() {
    FSubItemTips.clear();
    if (TOrvPreviewSubMenuItems* list = ShownSubItems())
        for (int i = 0; i < list->Count(); ++i) {
            TOrvPreviewSubMenuItem& s = *list->Items(i);
            if (s.GetVisible() && (!s.GetShortCutHint().empty() || AcceleratorOf(s.GetTitle())))
                FSubItemTips.push_back(i);
        }
    FShortCutSubMenuItemHintShowing = !FSubItemTips.empty();
    FShortCutChars.clear();
    Invalidate();
}

void TOrvPreviewMenuPanel::HideAllKeyTips() {
    if (!FOrvPreviewMenu) return;
    for (int i = 0; i < FOrvPreviewMenu->MenuItems().Count(); ++i) {
        FOrvPreviewMenu->MenuItems().Items(i)->FShortCutHintShowing = false;
        FOrvPreviewMenu->MenuItems().Items(i)->FShortCutSubItemHintShowing = false;
    }
    bool was = KeyTipsShowing();
    FShortCutItemHintShowing = FShortCutSubMenuItemHintShowing = false;
    FSubItemTips.clear();
    FShortCutChars.clear();
    if (was) Invalidate();
}

void TOrvPreviewMenuPanel::TypeKeyTip(wchar_t c) {
    TOrvPreviewMenu& menu = *FOrvPreviewMenu;
    std::wstring typed = FShortCutChars + static_cast<wchar_t>(std::towupper(c));
    auto upper = [](std::wstring s) {
        for (auto& ch : s) ch = static_cast<wchar_t>(std::towupper(ch));
        return s;
    };
    auto starts = [&](const std::wstring& tip) { return !tip.empty() && upper(tip).rfind(typed, 0) == 0; };
    auto exact = [&](const std::wstring& tip) { return !tip.empty() && upper(tip) == typed; };
    // The sub-item tips, when shown, are the ones being typed.
    if (FShortCutSubMenuItemHintShowing) {
        TOrvPreviewSubMenuItems* list = ShownSubItems();
        std::vector<int> remaining;
        for (int i : FSubItemTips) {
            TOrvPreviewSubMenuItem& s = *list->Items(i);
            std::wstring tip = s.GetShortCutHint();
            if (tip.empty()) tip.assign(1, AcceleratorOf(s.GetTitle()));
            if (exact(tip)) {
                HideAllKeyTips();
                ClickSubItem(i);
                return;
            }
            if (starts(tip)) remaining.push_back(i);
        }
        if (remaining.empty()) {
            MessageBeep(0);
            ++FKeyTipMisses;
            return;
        }
        FShortCutChars = typed;
        FSubItemTips = remaining;
        Invalidate();
        return;
    }
    bool anyLeft = false;
    for (int i = 0; i < menu.MenuItems().Count(); ++i) {
        TOrvPreviewMenuItem& item = *menu.MenuItems().Items(i);
        if (item.FShortCutHintShowing && exact(ItemTipText(i))) {
            HideAllKeyTips();
            ClickItem(i);
            return;
        }
        if (item.FShortCutSubItemHintShowing && exact(item.GetShortCutSubItemsHint())) {
            HideAllKeyTips();
            SetItemHot(i, true);
            SelectSubList(i);
            SetSubItemHot(NextSubItem(-1, true));
            ShowSubItemKeyTips();
            return;
        }
        anyLeft = anyLeft || (item.FShortCutHintShowing && starts(ItemTipText(i))) ||
                  (item.FShortCutSubItemHintShowing && starts(item.GetShortCutSubItemsHint()));
    }
    if (!anyLeft) {
        // Nothing starts so: the tips stay as they were.
        MessageBeep(0);
        ++FKeyTipMisses;
        return;
    }
    FShortCutChars = typed;
    for (int i = 0; i < menu.MenuItems().Count(); ++i) {
        TOrvPreviewMenuItem& item = *menu.MenuItems().Items(i);
        item.FShortCutHintShowing = item.FShortCutHintShowing && starts(ItemTipText(i));
        item.FShortCutSubItemHintShowing = item.FShortCutSubItemHintShowing && starts(item.GetShortCutSubItemsHint());
    }
    Invalidate();
}

// --- hot marks -------------------------------------------------------------------------------------------

void TOrvPreviewMenuPanel::InvalidateItem(int index) {
    TRect r = ItemRect(index);
    if (!r.IsEmpty() && HandleAllocated()) InvalidateRect(r.Inflate(0, 1));
}

void TOrvPreviewMenuPanel::InvalidateSubItem(int index) {
    TRect r = SubItemRect(index);
    if (!r.IsEmpty() && HandleAllocated()) InvalidateRect(r.Inflate(0, 1));
}

void TOrvPreviewMenuPanel::SetItemDown(int index) {
    if (!FOrvPreviewMenu || index >= FOrvPreviewMenu->MenuItems().Count() || index == FItemDown) return;
    InvalidateItem(FItemDown);
    FItemDown = std::max(index, -1);
    InvalidateItem(FItemDown);
}

void TOrvPreviewMenuPanel::SetItemHot(int index, bool byKeyboard) {
    if (!FOrvPreviewMenu || index >= FOrvPreviewMenu->MenuItems().Count()) return;
    if (index != FItemHot) {
        InvalidateItem(FItemHot);
        FItemHot = index;
        InvalidateItem(FItemHot);
    }
    if (FSubMenuItemHot >= 0) SetSubItemHot(-1);
    FMouseSetHot = !byKeyboard;
    if (byKeyboard && index >= 0) {
        // The keyboard switches the right area at once.
        int shows = FOrvPreviewMenu->MenuItems().Items(index)->HasSubItems() ? index : -1;
        if (shows != FSubMenuItem) SelectSubList(shows);
    }
    if (index >= 0) LoadOfficeHint(&FOrvPreviewMenu->MenuItems().Items(index)->OfficeHint());
}

void TOrvPreviewMenuPanel::SetSubItemHot(int index) {
    TOrvPreviewSubMenuItems* list = ShownSubItems();
    if (!list || index >= list->Count() || index == FSubMenuItemHot) return;
    InvalidateSubItem(FSubMenuItemHot);
    FSubMenuItemHot = index;
    if (index >= 0 && FPaging.Active && FPaging.PageSize > 0) {
        // Page towards a sub-item outside the page.
        int k = VisiblePosOfSubItem(index);
        while (k < FTopSubMenuItem && FSubMenuScroller.CanGoBack()) ScrollSubItems(false);
        while (k >= FTopSubMenuItem + FPaging.PageSize && FSubMenuScroller.CanGoForward()) ScrollSubItems(true);
    }
    InvalidateSubItem(FSubMenuItemHot);
    if (index >= 0) {
        LoadOfficeHint(&list->Items(index)->OfficeHint());
        if (list->Items(index)->GetSubMenu() && HandleAllocated())
            PostMessageW(Handle(), kOpenPopupMessage, static_cast<WPARAM>(index), 0);
    }
}

int TOrvPreviewMenuPanel::NextItem(int from, bool forward) const {
    if (!FOrvPreviewMenu) return from;
    int n = FOrvPreviewMenu->MenuItems().Count();
    if (n == 0) return from;
    int i = from;
    // One full round at most: when nothing can take the mark, it stays where it was.
    for (int step = 0; step < n + 1; ++step) {
        i = forward ? (i + 1) % n : (i <= 0 ? n - 1 : i - 1);
        TOrvPreviewMenuItem& item = *FOrvPreviewMenu->MenuItems().Items(i);
        if (item.GetVisible() && item.GetEnabled()) return i;
    }
    return from;
}

int TOrvPreviewMenuPanel::NextSubItem(int from, bool forward) const {
    TOrvPreviewSubMenuItems* list = ShownSubItems();
    if (!list || list->Count() == 0) return from;
    int n = list->Count();
    int i = from;
    for (int step = 0; step < n + 1; ++step) {
        i = forward ? (i + 1) % n : (i <= 0 ? n - 1 : i - 1);
        if (list->Items(i)->GetVisible() && list->Items(i)->GetEnabled()) return i;
    }
    return from;
}

void TOrvPreviewMenuPanel::LoadOfficeHint(TOrvHintInfo* hint) {
    // Assigning nothing would keep the old hint: over nothing it is emptied.
    TOrvHintInfo empty;
    FOfficeHint->Assign(hint ? hint : &empty);
    if (Application) Application->CancelHint();
}

// --- clicks ---------------------------------------------------------------------------------------------------

void TOrvPreviewMenuPanel::HideMenuNow() {
    CloseSubMenuPopup();
    FMouseTimer->SetEnabled(false);
    if (FOrvPreviewMenu) FOrvPreviewMenu->HideMenu();
}

void TOrvPreviewMenuPanel::ClickItem(int index) {
    if (!FOrvPreviewMenu || index < 0 || index >= FOrvPreviewMenu->MenuItems().Count()) return;
    TOrvPreviewMenu* menu = FOrvPreviewMenu;
    TOrvPreviewMenuItem* item = menu->MenuItems().Items(index);
    if (!item->GetEnabled() || (item->HasSubItems() && !item->GetCanSelect())) return;
    HideMenuNow();
    FItemIndex = index;
    // The click may free the menu (and this panel with its window): take the event first.
    TPreviewItemClickEvent event = menu->OnMenuItemClick;
    item->Click();
    event(menu, index);
}

void TOrvPreviewMenuPanel::ClickSubItem(int index) {
    TOrvPreviewSubMenuItems* list = ShownSubItems();
    if (!list || index < 0 || index >= list->Count()) return;
    TOrvPreviewSubMenuItem* sub = list->Items(index);
    if (!sub->GetEnabled() || sub->GetSubMenu()) return;
    TOrvPreviewMenu* menu = FOrvPreviewMenu;
    int item = FSubMenuItem;
    // The item keeps the sub-item chosen from its list: the next time the list opens from
    // it, that one shows the checked look.
    if (item >= 0) menu->MenuItems().Items(item)->FSubMenuItemIndex = index;
    HideMenuNow();
    TPreviewSubItemClickEvent event = menu->OnSubMenuItemClick;
    sub->Click();
    event(menu, item, index);
}

void TOrvPreviewMenuPanel::ClickButton(int index) {
    if (!FOrvPreviewMenu || index < 0 || index >= FOrvPreviewMenu->Buttons().Count()) return;
    TOrvPreviewMenu* menu = FOrvPreviewMenu;
    TButtonCollectionItem* item = menu->Buttons().Items(index);
    HideMenuNow();
    TPreviewButtonClickEvent event = menu->OnButtonClick;
    item->Click();
    event(menu, index);
}

// --- paging -----------------------------------------------------------------------------------------------------

// --- mouse ------------------------------------------------------------------------------------------------------

void TOrvPreviewMenuPanel::MouseTimerTick(TObject*) {
    FMouseTimer->SetEnabled(false);
    if (!FOrvPreviewMenu || !HandleAllocated()) return;
    POINT cursor;
    GetCursorPos(&cursor);
    TPreviewHit hit = HitTest(ScreenToClient({cursor.x, cursor.y}));
    if (hit.Kind != phItem) return;
    int shows = FOrvPreviewMenu->MenuItems().Items(hit.Index)->HasSubItems() ? hit.Index : -1;
    if (hit.Index != FItemHot) SetItemHot(hit.Index, false);
    if (shows != FSubMenuItem) SelectSubList(shows);
}

void TOrvPreviewMenuPanel::MouseMove(TShiftState shift, int x, int y) {
    TOrvCustomPreviewMenuPanel::MouseMove(shift, x, y);
    if (!FOrvPreviewMenu || FPopupOverlapRect.Contains({x, y})) return;
    TPreviewHit hit = HitTest({x, y});
    bool upHot = hit.Kind == phScrollUp, downHot = hit.Kind == phScrollDown;
    if (upHot != FSubMenuScollUpHot || downHot != FSubMenuScollDownHot) {
        FSubMenuScollUpHot = upHot;
        FSubMenuScollDownHot = downHot;
        InvalidateRect(ScrollUpRect());
        InvalidateRect(ScrollDownRect());
    }
    if (hit.Kind == phItem) {
        bool dropDown = hit.DropDown;
        TOrvPreviewMenuItem& item = *FOrvPreviewMenu->MenuItems().Items(hit.Index);
        bool split = item.HasSubItems() && item.GetCanSelect();
        if (hit.Index != FItemHot) {
            SetItemHot(hit.Index, false);
            FMouseItemHot = hit.Index;
            FMouseTimer->SetEnabled(false);
            FMouseTimer->SetEnabled(true);
        }
        bool buttonPart = split && !dropDown, dropPart = split && dropDown;
        if (buttonPart != FButtonPartHot || dropPart != FDropDownPartHot) {
            FButtonPartHot = buttonPart;
            FDropDownPartHot = dropPart;
            InvalidateItem(hit.Index);
        }
        return;
    }
    if (hit.Kind == phSubItem) {
        FMouseTimer->SetEnabled(false);
        if (FSubMenuItem >= 0 && FItemHot != FSubMenuItem) SetItemHot(FSubMenuItem, false);
        SetSubItemHot(hit.Index);
        return;
    }
    if (FSubMenuItemHot >= 0 && !FShowingPopupMenu) SetSubItemHot(-1);
    if (hit.Kind == phNone) LoadOfficeHint(nullptr);
}

void TOrvPreviewMenuPanel::MouseLeave() {
    TOrvCustomPreviewMenuPanel::MouseLeave();
    if (FSubMenuScollUpHot || FSubMenuScollDownHot) {
        FSubMenuScollUpHot = FSubMenuScollDownHot = false;
        InvalidateRect(FRightFrameRect);
    }
}

void TOrvPreviewMenuPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TOrvCustomPreviewMenuPanel::MouseDown(button, shift, x, y);
    if (!FOrvPreviewMenu || button != TMouseButton::mbLeft) return;
    if (FIgnoreMouseDown) {
        FIgnoreMouseDown = false;
        return;
    }
    TPreviewHit hit = HitTest({x, y});
    switch (hit.Kind) {
        case phItem:
            FItemDown = hit.Index;
            InvalidateItem(hit.Index);
            break;
        case phSubItem:
            FSubMenuItemDown = hit.Index;
            InvalidateSubItem(hit.Index);
            break;
        case phScrollUp:
        case phScrollDown:
            (hit.Kind == phScrollUp ? FSubMenuScollUpDown : FSubMenuScollDownDown) = true;
            ScrollSubItems(hit.Kind == phScrollDown);
            break;
        case phMenuButton:
            HideMenuNow();
            break;
        case phNone:
            SetItemHot(-1, false);
            SelectSubList(-1);
            break;
    }
}

void TOrvPreviewMenuPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TOrvCustomPreviewMenuPanel::MouseUp(button, shift, x, y);
    if (!FOrvPreviewMenu || button != TMouseButton::mbLeft) return;
    FSubMenuScollUpDown = FSubMenuScollDownDown = false;
    TPreviewHit hit = HitTest({x, y});
    int itemDown = FItemDown, subDown = FSubMenuItemDown;
    FItemDown = FSubMenuItemDown = -1;
    InvalidateItem(itemDown);
    InvalidateSubItem(subDown);
    if (hit.Kind == phItem && hit.Index == itemDown) {
        TOrvPreviewMenuItem& item = *FOrvPreviewMenu->MenuItems().Items(hit.Index);
        if (item.HasSubItems() && (hit.DropDown || !item.GetCanSelect())) {
            FMouseTimer->SetEnabled(false);
            if (FSubMenuItem != hit.Index) SelectSubList(hit.Index);
            return;
        }
        ClickItem(hit.Index);
    } else if (hit.Kind == phSubItem && hit.Index == subDown) {
        ClickSubItem(hit.Index);
    }
}

// --- keyboard --------------------------------------------------------------------------------------------------------

void TOrvPreviewMenuPanel::KeyDown(uint16_t& key, TShiftState shift) {
    TOrvCustomPreviewMenuPanel::KeyDown(key, shift);
    if (!FOrvPreviewMenu || key == 0) return;
    if (key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) HideAllKeyTips();
    TOrvPreviewSubMenuItems* list = ShownSubItems();
    switch (key) {
        case VK_ESCAPE:
            HideMenuNow();
            break;
        case VK_UP:
        case VK_DOWN:
            if (FSubMenuItemHot >= 0)
                SetSubItemHot(NextSubItem(FSubMenuItemHot, key == VK_DOWN));
            else
                SetItemHot(NextItem(FItemHot, key == VK_DOWN), true);
            break;
        case VK_RIGHT:
            if (FItemHot >= 0) {
                if (FSubMenuItemHot < 0) SetSubItemHot(NextSubItem(-1, true));
            } else {
                SetItemHot(NextItem(-1, true), true);
            }
            break;
        case VK_LEFT:
            if (FSubMenuItemHot >= 0) SetSubItemHot(-1);
            break;
        case VK_RETURN:
        case VK_SPACE:
            if (FSubMenuItemHot >= 0)
                ClickSubItem(FSubMenuItemHot);
            else if (FItemHot >= 0)
                ClickItem(FItemHot);
            break;
        case VK_TAB: {
            bool back = (shift & ssShift) != 0;
            int items = FOrvPreviewMenu->MenuItems().Count();
            if (!back) {
                if (FSubMenuItemHot >= 0) {
                    int next = NextSubItem(FSubMenuItemHot, true);
                    if (next <= FSubMenuItemHot && !FButtonList.empty()) {
                        // From the last sub-item to the leftmost button (the last of the collection).
                        for (auto it = FButtonList.rbegin(); it != FButtonList.rend(); ++it)
                            if ((*it)->GetVisible() && (*it)->CanFocus()) {
                                SetSubItemHot(-1);
                                (*it)->SetFocus();
                                break;
                            }
                    } else {
                        SetSubItemHot(next);
                    }
                } else if (FItemHot >= 0) {
                    int next = NextItem(FItemHot, true);
                    if (next <= FItemHot && list && NextSubItem(-1, true) >= 0)
                        SetSubItemHot(NextSubItem(-1, true));
                    else
                        SetItemHot(next, true);
                } else {
                    SetItemHot(NextItem(-1, true), true);
                }
            } else {
                if (FSubMenuItemHot >= 0) {
                    int prev = NextSubItem(FSubMenuItemHot, false);
                    if (prev >= FSubMenuItemHot) {
                        SetSubItemHot(-1);
                        SetItemHot(NextItem(items, false), true);
                    } else {
                        SetSubItemHot(prev);
                    }
                } else if (FItemHot >= 0) {
                    int prev = NextItem(FItemHot, false);
                    if (prev >= FItemHot && !FButtonList.empty()) {
                        for (TOrvGlowButton* b : FButtonList)
                            if (b->GetVisible() && b->CanFocus()) {
                                SetItemHot(-1, true);
                                b->SetFocus();
                                break;
                            }
                    } else {
                        SetItemHot(prev, true);
                    }
                } else {
                    SetItemHot(NextItem(items, false), true);
                }
            }
            break;
        }
        default:
            return;
    }
    key = 0;
}

void TOrvPreviewMenuPanel::KeyPress(wchar_t& key) {
    TOrvCustomPreviewMenuPanel::KeyPress(key);
    if (!FOrvPreviewMenu || key < L' ') return;
    if (FShortCutItemHintShowing || FShortCutSubMenuItemHintShowing) {
        TypeKeyTip(key);
        key = 0;
        return;
    }
    wchar_t typed = static_cast<wchar_t>(std::towupper(key));
    auto matches = [typed](const std::wstring& caption) {
        wchar_t c = AcceleratorOf(caption);
        return c && static_cast<wchar_t>(std::towupper(c)) == typed;
    };
    if (TOrvPreviewSubMenuItems* list = ShownSubItems())
        for (int i = 0; i < list->Count(); ++i)
            if (list->Items(i)->GetVisible() && list->Items(i)->GetEnabled() && matches(list->Items(i)->GetTitle())) {
                key = 0;
                ClickSubItem(i);
                return;
            }
    for (int i = 0; i < FOrvPreviewMenu->MenuItems().Count(); ++i) {
        TOrvPreviewMenuItem& item = *FOrvPreviewMenu->MenuItems().Items(i);
        if (!item.GetVisible() || !item.GetEnabled() || !matches(item.GetCaption())) continue;
        key = 0;
        if (item.HasSubItems() && !item.GetCanSelect())
            SetItemHot(i, true);
        else
            ClickItem(i);
        return;
    }
}

void TOrvPreviewMenuPanel::DoEnter() {
    TOrvCustomPreviewMenuPanel::DoEnter();
    if (!FOrvPreviewMenu) return;
    // Back from a bottom button: Shift+Tab lands on the last sub-item, Tab on the first item.
    if (!FFocusFromButton) return;
    FFocusFromButton = false;
    if ((KeyboardShiftState() & ssShift) != 0)
        SetSubItemHot(NextSubItem(-1, false));
    else if (FOrvPreviewMenu->MenuShowing())
        SetItemHot(NextItem(-1, true), true);
}

// --- pop-up sub-menus
// ------------------------------------------------------------------------------------------------------

void TOrvPreviewMenuPanel::CloseSubMenuPopup() {
    if (!FShowingPopupMenu) return;
    FInternalHideSubMenuPopup = true;
    TPopupMenu::CloseActive();
}

void TOrvPreviewMenuPanel::OpenSubMenuPopup(int index) {
    TOrvPreviewSubMenuItems* list = ShownSubItems();
    if (FShowingPopupMenu || !list || index != FSubMenuItemHot || index < 0 || index >= list->Count()) return;
    TPopupMenu* popup = list->Items(index)->GetSubMenu();
    if (!popup) return;
    TRect r = SubItemRect(index);
    TPoint corner = ClientToScreen({r.Right, r.Top});
    // The pop-up's width from its own entry measuring (caption and short-cut text).
    int popupWidth = 0, entryHeight = 0, entries = 0;
    {
        TBitmap scratch(1, 1);
        scratch.Canvas().Font().SetName(L"Tahoma");
        TMenuItem* root = popup->Items();
        for (int i = 0; i < root->Count(); ++i) {
            TMenuItem* entry = root->Items(i);
            if (!entry->GetVisible()) continue;
            int w = 0, h = 0;
            entry->MeasureItem(scratch.Canvas(), w, h);
            popupWidth = std::max(popupWidth, w);
            entryHeight = std::max(entryHeight, h);
            ++entries;
        }
    }
    HMONITOR monitor = MonitorFromPoint({corner.X, corner.Y}, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    int monitorRight = GetMonitorInfoW(monitor, &info) ? info.rcMonitor.right : GetSystemMetrics(SM_CXSCREEN);
    TPreviewPopupPlace place = PreviewPopupPlace(corner, popupWidth, entryHeight, entries, monitorRight);
    TPoint at = place.At;
    FSubMenuPopup = popup;
    FShowingPopupMenu = true;
    FInternalHideSubMenuPopup = false;
    FPopupOverlapRect = {-1, -1, -1, -1};
    if (!place.Overlap.IsEmpty()) {
        TPoint topLeft = ScreenToClient({place.Overlap.Left, place.Overlap.Top});
        FPopupOverlapRect = Bounds(topLeft.X, topLeft.Y, place.Overlap.Width(), place.Overlap.Height());
    }
    auto* window = dynamic_cast<TPreviewMenuWindow*>(Parent());
    if (window) window->SetHideOnDeActivate(false);
    bool firstPass = true;
    bool closedByKey = false;
    HWND self = Handle();
    // While the pop-up runs its own loop: select its first entry, close it on Left and
    // when the pointer moves onto another entry of the panel.
    FPopupFilter = std::make_unique<TThreadHook>(
        WH_MSGFILTER, [this, &firstPass, &closedByKey, self, index](int code, uintptr_t, intptr_t lParam) {
            if (code != MSGF_MENU) return false;
            auto* msg = reinterpret_cast<MSG*>(lParam);
            if (firstPass) {
                firstPass = false;
                PostMessageW(msg->hwnd, WM_KEYDOWN, VK_DOWN, 0);
            }
            bool rtl = (GetWindowLongW(self, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
            if (msg->message == WM_KEYDOWN && msg->wParam == static_cast<WPARAM>(rtl ? VK_RIGHT : VK_LEFT)) {
                FInternalHideSubMenuPopup = true;
                closedByKey = true;
                TPopupMenu::CloseActive();
                return true;
            }
            if (msg->message == WM_MOUSEMOVE) {
                POINT screen;
                GetCursorPos(&screen);
                TPoint p = ScreenToClient({screen.x, screen.y});
                if (FPopupOverlapRect.Contains(p)) return false;
                TPreviewHit hit = HitTest(p);
                if ((hit.Kind == phItem) || (hit.Kind == phSubItem && hit.Index != index)) {
                    FInternalHideSubMenuPopup = true;
                    TPopupMenu::CloseActive();
                    PostMessageW(self, WM_MOUSEMOVE, 0, MAKELPARAM(p.X, p.Y));
                }
            }
            return false;
        });
    popup->SetPopupComponent(FOrvPreviewMenu);
    popup->Popup(at.X, at.Y);
    // The pop-up's click may have freed everything; the hook goes first.
    FPopupFilter.reset();
    FShowingPopupMenu = false;
    FSubMenuPopup = nullptr;
    FPopupOverlapRect = {-1, -1, -1, -1};
    if (window) window->SetHideOnDeActivate(true);
    bool internal = FInternalHideSubMenuPopup;
    FInternalHideSubMenuPopup = false;
    if (!internal) {
        HideMenuNow();
        return;
    }
    if (window && window->GetVisible()) SetForegroundWindow(window->Handle());
    // Closed by Left, the sub-item stays hot: the pointer still resting on it (and the
    // move the system sends after a menu loop) must not open the pop-up again.
    if (!closedByKey) SetSubItemHot(-1);
}

void TOrvPreviewMenuPanel::WndProc(TMessage& m) {
    switch (m.Msg) {
        case kOpenPopupMessage:
            OpenSubMenuPopup(static_cast<int>(m.WParam));
            return;
        case WM_SETFOCUS:
            FFocusFromButton = false;
            for (TOrvGlowButton* b : FButtonList)
                if (b->HandleAllocated() && b->Handle() == reinterpret_cast<HWND>(m.WParam)) FFocusFromButton = true;
            break;
        case CM_HINTSHOW: {
            auto* info = reinterpret_cast<THintInfo*>(m.LParam);
            if (info && m.WParam == 0) {
                std::wstring text = FOfficeHint->GetTitle();
                for (const auto& line : FOfficeHint->GetNotes()) text += (text.empty() ? L"" : L"\n") + line;
                info->HintStr = text;
                info->HintData = FOfficeHint.get();
                m.Result = text.empty() ? 1 : 0;
                return;
            }
            break;
        }
        default:
            break;
    }
    TOrvCustomPreviewMenuPanel::WndProc(m);
}

}  // namespace orv
