#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace quillmere {

// The moment of a reading as texts. The header and the temporary record ask the same clock, so a reading
// reopened later shows exactly the date and time it was written with.
class ReadingClock
{
public:
    virtual ~ReadingClock() = default;
    virtual QDateTime now() const = 0;
    // The locale the texts are written in.
    virtual QLocale locale() const { return QLocale::system(); }

    QString shortDate() const { return locale().toString(now().date(), QLocale::ShortFormat); }
    QString longTime() const { return locale().toString(now().time(), QLocale::LongFormat); }
    // Month, day, year, hour, minute, second, zero-padded: 14 digits naming a saved reading.
    QString stamp() const { return now().toString(QStringLiteral("MMddyyyyHHmmss")); }
};

// The computer's local clock in the system locale.
class SystemReadingClock final : public ReadingClock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// A clock standing still at a given moment, in a given locale.
class FixedReadingClock final : public ReadingClock
{
public:
    explicit FixedReadingClock(QDateTime moment, QLocale locale = QLocale::c())
        : m_moment(std::move(moment))
        , m_locale(std::move(locale))
    { }
    QDateTime now() const override { return m_moment; }
    QLocale locale() const override { return m_locale; }
    void setMoment(QDateTime moment) { m_moment = std::move(moment); }

private:
    QDateTime m_moment;
    QLocale m_locale;
};

} // namespace quillmere
