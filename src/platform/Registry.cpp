#include "platform/Registry.h"

#include <utility>

#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "platform/UserFolders.h"

namespace quorvex::platform {

namespace {

constexpr std::string_view kBranch = "Software\\Vorle\\";
constexpr std::string_view kRoot = "HKEY_CURRENT_USER\\";

// The part after "Software\Vorle\", or nullopt.
std::optional<std::string_view> RestOfKeyPath(std::string_view keyPath)
{
    if (keyPath.substr(0, 1) == "\\")
        keyPath.remove_prefix(1);
    if (keyPath.size() <= kBranch.size() ||
        !SameRegistryName(keyPath.substr(0, kBranch.size()), kBranch))
        return std::nullopt;
    return keyPath.substr(kBranch.size());
}

// The section name of the key's file: "HKEY_CURRENT_USER\Software\Vorle\...".
std::string SectionName(std::string_view keyPath)
{
    if (keyPath.substr(0, 1) == "\\")
        keyPath.remove_prefix(1);
    return std::string(kRoot) + std::string(keyPath);
}

bool IsUsableComponent(std::string_view part)
{
    return !part.empty() && part != "." && part != ".." && part.find('/') == std::string_view::npos;
}

} // namespace

std::string VorleKeyPath(std::string_view rest)
{
    return std::string(kBranch) + std::string(rest);
}

std::string RegistryFolder()
{
    return ConfigHomeFolder() + "Vorle/";
}

std::optional<std::string> RegistryKeyFile(std::string_view keyPath)
{
    const std::optional<std::string_view> rest = RestOfKeyPath(keyPath);
    if (!rest)
        return std::nullopt;
    std::string file = RegistryFolder();
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = rest->find('\\', start);
        const std::string_view part = rest->substr(start, end - start);
        if (!IsUsableComponent(part))
            return std::nullopt;
        file += part;
        if (end == std::string_view::npos)
            break;
        file += '/';
        start = end + 1;
    }
    return file + ".reg";
}

RegistryKey::RegistryKey(std::string filePath, std::string keyName) noexcept
    : filePath_(std::move(filePath)), keyName_(std::move(keyName))
{
}

std::optional<RegistryKey> RegistryKey::open(std::string_view keyPath)
{
    const std::optional<std::string> file = RegistryKeyFile(keyPath);
    if (!file)
        return std::nullopt;
    bool complete = true;
    const std::optional<std::string> bytes = ReadFileHead(*file, kStateFileLimit, complete);
    if (!bytes)
        return std::nullopt;
    RegistryKey key(*file, SectionName(keyPath));
    ParsedRegistryText parsed = ParseRegistryFile(*bytes, key.keyName_);
    key.values_ = std::move(parsed.values);
    key.damaged_ = !parsed.complete || !complete;
    return key;
}

std::optional<RegistryKey> RegistryKey::openOrCreate(std::string_view keyPath)
{
    if (std::optional<RegistryKey> existing = open(keyPath))
        return existing;
    const std::optional<std::string> file = RegistryKeyFile(keyPath);
    if (!file || LookupEntry(*file))
        return std::nullopt; // outside the branch, or there but unreadable
    return RegistryKey(*file, SectionName(keyPath));
}

RegistryKey::~RegistryKey()
{
    (void)flush();
}

RegistryKey::RegistryKey(RegistryKey&& other) noexcept
    : filePath_(std::move(other.filePath_)), keyName_(std::move(other.keyName_)),
      values_(std::move(other.values_)), damaged_(std::exchange(other.damaged_, false)),
      modified_(std::exchange(other.modified_, false))
{
}

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept
{
    if (this != &other) {
        (void)flush();
        filePath_ = std::move(other.filePath_);
        keyName_ = std::move(other.keyName_);
        values_ = std::move(other.values_);
        damaged_ = std::exchange(other.damaged_, false);
        modified_ = std::exchange(other.modified_, false);
    }
    return *this;
}

const RegistryValue* RegistryKey::find(std::string_view name) const
{
    for (const RegistryValue& value : values_)
        if (SameRegistryName(value.name, name))
            return &value;
    return nullptr;
}

RegistryValue& RegistryKey::slot(std::string_view name)
{
    modified_ = true;
    for (RegistryValue& value : values_)
        if (SameRegistryName(value.name, name))
            return value;
    RegistryValue& added = values_.emplace_back();
    added.name = std::string(name);
    return added;
}

bool RegistryKey::hasValue(std::string_view name) const
{
    return find(name) != nullptr;
}

std::optional<std::string> RegistryKey::readString(std::string_view name) const
{
    const RegistryValue* value = find(name);
    if (value == nullptr || value->kind != RegistryValue::Kind::String)
        return std::nullopt;
    return value->text;
}

std::optional<std::uint32_t> RegistryKey::readDword(std::string_view name) const
{
    const RegistryValue* value = find(name);
    if (value == nullptr || value->kind != RegistryValue::Kind::Dword)
        return std::nullopt;
    return value->dword;
}

std::optional<bool> RegistryKey::readBool(std::string_view name) const
{
    const std::optional<std::uint32_t> value = readDword(name);
    if (!value)
        return std::nullopt;
    return *value != 0;
}

void RegistryKey::writeString(std::string_view name, std::string_view text)
{
    RegistryValue& value = slot(name);
    value.kind = RegistryValue::Kind::String;
    value.text = std::string(text);
}

void RegistryKey::writeDword(std::string_view name, std::uint32_t dword)
{
    RegistryValue& value = slot(name);
    value.kind = RegistryValue::Kind::Dword;
    value.text.clear();
    value.dword = dword;
}

void RegistryKey::writeBool(std::string_view name, bool value)
{
    writeDword(name, value ? 1 : 0);
}

bool RegistryKey::flush()
{
    if (!modified_)
        return true;
    const std::size_t slash = filePath_.rfind('/');
    if (!CreateFolderWithParents(filePath_.substr(0, slash + 1)))
        return false;
    const std::string text = FormatRegistryText(keyName_, values_);
    // Bytes of no known encoding, written on a line of their own, may read back as
    // text of the Windows code page: then the old file is kept aside as well.
    ParsedRegistryText written = ParseRegistryFile(text, keyName_);
    if (damaged_ || written.values != values_) {
        if (!KeepDamagedCopy(filePath_))
            return false;
        damaged_ = false;
    }
    if (!WriteFileAtomically(filePath_, text))
        return false;
    values_ = std::move(written.values); // as the file reads now
    modified_ = false;
    return true;
}

} // namespace quorvex::platform
