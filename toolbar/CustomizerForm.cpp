#include "toolbar/CustomizerForm.h"

#include <algorithm>

#include "buttons/OrvGlowButton.h"
#include "framework/Application.h"
#include "framework/ImageList.h"
#include "framework/SysUtils.h"
#include "toolbar/CusBtnForm.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarButton.h"
#include "toolbar/OrvToolBarSeparator.h"

namespace orv {

namespace {

constexpr int kClientWidth = 387;
constexpr int kClientHeight = 363;
constexpr int kToolX = 173;
constexpr int kToolStep = 22;

// The dialog's tool buttons draw their own small glyphs.
class TCustomizerToolButton : public TSpeedButton {
public:
    TCustomizerToolButton(TComponent* owner, TCustomizerForm::TTool tool) : TSpeedButton(owner), FTool(tool) {}

protected:
    void Paint() override {
        TSpeedButton::Paint();
        TCanvas& c = Canvas();
        TColor ink = FEnabled ? TColor(clBtnText) : TColor(clGrayText);
        c.Pen().SetColor(ink);
        c.Brush().SetStyle(TBrushStyle::bsSolid);
        c.Brush().SetColor(ink);
        int cx = FWidth / 2, cy = FHeight / 2;
        auto up = [&](int y) { c.Polygon({{cx - 4, y + 3}, {cx + 4, y + 3}, {cx, y - 1}}); };
        auto down = [&](int y) { c.Polygon({{cx - 4, y - 2}, {cx + 4, y - 2}, {cx, y + 2}}); };
        auto bar = [&](int y) { c.FillRect({cx - 4, y, cx + 5, y + 2}); };
        switch (FTool) {
            case TCustomizerForm::tTop:
                bar(cy - 5);
                up(cy);
                break;
            case TCustomizerForm::tUp:
                up(cy - 1);
                break;
            case TCustomizerForm::tDown:
                down(cy);
                break;
            case TCustomizerForm::tBottom:
                down(cy - 1);
                bar(cy + 3);
                break;
            case TCustomizerForm::tAddCommand:
                c.FillRect({cx - 4, cy - 1, cx + 5, cy + 1});
                c.FillRect({cx - 1, cy - 4, cx + 1, cy + 5});
                break;
            case TCustomizerForm::tAddGlowButton:
                c.Brush().SetStyle(TBrushStyle::bsClear);
                c.Rectangle({cx - 5, cy - 4, cx + 6, cy + 5});
                c.Brush().SetStyle(TBrushStyle::bsSolid);
                c.FillRect({cx - 2, cy - 1, cx + 3, cy + 2});
                break;
            case TCustomizerForm::tAddSeparator:
                c.FillRect({cx - 1, cy - 6, cx + 1, cy + 7});
                break;
            case TCustomizerForm::tDelete:
            case TCustomizerForm::tClear:
                for (int i = -4; i <= 4; ++i) {
                    c.FillRect({cx + i, cy + i, cx + i + 2, cy + i + 1});
                    c.FillRect({cx - i, cy + i, cx - i + 2, cy + i + 1});
                }
                if (FTool == TCustomizerForm::tClear) bar(cy + 6);
                break;
            case TCustomizerForm::tEdit:
                for (int i = 0; i < 8; ++i) c.FillRect({cx - 4 + i, cy + 3 - i, cx - 2 + i, cy + 5 - i});
                break;
            default:
                break;
        }
    }

private:
    TCustomizerForm::TTool FTool;
};

template <class T>
T* Place(TWinControl* parent, int x, int y, int w, int h) {
    auto* c = new T(parent);
    c->SetBounds(x, y, w, h);
    c->SetParent(parent);
    return c;
}

TLabel* PlaceLabel(TWinControl* parent, int x, int y, const std::wstring& text) {
    auto* label = new TLabel(parent);
    label->SetLeft(x);
    label->SetTop(y);
    label->SetParent(parent);
    label->SetCaption(text);
    return label;
}

}  // namespace

void DrawIconBoxEntry(TComboBox& box, TImageList* images, int index, TRect rect, TItemDrawState state) {
    TCanvas& c = box.Canvas();
    c.FillRect(rect);
    bool last = index == box.Count() - 1;
    if (!last && images && index < images->Count()) {
        images->Draw(c, rect.Left + 2, rect.Top + 2, index, !(state & idDisabled));
        return;
    }
    c.Brush().SetStyle(TBrushStyle::bsClear);
    TRect t{rect.Left + 4, rect.Top, rect.Right, rect.Bottom};
    c.DrawText(box.Items(index), t, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

TCustomizerForm::TCustomizerForm(TComponent* owner, TOrvToolBarCustomizer& customizer)
    : TForm(owner), FCustomizer(customizer) {
    SetBorderStyle(TFormBorderStyle::bsToolWindow);
    SetBorderIcons(biSystemMenu);
    Font().SetName(L"MS Sans Serif");
    Font().SetSize(8);
    SetClientWidth(kClientWidth);
    SetClientHeight(kClientHeight);
    Build();
    ApplySettings();
}

void TCustomizerForm::Build() {
    FUpperGroup = Place<TGroupBox>(this, 9, 3, 369, 253);
    FToolBarLabel = PlaceLabel(FUpperGroup, 7, 10, L"");
    FCommandLabel = PlaceLabel(FUpperGroup, 199, 10, L"");
    FItemList = Place<TListBox>(FUpperGroup, 7, 26, 162, 219);
    FItemList->SetOwnerDraw(true);
    FItemList->SetItemHeight(20);
    FItemList->OnDrawItem = TDrawItemEvent::Bind(this, &TCustomizerForm::DrawEntry);
    FItemList->OnClick = [this](TObject*) { UpdateButtons(); };
    FItemList->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { UpdateButtons(); };
    FItemList->OnDblClick = [this](TObject*) {
        if (FTools[tEdit]->GetVisible() && FTools[tEdit]->GetEnabled()) EditEntry();
    };
    FItemList->OnDragOver = [this](TObject*, TObject* source, int, int, TDragState, bool& accept) {
        accept = (source == FItemList && FCustomizer.Options().GetReOrder()) ||
                 (source == FCommandList && FCustomizer.Options().GetAddButton());
    };
    FItemList->OnDragDrop = [this](TObject*, TObject* source, int x, int y) {
        int at = FItemList->ItemAtPos({x, y});
        if (source == FItemList) {
            int from = FItemList->DragIndex();
            if (from < 0) return;
            MoveEntry(from, at < 0 ? static_cast<int>(FEntries.size()) - 1 : at);
        } else if (source == FCommandList) {
            if (at >= 0) SelectEntry(at);
            InsertCommand(false);
        }
    };
    FCommandList = Place<TListBox>(FUpperGroup, 199, 26, 162, 193);
    FCommandList->SetOwnerDraw(true);
    FCommandList->SetItemHeight(20);
    FCommandList->OnDrawItem = TDrawItemEvent::Bind(this, &TCustomizerForm::DrawCommand);
    FCommandList->OnClick = [this](TObject*) {
        int i = FCommandList->GetItemIndex();
        if (i >= 0 && i < FCustomizer.Commands().Count()) {
            int image = static_cast<TOTBCommand*>(FCustomizer.Commands().Items(i))->GetItemIndex();
            if (image >= 0 && image < FIconBox->Count() - 1) FIconBox->SetItemIndex(image);
        }
        UpdateButtons();
    };
    FIconBox = Place<TComboBox>(FUpperGroup, 199, 223, 162, 22);
    FIconBox->SetOwnerDraw(true);
    FIconBox->SetItemHeight(16);
    FIconBox->OnDrawItem = TDrawItemEvent::Bind(this, &TCustomizerForm::DrawIcon);

    for (int t = 0; t < tCount; ++t) {
        auto* b = new TCustomizerToolButton(FUpperGroup, static_cast<TTool>(t));
        b->SetBounds(kToolX, 26 + kToolStep * t, 23, 22);
        b->SetParent(FUpperGroup);
        b->SetShowHint(true);
        FTools[t] = b;
    }
    FTools[tTop]->OnClick = [this](TObject*) { MoveEntry(SelectedEntry(), 0); };
    FTools[tUp]->OnClick = [this](TObject*) { MoveEntry(SelectedEntry(), SelectedEntry() - 1); };
    FTools[tDown]->OnClick = [this](TObject*) { MoveEntry(SelectedEntry(), SelectedEntry() + 1); };
    FTools[tBottom]->OnClick = [this](TObject*) {
        MoveEntry(SelectedEntry(), static_cast<int>(FEntries.size()) - 1);
    };
    FTools[tAddCommand]->OnClick = [this](TObject*) { InsertCommand(false); };
    FTools[tAddGlowButton]->OnClick = [this](TObject*) { InsertCommand(true); };
    FTools[tAddSeparator]->OnClick = [this](TObject*) { InsertSeparator(); };
    FTools[tDelete]->OnClick = [this](TObject*) { DeleteEntry(); };
    FTools[tClear]->OnClick = [this](TObject*) { ClearEntries(); };
    FTools[tEdit]->OnClick = [this](TObject*) { EditEntry(); };

    FLowerGroup = Place<TGroupBox>(this, 9, 258, 369, 65);
    FCaptionLabel = PlaceLabel(FLowerGroup, 8, 14, L"");
    FCaptionEdit = Place<TEdit>(FLowerGroup, 8, 32, 130, 21);
    FCaptionEdit->OnChange = [this](TObject*) { MarkModified(); };
    FGlyphPosLabel = PlaceLabel(FLowerGroup, 148, 14, L"");
    FGlyphPosBox = Place<TComboBox>(FLowerGroup, 148, 32, 100, 21);
    FGlyphPosBox->OnChange = [this](TObject*) { MarkModified(); };
    FLargeIconCheck = Place<TCheckBox>(FLowerGroup, 260, 34, 100, 17);
    FLargeIconCheck->OnClick = [this](TObject*) { MarkModified(); };

    FOKButton = Place<TButton>(this, 122, 333, 75, 25);
    FOKButton->OnClick = [this](TObject*) {
        Post();
        SetModalResult(mrOk);
    };
    FOKButton->SetDefault(true);
    FCancelButton = Place<TButton>(this, 197, 333, 75, 25);
    FCancelButton->SetModalResult(mrCancel);
    FResetButton = Place<TButton>(this, 303, 334, 75, 25);
    FResetButton->SetModalResult(mrCustomizerReset);
}

void TCustomizerForm::ApplySettings() {
    TDialogSettings& ds = FCustomizer.DialogSettings();
    SetCaption(ds.GetCaption());
    FToolBarLabel->SetCaption(ds.GetToolBarLabel());
    FCommandLabel->SetCaption(ds.GetCommandLabel());
    FCaptionLabel->SetCaption(ds.GetCaptionLabel());
    FGlyphPosLabel->SetCaption(ds.GetGlyphPosLabel());
    FLargeIconCheck->SetCaption(ds.GetLargeIconCheck());
    const std::wstring hints[tCount] = {ds.GetTopHint(),    ds.GetUpHint(),          ds.GetDownHint(),
                                        ds.GetBottomHint(), ds.GetAddHint(),         ds.GetAddGlowButtonHint(),
                                        ds.GetAddSeparatorHint(), ds.GetDeleteHint(), ds.GetDeleteAllHint(),
                                        ds.GetEditHint()};
    for (int t = 0; t < tCount; ++t) FTools[t]->SetHint(hints[t]);
    FOKButton->SetCaption(ds.GetOKButtonCaption());
    FOKButton->SetHint(ds.GetOKButtonHint());
    FCancelButton->SetCaption(ds.GetCancelButtonCaption());
    FCancelButton->SetHint(ds.GetCancelButtonHint());
    FResetButton->SetCaption(ds.GetResetButtonCaption());
    FResetButton->SetHint(ds.GetResetButtonHint());
    FGlyphPosBox->Clear();
    for (const std::wstring& s : {ds.GetGlyphPositionLeftCaption(), ds.GetGlyphPositionTopCaption(),
                                  ds.GetGlyphPositionRightCaption(), ds.GetGlyphPositionBottomCaption()})
        FGlyphPosBox->AddItem(s);
    bool caption = ds.GetEditCaption();
    bool glyphPos = ds.GetEditGlyphPosition();
    bool large = ds.GetLargeIcon() && FCustomizer.GetLargeImages();
    FCaptionLabel->SetVisible(caption);
    FCaptionEdit->SetVisible(caption);
    FGlyphPosLabel->SetVisible(glyphPos);
    FGlyphPosBox->SetVisible(glyphPos);
    FLargeIconCheck->SetVisible(large);

    // The visible insert, delete, clear and edit buttons stack under the reorder ones.
    const TCustomizedOptions& o = FCustomizer.Options();
    bool reorder = o.GetReOrder();
    for (TTool t : {tTop, tUp, tDown, tBottom}) FTools[t]->SetVisible(reorder);
    FTools[tAddCommand]->SetVisible(o.GetAddButton() && FCustomizer.Commands().Count() > 0);
    FTools[tAddGlowButton]->SetVisible(o.GetAddGlowButton());
    FTools[tAddSeparator]->SetVisible(o.GetAddSeparator());
    FTools[tDelete]->SetVisible(o.GetDelete());
    FTools[tClear]->SetVisible(o.GetDeleteAll());
    FTools[tEdit]->SetVisible(o.GetEditButton());
    int y = reorder ? 26 + 4 * kToolStep : 26;
    for (TTool t : {tAddCommand, tAddGlowButton, tAddSeparator, tDelete, tClear, tEdit}) {
        if (!FTools[t]->GetVisible()) continue;
        FTools[t]->SetTop(y);
        y += kToolStep;
    }
    FItemList->SetDragMode(reorder ? TDragMode::dmAutomatic : TDragMode::dmManual);
    FCommandList->SetDragMode(o.GetAddButton() ? TDragMode::dmAutomatic : TDragMode::dmManual);
    CloseUpLowerBox();
}

void TCustomizerForm::CloseUpLowerBox() {
    bool caption = FCaptionEdit->GetVisible(), glyphPos = FGlyphPosBox->GetVisible();
    bool large = FLargeIconCheck->GetVisible();
    if (!caption && !glyphPos && !large) {
        // The box goes; the form and its buttons move up by its height.
        int height = FLowerGroup->Height();
        FLowerGroup->SetVisible(false);
        for (TButton* b : {FOKButton, FCancelButton, FResetButton}) b->SetTop(b->Top() - height);
        SetClientHeight(kClientHeight - height);
        return;
    }
    // The remaining parts move to the box's left end, in their order.
    int x = 8;
    if (caption) {
        FCaptionLabel->SetLeft(x);
        FCaptionEdit->SetLeft(x);
        x += FCaptionEdit->Width() + 10;
    }
    if (glyphPos) {
        FGlyphPosLabel->SetLeft(x);
        FGlyphPosBox->SetLeft(x);
        x += FGlyphPosBox->Width() + 12;
    }
    if (large) FLargeIconCheck->SetLeft(x);
}

TImageList* TCustomizerForm::ToolBarImages() const {
    TOrvCustomToolBar* toolBar = FCustomizer.GetOrvToolBar();
    return toolBar ? toolBar->GetImages() : nullptr;
}

TOTBItemProp TCustomizerForm::EntryFor(TControl* control) const {
    TOTBItemProp e;
    e.FOTBItem = control;
    e.FID = const_cast<TCustomizerForm*>(this)->FNextID++;
    e.FCustomizerCreated = FCustomizer.IsCustomizerCreated(control);
    e.FCommandID = FCustomizer.CommandIDOf(control);
    if (auto* b = dynamic_cast<TOrvCustomToolBarButton*>(control)) {
        e.FHasProperties = true;
        e.FCaption = b->GetCaption();
        e.FHint = b->GetHint();
        e.FVisible = b->GetVisible();
        e.FImageIndex = b->GetImageIndex();
        e.FForceImageIndex = b->GetForceImageIndex();
        e.FShowCaption = b->GetShowCaption();
        e.FText = e.FCaption;
    } else if (auto* g = dynamic_cast<TOrvCustomGlowButton*>(control)) {
        e.FHasProperties = true;
        e.FCaption = g->GetCaption();
        e.FHint = g->GetHint();
        e.FVisible = g->GetVisible();
        e.FImageIndex = g->GetImageIndex();
        e.FShowCaption = g->GetShowCaption();
        e.FText = e.FCaption;
    } else if (dynamic_cast<TOrvToolBarSeparator*>(control)) {
        e.FIsSeparator = true;
        e.FText = L"Separator";
    } else {
        e.FText = control->GetName();
    }
    return e;
}

void TCustomizerForm::LoadLists() {
    FLoading = true;
    FEntries.clear();
    FItemList->Clear();
    TOrvCustomToolBar* toolBar = FCustomizer.GetOrvToolBar();
    TImageList* images = ToolBarImages();
    FItemList->SetItemHeight(images ? images->GetHeight() + 3 : 20);
    if (toolBar)
        for (int i = 0; i < toolBar->GetToolBarControlCount(); ++i) {
            FEntries.push_back(EntryFor(toolBar->ToolBarControls(i)));
            FItemList->AddItem(FEntries.back().FText);
        }
    FCommandList->Clear();
    for (int i = 0; i < FCustomizer.Commands().Count(); ++i)
        FCommandList->AddItem(static_cast<TOTBCommand*>(FCustomizer.Commands().Items(i))->GetCaption());
    FIconBox->Clear();
    if (images) {
        for (int i = 0; i < images->Count(); ++i) FIconBox->AddItem(std::to_wstring(i));
        FIconBox->SetItemHeight(images->GetHeight() + 3);
    }
    FIconBox->AddItem(FCustomizer.DialogSettings().GetGlyphEditNoneIconCaption());
    FIconBox->SetItemIndex(FIconBox->Count() - 1);
    bool iconBox = images && FCustomizer.DialogSettings().GetEditGlyphVisible();
    FIconBox->SetVisible(iconBox);
    FIconBox->SetEnabled(FCustomizer.DialogSettings().GetEditGlyph());
    FCommandList->SetHeight(iconBox ? 193 : 219);
    if (toolBar) FCaptionEdit->SetText(toolBar->GetCaption());
    int glyphPosition = 0;
    if (toolBar)
        for (int i = 0; i < toolBar->GetToolBarControlCount(); ++i)
            if (auto* b = dynamic_cast<TOrvCustomToolBarButton*>(toolBar->ToolBarControls(i))) {
                glyphPosition = b->GetGlyphPosition();
                break;
            }
    FGlyphPosBox->SetItemIndex(glyphPosition);
    FLargeIconCheck->SetChecked(toolBar && FCustomizer.GetLargeImages() &&
                                toolBar->GetImages() == FCustomizer.GetLargeImages());
    FCommandList->SetItemIndex(FCommandList->Count() > 0 ? 0 : -1);
    FItemList->SetItemIndex(FItemList->Count() > 0 ? 0 : -1);
    FLoading = false;
    FModified = false;
    UpdateButtons();
}

bool TCustomizerForm::CanEditEntries() const {
    return FCustomizer.ButtonProperties().AnySet();
}

void TCustomizerForm::UpdateButtons() {
    int sel = SelectedEntry();
    int count = static_cast<int>(FEntries.size());
    bool reorder = FCustomizer.Options().GetReOrder();
    FTools[tTop]->SetEnabled(reorder && sel > 0);
    FTools[tUp]->SetEnabled(reorder && sel > 0);
    FTools[tDown]->SetEnabled(reorder && sel >= 0 && sel < count - 1);
    FTools[tBottom]->SetEnabled(reorder && sel >= 0 && sel < count - 1);
    FTools[tAddCommand]->SetEnabled(FCommandList->GetItemIndex() >= 0);
    FTools[tAddGlowButton]->SetEnabled(FCommandList->GetItemIndex() >= 0);
    FTools[tDelete]->SetEnabled(sel >= 0);
    FTools[tClear]->SetEnabled(count > 0);
    bool button = sel >= 0 && sel < count && FEntries[static_cast<size_t>(sel)].FHasProperties;
    FTools[tEdit]->SetEnabled(CanEditEntries() && button);
}

void TCustomizerForm::MarkModified() {
    if (!FLoading) FModified = true;
}

void TCustomizerForm::SelectEntry(int index) {
    FItemList->SetItemIndex(index);
    UpdateButtons();
}

void TCustomizerForm::MoveEntry(int from, int to) {
    int count = static_cast<int>(FEntries.size());
    if (from < 0 || from >= count || to < 0 || to >= count || from == to) return;
    TOTBItemProp entry = FEntries[static_cast<size_t>(from)];
    FEntries.erase(FEntries.begin() + from);
    FEntries.insert(FEntries.begin() + to, entry);
    FItemList->MoveItem(from, to);
    SelectEntry(to);
    MarkModified();
}

int TCustomizerForm::InsertPlace() const {
    int sel = SelectedEntry();
    int count = static_cast<int>(FEntries.size());
    return sel < 0 || sel >= count - 1 ? count : sel + 1;
}

void TCustomizerForm::InsertEntry(const TOTBItemProp& entry) {
    int at = InsertPlace();
    FEntries.insert(FEntries.begin() + at, entry);
    FItemList->InsertItem(at, entry.FText);
    SelectEntry(at);
    MarkModified();
}

void TCustomizerForm::InsertCommand(bool glowButton) {
    int command = FCommandList->GetItemIndex();
    if (command < 0 || command >= FCustomizer.Commands().Count()) return;
    TOTBItemProp e;
    e.FID = FNextID++;
    std::wstring caption = static_cast<TOTBCommand*>(FCustomizer.Commands().Items(command))->GetCaption();
    e.FCaption = e.FHint = e.FText = caption;
    int icon = FIconBox->GetItemIndex();
    e.FImageIndex = icon >= 0 && icon < FIconBox->Count() - 1 ? icon : -1;
    e.FForceImageIndex = true;
    e.FVisible = true;
    e.FShowCaption = true;
    e.FCommandID = command;
    e.FHasProperties = true;
    (glowButton ? e.FIsGlowButton : e.FIsOTBButton) = true;
    InsertEntry(e);
}

void TCustomizerForm::InsertSeparator() {
    TOTBItemProp e;
    e.FID = FNextID++;
    e.FIsSeparator = true;
    e.FText = L"Separator";
    // The first number no child of the toolbar nor an inserted separator has.
    TOrvCustomToolBar* toolBar = FCustomizer.GetOrvToolBar();
    for (int n = 1;; ++n) {
        std::wstring name = L"OrvToolBarSeparator" + std::to_wstring(n);
        bool used = std::any_of(FEntries.begin(), FEntries.end(),
                                [&](const TOTBItemProp& x) { return SameText(x.FName, name); });
        if (toolBar)
            for (int i = 0; i < toolBar->ControlCount() && !used; ++i)
                used = SameText(toolBar->Controls(i)->GetName(), name);
        if (!used) {
            e.FName = name;
            break;
        }
    }
    InsertEntry(e);
}

void TCustomizerForm::DeleteEntry() {
    int sel = SelectedEntry();
    if (sel < 0 || sel >= static_cast<int>(FEntries.size())) return;
    FEntries.erase(FEntries.begin() + sel);
    FItemList->DeleteItem(sel);
    SelectEntry(std::min(sel, static_cast<int>(FEntries.size()) - 1));
    MarkModified();
}

void TCustomizerForm::ClearEntries() {
    if (MessageDlg(L"Are you sure that you want to clear ToolBar?", TMsgDlgType::mtConfirmation, mbYesNo) != mrYes)
        return;
    FEntries.clear();
    FItemList->Clear();
    MarkModified();
    UpdateButtons();
}

void TCustomizerForm::EditEntry() {
    int sel = SelectedEntry();
    if (sel < 0 || sel >= static_cast<int>(FEntries.size()) || !FEntries[static_cast<size_t>(sel)].FHasProperties)
        return;
    TOwnedPtr<TCusBtnForm> editor(new TCusBtnForm(nullptr, FCustomizer, FEntries[static_cast<size_t>(sel)]));
    TPoint at = ClientToScreen({75, 120});
    editor->SetLeft(at.X);
    editor->SetTop(at.Y);
    if (editor->ShowModal() != mrOk) return;
    FItemList->SetItem(sel, FEntries[static_cast<size_t>(sel)].FText);
    MarkModified();
}

void TCustomizerForm::Post() {
    TCustomizationData data;
    data.Items = FEntries;
    data.CaptionShown = FCaptionEdit->GetVisible();
    data.Caption = FCaptionEdit->GetText();
    data.GlyphPositionShown = FGlyphPosBox->GetVisible();
    data.GlyphPosition = std::max(FGlyphPosBox->GetItemIndex(), 0);
    data.LargeIconShown = FLargeIconCheck->GetVisible();
    data.LargeIcon = FLargeIconCheck->GetChecked();
    FCustomizer.WriteCustomization(data);
}

int TCustomizerForm::EntryImage(const TOTBItemProp& e) const {
    TImageList* images = ToolBarImages();
    if (!images || e.FImageIndex < 0 || e.FImageIndex >= images->Count()) return -1;
    return e.FImageIndex;
}

int TCustomizerForm::EntryTextLeft(int index) const {
    const TOTBItemProp& e = FEntries.at(static_cast<size_t>(index));
    if (auto* b = dynamic_cast<TOrvCustomToolBarButton*>(e.FOTBItem); b && !b->Glyph().Empty())
        return b->Glyph().Width() + 8;
    if (!e.FIsSeparator && EntryImage(e) >= 0) return ToolBarImages()->GetWidth() + 8;
    return 8 + 2;
}

void TCustomizerForm::DrawEntry(TWinControl*, int index, TRect rect, TItemDrawState) {
    TCanvas& c = FItemList->Canvas();
    c.FillRect(rect);
    if (index < 0 || index >= static_cast<int>(FEntries.size())) return;
    const TOTBItemProp& e = FEntries[static_cast<size_t>(index)];
    if (auto* b = dynamic_cast<TOrvCustomToolBarButton*>(e.FOTBItem); b && !b->Glyph().Empty())
        c.Draw(rect.Left + 2, rect.Top + 2, b->Glyph());
    else if (!e.FIsSeparator && EntryImage(e) >= 0)
        ToolBarImages()->Draw(c, rect.Left + 2, rect.Top + 2, e.FImageIndex);
    int textHeight = c.TextHeight(L"Wg");
    TRect t{rect.Left + EntryTextLeft(index), rect.Top + (rect.Height() - textHeight) / 2, rect.Right, rect.Bottom};
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.DrawText(e.FText, t, DT_LEFT | DT_TOP | DT_SINGLELINE);
}

void TCustomizerForm::DrawCommand(TWinControl*, int index, TRect rect, TItemDrawState) {
    TCanvas& c = FCommandList->Canvas();
    c.FillRect(rect);
    if (index < 0 || index >= FCustomizer.Commands().Count()) return;
    auto* command = static_cast<TOTBCommand*>(FCustomizer.Commands().Items(index));
    TImageList* images = ToolBarImages();
    int left = 8 + 2;
    if (images && command->GetItemIndex() >= 0 && command->GetItemIndex() < images->Count()) {
        images->Draw(c, rect.Left + 2, rect.Top + 2, command->GetItemIndex());
        left = images->GetWidth() + 8;
    }
    int textHeight = c.TextHeight(L"Wg");
    TRect t{rect.Left + left, rect.Top + (rect.Height() - textHeight) / 2, rect.Right, rect.Bottom};
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.DrawText(command->GetCaption(), t, DT_LEFT | DT_TOP | DT_SINGLELINE);
}

void TCustomizerForm::DrawIcon(TWinControl*, int index, TRect rect, TItemDrawState state) {
    DrawIconBoxEntry(*FIconBox, ToolBarImages(), index, rect, state);
}

}  // namespace orv
