#pragma once

#include "storage/AppFolder.h"
#include "storage/StorageResult.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace quillmere {

// The store is a short list of names; a file larger than this is no store, and no add makes it larger.
inline constexpr qsizetype kMaxStoreBytes = 4 * 1024 * 1024;

// A profile's person: the name and the date of birth as the details screen's lists show it.
struct ProfileDetails
{
    QString personName;
    QString month;
    QString day;
    QString year;
    friend bool operator==(const ProfileDetails&, const ProfileDetails&) = default;
};

// What the save-profile panel asks to create.
struct NewProfile
{
    // Trimmed before use.
    QString profileName;
    ProfileDetails details;
};

// Why a profile was not created; the panel puts the focus on the field a refusal names.
enum class ProfileRefusal {
    EmptyProfileName, // "Please enter profile name."
    EmptyPersonName, // "Please enter your name."
    AlreadyExists, // a store line equals the name in any letter case, the reserved entries included
    UnsafeName, // not a safe folder name, or a name the application folder keeps for itself
    WriteFailed, // the folder, the details file or the store could not be written
};

// The outcome of creating a profile: the name created, or the refusal and its message.
struct ProfileCreation
{
    std::optional<ProfileRefusal> refusal;
    QString error;
    QString profileName;
    bool ok() const { return !refusal.has_value(); }
};

// The profile store "vt.dll": one profile name per line in order of creation, each with a folder of that
// name holding a details file of that name. The store is only ever added to, and always read line by line.
class ProfileStore
{
public:
    explicit ProfileStore(AppFolder folder)
        : m_folder(std::move(folder))
    { }

    // The profile names, line by line in store order (lines end with CRLF, LF or CR), without blank lines, lines too
    // long to name a folder, and the reserved entries "pic" and "cards" (any letter case). Each line is read as UTF-8
    // when it is valid UTF-8, else as Windows-1252, so stores that older versions began stay readable. A missing store
    // holds no profiles; creating the first profile writes it.
    StorageValue<QStringList> list() const;

    // Creates folder and details file first and appends the store line last, each whole or not at all;
    // when a step fails, what the earlier ones made is removed again, so the folder is left as it was (a
    // folder left by an earlier, killed add keeps the details it had). The store is changed under the
    // folder's lock, so adds running at the same time in several processes all keep their lines. The name
    // is stored in its composed Unicode form; it exists already when a line equals it compared by
    // comparisonKey. An add that would make the store larger than kMaxStoreBytes is refused.
    ProfileCreation create(const NewProfile& profile) const;

    // The details for the pre-fill: of the records of four items in the details file, the last complete one.
    StorageValue<ProfileDetails> details(const QString& profileName) const;

    // Success for a new profile name that can be a folder of the application folder and cannot be mistaken for
    // another name; otherwise the reason (control characters, characters that show nothing, ...). The name is
    // taken as it is (not trimmed).
    static StorageResult checkName(const QString& name);

    // The form in which two profile names are compared: trimmed, composed (NFC) and case-folded, so "Zoë"
    // typed with a combining diaeresis and with the precomposed letter, or "JANE" and "jane", are one name.
    static QString comparisonKey(const QString& name);

private:
    StorageValue<QStringList> allLines() const;
    AppFolder m_folder;
};

} // namespace quillmere
