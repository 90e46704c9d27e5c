// Ctrl+O and Ctrl+S in the real main window: the load and the save of the
// page in front, as the "Load" menu names them.
#include "support/AppFixture.h"

#include <QAction>
#include <QApplication>
#include <QTabWidget>
#include <QTest>
#include <QWindow>

namespace {
class PageFileKeysTest : public AppFixture {};

TEST_F(PageFileKeysTest, TheKeysRunTheDialogsOfThePageInFront) {
    struct Case {
        QString page, mapPage, load, save;
        QStringList dialogs;
    };
    const std::vector<Case> cases{
        {"TabSheet4", "", "Load InitMonster", "Save InitMonster", {"OpenDialog1", "SaveDialog1"}},
        {"TabSheet9", "TabSheet10", "Load GenMonster", "Save GenMonster", {"OpenDialog3", "SaveDialog2"}},
        {"TabSheet9", "TabSheet12", "Load Etc", "Save Etc", {"OpenDialog3", "SaveDialog3"}},
        {"TabSheet2", "", "Load InitItem", "Save", {"OpenInitItem"}},
    };
    for (const Case& test : cases) {
        control<QTabWidget>("PageControl1")->setCurrentWidget(control<QWidget>(test.page));
        if (!test.mapPage.isEmpty()) {
            control<QTabWidget>("PageControl2")->setCurrentWidget(control<QWidget>(test.mapPage));
        }
        const auto* load = control<QAction>("LoadPageFile1");
        const auto* save = control<QAction>("SavePageFile1");
        EXPECT_EQ(load->text(), test.load);
        EXPECT_EQ(save->text(), test.save);
        EXPECT_TRUE(load->isEnabled());
        EXPECT_EQ(save->isEnabled(), test.dialogs.size() == 2) << test.save.toStdString();

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
