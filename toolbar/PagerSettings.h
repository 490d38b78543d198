#pragma once
// The pager's caption bar settings, tab settings and tab groups: small records that tell
// the pager about their changes.
#include <memory>
#include <string>

#include "framework/Collection.h"
#include "framework/Event.h"
#include "paint/OrvText.h"
#include "toolbar/OrvToolBarTabAppearance.h"
#include "toolbar/PagerLayout.h"

namespace orv {

class TOrvPageCaption : public TPersistent {
public:
    ORV_CLASS_NAME(TOrvPageCaption)
    void Assign(const TPersistent* source) override;

    const std::wstring& GetCaption() const { return FCaption; }
    void SetCaption(const std::wstring& value);
    bool GetVisible() const { return FVisible; }
    void SetVisible(bool value);
    int GetHeight() const { return FHeight; }
    void SetHeight(int value);
    // Left offset of the caption text.
    int GetIndent() const { return FIndent; }
    void SetIndent(int value);
    // Room kept for the caption text.
    int GetMinWidth() const { return FMinWidth; }
    void SetMinWidth(int value);
    // Widened by the pager to keep clear of its caption buttons.
    int RightIndent = 0;

    TNotifyEvent OnChange;

private:
    void Changed() { OnChange(this); }
    std::wstring FCaption;
    bool FVisible = true;
    int FHeight = 27;
    int FIndent = 100;
    int FMinWidth = 100;
};

class TOTBTabSettings : public TPersistent {
public:
    ORV_CLASS_NAME(TOTBTabSettings)
    // Copies the margins, the height and the start and end margins through their
    // setters; the spacing stays.
    void Assign(const TPersistent* source) override;

    int GetLeftMargin() const { return FLeftMargin; }
    void SetLeftMargin(int value);
    int GetRightMargin() const { return FRightMargin; }
    void SetRightMargin(int value);
    // Space before the first tab.
    int GetStartMargin() const { return FStartMargin; }
    void SetStartMargin(int value);
    int GetEndMargin() const { return FEndMargin; }
    void SetEndMargin(int value);
    // The tab row.
    int GetHeight() const { return FHeight; }
    void SetHeight(int value);
    // Gap between tabs.
    int GetSpacing() const { return FSpacing; }
    void SetSpacing(int value);
    // The process-wide Office 2010 look; a change raises OnGlassChange.
    bool GetOffice2010Look() const;
    void SetOffice2010Look(bool value);

    int MinSpacing = 3;
    int MinMargin = 3;
    TTabSettingsValues Values() const;

    TNotifyEvent OnChange;
    TNotifyEvent OnGlassChange;

private:
    void Store(int& field, int value);
    int FLeftMargin = 4;
    int FRightMargin = 4;
    int FStartMargin = 60;
    int FEndMargin = 0;
    int FHeight = 26;
    int FSpacing = 4;
};

class TTabGroupItem : public TCollectionItem {
public:
    ORV_CLASS_NAME(TTabGroupItem)
    explicit TTabGroupItem(TCollection* collection);
    void Assign(const TPersistent* source) override;

    const std::wstring& GetCaption() const { return FCaption; }
    void SetCaption(const std::wstring& value);
    TTextAlignment GetCaptionAlignment() const { return FCaptionAlignment; }
    void SetCaptionAlignment(TTextAlignment value);
    // Use the styler's group appearance rather than the item's own.
    bool GetDefaultAppearance() const { return FDefaultAppearance; }
    void SetDefaultAppearance(bool value);
    int GetImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    int GetTabIndexStart() const { return FTabIndexStart; }
    void SetTabIndexStart(int value);
    int GetTabIndexEnd() const { return FTabIndexEnd; }
    void SetTabIndexEnd(int value);
    TGroupAppearance& GroupAppearance() { return *FGroupAppearance; }
    const TGroupAppearance& GroupAppearance() const { return *FGroupAppearance; }

    // The pages of pageCount this group spans, clamped to [0, pageCount - 1]; false when
    // the range is reversed or ends before page 0 (or starts beyond the pages).
    bool PageRange(int pageCount, int& first, int& last) const;

private:
    template <class V>
    void Store(V& field, V value) {
        if (field == value) return;
        field = value;
        Changed(false);
    }
    std::wstring FCaption;
    TTextAlignment FCaptionAlignment = TTextAlignment::taLeftJustify;
    bool FDefaultAppearance = true;
    int FImageIndex = -1;
    int FTabIndexStart = -1;
    int FTabIndexEnd = -1;
    std::unique_ptr<TGroupAppearance> FGroupAppearance;
};

class TTabGroups : public TTypedCollection<TTabGroupItem> {
public:
    ORV_CLASS_NAME(TTabGroups)
    explicit TTabGroups(TPersistent* owner) : TTypedCollection<TTabGroupItem>(owner) {}
    // The first group, in collection order, whose range holds the page; -1 for none.
    int GroupOfPage(int pageIndex) const;

    // The tabs are laid out again.
    TNotifyEvent OnChange;

protected:
    void Update(TCollectionItem* item) override;
};

}  // namespace orv
