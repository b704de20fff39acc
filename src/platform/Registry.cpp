#include "platform/Registry.h"

#include <utility>

#include "platform/RegistryStore.h"

namespace quorvex::platform {

namespace {

constexpr std::string_view kBranch = "Software\\Vorle\\";

bool IsUsableComponent(std::string_view part)
{
    return !part.empty() && part != "." && part != ".." && part.find('/') == std::string_view::npos;
}

} // namespace

std::string VorleKeyPath(std::string_view rest)
{
    return std::string(kBranch) + std::string(rest);
}

std::string FullKeyName(std::string_view keyPath)
{
    if (keyPath.substr(0, 1) == "\\")
        keyPath.remove_prefix(1);
    return "HKEY_CURRENT_USER\\" + std::string(keyPath);
}

std::optional<std::string_view> VorleBranchRest(std::string_view keyPath)
{
    if (keyPath.substr(0, 1) == "\\")
        keyPath.remove_prefix(1);
    if (keyPath.size() <= kBranch.size() ||
        !SameRegistryName(keyPath.substr(0, kBranch.size()), kBranch))
        return std::nullopt;
    const std::string_view rest = keyPath.substr(kBranch.size());
    for (std::size_t start = 0;;) {
        const std::size_t end = rest.find('\\', start);
        if (!IsUsableComponent(rest.substr(start, end - start)))
            return std::nullopt;
        if (end == std::string_view::npos)
            return rest;
        start = end + 1;
    }
}

RegistryKey::RegistryKey(std::string keyPath) noexcept : keyPath_(std::move(keyPath)) {}

std::optional<RegistryKey> RegistryKey::open(std::string_view keyPath)
{
    std::optional<StoredRegistryKey> stored = LoadRegistryKey(keyPath);
    if (!stored)
        return std::nullopt;
    RegistryKey key{std::string(keyPath)};
    key.values_ = std::move(stored->values);
    key.damaged_ = stored->damaged;
    return key;
}

std::optional<RegistryKey> RegistryKey::openOrCreate(std::string_view keyPath)
{
    if (std::optional<RegistryKey> existing = open(keyPath))
        return existing;
    if (!CanCreateRegistryKey(keyPath))
        return std::nullopt;
    return RegistryKey(std::string(keyPath));
}

RegistryKey::~RegistryKey()
{
    (void)flush();
}

RegistryKey::RegistryKey(RegistryKey&& other) noexcept
    : keyPath_(std::move(other.keyPath_)), values_(std::move(other.values_)),
      damaged_(std::exchange(other.damaged_, false)),
      modified_(std::exchange(other.modified_, false))
{
}

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept
{
    if (this != &other) {
        (void)flush();
        keyPath_ = std::move(other.keyPath_);
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
    if (!StoreRegistryKey(keyPath_, values_, damaged_))
        return false;
    modified_ = false;
    return true;
}

} // namespace quorvex::platform
