#include "app/LoadWarnings.h"

#include "app/Shell.h"
#include "app/TextCodec.h"
#include "records/FileBytes.h"

void WarnLoadNotes(Shell& shell, const QString& path, const LoadNotes& notes) {
    if (!notes.empty()) {
        shell.Warning(ToQ(LoadWarning(FileNameOf(FromQ(path)), notes)));
    }
}
