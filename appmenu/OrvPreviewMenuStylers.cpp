#include "appmenu/OrvPreviewMenuStylers.h"

namespace orv {

TOrvPreviewMenuOfficeStyler::TOrvPreviewMenuOfficeStyler(TComponent* owner) : TOrvCustomPreviewMenuStyler(owner) {}

void TOrvPreviewMenuOfficeStyler::SetStyle(TPreviewMenuStyle value) {
    FStyle = value;
    ApplyPreviewMenuPreset(*this, value);
}

void TOrvPreviewMenuOfficeStyler::SetComponentStyle(TZemStyle style) {
    switch (style) {
        case tsCustom:
            return;
        case tsOffice2007Silver:
            SetStyle(psOffice2007Silver);
            return;
        case tsWindowsVista:
            SetStyle(psWindowsVista);
            return;
        case tsWindows7:
            SetStyle(psWindows7);
            return;
        case tsTerminal:
            SetStyle(psTerminal);
            return;
        case tsOffice2010Blue:
            SetStyle(psOffice2010Blue);
            return;
        case tsOffice2010Silver:
            SetStyle(psOffice2010Silver);
            return;
        case tsOffice2010Black:
            SetStyle(psOffice2010Black);
            return;
        default:
            // tsOffice2003Blue .. tsWhidbey share their ordinals with the presets.
            SetStyle(static_cast<TPreviewMenuStyle>(static_cast<int>(style)));
            return;
    }
}

void TOrvPreviewMenuOfficeStyler::ChangeStyle(bool aWin7, int /*aStyle*/) {
    SetStyle(aWin7 ? psWindows7 : psOffice2007Luna);
}

}  // namespace orv
