// The favourite material: chosen at start-up, offered for keeping at every close.

#include "DriveFixture.h"

#include <QDir>
#include <QFile>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace kelvane::testing {
namespace {

using FavouriteTest = DriveTest;

QJsonObject Question(const char* answer) {
    return QJsonObject{{"type", "confirm"},
                       {"title", "Confirm"},
                       {"text", "Save new Favourite Material?"},
                       {"answer", answer}};
}

TEST_F(FavouriteTest, FirstRunAsksAndYesKeepsTheNameInTheProgramFolder) {
    start();
    send(R"(["menu","Material","Nylon 6"])");
    EXPECT_TRUE(value(R"(["close"])").toObject()["closed"].toBool());
    EXPECT_EQ(lastEvents(), (QJsonArray{Question("no"), QJsonObject{{"type", "closed"}}}));
    EXPECT_FALSE(fileExists("bin/Material.txt"));
    EXPECT_FALSE(fileExists("Data/Material.txt"));

    session_.reset();
    start();
    EXPECT_EQ(statusPanel(0), "Material: Acetal");
    send(R"(["menu","Material","Nylon 6"])");
    send(R"(["answer","yes"])");
    send(R"(["close"])");
    EXPECT_EQ(lastEvents().first().toObject(), Question("yes"));
    EXPECT_EQ(readFile("bin/Material.txt"), "Nylon 6\r\n");

    session_.reset();
    start();
    EXPECT_EQ(statusPanel(0), "Material: Nylon 6");
    EXPECT_EQ(statusPanel(1), "Density: 1.5 g/cm³");
    EXPECT_TRUE(value(R"(["menuitems","Material"])").toArray()[2].toObject()["checked"].toBool());
    send(R"(["close"])");
    EXPECT_EQ(lastEvents(), (QJsonArray{QJsonObject{{"type", "closed"}}})); // nothing asked
}

TEST_F(FavouriteTest, StartingMaterialFromTheFavouriteFile) {
    struct Case {
        const char* favouriteFile;
        const char* material;
        bool asksOnClose;
    };
    const Case cases[] = {
        {"Mild Steel\r\n", "Material: Mild Steel", false},
        {"mild steel\r\n", "Material: Acetal", true}, // case counts
        {"", "Material: Acetal", true},
        {"Nylon 6\r\nMild Steel\r\n", "Material: Mild Steel", false}, // the last line counts
        {"Mild Steel", "Material: Mild Steel", false},
    };
    for (const Case& c : cases) {
        writeFile("Data/Material.txt", c.favouriteFile);
        start();
        EXPECT_EQ(statusPanel(0), c.material) << c.favouriteFile;
        send(R"(["close"])");
        EXPECT_EQ(lastEvents().size(), c.asksOnClose ? 2 : 1) << c.favouriteFile;
        EXPECT_EQ(readFile("Data/Material.txt"), c.favouriteFile); // No keeps the file as it was
        session_.reset();
    }
}

TEST_F(FavouriteTest, AStartUpErrorNeverCostsTheFavourite) {
    struct Case {
        const char* what;
        const char* table;         // nullptr: no density file
        const char* favouriteFile; // nullptr: no favourite file
        const char* material;
    };
    const Case cases[] = {
        {"no density file", nullptr, "Nylon 6\r\n", "Material: "},
        {"no density file, no favourite", nullptr, nullptr, "Material: "},
        {"empty density file", "", "Nylon 6\r\n", "Material: "},
        {"blank last line", "Acetal,1.38\r\nNylon 6,1.14\r\n\r\n", "Nylon 6\r\n",
         "Material: Nylon 6"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile("Data/Density_Plastics.csv", c.table ? c.table : "");
        if (!c.table)
            QFile::remove(QString::fromStdString(path("Data/Density_Plastics.csv")));
        QFile::remove(QString::fromStdString(path("Data/Material.txt")));
        if (c.favouriteFile)
            writeFile("Data/Material.txt", c.favouriteFile);
        start();
        EXPECT_EQ(statusPanel(0), c.material);
        send(R"(["answer","yes"])");
        send(R"(["close"])");
        EXPECT_EQ(lastEvents(), (QJsonArray{QJsonObject{{"type", "closed"}}})); // nothing asked
        EXPECT_EQ(readFile("Data/Material.txt"), c.favouriteFile ? c.favouriteFile : "<missing>");
        EXPECT_FALSE(fileExists("bin/Material.txt"));
        session_.reset();
    }
}

TEST_F(FavouriteTest, DuplicateNamesPickTheLastAndTheDataFolderFileIsRewritten) {
    writeFile("Data/Density_Plastics.csv", "Steel,7.85\r\nAcetal,1.38\r\nSteel,2.7\r\n");
    writeFile("Data/Material.txt", "Steel\r\n");
    start();
    EXPECT_EQ(statusPanel(1), "Density: 3 g/cm³");
    EXPECT_TRUE(value(R"(["menuitems","Material"])").toArray()[2].toObject()["checked"].toBool());
    send(R"(["menu","Material","Acetal"])");
    send(R"(["answer","yes"])");
    send(R"(["close"])");
    EXPECT_EQ(readFile("Data/Material.txt"), "Acetal\r\n");
    EXPECT_FALSE(fileExists("bin/Material.txt"));
}

TEST_F(FavouriteTest, NonAsciiNamesSurviveByteForByte) {
    writeFile("Data/Density_Plastics.csv", "Acetal,1.38\r\nPolyamid \xDF,1.14\r\n");
    start();
    EXPECT_EQ(value(R"(["menuitems","Material"])").toArray()[1].toObject()["caption"].toString(),
              QString::fromUtf8("Polyamid \xC3\x9F"));
    send(R"(["menu","Material","#1"])");
    send(R"(["answer","yes"])");
    send(R"(["close"])");
    EXPECT_EQ(readFile("bin/Material.txt"), "Polyamid \xDF\r\n");
    session_.reset();
    start();
    EXPECT_EQ(statusPanel(0), QString::fromUtf8("Material: Polyamid \xC3\x9F").toStdString());
    send(R"(["close"])");
    EXPECT_EQ(lastEvents().size(), 1);
}

TEST_F(FavouriteTest, AFailedSaveKeepsTheWindowOpenAndAsksAgain) {
    // A folder where the favourite file should be: it cannot be written, whoever runs it.
    QDir(QString::fromStdString(path("bin"))).mkpath(QStringLiteral("Material.txt"));
    start();
    EXPECT_EQ(lastEvents().size(), 1); // the unreadable favourite is reported at start-up
    EXPECT_EQ(lastEvents()[0].toObject()["type"].toString(), "error");
    EXPECT_EQ(statusPanel(0), "Material: Acetal");
    send(R"(["answer","yes"])");
    EXPECT_FALSE(value(R"(["close"])").toObject()["closed"].toBool());
    const QJsonArray events = lastEvents();
    ASSERT_EQ(events.size(), 3);
    EXPECT_EQ(events[1].toObject()["type"].toString(), "confirm");
    EXPECT_EQ(events[2].toObject()["text"].toString(), "File access denied.");
    send(R"(["close"])"); // asks again; No lets it close
    EXPECT_EQ(lastEvents().last().toObject()["type"].toString(), "closed");
}

TEST_F(FavouriteTest, ReadOnlyFolderShowsCannotCreate) {
#ifdef _WIN32
    GTEST_SKIP()
        << "a read-only attribute on a Windows folder does not stop files being made in it";
#else
    if (geteuid() == 0)
        GTEST_SKIP() << "file permissions do not bind the superuser";
#endif
    start();
    QFile::setPermissions(QString::fromStdString(path("bin")), QFile::ReadOwner | QFile::ExeOwner);
    send(R"(["answer","yes"])");
    EXPECT_FALSE(value(R"(["close"])").toObject()["closed"].toBool());
    EXPECT_EQ(lastEvents().last().toObject()["text"].toString().toStdString(),
              "Cannot create file \"" + path("bin/") + "Material.txt\". Permission denied.");
    QFile::setPermissions(QString::fromStdString(path("bin")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace
} // namespace kelvane::testing
