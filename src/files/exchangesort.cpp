#include "files/exchangesort.h"

#include <algorithm>
#include <numeric>
#include <utility>

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

// The minimum of each block of keys, so that a search for the next smaller key skips every block
// whose minimum is not below it. A pass then costs about n / kBlock block checks plus a few
// blocks read key by key, instead of n comparisons.
class BlockMinima
{
public:
    static constexpr std::size_t kBlock = 64;

    explicit BlockMinima(const Keys& keys) : m_keys(keys), m_minima((keys.size() + kBlock - 1) / kBlock)
    {
        for (std::size_t b = 0; b < m_minima.size(); ++b)
            refreshBlock(b);
    }

    // Call after the key at position changed.
    void refresh(std::size_t position) { refreshBlock(position / kBlock); }

    // The first position from `from` on whose key is below bound, or the number of keys. The keys
    // in from's own block are read one by one, so that block's minimum may include older keys.
    std::size_t firstBelow(std::size_t from, std::int64_t bound) const
    {
        const std::size_t n = m_keys.size();
        const std::size_t ownBlockEnd = std::min(n, (from / kBlock + 1) * kBlock);
        for (std::size_t p = from; p < ownBlockEnd; ++p) {
            if (m_keys[p] < bound)
                return p;
        }
        for (std::size_t b = from / kBlock + 1; b < m_minima.size(); ++b) {
            if (m_minima[b] >= bound)
                continue;
            const std::size_t end = std::min(n, (b + 1) * kBlock);
            for (std::size_t p = b * kBlock; p < end; ++p) {
                if (m_keys[p] < bound)
                    return p;
            }
        }
        return n;
    }

private:
    void refreshBlock(std::size_t b)
    {
        const auto first = m_keys.begin() + std::ptrdiff_t(b * kBlock);
        const auto last = m_keys.begin() + std::ptrdiff_t(std::min(m_keys.size(), (b + 1) * kBlock));
        m_minima[b] = *std::min_element(first, last);
    }

    const Keys& m_keys;
    std::vector<std::int64_t> m_minima;
};

void exchange(Keys& keys, Order& order, std::size_t i, std::size_t j)
{
    std::swap(keys[i], keys[j]);
    std::swap(order[i], order[j]);
}

// The exchanges themselves, on integer keys. Each pass swaps position i with every later key
// below its running minimum, in position order, exactly as the rule says; only the search for the
// next such key is faster.
Order exchangeAll(Keys keys)
{
    Order order = identity(keys.size());
    BlockMinima blocks(keys);
    for (std::size_t i = 0; i + 1 < keys.size(); ++i) {
        for (std::size_t j = blocks.firstBelow(i + 1, keys[i]); j < keys.size();
             j = blocks.firstBelow(j + 1, keys[i])) {
            exchange(keys, order, i, j);
            blocks.refresh(j); // position i's block is behind every later search
        }
    }
    return order;
}

} // namespace

Order exchangeSortOrder(Keys keys)
{
    // Keys already in order: no key is ever below a running minimum, nothing moves.
    if (std::is_sorted(keys.begin(), keys.end()))
        return identity(keys.size());

    // Every pass puts the smallest remaining key at its position, so the result is ascending; with
    // no two keys equal, ascending order is one order only, which a plain sort finds directly.
    Order order = identity(keys.size());
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    const bool distinct = std::adjacent_find(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
                              return keys[a] == keys[b];
                          }) == order.end();
    if (distinct)
        return order;
    return exchangeAll(std::move(keys));
}

Order firstExchangePassOrder(Keys keys)
{
    Order order = identity(keys.size());
    for (std::size_t j = 1; j < keys.size(); ++j) {
        if (keys[j] < keys[0])
            exchange(keys, order, 0, j);
    }
    return order;
}
