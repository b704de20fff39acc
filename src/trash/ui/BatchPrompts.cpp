#include "trash/ui/BatchPrompts.h"

#include "actions/BatchConfirmation.h"
#include "actions/TYesAllNoCancelBox.h"
#include "app/ImageList1.h"
#include "app/MainContext.h"
#include "platform/desktop/Dialogs.h"

#include <QWidget>

TYesAllNoCancelBox& YesAllNoCancelBox1(MainContext& context)
{
    const QString name = QStringLiteral("YesAllNoCancelBox1");
    QWidget& window = context.mainWindow();
    if (auto* existing = window.findChild<TYesAllNoCancelBox*>(name, Qt::FindDirectChildrenOnly))
        return *existing;
    auto* box = new TYesAllNoCancelBox(context.dialogs(), &window);
    box->setObjectName(name);
    box->applyStandardConfiguration(&ImageList1());
    return *box;
}

quorvex::BatchQuestion AskEachRow(BatchConfirmation& confirmation)
{
    return [&confirmation](const std::string& title, const std::string& message) {
        switch (confirmation.ask(BytesToText(title), BytesToText(message))) {
        case BatchConfirmation::Decision::Proceed:
            return quorvex::BatchDecision::Proceed;
        case BatchConfirmation::Decision::Skip:
            return quorvex::BatchDecision::Skip;
        case BatchConfirmation::Decision::Stop:
            break;
        }
        return quorvex::BatchDecision::Stop;
    };
}

quorvex::BatchNotice ShowNotice(MainContext& context)
{
    return [&context](const std::string& message) {
        context.dialogs().showMessage(&context.mainWindow(), BytesToText(message));
    };
}
