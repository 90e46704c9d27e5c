#include "support/AppFixture.h"

#include <QFile>

AppFixture::AppFixture()
    : form1(std::make_unique<TForm1>()), form3(std::make_unique<TForm3>(*form1)),
      form4(std::make_unique<TForm4>(*form1)), form6(std::make_unique<TForm6>(*form1)) {
    form1->setSecondaryWindows(form3.get(), form4.get(), form6.get());
    form1->show();
}

AppFixture::~AppFixture() {
    form6.reset();
    form4.reset();
    form3.reset();
    form1.reset();
}

QString AppFixture::dataFile(const QString& folder, const QString& file) {
    return QStringLiteral(BRENNICK_TEST_DATA) + "/" + folder + "/" + file;
}

std::string AppFixture::readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void AppFixture::writeBytes(const QString& path, const std::string& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}
