#pragma once
// The probe's command until the glow button takes its place: a flat push button with a
// centred caption that raises OnClick on a press and release inside it.
#include "framework/WinControl.h"

class TProbeCommandButton : public orv::TCustomControl {
public:
    ORV_CLASS_NAME(TProbeCommandButton)
    explicit TProbeCommandButton(orv::TComponent* owner);

protected:
    void Paint() override;
    void MouseDown(orv::TMouseButton button, orv::TShiftState shift, int x, int y) override;
    void MouseUp(orv::TMouseButton button, orv::TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    bool FDown = false;
};
