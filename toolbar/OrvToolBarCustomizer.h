#pragma once
// TOrvToolBarCustomizer: a non-visual component that lets the user rearrange one
// toolbar: reorder, remove and insert its controls, edit buttons, the caption, the glyph
// position and the icon size. The initial arrangement (section Name + "Org") and the
// customization (section Name) are kept in an INI file; the customization is applied
// when the file name is set at run time or read from a layout.
//
// Ownership: controls the customizer makes are owned by the toolbar; controls a
// customization removes are taken off the toolbar (not freed) and kept in FDeleteItems
// so that a reset can bring them back. The toolbar, image lists and command actions are
// links, cleared when they go.
#include <string>
#include <vector>

#include "framework/Collection.h"
#include "framework/Component.h"
#include "toolbar/CustomizerSettings.h"
#include "toolbar/DbgList.h"
#include "toolbar/ToolBarCustomizerLink.h"

namespace orv {

class TBasicAction;
class TControl;
class TCustomizerForm;
class TImageList;
class TIniFile;
class TOrvCustomToolBar;

// A command the dialog can insert as a button.
class TOTBCommand : public TCollectionItem {
public:
    ORV_CLASS_NAME(TOTBCommand)
    explicit TOTBCommand(TCollection* collection) : TCollectionItem(collection) {}
    // Copies Caption and OnExecute.
    void Assign(const TPersistent* source) override;
    const std::wstring& GetCaption() const { return FCaption; }
    // Blanks become "_" (the caption may name a control).
    void SetCaption(const std::wstring& value);
    // The image shown for the command in the dialog's command list (-1: none).
    int GetItemIndex() const { return FItemIndex; }
    void SetItemIndex(int value) { FItemIndex = value; }
    // Not owned. An action with a caption also sets Caption.
    TBasicAction* GetAction() const { return FAction; }
    void SetAction(TBasicAction* value);
    std::wstring GetDisplayName() const override { return FCaption.empty() ? TCollectionItem::GetDisplayName() : FCaption; }
    TNotifyEvent OnExecute;

private:
    std::wstring FCaption;
    int FItemIndex = -1;
    TBasicAction* FAction = nullptr;
};

class TOTBCommands : public TTypedCollection<TOTBCommand> {
public:
    ORV_CLASS_NAME(TOTBCommands)
    explicit TOTBCommands(TPersistent* owner) : TTypedCollection<TOTBCommand>(owner) {}
};

// One entry of the dialog's toolbar item list.
struct TOTBItemProp {
    TControl* FOTBItem = nullptr;  // the toolbar control, or null for an inserted entry
    bool FCustomizerCreated = false;
    bool FIsSeparator = false;
    bool FIsOTBButton = false;  // an inserted toolbar button
    int FImageIndex = -1;
    std::wstring FCaption;
    bool FShowCaption = false;
    std::wstring FHint;
    bool FVisible = true;
    int FID = 0;
    int FCommandID = -1;
    bool FForceImageIndex = false;
    bool FIsGlowButton = false;
    // The list's text, and the generated name of an inserted separator.
    std::wstring FText;
    std::wstring FName;
    // The entry carries button properties (a toolbar button or glow button, existing or
    // inserted).
    bool FHasProperties = false;
};

// What the dialog confirms: the entries in order and the toolbar-wide values, each with
// whether its editor was shown (only shown values are stored).
struct TCustomizationData {
    std::vector<TOTBItemProp> Items;
    std::wstring Caption;
    bool CaptionShown = false;
    int GlyphPosition = 0;
    bool GlyphPositionShown = false;
    bool LargeIcon = false;
    bool LargeIconShown = false;
};

using TCustomizerCanShowEvent = TEvent<TObject*, int&, int&, bool&>;

class TOrvToolBarCustomizer : public TComponent, public IToolBarCustomizer {
public:
    ORV_CLASS_NAME(TOrvToolBarCustomizer)
    explicit TOrvToolBarCustomizer(TComponent* owner);
    ~TOrvToolBarCustomizer() override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

    // The class names stored per entry.
    static constexpr const wchar_t* kToolBarButtonClass = L"ORVTOOLBARBUTTON";
    static constexpr const wchar_t* kSeparatorClass = L"ORVTOOLBARSEPARATOR";
    static constexpr const wchar_t* kGlowButtonClass = L"ORVCUSTOMGLOWBUTTON";
    // Stored counts above this are read as this.
    static constexpr int kMaxItemCount = 1024;

    // --- published ------------------------------------------------------------------------
    TOrvCustomToolBar* GetOrvToolBar() const { return FOrvToolBar; }
    void SetOrvToolBar(TOrvCustomToolBar* value);
    TImageList* GetLargeImages() const { return FLargeImages; }
    void SetLargeImages(TImageList* value);
    TImageList* GetSmallImages() const { return FSmallImages; }
    void SetSmallImages(TImageList* value);
    TOTBCommands& Commands() { return FCommands; }
    bool GetEnablePersistence() const { return FEnablePersistence; }
    void SetEnablePersistence(bool value) { FEnablePersistence = value; }
    const std::wstring& GetFileName() const { return FFileName; }
    // At run time (not while a layout is read) a different name saves the initial state
    // and applies the stored customization.
    void SetFileName(const std::wstring& value);
    TButtonProperties& ButtonProperties() { return FButtonProperties; }
    TDialogSettings& DialogSettings() { return FDialogSettings; }
    TCustomizedOptions& Options() { return FOptions; }

    TNotifyEvent OnBeforeDisplay;
    TNotifyEvent OnAfterPost;
    TCustomizerCanShowEvent OnCanShow;

    // --- file operations (nothing without persistence, a file name or a toolbar) ----------
    void SaveInitialState();
    void LoadCustomization();
    void RestoreInitialState();
    // Writes section N from the dialog's confirmed entries.
    void WriteCustomization(const TCustomizationData& data);

    // --- IToolBarCustomizer ---------------------------------------------------------------
    std::wstring CustomizeText() const override { return FDialogSettings.GetCustomize(); }
    void ShowDialog() override;
    // Where the dialog of a width x height client would open (screen coordinates).
    TPoint DialogPosition(int width, int height) const;

    // The dialog while ShowDialog runs it, else null.
    TCustomizerForm* DialogForm() const { return FDialogForm; }
    // Controls a customization took off the toolbar.
    const TDbgList<TControl>& DeleteItems() const { return FDeleteItems; }
    // True for a control this customizer made.
    bool IsCustomizerCreated(const TControl* control) const;
    // The command a customizer-made control runs (-1: none or not made here).
    int CommandIDOf(const TControl* control) const;
    // The stored class name of a toolbar control ("-1" for others).
    static std::wstring StoredClassName(const TControl* control);
    // A valid component name: a letter or "_" first, then letters, digits or "_".
    static bool IsValidComponentName(const std::wstring& name);

private:
    std::wstring SectionName() const { return GetName(); }
    std::wstring OrgSectionName() const { return GetName() + L"Org"; }
    bool FileOperationsAllowed() const;
    // True when a component of the toolbar or one of its controls has this name.
    bool NameUsedOnToolBar(const std::wstring& name) const;
    std::wstring FreeName(const std::wstring& base, const std::vector<std::wstring>& alsoUsed) const;
    TControl* FindToolBarControl(const std::wstring& name) const;
    TControl* CreateControl(const std::wstring& className, const std::wstring& name);
    void BindCommand(TControl* control, int commandID);
    void ApplyButtonValues(TIniFile& ini, const std::wstring& section, const std::wstring& key, TControl* control,
                           bool customizationSection);
    void ApplyOrder(const std::vector<TControl*>& collected, int glyphPosition, bool freeRest);
    void ApplyImages(bool large);
    void KeepDeleted(TControl* control);
    void Unwatch(TControl* control);
    bool ToolBarUsesLargeImages() const;

    TOrvCustomToolBar* FOrvToolBar = nullptr;
    TImageList* FLargeImages = nullptr;
    TImageList* FSmallImages = nullptr;
    TOTBCommands FCommands;
    bool FEnablePersistence = true;
    std::wstring FFileName = L".\\untitled.ini";
    bool FFileNameLoaded = false;
    TButtonProperties FButtonProperties;
    TDialogSettings FDialogSettings;
    TCustomizedOptions FOptions;
    TDbgList<TControl> FDeleteItems;
    struct TCreatedItem {
        TControl* Control;
        int CommandID;
    };
    std::vector<TCreatedItem> FCreatedItems;
    TCustomizerForm* FDialogForm = nullptr;
};

}  // namespace orv
