#pragma once
// Events: a nullable, copyable callable that can also be compared. Two events compare
// equal when both are empty or both were bound to the same object and method with
// Bind(); lambdas carry no identity and compare equal only to themselves (same copy source).
#include <array>
#include <cstring>
#include <functional>
#include <memory>
#include <type_traits>

namespace orv {

class TObject;

template <class... Args>
class TEvent {
public:
    TEvent() = default;
    TEvent(std::nullptr_t) {}

    template <class F,
              std::enable_if_t<!std::is_same_v<std::decay_t<F>, TEvent> && std::is_invocable_v<F&, Args...>, int> = 0>
    TEvent(F f) : FFn(std::move(f)), FIdentity(std::make_shared<int>(0)) {}

    template <class T>
    static TEvent Bind(T* target, void (T::*method)(Args...)) {
        static_assert(sizeof(method) <= kMethodSize, "member pointer too large");
        TEvent e;
        e.FFn = [target, method](Args... args) { (target->*method)(args...); };
        e.FTarget = target;
        std::memcpy(e.FMethod.data(), &method, sizeof(method));
        return e;
    }

    explicit operator bool() const { return static_cast<bool>(FFn); }

    // Invokes a copy, so a handler that frees the event's owner does not destroy the
    // callable that is running.
    void operator()(Args... args) const {
        if (!FFn) return;
        auto fn = FFn;
        fn(args...);
    }

    void Reset() { *this = TEvent(); }

    friend bool operator==(const TEvent& a, const TEvent& b) {
        if (!a.FFn || !b.FFn) return !a.FFn && !b.FFn;
        if (a.FTarget || b.FTarget) return a.FTarget == b.FTarget && a.FMethod == b.FMethod;
        return a.FIdentity == b.FIdentity;
    }

private:
    static constexpr size_t kMethodSize = 32;
    std::function<void(Args...)> FFn;
    const void* FTarget = nullptr;
    std::array<unsigned char, kMethodSize> FMethod{};
    std::shared_ptr<int> FIdentity;  // identity of a lambda, shared by copies
};

using TNotifyEvent = TEvent<TObject*>;

}  // namespace orv
