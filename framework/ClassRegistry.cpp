#include "framework/ClassRegistry.h"

#include <map>
#include <memory>

#include "framework/SysUtils.h"

namespace orv {

namespace {
struct TRegistryData {
    std::vector<std::unique_ptr<TClassInfo>> Classes;  // registration order
    std::map<std::wstring, TClassInfo*> ByUpperName;
};
TRegistryData& Data() {
    static TRegistryData data;
    return data;
}
}  // namespace

int TEnumInfo::IndexOf(const std::wstring& name) const {
    for (size_t i = 0; i < Names.size(); ++i)
        if (SameText(Names[i], name)) return static_cast<int>(i);
    return -1;
}

TClassInfo& TClassRegistry::Register(const std::wstring& name, const std::wstring& parentName) {
    auto& d = Data();
    std::wstring key = UpperCase(name);
    auto it = d.ByUpperName.find(key);
    if (it != d.ByUpperName.end()) {
        // Registering again starts the table afresh (idempotent start-up).
        TClassInfo& info = *it->second;
        info = TClassInfo{};
        info.Name = name;
        info.ParentName = parentName;
        return info;
    }
    d.Classes.push_back(std::make_unique<TClassInfo>());
    TClassInfo& info = *d.Classes.back();
    info.Name = name;
    info.ParentName = parentName;
    d.ByUpperName[key] = &info;
    return info;
}

const TClassInfo* TClassRegistry::Find(const std::wstring& name) {
    auto& d = Data();
    auto it = d.ByUpperName.find(UpperCase(name));
    return it == d.ByUpperName.end() ? nullptr : it->second;
}

std::vector<const TClassInfo*> TClassRegistry::DerivedFrom(const std::wstring& className) {
    std::vector<const TClassInfo*> out;
    for (auto& c : Data().Classes)
        if (!SameText(c->Name, className) && c->InheritsFrom(className)) out.push_back(c.get());
    return out;
}

bool TClassRegistry::Publishes(const std::wstring& className, const std::wstring& propName) {
    const TClassInfo* info = Find(className);
    return info && info->FindProp(propName);
}

const TClassInfo* TClassInfo::Parent() const {
    return ParentName.empty() ? nullptr : TClassRegistry::Find(ParentName);
}

bool TClassInfo::InheritsFrom(const std::wstring& className) const {
    int guard = 0;
    for (const TClassInfo* c = this; c && guard < 64; c = c->Parent(), ++guard)
        if (SameText(c->Name, className)) return true;
    return false;
}

const TPropInfo* TClassInfo::FindProp(const std::wstring& name) const {
    int guard = 0;
    for (const TClassInfo* c = this; c && guard < 64; c = c->Parent(), ++guard)
        for (const auto& p : c->Props)
            if (SameText(p.Name, name)) return &p;
    return nullptr;
}

const TMethodInfo* TClassInfo::FindMethod(const std::wstring& name) const {
    int guard = 0;
    for (const TClassInfo* c = this; c && guard < 64; c = c->Parent(), ++guard)
        for (const auto& m : c->Methods)
            if (SameText(m.Name, name)) return &m;
    return nullptr;
}

const TFieldInfo* TClassInfo::FindField(const std::wstring& name) const {
    int guard = 0;
    for (const TClassInfo* c = this; c && guard < 64; c = c->Parent(), ++guard)
        for (const auto& f : c->Fields)
            if (SameText(f.Name, name)) return &f;
    return nullptr;
}

std::vector<const TPropInfo*> TClassInfo::AllProps() const {
    std::vector<const TClassInfo*> chain;
    int guard = 0;
    for (const TClassInfo* c = this; c && guard < 64; c = c->Parent(), ++guard) chain.insert(chain.begin(), c);
    std::vector<const TPropInfo*> out;
    for (const TClassInfo* c : chain)
        for (const auto& p : c->Props) {
            // A class may re-publish an ancestor's property; the latest table wins.
            bool replaced = false;
            for (auto& existing : out)
                if (SameText(existing->Name, p.Name)) {
                    existing = &p;
                    replaced = true;
                }
            if (!replaced) out.push_back(&p);
        }
    return out;
}

}  // namespace orv
