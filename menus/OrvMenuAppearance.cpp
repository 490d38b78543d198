#include "menus/OrvMenuAppearance.h"

#include <windows.h>

#include "framework/Menus.h"
#include "framework/Resources.h"

namespace orv::menus {

void TMenuRecord::Changed() {
    if (FUpdateCount > 0) {
        FChangedInUpdate = true;
        return;
    }
    OnChange(this);
}

void TMenuRecord::EndUpdate() {
    if (FUpdateCount == 0) return;
    if (--FUpdateCount == 0 && FChangedInUpdate) {
        FChangedInUpdate = false;
        OnChange(this);
    }
}

// --- TGradientBar
// ------------------------------------------------------------------------------

TColor TGradientBar::GetColorAt(int index) const {
    if (index < 0 || index >= FColorCount) throw EInvalidPropertyIndex(index);
    return FColors[static_cast<size_t>(index)];
}

void TGradientBar::SetColorAt(int index, TColor value) {
    if (index < 0 || index >= FColorCount) throw EInvalidPropertyIndex(index);
    if (FColors[static_cast<size_t>(index)] == value) return;
    FColors[static_cast<size_t>(index)] = value;
    Changed();
}

void TGradientBar::Assign(const TPersistent* source) {
    if (auto* s = dynamic_cast<const TGradientBar*>(source)) {
        FColors = s->FColors;
        FGradientDirection = s->FGradientDirection;
        Changed();
        return;
    }
    TMenuRecord::Assign(source);
}

// --- TBackground
// -------------------------------------------------------------------------------

TBackground::TBackground() : FImage(std::make_unique<TBitmap>()) {
    FColors = {0xFFFAFD, clNone, clNone, clNone};
    FImage->OnChange = [this](TObject*) { Changed(); };
}

void TBackground::SetImage(const TBitmap& value) {
    FImage->Assign(&value);
}

void TBackground::Assign(const TPersistent* source) {
    if (auto* s = dynamic_cast<const TBackground*>(source)) {
        BeginUpdate();
        TGradientBar::Assign(source);
        FImage->Assign(s->FImage.get());
        FPosition = s->FPosition;
        FOffsetX = s->FOffsetX;
        FOffsetY = s->FOffsetY;
        FMarginX = s->FMarginX;
        FMarginY = s->FMarginY;
        Changed();
        EndUpdate();
        return;
    }
    TGradientBar::Assign(source);
}

// --- TIconBar
// ----------------------------------------------------------------------------------

TIconBar::TIconBar() {
    FColors = {0xFFF9F9, 0xBBA0A1, clNone, clNone};
    FGradientDirection = gdHorizontal;
}

void TIconBar::Assign(const TPersistent* source) {
    if (auto* s = dynamic_cast<const TIconBar*>(source)) {
        BeginUpdate();
        TGradientBar::Assign(source);
        FCheck = s->FCheck;
        FRadio = s->FRadio;
        FCheckBorder = s->FCheckBorder;
        FCheckGradientDirection = s->FCheckGradientDirection;
        FRadioBorder = s->FRadioBorder;
        FRadioGradientDirection = s->FRadioGradientDirection;
        FSeparatorColor = s->FSeparatorColor;
        FSize = s->FSize;
        Changed();
        EndUpdate();
        return;
    }
    TGradientBar::Assign(source);
}

// --- TSelectedItem
// -----------------------------------------------------------------------------

TSelectedItem::TSelectedItem() {
    FColors = {0xC2EEFF, clNone, clNone, clNone};
    FColorCount = 4;
    GetSystemMenuFont(FFont);
    GetSystemMenuFont(FNotesFont);
    FNotesFont.SetSize(FNotesFont.GetSize() - 2);
    FFont.OnChange = [this](TObject*) { Changed(); };
    FNotesFont.OnChange = [this](TObject*) { Changed(); };
}

void TSelectedItem::Assign(const TPersistent* source) {
    if (auto* s = dynamic_cast<const TSelectedItem*>(source)) {
        BeginUpdate();
        TGradientBar::Assign(source);
        FBorderColor = s->FBorderColor;
        FFont.Assign(&s->FFont);
        FNotesFont.Assign(&s->FNotesFont);
        FUseSystemFont = s->FUseSystemFont;
        FCheck = s->FCheck;
        FRadio = s->FRadio;
        FCheckBorder = s->FCheckBorder;
        FCheckGradientDirection = s->FCheckGradientDirection;
        FRadioBorder = s->FRadioBorder;
        FRadioGradientDirection = s->FRadioGradientDirection;
        Changed();
        EndUpdate();
        return;
    }
    TGradientBar::Assign(source);
}

// --- TRootItem
// ---------------------------------------------------------------------------------

TRootItem::TRootItem() {
    FColors = {0xE5D7D7, 0xF7F2F2, clNone, clNone};
    FGradientDirection = gdHorizontal;
    GetSystemMenuFont(FFont);
    FFont.OnChange = [this](TObject*) { Changed(); };
}

void TRootItem::Assign(const TPersistent* source) {
    if (auto* s = dynamic_cast<const TRootItem*>(source)) {
        BeginUpdate();
        TGradientBar::Assign(source);
        FFont.Assign(&s->FFont);
        FUseSystemFont = s->FUseSystemFont;
        FSelected = s->FSelected;
        FSelectedGradientDirection = s->FSelectedGradientDirection;
        FSelectedBorderColor = s->FSelectedBorderColor;
        FSelectedTextColor = s->FSelectedTextColor;
        FHover = s->FHover;
        FHoverGradientDirection = s->FHoverGradientDirection;
        FHoverBorderColor = s->FHoverBorderColor;
        FHoverTextColor = s->FHoverTextColor;
        Changed();
        EndUpdate();
        return;
    }
    TGradientBar::Assign(source);
}

// --- TSeparator
// --------------------------------------------------------------------------------

TSeparator::TSeparator() {
    FColors = {0x8F6D6E, clNone, clNone, clNone};
}

void TSeparator::Assign(const TPersistent* source) {
    if (auto* s = dynamic_cast<const TSeparator*>(source)) {
        BeginUpdate();
        TGradientBar::Assign(source);
        FWidth = s->FWidth;
        FGradientType = s->FGradientType;
        FGradientWidth = s->FGradientWidth;
        FMargin = s->FMargin;
        Changed();
        EndUpdate();
        return;
    }
    TGradientBar::Assign(source);
}

// --- TMenuGlyphs
// -------------------------------------------------------------------------------

TMenuGlyphs::TMenuGlyphs() {
    const std::pair<TBitmap*, const wchar_t*> glyphs[] = {
        {&FSubMenu, L"ORVSUBMENUITEM"}, {&FCheck, L"ORVCHECKITEM"}, {&FRadio, L"ORVRADIOITEM"}};
    for (auto [bitmap, name] : glyphs) {
        // A program linked without the glyph resources gets empty glyphs.
        if (ResourceExists(MainInstance(), name, RT_BITMAP)) bitmap->LoadFromResourceName(MainInstance(), name);
        // Glyphs are black on white; white is the see-through colour.
        bitmap->SetTransparentColor(clWhite);
        bitmap->SetTransparent(true);
        bitmap->OnChange = [this](TObject*) { Changed(); };
    }
}

void TMenuGlyphs::Assign(const TPersistent* source) {
    if (auto* s = dynamic_cast<const TMenuGlyphs*>(source)) {
        BeginUpdate();
        FSubMenu.Assign(&s->FSubMenu);
        FCheck.Assign(&s->FCheck);
        FRadio.Assign(&s->FRadio);
        EndUpdate();
        return;
    }
    TMenuRecord::Assign(source);
}

// --- TBarCaption, TSideBar
// ---------------------------------------------------------------------

TBarCaption::TBarCaption() {
    FFont.SetName(L"Tahoma");
    FFont.SetSize(14);
    FFont.SetColor(0xFFFFFF);
    FFont.SetStyle(fsBold | fsItalic);
    FFont.OnChange = [this](TObject*) { Changed(); };
}

void TBarCaption::Assign(const TPersistent* source) {
    if (auto* s = dynamic_cast<const TBarCaption*>(source)) {
        BeginUpdate();
        FAlignment = s->FAlignment;
        FCaption = s->FCaption;
        FFont.Assign(&s->FFont);
        FShadowColor = s->FShadowColor;
        FDepth = s->FDepth;
        FDirection = s->FDirection;
        FHighlightColor = s->FHighlightColor;
        FOffset = s->FOffset;
        Changed();
        EndUpdate();
        return;
    }
    TMenuRecord::Assign(source);
}

TSideBar::TSideBar() {
    FImage.OnChange = TNotifyEvent::Bind(this, &TSideBar::RecordChanged);
    FBackground.OnChange = TNotifyEvent::Bind(this, &TSideBar::RecordChanged);
}

void TSideBar::Assign(const TPersistent* source) {
    if (auto* s = dynamic_cast<const TSideBar*>(source)) {
        BeginUpdate();
        TBarCaption::Assign(source);
        FVisible = s->FVisible;
        FVisibleIn = s->FVisibleIn;
        FImage.Assign(&s->FImage);
        FBackground.Assign(&s->FBackground);
        FSize = s->FSize;
        FSplitterColor = s->FSplitterColor;
        FSplitterColorTo = s->FSplitterColorTo;
        FSplitterWidth = s->FSplitterWidth;
        FSplitterMargin = s->FSplitterMargin;
        FSplitterGradientWidth = s->FSplitterGradientWidth;
        FSplitterGradientType = s->FSplitterGradientType;
        FBorderColor = s->FBorderColor;
        FSide = s->FSide;
        Changed();
        EndUpdate();
        return;
    }
    TBarCaption::Assign(source);
}

// --- TButtonAppearance
// -------------------------------------------------------------------------

TButtonAppearance::TButtonAppearance() {
    GetSystemMenuFont(FCaptionFont);
    FCaptionFont.OnChange = [this](TObject*) { Changed(); };
}

void TButtonAppearance::Assign(const TPersistent* source) {
    if (auto* s = dynamic_cast<const TButtonAppearance*>(source)) {
        BeginUpdate();
        FColor = s->FColor;
        FColorTo = s->FColorTo;
        FDownColor = s->FDownColor;
        FDownColorTo = s->FDownColorTo;
        FHoverColor = s->FHoverColor;
        FHoverColorTo = s->FHoverColorTo;
        FGradientDirection = s->FGradientDirection;
        FBorderColor = s->FBorderColor;
        FDownBorderColor = s->FDownBorderColor;
        FHoverBorderColor = s->FHoverBorderColor;
        FCaptionFont.Assign(&s->FCaptionFont);
        FUseSystemFont = s->FUseSystemFont;
        Changed();
        EndUpdate();
        return;
    }
    TMenuRecord::Assign(source);
}

}  // namespace orv::menus
