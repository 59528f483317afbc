// Checked integer arithmetic and bounds-checked arrays for game values.
// An overflow or an index outside its declared range is a program fault: it raises an exception
// instead of wrapping around or reading past an array.
#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace Vexlor {

template <class T> T Checked_Add(T a, T b) {
    T result;
    if (__builtin_add_overflow(a, b, &result))
        throw std::overflow_error("Arithmetic overflow");
    return result;
}

template <class T> T Checked_Sub(T a, T b) {
    T result;
    if (__builtin_sub_overflow(a, b, &result))
        throw std::overflow_error("Arithmetic overflow");
    return result;
}

template <class T> T Checked_Mul(T a, T b) {
    T result;
    if (__builtin_mul_overflow(a, b, &result))
        throw std::overflow_error("Arithmetic overflow");
    return result;
}

// An array indexed from Low to High inclusive, as the game's tables are numbered ([1..6], [0..20]).
template <class T, long Low, long High> class TArray {
    static_assert(High >= Low, "an array needs at least one element");

  public:
    static constexpr long Low_Index = Low;
    static constexpr long High_Index = High;
    static constexpr std::size_t Count = static_cast<std::size_t>(High - Low + 1);

    constexpr TArray() = default;
    constexpr TArray(const std::array<T, Count>& values) : Items(values) {}

    constexpr T& operator[](long index) { return Items[Offset(index)]; }
    constexpr const T& operator[](long index) const { return Items[Offset(index)]; }
    static constexpr bool Contains(long index) { return index >= Low && index <= High; }

    constexpr auto begin() { return Items.begin(); }
    constexpr auto end() { return Items.end(); }
    constexpr auto begin() const { return Items.begin(); }
    constexpr auto end() const { return Items.end(); }
    constexpr void Fill(const T& value) { Items.fill(value); }
    constexpr bool operator==(const TArray&) const = default;

  private:
    static constexpr std::size_t Offset(long index) {
        if (!Contains(index))
            throw std::out_of_range("Range check error: index " + std::to_string(index) + " outside " +
                                    std::to_string(Low) + ".." + std::to_string(High));
        return static_cast<std::size_t>(index - Low);
    }
    std::array<T, Count> Items{};
};

} // namespace Vexlor
