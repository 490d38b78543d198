#pragma once
// The customizer's value records: which button properties its dialogs edit and store
// (TButtonProperties), which editing commands the dialog offers (TCustomizedOptions) and
// the dialogs' texts and switches (TDialogSettings). Each raises OnChange after a change.
#include <string>

#include "framework/Event.h"
#include "framework/Persistent.h"

namespace orv {

#define ORV_CUST_VALUE(Type, Name)                                                   \
    Type Get##Name() const { return F##Name; }                                       \
    void Set##Name(Type value) {                                                     \
        if (F##Name == value) return;                                                \
        F##Name = value;                                                             \
        OnChange(this);                                                              \
    }
#define ORV_CUST_TEXT(Name)                                                          \
    const std::wstring& Get##Name() const { return F##Name; }                        \
    void Set##Name(const std::wstring& value) {                                      \
        if (F##Name == value) return;                                                \
        F##Name = value;                                                             \
        OnChange(this);                                                              \
    }

// Not the framework's record of the same purpose: the customizer's own.
class TButtonProperties : public TPersistent {
public:
    ORV_CLASS_NAME(TButtonProperties)
    void Assign(const TPersistent* source) override;
    ORV_CUST_VALUE(bool, Caption)
    ORV_CUST_VALUE(bool, Glyph)
    ORV_CUST_VALUE(bool, Hint)
    ORV_CUST_VALUE(bool, Visible)
    ORV_CUST_VALUE(bool, ShowCaption)
    // True when any of the five is set (a button can be edited).
    bool AnySet() const { return FCaption || FGlyph || FHint || FVisible || FShowCaption; }
    TNotifyEvent OnChange;

private:
    bool FCaption = true;
    bool FGlyph = true;
    bool FHint = true;
    bool FVisible = false;
    bool FShowCaption = true;
};

class TCustomizedOptions : public TPersistent {
public:
    ORV_CLASS_NAME(TCustomizedOptions)
    void Assign(const TPersistent* source) override;
    ORV_CUST_VALUE(bool, ReOrder)
    ORV_CUST_VALUE(bool, AddButton)
    ORV_CUST_VALUE(bool, AddSeparator)
    ORV_CUST_VALUE(bool, AddGlowButton)
    ORV_CUST_VALUE(bool, Delete)
    ORV_CUST_VALUE(bool, DeleteAll)
    ORV_CUST_VALUE(bool, EditButton)
    TNotifyEvent OnChange;

private:
    bool FReOrder = true;
    bool FAddButton = true;
    bool FAddSeparator = true;
    bool FAddGlowButton = true;
    bool FDelete = true;
    bool FDeleteAll = false;
    bool FEditButton = true;
};

// The texts of the customizer's dialogs and which of their parts show.
class TDialogSettings : public TPersistent {
public:
    ORV_CLASS_NAME(TDialogSettings)
    void Assign(const TPersistent* source) override;
#define ORV_DIALOG_TEXTS(X)                                                                              \
    X(ToolBarLabel, L"ToolBar Items:")                                                                   \
    X(CommandLabel, L"Commands") X(CaptionLabel, L"Caption") X(GlyphPosLabel, L"Glyph Position")         \
    X(LargeIconCheck, L"Large Icon") X(TopHint, L"Move to Top") X(UpHint, L"Move Up")                    \
    X(DownHint, L"Move Down") X(BottomHint, L"Move to Bottom") X(AddHint, L"Add Item")                   \
    X(AddSeparatorHint, L"Add Separator") X(AddGlowButtonHint, L"Insert GlowButton")                     \
    X(DeleteHint, L"Delete Item") X(DeleteAllHint, L"Delete All") X(EditHint, L"Edit Item")              \
    X(Caption, L"Customizer") X(ButtonEditCaption, L"Customize Button") X(ButtonEditCaptionLabel, L"Caption") \
    X(ButtonEditHintLabel, L"Hint") X(ButtonEditIconLabel, L"Icon") X(ButtonEditCaptionCheck, L"Show Caption") \
    X(ButtonEditVisibleCheck, L"Visible") X(OKButtonCaption, L"&Ok") X(CancelButtonCaption, L"&Cancel")  \
    X(ResetButtonCaption, L"&Reset") X(OKButtonHint, L"") X(CancelButtonHint, L"")                       \
    X(ResetButtonHint, L"") X(GlyphPositionLeftCaption, L"Left") X(GlyphPositionTopCaption, L"Top")      \
    X(GlyphPositionRightCaption, L"Right") X(GlyphPositionBottomCaption, L"Bottom")                      \
    X(GlyphEditNoneIconCaption, L"None") X(Customize, L"Customize")
#define ORV_DIALOG_TEXT_ACCESS(Name, Default) ORV_CUST_TEXT(Name)
    ORV_DIALOG_TEXTS(ORV_DIALOG_TEXT_ACCESS)
#undef ORV_DIALOG_TEXT_ACCESS
    ORV_CUST_VALUE(bool, EditGlyph)
    ORV_CUST_VALUE(bool, EditGlyphVisible)
    ORV_CUST_VALUE(bool, EditCaption)
    ORV_CUST_VALUE(bool, EditGlyphPosition)
    ORV_CUST_VALUE(bool, LargeIcon)
    TNotifyEvent OnChange;

private:
#define ORV_DIALOG_TEXT_FIELD(Name, Default) std::wstring F##Name = Default;
    ORV_DIALOG_TEXTS(ORV_DIALOG_TEXT_FIELD)
#undef ORV_DIALOG_TEXT_FIELD
    bool FEditGlyph = true;
    bool FEditGlyphVisible = true;
    bool FEditCaption = true;
    bool FEditGlyphPosition = true;
    bool FLargeIcon = false;
};

#undef ORV_CUST_VALUE
#undef ORV_CUST_TEXT

}  // namespace orv
