#pragma once
// The styled menus' start-up step: their classes in the layout registry.
namespace orv {

void RegisterMenusUnits();
void RegisterMenusClasses();

}  // namespace orv
