#include "platform/desktop/DesktopApps.h"

#include "platform/desktop/ShellActions.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLocale>
#include <QMimeType>
#include <QProcess>
#include <QSet>
#include <QTextStream>

#include <algorithm>
#include <map>

namespace {

using KeyFileGroups = std::map<QString, std::map<QString, QString>>;

// Resolves the escapes of a key file value: \s \n \t \r \\.
QString unescapeValue(const QString& value)
{
    QString result;
    result.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != u'\\' || i + 1 == value.size()) {
            result += c;
            continue;
        }
        const QChar next = value[++i];
        switch (next.unicode()) {
        case 's':
            result += u' ';
            break;
        case 'n':
            result += u'\n';
            break;
        case 't':
            result += u'\t';
            break;
        case 'r':
            result += u'\r';
            break;
        case '\\':
            result += u'\\';
            break;
        default: // kept for the lists (\;) and the Exec quoting
            result += u'\\';
            result += next;
        }
    }
    return result;
}

// The groups of a key file (.desktop, mimeapps.list) with their raw values.
KeyFileGroups readKeyFile(const QString& fileName)
{
    KeyFileGroups groups;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return groups;
    QTextStream in(&file);
    std::map<QString, QString>* group = nullptr;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            group = &groups[line.mid(1, line.size() - 2)];
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (group && equals > 0)
            group->emplace(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return groups;
}

QStringList splitList(const QString& value)
{
    QStringList items;
    for (const QString& item : value.split(u';', Qt::SkipEmptyParts))
        if (const QString trimmed = item.trimmed(); !trimmed.isEmpty())
            items << trimmed;
    return items;
}

QString localisedValue(const std::map<QString, QString>& entry, const QString& key)
{
    const QString locale = QLocale().name(); // "ja_JP"
    for (const QString& variant : {locale, locale.section(u'_', 0, 0)}) {
        if (const auto found = entry.find(key + u'[' + variant + u']'); found != entry.end())
            return unescapeValue(found->second);
    }
    const auto found = entry.find(key);
    return found == entry.end() ? QString() : unescapeValue(found->second);
}

std::optional<DesktopApp> readDesktopFile(const QString& fileName, const QString& id)
{
    const KeyFileGroups groups = readKeyFile(fileName);
    const auto group = groups.find(QStringLiteral("Desktop Entry"));
    if (group == groups.end())
        return std::nullopt;
    const auto& entry = group->second;
    const auto value = [&](const char* key) {
        const auto found = entry.find(QString::fromLatin1(key));
        return found == entry.end() ? QString() : unescapeValue(found->second);
    };
    if (value("Type") != QLatin1String("Application") || value("Hidden") == QLatin1String("true"))
        return std::nullopt;
    DesktopApp app;
    app.id = id;
    app.file = fileName;
    app.exec = value("Exec");
    app.name = localisedValue(entry, QStringLiteral("Name"));
    app.mimeTypes = splitList(value("MimeType"));
    app.noDisplay = value("NoDisplay") == QLatin1String("true");
    if (app.exec.isEmpty())
        return std::nullopt;
    if (app.name.isEmpty())
        app.name = id;
    return app;
}

QStringList envList(const char* name, const QString& fallback)
{
    const QString value = qEnvironmentVariable(name);
    return (value.isEmpty() ? fallback : value).split(u':', Qt::SkipEmptyParts);
}

QString envDir(const char* name, const QString& homeRelative)
{
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? QDir::homePath() + homeRelative : value;
}

// The mimeapps.list files in precedence order.
QStringList mimeAppsLists(const XdgDirs& dirs)
{
    QStringList files;
    const auto addFrom = [&](const QString& folder) {
        for (const QString& desktop : dirs.desktops)
            files << folder + u'/' + desktop + QStringLiteral("-mimeapps.list");
        files << folder + QStringLiteral("/mimeapps.list");
    };
    for (const QString& dir : dirs.configDirs)
        addFrom(dir);
    for (const QString& dir : dirs.dataDirs)
        addFrom(dir + QStringLiteral("/applications"));
    return files;
}

bool declaresAny(const DesktopApp& app, const QStringList& types)
{
    return std::any_of(types.begin(), types.end(),
                       [&](const QString& type) { return app.mimeTypes.contains(type); });
}

// Replaces one field code of an Exec line; false for a code the line may not hold.
bool expandFieldCode(QChar code, const DesktopApp& app, const QString& filePath,
                     const QString& fileUrl, QString& argument, bool& takesFile)
{
    switch (code.unicode()) {
    case 'f':
    case 'F':
        argument += filePath;
        takesFile = true;
        return !filePath.isNull();
    case 'u':
    case 'U':
        argument += fileUrl;
        takesFile = true;
        return true;
    case 'c':
        argument += app.name;
        return true;
    case 'k':
        argument += app.file;
        return true;
    case '%':
        argument += u'%';
        return true;
    case 'i': // the icon option is left out
    case 'd':
    case 'D':
    case 'n':
    case 'N':
    case 'v':
    case 'm': // deprecated codes expand to nothing
        return true;
    default:
        return false;
    }
}

} // namespace

XdgDirs CurrentXdgDirs()
{
    XdgDirs dirs;
    dirs.dataDirs << envDir("XDG_DATA_HOME", QStringLiteral("/.local/share"))
                  << envList("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share"));
    dirs.configDirs << envDir("XDG_CONFIG_HOME", QStringLiteral("/.config"))
                    << envList("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg"));
    for (const QString& desktop : envList("XDG_CURRENT_DESKTOP", QString()))
        dirs.desktops << desktop.toLower();
    return dirs;
}

std::vector<DesktopApp> LoadDesktopApps(const XdgDirs& dirs)
{
    std::vector<DesktopApp> apps;
    QSet<QString> seen;
    for (const QString& dataDir : dirs.dataDirs) {
        const QDir folder(dataDir + QStringLiteral("/applications"));
        QDirIterator it(folder.path(), {QStringLiteral("*.desktop")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString fileName = it.next();
            QString id = folder.relativeFilePath(fileName);
            id.replace(u'/', u'-');
            if (seen.contains(id))
                continue;
            seen.insert(id);
            if (std::optional<DesktopApp> app = readDesktopFile(fileName, id))
                apps.push_back(std::move(*app));
        }
    }
    std::sort(apps.begin(), apps.end(), [](const DesktopApp& a, const DesktopApp& b) {
        return QString::localeAwareCompare(a.name.toLower(), b.name.toLower()) < 0;
    });
    return apps;
}

QStringList MimeTypeFamily(const QMimeType& type)
{
    QStringList family{type.name()};
    family << type.aliases() << type.allAncestors();
    family.removeDuplicates();
    return family;
}

bool HasDefaultApplication(const QMimeType& type, const std::vector<DesktopApp>& apps,
                           const XdgDirs& dirs)
{
    const QStringList exact = QStringList{type.name()} + type.aliases();
    const auto installed = [&](const QString& id) {
        return std::any_of(apps.begin(), apps.end(),
                           [&](const DesktopApp& app) { return app.id == id; });
    };
    for (const QString& list : mimeAppsLists(dirs)) {
        const KeyFileGroups groups = readKeyFile(list);
        for (const char* name : {"Default Applications", "Added Associations"}) {
            const auto group = groups.find(QString::fromLatin1(name));
            if (group == groups.end())
                continue;
            for (const QString& mime : exact) {
                const auto entry = group->second.find(mime);
                if (entry == group->second.end())
                    continue;
                const QStringList ids = splitList(entry->second);
                if (std::any_of(ids.begin(), ids.end(), installed))
                    return true;
            }
        }
    }
    return std::any_of(apps.begin(), apps.end(),
                       [&](const DesktopApp& app) { return declaresAny(app, exact); });
}

OpenWithCandidates OpenWithCandidatesFor(const QMimeType& type, const std::vector<DesktopApp>& apps)
{
    const QStringList family = MimeTypeFamily(type);
    OpenWithCandidates candidates;
    for (const DesktopApp& app : apps)
        if (declaresAny(app, family))
            candidates.apps.push_back(app);
    candidates.declaringCount = static_cast<int>(candidates.apps.size());
    for (const DesktopApp& app : apps)
        if (!app.noDisplay && !declaresAny(app, family))
            candidates.apps.push_back(app);
    return candidates;
}

std::optional<ProcessCommand> ExecCommand(const DesktopApp& app, const std::string& path)
{
    const QByteArray bytes(path.data(), static_cast<qsizetype>(path.size()));
    QString filePath = QFile::decodeName(bytes);
    if (QFile::encodeName(filePath) != bytes)
        filePath = QString(); // null: %f cannot carry this name
    const QString fileUrl = QString::fromLatin1(FileUrl(path));

    QStringList words;
    QString argument;
    bool inWord = false, quoted = false, hadQuotes = false, takesFile = false;
    // A word that only held codes expanding to nothing is dropped; "" stays an argument.
    const auto endWord = [&] {
        if (inWord && (!argument.isEmpty() || hadQuotes))
            words << argument;
        argument.clear();
        inWord = hadQuotes = false;
    };
    const QString& exec = app.exec;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == u'"') {
                quoted = false;
            } else if (c == u'\\' && i + 1 < exec.size() &&
                       QStringLiteral("\"`$\\").contains(exec[i + 1])) {
                argument += exec[++i];
            } else if (c == u'%' && i + 1 < exec.size()) {
                if (!expandFieldCode(exec[++i], app, filePath, fileUrl, argument, takesFile))
                    return std::nullopt;
            } else {
                argument += c;
            }
        } else if (c == u' ' || c == u'\t') {
            endWord();
        } else if (c == u'"') {
            quoted = inWord = hadQuotes = true;
        } else if (c == u'%') {
            if (i + 1 == exec.size() ||
                !expandFieldCode(exec[++i], app, filePath, fileUrl, argument, takesFile))
                return std::nullopt;
            inWord = true;
        } else {
            argument += c;
            inWord = true;
        }
    }
    if (quoted)
        return std::nullopt;
    endWord();
    if (words.isEmpty())
        return std::nullopt;
    if (!takesFile) {
        if (filePath.isNull())
            return std::nullopt;
        words << filePath;
    }
    ProcessCommand command;
    command.program = words.takeFirst();
    command.arguments = words;
    return command;
}

bool StartDesktopApp(const DesktopApp& app, const std::string& path)
{
    const std::optional<ProcessCommand> command = ExecCommand(app, path);
    return command && QProcess::startDetached(command->program, command->arguments);
}
