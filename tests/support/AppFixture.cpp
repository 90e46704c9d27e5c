#include "support/AppFixture.h"

AppFixture::AppFixture(const QString& programFolder)
    : form1(std::make_unique<MainWindow>(programFolder.isEmpty() ? scratch.path() : programFolder)) {
    form1->show();
    form1->buildRemainingParts();
}

AppFixture::~AppFixture() = default;
