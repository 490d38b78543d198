#pragma once
// TCusBtnForm: the customizer's button editor, a modal tool window editing one entry of
// the customizer dialog's item list (caption, hint, icon, show caption, visibility). OK
// writes the edited values back into the entry it was given.
#include "framework/Forms.h"
#include "framework/StdCtrls.h"
#include "toolbar/OrvToolBarCustomizer.h"

namespace orv {

class TImageList;

class TCusBtnForm : public TForm {
public:
    ORV_CLASS_NAME(TCusBtnForm)
    // entry must outlive the form.
    TCusBtnForm(TComponent* owner, TOrvToolBarCustomizer& customizer, TOTBItemProp& entry);

    TEdit* CaptionEdit() const { return FCaptionEdit; }
    TEdit* HintEdit() const { return FHintEdit; }
    TComboBox* IconBox() const { return FIconBox; }
    TCheckBox* ShowCaptionCheck() const { return FShowCaptionCheck; }
    TCheckBox* VisibleCheck() const { return FVisibleCheck; }
    TGroupBox* Group() const { return FGroup; }
    TButton* OKButton() const { return FOKButton; }
    // Copies the edited values into the entry (the OK button).
    void Post();

private:
    void Build();
    // Hidden parts close up: edits after the widest label, checks after the edits.
    void Arrange();
    TImageList* Images() const;

    TOrvToolBarCustomizer& FCustomizer;
    TOTBItemProp& FEntry;
    TGroupBox* FGroup = nullptr;
    TLabel* FCaptionLabel = nullptr;
    TLabel* FHintLabel = nullptr;
    TLabel* FIconLabel = nullptr;
    TEdit* FCaptionEdit = nullptr;
    TEdit* FHintEdit = nullptr;
    TComboBox* FIconBox = nullptr;
    TCheckBox* FShowCaptionCheck = nullptr;
    TCheckBox* FVisibleCheck = nullptr;
    TButton* FOKButton = nullptr;
    TButton* FCancelButton = nullptr;
    int FStartIcon = -1;
};

}  // namespace orv
