#include "DriveFixture.h"

#include <QDir>
#include <QFile>

namespace kelvane::testing {

void DriveTest::SetUp() {
    ASSERT_TRUE(folder_.isValid());
    QDir(folder_.path()).mkpath(QStringLiteral("bin"));
    QDir(folder_.path()).mkpath(QStringLiteral("Data"));
}

void DriveTest::TearDown() {
    session_.reset();
}

std::string DriveTest::path(const std::string& relativePath) const {
    return folder_.path().toStdString() + "/" + relativePath;
}

void DriveTest::writeFile(const std::string& relativePath, const std::string& bytes) {
    QFile file(QString::fromStdString(path(relativePath)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    if (relativePath == "Data/Density_Plastics.csv")
        tableWritten_ = true;
}

std::string DriveTest::readFile(const std::string& relativePath) const {
    QFile file(QString::fromStdString(path(relativePath)));
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll().toStdString();
}

bool DriveTest::fileExists(const std::string& relativePath) const {
    return QFile::exists(QString::fromStdString(path(relativePath)));
}

void DriveTest::startSession(const std::string& decimal, const std::string& thousands) {
    if (!tableWritten_)
        writeFile("Data/Density_Plastics.csv", kDefaultTable);
    session_ = std::make_unique<DriveSession>(Separators{decimal, thousands}, path("bin/"));
    // The layout tests run again in each language (KELVANE_TEST_LANGUAGE); English else.
    if (const QByteArray language = qgetenv("KELVANE_TEST_LANGUAGE"); !language.isEmpty())
        session_->platform().setLanguage(language.toStdString());
}

void DriveTest::start(const std::string& decimal, const std::string& thousands) {
    startSession(decimal, thousands);
    send(R"(["start"])");
}

QJsonObject DriveTest::send(const std::string& json) {
    const QByteArray reply = session_->handleLine(QByteArray::fromStdString(json));
    const QJsonObject object = QJsonDocument::fromJson(reply).object();
    lastEvents_ = object["events"].toArray();
    EXPECT_TRUE(object["ok"].toBool()) << json << " -> " << reply.toStdString();
    return object;
}

void DriveTest::typeInto(const std::string& box, const std::string& keys) {
    send(R"(["focus",)" + quoted(box) + "]");
    send(R"(["type",)" + quoted(keys) + "]");
}

std::string DriveTest::text(const std::string& control) {
    return value(R"(["get",)" + quoted(control) + "]").toObject()["text"].toString().toStdString();
}

std::string DriveTest::statusPanel(int panel) {
    return value(R"(["statusbar"])")
        .toObject()["panels"]
        .toArray()[panel]
        .toObject()["text"]
        .toString()
        .toStdString();
}

std::string quoted(const std::string& text) {
    const QJsonArray wrapper{QString::fromStdString(text)};
    const QByteArray json = QJsonDocument(wrapper).toJson(QJsonDocument::Compact);
    return json.mid(1, json.size() - 2).toStdString();
}

} // namespace kelvane::testing
