#pragma once
// The trash list of the main window (TForm1::TrashList) as the pages change it: read
// from "gomi.txt" at start-up, written at close, and also written right after every
// batch that changed it, so that a crash later loses none of its entries. The main
// window owns the one store and hands it to the pages (PageServices::trash).
//
//   services.trash.edit([&](quorvex::TrashList& trash) { ... });

#include "desktop/StateFileCare.h"
#include "trash/TrashStore.h"

#include <QObject>

#include <functional>
#include <string>
#include <vector>

class PageRegistrations;

class TrashListStore : public QObject
{
    Q_OBJECT

public:
    // Keeps `entries` in the file `care.path()`; registers its load at start-up and
    // its save at close.
    TrashListStore(PageRegistrations& registrations, StateFileCare care,
                   std::vector<std::string>& entries, QObject* parent);

    // The entries "path=attributes", oldest first.
    const std::vector<std::string>& entries() const;

    // Runs `batch` on the list, then writes the file.
    void edit(const std::function<void(quorvex::TrashList&)>& batch);

private:
    void load();

    std::vector<std::string>& entries_;
    StateFileCare care_;
};
