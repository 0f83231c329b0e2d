// The kept quote list: read back after a restart, and a damaged file set aside, never lost.

#include "weights/QuoteStore.h"
#include "common/ResultFormat.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace kelvane {
namespace {

class QuoteStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("kelvane-quote-" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        path_ = (folder_ / kQuoteFileName).string();
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path folder_;
    std::string path_;
};

TEST_F(QuoteStoreTest, ListSurvivesARestart) {
    EXPECT_TRUE(loadKeptQuote(path_).items.empty()); // no file yet: an empty list, no message
    QuoteItem item;
    item.dimensions = {50, 3000};
    item.quantity = 4;
    item.material = "Acetal";
    item.density = 1.75;
    weighQuoteItem(item);
    keepQuote(path_, {item, item});
    const KeptQuote kept = loadKeptQuote(path_);
    EXPECT_FALSE(kept.message);
    ASSERT_EQ(kept.items.size(), 2u);
    EXPECT_EQ(formatResult(kept.items[1].total(), " kg", {}), "41.23 kg");
    EXPECT_FALSE(std::filesystem::exists(path_ + ".new"));
}

TEST_F(QuoteStoreTest, DamagedFileIsKeptAsideAndTheListStartsEmpty) {
    const std::string damaged = "shape,diameter,length\nround,50,\"3000\n";
    std::ofstream(folder_ / "Quote.damaged.csv") << "an earlier one";
    std::ofstream(path_, std::ios::binary) << damaged;
    const KeptQuote kept = loadKeptQuote(path_);
    EXPECT_TRUE(kept.items.empty());
    const std::string aside = (folder_ / "Quote.damaged-2.csv").string();
    EXPECT_EQ(kept.message.value_or(""),
              "The quote list \"" + path_ +
                  "\" could not be read (line 2, column 3 (length): a quotation mark that is "
                  "never closed). It was kept as \"" +
                  aside + "\", and the list starts empty.");
    EXPECT_FALSE(std::filesystem::exists(path_));
    std::ifstream in(aside, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), damaged);
    // Said once: the next start finds no file.
    EXPECT_FALSE(loadKeptQuote(path_).message);
}

} // namespace
} // namespace kelvane
