// Every system call that a start and a close make on the pet file's way fails
// in turn, or the program is killed as it enters it, as strace can make them:
// the start that reads the pet file and keeps a copy of one it cannot read, and
// the close that saves. The calls are those strace sees in a run without
// faults, in six set-ups. After each fault the pet file holds the old record or
// the new one, keeps its owner, permissions, attributes and link, no backup is
// lost or altered, a close that did not fully save said so, and the next start
// leaves no temporary file behind.
#include "changing_record.h"
#include "core/system_error_text.h"
#include "pet/pet_record.h"
#include "support/as_user.h"
#include "support/full_disk.h"
#include "support/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

enum class SetUp {
    Plain,
    OtherUsersPet,
    Link,
    RootInUsersFolderLinkToRootsFile,
    DiskFullInPlace,
    GarbageBesideOlderBackup
};

struct SetUpRow {
    SetUp setUp;
    const char* name;
};

const SetUpRow kSetUps[] = {
    {SetUp::Plain, "plain pet"},
    {SetUp::OtherUsersPet, "nobody's pet, 0640, an attribute"},
    {SetUp::Link, "pet file a link"},
    {SetUp::RootInUsersFolderLinkToRootsFile, "root in nobody's folder, link to root's file"},
    {SetUp::DiskFullInPlace, "disk full, written in place"},
    {SetUp::GarbageBesideOlderBackup, "garbage beside an older backup"},
};

// Calls that cannot fail, whose failure is the memory's, not the files', that
// the C library takes for a broken system (signal masks), or that never give
// an error (setfsuid answers with the identity it leaves).
const QStringList kNeverFailed = {
    "mmap",        "munmap",   "mremap",  "brk",       "mprotect",       "madvise",
    "futex",       "geteuid",  "getuid",  "getegid",   "getgid",         "getpid",
    "gettid",      "getcwd",   "lseek",   "getrandom", "rt_sigprocmask", "rt_sigaction",
    "sigaltstack", "setfsuid", "setfsgid"};

// Set in main(): a mount namespace of our own for the full disk.
bool privateMounts = false;

const QByteArray kOldRecord = petRecordBytes(changingRecord(40));
const QByteArray kOlderBackup = petRecordBytes(changingRecord(7));
const QByteArray kGarbage = "no pet here\r\n";
const char kAttribute[] = "user.pet";

// What a start and a close leave, as the checks compare it.
struct State {
    QByteArray pet;
    QString link;
    uid_t owner = 0;
    gid_t group = 0;
    mode_t mode = 0;
    QByteArray attributes;
    QMap<QString, QByteArray> backups;
    QStringList temporaries;

    bool operator==(const State&) const = default;
};

struct Run {
    bool killed = false;
    bool read = false;
    bool closed = false;
    QStringList reports;
    QByteArray trace;
};

// One call of a run without faults: its name, how many calls of that name the
// program had made by then, counted from its start, as strace counts them, and
// what it was called on.
struct Call {
    QString name;
    int number = 0;
    QString on;
    // A sync the save rests on, or the opening of the folder for one.
    bool durability = false;
};

QString fileName(const QString& path) {
    return path.mid(path.lastIndexOf('/') + 1);
}

QByteArray allAttributes(const QByteArray& file) {
    QByteArray names(4096, '\0');
    const ssize_t size = ::listxattr(file.constData(), names.data(), size_t(names.size()));
    QByteArray all;
    for (const QByteArray& name : names.left(std::max<ssize_t>(size, 0)).split('\0')) {
        QByteArray value(4096, '\0');
        const ssize_t n =
            ::getxattr(file.constData(), name.constData(), value.data(), size_t(value.size()));
        if (!name.isEmpty())
            all += name + '=' + value.left(std::max<ssize_t>(n, 0)) + ';';
    }
    return all;
}

// The fresh program folder of one row, always at the same path, so that the
// calls of every run are alike.
class Bench {
public:
    Bench() : base_(dir_.filePath("p")) {}

    QString base() const { return base_; }
    QString pet() const { return base_ + "/G/Pets.pets"; }

    // Empty when set up, otherwise why the set-up cannot be made here.
    QString prepare(SetUp setUp) {
        clear();
        const QString g = base_ + "/G";
        QDir().mkpath(g);
        // Open to every user on the way, as a user's home is to root.
        for (const QString& folder : {dir_.path(), base_})
            ::chmod(QFile::encodeName(folder).constData(), 0755);
        const bool root = ::geteuid() == 0;
        const QByteArray gBytes = QFile::encodeName(g);
        const QByteArray petBytes = QFile::encodeName(pet());
        switch (setUp) {
        case SetUp::Plain:
            write(pet(), kOldRecord);
            break;
        case SetUp::OtherUsersPet:
            if (!root)
                return "only root can save another user's file";
            write(pet(), kOldRecord);
            if (::chown(petBytes.constData(), kNobody, kNobody) != 0 ||
                ::chmod(petBytes.constData(), 0640) != 0)
                return "the pet file cannot be given to nobody";
            if (::setxattr(petBytes.constData(), kAttribute, "kept", 4, 0) != 0)
                return "this file system keeps no user attributes";
            break;
        case SetUp::Link:
            QDir().mkpath(base_ + "/elsewhere");
            write(base_ + "/elsewhere/kept.pets", kOldRecord);
            ::symlink("../elsewhere/kept.pets", petBytes.constData());
            break;
        case SetUp::RootInUsersFolderLinkToRootsFile: {
            if (!root)
                return "only root can save in another user's folder";
            // Root's own file, which nobody may read but not write.
            const QByteArray roots = QFile::encodeName(base_ + "/roots.pets");
            write(base_ + "/roots.pets", kOldRecord);
            ::chmod(roots.constData(), 0644);
            if (::chown(gBytes.constData(), kNobody, kNobody) != 0 ||
                ::symlink(roots.constData(), petBytes.constData()) != 0 ||
                ::lchown(petBytes.constData(), kNobody, kNobody) != 0)
                return "the folder G cannot be given to nobody";
            break;
        }
        case SetUp::DiskFullInPlace:
            if (!privateMounts)
                return "no private mount namespace (needs root): no disk can be filled";
            if (::mount("petfull", gBytes.constData(), "tmpfs", 0, "size=256k") != 0)
                return "mounting a tmpfs is not permitted here";
            mounted_ = true;
            write(pet(), kOldRecord);
            fillUp(g);
            break;
        case SetUp::GarbageBesideOlderBackup:
            write(pet(), kGarbage);
            write(pet() + ".bak", kOlderBackup);
            break;
        }
        return {};
    }

    State state() const {
        State s;
        const QByteArray petBytes = QFile::encodeName(pet());
        s.pet = fileBytes(pet());
        s.link = QFile::symLinkTarget(pet());
        struct stat info {};
        if (::stat(petBytes.constData(), &info) == 0) {
            s.owner = info.st_uid;
            s.group = info.st_gid;
            s.mode = info.st_mode & 07777;
        }
        s.attributes = allAttributes(petBytes);
        for (QDirIterator it(base_, QDir::Files | QDir::Hidden | QDir::System,
                             QDirIterator::Subdirectories);
             it.hasNext();) {
            const QString path = it.next();
            if (path.contains(".saving-"))
                s.temporaries << path.mid(base_.size());
            else if (fileName(path).startsWith("Pets.pets.bak"))
                s.backups.insert(fileName(path), fileBytes(path));
        }
        return s;
    }

    // Starts and closes the program, under strace when given its arguments.
    Run run(const QStringList& strace = {}) const {
        const QString trace = dir_.filePath("trace");
        QFile::remove(trace);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // LeakSanitizer cannot stop a traced program's threads to look.
        environment.insert("ASAN_OPTIONS", environment.value("ASAN_OPTIONS") + ":detect_leaks=0");
        program.setProcessEnvironment(environment);
        if (strace.isEmpty()) {
            program.start(PET_START_AND_CLOSE, {pet()});
        } else {
            program.start("strace", QStringList{"-qq", "-o", trace} + strace +
                                        QStringList{PET_START_AND_CLOSE, pet()});
        }
        program.waitForFinished(30000);
        Run r;
        r.killed = program.exitStatus() == QProcess::CrashExit;
        const QByteArray said = program.readAllStandardOutput();
        r.read = said.contains("read\n");
        r.closed = said.contains("closed\n");
        for (const QByteArray& line : program.readAllStandardError().split('\n'))
            if (!line.isEmpty())
                r.reports << QString::fromUtf8(line);
        r.trace = fileBytes(trace);
        return r;
    }

    ~Bench() { clear(); }

private:
    void clear() {
        if (mounted_)
            ::umount2(QFile::encodeName(base_ + "/G").constData(), MNT_DETACH);
        mounted_ = false;
        QDir(base_).removeRecursively();
    }
    static void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    QTemporaryDir dir_;
    QString base_;
    bool mounted_ = false;
};

// What a call was made on: its first argument, and the second after AT_FDCWD;
// the number and the random letters in a temporary file's name left out.
QString callSubject(const QString& name, const QString& arguments) {
    static const QRegularExpression argument(
        QStringLiteral("^(\"(?:[^\"\\\\]|\\\\.)*\"|[^,)]*)(?:, )?"));
    QString rest = arguments;
    QString subject = name + '(';
    for (int i = 0; i < 2; ++i) {
        const QRegularExpressionMatch m = argument.match(rest);
        subject += m.captured(1);
        rest = rest.mid(m.capturedLength());
        if (m.captured(1) != "AT_FDCWD")
            break;
        subject += ", ";
    }
    static const QRegularExpression temporary(QStringLiteral("saving-\\d+-\\w{6}"));
    return subject.replace(temporary, "saving-N-XXXXXX") + ')';
}

struct TraceLine {
    QString name;
    QString arguments;
    QString result;
};

QList<TraceLine> traceLines(const QByteArray& trace) {
    static const QRegularExpression call(QStringLiteral("^(?:\\d+ +)?(\\w+)\\((.*)\\) += (.*)$"));
    QList<TraceLine> lines;
    for (const QByteArray& text : trace.split('\n')) {
        const QRegularExpressionMatch m = call.match(QString::fromLatin1(text));
        if (m.hasMatch())
            lines.append({m.captured(1), m.captured(2), m.captured(3)});
    }
    return lines;
}

// The calls between the start and the close's end, from a run without faults,
// but for those on pipes, which hold no file (AddressSanitizer checks memory
// through one).
QList<Call> startAndCloseCalls(const QByteArray& trace) {
    static const QRegularExpression pipeEnds(QStringLiteral("^\\[(\\d+), (\\d+)\\]"));
    QHash<QString, int> made;
    QList<Call> calls;
    QHash<QString, qsizetype> openedFolders;
    QSet<QString> pipes;
    bool between = false;
    for (const TraceLine& line : traceLines(trace)) {
        const int number = ++made[line.name];
        const QString fd = line.arguments.section(',', 0, 0).section(')', 0, 0);
        if (line.name == "pipe2") {
            const QRegularExpressionMatch m = pipeEnds.match(line.arguments);
            pipes << m.captured(1) << m.captured(2);
            continue;
        }
        if (pipes.contains(fd)) {
            if (line.name == "close")
                pipes.remove(fd);
            continue;
        }
        if (line.name == "write" && line.arguments.startsWith("1, ")) {
            if (line.arguments.startsWith(QStringLiteral("1, \"start")))
                between = true;
            if (line.arguments.startsWith(QStringLiteral("1, \"closed")))
                between = false;
            continue;
        }
        if (!between || kNeverFailed.contains(line.name))
            continue;
        const QString subject = callSubject(line.name, line.arguments);
        Call c{line.name, number, subject, line.name == "fsync"};
        if (line.name == "fsync" && openedFolders.contains(fd))
            calls[openedFolders.take(fd)].durability = true;
        if (line.name == "openat" && line.arguments.contains("O_DIRECTORY"))
            openedFolders.insert(line.result.section(' ', 0, 0), calls.size());
        calls.append(c);
    }
    return calls;
}

const QHash<QString, int> kErrors = {
    {"EIO", EIO}, {"ENOSPC", ENOSPC}, {"EDQUOT", EDQUOT}, {"EACCES", EACCES}};

QStringList faultsOf(const QString& name) {
    QStringList faults{"EIO"};
    if (name == "write")
        faults << "ENOSPC"
               << "EDQUOT";
    if (name == "openat")
        faults << "EACCES";
    return faults << "killed";
}

// The run without faults of each set-up, made once.
struct CleanRun {
    QString skipped;
    State before;
    State after;
    QStringList reports;
    QList<Call> calls;
};

} // namespace

Q_DECLARE_METATYPE(SetUp)

class FailingCallsTest : public QObject {
    Q_OBJECT
private slots:
    void everyFailingCallLeavesThePetAndItsBackups_data();
    void everyFailingCallLeavesThePetAndItsBackups();

private:
    Bench bench_;
    QHash<int, CleanRun> clean_;
};

void FailingCallsTest::everyFailingCallLeavesThePetAndItsBackups_data() {
    QTest::addColumn<SetUp>("setUp");
    QTest::addColumn<QString>("call");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("on");
    QTest::addColumn<bool>("durability");
    QTest::addColumn<QString>("fault");
    if (QStandardPaths::findExecutable("strace").isEmpty()) {
        QTest::newRow("no strace")
            << SetUp::Plain << QString() << 0 << QString() << false << QString();
        return;
    }
    for (const SetUpRow& row : kSetUps) {
        CleanRun& clean = clean_[int(row.setUp)];
        clean.skipped = bench_.prepare(row.setUp);
        if (!clean.skipped.isEmpty()) {
            QTest::addRow("%s", row.name)
                << row.setUp << QString() << 0 << QString() << false << QString();
            continue;
        }
        clean.before = bench_.state();
        const Run run = bench_.run({"-e", "trace=all"});
        clean.after = bench_.state();
        clean.reports = run.reports;
        clean.calls = startAndCloseCalls(run.trace);
        // strace that cannot trace here fails the one row, rather than leave none.
        if (clean.calls.isEmpty())
            QTest::addRow("%s: no calls traced", row.name)
                << row.setUp << QStringLiteral("none") << 0 << QString() << false << QString();
        for (const Call& call : clean.calls)
            for (const QString& fault : faultsOf(call.name))
                QTest::addRow("%s: %s #%d %s", row.name,
                              qPrintable(QString(call.on).remove(bench_.base())), call.number,
                              qPrintable(fault))
                    << row.setUp << call.name << call.number << call.on << call.durability << fault;
    }
}

void FailingCallsTest::everyFailingCallLeavesThePetAndItsBackups() {
    QFETCH(SetUp, setUp);
    QFETCH(QString, call);
    QFETCH(int, number);
    QFETCH(QString, on);
    QFETCH(bool, durability);
    QFETCH(QString, fault);
    if (call.isEmpty()) {
        const QString why = clean_.value(int(setUp)).skipped;
        QSKIP(qPrintable(why.isEmpty() ? QStringLiteral("strace is not installed") : why));
    }
    const CleanRun& clean = clean_[int(setUp)];
    QVERIFY2(!clean.calls.isEmpty(), qPrintable("strace saw no calls of a run without faults: " +
                                                clean.reports.join('\n')));
    QVERIFY(bench_.prepare(setUp).isEmpty());
    const State before = bench_.state();
    QCOMPARE(before, clean.before);

    const bool kill = fault == "killed";
    const QString injection = QStringLiteral("inject=%1:error=%2%3:when=%4")
                                  .arg(call, kill ? "EIO" : fault, kill ? ":signal=SIGKILL" : "")
                                  .arg(number);
    const Run run = bench_.run({"-e", "trace=" + call, "-e", injection});
    const State after = bench_.state();

    // The fault hit the call it was meant for: a killed call never returns.
    QString hit;
    for (const TraceLine& line : traceLines(run.trace))
        if (line.result.contains(kill ? "?" : "(INJECTED)"))
            hit = callSubject(line.name, line.arguments);
    QCOMPARE(hit, on);
    QCOMPARE(run.killed, kill);
    if (!kill)
        QVERIFY2(run.closed, "the program did not get to the end of its close");

    // The pet file: the old record or the one a close without faults leaves,
    // that one's first bytes written over the old file's at most.
    const QByteArray saved = clean.after.pet;
    QVERIFY2(
        after.pet == before.pet || after.pet == saved ||
            (saved.size() < before.pet.size() && after.pet == saved + before.pet.mid(saved.size())),
        "the pet file holds neither the old record nor the new one");
    QCOMPARE(after.link, before.link);
    QCOMPARE(after.owner, before.owner);
    QCOMPARE(after.group, before.group);
    QCOMPARE(QString::number(after.mode, 8), QString::number(before.mode, 8));
    QCOMPARE(after.attributes, before.attributes);

    // Every backup is still there, and a pet the start could not read, in the
    // file or a backup.
    const QList<QByteArray> kept = after.backups.values();
    for (const QByteArray& backup : before.backups)
        QVERIFY2(kept.contains(backup), "a backup was lost");
    for (const QByteArray& backup : kept)
        QVERIFY2(backup == before.pet || before.backups.values().contains(backup),
                 "a backup holds what no file held");
    if (!run.read)
        QVERIFY2(after.pet == before.pet || kept.contains(before.pet), "the unread pet was lost");

    // A run that said more than one without faults gave the system's reason;
    // one that said nothing more did as much.
    if (!kill && run.reports != clean.reports) {
        const QString reason = systemErrorText(kErrors.value(fault));
        QVERIFY2(run.reports.join('\n').contains(reason), qPrintable(run.reports.join('\n')));
    }
    if (!kill && run.reports == clean.reports) {
        QVERIFY2(!durability, "a failed sync of the save was not reported");
        // A temporary file it could not remove is the next start's to clear.
        State cleared = after;
        cleared.temporaries = clean.after.temporaries;
        QCOMPARE(cleared, clean.after);
    }

    // The next start, without faults, clears what a dead run left.
    bench_.run();
    QCOMPARE(bench_.state().temporaries, QStringList());
}

int main(int argc, char* argv[]) {
    if (::geteuid() == 0 && ::unshare(CLONE_NEWNS) == 0 &&
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0)
        privateMounts = true;
    QCoreApplication app(argc, argv);
    FailingCallsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "failing_calls_test.moc"
