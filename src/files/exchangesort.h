#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The viewer's exchange sort on integer keys. For each position i in turn, the key at i is the
// running minimum; every later key strictly below it becomes the new minimum and is exchanged
// with position i at once. The result is ascending, and equal keys end in the order these
// exchanges leave them (keys 2, 2, 1 end as 1, the second 2, the first 2).
//
// Both functions return the new order: element k is the original position of the key that ends
// at position k.

// The whole sort, computed without making the exchanges (their number grows with the square of
// the keys): O(n log n) for keys mostly distinct, at most about n * sqrt(n) steps otherwise.
std::vector<std::size_t> exchangeSortOrder(std::vector<std::int64_t> keys);

// Only the pass for position 0, as far as the keys go: what a sort stopped by an unreadable key
// right after them has done.
std::vector<std::size_t> firstExchangePassOrder(std::vector<std::int64_t> keys);
