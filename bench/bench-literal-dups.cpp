// The baseline of bench-similar.sh: the duplicate search with the pairing judged
// pair after pair from disk, printing the rows as `quorvex-cli dups` does, so that
// the benchmark can check that both found the same groups.
//
//   bench-literal-dups THRESHOLD FOLDER
#include <cstdio>
#include <cstdlib>

#include "LiteralPairing.h"
#include "cli/CliWords.h"
#include "duplicates/DupSearch.h"
#include "duplicates/DupSort.h"
#include "duplicates/DupTable.h"

int main(int argc, char** argv)
{
    using namespace quorvex;
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench-literal-dups THRESHOLD FOLDER\n");
        return 64;
    }
    const int threshold = std::atoi(argv[1]);
    FilterSettings filters;
    filters.includeHidden = true;
    DupList list;
    CollectFiles(argv[2], {filters, threshold, silentObserver()}, list);
    test::LiteralPairing(list, threshold, silentObserver());
    list.removeUngrouped();
    SortDupListByCell(list, 65536 + kCellGroup);
    AssignBands(list);

    return DupTable(list, cli::kReferenceWord).write(OutputFormat::Tsv) ? 0 : 1;
}
