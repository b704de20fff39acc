// Start-up reading and close-time writing of the settings: the registry values moved
// into and out of the settings the pages bound.
#include "app/SettingsStore.h"
#include "app/TForm1.h"

#include "platform/FailureReason.h"
#include "platform/desktop/ShownText.h"

using quorvex::app::Settings;
using quorvex::app::StoredSettings;

namespace {

std::optional<std::uint32_t> AsNumber(std::optional<bool> value)
{
    if (!value)
        return std::nullopt;
    return *value ? 1u : 0u;
}

} // namespace

void TForm1::ReadSettings()
{
    const std::optional<StoredSettings> stored =
        quorvex::app::ReadOwnSettings(TextBytes(AppTitle_), ExeDir_);
    if (!stored)
        return;
    const std::pair<PageSetting, std::optional<std::uint32_t>> values[] = {
        {PageSetting::SizeInBytes, AsNumber(stored->kbsize)},
        {PageSetting::SystemFiles, AsNumber(stored->sys)},
        {PageSetting::HiddenFiles, AsNumber(stored->hid)},
        {PageSetting::DuplicateColor, stored->color},
        {PageSetting::MatchColor, stored->color1},
        {PageSetting::MissingColor, stored->color2},
        {PageSetting::ListBox1Height, stored->height},
        {PageSetting::Threshold, stored->sikii}};
    for (const auto& [which, value] : values)
        if (value)
            registrations().setSetting(which, static_cast<int>(*value));
}

void TForm1::WriteSettings()
{
    Settings settings;
    // A page's setting, or its default while no page has bound or been given it.
    const auto value = [this](PageSetting which, std::uint32_t fallback) {
        const std::optional<int> bound = registrations().setting(which);
        return bound ? static_cast<std::uint32_t>(*bound) : fallback;
    };
    settings.kbsize = value(PageSetting::SizeInBytes, settings.kbsize) != 0;
    settings.sys = value(PageSetting::SystemFiles, settings.sys) != 0;
    settings.hid = value(PageSetting::HiddenFiles, settings.hid) != 0;
    settings.color = value(PageSetting::DuplicateColor, settings.color);
    settings.color1 = value(PageSetting::MatchColor, settings.color1);
    settings.color2 = value(PageSetting::MissingColor, settings.color2);
    settings.height = value(PageSetting::ListBox1Height, settings.height);
    settings.sikii = value(PageSetting::Threshold, settings.sikii);
    if (!quorvex::app::WriteOwnSettings(TextBytes(AppTitle_), settings))
        kit_->saveFailures().add(quorvex::app::OwnSettingsFile(TextBytes(AppTitle_)),
                                 quorvex::platform::LastFailureText());
}
