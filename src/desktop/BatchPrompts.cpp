#include "desktop/BatchPrompts.h"

#include "desktop/BatchConfirmation.h"
#include "desktop/ImageList1.h"
#include "desktop/MainContext.h"
#include "desktop/TYesAllNoCancelBox.h"
#include "platform/desktop/Dialogs.h"
#include "platform/desktop/ShownText.h"

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
        return confirmation.ask(ShownText(title), ShownText(message));
    };
}

quorvex::BatchNotice ShowNotice(MainContext& context)
{
    return [&context](const std::string& message) {
        context.dialogs().showMessage(&context.mainWindow(), ShownText(message));
    };
}
