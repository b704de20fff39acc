#include "desktop/PathHistories.h"

#include "desktop/PageRegistrations.h"
#include "paths/HistoryFile.h"
#include "platform/desktop/ShownText.h"

#include <algorithm>

PathHistories::PathHistories(PageRegistrations& host, const std::string& userDataDir,
                             const std::function<StateFileCare(std::string path)>& care,
                             QObject* parent)
    : QObject(parent), userDataDir_(userDataDir)
{
    histories_.reserve(Count);
    for (int n = 1; n <= Count; ++n)
        histories_.push_back({care(quorvex::HistoryFilePath(userDataDir_, n)), {}});
    host.addStore(
        StateStore::Histories,
        [this] {
            for (int n = 1; n <= Count; ++n)
                load(n);
        },
        [this] {
            for (int n = 1; n <= Count; ++n)
                history(n).care.writeAtClose([this, n] { return save(n); });
        });
}

PathHistories::History& PathHistories::history(int n)
{
    return histories_.at(static_cast<std::size_t>(n - 1));
}

const PathHistories::History& PathHistories::history(int n) const
{
    return histories_.at(static_cast<std::size_t>(n - 1));
}

QStringList PathHistories::entries(int n) const
{
    QStringList texts;
    for (const Entry& entry : history(n).entries)
        texts.append(entry.text);
    return texts;
}

void PathHistories::setEntries(int n, const QStringList& texts)
{
    std::vector<Entry>& old = history(n).entries;
    std::vector<Entry> entries;
    entries.reserve(static_cast<std::size_t>(texts.size()));
    for (const QString& text : texts) {
        const auto same = std::find_if(old.begin(), old.end(),
                                       [&](const Entry& entry) { return entry.text == text; });
        entries.push_back({text, same != old.end() ? same->bytes : TextBytes(text)});
    }
    old = std::move(entries);
    emit replaced(n);
}

void PathHistories::add(int n, const QString& path)
{
    std::vector<Entry>& entries = history(n).entries;
    // The whole text, without regard to case.
    if (std::any_of(entries.begin(), entries.end(), [&](const Entry& entry) {
            return entry.text.compare(path, Qt::CaseInsensitive) == 0;
        }))
        return;
    entries.push_back({path, TextBytes(path)});
    emit appended(n, path);
}

void PathHistories::load(int n)
{
    History& loaded = history(n);
    loaded.care.read([&] {
        quorvex::platform::StateFileText text = quorvex::LoadHistory(userDataDir_, n);
        loaded.entries.clear();
        for (std::string& line : text.lines)
            loaded.entries.push_back({ShownText(line), std::move(line)});
        return text.read;
    });
    emit replaced(n);
}

bool PathHistories::save(int n) const
{
    std::vector<std::string> lines;
    for (const Entry& entry : history(n).entries)
        lines.push_back(entry.bytes);
    return quorvex::SaveHistory(lines, userDataDir_, n);
}
