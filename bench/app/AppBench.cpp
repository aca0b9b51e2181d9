// Start-up of the main window and the load of a random practice set, each
// against a floor measured in the same run.
#include "AnswerGrid.h"
#include "AppFonts.h"
#include "BankWriter.h"
#include "BenchMain.h"
#include "Mod.h"
#include "RatioReporter.h"
#include "StartUpWindows.h"
#include "StoreKey.h"
#include "frmMain.h"

#include <sqlcipher/sqlite3.h>

#include <chrono>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QStringList>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

// A program folder with a generated bank of `n` questions.
class GeneratedBank {
public:
    explicit GeneratedBank(int n, bool pictures = false) {
        QList<BankQuestion> questions;
        for (int id = 1; id <= n; ++id) {
            BankQuestion q;
            q.id = id;
            q.type = id % 5 < 2 ? 2 : 1;
            q.question =
                QStringLiteral("第%1题：驾驶机动车在道路上行驶，遇到这种情况应当怎样做？").arg(id);
            if (q.type == 1) {
                for (int i = 0; i < 4; ++i) {
                    q.an[i] =
                        QStringLiteral("选项%1：减速慢行，注意观察，确认安全后通过").arg(i + 1);
                    q.hasOption[i] = true;
                }
            }
            q.answertrue = 1 + id % (q.type == 1 ? 4 : 2);
            q.licensetype = id % 7 == 0 ? QStringLiteral("AB") : QStringLiteral("ABC");
            q.chap = QStringLiteral("第一章");
            q.strtype = QStringLiteral("类型%1").arg(id % 16);
            q.explain = QStringLiteral("解析");
            if (pictures)
                q.imageUrl = QStringLiteral("scene.png");
            questions << q;
        }
        QString error;
        if (!BankWriter::writeBank(questions, dir.filePath(QStringLiteral("images")), &error))
            qFatal("%s", qPrintable(error));
        if (pictures) {
            // A scene as large as the question area shows.
            QImage scene(240, 180, QImage::Format_RGB32);
            for (int y = 0; y < scene.height(); ++y)
                for (int x = 0; x < scene.width(); ++x)
                    scene.setPixel(x, y, qRgb(x, y, (x * y) & 0xFF));
            scene.save(dir.filePath(QStringLiteral("images/scene.png")));
        }
    }
    QString folder() const { return dir.path(); }

private:
    QTemporaryDir dir;
};

GeneratedBank& smallBank() {
    static GeneratedBank bank(900);
    return bank;
}

GeneratedBank& pictureBank() {
    static GeneratedBank bank(300, true);
    return bank;
}

GeneratedBank& bigBank() {
    static GeneratedBank bank(4000);
    return bank;
}

void BM_StartUp_BareMainWindow(benchmark::State& state) {
    for (auto _ : state) {
        auto w = StartUpWindows::MakeBare();
        StartUpWindows::ShowAndPaint(w.get());
        // Closing the window is not part of start-up.
        state.PauseTiming();
        w.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUp_BareMainWindow)->Unit(benchmark::kMillisecond);

void BM_StartUp_frmMain(benchmark::State& state) {
    const QString folder = smallBank().folder();
    for (auto _ : state) {
        auto w = std::make_unique<frmMain>(folder);
        if (!w->Loaded())
            state.SkipWithError("the bank did not open");
        StartUpWindows::ShowAndPaint(w.get());
        // Closing the window is not part of start-up.
        state.PauseTiming();
        w.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUp_frmMain)->Unit(benchmark::kMillisecond);

// A whole start as the learner gets it: a fresh process that starts the
// application and shows its window, timed until the window has been painted.
// This counts what a start pays once (libraries, fonts, the first use of the
// encrypted store) and the window-only benchmarks above leave out.
void coldStart(benchmark::State& state, const QStringList& args) {
    const QByteArray probe =
        (QCoreApplication::applicationDirPath() + QStringLiteral("/qk-startup-probe"))
            .toLocal8Bit();
    std::vector<QByteArray> argBytes{probe};
    for (const QString& a : args)
        argBytes.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& a : argBytes)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    for (auto _ : state) {
        int out[2];
        if (pipe(out) != 0) {
            state.SkipWithError("no pipe");
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        const auto start = std::chrono::steady_clock::now();
        pid_t pid = 0;
        const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        char shown = 0;
        const bool ok = spawned == 0 && read(out[0], &shown, 1) == 1;
        const auto end = std::chrono::steady_clock::now();
        close(out[0]);
        int status = 0;
        if (spawned == 0)
            waitpid(pid, &status, 0);
        if (!ok) {
            state.SkipWithError("the probe did not show its window");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}

void BM_ColdStart_BareMainWindow(benchmark::State& state) {
    coldStart(state, {QStringLiteral("bare")});
}
BENCHMARK(BM_ColdStart_BareMainWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ColdStart_frmMain(benchmark::State& state) {
    coldStart(state, {QStringLiteral("main"), smallBank().folder()});
}
BENCHMARK(BM_ColdStart_frmMain)->UseManualTime()->Unit(benchmark::kMillisecond);

// The share of start-up that opening the encrypted file costs: a bank made by
// our builder, opened with the key derived in advance.
void BM_StartUp_OpenStoreOnly(benchmark::State& state) {
    Mod::SetProgramFolder(smallBank().folder());
    for (auto _ : state) {
        Database db;
        benchmark::DoNotOptimize(Mod::OpenStore(db));
    }
}
BENCHMARK(BM_StartUp_OpenStoreOnly)->Unit(benchmark::kMillisecond);

// The same file opened through the passphrase: the key derivation (64 000
// rounds of PBKDF2) that every start would pay without the key in advance.
void BM_StartUp_OpenStoreWithKeyDerivation(benchmark::State& state) {
    const QString path = QDir(smallBank().folder()).filePath(QStringLiteral("images/movra.dll"));
    for (auto _ : state) {
        Database db;
        benchmark::DoNotOptimize(db.open(path, StoreKey::kPassphrase));
    }
}
BENCHMARK(BM_StartUp_OpenStoreWithKeyDerivation)->Unit(benchmark::kMillisecond);

// Every row of a statement read straight from SQLite, every column as text.
int ReadEveryColumn(sqlite3* db, const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    int rows = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        for (int c = 0; c < sqlite3_column_count(stmt); ++c)
            benchmark::DoNotOptimize(sqlite3_column_text(stmt, c));
        ++rows;
    }
    sqlite3_finalize(stmt);
    return rows;
}

// Floor: the same rows read straight from SQLite, every column as text.
void BM_InitPaper_RawQuery(benchmark::State& state) {
    frmMain w(bigBank().folder());
    sqlite3* db = Mod::db.handle();
    const char* sql = "select * from paper  where licensetype like '*C*' order by id";
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadEveryColumn(db, sql));
}
BENCHMARK(BM_InitPaper_RawQuery)->Unit(benchmark::kMillisecond);

void BM_InitPaper_Random(benchmark::State& state) {
    frmMain w(bigBank().folder());
    for (auto _ : state) {
        w.InitPaper(QStringLiteral("C"), QString(), true);
        benchmark::DoNotOptimize(w.qs.paperCount);
    }
    state.counters["questions"] = w.qs.paperCount;
}
BENCHMARK(BM_InitPaper_Random)->Unit(benchmark::kMillisecond);

// Floor: the rows of both of the examination's draws read straight from SQLite.
void BM_InitExam_RawQueries(benchmark::State& state) {
    frmMain w(bigBank().folder());
    sqlite3* db = Mod::db.handle();
    const char* sqls[] = {
        "select * from paper where type=2 and licensetype like '*C*' order by id",
        "select * from paper where type=1 and licensetype like '*C*' order by id"};
    for (auto _ : state)
        for (const char* sql : sqls)
            benchmark::DoNotOptimize(ReadEveryColumn(db, sql));
}
BENCHMARK(BM_InitExam_RawQueries)->Unit(benchmark::kMillisecond);

void BM_InitExam(benchmark::State& state) {
    frmMain w(bigBank().folder());
    for (auto _ : state) {
        w.InitExam(QStringLiteral("C"));
        benchmark::DoNotOptimize(w.qs.paperCount);
    }
}
BENCHMARK(BM_InitExam)->Unit(benchmark::kMillisecond);

// Floor: what one move shows, set on plain labels and painted: the question,
// its options and its picture read from its file.
void BM_AnswerAndMove_PlainLabels(benchmark::State& state) {
    const QString picture =
        QDir(pictureBank().folder()).filePath(QStringLiteral("images/scene.png"));
    QWidget w;
    w.setFont(AppFonts::song(10.5));
    w.resize(888, 614);
    auto* question = new QLabel(&w);
    question->setGeometry(142, 24, 448, 76);
    question->setWordWrap(true);
    auto* options = new QLabel(&w);
    options->setGeometry(142, 106, 200, 184);
    options->setWordWrap(true);
    auto* image = new QLabel(&w);
    image->setGeometry(346, 106, 244, 184);
    StartUpWindows::ShowAndPaint(&w);
    int k = 0;
    for (auto _ : state) {
        ++k;
        question->setText(
            QStringLiteral("%1. 第%1题：驾驶机动车在道路上行驶，遇到这种情况应当怎样做？").arg(k));
        options->setText(
            QStringLiteral("A. 选项1\r\n\r\nB. 选项2\r\n\r\nC. 选项3\r\n\r\nD. 选项4 %1").arg(k));
        QPixmap p;
        p.load(picture);
        image->setPixmap(p);
        w.repaint();
    }
}
BENCHMARK(BM_AnswerAndMove_PlainLabels)->Unit(benchmark::kMicrosecond);

// A right answer (the wait before the move left out), the next question
// shown with its picture, and the window painted.
void BM_AnswerAndMove(benchmark::State& state) {
    frmMain w(pictureBank().folder());
    w.MsgBox = [](const QString&, QMessageBox::StandardButtons) { return QMessageBox::No; };
    w.Wait = [](int) {};
    StartUpWindows::ShowAndPaint(&w);
    w.cmdK_Click(2);
    for (auto _ : state) {
        if (w.GetCurPaper() == w.qs.paperCount) {
            state.PauseTiming();
            w.cmdK_Click(2);
            state.ResumeTiming();
        }
        const qint32 k = w.GetCurPaper();
        w.SetAnswer(w.qs.papers[size_t(k)].answerIndex);
        w.repaint();
    }
}
BENCHMARK(BM_AnswerAndMove)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    RatioReporter reporter(
        "Against the floors of the same run:",
        {{"BM_StartUp_frmMain", "BM_StartUp_BareMainWindow", 0},
         // Timed by hand: from the launch to the painted window.
         {"BM_ColdStart_frmMain/manual_time", "BM_ColdStart_BareMainWindow/manual_time", 3},
         {"BM_InitPaper_Random", "BM_InitPaper_RawQuery", 3},
         {"BM_InitExam", "BM_InitExam_RawQueries", 3},
         {"BM_AnswerAndMove", "BM_AnswerAndMove_PlainLabels", 0}},
        [](const std::map<std::string, double>&) {
            // Without a window system a bare window is next to free, so the
            // start-up ratio means something only under a display.
            if (QGuiApplication::platformName() == QLatin1String("offscreen"))
                std::printf("(start-up measured without a display: run under X for its ratio)\n");
        });
    return RunBenchmarks(argc, argv, &reporter);
}
