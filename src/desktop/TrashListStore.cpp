#include "desktop/TrashListStore.h"

#include "desktop/PageRegistrations.h"

#include <utility>

TrashListStore::TrashListStore(PageRegistrations& registrations, StateFileCare care,
                               std::vector<std::string>& entries, QObject* parent)
    : QObject(parent), entries_(entries), care_(std::move(care))
{
    registrations.addStore(
        StateStore::TrashList, [this] { load(); },
        [this] {
            quorvex::TrashList trash;
            trash.replaceEntries(entries_);
            care_.writeAtClose([&] { return quorvex::SaveTrashList(trash, care_.path()); });
        });
}

const std::vector<std::string>& TrashListStore::entries() const
{
    return entries_;
}

void TrashListStore::edit(const std::function<void(quorvex::TrashList&)>& batch)
{
    quorvex::TrashList trash;
    trash.replaceEntries(std::move(entries_));
    batch(trash);
    // A failed write keeps the old file; the close of the window tries again.
    (void)care_.write([&] { return quorvex::SaveTrashList(trash, care_.path()); });
    entries_ = trash.entries();
}

void TrashListStore::load()
{
    care_.read([this] {
        quorvex::TrashList trash;
        const quorvex::platform::StateFileRead read = quorvex::LoadTrashList(trash, care_.path());
        entries_ = trash.entries();
        return read;
    });
}
