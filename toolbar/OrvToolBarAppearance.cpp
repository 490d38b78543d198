#include "toolbar/OrvToolBarAppearance.h"

#include <windows.h>

#include "framework/ClassRegistry.h"
#include "toolbar/OrvToolBarStylers.h"
#include "toolbar/OrvToolBarTabAppearance.h"

namespace orv {

// --- TToolBarRecord -------------------------------------------------------------

void TToolBarRecord::Changed() {
    if (FQuiet > 0) return;
    if (FUpdateCount > 0) {
        FChangedInUpdate = true;
        return;
    }
    OnChange(this);
}

void TToolBarRecord::EndUpdate() {
    if (FUpdateCount == 0) return;
    if (--FUpdateCount == 0 && FChangedInUpdate) {
        FChangedInUpdate = false;
        OnChange(this);
    }
}

void TToolBarRecord::AssignValues(const TPersistent* source, TNames loud, TNames kept) {
    // The tables come with the toolbar unit; a program may assign records before it
    // registered them.
    RegisterToolbarClasses();
    auto named = [](TNames names, const TPropInfo& p) {
        for (const wchar_t* n : names)
            if (p.Name == n) return true;
        return false;
    };
    struct TQuiet {
        int& Count;
        explicit TQuiet(int& count) : Count(count) { ++Count; }
        ~TQuiet() { --Count; }
    };
    {
        TQuiet quiet(FQuiet);
        AssignPublished(source, this, [&](const TPropInfo& p) { return !named(loud, p) && !named(kept, p); });
    }
    AssignPublished(source, this, [&](const TPropInfo& p) { return named(loud, p); });
}

// --- small records --------------------------------------------------------------

void TGradientBackground::Assign(const TPersistent* source) {
    if (!dynamic_cast<const TGradientBackground*>(source)) return;  // other sources change nothing
    AssignValues(source);
}

void TMirrorGradient::Assign(const TPersistent* source) {
    if (!dynamic_cast<const TMirrorGradient*>(source)) {
        TPersistent::Assign(source);
        return;
    }
    AssignValues(source);
}

TVistaGradientBackground::TVistaGradientBackground() {
    FMirror.OnChange = TNotifyEvent::Bind(static_cast<TToolBarRecord*>(this), &TVistaGradientBackground::ChildChanged);
}

TVistaGradientBackground::TVistaGradientBackground(TColor color, TColor colorTo) : TGradientBackground(color, colorTo) {
    FMirror.OnChange = TNotifyEvent::Bind(static_cast<TToolBarRecord*>(this), &TVistaGradientBackground::ChildChanged);
}

void TContainerAppearance::Assign(const TPersistent* source) {
    if (!dynamic_cast<const TContainerAppearance*>(source)) {
        TPersistent::Assign(source);
        return;
    }
    AssignValues(source, {L"LineColor", L"Line3D"});
}

void TCaptionAppearance::Assign(const TPersistent* source) {
    if (!dynamic_cast<const TCaptionAppearance*>(source)) {
        TPersistent::Assign(source);
        return;
    }
    AssignValues(source, {L"CaptionTextColorHot", L"CaptionBorderColorHot"});
}

void TVistaBackground::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TVistaBackground*>(source);
    if (!s) {
        TPersistent::Assign(source);
        return;
    }
    AssignValues(source, {L"Gradient", L"GradientMirror"});
    AssignShades(*s);
}

TVistaTextBackground::TVistaTextBackground() {
    InitRecordFont(FFont, TSystemFont::Face, 8);
    FFont.OnChange = TNotifyEvent::Bind(static_cast<TToolBarRecord*>(this), &TVistaTextBackground::ChildChanged);
}

void TVistaTextBackground::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TVistaBackground*>(source);
    if (!s) {
        TPersistent::Assign(source);
        return;
    }
    AssignValues(source, {L"Gradient", L"GradientMirror", L"TextColor", L"TextColorExtended", L"Font"},
                 {L"SystemFont"});
    AssignShades(*s);
}

void TVistaTextBackground::SetSystemFont(bool value) {
    if (FSystemFont == value) return;
    FSystemFont = value;
    if (value) InitRecordFont(FFont, TSystemFont::Face);
}

void TQATAppearance::Assign(const TPersistent* source) {
    if (!dynamic_cast<const TQATAppearance*>(source)) {
        TPersistent::Assign(source);
        return;
    }
    AssignValues(source, {L"Steps"});
}

TToolBarAppearance::TToolBarAppearance() {
    auto hook = TNotifyEvent::Bind(static_cast<TToolBarRecord*>(this), &TToolBarAppearance::ChildChanged);
    FColor.OnChange = hook;
    FColorHot.OnChange = hook;
}

void TToolBarAppearance::Assign(const TPersistent* source) {
    if (!dynamic_cast<const TToolBarAppearance*>(source)) {
        TPersistent::Assign(source);
        return;
    }
    AssignValues(source);
}

// --- tabs, groups, buttons ------------------------------------------------------

TCustomTabAppearance::TCustomTabAppearance() {
    InitRecordFont(FFont, TSystemFont::Face, 8);
    FFont.OnChange = TNotifyEvent::Bind(static_cast<TToolBarRecord*>(this), &TCustomTabAppearance::ChildChanged);
}

void TCustomTabAppearance::Assign(const TPersistent* source) {
    if (!dynamic_cast<const TCustomTabAppearance*>(source)) {
        TPersistent::Assign(source);
        return;
    }
    AssignValues(source, {L"TextColor", L"TextColorHot", L"Font"}, {L"SystemFont"});
}

void TCustomTabAppearance::SetSystemFont(bool value) {
    if (FSystemFont == value) return;
    FSystemFont = value;
    if (value) InitRecordFont(FFont, TSystemFont::Face);
}

TTabAppearance::TTabAppearance() {
    FBackGround.OnChange = TNotifyEvent::Bind(static_cast<TToolBarRecord*>(this), &TTabAppearance::ChildChanged);
}

TGroupAppearance::TGroupAppearance() {
    InitRecordFont(FFont, TSystemFont::Face, 8);
    auto hook = TNotifyEvent::Bind(static_cast<TToolBarRecord*>(this), &TGroupAppearance::ChildChanged);
    FFont.OnChange = hook;
    FCaptionAppearance.OnChange = hook;
    FPageAppearance.OnChange = hook;
    FTabAppearance.OnChange = hook;
    FToolBarAppearance.OnChange = hook;
}

void TGroupAppearance::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TGroupAppearance*>(source);
    if (!s) {
        TPersistent::Assign(source);
        return;
    }
    // The nested caption, page and tab records raise their changes (and so this one's).
    AssignValues(source, {L"CaptionAppearance", L"PageAppearance", L"TabAppearance", L"Gradient", L"GradientMirror"},
                 {L"SystemFont"});
    FSteps = s->FSteps;  // not published
}

void TGroupAppearance::SetSystemFont(bool value) {
    if (FSystemFont == value) return;
    FSystemFont = value;
    if (value) InitRecordFont(FFont, TSystemFont::Face);
}

TButtonAppearance::TButtonAppearance() {
    InitRecordFont(FCaptionFont, TSystemFont::Face);
    FCaptionFont.OnChange = TNotifyEvent::Bind(static_cast<TToolBarRecord*>(this), &TButtonAppearance::ChildChanged);
}

void TButtonAppearance::Assign(const TPersistent* source) {
    if (!dynamic_cast<const TButtonAppearance*>(source)) {
        TPersistent::Assign(source);
        return;
    }
    AssignValues(source, {},
                 {L"GradientDirectionHot", L"GradientDirectionDown", L"GradientDirectionChecked", L"CaptionFont",
                  L"SystemFont"});
}

void TButtonAppearance::SetSystemFont(bool value) {
    if (FSystemFont == value) return;
    FSystemFont = value;
    if (value) InitRecordFont(FCaptionFont, TSystemFont::Face);
}

}  // namespace orv
