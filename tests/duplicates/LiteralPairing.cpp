#include "LiteralPairing.h"

#include <string>

#include "common/ContentCompare.h"
#include "duplicates/DupSearch.h"

namespace quorvex::test {

void LiteralPairing(DupList& list, int threshold, RunObserver& observer)
{
    ContentBuffers buffers;
    const bool exact = threshold == 100;
    for (std::size_t i = 0; i < list.size(); ++i) {
        TDupRecord& reference = list[i];
        if (reference.group != 0 || reference.size == 0) {
            observer.stepOverall(1);
            continue;
        }
        const std::string referencePath = list.RecordPath(reference);
        const auto label = static_cast<std::uint32_t>(i + 1);
        bool found = false;
        for (std::size_t j = i + 1; j < list.size(); ++j) {
            observer.pumpMessages();
            if (observer.cancelRequested())
                break;
            TDupRecord& member = list[j];
            if (member.group != 0 || member.size == 0 || (exact && member.size != reference.size))
                continue;
            if (SizeRatio(reference.size, member.size) < threshold)
                continue;
            int percent = -1;
            CompareContents(referencePath, list.RecordPath(member), threshold, percent, buffers,
                            observer);
            if (percent >= threshold) {
                member.content = static_cast<std::int16_t>(percent);
                member.group = label;
                found = true;
            }
        }
        if (found) {
            reference.content = kContentReference;
            reference.group = label;
        }
        observer.stepOverall(1);
    }
}

} // namespace quorvex::test
