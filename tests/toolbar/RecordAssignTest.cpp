// The appearance records copy themselves by the class tables: each Assign gives the
// values and the change events its former field-by-field version gave. And stylers
// survive a write and read exactly, presets included.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "buttons/GlowButtonAppearance.h"
#include "framework/Bitmap.h"
#include "framework/ClassRegistry.h"
#include "framework/LayoutReader.h"
#include "menus/OrvMenus.h"
#include "toolbar/OrvToolBarStylers.h"
#include "toolbar/OrvToolBarTabAppearance.h"

using namespace orv;

namespace {

// Every published value of obj, by dotted path, as text (events and references aside).
using TValues = std::map<std::wstring, std::wstring>;

void Collect(TObject* obj, const std::wstring& prefix, TValues& out, bool storedOnly) {
    const TClassInfo* info = TClassRegistry::FindFor(obj);
    ASSERT_NE(info, nullptr) << ToUtf8(obj->ClassName());
    for (const TPropInfo* p : info->AllProps()) {
        if (storedOnly && p->IsStored && !p->IsStored(obj)) continue;
        std::wstring path = prefix + p->Name;
        switch (p->Kind) {
            case TPropKind::Integer:
            case TPropKind::Bool:
            case TPropKind::Enum:
            case TPropKind::Set:
            case TPropKind::Color:
                out[path] = std::to_wstring(p->GetInt(obj));
                break;
            case TPropKind::Float:
                out[path] = std::to_wstring(p->GetFloat(obj));
                break;
            case TPropKind::String:
                out[path] = p->GetString(obj);
                break;
            case TPropKind::Object:
                Collect(p->GetNested(obj), path + L".", out, storedOnly);
                break;
            default:
                break;
        }
    }
}

TValues ValuesOf(TObject* obj, bool storedOnly = false) {
    TValues out;
    Collect(obj, L"", out, storedOnly);
    return out;
}

// Gives every published value of obj another value than it has (numbers, colours,
// enumerations, flags and strings, nested records too).
void ChangeAll(TObject* obj) {
    const TClassInfo* info = TClassRegistry::FindFor(obj);
    for (const TPropInfo* p : info->AllProps()) {
        switch (p->Kind) {
            case TPropKind::Integer:
            case TPropKind::Color:
                p->SetInt(obj, p->GetInt(obj) == 7 ? 8 : 7);
                break;
            case TPropKind::Bool:
                p->SetInt(obj, p->GetInt(obj) ? 0 : 1);
                break;
            case TPropKind::Enum:
                p->SetInt(obj, (p->GetInt(obj) + 1) % static_cast<int64_t>(p->Enum->Names.size()));
                break;
            case TPropKind::Set:
                p->SetInt(obj, p->GetInt(obj) ^ 1);
                break;
            case TPropKind::String:
                p->SetString(obj, p->GetString(obj) + L"x");
                break;
            case TPropKind::Object:
                ChangeAll(p->GetNested(obj));
                break;
            default:
                break;
        }
    }
}

// What the former Assign of a record did: which published values it left alone, how
// many change events a copy of an all-different source raised, and the values it
// copied without publishing them.
template <class R>
struct TFormerAssign {
    TFormerAssign(std::vector<std::wstring> kept, int changes) : Kept(std::move(kept)), Changes(changes) {}
    std::vector<std::wstring> Kept;  // dotted paths, prefixes allowed ("CaptionFont.")
    int Changes = 0;
    std::function<void(R&)> SetUnpublished;
    std::function<void(R&)> CheckUnpublished;
};

template <class R>
void ExpectSameAsFormerAssign(const char* what, const TFormerAssign<R>& former) {
    SCOPED_TRACE(what);
    R source, target, fresh;
    ChangeAll(&source);
    if (former.SetUnpublished) former.SetUnpublished(source);
    int changes = 0;
    target.OnChange = [&changes](TObject*) { ++changes; };
    target.Assign(&source);
    EXPECT_EQ(changes, former.Changes) << "change events of one Assign";

    TValues expected = ValuesOf(&source);
    TValues untouched = ValuesOf(&fresh);
    for (auto& [path, value] : expected)
        for (const auto& kept : former.Kept)
            if (path == kept || (kept.back() == L'.' && path.rfind(kept, 0) == 0)) value = untouched[path];
    TValues got = ValuesOf(&target);
    ASSERT_EQ(got.size(), expected.size());
    for (const auto& [path, value] : expected) EXPECT_EQ(got[path], value) << ToUtf8(path);
    if (former.CheckUnpublished) former.CheckUnpublished(target);
}

}  // namespace

TEST(RecordAssign, ToolbarRecordsCopyWhatTheirFieldByFieldAssignCopied) {
    ExpectSameAsFormerAssign<TGradientBackground>("TGradientBackground", {{}, 0});
    ExpectSameAsFormerAssign<TMirrorGradient>("TMirrorGradient", {{}, 0});
    ExpectSameAsFormerAssign<TVistaGradientBackground>("TVistaGradientBackground", {{}, 0});
    ExpectSameAsFormerAssign<TContainerAppearance>("TContainerAppearance", {{}, 2});
    ExpectSameAsFormerAssign<TCaptionAppearance>("TCaptionAppearance", {{}, 2});
    TFormerAssign<TVistaBackground> vista{{}, 2};
    vista.SetUnpublished = [](TVistaBackground& r) {
        r.SetShadowColor(0x0A0B0C);
        r.SetHighLightColor(0x0D0E0F);
    };
    vista.CheckUnpublished = [](TVistaBackground& r) {
        EXPECT_EQ(r.GetShadowColor(), 0x0A0B0C);
        EXPECT_EQ(r.GetHighLightColor(), 0x0D0E0F);
    };
    ExpectSameAsFormerAssign<TVistaBackground>("TVistaBackground", vista);
    ExpectSameAsFormerAssign<TVistaPageBackground>("TVistaPageBackground", {{}, 2});
    // Two gradients, two text colours and the font.
    ExpectSameAsFormerAssign<TVistaTextBackground>("TVistaTextBackground", {{L"SystemFont"}, 5});
    ExpectSameAsFormerAssign<TQATAppearance>("TQATAppearance", {{}, 1});
    ExpectSameAsFormerAssign<TToolBarAppearance>("TToolBarAppearance", {{}, 0});
    ExpectSameAsFormerAssign<TCustomTabAppearance>("TCustomTabAppearance", {{L"SystemFont"}, 3});
    ExpectSameAsFormerAssign<TTabAppearance>("TTabAppearance", {{L"SystemFont"}, 3});
    // Caption (2), page (2) and tab (3) records, then the two gradients.
    TFormerAssign<TGroupAppearance> group{{L"SystemFont", L"TabAppearance.SystemFont"}, 9};
    group.SetUnpublished = [](TGroupAppearance& r) { r.SetSteps(12); };
    group.CheckUnpublished = [](TGroupAppearance& r) { EXPECT_EQ(r.GetSteps(), 12); };
    ExpectSameAsFormerAssign<TGroupAppearance>("TGroupAppearance", group);
    ExpectSameAsFormerAssign<TButtonAppearance>(
        "TToolBarButtonAppearance", {{L"GradientDirectionHot", L"GradientDirectionDown", L"GradientDirectionChecked",
                                      L"CaptionFont.", L"SystemFont"},
                                     0});
}

TEST(RecordAssign, MenuAndGlowRecordsCopyEverythingWithOneChange) {
    using namespace orv::menus;
    TFormerAssign<TBackground> background{{}, 1};
    background.SetUnpublished = [](TBackground& r) {
        TBitmap image(3, 2);
        r.SetImage(image);
    };
    background.CheckUnpublished = [](TBackground& r) {
        EXPECT_EQ(r.Image().Width(), 3);
        EXPECT_EQ(r.Image().Height(), 2);
    };
    ExpectSameAsFormerAssign<TBackground>("TBackground", background);
    ExpectSameAsFormerAssign<TIconBar>("TIconBar", {{}, 1});
    TFormerAssign<TSelectedItem> selected{{}, 1};
    selected.SetUnpublished = [](TSelectedItem& r) {
        r.SetCheckGradientDirection(menus::gdHorizontal);
        r.SetRadioGradientDirection(menus::gdHorizontal);
    };
    selected.CheckUnpublished = [](TSelectedItem& r) {
        EXPECT_EQ(r.GetCheckGradientDirection(), menus::gdHorizontal);
        EXPECT_EQ(r.GetRadioGradientDirection(), menus::gdHorizontal);
    };
    ExpectSameAsFormerAssign<TSelectedItem>("TSelectedItem", selected);
    ExpectSameAsFormerAssign<TRootItem>("TRootItem", {{}, 1});
    ExpectSameAsFormerAssign<TSeparator>("TSeparator", {{}, 1});
    TFormerAssign<TBarCaption> caption{{}, 1};
    caption.SetUnpublished = [](TBarCaption& r) {
        r.SetHighlightColor(0x010101);
        r.SetOffset(11);
    };
    caption.CheckUnpublished = [](TBarCaption& r) {
        EXPECT_EQ(r.GetHighlightColor(), 0x010101);
        EXPECT_EQ(r.GetOffset(), 11);
    };
    ExpectSameAsFormerAssign<TBarCaption>("TBarCaption", caption);
    TFormerAssign<TSideBar> side{{}, 1};
    side.SetUnpublished = [](TSideBar& r) {
        r.SetHighlightColor(0x020202);
        r.SetOffset(12);
        r.SetSide(1);
    };
    side.CheckUnpublished = [](TSideBar& r) {
        EXPECT_EQ(r.GetHighlightColor(), 0x020202);
        EXPECT_EQ(r.GetOffset(), 12);
        EXPECT_EQ(r.GetSide(), 1);
    };
    ExpectSameAsFormerAssign<TSideBar>("TSideBar", side);
    ExpectSameAsFormerAssign<menus::TButtonAppearance>("TButtonAppearance", {{}, 1});
    ExpectSameAsFormerAssign<TGlowButtonAppearance>("TGlowButtonAppearance", {{}, 1});

    // A bar copies from another kind of bar what the two share.
    TIconBar icon;
    TSeparator separator;
    separator.SetColor(0x030303);
    separator.SetWidth(5);
    icon.Assign(&separator);
    EXPECT_EQ(icon.GetColor(), 0x030303);
    TFont font;
    EXPECT_THROW(icon.Assign(&font), EConvertError);
}

// --- stylers in stored layouts ---------------------------------------------------------

namespace {

class TStylerHost : public TComponent {
public:
    ORV_CLASS_NAME(TStylerHost)
    using TComponent::TComponent;
};

// Sets every stored value of obj that differs from reference's back to reference's;
// returns how many.
int SetBackTo(TObject* obj, TObject* reference) {
    int count = 0;
    for (const TPropInfo* p : TClassRegistry::FindFor(obj)->AllProps()) {
        if (p->AppliesPreset || (p->IsStored && !p->IsStored(obj))) continue;
        switch (p->Kind) {
            case TPropKind::Integer:
            case TPropKind::Bool:
            case TPropKind::Enum:
            case TPropKind::Set:
            case TPropKind::Color:
                if (p->GetInt(obj) != p->GetInt(reference)) {
                    p->SetInt(obj, p->GetInt(reference));
                    ++count;
                }
                break;
            case TPropKind::Object:
                count += SetBackTo(p->GetNested(obj), p->GetNested(reference));
                break;
            default:
                break;
        }
    }
    return count;
}

}  // namespace

TEST(StylerLayout, ValuesSetBackAfterAPresetSurviveAWriteAndRead) {
    TClassBuilder<TStylerHost>(L"TStylerHost", L"TComponent");
    TOwnedPtr<TStylerHost> host(new TStylerHost(nullptr));
    host->SetName(L"Host");
    auto* styler = Make<TOrvToolBarOfficeStyler>(host.get());
    styler->SetName(L"Styler1");
    auto* menuStyler = Make<menus::TOrvMenuStyler>(host.get());
    menuStyler->SetName(L"MenuStyler1");
    styler->SetOrvMenuStyler(menuStyler);

    TOwnedPtr<TOrvToolBarOfficeStyler> constructed(Make<TOrvToolBarOfficeStyler>(nullptr));
    styler->SetStyle(bsOffice2010Blue);
    int setBack = SetBackTo(styler, constructed.get());
    EXPECT_GE(setBack, 70) << "the preset changes that many stored values";
    // The constructor's values, now differing from the preset's.
    EXPECT_EQ(styler->TabAppearance().GetColor(), clBtnFace);
    EXPECT_EQ(styler->GroupAppearance().GetColor(), clWhite);

    // The menu styler: values changed, some set back to the constructor's.
    menuStyler->SelectedItem().SetColor(clRed);
    menuStyler->SetMenuBorderColor(0x00102030);
    menuStyler->SideBar().SetSize(40);
    menuStyler->SideBar().SetSize(24);
    menuStyler->RootItem().SetHoverTextColor(clBlue);

    std::wstring written = WriteComponentLayout(host.get());
    TOwnedPtr<TStylerHost> again(new TStylerHost(nullptr));
    ReadLayoutText(again.get(), written, L"Stylers");
    auto* styler2 = dynamic_cast<TOrvToolBarOfficeStyler*>(again->FindComponent(L"Styler1"));
    auto* menuStyler2 = dynamic_cast<menus::TOrvMenuStyler*>(again->FindComponent(L"MenuStyler1"));
    ASSERT_TRUE(styler2 && menuStyler2) << ToUtf8(written);
    EXPECT_EQ(styler2->GetStyle(), bsOffice2010Blue);
    EXPECT_EQ(styler2->TabAppearance().GetColor(), clBtnFace);
    EXPECT_EQ(styler2->GroupAppearance().GetColor(), clWhite);
    EXPECT_EQ(styler2->GetOrvMenuStyler(), menuStyler2);
    EXPECT_EQ(menuStyler2->SelectedItem().GetColor(), clRed);
    EXPECT_EQ(menuStyler2->RootItem().GetHoverTextColor(), clBlue);

    TValues before = ValuesOf(styler, true), after = ValuesOf(styler2, true);
    int differing = 0;
    for (const auto& [path, value] : before)
        if (after[path] != value) {
            ++differing;
            ADD_FAILURE() << ToUtf8(path) << ": " << ToUtf8(value) << " became " << ToUtf8(after[path]);
        }
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(ValuesOf(menuStyler2, true), ValuesOf(menuStyler, true));
    EXPECT_EQ(WriteComponentLayout(again.get()), written);
}
