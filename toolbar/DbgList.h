#pragma once
// TDbgList: the pointer list every internal list of the toolbar family uses. It owns
// nothing; an indexed read or write outside 0 .. Count - 1 raises an error naming the
// kind of access, so a stale index shows up where it is used rather than as a crash.
#include <algorithm>
#include <cstddef>
#include <vector>

#include "framework/Exception.h"

namespace orv {

// Raised by TDbgList for an index outside the list (negative ones too).
[[noreturn]] void RaiseListReadError();
[[noreturn]] void RaiseListWriteError();

template <class T>
class TDbgList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    bool Empty() const { return FItems.empty(); }

    T* Items(int index) const {
        if (index < 0 || index >= Count()) RaiseListReadError();
        return FItems[static_cast<size_t>(index)];
    }
    void SetItems(int index, T* value) {
        if (index < 0 || index >= Count()) RaiseListWriteError();
        FItems[static_cast<size_t>(index)] = value;
    }
    T* operator[](int index) const { return Items(index); }

    int Add(T* item) {
        FItems.push_back(item);
        return Count() - 1;
    }
    // index may equal Count (append); anything else outside the list is a write error.
    void Insert(int index, T* item) {
        if (index < 0 || index > Count()) RaiseListWriteError();
        FItems.insert(FItems.begin() + index, item);
    }
    void Delete(int index) {
        if (index < 0 || index >= Count()) RaiseListWriteError();
        FItems.erase(FItems.begin() + index);
    }
    // Removes the first occurrence; returns its former index or -1.
    int Remove(const T* item) {
        int i = IndexOf(item);
        if (i >= 0) FItems.erase(FItems.begin() + i);
        return i;
    }
    int IndexOf(const T* item) const {
        auto it = std::find(FItems.begin(), FItems.end(), item);
        return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
    }
    bool Contains(const T* item) const { return IndexOf(item) >= 0; }
    void Move(int from, int to) {
        if (from == to) return;
        T* item = Items(from);
        if (to < 0 || to >= Count()) RaiseListWriteError();
        FItems.erase(FItems.begin() + from);
        FItems.insert(FItems.begin() + to, item);
    }
    void Exchange(int a, int b) {
        T* first = Items(a);
        T* second = Items(b);
        FItems[static_cast<size_t>(a)] = second;
        FItems[static_cast<size_t>(b)] = first;
    }
    void Clear() { FItems.clear(); }
    // Clears this list and copies the items of source in their order.
    void AssignList(const TDbgList& source) {
        if (&source == this) return;
        FItems = source.FItems;
    }

    auto begin() const { return FItems.begin(); }
    auto end() const { return FItems.end(); }

private:
    std::vector<T*> FItems;
};

}  // namespace orv
