#pragma once

#include <QString>
#include <optional>
#include <utility>

namespace quillmere {

// What kind of trouble a failed file operation met, so that a message can say what the user can do about it.
enum class StorageCause {
    Other,
    NoSpace, // the disk (or the user's share of it, or the file-size limit) is full
    NoPermission, // the folder or file may not be written or read
    NotAFile, // a link, a folder or a special file stands where a file was expected
};

// The outcome of a file operation that yields nothing: success, or a failure with the words that say why.
class StorageResult
{
public:
    static StorageResult success() { return StorageResult(QString(), StorageCause::Other); }
    // A failure always carries a text a user can read.
    static StorageResult failure(QString error, StorageCause cause = StorageCause::Other)
    {
        return StorageResult(error.isEmpty() ? QStringLiteral("The operation failed.") : std::move(error), cause);
    }

    bool ok() const { return m_error.isEmpty(); }
    explicit operator bool() const { return ok(); }
    const QString& error() const { return m_error; }
    // Other on success.
    StorageCause cause() const { return m_cause; }

private:
    StorageResult(QString error, StorageCause cause)
        : m_error(std::move(error))
        , m_cause(cause)
    { }
    QString m_error;
    StorageCause m_cause;
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
        , m_cause(failure.cause())
    { }
    static StorageValue failure(QString error, StorageCause cause = StorageCause::Other)
    {
        return StorageValue(StorageResult::failure(std::move(error), cause));
    }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    // Empty on success.
    const QString& error() const { return m_error; }
    StorageCause cause() const { return m_cause; }
    // Precondition for the accessors: ok().
    const T& value() const& { return *m_value; }
    T& value() & { return *m_value; }
    T&& value() && { return std::move(*m_value); }
    const T* operator->() const { return &*m_value; }
    const T& operator*() const { return *m_value; }
    // Just the outcome, for callers that pass a failure on.
    StorageResult result() const { return ok() ? StorageResult::success() : StorageResult::failure(m_error, m_cause); }

private:
    std::optional<T> m_value;
    QString m_error;
    StorageCause m_cause = StorageCause::Other;
};

} // namespace quillmere
