#include "ui/linux/XdgLauncher.h"

#include <sys/stat.h>

#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "TempDir.h"
#include "common/Error.h"

using namespace tess;
using namespace tess::test;
using Lines = std::vector<std::string>;

namespace {

namespace fs = std::filesystem;

constexpr int kPatience = 30000;

// The lines of a file, or nothing while it is not there.
std::optional<Lines> LinesOf(const std::string& path) {
    std::ifstream in(path);
    if (!in) return std::nullopt;
    Lines lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// A desktop whose text editor is a script that records its arguments and
// process ID and then ends as told; "x-terminal-emulator" on PATH records the
// same way.
class FakeDesktop {
public:
    FakeDesktop(const std::string& exec, const std::string& ending, const std::string& more = "") {
        const std::string editor = Script("editor", ending);
        Script("bin/x-terminal-emulator", "exit 0");
        std::string line = exec;
        line.replace(line.find("EDITOR"), 6, editor);
        WriteAll(dir.File("usr/applications/editor.desktop"),
                 "[Desktop Entry]\nType=Application\nName=Editor\nIcon=editor\nExec=" + line +
                     "\nMimeType=text/plain;\n" + more);
        const char* path = std::getenv("PATH");
        savedPath_ = path != nullptr ? path : "";
        ::setenv("PATH", (dir.File("bin") + ":" + savedPath_).c_str(), 1);
    }
    ~FakeDesktop() { ::setenv("PATH", savedPath_.c_str(), 1); }

    XdgDirs Dirs() const {
        return {.configHome = dir.File("config"),
                .dataHome = dir.File("data"),
                .dataDirs = {dir.File("usr")}};
    }
    std::optional<Lines> Arguments() const { return LinesOf(dir.File("args")); }
    // True once the script has ended and been waited for.
    bool Reaped() const {
        const auto pid = LinesOf(dir.File("pid"));
        return pid && !pid->empty() && !fs::exists("/proc/" + pid->front());
    }

    TempDir dir;

private:
    std::string Script(const std::string& name, const std::string& ending) {
        const std::string path = dir.File(name);
        WriteAll(path, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + dir.File("args.part") + "'\nmv '" +
                           dir.File("args.part") + "' '" + dir.File("args") + "'\necho $$ > '" +
                           dir.File("pid.part") + "'\nmv '" + dir.File("pid.part") + "' '" +
                           dir.File("pid") + "'\n" + ending + "\n");
        ::chmod(path.c_str(), 0755);
        return path;
    }

    std::string savedPath_;
};

}  // namespace

class XdgLauncherTest : public QObject {
    Q_OBJECT

private slots:
    // The file as the log writer takes it, from the working folder, whatever
    // its name; as the entry's Exec asks for it.
    void theEditorGetsTheFileTheWriterWritesTo_data() {
        QTest::addColumn<QString>("exec");
        QTest::addColumn<QString>("more");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("arguments");  // CWD stands for the working folder
        const auto row = [](const char* name, const char* exec, const char* more, const char* typed,
                            QStringList arguments) {
            QTest::newRow(name) << exec << more << typed << arguments;
        };
        row("ColonName", "EDITOR --new %f", "", ":x.txt", {"--new", "CWD/:x.txt"});
        row("DashName", "EDITOR %F", "", "-x.txt", {"CWD/-x.txt"});
        row("ColonFolder", "EDITOR %f", "", "CWD/:logs/battery log.csv",
            {"CWD/:logs/battery log.csv"});
        row("Url", "EDITOR %U", "", ":a b%.txt", {"file://CWD/%3Aa%20b%25.txt"});
        row("NoFileCode", "EDITOR --title %c %i", "", "log.html",
            {"--title", "Editor", "--icon", "editor", "CWD/log.html"});
        row("InATerminal", "EDITOR %f", "Terminal=true\n", "log.txt",
            {"-e", "EDITOR", "CWD/log.txt"});
    }
    void theEditorGetsTheFileTheWriterWritesTo() {
        QFETCH(QString, exec);
        QFETCH(QString, more);
        QFETCH(QString, typed);
        QFETCH(QStringList, arguments);
        FakeDesktop desktop(exec.toStdString(), "exit 0", more.toStdString());
        const fs::path saved = fs::current_path();
        fs::current_path(desktop.dir.path());
        const QString cwd = QString::fromStdString(fs::current_path().string());
        XdgLauncher launcher(desktop.Dirs());
        launcher.OpenInTextEditor(typed.replace("CWD", cwd).toStdString(), nullptr);
        fs::current_path(saved);
        QTRY_VERIFY_WITH_TIMEOUT(desktop.Arguments().has_value(), kPatience);
        QStringList got;
        const Lines lines = *desktop.Arguments();
        for (const std::string& line : lines) got << QString::fromStdString(line);
        const QString editor = QString::fromStdString(desktop.dir.File("editor"));
        for (QString& expected : arguments) {
            expected.replace("CWD", cwd);
            expected.replace("EDITOR", editor);
        }
        QCOMPARE(got, arguments);
        QTRY_VERIFY_WITH_TIMEOUT(desktop.Reaped(), kPatience);
    }

    // An editor that ends in failure at its start is told once; one that ends
    // well, or fails after its start time, is not.
    void anEditorThatFailsAtItsStartIsTold_data() {
        QTest::addColumn<QString>("ending");
        QTest::addColumn<int>("startTime");
        QTest::addColumn<QString>("told");
        QTest::newRow("ExitStatus4") << "exit 4" << kPatience << "ended with exit status 4";
        QTest::newRow("Signal") << "kill -SEGV $$" << kPatience
                                << "ended by signal 11 (Segmentation fault)";
        QTest::newRow("ExitStatus0") << "exit 0" << kPatience << "";
        QTest::newRow("AfterItsStartTime") << "exit 4" << 0 << "";
    }
    void anEditorThatFailsAtItsStartIsTold() {
        QFETCH(QString, ending);
        QFETCH(int, startTime);
        QFETCH(QString, told);
        FakeDesktop desktop("EDITOR %f", ending.toStdString());
        XdgLauncher launcher(desktop.Dirs(), std::chrono::milliseconds(startTime));
        Lines reasons;
        launcher.OpenInTextEditor(desktop.dir.File("log.txt"),
                                  [&](const std::string& reason) { reasons.push_back(reason); });
        QVERIFY(reasons.empty());
        QTRY_VERIFY_WITH_TIMEOUT(desktop.Reaped(), kPatience);
        QCOMPARE(reasons.size(), told.isEmpty() ? 0u : 1u);
        if (!told.isEmpty()) {
            QCOMPARE(QString::fromStdString(reasons[0]),
                     QString::fromStdString(desktop.dir.File("editor")) + " " + told);
        }
    }

    // No text editor, and one that cannot be started: an error at once.
    void anEditorThatCannotStartIsAnError_data() {
        QTest::addColumn<QString>("exec");
        QTest::addColumn<QString>("error");
        QTest::newRow("NoTextEditor") << ""
                                      << "No application is set to open text files (text/plain)";
        QTest::newRow("MissingProgram")
            << "/no/such/editor %f"
            << "Cannot start /no/such/editor: No such file or directory";
    }
    void anEditorThatCannotStartIsAnError() {
        QFETCH(QString, exec);
        QFETCH(QString, error);
        TempDir dir;
        if (!exec.isEmpty()) {
            WriteAll(dir.File("usr/applications/editor.desktop"),
                     "[Desktop Entry]\nType=Application\nName=Editor\nExec=" + exec.toStdString() +
                         "\nMimeType=text/plain;\n");
        }
        XdgLauncher launcher({.dataDirs = {dir.File("usr")}});
        try {
            launcher.OpenInTextEditor(dir.File("log.txt"), nullptr);
            QFAIL("no error");
        } catch (const Error& e) {
            QCOMPARE(QString(e.what()), error);
        }
    }
};

QTEST_MAIN(XdgLauncherTest)
#include "XdgLauncherTest.moc"
