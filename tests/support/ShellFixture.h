#pragma once

#include "workspace/Workspace.h"
#include "support/FakeShell.h"
#include "support/FileFixture.h"

#include <QWidget>

#include <memory>

// A page or window under test, built on a fake shell and a workspace of its
// own; a page is built on `sheet`, as on its tab page.
class ShellFixture : public FileFixture {
  protected:
    template <typename T> T* control(const QString& objectName) const {
        return FindControl<T>(&sheet, objectName);
    }

    FakeShell shell;
    std::unique_ptr<Workspace> workspace = std::make_unique<Workspace>();
    QWidget sheet;
};
