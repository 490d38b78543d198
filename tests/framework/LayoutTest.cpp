#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "framework/Collection.h"
#include "framework/FrameworkClasses.h"
#include "framework/LayoutReader.h"

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
