// Records with every member set to its own value, to catch swapped, dropped or cut members.
#pragma once

#include <cstdint>
#include <type_traits>

#include "core/state/record_members.h"

namespace tk::test {

// Gives each scalar member the next value of a scrambled sequence (never zero), so that
// neighbouring members differ and no member keeps its default.
class DistinctFiller {
public:
    explicit DistinctFiller(std::uint32_t seed = 1) : next_(seed) {}

    template <class T>
    void operator()(const char *, T &member) {
        if constexpr (std::is_integral_v<T>) {
            next_ = next_ * 1664525u + 1013904223u;
            const auto value = static_cast<std::make_unsigned_t<T>>(next_ >> 7);
            member = static_cast<T>(value == 0 ? 1 : value);
        } else if constexpr (std::is_same_v<T, std::string>) {
            // The texts are set by the caller.
        } else if constexpr (kIsStdArray<T>) {
            for (auto &element : member) (*this)("", element);
        } else {
            VisitMembers(member, *this);
        }
    }

private:
    std::uint32_t next_;
};

template <class Record>
Record Distinct(std::uint32_t seed = 1) {
    Record record{};
    VisitMembers(record, DistinctFiller(seed));
    return record;
}

}  // namespace tk::test
