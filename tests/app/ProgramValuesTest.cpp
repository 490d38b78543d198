// The program's two stored layouts read back value by value through the class registry:
// every component of the main window and of the backstage frame with the values the
// program is made of, looked up by published name and dotted property path, so a value
// the layout lacks, a property a class does not publish and a value something overwrote
// after reading all fail here.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "app/ZemForm3.h"
#include "app/ZemFrame2.h"
#include "framework/ClassRegistry.h"
#include "framework/LayoutParser.h"
#include "framework/LayoutReader.h"
#include "paint/OrvLook.h"
#include "toolbar/OrvStyleIF.h"

using namespace orv;

namespace {

// An expected value: a number (integers, flags as 0 / 1, colours, byte counts of binary
// data, item counts of collections) or a text (strings, enumeration and set identifiers,
// component names, "assigned" for a bound handler).
struct TValue {
    TValue(int64_t n) : Number(n) {}
    TValue(int n) : Number(n) {}
    TValue(const wchar_t* text) : IsText(true), Text(text) {}
    bool IsText = false;
    int64_t Number = 0;
    std::wstring Text;
};

struct TRow {
    std::wstring Component;  // a published field of the root; empty: the root itself
    std::wstring Path;       // dotted; "Panels[2].Width" picks a collection item
    TValue Expected;
};

std::string Narrow(const std::wstring& s) {
    return std::string(s.begin(), s.end());
}

// Walks path from object through the published tables; on success sets value to what
// the property holds.
bool ReadPublished(TObject* object, const std::wstring& path, TValue& value, std::string& error) {
    size_t start = 0;
    for (;;) {
        const size_t dot = path.find(L'.', start);
        std::wstring part = path.substr(start, dot == std::wstring::npos ? std::wstring::npos : dot - start);
        int index = -1;
        if (const size_t bracket = part.find(L'['); bracket != std::wstring::npos) {
            index = std::stoi(part.substr(bracket + 1));
            part = part.substr(0, bracket);
        }
        const TClassInfo* info = TClassRegistry::FindFor(object);
        if (!info) {
            error = "class " + Narrow(object->ClassName()) + " is not registered";
            return false;
        }
        const TPropInfo* prop = info->FindProp(part);
        if (!prop) {
            error = Narrow(info->Name) + " publishes no " + Narrow(part);
            return false;
        }
        const bool last = dot == std::wstring::npos;
        if (!last || index >= 0) {
            if (prop->Kind == TPropKind::Object) {
                object = prop->GetNested(object);
            } else if (prop->Kind == TPropKind::Collection && index >= 0) {
                if (index >= prop->ItemCount(object)) {
                    error = Narrow(part) + " has " + std::to_string(prop->ItemCount(object)) + " items";
                    return false;
                }
                object = prop->Item(object, index);
            } else {
                error = Narrow(part) + " holds no nested values";
                return false;
            }
            if (last) {
                error = "the path ends at a record";
                return false;
            }
            start = dot + 1;
            continue;
        }
        switch (prop->Kind) {
            case TPropKind::Integer:
            case TPropKind::Bool:
            case TPropKind::Color:
                value = TValue(prop->GetInt(object));
                return true;
            case TPropKind::Enum:
                value = TValue(prop->Enum->Names.at(static_cast<size_t>(prop->GetInt(object))).c_str());
                return true;
            case TPropKind::Set: {
                const int64_t bits = prop->GetInt(object);
                std::wstring text = L"[";
                for (size_t i = 0; i < prop->Enum->Names.size(); ++i)
                    if (bits & (int64_t{1} << i)) text += (text.size() > 1 ? L", " : L"") + prop->Enum->Names[i];
                value = TValue((text + L"]").c_str());
                return true;
            }
            case TPropKind::String:
                value = TValue(prop->GetString(object).c_str());
                return true;
            case TPropKind::Component: {
                TComponent* c = prop->GetComponent(object);
                value = TValue(c ? c->GetName().c_str() : L"nil");
                return true;
            }
            case TPropKind::Event:
                value = TValue(prop->EventAssigned(object) ? L"assigned" : L"unassigned");
                return true;
            case TPropKind::Binary:
                value = TValue(static_cast<int64_t>(prop->GetBytes(object).size()));
                return true;
            case TPropKind::Collection:
                value = TValue(prop->ItemCount(object));
                return true;
            default:
                error = "a property of a kind the table does not read";
                return false;
        }
    }
}

TComponent* FieldOf(TComponent* root, const std::wstring& name) {
    if (name.empty()) return root;
    const TFieldInfo* field = TClassRegistry::FindFor(root)->FindField(name);
    return field ? field->Get(root) : root->FindComponent(name);
}

void ExpectRows(TComponent* root, const std::vector<TRow>& rows) {
    for (const TRow& row : rows) {
        const std::string where = Narrow(row.Component) + (row.Component.empty() ? "" : ".") + Narrow(row.Path);
        TComponent* component = FieldOf(root, row.Component);
        if (!component) {
            ADD_FAILURE() << where << ": no component of that name";
            continue;
        }
        TValue actual(0);
        std::string error;
        if (!ReadPublished(component, row.Path, actual, error)) {
            ADD_FAILURE() << where << ": " << error;
            continue;
        }
        if (row.Expected.IsText) {
            EXPECT_TRUE(actual.IsText) << where << " is a number, " << actual.Number;
            EXPECT_EQ(Narrow(actual.Text), Narrow(row.Expected.Text)) << where;
        } else {
            EXPECT_FALSE(actual.IsText) << where << " is a text, " << Narrow(actual.Text);
            EXPECT_EQ(actual.Number, row.Expected.Number) << where << std::hex << " (0x" << actual.Number << ")";
        }
    }
}

struct TLookFlagsKept {
    bool Scenic = ScenicRibbonMode, Office = Office2010Look;
    ~TLookFlagsKept() {
        ScenicRibbonMode = Scenic;
        Office2010Look = Office;
    }
};

// The glow button's stored appearance: every colour the program gives it.
const std::vector<TRow> kGlowButtonAppearance = {
    {L"OrvGlowButton1", L"Appearance.BorderColor", 0x00C7B29F},
    {L"OrvGlowButton1", L"Appearance.BorderColorHot", 0x0058CAF1},
    {L"OrvGlowButton1", L"Appearance.BorderColorDown", 0x00308AC2},
    {L"OrvGlowButton1", L"Appearance.BorderColorChecked", 0x00308AC2},
    {L"OrvGlowButton1", L"Appearance.Color", 0x00FDF6EF},
    {L"OrvGlowButton1", L"Appearance.ColorTo", 0x00F0DAC7},
    {L"OrvGlowButton1", L"Appearance.ColorChecked", 0x00D9F9FD},
    {L"OrvGlowButton1", L"Appearance.ColorCheckedTo", 0x006CD0FF},
    {L"OrvGlowButton1", L"Appearance.ColorDisabled", 0x00F2F2F2},
    {L"OrvGlowButton1", L"Appearance.ColorDisabledTo", 0x00F2F2F2},
    {L"OrvGlowButton1", L"Appearance.ColorDown", 0x006CD0FF},
    {L"OrvGlowButton1", L"Appearance.ColorDownTo", 0x007BEEFF},
    {L"OrvGlowButton1", L"Appearance.ColorHot", 0x008AE3FD},
    {L"OrvGlowButton1", L"Appearance.ColorHotTo", 0x00D9F9FD},
    {L"OrvGlowButton1", L"Appearance.ColorMirror", 0x00F0DAC7},
    {L"OrvGlowButton1", L"Appearance.ColorMirrorTo", 0x00F0DAC7},
    {L"OrvGlowButton1", L"Appearance.ColorMirrorHot", 0x00D9F9FD},
    {L"OrvGlowButton1", L"Appearance.ColorMirrorHotTo", 0x008AE3FD},
    {L"OrvGlowButton1", L"Appearance.ColorMirrorDown", 0x007BEEFF},
    {L"OrvGlowButton1", L"Appearance.ColorMirrorDownTo", 0x006CD0FF},
    {L"OrvGlowButton1", L"Appearance.ColorMirrorChecked", 0x006CD0FF},
    {L"OrvGlowButton1", L"Appearance.ColorMirrorCheckedTo", 0x006CD0FF},
    {L"OrvGlowButton1", L"Appearance.ColorMirrorDisabled", 0x00B6B6B6},
    {L"OrvGlowButton1", L"Appearance.ColorMirrorDisabledTo", 0x00F2F2F2},
    {L"OrvGlowButton1", L"Appearance.GradientHot", L"ggVertical"},
    {L"OrvGlowButton1", L"Appearance.GradientMirrorHot", L"ggVertical"},
    {L"OrvGlowButton1", L"Appearance.GradientDown", L"ggVertical"},
    {L"OrvGlowButton1", L"Appearance.GradientMirrorDown", L"ggVertical"},
    {L"OrvGlowButton1", L"Appearance.GradientChecked", L"ggVertical"},
};

// The window, the pager and what it holds.
const std::vector<TRow> kWindowAndPager = {
    {L"", L"Left", 250},
    {L"", L"Top", 200},
    {L"", L"ClientWidth", 681},
    {L"", L"ClientHeight", 606},
    {L"", L"Color", clBtnFace},
    {L"", L"Font.Name", L"Tahoma"},
    {L"", L"Font.Height", -11},
    {L"", L"Font.Color", clWindowText},
    {L"", L"Position", L"poScreenCenter"},
    {L"", L"Icon.Data", 318},
    {L"", L"OnCreate", L"assigned"},

    {L"OrvToolBarPager1", L"Left", 0},
    {L"OrvToolBarPager1", L"Top", 0},
    {L"OrvToolBarPager1", L"Width", 681},
    {L"OrvToolBarPager1", L"Height", 149},
    {L"OrvToolBarPager1", L"ActivePage", L"OrvPage1"},
    {L"OrvToolBarPager1", L"CaptionButtons", L"[cbClose, cbMinimize, cbMaximize]"},
    {L"OrvToolBarPager1", L"TabGroups", 0},
    {L"OrvToolBarPager1", L"TabSettings.EndMargin", 0},
    {L"OrvToolBarPager1", L"Persistence.Location", L"plRegistry"},
    {L"OrvToolBarPager1", L"Persistence.Enabled", 0},
    {L"OrvToolBarPager1", L"ToolBarStyler", L"OrvToolBarOfficeStyler1"},
    {L"OrvToolBarPager1", L"PageLeftMargin", 0},
    {L"OrvToolBarPager1", L"PageRightMargin", 0},
    {L"OrvToolBarPager1", L"OptionPicture.Data", 1186},
    {L"OrvToolBarPager1", L"OptionDisabledPicture.Data", 1186},
    {L"OrvToolBarPager1", L"TabOrder", 1},

    {L"OrvPage1", L"Left", 0},
    {L"OrvPage1", L"Top", 53},
    {L"OrvPage1", L"Width", 681},
    {L"OrvPage1", L"Height", 95},
    {L"OrvPage1", L"Caption", L"OrvPage1"},

    {L"OrvToolBar1", L"Left", 3},
    {L"OrvToolBar1", L"Top", 3},
    {L"OrvToolBar1", L"Width", 166},
    {L"OrvToolBar1", L"Height", 89},
    {L"OrvToolBar1", L"AllowFloating", 1},
    {L"OrvToolBar1", L"AutoPositionControls", 0},
    {L"OrvToolBar1", L"AutoSize", 0},
    {L"OrvToolBar1", L"Caption", L"Untitled"},
    {L"OrvToolBar1", L"CaptionFont.Name", L"Tahoma"},
    {L"OrvToolBar1", L"CaptionFont.Height", -11},
    {L"OrvToolBar1", L"CaptionFont.Color", clWindowText},
    {L"OrvToolBar1", L"CaptionPosition", L"cpBottom"},
    {L"OrvToolBar1", L"CaptionAlignment", L"taCenter"},
    {L"OrvToolBar1", L"ShowCaption", 1},
    {L"OrvToolBar1", L"CompactImageIndex", -1},
    {L"OrvToolBar1", L"ShowRightHandle", 0},
    {L"OrvToolBar1", L"TextAutoOptionMenu", L"Add or Remove Buttons"},
    {L"OrvToolBar1", L"TextOptionMenu", L"Options"},
    {L"OrvToolBar1", L"ToolBarStyler", L"OrvToolBarOfficeStyler1"},
    {L"OrvToolBar1", L"ParentOptionPicture", 1},
    {L"OrvToolBar1", L"ToolBarIndex", 0},

    {L"OrvGlowButton1", L"Left", 12},
    {L"OrvGlowButton1", L"Top", 6},
    {L"OrvGlowButton1", L"Width", 138},
    {L"OrvGlowButton1", L"Height", 61},
    {L"OrvGlowButton1", L"Caption", L"Test HKEY_CURRENT_USER"},
    {L"OrvGlowButton1", L"FocusType", L"ftHot"},
    {L"OrvGlowButton1", L"NotesFont.Name", L"Tahoma"},
    {L"OrvGlowButton1", L"NotesFont.Height", -11},
    {L"OrvGlowButton1", L"TabOrder", 0},
    {L"OrvGlowButton1", L"OnClick", L"assigned"},

    // Stored at (5, 3); the pager places the strip in its caption at the caption's bottom
    // less the caption height less 2, so it stands at top 2 (checked as stored below).
    {L"OrvQuickAccessToolBar1", L"Left", 5},
    {L"OrvQuickAccessToolBar1", L"Top", 2},
    {L"OrvQuickAccessToolBar1", L"Width", 60},
    {L"OrvQuickAccessToolBar1", L"Height", 25},
    {L"OrvQuickAccessToolBar1", L"ShowCustomizeOption", 0},

    {L"OrvShapeButton1", L"Left", 0},
    {L"OrvShapeButton1", L"Top", 30},
    {L"OrvShapeButton1", L"Width", 55},
    {L"OrvShapeButton1", L"Height", 24},
    {L"OrvShapeButton1", L"Text", L"File"},
    {L"OrvShapeButton1", L"Font.Name", L"Tahoma"},
    {L"OrvShapeButton1", L"Font.Height", -11},
    {L"OrvShapeButton1", L"Font.Color", clWhite},
    {L"OrvShapeButton1", L"ParentFont", 0},
    {L"OrvShapeButton1", L"TabOrder", 7},
    {L"OrvShapeButton1", L"OrvPreviewMenu", L"OrvPreviewMenu1"},
    {L"OrvShapeButton1", L"Frame", L"ZemFrame2"},
    {L"OrvShapeButton1", L"Appearance.Shape", L"bsRectangle"},
    {L"OrvShapeButton1", L"Appearance.BorderColor", 0x00A1481F},
    {L"OrvShapeButton1", L"Appearance.BorderColorDown", 0x00A1481F},
    {L"OrvShapeButton1", L"Appearance.InnerBorderColor", 0x00E58744},
    {L"OrvShapeButton1", L"Appearance.InnerBorderColorHot", 0x00F3A155},
    {L"OrvShapeButton1", L"Appearance.InnerBorderColorDown", 0x00E58744},
    {L"OrvShapeButton1", L"Appearance.Color", 0x00DA7D3E},
    {L"OrvShapeButton1", L"Appearance.ColorTo", 0x00B26028},
    {L"OrvShapeButton1", L"Appearance.ColorHot", 0x00DD7E43},
    {L"OrvShapeButton1", L"Appearance.ColorHotTo", 0x00BC6732},
    {L"OrvShapeButton1", L"Appearance.ColorDown", 0x00DA7D3E},
    {L"OrvShapeButton1", L"Appearance.ColorDownTo", 0x00B26028},
};

// The status bar: four panels alike but for their widths.
std::vector<TRow> StatusBarRows() {
    std::vector<TRow> rows = {
        {L"OrvOfficeStatusBar1", L"Left", 0},
        {L"OrvOfficeStatusBar1", L"Top", 587},
        {L"OrvOfficeStatusBar1", L"Width", 681},
        {L"OrvOfficeStatusBar1", L"Height", 19},
        {L"OrvOfficeStatusBar1", L"AnchorHint", 0},
        {L"OrvOfficeStatusBar1", L"SimplePanel", 0},
        {L"OrvOfficeStatusBar1", L"URLColor", clBlue},
        {L"OrvOfficeStatusBar1", L"Styler", L"OrvOfficeStatusBarOfficeStyler1"},
        {L"OrvOfficeStatusBar1", L"Panels", 4},
    };
    const int widths[] = {80, 100, 130, 50};
    const std::vector<std::pair<std::wstring, TValue>> each = {
        {L"AppearanceStyle", L"psLight"},
        {L"DateFormat", L"d/MM/yyyy"},
        {L"TimeFormat", L"h:mm:ss"},
        {L"Progress.BackGround", clNone},
        {L"Progress.Indication", L"piPercentage"},
        {L"Progress.Min", 0},
        {L"Progress.Max", 100},
        {L"Progress.Position", 0},
        {L"Progress.Level0Color", clLime},
        {L"Progress.Level0ColorTo", 0x00E1FFE1},
        {L"Progress.Level1Color", clYellow},
        {L"Progress.Level1ColorTo", 0x00CAFFFF},
        {L"Progress.Level2Color", 0x0053A9FF},
        {L"Progress.Level2ColorTo", 0x00A8D3FF},
        {L"Progress.Level3Color", clRed},
        {L"Progress.Level3ColorTo", 0x00CACAFF},
        {L"Progress.Level1Perc", 70},
        {L"Progress.Level2Perc", 90},
        {L"Progress.BorderColor", clBlack},
        {L"Progress.ShowBorder", 0},
        {L"Progress.Stacked", 0},
    };
    for (int p = 0; p < 4; ++p) {
        const std::wstring panel = L"Panels[" + std::to_wstring(p) + L"].";
        rows.push_back({L"OrvOfficeStatusBar1", panel + L"Width", widths[p]});
        for (const auto& [path, value] : each) rows.push_back({L"OrvOfficeStatusBar1", panel + path, value});
    }
    return rows;
}

// The frame as the window holds it, and the three stylers and the application menu.
const std::vector<TRow> kFrameStylersAndMenu = {
    {L"ZemFrame2", L"Left", 48},
    {L"ZemFrame2", L"Top", 176},
    {L"ZemFrame2", L"Width", 574},
    {L"ZemFrame2", L"Height", 395},
    {L"ZemFrame2", L"TabOrder", 0},
    {L"ZemFrame2", L"Visible", 0},

    {L"OrvToolBarOfficeStyler1", L"Style", L"bsOffice2010Blue"},
    {L"OrvToolBarOfficeStyler1", L"Font.Name", L"Segoe UI"},
    {L"OrvToolBarOfficeStyler1", L"Font.Height", -11},
    {L"OrvToolBarOfficeStyler1", L"CaptionFont.Name", L"Segoe UI"},
    {L"OrvToolBarOfficeStyler1", L"CaptionFont.Height", -11},
    {L"OrvToolBarOfficeStyler1", L"ButtonAppearance.CaptionFont.Name", L"Segoe UI"},
    {L"OrvToolBarOfficeStyler1", L"ButtonAppearance.CaptionFont.Height", -11},
    {L"OrvToolBarOfficeStyler1", L"TabAppearance.Font.Name", L"Segoe UI"},
    {L"OrvToolBarOfficeStyler1", L"TabAppearance.Font.Height", -11},
    {L"OrvToolBarOfficeStyler1", L"GroupAppearance.Font.Name", L"Segoe UI"},
    {L"OrvToolBarOfficeStyler1", L"GroupAppearance.Font.Height", -11},
    {L"OrvToolBarOfficeStyler1", L"GroupAppearance.TabAppearance.Font.Name", L"Segoe UI"},
    {L"OrvToolBarOfficeStyler1", L"GroupAppearance.TabAppearance.Font.Height", -11},
    {L"OrvToolBarOfficeStyler1", L"PagerCaption.Font.Name", L"Segoe UI"},
    {L"OrvToolBarOfficeStyler1", L"PagerCaption.Font.Height", -13},
    {L"OrvToolBarOfficeStyler1", L"ContainerAppearance.LineColor", clBtnShadow},
    {L"OrvToolBarOfficeStyler1", L"ContainerAppearance.Line3D", 1},

    {L"OrvPreviewMenu1", L"Buttons", 0},
    {L"OrvPreviewMenu1", L"MenuItems", 0},
    {L"OrvPreviewMenu1", L"SubMenuItems", 0},
    {L"OrvPreviewMenu1", L"ButtonSpacing", 4},
    {L"OrvPreviewMenu1", L"ButtonHeight", 25},
    {L"OrvPreviewMenu1", L"MenuSpacing", 8},
    {L"OrvPreviewMenu1", L"MenuWidth", 0},
    {L"OrvPreviewMenu1", L"SubMenuWidth", 0},
    {L"OrvPreviewMenu1", L"SubMenuItemSpacing", 0},
    {L"OrvPreviewMenu1", L"MenuFont.Name", L"Tahoma"},
    {L"OrvPreviewMenu1", L"MenuFont.Height", -11},
    {L"OrvPreviewMenu1", L"ShowHint", 0},
    {L"OrvPreviewMenu1", L"Styler", L"OrvPreviewMenuOfficeStyler1"},

    {L"OrvPreviewMenuOfficeStyler1", L"Style", L"psWindows7"},
    {L"OrvPreviewMenuOfficeStyler1", L"LeftFrameColor", clWhite},
    {L"OrvPreviewMenuOfficeStyler1", L"RightFrameColor", 0x00FAF5EF},
    {L"OrvPreviewMenuOfficeStyler1", L"FrameAppearance.BorderColor", 0x00A69284},
    {L"OrvPreviewMenuOfficeStyler1", L"FrameAppearance.CaptionBackground", 0x00EEE7DD},
    {L"OrvPreviewMenuOfficeStyler1", L"FrameAppearance.Color", 0x00FFFEFC},
    {L"OrvPreviewMenuOfficeStyler1", L"FrameAppearance.ColorTo", 0x00FBF1E8},
    {L"OrvPreviewMenuOfficeStyler1", L"FrameAppearance.ColorMirror", 0x00F4E6DC},
    {L"OrvPreviewMenuOfficeStyler1", L"FrameAppearance.ColorMirrorTo", 0x00F7E9DD},
    {L"OrvPreviewMenuOfficeStyler1", L"FrameAppearance.Gradient", L"ggVertical"},
    {L"OrvPreviewMenuOfficeStyler1", L"FrameAppearance.GradientMirror", L"ggVertical"},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.BorderColor", clNone},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.BorderColorHot", 0x0000B7FF},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.BorderColorDown", 0x00299BC2},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.BorderColorChecked", 0x0083D7FF},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.BorderColorDisabled", clNone},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.Color", clNone},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.ColorTo", clNone},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.ColorChecked", 0x0098CDF6},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.ColorCheckedTo", 0x008FD0FC},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.ColorDisabled", clNone},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.ColorDisabledTo", clNone},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.ColorDown", 0x008BC9EE},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.ColorDownTo", 0x007AC7F5},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.ColorHot", 0x00E1F0FD},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.ColorHotTo", 0x0069CEFF},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.ColorMirror", clNone},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.ColorMirrorTo", clNone},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.ColorMirrorHot", 0x0069CEFF},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.ColorMirrorHotTo", 0x00CBFFFF},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.ColorMirrorDown", 0x0056BBF5},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.ColorMirrorDownTo", 0x0093EBF3},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.ColorMirrorChecked", 0x005EC4FF},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.ColorMirrorCheckedTo", 0x003B92C2},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.ColorMirrorDisabled", clNone},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.ColorMirrorDisabledTo", clNone},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.Gradient", L"ggVertical"},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.GradientMirror", L"ggVertical"},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.GradientHot", L"ggVertical"},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.GradientMirrorHot", L"ggVertical"},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.GradientDown", L"ggVertical"},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.GradientMirrorDown", L"ggVertical"},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.GradientChecked", L"ggVertical"},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.GradientMirrorChecked", L"ggVertical"},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.GradientDisabled", L"ggVertical"},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.GradientMirrorDisabled", L"ggVertical"},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.TextColor", 0x00644225},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.TextColorHot", 0x00644225},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.TextColorDown", 0x00644225},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.TextColorChecked", clBlack},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.TextColorDisabled", clGray},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.Rounded", 1},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.Font.Name", L"Segoe UI"},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.Font.Height", -11},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.SubMenuCaptionFont.Name", L"Segoe UI"},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.SubMenuCaptionFont.Height", -11},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.SubItemTitleFont.Name", L"Segoe UI"},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.SubItemTitleFont.Height", -11},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.SubItemTitleFont.Style", L"[fsBold]"},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.SubItemFont.Name", L"Segoe UI"},
    {L"OrvPreviewMenuOfficeStyler1", L"MenuItemAppearance.SubItemFont.Height", -11},
    {L"OrvPreviewMenuOfficeStyler1", L"ButtonAppearance.BorderColor", 0x00D2BEB0},
    {L"OrvPreviewMenuOfficeStyler1", L"ButtonAppearance.BorderColorHot", 0x0000B7FF},
    {L"OrvPreviewMenuOfficeStyler1", L"ButtonAppearance.BorderColorDown", 0x00299BC2},
    {L"OrvPreviewMenuOfficeStyler1", L"ButtonAppearance.BorderColorChecked", 0x003B92C2},
    {L"OrvPreviewMenuOfficeStyler1", L"ButtonAppearance.Color", 0x00FBF8F6},
    {L"OrvPreviewMenuOfficeStyler1", L"ButtonAppearance.ColorTo", 0x00F5EEE6},
    {L"OrvPreviewMenuOfficeStyler1", L"ButtonAppearance.ColorChecked", 0x0098CDF6},
    {L"OrvPreviewMenuOfficeStyler1", L"ButtonAppearance.ColorCheckedTo", 0x008FD0FC},
    {L"OrvPreviewMenuOfficeStyler1", L"ButtonAppearance.ColorDisabled", clNone},
    {L"OrvPreviewMenuOfficeStyler1", L"ButtonAppearance.ColorDisabledTo", clNone},
    {L"OrvPreviewMenuOfficeStyler1", L"ButtonAppearance.ColorDown", 0x008BC9EE},
    {L"OrvPreviewMenuOfficeStyler1", L"ButtonAppearance.ColorDownTo", 0x007AC7F5},
    {L"OrvPreviewMenuOfficeStyler1", L"ButtonAppearance.ColorHot", 0x00E1F0FD},
    {L"OrvPreviewMenuOfficeStyler1", L"ButtonAppearance.ColorHotTo", 0x0069CEFF},
    {L"OrvPreviewMenuOfficeStyler1", L"ButtonAppearance.ColorMirror", 0x00F1E8DF},
    {L"OrvPreviewMenuOfficeStyler1", L"ButtonAppearance.ColorMirrorTo", 0x00F4EAE1},
    {L"OrvPreviewMenuOfficeStyler1", L"ButtonAppearance.ColorMirrorHot", 0x00CBFFFF},
    {L"OrvPreviewMenuOfficeStyler1", L"ButtonAppearance.ColorMirrorHotTo", 0x0069CEFF},
    {L"OrvPreviewMenuOfficeStyler1", L"ButtonAppearance.ColorMirrorDown", 0x0093EBF3},
    {L"OrvPreviewMenuOfficeStyler1", L"ButtonAppearance.ColorMirrorDownTo", 0x0056BBF5},
    {L"OrvPreviewMenuOfficeStyler1", L"ButtonAppearance.ColorMirrorChecked", 0x005EC4FF},
    {L"OrvPreviewMenuOfficeStyler1", L"ButtonAppearance.ColorMirrorCheckedTo", 0x0083D7FF},
    {L"OrvPreviewMenuOfficeStyler1", L"ButtonAppearance.ColorMirrorDisabled", clNone},
    {L"OrvPreviewMenuOfficeStyler1", L"ButtonAppearance.ColorMirrorDisabledTo", clNone},
    {L"OrvPreviewMenuOfficeStyler1", L"ButtonAppearance.GradientHot", L"ggVertical"},
    {L"OrvPreviewMenuOfficeStyler1", L"ButtonAppearance.GradientDown", L"ggVertical"},
    {L"OrvPreviewMenuOfficeStyler1", L"ButtonAppearance.GradientChecked", L"ggVertical"},

    {L"OrvOfficeStatusBarOfficeStyler1", L"Style", L"psOffice2010Blue"},
    {L"OrvOfficeStatusBarOfficeStyler1", L"BorderColor", 0x00A78F79},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceLight.BorderColor", clNone},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceLight.BorderColorHot", 0x0058CAF1},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceLight.BorderColorDown", 0x00308AC2},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceLight.Color", 0x00FDF6EF},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceLight.ColorTo", 0x00F0DAC7},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceLight.ColorHot", 0x00D9F9FD},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceLight.ColorHotTo", 0x008AE3FD},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceLight.ColorDown", 0x007BEEFF},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceLight.ColorDownTo", 0x006CD0FF},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceLight.ColorMirror", clNone},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceLight.ColorMirrorTo", clNone},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceLight.ColorMirrorHot", 0x008AE3FD},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceLight.ColorMirrorHotTo", 0x00D9F9FD},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceLight.ColorMirrorDown", 0x006CD0FF},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceLight.ColorMirrorDownTo", 0x007BEEFF},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceLight.TextColor", 0x0073391F},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceLight.TextColorHot", 0x0073391F},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceLight.TextColorDown", 0x0073391F},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceLight.TextStyle", L"[]"},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceDark.BorderColor", clNone},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceDark.BorderColorHot", 0x0058CAF1},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceDark.BorderColorDown", 0x00308AC2},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceDark.Color", 0x00F6E8DC},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceDark.ColorTo", 0x00A78F79},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceDark.ColorHot", 0x00D9F9FD},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceDark.ColorHotTo", 0x008AE3FD},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceDark.ColorDown", 0x007BEEFF},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceDark.ColorDownTo", 0x006CD0FF},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceDark.ColorMirror", clNone},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceDark.ColorMirrorTo", clNone},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceDark.ColorMirrorHot", 0x008AE3FD},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceDark.ColorMirrorHotTo", 0x00D9F9FD},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceDark.ColorMirrorDown", 0x006CD0FF},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceDark.ColorMirrorDownTo", 0x007BEEFF},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceDark.TextColor", 0x0073391F},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceDark.TextColorHot", 0x0073391F},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceDark.TextColorDown", 0x0073391F},
    {L"OrvOfficeStatusBarOfficeStyler1", L"PanelAppearanceDark.TextStyle", L"[]"},
};

TZemForm3* MakeMainWindow() {
    TShowMessageHook old = SetShowMessageHook([](const std::wstring&) {});
    TZemForm3* form = Make<TZemForm3>(nullptr);
    SetShowMessageHook(old);
    return form;
}

}  // namespace

TEST(ProgramValues, TheMainWindowHoldsEveryStoredValue) {
    TLookFlagsKept restore;
    orvtest::TScratchCurrentUser scratch;
    TOwnedPtr<TZemForm3> form(MakeMainWindow());
    {
        SCOPED_TRACE("window, pager, page, toolbar, glow button, quick access toolbar, application button");
        ExpectRows(form.get(), kWindowAndPager);
    }
    {
        SCOPED_TRACE("the glow button's appearance");
        ExpectRows(form.get(), kGlowButtonAppearance);
    }
    {
        SCOPED_TRACE("status bar and panels");
        ExpectRows(form.get(), StatusBarRows());
    }
    {
        SCOPED_TRACE("frame, stylers, application menu");
        ExpectRows(form.get(), kFrameStylersAndMenu);
    }
}

TEST(ProgramValues, TheQuickAccessToolBarIsStoredAtItsPlaceInTheCaption) {
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(LoadEmbeddedResource(L"TZEMFORM3", bytes));
    const TLayoutObject root =
        ParseLayout(LayoutTextFromUtf8(std::string(bytes.begin(), bytes.end())), L"TZemForm3");
    const TLayoutObject* pager = nullptr;
    for (const TLayoutObject& child : root.Children)
        if (child.Name == L"OrvToolBarPager1") pager = &child;
    ASSERT_NE(pager, nullptr);
    const TLayoutObject* qat = nullptr;
    for (const TLayoutObject& child : pager->Children)
        if (child.Name == L"OrvQuickAccessToolBar1") qat = &child;
    ASSERT_NE(qat, nullptr) << "a child of the pager";
    EXPECT_EQ(qat->ClassName, L"TOrvQuickAccessToolBar");
    auto stored = [qat](const std::wstring& path) -> const TLayoutValue* {
        for (const TLayoutProperty& p : qat->Properties)
            if (p.Path == path) return &p.Value;
        return nullptr;
    };
    const std::pair<const wchar_t*, int64_t> geometry[] = {{L"Left", 5}, {L"Top", 3}, {L"Width", 60}, {L"Height", 25}};
    for (const auto& [path, value] : geometry) {
        const TLayoutValue* v = stored(path);
        ASSERT_NE(v, nullptr) << Narrow(path);
        EXPECT_EQ(v->Integer, value) << Narrow(path);
    }
    const TLayoutValue* customize = stored(L"ShowCustomizeOption");
    ASSERT_NE(customize, nullptr);
    EXPECT_EQ(customize->Text, L"False");
}

namespace {

// The backstage frame's own layout: the three lists, the menu list and their items.
std::vector<TRow> FrameRows() {
    std::vector<TRow> rows;
    auto add = [&rows](const std::wstring& component, const std::wstring& path, TValue value) {
        rows.push_back({component, path, std::move(value)});
    };
    const std::wstring states[] = {L"Normal", L"ButtonNormal", L"Down",    L"ButtonDown",    L"Disabled",
                                   L"ButtonDisabled", L"Hovered", L"ButtonHovered", L"Selected", L"ButtonSelected"};
    // Colour and border of each state of the lists, in the order above.
    const TColor listColor[] = {clNone, clWhite, 0x006BD8FE, 0x006BD8FE, clNone,
                                clNone, 0x008AE3FD, 0x008AE3FD, 0x0045E1FE, 0x0045E1FE};
    const TColor listBorder[] = {clNone, 0x00EDEDEC, 0x00308AC2, 0x00308AC2, clNone,
                                 clNone, 0x0060CDF2, 0x0060CDF2, 0x004FA0CE, 0x004FA0CE};
    const wchar_t* const lists[] = {L"OrvPolyList1", L"OrvPolyList2", L"OrvPolyList3"};
    const int tabOrders[] = {1, 2, 3};
    for (int l = 0; l < 3; ++l) {
        const std::wstring list = lists[l];
        add(list, L"Left", 161);
        add(list, L"Top", 0);
        add(list, L"Width", 413);
        add(list, L"Height", 395);
        add(list, L"Align", L"alClient");
        add(list, L"DoubleBuffered", 1);
        add(list, L"BorderMode", L"bmTransition");
        add(list, L"BorderTypes", L"[]");
        add(list, L"TabOrder", tabOrders[l]);
        for (int s = 0; s < 10; ++s) {
            const std::wstring state = L"List.Appearance." + states[s] + L".";
            add(list, state + L"Color", listColor[s]);
            add(list, state + L"ColorTo", s == 1 ? 0x00F1EFED : clNone);
            add(list, state + L"ColorMirror", clNone);
            add(list, state + L"ColorMirrorTo", clNone);
            add(list, state + L"BorderColor", listBorder[s]);
            add(list, state + L"Rounding", 2);
            add(list, state + L"ShadowOffset", 0);
        }
        add(list, L"List.Appearance.ButtonNormal.GradientMirrorType", L"gtNone");
        for (const wchar_t* glowing : {L"Down", L"Disabled", L"Hovered", L"Selected"})
            add(list, L"List.Appearance." + std::wstring(glowing) + L".Glow", L"gmGradient");
        for (const wchar_t* font : {L"Normal", L"Down", L"Disabled", L"Hovered", L"Selected"}) {
            const std::wstring f = L"List.Appearance." + std::wstring(font) + L"Font.";
            add(list, f + L"Name", L"Tahoma");
            add(list, f + L"Height", -11);
            add(list, f + L"Color", clWindowText);
        }
        add(list, L"Fill.Color", clWhite);
        add(list, L"Fill.ColorTo", clWhite);
        add(list, L"Fill.ColorMirror", clNone);
        add(list, L"Fill.ColorMirrorTo", clNone);
        add(list, L"Fill.BorderColor", clSilver);
        add(list, L"Fill.Rounding", 0);
        for (int i = 0; i < 3; ++i) {
            const std::wstring item = L"TextItem" + std::to_wstring(3 * l + i + 1);
            add(item, L"X", 3);
            add(item, L"Y", 3 + 35 * i);
            add(item, L"Width", 406);
            add(item, L"Tag", 0);
            const std::wstring caption =
                L"Menu Item " + std::to_wstring(l + 1) + L" Sub Item " + std::to_wstring(i + 1);
            add(item, L"Caption", caption.c_str());
        }
    }

    const std::wstring menu = L"AppMenu1";
    add(menu, L"Left", 0);
    add(menu, L"Top", 0);
    add(menu, L"Width", 161);
    add(menu, L"Height", 395);
    add(menu, L"Align", L"alLeft");
    add(menu, L"IsMainMenu", 1);
    add(menu, L"Ctl3D", 0);
    add(menu, L"DoubleBuffered", 1);
    add(menu, L"TabOrder", 0);
    add(menu, L"BorderMode", L"bmTransition");
    add(menu, L"BorderTypes", L"[btNormalRight]");
    add(menu, L"ListMargins.Left", 0);
    add(menu, L"ListMargins.Right", 0);
    add(menu, L"PictureContainer", L"GDIPPictureContainer1");
    add(menu, L"List.Appearance.PictureContainer", L"GDIPPictureContainer1");
    add(menu, L"OnItemSelect", L"assigned");
    const std::wstring a = L"List.Appearance.";
    for (const wchar_t* state : {L"Normal", L"ButtonNormal", L"Down", L"ButtonDown", L"Disabled", L"ButtonDisabled",
                                 L"Hovered", L"ButtonHovered", L"Selected", L"ButtonSelected"})
        add(menu, a + state + L".GradientMirrorType", L"gtVertical");
    for (const wchar_t* part : {L"Color", L"ColorTo", L"ColorMirror", L"ColorMirrorTo", L"BorderColor"})
        add(menu, a + L"Normal." + part, clNone);
    add(menu, a + L"Normal.Rounding", 2);
    add(menu, a + L"ButtonNormal.Color", clWhite);
    add(menu, a + L"ButtonNormal.ColorTo", 0x00F1EFED);
    add(menu, a + L"ButtonNormal.BorderColor", 0x00EDEDEC);
    add(menu, a + L"Down.Color", 0x00F8D1B6);
    add(menu, a + L"Down.Opacity", 77);
    add(menu, a + L"Down.BorderColor", 0x00E07D52);
    add(menu, a + L"Down.RoundingType", L"rtNone");
    add(menu, a + L"Down.Glow", L"gmGradient");
    add(menu, a + L"ButtonDown.Color", 0x006BD8FE);
    add(menu, a + L"ButtonDown.BorderColor", 0x00308AC2);
    add(menu, a + L"Hovered.Color", 0x00FCEEE2);
    add(menu, a + L"Hovered.Opacity", 77);
    add(menu, a + L"Hovered.BorderColor", 0x00E07D52);
    add(menu, a + L"Hovered.RoundingType", L"rtNone");
    add(menu, a + L"Hovered.Glow", L"gmGradient");
    add(menu, a + L"ButtonHovered.Color", 0x008AE3FD);
    add(menu, a + L"ButtonHovered.BorderColor", 0x0060CDF2);
    add(menu, a + L"Selected.Color", 0x00BE5A10);
    add(menu, a + L"Selected.BorderColor", 0x00973F07);
    add(menu, a + L"Selected.RoundingType", L"rtNone");
    add(menu, a + L"Selected.Glow", L"gmRadialGradient");
    add(menu, a + L"Selected.GlowGradientColor", 0x00B1500D);
    add(menu, a + L"Selected.GlowRadialColor", 0x00F49C59);
    add(menu, a + L"ButtonSelected.Color", 0x0045E1FE);
    add(menu, a + L"ButtonSelected.BorderColor", 0x004FA0CE);
    for (const wchar_t* font : {L"Normal", L"Down", L"Disabled", L"Hovered", L"Selected"}) {
        const std::wstring f = a + font + L"Font.";
        add(menu, f + L"Name", L"Tahoma");
        add(menu, f + L"Height", -11);
        add(menu, f + L"Color", std::wstring(font) == L"Selected" ? clWhite : clWindowText);
    }
    add(menu, L"Fill.Color", 0x00FCF5ED);
    add(menu, L"Fill.ColorTo", 0x00F2E1D4);
    add(menu, L"Fill.ColorMirror", clNone);
    add(menu, L"Fill.ColorMirrorTo", clNone);
    add(menu, L"Fill.GradientMirrorType", L"gtVertical");
    add(menu, L"Fill.BorderColor", 0x00CBB199);
    add(menu, L"Fill.Rounding", 0);

    struct TMenuEntry {
        const wchar_t* Name;
        int Y;
        int Tag;
        const wchar_t* Picture;  // null: a wedge item
    };
    const TMenuEntry entries[] = {
        {L"ImageTextItem1", 3, 0, L"save.png"},   {L"ImageTextItem3", 38, 0, L"saveas.png"},
        {L"ImageTextItem2", 73, 0, L"open.png"},  {L"ImageTextItem4", 108, 0, L"close.png"},
        {L"WedgeItem7", 143, 1, nullptr},         {L"WedgeItem8", 188, 2, nullptr},
        {L"WedgeItem9", 233, 3, nullptr},         {L"ImageTextItem5", 278, 0, L"options.png"},
        {L"ImageTextItem6", 313, 0, L"closebutton.png"},
    };
    for (const TMenuEntry& e : entries) {
        add(e.Name, L"X", 0);
        add(e.Name, L"Y", e.Y);
        add(e.Name, L"Width", 160);
        add(e.Name, L"Tag", e.Tag);
        add(e.Name, L"Selectable", e.Picture ? 0 : 1);
        if (e.Picture) {
            add(e.Name, L"Spacing", 20);
            add(e.Name, L"ImageName", e.Picture);
        } else {
            add(e.Name, L"Height", 40);
            add(e.Name, L"CaptionMargin.Left", 40);
            add(e.Name, L"WedgeStates", L"[isSelected]");
        }
    }
    // Every item of the frame carries the same status badge.
    std::vector<std::wstring> items;
    for (int i = 1; i <= 9; ++i) items.push_back(L"TextItem" + std::to_wstring(i));
    for (const TMenuEntry& e : entries) items.push_back(e.Name);
    for (const std::wstring& item : items) {
        add(item, L"Status.Caption", L"0");
        add(item, L"Status.OffsetLeft", 14);
        add(item, L"Status.OffsetTop", -6);
        add(item, L"Status.Appearance.Fill.Color", clRed);
        add(item, L"Status.Appearance.Fill.GradientType", L"gtSolid");
        add(item, L"Status.Appearance.Fill.BorderColor", clGray);
        add(item, L"Status.Appearance.Font.Name", L"Tahoma");
        add(item, L"Status.Appearance.Font.Height", -11);
        add(item, L"Status.Appearance.Font.Color", clWhite);
        add(item, L"Status.Hint", L"Status Hint");
    }
    add(L"GDIPPictureContainer1", L"Items", 35);
    return rows;
}

}  // namespace

TEST(ProgramValues, TheBackstageFrameHoldsEveryStoredValue) {
    TOwnedPtr<TZemFrame2> frame(Make<TZemFrame2>(nullptr));
    ExpectRows(frame.get(), FrameRows());
}
