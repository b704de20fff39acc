#include "trash/ui/TrashListStore.h"

#include "app/MainContext.h"

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
    : QObject(&context.mainWindow()), context_(context)
{
    setObjectName(kObjectName);
    context.addStateStore(
        MainContext::StateStore::TrashList, [this] { load(); }, [this] { save(); });
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
    write(trash);
    context_.TrashList() = trash.entries();
}

void TrashListStore::load()
{
    quorvex::TrashList trash;
    if (quorvex::LoadTrashList(trash, context_.TrashListPath()))
        context_.TrashList() = trash.entries();
}

void TrashListStore::save() const
{
    quorvex::TrashList trash;
    trash.replaceEntries(context_.TrashList());
    write(trash);
}

void TrashListStore::write(const quorvex::TrashList& trash) const
{
    // A failed write keeps the old file; the close of the window tries again.
    (void)quorvex::SaveTrashList(trash, context_.TrashListPath());
}
