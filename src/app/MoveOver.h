#pragma once

#include "app/Asker.h"
#include "table/AppContext.h"

#include <QString>

namespace quillmere {

// The first start with an empty data folder, when the folder earlier versions installed (~/Quillmere) holds
// readings: the user is offered a copy of its profiles and readings. It is copied, never moved; the old folder
// is only read, and the summary says what was copied. Asked once: the answer is remembered in the settings.
class MoveOver
{
public:
    MoveOver(AppContext& context, Asker& asker, QString oldFolder)
        : m_context(context)
        , m_asker(asker)
        , m_oldFolder(std::move(oldFolder))
    { }

    // The folder earlier versions installed the program and its data into.
    static QString defaultOldFolder();

    // Whether the offer is due: an old folder with a profile store, a data folder of its own (not portable,
    // not the old folder) that holds no profile and no Miscellaneous reading yet, and no earlier answer.
    bool isDue() const;

    // Asks, and copies when the user agrees; shows the summary. Returns whether anything was copied.
    bool offer();

private:
    bool dataFolderIsEmpty() const;
    AppContext& m_context;
    Asker& m_asker;
    QString m_oldFolder;
};

} // namespace quillmere
