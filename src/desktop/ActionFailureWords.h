#pragma once
// Why an item of a plan was not done, in the interface language.

#include "actions/ActionRun.h"

#include <QCoreApplication>
#include <QString>

class ActionFailureWords
{
    Q_DECLARE_TR_FUNCTIONS(ActionFailureWords)

public:
    // One sentence, with the system's reason where there is one; empty for an item
    // that did not fail (or whose deletion the user declined).
    static QString text(const quorvex::PlannedAction& item, const quorvex::ActionOutcome& outcome);
};
