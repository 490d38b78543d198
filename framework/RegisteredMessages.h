#pragma once
// Window messages registered by name: the same id in every process for the same name,
// asked of the platform once per name and then kept.
#include <string>

namespace orv {

// The id of the registered message of that name (names compare without regard to case,
// as the platform's do); raises EInvalidOperation when the platform refuses the name.
unsigned RegisteredMessage(const std::wstring& name);

// The library's named messages, registered at start-up (RegisterMessageUnits).
// Posted to a toolbar when its compact window hides, so the form repaints its menu.
unsigned CompactWinHideMessage();  // "TBCompactWinHide"
// Switches glass mode of the application button: wParam non-zero on, zero off.
unsigned SetAeroVistaMessage();  // "TBSetAeroVista"
// Posted by the shape button to itself to repaint picture and caption in glass mode.
unsigned ShapeButtonDrawImageMessage();  // "SBDRAWIMAGE"

// Adds the start-up step that registers the names above.
void RegisterMessageUnits();

}  // namespace orv
