#include "worksheet/log_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <array>
#include <utility>

namespace worksheet {

namespace {

// The years a time written with four digits can have, in the local time too.
constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;

// The names of the origins in the file, which never change with the language.
constexpr std::array<std::pair<nav::Origin, const char*>, 3> kOrigins{{
    {nav::Origin::User, "user"},
    {nav::Origin::Table, "table"},
    {nav::Origin::Declination, "declination"},
}};

QString Key(const char* name)
{
    return QString::fromLatin1(name);
}

QString Utf8(const std::string& text)
{
    return QString::fromStdString(text);
}

QJsonArray ValuesJson(const std::vector<nav::WorkedValue>& values)
{
    QJsonArray array;
    for (const nav::WorkedValue& v : values) {
        QString origin;
        for (const auto& [kind, name] : kOrigins) {
            if (kind == v.origin)
                origin = Key(name);
        }
        array.append(QJsonObject{{Key("name"), Utf8(v.name)}, {Key("value"), Utf8(v.value)}, {Key("origin"), origin}});
    }
    return array;
}

std::optional<std::string> ReadString(const QJsonObject& object, const char* key)
{
    const QJsonValue value = object.value(Key(key));
    if (!value.isString())
        return std::nullopt;
    return value.toString().toStdString();
}

std::optional<std::vector<nav::WorkedValue>> ReadValues(const QJsonValue& json)
{
    if (!json.isArray())
        return std::nullopt;
    std::vector<nav::WorkedValue> values;
    for (const QJsonValue& item : json.toArray()) {
        const QJsonObject object = item.toObject();
        auto name = ReadString(object, "name");
        auto value = ReadString(object, "value");
        const auto origin = ReadString(object, "origin");
        if (!item.isObject() || !name || !value || !origin)
            return std::nullopt;
        const auto known = std::find_if(kOrigins.begin(), kOrigins.end(),
                                        [&](const auto& o) { return *origin == o.second; });
        if (known == kOrigins.end())
            return std::nullopt;
        values.push_back({std::move(*name), std::move(*value), known->first});
    }
    return values;
}

std::optional<std::vector<std::string>> ReadSteps(const QJsonValue& json)
{
    if (!json.isArray())
        return std::nullopt;
    std::vector<std::string> steps;
    for (const QJsonValue& item : json.toArray()) {
        if (!item.isString())
            return std::nullopt;
        steps.push_back(item.toString().toStdString());
    }
    return steps;
}

std::optional<Entry> ReadEntry(const QJsonValue& json)
{
    if (!json.isObject())
        return std::nullopt;
    const QJsonObject object = json.toObject();
    const QDateTime time = QDateTime::fromString(object.value(Key("time")).toString(), Qt::ISODateWithMs);
    auto source = ReadString(object, "source");
    auto data = ReadValues(object.value(Key("data")));
    auto steps = ReadSteps(object.value(Key("steps")));
    auto results = ReadValues(object.value(Key("results")));
    const QDateTime local = time.toLocalTime();
    if (!local.isValid() || local.date().year() < kFirstYear || local.date().year() > kLastYear || !source || !data
        || !steps || !results)
        return std::nullopt;
    return Entry{local, {std::move(*source), std::move(*data), std::move(*steps), std::move(*results)}};
}

}  // namespace

QByteArray LogJson(const std::deque<Entry>& entries)
{
    QJsonArray array;
    for (const Entry& e : entries) {
        QJsonArray steps;
        for (const std::string& step : e.worked.steps)
            steps.append(Utf8(step));
        array.append(QJsonObject{
            {Key("time"), e.time.toOffsetFromUtc(e.time.offsetFromUtc()).toString(Qt::ISODateWithMs)},
            {Key("source"), Utf8(e.worked.source)},
            {Key("data"), ValuesJson(e.worked.data)},
            {Key("steps"), steps},
            {Key("results"), ValuesJson(e.worked.results)},
        });
    }
    return QJsonDocument(QJsonObject{{Key("entries"), array}}).toJson(QJsonDocument::Indented);
}

std::optional<std::deque<Entry>> ReadLogJson(const QByteArray& bytes)
{
    if (bytes.size() > kMaxLogFileBytes)
        return std::nullopt;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonValue list = document.object().value(Key("entries"));
    if (!list.isArray())
        return std::nullopt;
    std::deque<Entry> entries;
    for (const QJsonValue& item : list.toArray()) {
        auto entry = ReadEntry(item);
        if (!entry)
            return std::nullopt;
        entries.push_back(std::move(*entry));
        Trim(entries);
    }
    return entries;
}

}  // namespace worksheet
