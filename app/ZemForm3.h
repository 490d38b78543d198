#pragma once
// The program's main window and its registry probe.
#include "toolbar/OrvToolBarForm.h"

namespace orv {
class TOrvToolBar;
class TOrvToolBarPager;
class TOrvPage;
class TOrvGlowButton;
class TOrvToolBarOfficeStyler;
class TOrvOfficeStatusBar;
class TOrvOfficeStatusBarOfficeStyler;
class TOrvPreviewMenu;
class TOrvPreviewMenuOfficeStyler;
class TOrvShapeButton;
class TOrvQuickAccessToolBar;
}  // namespace orv
class TZemFrame2;

// Built from its stored layout (resources/layouts/ZemForm3.layout).
class TZemForm3 : public orv::TOrvToolBarForm {
public:
    ORV_CLASS_NAME(TZemForm3)
    explicit TZemForm3(orv::TComponent* owner);

    // The probe: reports whether the value exists under the key, in a message box.
    void OrvGlowButton1Click(orv::TObject* sender);
    void FormCreate(orv::TObject* sender);

    // Published fields, bound by name when the layout is read, in declaration order.
    orv::TOrvToolBarPager* OrvToolBarPager1 = nullptr;
    orv::TOrvPage* OrvPage1 = nullptr;
    orv::TOrvToolBarOfficeStyler* OrvToolBarOfficeStyler1 = nullptr;
    orv::TOrvToolBar* OrvToolBar1 = nullptr;
    orv::TOrvPreviewMenu* OrvPreviewMenu1 = nullptr;
    orv::TOrvPreviewMenuOfficeStyler* OrvPreviewMenuOfficeStyler1 = nullptr;
    orv::TOrvOfficeStatusBar* OrvOfficeStatusBar1 = nullptr;
    orv::TOrvOfficeStatusBarOfficeStyler* OrvOfficeStatusBarOfficeStyler1 = nullptr;
    // In the caption, right of the application button.
    orv::TOrvQuickAccessToolBar* OrvQuickAccessToolBar1 = nullptr;
    // "File": shows the backstage frame below itself.
    orv::TOrvShapeButton* OrvShapeButton1 = nullptr;
    // The backstage frame, hidden until the application button shows it.
    TZemFrame2* ZemFrame2 = nullptr;
    orv::TOrvGlowButton* OrvGlowButton1 = nullptr;
};

// The program's classes, for its stored layouts.
void RegisterAppClasses();

// The probe's fixed texts.
extern const wchar_t* const kProbeKeyPath;
extern const wchar_t* const kProbeValueName;
extern const wchar_t* const kProbeFoundMessage;
extern const wchar_t* const kProbeNotFoundMessage;
