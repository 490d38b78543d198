#pragma once
// What every client of an action does to link to one: components with an action link
// (controls, menu items, list items) share it instead of each carrying the same steps.
#include <memory>

#include "framework/ActnList.h"
#include "framework/Component.h"

namespace orv {

// Links client to value through link: the free notices follow the action, the link is
// made by make on first use and reports whole-action changes to changed(sender, false),
// and changed runs once for the new action (keeping the client's own values while it is
// being read). Null unlinks.
template <class Link, class Make, class Changed>
void RelinkAction(TComponent& client, std::unique_ptr<Link>& link, TBasicAction* value, Make make, Changed changed) {
    TBasicAction* old = link ? link->GetAction() : nullptr;
    if (old == value) return;
    if (old) client.RemoveFreeNotification(old);
    if (!value) {
        link.reset();
        return;
    }
    if (!link) {
        link = make();
        link->OnChange = [changed](TObject* sender) { changed(sender, false); };
    }
    link->SetAction(value);
    client.FreeNotification(value);
    changed(value, client.IsLoading());
}

}  // namespace orv
