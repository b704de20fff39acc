#include "support/ChildRun.h"

#include <windows.h>

#include <filesystem>
#include <vector>

namespace quorvex::test {

namespace {

std::wstring Wide(std::string_view utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end())).wstring();
}

} // namespace

int RunThisProgram(std::string_view filter, std::string_view step)
{
    std::vector<wchar_t> self(32768);
    if (GetModuleFileNameW(nullptr, self.data(), DWORD(self.size())) == 0)
        return -1;
    std::wstring commandLine =
        L"\"" + std::wstring(self.data()) + L"\" --gtest_filter=" + Wide(filter);
    // The child inherits the environment of the moment it starts.
    SetEnvironmentVariableW(L"QUORVEX_CHILD_STEP", Wide(step).c_str());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const bool started = CreateProcessW(self.data(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                                        nullptr, nullptr, &startup, &process);
    SetEnvironmentVariableW(L"QUORVEX_CHILD_STEP", nullptr);
    if (!started)
        return -1;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    const bool known = GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return known ? static_cast<int>(code) : -1;
}

std::string ChildStep()
{
    wchar_t step[64];
    const DWORD length = GetEnvironmentVariableW(L"QUORVEX_CHILD_STEP", step, 64);
    if (length == 0 || length >= 64)
        return {};
    const std::u8string text = std::filesystem::path(std::wstring(step, length)).u8string();
    return std::string(text.begin(), text.end());
}

} // namespace quorvex::test
