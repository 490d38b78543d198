#include "framework/Graphics.h"

#include <windows.h>

#include <cmath>
#include <cwchar>

#include "framework/SysUtils.h"

namespace orv {

TColor ColorToRGB(TColor color) {
    if (IsSystemColor(color)) return static_cast<TColor>(GetSysColor(color & 0xFF));
    return color;
}

namespace {
struct TColorName {
    TColor Color;
    const wchar_t* Name;
};
const TColorName kColorNames[] = {
    {clBlack, L"clBlack"},
    {clMaroon, L"clMaroon"},
    {clGreen, L"clGreen"},
    {clOlive, L"clOlive"},
    {clNavy, L"clNavy"},
    {clPurple, L"clPurple"},
    {clTeal, L"clTeal"},
    {clGray, L"clGray"},
    {clSilver, L"clSilver"},
    {clRed, L"clRed"},
    {clLime, L"clLime"},
    {clYellow, L"clYellow"},
    {clBlue, L"clBlue"},
    {clFuchsia, L"clFuchsia"},
    {clAqua, L"clAqua"},
    {clWhite, L"clWhite"},
    {0xC0DCC0, L"clMoneyGreen"},
    {0xF0CAA6, L"clSkyBlue"},
    {0xF0FBFF, L"clCream"},
    {0xA4A0A0, L"clMedGray"},
    {clScrollBar, L"clScrollBar"},
    {clBackground, L"clBackground"},
    {clActiveCaption, L"clActiveCaption"},
    {clInactiveCaption, L"clInactiveCaption"},
    {clMenu, L"clMenu"},
    {clWindow, L"clWindow"},
    {clWindowFrame, L"clWindowFrame"},
    {clMenuText, L"clMenuText"},
    {clWindowText, L"clWindowText"},
    {clCaptionText, L"clCaptionText"},
    {clActiveBorder, L"clActiveBorder"},
    {clInactiveBorder, L"clInactiveBorder"},
    {clAppWorkSpace, L"clAppWorkSpace"},
    {clHighlight, L"clHighlight"},
    {clHighlightText, L"clHighlightText"},
    {clBtnFace, L"clBtnFace"},
    {clBtnShadow, L"clBtnShadow"},
    {clGrayText, L"clGrayText"},
    {clBtnText, L"clBtnText"},
    {clInactiveCaptionText, L"clInactiveCaptionText"},
    {clBtnHighlight, L"clBtnHighlight"},
    {cl3DDkShadow, L"cl3DDkShadow"},
    {cl3DLight, L"cl3DLight"},
    {clInfoText, L"clInfoText"},
    {clInfoBk, L"clInfoBk"},
    {clHotLight, L"clHotLight"},
    {clGradientActiveCaption, L"clGradientActiveCaption"},
    {clGradientInactiveCaption, L"clGradientInactiveCaption"},
    {clMenuHighlight, L"clMenuHighlight"},
    {clMenuBar, L"clMenuBar"},
    {clNone, L"clNone"},
    {clDefault, L"clDefault"},
};
}  // namespace

bool ColorToIdent(TColor color, std::wstring& ident) {
    for (const auto& c : kColorNames)
        if (c.Color == color) {
            ident = c.Name;
            return true;
        }
    return false;
}

bool IdentToColor(const std::wstring& ident, TColor& color) {
    for (const auto& c : kColorNames)
        if (SameText(ident, c.Name)) {
            color = c.Color;
            return true;
        }
    return false;
}

std::wstring ColorToString(TColor color) {
    std::wstring ident;
    if (ColorToIdent(color, ident)) return ident;
    wchar_t buffer[16];
    swprintf(buffer, 16, L"$%08x", static_cast<unsigned>(color));
    return buffer;
}

TColor StringToColor(const std::wstring& text) {
    TColor c;
    if (IdentToColor(text, c)) return c;
    return StrToInt(text);
}

int ScreenPixelsPerInch() {
    static int ppi = 0;
    if (ppi == 0) {
        HDC dc = GetDC(nullptr);
        ppi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
        if (dc) ReleaseDC(nullptr, dc);
        if (ppi <= 0) ppi = 96;
    }
    return ppi;
}

// --- TFont -------------------------------------------------------------------

TFont::TFont() = default;

void TFont::Assign(const TPersistent* source) {
    if (auto* f = dynamic_cast<const TFont*>(source)) {
        if (SameAs(*f)) return;
        FName = f->FName;
        FHeight = f->FHeight;
        FStyle = f->FStyle;
        FColor = f->FColor;
        FCharset = f->FCharset;
        FOrientation = f->FOrientation;
        Changed();
        return;
    }
    TPersistent::Assign(source);
}

bool TFont::SameAs(const TFont& o) const {
    return FName == o.FName && FHeight == o.FHeight && FStyle == o.FStyle && FColor == o.FColor &&
           FCharset == o.FCharset && FOrientation == o.FOrientation;
}

void TFont::Changed() {
    OnChange(this);
}

void TFont::SetName(const std::wstring& value) {
    if (FName == value || value.empty()) return;
    FName = value;
    Changed();
}

void TFont::SetHeight(int value) {
    if (FHeight == value) return;
    FHeight = value;
    Changed();
}

int TFont::GetSize() const {
    return static_cast<int>(std::lround(-static_cast<double>(FHeight) * 72.0 / ScreenPixelsPerInch()));
}

void TFont::SetSize(int points) {
    SetHeight(-MulDiv(points, ScreenPixelsPerInch(), 72));
}

void TFont::SetStyle(TFontStyles value) {
    if (FStyle == value) return;
    FStyle = value;
    Changed();
}

void TFont::SetColor(TColor value) {
    if (FColor == value) return;
    FColor = value;
    Changed();
}

void TFont::SetCharset(uint8_t value) {
    if (FCharset == value) return;
    FCharset = value;
    Changed();
}

void TFont::SetOrientation(int value) {
    if (FOrientation == value) return;
    FOrientation = value;
    Changed();
}

// --- TPen / TBrush ---------------------------------------------------------------

void TPen::Assign(const TPersistent* source) {
    if (auto* p = dynamic_cast<const TPen*>(source)) {
        FColor = p->FColor;
        FWidth = p->FWidth;
        FStyle = p->FStyle;
        Changed();
        return;
    }
    TPersistent::Assign(source);
}
void TPen::Changed() {
    OnChange(this);
}
void TPen::SetColor(TColor value) {
    if (FColor == value) return;
    FColor = value;
    Changed();
}
void TPen::SetWidth(int value) {
    if (FWidth == value) return;
    FWidth = value;
    Changed();
}
void TPen::SetStyle(TPenStyle value) {
    if (FStyle == value) return;
    FStyle = value;
    Changed();
}

void TBrush::Assign(const TPersistent* source) {
    if (auto* b = dynamic_cast<const TBrush*>(source)) {
        FColor = b->FColor;
        FStyle = b->FStyle;
        Changed();
        return;
    }
    TPersistent::Assign(source);
}
void TBrush::Changed() {
    OnChange(this);
}
void TBrush::SetColor(TColor value) {
    if (FColor == value && FStyle == TBrushStyle::bsSolid) return;
    FColor = value;
    // Picking a colour makes a clear brush solid again, as callers expect.
    FStyle = TBrushStyle::bsSolid;
    Changed();
}
void TBrush::SetStyle(TBrushStyle value) {
    if (FStyle == value) return;
    FStyle = value;
    Changed();
}

// --- TGraphic -------------------------------------------------------------------

void TGraphic::SetTransparent(bool value) {
    if (FTransparent == value) return;
    FTransparent = value;
    Changed();
}
void TGraphic::Changed() {
    OnChange(this);
}

}  // namespace orv
