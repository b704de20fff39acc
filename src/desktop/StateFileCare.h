#pragma once
// What every store of the main window does for its state file: before the first
// read, the temporary files of rewrites that a killed process left are removed; a
// file read only in part is reported once and kept aside before its first rewrite,
// so that nothing the program could not read is lost; a write that fails at close is
// handed to the main window, which reports the failures of a close together.
//
//   StateFileCare care(dialogs, window, saveFailures, path);
//   care.read([&] { return LoadTrashList(trash, path); });     // at start
//   care.write([&] { return SaveTrashList(trash, path); });   // any time
//   care.writeAtClose([&] { return SaveTrashList(trash, path); });

#include "platform/TextFile.h"

#include <QCoreApplication>

#include <functional>
#include <string>

class Dialogs;
class QWidget;
class SaveFailures;

class StateFileCare
{
    Q_DECLARE_TR_FUNCTIONS(StateFileCare)

public:
    // Tells of a file read in part through `dialogs` over `window`, and of a write at
    // close that failed to `failures`.
    StateFileCare(Dialogs& dialogs, QWidget& window, SaveFailures& failures, std::string path);

    const std::string& path() const { return path_; }

    // Runs `load`, which reads the file.
    void read(const std::function<quorvex::platform::StateFileRead()>& load);
    // Runs `save`, which rewrites the file, unless the copy of a file read in part
    // cannot be made. False (LastFailureText() says why) when nothing was written.
    bool write(const std::function<bool()>& save);
    // write(), adding the file to the close's failures when it fails.
    void writeAtClose(const std::function<bool()>& save);

private:
    Dialogs& dialogs_;
    QWidget& window_;
    SaveFailures& failures_;
    std::string path_;
    bool keepCopyFirst_ = false;
};
