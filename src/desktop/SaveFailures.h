#pragma once
// The state files that a close could not write, each with its reason. The stores add
// to it while the close runs; the window then tells the user about all of them at
// once. The old files are still in place.

#include <QStringList>

#include <string>

class SaveFailures
{
public:
    void add(const std::string& file, const std::string& reason);
    void clear() { lines_.clear(); }
    // "file: reason", in the order the stores ran.
    const QStringList& lines() const { return lines_; }

private:
    QStringList lines_;
};
