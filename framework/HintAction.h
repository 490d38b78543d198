#pragma once
// The framework's hint action: carries the application's current hint text to the
// controls that offer to show it (a status bar's ExecuteAction).
#include <string>

#include "framework/Component.h"

namespace orv {

class THintAction : public TComponent {
public:
    ORV_CLASS_NAME(THintAction)
    explicit THintAction(TComponent* owner) : TComponent(owner) {}
    std::wstring Hint;
};

}  // namespace orv
