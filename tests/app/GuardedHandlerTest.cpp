#include "common/GuardedHandler.h"
#include "records/Errors.h"
#include "support/FakeShell.h"

#include <QSpinBox>

#include <gtest/gtest.h>

namespace {
class Receiver : public QObject {
  public:
    void Changed(int value) {
        values.push_back(value);
        if (value < 0) {
            throw ConvertError(std::to_string(value));
        }
    }
    std::vector<int> values;
};

TEST(GuardedHandler, FailureEndsOnlyTheHandlerAndIsShown) {
    FakeShell shell;
    QSpinBox spin;
    spin.setRange(-10, 10);
    Receiver receiver;
    int plainRuns = 0;
    QObject::connect(&spin, &QSpinBox::valueChanged, &receiver,
                     Guarded(shell, &receiver, &Receiver::Changed));
    // A handler may take fewer arguments than the signal has.
    QObject::connect(&spin, &QSpinBox::valueChanged, &receiver,
                     Guarded(shell, [&plainRuns] { ++plainRuns; }));
    QObject::connect(&spin, &QSpinBox::valueChanged, &receiver, Guarded(shell, [](int value) {
        if (value == 7) {
            throw 7;
        }
    }));

    for (const int value : {3, -2, 7, 4}) {
        spin.setValue(value);
    }
    EXPECT_EQ(receiver.values, (std::vector<int>{3, -2, 7, 4}));
    EXPECT_EQ(plainRuns, 4);
    EXPECT_EQ(shell.messages(), (QStringList{"Brennick v1.14a: '-2' is not a valid integer value",
                                             "Brennick v1.14a: Unknown failure"}));
}
} // namespace
