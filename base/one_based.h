#pragma once
// A fixed array indexed from 1 to N, as the program's tables are. An index
// outside 1..N ends the program with run-time error 201 (range check).

#include <array>
#include <cstddef>

#include "base/range_check.h"

namespace kvarn {

template <typename T, std::size_t N> struct OneBased {
    std::array<T, N> items{};

    T& operator[](std::size_t index) { return items[checked(index)]; }
    const T& operator[](std::size_t index) const { return items[checked(index)]; }
    static constexpr std::size_t size() { return N; }

  private:
    static std::size_t checked(std::size_t index) {
        if (index < 1 || index > N) rangeCheckFailed(index, N);
        return index - 1;
    }
};

} // namespace kvarn
