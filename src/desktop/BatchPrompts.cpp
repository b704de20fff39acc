#include "desktop/BatchPrompts.h"

#include "desktop/BatchConfirmation.h"
#include "desktop/BatchWords.h"
#include "desktop/Dialogs.h"
#include "desktop/PageServices.h"

#include <QWidget>

quorvex::BatchQuestion AskEachRow(BatchConfirmation& confirmation)
{
    return [&confirmation](const quorvex::BatchItem& item) {
        return confirmation.ask(BatchWords::title(item), BatchWords::question(item));
    };
}

quorvex::BatchNotice ShowNotice(const PageServices& services)
{
    return
        [&dialogs = services.dialogs, &window = services.window](const quorvex::BatchNote& note) {
            dialogs.showMessage(&window, BatchWords::note(note));
        };
}
