#pragma once
// Library start-up and shut-down: an explicit, ordered list of steps. Each subsystem
// registers its steps in dependency order; InitializeUnits runs them in that order and
// makes the application object; FinalizeUnits frees the application (and with it every
// form and component) and then runs the shut-down steps in reverse order.
#include <functional>
#include <string>

namespace orv {

void RegisterUnit(const std::wstring& name, std::function<void()> initialize, std::function<void()> finalize);
bool UnitRegistered(const std::wstring& name);
void InitializeUnits();
void FinalizeUnits();

// The framework's own step (common controls); the first in every program's list.
void RegisterFrameworkUnits();

}  // namespace orv
