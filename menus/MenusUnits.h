#pragma once
// The styled menus' start-up step (menu animation off for the run, restored at
// exit) and their classes in the layout registry.
namespace orv {

void RegisterMenusUnits();
void RegisterMenusClasses();

}  // namespace orv
