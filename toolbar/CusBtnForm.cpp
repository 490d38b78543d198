#include "toolbar/CusBtnForm.h"

#include <algorithm>

#include "framework/ImageList.h"
#include "toolbar/CustomizerForm.h"
#include "toolbar/OrvToolBar.h"

namespace orv {

namespace {
template <class T>
T* Place(TWinControl* parent, int x, int y, int w, int h) {
    auto* c = new T(parent);
    c->SetBounds(x, y, w, h);
    c->SetParent(parent);
    return c;
}
}  // namespace

TCusBtnForm::TCusBtnForm(TComponent* owner, TOrvToolBarCustomizer& customizer, TOTBItemProp& entry)
    : TForm(owner), FCustomizer(customizer), FEntry(entry) {
    SetBorderStyle(TFormBorderStyle::bsToolWindow);
    SetBorderIcons(biSystemMenu);
    Font().SetName(L"MS Sans Serif");
    Font().SetSize(8);
    SetClientWidth(248);
    SetClientHeight(140);
    Build();
    Arrange();
}

TImageList* TCusBtnForm::Images() const {
    TOrvCustomToolBar* toolBar = FCustomizer.GetOrvToolBar();
    return toolBar ? toolBar->GetImages() : nullptr;
}

void TCusBtnForm::Build() {
    const TDialogSettings& ds = FCustomizer.DialogSettings();
    const TButtonProperties& bp = FCustomizer.ButtonProperties();
    SetCaption(ds.GetButtonEditCaption());
    FGroup = Place<TGroupBox>(this, 8, 0, 233, 102);
    auto label = [&](int y, const std::wstring& text) {
        auto* l = new TLabel(FGroup);
        l->SetLeft(8);
        l->SetTop(y);
        l->SetParent(FGroup);
        l->SetCaption(text);
        return l;
    };
    FCaptionLabel = label(17, ds.GetButtonEditCaptionLabel());
    FHintLabel = label(41, ds.GetButtonEditHintLabel());
    FIconLabel = label(65, ds.GetButtonEditIconLabel());
    FCaptionEdit = Place<TEdit>(FGroup, 50, 14, 73, 21);
    FCaptionEdit->SetText(FEntry.FCaption);
    FCaptionEdit->SetEnabled(bp.GetCaption());
    FHintEdit = Place<TEdit>(FGroup, 50, 38, 73, 21);
    FHintEdit->SetText(FEntry.FHint);
    FHintEdit->SetVisible(bp.GetHint());
    FHintLabel->SetVisible(bp.GetHint());
    FIconBox = Place<TComboBox>(FGroup, 50, 62, 74, 22);
    FIconBox->SetOwnerDraw(true);
    TImageList* images = Images();
    FIconBox->SetItemHeight(images ? images->GetHeight() + 3 : 16);
    if (images)
        for (int i = 0; i < images->Count(); ++i) FIconBox->AddItem(std::to_wstring(i));
    FIconBox->AddItem(ds.GetGlyphEditNoneIconCaption());
    FStartIcon = FEntry.FImageIndex >= 0 && FEntry.FImageIndex < FIconBox->Count() - 1 ? FEntry.FImageIndex
                                                                                        : FIconBox->Count() - 1;
    FIconBox->SetItemIndex(FStartIcon);
    FIconBox->OnDrawItem = [this](TWinControl*, int index, TRect rect, TItemDrawState state) {
        DrawIconBoxEntry(*FIconBox, Images(), index, rect, state);
    };
    FIconBox->SetVisible(bp.GetGlyph());
    FIconLabel->SetVisible(bp.GetGlyph());
    // A glow button the application placed keeps its own picture.
    bool glowNotMade = FEntry.FOTBItem && !FEntry.FCustomizerCreated && !FEntry.FIsOTBButton &&
                       TOrvToolBarCustomizer::StoredClassName(FEntry.FOTBItem) == TOrvToolBarCustomizer::kGlowButtonClass;
    FIconBox->SetEnabled(!glowNotMade);
    FShowCaptionCheck = Place<TCheckBox>(FGroup, 129, 17, 97, 17);
    FShowCaptionCheck->SetCaption(ds.GetButtonEditCaptionCheck());
    FShowCaptionCheck->SetChecked(FEntry.FShowCaption);
    FShowCaptionCheck->SetVisible(bp.GetShowCaption());
    FVisibleCheck = Place<TCheckBox>(FGroup, 129, 38, 97, 17);
    FVisibleCheck->SetCaption(ds.GetButtonEditVisibleCheck());
    FVisibleCheck->SetChecked(FEntry.FVisible);
    FVisibleCheck->SetVisible(bp.GetVisible());
    FOKButton = Place<TButton>(this, 49, 109, 75, 25);
    FOKButton->SetCaption(ds.GetOKButtonCaption());
    FOKButton->SetDefault(true);
    FOKButton->OnClick = [this](TObject*) {
        Post();
        SetModalResult(mrOk);
    };
    FCancelButton = Place<TButton>(this, 124, 109, 75, 25);
    FCancelButton->SetCaption(ds.GetCancelButtonCaption());
    FCancelButton->SetModalResult(mrCancel);
}

void TCusBtnForm::Arrange() {
    // Rows of what still shows, top down; edits after the widest label + 12.
    struct TRow {
        TLabel* Label;
        TWinControl* Edit;
    };
    std::vector<TRow> rows;
    rows.push_back({FCaptionLabel, FCaptionEdit});
    if (FHintEdit->GetVisible()) rows.push_back({FHintLabel, FHintEdit});
    if (FIconBox->GetVisible()) rows.push_back({FIconLabel, FIconBox});
    int labelWidth = 0;
    for (const TRow& r : rows) labelWidth = std::max(labelWidth, r.Label->Width());
    int editLeft = std::max(50, 8 + labelWidth + 12);
    int y = 14;
    int editRight = 0;
    for (const TRow& r : rows) {
        r.Label->SetTop(y + 3);
        r.Edit->SetLeft(editLeft);
        r.Edit->SetTop(y);
        editRight = std::max(editRight, r.Edit->Left() + r.Edit->Width());
        y += 24;
    }
    int checkLeft = editRight + 6;
    int checkY = 17;
    int checkRight = checkLeft;
    for (TCheckBox* c : {FShowCaptionCheck, FVisibleCheck}) {
        if (!c->GetVisible()) continue;
        c->SetLeft(checkLeft);
        c->SetTop(checkY);
        checkY += 21;
        checkRight = std::max(checkRight, checkLeft + c->Width());
    }
    int groupWidth = std::max(233, checkRight + 8);
    if (groupWidth != FGroup->Width()) {
        FGroup->SetWidth(groupWidth);
        SetClientWidth(groupWidth + 15);
    }
    int clientWidth = std::max(248, groupWidth + 15);
    // OK and Cancel centred under the box.
    int pair = FOKButton->Width() + 0 + FCancelButton->Width();
    int left = (clientWidth - pair) / 2;
    FOKButton->SetLeft(left);
    FCancelButton->SetLeft(left + FOKButton->Width());
}

void TCusBtnForm::Post() {
    const TButtonProperties& bp = FCustomizer.ButtonProperties();
    FEntry.FCaption = FCaptionEdit->GetText();
    FEntry.FText = FEntry.FCaption;
    FEntry.FHint = FHintEdit->GetText();
    FEntry.FVisible = FVisibleCheck->GetChecked();
    FEntry.FShowCaption = FShowCaptionCheck->GetChecked();
    if (bp.GetGlyph() && FIconBox->GetEnabled()) {
        int icon = FIconBox->GetItemIndex();
        if (icon != FStartIcon) {
            FEntry.FForceImageIndex = true;
            FEntry.FImageIndex = icon == FIconBox->Count() - 1 ? -1 : icon;
        }
    }
}

}  // namespace orv
