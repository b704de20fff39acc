#include "platform/RegistryFiles.h"

#include "platform/FileSystem.h"
#include "platform/PathText.h"
#include "platform/Registry.h"
#include "platform/TextFile.h"
#include "platform/UserFolders.h"

namespace quorvex::platform {

std::string RegistryFolder()
{
    return ConfigHomeFolder() + "Vorle" + kSeparator;
}

std::optional<std::string> RegistryKeyFile(std::string_view keyPath)
{
    const std::optional<std::string_view> rest = VorleBranchRest(keyPath);
    if (!rest)
        return std::nullopt;
    std::string file = RegistryFolder();
    for (const char c : *rest)
        file += c == '\\' ? kSeparator : c;
    return file + ".reg";
}

namespace keyfiles {

void RemoveLeftovers(std::string_view keyPath)
{
    if (const std::optional<std::string> file = RegistryKeyFile(keyPath))
        RemoveLeftoverTempFiles(*file);
}

std::optional<StoredRegistryKey> Load(std::string_view keyPath)
{
    const std::optional<std::string> file = RegistryKeyFile(keyPath);
    if (!file)
        return std::nullopt;
    bool complete = true;
    const std::optional<std::string> bytes = ReadFileHead(*file, kStateFileLimit, complete);
    if (!bytes)
        return std::nullopt;
    ParsedRegistryText parsed = ParseRegistryFile(*bytes, FullKeyName(keyPath));
    StoredRegistryKey stored;
    stored.values = std::move(parsed.values);
    stored.damaged = !parsed.complete || !complete;
    return stored;
}

bool CanCreate(std::string_view keyPath)
{
    const std::optional<std::string> file = RegistryKeyFile(keyPath);
    return file && !LookupEntry(*file); // a file that is there was unreadable
}

bool Store(std::string_view keyPath, std::vector<RegistryValue>& values, bool& damaged)
{
    const std::optional<std::string> file = RegistryKeyFile(keyPath);
    if (!file || !CreateFolderWithParents(ParentFolder(*file)))
        return false;
    const std::string section = FullKeyName(keyPath);
    const std::string text = FormatRegistryText(section, values);
    // Bytes of no known encoding, written on a line of their own, may read back as
    // text of the Windows code page: then the old file is kept aside as well.
    ParsedRegistryText written = ParseRegistryFile(text, section);
    if (damaged || written.values != values) {
        if (!KeepDamagedCopy(*file))
            return false;
        damaged = false;
    }
    if (!WriteFileAtomically(*file, text))
        return false;
    values = std::move(written.values); // as the file reads now
    return true;
}

} // namespace keyfiles

} // namespace quorvex::platform
