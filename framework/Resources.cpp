#include "framework/Resources.h"

#include <windows.h>

namespace orv {

HINSTANCE__* MainInstance() {
    return GetModuleHandleW(nullptr);
}

const wchar_t* RawDataResourceType() {
    return RT_RCDATA;
}

TResourceBytes FindResourceBytes(HINSTANCE__* module, const wchar_t* name, const wchar_t* type) {
    HRSRC info = FindResourceW(module, name, type);
    if (!info) return {};
    HGLOBAL loaded = LoadResource(module, info);
    if (!loaded) return {};
    auto* data = static_cast<const uint8_t*>(LockResource(loaded));
    if (!data) return {};
    return {data, static_cast<size_t>(SizeofResource(module, info))};
}

bool ResourceExists(HINSTANCE__* module, const std::wstring& name, const wchar_t* type) {
    return static_cast<bool>(FindResourceBytes(module, name.c_str(), type));
}

}  // namespace orv
