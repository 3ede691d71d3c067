#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <variant>

namespace image
{

// Why an operation failed: a Portuguese text, already translated and ready to show, and for a
// reader of lines the line where it stopped (from 1; 0 when the problem is the whole input).
struct Failure {
    QString text;
    int line = 0;
    bool operator==(const Failure&) const = default;
};

// What a core function that can fail returns: its value, or the Failure saying why. Ask ok() (or
// test it as a bool) first; value() of a failure, or failure() of a success, throws
// std::bad_variant_access rather than hand out something that is not there.
template <typename T> class [[nodiscard]] Outcome
{
public:
    Outcome(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
    Outcome(Failure failure) : m_state(std::in_place_index<1>, std::move(failure)) {}

    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() & { return std::get<0>(m_state); }
    const T& value() const& { return std::get<0>(m_state); }
    T&& value() && { return std::get<0>(std::move(m_state)); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T&& operator*() && { return std::move(*this).value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const Failure& failure() const { return std::get<1>(m_state); }

private:
    std::variant<T, Failure> m_state;
};

// For an operation that has nothing to hand back: done, or the Failure saying why not.
template <> class [[nodiscard]] Outcome<void>
{
public:
    Outcome() = default;
    Outcome(Failure failure) : m_failure(std::move(failure)) {}

    bool ok() const { return !m_failure; }
    explicit operator bool() const { return ok(); }

    const Failure& failure() const
    {
        if (!m_failure)
            throw std::bad_variant_access();
        return *m_failure;
    }

private:
    std::optional<Failure> m_failure;
};

} // namespace image
