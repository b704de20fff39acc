#include "desktop/StateFileCare.h"

#include "desktop/Dialogs.h"
#include "desktop/SaveFailures.h"
#include "platform/FailureReason.h"
#include "platform/PathText.h"
#include "platform/desktop/ShownText.h"

#include <utility>

using quorvex::platform::StateFileRead;

StateFileCare::StateFileCare(Dialogs& dialogs, QWidget& window, SaveFailures& failures,
                             std::string path)
    : dialogs_(dialogs), window_(window), failures_(failures), path_(std::move(path))
{
}

void StateFileCare::read(const std::function<StateFileRead()>& load)
{
    quorvex::platform::RemoveLeftoverTempFiles(path_);
    if (load() != StateFileRead::InPart)
        return;
    keepCopyFirst_ = true;
    const QString path = ShownText(path_);
    dialogs_.showMessage(
        &window_, tr("[ %1 ]\n\nファイルが大きすぎるか読めないため、一部だけを読み込みました。"
                     "上書きする前に、元のファイルを「%2.damaged-番号」として残します。")
                      .arg(path, ShownText(quorvex::platform::LastComponent(path_))));
}

bool StateFileCare::write(const std::function<bool()>& save)
{
    if (keepCopyFirst_) {
        if (!quorvex::platform::KeepDamagedCopy(path_))
            return false;
        keepCopyFirst_ = false;
    }
    return save();
}

void StateFileCare::writeAtClose(const std::function<bool()>& save)
{
    if (!write(save))
        failures_.add(path_, quorvex::platform::LastFailureText());
}
