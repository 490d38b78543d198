#pragma once
// The published properties of the hint records, for stored layouts.
namespace orv {
// Registers the office hint record (TOrvHintInfo); safe to call again. Every unit whose
// components publish a hint record calls it before its own tables.
void RegisterHintClasses();
}  // namespace orv
