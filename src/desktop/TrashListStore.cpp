#include "desktop/TrashListStore.h"

#include "desktop/MainContext.h"

#include <QWidget>

namespace {
const QString kObjectName = QStringLiteral("TrashListStore");
}

TrashListStore& TrashListStore::of(MainContext& context)
{
    QWidget& window = context.mainWindow();
    if (auto* existing = window.findChild<TrashListStore*>(kObjectName, Qt::FindDirectChildrenOnly))
        return *existing;
    return *new TrashListStore(context);
}

TrashListStore::TrashListStore(MainContext& context)
    : QObject(&context.mainWindow()), context_(context), care_(context, context.TrashListPath())
{
    setObjectName(kObjectName);
    context.addStateStore(
        MainContext::StateStore::TrashList, [this] { load(); },
        [this] {
            quorvex::TrashList trash;
            trash.replaceEntries(context_.TrashList());
            care_.writeAtClose([&] { return quorvex::SaveTrashList(trash, care_.path()); });
        });
}

const std::vector<std::string>& TrashListStore::entries() const
{
    return context_.TrashList();
}

void TrashListStore::edit(const std::function<void(quorvex::TrashList&)>& batch)
{
    quorvex::TrashList trash;
    trash.replaceEntries(std::move(context_.TrashList()));
    batch(trash);
    // A failed write keeps the old file; the close of the window tries again.
    (void)care_.write([&] { return quorvex::SaveTrashList(trash, care_.path()); });
    context_.TrashList() = trash.entries();
}

void TrashListStore::load()
{
    care_.read([this] {
        quorvex::TrashList trash;
        const quorvex::platform::StateFileRead read = quorvex::LoadTrashList(trash, care_.path());
        context_.TrashList() = trash.entries();
        return read;
    });
}
