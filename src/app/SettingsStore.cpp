#include "app/SettingsStore.h"

#include "platform/Registry.h"
#include "platform/TextFile.h"

#include <algorithm>

namespace quorvex::app {

using platform::RegistryKey;
using platform::VorleKeyPath;

namespace {

constexpr std::uint32_t kColorRefBits = 0x00FFFFFF;

std::optional<std::uint32_t> ColorRef(const RegistryKey& key, std::string_view name)
{
    const std::optional<std::uint32_t> value = key.readDword(name);
    if (!value)
        return std::nullopt;
    return *value & kColorRefBits;
}

std::optional<std::uint32_t> Clamped(std::optional<std::uint32_t> value, std::uint32_t low,
                                     std::uint32_t high)
{
    if (!value)
        return std::nullopt;
    return std::clamp(*value, low, high);
}

} // namespace

std::string OwnSettingsFile(std::string_view appTitle)
{
    return platform::RegistryKeyLocation(VorleKeyPath(appTitle));
}

std::optional<StoredSettings> ReadOwnSettings(std::string_view appTitle, std::string_view exeDir)
{
    platform::RemoveRegistryKeyLeftovers(VorleKeyPath(appTitle));
    std::optional<RegistryKey> key = RegistryKey::open(VorleKeyPath(appTitle));
    if (!key)
        return std::nullopt;
    if (!key->hasValue("updatepath") && !key->isDamaged()) {
        key->writeString("updatepath", exeDir);
        key->flush();
    }
    StoredSettings stored;
    stored.kbsize = key->readBool("kbsize");
    stored.sys = key->readBool("sys");
    stored.hid = key->readBool("hid");
    stored.color = ColorRef(*key, "color");
    stored.color1 = ColorRef(*key, "color1");
    stored.color2 = ColorRef(*key, "color2");
    stored.height = Clamped(key->readDword("height"), kMinListBoxHeight, kMaxListBoxHeight);
    stored.sikii = Clamped(key->readDword("sikii"), kMinThreshold, kMaxThreshold);
    return stored;
}

bool WriteOwnSettings(std::string_view appTitle, const Settings& settings)
{
    std::optional<RegistryKey> key = RegistryKey::openOrCreate(VorleKeyPath(appTitle));
    if (!key)
        return false;
    key->writeBool("kbsize", settings.kbsize);
    key->writeBool("sys", settings.sys);
    key->writeBool("hid", settings.hid);
    key->writeDword("color", settings.color);
    key->writeDword("color1", settings.color1);
    key->writeDword("color2", settings.color2);
    key->writeDword("height", settings.height);
    key->writeDword("sikii", settings.sikii);
    return key->flush();
}

bool ReadCacheUse(std::string_view appTitle)
{
    const std::optional<RegistryKey> key = RegistryKey::open(VorleKeyPath(appTitle));
    return !key || key->readBool("cache").value_or(true);
}

bool WriteCacheUse(std::string_view appTitle, bool use)
{
    std::optional<RegistryKey> key = RegistryKey::openOrCreate(VorleKeyPath(appTitle));
    if (!key)
        return false;
    key->writeBool("cache", use);
    return key->flush();
}

std::optional<MaskSetData> ReadMaskSetData()
{
    const std::optional<RegistryKey> key = RegistryKey::open(VorleKeyPath("Caskwell\\MaskData"));
    if (!key)
        return std::nullopt;
    MaskSetData data;
    data.exclusion = key->readBool("MaskExclusionFrg");
    if (const std::optional<std::string> titles = key->readString("MaskTitle"))
        data.titles = platform::SplitLines(*titles);
    data.index = key->readDword("Index");
    for (const std::string& title : data.titles.value_or(std::vector<std::string>{}))
        data.texts.push_back(key->readString(title).value_or(std::string()));
    return data;
}

} // namespace quorvex::app
