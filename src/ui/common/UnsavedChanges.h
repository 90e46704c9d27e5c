#pragma once

#include <functional>

class FileHistory;
class Shell;

// Whether the table of `file` may be replaced or left: it has no unsaved
// changes, or the operator answers "Save changes to <file name>?" with
// "Discard", or with "Save" and `save` saves them (returning true; false when
// its dialog was cancelled). A save that fails throws.
bool MayDropChanges(Shell& shell, const FileHistory& file, const std::function<bool()>& save);
