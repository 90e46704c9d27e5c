#include "common/WriterLines.h"
#include "monsters/MonsterPage.h"
#include "portals/PortalPage.h"
#include "spawns/SpawnPage.h"
#include "support/ShellFixture.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace {
// Files big enough to overflow a file system of a few kilobytes when saved.
std::string initMonsterFile() {
    std::string bytes;
    for (int n = 1; n <= 300; ++n) {
        const std::string k = std::to_string(n);
        bytes += "(monster (name " + k + ") (index " + k +
                 ") (race 2) (level 5) (ai 1) (exp 40) (itemgroup 3 " + k +
                 ") (hp 90) (attack 0 12 8) (resist 1 2 3 4 5))\r\n";
    }
    return bytes;
}

std::string genMonsterFile() {
    std::string bytes;
    for (int n = 1; n <= 300; ++n) {
        const std::string k = std::to_string(n);
        bytes += "(genmonster (index " + k + ") (map 0) (area " + k +
                 ") (max 5) (cycle 300) (rect 70 100 71 101))\r\n";
    }
    return bytes;
}

std::string etcFile() {
    std::string bytes;
    for (int n = 1; n <= 101; ++n) {
        bytes += "(goto " + std::to_string(n) + " 1 6412 5230 0) ; square\r\n";
    }
    for (int n = 1; n <= 51; ++n) {
        bytes +=
            "(portal (country 0 2) (from 3 10 20 -5 " + std::to_string(n) + ") (to 5 300 400 0)) ; gate\r\n";
    }
    return bytes;
}

struct Writer {
    const char* name;
    const char* saveButton;
    std::function<std::string()> source;
    std::function<void(class SaveFaultTest&, const QString&)> load;
};

// A fault made in `folder` for a save to `target`, and how to undo it.
struct FaultSite {
    FakeShell* shell = nullptr;
    QString folder;
    QString target;
    std::string earlier;
    bool earlierFile = true;
    std::vector<std::function<void()>> undo;

    void undoAll() {
        for (auto step = undo.rbegin(); step != undo.rend(); ++step) {
            (*step)();
        }
        undo.clear();
    }
    ~FaultSite() { undoAll(); }
};

void writeEarlierFile(const FaultSite& site) {
    QFile file(site.target);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(site.earlier.data(), static_cast<qint64>(site.earlier.size()));
    }
}

bool run(const QString& command) {
    return std::system(command.toLocal8Bit().constData()) == 0;
}

QString quoted(const QString& path) {
    return "'" + path + "'";
}

// Makes a file or folder immutable, which even root cannot write through.
std::optional<std::string> makeImmutable(FaultSite& site, const QString& path) {
    if (!run("chattr +i " + quoted(path) + " 2>/dev/null")) {
        return "chattr +i is not available here and root ignores permission bits";
    }
    site.undo.push_back([path] { run("chattr -i " + quoted(path)); });
    return std::nullopt;
}

struct Fault {
    const char* name;
    // Made after the file was chosen: the save dialog itself would not let
    // the operator choose a file in a missing folder or a folder as the file.
    bool afterChoice;
    // Returns why the machine cannot produce the fault, if it cannot.
    std::function<std::optional<std::string>(FaultSite&)> prepare;
};

const std::vector<Fault>& faults() {
    static const std::vector<Fault> kFaults{
        {"MissingFolder", true,
         [](FaultSite& site) -> std::optional<std::string> {
             QDir(site.folder).removeRecursively();
             site.earlierFile = false;
             return std::nullopt;
         }},
        {"TargetIsAFolder", true,
         [](FaultSite& site) -> std::optional<std::string> {
             QFile::remove(site.target);
             QDir().mkpath(site.target);
             QFile inside(site.target + "/inside.txt");
             inside.open(QIODevice::WriteOnly);
             inside.write("kept");
             site.earlierFile = false;
             return std::nullopt;
         }},
        {"ReadOnlyTarget", false,
         [](FaultSite& site) -> std::optional<std::string> {
             if (::geteuid() == 0) {
                 return makeImmutable(site, site.target);
             }
             QFile::setPermissions(site.target, QFile::ReadOwner);
             site.undo.push_back([target = site.target] {
                 QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
             });
             return std::nullopt;
         }},
        {"ReadOnlyFolder", false,
         [](FaultSite& site) -> std::optional<std::string> {
             if (::geteuid() == 0) {
                 return makeImmutable(site, site.folder);
             }
             QFile::setPermissions(site.folder, QFile::ReadOwner | QFile::ExeOwner);
             site.undo.push_back([folder = site.folder] {
                 QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
             });
             return std::nullopt;
         }},
        {"InjectedDiskFull", false,
         [](FaultSite& site) -> std::optional<std::string> {
             site.shell->FailSavesWith(ENOSPC);
             site.undo.push_back([shell = site.shell] { shell->FailSavesWith(0); });
             return std::nullopt;
         }},
        {"TinyFileSystem", false,
         [](FaultSite& site) -> std::optional<std::string> {
             const QByteArray folder = QFile::encodeName(site.folder);
             if (::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=4k") != 0) {
                 return "cannot mount a small file system here (needs root)";
             }
             site.undo.push_back([folder] { ::umount2(folder.constData(), MNT_DETACH); });
             writeEarlierFile(site);
             return std::nullopt;
         }},
    };
    return kFaults;
}

// The three pages that write files, on one sheet.
class SaveFaultTest : public ShellFixture,
                      public ::testing::WithParamInterface<std::tuple<std::size_t, std::size_t>> {
  public:
    void save(const Writer& writer, const QString& target) {
        shell.answerFile(target);
        QTest::mouseClick(control<QPushButton>(writer.saveButton), Qt::LeftButton);
    }

    // Saves to the site's target with the fault in place; `afterChoice`
    // faults are made once the dialog has accepted the name. Returns the
    // folder's entries as they were right before the save.
    QStringList saveExpectingFailure(const Writer& writer, const Fault& fault, FaultSite& site) {
        QStringList before = entries(site.folder);
        shell.answerFile(site.target, [&] {
            if (fault.afterChoice) {
                fault.prepare(site);
                before = entries(site.folder);
            }
        });
        QTest::mouseClick(control<QPushButton>(writer.saveButton), Qt::LeftButton);
        return before;
    }

    void loadInitMonster(const QString& path) {
        shell.answerFile(path);
        shell.answerConfirm(false);
        monsters->loadInitMonster();
    }
    void loadGenMonster(const QString& path) {
        shell.answerFile(path);
        shell.answerConfirm(false);
        spawns->loadGenMonster();
    }
    void loadEtc(const QString& path) {
        shell.answerFile(path);
        portals->loadEtc();
    }

    MonsterPage* monsters = new MonsterPage(shell, *workspace, &sheet);
    SpawnPage* spawns = new SpawnPage(shell, *workspace, &sheet);
    PortalPage* portals = new PortalPage(shell, *workspace, &sheet);

    static QStringList entries(const QString& folder) {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                      QDir::Name);
    }
};

const std::vector<Writer>& writers() {
    static const std::vector<Writer> kWriters{
        {"InitMonster", "Button6", initMonsterFile,
         [](SaveFaultTest& test, const QString& path) { test.loadInitMonster(path); }},
        {"GenMonster", "SGM", genMonsterFile,
         [](SaveFaultTest& test, const QString& path) { test.loadGenMonster(path); }},
        {"Etc", "setc", etcFile, [](SaveFaultTest& test, const QString& path) { test.loadEtc(path); }},
    };
    return kWriters;
}

// Every writer, for every way a save can fail: the error box is shown, the
// earlier file stays byte for byte, no temporary file is left behind, and the
// next save writes exactly what a save before the failure wrote.
TEST_P(SaveFaultTest, FailedSaveKeepsTheEarlierFileAndLeavesNothingBehind) {
    const Writer& writer = writers()[std::get<0>(GetParam())];
    const Fault& fault = faults()[std::get<1>(GetParam())];
    const std::string earlier = "(earlier file)\r\n";
    const QString source = scratchFile("source.txt");
    writeBytes(source, writer.source());
    writer.load(*this, source);
    const QString referencePath = scratchFile("reference.txt");
    save(writer, referencePath);
    const std::string reference = readBytes(referencePath);
    ASSERT_GT(reference.size(), 4096u);

    FaultSite site;
    site.shell = &shell;
    site.folder = scratchFile("target");
    site.target = site.folder + "/" + writer.name + ".txt";
    site.earlier = earlier;
    QDir().mkpath(site.folder);
    writeBytes(site.target, earlier);
    if (!fault.afterChoice) {
        if (const std::optional<std::string> unavailable = fault.prepare(site)) {
            GTEST_SKIP() << *unavailable;
        }
    }
    const qsizetype boxes = shell.messages().size();

    const QStringList before = saveExpectingFailure(writer, fault, site);

    ASSERT_EQ(shell.messages().size(), boxes + 1)
        << "no error box; target now holds " << readBytes(site.target).size() << " bytes";
    EXPECT_TRUE(
        shell.messages().last().startsWith("Brennick v1.14a: Cannot create file \"" + site.target + "\". "))
        << shell.messages().last().toStdString();
    EXPECT_EQ(entries(site.folder), before);
    if (site.earlierFile) {
        EXPECT_EQ(readBytes(site.target), earlier);
    }
    if (QFileInfo(site.target).isDir()) {
        EXPECT_EQ(entries(site.target), QStringList{"inside.txt"});
    }
    site.undoAll();

    const QString after = scratchFile("after.txt");
    save(writer, after);
    EXPECT_EQ(readBytes(after), reference);
    EXPECT_EQ(shell.pendingAnswers(), 0);
    EXPECT_EQ(shell.unanswered(), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryWriterAndFault, SaveFaultTest,
                         ::testing::Combine(::testing::Range<std::size_t>(0, 3),
                                            ::testing::Range<std::size_t>(0, 6)),
                         [](const auto& info) {
                             return std::string(writers()[std::get<0>(info.param)].name) +
                                    faults()[std::get<1>(info.param)].name;
                         });
} // namespace
