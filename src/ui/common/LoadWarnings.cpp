#include "common/LoadWarnings.h"

#include "common/Shell.h"
#include "common/TextCodec.h"

#include <QFileInfo>

void WarnLoadNotes(Shell& shell, const QString& path, const LoadNotes& notes) {
    if (!notes.empty()) {
        const std::string warning = LoadWarning(QFileInfo(path).fileName().toStdString(), notes);
        shell.Warning(QString::fromStdString(warning));
    }
}
