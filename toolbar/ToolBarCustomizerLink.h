#pragma once
// IToolBarCustomizer: what a toolbar and its option window ask of the customizer linked
// to the toolbar. The customizer implements it and links itself with the toolbar's
// SetCustomizer (and unlinks before it goes); the toolbar does not own it.
#include <string>

namespace orv {

class IToolBarCustomizer {
public:
    // The text of the customize entry ("Customize" unless the dialog settings change it).
    virtual std::wstring CustomizeText() const = 0;
    // Runs the customizer dialog for the linked toolbar.
    virtual void ShowDialog() = 0;

protected:
    ~IToolBarCustomizer() = default;
};

}  // namespace orv
