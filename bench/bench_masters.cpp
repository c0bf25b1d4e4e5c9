// Figures for the model masters: opening the KPA and work products masters (the cascade and the
// grid of the whole table) and a save with its grid rebuild, on the delivered model and on the
// stress file (the model ten times over).
#include "masters/frm_docs.h"
#include "masters/frm_gaps.h"
#include "shell/AppPaths.h"
#include "widgets/LimitedTextEdit.h"

#include "Median.h"
#include "StressFile.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

template <typename T>
void measure(QTextStream &out, const QString &what)
{
    const double open = medianMs(5, [] {
        T screen;
        screen.load();
    });
    T screen;
    screen.load();
    int edits = 0;
    const double save = medianMs(5, [&] {
        screen.txt_goal_desc->setPlainText(QStringLiteral("Edited %1").arg(++edits));
        screen.cmd_save_Click();
    });
    out << what << ": open " << open << " ms, save with grid rebuild " << save << " ms\n";
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    const QString database = dir.filePath(QStringLiteral("cmmi.mdb"));
    AppPaths::setAppDir(dir.path());

    QFile::copy(QStringLiteral(VELTRIX_TEMPLATE_DB), database);
    QFile::setPermissions(database, QFile::ReadOwner | QFile::WriteOwner);
    measure<frm_gaps>(out, QStringLiteral("KPA master, delivered model"));
    measure<frm_docs>(out, QStringLiteral("Work products master, delivered model"));

    QFile::remove(database);
    StressFile::Counts counts;
    QString error;
    if (!StressFile::build(QStringLiteral(VELTRIX_TEMPLATE_DB), database, &counts, &error, 10, 1)) {
        out << error << '\n';
        return 1;
    }
    out << "Stress file: " << counts.modelRows << " model rows, " << counts.workProducts << " work products\n";
    measure<frm_gaps>(out, QStringLiteral("KPA master, stress file"));
    measure<frm_docs>(out, QStringLiteral("Work products master, stress file"));
    return 0;
}
