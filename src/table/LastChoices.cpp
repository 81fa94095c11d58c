#include "table/LastChoices.h"

#include "content/SpreadCatalogue.h"

#include <QMetaType>
#include <optional>

namespace quillmere {

namespace {

const QString kOpenOnLastKey = QStringLiteral("spreads/openOnLastChoices");
const QString kSpreadKey = QStringLiteral("spreads/lastSpread");
const QString kArcanaKey = QStringLiteral("spreads/lastArcana");
const QString kReversalsKey = QStringLiteral("spreads/lastReversals");

// A yes or no as the settings file keeps it; nothing for any other text.
std::optional<bool> storedFlag(const QVariant& value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    const QString text = value.toString().trimmed().toLower();
    if (text == QLatin1String("true"))
        return true;
    if (text == QLatin1String("false"))
        return false;
    return std::nullopt;
}

} // namespace

LastChoices::LastChoices(ProgramSettings& settings)
    : m_settings(settings)
{ }

bool LastChoices::opensOnLastChoices() const
{
    return storedFlag(m_settings.value(kOpenOnLastKey)).value_or(false);
}

bool LastChoices::setOpensOnLastChoices(bool open)
{
    m_settings.setValue(kOpenOnLastKey, open);
    return m_settings.sync();
}

LastChoices::Choices LastChoices::openingChoices() const
{
    return opensOnLastChoices() ? stored() : Choices();
}

LastChoices::Choices LastChoices::stored() const
{
    Choices choices;
    if (const Spread* spread = SpreadCatalogue::instance().byKey(m_settings.value(kSpreadKey).toString()))
        choices.spreadIndex = spread->index;
    const QString arcana = m_settings.value(kArcanaKey).toString();
    if (arcana == QLatin1String("major"))
        choices.arcana = Arcana::MajorOnly;
    else if (arcana == QLatin1String("minor"))
        choices.arcana = Arcana::MinorOnly;
    choices.reversals = storedFlag(m_settings.value(kReversalsKey)).value_or(false);
    return choices;
}

bool LastChoices::remember(const Choices& choices)
{
    if (const Spread* spread = SpreadCatalogue::instance().at(choices.spreadIndex))
        m_settings.setValue(kSpreadKey, spread->name);
    const char* arcana = choices.arcana == Arcana::MajorOnly ? "major"
        : choices.arcana == Arcana::MinorOnly                ? "minor"
                                                             : "both";
    m_settings.setValue(kArcanaKey, QString::fromLatin1(arcana));
    m_settings.setValue(kReversalsKey, choices.reversals);
    return m_settings.sync();
}

} // namespace quillmere
