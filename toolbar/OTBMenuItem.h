#pragma once
// TOTBMenuItem: a node of the small menu tree the pop-up panels show (the toolbar's
// caption with one check item per toolbar control below it). A node owns its children;
// Objects is the control an item stands for and is not owned.
#include <memory>
#include <string>
#include <vector>

#include "framework/Types.h"

namespace orv {

class TControl;

class TOTBMenuItem {
public:
    explicit TOTBMenuItem(TOTBMenuItem* parentItem = nullptr) : FParentItem(parentItem) {}
    TOTBMenuItem(const TOTBMenuItem&) = delete;
    TOTBMenuItem& operator=(const TOTBMenuItem&) = delete;

    // Appends a new child with this node as its parent.
    TOTBMenuItem* Add();
    // Frees every child.
    void Clear();
    // Frees the child at index (an index outside the children raises the list write error).
    void RemoveItem(int index);
    int Count() const { return static_cast<int>(FItems.size()); }
    // The child at index (an index outside the children raises the list read error).
    TOTBMenuItem* Items(int index) const;
    bool HasChildren() const { return !FItems.empty(); }
    int IndexOf(const TOTBMenuItem* item) const;
    TOTBMenuItem* ParentItem() const { return FParentItem; }
    // Clears Objects wherever it is object, in this node and below (the control went).
    void ForgetObject(const TControl* object);

    bool GetEnabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; }
    bool GetVisible() const { return FVisible; }
    void SetVisible(bool value) { FVisible = value; }
    const TRect& GetBoundRect() const { return FBoundRect; }
    void SetBoundRect(const TRect& value) { FBoundRect = value; }
    int GetHeight() const { return FHeight; }
    void SetHeight(int value) { FHeight = value; }
    int GetWidth() const { return FWidth; }
    void SetWidth(int value) { FWidth = value; }
    const std::wstring& GetCaption() const { return FCaption; }
    void SetCaption(const std::wstring& value) { FCaption = value; }
    const std::wstring& GetHint() const { return FHint; }
    void SetHint(const std::wstring& value) { FHint = value; }
    bool GetChecked() const { return FChecked; }
    void SetChecked(bool value) { FChecked = value; }
    bool GetAutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool value) { FAutoCheck = value; }
    TControl* GetObjects() const { return FObjects; }
    void SetObjects(TControl* value) { FObjects = value; }

private:
    bool FEnabled = true;
    bool FVisible = true;
    TRect FBoundRect;
    std::vector<std::unique_ptr<TOTBMenuItem>> FItems;
    TOTBMenuItem* FParentItem;
    int FHeight = 0;
    std::wstring FCaption;
    int FWidth = 0;
    bool FChecked = false;
    std::wstring FHint;
    bool FAutoCheck = false;
    TControl* FObjects = nullptr;
};

}  // namespace orv
