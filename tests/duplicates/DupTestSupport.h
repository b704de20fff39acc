#pragma once
// Helpers shared by the duplicate search tests: an observer that counts and can
// cancel, and a compact view of a result list.

#include <functional>
#include <string>
#include <vector>

#include "core/RunObserver.h"
#include "duplicates/DupRecord.h"

namespace quorvex::test {

class ScriptedObserver : public RunObserver
{
public:
    void pumpMessages() override
    {
        ++pumps;
        if (onPump)
            onPump(pumps);
    }
    bool cancelRequested() const override { return cancel; }

    int pumps = 0;
    bool cancel = false;
    std::function<void(int)> onPump;
};

// One line per row: "name content group band".
inline std::vector<std::string> Rows(const DupList& list)
{
    std::vector<std::string> rows;
    for (const TDupRecord& record : list.records())
        rows.push_back(std::string(list.name(record)) + " " + ContentText(record) + " " +
                       GroupText(record) + " " + BandText(record));
    return rows;
}

} // namespace quorvex::test
