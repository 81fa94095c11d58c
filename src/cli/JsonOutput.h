#pragma once

#include "engine/StyledText.h"
#include "engine/TextRenderers.h"

#include <QJsonArray>
#include <QJsonObject>

namespace quillmere::cli {

// A list of card indices or flags as a JSON array of numbers.
inline QJsonArray jsonNumbers(const QList<int>& values)
{
    QJsonArray array;
    for (const int value : values)
        array.append(value);
    return array;
}

// The "text" and "runs" members that every reading printed as JSON carries.
inline void insertTextAndRuns(QJsonObject& object, const StyledText& text)
{
    object.insert(QStringLiteral("text"), renderPlainText(text));
    QJsonArray runs;
    for (const TextRun& run : text.runs()) {
        runs.append(QJsonObject{{QStringLiteral("text"), run.text},
                                {QStringLiteral("bold"), run.bold},
                                {QStringLiteral("underline"), run.underline},
                                {QStringLiteral("color"), run.colour.name()}});
    }
    object.insert(QStringLiteral("runs"), runs);
}

} // namespace quillmere::cli
