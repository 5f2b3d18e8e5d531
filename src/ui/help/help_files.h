#pragma once
// Where the help collection is, and the copy of it that the help engine may write to.
// The engine writes into its collection file and keeps a search index beside it, so it
// never opens the installed files (which may be read-only) but a copy in the user's
// cache folder, made again whenever the installed help changes.

#include <QString>
#include <QStringList>

namespace marklow {

// The collection's file names, in the build tree and under share/marklow/help.
inline constexpr const char* kHelpCollectionName = "marklow.qhc";
inline constexpr const char* kHelpDocumentationName = "marklow.qch";

// The places looked in, in order: beside an installed program
// (<program folder>/../share/marklow/help), then the build tree's generated help. The
// program folder is the running program's unless given.
QStringList HelpCollectionCandidates(const QString& programFolder = {});

// The first candidate that exists; empty when there is none.
QString FindHelpCollection();

// Copies the collection (the .qhc and the .qch beside it) into userFolder unless an
// up-to-date copy is there already, and returns the copy's .qhc. Empty, with *error
// set, when the files cannot be copied.
QString PrepareUserCollection(const QString& collection, const QString& userFolder,
                              QString* error = nullptr);

// The user's help folder: <cache>/help.
QString UserHelpFolder();

} // namespace marklow
