#pragma once

#include <array>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

namespace pipwright {

// Stops the program: an index outside a game table would overwrite the rest of
// the game. Play and the saved-game reader never let one through.
[[noreturn]] inline void indexOutOfRange(const char* what, std::size_t index, std::size_t size) {
    std::fprintf(stderr, "pipwright: %s %lld is outside 1 to %zu; stopping\n", what,
                 static_cast<long long>(index), size);
    std::abort();
}

// A fixed table indexed from 1, as the game's tables are: t(row, column).
template <typename T, std::size_t Rows, std::size_t Cols> class Table {
public:
    static constexpr std::size_t rows = Rows;
    static constexpr std::size_t cols = Cols;

    T& operator()(std::size_t row, std::size_t col) { return cells_[at(row, col)]; }
    const T& operator()(std::size_t row, std::size_t col) const { return cells_[at(row, col)]; }
    void fill(const T& value) { cells_.fill(value); }
    // The cells row by row: t(1, 1), t(1, 2), ...
    const T* data() const { return cells_.data(); }

    friend bool operator==(const Table&, const Table&) = default;

private:
    static std::size_t at(std::size_t row, std::size_t col) {
        if (row < 1 || row > Rows)
            indexOutOfRange("table row", row, Rows);
        if (col < 1 || col > Cols)
            indexOutOfRange("table column", col, Cols);
        return (row - 1) * Cols + (col - 1);
    }

    std::array<T, Rows * Cols> cells_{};
};

// A list indexed from 1.
template <typename T, std::size_t N> class List {
public:
    static constexpr std::size_t size = N;

    T& operator()(std::size_t i) { return items_[at(i)]; }
    const T& operator()(std::size_t i) const { return items_[at(i)]; }
    friend bool operator==(const List&, const List&) = default;

private:
    static std::size_t at(std::size_t i) {
        if (i < 1 || i > N)
            indexOutOfRange("list entry", i, N);
        return i - 1;
    }

    std::array<T, N> items_{};
};

} // namespace pipwright
