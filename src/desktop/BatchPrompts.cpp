#include "desktop/BatchPrompts.h"

#include "desktop/BatchConfirmation.h"
#include "desktop/BatchWords.h"
#include "desktop/Dialogs.h"
#include "desktop/MainContext.h"

#include <QWidget>

quorvex::BatchQuestion AskEachRow(BatchConfirmation& confirmation)
{
    return [&confirmation](const quorvex::BatchItem& item) {
        return confirmation.ask(BatchWords::title(item), BatchWords::question(item));
    };
}

quorvex::BatchNotice ShowNotice(MainContext& context)
{
    return [&context](const quorvex::BatchNote& note) {
        context.dialogs().showMessage(&context.mainWindow(), BatchWords::note(note));
    };
}
