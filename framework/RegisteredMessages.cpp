#include "framework/RegisteredMessages.h"

#include <windows.h>

#include <map>

#include "framework/SysUtils.h"
#include "framework/Units.h"

namespace orv {

namespace {
const wchar_t kCompactWinHide[] = L"TBCompactWinHide";
const wchar_t kSetAeroVista[] = L"TBSetAeroVista";
const wchar_t kShapeButtonDrawImage[] = L"SBDRAWIMAGE";

std::map<std::wstring, unsigned>& Cache() {
    static std::map<std::wstring, unsigned> ids;
    return ids;
}
}  // namespace

unsigned RegisteredMessage(const std::wstring& name) {
    std::wstring key = UpperCase(name);
    auto& cache = Cache();
    if (auto it = cache.find(key); it != cache.end()) return it->second;
    UINT id = RegisterWindowMessageW(name.c_str());
    if (!id) throw EInvalidOperation(L"Cannot register the window message \"" + name + L"\"");
    cache.emplace(key, id);
    return id;
}

unsigned CompactWinHideMessage() {
    return RegisteredMessage(kCompactWinHide);
}

unsigned SetAeroVistaMessage() {
    return RegisteredMessage(kSetAeroVista);
}

unsigned ShapeButtonDrawImageMessage() {
    return RegisteredMessage(kShapeButtonDrawImage);
}

void RegisterMessageUnits() {
    RegisterUnit(
        L"RegisteredMessages",
        [] {
            CompactWinHideMessage();
            SetAeroVistaMessage();
            ShapeButtonDrawImageMessage();
        },
        nullptr);
}

}  // namespace orv
