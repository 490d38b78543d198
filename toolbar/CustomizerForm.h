#pragma once
// TCustomizerForm: the customizer's modal dialog. It lists the toolbar's controls
// (TOTBItemProp entries) and the customizer's commands, and edits the list: reorder,
// insert commands, glow buttons and separators, delete, clear, edit a button. Nothing
// changes on the toolbar while it runs: OK writes the customizer's section and the
// customizer applies it. Made and freed by TOrvToolBarCustomizer::ShowDialog.
#include <vector>

#include "framework/Buttons.h"
#include "framework/Forms.h"
#include "framework/StdCtrls.h"
#include "toolbar/OrvToolBarCustomizer.h"

namespace orv {

class TImageList;

// The modal result of Reset.
constexpr int mrCustomizerReset = 9;

class TCustomizerForm : public TForm {
public:
    ORV_CLASS_NAME(TCustomizerForm)
    TCustomizerForm(TComponent* owner, TOrvToolBarCustomizer& customizer);

    // Fills the lists and the lower box from the toolbar and the customizer.
    void LoadLists();
    bool Modified() const { return FModified; }
    const std::vector<TOTBItemProp>& Entries() const { return FEntries; }
    int SelectedEntry() const { return FItemList->GetItemIndex(); }
    void SelectEntry(int index);
    void SelectCommand(int index) { FCommandList->SetItemIndex(index); }

    // The editing commands (the buttons run these).
    void MoveEntry(int from, int to);
    void InsertCommand(bool glowButton);
    void InsertSeparator();
    void DeleteEntry();
    void ClearEntries();
    void EditEntry();
    // Writes the customizer's section from the entries (the OK button).
    void Post();

    // Controls, for tests and the renderer.
    TListBox* ItemList() const { return FItemList; }
    TListBox* CommandList() const { return FCommandList; }
    TComboBox* IconBox() const { return FIconBox; }
    TEdit* CaptionEdit() const { return FCaptionEdit; }
    TComboBox* GlyphPosBox() const { return FGlyphPosBox; }
    TCheckBox* LargeIconCheck() const { return FLargeIconCheck; }
    TGroupBox* LowerGroup() const { return FLowerGroup; }
    TButton* OKButton() const { return FOKButton; }
    TButton* CancelButton() const { return FCancelButton; }
    TButton* ResetButton() const { return FResetButton; }
    enum TTool { tTop, tUp, tDown, tBottom, tAddCommand, tAddGlowButton, tAddSeparator, tDelete, tClear, tEdit, tCount };
    TSpeedButton* Tool(TTool tool) const { return FTools[tool]; }
    // Where an entry's text starts in the item list.
    int EntryTextLeft(int index) const;

private:
    void Build();
    void ApplySettings();
    void CloseUpLowerBox();
    void UpdateButtons();
    void MarkModified();
    std::wstring EntryText(const TOTBItemProp& entry) const;
    TOTBItemProp EntryFor(TControl* control) const;
    int InsertPlace() const;
    void InsertEntry(const TOTBItemProp& entry);
    bool CanEditEntries() const;
    TImageList* ToolBarImages() const;
    // The icon an entry shows: its image index in the toolbar images, or -1.
    int EntryImage(const TOTBItemProp& entry) const;
    void DrawEntry(TWinControl* sender, int index, TRect rect, TItemDrawState state);
    void DrawCommand(TWinControl* sender, int index, TRect rect, TItemDrawState state);
    void DrawIcon(TWinControl* sender, int index, TRect rect, TItemDrawState state);

    TOrvToolBarCustomizer& FCustomizer;
    std::vector<TOTBItemProp> FEntries;
    bool FModified = false;
    bool FLoading = false;
    int FNextID = 1;

    TGroupBox* FUpperGroup = nullptr;
    TGroupBox* FLowerGroup = nullptr;
    TLabel* FToolBarLabel = nullptr;
    TLabel* FCommandLabel = nullptr;
    TListBox* FItemList = nullptr;
    TListBox* FCommandList = nullptr;
    TComboBox* FIconBox = nullptr;
    TSpeedButton* FTools[tCount] = {};
    TLabel* FCaptionLabel = nullptr;
    TEdit* FCaptionEdit = nullptr;
    TLabel* FGlyphPosLabel = nullptr;
    TComboBox* FGlyphPosBox = nullptr;
    TCheckBox* FLargeIconCheck = nullptr;
    TButton* FOKButton = nullptr;
    TButton* FCancelButton = nullptr;
    TButton* FResetButton = nullptr;
};

// Draws the icon box entries of both dialogs: the image at (+2, +2), the last entry's
// text at +4, vertically centred.
void DrawIconBoxEntry(TComboBox& box, TImageList* images, int index, TRect rect, TItemDrawState state);

}  // namespace orv
