#include "desktop/BatchPrompts.h"

#include "desktop/BatchConfirmation.h"
#include "desktop/MainContext.h"
#include "platform/desktop/Dialogs.h"
#include "platform/desktop/ShownText.h"

#include <QWidget>

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
