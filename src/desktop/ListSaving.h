#pragma once
// "リストを保存…" of the result lists: a save dialog, then the list's table written
// whole as UTF-8 TSV, or as CSV when the file name ends in ".csv". The file is
// written atomically, so a failure leaves the old file (or none) and never a part
// of the list; the failure is reported with the file's path.
// "リストを開く…": an open dialog, then the file's text handed to the list, which
// reads it (TSV or JSON) in place of its rows; a file that cannot be read or holds no
// such list is reported with its path and leaves the list as it was, and rows that
// are not as listed any more are counted in one message.

#include "common/ResultWriter.h"

#include <QString>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

class Dialogs;
class QWidget;

// Asks for the file (offering `suggestedName`) and writes the table that `table`
// makes then. True when the list was saved; false when cancelled or failed.
bool SaveResultList(Dialogs& dialogs, QWidget* owner, const QString& suggestedName,
                    const std::function<quorvex::ResultWriter()>& table);

// What a list made of a file's text: what is wrong with the text (empty when the list
// took it) and how many of its rows are not as listed (vanished or changed).
struct OpenedList
{
    std::string error;
    std::size_t notAsListed = 0;
};

// Asks for the file and hands its bytes to `open`. True when the list took it.
bool OpenResultList(Dialogs& dialogs, QWidget* owner,
                    const std::function<OpenedList(std::string_view text)>& open);
