#include "framework/Margins.h"

#include "framework/ClassRegistry.h"

namespace orv {

void TMargins::Assign(const TPersistent* source) {
    if (auto* m = dynamic_cast<const TMargins*>(source)) {
        SetMargins(m->FLeft, m->FTop, m->FRight, m->FBottom);
        return;
    }
    TPersistent::Assign(source);
}

void TMargins::SetMargins(int left, int top, int right, int bottom) {
    if (FLeft == left && FTop == top && FRight == right && FBottom == bottom) return;
    FLeft = left;
    FTop = top;
    FRight = right;
    FBottom = bottom;
    Changed();
}

void TMargins::SetLeft(int value) {
    if (FLeft == value) return;
    FLeft = value;
    Changed();
}

void TMargins::SetTop(int value) {
    if (FTop == value) return;
    FTop = value;
    Changed();
}

void TMargins::SetRight(int value) {
    if (FRight == value) return;
    FRight = value;
    Changed();
}

void TMargins::SetBottom(int value) {
    if (FBottom == value) return;
    FBottom = value;
    Changed();
}

void RegisterMarginsClass() {
    if (TClassRegistry::Find(L"TMargins")) return;
    TClassBuilder<TMargins>(L"TMargins", L"TPersistent")
        .Int(L"Left", &TMargins::GetLeft, &TMargins::SetLeft)
        .Int(L"Top", &TMargins::GetTop, &TMargins::SetTop)
        .Int(L"Right", &TMargins::GetRight, &TMargins::SetRight)
        .Int(L"Bottom", &TMargins::GetBottom, &TMargins::SetBottom);
}

}  // namespace orv
