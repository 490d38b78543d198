#include "toolbar/OrvToolBarCustomizer.h"

#include <algorithm>
#include <cwctype>

#include "buttons/OrvGlowButton.h"
#include "framework/ActnList.h"
#include "framework/ImageList.h"
#include "framework/IniFiles.h"
#include "framework/Screen.h"
#include "framework/SysUtils.h"
#include "toolbar/CustomizerForm.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarButton.h"
#include "toolbar/OrvToolBarSeparator.h"
#include "toolbar/ToolBarPersistence.h"

namespace orv {

// --- TOTBCommand ------------------------------------------------------------------------------

void TOTBCommand::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TOTBCommand*>(source);
    if (!s) return TCollectionItem::Assign(source);
    FCaption = s->FCaption;
    OnExecute = s->OnExecute;
}

void TOTBCommand::SetCaption(const std::wstring& value) {
    std::wstring caption = value;
    std::replace(caption.begin(), caption.end(), L' ', L'_');
    FCaption = caption;
}

void TOTBCommand::SetAction(TBasicAction* value) {
    if (FAction == value) return;
    FAction = value;
    // The customizer hears of the action's removal and clears the link.
    if (auto* commands = dynamic_cast<TOTBCommands*>(Collection()))
        if (auto* customizer = dynamic_cast<TComponent*>(commands->Owner()))
            if (value) value->FreeNotification(customizer);
    if (auto* action = dynamic_cast<TCustomAction*>(value))
        if (!action->GetCaption().empty()) SetCaption(action->GetCaption());
}

// --- TOrvToolBarCustomizer ---------------------------------------------------------------------

TOrvToolBarCustomizer::TOrvToolBarCustomizer(TComponent* owner) : TComponent(owner), FCommands(this) {}

TOrvToolBarCustomizer::~TOrvToolBarCustomizer() {
    if (FOrvToolBar && FOrvToolBar->GetCustomizer() == this) FOrvToolBar->SetCustomizer(nullptr);
    for (TControl* c : FDeleteItems) c->RemoveFreeNotification(this);
    for (const TCreatedItem& c : FCreatedItems) c.Control->RemoveFreeNotification(this);
}

void TOrvToolBarCustomizer::Loaded() {
    TComponent::Loaded();
    // A file name read with the layout is applied once every link is in place.
    if (FFileNameLoaded) {
        FFileNameLoaded = false;
        // A file that refuses the initial state (read-only) must not keep the program
        // from starting; the customization is then not applied either.
        SkipOnStoreError([this] {
            SaveInitialState();
            LoadCustomization();
        });
    }
}

void TOrvToolBarCustomizer::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == FOrvToolBar) FOrvToolBar = nullptr;
    if (component == FLargeImages) FLargeImages = nullptr;
    if (component == FSmallImages) FSmallImages = nullptr;
    for (int i = 0; i < FCommands.Count(); ++i)
        if (FCommands.Items(i) && static_cast<TOTBCommand*>(FCommands.Items(i))->GetAction() == component)
            static_cast<TOTBCommand*>(FCommands.Items(i))->SetAction(nullptr);
    if (auto* control = dynamic_cast<TControl*>(component)) {
        FDeleteItems.Remove(control);
        FCreatedItems.erase(std::remove_if(FCreatedItems.begin(), FCreatedItems.end(),
                                           [control](const TCreatedItem& c) { return c.Control == control; }),
                            FCreatedItems.end());
    }
}

void TOrvToolBarCustomizer::SetOrvToolBar(TOrvCustomToolBar* value) {
    if (FOrvToolBar == value) return;
    if (FOrvToolBar) {
        if (FOrvToolBar->GetCustomizer() == this) FOrvToolBar->SetCustomizer(nullptr);
        FOrvToolBar->RemoveFreeNotification(this);
    }
    FOrvToolBar = value;
    if (FOrvToolBar) {
        FOrvToolBar->FreeNotification(this);
        FOrvToolBar->SetCustomizer(this);
    }
}

void TOrvToolBarCustomizer::SetLargeImages(TImageList* value) {
    if (FLargeImages == value) return;
    bool wasUsed = ToolBarUsesLargeImages();
    if (FLargeImages) FLargeImages->RemoveFreeNotification(this);
    FLargeImages = value;
    if (FLargeImages) FLargeImages->FreeNotification(this);
    // A toolbar showing the large images follows the new list (or the small one).
    if (wasUsed) ApplyImages(FLargeImages != nullptr);
}

void TOrvToolBarCustomizer::SetSmallImages(TImageList* value) {
    if (FSmallImages == value) return;
    bool wasUsed = FOrvToolBar && FSmallImages && FOrvToolBar->GetImages() == FSmallImages;
    if (FSmallImages) FSmallImages->RemoveFreeNotification(this);
    FSmallImages = value;
    if (FSmallImages) FSmallImages->FreeNotification(this);
    if (wasUsed && FSmallImages) ApplyImages(false);
}

void TOrvToolBarCustomizer::SetFileName(const std::wstring& value) {
    if (FFileName == value) return;
    FFileName = value;
    if (IsLoading()) {
        FFileNameLoaded = true;
        return;
    }
    SaveInitialState();
    LoadCustomization();
}

bool TOrvToolBarCustomizer::IsCustomizerCreated(const TControl* control) const {
    return std::any_of(FCreatedItems.begin(), FCreatedItems.end(),
                       [control](const TCreatedItem& c) { return c.Control == control; });
}

int TOrvToolBarCustomizer::CommandIDOf(const TControl* control) const {
    for (const TCreatedItem& c : FCreatedItems)
        if (c.Control == control) return c.CommandID;
    return -1;
}

bool TOrvToolBarCustomizer::FileOperationsAllowed() const {
    return FEnablePersistence && !FFileName.empty() && FOrvToolBar && !IsDesigning();
}

bool TOrvToolBarCustomizer::ToolBarUsesLargeImages() const {
    return FOrvToolBar && FLargeImages && FOrvToolBar->GetImages() == FLargeImages;
}

std::wstring TOrvToolBarCustomizer::StoredClassName(const TControl* control) {
    if (dynamic_cast<const TOrvCustomToolBarButton*>(control)) return kToolBarButtonClass;
    if (dynamic_cast<const TOrvToolBarSeparator*>(control)) return kSeparatorClass;
    if (dynamic_cast<const TOrvCustomGlowButton*>(control)) return kGlowButtonClass;
    return L"-1";
}

bool TOrvToolBarCustomizer::IsValidComponentName(const std::wstring& name) {
    if (name.empty()) return false;
    auto letter = [](wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == L'_'; };
    if (!letter(name[0])) return false;
    return std::all_of(name.begin(), name.end(), [&](wchar_t c) { return letter(c) || (c >= L'0' && c <= L'9'); });
}

bool TOrvToolBarCustomizer::NameUsedOnToolBar(const std::wstring& name) const {
    if (!FOrvToolBar) return false;
    if (FOrvToolBar->FindComponent(name)) return true;
    for (int i = 0; i < FOrvToolBar->ControlCount(); ++i)
        if (SameText(FOrvToolBar->Controls(i)->GetName(), name)) return true;
    return false;
}

std::wstring TOrvToolBarCustomizer::FreeName(const std::wstring& base, const std::vector<std::wstring>& alsoUsed) const {
    for (int n = 1;; ++n) {
        std::wstring name = base + std::to_wstring(n);
        bool used = NameUsedOnToolBar(name) || std::any_of(alsoUsed.begin(), alsoUsed.end(), [&](const std::wstring& u) {
                        return SameText(u, name);
                    });
        if (!used) return name;
    }
}

TControl* TOrvToolBarCustomizer::FindToolBarControl(const std::wstring& name) const {
    if (name.empty()) return nullptr;
    for (int i = 0; i < FOrvToolBar->GetToolBarControlCount(); ++i) {
        TControl* c = FOrvToolBar->ToolBarControls(i);
        if (SameText(c->GetName(), name)) return c;
    }
    return nullptr;
}

void TOrvToolBarCustomizer::KeepDeleted(TControl* control) {
    control->SetParent(nullptr);
    if (!FDeleteItems.Contains(control)) {
        FDeleteItems.Add(control);
        control->FreeNotification(this);
    }
}

void TOrvToolBarCustomizer::Unwatch(TControl* control) {
    if (!IsCustomizerCreated(control)) control->RemoveFreeNotification(this);
}

TControl* TOrvToolBarCustomizer::CreateControl(const std::wstring& className, const std::wstring& storedName) {
    std::wstring base;
    if (SameText(className, kToolBarButtonClass))
        base = kToolBarButtonClass;
    else if (SameText(className, kSeparatorClass))
        base = L"OrvToolBarSeparator";
    else if (SameText(className, kGlowButtonClass))
        base = kGlowButtonClass;
    else
        return nullptr;
    // A stored name that cannot be a component's name, or one already taken, is replaced.
    std::wstring name = IsValidComponentName(storedName) && !NameUsedOnToolBar(storedName) ? storedName
                                                                                            : FreeName(base, {});
    TControl* control = nullptr;
    if (base == kToolBarButtonClass) {
        control = new TOrvToolBarButton(FOrvToolBar);
    } else if (base == kGlowButtonClass) {
        auto* glow = new TOrvGlowButton(FOrvToolBar);
        glow->SetImages(FOrvToolBar->GetImages());
        glow->SetBounds(0, 0, 23, 22);
        glow->SetAutoSize(true);
        control = glow;
    } else {
        control = new TOrvToolBarSeparator(FOrvToolBar);
    }
    control->SetName(name);
    FCreatedItems.push_back({control, -1});
    control->FreeNotification(this);
    control->SetParent(FOrvToolBar);
    return control;
}

void TOrvToolBarCustomizer::BindCommand(TControl* control, int commandID) {
    if (commandID < 0 || commandID >= FCommands.Count()) return;
    auto* command = static_cast<TOTBCommand*>(FCommands.Items(commandID));
    if (command->GetAction()) control->SetAction(command->GetAction());
    if (command->OnExecute) control->OnClick = command->OnExecute;
    for (TCreatedItem& c : FCreatedItems)
        if (c.Control == control) c.CommandID = commandID;
    if (auto* button = dynamic_cast<TOrvCustomToolBarButton*>(control)) button->SetCommandID(commandID);
}

void TOrvToolBarCustomizer::ApplyButtonValues(TIniFile& ini, const std::wstring& section, const std::wstring& key,
                                              TControl* control, bool customization) {
    const TButtonProperties& bp = FButtonProperties;
    auto use = [&](bool property) { return !customization || property; };
    if (auto* button = dynamic_cast<TOrvCustomToolBarButton*>(control)) {
        if (use(bp.GetGlyph())) {
            button->SetImageIndex(ini.ReadInteger(section, key + L".ImageIndex", button->GetImageIndex()));
            if (customization)
                button->SetForceImageIndex(
                    ini.ReadBool(section, key + L".ForceImageIndex", button->GetForceImageIndex()));
        }
        if (use(bp.GetVisible())) button->SetVisible(ini.ReadBool(section, key + L".Visible", button->GetVisible()));
        if (use(bp.GetShowCaption()))
            button->SetShowCaption(ini.ReadInteger(section, key + L".ShowCaption", button->GetShowCaption() ? 1 : 0) ==
                                   1);
        if (use(bp.GetCaption())) button->SetCaption(ini.ReadString(section, key + L".Caption", button->GetCaption()));
        if (use(bp.GetHint())) button->SetHint(ini.ReadString(section, key + L".Hint", button->GetHint()));
    } else if (auto* glow = dynamic_cast<TOrvCustomGlowButton*>(control)) {
        if (use(bp.GetGlyph()) && IsCustomizerCreated(glow))
            glow->SetImageIndex(ini.ReadInteger(section, key + L".ImageIndex", glow->GetImageIndex()));
        if (use(bp.GetVisible())) glow->SetVisible(ini.ReadBool(section, key + L".Visible", glow->GetVisible()));
        if (use(bp.GetShowCaption()))
            glow->SetShowCaption(ini.ReadInteger(section, key + L".ShowCaption", glow->GetShowCaption() ? 1 : 0) == 1);
        if (use(bp.GetCaption())) glow->SetCaption(ini.ReadString(section, key + L".Caption", glow->GetCaption()));
        if (use(bp.GetHint())) glow->SetHint(ini.ReadString(section, key + L".Hint", glow->GetHint()));
    }
}

void TOrvToolBarCustomizer::ApplyOrder(const std::vector<TControl*>& collected, int glyphPosition, bool reset) {
    TOrvCustomToolBar* toolBar = FOrvToolBar;
    toolBar->BeginUpdate();
    for (int i = 0; i < static_cast<int>(collected.size()); ++i) {
        int at = toolBar->IndexOfToolBarControl(collected[static_cast<size_t>(i)]);
        if (at >= 0 && at != i) toolBar->MoveToolBarControl(at, i);
        if (glyphPosition < 0) continue;
        if (auto* button = dynamic_cast<TOrvCustomToolBarButton*>(collected[static_cast<size_t>(i)]))
            button->SetGlyphPosition(static_cast<TGlyphPosition>(glyphPosition));
        else if (auto* glow = dynamic_cast<TOrvCustomGlowButton*>(collected[static_cast<size_t>(i)]); glow && !reset)
            glow->SetLayout(static_cast<TButtonLayout>(blGlyphLeft + glyphPosition));
    }
    // What follows the stored controls leaves the toolbar. On a reset, controls this
    // customizer made go for good; any other is kept for a later reset.
    while (toolBar->GetToolBarControlCount() > static_cast<int>(collected.size())) {
        TControl* c = toolBar->ToolBarControls(static_cast<int>(collected.size()));
        if (reset && IsCustomizerCreated(c)) {
            c->SetParent(nullptr);
            c->Free();
        } else {
            KeepDeleted(c);
        }
    }
    toolBar->EndUpdate();
}

void TOrvToolBarCustomizer::ApplyImages(bool large) {
    if (!FOrvToolBar) return;
    if (large && FLargeImages)
        FOrvToolBar->SetImages(FLargeImages);
    else if (FSmallImages)
        FOrvToolBar->SetImages(FSmallImages);
}

void TOrvToolBarCustomizer::SaveInitialState() {
    if (!FileOperationsAllowed()) return;
    TIniFile ini(FFileName);
    const std::wstring section = OrgSectionName();
    ini.EraseSection(section);
    ini.WriteString(section, L"OTBCaption", FOrvToolBar->GetCaption());
    int glyphPosition = 0;
    for (int i = 0; i < FOrvToolBar->GetToolBarControlCount(); ++i)
        if (auto* b = dynamic_cast<TOrvCustomToolBarButton*>(FOrvToolBar->ToolBarControls(i))) {
            glyphPosition = b->GetGlyphPosition();
            break;
        }
    ini.WriteInteger(section, L"GlyphPosition", glyphPosition);
    ini.WriteBool(section, L"LargeIcon", ToolBarUsesLargeImages());
    int count = FOrvToolBar->GetToolBarControlCount();
    ini.WriteInteger(section, L"ToolBarItemCount", count);
    for (int k = 0; k < count; ++k) {
        TControl* c = FOrvToolBar->ToolBarControls(k);
        std::wstring key = L"Name" + std::to_wstring(k);
        ini.WriteString(section, key, c->GetName());
        std::wstring className = StoredClassName(c);
        ini.WriteString(section, key + L".ClassName", className);
        if (auto* b = dynamic_cast<TOrvCustomToolBarButton*>(c)) {
            ini.WriteInteger(section, key + L".ImageIndex", b->GetImageIndex());
            ini.WriteBool(section, key + L".Visible", b->GetVisible());
            ini.WriteBool(section, key + L".ShowCaption", b->GetShowCaption());
            ini.WriteString(section, key + L".Caption", b->GetCaption());
            ini.WriteString(section, key + L".Hint", b->GetHint());
        } else if (auto* g = dynamic_cast<TOrvCustomGlowButton*>(c)) {
            ini.WriteInteger(section, key + L".ImageIndex", g->GetImageIndex());
            ini.WriteBool(section, key + L".Visible", g->GetVisible());
            ini.WriteBool(section, key + L".ShowCaption", g->GetShowCaption());
            ini.WriteString(section, key + L".Caption", g->GetCaption());
            ini.WriteString(section, key + L".Hint", g->GetHint());
        }
    }
}

void TOrvToolBarCustomizer::LoadCustomization() {
    if (!FileOperationsAllowed()) return;
    TIniFile ini(FFileName);
    const std::wstring section = SectionName();
    if (FDialogSettings.GetEditCaption())
        FOrvToolBar->SetCaption(ini.ReadString(section, L"OTBCaption", FOrvToolBar->GetCaption()));
    int glyphPosition = -1;
    if (FDialogSettings.GetEditGlyphPosition()) {
        glyphPosition = ini.ReadInteger(section, L"GlyphPosition", 0);
        // Outside the four positions: left as they are.
        if (glyphPosition < 0 || glyphPosition > 3) glyphPosition = -1;
    }
    bool large = false;
    if (FDialogSettings.GetLargeIcon() && FLargeImages) large = ini.ReadBool(section, L"LargeIcon", false);

    int count = std::clamp(ini.ReadInteger(section, L"ToolBarItemCount", -1), -1, kMaxItemCount);
    if (count == 0) {
        while (FOrvToolBar->GetToolBarControlCount() > 0) KeepDeleted(FOrvToolBar->ToolBarControls(0));
    } else if (count > 0) {
        std::vector<TControl*> collected;
        for (int k = 0; k < count; ++k) {
            std::wstring key = L"Name" + std::to_wstring(k);
            std::wstring className = ini.ReadString(section, key + L".ClassName", L"");
            if (className.empty()) continue;
            std::wstring name = ini.ReadString(section, key, L"");
            TControl* control = FindToolBarControl(name);
            // A name stored twice keeps its first place.
            if (control && std::find(collected.begin(), collected.end(), control) != collected.end()) continue;
            if (!control) {
                control = CreateControl(className, name);
                if (!control) continue;
                if (!dynamic_cast<TOrvToolBarSeparator*>(control))
                    BindCommand(control, ini.ReadInteger(section, key + L".CommandID", -1));
            }
            ApplyButtonValues(ini, section, key, control, true);
            collected.push_back(control);
        }
        ApplyOrder(collected, glyphPosition, false);
    }
    ApplyImages(large);
}

void TOrvToolBarCustomizer::RestoreInitialState() {
    if (!FileOperationsAllowed()) return;
    TIniFile ini(FFileName);
    const std::wstring section = OrgSectionName();
    FOrvToolBar->SetCaption(ini.ReadString(section, L"OTBCaption", FOrvToolBar->GetCaption()));
    int glyphPosition = -1;
    if (FDialogSettings.GetEditGlyphPosition()) {
        glyphPosition = ini.ReadInteger(section, L"GlyphPosition", 0);
        if (glyphPosition < 0 || glyphPosition > 3) glyphPosition = -1;
    }
    int count = std::clamp(ini.ReadInteger(section, L"ToolBarItemCount", 0), 0, kMaxItemCount);
    if (count > 0) {
        while (!FDeleteItems.Empty()) {
            TControl* c = FDeleteItems[0];
            FDeleteItems.Delete(0);
            Unwatch(c);
            c->SetParent(FOrvToolBar);
        }
        std::vector<TControl*> collected;
        for (int k = 0; k < count; ++k) {
            std::wstring key = L"Name" + std::to_wstring(k);
            if (ini.ReadString(section, key + L".ClassName", L"").empty()) continue;
            TControl* control = FindToolBarControl(ini.ReadString(section, key, L""));
            if (!control || std::find(collected.begin(), collected.end(), control) != collected.end()) continue;
            if (dynamic_cast<TOrvCustomToolBarButton*>(control)) ApplyButtonValues(ini, section, key, control, false);
            collected.push_back(control);
        }
        ApplyOrder(collected, glyphPosition, true);
    }
    ApplyImages(ini.ReadBool(section, L"LargeIcon", false));
    // The next start uses the initial arrangement.
    ini.EraseSection(SectionName());
}

void TOrvToolBarCustomizer::WriteCustomization(const TCustomizationData& data) {
    if (!FileOperationsAllowed()) return;
    TIniFile ini(FFileName);
    const std::wstring section = SectionName();
    ini.EraseSection(section);
    if (data.CaptionShown) ini.WriteString(section, L"OTBCaption", data.Caption);
    if (data.GlyphPositionShown) ini.WriteInteger(section, L"GlyphPosition", data.GlyphPosition);
    if (data.LargeIconShown) ini.WriteBool(section, L"LargeIcon", data.LargeIcon);
    int count = static_cast<int>(data.Items.size());
    ini.WriteInteger(section, L"ToolBarItemCount", count);
    const TButtonProperties& bp = FButtonProperties;
    std::vector<std::wstring> written;
    for (int k = 0; k < count; ++k) {
        const TOTBItemProp& item = data.Items[static_cast<size_t>(k)];
        std::wstring key = L"Name" + std::to_wstring(k);
        std::wstring name, className;
        bool withCommand = false;
        if (item.FOTBItem) {
            className = StoredClassName(item.FOTBItem);
            name = className == L"-1" ? item.FText : item.FOTBItem->GetName();
            withCommand = item.FCustomizerCreated && className != kSeparatorClass;
        } else if (item.FIsSeparator) {
            className = kSeparatorClass;
            name = item.FName;
        } else if (item.FIsGlowButton) {
            className = kGlowButtonClass;
            // The list text names it when it can, else the first free generated name.
            bool usable = IsValidComponentName(item.FText) && !NameUsedOnToolBar(item.FText) &&
                          std::none_of(written.begin(), written.end(),
                                       [&](const std::wstring& w) { return SameText(w, item.FText); });
            name = usable ? item.FText : FreeName(kGlowButtonClass, written);
            withCommand = true;
        } else if (item.FIsOTBButton) {
            className = kToolBarButtonClass;
            name = FreeName(kToolBarButtonClass, written);
            withCommand = true;
        } else {
            className = L"-1";
            name = item.FText;
        }
        written.push_back(name);
        ini.WriteString(section, key, name);
        ini.WriteString(section, key + L".ClassName", className);
        if (withCommand) ini.WriteInteger(section, key + L".CommandID", item.FCommandID);
        if (!item.FHasProperties) continue;
        if (bp.GetGlyph()) {
            ini.WriteInteger(section, key + L".ImageIndex", item.FImageIndex);
            ini.WriteBool(section, key + L".ForceImageIndex", item.FForceImageIndex);
        }
        if (bp.GetVisible()) ini.WriteBool(section, key + L".Visible", item.FVisible);
        if (bp.GetShowCaption()) ini.WriteBool(section, key + L".ShowCaption", item.FShowCaption);
        if (bp.GetCaption()) ini.WriteString(section, key + L".Caption", item.FCaption);
        if (bp.GetHint()) ini.WriteString(section, key + L".Hint", item.FHint);
    }
}

TPoint TOrvToolBarCustomizer::DialogPosition(int width, int height) const {
    if (!FOrvToolBar) return {0, 0};
    // Like the toolbar's option window: under the toolbar's right end.
    TPoint origin = FOrvToolBar->ClientToScreen({0, 0});
    int x = origin.X + FOrvToolBar->Width() - 12;
    int y = origin.Y + FOrvToolBar->Height() + 1;
    TRect work = Screen ? Screen->WorkAreaRect() : TRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (y + height > work.Bottom - 2) y = work.Bottom - 2 - height;
    if (x + width > work.Right) x = FOrvToolBar->GetPosition() == daRight ? origin.X - width : work.Right - width;
    return {x, y};
}

void TOrvToolBarCustomizer::ShowDialog() {
    // One dialog at a time.
    if (!FOrvToolBar || FDialogForm) return;
    TOwnedPtr<TCustomizerForm> form(new TCustomizerForm(nullptr, *this));
    FDialogForm = form.get();
    struct TReset {
        TCustomizerForm*& Form;
        ~TReset() { Form = nullptr; }
    } reset{FDialogForm};
    form->LoadLists();
    form->HandleNeeded();
    TPoint at = DialogPosition(form->Width(), form->Height());
    int x = at.X, y = at.Y;
    bool canShow = true;
    OnCanShow(this, x, y, canShow);
    if (!canShow) return;
    form->SetBounds(x, y, form->Width(), form->Height());
    OnBeforeDisplay(this);
    int result = form->ShowModal();
    if (result == mrOk && form->Modified()) {
        LoadCustomization();
        OnAfterPost(this);
    } else if (result == mrCustomizerReset) {
        RestoreInitialState();
    }
}

}  // namespace orv
