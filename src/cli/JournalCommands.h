#pragma once

#include "cli/Command.h"
#include "storage/AppFolder.h"
#include "storage/ProfileStore.h"

#include <QMap>
#include <optional>

namespace quillmere::cli {

// The profile changes of the journal, run by "profile rename|edit|delete" with the arguments after the action.
int runProfileRename(const AppFolder& folder, const QStringList& names, CommandIo& io);
int runProfileEdit(const AppFolder& folder, const QStringList& names, const std::optional<QString>& personName,
                   const std::optional<ProfileDetails>& birthDate, CommandIo& io);
int runProfileDelete(const AppFolder& folder, const QStringList& names, CommandIo& io);

} // namespace quillmere::cli
