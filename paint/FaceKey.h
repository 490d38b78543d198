#pragma once
// Hashing and equality for paint description records, derived from one list of fields.
//
// A record that keys the face cache is an aggregate that names all of its fields once,
// in a member function Tie() returning std::tie(...) of them. Hash and equality are
// derived from that list, and FaceKeyComplete<T> checks at compile time that the list
// holds as many fields as the record: a field added to the record but not to Tie()
// stops the build wherever the record is used as a key.
#include <cstddef>
#include <functional>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>

namespace orv {

namespace detail {

// Converts to a reference of any type: counts an aggregate's fields by trying to
// brace-initialise it with more and more of these.
struct TAnyField {
    template <class T>
    operator T&() const;
    template <class T>
    operator T&&() const;
};

template <class T, std::size_t... I>
constexpr bool BraceConstructible(std::index_sequence<I...>) {
    return requires {
        T{((void)I, TAnyField{})...};
    };
}

template <class T, std::size_t N = 0>
constexpr std::size_t AggregateFieldCount() {
    if constexpr (N < 64 && BraceConstructible<T>(std::make_index_sequence<N + 1>{}))
        return AggregateFieldCount<T, N + 1>();
    else
        return N;
}

inline void HashCombine(std::size_t& seed, std::size_t value) {
    seed ^= value + 0x9E3779B97F4A7C15ull + (seed << 6) + (seed >> 2);
}

}  // namespace detail

template <class T>
concept TiedRecord = requires(const T& record) {
    std::tuple_size<decltype(record.Tie())>::value;
};

// True when Tie() names every field of the aggregate T.
template <TiedRecord T>
constexpr bool FaceKeyComplete() {
    return std::is_aggregate_v<T> &&
           detail::AggregateFieldCount<T>() == std::tuple_size_v<decltype(std::declval<const T&>().Tie())>;
}

template <class T>
std::size_t HashField(const T& value);

template <TiedRecord T>
std::size_t HashRecord(const T& record) {
    std::size_t seed = 0;
    std::apply([&seed](const auto&... field) { (detail::HashCombine(seed, HashField(field)), ...); }, record.Tie());
    return seed;
}

template <class T>
std::size_t HashField(const T& value) {
    if constexpr (TiedRecord<T>)
        return HashRecord(value);
    else if constexpr (std::is_enum_v<T>)
        return std::hash<std::underlying_type_t<T>>{}(static_cast<std::underlying_type_t<T>>(value));
    else
        return std::hash<T>{}(value);
}

template <TiedRecord T>
bool EqualRecords(const T& a, const T& b) {
    return a.Tie() == b.Tie();
}

}  // namespace orv
