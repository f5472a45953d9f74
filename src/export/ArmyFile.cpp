// SPDX-License-Identifier: GPL-3.0-or-later

#include "ArmyFile.h"

#include "core/StringTable.h"
#include "core/TextExport.h"
#include "data/CUnitStats.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <iterator>
#include <limits>

namespace {

using namespace ArmyFile;

// A member's level as the file names it, by HierarchyLevel (0: of no known kind).
const char* const kRanks[] = {"none",       "warchief",  "groupLeader", "unit",
                              "individual", "uncounted", "crew",        "machine"};

// ---- Writing

// JSON's escapes: the quote, the backslash, and control characters (which no name the program
// makes holds, but another program's may).
QString Quoted(const QString& text) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == u'"' || c == u'\\')
            quoted += QLatin1Char('\\') + c;
        else if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            quoted += c;
    }
    return quoted + QLatin1Char('"');
}

QString Field(const char* key, const QString& value) {
    return QLatin1Char('"') + QLatin1String(key) + QStringLiteral("\": ") + value;
}

QString Number(int value) {
    return QString::number(value);
}

QString Entry(const CSharedEntry& entry) {
    return QLatin1Char('{') +
           QStringList{Field("key", entry.key < 0 ? QStringLiteral("null") : Number(entry.key)),
                       Field("fr", Quoted(entry.nameFr)), Field("en", Quoted(entry.nameEn))}
               .join(QStringLiteral(", ")) +
           QLatin1Char('}');
}

QString Member(const CSharedMember& member) {
    const int rank =
        member.hierarchy >= 0 && member.hierarchy < int(std::size(kRanks)) ? member.hierarchy : 0;
    QStringList fields{Field("rank", Quoted(QLatin1String(kRanks[rank])))};
    if (member.leader >= 0)
        fields << Field("leader", Number(member.leader));
    fields << Field("type", Entry(member.type)) << Field("name", Quoted(member.name))
           << Field("figures", Number(member.figures)) << Field("quality", Number(member.quality))
           << Field("musicians", Number(member.musicians))
           << Field("standard", member.standard ? QStringLiteral("true") : QStringLiteral("false"))
           << Field("commandPoints", Number(member.commandPoints));
    if (!member.attached.isEmpty()) {
        QStringList attached;
        for (const CSharedMember& each : member.attached)
            attached << Member(each);
        fields << Field("attached",
                        QLatin1Char('[') + attached.join(QStringLiteral(", ")) + QLatin1Char(']'));
    }
    return QLatin1Char('{') + fields.join(QStringLiteral(", ")) + QLatin1Char('}');
}

// ---- Reading

// The first fault of the bytes that the JSON parser lets through or tells poorly: a byte
// that is not UTF-8, a control character where JSON allows none (raw in a text, where the
// parser takes it), objects and lists nested deeper than any army file needs.
struct ByteFault {
    int id = 0;
    qsizetype at = 0;
};

// How many continuation bytes follow a lead byte, and the range the first of them must fall
// in so that the sequence is neither overlong, a surrogate nor beyond U+10FFFF; -1: not a lead.
int Continuations(unsigned char lead, unsigned char* low, unsigned char* high) {
    *low = 0x80;
    *high = 0xbf;
    if (lead >= 0xc2 && lead <= 0xdf)
        return 1;
    if (lead >= 0xe0 && lead <= 0xef) {
        if (lead == 0xe0)
            *low = 0xa0;
        else if (lead == 0xed)
            *high = 0x9f;
        return 2;
    }
    if (lead >= 0xf0 && lead <= 0xf4) {
        if (lead == 0xf0)
            *low = 0x90;
        else if (lead == 0xf4)
            *high = 0x8f;
        return 3;
    }
    return -1;
}

ByteFault ScanBytes(const QByteArray& bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    int depth = 0;
    bool inText = false;
    for (qsizetype i = 0; i < size; ++i) {
        const unsigned char byte = data[i];
        if (byte >= 0x80) {
            unsigned char low, high;
            const int more = Continuations(byte, &low, &high);
            if (more < 0 || i + more >= size || data[i + 1] < low || data[i + 1] > high)
                return {kFileNotUtf8Id, i};
            for (int k = 2; k <= more; ++k) {
                if (data[i + k] < 0x80 || data[i + k] > 0xbf)
                    return {kFileNotUtf8Id, i};
            }
            i += more;
            continue;
        }
        if (byte < 0x20 && (inText || (byte != '\t' && byte != '\n' && byte != '\r')))
            return {kFileControlByteId, i};
        if (inText) {
            // An escaped quote or backslash is no end of the text; JSON escapes only ASCII.
            if (byte == '\\' && i + 1 < size && data[i + 1] >= 0x20 && data[i + 1] < 0x80)
                ++i;
            else if (byte == '"')
                inText = false;
        } else if (byte == '"') {
            inText = true;
        } else if (byte == '{' || byte == '[') {
            if (++depth > kMaxDepth)
                return {kFileTooDeepId, i};
        } else if (byte == '}' || byte == ']') {
            --depth;
        }
    }
    return {};
}

// Walks the parsed document, keeping the first problem met; each value is named by its path
// in the file ("members[3].figures").
class Reader {
public:
    bool Failed() const { return !m_problem.isEmpty(); }
    QString Problem() const { return m_problem; }

    void Fail(const QString& problem) {
        if (!Failed())
            m_problem = problem;
    }
    void Fail(int id, const QString& path) { Fail(LoadResString(id).arg(path)); }

    // Every field of the object is one of the format, and every required one is there.
    bool HasFields(const QJsonObject& object, const QString& path,
                   std::initializer_list<const char*> required,
                   std::initializer_list<const char*> optional = {}) {
        for (auto it = object.begin(); it != object.end(); ++it) {
            const auto known = [&it](const char* key) { return it.key() == QLatin1String(key); };
            if (std::none_of(required.begin(), required.end(), known) &&
                std::none_of(optional.begin(), optional.end(), known)) {
                // A key of a million characters is named by its start.
                const QString key =
                    it.key().size() > 40 ? it.key().left(40) + QStringLiteral("…") : it.key();
                Fail(kFileUnknownFieldId, Path(path, key));
                return false;
            }
        }
        for (const char* key : required) {
            if (!object.contains(QLatin1String(key))) {
                Fail(kFileMissingFieldId, Path(path, QLatin1String(key)));
                return false;
            }
        }
        return true;
    }

    bool Object(const QJsonValue& value, const QString& path, QJsonObject* object) {
        if (!value.isObject()) {
            Fail(kFileWrongObjectId, path);
            return false;
        }
        *object = value.toObject();
        return true;
    }

    bool List(const QJsonValue& value, const QString& path, QJsonArray* list) {
        if (!value.isArray()) {
            Fail(kFileWrongListId, path);
            return false;
        }
        *list = value.toArray();
        return true;
    }

    bool Integer(const QJsonValue& value, const QString& path, int min, int max, int* integer) {
        const double number = value.toDouble(-1.0);
        if (!value.isDouble() || !(number >= min && number <= max) ||
            number != std::floor(number)) {
            Fail(LoadResString(kFileWrongIntegerId).arg(path).arg(min).arg(max));
            return false;
        }
        *integer = static_cast<int>(number);
        return true;
    }

    bool Boolean(const QJsonValue& value, const QString& path, bool* boolean) {
        if (!value.isBool()) {
            Fail(kFileWrongBooleanId, path);
            return false;
        }
        *boolean = value.toBool();
        return true;
    }

    // A name: at most so many characters, none of them a control character, and no half of
    // a character (a lone surrogate escaped as \ud800), which no database column holds as read.
    bool Text(const QJsonValue& value, const QString& path, QString* text) {
        const QString read = value.toString();
        const bool control = std::any_of(read.begin(), read.end(), [](QChar c) {
            return c.unicode() < 0x20 || c.unicode() == 0x7f;
        });
        if (!value.isString() || control || !QStringView(read).isValidUtf16() ||
            Characters(read) > kMaxNameLength) {
            Fail(LoadResString(kFileWrongTextId).arg(path).arg(kMaxNameLength));
            return false;
        }
        *text = read;
        return true;
    }

    // A catalogue entry: its key (null when the writer's catalogue had none) and both names.
    bool Entry(const QJsonValue& value, const QString& path, int maxKey, CSharedEntry* entry) {
        QJsonObject object;
        if (!Object(value, path, &object) || !HasFields(object, path, {"key", "fr", "en"}))
            return false;
        const QJsonValue key = object.value(QLatin1String("key"));
        entry->key = -1;
        return (key.isNull() ||
                Integer(key, Path(path, QStringLiteral("key")), 0, maxKey, &entry->key)) &&
               Text(object.value(QLatin1String("fr")), Path(path, QStringLiteral("fr")),
                    &entry->nameFr) &&
               Text(object.value(QLatin1String("en")), Path(path, QStringLiteral("en")),
                    &entry->nameEn);
    }

    bool Member(const QJsonValue& value, const QString& path, bool main, CSharedMember* member) {
        QJsonObject object;
        if (!Object(value, path, &object))
            return false;
        const std::initializer_list<const char*> required{
            "rank", "type", "name", "figures", "quality", "musicians", "standard", "commandPoints"};
        if (!(main ? HasFields(object, path, required, {"leader", "attached"})
                   : HasFields(object, path, required)))
            return false;
        const auto field = [&object](const char* key) { return object.value(QLatin1String(key)); };
        const auto at = [&path](const char* key) { return Path(path, QLatin1String(key)); };
        if (!Rank(field("rank"), at("rank"), &member->hierarchy) ||
            !Entry(field("type"), at("type"), std::numeric_limits<int>::max(), &member->type) ||
            !Text(field("name"), at("name"), &member->name) ||
            !Integer(field("figures"), at("figures"), 0, kMaxFigures, &member->figures) ||
            !Integer(field("quality"), at("quality"), 0, kMaxQuality, &member->quality) ||
            !Integer(field("musicians"), at("musicians"), 0, kMaxMusicians, &member->musicians) ||
            !Boolean(field("standard"), at("standard"), &member->standard) ||
            !Integer(field("commandPoints"), at("commandPoints"), 0, kMaxCommandPoints,
                     &member->commandPoints))
            return false;
        if (object.contains(QLatin1String("leader")) &&
            !Integer(field("leader"), at("leader"), 0, kMaxMembers - 1, &member->leader))
            return false;
        if (!main && (member->hierarchy == kWarchief || member->hierarchy == kGroupLeader)) {
            Fail(kFileAttachedLeaderId, path);
            return false;
        }
        if (!object.contains(QLatin1String("attached")))
            return true;
        QJsonArray attached;
        if (!List(field("attached"), at("attached"), &attached))
            return false;
        if (attached.size() >= kMaxMembers) {
            Fail(LoadResString(kFileTooManyMembersId).arg(attached.size() + 1).arg(kMaxMembers));
            return false;
        }
        for (qsizetype i = 0; i < attached.size(); ++i) {
            CSharedMember each;
            if (!Member(attached.at(i), Indexed(at("attached"), i), false, &each))
                return false;
            member->attached << each;
        }
        return true;
    }

    static QString Path(const QString& path, const QString& key) {
        return path.isEmpty() ? key : path + QLatin1Char('.') + key;
    }
    static QString Indexed(const QString& path, qsizetype index) {
        return QStringLiteral("%1[%2]").arg(path).arg(index);
    }

private:
    static qsizetype Characters(const QString& text) {
        return text.size() -
               std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLowSurrogate(); });
    }

    bool Rank(const QJsonValue& value, const QString& path, int* hierarchy) {
        const QString name = value.toString();
        for (int level = 0; level < int(std::size(kRanks)); ++level) {
            if (value.isString() && name == QLatin1String(kRanks[level])) {
                *hierarchy = level;
                return true;
            }
        }
        QStringList ranks;
        for (const char* rank : kRanks)
            ranks << QLatin1String(rank);
        Fail(LoadResString(kFileWrongRankId)
                 .arg(path, name.left(kMaxNameLength), ranks.join(QStringLiteral(", "))));
        return false;
    }

    QString m_problem;
};

// The hierarchy the members describe: the warchief first and alone, every other main member
// under a leader standing before it (so that no leader is missing and none commands himself
// through others), a group leader under the warchief.
bool CheckHierarchy(const QList<CSharedMember>& members, Reader& reader) {
    for (qsizetype i = 0; i < members.size(); ++i) {
        const CSharedMember& member = members.at(i);
        const QString path = Reader::Indexed(QStringLiteral("members"), i);
        if ((i == 0) != (member.hierarchy == kWarchief)) {
            reader.Fail(kFileWarchiefFirstId, path);
            return false;
        }
        if (i == 0 && member.leader >= 0) {
            reader.Fail(kFileUnknownFieldId, Reader::Path(path, QStringLiteral("leader")));
            return false;
        }
        if (i == 0)
            continue;
        if (member.leader < 0) {
            reader.Fail(kFileMissingFieldId, Reader::Path(path, QStringLiteral("leader")));
            return false;
        }
        const int leader = member.leader < i ? members.at(member.leader).hierarchy : 0;
        if ((leader != kWarchief && leader != kGroupLeader) ||
            (member.hierarchy == kGroupLeader && leader != kWarchief)) {
            reader.Fail(LoadResString(kFileBadLeaderId).arg(path).arg(member.leader));
            return false;
        }
    }
    return true;
}

} // namespace

QString ArmyFileText(const CSharedArmy& army) {
    QStringList members;
    for (const CSharedMember& member : army.members)
        members << QStringLiteral("    ") + Member(member);
    QString text = QStringLiteral("{\n");
    for (const QString& field :
         {Field("format", Quoted(QLatin1String(kFormat))), Field("version", Number(kVersion)),
          Field("name", Quoted(army.name)), Field("budget", Number(army.budget)),
          Field("race", Entry(army.race))})
        text += QStringLiteral("  ") + field + QStringLiteral(",\n");
    text += members.isEmpty() ? QStringLiteral("  \"members\": []\n")
                              : QStringLiteral("  \"members\": [\n") +
                                    members.join(QStringLiteral(",\n")) + QStringLiteral("\n  ]\n");
    return text + QStringLiteral("}\n");
}

QString ArmyFileName(const QString& armyName) {
    return ExportFileName(armyName).chopped(4) + QLatin1String(kExtension);
}

bool ParseArmyFile(const QByteArray& bytes, CSharedArmy* army, QString* problem) {
    *army = CSharedArmy();
    problem->clear();
    if (bytes.size() > kMaxBytes) {
        *problem = LoadResString(kFileTooLargeId).arg(kMaxBytes / (1024 * 1024));
        return false;
    }
    // Editors of some systems begin UTF-8 files with a byte-order mark.
    const QByteArray text = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    const ByteFault fault = ScanBytes(text);
    if (fault.id == kFileTooDeepId) {
        *problem = LoadResString(fault.id).arg(kMaxDepth).arg(fault.at);
        return false;
    }
    if (fault.id != 0) {
        *problem = LoadResString(fault.id).arg(fault.at);
        return false;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError) {
        *problem = LoadResString(kFileNotJsonId).arg(error.errorString()).arg(error.offset);
        return false;
    }
    const QJsonObject root = document.object();
    if (!document.isObject() ||
        root.value(QLatin1String("format")) != QJsonValue(QLatin1String(kFormat))) {
        *problem = LoadResString(kFileOtherFormatId);
        return false;
    }
    Reader reader;
    int version = 0;
    const QJsonValue versionValue = root.value(QLatin1String("version"));
    if (versionValue.isDouble() && versionValue.toDouble() > kVersion &&
        versionValue.toDouble() == std::floor(versionValue.toDouble())) {
        *problem = LoadResString(kFileLaterVersionId)
                       .arg(QString::number(versionValue.toDouble(), 'g', 16))
                       .arg(kVersion);
        return false;
    }
    QJsonArray members;
    CSharedArmy read;
    if (reader.HasFields(root, QString(),
                         {"format", "version", "name", "budget", "race", "members"}) &&
        reader.Integer(versionValue, QStringLiteral("version"), kVersion, kVersion, &version) &&
        reader.Text(root.value(QLatin1String("name")), QStringLiteral("name"), &read.name) &&
        reader.Integer(root.value(QLatin1String("budget")), QStringLiteral("budget"), kMinBudget,
                       kMaxBudget, &read.budget) &&
        reader.Entry(root.value(QLatin1String("race")), QStringLiteral("race"), kMaxRaceKey,
                     &read.race) &&
        reader.List(root.value(QLatin1String("members")), QStringLiteral("members"), &members)) {
        // Counted before any member is read: a list of a hundred thousand is no army.
        if (members.size() > kMaxMembers)
            reader.Fail(LoadResString(kFileTooManyMembersId).arg(members.size()).arg(kMaxMembers));
        else if (read.name.trimmed().isEmpty())
            reader.Fail(kFileEmptyNameId, QStringLiteral("name"));
        qsizetype count = 0;
        for (qsizetype i = 0; !reader.Failed() && i < members.size(); ++i) {
            CSharedMember member;
            if (reader.Member(members.at(i), Reader::Indexed(QStringLiteral("members"), i), true,
                              &member))
                read.members << member;
            count += 1 + member.attached.size();
        }
        if (!reader.Failed() && count > kMaxMembers)
            reader.Fail(LoadResString(kFileTooManyMembersId).arg(count).arg(kMaxMembers));
        if (!reader.Failed())
            CheckHierarchy(read.members, reader);
    }
    if (reader.Failed()) {
        *problem = reader.Problem();
        return false;
    }
    *army = read;
    return true;
}

bool ReadArmyFile(const QString& path, CSharedArmy* army, QString* problem) {
    *army = CSharedArmy();
    // A pipe would hold the open until something writes into it, a device never end.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        *problem = LoadResString(kFileNotRegularId);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = LoadResString(kFileUnreadableId).arg(file.errorString());
        return false;
    }
    // Whatever the size says (a device, a file growing), never more than one byte past the
    // limit is read.
    if (file.size() > kMaxBytes) {
        *problem = LoadResString(kFileTooLargeId).arg(kMaxBytes / (1024 * 1024));
        return false;
    }
    const QByteArray bytes = file.read(kMaxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        *problem = LoadResString(kFileUnreadableId).arg(file.errorString());
        return false;
    }
    return ParseArmyFile(bytes, army, problem);
}
