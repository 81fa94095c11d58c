#pragma once

#include "table/ProgramSettings.h"

#include <QString>

namespace quillmere {

// The spread and options of the last cast, and whether the spread screen opens on them (View > Open Spreads on
// Last Choices, off unless chosen). The spread is kept by its name in the catalogue; a name the catalogue does not
// know, an arcana limit that is neither "major" nor "minor" and a reversal setting that is not a yes or no are
// ignored, and the screen's default takes their place.
class LastChoices
{
public:
    enum class Arcana { Both, MajorOnly, MinorOnly };

    struct Choices
    {
        // The catalogue index of the spread.
        int spreadIndex = 0;
        Arcana arcana = Arcana::Both;
        bool reversals = false;
    };

    explicit LastChoices(ProgramSettings& settings);

    bool opensOnLastChoices() const;
    // Remembers whether the spread screen opens on the last choices; false when the settings file could not be
    // written (the choice holds for this run all the same).
    bool setOpensOnLastChoices(bool open);

    // What the spread screen opens on: the last choices when it opens on them, each read value that is unknown
    // replaced by the default; the defaults otherwise.
    Choices openingChoices() const;
    // The last choices as stored, each unknown value replaced by the default.
    Choices stored() const;
    // Remembers the choices of a cast; a spread index outside the catalogue is not stored. False when the
    // settings file could not be written.
    bool remember(const Choices& choices);

private:
    ProgramSettings& m_settings;
};

} // namespace quillmere
