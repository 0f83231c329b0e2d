// Material > Edit Materials…: the density table edited in a table, saved through the
// safe save, and put in use at once; driven as a user drives it.

#include "DriveFixture.h"

#include <QDir>

namespace kelvane::testing {
namespace {

class MaterialTableTest : public DriveTest {
protected:
    void openEditor() {
        send(R"(["menu","Material","Edit Materials…"])");
        ASSERT_EQ(value(R"(["window"])").toObject()["title"].toString(), "Edit Materials");
    }
    QJsonObject table() { return value(R"(["get","MaterialTableView"])").toObject(); }
    void edit(int row, int column, const std::string& text) {
        send(R"(["edit","MaterialTableView",)" + std::to_string(row) + "," +
             std::to_string(column) + "," + quoted(text) + "]");
    }
    void current(int row) {
        send(R"(["current","MaterialTableView",)" + std::to_string(row) + ",0]");
    }
    QJsonArray menuCaptions() {
        QJsonArray captions;
        for (const QJsonValue entry : value(R"(["menuitems","Material"])").toArray())
            captions.append(entry.toObject()["caption"]);
        return captions;
    }
    bool okEnabled() {
        return value(R"(["get","MaterialTableOk"])").toObject()["enabled"].toBool();
    }
};

TEST_F(MaterialTableTest, AnEditIsSavedByteForByteAndPutInUseAtOnce) {
    start();
    send(R"(["menu","Material","Mild Steel"])");
    send(R"(["type","50\r1000\r2"])");
    EXPECT_EQ(text("RKGMLabel"), "15.71 kg"); // 7.85 rounds to 8
    openEditor();
    QJsonObject rows = table();
    EXPECT_EQ(rows["rows"],
              (QJsonArray{QJsonArray{"Acetal", "1.38"}, QJsonArray{"Mild Steel", "7.85"},
                          QJsonArray{"Nylon 6", "1.14"}}));
    EXPECT_EQ(rows["currentRow"], 1) << "the box opens on the material in use";

    send(R"(["click","MaterialTableAdd"])"); // below the current row
    edit(2, 0, "Cast Nylon");
    edit(2, 1, "1.15");
    edit(0, 0, "Acetal (POM-C)");
    edit(1, 1, "7.9"); // rounds to 8.25
    current(3);
    send(R"(["click","MaterialTableRemove"])"); // Nylon 6
    current(2);
    send(R"(["click","MaterialTableUp"])");
    EXPECT_EQ(table()["rows"],
              (QJsonArray{QJsonArray{"Acetal (POM-C)", "1.38"}, QJsonArray{"Cast Nylon", "1.15"},
                          QJsonArray{"Mild Steel", "7.9"}}));
    send(R"(["click","MaterialTableOk"])");
    EXPECT_TRUE(lastEvents().isEmpty());
    EXPECT_EQ(value(R"(["window"])").toObject()["title"].toString(), "Kelvane");
    EXPECT_EQ(readFile("Data/Density_Plastics.csv"),
              "Acetal (POM-C),1.38\r\nCast Nylon,1.15\r\nMild Steel,7.9\r\n");

    EXPECT_EQ(menuCaptions(),
              (QJsonArray{"Acetal (POM-C)", "Cast Nylon", "Mild Steel", "Edit Materials…"}));
    const QJsonArray entries = value(R"(["menuitems","Material"])").toArray();
    EXPECT_TRUE(entries[2].toObject()["checked"].toBool());
    EXPECT_EQ(entries[1].toObject()["accessKey"], "Alt+C");
    EXPECT_EQ(statusPanel(0), "Material: Mild Steel");
    EXPECT_EQ(text("RKGMLabel"), "16.20 kg") << "the page on display recomputed";
    send(R"(["key","Ctrl+F"])");
    EXPECT_EQ(value(R"(["get","MaterialFinderList"])").toObject()["items"],
              (QJsonArray{"Acetal (POM-C)", "Cast Nylon", "Mild Steel"}));
}

TEST_F(MaterialTableTest, CancelAndEscapeChangeNothing) {
    start();
    for (const char* close : {R"(["click","MaterialTableCancel"])", R"(["key","Escape"])"}) {
        SCOPED_TRACE(close);
        openEditor();
        edit(0, 0, "Changed");
        send(R"(["click","MaterialTableRemove"])");
        send(R"(["focus","MaterialTableView"])");
        send(close);
        EXPECT_EQ(value(R"(["window"])").toObject()["title"].toString(), "Kelvane");
        EXPECT_EQ(readFile("Data/Density_Plastics.csv"), kDefaultTable);
        EXPECT_EQ(menuCaptions(),
                  (QJsonArray{"Acetal", "Mild Steel", "Nylon 6", "Edit Materials…"}));
    }
}

TEST_F(MaterialTableTest, TheMaterialInUseIsKeptOrReplacedByTheFirst) {
    struct Case {
        const char* what;
        int removedRow;
        const char* material;
    };
    const Case cases[] = {
        {"another row removed: kept", 0, "Material: Nylon 6"},
        {"its own row removed: the first", 2, "Material: Acetal"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile("Data/Density_Plastics.csv", kDefaultTable);
        start();
        send(R"(["menu","Material","Nylon 6"])");
        send(R"(["menu","Options","Commercial Rounding"])"); // off
        openEditor();
        current(c.removedRow);
        send(R"(["click","MaterialTableRemove"])");
        send(R"(["click","MaterialTableOk"])");
        EXPECT_EQ(statusPanel(0), c.material);
        EXPECT_EQ(statusPanel(2), "Commercial Rounding: On") << "as a choice from the menu";
        const QJsonArray entries = value(R"(["menuitems","Material"])").toArray();
        int checked = 0;
        for (const QJsonValue entry : entries)
            checked += entry.toObject()["checked"].toBool() ? 1 : 0;
        EXPECT_EQ(checked, 1);
        send(R"(["close"])");
        session_.reset();
    }
}

TEST_F(MaterialTableTest, BrokenCellsHoldBackOkAndSayWhy) {
    start();
    openEditor();
    EXPECT_TRUE(okEnabled());
    edit(1, 0, "Mild, Steel");
    EXPECT_FALSE(okEnabled());
    QJsonObject rows = table();
    EXPECT_EQ(rows["notes"],
              (QJsonArray{QJsonObject{
                  {"row", 1},
                  {"column", 0},
                  {"toolTip",
                   "A name cannot hold a comma: the table ends each name at its first comma."}}}));
    EXPECT_EQ(text("MaterialTableProblem"),
              "Row 2: A name cannot hold a comma: the table ends each name at its first comma.");
    send(R"(["click","MaterialTableOk"])");
    EXPECT_EQ(value(R"(["window"])").toObject()["title"].toString(), "Edit Materials");

    edit(1, 0, "Acetal"); // a shared name only warns
    EXPECT_TRUE(okEnabled());
    EXPECT_EQ(table()["notes"].toArray().size(), 2);
    EXPECT_EQ(text("MaterialTableProblem"), "");

    // Typed into the cell key by key, the density is checked at every key.
    send(R"(["current","MaterialTableView",2,1])");
    send(R"(["focus","MaterialTableView"])");
    send(R"(["type","2"])"); // a key starts editing the cell, in place of its text
    EXPECT_EQ(table()["rows"].toArray()[2].toArray()[1], "2");
    EXPECT_TRUE(okEnabled());
    send(R"(["type","5"])");
    EXPECT_FALSE(okEnabled());
    send(R"(["type","\b"])");
    EXPECT_TRUE(okEnabled());
    send(R"(["key","Escape"])"); // puts back what the cell held
    EXPECT_EQ(table()["rows"].toArray()[2].toArray()[1], "1.14");
    EXPECT_EQ(value(R"(["window"])").toObject()["title"].toString(), "Edit Materials");
}

TEST_F(MaterialTableTest, ATableThatFailedToLoadOpensWholeAndIsRepaired) {
    writeFile("Data/Density_Plastics.csv", "Acetal,1.38\r\nSteel,7,85\r\nEpoxy,1.85\r\n");
    start();
    EXPECT_EQ(lastEvents().size(), 1); // the bad line is reported
    EXPECT_EQ(menuCaptions(), (QJsonArray{"Acetal", "Edit Materials…"}));
    const QJsonArray entries = value(R"(["menuitems","Material"])").toArray();
    EXPECT_EQ(entries.last().toObject()["accessKey"], "Alt+E");
    openEditor();
    EXPECT_EQ(table()["count"], 3);
    EXPECT_FALSE(okEnabled());
    edit(1, 1, "7.85");
    send(R"(["click","MaterialTableOk"])");
    EXPECT_EQ(readFile("Data/Density_Plastics.csv"), "Acetal,1.38\r\nSteel,7.85\r\nEpoxy,1.85\r\n");
    const QJsonArray repaired = value(R"(["menuitems","Material"])").toArray();
    ASSERT_EQ(repaired.size(), 4);
    EXPECT_EQ(repaired[2].toObject()["accessKey"], "Alt+P") << "E is Edit Materials'";
}

TEST_F(MaterialTableTest, AFailedSaveIsReportedAndTheBoxStaysOpen) {
    // A folder where the table should be: it cannot be read or written, whoever runs it.
    QDir(QString::fromStdString(path("bin"))).mkpath(QStringLiteral("Density_Plastics.csv"));
    tableWritten_ = true;
    start();
    openEditor();
    EXPECT_EQ(table()["count"], 0);
    EXPECT_EQ(text("MaterialTableProblem"), "The table needs at least one material.");
    send(R"(["click","MaterialTableAdd"])");
    edit(0, 0, "PEEK");
    edit(0, 1, "1.32");
    send(R"(["click","MaterialTableOk"])");
    EXPECT_EQ(lastEvents(),
              (QJsonArray{QJsonObject{
                  {"type", "error"}, {"title", "Kelvane"}, {"text", "File access denied."}}}));
    EXPECT_EQ(value(R"(["window"])").toObject()["title"].toString(), "Edit Materials");
    EXPECT_EQ(menuCaptions(), (QJsonArray{"Edit Materials…"}));
}

TEST_F(MaterialTableTest, AnInstalledCopyKeepsTheTableWithTheUserAndReadsItFirst) {
    // The program's folder cannot be written, whoever runs it, and holds no table.
    const std::string installed = path("missing/bin/");
    session_ = std::make_unique<DriveSession>(Separators{".", ","}, installed, path("home"));
    send(R"(["start"])");
    EXPECT_EQ(lastEvents().size(), 1); // no table
    openEditor();
    send(R"(["click","MaterialTableAdd"])");
    edit(0, 0, "PEEK");
    edit(0, 1, "1.32");
    send(R"(["click","MaterialTableOk"])");
#ifdef _WIN32
    EXPECT_EQ(readFile("home/Kelvane/Density_Plastics.csv"), "PEEK,1.32\r\n");
#else
    EXPECT_EQ(readFile("home/kelvane/Density_Plastics.csv"), "PEEK,1.32\r\n");
#endif
    EXPECT_EQ(statusPanel(0), "Material: PEEK");

    session_.reset();
    session_ = std::make_unique<DriveSession>(Separators{".", ","}, installed, path("home"));
    send(R"(["start"])");
    EXPECT_TRUE(lastEvents().isEmpty()) << QJsonDocument(lastEvents()).toJson().toStdString();
    EXPECT_EQ(menuCaptions(), (QJsonArray{"PEEK", "Edit Materials…"}));
}

} // namespace
} // namespace kelvane::testing
