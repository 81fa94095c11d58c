#pragma once

#include <QList>
#include <QString>
#include <cstdint>

namespace quillmere {

struct Rgb
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
    // "#rrggbb"
    QString name() const
    {
        return QStringLiteral("#%1%2%3")
            .arg(red, 2, 16, QLatin1Char('0'))
            .arg(green, 2, 16, QLatin1Char('0'))
            .arg(blue, 2, 16, QLatin1Char('0'));
    }
};

// The colours of the reading text.
namespace colours {
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kNavy{0, 0, 128};
inline constexpr Rgb kGreen{0, 128, 0};
inline constexpr Rgb kPurple{128, 0, 128};
inline constexpr Rgb kTeal{0, 128, 128};
inline constexpr Rgb kMaroon{128, 0, 0};
} // namespace colours

// A piece of text with its character attributes.
struct TextRun
{
    QString text;
    bool bold = false;
    Rgb colour = colours::kBlack;
    bool underline = false;
    friend bool operator==(const TextRun&, const TextRun&) = default;
};

// The reading text as runs; line ends are "\r\n". Adjacent runs with equal attributes are kept merged, so
// two texts with the same characters and attributes compare equal however they were written.
class StyledText
{
public:
    const QList<TextRun>& runs() const { return m_runs; }
    QString plainText() const
    {
        QString text;
        for (const TextRun& run : m_runs)
            text += run.text;
        return text;
    }
    bool isEmpty() const { return m_runs.isEmpty(); }
    void clear() { m_runs.clear(); }
    void append(const TextRun& run)
    {
        if (run.text.isEmpty())
            return;
        if (!m_runs.isEmpty() && sameAttributes(m_runs.last(), run))
            m_runs.last().text += run.text;
        else
            m_runs.append(run);
    }
    friend bool operator==(const StyledText&, const StyledText&) = default;

private:
    static bool sameAttributes(const TextRun& a, const TextRun& b)
    {
        return a.bold == b.bold && a.colour == b.colour && a.underline == b.underline;
    }
    QList<TextRun> m_runs;
};

// Writes into a StyledText like typing into a rich-text pane: the attributes set stay in force for every
// later write until changed.
class StyledTextWriter
{
public:
    explicit StyledTextWriter(StyledText& text)
        : m_text(text)
    { }
    void setBold(bool bold) { m_attributes.bold = bold; }
    void setColour(Rgb colour) { m_attributes.colour = colour; }
    void setUnderline(bool underline) { m_attributes.underline = underline; }
    void write(const QString& text)
    {
        TextRun run = m_attributes;
        run.text = text;
        m_text.append(run);
    }
    bool bold() const { return m_attributes.bold; }
    Rgb colour() const { return m_attributes.colour; }
    bool underline() const { return m_attributes.underline; }

private:
    StyledText& m_text;
    TextRun m_attributes;
};

} // namespace quillmere
