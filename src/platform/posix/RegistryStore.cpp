// The registry branch on Linux: every key is a file (RegistryFiles.h).

#include "platform/Registry.h"
#include "platform/RegistryFiles.h"

namespace quorvex::platform {

std::string RegistryKeyLocation(std::string_view keyPath)
{
    return RegistryKeyFile(keyPath).value_or(std::string());
}

void RemoveRegistryKeyLeftovers(std::string_view keyPath)
{
    keyfiles::RemoveLeftovers(keyPath);
}

std::optional<StoredRegistryKey> LoadRegistryKey(std::string_view keyPath)
{
    return keyfiles::Load(keyPath);
}

bool CanCreateRegistryKey(std::string_view keyPath)
{
    return keyfiles::CanCreate(keyPath);
}

bool StoreRegistryKey(std::string_view keyPath, std::vector<RegistryValue>& values, bool& damaged)
{
    return keyfiles::Store(keyPath, values, damaged);
}

} // namespace quorvex::platform
