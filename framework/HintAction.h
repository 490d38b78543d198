#pragma once
// The framework's hint action: carries the application's current hint text to the
// controls that offer to show it (a status bar's ExecuteAction). The application makes
// one whenever its hint changes and offers it round the forms' controls.
#include <string>

#include "framework/ActnList.h"

namespace orv {

class THintAction : public TBasicAction {
public:
    ORV_CLASS_NAME(THintAction)
    explicit THintAction(TComponent* owner) : TBasicAction(owner) {}
    std::wstring Hint;
};

}  // namespace orv
