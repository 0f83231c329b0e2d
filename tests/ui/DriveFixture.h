#pragma once

#include "drive/DriveSession.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace kelvane::testing {

// The JSON text of a string, for building command lines.
std::string quoted(const std::string& text);

// A table row's name as the name of its case in a value-parameterised suite.
template <typename Case> std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

// A program folder of the test's own (bin/ with Data/ beside it) and a driver
// session on it. Commands are written as the driver's JSON lines.
class DriveTest : public ::testing::Test {
protected:
    // The default table: densities chosen for round results (1.38 rounds to 1.75,
    // 7.85 to 8, 1.14 to 1.5).
    static constexpr const char* kDefaultTable =
        "Acetal,1.38\r\nMild Steel,7.85\r\nNylon 6,1.14\r\n";

    void SetUp() override;
    void TearDown() override;

    // Writes a file in the folder beside the program's ("Data/...") or in it ("bin/...").
    void writeFile(const std::string& relativePath, const std::string& bytes);
    std::string readFile(const std::string& relativePath) const;
    bool fileExists(const std::string& relativePath) const;
    std::string path(const std::string& relativePath) const;

    // Starts a session (with the given separators) and the program.
    void start(const std::string& decimal = ".", const std::string& thousands = ",");
    void startSession(const std::string& decimal = ".", const std::string& thousands = ",");

    // Runs one command line; fails the test when the reply is not ok.
    QJsonObject send(const std::string& json);
    QJsonValue value(const std::string& json) { return send(json)["value"]; }
    // Gives box the focus, then types keys into it.
    void typeInto(const std::string& box, const std::string& keys);
    // The state of a control, as the driver's "get" gives it.
    QJsonObject control(const std::string& name) {
        return value(R"(["get",)" + quoted(name) + "]").toObject();
    }
    bool focused(const std::string& name) { return control(name)["focused"].toBool(); }
    // The caption or text of a control.
    std::string text(const std::string& control);
    std::string statusPanel(int panel);
    QJsonArray lastEvents() const { return lastEvents_; }

    QTemporaryDir folder_;
    std::unique_ptr<DriveSession> session_;
    QJsonArray lastEvents_;
    bool tableWritten_ = false;
};

} // namespace kelvane::testing
