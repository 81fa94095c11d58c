#pragma once

#include "storage/AppFolder.h"
#include "storage/StorageResult.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace quillmere {

// The profile store as its raw lines, for the changes that take a line out or rename one: every other line is
// written back byte for byte (a name an older version wrote in the 8-bit code page stays as it was).
class StoreLines
{
public:
    // The lines of the store (line ends dropped; CRLF, LF or CR); a missing store has none.
    static StorageValue<StoreLines> read(const AppFolder& folder);

    // Writes the lines back, each ending with CRLF, whole or not at all.
    StorageResult write(const AppFolder& folder) const;

    // The profile name a line holds: its text with surrounding blanks dropped.
    static QString nameOf(const QByteArray& line);

    // The profile a name stands for: the store's name equal to it, else equal without regard to letter case
    // ("pic" and "cards" are no profiles); nothing when none is.
    std::optional<QString> find(const QString& name) const;
    // A name of the store equal to name without regard to letter case, other than except.
    std::optional<QString> clash(const QString& name, const QString& except = QString()) const;

    // Every line naming profile (exactly) takes the new name / goes.
    void rename(const QString& profile, const QString& newName);
    void remove(const QString& profile);
    void append(const QString& profile);

    const QList<QByteArray>& lines() const { return m_lines; }

private:
    QList<QByteArray> m_lines;
};

// Why a folder or file of that name cannot take the new name: the words of profile creation.
QString profileExistsMessage(const QString& name);

} // namespace quillmere
