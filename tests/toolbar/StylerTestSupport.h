#pragma once
// A stand-in for the pagers, toolbars and dock panels a styler serves: it records what
// the styler tells it and, like a real control, lets go of a styler that goes away.
#include <vector>

#include "toolbar/OrvToolBarStylers.h"

namespace orvtest {

class TFakeStyledControl : public orv::TComponent, public orv::IToolBarStylerClient, public orv::IToolBarStylerPager {
public:
    explicit TFakeStyledControl(orv::TComponent* owner = nullptr) : orv::TComponent(owner) {}

    void Link(orv::TCustomOrvToolBarStyler* styler) {
        Styler = styler;
        styler->AddControl(this);
    }

    void ApplyStylerChange(int code) override { Codes.push_back(code); }
    void ToolBarStylerDestroying(orv::TCustomOrvToolBarStyler* styler) override {
        ++DetachCalls;
        if (Styler != styler) return;
        styler->RemoveControl(this);
        Styler = nullptr;
    }
    void Office2010LookChanged() override { ++LookChanges; }
    void SetWin7ScenicRibbon(bool value) override { Scenic.push_back(value); }
    void StyleBroadcastDone() override { ++Refreshes; }

    void Notification(orv::TComponent* component, orv::TOperation operation) override {
        orv::TComponent::Notification(component, operation);
        if (operation == orv::TOperation::opRemove && component == Styler) Styler = nullptr;
    }

    int Count(int code) const {
        int n = 0;
        for (int c : Codes) n += c == code;
        return n;
    }

    orv::TCustomOrvToolBarStyler* Styler = nullptr;
    std::vector<int> Codes;
    std::vector<bool> Scenic;
    int DetachCalls = 0;
    int LookChanges = 0;
    int Refreshes = 0;
};

}  // namespace orvtest
