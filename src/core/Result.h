#pragma once

// The one error style of the core: a fallible function returns Result<T>,
// which holds either its value or a message in Chinese that a window or the
// command line can show as it is. Result<void> is the form for actions.
//
//     Result<Poem> poem = loadPoem(db, id);
//     if (!poem) return Failure{poem.error()};
//     use(*poem);

#include <cassert>
#include <string>
#include <utility>
#include <variant>

namespace jm {

/// A failure with its message; converts to any Result<T>.
struct Failure {
    std::string message;
};

template <typename T> class [[nodiscard]] Result {
public:
    Result(T value)
        : m_state(std::in_place_index<0>, std::move(value))
    {
    }
    Result(Failure failure)
        : m_state(std::in_place_index<1>, std::move(failure))
    {
    }

    bool ok() const noexcept { return m_state.index() == 0; }
    explicit operator bool() const noexcept { return ok(); }

    T& value() &
    {
        assert(ok());
        return std::get<0>(m_state);
    }
    const T& value() const&
    {
        assert(ok());
        return std::get<0>(m_state);
    }
    T&& value() &&
    {
        assert(ok());
        return std::get<0>(std::move(m_state));
    }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T&& operator*() && { return std::move(*this).value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    /// The value, or the fallback when this is a failure.
    T valueOr(T fallback) const& { return ok() ? std::get<0>(m_state) : std::move(fallback); }

    /// The failure's message; empty when this holds a value.
    const std::string& error() const noexcept
    {
        static const std::string none;
        return ok() ? none : std::get<1>(m_state).message;
    }

private:
    std::variant<T, Failure> m_state;
};

template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure)
        : m_failed(true)
        , m_message(std::move(failure.message))
    {
    }

    bool ok() const noexcept { return !m_failed; }
    explicit operator bool() const noexcept { return ok(); }
    const std::string& error() const noexcept { return m_message; }

private:
    bool m_failed = false;
    std::string m_message;
};

/// The success of an action, for `return success();` in a Result<void> function.
inline Result<void> success()
{
    return {};
}

} // namespace jm
