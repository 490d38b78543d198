// Copying published values by the class tables, and the record font initialiser.
#include <gtest/gtest.h>
#include <windows.h>

#include "TestSupport.h"
#include "framework/ClassRegistry.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/Graphics.h"
#include "framework/SysUtils.h"
#include "framework/SystemFont.h"

using namespace orv;

namespace {

// A nested record that copies itself by the tables.
class TSwatchEdge : public TPersistent {
public:
    ORV_CLASS_NAME(TSwatchEdge)
    void Assign(const TPersistent* source) override {
        ++Assigns;
        if (!AssignPublished(source, this)) TPersistent::Assign(source);
    }
    int GetWidth() const { return FWidth; }
    void SetWidth(int v) { FWidth = v; }
    int Assigns = 0;

private:
    int FWidth = 1;
};

class TSwatch : public TPersistent {
public:
    ORV_CLASS_NAME(TSwatch)
    TColor GetColor() const { return FColor; }
    void SetColor(TColor v) {
        FColor = v;
        ++Sets;
    }
    int16_t GetDepth() const { return FDepth; }
    void SetDepth(int16_t v) { FDepth = v; }
    const std::wstring& GetCaption() const { return FCaption; }
    void SetCaption(const std::wstring& v) { FCaption = v; }
    const std::vector<std::wstring>& GetLines() const { return FLines; }
    void SetLines(const std::vector<std::wstring>& v) { FLines = v; }
    TComponent* GetLink() const { return FLink; }
    void SetLink(TComponent* v) { FLink = v; }
    TSwatchEdge& Edge() { return FEdge; }
    TNotifyEvent OnPaint;
    int Sets = 0;

private:
    TColor FColor = clWhite;
    int16_t FDepth = 0;
    std::wstring FCaption;
    std::vector<std::wstring> FLines;
    TComponent* FLink = nullptr;
    TSwatchEdge FEdge;
};

class TDeepSwatch : public TSwatch {
public:
    ORV_CLASS_NAME(TDeepSwatch)
    double GetGloss() const { return FGloss; }
    void SetGloss(double v) { FGloss = v; }

private:
    double FGloss = 0.5;
};

// Publishes a Color too, but shares no class with the swatches.
class TStranger : public TPersistent {
public:
    ORV_CLASS_NAME(TStranger)
    TColor GetColor() const { return FColor; }
    void SetColor(TColor v) { FColor = v; }

private:
    TColor FColor = clRed;
};

class TUnregistered : public TSwatch {
public:
    ORV_CLASS_NAME(TUnregistered)
};

void RegisterSwatches() {
    TClassBuilder<TSwatchEdge>(L"TSwatchEdge", L"TPersistent")
        .Int(L"Width", &TSwatchEdge::GetWidth, &TSwatchEdge::SetWidth);
    TClassBuilder<TSwatch>(L"TSwatch", L"TPersistent")
        .Color(L"Color", &TSwatch::GetColor, &TSwatch::SetColor)
        .Int(L"Depth", &TSwatch::GetDepth, &TSwatch::SetDepth)
        .String(L"Caption", &TSwatch::GetCaption, &TSwatch::SetCaption)
        .Strings(L"Lines", &TSwatch::GetLines, &TSwatch::SetLines)
        .Component<TComponent>(L"Link", &TSwatch::GetLink, &TSwatch::SetLink)
        .Object(L"Edge", &TSwatch::Edge)
        .Event(L"OnPaint", &TSwatch::OnPaint);
    TClassBuilder<TDeepSwatch>(L"TDeepSwatch", L"TSwatch")
        .Float(L"Gloss", &TDeepSwatch::GetGloss, &TDeepSwatch::SetGloss);
    TClassBuilder<TStranger>(L"TStranger", L"TPersistent").Color(L"Color", &TStranger::GetColor, &TStranger::SetColor);
}

}  // namespace

TEST(AssignPublished, CopiesTheValuesBothClassesPublishThroughTheSetters) {
    RegisterSwatches();
    TOwnedPtr<TComponent> link(new TComponent(nullptr));
    TDeepSwatch source;
    source.SetColor(0x123456);
    source.SetDepth(-300);
    source.SetCaption(L"deep");
    source.SetLines({L"a", L"b"});
    source.SetLink(link.get());
    source.Edge().SetWidth(4);
    source.SetGloss(0.25);
    int painted = 0;
    source.OnPaint = [&painted](TObject*) { ++painted; };

    TDeepSwatch same;
    EXPECT_TRUE(AssignPublished(&source, &same));
    EXPECT_EQ(same.GetColor(), 0x123456);
    EXPECT_EQ(same.Sets, 1) << "through the setter";
    EXPECT_EQ(same.GetDepth(), -300);
    EXPECT_EQ(same.GetCaption(), L"deep");
    EXPECT_EQ(same.GetLines(), (std::vector<std::wstring>{L"a", L"b"}));
    EXPECT_EQ(same.GetLink(), link.get());
    EXPECT_EQ(same.Edge().GetWidth(), 4);
    EXPECT_EQ(same.Edge().Assigns, 1) << "a nested record copies itself by its own Assign";
    EXPECT_DOUBLE_EQ(same.GetGloss(), 0.25);
    EXPECT_FALSE(same.OnPaint) << "handlers are not values";

    // Down to the shared class only, both ways.
    TSwatch base;
    EXPECT_TRUE(AssignPublished(&source, &base));
    EXPECT_EQ(base.GetColor(), 0x123456);
    TDeepSwatch deep;
    EXPECT_TRUE(AssignPublished(&base, &deep));
    EXPECT_EQ(deep.GetCaption(), L"deep");
    EXPECT_DOUBLE_EQ(deep.GetGloss(), 0.5) << "the source does not publish it";

    // A class that only shares TPersistent shares nothing, even a property of that name.
    TStranger stranger;
    EXPECT_FALSE(AssignPublished(&stranger, &base));
    EXPECT_EQ(base.GetColor(), 0x123456);
    EXPECT_FALSE(AssignPublished(&source, &stranger));
    EXPECT_EQ(stranger.GetColor(), clRed);

    // A filter picks properties.
    TSwatch picked;
    AssignPublished(&source, &picked, [](const TPropInfo& p) { return p.Name == L"Caption"; });
    EXPECT_EQ(picked.GetCaption(), L"deep");
    EXPECT_EQ(picked.GetColor(), clWhite);

    TUnregistered lost;
    EXPECT_THROW(AssignPublished(&source, &lost), EInvalidOperation);
}

TEST(AssignPublished, ParentFlagsBetweenControlsComeOutAsInTheSource) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetShowHint(true);
    form->SetColor(0x102030);
    form->Font().SetHeight(-17);
    auto* follows = new TPanel(form.get());
    follows->SetParent(form.get());
    auto* own = new TPanel(form.get());
    own->SetParent(form.get());
    own->SetShowHint(false);
    own->SetColor(0x0000FF);
    own->Font().SetHeight(-9);
    ASSERT_FALSE(own->GetParentShowHint());
    ASSERT_FALSE(own->GetParentColor());
    ASSERT_FALSE(own->GetParentFont());

    // Following the parent in all three.
    auto* target = new TPanel(form.get());
    target->SetParent(form.get());
    AssignPublished(own, target);
    ASSERT_TRUE(AssignPublished(follows, target));
    EXPECT_TRUE(target->GetParentShowHint()) << "the ShowHint setter must not clear the copied flag";
    EXPECT_TRUE(target->GetShowHint());
    EXPECT_TRUE(target->GetParentColor());
    EXPECT_EQ(target->GetColor(), 0x102030);
    EXPECT_TRUE(target->GetParentFont());
    EXPECT_EQ(target->Font().GetHeight(), -17);

    // Own settings in all three.
    ASSERT_TRUE(AssignPublished(own, target));
    EXPECT_FALSE(target->GetParentShowHint());
    EXPECT_FALSE(target->GetShowHint());
    EXPECT_FALSE(target->GetParentColor());
    EXPECT_EQ(target->GetColor(), 0x0000FF);
    EXPECT_FALSE(target->GetParentFont());
    EXPECT_EQ(target->Font().GetHeight(), -9);
}

TEST(AssignPublished, ARangeCheckedSetterRefusesWhatItsTypeCannotHold) {
    RegisterSwatches();
    const TPropInfo* depth = TClassRegistry::Find(L"TSwatch")->FindProp(L"Depth");
    ASSERT_NE(depth, nullptr);
    EXPECT_EQ(depth->MinValue, -32768);
    EXPECT_EQ(depth->MaxValue, 32767);
    TSwatch s;
    depth->SetInt(&s, -32768);
    EXPECT_EQ(s.GetDepth(), -32768);
    try {
        depth->SetInt(&s, 40000);
        ADD_FAILURE() << "40000 was taken into a 16-bit value";
    } catch (const ERangeError& e) {
        EXPECT_EQ(e.Message(), L"Value 40000 is out of range for Depth (-32768..32767)");
    }
    EXPECT_EQ(s.GetDepth(), -32768);

    // A component of the wrong kind is refused with the framework's exception.
    TOwnedPtr<TComponent> plain(new TComponent(nullptr));
    TClassBuilder<TSwatch>(L"TSwatchLinked", L"TPersistent")
        .Component<TControl>(L"Control", &TSwatch::GetLink, [](TSwatch* o, TControl* c) { o->SetLink(c); });
    const TPropInfo* control = TClassRegistry::Find(L"TSwatchLinked")->FindProp(L"Control");
    EXPECT_THROW(control->SetComponent(&s, plain.get()), Exception);
}

TEST(RecordFont, OneInitialiserForTheMenuFontAndTheUserInterfaceFace) {
    TFont face;
    face.SetHeight(-20);
    face.SetStyle(fsBold);
    face.SetColor(clRed);
    InitRecordFont(face, TSystemFont::Face);
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    bool vista = kernel && GetProcAddress(kernel, "GetLocaleInfoEx");
    EXPECT_EQ(face.GetName(), vista ? L"Segoe UI" : L"Tahoma");
    EXPECT_EQ(face.GetHeight(), -20) << "the face only";
    EXPECT_EQ(face.GetStyle(), fsBold);
    EXPECT_EQ(face.GetColor(), clRed);
    InitRecordFont(face, TSystemFont::Face, 8);
    EXPECT_EQ(face.GetSize(), 8);

    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
    TFont menu;
    menu.SetColor(clRed);
    int changes = 0;
    menu.OnChange = [&changes](TObject*) { ++changes; };
    InitRecordFont(menu, TSystemFont::Menu);
    EXPECT_EQ(menu.GetName(), std::wstring(metrics.lfMenuFont.lfFaceName));
    EXPECT_EQ(menu.GetHeight(), metrics.lfMenuFont.lfHeight ? metrics.lfMenuFont.lfHeight : -11);
    EXPECT_EQ(menu.GetCharset(), metrics.lfMenuFont.lfCharSet);
    EXPECT_EQ(menu.GetColor(), clWindowText);
    EXPECT_GE(changes, 1);
}
