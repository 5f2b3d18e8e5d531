#pragma once
// Where the option files live and how their loading and saving talks to the teacher.

#include "prompts.h"

#include <QString>

#include <functional>
#include <string>
#include <vector>

namespace marklow {

// The user's data folder of the program (where "default.ltd" is kept too).
QString DefaultDataFolder();

// The folder `name` ("Categories", "Letters") under the data folder, created with any missing
// parents; the data folder itself when it cannot be created.
QString OptionFolder(const QString& dataFolder, const QString& name);

// The name with the suffix added when it has none.
QString WithSuffix(const QString& name, const QString& suffix);

// Runs a file reader or writer; a failure is shown in an error box ("File Read Error" for a
// damaged file, the system's message for one that cannot be opened) and false returned.
bool RunFileAction(const std::function<void()>& action);

// After a save: the system's message when it failed, else a warning naming the texts the file
// could not hold whole.
void ReportOptionSave(const std::string& error, const std::vector<std::string>& lostTexts);

} // namespace marklow
