// An installed game is told from one in a build folder by the folder it runs from.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "storage/installed_program.h"

namespace tk {
namespace {

TEST(InstalledProgram, ByTheFolderItRunsFrom) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QDir dir(root.path());
    // cmake --install --prefix <root>/prefix: the metainfo stands beside the bin folder.
    ASSERT_TRUE(dir.mkpath("prefix/bin"));
    const QString marker = dir.filePath("prefix/bin/" TK_INSTALL_MARKER);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(marker).path()));
    QFile file(marker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    // A build folder, and a copy of the game in a folder of its own (as the desktop tests run it).
    ASSERT_TRUE(dir.mkpath("build/app"));
    ASSERT_TRUE(dir.mkpath("copy/bin"));

    const struct {
        QString folder;
        bool installed;
    } cases[] = {
        {dir.filePath("prefix/bin"), true},   {dir.filePath("prefix/bin/../bin"), true},
        {dir.filePath("build/app"), false},   {dir.filePath("copy/bin"), false},
        {QStringLiteral("/usr/bin"), true},   {QStringLiteral("/usr/local/bin"), true},
        {QStringLiteral("/usr/games"), true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsInstalledProgram(c.folder), c.installed) << c.folder.toStdString();
}

}  // namespace
}  // namespace tk
