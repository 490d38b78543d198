#include <gtest/gtest.h>

#include <vector>

#include "framework/Component.h"
#include "framework/Graphics.h"
#include "framework/SysUtils.h"

using namespace orv;

namespace {

// Records the notices it receives and keeps one link that it must clear.
class TLinker : public TComponent {
public:
    using TComponent::TComponent;
    TComponent* Link = nullptr;
    std::vector<std::pair<TComponent*, TOperation>> Notices;
    void SetLink(TComponent* target) {
        if (Link) RemoveFreeNotification(Link);
        Link = target;
        if (target) FreeNotification(target);
    }
    void Notification(TComponent* c, TOperation op) override {
        TComponent::Notification(c, op);
        Notices.emplace_back(c, op);
        if (op == TOperation::opRemove && c == Link) Link = nullptr;
    }
};

// Notes the class it sees while told about its own removal, to prove removal is
// announced while the object is still whole.
class TWitness : public TComponent {
public:
    using TComponent::TComponent;
    std::wstring SeenClass;
    void Notification(TComponent* c, TOperation op) override {
        TComponent::Notification(c, op);
        if (op == TOperation::opRemove) SeenClass = c->ClassName();
    }
};

class TSpecial : public TComponent {
public:
    ORV_CLASS_NAME(TSpecial)
    using TComponent::TComponent;
};

}  // namespace

TEST(Component, OwnerFreesWhatItOwnsOnceEvenWhenSomeWereFreedEarly) {
    int before = TComponent::LiveCount();
    auto* owner = new TComponent(nullptr);
    auto* a = new TComponent(owner);
    auto* b = new TComponent(owner);
    auto* c = new TComponent(b);  // grandchild
    (void)c;
    EXPECT_EQ(owner->ComponentCount(), 2);
    EXPECT_EQ(TComponent::LiveCount(), before + 4);

    a->Free();  // freed before its owner: leaves the owner's list
    EXPECT_EQ(owner->ComponentCount(), 1);
    EXPECT_EQ(owner->Components(0), b);
    EXPECT_EQ(TComponent::LiveCount(), before + 3);

    owner->Free();
    EXPECT_EQ(TComponent::LiveCount(), before) << "owner must free b and, through b, c exactly once";
}

TEST(Component, LinkedComponentIsToldAndClearsItsLinkAcrossOwners) {
    int before = TComponent::LiveCount();
    {
        TOwnedPtr<TComponent> formA(new TComponent(nullptr));
        TOwnedPtr<TComponent> formB(new TComponent(nullptr));
        auto* linker = new TLinker(formA.get());
        auto* target = new TSpecial(formB.get());
        linker->SetLink(target);

        target->Free();
        EXPECT_EQ(linker->Link, nullptr);

        // Mutual registration: freeing the watcher first must not leave a dangling entry
        // in the target's list (the target's later free would then call a dead object).
        auto* target2 = new TSpecial(formB.get());
        linker->SetLink(target2);
        linker->Free();
        target2->Free();
        EXPECT_EQ(formA->ComponentCount(), 0);
        EXPECT_EQ(formB->ComponentCount(), 0);
    }
    EXPECT_EQ(TComponent::LiveCount(), before);
}

TEST(Component, RemovalIsAnnouncedWhileTheObjectHasItsFullType) {
    TOwnedPtr<TComponent> form(new TComponent(nullptr));
    auto* witness = new TWitness(form.get());
    auto* special = new TSpecial(form.get());  // same owner: hears through the broadcast
    special->Free();
    EXPECT_EQ(witness->SeenClass, L"TSpecial");
}

TEST(Component, OwnerBroadcastsInsertAndRemoveToItsComponents) {
    TOwnedPtr<TComponent> form(new TComponent(nullptr));
    auto* listener = new TLinker(form.get());
    auto* other = new TComponent(form.get());
    ASSERT_FALSE(listener->Notices.empty());
    EXPECT_EQ(listener->Notices.back().first, other);
    EXPECT_EQ(listener->Notices.back().second, TOperation::opInsert);
    other->Free();
    EXPECT_EQ(listener->Notices.back().first, other);
    EXPECT_EQ(listener->Notices.back().second, TOperation::opRemove);
}

TEST(Component, NamesAreUniquePerOwnerAndFoundWithoutRegardToCase) {
    TOwnedPtr<TComponent> form(new TComponent(nullptr));
    auto* a = new TComponent(form.get());
    a->SetName(L"OrvGlowButton1");
    auto* b = new TComponent(form.get());
    EXPECT_EQ(form->FindComponent(L"orvglowbutton1"), a);
    EXPECT_EQ(form->FindComponent(L"Missing"), nullptr);
    EXPECT_THROW(b->SetName(L"ORVGLOWBUTTON1"), EComponentError);
    EXPECT_EQ(b->GetName(), L"");
    b->SetName(L"OrvGlowButton2");
    EXPECT_EQ(form->FindComponent(L"OrvGlowButton2"), b);
}

TEST(Component, LoadedClearsOnlyTheLoadingFlagAndDestroyingIsVisible) {
    TOwnedPtr<TComponent> c(new TComponent(nullptr));
    c->IncludeState(csLoading);
    EXPECT_TRUE(c->IsLoading());
    c->Loaded();
    EXPECT_FALSE(c->IsLoading());
    EXPECT_FALSE(c->IsDesigning());
}

TEST(Persistent, AssignFromAnUnrelatedClassRaisesAConversionErrorNamingBoth) {
    TFont font;
    TPen pen;
    try {
        font.Assign(&pen);
        FAIL() << "expected EConvertError";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), L"Cannot assign a TPen to a TFont");
    }
    EXPECT_THROW(font.Assign(nullptr), EConvertError);
}

TEST(Font, AssignCopiesEveryFieldAndSizeFollowsHeight) {
    TFont a, b;
    int changes = 0;
    b.OnChange = [&](TObject*) { ++changes; };
    a.SetName(L"Segoe UI");
    a.SetHeight(-13);
    a.SetStyle(fsBold | fsItalic);
    a.SetColor(clRed);
    a.SetOrientation(-900);
    b.Assign(&a);
    EXPECT_TRUE(b.SameAs(a));
    EXPECT_EQ(changes, 1);
    b.Assign(&a);  // nothing differs: no change event
    EXPECT_EQ(changes, 1);
    TFont c;
    EXPECT_EQ(c.GetName(), L"Tahoma");
    EXPECT_EQ(c.GetHeight(), -11);
    EXPECT_EQ(c.GetSize(), 8) << "height -11 is 8 points at 96 pixels per inch";
}

TEST(Event, BoundEventsCompareByTargetAndMethodLambdasByIdentity) {
    struct TTarget {
        int Calls = 0;
        void Handle(TObject*) { ++Calls; }
        void Other(TObject*) {}
    } t1, t2;
    TNotifyEvent a = TNotifyEvent::Bind(&t1, &TTarget::Handle);
    TNotifyEvent b = TNotifyEvent::Bind(&t1, &TTarget::Handle);
    EXPECT_TRUE(a == b);
    EXPECT_FALSE(a == TNotifyEvent::Bind(&t2, &TTarget::Handle));
    EXPECT_FALSE(a == TNotifyEvent::Bind(&t1, &TTarget::Other));
    a(nullptr);
    EXPECT_EQ(t1.Calls, 1);

    TNotifyEvent l1 = [](TObject*) {};
    TNotifyEvent l2 = l1;
    TNotifyEvent l3 = [](TObject*) {};
    EXPECT_TRUE(l1 == l2);
    EXPECT_FALSE(l1 == l3);
    EXPECT_TRUE(TNotifyEvent() == TNotifyEvent(nullptr));
    EXPECT_FALSE(l1 == TNotifyEvent());
}

TEST(SysUtils, StrToIntTakesDecimalAndHexAndRejectsTheRest) {
    EXPECT_EQ(StrToInt(L"-6"), -6);
    EXPECT_EQ(StrToInt(L" 42 "), 42);
    EXPECT_EQ(StrToInt(L"$FF00000F"), static_cast<int>(0xFF00000F));
    EXPECT_EQ(StrToInt(L"0x1fffffff"), 0x1FFFFFFF);
    EXPECT_THROW(StrToInt(L""), EConvertError);
    EXPECT_THROW(StrToInt(L"12a"), EConvertError);
    EXPECT_THROW(StrToInt(L"99999999999"), EConvertError);
    EXPECT_EQ(StrToIntDef(L"x", 7), 7);
    EXPECT_TRUE(SameText(L"SoftWare", L"SOFTWARE"));
    EXPECT_FALSE(SameText(L"SoftWare", L"SoftWar"));
}
