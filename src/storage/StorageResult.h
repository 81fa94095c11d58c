#pragma once

#include <QString>
#include <optional>
#include <utility>

namespace quillmere {

// The outcome of a file operation that yields nothing: success, or a failure with the words that say why.
class StorageResult
{
public:
    static StorageResult success() { return StorageResult(QString()); }
    // A failure always carries a text a user can read.
    static StorageResult failure(QString error)
    {
        return StorageResult(error.isEmpty() ? QStringLiteral("The operation failed.") : std::move(error));
    }

    bool ok() const { return m_error.isEmpty(); }
    explicit operator bool() const { return ok(); }
    const QString& error() const { return m_error; }

private:
    explicit StorageResult(QString error)
        : m_error(std::move(error))
    { }
    QString m_error;
};

// The outcome of a file operation that yields a value: the value, or a failure with the words that say why.
template <typename T> class StorageValue
{
public:
    StorageValue(T value)
        : m_value(std::move(value))
    { }
    // Precondition: !failure.ok().
    StorageValue(const StorageResult& failure)
        : m_error(failure.ok() ? QStringLiteral("The operation failed.") : failure.error())
    { }
    static StorageValue failure(QString error) { return StorageValue(StorageResult::failure(std::move(error))); }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    // Empty on success.
    const QString& error() const { return m_error; }
    // Precondition for the accessors: ok().
    const T& value() const& { return *m_value; }
    T& value() & { return *m_value; }
    T&& value() && { return std::move(*m_value); }
    const T* operator->() const { return &*m_value; }
    const T& operator*() const { return *m_value; }
    // Just the outcome, for callers that pass a failure on.
    StorageResult result() const { return ok() ? StorageResult::success() : StorageResult::failure(m_error); }

private:
    std::optional<T> m_value;
    QString m_error;
};

} // namespace quillmere
