#pragma once
// The class registry: each class that can be stored registers its name, its parent's
// name, a factory (components) and a declarative table of its published properties.
// Layout roots also register the fields the reader binds by name and the handler
// methods event properties are bound to. Adding a class is one table; the reader and
// writer never change for it.
#include <any>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <limits>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "framework/Component.h"
#include "framework/Event.h"
#include "framework/LayoutHex.h"
#include "framework/Persistent.h"
#include "framework/SysUtils.h"

namespace orv {

// A wrong-kind component or handler met by a typed setter; the reader reports it.
class EPropTypeMismatch : public Exception {
public:
    explicit EPropTypeMismatch(const std::wstring& message) : Exception(message) {}
};

enum class TPropKind {
    Integer,
    Float,
    Bool,
    String,
    Enum,
    Set,
    Color,
    Object,
    Collection,
    Component,
    Event,
    StringList,
    Binary
};

// Identifiers of an enumeration, by ordinal.
struct TEnumInfo {
    std::vector<std::wstring> Names;
    int IndexOf(const std::wstring& name) const;
};

struct TPropInfo {
    std::wstring Name;
    TPropKind Kind = TPropKind::Integer;
    const TEnumInfo* Enum = nullptr;  // Enum and Set
    // Integer, Bool, Enum (ordinal), Set (bit n for ordinal n), Color. SetInt raises
    // ERangeError for a value outside [MinValue, MaxValue], the range of the property's
    // own type (a byte-wide charset takes 0..255), so nothing wraps silently.
    std::function<int64_t(TObject*)> GetInt;
    std::function<void(TObject*, int64_t)> SetInt;
    int64_t MinValue = std::numeric_limits<int64_t>::min();
    int64_t MaxValue = std::numeric_limits<int64_t>::max();
    std::function<double(TObject*)> GetFloat;
    std::function<void(TObject*, double)> SetFloat;
    std::function<std::wstring(TObject*)> GetString;
    std::function<void(TObject*, const std::wstring&)> SetString;
    // Object: the owned nested record (never replaced, only changed in place)
    std::function<TPersistent*(TObject*)> GetNested;
    // Component reference
    std::function<TComponent*(TObject*)> GetComponent;
    std::function<void(TObject*, TComponent*)> SetComponent;
    // Event: the handler travels as std::any holding the event's exact type
    std::function<void(TObject*, const std::any&)> SetEvent;
    std::function<bool(TObject*, const std::any&)> EventEquals;
    std::function<bool(TObject*)> EventAssigned;
    std::function<std::vector<std::wstring>(TObject*)> GetStrings;
    std::function<void(TObject*, const std::vector<std::wstring>&)> SetStrings;
    std::function<std::vector<uint8_t>(TObject*)> GetBytes;
    // Taken by value: a caller done with its bytes moves them in rather than copying.
    std::function<void(TObject*, std::vector<uint8_t>)> SetBytes;
    // Binary, optional: takes a layout's digits as they stand and converts them when the
    // bytes are first needed. Without it the reader converts them and calls SetBytes.
    std::function<void(TObject*, TLayoutHexText)> SetHexText;
    // Collection: items are cleared, then added in stored order
    std::function<void(TObject*)> ClearItems;
    std::function<TPersistent*(TObject*)> AddItem;
    std::function<int(TObject*)> ItemCount;
    std::function<TPersistent*(TObject*, int)> Item;
    std::function<void(TObject*, bool)> UpdateItems;  // true: begin, false: end
    // When present and false, the writer leaves the value out (it follows a parent).
    std::function<bool(TObject*)> IsStored;
    // Setting it fills other values from a preset (a styler's Style). The writer writes it
    // first and compares what follows against a reference with the same preset applied.
    bool AppliesPreset = false;
    // A flag that makes the named property follow something else (ParentShowHint makes
    // ShowHint follow the parent's), whose setter clears the flag again: copies set the
    // named property first and this one after it.
    std::wstring Governs;
};

struct TMethodInfo {
    std::wstring Name;
    std::function<std::any(TObject* root)> Make;
};

struct TFieldInfo {
    std::wstring Name;
    std::function<bool(TObject* root, TComponent* component)> Bind;
    std::function<TComponent*(TObject* root)> Get;
    std::function<void(TObject* root)> Clear;
};

struct TClassInfo {
    std::wstring Name;
    std::wstring ParentName;
    std::function<TComponent*(TComponent* owner)> Create;  // null: not creatable by name
    std::vector<TPropInfo> Props;
    std::vector<TMethodInfo> Methods;
    std::vector<TFieldInfo> Fields;

    const TClassInfo* Parent() const;
    // Searches this class and its ancestors, case-insensitively.
    const TPropInfo* FindProp(const std::wstring& name) const;
    const TMethodInfo* FindMethod(const std::wstring& name) const;
    const TFieldInfo* FindField(const std::wstring& name) const;
    bool InheritsFrom(const std::wstring& className) const;
    // Every published property, ancestors' first.
    std::vector<const TPropInfo*> AllProps() const;
    // Every published field of a root class, ancestors' first.
    std::vector<const TFieldInfo*> AllFields() const;
};

class TClassRegistry {
public:
    static TClassInfo& Register(const std::wstring& name, const std::wstring& parentName);
    static const TClassInfo* Find(const std::wstring& name);
    static const TClassInfo* FindFor(const TObject* object) { return object ? Find(object->ClassName()) : nullptr; }
    // Registered classes that inherit from className (itself excluded), in registration order.
    static std::vector<const TClassInfo*> DerivedFrom(const std::wstring& className);
    static bool Publishes(const std::wstring& className, const std::wstring& propName);
    // Moves on with every registration: a class table may then have been rebuilt, so
    // pointers into the tables kept from before are to be looked up again.
    static uint64_t Generation();
};

// Copies the published values of source into target: every property of target's class
// table that source's class publishes as well (declared by a class both derive from).
// A flag is set after the property it governs, so the result equals the source.
// Simple values go through target's setters, nested records and collections through
// their own Assign, component references as they are; event handlers are not values
// and stay. include, when given, picks the properties to copy. Returns false when the
// two share no registered class, and then copies nothing; raises EInvalidOperation when
// target's class is not registered.
using TPropFilter = std::function<bool(const TPropInfo&)>;
bool AssignPublished(const TPersistent* source, TPersistent* target, const TPropFilter& include = nullptr);

// Builds the table of class T. Getters and setters may be member function pointers or
// callables taking T*.
template <class T>
class TClassBuilder {
public:
    TClassBuilder(const std::wstring& name, const std::wstring& parentName)
        : FInfo(TClassRegistry::Register(name, parentName)) {}

    TClassBuilder& Factory() {
        FInfo.Create = [](TComponent* owner) -> TComponent* { return new T(owner); };
        return *this;
    }

    template <class G, class S>
    TClassBuilder& Int(const std::wstring& name, G get, S set) {
        return Numeric(name, TPropKind::Integer, get, set);
    }
    template <class G, class S>
    TClassBuilder& Bool(const std::wstring& name, G get, S set) {
        return Numeric(name, TPropKind::Bool, get, set);
    }
    template <class G, class S>
    TClassBuilder& Color(const std::wstring& name, G get, S set) {
        return Numeric(name, TPropKind::Color, get, set);
    }
    template <class G, class S>
    TClassBuilder& Enum(const std::wstring& name, G get, S set, const TEnumInfo& info) {
        Numeric(name, TPropKind::Enum, get, set);
        FInfo.Props.back().Enum = &info;
        return *this;
    }
    template <class G, class S>
    TClassBuilder& Set(const std::wstring& name, G get, S set, const TEnumInfo& info) {
        Numeric(name, TPropKind::Set, get, set);
        FInfo.Props.back().Enum = &info;
        return *this;
    }
    template <class G, class S>
    TClassBuilder& Float(const std::wstring& name, G get, S set) {
        TPropInfo p = MakeProp(name, TPropKind::Float);
        p.GetFloat = [get](TObject* o) { return static_cast<double>(std::invoke(get, Self(o))); };
        p.SetFloat = [set](TObject* o, double v) { std::invoke(set, Self(o), v); };
        return Add(std::move(p));
    }
    template <class G, class S>
    TClassBuilder& String(const std::wstring& name, G get, S set) {
        TPropInfo p = MakeProp(name, TPropKind::String);
        p.GetString = [get](TObject* o) { return std::wstring(std::invoke(get, Self(o))); };
        p.SetString = [set](TObject* o, const std::wstring& v) { std::invoke(set, Self(o), v); };
        return Add(std::move(p));
    }
    // A nested record owned by the object; get returns it (TPersistent-derived).
    template <class G>
    TClassBuilder& Object(const std::wstring& name, G get) {
        TPropInfo p = MakeProp(name, TPropKind::Object);
        p.GetNested = [get](TObject* o) -> TPersistent* { return &Deref(std::invoke(get, Self(o))); };
        return Add(std::move(p));
    }
    template <class C, class G, class S>
    TClassBuilder& Component(const std::wstring& name, G get, S set) {
        TPropInfo p = MakeProp(name, TPropKind::Component);
        p.GetComponent = [get](TObject* o) -> TComponent* { return std::invoke(get, Self(o)); };
        p.SetComponent = [set](TObject* o, TComponent* c) {
            C* typed = dynamic_cast<C*>(c);
            if (c && !typed)
                throw EPropTypeMismatch(std::wstring(c->ClassName()) + L" " + c->GetName() +
                                        L" is not of the kind the property takes");
            std::invoke(set, Self(o), typed);
        };
        return Add(std::move(p));
    }
    template <class... A>
    TClassBuilder& Event(const std::wstring& name, TEvent<A...> T::*member) {
        TPropInfo p = MakeProp(name, TPropKind::Event);
        p.SetEvent = [member](TObject* o, const std::any& handler) {
            const auto* e = std::any_cast<TEvent<A...>>(&handler);
            if (!e) throw EPropTypeMismatch(L"The handler does not fit the event");
            Self(o)->*member = *e;
        };
        p.EventEquals = [member](TObject* o, const std::any& handler) {
            const auto* e = std::any_cast<TEvent<A...>>(&handler);
            return e && Self(o)->*member == *e;
        };
        p.EventAssigned = [member](TObject* o) { return static_cast<bool>(Self(o)->*member); };
        return Add(std::move(p));
    }
    template <class G, class S>
    TClassBuilder& Strings(const std::wstring& name, G get, S set) {
        TPropInfo p = MakeProp(name, TPropKind::StringList);
        p.GetStrings = [get](TObject* o) { return std::vector<std::wstring>(std::invoke(get, Self(o))); };
        p.SetStrings = [set](TObject* o, const std::vector<std::wstring>& v) { std::invoke(set, Self(o), v); };
        return Add(std::move(p));
    }
    template <class G, class S>
    TClassBuilder& Binary(const std::wstring& name, G get, S set) {
        TPropInfo p = MakeProp(name, TPropKind::Binary);
        p.GetBytes = [get](TObject* o) { return std::vector<uint8_t>(std::invoke(get, Self(o))); };
        p.SetBytes = [set](TObject* o, std::vector<uint8_t> v) { std::invoke(set, Self(o), std::move(v)); };
        return Add(std::move(p));
    }
    // A collection owned by the object; get returns it. The collection type needs
    // Clear(), Add() (returning an item), Count(), Items(i), BeginUpdate(), EndUpdate().
    template <class G>
    TClassBuilder& Collection(const std::wstring& name, G get) {
        TPropInfo p = MakeProp(name, TPropKind::Collection);
        p.GetNested = [get](TObject* o) -> TPersistent* { return &Deref(std::invoke(get, Self(o))); };
        p.ClearItems = [get](TObject* o) { Deref(std::invoke(get, Self(o))).Clear(); };
        p.AddItem = [get](TObject* o) -> TPersistent* { return Deref(std::invoke(get, Self(o))).Add(); };
        p.ItemCount = [get](TObject* o) { return static_cast<int>(Deref(std::invoke(get, Self(o))).Count()); };
        p.Item = [get](TObject* o, int i) -> TPersistent* { return Deref(std::invoke(get, Self(o))).Items(i); };
        p.UpdateItems = [get](TObject* o, bool begin) {
            auto& c = Deref(std::invoke(get, Self(o)));
            if (begin)
                c.BeginUpdate();
            else
                c.EndUpdate();
        };
        return Add(std::move(p));
    }
    // Marks the last property as one that applies a preset (see TPropInfo::AppliesPreset).
    TClassBuilder& Preset() {
        FInfo.Props.back().AppliesPreset = true;
        return *this;
    }
    // The binary property just added takes layout digits unconverted (TPropInfo::SetHexText).
    template <class S>
    TClassBuilder& KeepsHexText(S set) {
        FInfo.Props.back().SetHexText = [set](TObject* o, TLayoutHexText v) {
            std::invoke(set, Self(o), std::move(v));
        };
        return *this;
    }
    // Marks the last property as the flag that governs another (TPropInfo::Governs).
    TClassBuilder& Governs(const std::wstring& governed) {
        FInfo.Props.back().Governs = governed;
        return *this;
    }
    // Makes the last property's storing depend on the object's state.
    template <class P>
    TClassBuilder& StoredIf(P predicate) {
        FInfo.Props.back().IsStored = [predicate](TObject* o) {
            return static_cast<bool>(std::invoke(predicate, Self(o)));
        };
        return *this;
    }
    // Root classes: a published field bound when a component of that name is created.
    template <class C>
    TClassBuilder& Field(const std::wstring& name, C* T::*member) {
        FInfo.Fields.push_back({name,
                                [member](TObject* root, TComponent* c) {
                                    C* typed = dynamic_cast<C*>(c);
                                    if (!typed) return false;
                                    Self(root)->*member = typed;
                                    return true;
                                },
                                [member](TObject* root) -> TComponent* { return Self(root)->*member; },
                                [member](TObject* root) { Self(root)->*member = nullptr; }});
        return *this;
    }
    // Root classes: a published handler that event properties can name.
    template <class... A>
    TClassBuilder& Method(const std::wstring& name, void (T::*method)(A...)) {
        FInfo.Methods.push_back(
            {name, [method](TObject* root) -> std::any { return TEvent<A...>::Bind(Self(root), method); }});
        return *this;
    }

private:
    static T* Self(TObject* o) { return static_cast<T*>(o); }
    static TPropInfo MakeProp(const std::wstring& name, TPropKind kind) {
        TPropInfo p;
        p.Name = name;
        p.Kind = kind;
        return p;
    }
    template <class X>
    static X& Deref(X& x) {
        return x;
    }
    template <class X>
    static X& Deref(X* x) {
        return *x;
    }
    // The range of a numeric property's own type: an enumeration's underlying type, a
    // bool's 0..1, an integer's limits.
    template <class V>
    static void RangeOf(int64_t& low, int64_t& high) {
        if constexpr (std::is_same_v<V, bool>) {
            low = 0;
            high = 1;
        } else if constexpr (std::is_enum_v<V>) {
            RangeOf<std::underlying_type_t<V>>(low, high);
        } else if constexpr (std::is_integral_v<V>) {
            using L = std::numeric_limits<V>;
            low = static_cast<int64_t>(L::min());
            if constexpr (std::is_unsigned_v<V> && sizeof(V) >= sizeof(int64_t))
                high = std::numeric_limits<int64_t>::max();
            else
                high = static_cast<int64_t>(L::max());
        }
    }
    template <class G, class S>
    TClassBuilder& Numeric(const std::wstring& name, TPropKind kind, G get, S set) {
        using Arg = std::decay_t<decltype(std::invoke(get, std::declval<T*>()))>;
        TPropInfo p = MakeProp(name, kind);
        RangeOf<Arg>(p.MinValue, p.MaxValue);
        p.GetInt = [get](TObject* o) { return static_cast<int64_t>(std::invoke(get, Self(o))); };
        p.SetInt = [set, name, low = p.MinValue, high = p.MaxValue](TObject* o, int64_t v) {
            if (v < low || v > high)
                throw ERangeError(L"Value " + std::to_wstring(v) + L" is out of range for " + name + L" (" +
                                  std::to_wstring(low) + L".." + std::to_wstring(high) + L")");
            std::invoke(set, Self(o), static_cast<Arg>(v));
        };
        return Add(std::move(p));
    }
    TClassBuilder& Add(TPropInfo p) {
        FInfo.Props.push_back(std::move(p));
        return *this;
    }
    TClassInfo& FInfo;
};

}  // namespace orv
