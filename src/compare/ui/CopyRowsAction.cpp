#include "compare/ui/CopyRowsAction.h"

#include "compare/ComparisonEngine.h"
#include "desktop/ActionPlanRun.h"
#include "desktop/Dialogs.h"
#include "desktop/PageServices.h"
#include "platform/desktop/ShownText.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// The context of this file's texts in the catalogue.
struct CopyRowsAction
{
    Q_DECLARE_TR_FUNCTIONS(CopyRowsAction)
};

// The most entries left out that the question names one by one.
constexpr std::size_t kLeftOutShown = 10;

QString reasonText(quorvex::LeftOutReason reason)
{
    switch (reason) {
    case quorvex::LeftOutReason::Changed:
        return CopyRowsAction::tr("比較の後に変更されています。");
    case quorvex::LeftOutReason::NotAFile:
        return CopyRowsAction::tr("通常のファイルではありません。");
    case quorvex::LeftOutReason::Unreadable:
        return CopyRowsAction::tr("読めません。");
    }
    return {};
}

// The entries of the chosen rows that are not copied, each with its reason.
QString leftOutText(const std::vector<quorvex::LeftOut>& leftOut)
{
    if (leftOut.empty())
        return {};
    QStringList lines;
    for (std::size_t i = 0; i < leftOut.size() && i < kLeftOutShown; ++i)
        lines << ShownText(leftOut[i].path) + u'\n' + reasonText(leftOut[i].reason);
    if (leftOut.size() > kLeftOutShown)
        lines << CopyRowsAction::tr("ほか %n 個", nullptr, int(leftOut.size() - kLeftOutShown));
    return CopyRowsAction::tr("次の %n 個の項目はコピーしません。\n\n", nullptr,
                              int(leftOut.size())) +
           lines.join(QStringLiteral("\n\n"));
}

} // namespace

bool CopyComparisonRows(const PageServices& services, RunIndicatorObserver& progress,
                        quorvex::ComparisonEngine& engine, const std::vector<std::size_t>& rows,
                        RowCopying copying, bool contents)
{
    const quorvex::ComparisonScope scope = quorvex::ScopeOfComparison(engine, contents);
    const quorvex::CopyPlan planned =
        quorvex::PlanCopies(engine.rows(), scope, rows, copying.choice, false, copying.keeping);
    const QString leftOut = leftOutText(planned.leftOut);
    if (planned.plan.items.empty()) {
        services.dialogs.showMessage(
            &services.window,
            leftOut.isEmpty() ? CopyRowsAction::tr("コピーする項目はありません。") : leftOut);
        return false;
    }
    const PlanRunResult result = ConfirmAndRunPlan(services, progress, planned.plan, leftOut);
    if (!result.confirmed)
        return false;
    quorvex::RefreshCopiedRows(engine.rows(), scope, planned.plan, result.outcomes);
    return true;
}
