#include "common/FileHistory.h"

#include <QFileInfo>

#include <utility>

FileHistory::FileHistory(QString usualName) : usualName_(std::move(usualName)) {}

QString FileHistory::FileName() const {
    return path_.isEmpty() ? usualName_ : QFileInfo(path_).fileName();
}

void FileHistory::Loaded(const QString& path) {
    stack_.clear();
    path_ = path;
}

void FileHistory::Saved(const QString& path) {
    stack_.setClean();
    path_ = path;
}
