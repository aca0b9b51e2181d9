// Builds the question bank: checks the sources, renders the pictures and
// writes the encrypted bank file into a program's images/ folder.
//
//   bankbuild --sources DIR --pictures DIR --out DIR [--shipped] [--check-only]
//   bankbuild --render PICTURE.svg OUT.png      (a question picture, size checked)
//   bankbuild --render-ui PICTURE.svg OUT.png   (a picture of the windows)
//
// --shipped also demands the minimum counts per vehicle code and that every
// picture is used. Faults go to stderr as "file:line: fault"; exit status 1.

#include "BankChecks.h"
#include "BankSource.h"
#include "BankWriter.h"

#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

namespace {

int usage() {
    std::fprintf(stderr, "用法: bankbuild --sources 目录 --pictures 目录 --out 目录 "
                         "[--shipped] [--check-only]\n"
                         "      bankbuild --render 图片.svg 输出.png\n"
                         "      bankbuild --render-ui 图片.svg 输出.png\n");
    return 2;
}

void report(const QList<BankFault>& faults) {
    for (const BankFault& f : faults)
        std::fprintf(stderr, "%s\n", f.text().toUtf8().constData());
}

} // namespace

int main(int argc, char** argv) {
    // Fonts for the pictures' text need a GUI application, not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();

    QString sources, pictures, out;
    bool shipped = false, checkOnly = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&]() { return i + 1 < args.size() ? args[++i] : QString(); };
        if (a == u"--render" || a == u"--render-ui") {
            if (i + 2 >= args.size())
                return usage();
            const QList<BankFault> faults =
                a == u"--render" ? BankWriter::renderPicture(args[i + 1], args[i + 2])
                                 : BankWriter::renderPicture(args[i + 1], args[i + 2], QSize());
            report(faults);
            return faults.isEmpty() ? 0 : 1;
        }
        if (a == u"--sources")
            sources = value();
        else if (a == u"--pictures")
            pictures = value();
        else if (a == u"--out")
            out = value();
        else if (a == u"--shipped")
            shipped = true;
        else if (a == u"--check-only")
            checkOnly = true;
        else
            return usage();
    }
    if (sources.isEmpty() || pictures.isEmpty() || (out.isEmpty() && !checkOnly))
        return usage();

    QList<BankFault> faults;
    const QList<BankQuestion> questions = BankSource::readFolder(sources, &faults);
    BankPolicy policy;
    policy.requireCounts = shipped;
    policy.requireAllPicturesUsed = shipped;
    faults += BankChecks::check(questions, pictures, policy);
    if (!faults.isEmpty()) {
        report(faults);
        std::fprintf(stderr, "题库有 %d 处错误，没有生成。\n", int(faults.size()));
        return 1;
    }
    const BankCounts c = BankChecks::count(questions);
    std::printf("题库: %d 道题; 判断/单选 A %d/%d, B %d/%d, C %d/%d; 只属于 A、B 或 AB: %d\n",
                int(questions.size()), c.trueFalse[0], c.choice[0], c.trueFalse[1], c.choice[1],
                c.trueFalse[2], c.choice[2], c.heavyOnly);
    if (checkOnly)
        return 0;

    faults = BankWriter::writePictures(questions, pictures, out);
    if (!faults.isEmpty()) {
        report(faults);
        return 1;
    }
    QString error;
    if (!BankWriter::writeBank(questions, out, &error)) {
        std::fprintf(stderr, "%s\n", error.toUtf8().constData());
        return 1;
    }
    return 0;
}
