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

    // Lists the two fields whose numbers the edits hold, one line per item row.
    void dumpFields();

  private:
    void buildPictures(QWidget* sheet);
    void buildAccountForm(QWidget* sheet);

    Shell& shell_;
    Workspace& workspace_;
    QLineEdit* firstFieldEdit = nullptr;
    QLineEdit* secondFieldEdit = nullptr;
    QPlainTextEdit* dumpText = nullptr;
};
