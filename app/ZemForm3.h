#pragma once
// The program's main window and its registry probe.
#include "framework/Forms.h"

namespace orv {
class TPanel;
class TOrvGlowButton;
class TOrvToolBarOfficeStyler;
}  // namespace orv

// Built from its stored layout (resources/layouts/ZemForm3.layout).
class TZemForm3 : public orv::TForm {
public:
    ORV_CLASS_NAME(TZemForm3)
    explicit TZemForm3(orv::TComponent* owner);

    // The probe: reports whether the value exists under the key, in a message box.
    void OrvGlowButton1Click(orv::TObject* sender);
    void FormCreate(orv::TObject* sender);

    // Published fields, bound by name when the layout is read.
    orv::TPanel* OrvToolBar1 = nullptr;
    orv::TOrvGlowButton* OrvGlowButton1 = nullptr;
    orv::TOrvToolBarOfficeStyler* OrvToolBarOfficeStyler1 = nullptr;
};

// The program's classes, for its stored layouts.
void RegisterAppClasses();

// The probe's fixed texts.
extern const wchar_t* const kProbeKeyPath;
extern const wchar_t* const kProbeValueName;
extern const wchar_t* const kProbeFoundMessage;
extern const wchar_t* const kProbeNotFoundMessage;
