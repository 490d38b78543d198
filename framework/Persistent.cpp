#include "framework/Persistent.h"

#include "framework/SysUtils.h"

namespace orv {

void TPersistent::Assign(const TPersistent* source) {
    if (source) {
        source->AssignTo(this);
        return;
    }
    throw EConvertError(std::wstring(L"Cannot assign a nil to a ") + ClassName());
}

void TPersistent::AssignTo(TPersistent* dest) const {
    throw EConvertError(std::wstring(L"Cannot assign a ") + ClassName() + L" to a " + dest->ClassName());
}

}  // namespace orv
