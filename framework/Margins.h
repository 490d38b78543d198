#pragma once
// TMargins: four spacings (left, top, right, bottom) kept as a persistent record by the
// component that owns them; a change of any side fires OnChange.
#include "framework/Event.h"
#include "framework/Persistent.h"

namespace orv {

class TMargins : public TPersistent {
public:
    ORV_CLASS_NAME(TMargins)
    // Every side starts at 3 pixels, the framework's margin.
    TMargins() = default;
    TMargins(int left, int top, int right, int bottom) : FLeft(left), FTop(top), FRight(right), FBottom(bottom) {}

    void Assign(const TPersistent* source) override;
    void SetMargins(int left, int top, int right, int bottom);

    int GetLeft() const { return FLeft; }
    void SetLeft(int value);
    int GetTop() const { return FTop; }
    void SetTop(int value);
    int GetRight() const { return FRight; }
    void SetRight(int value);
    int GetBottom() const { return FBottom; }
    void SetBottom(int value);

    TNotifyEvent OnChange;

private:
    void Changed() { OnChange(this); }
    int FLeft = 3;
    int FTop = 3;
    int FRight = 3;
    int FBottom = 3;
};

// Registers TMargins in the class registry; safe to call again.
void RegisterMarginsClass();

}  // namespace orv
