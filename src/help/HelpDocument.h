#pragma once
// Where the help document of the interface language is (Quorvex.htm in Japanese,
// Quorvex_en.htm in English) and the address of one of its sections.

#include <QString>
#include <QUrl>

#include <string>

// The help document of a program in `exeDir` (with trailing '/'): exeDir +
// "Help/Quorvex.htm" (in Japanese) when it exists, else the installed copy in `installedDir` when
// that exists, else the first path (so that the reader learns where it belongs).
QString HelpDocumentPath(const std::string& exeDir, const QString& installedDir);
// The same with the installed copy of this build: <prefix>/share/quorvex/Help/ for a
// program in <prefix>/bin/.
QString HelpDocumentPath(const std::string& exeDir);

// The file address of the help document with `anchor` as its fragment.
QUrl HelpAddress(const std::string& exeDir, const QString& anchor);
