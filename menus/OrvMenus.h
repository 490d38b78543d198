#pragma once
// Styled menus: main and popup menus whose items are owner-drawn from a menu
// styler. Each menu keeps an internal styler ("InternalMenuStyler", a
// sub-component) that an external styler replaces while it is linked; one
// external styler may serve many menus.
#include <memory>
#include <vector>

#include "framework/Bitmap.h"
#include "framework/Menus.h"
#include "menus/OrvMenuAppearance.h"

namespace orv::menus {

using TAntiAlias = TTextAntiAlias;  // aaNone, aaClearType, aaAntiAlias

class TCustomOrvMenuStyler : public TComponent {
public:
    ORV_CLASS_NAME(TCustomOrvMenuStyler)
    explicit TCustomOrvMenuStyler(TComponent* owner);

    TBackground& Background() { return FBackground; }
    TIconBar& IconBar() { return FIconBar; }
    TSelectedItem& SelectedItem() { return FSelectedItem; }
    TRootItem& RootItem() { return FRootItem; }
    TMenuGlyphs& Glyphs() { return FGlyphs; }
    TSideBar& SideBar() { return FSideBar; }
    TSeparator& Separator() { return FSeparator; }
    TButtonAppearance& ButtonAppearance() { return FButtonAppearance; }
    TFont& Font() { return FFont; }
    TFont& NotesFont() { return FNotesFont; }
    // Each record setter copies the given record into the owned one.
    void SetBackground(const TBackground& value) { FBackground.Assign(&value); }
    void SetIconBar(const TIconBar& value) { FIconBar.Assign(&value); }
    void SetSelectedItem(const TSelectedItem& value) { FSelectedItem.Assign(&value); }
    void SetRootItem(const TRootItem& value) { FRootItem.Assign(&value); }
    void SetGlyphs(const TMenuGlyphs& value) { FGlyphs.Assign(&value); }
    void SetSideBar(const TSideBar& value) { FSideBar.Assign(&value); }
    void SetSeparator(const TSeparator& value) { FSeparator.Assign(&value); }
    void SetButtonAppearance(const TButtonAppearance& value) { FButtonAppearance.Assign(&value); }
    void SetFont(const TFont& value) { FFont.Assign(&value); }
    void SetNotesFont(const TFont& value) { FNotesFont.Assign(&value); }

    bool GetUseSystemFont() const { return FUseSystemFont; }
    void SetUseSystemFont(bool value);
    TColor GetMenuBorderColor() const { return FMenuBorderColor; }
    void SetMenuBorderColor(TColor value);
    TAntiAlias GetAntiAlias() const { return FAntiAlias; }
    void SetAntiAlias(TAntiAlias value);

    // The menu this styler serves now (set by the menu; cleared when that menu
    // goes). Every menu that set itself stays linked until it lets go
    // (ReleaseMenu) or goes: a change repaints all their menu bars.
    TMenu* GetMenu() const { return FMenu; }
    void SetMenu(TMenu* menu);
    void ReleaseMenu(TMenu* menu);

    // The menu background (gradient and picture) composed for a menu of this
    // size; kept until the size or the background changes.
    TBitmap* BackgroundBitmap(int width, int height);

    void Notification(TComponent* component, TOperation operation) override;

protected:
    void BeforeDestruction() override;
    virtual void Changed();

private:
    void RecordChanged(TObject*);

    TBackground FBackground;
    TIconBar FIconBar;
    TSelectedItem FSelectedItem;
    TRootItem FRootItem;
    TMenuGlyphs FGlyphs;
    TSideBar FSideBar;
    TSeparator FSeparator;
    TButtonAppearance FButtonAppearance;
    TFont FFont;
    TFont FNotesFont;
    bool FUseSystemFont = true;
    TColor FMenuBorderColor = 0x7C7C94;
    TAntiAlias FAntiAlias = aaNone;
    TMenu* FMenu = nullptr;
    std::vector<TMenu*> FMenus;
    std::unique_ptr<TBitmap> FBackgroundBitmap;
    bool FBackgroundStale = true;
};

class TOrvMenuStyler : public TCustomOrvMenuStyler {
public:
    ORV_CLASS_NAME(TOrvMenuStyler)
    using TCustomOrvMenuStyler::TCustomOrvMenuStyler;
};

// What the drawing routines take from an item's top menu.
struct TMenuDrawContext {
    TMenu* Menu = nullptr;
    TCustomOrvMenuStyler* Styler = nullptr;
    bool ShowNotes = true;
    bool IntlKeybShortCuts = false;
    TImageList* DisabledImages = nullptr;
};

// The part the two styled menus share: stylers, hooking and the owner-draw
// handlers.
class TOrvMenuCore {
public:
    virtual ~TOrvMenuCore() = default;

    TCustomOrvMenuStyler* GetMenuStyler() const { return FExternalStyler; }
    void SetMenuStyler(TCustomOrvMenuStyler* value);
    // The external styler when linked, else the internal one.
    TCustomOrvMenuStyler* CurrentMenuStyler() const { return FCurrentStyler; }
    TCustomOrvMenuStyler* InternalMenuStyler() const { return FInternalStyler; }
    // The menu this core styles.
    TMenu& StyledMenu() const { return FMenu; }

    TImageList* GetDisabledImages() const { return FDisabledImages; }
    void SetDisabledImages(TImageList* value);
    bool GetIntlKeybShortCuts() const { return FIntlKeybShortCuts; }
    void SetIntlKeybShortCuts(bool value) { FIntlKeybShortCuts = value; }
    bool GetShowNotes() const { return FShowNotes; }
    void SetShowNotes(bool value) { FShowNotes = value; }
    std::wstring GetVersion() const { return L"1.0.0.0"; }
    void SetVersion(const std::wstring&) {}
    uint8_t GetOpacity() const { return FOpacity; }
    void SetOpacity(uint8_t value) { FOpacity = value; }

    void BeginUpdate();
    void EndUpdate();
    bool IsUpdating() const { return FUpdating; }

    // Gives every item (recursively) this menu's measure and draw handlers where
    // it has none of its own.
    void HookItems();
    void HookItem(TMenuItem* item);

    // The handlers items carry; the owner-draw messages end here.
    void MeasureItemHandler(TObject* sender, TCanvas* canvas, int& width, int& height);
    void DrawItemHandler(TObject* sender, TCanvas* canvas, TRect rect, TOwnerDrawState state);
    TMenuDrawContext DrawContext() const;

protected:
    explicit TOrvMenuCore(TMenu& menu);
    void CreateInternalStyler();
    void CoreNotification(TComponent* component, TOperation operation);
    void CoreLoaded();
    void CoreDestroying();

    TMenu& FMenu;
    TCustomOrvMenuStyler* FInternalStyler = nullptr;
    TCustomOrvMenuStyler* FExternalStyler = nullptr;
    TCustomOrvMenuStyler* FCurrentStyler = nullptr;
    TImageList* FDisabledImages = nullptr;
    bool FIntlKeybShortCuts = false;
    bool FShowNotes = true;
    int FUpdateCount = 0;
    bool FUpdating = false;
    uint8_t FOpacity = 255;
};

class TMenuWindowWatch;

class TOrvMainMenu : public TMainMenu, public TOrvMenuCore {
public:
    ORV_CLASS_NAME(TOrvMainMenu)
    explicit TOrvMainMenu(TComponent* owner);
    ~TOrvMainMenu() override;

    void SetOwnerDraw(bool value) override;
    void MenuChanged(TObject* sender, TMenuItem* source, bool rebuild) override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    // Re-hooks the menu bar.
    void Refresh();

protected:
    void BeforeDestruction() override;
    bool FormMessage(TMessage& message) override;

private:
    std::unique_ptr<TMenuWindowWatch> FWindowWatch;  // while the bar tracks
};

class TOrvPopupMenu : public TPopupMenu, public TOrvMenuCore {
public:
    ORV_CLASS_NAME(TOrvPopupMenu)
    explicit TOrvPopupMenu(TComponent* owner);

    void SetOwnerDraw(bool value) override;
    void MenuChanged(TObject* sender, TMenuItem* source, bool rebuild) override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    // Shifts x for the 17 pixels the menu window loses on the right, then opens.
    void Popup(int x, int y) override;

protected:
    void BeforeDestruction() override;
};

// The x a popup of first-item width itemWidth opens at (desktopWidth: the
// screen's).
int StyledPopupX(int x, int itemWidth, TPopupAlignment alignment, int desktopWidth);

}  // namespace orv::menus

namespace orv {
using menus::TCustomOrvMenuStyler;
using menus::TOrvMainMenu;
using menus::TOrvMenuStyler;
using menus::TOrvPopupMenu;
}  // namespace orv
