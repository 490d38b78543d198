#pragma once
// Published properties of the pictures and the picture container, for stored layouts.
namespace orv {
void RegisterPaintClasses();
}
