#include "app/ZemForm3.h"

#include "app/ZemFrame2.h"
#include "buttons/OrvGlowButton.h"
#include "appbutton/OrvShapeButton.h"
#include "framework/Application.h"
#include "framework/ClassRegistry.h"
#include "framework/ExtCtrls.h"
#include "framework/Registry.h"
#include "toolbar/OrvQuickAccessToolBar.h"
#include "appmenu/OrvPreviewMenu.h"
#include "appmenu/OrvPreviewMenuStylers.h"
#include "statusbar/OrvOfficeStatusBarStylers.h"
#include "toolbar/OrvPage.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarPager.h"
#include "toolbar/OrvToolBarStylers.h"

using namespace orv;

const wchar_t* const kProbeKeyPath = L"\\SoftWare\\Quillan_HKCU";
const wchar_t* const kProbeValueName = L"Value_Quillan_HKCU";
// One string each: the space after "in" comes before a lone carriage return.
const wchar_t* const kProbeFoundMessage =
    L"OK! Found: Value_Quillan_HKCU in \rHKEY_CURRENT_USER\\SoftWare\\Quillan_HKCU";
const wchar_t* const kProbeNotFoundMessage =
    L"ERROR! Not found: Value_Quillan_HKCU in \rHKEY_CURRENT_USER\\SoftWare\\Quillan_HKCU";

TZemForm3::TZemForm3(TComponent* owner) : TOrvToolBarForm(owner) {}

void TZemForm3::FormCreate(TObject*) {
    OrvGlowButton1Click(nullptr);
}

void TZemForm3::OrvGlowButton1Click(TObject*) {
    // Read access: the probe only reads, and a key the user may only read must still
    // report a value that is there. The accessor lives until the box is dismissed.
    TRegistry registry(KEY_READ);
    registry.SetRootKey(HKEY_CURRENT_USER);
    bool found = registry.OpenKey(kProbeKeyPath, false) && registry.ValueExists(kProbeValueName);
    ShowMessage(found ? kProbeFoundMessage : kProbeNotFoundMessage);
}

void RegisterAppClasses() {
    RegisterZemFrame2Class();
    TClassBuilder<TZemForm3>(L"TZemForm3", L"TOrvToolBarForm")
        .Factory()
        .Field(L"OrvToolBarPager1", &TZemForm3::OrvToolBarPager1)
        .Field(L"OrvPage1", &TZemForm3::OrvPage1)
        .Field(L"OrvToolBarOfficeStyler1", &TZemForm3::OrvToolBarOfficeStyler1)
        .Field(L"OrvToolBar1", &TZemForm3::OrvToolBar1)
        .Field(L"OrvPreviewMenu1", &TZemForm3::OrvPreviewMenu1)
        .Field(L"OrvPreviewMenuOfficeStyler1", &TZemForm3::OrvPreviewMenuOfficeStyler1)
        .Field(L"OrvOfficeStatusBar1", &TZemForm3::OrvOfficeStatusBar1)
        .Field(L"OrvOfficeStatusBarOfficeStyler1", &TZemForm3::OrvOfficeStatusBarOfficeStyler1)
        .Field(L"OrvQuickAccessToolBar1", &TZemForm3::OrvQuickAccessToolBar1)
        .Field(L"OrvShapeButton1", &TZemForm3::OrvShapeButton1)
        .Field(L"ZemFrame2", &TZemForm3::ZemFrame2)
        .Field(L"OrvGlowButton1", &TZemForm3::OrvGlowButton1)
        .Method(L"OrvGlowButton1Click", &TZemForm3::OrvGlowButton1Click)
        .Method(L"FormCreate", &TZemForm3::FormCreate);
}
