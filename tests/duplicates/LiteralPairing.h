#pragma once
// The duplicate pairing written as plainly as it reads: every later file compared
// with every reference, pair after pair, from disk. The tests check the fast
// pairings against it, and the benchmark times it as the baseline.

#include "common/RunObserver.h"
#include "duplicates/DupRecord.h"

namespace quorvex::test {

// Pumps before every comparison and stops comparing while a cancel is requested.
void LiteralPairing(DupList& list, int threshold, RunObserver& observer);

} // namespace quorvex::test
