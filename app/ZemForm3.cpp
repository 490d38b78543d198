#include "app/ZemForm3.h"

#include "app/ProbeCommandButton.h"
#include "framework/Application.h"
#include "framework/ExtCtrls.h"
#include "framework/Registry.h"

using namespace orv;

const wchar_t* const kProbeKeyPath = L"\\SoftWare\\Quillan_HKCU";
const wchar_t* const kProbeValueName = L"Value_Quillan_HKCU";
// One string each: the space after "in" comes before a lone carriage return.
const wchar_t* const kProbeFoundMessage =
    L"OK! Found: Value_Quillan_HKCU in \rHKEY_CURRENT_USER\\SoftWare\\Quillan_HKCU";
const wchar_t* const kProbeNotFoundMessage =
    L"ERROR! Not found: Value_Quillan_HKCU in \rHKEY_CURRENT_USER\\SoftWare\\Quillan_HKCU";

TZemForm3::TZemForm3(TComponent* owner) : TForm(owner) {
    SetName(L"ZemForm3");
    SetCaption(L"ZemForm3");
    SetBounds(250, 200, 697, 645);
    SetClientWidth(681);
    SetClientHeight(606);
    SetColor(clBtnFace);
    Font().SetName(L"Tahoma");
    Font().SetHeight(-11);
    Font().SetColor(clWindowText);
    SetPosition(TPosition::poScreenCenter);

    // Where the command bar's first toolbar stands: page at (0, 53), toolbar at (3, 3).
    OrvToolBarPlace = new TPanel(this);
    OrvToolBarPlace->SetShowCaption(false);
    OrvToolBarPlace->SetBounds(3, 56, 166, 89);
    OrvToolBarPlace->SetParent(this);

    OrvGlowButton1 = new TProbeCommandButton(this);
    OrvGlowButton1->SetName(L"OrvGlowButton1");
    OrvGlowButton1->SetBounds(12, 6, 138, 61);
    OrvGlowButton1->SetCaption(L"Test HKEY_CURRENT_USER");
    OrvGlowButton1->SetParent(OrvToolBarPlace);
    OrvGlowButton1->SetTabOrder(0);
    OrvGlowButton1->OnClick = TNotifyEvent::Bind(this, &TZemForm3::OrvGlowButton1Click);

    OnCreate = TNotifyEvent::Bind(this, &TZemForm3::FormCreate);
}

void TZemForm3::FormCreate(TObject*) { OrvGlowButton1Click(nullptr); }

void TZemForm3::OrvGlowButton1Click(TObject*) {
    // Read access: the probe only reads, and a key the user may only read must still
    // report a value that is there. The accessor lives until the box is dismissed.
    TRegistry registry(KEY_READ);
    registry.SetRootKey(HKEY_CURRENT_USER);
    bool found = registry.OpenKey(kProbeKeyPath, false) && registry.ValueExists(kProbeValueName);
    ShowMessage(found ? kProbeFoundMessage : kProbeNotFoundMessage);
}
