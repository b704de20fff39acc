// Start-up reading and close-time writing of the settings: the registry values moved
// into and out of the controls.
#include "app/ColorPanel.h"
#include "app/OptionsPage.h"
#include "app/SettingsStore.h"
#include "app/TForm1.h"

#include "platform/FailureReason.h"
#include "platform/desktop/ShownText.h"

#include <QCheckBox>

using quorvex::app::Settings;
using quorvex::app::StoredSettings;

void TForm1::ReadSettings()
{
    const std::optional<StoredSettings> stored =
        quorvex::app::ReadOwnSettings(TextBytes(AppTitle_), ExeDir_);
    if (!stored)
        return;
    // Check boxes run their handlers on a change, as a click would.
    if (stored->kbsize)
        Options->CheckBox5->setChecked(*stored->kbsize);
    if (stored->sys)
        Options->SystemOkChkBox->setChecked(*stored->sys);
    if (stored->hid)
        Options->HidenOkChkBox->setChecked(*stored->hid);
    if (stored->color)
        Options->Panel1->setColorRef(*stored->color);
    if (stored->color1)
        Options->Panel6->setColorRef(*stored->color1);
    if (stored->color2)
        Options->Panel7->setColorRef(*stored->color2);
    const std::pair<PageSetting, std::optional<std::uint32_t>> pageValues[] = {
        {PageSetting::ListBox1Height, stored->height}, {PageSetting::Threshold, stored->sikii}};
    for (const auto& [which, value] : pageValues)
        if (value)
            registrations_.setSetting(which, static_cast<int>(*value));
}

void TForm1::WriteSettings()
{
    Settings settings;
    settings.kbsize = Options->CheckBox5->isChecked();
    settings.sys = Options->SystemOkChkBox->isChecked();
    settings.hid = Options->HidenOkChkBox->isChecked();
    settings.color = Options->Panel1->colorRef();
    settings.color1 = Options->Panel6->colorRef();
    settings.color2 = Options->Panel7->colorRef();
    settings.height = static_cast<std::uint32_t>(pageSetting(PageSetting::ListBox1Height));
    settings.sikii = static_cast<std::uint32_t>(pageSetting(PageSetting::Threshold));
    if (!quorvex::app::WriteOwnSettings(TextBytes(AppTitle_), settings))
        saveFailures_.add(quorvex::app::OwnSettingsFile(TextBytes(AppTitle_)),
                          quorvex::platform::LastFailureText());
}

int TForm1::pageSetting(PageSetting which) const
{
    if (const std::optional<int> value = registrations_.setting(which))
        return *value;
    const Settings defaults;
    return static_cast<int>(which == PageSetting::ListBox1Height ? defaults.height
                                                                 : defaults.sikii);
}
