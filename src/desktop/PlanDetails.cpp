#include "desktop/PlanDetails.h"

#include "actions/PlanTable.h"
#include "platform/desktop/ShownText.h"

#include <QCoreApplication>

#include <numeric>

namespace {

// The context of this file's texts in the catalogue.
struct PlanDetailsWords
{
    Q_DECLARE_TR_FUNCTIONS(PlanDetails)
};

} // namespace

QuestionDetails PlanDetails(const quorvex::ActionPlan& plan)
{
    return [&plan] {
        DetailRows details;
        // The captions of the command line's fields "action", "path", "kept", "bytes", "to".
        details.columns = {PlanDetailsWords::tr("操作"), PlanDetailsWords::tr("パス"),
                           PlanDetailsWords::tr("残すファイル"), PlanDetailsWords::tr("バイト"),
                           PlanDetailsWords::tr("行き先")};
        const std::vector<std::uint64_t> bytes = quorvex::PlanRowBytes(plan);
        for (std::size_t i = 0; i < plan.items.size(); ++i) {
            QStringList cells;
            for (const std::string& field : quorvex::PlanRowFields(plan.items[i], bytes[i]))
                cells << ShownText(field);
            details.rows << cells;
        }
        const QString total = QString::number(
            static_cast<qulonglong>(std::accumulate(bytes.begin(), bytes.end(), std::uint64_t{0})));
        details.below = quorvex::PlanTotalKey(plan) == "#copied"
                            ? PlanDetailsWords::tr("書き込む合計: %1 バイト").arg(total)
                            : PlanDetailsWords::tr("空く合計: %1 バイト").arg(total);
        return details;
    };
}
