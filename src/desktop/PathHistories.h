#pragma once
// The four remembered-path lists, history files 1 .. 4 (paths A and B of page 0, the
// file and the folder of page 1): read at start, pruned and written at close. The
// path inputs show them and add to them, the history page edits them; everyone who
// shows a list follows replaced() and appended().
//
//   histories.add(2, path);                   // after a run: appended(2, path)
//   histories.setEntries(1, editedLines);    // the history page's "適用": replaced(1)

#include "desktop/StateFileCare.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

class PageRegistrations;

class PathHistories : public QObject
{
    Q_OBJECT

public:
    static constexpr int Count = 4;

    // `care(n)` looks after history file n; the lists load with the host's history
    // stores and are saved with them, in the order 1 .. 4.
    PathHistories(PageRegistrations& host, const std::string& userDataDir,
                  const std::function<StateFileCare(std::string path)>& care, QObject* parent);

    // The entries of history n (1 .. 4), oldest first.
    QStringList entries(int n) const;
    // Replaces the entries. An entry that shows the same text as one read from the
    // file keeps the bytes read, so that a name in other bytes than UTF-8 survives.
    void setEntries(int n, const QStringList& texts);
    // Appends `path` unless an entry equals it without regard to case.
    void add(int n, const QString& path);

signals:
    // History n was read or given new entries.
    void replaced(int n);
    // `entry` was appended to history n.
    void appended(int n, const QString& entry);

private:
    struct Entry
    {
        QString text;
        std::string bytes; // as read from the file, or as the text's
    };
    struct History
    {
        StateFileCare care;
        std::vector<Entry> entries;
    };

    History& history(int n);
    const History& history(int n) const;
    void load(int n);
    bool save(int n) const;

    std::string userDataDir_;
    std::vector<History> histories_;
};
