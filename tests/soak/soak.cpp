// A long run of the real window: banner ticks and random commands with random
// texts from every source, every message box answered (the Exit question with
// No). Prints resident memory before and after, and fails if it grew beyond
// the allowed kibibytes.
// Usage: soak TICKS COMMANDS ALLOWED_GROWTH_KIB
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "FormFixture.h"
#include "ModalAnswerer.h"
#include "TextGenerator.h"
#include "app/CommandTable.h"

namespace {

long residentKib() {
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

class Soak {
public:
    explicit Soak(FormFixture& window) : window_(window), generate_(20261208) {}

    void run(long ticks, long commands) {
        const long ticksPerCommand = commands > 0 ? ticks / commands : ticks;
        long ticked = 0;
        for (long command = 0; command < commands || ticked < ticks; ++command) {
            for (long i = 0; i < ticksPerCommand && ticked < ticks; ++i, ++ticked) {
                window_.form->OnTimerTick();
                if (ticked % 1000 == 0) QCoreApplication::processEvents();
            }
            if (command < commands) randomCommand();
            QCoreApplication::processEvents();
        }
    }

private:
    void randomCommand() {
        const auto table = app::CommandTable();
        const app::CommandSources& row = table[generate_.below(int(table.size()))];
        if (row.command == app::Command::Calculate) {
            for (const char* box : {"TxtA", "TxtB", "TxtC"}) {
                const std::string text = generate_.below(2) ? generate_.number().text : generate_.anything();
                window_.named<QLineEdit>(box)->setText(QString::fromStdString(text.substr(0, 2000)));
            }
        }
        static const char* const sources[] = {"button", "menu", "toolbar"};
        window_.give(sources[generate_.below(3)], row);
    }

    FormFixture& window_;
    Generator generate_;
};

// Twenty texts of a megabyte pasted into the boxes in turn, each followed by
// Oblicz and its message, then Nowa funkcja: the memory they took must be
// given back. Returns the growth in KiB.
long pasteRun(FormFixture& window) {
    const long before = residentKib();
    const char* const boxes[] = {"TxtA", "TxtB", "TxtC"};
    for (int paste = 0; paste < 20; ++paste) {
        QApplication::clipboard()->setText(QString(1'000'000, QChar('0' + paste % 10)) + "x");
        auto* box = window.named<QLineEdit>(boxes[paste % 3]);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        window.form->Calculate();
        QCoreApplication::processEvents();
    }
    window.form->NewFunction();
    QCoreApplication::processEvents();
    return residentKib() - before;
}

QtMessageHandler standardHandler = nullptr;

// The offscreen platform says this for every message box; nothing to learn.
void quietSizeHints(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints"))) return;
    standardHandler(type, context, message);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: soak TICKS COMMANDS ALLOWED_GROWTH_KIB\n");
        return 2;
    }
    const long ticks = std::atol(argv[1]), commands = std::atol(argv[2]);
    const long allowedGrowth = std::atol(argv[3]);
    standardHandler = qInstallMessageHandler(quietSizeHints);
    QApplication application(argc, argv);
    FormFixture::configure();
    FormFixture window;
    window.create();
    // Every box is answered at the next pass of its event loop: No, or OK.
    ModalAnswerer everyBox(QStringLiteral("Nie"), {}, true);

    // A tenth of the run first, so that caches and pools have their size.
    Soak soak(window);
    soak.run(ticks / 10, commands / 10);
    const long before = residentKib();
    soak.run(ticks, commands);
    const long after = residentKib();

    std::printf("ticks %ld, commands %ld: resident %ld KiB before, %ld KiB after, growth %ld KiB\n",
                ticks, commands, before, after, after - before);
    const long pasted = pasteRun(window);
    std::printf("20 pastes of 1 MB, then Nowa funkcja: growth %ld KiB\n", pasted);
    if (after - before > allowedGrowth || pasted > std::max(allowedGrowth, 10'240L)) {
        std::printf("resident memory grew by more than allowed\n");
        return 1;
    }
    return 0;
}
