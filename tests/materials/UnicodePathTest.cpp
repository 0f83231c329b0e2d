// Files under folders whose names are not plain ASCII, such as a user folder "Zoë":
// the paths are UTF-8 text, and the files must land in the folder of that name.

#include "common/FilePath.h"
#include "common/TextFile.h"
#include "materials/DensityTable.h"
#include "materials/Favourite.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace kelvane {
namespace {

namespace fs = std::filesystem;

TEST(UnicodePathTest, TableAndFavouriteUnderANonAsciiFolder) {
    const fs::path root = fs::temp_directory_path() / u8"kelvane-Zoë-€-日本";
    fs::remove_all(root);
    fs::create_directories(root / "bin");
    fs::create_directories(root / "Data");
    std::ofstream(root / "Data" / "Density_Plastics.csv", std::ios::binary)
        << "Acetal,1.41\r\nNylon 6,1.14\r\n";
    const std::string programDir = utf8FromPath(root / "bin") + "/";

    const std::string table = appFile(programDir, "Density_Plastics.csv");
    EXPECT_EQ(table, programDir + "../Data/Density_Plastics.csv");
    EXPECT_EQ(readFileBytes(table), "Acetal,1.41\r\nNylon 6,1.14\r\n");

    saveFavMatFile(programDir, "Nylon 6");
    saveFavMatFile(programDir, "Acetal"); // replaces the file made a moment ago
    std::ifstream saved(root / "bin" / "Material.txt", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(saved), {}), "Acetal\r\n");
    EXPECT_EQ(readFavourite(programDir).value_or("?"), "Acetal");
    EXPECT_TRUE(folderWritable(programDir));

    // An installed copy whose user folder is the one with the name.
    const std::string user = utf8FromPath(root / u8"Zoë");
    const std::string installed = utf8FromPath(root / "missing" / "bin") + "/";
    saveFavMatFile(installed, "Nylon 6", user);
    EXPECT_EQ(readFavourite(installed, user).value_or("?"), "Nylon 6");
    EXPECT_TRUE(fs::exists(root / u8"Zoë" / "kelvane" / "Material.txt"));
    saved.close();
    fs::remove_all(root);
}

} // namespace
} // namespace kelvane
