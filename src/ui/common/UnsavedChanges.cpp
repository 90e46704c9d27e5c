#include "common/UnsavedChanges.h"

#include "common/FileHistory.h"
#include "common/Shell.h"

bool MayDropChanges(Shell& shell, const FileHistory& file, const std::function<bool()>& save) {
    if (!file.HasUnsavedChanges()) {
        return true;
    }
    switch (shell.AskToSave(QStringLiteral("Save changes to %1?").arg(file.FileName()))) {
    case SaveChoice::Save:
        return save();
    case SaveChoice::Discard:
        return true;
    case SaveChoice::Cancel:
        break;
    }
    return false;
}
