#pragma once
// Module resources by name or number: lookup without raising, for callers that treat a
// missing resource as "nothing to load".
#include <cstddef>
#include <cstdint>
#include <string>

struct HINSTANCE__;

namespace orv {

// The program module (the executable), where the library's resources are linked.
HINSTANCE__* MainInstance();

// Raw-data resource type (RT_RCDATA) as a resource type argument.
const wchar_t* RawDataResourceType();

// The bytes of a resource, in place; empty (Data null) when the module has none of that
// name and type. name may be a MAKEINTRESOURCE number.
struct TResourceBytes {
    const uint8_t* Data = nullptr;
    size_t Size = 0;
    explicit operator bool() const { return Data != nullptr; }
};
TResourceBytes FindResourceBytes(HINSTANCE__* module, const wchar_t* name, const wchar_t* type);
bool ResourceExists(HINSTANCE__* module, const std::wstring& name, const wchar_t* type);

}  // namespace orv
