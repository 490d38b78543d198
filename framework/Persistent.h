#pragma once
// TObject is the root of every framework class; TPersistent adds copying by Assign.
#include <string>

namespace orv {

class TObject {
public:
    virtual ~TObject() = default;
    // The class's registered name, with its "T" prefix ("TOrvGlowButton").
    virtual const wchar_t* ClassName() const { return L"TObject"; }

protected:
    TObject() = default;
    TObject(const TObject&) = default;
    TObject& operator=(const TObject&) = default;
};

// Declares the run-time class name of a framework class.
#define ORV_CLASS_NAME(Name)                    \
    const wchar_t* ClassName() const override { \
        return L## #Name;                       \
    }

class TPersistent : public TObject {
public:
    ORV_CLASS_NAME(TPersistent)

    // Copies the source's values into this object. A source this class does not know is
    // asked to assign itself (AssignTo); when that fails too, EConvertError names both.
    virtual void Assign(const TPersistent* source);

protected:
    virtual void AssignTo(TPersistent* dest) const;
    // The object a nested persistent belongs to (a record's component, an item's collection).
    virtual TPersistent* GetOwner() const { return nullptr; }
};

}  // namespace orv
