#include "storage/RecordFormat.h"

#include "storage/TextDecoding.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <array>

namespace quillmere {

namespace {

struct KeyText
{
    RecordKey key;
    QLatin1StringView text;
};

constexpr std::array<KeyText, 8> kKeys = {{
    {RecordKey::YourName, QLatin1StringView("yourname")},
    {RecordKey::YourDob, QLatin1StringView("yourdob")},
    {RecordKey::YourQ, QLatin1StringView("yourq")},
    {RecordKey::YourDate, QLatin1StringView("yourdate")},
    {RecordKey::YourTime, QLatin1StringView("yourtime")},
    {RecordKey::Name, QLatin1StringView("name")},
    {RecordKey::Card, QLatin1StringView("card")},
    {RecordKey::Desc, QLatin1StringView("desc")},
}};

QLatin1StringView keyText(RecordKey key)
{
    for (const KeyText& entry : kKeys) {
        if (entry.key == key)
            return entry.text;
    }
    return {};
}

bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Past one separator at pos: a comma, CRLF, CR or LF.
qsizetype skipSeparator(QStringView text, qsizetype pos)
{
    if (pos >= text.size())
        return pos;
    if (text[pos] == u',')
        return pos + 1;
    if (text[pos] == u'\r')
        return (pos + 1 < text.size() && text[pos + 1] == u'\n') ? pos + 2 : pos + 1;
    if (text[pos] == u'\n')
        return pos + 1;
    return pos;
}

RecordItem makeItem(QString text, bool quoted, qsizetype start, qsizetype end)
{
    RecordItem item;
    item.quoted = quoted;
    item.start = start;
    item.end = end;
    item.key = recordKeyOf(text);
    if (item.key)
        item.value = text.mid(keyText(*item.key).size());
    item.text = std::move(text);
    return item;
}

// A whole decimal number, blanks around it allowed; nothing otherwise.
std::optional<int> parseNumber(QStringView text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// Why bytes are no reading record, in words that follow "The file": nothing when they are one.
std::optional<QString> recordProblem(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return QStringLiteral("is empty");
    if (bytes.size() > kMaxRecordBytes)
        return QStringLiteral("is too large to be a saved reading");
    if (bytes.contains('\0'))
        return QStringLiteral("is not a saved reading");
    const QList<RecordItem> items = splitRecordItems(decodeFileText(bytes));
    if (std::none_of(items.cbegin(), items.cend(),
                     [](const RecordItem& item) { return item.quoted && item.key.has_value(); }))
        return QStringLiteral("is not a saved reading");
    return std::nullopt;
}

void appendLine(QByteArray& out, QStringView keyAndValue)
{
    out += quoteRecordValue(keyAndValue).toUtf8();
    out += "\r\n";
}

} // namespace

std::optional<RecordKey> recordKeyOf(QStringView item)
{
    for (const KeyText& entry : kKeys) {
        if (item.startsWith(entry.text, Qt::CaseInsensitive))
            return entry.key;
    }
    return std::nullopt;
}

QList<RecordItem> splitRecordItems(QStringView text)
{
    QList<RecordItem> items;
    qsizetype pos = 0;
    const qsizetype size = text.size();
    while (pos < size) {
        while (pos < size && (isBlank(text[pos]) || isLineEnd(text[pos])))
            ++pos;
        if (pos >= size)
            break;
        const qsizetype start = pos;
        if (text[pos] == u'"') {
            QString value;
            ++pos;
            while (pos < size) {
                const qsizetype quote = text.indexOf(u'"', pos);
                if (quote < 0) {
                    value += text.sliced(pos);
                    pos = size;
                    break;
                }
                value += text.sliced(pos, quote - pos);
                if (quote + 1 < size && text[quote + 1] == u'"') {
                    value += u'"';
                    pos = quote + 2;
                    continue;
                }
                pos = quote + 1;
                break;
            }
            items.append(makeItem(std::move(value), true, start, pos));
            pos = skipSeparator(text, pos);
        } else {
            while (pos < size && text[pos] != u',' && !isLineEnd(text[pos]))
                ++pos;
            items.append(makeItem(text.sliced(start, pos - start).trimmed().toString(), false, start, pos));
            pos = skipSeparator(text, pos);
        }
    }
    return items;
}

QString quoteRecordValue(QStringView keyAndValue)
{
    QString quoted;
    quoted.reserve(keyAndValue.size() + 2);
    quoted += u'"';
    for (const QChar c : keyAndValue) {
        quoted += c;
        if (c == u'"')
            quoted += u'"';
    }
    quoted += u'"';
    return quoted;
}

CardList ReadingRecord::cardList() const
{
    QList<int> values;
    values.reserve(cards.size());
    for (const RecordCard& card : cards)
        values.append(card.index);
    return CardList::of(std::move(values));
}

CardList ReadingRecord::flagList() const
{
    QList<int> values;
    values.reserve(cards.size());
    for (const RecordCard& card : cards)
        values.append(card.reversed ? 1 : 0);
    return CardList::of(std::move(values));
}

QByteArray serializeRecord(const ReadingRecord& record)
{
    QByteArray out;
    appendLine(out, QString(keyText(RecordKey::YourName) + record.querentName));
    appendLine(out, QString(keyText(RecordKey::YourDob) + record.birthDate));
    appendLine(out, QString(keyText(RecordKey::YourQ) + record.question));
    appendLine(out, QString(keyText(RecordKey::YourDate) + record.date));
    appendLine(out, QString(keyText(RecordKey::YourTime) + record.time));
    appendLine(out, QString(keyText(RecordKey::Name) + record.spreadName));
    for (const RecordCard& card : record.cards) {
        out += quoteRecordValue(QString(keyText(RecordKey::Card) + QString::number(card.index))).toUtf8();
        out += card.reversed ? ",1\r\n" : ",0\r\n";
    }
    for (const QString& description : record.descriptions)
        appendLine(out, QString(keyText(RecordKey::Desc) + description));
    return out;
}

ReadingRecord parseRecordText(QStringView text)
{
    ReadingRecord record;
    const QList<RecordItem> items = splitRecordItems(text);
    for (qsizetype i = 0; i < items.size(); ++i) {
        const RecordItem& item = items[i];
        if (!item.key)
            continue;
        switch (*item.key) {
        case RecordKey::YourName:
            record.querentName = item.value;
            break;
        case RecordKey::YourDob:
            record.birthDate = item.value;
            break;
        case RecordKey::YourQ:
            record.question = item.value;
            break;
        case RecordKey::YourDate:
            record.date = item.value;
            break;
        case RecordKey::YourTime:
            record.time = item.value;
            break;
        case RecordKey::Name:
            record.spreadName = item.value;
            break;
        case RecordKey::Card: {
            RecordCard card;
            card.index = parseNumber(item.value).value_or(kUnreadableCard);
            if (i + 1 < items.size() && !items[i + 1].key) {
                ++i;
                card.reversed = parseNumber(items[i].text).value_or(0) != 0;
            }
            record.cards.append(card);
            break;
        }
        case RecordKey::Desc:
            record.descriptions.append(item.value);
            break;
        }
    }
    return record;
}

StorageValue<ReadingRecord> parseRecord(QByteArrayView bytes)
{
    if (const std::optional<QString> problem = recordProblem(bytes))
        return StorageValue<ReadingRecord>::failure(QStringLiteral("The file %1.").arg(*problem));
    return parseRecordText(decodeFileText(bytes));
}

std::optional<QByteArray> readFileAtMost(const QString& path, qsizetype maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return std::nullopt;
    // In pieces, never more than one piece past the limit: a device that never ends (or a file that grows)
    // stops there, and a small file does not reserve the whole limit.
    QByteArray bytes;
    std::array<char, 16384> piece{};
    while (bytes.size() <= maxBytes) {
        const qint64 count = file.read(piece.data(), static_cast<qint64>(piece.size()));
        if (count < 0)
            return std::nullopt;
        if (count == 0)
            break;
        bytes.append(piece.data(), static_cast<qsizetype>(count));
    }
    return bytes;
}

StorageValue<QByteArray> readSmallFile(const QString& path, qsizetype maxBytes)
{
    const QFileInfo info(path);
    if (!info.exists())
        return StorageValue<QByteArray>::failure(QStringLiteral("The file %1 does not exist.").arg(path));
    if (info.isDir())
        return StorageValue<QByteArray>::failure(QStringLiteral("%1 is a folder, not a file.").arg(path));
    std::optional<QByteArray> bytes = readFileAtMost(path, maxBytes);
    if (!bytes)
        return StorageValue<QByteArray>::failure(QStringLiteral("The file %1 could not be read.").arg(path));
    if (bytes->size() > maxBytes)
        return StorageValue<QByteArray>::failure(QStringLiteral("The file %1 is too large.").arg(path));
    return *std::move(bytes);
}

StorageValue<ReadingRecord> readRecordFile(const QString& path)
{
    const StorageValue<QByteArray> bytes = readSmallFile(path, kMaxRecordBytes);
    if (!bytes)
        return bytes.result();
    if (const std::optional<QString> problem = recordProblem(*bytes))
        return StorageValue<ReadingRecord>::failure(QStringLiteral("The file %1 %2.").arg(path, *problem));
    return parseRecordText(decodeFileText(*bytes));
}

StorageResult writeWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return StorageResult::failure(QStringLiteral("Could not write %1: %2").arg(path, file.errorString()));
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return StorageResult::failure(QStringLiteral("Could not write %1: %2").arg(path, reason));
    }
    if (!file.commit())
        return StorageResult::failure(QStringLiteral("Could not write %1: %2").arg(path, file.errorString()));
    return StorageResult::success();
}

} // namespace quillmere
