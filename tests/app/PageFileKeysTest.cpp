#include "support/AppFixture.h"

#include <QAction>
#include <QTabWidget>
#include <QTest>
#include <QWindow>

namespace {
class PageFileKeysTest : public AppFixture {};

TEST_F(PageFileKeysTest, CtrlOAndCtrlSRunTheDialogsOfThePageInFront) {
    struct Case {
        QString page, mapPage, load, save;
        QStringList dialogs;
    };
    for (const Case& test : std::vector<Case>{
             {"TabSheet4", "", "Load InitMonster", "Save InitMonster", {"OpenDialog1", "SaveDialog1"}},
             {"TabSheet9",
              "TabSheet10",
              "Load GenMonster",
              "Save GenMonster",
              {"OpenDialog3", "SaveDialog2"}},
             {"TabSheet9", "TabSheet12", "Load Etc", "Save Etc", {"OpenDialog3", "SaveDialog3"}},
             {"TabSheet2", "", "Load InitItem", "Save", {"OpenInitItem"}}}) {
        control<QTabWidget>("PageControl1")->setCurrentWidget(control<QWidget>(test.page));
        if (!test.mapPage.isEmpty()) {
            control<QTabWidget>("PageControl2")->setCurrentWidget(control<QWidget>(test.mapPage));
        }
        EXPECT_EQ(control<QAction>("LoadPageFile1")->text() + control<QAction>("SavePageFile1")->text(),
                  test.load + test.save);
        EXPECT_EQ(control<QAction>("SavePageFile1")->isEnabled(), test.dialogs.size() == 2)
            << test.save.toStdString();
        QStringList opened;
        for (qsizetype i = 0; i < test.dialogs.size(); ++i) {
            dialogs.then([&opened](QWidget* dialog) {
                opened << dialog->objectName();
                DialogDriver::cancel()(dialog);
            });
        }
        for (const Qt::Key key : {Qt::Key_O, Qt::Key_S}) {
            // Without a window manager the window is made active again by hand once a dialog closed.
            form1->windowHandle()->requestActivate();
            ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == form1.get(); }));
            QTest::keyClick(form1.get(), key, Qt::ControlModifier);
        }
        EXPECT_EQ(opened, test.dialogs) << test.load.toStdString();
    }
    EXPECT_EQ(dialogs.unexpectedDialogs(), 0);
}
} // namespace
