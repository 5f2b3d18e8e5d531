#pragma once
// Where the help collection is, and the copy of it that the help engine may write to.
// The engine writes into its collection file and keeps a search index beside it, so it
// never opens the installed files (which may be read-only) but a copy in the user's
// cache folder, made again whenever the installed help changes.
//
// There is a collection per language: English in help/ itself, every other language in
// help/<code>/ (share/marklow/help/de/marklow.qhc). A language without one gets English.

#include <QString>
#include <QStringList>

namespace marklow {

// The collection's file names, in the build tree and under share/marklow/help.
inline constexpr const char* kHelpCollectionName = "marklow.qhc";
inline constexpr const char* kHelpDocumentationName = "marklow.qch";

// The help's folder name of a language code: "" for English (and for "", "en" or a code
// that is not two or three letters, which cannot name a folder of ours), else the code.
QString HelpLanguageFolder(const QString& language);

// The places of one language's collection, in order: beside an installed program
// (<program folder>/../share/marklow/help[/<code>]), then the build tree's generated
// help. The program folder is the running program's unless given.
QStringList HelpCollectionCandidates(const QString& programFolder = {},
                                     const QString& language = {});

// The first candidate of the language that exists, else the first English one; empty when
// there is none. *found is set to the language of the collection returned ("en" for
// English).
QString FindHelpCollection(const QString& language = {}, QString* found = nullptr,
                           const QString& programFolder = {});

// Copies the collection (the .qhc and the .qch beside it) into userFolder unless an
// up-to-date copy is there already, and returns the copy's .qhc. Empty, with *error
// set, when the files cannot be copied.
QString PrepareUserCollection(const QString& collection, const QString& userFolder,
                              QString* error = nullptr);

// The user's help folder of a language: <base> for English, <base>/<code> for another,
// so that each language keeps its own copy and search index. The base is <cache>/help
// unless given.
QString UserHelpFolder(const QString& language = {}, const QString& base = {});

} // namespace marklow
