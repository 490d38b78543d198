#pragma once
// TPanel: a plain windowed container that fills itself with its colour and may draw a
// caption in its middle.
#include "framework/WinControl.h"

namespace orv {

class TPanel : public TCustomControl {
public:
    ORV_CLASS_NAME(TPanel)
    explicit TPanel(TComponent* owner);
    bool GetShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool value);

protected:
    void Paint() override;

private:
    bool FShowCaption = true;
};

}  // namespace orv
