#include "itemlist/CustomItemsContainer.h"

#include <algorithm>
#include <cmath>
#include <cwctype>

#include "framework/ClassRegistry.h"
#include "framework/ImageList.h"
#include "framework/LayoutReader.h"
#include "paint/FaceCache.h"
#include "paint/GDIPPictureContainer.h"
#include "paint/OrvColors.h"

namespace orv {

namespace {
constexpr UINT_PTR kDragScrollTimer = 1;
constexpr UINT_PTR kHandleTimer = 2;
constexpr int kDragThreshold = 5;
// Handle auto-repeat starts after this many 10 ms ticks.
constexpr int kRepeatDelayTicks = 30;
constexpr uint32_t kContainerVersion = (1u << 24) | (4u << 16) | (0u << 8) | 2u;
}  // namespace

// --- THandleAppearance ------------------------------------------------------------------------

void THandleAppearance::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const THandleAppearance*>(source);
    if (!s) {
        TPersistent::Assign(source);
        return;
    }
    FColor = s->FColor;
    FBorderColor = s->FBorderColor;
    FArrowColor = s->FArrowColor;
    FOpacity = s->FOpacity;
    FSize = s->FSize;
}

void THandleAppearance::SetColor(TColor value) {
    Store(FColor, value);
}
void THandleAppearance::SetBorderColor(TColor value) {
    Store(FBorderColor, value);
}
void THandleAppearance::SetArrowColor(TColor value) {
    Store(FArrowColor, value);
}
void THandleAppearance::SetOpacity(uint8_t value) {
    Store(FOpacity, value);
}
void THandleAppearance::SetSize(int32_t value) {
    Store(FSize, value);
}

// --- TScrollContainer -------------------------------------------------------------------------------

TScrollContainer::TScrollContainer(TComponent* owner)
    : TScrollingWinControl(owner), FCanvas(std::make_unique<TControlCanvas>(*this)) {}

TScrollContainer::~TScrollContainer() = default;

void TScrollContainer::PaintWindow(HDC dc) {
    TCanvasPaintScope scope(*FCanvas, dc);
    Paint();
}

// --- TCustomItemsContainer: construction ---------------------------------------------------------------

TCustomItemsContainer::TCustomItemsContainer(TComponent* owner)
    : TScrollContainer(owner), FList(std::make_unique<TCustomBaseList>(this)), FFill(std::make_unique<TGDIPFill>()) {
    FControlStyle |= csAcceptsControls | csCustomPaint | csOpaque;
    FHandleAppearance.OnChange = TNotifyEvent::Bind(this, &TCustomItemsContainer::HandleAppearanceChanged);
    FList->OnInternalChange = TNotifyEvent::Bind(this, &TCustomItemsContainer::ListChanged);
    FList->OnInternalRefresh = TNotifyEvent::Bind(this, &TCustomItemsContainer::ListRefresh);
    FList->OnItemCompare = TItemCompareEvent::Bind(this, &TCustomItemsContainer::ListItemCompare);
    FList->OnItemSelect = TItemSelectEvent::Bind(this, &TCustomItemsContainer::ListItemSelect);
    FList->OnItemDeSelect = TItemSelectEvent::Bind(this, &TCustomItemsContainer::ListItemDeSelect);
    FListMargins.SetMargins(3, 3, 3, 3);
    FListMargins.OnChange = TNotifyEvent::Bind(this, &TCustomItemsContainer::PartChanged);
    FDoubleBuffered = true;
    FTabStop = true;
    FWidth = 280;
    FHeight = 300;
    FFill->SetColor(0xFFFFFF);
    FFill->SetColorTo(0xFFFFFF);
    FFill->SetBorderColor(0xC0C0C0);
    FFill->OnChange = TNotifyEvent::Bind(this, &TCustomItemsContainer::PartChanged);
    ApplyDefaultItemStyle();
    HorzScrollBar().SetTracking(true);
    VertScrollBar().SetTracking(true);
}

void TCustomItemsContainer::BeforeDestruction() {
    Destroying();
    if (HandleAllocated()) {
        StopTimer(kDragScrollTimer);
        StopTimer(kHandleTimer);
    }
    FList->OnNotifyListDestroy(this);
    // The items go with the list, before the owner's sweep reaches them.
    FList->Items().Clear();
    TScrollContainer::BeforeDestruction();
}

void TCustomItemsContainer::CreateParams(TCreateParams& p) {
    TScrollContainer::CreateParams(p);
    if (FBorderStyle == bsSingle) {
        if (FCtl3D)
            p.ExStyle |= WS_EX_CLIENTEDGE;
        else
            p.Style |= WS_BORDER;
    }
}

std::wstring TCustomItemsContainer::GetVersion() const {
    return ItemVersionString(kContainerVersion);
}

// --- content ---------------------------------------------------------------------------------------------

TCustomItem* TCustomItemsContainer::AddItem(const std::wstring& itemClass) {
    const TClassInfo* info = TClassRegistry::Find(itemClass);
    if (!info || !info->Create || !info->InheritsFrom(L"TCustomItem")) return nullptr;
    auto* item = dynamic_cast<TCustomItem*>(info->Create(this));
    if (!item) return nullptr;
    item->AfterConstruction();
    return FList->AddItem(item);
}

TCustomItem* TCustomItemsContainer::InsertItem(int index, const std::wstring& itemClass) {
    const TClassInfo* info = TClassRegistry::Find(itemClass);
    if (!info || !info->Create || !info->InheritsFrom(L"TCustomItem")) return nullptr;
    auto* item = dynamic_cast<TCustomItem*>(info->Create(this));
    if (!item) return nullptr;
    item->AfterConstruction();
    return FList->InsertItem(index, item);
}

void TCustomItemsContainer::ClearItems() {
    BeginUpdate();
    FList->Items().Clear();
    FDragItem = FDropItem = nullptr;
    EndUpdate();
    ScrollBarPass();
}

TCustomItem* TCustomItemsContainer::AddDropItem(TCustomItem* it) {
    if (!it) return nullptr;
    TCustomItem* item = it->CreateNewItem(this);
    item->Assign(it);
    return FList->AddItem(item);
}

void TCustomItemsContainer::VisualizeItem(int index, bool allowScrollItem, bool allowSelectItem) {
    if (allowSelectItem) SelectItem(index);
    if (allowScrollItem) ScrollToItem(index);
}

void TCustomItemsContainer::EndUpdate() {
    if (FUpdateCount > 0) --FUpdateCount;
    DoChange();
}

void TCustomItemsContainer::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TCustomItemsContainer*>(source);
    if (!s) {
        TScrollContainer::Assign(source);
        return;
    }
    BeginUpdate();
    FAutoSizeMode = s->FAutoSizeMode;
    FAutoSizeType = s->FAutoSizeType;
    FList->Assign(s->FList.get());
    FFill->Assign(s->FFill.get());
    FHorizontalSpacing = s->FHorizontalSpacing;
    FVerticalSpacing = s->FVerticalSpacing;
    FListMargins.Assign(&s->FListMargins);
    FReadOnly = s->FReadOnly;
    FColumns = s->FColumns;
    FRows = s->FRows;
    FShowFocus = s->FShowFocus;
    FBorderMode = s->FBorderMode;
    FBorderTypes = s->FBorderTypes;
    SetPictureContainer(s->GetPictureContainer());
    SetImageList(s->GetImageList());
    FReorder = s->FReorder;
    SetThumbTracking(s->FThumbTracking);
    SetTransparent(s->FTransparent);
    EndUpdate();
}

void TCustomItemsContainer::SetColumns(int32_t value) {
    if (value < 0 || value == FColumns) return;
    FColumns = value;
    FRows = 0;
    DoChange();
}

void TCustomItemsContainer::SetRows(int32_t value) {
    if (value < 0 || value == FRows) return;
    FRows = value;
    FColumns = 0;
    DoChange();
}

void TCustomItemsContainer::SetBorderStyle(TBorderStyle value) {
    if (FBorderStyle == value) return;
    FBorderStyle = value;
    if (HandleAllocated()) RecreateWnd();
    DoChange();
}

void TCustomItemsContainer::SetCtl3D(bool value) {
    if (FCtl3D == value) return;
    FCtl3D = value;
    if (HandleAllocated() && FBorderStyle == bsSingle) RecreateWnd();
}

void TCustomItemsContainer::SetPictureContainer(TGDIPPictureContainer* value) {
    if (GetPictureContainer() == value) return;
    FList->Appearance().SetPictureContainer(value);
    DoChange();
}

void TCustomItemsContainer::SetImageList(TImageList* value) {
    if (GetImageList() == value) return;
    FList->Appearance().SetImageList(value);
    DoChange();
}

void TCustomItemsContainer::WatchAppearanceLinks() {
    // The references live in the list appearance, which copies them along with the rest
    // (Assign of the container, of the list or of the appearance) without watching them:
    // whatever they are now is what this container asks to hear about.
    TCustomBaseListAppearance& a = FList->Appearance();
    auto watch = [this](TComponent* now, TComponent*& watched) {
        if (now == watched) return;
        if (watched) RemoveFreeNotification(watched);
        watched = now;
        if (now) FreeNotification(now);
    };
    watch(a.GetPictureContainer(), FWatchedPictures);
    watch(a.GetImageList(), FWatchedImages);
}

void TCustomItemsContainer::SetThumbTracking(bool value) {
    if (FThumbTracking == value) return;
    FThumbTracking = value;
    HorzScrollBar().SetTracking(value);
    VertScrollBar().SetTracking(value);
    DoChange();
}

void TCustomItemsContainer::SetTransparent(bool value) {
    if (FTransparent == value) return;
    FTransparent = value;
    // The parent's image is painted first; the control no longer covers every pixel.
    if (value)
        FControlStyle = (FControlStyle | csParentBackground) & ~csOpaque;
    else
        FControlStyle = (FControlStyle & ~csParentBackground) | csOpaque;
    DoChange();
}

// --- passes ---------------------------------------------------------------------------------------------------

void TCustomItemsContainer::DoChange() {
    // Every change reaches here, even those a running pass or an update holds back.
    FLookVersion = NextContainerLookVersion();
    if (IsDestroying()) return;
    WatchAppearanceLinks();
    if (FUpdateCount > 0 || FChanging) return;
    {
        // The list's own change events (its size, the items the passes move) come
        // back here; they are part of this pass.
        TFlagGuard guard(FChanging);
        FList->SetWidth(FWidth);
        FList->SetHeight(FHeight);
        ListPass();
    }
    OnInternalChange(this);
    OnChange(this);
    Invalidate();
}

void TCustomItemsContainer::ListRefresh(TObject*) {
    if (FUpdateCount == 0) Invalidate();
}

void TCustomItemsContainer::HandleAppearanceChanged(TObject*) {
    FLookVersion = NextContainerLookVersion();
    if (FUpdateCount == 0) Invalidate();
}

void TCustomItemsContainer::ListItemCompare(TObject* /*sender*/, TCustomItem* a, TCustomItem* b, int32_t& result) {
    if (OnItemCompare) {
        OnItemCompare(FList.get(), a, b, result);
        return;
    }
    std::wstring na = a->CustomClassName(), nb = b->CustomClassName();
    result = CompareStringW(LOCALE_USER_DEFAULT, 0, na.c_str(), -1, nb.c_str(), -1) - CSTR_EQUAL;
}

int TCustomItemsContainer::ShadowSize() const {
    return FFill->GetShadowColor() != clNone ? FFill->GetShadowOffset() : 0;
}

void TCustomItemsContainer::ListPass() {
    if (FInListPass) return;
    if (FList->Items().Count() == 0) {
        // However the last item went (removed, freed elsewhere, cleared on the list
        // itself), an empty list shows no bar and keeps no scroll position.
        ScrollBarPass();
        FPrevHorzPos = FHorzPos;
        FPrevVertPos = FVertPos;
        FList->UpdateVisibleIndexes();
        return;
    }
    TFlagGuard guard(FInListPass);
    FList->BeginUpdate();
    GridPass();
    if (FAutoSizeMode == asmControl) {
        int cw = 0, ch = 0;
        int s = ShadowSize();
        for (TCustomItem* it : FList->Items().Entries()) {
            if (!it->GetVisible()) continue;
            cw = std::max(cw, it->GetX() + it->GetWidth() + FHorzPos + s + FListMargins.GetRight());
            ch = std::max(ch, it->GetY() + it->GetHeight() + FVertPos + s + FListMargins.GetBottom());
        }
        int w = FAutoSizeType == astHeight ? FWidth : cw + 1;
        int h = FAutoSizeType == astWidth ? FHeight : ch + 1;
        if (w != FWidth || h != FHeight) SetBounds(FLeft, FTop, w, h);
        FList->SetWidth(FWidth);
        FList->SetHeight(FHeight);
    }
    ScrollBarPass();
    GridPass();
    FList->Items().UpdateIndexes();
    FList->EndUpdate();
}

void TCustomItemsContainer::GridPass() {
    const auto& items = FList->Items().Entries();
    bool grid = FRows > 0 || FColumns > 0;
    if (grid) {
        int row = 0, col = 0;
        for (TCustomItem* it : items) {
            it->SetRowIndex(-1);
            it->SetColumnIndex(-1);
            if (!it->GetVisible()) continue;
            it->SetRowIndex(row);
            it->SetColumnIndex(col);
            if (FRows == 0) {
                if (++col >= FColumns) {
                    col = 0;
                    ++row;
                }
            } else if (++row >= FRows) {
                row = 0;
                ++col;
            }
        }
    } else {
        for (size_t i = 0; i < items.size(); ++i) {
            int v = items[i]->GetVisible() ? static_cast<int>(i) : -1;
            items[i]->SetRowIndex(v);
            items[i]->SetColumnIndex(v);
        }
    }
    if (grid && FAutoSizeMode == asmItems) {
        int s = ShadowSize();
        int c = FList->ColumnCount();
        int r = FList->RowCount();
        bool sizeWidth = FAutoSizeType == astWidth || FAutoSizeType == astBoth;
        bool sizeHeight = FAutoSizeType == astHeight || FAutoSizeType == astBoth;
        int v = VertScrollBar().IsScrollBarVisible() ? VertScrollBar().Size() : 0;
        int h = HorzScrollBar().IsScrollBarVisible() ? HorzScrollBar().Size() : 0;
        for (TCustomItem* it : items) {
            if (!it->GetVisible()) continue;
            if (sizeWidth && c > 0)
                it->SetWidth((FWidth - s - FListMargins.GetRight() - FListMargins.GetLeft() - v -
                              FHorizontalSpacing * (c - 1) - 1) /
                             c);
            if (sizeHeight && r > 0)
                it->SetHeight((FHeight - s - FListMargins.GetBottom() - FListMargins.GetTop() - h -
                               FVerticalSpacing * (r - 1) - 1) /
                              r);
        }
    }
    PositionPass();
}

void TCustomItemsContainer::PositionPass() {
    if (FInPositionPass) return;
    TFlagGuard guard(FInPositionPass);
    ++FUpdateCount;
    int x0 = FListMargins.GetLeft() - FHorzPos;
    int y0 = FListMargins.GetTop() - FVertPos;
    int x = x0, y = y0, n = 0;
    bool grid = FRows > 0 || FColumns > 0;
    for (TCustomItem* it : std::vector<TCustomItem*>(FList->Items().Entries())) {
        if (!it->GetVisible()) continue;
        if (grid) {
            it->SetX(x);
            it->SetY(y);
            ++n;
            if (FRows == 0) {
                x += it->GetWidth() + FHorizontalSpacing;
                if (n % FColumns == 0) {
                    x = x0;
                    y += it->GetHeight() + FVerticalSpacing;
                }
            } else {
                y += it->GetHeight() + FVerticalSpacing;
                if (n % FRows == 0) {
                    y = y0;
                    x += it->GetWidth() + FHorizontalSpacing;
                }
            }
        } else {
            it->SetX(it->GetX() + FPrevHorzPos - FHorzPos);
            it->SetY(it->GetY() + FPrevVertPos - FVertPos);
        }
        TWinControl* control = it->GetControl();
        bool ownedByItem = dynamic_cast<TCustomItem*>(it->ItemOwner()) != nullptr;
        if (control && !(ownedByItem && IsDesigning())) {
            TMargins& m = it->ControlMargin();
            int bx = it->GetX() + m.GetLeft(), by = it->GetY() + m.GetTop();
            int bw = it->GetWidth() - m.GetLeft() - m.GetRight();
            int bh = it->GetHeight() - m.GetTop() - m.GetBottom();
            if (it->GetControlStretched()) {
                control->SetBounds(bx, by, bw, bh);
            } else if (it->GetControlLocation() != tlCustom) {
                float ox = 0, oy = 0;
                GetObjectLocation(ox, oy, MakeRect(float(bx), float(by), float(bw), float(bh)),
                                  it->GetControlLocation(), float(control->Width()), float(control->Height()));
                control->SetBounds(static_cast<int>(std::lround(ox)) + bx, static_cast<int>(std::lround(oy)) + by,
                                   control->Width(), control->Height());
            }
        }
    }
    FPrevHorzPos = FHorzPos;
    FPrevVertPos = FVertPos;
    FList->UpdateVisibleIndexes();
    --FUpdateCount;
}

void TCustomItemsContainer::ScrollBarPass() {
    int s = ShadowSize();
    int cw = 0, ch = 0;
    for (TCustomItem* it : FList->Items().Entries()) {
        if (!it->GetVisible()) continue;
        cw = std::max(cw, it->GetX() + it->GetWidth() + FHorzPos + s + FListMargins.GetRight());
        ch = std::max(ch, it->GetY() + it->GetHeight() + FVertPos + s + FListMargins.GetBottom());
    }
    bool barsShown = FScrollType == stScrollers && !FTransparent;
    bool sizedByWidth = FAutoSizeType == astWidth || FAutoSizeType == astBoth;
    bool sizedByHeight = FAutoSizeType == astHeight || FAutoSizeType == astBoth;
    FHorzActive = FWidth > 0 && FWidth < cw && cw > 0 &&
                  (FAutoSizeMode == asmNone || (FAutoSizeMode == asmItems && sizedByHeight));
    FVertActive = FHeight > 0 && FHeight < ch && ch > 0 &&
                  (FAutoSizeMode == asmNone || (FAutoSizeMode == asmItems && sizedByWidth));
    TControlScrollBar& hb = HorzScrollBar();
    if (FHorzActive) {
        hb.SetThumbSize(FWidth);
        hb.SetRange(cw + 1);
        hb.SetVisible(barsShown);
        FHorzPos = std::min(FHorzPos, hb.GetRange());
        hb.SetPosition(FHorzPos);
        FHorzPos = hb.GetPosition();
    } else {
        hb.SetVisible(false);
        hb.SetRange(0);
        FHorzPos = 0;
    }
    TControlScrollBar& vb = VertScrollBar();
    if (FVertActive) {
        vb.SetThumbSize(FHeight);
        vb.SetRange(ch + 1);
        vb.SetVisible(barsShown);
        FVertPos = std::min(FVertPos, vb.GetRange());
        vb.SetPosition(FVertPos);
        FVertPos = vb.GetPosition();
    } else {
        vb.SetVisible(false);
        vb.SetRange(0);
        FVertPos = 0;
    }
}

// --- scrolling ----------------------------------------------------------------------------------------------

void TCustomItemsContainer::SetVerticalPosition(int value) {
    TControlScrollBar& vb = VertScrollBar();
    FVertPos = FVertActive ? std::clamp(value, 0, vb.MaxPosition()) : 0;
    OnVerticalScroll(this, FVertPos);
}

void TCustomItemsContainer::SetHorizontalPosition(int value) {
    TControlScrollBar& hb = HorzScrollBar();
    FHorzPos = FHorzActive ? std::clamp(value, 0, hb.MaxPosition()) : 0;
    OnHorizontalScroll(this, FHorzPos);
}

void TCustomItemsContainer::ScrollPositionChanged(TScrollBarKind kind) {
    if (kind == sbVertical)
        SetVerticalPosition(VertScrollBar().GetPosition());
    else
        SetHorizontalPosition(HorzScrollBar().GetPosition());
    DoChange();
}

bool TCustomItemsContainer::MouseWheel(TShiftState shift, int delta, TPoint mousePos) {
    if (TScrollContainer::MouseWheel(shift, delta, mousePos)) return true;
    if (shift & (ssShift | ssCtrl | ssAlt)) return false;
    SetVerticalPosition(std::min(FVertPos - delta, VertScrollBar().GetRange()));
    VertScrollBar().SetPosition(FVertPos);
    PositionPass();
    Invalidate();
    return true;
}

void TCustomItemsContainer::ScrollToItem(int index) {
    if (index < 0 || index >= ItemCount()) return;
    TCustomItem* it = Items(index);
    if (FVertActive) {
        TControlScrollBar& vb = VertScrollBar();
        int hs = HorzScrollBar().IsScrollBarVisible() ? HorzScrollBar().Size() : 0;
        int pos = FVertPos;
        if (it->GetY() + it->GetHeight() > FHeight - hs)
            pos = hs + it->GetY() + FVertPos + it->GetHeight() + FVerticalSpacing - vb.GetThumbSize() - 1;
        else if (it->GetY() < 0)
            pos = it->GetY() + FVertPos - FVerticalSpacing - hs + 2;
        vb.SetPosition(pos);
        SetVerticalPosition(pos);
    }
    if (FHorzActive) {
        TControlScrollBar& hb = HorzScrollBar();
        int vs = VertScrollBar().IsScrollBarVisible() ? VertScrollBar().Size() : 0;
        int pos = FHorzPos;
        if (it->GetX() + it->GetWidth() > FWidth - vs)
            pos = vs + it->GetX() + FHorzPos + it->GetWidth() + FHorizontalSpacing - hb.GetThumbSize() - 1;
        else if (it->GetX() < 0)
            pos = it->GetX() + FHorzPos - FHorizontalSpacing - vs + 2;
        hb.SetPosition(pos);
        SetHorizontalPosition(pos);
    }
    PositionPass();
    Invalidate();
}

void TCustomItemsContainer::Resize() {
    TScrollContainer::Resize();
    FHorzPos = std::clamp(HorzScrollBar().GetPosition(), 0, HorzScrollBar().MaxPosition());
    FVertPos = std::clamp(VertScrollBar().GetPosition(), 0, VertScrollBar().MaxPosition());
    DoChange();
}

// --- painting ----------------------------------------------------------------------------------------------------

void TCustomItemsContainer::Paint() {
    auto drawDirect = [this](HDC dc) {
        TGPGraphics g(dc);
        g.SetSmoothingMode(SmoothingModeAntiAlias);
        g.SetTextRenderingHint(FTextRendering);
        Draw(g);
    };
    if (!FaceCacheable()) {
        drawDirect(Canvas().Handle());
        return;
    }
    TRect cr = ClientRect();
    auto face = SharedFaceCache().Get(FaceKey(), cr.Width(), cr.Height(), [this, &drawDirect](TFace&, HDC dc) {
        // As the window's own buffered paint starts: the background colour, then the look.
        EraseBackground(dc);
        drawDirect(dc);
    });
    if (!face->Empty()) {
        face->Blit(Canvas().Handle(), 0, 0);
        return;
    }
    // No face to be had (the handles ran out): what it would hold, straight onto the canvas.
    EraseBackground(Canvas().Handle());
    drawDirect(Canvas().Handle());
}

bool TCustomItemsContainer::FaceCacheable() const {
    // Drawn over the parent's live pixels, or by the user's own handlers: not a face.
    if (!ListFaceCache || FTransparent || OnStartDraw || OnEndDraw) return false;
    TRect cr = ClientRect();
    if (cr.Width() <= 0 || cr.Height() <= 0) return false;
    const TCustomListObjects& items = FList->Items();
    int last = std::min(FList->LastVisibleIdx(), items.Count() - 1);
    for (int i = std::max(0, FList->FirstVisibleIdx()); i <= last; ++i) {
        TCustomItem* it = items.Items(i);
        if (it->OnItemStartDraw || it->OnItemEndDraw || it->OnInternalItemStartDraw || it->OnInternalItemEndDraw)
            return false;
    }
    return true;
}

TContainerFace TCustomItemsContainer::FaceKey() const {
    TRect cr = ClientRect();
    TContainerFace key;
    key.Container = this;
    key.LookVersion = FLookVersion;
    key.Width = cr.Width();
    key.Height = cr.Height();
    key.Color = FColor;
    key.Focused = FTabStop && HandleAllocated() && Focused() && FShowFocus;
    key.FocusedItem = key.Focused ? FList->FocusedItemIndex : -1;
    key.HorzPos = FHorzPos;
    key.VertPos = FVertPos;
    for (int k = 0; k < 4; ++k)
        key.HandleStates |=
            uint8_t((FHandlePressed[k] ? 1u : 0u) << k) | uint8_t((FHandleHovered[k] ? 1u : 0u) << (k + 4));
    key.DragItem = FDragItem;
    key.DropItem = FDropItem;
    key.DropMarker = FDropMarker;
    key.DragLine = FDragLine;
    key.DragLineColor = FDragLineColor;
    key.PictureStamp = PictureStampOf(GetPictureContainer(), GetImageList());
    const TCustomListObjects& items = FList->Items();
    int last = std::min(FList->LastVisibleIdx(), items.Count() - 1);
    for (int i = std::max(0, FList->FirstVisibleIdx()); i <= last; ++i) {
        TCustomItem* it = items.Items(i);
        key.Items.Entries.push_back({it, uint8_t(it->GetState()), uint8_t(it->GetStatusState())});
    }
    return key;
}

void TCustomItemsContainer::Draw(TGPGraphics& g) {
    TRect cr = ClientRect();
    TGPRectF r = MakeRect(0.f, 0.f, float(cr.Width() - 1), float(cr.Height() - 1));
    OnStartDraw(this, g, r);
    DrawBackGround(g);
    DrawItems(g);
    DrawDragLine(g, r);
    DrawHandles(g);
    OnEndDraw(this, g, r);
}

void TCustomItemsContainer::DrawBackGround(TGPGraphics& g) {
    TRect cr = ClientRect();
    float w = float(cr.Width()), h = float(cr.Height());
    TGPRectF r = MakeRect(0.f, 0.f, w - 1, h - 1);
    // The border width changes and comes back inside an update of the fill, so the
    // paint never sets off the change pass.
    int borderWidth = FFill->GetBorderWidth();
    FFill->BeginUpdate();
    if (FBorderMode == bmTransition) {
        FFill->SetBorderWidth(0);
        FFill->Fill(&g, MakeRect(-1.f, -1.f, w + 1, h + 1), 255, 255, 255, 255, 255);
    } else {
        if (FBorderStyle != bsNone) FFill->SetBorderWidth(0);
        FFill->Fill(&g, r, 255, 255, 255, 255, 255);
    }
    FFill->SetBorderWidth(borderWidth);
    FFill->EndUpdate();
    if (FBorderMode != bmTransition) return;

    TARGB color = MakeAlphaColor(FFill->GetBorderOpacity(), FFill->GetBorderColor());
    TGPPen pen(color, float(std::max(1, borderWidth)));
    auto strip = [&](const TGPRectF& s) {
        TGPGraphicsPath path;
        path.AddRectangle(s);
        TGPPathGradientBrush brush(path);
        brush.SetCenterColor(color);
        g.FillPath(brush, path);
    };
    auto has = [this](TListBorderType t) { return (FBorderTypes & BorderBit(t)) != 0; };
    float X = r.X, Y = r.Y, W = r.Width, H = r.Height;
    if (has(btGradientLeft))
        strip(MakeRect(X - 1, Y + 1, 2, H - 2));
    else if (has(btNormalLeft))
        g.DrawLine(pen, X, Y, X, H);
    if (has(btGradientTop))
        strip(MakeRect(X + 1, Y - 1, W - 2, 2));
    else if (has(btNormalTop))
        g.DrawLine(pen, X, Y, X + W, Y);
    if (has(btGradientRight))
        strip(MakeRect(X + W - 1, Y + 1, 2, H - 2));
    else if (has(btNormalRight))
        g.DrawLine(pen, X + W, Y, X + W, H);
    if (has(btGradientBottom))
        strip(MakeRect(X + 1, Y + H - 1, W - 2, 2));
    else if (has(btNormalBottom))
        g.DrawLine(pen, X, Y + H, X + W, H);
}

void TCustomItemsContainer::DrawItems(TGPGraphics& g) {
    bool focused = FTabStop && HandleAllocated() && Focused() && FShowFocus;
    FList->DrawItems(g, focused);
}

bool TCustomItemsContainer::DropMarkerLine(TGPPointF& from, TGPPointF& to) const {
    if (!FDragLine || !FDropItem || !FDragItem || !FDropMarker || FDropItem == FDragItem) return false;
    float tx = float(FDropItem->GetX()), ty = float(FDropItem->GetY());
    float tw = float(FDropItem->GetWidth()), th = float(FDropItem->GetHeight());
    int dy = FDragItem->GetY();
    if (dy < FDropItem->GetY() || dy > FDropItem->GetY() + FDropItem->GetHeight()) {
        // Half the spacing, not its integer half: midway in the gap between the items.
        float y = ty - float(FVerticalSpacing) / 2;
        from = {tx, y};
        to = {tx + tw, y};
    } else {
        float x = tx - float(FHorizontalSpacing) / 2;
        from = {x, ty};
        to = {x, ty + th};
    }
    return true;
}

void TCustomItemsContainer::DrawDragLine(TGPGraphics& g, const TGPRectF& /*r*/) {
    TGPPointF from, to;
    if (!DropMarkerLine(from, to)) return;
    TSmoothingMode saved = g.GetSmoothingMode();
    g.SetSmoothingMode(SmoothingModeDefault);
    g.DrawLine(TGPPen(MakeAlphaColor(200, FDragLineColor), 1), from, to);
    g.SetSmoothingMode(saved);
}

TGPRectF TCustomItemsContainer::HandleRect(THandleKind kind) const {
    TRect cr = ClientRect();
    float s = float(FHandleAppearance.GetSize());
    float w = float(cr.Width()), h = float(cr.Height());
    switch (kind) {
        case hkLeft:
            return MakeRect(-s / 2, (h - s) / 2, s, s);
        case hkRight:
            return MakeRect(w - s / 2 - 1, (h - s) / 2, s, s);
        case hkTop:
            return MakeRect((w - s) / 2, -s / 2, s, s);
        case hkBottom:
            return MakeRect((w - s) / 2, h - 1 - s / 2, s, s);
    }
    return {};
}

bool TCustomItemsContainer::HandleShown(THandleKind kind) const {
    if (FScrollType != stHandles) return false;
    const TControlScrollBar& hb = HorzScrollBar();
    const TControlScrollBar& vb = VertScrollBar();
    switch (kind) {
        case hkLeft:
            return FHorzActive && FHorzPos > 0;
        case hkRight:
            return FHorzActive && FHorzPos < hb.GetRange() - hb.GetThumbSize();
        case hkTop:
            return FVertActive && FVertPos > 0;
        case hkBottom:
            return FVertActive && FVertPos < vb.GetRange() - vb.GetThumbSize();
    }
    return false;
}

void TCustomItemsContainer::DrawHandles(TGPGraphics& g) {
    if (FScrollType != stHandles) return;
    const THandleAppearance& a = FHandleAppearance;
    static constexpr float kStart[] = {270, 0, 90, 180};
    for (int k = hkLeft; k <= hkBottom; ++k) {
        auto kind = static_cast<THandleKind>(k);
        if (!HandleShown(kind)) continue;
        TGPRectF box = HandleRect(kind);
        TGPGraphicsPath path;
        path.AddArc(box, kStart[k], 180);
        path.CloseFigure();
        TColor color = a.GetColor();
        if (FHandlePressed[k])
            color = DarkenColor(color, 30);
        else if (FHandleHovered[k])
            color = LightenColor(color, 30);
        g.FillPath(TGPSolidBrush(MakeAlphaColor(a.GetOpacity(), color)), path);
        bool horizontalHandle = kind == hkLeft || kind == hkRight;
        TGPRectF half = horizontalHandle ? MakeRect(box.X, box.Y, box.Width / 2, box.Height)
                                         : MakeRect(box.X, box.Y, box.Width, box.Height / 2);
        TGPLinearGradientBrush shine(half, MakeAlphaColor(0, clWhite), MakeAlphaColor(100, clWhite),
                                     LinearGradientModeHorizontal);
        g.FillPath(shine, path);
        g.DrawPath(TGPPen(MakeAlphaColor(a.GetOpacity(), a.GetBorderColor()), 1), path);
        float w = box.Width, h = box.Height;
        TGPPointF tip, arm1, arm2;
        switch (kind) {
            case hkLeft:
                tip = {2 * w / 3, h / 2}, arm1 = {4 * w / 5, h / 3}, arm2 = {4 * w / 5, 2 * h / 3};
                break;
            case hkRight:
                tip = {w / 3, h / 2}, arm1 = {w / 5, h / 3}, arm2 = {w / 5, 2 * h / 3};
                break;
            case hkTop:
                tip = {w / 2, 2 * h / 3}, arm1 = {w / 3, 4 * h / 5}, arm2 = {2 * w / 3, 4 * h / 5};
                break;
            case hkBottom:
                tip = {w / 2, h / 3}, arm1 = {w / 3, h / 5}, arm2 = {2 * w / 3, h / 5};
                break;
        }
        auto at = [&box](TGPPointF p) { return TGPPointF{box.X + p.X, box.Y + p.Y}; };
        TGPPen arrow(MakeAlphaColor(a.GetOpacity(), a.GetArrowColor()), 2);
        g.DrawLine(arrow, at(arm1), at(tip));
        g.DrawLine(arrow, at(tip), at(arm2));
    }
}

// --- mouse -----------------------------------------------------------------------------------------------------------

void TCustomItemsContainer::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TScrollContainer::MouseDown(button, shift, x, y);
    if (IsDesigning()) return;
    if (FTabStop) {
        if (CanFocus() && !Focused()) SetFocus();
        FList->DoEnter();
        DoChange();
    }
    FRepeatTicks = 0;
    bool onHandle = false;
    for (int k = hkLeft; k <= hkBottom; ++k) {
        auto kind = static_cast<THandleKind>(k);
        if (HandleShown(kind) && PtInGPRect(HandleRect(kind), {x, y})) {
            FHandlePressed[k] = true;
            onHandle = true;
        }
    }
    if (onHandle) {
        StartTimer(kHandleTimer, 10);
        Invalidate();
        return;
    }
    FDragItem = FList->ItemAtXY(x, y);
    FPressedOnItem = FDragItem != nullptr;
    FPressPoint = {x, y};
    if (FReadOnly) return;
    FMouseDown = true;
    FList->DoMouseDown(this, button, shift, x, y);
}

void TCustomItemsContainer::MouseMove(TShiftState shift, int x, int y) {
    TScrollContainer::MouseMove(shift, x, y);
    bool onHandle = false;
    for (int k = hkLeft; k <= hkBottom; ++k) {
        auto kind = static_cast<THandleKind>(k);
        bool hovered = HandleShown(kind) && PtInGPRect(HandleRect(kind), {x, y});
        if (hovered != FHandleHovered[k]) {
            FHandleHovered[k] = hovered;
            Invalidate();
        }
        onHandle = onHandle || hovered;
    }
    if (onHandle) return;
    if (FPressedOnItem && !FDragging &&
        (std::abs(x - FPressPoint.X) > kDragThreshold || std::abs(y - FPressPoint.Y) > kDragThreshold)) {
        StartDragging();
        return;
    }
    if (!FReadOnly && !FMouseDown) FList->DoMouseMove(this, shift, x, y);
}

void TCustomItemsContainer::StartDragging() {
    FDragging = true;
    FMouseDown = false;
    FPressedOnItem = false;
    TDragOperation::Begin(this, [this](TControl*, bool) {
        // The release ended the drag: no click, and the pressed item looks normal again.
        FDragging = false;
        FMouseDown = false;
        FDropMarker = false;
        FDropItem = nullptr;
        FDragItem = nullptr;
        if (FDragTimerOn) {
            StopTimer(kDragScrollTimer);
            FDragTimerOn = false;
        }
        FList->ClearItemState();
        Invalidate();
    });
}

void TCustomItemsContainer::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TScrollContainer::MouseUp(button, shift, x, y);
    FRepeatTicks = 0;
    FPressedOnItem = false;
    bool handlePressed = false;
    for (int k = hkLeft; k <= hkBottom; ++k)
        if (FHandlePressed[k]) {
            handlePressed = true;
            HandleScroll(static_cast<THandleKind>(k));
        }
    if (handlePressed) {
        StopTimer(kHandleTimer);
        PositionPass();
    }
    if (FReadOnly) {
        ClearHandles(true);
        return;
    }
    if (FDragging) return;
    FMouseDown = false;
    if (handlePressed) {
        ClearHandles(true);
        return;
    }
    FList->DoMouseUp(this, button, shift, x, y);
}

void TCustomItemsContainer::ClearHandles(bool pressedOnly) {
    for (int k = hkLeft; k <= hkBottom; ++k) {
        FHandlePressed[k] = false;
        if (!pressedOnly) FHandleHovered[k] = false;
    }
    Invalidate();
}

void TCustomItemsContainer::HandleScroll(THandleKind kind) {
    if (kind == hkLeft || kind == hkRight) {
        TControlScrollBar& hb = HorzScrollBar();
        SetHorizontalPosition(FHorzPos + (kind == hkLeft ? -hb.GetIncrement() : hb.GetIncrement()));
        hb.SetPosition(FHorzPos);
    } else {
        TControlScrollBar& vb = VertScrollBar();
        SetVerticalPosition(FVertPos + (kind == hkTop ? -vb.GetIncrement() : vb.GetIncrement()));
        vb.SetPosition(FVertPos);
    }
    Invalidate();
}

void TCustomItemsContainer::WindowTimer(UINT_PTR id) {
    if (id == kHandleTimer) {
        bool any = false;
        for (bool p : FHandlePressed) any = any || p;
        if (!any) {
            StopTimer(kHandleTimer);
            return;
        }
        if (++FRepeatTicks < kRepeatDelayTicks) return;
        for (int k = hkLeft; k <= hkBottom; ++k)
            if (FHandlePressed[k]) HandleScroll(static_cast<THandleKind>(k));
        PositionPass();
        return;
    }
    if (id == kDragScrollTimer) {
        POINT sp;
        GetCursorPos(&sp);
        TPoint p = ScreenToClient({sp.x, sp.y});
        if (p.Y < 50)
            Perform(WM_VSCROLL, SB_LINEUP, 0);
        else if (p.Y > ClientHeight() - 50)
            Perform(WM_VSCROLL, SB_LINEDOWN, 0);
        else {
            StopTimer(kDragScrollTimer);
            FDragTimerOn = false;
        }
    }
}

void TCustomItemsContainer::WndProc(TMessage& m) {
    switch (m.Msg) {
        case CM_MOUSELEAVE:
            for (int k = hkLeft; k <= hkBottom; ++k) FHandleHovered[k] = false;
            FRepeatTicks = 0;
            FList->DoCMMouseLeave(m);
            Invalidate();
            break;
        case CM_HINTSHOW:
            FList->DoCMHintShow(m);
            break;
        case CM_DIALOGCHAR:
            FList->DoCMDialogChar(m);
            if (m.Result) return;
            break;
        case WM_LBUTTONDBLCLK: {
            TScrollContainer::WndProc(m);
            POINT sp;
            GetCursorPos(&sp);
            FList->DoDblClick(this, ScreenToClient({sp.x, sp.y}));
            return;
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            TScrollContainer::WndProc(m);
            DoChange();
            return;
        default:
            break;
    }
    TScrollContainer::WndProc(m);
}

// --- drag to reorder
// --------------------------------------------------------------------------------------------------

void TCustomItemsContainer::DragOver(TObject* source, int x, int y, TDragState state, bool& accept) {
    if (state == dsDragEnter) FDropMarker = true;
    if (state == dsDragLeave) FDropMarker = false;
    if (FReorder || IsDesigning()) {
        accept = accept || source == this;
        FDropItem = FList->ItemAtXY(x, y + FVerticalSpacing / 2);
        Invalidate();
    }
    bool nearEdge = y < 25 || y > ClientHeight() - 25;
    if (state != dsDragLeave && nearEdge && !FDragTimerOn) {
        StartTimer(kDragScrollTimer, 10);
        FDragTimerOn = true;
    } else if ((state == dsDragLeave || !nearEdge) && FDragTimerOn) {
        StopTimer(kDragScrollTimer);
        FDragTimerOn = false;
    }
}

void TCustomItemsContainer::DragDrop(TObject* /*source*/, int /*x*/, int /*y*/) {
    if (!(FReorder || IsDesigning())) return;
    if (FDragItem && FDropItem && FList->Items().IndexOf(FDragItem) >= 0) FDragItem->SetIndex(FDropItem->GetIndex());
    FDropItem = nullptr;
}

// --- keyboard and focus
// --------------------------------------------------------------------------------------------------

LRESULT TCustomItemsContainer::DialogCode() {
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (FTabStop && FList->GetCountFocusableItems() > 0) code |= DLGC_WANTTAB;
    return code;
}

void TCustomItemsContainer::KeyDown(uint16_t& key, TShiftState shift) {
    TScrollContainer::KeyDown(key, shift);
    if (key == 0 || FReadOnly || ItemCount() == 0) return;
    if ((key == VK_TAB || (key >= VK_LEFT && key <= VK_DOWN)) && FShortCutHintShowing) HideShortCutHints();
    if (key == VK_TAB) {
        if (!(FTabStop && FList->GetCountFocusableItems() > 0)) return;
        int old = FList->FocusedItemIndex;
        TMessage m{WM_KEYDOWN, VK_TAB, 0, 0};
        FList->DoWMKeyDown(m);
        if (FList->FocusedItemIndex != old) ScrollToItem(FList->FocusedItemIndex);
        key = 0;
        return;
    }
    if (FShortCutHintShowing) {
        wchar_t ch = key >= VK_NUMPAD0 && key <= VK_NUMPAD9 ? wchar_t(L'0' + key - VK_NUMPAD0) : wchar_t(key);
        if (ch < L' ' || key == VK_MENU || key == VK_SHIFT || key == VK_CONTROL) return;
        FTypedHint += ch;
        for (int i = std::max(0, FList->FirstVisibleIdx()); i <= std::min(FList->LastVisibleIdx(), ItemCount() - 1);
             ++i) {
            TCustomItem* it = Items(i);
            if (!it->GetVisible() || it->GetShortCutHint().empty() ||
                CompareText(it->GetShortCutHint(), FTypedHint) != 0)
                continue;
            HideShortCutHints();
            SelectItem(i);
            it->OnItemClick(this, it);
            return;
        }
        return;
    }
    if (FRows != 0 || FColumns != 0)
        FList->DoKeyDownGrid(this, key, shift);
    else
        FList->DoKeyDownBox(this, key, shift);
    if (TCustomItem* selected = FList->SelectedItem()) ScrollToItem(selected->GetIndex());
    FList->DoKeyDown(this, key, shift);
}

void TCustomItemsContainer::KeyUp(uint16_t& key, TShiftState shift) {
    if (!FReadOnly && ItemCount() > 0 && key == VK_MENU) {
        key = 0;
        if (FShortCutHintShowing)
            HideShortCutHints();
        else
            ShowShortCutHints();
    }
    TScrollContainer::KeyUp(key, shift);
    if (!FReadOnly && ItemCount() > 0 && key != 0) FList->DoKeyUp(this, key, shift);
}

void TCustomItemsContainer::ShowShortCutHints() {
    FList->ShowShortCutHints();
    FShortCutHintShowing = ItemCount() > 0;
    FTypedHint.clear();
}

void TCustomItemsContainer::HideShortCutHints() {
    FList->HideShortCutHints();
    FShortCutHintShowing = false;
}

void TCustomItemsContainer::DoEnter() {
    TScrollContainer::DoEnter();
    FList->DoEnter();
    DoChange();
}

void TCustomItemsContainer::DoExit() {
    TScrollContainer::DoExit();
    FList->DoExit();
    HideShortCutHints();
    DoChange();
}

// --- component life, layouts and interfaces
// ------------------------------------------------------------------------------

void TCustomItemsContainer::SetBounds(int left, int top, int width, int height) {
    bool resized = width != FWidth || height != FHeight;
    TScrollContainer::SetBounds(left, top, width, height);
    if (resized) DoChange();
}

void TCustomItemsContainer::Notification(TComponent* component, TOperation operation) {
    TScrollContainer::Notification(component, operation);
    if (IsDestroying()) return;
    FList->OnNotifyItemChange(this);
    if (operation != TOperation::opRemove) return;
    if (component == FDragItem) FDragItem = nullptr;
    if (component == FDropItem) FDropItem = nullptr;
    if (auto* item = dynamic_cast<TCustomItem*>(component); item && FList->Items().Extract(item)) {
        FList->OnNotifyItemDestroy(this);
        DoChange();
    }
    if (component == FWatchedPictures) FWatchedPictures = nullptr;
    if (component == FWatchedImages) FWatchedImages = nullptr;
    if (component == GetPictureContainer()) FList->Appearance().SetPictureContainer(nullptr);
    if (component == GetImageList()) FList->Appearance().SetImageList(nullptr);
}

void TCustomItemsContainer::GetChildren(std::vector<TComponent*>& children) const {
    // Child controls first, then the items.
    TScrollContainer::GetChildren(children);
    const auto& items = FList->Items().Entries();
    children.insert(children.end(), items.begin(), items.end());
}

void TCustomItemsContainer::Loaded() {
    TScrollContainer::Loaded();
    int& focused = FList->FocusedItemIndex;
    if (FList->GetCountFocusableItems() == 0) {
        focused = -1;
    } else if (!(focused >= 0 && focused < ItemCount() && Items(focused)->GetTabStop() &&
                 FList->IsItemFocusable(Items(focused)))) {
        FList->FocusNextItem(false);
    }
    DoChange();
}

void TCustomItemsContainer::ReadItem(TLayoutReader* reader, TCustomItem* item) {
    if (!reader || reader->Parent() != this || FList->Items().IndexOf(item) >= 0) return;
    item->SetItemOwner(this);
    FList->AddItem(item);
}

void TCustomItemsContainer::AttachItem(TComponent* parent, TCustomItem* item) {
    if (parent != this || FList->Items().IndexOf(item) >= 0) return;
    item->SetItemOwner(this);
    FList->AddItem(item);
}

void TCustomItemsContainer::Expand(TCustomItem* item, bool expand) {
    int index = FList->Items().IndexOf(item);
    if (index < 0) return;
    BeginUpdate();
    for (int i = index + 1; i < ItemCount() && !Items(i)->IsSection(); ++i) {
        Items(i)->SetVisible(expand);
        OnInternalExpand(this, Items(i), expand);
    }
    EndUpdate();
}

void TCustomItemsContainer::Anchor(const std::wstring& anchor) {
    if (!anchor.empty()) {
        if (GetCursor() != crHandPoint) FSavedCursor = GetCursor();
        SetCursor(crHandPoint);
    } else {
        SetCursor(FSavedCursor);
    }
}

void TCustomItemsContainer::FillPictureNames(const std::function<void(const std::wstring&)>& proc) {
    TGDIPPictureContainer* pc = GetPictureContainer();
    if (!pc) return;
    for (int i = 0; i < pc->GetItems().Count(); ++i) proc(pc->GetItems().Items(i)->GetName());
}

void TCustomItemsContainer::GetPictures(TPictureContainerList& list) {
    TGDIPPictureContainer* pc = GetPictureContainer();
    if (!pc) return;
    for (int i = 0; i < pc->GetItems().Count(); ++i) {
        TPictureItem* p = pc->GetItems().Items(i);
        list.Add(p->GetName(), &p->GetPicture());
    }
}

void TCustomItemsContainer::ConnectContainer(TCustomItemsContainer* other, TContainerConnection connection,
                                             TContainerMode mode) {
    if (!other) return;
    SetBorderMode(bmTransition);
    other->SetBorderMode(bmTransition);
    static constexpr TListBorderType kMine[] = {btNormalLeft, btNormalTop, btNormalRight, btNormalBottom};
    static constexpr TListBorderType kTheirs[] = {btNormalRight, btNormalBottom, btNormalLeft, btNormalTop};
    SetBorderTypes(FBorderTypes & ~BorderBit(kMine[connection]));
    other->SetBorderTypes(other->GetBorderTypes() & ~BorderBit(kTheirs[connection]));
    switch (connection) {
        case ccLeft:
            other->SetBounds(Left() - other->Width(), Top(), other->Width(), other->Height());
            break;
        case ccTop:
            other->SetBounds(Left(), Top() - other->Height(), other->Width(), other->Height());
            break;
        case ccRight:
            other->SetBounds(Left() + Width(), Top(), other->Width(), other->Height());
            break;
        case ccBottom:
            other->SetBounds(Left(), Top() + Height(), other->Width(), other->Height());
            break;
    }
    if (mode == cmNormalBorder) SetBorderTypes(FBorderTypes | BorderBit(kMine[connection]));
    if (mode == cmGradientBorder)
        SetBorderTypes(FBorderTypes | BorderBit(static_cast<TListBorderType>(kMine[connection] + 4)));
}

}  // namespace orv
