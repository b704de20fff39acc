#pragma once
// The trash list of the main window (MainContext::TrashList) as the pages change it:
// read from "gomi.txt" at start-up, written at close, and also written right after
// every batch that changed it, so that a crash later loses none of its entries.
// One per main window; the first call of `of` registers the load and the save.
//
//   TrashListStore::of(context).edit([&](quorvex::TrashList& trash) { ... });

#include "desktop/StateFileCare.h"
#include "trash/TrashStore.h"

#include <QObject>

#include <functional>
#include <string>
#include <vector>

class MainContext;

class TrashListStore : public QObject
{
    Q_OBJECT

public:
    static TrashListStore& of(MainContext& context);

    // The entries "path=attributes", oldest first.
    const std::vector<std::string>& entries() const;

    // Runs `batch` on the list, then writes the file.
    void edit(const std::function<void(quorvex::TrashList&)>& batch);

private:
    explicit TrashListStore(MainContext& context);

    void load();

    MainContext& context_;
    StateFileCare care_;
};
