#pragma once
// The published properties of the item classes, for stored layouts. The lists find the
// item classes by their base: TClassRegistry::DerivedFrom(L"TCustomItem").
namespace orv {
// Registers the items (and the records they publish); safe to call again.
void RegisterItemListClasses();
}  // namespace orv
