#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "framework/Collection.h"
#include "framework/FrameworkClasses.h"
#include "framework/LayoutReader.h"
#include "framework/SysUtils.h"
#include "framework/Timer.h"

using namespace orv;

namespace {

std::vector<std::wstring> gLog;

class TInner : public TPersistent {
public:
    ORV_CLASS_NAME(TInner)
    int GetSize() const { return FSize; }
    void SetSize(int v) { FSize = v; }
    TColor GetShade() const { return FShade; }
    void SetShade(TColor v) { FShade = v; }
    TFont& Font() { return FFont; }

private:
    int FSize = 3;
    TColor FShade = clNone;
    TFont FFont;
};

class TOuter : public TPersistent {
public:
    ORV_CLASS_NAME(TOuter)
    TInner Inner;
    double GetRatio() const { return FRatio; }
    void SetRatio(double v) { FRatio = v; }

private:
    double FRatio = 0.5;
};

class TWidgetItem : public TCollectionItem {
public:
    ORV_CLASS_NAME(TWidgetItem)
    using TCollectionItem::TCollectionItem;
    const std::wstring& GetCaption() const { return FCaption; }
    void SetCaption(const std::wstring& v) { FCaption = v; }
    // Starts at 125; the value 75 must survive a write and read like any other.
    int GetWidth() const { return FWidth; }
    void SetWidth(int v) { FWidth = v; }

private:
    std::wstring FCaption;
    int FWidth = 125;
};

enum class TMode { mdOff, mdSlow, mdFast };
enum TOption : uint8_t { opOne = 1, opTwo = 2, opThree = 4 };

class TWidget : public TCustomControl {
public:
    ORV_CLASS_NAME(TWidget)
    explicit TWidget(TComponent* owner) : TCustomControl(owner), FItems(this) {}
    int GetCount() const { return FCount; }
    void SetCount(int v) { FCount = v; }
    double GetScale() const { return FScale; }
    void SetScale(double v) { FScale = v; }
    bool GetFlag() const { return FFlag; }
    void SetFlag(bool v) { FFlag = v; }
    const std::wstring& GetText() const { return FText; }
    void SetText(const std::wstring& v) { FText = v; }
    TMode GetMode() const { return FMode; }
    void SetMode(TMode v) { FMode = v; }
    uint8_t GetOptions() const { return FOptions; }
    void SetOptions(uint8_t v) { FOptions = v; }
    TColor GetShade() const { return FShade; }
    void SetShade(TColor v) { FShade = v; }
    TOuter& Outer() { return FOuter; }
    TTypedCollection<TWidgetItem>& Items() { return FItems; }
    TWidget* GetBuddy() const { return FBuddy; }
    void SetBuddy(TWidget* v) {
        FBuddy = v;
        BuddyLoadingWhenSet = v && v->IsLoading();
    }
    const std::vector<std::wstring>& GetLines() const { return FLines; }
    void SetLines(const std::vector<std::wstring>& v) { FLines = v; }
    const std::vector<uint8_t>& GetData() const { return FData; }
    void SetData(const std::vector<uint8_t>& v) { FData = v; }
    void Loaded() override {
        gLog.push_back(L"Loaded " + GetName());
        TCustomControl::Loaded();
    }
    TNotifyEvent OnPing;
    bool BuddyLoadingWhenSet = false;

private:
    int FCount = 0;
    double FScale = 1;
    bool FFlag = false;
    std::wstring FText;
    TMode FMode = TMode::mdOff;
    uint8_t FOptions = 0;
    TColor FShade = clBtnFace;
    TOuter FOuter;
    TTypedCollection<TWidgetItem> FItems;
    TWidget* FBuddy = nullptr;
    std::vector<std::wstring> FLines;
    std::vector<uint8_t> FData;
};

class TTestFrame : public TFrame {
public:
    ORV_CLASS_NAME(TTestFrame)
    using TFrame::TFrame;
    TWidget* FrameWidget = nullptr;
    void AfterConstruction() override {
        TFrame::AfterConstruction();
        // Construction code runs once the frame's own layout is in place.
        gLog.push_back(L"Frame built, widget count " + std::to_wstring(FrameWidget ? FrameWidget->GetCount() : -1));
    }
};

class TTestForm : public TForm {
public:
    ORV_CLASS_NAME(TTestForm)
    using TForm::TForm;
    TWidget* Widget1 = nullptr;
    TWidget* Widget2 = nullptr;
    TTestFrame* Frame1 = nullptr;
    int Pings = 0;
    bool ChildLoadingDuringRootLoaded = false;
    void Ping(TObject*) { ++Pings; }
    void FormCreate(TObject*) { gLog.push_back(L"FormCreate"); }
    void Loaded() override {
        gLog.push_back(L"Loaded " + GetName());
        ChildLoadingDuringRootLoaded = Widget1 && Widget1->IsLoading();
        TForm::Loaded();
    }
};

const TEnumInfo kModeIdents{{L"mdOff", L"mdSlow", L"mdFast"}};
const TEnumInfo kOptionIdents{{L"opOne", L"opTwo", L"opThree"}};

void RegisterTestClasses() {
    TClassBuilder<TInner>(L"TInner", L"TPersistent")
        .Int(L"Size", &TInner::GetSize, &TInner::SetSize)
        .Color(L"Shade", &TInner::GetShade, &TInner::SetShade)
        .Object(L"Font", &TInner::Font);
    TClassBuilder<TOuter>(L"TOuter", L"TPersistent")
        .Object(L"Inner", [](TOuter* o) -> TInner& { return o->Inner; })
        .Float(L"Ratio", &TOuter::GetRatio, &TOuter::SetRatio);
    TClassBuilder<TWidgetItem>(L"TWidgetItem", L"TPersistent")
        .String(L"Caption", &TWidgetItem::GetCaption, &TWidgetItem::SetCaption)
        .Int(L"Width", &TWidgetItem::GetWidth, &TWidgetItem::SetWidth);
    TClassBuilder<TWidget>(L"TWidget", L"TCustomControl")
        .Factory()
        .Int(L"Count", &TWidget::GetCount, &TWidget::SetCount)
        .Float(L"Scale", &TWidget::GetScale, &TWidget::SetScale)
        .Bool(L"Flag", &TWidget::GetFlag, &TWidget::SetFlag)
        .String(L"Text", &TWidget::GetText, &TWidget::SetText)
        .Enum(L"Mode", &TWidget::GetMode, &TWidget::SetMode, kModeIdents)
        .Set(L"Options", &TWidget::GetOptions, &TWidget::SetOptions, kOptionIdents)
        .Color(L"Shade", &TWidget::GetShade, &TWidget::SetShade)
        .Object(L"Outer", &TWidget::Outer)
        .Collection(L"Items", &TWidget::Items)
        .Component<TWidget>(L"Buddy", &TWidget::GetBuddy, &TWidget::SetBuddy)
        .Strings(L"Lines", &TWidget::GetLines, &TWidget::SetLines)
        .Binary(L"Data", &TWidget::GetData, &TWidget::SetData)
        .Event(L"OnPing", &TWidget::OnPing);
    TClassBuilder<TTestFrame>(L"TTestFrame", L"TFrame").Factory().Field(L"FrameWidget", &TTestFrame::FrameWidget);
    TClassBuilder<TTestForm>(L"TTestForm", L"TForm")
        .Factory()
        .Field(L"Widget1", &TTestForm::Widget1)
        .Field(L"Widget2", &TTestForm::Widget2)
        .Field(L"Frame1", &TTestForm::Frame1)
        .Method(L"Ping", &TTestForm::Ping)
        .Method(L"FormCreate", &TTestForm::FormCreate);
}

// Serves layouts from memory, for the duration of a test.
class TLayouts {
public:
    TLayouts() {
        RegisterTestClasses();
        FOld = SetLayoutSource([this](const std::wstring& cls, std::wstring& text) {
            for (auto& [name, body] : FTexts)
                if (name == cls) {
                    text = body;
                    return true;
                }
            return false;
        });
        gLog.clear();
    }
    ~TLayouts() { SetLayoutSource(FOld); }
    void Set(const std::wstring& cls, const std::wstring& text) {
        for (auto& [name, body] : FTexts)
            if (name == cls) {
                body = text;
                return;
            }
        FTexts.emplace_back(cls, text);
    }

private:
    std::vector<std::pair<std::wstring, std::wstring>> FTexts;
    TLayoutSource FOld;
};

const wchar_t* const kFormLayout =
    LR"(object TestForm: TTestForm
  Caption = 'Kinds'
  ClientWidth = 300
  ClientHeight = 200
  OnCreate = FormCreate
  object Widget1: TWidget
    Left = -5
    Width = 100
    Height = 40
    Count = $7FFFFFFF
    Scale = -2.25
    Flag = True
    Text = 'It''s'#13'two lines '#8364
    Mode = mdFast
    Options = [opOne, opThree]
    Shade = $00C7B29F
    Outer.Ratio = 0.125
    Outer.Inner.Size = -6
    Outer.Inner.Shade = clRed
    Outer.Inner.Font.Name = 'Segoe UI'
    Outer.Inner.Font.Style = [fsBold]
    Items = <
      item
        Caption = 'first'
        Width = 75
      end
      item
      end>
    Buddy = Widget2
    Lines = (
      'one'
      ''
      'three')
    Data = {00FF 7f80}
    OnPing = Ping
    TabOrder = 7
  end
  object Widget2: TWidget
    Shade = clWindowText
    Options = []
    TabOrder = 0
  end
end
)";

}  // namespace

TEST(Layout, EveryValueKindIsReadWrittenAndReadBackTheSame) {
    TLayouts layouts;
    layouts.Set(L"TTestForm", kFormLayout);
    TOwnedPtr<TTestForm> form(Make<TTestForm>(nullptr));
    ASSERT_NE(form->Widget1, nullptr);
    ASSERT_NE(form->Widget2, nullptr);
    TWidget& w = *form->Widget1;
    EXPECT_EQ(w.Left(), -5);
    EXPECT_EQ(w.GetCount(), 0x7FFFFFFF);
    EXPECT_DOUBLE_EQ(w.GetScale(), -2.25);
    EXPECT_TRUE(w.GetFlag());
    EXPECT_EQ(w.GetText(), L"It's\rtwo lines \u20AC");
    EXPECT_EQ(w.GetMode(), TMode::mdFast);
    EXPECT_EQ(w.GetOptions(), opOne | opThree);
    EXPECT_EQ(w.GetShade(), 0x00C7B29F);
    EXPECT_DOUBLE_EQ(w.Outer().GetRatio(), 0.125);
    EXPECT_EQ(w.Outer().Inner.GetSize(), -6);
    EXPECT_EQ(w.Outer().Inner.GetShade(), clRed);
    EXPECT_EQ(w.Outer().Inner.Font().GetName(), L"Segoe UI");
    EXPECT_EQ(w.Outer().Inner.Font().GetStyle(), fsBold);
    ASSERT_EQ(w.Items().Count(), 2);
    EXPECT_EQ(w.Items().Items(0)->GetCaption(), L"first");
    EXPECT_EQ(w.Items().Items(0)->GetWidth(), 75);
    EXPECT_EQ(w.Items().Items(1)->GetWidth(), 125) << "an absent value keeps the constructor's value";
    EXPECT_EQ(w.GetBuddy(), form->Widget2) << "a forward reference resolves after the whole tree";
    EXPECT_EQ(w.GetLines(), (std::vector<std::wstring>{L"one", L"", L"three"}));
    EXPECT_EQ(w.GetData(), (std::vector<uint8_t>{0x00, 0xFF, 0x7F, 0x80}));
    EXPECT_EQ(form->Widget2->GetShade(), clWindowText);
    w.OnPing(&w);
    EXPECT_EQ(form->Pings, 1);
    // Tab orders are sort keys: 7 and 0 among two siblings.
    EXPECT_EQ(form->Widget2->GetTabOrder(), 0);
    EXPECT_EQ(w.GetTabOrder(), 1);
    // Stored order is stacking order: the later sibling's window is on top.
    form->Show();
    EXPECT_EQ(GetWindow(form->Handle(), GW_CHILD), form->Widget2->Handle());
    form->Hide();

    std::wstring written = WriteComponentLayout(form.get());
    EXPECT_NE(written.find(L"Width = 75"), std::wstring::npos) << written;
    EXPECT_EQ(written.find(L"Width = 125"), std::wstring::npos) << "the constructor's value is left out";
    EXPECT_NE(written.find(L"OnPing = Ping"), std::wstring::npos);
    EXPECT_NE(written.find(L"Buddy = Widget2"), std::wstring::npos);

    layouts.Set(L"TTestForm", written);
    TOwnedPtr<TTestForm> again(Make<TTestForm>(nullptr));
    EXPECT_EQ(WriteComponentLayout(again.get()), written);
    EXPECT_EQ(again->Widget1->GetText(), w.GetText());
    EXPECT_EQ(again->Widget1->Items().Items(0)->GetWidth(), 75);
    EXPECT_EQ(again->Widget1->GetBuddy(), again->Widget2);
}

TEST(Layout, LoadedRunsOnceEachInCreationOrderThenOnCreate) {
    TLayouts layouts;
    layouts.Set(L"TTestForm", kFormLayout);
    TOwnedPtr<TTestForm> form(Make<TTestForm>(nullptr));
    EXPECT_EQ(gLog,
              (std::vector<std::wstring>{L"Loaded TestForm", L"Loaded Widget1", L"Loaded Widget2", L"FormCreate"}));
    EXPECT_TRUE(form->ChildLoadingDuringRootLoaded) << "children still load while their parent's Loaded runs";
    EXPECT_TRUE(form->Widget1->GetBuddy() && form->Widget1->BuddyLoadingWhenSet)
        << "references are fixed up before Loaded";
    EXPECT_FALSE(form->Widget1->IsLoading());
    EXPECT_FALSE(form->IsLoading());
}

TEST(Layout, AnInlineFrameIsBuiltFromItsOwnLayoutThenOverridden) {
    TLayouts layouts;
    layouts.Set(L"TTestFrame",
                LR"(object TestFrame: TTestFrame
  Width = 200
  Height = 100
  object FrameWidget: TWidget
    Align = alClient
    Count = 1
    Shade = clBlue
    Text = 'frame'
  end
end
)");
    layouts.Set(L"TTestForm",
                LR"(object TestForm: TTestForm
  inline Frame1: TTestFrame
    Left = 48
    Top = 17
    Visible = False
    object FrameWidget: TWidget
      Shade = clRed
    end
  end
  object Widget1: TWidget
    Buddy = Frame1.FrameWidget
  end
end
)");
    TOwnedPtr<TTestForm> form(Make<TTestForm>(nullptr));
    ASSERT_NE(form->Frame1, nullptr);
    TWidget* inner = form->Frame1->FrameWidget;
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->GetShade(), clRed) << "the form's override wins over the frame's own value";
    EXPECT_EQ(inner->GetText(), L"frame");
    EXPECT_EQ(inner->BoundsRect(), Bounds(0, 0, 200, 100)) << "the frame's aligned child";
    EXPECT_EQ(form->Frame1->BoundsRect(), Bounds(48, 17, 200, 100));
    EXPECT_FALSE(form->Frame1->GetVisible());
    EXPECT_EQ(form->Widget1->GetBuddy(), inner);
    ASSERT_GE(gLog.size(), 2u);
    EXPECT_EQ(gLog[0], L"Loaded FrameWidget");
    EXPECT_EQ(gLog[1], L"Frame built, widget count 1") << "construction code after the frame's own layout";
    EXPECT_EQ(std::count(gLog.begin(), gLog.end(), L"Loaded FrameWidget"), 1) << "frame parts are not loaded twice";

    std::wstring written = WriteComponentLayout(form.get());
    EXPECT_NE(written.find(L"inline Frame1: TTestFrame"), std::wstring::npos) << written;
    EXPECT_NE(written.find(L"Shade = clRed"), std::wstring::npos) << written;
    EXPECT_EQ(written.find(L"'frame'"), std::wstring::npos) << "unchanged frame values are not repeated";
    layouts.Set(L"TTestForm", written);
    TOwnedPtr<TTestForm> again(Make<TTestForm>(nullptr));
    EXPECT_EQ(again->Frame1->FrameWidget->GetShade(), clRed);
    EXPECT_EQ(again->Widget1->GetBuddy(), again->Frame1->FrameWidget);
}

TEST(Layout, MalformedLayoutsNameTheLayoutLineColumnAndFault) {
    TLayouts layouts;
    struct TCase {
        const wchar_t* Text;
        int Line, Column;
        const wchar_t* Fault;
    };
    const TCase cases[] = {
        {L"object F: TTestForm\n  object W: TNoSuchClass\n  end\nend", 2, 3, L"Unknown class TNoSuchClass"},
        {L"object F: TTestForm\n  object W: TWidget\n    Colour = 1\n  end\nend", 3, 5,
         L"Unknown property Colour of class TWidget"},
        {L"object F: TTestForm\n  object W: TWidget\n    Count = 'ten'\n  end\nend", 3, 13,
         L"Property Count expects an integer but found a string"},
        {L"object F: TTestForm\n  object W: TWidget\n    Mode = mdWarp\n  end\nend", 3, 12,
         L"Unknown value mdWarp for property Mode"},
        {L"object F: TTestForm\n  object W: TWidget\n    Text = 'open\n  end\nend", 3, 12, L"Unterminated string"},
        {L"object F: TTestForm\n  object W: TWidget\n    Count = 1\n", 2, 3, L"Unterminated object W: 'end' expected"},
        {L"object F: TTestForm\n  object W: TWidget\n    Buddy = Nobody\n  end\nend", 3, 13,
         L"Unresolved reference Nobody in Buddy"},
        {L"object F: TTestForm\n  object W: TWidget\n    OnPing = Pong\n  end\nend", 3, 14,
         L"Unknown handler Pong for OnPing"},
        {L"object F: TTestForm\n  object W: TWidget\n    Outer.Nope.Size = 1\n  end\nend", 3, 5,
         L"Unknown property Nope of class TOuter"},
        {L"object F: TTestForm\n  object W: TWidget\n    Data = resource('missing.png')\n  end\nend", 3, 12,
         L"Resource 'missing.png' not found"},
        {L"object F: TTestForm\n  object Widget1: TPanel\n  end\nend", 2, 3,
         L"Field Widget1 of TTestForm cannot hold a TPanel"},
        {L"object F: TWidget\nend", 1, 1, L"Layout of class TWidget cannot be read into TTestForm"},
    };
    for (const TCase& c : cases) {
        TOwnedPtr<TTestForm> form(new TTestForm(nullptr));
        try {
            ReadLayoutText(form.get(), c.Text, L"Broken");
            ADD_FAILURE() << "no error for: " << ToUtf8(c.Text);
        } catch (const ELayoutError& e) {
            EXPECT_EQ(e.Fault(), c.Fault) << ToUtf8(c.Text);
            EXPECT_EQ(e.Line(), c.Line) << ToUtf8(c.Fault);
            EXPECT_EQ(e.Column(), c.Column) << ToUtf8(c.Fault);
            EXPECT_EQ(e.Message().rfind(L"Broken(", 0), 0u) << "the message starts with the layout's name";
        }
    }
}

TEST(Layout, AFailedReadLeavesNoComponentWindowOrHandleBehind) {
    TLayouts layouts;
    TOwnedPtr<TTestForm> form(new TTestForm(nullptr));
    form->Show();  // children made during the read get real windows
    auto countWindows = [&] {
        int n = 0;
        EnumChildWindows(
            form->Handle(),
            [](HWND, LPARAM p) -> BOOL {
                ++*reinterpret_cast<int*>(p);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&n));
        return n;
    };
    int components = TComponent::LiveCount();
    int windows = countWindows();
    int handles = GdiLiveTotal();
    const wchar_t* text =
        L"object F: TTestForm\n  object Widget1: TWidget\n    object Inner: TPanel\n    end\n  end\n"
        L"  object Widget2: TWidget\n    Buddy = Missing\n  end\nend";
    EXPECT_THROW(ReadLayoutText(form.get(), text, L"Half"), ELayoutError);
    EXPECT_EQ(TComponent::LiveCount(), components);
    EXPECT_EQ(form->ComponentCount(), 0);
    EXPECT_EQ(form->ControlCount(), 0);
    EXPECT_EQ(countWindows(), windows);
    EXPECT_EQ(GdiLiveTotal(), handles);
    EXPECT_FALSE(form->IsLoading());

    // A form whose own layout is broken is not made at all.
    layouts.Set(L"TTestForm", L"object F: TTestForm\n  object W: TWidget\n    Count = x\n  end\nend");
    EXPECT_THROW(Make<TTestForm>(nullptr), ELayoutError);
    EXPECT_EQ(TComponent::LiveCount(), components);
}

TEST(ClassRegistry, ListsDescendantsAndAnswersWhatAClassPublishes) {
    TLayouts layouts;
    auto descendants = TClassRegistry::DerivedFrom(L"TCustomControl");
    auto has = [&](const wchar_t* name) {
        for (auto* c : descendants)
            if (c->Name == name) return true;
        return false;
    };
    EXPECT_TRUE(has(L"TWidget"));
    EXPECT_TRUE(has(L"TPanel"));
    EXPECT_TRUE(has(L"TTestFrame"));
    EXPECT_FALSE(has(L"TCustomControl"));
    EXPECT_FALSE(has(L"TForm"));
    EXPECT_TRUE(TClassRegistry::Publishes(L"TWidget", L"caption")) << "inherited, any case";
    EXPECT_FALSE(TClassRegistry::Publishes(L"TPanel", L"Count"));
}

// --- reader hooks ------------------------------------------------------------------------

namespace {

std::vector<std::wstring> gHookLog;

std::wstring NameOf(const TComponent* c) {
    return c ? c->GetName() : L"-";
}

// An item kept in a list of its container, not a control: it enters the list through
// the reader hook, and logs the reader parent it sees while a value is read into it.
class THostedItem : public TComponent {
public:
    ORV_CLASS_NAME(THostedItem)
    using TComponent::TComponent;
    int GetValue() const { return FValue; }
    void SetValue(int v) {
        FValue = v;
        gHookLog.push_back(L"set " + GetName() + L" under " + NameOf(ReaderParent()));
    }
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override { return Host; }
    void ReadItem(TComponent* item) override { Take(this, item); }
    void GetChildren(std::vector<TComponent*>& children) const override {
        children.insert(children.end(), Items.begin(), Items.end());
    }
    static void Take(TComponent* container, TComponent* item) {
        gHookLog.push_back(L"take " + item->GetName() + L" into " + container->GetName());
        auto* hosted = dynamic_cast<THostedItem*>(item);
        if (!hosted) return;
        hosted->Host = container;
        if (auto* h = dynamic_cast<THostedItem*>(container)) h->Items.push_back(hosted);
    }

    std::vector<THostedItem*> Items;
    TComponent* Host = nullptr;

private:
    int FValue = 0;
};

class TItemHost : public TCustomControl {
public:
    ORV_CLASS_NAME(TItemHost)
    using TCustomControl::TCustomControl;
    void ReadItem(TComponent* item) override {
        THostedItem::Take(this, item);
        if (auto* hosted = dynamic_cast<THostedItem*>(item)) Items.push_back(hosted);
    }
    void GetChildren(std::vector<TComponent*>& children) const override {
        TCustomControl::GetChildren(children);
        children.insert(children.end(), Items.begin(), Items.end());
    }
    std::vector<THostedItem*> Items;
};

// A graphic control: it paints on its parent and holds no children.
class TMark : public TGraphicControl {
public:
    ORV_CLASS_NAME(TMark)
    using TGraphicControl::TGraphicControl;
};

class TOtherFrame : public TFrame {
public:
    ORV_CLASS_NAME(TOtherFrame)
    using TFrame::TFrame;
};

void RegisterHookClasses() {
    TClassBuilder<THostedItem>(L"THostedItem", L"TComponent")
        .Factory()
        .Int(L"Value", &THostedItem::GetValue, &THostedItem::SetValue);
    TClassBuilder<TItemHost>(L"TItemHost", L"TCustomControl").Factory();
    TClassBuilder<TOtherFrame>(L"TOtherFrame", L"TFrame").Factory();
    TClassBuilder<TMark>(L"TMark", L"TGraphicControl").Factory();
}

const wchar_t* const kHostLayout =
    LR"(object TestForm: TTestForm
  object Host: TItemHost
    object A: THostedItem
      Value = 1
      object B: THostedItem
        Value = 2
      end
    end
    object C: THostedItem
      Value = 3
    end
  end
end
)";

}  // namespace

TEST(LayoutReaderHooks, TheReaderParentTakesEachItemAfterItsValuesAndBeforeItsChildren) {
    TLayouts layouts;
    RegisterHookClasses();
    layouts.Set(L"TTestForm", kHostLayout);
    gHookLog.clear();
    TOwnedPtr<TTestForm> form(Make<TTestForm>(nullptr));
    EXPECT_EQ(gHookLog, (std::vector<std::wstring>{L"set A under Host", L"take A into Host", L"set B under A",
                                                   L"take B into A", L"set C under Host", L"take C into Host"}));
    EXPECT_EQ(ReaderParent(), nullptr) << "no reader parent outside a read";
    auto* host = dynamic_cast<TItemHost*>(form->FindComponent(L"Host"));
    ASSERT_NE(host, nullptr);
    ASSERT_EQ(host->Items.size(), 2u);
    EXPECT_EQ(host->Items[0]->GetName(), L"A");
    ASSERT_EQ(host->Items[0]->Items.size(), 1u);
    EXPECT_EQ(host->Items[0]->Items[0]->GetValue(), 2);

    // Items are written beneath their container in the container's order.
    std::swap(host->Items[0], host->Items[1]);
    std::wstring written = WriteComponentLayout(form.get());
    size_t a = written.find(L"object A: THostedItem"), b = written.find(L"object B: THostedItem");
    size_t c = written.find(L"object C: THostedItem");
    ASSERT_NE(c, std::wstring::npos) << ToUtf8(written);
    EXPECT_TRUE(c < a && a < b) << ToUtf8(written);
    layouts.Set(L"TTestForm", written);
    TOwnedPtr<TTestForm> again(Make<TTestForm>(nullptr));
    auto* host2 = dynamic_cast<TItemHost*>(again->FindComponent(L"Host"));
    ASSERT_NE(host2, nullptr);
    ASSERT_EQ(host2->Items.size(), 2u);
    EXPECT_EQ(host2->Items[0]->GetName(), L"C");
    EXPECT_EQ(host2->Items[1]->GetName(), L"A");
    ASSERT_EQ(host2->Items[1]->Items.size(), 1u);
    EXPECT_EQ(host2->Items[1]->Items[0]->GetName(), L"B");
}

// --- faults of stored layouts --------------------------------------------------------------

TEST(LayoutFaults, AnInlineFramesTabOrderIsASortKeyLikeItsSiblings) {
    TLayouts layouts;
    layouts.Set(L"TTestFrame", L"object TestFrame: TTestFrame\n  Width = 50\nend\n");
    layouts.Set(L"TTestForm",
                LR"(object TestForm: TTestForm
  object Widget1: TWidget
    TabOrder = 1
  end
  inline Frame1: TTestFrame
    TabOrder = 0
  end
  object Widget2: TWidget
    TabOrder = 7
  end
end
)");
    TOwnedPtr<TTestForm> form(Make<TTestForm>(nullptr));
    ASSERT_NE(form->Frame1, nullptr);
    EXPECT_EQ(form->Frame1->GetTabOrder(), 0) << "the frame stored at 0 comes first";
    EXPECT_EQ(form->Widget1->GetTabOrder(), 1);
    EXPECT_EQ(form->Widget2->GetTabOrder(), 2);
}

TEST(LayoutFaults, FramesInliningThemselvesAreRefusedWithTheChainNamed) {
    TLayouts layouts;
    RegisterHookClasses();
    int components = TComponent::LiveCount();
    layouts.Set(L"TTestFrame", L"object TestFrame: TTestFrame\n  inline Inner: TTestFrame\n  end\nend\n");
    try {
        TOwnedPtr<TTestFrame> frame(Make<TTestFrame>(nullptr));
        ADD_FAILURE() << "a frame inlining itself was read";
    } catch (const Exception& e) {  // the framework's base
        auto* layoutError = dynamic_cast<const ELayoutError*>(&e);
        ASSERT_NE(layoutError, nullptr);
        EXPECT_NE(layoutError->Fault().find(L"TTestFrame -> TTestFrame"), std::wstring::npos)
            << ToUtf8(layoutError->Fault());
        EXPECT_EQ(layoutError->Line(), 2);
        EXPECT_EQ(layoutError->Column(), 3);
    }
    EXPECT_EQ(TComponent::LiveCount(), components);

    // Through another frame, from a form.
    layouts.Set(L"TTestFrame", L"object TestFrame: TTestFrame\n  inline Other: TOtherFrame\n  end\nend\n");
    layouts.Set(L"TOtherFrame",
                L"object OtherFrame: TOtherFrame\n  Width = 9\n  inline Back: TTestFrame\n  end\nend\n");
    layouts.Set(L"TTestForm", L"object TestForm: TTestForm\n  inline Frame1: TTestFrame\n  end\nend\n");
    try {
        TOwnedPtr<TTestForm> form(Make<TTestForm>(nullptr));
        ADD_FAILURE() << "frames inlining each other were read";
    } catch (const ELayoutError& e) {
        EXPECT_NE(e.Fault().find(L"TTestFrame -> TOtherFrame -> TTestFrame"), std::wstring::npos) << ToUtf8(e.Fault());
        EXPECT_EQ(e.Message().rfind(L"TOtherFrame(3:3)", 0), 0u) << ToUtf8(e.Message());
    }
    EXPECT_EQ(TComponent::LiveCount(), components);

    // A frame used twice side by side is no cycle.
    layouts.Set(L"TOtherFrame", L"object OtherFrame: TOtherFrame\n  Width = 9\nend\n");
    layouts.Set(
        L"TTestForm",
        L"object TestForm: TTestForm\n  inline Frame1: TTestFrame\n  end\n  inline Frame2: TTestFrame\n  end\nend\n");
    TOwnedPtr<TTestForm> form(Make<TTestForm>(nullptr));
    EXPECT_NE(form->FindComponent(L"Frame2"), nullptr);
}

TEST(LayoutFaults, AControlBeneathAGraphicControlOrATimerFailsTheRead) {
    TLayouts layouts;
    RegisterHookClasses();
    struct TCase {
        const wchar_t* Text;
        int Line, Column;
        const wchar_t* Fault;
    };
    const TCase cases[] = {
        {L"object F: TTestForm\n  object Mark: TMark\n    object Inner: TWidget\n    end\n  end\nend", 3, 5,
         L"Control 'Inner' cannot be placed in 'Mark': a TMark is not a windowed control"},
        {L"object F: TTestForm\n  object Mark: TMark\n      object Dot: TMark\n      end\n  end\nend", 3, 7,
         L"Control 'Dot' cannot be placed in 'Mark': a TMark is not a windowed control"},
        {L"object F: TTestForm\n  object T: TTimer\n    Enabled = False\n    object Inner: TPanel\n    end\n  end\nend",
         4, 5, L"Control 'Inner' cannot be placed in 'T': a TTimer is not a windowed control"},
    };
    int live = TComponent::LiveCount();
    for (const TCase& c : cases) {
        TOwnedPtr<TTestForm> form(new TTestForm(nullptr));
        try {
            ReadLayoutText(form.get(), c.Text, L"Beneath");
            ADD_FAILURE() << "no error for: " << ToUtf8(c.Text);
        } catch (const ELayoutError& e) {
            EXPECT_EQ(e.Fault(), c.Fault) << ToUtf8(c.Text);
            EXPECT_EQ(e.Line(), c.Line) << ToUtf8(c.Fault);
            EXPECT_EQ(e.Column(), c.Column) << ToUtf8(c.Fault);
            EXPECT_EQ(e.Message().rfind(L"Beneath(", 0), 0u) << ToUtf8(e.Message());
        }
        EXPECT_EQ(form->ComponentCount(), 0) << "the failed read frees what it made";
    }
    EXPECT_EQ(TComponent::LiveCount(), live);
    // Beside them, beneath the form, the same controls are read.
    TOwnedPtr<TTestForm> form(new TTestForm(nullptr));
    ReadLayoutText(form.get(),
                   L"object F: TTestForm\n  object Mark: TMark\n  end\n  object T: TTimer\n    Enabled = False\n  end\n"
                   L"  object Inner: TPanel\n  end\nend",
                   L"Beside");
    EXPECT_EQ(form->ControlCount(), 2);
}

TEST(LayoutFaults, NumbersOutsideTheirTypesRangeAreRefusedNotWrapped) {
    TLayouts layouts;
    struct TCase {
        const wchar_t* Text;
        int Line, Column;
        const wchar_t* Fault;
    };
    const TCase cases[] = {
        {L"object F: TTestForm\n  object W: TWidget\n    Font.Charset = 256\n  end\nend", 3, 20,
         L"Value 256 is out of range for Font.Charset (0..255)"},
        {L"object F: TTestForm\n  object W: TWidget\n    Font.Charset = -1\n  end\nend", 3, 20,
         L"Value -1 is out of range for Font.Charset (0..255)"},
        {L"object F: TTestForm\n  object T: TTimer\n    Interval = -1\n  end\nend", 3, 16,
         L"Value -1 is out of range for Interval (0..4294967295)"},
        {L"object F: TTestForm\n  object W: TWidget\n    Left = 2147483648\n  end\nend", 3, 12,
         L"Value 2147483648 is out of range for Left (-2147483648..2147483647)"},
    };
    for (const TCase& c : cases) {
        TOwnedPtr<TTestForm> form(new TTestForm(nullptr));
        try {
            ReadLayoutText(form.get(), c.Text, L"Ranges");
            ADD_FAILURE() << "no error for: " << ToUtf8(c.Text);
        } catch (const ELayoutError& e) {
            EXPECT_EQ(e.Fault(), c.Fault) << ToUtf8(c.Text);
            EXPECT_EQ(e.Line(), c.Line) << ToUtf8(c.Fault);
            EXPECT_EQ(e.Column(), c.Column) << ToUtf8(c.Fault);
        }
    }
    // The edges of the ranges are values like any other.
    TOwnedPtr<TTestForm> form(new TTestForm(nullptr));
    ReadLayoutText(form.get(),
                   L"object F: TTestForm\n  object W: TWidget\n    Font.Charset = 255\n  end\n"
                   L"  object T: TTimer\n    Enabled = False\n    Interval = 4294967295\n  end\nend",
                   L"Edges");
    auto* w = dynamic_cast<TWidget*>(form->FindComponent(L"W"));
    auto* t = dynamic_cast<TTimer*>(form->FindComponent(L"T"));
    ASSERT_TRUE(w && t);
    EXPECT_EQ(w->Font().GetCharset(), 255);
    EXPECT_EQ(t->GetInterval(), 4294967295u);

    // The registry guards the type itself, for every caller.
    TFont font;
    const TPropInfo* charset = TClassRegistry::Find(L"TFont")->FindProp(L"Charset");
    EXPECT_THROW(charset->SetInt(&font, 256), ERangeError);
    EXPECT_EQ(font.GetCharset(), 1) << "the value stays";
}

TEST(LayoutFaults, AFailedReadIntoARootClearsTheFieldsItHadBound) {
    TLayouts layouts;
    RegisterHookClasses();
    TOwnedPtr<TTestForm> form(new TTestForm(nullptr));
    auto* mine = new TTestFrame(form.get());  // bound before the read, not made by it
    form->Frame1 = mine;
    const wchar_t* text =
        L"object F: TTestForm\n  object Widget1: TWidget\n  end\n"
        L"  object Widget2: TWidget\n    Buddy = Missing\n  end\nend";
    EXPECT_THROW(ReadLayoutText(form.get(), text, L"Half"), ELayoutError);
    EXPECT_EQ(form->Widget1, nullptr) << "it pointed at a freed component";
    EXPECT_EQ(form->Widget2, nullptr);
    EXPECT_EQ(form->Frame1, mine) << "a field the read did not bind stays";
}

TEST(LayoutFaults, ChildrenAreWrittenInStackingOrderNotCreationOrder) {
    TLayouts layouts;
    layouts.Set(L"TTestForm",
                LR"(object TestForm: TTestForm
  object Widget1: TWidget
  end
  object Panel1: TPanel
    object Inner1: TWidget
    end
    object Inner2: TWidget
    end
  end
  object Timer1: TTimer
    Enabled = False
  end
  object Widget2: TWidget
  end
end
)");
    TOwnedPtr<TTestForm> form(Make<TTestForm>(nullptr));
    form->Widget1->BringToFront();
    dynamic_cast<TControl*>(form->FindComponent(L"Inner2"))->SendToBack();
    std::wstring written = WriteComponentLayout(form.get());
    layouts.Set(L"TTestForm", written);
    TOwnedPtr<TTestForm> again(Make<TTestForm>(nullptr));
    auto names = [](TWinControl* parent) {
        std::vector<std::wstring> out;
        for (int i = 0; i < parent->ControlCount(); ++i) out.push_back(parent->Controls(i)->GetName());
        return out;
    };
    EXPECT_EQ(names(again.get()), (std::vector<std::wstring>{L"Panel1", L"Widget2", L"Widget1"})) << ToUtf8(written);
    auto* panel = dynamic_cast<TWinControl*>(again->FindComponent(L"Panel1"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(names(panel), (std::vector<std::wstring>{L"Inner2", L"Inner1"}));
    EXPECT_NE(again->FindComponent(L"Timer1"), nullptr);
}

TEST(LayoutParser, BinaryDataOverManyLinesKeepsEveryByteAndPlacesFaultsByLineAndColumn) {
    // Whole lines of pairs, a pair split by a line break, a comment, spaces before the end.
    TLayoutObject root = ParseLayout(
        L"object F: TTestForm\n"
        L"  Data = {\n"
        L"    00FF7F80\n"
        L"    A1B2C\n"
        L"    3 // the rest\n"
        L"    d4e5  }\n"
        L"  Tag = 7\n"
        L"end",
        L"Bin");
    ASSERT_EQ(root.Properties.size(), 2u);
    EXPECT_EQ(root.Properties[0].Value.Bytes,
              (std::vector<uint8_t>{0x00, 0xFF, 0x7F, 0x80, 0xA1, 0xB2, 0xC3, 0xD4, 0xE5}));
    EXPECT_EQ(root.Properties[1].Line, 7);
    EXPECT_EQ(root.Properties[1].Column, 3);

    const struct {
        const wchar_t* Text;
        int Line, Column;
    } faults[] = {
        {L"object F: TTestForm\n  Data = {\n    0011\n    2233\n    44G5\n  }\nend", 5, 7},
        {L"object F: TTestForm\n  Data = {\n    0011\n    223\n  }\nend", 5, 4},
    };
    for (const auto& f : faults) {
        try {
            ParseLayout(f.Text, L"Bin");
            ADD_FAILURE() << "no error for: " << ToUtf8(f.Text);
        } catch (const ELayoutError& e) {
            EXPECT_EQ(e.Line(), f.Line) << ToUtf8(e.Fault());
            EXPECT_EQ(e.Column(), f.Column) << ToUtf8(e.Fault());
        }
    }
}

TEST(LayoutParser, LongBinaryLinesDecodeEveryPairAndStopAtTheFirstStrayCharacter) {
    // 300 bytes written 64 digits a line, upper and lower case mixed, the last line short.
    std::vector<uint8_t> bytes;
    for (int i = 0; i < 300; ++i) bytes.push_back(static_cast<uint8_t>((i * 37 + 11) & 0xFF));
    const wchar_t* upper = L"0123456789ABCDEF";
    const wchar_t* lower = L"0123456789abcdef";
    std::wstring text = L"object F: TTestForm\n  Data = {";
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i % 32 == 0) text += L"\n    ";
        const wchar_t* digits = i % 3 == 0 ? lower : upper;
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 15];
    }
    text += L"}\nend";
    EXPECT_EQ(ParseLayout(text, L"Bin").Properties.at(0).Value.BinaryBytes(), bytes);

    // A stray character anywhere in a long line is reported where it stands, whatever its
    // code: next to the digit and letter ranges, with the letter bit set, or far above ASCII.
    const wchar_t strays[] = {L'G', L'g', L'@', L'`', L'/', L':', L'\x0161', L'\x8030', L'\xFF10', L'\x0146'};
    for (wchar_t stray : strays)
        for (int at = 0; at < 40; ++at) {
            std::wstring line(64, L'a');
            line[static_cast<size_t>(at)] = stray;
            const std::wstring bad = L"object F: TTestForm\n  Data = {\n    " + line + L"\n  }\nend";
            try {
                ParseLayout(bad, L"Bin");
                ADD_FAILURE() << "no error for character " << int(stray) << " at " << at;
            } catch (const ELayoutError& e) {
                EXPECT_EQ(e.Line(), 3) << int(stray) << " at " << at;
                EXPECT_EQ(e.Column(), 5 + at) << int(stray) << " at " << at;
                EXPECT_NE(e.Fault().find(L"Invalid hexadecimal digit"), std::wstring::npos) << ToUtf8(e.Fault());
            }
        }

    // The closing brace inside a line ends the data there, at any place.
    for (int at = 0; at <= 40; at += 2) {
        std::wstring line(64, L'7');
        line.insert(static_cast<size_t>(at), L"}");
        const std::wstring cut = L"object F: TTestForm\n  Data = {\n    " +
                                 line.substr(0, static_cast<size_t>(at) + 1) + L"\n  Tag = 7\nend";
        const TLayoutObject root = ParseLayout(cut, L"Bin");
        EXPECT_EQ(root.Properties.at(0).Value.BinaryBytes(), std::vector<uint8_t>(static_cast<size_t>(at) / 2, 0x77))
            << at;
    }
}
