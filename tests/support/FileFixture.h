#pragma once

#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

// The data files of the test cases and a scratch folder for files a test writes.
class FileFixture : public ::testing::Test {
  protected:
    // Path of a data file of a test case: tests/data/<folder>/<file>.
    static QString dataFile(const QString& folder, const QString& file);
    QString scratchFile(const QString& name) const { return scratch.filePath(name); }
    static std::string readBytes(const QString& path);
    static void writeBytes(const QString& path, const std::string& bytes);

    QTemporaryDir scratch;
};

// The control of that name under `root`; a missing one fails the test.
template <typename T> T* FindControl(const QObject* root, const QString& objectName) {
    T* found = root->findChild<T*>(objectName);
    EXPECT_NE(found, nullptr) << "no control " << objectName.toStdString();
    return found;
}
