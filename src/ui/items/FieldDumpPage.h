#pragma once

#include <QObject>

class QLineEdit;
class QPlainTextEdit;
class QWidget;
class Shell;
struct Workspace;

// The hidden "Character" page: a field dump that lists two chosen fields of
// every loaded item row, and an account form that has no behaviour.
class FieldDumpPage : public QObject {
    Q_OBJECT

  public:
    FieldDumpPage(Shell& shell, Workspace& workspace, QWidget* sheet);

    void Button4Click();

  private:
    void buildPictures(QWidget* sheet);
    void buildAccountForm(QWidget* sheet);

    Shell& shell_;
    Workspace& workspace_;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
};
