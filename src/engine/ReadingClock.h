#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace quillmere {

// One moment of a reading in the three texts that are written of it, all taken from the same instant.
struct ReadingMoment
{
    // The locale's short date format.
    QString date;
    // The locale's long time format.
    QString time;
    // MMddyyyyHHmmss, naming a saved reading.
    QString stamp;
    friend bool operator==(const ReadingMoment&, const ReadingMoment&) = default;
};

// The locale's long time format without its time-zone name: the moment of a reading is local time, and a zone
// abbreviation only clutters the header and the saved record.
inline QString longTimeText(const QLocale& locale, QTime time)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString withoutZone;
    bool quoted = false;
    for (QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (quoted || c != QLatin1Char('t'))
            withoutZone += c;
    }
    return locale.toString(time, withoutZone.simplified());
}

// The moment of a reading as texts. The header and the temporary record ask the same clock, so a reading
// reopened later shows exactly the date and time it was written with.
class ReadingClock
{
public:
    virtual ~ReadingClock() = default;
    virtual QDateTime now() const = 0;
    // The locale the texts are written in.
    virtual QLocale locale() const { return QLocale::system(); }

    // Date, time and stamp of a single reading of the clock, so the texts never straddle a second or midnight.
    ReadingMoment moment() const
    {
        const QDateTime instant = now();
        const QLocale texts = locale();
        return {texts.toString(instant.date(), QLocale::ShortFormat), longTimeText(texts, instant.time()),
                instant.toString(QStringLiteral("MMddyyyyHHmmss"))};
    }
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
