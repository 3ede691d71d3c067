#include "files/exchangesort.h"

#include <algorithm>
#include <numeric>
#include <utility>

// How the exchanges order equal keys, and why that can be computed without making them (their
// number grows with the square of the row count, whatever the order of the keys).
//
// A pass over the keys s0, s1, ... from position i leaves min(s) at i and, at every later
// position j, max(sj, min(s0 .. sj-1)): the running minimum is dropped wherever a smaller key
// takes its place. Two consequences:
//
// 1. The keys up to any value x keep to themselves. A pass runs through larger keys until it
//    meets the first key <= x and from then on holds keys <= x only, so the keys <= x go through
//    exactly the passes they would go through with no larger key present. The final order of the
//    keys equal to x depends only on the keys <= x, among which x is the largest.
//
// 2. Among those, call the keys equal to x X and the smaller ones S. While an S is left, each
//    pass puts an S at the front, and the X/S pattern of the rest is the pattern before without
//    its first S: after t passes, the original pattern without its first t S. When the rest
//    starts with an X, the pass carries that X to the place of the first S, behind the other X
//    that come before it; otherwise the order of the X does not change. Once no S is left, the X
//    are taken in their order.
//
// So each S of the original order, with c X before it there, rotates the first c X left by one.
// The S between the j-th and the (j+1)-th X (or after the last) all rotate the first j X; taken
// in that order, the rotations leave the X in their final order.

namespace
{

using Keys = std::vector<std::int64_t>;
using Order = std::vector<std::size_t>;

Order identity(std::size_t n)
{
    Order order(n);
    std::iota(order.begin(), order.end(), std::size_t{0});
    return order;
}

// Counts of marked positions, by prefix.
class PositionCounts
{
public:
    explicit PositionCounts(std::size_t n) : m_tree(n + 1, 0) {}

    void mark(std::size_t position)
    {
        for (std::size_t i = position + 1; i < m_tree.size(); i += i & (~i + 1))
            ++m_tree[i];
        ++m_total;
    }

    // Marked positions below `end`.
    std::size_t before(std::size_t end) const
    {
        std::size_t sum = 0;
        for (std::size_t i = end; i > 0; i -= i & (~i + 1))
            sum += m_tree[i];
        return sum;
    }

    std::size_t total() const { return m_total; }

private:
    std::vector<std::size_t> m_tree;
    std::size_t m_total = 0;
};

// Appends the equal keys at `positions` (ascending) in the order the exchanges leave them; r[k]
// smaller keys lie after the (k+1)-th of them and before the next. The rotations run on a
// circular list whose head is the first of the order, so that each step costs one link.
void orderEqualKeys(const std::size_t* positions, const std::vector<std::size_t>& r, Order& out)
{
    const std::size_t count = r.size();
    std::vector<std::size_t> next(count);
    std::size_t head = 0;
    std::size_t tail = 0; // the last of the order, just before head
    next[0] = 0;
    for (std::size_t j = 1; j <= count; ++j) {
        for (std::size_t steps = r[j - 1] % j; steps > 0; --steps) {
            tail = head;
            head = next[head];
        }
        if (j < count) { // the next equal key joins the rotated ones at their end
            next[tail] = j;
            next[j] = head;
            tail = j;
        }
    }
    for (std::size_t k = 0, node = head; k < count; ++k, node = next[node])
        out.push_back(positions[node]);
}

} // namespace

Order exchangeSortOrder(Keys keys)
{
    const std::size_t n = keys.size();
    // Equal keys together, ascending, each group in its original order.
    Order byKey = identity(n);
    std::stable_sort(byKey.begin(), byKey.end(), [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });

    Order order;
    order.reserve(n);
    PositionCounts smaller(n); // positions of the keys already placed, all smaller than the group's
    std::vector<std::size_t> r;
    for (std::size_t first = 0; first < n;) {
        std::size_t last = first + 1;
        while (last < n && keys[byKey[last]] == keys[byKey[first]])
            ++last;
        r.assign(last - first, 0);
        for (std::size_t k = first; k < last; ++k) {
            const std::size_t end = k + 1 < last ? smaller.before(byKey[k + 1]) : smaller.total();
            r[k - first] = end - smaller.before(byKey[k] + 1);
        }
        orderEqualKeys(&byKey[first], r, order);
        for (std::size_t k = first; k < last; ++k)
            smaller.mark(byKey[k]);
        first = last;
    }
    return order;
}

Order firstExchangePassOrder(Keys keys)
{
    Order order = identity(keys.size());
    for (std::size_t j = 1; j < keys.size(); ++j) {
        if (keys[j] < keys[0]) {
            std::swap(keys[0], keys[j]);
            std::swap(order[0], order[j]);
        }
    }
    return order;
}
