#include "menus/OrvMenuAppearance.h"

#include <windows.h>

#include "framework/ClassRegistry.h"
#include "framework/Menus.h"
#include "framework/Resources.h"
#include "framework/SystemFont.h"
#include "menus/MenusUnits.h"

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

void TMenuRecord::AssignValues(const TPersistent* source, const std::function<void()>& unpublished) {
    // The tables come with the menus unit; a program may assign records before it
    // registered them.
    if (!TClassRegistry::Find(L"TGradientBar")) RegisterMenusClasses();
    BeginUpdate();
    try {
        AssignPublished(source, this);
        if (unpublished) unpublished();
    } catch (...) {
        EndUpdate();
        throw;
    }
    Changed();
    EndUpdate();
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
    // Every bar of the same class (or a shared ancestor) is copied by the tables.
    if (dynamic_cast<const TGradientBar*>(source)) {
        AssignValues(source);
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

// --- TIconBar
// ----------------------------------------------------------------------------------

TIconBar::TIconBar() {
    FColors = {0xFFF9F9, 0xBBA0A1, clNone, clNone};
    FGradientDirection = gdHorizontal;
}

// --- TSelectedItem
// -----------------------------------------------------------------------------

TSelectedItem::TSelectedItem() {
    FColors = {0xC2EEFF, clNone, clNone, clNone};
    FColorCount = 4;
    InitRecordFont(FFont, TSystemFont::Menu);
    InitRecordFont(FNotesFont, TSystemFont::Menu);
    FNotesFont.SetSize(FNotesFont.GetSize() - 2);
    FFont.OnChange = [this](TObject*) { Changed(); };
    FNotesFont.OnChange = [this](TObject*) { Changed(); };
}

// --- TRootItem
// ---------------------------------------------------------------------------------

TRootItem::TRootItem() {
    FColors = {0xE5D7D7, 0xF7F2F2, clNone, clNone};
    FGradientDirection = gdHorizontal;
    InitRecordFont(FFont, TSystemFont::Menu);
    FFont.OnChange = [this](TObject*) { Changed(); };
}

// --- TSeparator
// --------------------------------------------------------------------------------

TSeparator::TSeparator() {
    FColors = {0x8F6D6E, clNone, clNone, clNone};
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
        AssignValues(source, [&] { AssignUnpublished(*s); });
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
        AssignValues(source, [&] {
            AssignUnpublished(*s);
            FSide = s->FSide;
        });
        return;
    }
    TBarCaption::Assign(source);
}

// --- TButtonAppearance
// -------------------------------------------------------------------------

TButtonAppearance::TButtonAppearance() {
    InitRecordFont(FCaptionFont, TSystemFont::Menu);
    FCaptionFont.OnChange = [this](TObject*) { Changed(); };
}

void TButtonAppearance::Assign(const TPersistent* source) {
    if (dynamic_cast<const TButtonAppearance*>(source)) {
        AssignValues(source);
        return;
    }
    TMenuRecord::Assign(source);
}

}  // namespace orv::menus
