#pragma once
// The named looks a styler broadcasts to the components it styles, and the interface
// of the components that take them. tsCustom tells a receiver to keep its own colours.
namespace orv {

enum TZemStyle {
    tsOffice2003Blue,
    tsOffice2003Silver,
    tsOffice2003Olive,
    tsOffice2003Classic,
    tsOffice2007Luna,
    tsOffice2007Obsidian,
    tsWindowsXP,
    tsWhidbey,
    tsCustom,
    tsOffice2007Silver,
    tsWindowsVista,
    tsWindows7,
    tsTerminal,
    tsOffice2010Blue,
    tsOffice2010Silver,
    tsOffice2010Black,
};

class IZemStyle {
public:
    virtual void SetComponentStyle(TZemStyle style) = 0;

protected:
    ~IZemStyle() = default;
};

}  // namespace orv
