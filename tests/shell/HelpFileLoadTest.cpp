#include <gtest/gtest.h>

#include <QFile>

#include <filesystem>
#include <string>

#include <sys/stat.h>

#include "shell/HelpFile.h"
#include "support/DamagedResourceFiles.h"
#include "support/TestPaths.h"

// Loading the help file needs no window: these tests run in the sanitizer build too, where a
// read outside a damaged file would end them.

namespace tindle {
namespace {

namespace fs = std::filesystem;
using Status = HelpFile::LoadStatus;

QString Q(const fs::path& path) {
    return QString::fromStdString(path.string());
}

TEST(HelpFileLoad, AMissingOrForeignFileIsNoHelpFile) {
    HelpFile file;
    EXPECT_EQ(file.Load("/nonexistent/bravell.hlp"), Status::Missing);
    // The resource library is a resource file too, but holds no contents page.
    EXPECT_EQ(file.Load(Q(test::ProgramDir() / "ZUV.RGF")), Status::Damaged);
    EXPECT_FALSE(file.IsLoaded());
}

// Every damaged copy is refused before Qt reads it, and so is a file that is no regular file
// (a FIFO would wait for a writer forever, /dev/zero never ends) or one far larger than a help
// file; nothing stays loaded. The whole file loads afterwards and its pages read whole.
TEST(HelpFileLoad, OnlyAWholeHelpFileIsLoaded) {
    test::TempDir dir;
    const fs::path copy = dir.Path() / "bravell.hlp";
    const std::string whole = test::ReadFile(test::ProgramDir() / "bravell.hlp");
    HelpFile file;
    for (const test::DamagedFile& damaged : test::DamagedResourceFiles(whole)) {
        SCOPED_TRACE(damaged.what);
        test::WriteFile(copy, damaged.bytes);
        EXPECT_EQ(file.Load(Q(copy)), Status::Damaged);
        EXPECT_FALSE(file.IsLoaded());
        EXPECT_TRUE(file.ContentsUrl().isEmpty());
    }

    fs::remove(copy);
    ASSERT_EQ(::mkfifo(copy.c_str(), 0600), 0);
    EXPECT_EQ(file.Load(Q(copy)), Status::Unreadable);
    fs::remove(copy);
    fs::create_symlink("/dev/zero", copy);
    EXPECT_EQ(file.Load(Q(copy)), Status::Unreadable);
    fs::remove(copy);
    fs::create_directory(copy);
    EXPECT_EQ(file.Load(Q(copy)), Status::Unreadable);
    fs::remove(copy);
    test::WriteFile(copy, whole);
    fs::resize_file(copy, kMaxHelpFileBytes + 1);
    EXPECT_EQ(file.Load(Q(copy)), Status::Damaged);
    EXPECT_FALSE(file.IsLoaded());

    test::WriteFile(copy, whole);
    ASSERT_EQ(file.Load(Q(copy)), Status::Loaded);
    ASSERT_FALSE(file.Topics().empty());
    for (int topic : file.Topics()) {
        QFile page(":" + file.TopicUrl(topic).path());
        ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << topic;
        EXPECT_EQ(page.readAll().size(), page.size()) << topic;
    }
}

}  // namespace
}  // namespace tindle
