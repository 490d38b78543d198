// TCollection: ownership, order, assignment and gathered change notices.
#include <gtest/gtest.h>

#include "framework/Collection.h"

using namespace orv;

namespace {
class TNumberItem : public TCollectionItem {
public:
    explicit TNumberItem(TCollection* c) : TCollectionItem(c) { ++Live; }
    ~TNumberItem() override { --Live; }
    void Assign(const TPersistent* source) override {
        if (auto* n = dynamic_cast<const TNumberItem*>(source)) {
            SetValue(n->Value);
            return;
        }
        TCollectionItem::Assign(source);
    }
    void SetValue(int v) {
        Value = v;
        Changed(false);
    }
    int Value = 0;
    static inline int Live = 0;
};

class TRecordingCollection : public TTypedCollection<TNumberItem> {
public:
    TRecordingCollection() : TTypedCollection(nullptr) {}
    std::vector<TCollectionItem*> Updates;

protected:
    void Update(TCollectionItem* item) override { Updates.push_back(item); }
};
}  // namespace

TEST(Collection, OwnsOrdersAndMovesItems) {
    {
        TRecordingCollection c;
        auto* a = c.Add();
        auto* b = c.Add();
        auto* x = c.Insert(0);
        ASSERT_EQ(c.Count(), 3);
        EXPECT_EQ(c.Items(0), x);
        EXPECT_EQ(a->GetIndex(), 1);
        b->SetIndex(0);
        EXPECT_EQ(c.Items(0), b);
        EXPECT_EQ(c.Items(2), a);
        a->SetIndex(99);  // clamped
        EXPECT_EQ(a->GetIndex(), 2);
        EXPECT_THROW(c.Items(3), EListError);
        EXPECT_EQ(c.FindItemID(a->ID()), a);
        c.Delete(1);
        EXPECT_EQ(c.Count(), 2);
        EXPECT_EQ(TNumberItem::Live, 2);
        delete b;  // an item freed on its own leaves its collection
        EXPECT_EQ(c.Count(), 1);
        EXPECT_EQ(c.Items(0), a);
    }
    EXPECT_EQ(TNumberItem::Live, 0) << "the collection frees its items";
}

TEST(Collection, ChangesAreAnnouncedAndGatheredInUpdates) {
    TRecordingCollection c;
    auto* a = c.Add();
    c.Updates.clear();
    a->SetValue(5);
    ASSERT_EQ(c.Updates.size(), 1u);
    EXPECT_EQ(c.Updates[0], a) << "an item change names the item";

    c.Updates.clear();
    c.BeginUpdate();
    c.Add()->SetValue(1);
    c.Add();
    a->SetValue(6);
    c.BeginUpdate();
    c.EndUpdate();
    EXPECT_TRUE(c.Updates.empty());
    c.EndUpdate();
    ASSERT_EQ(c.Updates.size(), 1u);
    EXPECT_EQ(c.Updates[0], nullptr);

    c.Updates.clear();
    c.BeginUpdate();
    c.EndUpdate();
    EXPECT_TRUE(c.Updates.empty()) << "an update without changes announces nothing";

    TRecordingCollection copy;
    copy.Add()->SetValue(99);
    copy.Updates.clear();
    copy.Assign(&c);
    ASSERT_EQ(copy.Count(), 3);
    EXPECT_EQ(copy.Items(0)->Value, 6);
    EXPECT_EQ(copy.Items(1)->Value, 1);
    EXPECT_EQ(copy.Updates.size(), 1u) << "one notice for the whole assignment";
    c.Clear();
    EXPECT_EQ(c.Count(), 0);
    EXPECT_EQ(copy.Count(), 3) << "copies, not shared items";
}
