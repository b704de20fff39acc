#include "app/CloseSequence.h"

#include "desktop/Dialogs.h"
#include "desktop/PageRegistrations.h"
#include "desktop/SaveFailures.h"

#include <utility>

CloseSequence::CloseSequence(Dialogs& dialogs, QWidget& window, PageRegistrations& registrations,
                             SaveFailures& failures, std::function<void()> writeSettings)
    : dialogs_(dialogs), window_(window), registrations_(registrations), failures_(failures),
      writeSettings_(std::move(writeSettings))
{
}

void CloseSequence::run()
{
    failures_.clear();
    writeSettings_();
    registrations_.runStores(StateStore::TrashList, false);
    registrations_.runStores(StateStore::Histories, false);
    if (!failures_.lines().isEmpty())
        dialogs_.showMessage(&window_, tr("次のファイルを保存できませんでした。"
                                          "以前の内容はそのまま残っています。\n\n") +
                                           failures_.lines().join(u'\n'));
}
