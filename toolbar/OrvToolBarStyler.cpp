#include "toolbar/OrvToolBarStyler.h"

#include <windows.h>

#include <algorithm>

#include "framework/SysUtils.h"
#include "menus/OrvMenus.h"
#include "paint/FaceCache.h"

namespace orv {

// --- TNotifierWindow ------------------------------------------------------------

TNotifierWindow::TNotifierWindow(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 0, 0);
}

TNotifierWindow* TNotifierWindow::AttachTo(TComponent* styler, TNotifyEvent onThemeChange) {
    for (TComponent* o = styler->Owner(); o; o = o->Owner()) {
        auto* window = dynamic_cast<TWinControl*>(o);
        if (!window) continue;
        auto* notifier = new TNotifierWindow(styler);
        notifier->OnThemeChange = std::move(onThemeChange);
        notifier->SetParent(window);
        styler->FreeNotification(notifier);
        return notifier;
    }
    return nullptr;
}

void TNotifierWindow::WndProc(TMessage& message) {
    if (message.Msg == WM_THEMECHANGED) OnThemeChange(this);
    TWinControl::WndProc(message);
}

// --- TCustomOrvToolBarStyler ----------------------------------------------------

TCustomOrvToolBarStyler::TCustomOrvToolBarStyler(TComponent* owner) : TComponent(owner) {
    HookRecord(FColor, scStyle);
    HookRecord(FDockColor, scStyle);
    HookRecord(FCaptionAppearance, scStyle);
    HookRecord(FContainerAppearance, scContainer);
    HookRecord(FTabAppearance, scPagerAppearance);
    HookRecord(FPageAppearance, scPagerAppearance);
    HookRecord(FGroupAppearance, scPagerAppearance);
    HookRecord(FPagerCaption, scPagerCaption);
    HookRecord(FQATAppearance, scQAT);
    FGlowButtonAppearance.OnChange = TNotifyEvent::Bind(this, &TCustomOrvToolBarStyler::GlowChanged);
    FCompactGlowButtonAppearance.OnChange = TNotifyEvent::Bind(this, &TCustomOrvToolBarStyler::GlowChanged);

    auto* internal = new menus::TOrvMenuStyler(this);
    internal->SetName(L"InternalMenuStyler");
    internal->SetSubComponent(true);
    FInternalOrvMenuStyler = internal;

    InitRecordFont(FFont, TSystemFont::Face);
    InitRecordFont(FCaptionFont, TSystemFont::Face);
    FFont.OnChange = TNotifyEvent::Bind(this, &TCustomOrvToolBarStyler::FontChanged);
    FCaptionFont.OnChange = TNotifyEvent::Bind(this, &TCustomOrvToolBarStyler::CaptionFontChanged);
}

void TCustomOrvToolBarStyler::HookRecord(TToolBarRecord& record, int code) {
    record.OnChange = [this, code](TObject*) { BroadcastChange(code); };
}

void TCustomOrvToolBarStyler::BeforeDestruction() {
    // Detach the controls that outlive this styler before anything is freed. A control
    // that lets go removes itself from the list, so the walk runs over a copy and asks
    // the live list whether an entry is still linked.
    std::vector<TComponent*> linked = FControlList;
    for (TComponent* c : linked) {
        if (std::find(FControlList.begin(), FControlList.end(), c) == FControlList.end()) continue;
        if (c->IsDestroying()) continue;
        if (auto* client = dynamic_cast<IToolBarStylerClient*>(c)) client->ToolBarStylerDestroying(this);
    }
    TComponent::BeforeDestruction();
}

void TCustomOrvToolBarStyler::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == FInternalOrvMenuStyler) FInternalOrvMenuStyler = nullptr;
    if (IsDestroying()) return;
    if (component == FOrvMenuStyler) {
        FOrvMenuStyler = nullptr;
        BroadcastChange(scMenuStyler);
    } else {
        RemoveControl(component);
    }
}

void TCustomOrvToolBarStyler::AddControl(TComponent* control) {
    if (!control) return;
    if (std::find(FControlList.begin(), FControlList.end(), control) != FControlList.end()) return;
    FControlList.push_back(control);
    FreeNotification(control);
}

void TCustomOrvToolBarStyler::RemoveControl(TComponent* control) {
    auto it = std::find(FControlList.begin(), FControlList.end(), control);
    if (it != FControlList.end()) FControlList.erase(it);
}

TComponent* TCustomOrvToolBarStyler::Controls(int index) const {
    if (index < 0 || index >= ControlCount()) throw EInvalidOperation(L"Index out of bounds in list read access");
    return FControlList[static_cast<size_t>(index)];
}

void TCustomOrvToolBarStyler::EndUpdate() {
    if (FUpdateCount == 0) return;
    if (--FUpdateCount > 0) return;
    std::vector<int> codes;
    codes.swap(FPendingCodes);
    for (int code : codes) BroadcastChange(code);
}

void TCustomOrvToolBarStyler::BroadcastChange(int code) {
    // Faces painted from the old values are stale from now on, even while the
    // broadcast itself waits for EndUpdate.
    AnnounceFaceChange();
    if (FUpdateCount > 0) {
        if (std::find(FPendingCodes.begin(), FPendingCodes.end(), code) == FPendingCodes.end())
            FPendingCodes.push_back(code);
        return;
    }
    // A receiver may unlink itself (or another control) while it handles the change:
    // walk a copy and skip entries that left the list meanwhile.
    std::vector<TComponent*> linked = FControlList;
    for (TComponent* c : linked) {
        if (std::find(FControlList.begin(), FControlList.end(), c) == FControlList.end()) continue;
        if (auto* client = dynamic_cast<IToolBarStylerClient*>(c)) client->ApplyStylerChange(code);
    }
}

void TCustomOrvToolBarStyler::BroadcastStyle(TZemStyle style) {
    FNewZemStyle = style;
    std::vector<IToolBarStylerPager*> pagers;
    for (TComponent* c : FControlList)
        if (auto* pager = dynamic_cast<IToolBarStylerPager*>(c)) pagers.push_back(pager);
    if (style != tsCustom) {
        bool look = IsOffice2010Style(style);
        bool lookChanged = Office2010Look != look;
        Office2010Look = look;
        for (IToolBarStylerPager* pager : pagers) {
            if (lookChanged) pager->Office2010LookChanged();
            pager->SetWin7ScenicRibbon(style == tsWindows7 || look);
        }
    }
    for (IToolBarStylerPager* pager : pagers) pager->StyleBroadcastDone();
}

void TCustomOrvToolBarStyler::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TCustomOrvToolBarStyler*>(source);
    if (!s) {
        TComponent::Assign(source);
        return;
    }
    if (menus::TCustomOrvMenuStyler* current = CurrentOrvMenuStyler(); current && s->FOrvMenuStyler) {
        // Menu stylers have no Assign of their own: copy their records.
        menus::TCustomOrvMenuStyler* from = s->FOrvMenuStyler;
        current->SetBackground(from->Background());
        current->SetIconBar(from->IconBar());
        current->SetSelectedItem(from->SelectedItem());
        current->SetRootItem(from->RootItem());
        current->SetGlyphs(from->Glyphs());
        current->SetSideBar(from->SideBar());
        current->SetSeparator(from->Separator());
        current->SetButtonAppearance(from->ButtonAppearance());
        current->SetFont(from->Font());
        current->SetNotesFont(from->NotesFont());
        current->SetUseSystemFont(from->GetUseSystemFont());
        current->SetMenuBorderColor(from->GetMenuBorderColor());
        current->SetAntiAlias(from->GetAntiAlias());
    }
    FColor.Assign(&s->FColor);
    FDockColor.Assign(&s->FDockColor);
    SetBackGround(s->FBackGround);
    SetBackGroundTransparent(s->FBackGroundTransparent);
    SetBackGroundDisplay(s->FBackGroundDisplay);
    SetFont(s->FFont);
    SetDragGripStyle(s->FDragGripStyle);
    FDragGripImage.Assign(&s->FDragGripImage);
    SetRightHandleImage(s->FRightHandleImage);
    SetFloatingWindowBorderColor(s->FFloatingWindowBorderColor);
    SetFloatingWindowBorderWidth(s->FFloatingWindowBorderWidth);
    FCaptionAppearance.Assign(&s->FCaptionAppearance);
    FFormBorderColor = s->FFormBorderColor;
    FButtonAppearance.Assign(&s->FButtonAppearance);
}

menus::TCustomOrvMenuStyler* TCustomOrvToolBarStyler::CurrentOrvMenuStyler() const {
    return FOrvMenuStyler ? FOrvMenuStyler : FInternalOrvMenuStyler;
}

void TCustomOrvToolBarStyler::SetOrvMenuStyler(menus::TCustomOrvMenuStyler* value) {
    if (FOrvMenuStyler == value) return;
    if (FOrvMenuStyler) RemoveFreeNotification(FOrvMenuStyler);
    FOrvMenuStyler = value;
    if (value) FreeNotification(value);
    BroadcastChange(scMenuStyler);
}

void TCustomOrvToolBarStyler::SetFont(const TFont& value) {
    FFont.Assign(&value);
}
void TCustomOrvToolBarStyler::SetCaptionFont(const TFont& value) {
    FCaptionFont.Assign(&value);
}

void TCustomOrvToolBarStyler::SetBackGround(const TBitmap& value) {
    FBackGround.Assign(&value);
    BroadcastChange(scBackGround);
}

void TCustomOrvToolBarStyler::SetRightHandleImage(const TBitmap& value) {
    FRightHandleImage.Assign(&value);
    BroadcastChange(scStyle);
}

#define ORV_STYLER_SETTER(Type, Name, Code)               \
    void TCustomOrvToolBarStyler::Set##Name(Type value) { \
        StoreAndBroadcast(F##Name, value, Code);          \
    }
ORV_STYLER_SETTER(bool, BackGroundTransparent, scBackGround)
ORV_STYLER_SETTER(TBackGroundDisplay, BackGroundDisplay, scBackGround)
ORV_STYLER_SETTER(TDragGripStyle, DragGripStyle, scDragGrip)
ORV_STYLER_SETTER(bool, RoundEdges, scStyle)
ORV_STYLER_SETTER(TColor, RightHandleColor, scStyle)
ORV_STYLER_SETTER(TColor, RightHandleColorHot, scStyle)
ORV_STYLER_SETTER(TColor, RightHandleColorTo, scStyle)
ORV_STYLER_SETTER(TColor, RightHandleColorHotTo, scStyle)
ORV_STYLER_SETTER(TColor, RightHandleColorDown, scStyle)
ORV_STYLER_SETTER(TColor, RightHandleColorDownTo, scStyle)
ORV_STYLER_SETTER(int, FloatingWindowBorderWidth, scStyle)
ORV_STYLER_SETTER(TColor, FloatingWindowBorderColor, scStyle)
ORV_STYLER_SETTER(TBevelCut, Bevel, scStyle)
ORV_STYLER_SETTER(bool, UseBevel, scStyle)
ORV_STYLER_SETTER(TColor, BorderColor, scStyle)
ORV_STYLER_SETTER(TColor, BorderColorHot, scStyle)
ORV_STYLER_SETTER(TColor, SysButtonColor, scPagerCaption)
#undef ORV_STYLER_SETTER

void TCustomOrvToolBarStyler::SetSystemFont(bool value) {
    if (FSystemFont == value) return;
    FSystemFont = value;
    if (!value) return;
    // Following the system is no change the linked controls are told of: the fonts'
    // own change events (codes 1 and 2) stay quiet while the rule is applied.
    for (TFont* font : {&FFont, &FCaptionFont}) {
        TNotifyEvent hook = std::move(font->OnChange);
        font->OnChange = nullptr;
        InitRecordFont(*font, TSystemFont::Face);
        font->OnChange = std::move(hook);
    }
}

}  // namespace orv
