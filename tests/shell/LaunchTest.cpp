#include <gtest/gtest.h>

#include <QUrl>

#include <vector>

#include "shell/Launch.h"
#include "shell/LaunchTarget.h"
#include "support/QtTestApp.h"
#include "support/RecordingPorts.h"

namespace tindle {
namespace {

TEST(LaunchTarget, WebAddressesGetAScheme) {
    EXPECT_EQ(LaunchTarget("http", "www.example.org/games"), "http://www.example.org/games");
    EXPECT_EQ(LaunchTarget("HTTP", "www.example.org"), "http://www.example.org");
    EXPECT_EQ(LaunchTarget("Http", "https://example.org/a?b=c"), "https://example.org/a?b=c");
    EXPECT_EQ(LaunchTarget("HTTP", "http://example.org"), "http://example.org");
    EXPECT_EQ(LaunchTarget("HTTP", "HTTPS://example.org"), "HTTPS://example.org");
}

TEST(LaunchTarget, MailAddressesBecomeMailtoLinks) {
    EXPECT_EQ(LaunchTarget("EMAIL", "player@example.org"), "mailto:player@example.org");
    EXPECT_EQ(LaunchTarget("email", "mailto:player@example.org"), "mailto:player@example.org");
}

TEST(LaunchTarget, OtherKindsHaveNoTarget) {
    EXPECT_FALSE(LaunchTarget("FTP", "ftp.example.org"));
    EXPECT_FALSE(LaunchTarget("", "www.example.org"));
    EXPECT_FALSE(LaunchTarget("HTTPS", "www.example.org"));
}

class LaunchWithOpener : public ::testing::Test {
  protected:
    void SetUp() override { test::QtTestApp(); }
    UrlOpener Opener(bool answer) {
        return [this, answer](const QUrl& url) {
            opened.push_back(url.toString().toStdString());
            return answer;
        };
    }
    test::RecordingMessages messages;
    std::vector<std::string> opened;
};

TEST_F(LaunchWithOpener, HandsTheTargetToTheSystem) {
    EXPECT_TRUE(Launch("http", "www.example.org", messages, Opener(true)));
    EXPECT_TRUE(Launch("EMAIL", "player@example.org", messages, Opener(true)));
    EXPECT_EQ(opened,
              (std::vector<std::string>{"http://www.example.org", "mailto:player@example.org"}));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(LaunchWithOpener, UnknownKindShowsErrorInParameters) {
    EXPECT_FALSE(Launch("FTP", "ftp.example.org", messages, Opener(true)));
    EXPECT_TRUE(opened.empty());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].kind, "Information");
    EXPECT_EQ(messages.messages[0].text, "Error in parameters");
}

TEST_F(LaunchWithOpener, AFailedOpenIsReportedToTheCallerOnly) {
    EXPECT_FALSE(Launch("HTTP", "www.example.org", messages, Opener(false)));
    EXPECT_EQ(opened.size(), 1u);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(LaunchWithOpener, OnlyWebAndMailSchemesAreHandedOn) {
    // An address that makes a broken URL is not handed to the system.
    EXPECT_FALSE(Launch("HTTP", "http://exa mple.org/<>", messages, Opener(true)));
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(IsLaunchableScheme("HTTPS"));
    EXPECT_FALSE(IsLaunchableScheme("file"));
    EXPECT_FALSE(IsLaunchableScheme("javascript"));
}

}  // namespace
}  // namespace tindle
