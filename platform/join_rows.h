// Rows of a constant table: arrays of rows joined into one array in order, and rows changed
// by a modifier.
#pragma once

#include <array>
#include <cstddef>
#include <type_traits>

namespace join_rows {

template <class Row, class T>
struct Count : std::integral_constant<size_t, 1> {};
template <class Row, size_t N>
struct Count<Row, std::array<Row, N>> : std::integral_constant<size_t, N> {};

}  // namespace join_rows

template <class Row, class... Parts>
constexpr auto JoinRows(const Parts&... parts) {
    std::array<Row, (join_rows::Count<Row, Parts>::value + ... + 0)> out{};
    size_t at = 0;
    auto put = [&](const auto& part) {
        if constexpr (std::is_same_v<std::decay_t<decltype(part)>, Row>) {
            out[at++] = part;
        } else {
            for (const Row& r : part) out[at++] = r;
        }
    };
    (put(parts), ...);
    return out;
}

// A row of a constant table with one member changed: the tables' modifiers.
template <class Row, class T, class V>
constexpr Row With(Row row, T Row::*member, V value) {
    row.*member = T(value);
    return row;
}
