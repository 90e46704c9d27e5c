#pragma once

#include "MainWindow.h"
#include "support/DialogDriver.h"
#include "support/FileFixture.h"

#include <QApplication>

#include <memory>

// The program's windows as it creates them, with a dialog driver that answers
// their real boxes and file dialogs. The map pictures are read from
// `programFolder`, the scratch folder when none is given.
class AppFixture : public FileFixture {
  protected:
    explicit AppFixture(const QString& programFolder = QString());
    ~AppFixture() override;

    // A control of the main window.
    template <typename T> T* control(const QString& objectName) const {
        return FindControl<T>(form1.get(), objectName);
    }

    // A secondary window of the program: "Form3", "Form4" or "Form6".
    template <typename T> T* window(const QString& objectName) const {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == objectName) {
                if (auto* found = qobject_cast<T*>(top)) {
                    return found;
                }
            }
        }
        ADD_FAILURE() << "no window " << objectName.toStdString();
        return nullptr;
    }

    Workspace& workspace() { return form1->workspace(); }

    std::unique_ptr<MainWindow> form1;
    DialogDriver dialogs;
};
