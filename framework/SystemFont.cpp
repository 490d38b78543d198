#include "framework/SystemFont.h"

#include <windows.h>

namespace orv {

const wchar_t* SystemFontName() {
    static const bool vistaOrLater = [] {
        HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
        return kernel && GetProcAddress(kernel, "GetLocaleInfoEx") != nullptr;
    }();
    return vistaOrLater ? L"Segoe UI" : L"Tahoma";
}

namespace {

void ApplyMenuFont(TFont& font) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        font.SetName(L"Tahoma");
        font.SetHeight(-11);
        font.SetStyle(0);
        font.SetColor(clWindowText);
        return;
    }
    AssignLogFont(font, metrics.lfMenuFont);
    font.SetColor(clWindowText);
}

}  // namespace

void AssignLogFont(TFont& font, const LOGFONTW& lf) {
    font.SetName(lf.lfFaceName);
    font.SetHeight(lf.lfHeight != 0 ? lf.lfHeight : -11);
    TFontStyles style = 0;
    if (lf.lfWeight >= FW_BOLD) style |= fsBold;
    if (lf.lfItalic) style |= fsItalic;
    if (lf.lfUnderline) style |= fsUnderline;
    if (lf.lfStrikeOut) style |= fsStrikeOut;
    font.SetStyle(style);
    font.SetCharset(lf.lfCharSet);
}

void InitRecordFont(TFont& font, TSystemFont kind, int points) {
    switch (kind) {
        case TSystemFont::Menu:
            ApplyMenuFont(font);
            break;
        case TSystemFont::Face:
            font.SetName(SystemFontName());
            break;
    }
    if (points > 0) font.SetSize(points);
}

}  // namespace orv
