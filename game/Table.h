#pragma once

#include <array>
#include <cassert>
#include <cstddef>

namespace pipwright {

// A fixed table indexed from 1, as the game's tables are: t(row, column).
template <typename T, std::size_t Rows, std::size_t Cols> class Table {
public:
    static constexpr std::size_t rows = Rows;
    static constexpr std::size_t cols = Cols;

    T& operator()(std::size_t row, std::size_t col) {
        assert(row >= 1 && row <= Rows && col >= 1 && col <= Cols);
        return cells_[(row - 1) * Cols + (col - 1)];
    }
    const T& operator()(std::size_t row, std::size_t col) const {
        assert(row >= 1 && row <= Rows && col >= 1 && col <= Cols);
        return cells_[(row - 1) * Cols + (col - 1)];
    }
    void fill(const T& value) { cells_.fill(value); }
    // The cells row by row: t(1, 1), t(1, 2), ...
    const T* data() const { return cells_.data(); }

    friend bool operator==(const Table&, const Table&) = default;

private:
    std::array<T, Rows * Cols> cells_{};
};

// A list indexed from 1.
template <typename T, std::size_t N> class List {
public:
    static constexpr std::size_t size = N;

    T& operator()(std::size_t i) {
        assert(i >= 1 && i <= N);
        return items_[i - 1];
    }
    const T& operator()(std::size_t i) const {
        assert(i >= 1 && i <= N);
        return items_[i - 1];
    }
    friend bool operator==(const List&, const List&) = default;

private:
    std::array<T, N> items_{};
};

} // namespace pipwright
