#pragma once

#include "records/LoadNotes.h"

#include <QString>

class Shell;

// The warning box of a load's notes, each line naming the file read; nothing
// when there are none.
void WarnLoadNotes(Shell& shell, const QString& path, const LoadNotes& notes);
