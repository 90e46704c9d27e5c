#pragma once

#include "app/TForm1.h"
#include "maps/TForm3.h"
#include "portals/TForm6.h"
#include "spawns/TForm4.h"
#include "support/DialogDriver.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>

// The four windows as the program creates them, a dialog driver and a
// scratch folder for files written by the test.
class AppFixture : public ::testing::Test {
protected:
    AppFixture();
    ~AppFixture() override;

    template <typename T> T* control(const QString& objectName) const {
        T* found = nullptr;
        for (QWidget* top : {static_cast<QWidget*>(form1.get()), static_cast<QWidget*>(form3.get()),
                             static_cast<QWidget*>(form4.get()), static_cast<QWidget*>(form6.get())}) {
            if (top->objectName() == objectName) {
                found = qobject_cast<T*>(top);
            }
            if (found == nullptr) {
                found = top->findChild<T*>(objectName);
            }
            if (found != nullptr) {
                break;
            }
        }
        EXPECT_NE(found, nullptr) << "no control " << objectName.toStdString();
        return found;
    }

    // Path of a data file of a test case: tests/data/<folder>/<file>.
    static QString dataFile(const QString& folder, const QString& file);
    QString scratchFile(const QString& name) const { return scratch.filePath(name); }
    static std::string readBytes(const QString& path);
    static void writeBytes(const QString& path, const std::string& bytes);

    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm3> form3;
    std::unique_ptr<TForm4> form4;
    std::unique_ptr<TForm6> form6;
    DialogDriver dialogs;
    QTemporaryDir scratch;
};
